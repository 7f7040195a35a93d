#include "session/FichierOuvert.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <system_error>
#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "commun/Horloge.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/FormatNom.h"
#include "gedcom/ModeCommentaire.h"
#include "session/SurveillanceGedcom.h"

namespace lignara {

namespace fs = std::filesystem;

namespace {

bool finitPar(std::string_view nom, std::string_view fin) {
    if (nom.size() < fin.size()) return false;
    return std::equal(fin.begin(), fin.end(), nom.end() - static_cast<std::ptrdiff_t>(fin.size()),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(b)) == a; });
}

void verifierChemin(const fs::path& chemin) {
    std::error_code ec;
    if (!fs::is_regular_file(chemin, ec))
        throw OperationImpossible(
            "Fichier inconnu.\nVous devez sélectionner un fichier Gedcom (.ged) ou une fusion Gedcom (.fged)."_1252);
    std::string nom = chemin.filename().string();
    if (!finitPar(nom, ".ged") && !finitPar(nom, ".fged"))
        throw OperationImpossible(
            "Seuls les fichiers Gedcom (.ged) ou les fusions Gedcom (.fged) peuvent être ouverts avec Lignara"_1252);
}

ModeCommentaire modeDe(std::uint8_t mode) {
    switch (mode) {
        case ReglagesFichier::kPremiereLigneDiese: return ModeCommentaire::LigneDiese;
        case ReglagesFichier::kTagGedcom: return ModeCommentaire::TagGedcom;
        default: return ModeCommentaire::PremiereLigne;
    }
}

// Les registres de l'import, puis les tableaux de travail de l'index, sont libérés, mais glibc
// garde ce qu'ils occupaient dans le tas de ce thread, que le thread de dérivation (qui a le
// sien) ne réutiliserait pas : c'est rendu au système avant que l'index phonétique et les
// tables dérivées ne s'ajoutent à la base projetée en mémoire.
void rendreTasLibre() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

}  // namespace

int FichierOuvert::anneeHorloge() { return Horloge::duSysteme().annee(); }

FichierOuvert::FichierOuvert(fs::path dossierConfiguration, fs::path dossierTemporaire)
    : dossierConfiguration_(std::move(dossierConfiguration)), dossierTemporaire_(std::move(dossierTemporaire)) {}

FichierOuvert::~FichierOuvert() { fermer(); }

void FichierOuvert::ouvrir(const fs::path& cheminDemande, const OptionsOuverture& options) {
    // Copie d'abord : rouvrir(chemin()) passe notre propre chemin, que fermer() efface.
    const fs::path chemin = cheminDemande;  // NOLINT(performance-unnecessary-copy-initialization)
    fermer();
    verifierChemin(chemin);
    chemin_ = cheminDesReglages(chemin);
    curseurAttente_ = options.curseurAttente;
    try {
        reglages_ = chargerReglagesFichier(dossierConfiguration_, chemin_.string());
        favorisLus_ = reglages_.favoris;
        importer(options);
        appliquerAffichageNoms(base_, options.casseAutomatique);
        // L'index phonétique ne sert qu'aux recherches par le son : il se fait en arrière-plan.
        PreparationPhonetique preparation;
        index_.noms = construireIndexNoms(base_, preparation);
        rendreTasLibre();
        personnesDernierFichier_ = base_.nombreIndividus();
        lancerDerivation(options.anneeCourante != 0 ? options.anneeCourante : anneeHorloge(), std::move(preparation));
        if (options.surveiller) surveiller(options);
    } catch (...) {
        fermer();
        throw;
    }
}

void FichierOuvert::importer(const OptionsOuverture& options) {
    OptionsImport import;
    import.modeCommentaire = modeDe(reglages_.modeCommentaire);
    import.tagCommentaire = reglages_.tagCommentaire;
    import.progression = options.progression;
    import.montrerErreurs = options.montrerErreurs;
    import.apresBalayage = options.apresBalayage;
    import.paysParDefaut = options.paysParDefaut;
    import.dossierTemporaire = dossierTemporaire_;
    ResultatImport r = ImporterGedcom(chemin_, import);
    base_ = std::move(r.base);
    rapport_ = std::move(r.rapport);
    nombreErreurs_ = r.nombreErreurs;
    sources_ = std::move(r.fichiers);
    sourcesGedcom_ = SourcesGedcom(sources_, modifie_);
    rendreTasLibre();
}

void FichierOuvert::lancerDerivation(int anneeCourante, PreparationPhonetique preparation) {
    pretes_.store(false, std::memory_order_release);
    phonetiquePret_.store(false, std::memory_order_release);
    arreterDerivation_.store(false, std::memory_order_relaxed);
    erreurDerivation_ = nullptr;
    erreurPhonetique_ = nullptr;
    preparation_ = std::move(preparation);
    // Les tables d'abord : presque tous les documents les attendent, seules les recherches par
    // le son attendent l'index phonétique. Il se construit ensuite dans la mémoire que les
    // tableaux de travail de l'estimation viennent de rendre : la pointe de mémoire est moindre.
    auto calculer = [this, anneeCourante] {
        try {
            tables_ = calculerTablesDerivees(base_, anneeCourante, &arreterDerivation_);
        } catch (...) {
            erreurDerivation_ = std::current_exception();
        }
        pretes_.store(true, std::memory_order_release);
        pretes_.notify_all();
        try {
            // Fichier refermé : personne ne le lira.
            if (!arreterDerivation_.load(std::memory_order_relaxed))
                index_.phonetique = construireIndexPhonetique(preparation_);
        } catch (...) {
            erreurPhonetique_ = std::current_exception();
        }
        preparation_ = PreparationPhonetique();
        phonetiquePret_.store(true, std::memory_order_release);
        phonetiquePret_.notify_all();
    };
    try {
        derivation_ = std::thread(calculer);
    } catch (const std::system_error&) {
        // Pas de thread : le calcul se fait ici, sous le curseur d'attente.
        if (curseurAttente_) curseurAttente_(true);
        calculer();
        if (curseurAttente_) curseurAttente_(false);
    }
}

void FichierOuvert::attendreDerivation() noexcept {
    if (!derivation_.joinable()) return;
    bool attente = !phonetiquePret_.load(std::memory_order_acquire) && curseurAttente_;
    if (attente) curseurAttente_(true);
    derivation_.join();
    if (attente) curseurAttente_(false);
}

const IndexPhonetique& FichierOuvert::indexPhonetique() const {
    if (!ouvert()) return index_.phonetique;
    if (!phonetiquePret_.load(std::memory_order_acquire)) {
        if (curseurAttente_) curseurAttente_(true);
        phonetiquePret_.wait(false, std::memory_order_acquire);
        if (curseurAttente_) curseurAttente_(false);
    }
    if (erreurPhonetique_) std::rethrow_exception(erreurPhonetique_);
    return index_.phonetique;
}

const TablesDerivees& FichierOuvert::attendreTablesDerivees() {
    if (!ouvert()) throw OperationImpossible();
    // Le drapeau et non la fin du thread, qui construit encore l'index phonétique.
    if (!pretes_.load(std::memory_order_acquire)) {
        if (curseurAttente_) curseurAttente_(true);
        pretes_.wait(false, std::memory_order_acquire);
        if (curseurAttente_) curseurAttente_(false);
    }
    if (erreurDerivation_) std::rethrow_exception(erreurDerivation_);
    return tables_;
}

void FichierOuvert::surveiller(const OptionsOuverture& options) {
    std::vector<fs::path> chemins;
    for (const FichierImporte& f : sources_) chemins.push_back(f.chemin);
    std::shared_ptr<std::atomic<bool>> modifie = modifie_;
    std::function<void()> prevenir = options.fichierModifie;
    surveillance_ = std::make_unique<SurveillanceGedcom>(std::move(chemins), [modifie, prevenir] {
        modifie->store(true, std::memory_order_release);
        if (prevenir) prevenir();
    });
}

void FichierOuvert::afficherNoms(bool casseAutomatique) {
    if (ouvert()) appliquerAffichageNoms(base_, casseAutomatique);
}

std::string FichierOuvert::cheminDesReglages(const fs::path& chemin) {
    std::error_code ec;
    fs::path absolu = fs::absolute(chemin, ec);
    return (ec ? chemin : absolu.lexically_normal()).string();
}

void FichierOuvert::enregistrerReglages() {
    if (!ouvert()) throw OperationImpossible();
    const ReglagesFichier ici = reglages_;
    reglages_ = modifierReglagesFichier(dossierConfiguration_, chemin_.string(), [&](ReglagesFichier& r) {
        r.modeCommentaire = ici.modeCommentaire;
        r.tagCommentaire = ici.tagCommentaire;
        r.moi = ici.moi;
        r.favoris = fusionnerFavoris(favorisLus_, ici.favoris, r.favoris);
    });
    favorisLus_ = reglages_.favoris;
}

void FichierOuvert::relireFavoris() {
    if (!ouvert()) return;
    reglages_.favoris = chargerReglagesFichier(dossierConfiguration_, chemin_.string()).favoris;
    favorisLus_ = reglages_.favoris;
}

const IndexNomsLarges& FichierOuvert::indexNomsLarges() const {
    if (!nomsLarges_) nomsLarges_ = std::make_unique<IndexNomsLarges>(base_, index_.noms);
    return *nomsLarges_;
}

void FichierOuvert::fermer() noexcept {
    surveillance_.reset();
    // La dérivation lit la base : on l'arrête et on l'attend avant de fermer et d'effacer le
    // fichier. Une commande qui n'a pas lu les tables n'attend ainsi pas leur calcul entier.
    arreterDerivation_.store(true, std::memory_order_relaxed);
    attendreDerivation();
    base_.fermer();
    base_ = BaseGenealogique();
    index_ = IndexDesNoms();
    preparation_ = PreparationPhonetique();
    nomsLarges_.reset();
    tables_ = TablesDerivees();
    erreurDerivation_ = nullptr;
    erreurPhonetique_ = nullptr;
    pretes_.store(false, std::memory_order_release);
    phonetiquePret_.store(false, std::memory_order_release);
    reglages_ = ReglagesFichier();
    favorisLus_.clear();
    rapport_.clear();
    nombreErreurs_ = 0;
    sources_.clear();
    sourcesGedcom_ = SourcesGedcom();
    chemin_.clear();
    modifie_->store(false, std::memory_order_release);
}

}  // namespace lignara
