#include "shell/gui/QuestionPages.h"

#include <QPointer>
#include <QWidget>

#include "shell/gui/BoiteMessage.h"

namespace lignara::gui {

SurfacePdf::QuestionPages questionCinqCentsPages(QWidget* fenetre) {
    QPointer<QWidget> proprietaire(fenetre);
    return [proprietaire] {
        return BoiteMessage::confirmer(proprietaire.data(),
                                       "Ce graphique nécessite plus de 500 pages.\nVoulez-vous continuer ?");
    };
}

}  // namespace lignara::gui
