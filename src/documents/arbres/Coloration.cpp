#include "documents/arbres/Coloration.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>
#include <unordered_map>

#include "commun/Texte.h"
#include "documents/arbres/RegionsColoration.h"
#include "gedcom/LieuTables.h"
#include "render/EtatTrace.h"
#include "commun/MetriquePolice.h"
#include "render/SurfacePdf.h"
#include "render/html/PageWeb.h"
#include "reference/Categories.h"
#include "reference/CategorieTexte.h"

namespace lignara {

namespace {

constexpr int kCasesGenerales = 23;
constexpr int kCasesBranches = 5;
constexpr int kCasesBranchesDescendantes = 18;
// Une catégorie de numéro 23 ou plus n'a pas de case.
constexpr int kCategoriesColorees = 23;

constexpr CouleurRvb rvb(std::uint32_t hexa) {
    return {static_cast<std::uint8_t>(hexa >> 16), static_cast<std::uint8_t>(hexa >> 8),
            static_cast<std::uint8_t>(hexa)};
}

// Les palettes ont une couleur de plus que de cases : le noir final n'est jamais donné, il
// cacherait le texte de la boîte.
constexpr std::array<CouleurRvb, 24> kPaletteGenerale{
    rvb(0xf09600), rvb(0xf0f000), rvb(0x32d232), rvb(0x9b9bfa), rvb(0xd72dd7), rvb(0x4646ff),
    rvb(0x008200), rvb(0x78dcf0), rvb(0xffc800), rvb(0xd2d2d2), rvb(0xff0000), rvb(0x9b6432),
    rvb(0x696969), rvb(0xff96ff), rvb(0x9bff64), rvb(0x009bff), rvb(0x007878), rvb(0x6ebe9b),
    rvb(0xc89b64), rvb(0x9100ff), rvb(0xff0082), rvb(0xbe0000), rvb(0x828282), rvb(0x000000)};
constexpr std::array<CouleurRvb, 24> kPaletteApparitions{
    rvb(0xb9b9ff), rvb(0x7878ff), rvb(0x4646ff), rvb(0x9debf3), rvb(0x18b4c4), rvb(0x107782),
    rvb(0x87ed91), rvb(0x1cb82b), rvb(0x11711a), rvb(0xfbffad), rvb(0xced800), rvb(0x7c8200),
    rvb(0xffc175), rvb(0xe07b00), rvb(0x9c5500), rvb(0xff9d9d), rvb(0xff3737), rvb(0xb00000),
    rvb(0xfda5ff), rvb(0xe146e1), rvb(0x98009c), rvb(0xb2b2b2), rvb(0x696969), rvb(0x000000)};
constexpr std::array<CouleurRvb, 5> kPaletteBranches{rvb(0xffffff), rvb(0xb9b9ff), rvb(0x5a5aff), rvb(0xff9d9d),
                                                     rvb(0xe61919)};
constexpr std::array<CouleurRvb, 18> kPaletteBranchesDescendantes{
    rvb(0xf09600), rvb(0x9b9bfa), rvb(0x32d232), rvb(0xd72dd7), rvb(0xf0f000), rvb(0x78dcf0),
    rvb(0xd2d2d2), rvb(0x008200), rvb(0xff0000), rvb(0x9b6432), rvb(0x6ebe9b), rvb(0xff96ff),
    rvb(0x828282), rvb(0x9bff64), rvb(0x009bff), rvb(0xff1482), rvb(0x007878), rvb(0xc89b64)};

// Pays aux cases réservées d'avance : leurs couleurs (bleu de la France, rouge de la Suisse…)
// ne dépendent pas de l'ordre de rencontre.
struct PaysReserve {
    CodePays pays;
    int c;
};
constexpr std::array<PaysReserve, 4> kPaysReserves{
    {{CodePays("FR"), 15}, {CodePays("CH"), 10}, {CodePays("BE"), 17}, {CodePays("LU"), 9}}};

constexpr std::int64_t kLibre = -1;

std::int64_t valeurPays(CodePays p) {
    return (std::int64_t{static_cast<std::uint8_t>(p.octets[0])} << 8) | static_cast<std::uint8_t>(p.octets[1]);
}

CodePays paysDeValeur(std::int64_t v) { return CodePays(static_cast<char>(v >> 8), static_cast<char>(v & 0xff)); }

bool estCritereRegions(std::uint8_t critere) { return critere >= 1 && critere <= 4; }
bool estCritereBrancheGeneration(std::uint8_t critere) { return critere >= 9 && critere <= 13; }

std::span<const CouleurRvb> palette(std::uint8_t critere) {
    if (critere == ColorationApparitions) return kPaletteApparitions;
    if (estCritereBrancheGeneration(critere)) return kPaletteBranches;
    if (critere == ColorationBrancheDescendante || critere == ColorationBrancheCousine)
        return kPaletteBranchesDescendantes;
    return kPaletteGenerale;
}

constexpr std::array<std::uint8_t, 13> kListeAscendantIndividuel{0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13};
constexpr std::array<std::uint8_t, 13> kListeAscendantFamilial{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
constexpr std::array<std::uint8_t, 10> kListeDescendant{0, 1, 2, 3, 4, 5, 6, 7, 8, 14};
constexpr std::array<std::uint8_t, 9> kListeMixte{0, 1, 2, 3, 4, 5, 6, 7, 8};
constexpr std::array<std::uint8_t, 9> kListeCousins{0, 1, 2, 3, 4, 5, 6, 7, 15};

// Premier lieu connu : naissance, mariages dans l'ordre des familles, décès.
std::string premierLieu(const BaseGenealogique& base, const Individu& ind) {
    const auto lieuDe = [&](std::uint32_t evenement) -> std::string {
        if (evenement == 0) return {};
        const Evenement e = base.LireEvenement(evenement);
        return e.lieu == 0 ? std::string() : base.LireTexte(TableLieux, e.lieu);
    };
    if (auto l = lieuDe(ind.naissance); l.size() >= 3) return l;
    // Le compte borne le parcours d'une chaîne de familles abîmée qui reboucle.
    std::uint32_t f = ind.premiereFamille;
    for (std::uint32_t n = 0; f > 0 && n < base.nombreFamilles(); ++n) {
        const Famille fam = base.LireFamille(f);
        if (auto l = lieuDe(fam.mariage); l.size() >= 3) return l;
        f = fam.suivante > 0 ? static_cast<std::uint32_t>(fam.suivante) : 0;
    }
    if (auto l = lieuDe(ind.deces); l.size() >= 3) return l;
    return {};
}

// Première source : celle de la fiche de la personne, puis de la naissance, puis des autres
// événements (décès, mariages et divorces dans l'ordre des familles).
std::uint32_t premiereSource(const BaseGenealogique& base, const Individu& ind) {
    for (std::uint32_t s : {ind.sourceNom, ind.sourceProfession, ind.sourceCommentaire})
        if (s != 0) return s;
    const auto sourceDe = [&](std::uint32_t evenement) -> std::uint32_t {
        if (evenement == 0) return 0;
        const Evenement e = base.LireEvenement(evenement);
        return e.source != 0 ? e.source : e.sourceLieu;
    };
    if (auto s = sourceDe(ind.naissance)) return s;
    if (auto s = sourceDe(ind.deces)) return s;
    std::uint32_t f = ind.premiereFamille;
    for (std::uint32_t n = 0; f > 0 && n < base.nombreFamilles(); ++n) {
        const Famille fam = base.LireFamille(f);
        if (auto s = sourceDe(fam.mariage)) return s;
        if (fam.divorce > 0)
            if (auto s = sourceDe(static_cast<std::uint32_t>(fam.divorce))) return s;
        f = fam.suivante > 0 ? static_cast<std::uint32_t>(fam.suivante) : 0;
    }
    return 0;
}

// Légende : une ligne blanche au-dessus et au-dessous des lignes ; sur chaque ligne, la pastille
// (90 de marge, 270 de large) puis le libellé 90 plus loin, et 90 de marge à droite.
constexpr std::int32_t kLigne = 176;
constexpr std::int32_t kMarge = 90;
constexpr std::int32_t kPastille = 270;
constexpr std::int32_t kDebutLibelle = kMarge + kPastille + kMarge;
constexpr std::int32_t kLargeurHorsLibelle = kDebutLibelle + kMarge;  // 540
constexpr std::int32_t kBasPastille = 16;
constexpr std::int32_t kHautPastille = 160;
constexpr std::int32_t kLigneDeBase = 45;

std::string couleurWeb(CouleurRvb c) {
    char texte[8];
    std::snprintf(texte, sizeof texte, "#%02x%02x%02x", c.rouge, c.vert, c.bleu);
    return texte;
}

// Clé de tri des libellés : lettres sans accents, comme les catégories les comparent.
std::string cleTri(const std::string& libelle) { return normaliserMotCle(libelle); }

}  // namespace

struct Coloration::Donnees {
    std::optional<CategorieAutomate> categories;
    std::unordered_map<std::uint32_t, std::uint32_t> apparitions;
    // La dernière case a reçu plusieurs valeurs : sa légende dit « Autres ».
    bool derniereCasePartagee = false;
};

bool critereColorationValide(std::uint8_t code) { return code <= ColorationBrancheCousine; }

CouleurRvb couleurCategorie(int categorie) {
    if (categorie < 0 || categorie >= kCategoriesColorees) return kSansCouleur;
    return kPaletteGenerale[static_cast<std::size_t>(categorie)];
}

std::string libelleCritereColoration(std::uint8_t code) {
    static const std::array<const char*, 16> kLibelles{"Pays",
                                                       "France (depuis 2016)",
                                                       "France (1970 à 2015)"_1252,
                                                       "Belgique",
                                                       "Canada",
                                                       "Suisse",
                                                       "Profession",
                                                       "Source",
                                                       "Nb d'apparitions",
                                                       "Branche (génération 1)"_1252,
                                                       "Branche (génération 2)"_1252,
                                                       "Branche (génération 3)"_1252,
                                                       "Branche (génération 4)"_1252,
                                                       "Branche (génération 5)"_1252,
                                                       "Branche descendante",
                                                       "Branche cousine"};
    return critereColorationValide(code) ? kLibelles[code] : std::string();
}

int nombreCasesColoration(std::uint8_t code) {
    if (!critereColorationValide(code)) return 0;
    if (estCritereBrancheGeneration(code)) return kCasesBranches;
    if (code == ColorationBrancheDescendante || code == ColorationBrancheCousine) return kCasesBranchesDescendantes;
    return kCasesGenerales;
}

std::span<const std::uint8_t> criteresProposes(SorteArbreChromatique sorte) {
    switch (sorte) {
        case SorteArbreChromatique::AscendantIndividuel: return kListeAscendantIndividuel;
        case SorteArbreChromatique::AscendantFamilial: return kListeAscendantFamilial;
        case SorteArbreChromatique::Descendant: return kListeDescendant;
        case SorteArbreChromatique::Mixte: return kListeMixte;
        case SorteArbreChromatique::Cousins: return kListeCousins;
    }
    return {};
}

int rangCritere(SorteArbreChromatique sorte, std::uint8_t code) {
    const auto liste = criteresProposes(sorte);
    const auto it = std::find(liste.begin(), liste.end(), code);
    return it == liste.end() ? -1 : static_cast<int>(it - liste.begin());
}

std::uint8_t critereDuRang(SorteArbreChromatique sorte, int rang) {
    const auto liste = criteresProposes(sorte);
    if (rang < 0 || static_cast<std::size_t>(rang) >= liste.size()) return ColorationAucune;
    return liste[static_cast<std::size_t>(rang)];
}

std::vector<ChoixParametre> choixCriteres(SorteArbreChromatique sorte) {
    std::vector<ChoixParametre> choix;
    for (std::uint8_t code : criteresProposes(sorte)) choix.push_back({libelleCritereColoration(code), code});
    return choix;
}

// --- Fabrication ------------------------------------------------------------------------------

Coloration Coloration::fabriquer(std::uint8_t critere, const BaseGenealogique& base, std::uint32_t racine) {
    const std::uint32_t racines[] = {racine};
    return fabriquer(critere, base, racines);
}

// Une personne présente dans les deux ascendances d'un couple (cousins mariés) y paraît autant
// de fois en tout : les comptes de chaque racine s'additionnent.
Coloration Coloration::fabriquer(std::uint8_t critere, const BaseGenealogique& base,
                                 std::span<const std::uint32_t> racines) {
    if (critere == ColorationProfession)
        return Coloration(critere, base, Categories::charger(Categories::kProfessions));
    if (critere == ColorationSource) return Coloration(critere, base, Categories::charger(Categories::kSources));
    if (critere == ColorationApparitions) {
        std::unordered_map<std::uint32_t, std::uint64_t> total;
        for (std::uint32_t racine : racines) {
            ParametresGrapheParente p;
            p.options = GrapheApparitions;
            p.racine = racine;
            for (const ApparitionAscendant& a : construireGrapheParente(base, p).apparitions)
                total[a.personne] += a.nombre;
        }
        std::vector<ApparitionAscendant> apparitions;
        apparitions.reserve(total.size());
        for (const auto& [personne, nombre] : total)
            apparitions.push_back({personne, static_cast<std::uint32_t>(std::min<std::uint64_t>(nombre, 0xFFFFFFFFu))});
        std::sort(apparitions.begin(), apparitions.end(),
                  [](const ApparitionAscendant& a, const ApparitionAscendant& b) { return a.personne < b.personne; });
        return Coloration(base, apparitions);
    }
    return Coloration(critere, base);
}

Coloration::Coloration(std::uint8_t critere, const BaseGenealogique& base)
    : base_(&base), donnees_(std::make_unique<Donnees>()) {
    if (critere == ColorationProfession || critere == ColorationSource || critere == ColorationApparitions)
        throw std::invalid_argument("coloration : ce critère demande ses catégories ou ses apparitions");
    preparer(critere);
}

Coloration::Coloration(std::uint8_t critere, const BaseGenealogique& base, CategorieAutomate categories)
    : base_(&base), donnees_(std::make_unique<Donnees>()) {
    if (critere != ColorationProfession && critere != ColorationSource)
        throw std::invalid_argument("coloration : catégories pour un critère qui n'en a pas");
    donnees_->categories = std::move(categories);
    preparer(critere);
}

Coloration::Coloration(const BaseGenealogique& base, std::span<const ApparitionAscendant> apparitions)
    : base_(&base), donnees_(std::make_unique<Donnees>()) {
    preparer(ColorationApparitions);
    std::vector<std::uint32_t> nombres;
    for (const auto& a : apparitions) {
        donnees_->apparitions[a.personne] = a.nombre;
        if (a.nombre > 1) nombres.push_back(a.nombre);
    }
    // Les cases vont d'avance aux nombres distincts, croissants ; au-delà, la dernière ramasse.
    std::sort(nombres.begin(), nombres.end());
    nombres.erase(std::unique(nombres.begin(), nombres.end()), nombres.end());
    for (std::size_t c = 0; c < nombres.size() && c < valeurs_.size(); ++c) valeurs_[c] = nombres[c];
}

Coloration::Coloration(Coloration&&) noexcept = default;
Coloration& Coloration::operator=(Coloration&&) noexcept = default;
Coloration::~Coloration() = default;

void Coloration::preparer(std::uint8_t critere) {
    if (!critereColorationValide(critere)) throw std::invalid_argument("coloration : critère inconnu");
    critere_ = critere;
    const int cases = nombreCasesColoration(critere);
    valeurs_.assign(static_cast<std::size_t>(cases), kLibre);
    employees_.assign(static_cast<std::size_t>(cases), false);
    if (critere == ColorationPays)
        for (const auto& r : kPaysReserves) valeurs_[static_cast<std::size_t>(r.c)] = valeurPays(r.pays);
}

// --- Choix de la case -------------------------------------------------------------------------

std::optional<std::int64_t> Coloration::valeurDe(std::uint32_t personne, std::int32_t branche) {
    if (critere_ >= ColorationBranche1) {
        if (branche < 0) return std::nullopt;
        return branche;
    }
    const Individu ind = base_->LireIndividu(personne);
    if (critere_ <= ColorationSuisse) {
        const std::string lieu = premierLieu(*base_, ind);
        if (lieu.size() < 3) return std::nullopt;
        const CodePays pays(lieu[0], lieu[1]);
        if (!pays.connu()) return std::nullopt;
        if (critere_ == ColorationPays) return valeurPays(pays);
        const auto subdivision = static_cast<std::uint8_t>(lieu[2]);
        const CodePays attendu = critere_ == ColorationSuisse ? CodePays("CH") : paysRegionsColoration(critere_);
        if (pays != attendu || subdivision == ' ') return std::nullopt;
        return subdivision;
    }
    if (critere_ == ColorationApparitions) {
        const auto it = donnees_->apparitions.find(personne);
        const std::uint32_t nombre = it == donnees_->apparitions.end() ? 1 : it->second;
        if (nombre <= 1) return std::nullopt;
        return nombre;
    }
    // Professions et sources.
    const std::uint32_t ref = critere_ == ColorationProfession ? ind.profession : premiereSource(*base_, ind);
    if (ref == 0 || !donnees_->categories) return std::nullopt;
    const std::string texte = base_->LireTexte(critere_ == ColorationProfession ? TableProfessions : TableSources, ref);
    auto& automate = *donnees_->categories;
    automate.commencer(texte);
    for (std::uint8_t c = automate.Match(); c != CategorieAutomate::kAucune; c = automate.Match())
        if (c < kCategoriesColorees) return c;
    return std::nullopt;
}

int Coloration::caseDeValeur(std::int64_t valeur) const {
    const int derniere = nombreCases() - 1;
    for (int c = 0; c <= derniere; ++c)
        if (valeurs_[static_cast<std::size_t>(c)] == valeur) return c;
    for (int c = 0; c < derniere; ++c)
        if (valeurs_[static_cast<std::size_t>(c)] == kLibre) return c;
    return derniere;
}

int Coloration::caseDe(std::uint32_t personne, std::int32_t branche) {
    const auto valeur = valeurDe(personne, branche);
    if (!valeur) return -1;
    // La case est la valeur même : couleur de branche fixée par l'arbre.
    if (estCritereBrancheGeneration(critere_) || critere_ == ColorationBrancheCousine)
        return *valeur < nombreCases() ? static_cast<int>(*valeur) : -1;
    if (estCritereRegions(critere_)) {
        const int c = caseRegionColoration(critere_, static_cast<std::uint8_t>(*valeur));
        if (c >= 0) return c;
        // « Autres » a la dernière case, sauf quand la table les prend toutes.
        return nombreRegionsColoration(critere_) < nombreCases() ? nombreCases() - 1 : -1;
    }
    if (critere_ == ColorationApparitions) {
        // Tous les nombres sont placés d'avance : un nombre sans case dépasse celui de la dernière.
        for (int c = 0; c < nombreCases(); ++c)
            if (valeurs_[static_cast<std::size_t>(c)] == *valeur) return c;
        return nombreCases() - 1;
    }
    const int c = caseDeValeur(*valeur);
    auto& tenue = valeurs_[static_cast<std::size_t>(c)];
    if (tenue == kLibre)
        tenue = *valeur;
    else if (tenue != *valeur)
        donnees_->derniereCasePartagee = true;
    return c;
}

CouleurRvb Coloration::colorer(std::uint32_t personne, std::int32_t branche) {
    const int c = caseDe(personne, branche);
    if (c < 0) return kSansCouleur;
    employees_[static_cast<std::size_t>(c)] = true;
    return couleurCase(c);
}

CouleurRvb Coloration::couleurCase(int c) const {
    if (c < 0 || c >= nombreCases()) return kSansCouleur;
    return palette(critere_)[static_cast<std::size_t>(c)];
}

bool Coloration::caseEmployee(int c) const {
    return c >= 0 && c < nombreCases() && employees_[static_cast<std::size_t>(c)];
}

// --- Légende ----------------------------------------------------------------------------------

std::string Coloration::libelleCase(int c) const {
    const bool derniere = c == nombreCases() - 1;
    const std::int64_t valeur = valeurs_[static_cast<std::size_t>(c)];
    if (critere_ == ColorationApparitions) {
        char texte[40];
        std::snprintf(texte, sizeof texte, derniere ? "%lld fois ou plus" : "%lld fois",
                      static_cast<long long>(valeur));
        return texte;
    }
    if (estCritereRegions(critere_)) {
        if (c < nombreRegionsColoration(critere_)) return nomRegionColoration(critere_, c);
        return "Autres";
    }
    if (derniere && donnees_->derniereCasePartagee) return "Autres";
    if (critere_ == ColorationPays) {
        const CodePays pays = paysDeValeur(valeur);
        const auto nom = nomPays(pays);
        return nom.empty() ? std::string(pays.vue()) : std::string(nom);
    }
    if (critere_ == ColorationSuisse) {
        const auto nom = nomSubdivision(CodePays("CH"), static_cast<std::uint8_t>(valeur));
        return nom.empty() ? std::string("Autres") : std::string(nom);
    }
    const auto& noms = donnees_->categories->noms();
    return valeur >= 0 && static_cast<std::size_t>(valeur) < noms.size() ? noms[static_cast<std::size_t>(valeur)]
                                                                         : std::string();
}

std::vector<LigneLegende> Coloration::legende() const {
    std::vector<LigneLegende> lignes;
    if (critere_ >= ColorationBranche1) return lignes;
    for (int c = 0; c < nombreCases(); ++c)
        if (caseEmployee(c)) lignes.push_back({couleurCase(c), libelleCase(c)});
    if (critere_ != ColorationApparitions)
        std::stable_sort(lignes.begin(), lignes.end(), [](const LigneLegende& a, const LigneLegende& b) {
            const auto ca = cleTri(a.libelle), cb = cleTri(b.libelle);
            return ca != cb ? ca < cb : a.libelle < b.libelle;
        });
    return lignes;
}

std::int32_t Coloration::largeurLegende(const MetriquePolice& police) const {
    const auto lignes = legende();
    if (lignes.empty()) return 0;
    std::int32_t plusLarge = 0;
    for (const auto& l : lignes) plusLarge = std::max(plusLarge, largeurTexte(police, l.libelle));
    return plusLarge + kLargeurHorsLibelle;
}

std::int32_t Coloration::hauteurLegende() const {
    const auto n = static_cast<std::int32_t>(legende().size());
    return n == 0 ? 0 : (n + 2) * kLigne;
}

void Coloration::dessinerLegende(SurfacePdf& surface, std::int32_t x, std::int32_t y) const {
    const auto lignes = legende();
    const auto& police = surface.polices().reguliere;
    EtatTrace& etat = surface.etat();
    const std::uint32_t remplissage = etat.couleurRemplissage;
    for (std::size_t k = 0; k < lignes.size(); ++k) {
        const std::int32_t bas = y - kLigne * static_cast<std::int32_t>(k + 2);
        etat.couleurRemplissage = lignes[k].couleur.enBgr();
        surface.rectangle(x + kMarge, bas + kBasPastille, x + kMarge + kPastille, bas + kHautPastille, 1);
        surface.rectangle(x + kMarge, bas + kBasPastille, x + kMarge + kPastille, bas + kHautPastille, 0);
        surface.texte(x + kDebutLibelle, bas + kLigneDeBase, largeurTexte(police, lignes[k].libelle), kLigne,
                      lignes[k].libelle);
    }
    etat.couleurRemplissage = remplissage;
}

void Coloration::ecrireLegende(PageWeb& page, std::int32_t x, std::int32_t y) const {
    const auto lignes = legende();
    for (std::size_t k = 0; k < lignes.size(); ++k) {
        const std::int32_t bas = y - kLigne * static_cast<std::int32_t>(k + 2);
        const std::int64_t haut = page.pixelY(bas + kHautPastille);
        const std::int64_t hauteur = PageWeb::hauteurPixels(kHautPastille - kBasPastille);
        page.ecrireBalises("<div style=\"position:absolute;top:" + std::to_string(haut) +
                           "px;left:" + std::to_string(page.pixelX(x + kMarge)) + "px;width:" +
                           std::to_string(PageWeb::largeurPixels(kPastille)) + "px;height:" + std::to_string(hauteur) +
                           "px;font-size:1px;border:1px solid " + page.couleurs().trait +
                           ";background-color:" + couleurWeb(lignes[k].couleur) + ";\"></div>\n");
        page.texte(x + kDebutLibelle, bas + kLigneDeBase, lignes[k].libelle);
    }
}

}  // namespace lignara
