#pragma once
// « Consultation » : la liste de toutes les personnes dans l'ordre de l'index (nom, prénoms et
// année estimée), une zone de recherche (70 caractères au plus) qui sélectionne la première
// entrée commençant par le texte, et « Ferme fenêtres ». Un double-clic ouvre la personne de
// l'entrée — retrouvée par son numéro, gardé avec l'entrée : deux homonymes de même texte
// ouvrent chacun la sienne. La fermer ferme toutes les fenêtres de personne et de famille.
#include <QDialog>

#include "database/IndexNoms.h"
#include "database/TablesDerivees.h"

class QLineEdit;
class QListView;

namespace lignara::gui {

class Consultation;
class ModeleListePersonnes;

class FenetreListeConsultation : public QDialog {
    Q_OBJECT
public:
    FenetreListeConsultation(const BaseGenealogique& base, const IndexNoms& index, const TablesDerivees& tables,
                             Consultation& consultation, QWidget* parent = nullptr);

    QListView* vue() const { return vue_; }
    ModeleListePersonnes* modele() const { return modele_; }
    // Ouvre la personne de l'entrée (comme un double-clic).
    void ouvrirEntree(int ligne);

    void done(int resultat) override;

private:
    void chercher(const QString& texte);

    Consultation& consultation_;
    ModeleListePersonnes* modele_;
    QLineEdit* recherche_;
    QListView* vue_;
};

}  // namespace lignara::gui
