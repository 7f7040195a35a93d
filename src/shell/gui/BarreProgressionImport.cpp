#include "shell/gui/BarreProgressionImport.h"

#include <algorithm>

#include <QCoreApplication>

namespace lignara::gui {

BarreProgressionImport::BarreProgressionImport(QWidget* zone) : barre_(std::make_unique<QProgressBar>(zone)) {
    barre_->setObjectName("barreImport");
    barre_->setWindowTitle("Import Gedcom");
    barre_->setAccessibleName("Import Gedcom");
    barre_->setFormat("Import Gedcom %p %");
    barre_->setRange(0, 100);
    barre_->setValue(0);
    const int largeur = 320, hauteur = 20;
    barre_->setGeometry((zone->width() - largeur) / 2, std::max(0, zone->height() - 30), largeur, hauteur);
    barre_->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

BarreProgressionImport::~BarreProgressionImport() = default;

RappelProgression BarreProgressionImport::rappel() {
    QProgressBar* barre = barre_.get();
    return [barre](std::uint64_t fait, std::uint64_t total) {
        int pourCent = total ? static_cast<int>(std::min<std::uint64_t>(fait * 100 / total, 100)) : 0;
        if (pourCent == barre->value()) return;
        barre->setValue(pourCent);
        // L'import tourne sur le fil de l'interface : on laisse la barre se redessiner, sans
        // accepter de clic qui relancerait une commande au milieu.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
}

}  // namespace lignara::gui
