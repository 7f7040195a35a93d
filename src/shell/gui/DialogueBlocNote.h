#pragma once
// « Bloc-note » : les notes d'une personne, une ligne par ligne stockée, en lecture seule. Modal.
#include <string>
#include <vector>

#include <QDialog>

namespace lignara::gui {

class DialogueBlocNote : public QDialog {
    Q_OBJECT
public:
    // lignes : Windows-1252.
    DialogueBlocNote(const std::vector<std::string>& lignes, QWidget* parent = nullptr);
};

}  // namespace lignara::gui
