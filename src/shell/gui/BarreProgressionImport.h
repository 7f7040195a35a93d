#pragma once
// Barre « Import Gedcom » montrée pendant un import, centrée en bas de la zone de la fenêtre
// (son haut 30 pixels au-dessus du bas). Elle disparaît avec l'objet.
#include <memory>

#include <QProgressBar>

#include "gedcom/ConstructionBase.h"

namespace lignara::gui {

class BarreProgressionImport {
public:
    explicit BarreProgressionImport(QWidget* zone);
    ~BarreProgressionImport();

    // Rappel de l'import : unités faites sur le total, affichées en pour cent.
    RappelProgression rappel();

private:
    std::unique_ptr<QProgressBar> barre_;
};

}  // namespace lignara::gui
