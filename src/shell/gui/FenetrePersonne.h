#pragma once
// Fenêtre de consultation d'une personne (non modale) : chaque champ de la fiche, les boutons
// « Père : » et « Mère : » (grisés quand le parent est inconnu), « Famille », « Bloc-note » et
// « Sources », et les autres événements relus dans le GEDCOM.
#include <cstdint>

#include <QDialog>

#include "session/FichePersonne.h"

namespace lignara::gui {

class Consultation;

class FenetrePersonne : public QDialog {
    Q_OBJECT
public:
    FenetrePersonne(const FichePersonne& fiche, const AutresEvenements& autres, Consultation& consultation,
                    QWidget* parent = nullptr);
    std::uint32_t personne() const { return personne_; }

private:
    std::uint32_t personne_;
};

}  // namespace lignara::gui
