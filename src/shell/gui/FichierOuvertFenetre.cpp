#include "shell/gui/FichierOuvertFenetre.h"

#include <chrono>
#include <ctime>
#include <vector>

#include <QApplication>
#include <QCursor>

namespace lignara::gui {
namespace {

int anneeCourante() {
    std::time_t maintenant = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &maintenant);
#else
    localtime_r(&maintenant, &local);
#endif
    return local.tm_year + 1900;
}

struct CurseurAttente {
    CurseurAttente() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurAttente() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

FichierOuvertFenetre::FichierOuvertFenetre(QObject* parent) : QObject(parent) {
    connect(&surveillance_, &SurveillanceGedcom::fichierModifie, this, [this] {
        gedcomModifie_ = true;
        emit gedcomReecrit();
    });
}

FichierOuvertFenetre::~FichierOuvertFenetre() { fermer(); }

void FichierOuvertFenetre::ouvrir(const std::filesystem::path& chemin, ReglagesFichier reglages,
                                  ResultatImport import) {
    fermer();
    chemin_ = chemin;
    reglages_ = std::move(reglages);
    import_.emplace(std::move(import));
    gedcomModifie_ = false;
    const BaseGenealogique* base = &import_->base;
    int annee = anneeCourante();
    try {
        derivation_ = std::async(std::launch::async,
                                 [base, annee] { return calculerTablesDerivees(*base, annee); });
    } catch (const std::system_error&) {
        // Pas de thread : le calcul se fait ici, sous le curseur d'attente.
        CurseurAttente curseur;
        tables_ = calculerTablesDerivees(*base, annee);
    }
    std::vector<std::filesystem::path> sources;
    for (const FichierImporte& f : import_->fichiers) sources.push_back(f.chemin);
    if (sources.empty()) sources.push_back(chemin);
    surveillance_.surveiller(sources);
}

void FichierOuvertFenetre::attendreDerivation() {
    if (!derivation_.valid()) return;
    CurseurAttente curseur;
    derivation_.wait();
    tables_ = derivation_.get();
}

const TablesDerivees& FichierOuvertFenetre::tablesDerivees() {
    attendreDerivation();
    return *tables_;
}

void FichierOuvertFenetre::fermer() {
    surveillance_.arreter();
    if (derivation_.valid()) {
        CurseurAttente curseur;
        derivation_.wait();
        try {
            derivation_.get();
        } catch (...) {
            // Le fichier se ferme : l'erreur du calcul n'a plus de lecteur.
        }
    }
    tables_.reset();
    import_.reset();
    reglages_ = {};
    chemin_.clear();
    gedcomModifie_ = false;
}

}  // namespace lignara::gui
