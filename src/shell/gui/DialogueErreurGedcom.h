#pragma once
// Rapport d'erreurs d'un import réussi : tout le rapport, un bouton d'aide.
#include <QDialog>
#include <memory>

namespace Ui {
class DialogueErreurGedcom;
}

namespace lignara::gui {

class DialogueErreurGedcom : public QDialog {
    Q_OBJECT
public:
    // rapport1252 : les lignes CR LF telles que l'import les a écrites.
    DialogueErreurGedcom(const std::string& rapport1252, QWidget* parent = nullptr);
    ~DialogueErreurGedcom() override;

private:
    std::unique_ptr<Ui::DialogueErreurGedcom> ui_;
};

}  // namespace lignara::gui
