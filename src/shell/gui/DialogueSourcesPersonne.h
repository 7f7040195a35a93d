#pragma once
// « Sources » : sous le titre « SOURCES », les sources de l'identité, de la naissance (date et
// lieu), du décès (date et lieu), de la profession et du commentaire d'une personne. Modal.
#include <QDialog>

#include "session/FichePersonne.h"

namespace lignara::gui {

class DialogueSourcesPersonne : public QDialog {
    Q_OBJECT
public:
    DialogueSourcesPersonne(const FichePersonne& fiche, QWidget* parent = nullptr);
};

}  // namespace lignara::gui
