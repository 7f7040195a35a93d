#include "shell/gui/FichierOuvertFenetre.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>

#include "commun/Dossiers.h"
#include "session/DemarrageDossierSortie.h"

namespace lignara::gui {

FichierOuvertFenetre::FichierOuvertFenetre(QObject* parent)
    : QObject(parent),
      fichier_(std::make_unique<FichierOuvert>(dossierConfigurationAccessible(), dossierSortieDuProgramme())) {}

FichierOuvertFenetre::~FichierOuvertFenetre() { fichier_->fermer(); }

ContexteDocument FichierOuvertFenetre::contexte(bool casseAutomatique) const {
    ContexteDocument c;
    c.base = &fichier_->base();
    c.noms = &fichier_->indexNoms();
    c.phonetique = &fichier_->indexPhonetique();
    c.nomsLarges = [f = fichier_.get()]() -> const IndexNomsLarges& { return f->indexNomsLarges(); };
    c.casseAutomatique = casseAutomatique;
    c.dossiersGedcom = fichier_->dossiersGedcom();
    return c;
}

void FichierOuvertFenetre::ouvrir(const std::filesystem::path& chemin, OptionsOuverture options) {
    recentes_.oublier();
    QPointer<FichierOuvertFenetre> moi(this);
    // Appelé depuis le thread de surveillance : le message passe par la file de la fenêtre.
    options.fichierModifie = [moi] {
        QMetaObject::invokeMethod(
            qApp, [moi] { if (moi) emit moi->gedcomReecrit(); }, Qt::QueuedConnection);
    };
    options.curseurAttente = [](bool enAttente) {
        if (enAttente) QApplication::setOverrideCursor(Qt::WaitCursor);
        else QApplication::restoreOverrideCursor();
    };
    fichier_->ouvrir(chemin, options);
}

}  // namespace lignara::gui
