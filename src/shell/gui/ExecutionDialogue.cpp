#include "shell/gui/ExecutionDialogue.h"

#include <QDialog>

namespace lignara::gui {

std::function<int(QDialog&)>& ExecutionDialogue::simulation() {
    static std::function<int(QDialog&)> f;
    return f;
}

int ExecutionDialogue::executer(QDialog& dialogue) {
    if (simulation()) {
        dialogue.show();
        int resultat = simulation()(dialogue);
        if (dialogue.isVisible()) dialogue.done(resultat);
        return resultat;
    }
    return dialogue.exec();
}

}  // namespace lignara::gui
