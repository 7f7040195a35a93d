#include "shell/gui/FichierOuvertFenetre.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>

#include "commun/Dossiers.h"
#include "session/DemarrageDossierSortie.h"

namespace lignara::gui {

FichierOuvertFenetre::FichierOuvertFenetre(QObject* parent)
    : QObject(parent),
      dossierConfiguration_(dossierConfigurationAccessible()),
      dossierSortie_(dossierSortieDuProgramme()),
      fichier_(std::make_unique<FichierOuvert>(dossierConfiguration_, dossierSortie_)) {}

FichierOuvertFenetre::~FichierOuvertFenetre() { fichier_->fermer(); }

ContexteDocument FichierOuvertFenetre::contexte(bool casseAutomatique) const {
    ContexteDocument c;
    c.base = &fichier_->base();
    c.noms = &fichier_->indexNoms();
    c.phonetique = [f = fichier_.get()]() -> const IndexPhonetique& { return f->indexPhonetique(); };
    c.nomsLarges = [f = fichier_.get()]() -> const IndexNomsLarges& { return f->indexNomsLarges(); };
    c.casseAutomatique = casseAutomatique;
    c.dossiersGedcom = fichier_->dossiersGedcom();
    return c;
}

// Le nouveau fichier s'ouvre à côté de l'ancien, qui n'est fermé qu'une fois le nouveau
// importé : un fichier refusé (pas un GEDCOM, illisible) laisse l'ancien ouvert.
void FichierOuvertFenetre::ouvrir(const std::filesystem::path& chemin, OptionsOuverture options) {
    QPointer<FichierOuvertFenetre> moi(this);
    // Appelé depuis le thread de surveillance : le message passe par la file de la fenêtre.
    options.fichierModifie = [moi] {
        QMetaObject::invokeMethod(
            qApp,
            [moi] {
                if (moi) emit moi->gedcomReecrit();
            },
            Qt::QueuedConnection);
    };
    options.curseurAttente = [](bool enAttente) {
        if (enAttente)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    auto nouveau = std::make_unique<FichierOuvert>(dossierConfiguration_, dossierSortie_);
    nouveau->ouvrir(chemin, options);
    emit fichierRemplace();
    fichier_->fermer();
    fichier_ = std::move(nouveau);
    recentes_.oublier();
}

}  // namespace lignara::gui
