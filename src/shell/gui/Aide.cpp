#include "shell/gui/Aide.h"

#include <QDesktopServices>
#include <QFileInfo>

#include "commun/Dossiers.h"

namespace lignara::gui {

std::function<void(const QUrl&)>& Aide::ouvreur() {
    static std::function<void(const QUrl&)> f;
    return f;
}

bool Aide::ouvrirPage(const QString& page) {
    QString chemin = QString::fromStdString((dossierInstallation() / "Aide").string()) + "/" + page;
    if (!QFileInfo::exists(chemin)) return false;
    return ouvrirAdresse(QUrl::fromLocalFile(chemin));
}

bool Aide::ouvrirAdresse(const QUrl& adresse) {
    if (ouvreur()) {
        ouvreur()(adresse);
        return true;
    }
    // Qt lance le navigateur associé directement (xdg-open, ShellExecute…), sans shell
    // intermédiaire : un chemin ne peut rien injecter.
    return QDesktopServices::openUrl(adresse);
}

}  // namespace lignara::gui
