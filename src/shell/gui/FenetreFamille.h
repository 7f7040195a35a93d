#pragma once
// Fenêtre des familles d'une personne (non modale), construite à l'exécution : un bloc par
// famille comme conjoint, dans l'ordre de sa chaîne — le conjoint (bouton qui ouvre sa fiche, ou
// « Conjoint inconnu »), le mariage avec ses sources (ou « Mariage inconnu »), le divorce, les
// enfants dans une liste déroulante (ou « Sans descendance »). Elle grandit avec les blocs.
#include <string>
#include <vector>

#include <QDialog>

#include "session/FichePersonne.h"

namespace lignara::gui {

class Consultation;

class FenetreFamille : public QDialog {
    Q_OBJECT
public:
    FenetreFamille(const std::string& titre1252, const std::vector<FamilleConsultee>& familles,
                   Consultation& consultation, QWidget* parent = nullptr);
};

// « 5 juin 1875 (source : Acte 12) Rouen » : date et lieu, chacun suivi de sa source.
std::string texteEvenementFamille(const EvenementConsulte& e);

}  // namespace lignara::gui
