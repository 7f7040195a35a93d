#include "documents/arbres/ArbreMixte.h"

#include <algorithm>
#include <limits>

#include "database/Parente.h"
#include "documents/ChoixConjoint.h"
#include "documents/arbres/ArbreDescFamilial.h"
#include "documents/arbres/ArbreDescIndividuel.h"
#include "documents/arbres/ConstructionAscendante.h"
#include "documents/arbres/PlacementArbre.h"
#include "documents/arbres/PlacementDescendant.h"
#include "documents/arbres/TextesBoites.h"
#include "documents/arbres/ThemesArbre.h"
#include "documents/arbres/TraceAscendant.h"
#include "images/TaillePhoto.h"
#include "reference/ChronologieTrace.h"
#include "render/SurfacePdf.h"
#include "render/html/PageWeb.h"
#include "render/html/RedacteurBlocsWeb.h"
#include "documents/arbres/TraceDescendantWeb.h"

namespace lignara {

namespace {

constexpr SorteArbreChromatique kSorte = SorteArbreChromatique::Mixte;
constexpr std::int32_t kMargeSignature = 90;
constexpr std::int32_t kHauteurSignature = 528;

// Toutes les boîtes de la moitié haute, le couple invisible d'un arbre familial compris.
std::vector<NoeudAscendant*> boitesHautes(const ArbreDeBoites& arbre) {
    std::vector<NoeudAscendant*> v = arbre.boites();
    if (arbre.racine && arbre.racine->invisible) v.push_back(arbre.racine);
    return v;
}

}  // namespace

ArbreMixte::ArbreMixte(const Afficheur& type) : Arbre(type) {}
ArbreMixte::~ArbreMixte() = default;

bool ArbreMixte::verifierParametres(const ContexteDocument& contexte) {
    if (racine() == 0) return false;
    return !familial() || verifierCouple(contexte);
}

// Comme l'arbre ascendant familial ; la moitié basse veut de plus la fiche de la chaîne du mari.
bool ArbreMixte::verifierCouple(const ContexteDocument& contexte) {
    const BaseGenealogique& base = *contexte.base;
    const auto r = static_cast<std::uint32_t>(racine());
    const std::optional<ConjointPossible> couple = familleDuCoupleChoisi(contexte, r, personne(kConjoint));
    if (!couple) return false;
    const std::uint32_t c = couple->conjoint;
    const bool racineEstLeMari = base.LireIndividu(r).sexe == 'M' || base.LireIndividu(c).sexe != 'M';
    mari_ = racineEstLeMari ? r : c;
    femme_ = racineEstLeMari ? c : r;
    mariageCouple_ = base.LireFamille(couple->famille).mariage;
    const std::optional<FamilleConjoint> chezLeMari = FamilleDuCouple(base, mari_, femme_);
    ficheMari_ = chezLeMari ? chezLeMari->fiche : couple->famille;
    return true;
}

void ArbreMixte::preparer(const ContexteDocument& contexte) {
    preparerStyle(contexte);
    suivreFormatDesParametres();
    std::vector<std::uint32_t> racines{static_cast<std::uint32_t>(racine())};
    if (familial()) racines = {mari_, femme_};
    preparerChronologie(contexte, racines);
    preparerColoration(contexte, kCritereColoration<kSorte>, kSorte, racines);
    if (!octet(kDescendantsContemporains)) statutsVitaux_ = tablesDerivees(contexte).statutsVitaux;
    construireAscendants(contexte);
    construireDescendants(contexte);
    joindre();
    installerChronologie(contexte);
    fixerDimensions();
}

namespace {

ReglesTextes reglesTextes(const ContexteDocument& contexte, std::uint8_t donnees, bool web, int etirement,
                          const PolicesDocument& polices) {
    ReglesTextes t;
    t.donnees = donnees;
    t.facteurPhoto = web ? 119 : 10000 / etirement;
    t.police = &polices.reguliere;
    t.taillePhoto = [&contexte](const std::string& photo) { return taillePhoto(photo, contexte.messages); };
    t.dossiersGedcom = contexte.dossiersGedcom;
    return t;
}

}  // namespace

void ArbreMixte::construireAscendants(const ContexteDocument& contexte) {
    const BaseGenealogique& base = *contexte.base;
    ReglesConstruction r;
    r.base = &base;
    r.donnees = preferences_.donneesArbreAscendant;
    r.parCouple = true;
    r.critere = coloration_ ? octet(kCritereColoration<kSorte>) : std::uint8_t{ColorationAucune};
    r.coupes = ensemble(kCoupesArbre);
    r.limiteGenerations = octet(kLimiteGenerations);
    r.doublesBranches = preferences_.doublesBranchesAscendantes;
    r.anneesEstimees = chronologique_ ? &anneesEstimees_ : nullptr;
    if (coloration_)
        r.colorer = [this](const NoeudAscendant& n, std::uint8_t) {
            const CouleurRvb c = coloration_->colorer(n.personne);
            return CouleurBoite{c.rouge, c.vert, c.bleu};
        };
    ConstructionAscendante construction(r, ascendants_);
    if (familial())
        construction.familial(mari_, femme_, mariageCouple_);
    else
        construction.individuel(static_cast<std::uint32_t>(racine()));
    if (coloration_ && octet(kSuppressionNonColorees)) construction.elaguer();
    anneeReference_ = construction.anneeReference();
    ascendants_.dessinees = EnsemblePersonnes();
    preparerTextes(ascendants_, base,
                   reglesTextes(contexte, r.donnees, format == FormatSortie::Web, etirement(), polices));
    placerArbre(ascendants_, {true, chronologique_, espaceMinimal()});
}

void ArbreMixte::construireDescendants(const ContexteDocument& contexte) {
    const BaseGenealogique& base = *contexte.base;
    ReglesDescendance& r = regles_;
    r.base = &base;
    r.donnees = preferences_.donneesArbreDescendant;
    r.agnatique = false;
    r.contemporains = octet(kDescendantsContemporains) != 0;
    r.statutsVitaux = r.contemporains ? nullptr : &statutsVitaux_;
    r.anneesEstimees = chronologique_ ? &anneesEstimees_ : nullptr;
    r.anneeCourante = horloge.annee();
    r.coupes = ensemble(kCoupesArbre);
    r.limiteGenerations = octet(kLimiteGenerations);
    r.doublesBranches = preferences_.doublesBranchesDescendantes;
    // Le plafond des boîtes vaut pour le dessin entier, la moitié haute comprise.
    const std::size_t hautes = ascendants_.nombreBoites();
    r.boitesMax = r.boitesMax > hautes ? r.boitesMax - hautes : 0;
    if (chronologique_) {
        // L'année de la racine (du plus âgé du couple) en haut : un conjoint plus âgé ne monte
        // pas dans la moitié haute.
        int haut = std::numeric_limits<int>::max();
        for (const NoeudAscendant* n : racinesAscendantes()) haut = std::min<int>(haut, n->annee);
        if (haut != std::numeric_limits<int>::max()) r.anneeHautImposee = haut;
    }
    if (coloration_)
        r.colorer = [this](const NoeudDescendant& n) {
            const CouleurRvb c = coloration_->colorer(n.personne);
            return CouleurBoite{c.rouge, c.vert, c.bleu};
        };
    if (familial())
        descendants_ = std::make_unique<ArbreDescFamilial>(regles_, mari_, femme_, ficheMari_);
    else
        descendants_ = std::make_unique<ArbreDescIndividuel>(regles_, static_cast<std::uint32_t>(racine()));
    descendants_->construire();
    // Rien n'est retiré quand aucun descendant n'est coloré (apparitions parmi les ascendants).
    if (coloration_ && octet(kSuppressionNonColorees)) descendants_->elaguer();
    preparerTextes(descendants_->boites(), base,
                   reglesTextes(contexte, r.donnees, format == FormatSortie::Web, etirement(), polices));
    partagerRacine();
    placerDescendance(descendants_->rangees(), {chronologique_, espaceMinimal()});
    descendants_->mesurer();
}

std::vector<const NoeudAscendant*> ArbreMixte::racinesAscendantes() const {
    const NoeudAscendant* r = ascendants_.racine;
    if (!r) return {};
    if (!r->invisible) return {r};
    std::vector<const NoeudAscendant*> v;
    for (const NoeudAscendant* n : {r->pere, r->mere})
        if (n) v.push_back(n);
    return v;
}

std::vector<const NoeudDescendant*> ArbreMixte::racinesDescendantes() const {
    const NoeudDescendant* r = descendants_ ? descendants_->racine() : nullptr;
    if (!r) return {};
    if (familial() && r->suivant && r->suivant->conjoint) return {r, r->suivant};
    return {r};
}

// La boîte commune est celle de la moitié haute : la moitié basse prend sa largeur, ses lignes
// et, pour le couple, son texte de mariage, pour se placer autour d'elle telle qu'elle sera vue.
void ArbreMixte::partagerRacine() {
    const std::vector<const NoeudAscendant*> hautes = racinesAscendantes();
    racinesBasses_ = racinesDescendantes();
    NoeudDescendant* d = descendants_->rangees().premier(0);
    for (std::size_t i = 0; d && i < std::min(hautes.size(), racinesBasses_.size()); ++i, d = d->suivant)
        static_cast<BoiteArbre&>(*d) = static_cast<const BoiteArbre&>(*hautes[i]);
}

void ArbreMixte::joindre() {
    const std::vector<const NoeudAscendant*> hautes = racinesAscendantes();
    if (hautes.empty() || racinesBasses_.empty()) return;
    const std::vector<NoeudDescendant*> basses = descendants_->rangees().boites();
    const std::int32_t dx = hautes[0]->x - racinesBasses_[0]->x;
    if (dx > 0)
        for (NoeudDescendant* n : basses) n->x += dx;
    else if (dx < 0)
        decalerSousArbre(*ascendants_.racine, -dx);
    hautDescendants_ = descendants_->hauteur();
    const std::int32_t dy = hautDescendants_ - racinesBasses_[0]->position - hautes[0]->y;
    hauteurArbre_ = hautDescendants_;
    for (NoeudAscendant* n : boitesHautes(ascendants_)) {
        n->y += dy;
        n->etendue += dy;
        if (!n->invisible) hauteurArbre_ = std::max(hauteurArbre_, n->etendue);
    }
    for (NoeudDescendant* n : basses) n->y = hautDescendants_ - n->position;
}

// Les années vont du haut du dessin (moitié haute) à son bas (moitié basse), sur l'échelle
// commune : la position 0 de la moitié basse est l'année de son haut.
void ArbreMixte::installerChronologie(const ContexteDocument& contexte) {
    if (!chronologique_) return;
    const int anneeHaut = descendants_->anneeHaut();
    const int u = ArbreDescendant::kUnitesParAnnee;
    const int plusAncienne = anneeHaut - (hauteurArbre_ - hautDescendants_ + u - 1) / u;
    const int plusRecente = anneeHaut + hautDescendants_ / u;
    const int maintenant = horloge.annee();
    if (!chargerChronologie(contexte, maintenant - plusRecente, maintenant - plusAncienne)) return;
    if (ascendants_.racine) decalerSousArbre(*ascendants_.racine, decalageChronologie_);
    for (NoeudDescendant* n : descendants_->rangees().boites()) n->x += decalageChronologie_;
}

void ArbreMixte::fixerDimensions() {
    std::int32_t droite = 0;
    for (const NoeudAscendant* n : ascendants_.boites()) droite = std::max(droite, n->droite());
    for (const NoeudDescendant* n : descendants_->rangees().boites()) droite = std::max(droite, n->droite());
    largeur = droite;
    if (chronologie_) largeur += 90;
    hauteur = hauteurArbre_;
    if (coloration_) {
        hauteur += coloration_->hauteurLegende() + 3;
        largeur = std::max(largeur, coloration_->largeurLegende(polices.reguliere));
    }
    renvoyees_ = famillesRenvoyees(*descendants_);
}

TraceDescendant ArbreMixte::trace() const {
    TraceDescendant t;
    t.style = &style_;
    t.dessinees = &descendants_->famillesDessinees();
    t.renvoyees = &renvoyees_;
    t.haut = hautDescendants_;
    t.dejaDessinees = racinesBasses_;
    return t;
}

void ArbreMixte::ecrire() {
    if (format == FormatSortie::Web)
        ecrireWeb();
    else
        ecrirePdf();
}

namespace {
// Ordonnée de l'année la plus récente de la chronologie, sur l'échelle de la moitié basse.
std::int32_t basChronologie(const Chronologie& c, const ArbreDescendant& d, std::int32_t haut) {
    return haut - (c.derniereAnnee() - d.anneeHaut()) * ArbreDescendant::kUnitesParAnnee;
}
}  // namespace

void ArbreMixte::ecrirePdf() {
    SurfacePdf surface(dessin_, polices, horloge);
    surface.ouvrir(std::filesystem::path(chemin), "Arbre mixte", etirement(), largeur + 2, hauteur + 1);
    if (!coloration_ && themeADegrade(style_.theme))
        style_.degrade = surface.creerDegrade(200, 200, 200, 255, 255, 255, 0);
    if (coloration_) coloration_->dessinerLegende(surface, 0, hauteur);
    if (chronologie_)
        dessinerChronologie(*chronologie_, surface, largeur,
                            basChronologie(*chronologie_, *descendants_, hautDescendants_));
    if (dessin_.signature) dessinerSignature(surface);
    // Le couple d'un arbre familial est joint par la première rangée de la moitié basse.
    const TraceAscendant haut{&style_, true, !familial()};
    for (int g = ascendants_.nombreRangees() - 1; g >= 0; --g) dessinerRangeeAscendante(surface, ascendants_, g, haut);
    const TraceDescendant bas = trace();
    for (int r = 0; r < descendants_->rangees().nombreRangees(); ++r)
        dessinerRangeeDescendante(surface, descendants_->rangees().premier(r), bas);
    surface.fermer();
}

// Comme dans l'arbre ascendant : la plus haute rangée de la moitié haute qui laisse la place à
// gauche de sa première boîte (la moitié basse ne monte pas au-dessus de la racine).
void ArbreMixte::dessinerSignature(SurfacePdf& surface) const {
    const std::int32_t c = decalageChronologie_;
    for (int g = ascendants_.nombreRangees() - 1; g >= 0; --g) {
        const NoeudAscendant* premier = ascendants_.premier(g);
        if (premier && premier->x >= polices.largeurSignature + kMargeSignature + c) {
            surface.signature(c + 45, premier->y - kHauteurSignature);
            return;
        }
    }
}

void ArbreMixte::ecrireWeb() {
    PageWeb page(dessin_);
    page.ouvrirPositionnee(std::filesystem::path(chemin), "Arbre mixte", largeur, hauteur);
    RedacteurBlocsWeb blocs = RedacteurBlocsWeb::pourArbre(page);
    if (chronologie_)
        ecrireChronologieWeb(*chronologie_, blocs, largeur,
                             basChronologie(*chronologie_, *descendants_, hautDescendants_));
    if (coloration_) coloration_->ecrireLegende(page, 0, hauteur);
    EnsemblePersonnes ancrees(descendants_->repetees().nombrePersonnes());
    ecrireAscendantsWeb(blocs, ascendants_, {&style_, true, !familial()}, polices.reguliere, ancrees);
    TraceDescendant bas = trace();
    bas.ancrees = &ancrees;
    ecrireDescendantsWeb(blocs, *descendants_, bas, polices.reguliere);
    page.fermer();
}

}  // namespace lignara
