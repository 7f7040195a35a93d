#include "documents/arbres/ArbreCousins.h"

#include <algorithm>
#include <limits>
#include <map>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/EstimationNaissances.h"
#include "database/Parente.h"
#include "documents/ChoixConjoint.h"
#include "documents/arbres/PlacementDescendant.h"
#include "documents/arbres/TextesBoites.h"
#include "documents/arbres/ThemesArbre.h"
#include "documents/arbres/TraceDescendant.h"
#include "images/TaillePhoto.h"
#include "reference/ChronologieTrace.h"
#include "render/SurfacePdf.h"

namespace lignara {

namespace {

constexpr SorteArbreChromatique kSorte = SorteArbreChromatique::Cousins;
constexpr int kLimiteAscendanceMax = 10;
constexpr int kCouleursBranches = 18;  // « Branche cousine » : 1 à 17 puis 0
constexpr std::int32_t kTranche = 64;  // hauteur des tranches des contours

// Fiche Famille des parents d'un enfant, dans la chaîne du père (ou du seul parent connu) : celle
// dont l'enfant fait partie.
std::uint32_t ficheDesParents(const BaseGenealogique& base, std::uint32_t enfant, std::uint32_t pere,
                              std::uint32_t mere) {
    const std::uint32_t tete = pere ? pere : mere;
    std::uint32_t premiere = 0;
    for (const FamilleConjoint& f : Conjoints(base, tete)) {
        if (f.conjoint != (pere ? mere : 0)) continue;
        if (!premiere) premiere = f.fiche;
        const std::vector<std::uint32_t> enfants = Enfants(base, f.fiche);
        if (std::find(enfants.begin(), enfants.end(), enfant) != enfants.end()) return f.fiche;
    }
    return premiere;
}

// Boîte de famille de la première rangée d'une branche : la femme, ou le seul membre connu.
const NoeudDescendant* boiteDuCouple(const ArbreDescendant& b) {
    const NoeudDescendant* tete = b.racine();
    if (tete && tete->suivant && tete->suivant->conjoint) return tete->suivant;
    return tete;
}

}  // namespace

ArbreCousins::ArbreCousins(const Afficheur& type) : Arbre(type) {}
ArbreCousins::~ArbreCousins() = default;

int ArbreCousins::limiteAscendance() const {
    const auto* v = std::get_if<std::uint16_t>(&valeur(kLimiteAscendance));
    const int n = v ? *v : 0;
    return n <= 0 || n > kLimiteAscendanceMax ? kLimiteAscendanceMax : n;
}

bool ArbreCousins::verifierParametres(const ContexteDocument& contexte) {
    if (racine() == 0) return false;
    const BaseGenealogique& base = *contexte.base;
    const auto r = static_cast<std::uint32_t>(racine());
    if (!familial()) {
        const ParentsPersonne p = Parents(base, r);
        if (!p.pere && !p.mere) throw OperationImpossible("La racine de l'arbre n'a pas de parent connu."_1252);
        mari_ = p.pere;
        femme_ = p.mere;
        fiche_ = ficheDesParents(base, r, p.pere, p.mere);
        return true;
    }
    const std::optional<ConjointPossible> couple = familleDuCoupleChoisi(contexte, r, personne(kConjoint));
    if (!couple) return false;
    const std::uint32_t c = couple->conjoint;
    const bool racineEstLeMari = base.LireIndividu(r).sexe == 'M' || base.LireIndividu(c).sexe != 'M';
    mari_ = racineEstLeMari ? r : c;
    femme_ = racineEstLeMari ? c : r;
    const std::optional<FamilleConjoint> chezLeMari = FamilleDuCouple(base, mari_, femme_);
    fiche_ = chezLeMari ? chezLeMari->fiche : couple->famille;
    return true;
}

void ArbreCousins::preparer(const ContexteDocument& contexte) {
    preparerStyle(contexte);
    format = FormatSortie::Pdf;
    const std::vector<std::uint32_t> racines{mari_ ? mari_ : femme_, femme_};
    preparerChronologie(contexte, racines);
    preparerColoration(contexte, kCritereCousins, kSorte, racines);
    if (!octet(kContemporains)) statutsVitaux_ = tablesDerivees(contexte).statutsVitaux;
    construireCouples(contexte);
    construireBranches(contexte);
    placerBranches();
    fixerDimensions(contexte);
}

// Génération après génération, le côté du mari d'abord : l'ordre des branches, et donc celle qui
// dessine une famille partagée, ne dépend que du fichier.
void ArbreCousins::construireCouples(const ContexteDocument& contexte) {
    const BaseGenealogique& base = *contexte.base;
    const int limite = limiteAscendance();
    const int limiteGenerations = octet(kLimiteGenerations);
    const EnsemblePersonnes* coupes = ensemble(kCoupesArbre);
    // Personnes dont les parents ont déjà été montés : une personne membre de deux couples (un
    // grand-père remarié) n'est suivie qu'une fois, sans priver l'autre membre de son ascendance.
    EnsemblePersonnes suivis(base.nombreIndividus());
    std::map<std::pair<std::uint32_t, std::uint32_t>, CoupleAscendant*> parCouple;
    couples_.clear();
    CoupleAscendant& racineCouple = couples_.emplace_back();
    racineCouple.mari = mari_;
    racineCouple.femme = femme_;
    racineCouple.fiche = fiche_;
    parCouple[{mari_, femme_}] = &racineCouple;
    for (std::size_t i = 0; i < couples_.size(); ++i) {
        CoupleAscendant& c = couples_[i];
        for (const bool coteMari : {true, false}) {
            const std::uint32_t membre = coteMari ? c.mari : c.femme;
            if (!membre) continue;
            const ParentsPersonne p = Parents(base, membre);
            if (!p.pere && !p.mere) continue;
            bool& nonSuivi = coteMari ? c.nonSuiviMari : c.nonSuiviFemme;
            // Limite 1 : les parents de la racine seuls, comme l'arbre le promet.
            if (c.generation + 1 >= limite) continue;
            if (limiteGenerations > 0 && c.generation >= limiteGenerations) continue;
            if (coupes && coupes->contient(membre)) {
                nonSuivi = true;
                continue;
            }
            CoupleAscendant*& parents = coteMari ? c.parentsMari : c.parentsFemme;
            // Deux lignées mènent au même couple : fait une seule fois, sans les branches doubles.
            if (!preferences_.doublesBranchesAscendantes && parCouple.count({p.pere, p.mere})) {
                nonSuivi = true;
                continue;
            }
            if (!preferences_.doublesBranchesAscendantes && suivis.contient(membre)) {
                nonSuivi = true;
                continue;
            }
            suivis.ajouter(membre);
            CoupleAscendant& n = couples_.emplace_back();
            n.mari = p.pere;
            n.femme = p.mere;
            n.fiche = ficheDesParents(base, membre, p.pere, p.mere);
            n.generation = c.generation + 1;
            n.cote = c.cote ? c.cote : (coteMari ? 1 : 2);
            n.dessous = &c;
            n.enfantsLignee.push_back(membre);
            parents = &n;
            parCouple[{p.pere, p.mere}] = &n;
        }
    }
    exclureLignees(base);
    generations_ = 0;
    for (const CoupleAscendant& c : couples_) generations_ = std::max(generations_, c.generation + 1);
}

// Chaque couple exclut de sa branche tous ses enfants qui sont des ascendants de la racine, pas
// seulement celui par lequel on l'a atteint : des parents cousins entre eux, même avec les
// branches doubles ou une lignée coupée, ne font jamais de la seconde lignée des cousins.
void ArbreCousins::exclureLignees(const BaseGenealogique& base) {
    EnsemblePersonnes lignees(base.nombreIndividus());
    std::vector<std::uint32_t> aVoir;
    for (std::uint32_t m : {mari_, femme_})
        if (m && !lignees.contient(m)) {
            lignees.ajouter(m);
            aVoir.push_back(m);
        }
    while (!aVoir.empty()) {
        const ParentsPersonne p = Parents(base, aVoir.back());
        aVoir.pop_back();
        for (std::uint32_t a : {p.pere, p.mere})
            if (a && !lignees.contient(a)) {
                lignees.ajouter(a);
                aVoir.push_back(a);
            }
    }
    for (std::size_t i = 1; i < couples_.size(); ++i) {
        CoupleAscendant& c = couples_[i];
        for (std::uint32_t m : {c.mari, c.femme}) {
            if (!m) continue;
            for (const FamilleConjoint& f : Conjoints(base, m))
                for (std::uint32_t e : Enfants(base, f.fiche))
                    if (lignees.contient(e) &&
                        std::find(c.enfantsLignee.begin(), c.enfantsLignee.end(), e) == c.enfantsLignee.end())
                        c.enfantsLignee.push_back(e);
        }
    }
}

void ArbreCousins::construireBranches(const ContexteDocument& contexte) {
    const BaseGenealogique& base = *contexte.base;
    famillesDessinees_ = EnsemblePersonnes(base.nombreIndividus());
    if (chronologique_) {
        anneeHaut_ = std::numeric_limits<int>::max();
        for (const CoupleAscendant& c : couples_)
            for (std::uint32_t m : {c.mari, c.femme})
                if (m && m < anneesEstimees_.size() && anneesEstimees_[m] != EstimationNaissances::kAucuneAnnee)
                    anneeHaut_ = std::min<int>(anneeHaut_, anneesEstimees_[m]);
        if (anneeHaut_ == std::numeric_limits<int>::max()) anneeHaut_ = horloge.annee();
    }
    ReglesTextes t;
    t.donnees = preferences_.donneesArbreDescendant;
    t.facteurPhoto = 10000 / etirement();
    t.police = &polices.reguliere;
    t.taillePhoto = [&contexte](const std::string& photo) { return taillePhoto(photo, contexte.messages); };
    t.dossiersGedcom = contexte.dossiersGedcom;
    const bool brancheCousine = coloration_ && coloration_->critere() == ColorationBrancheCousine;
    std::size_t boites = 0;
    int couleur = 0;
    for (CoupleAscendant& c : couples_) {
        ReglesDescendance& r = c.regles;
        r.base = &base;
        r.donnees = preferences_.donneesArbreDescendant;
        r.contemporains = octet(kContemporains) != 0;
        r.statutsVitaux = r.contemporains ? nullptr : &statutsVitaux_;
        r.anneesEstimees = chronologique_ ? &anneesEstimees_ : nullptr;
        r.anneeCourante = horloge.annee();
        if (chronologique_) r.anneeHautImposee = anneeHaut_;
        r.coupes = ensemble(kCoupesArbre);
        r.limiteGenerations = octet(kLimiteGenerations);
        r.doublesBranches = preferences_.doublesBranchesDescendantes;
        if (brancheCousine)
            r.brancheImposee = &c == &couples_.front() ? -1 : (couleur = (couleur + 1) % kCouleursBranches);
        if (coloration_)
            r.colorer = [this](const NoeudDescendant& n) {
                const CouleurRvb k = coloration_->colorer(n.personne, n.branche);
                return CouleurBoite{k.rouge, k.vert, k.bleu};
            };
        // Le plafond des boîtes vaut pour tout le dessin, pas pour chaque branche.
        r.boitesMax = r.boitesMax > boites ? r.boitesMax - boites : 0;
        c.branche =
            std::make_unique<ArbreDescCousins>(r, c.mari, c.femme, c.fiche, c.enfantsLignee, famillesDessinees_);
        c.branche->construire();
        boites += c.branche->rangees().nombreBoites();
        preparerTextes(c.branche->boites(), base, t);
        placerDescendance(c.branche->rangees(), {chronologique_, espaceMinimal()});
        // Chaque branche descend de la rangée de son couple : les rangées de tout l'arbre s'alignent.
        c.decalage = chronologique_ ? 0 : (generations_ - 1 - c.generation) * ArbreDescendant::kEcartRangees;
        for (NoeudDescendant* n : c.branche->rangees().boites()) n->position += c.decalage;
        c.branche->mesurer();
    }
    renvoyees_ = EnsemblePersonnes(base.nombreIndividus());
    for (const CoupleAscendant& c : couples_)
        for (const NoeudDescendant* n : c.branche->rangees().boites())
            if (n->familleNonDessinee && famillesDessinees_.contient(n->familleNonDessinee))
                renvoyees_.ajouter(n->familleNonDessinee);
}

namespace {

// Boîte du membre de la lignée dans la première rangée de la branche du couple du dessous.
const NoeudDescendant* boiteDeLignee(const CoupleAscendant& c) {
    if (!c.dessous || !c.dessous->branche) return nullptr;
    const std::uint32_t membre = c.enfantsLignee.empty() ? 0 : c.enfantsLignee.front();
    for (const NoeudDescendant* n = c.dessous->branche->racine(); n; n = n->suivant)
        if (n->personne == membre) return n;
    return nullptr;
}

}  // namespace

void ArbreCousins::placerBranches() {
    const std::int32_t ecart = 45 * espaceMinimal();
    std::map<std::int32_t, std::pair<std::int32_t, std::int32_t>> contours;  // tranche → gauche, droite
    auto tranches = [](const NoeudDescendant& n, auto&& faire) {
        for (std::int32_t k = n.position / kTranche; k <= (n.position + BoiteArbre::kHauteur) / kTranche; ++k) faire(k);
    };
    for (CoupleAscendant& c : couples_) {
        const std::vector<NoeudDescendant*> boites = c.branche->rangees().boites();
        if (boites.empty()) continue;
        std::int32_t dx = 0;
        const NoeudDescendant* lignee = boiteDeLignee(c);
        if (c.cote == 1 || c.cote == 2) {
            const bool gauche = c.cote == 1;
            constexpr std::int32_t kLoin = std::numeric_limits<std::int32_t>::max() / 4;
            dx = gauche ? kLoin : -kLoin;
            if (lignee) {
                std::int32_t bord = gauche ? -kLoin : kLoin;
                for (const NoeudDescendant* n : boites)
                    bord = gauche ? std::max(bord, n->droite()) : std::min(bord, n->x);
                dx = lignee->centre() - bord;
            }
            for (const NoeudDescendant* n : boites)
                tranches(*n, [&](std::int32_t k) {
                    auto it = contours.find(k);
                    if (it == contours.end()) return;
                    if (gauche)
                        dx = std::min(dx, it->second.first - ecart - n->droite());
                    else
                        dx = std::max(dx, it->second.second + ecart - n->x);
                });
            if (dx == kLoin || dx == -kLoin) dx = 0;
        }
        for (NoeudDescendant* n : boites) {
            n->x += dx;
            tranches(*n, [&](std::int32_t k) {
                auto [it, nouveau] = contours.try_emplace(k, n->x, n->droite());
                if (!nouveau) {
                    it->second.first = std::min(it->second.first, n->x);
                    it->second.second = std::max(it->second.second, n->droite());
                }
            });
        }
    }
    // Tout le dessin à partir de x = 0.
    std::int32_t gauche = std::numeric_limits<std::int32_t>::max();
    for (const CoupleAscendant& c : couples_)
        for (const NoeudDescendant* n : c.branche->rangees().boites()) gauche = std::min(gauche, n->x);
    if (gauche == std::numeric_limits<std::int32_t>::max()) gauche = 0;
    for (CoupleAscendant& c : couples_)
        for (NoeudDescendant* n : c.branche->rangees().boites()) n->x -= gauche;
}

void ArbreCousins::fixerDimensions(const ContexteDocument& contexte) {
    std::int32_t droite = 0;
    hauteurArbre_ = 0;
    for (const CoupleAscendant& c : couples_) {
        for (const NoeudDescendant* n : c.branche->rangees().boites()) droite = std::max(droite, n->droite());
        hauteurArbre_ = std::max(hauteurArbre_, c.branche->hauteur());
    }
    largeur = droite;
    if (chronologique_) {
        const int avantHaut = horloge.annee() - anneeHaut_;
        const int avantBas = avantHaut - hauteurArbre_ / ArbreDescendant::kUnitesParAnnee;
        if (chargerChronologie(contexte, avantBas, avantHaut)) {
            for (CoupleAscendant& c : couples_)
                for (NoeudDescendant* n : c.branche->rangees().boites()) n->x += decalageChronologie_;
            largeur += decalageChronologie_ + 90;
        }
    }
    hauteur = hauteurArbre_;
    if (coloration_) {
        hauteurLegende_ = coloration_->hauteurLegende();
        hauteur += hauteurLegende_ + 3;
        largeur = std::max(largeur, coloration_->largeurLegende(polices.reguliere));
    }
    for (const CoupleAscendant& c : couples_)
        for (NoeudDescendant* n : c.branche->rangees().boites()) n->y = hauteurArbre_ - n->position;
}

void ArbreCousins::ecrire() { ecrirePdf(); }

// Du milieu de l'écart de mariage du couple (ou du bas du membre seul) à la boîte de son enfant
// de la lignée, qui est dans la branche du couple du dessous : un palier entre les deux rangées.
void ArbreCousins::dessinerLignee(SurfacePdf& surface, const CoupleAscendant& c) const {
    const NoeudDescendant* l = boiteDeLignee(c);
    const NoeudDescendant* f = boiteDuCouple(*c.branche);
    if (!l || !f) return;
    const ArbreDescendant::Point d = ArbreDescendant::departFamille(*f, style_.theme == 0 && !style_.chromatique);
    const std::int32_t tete = f->tete().position;
    std::int32_t palier = f->aEnfants()    ? f->barre
                          : chronologique_ ? (std::max(tete, f->position) + BoiteArbre::kHauteur + l->position) / 2
                                           : tete + ArbreDescendant::kBarre;
    palier = std::clamp(palier, d.position, std::max(d.position, l->position));
    const std::int32_t haut = hauteurArbre_ - d.position, y = hauteurArbre_ - palier;
    surface.ligneVerticale(d.x, y, haut);
    surface.ligneHorizontale(std::min(d.x, l->centre()), y, std::max(d.x, l->centre()));
    surface.ligneVerticale(l->centre(), l->y, y);
}

// Pointe sur un membre dont les parents existent sans être suivis (coupé, limite, déjà dessiné).
void ArbreCousins::dessinerNonSuivis(SurfacePdf& surface, const CoupleAscendant& c) const {
    for (const NoeudDescendant* n = c.branche->racine(); n; n = n->suivant) {
        const bool marque = (n->personne == c.mari && c.nonSuiviMari) || (n->personne == c.femme && c.nonSuiviFemme);
        if (!marque || (n->conjoint && n->partenaire != c.branche->racine())) continue;
        const std::int32_t x = n->centre();
        surface.ligne(x - 22, n->y, x, n->y + 240);
        surface.ligne(x, n->y + 240, x + 22, n->y);
    }
}

void ArbreCousins::ecrirePdf() {
    SurfacePdf surface(dessin_, polices, horloge);
    surface.ouvrir(std::filesystem::path(chemin), "Arbre des cousins", etirement(), largeur + 2, hauteur);
    if (!coloration_ && themeADegrade(style_.theme))
        style_.degrade = surface.creerDegrade(200, 200, 200, 255, 255, 255, 0);
    if (coloration_) coloration_->dessinerLegende(surface, 0, hauteur);
    if (chronologie_)
        dessinerChronologie(
            *chronologie_, surface, largeur,
            hauteurArbre_ - (chronologie_->derniereAnnee() - anneeHaut_) * ArbreDescendant::kUnitesParAnnee);
    for (const CoupleAscendant& c : couples_) dessinerLignee(surface, c);
    TraceDescendant t;
    t.style = &style_;
    t.dessinees = &famillesDessinees_;
    t.renvoyees = &renvoyees_;
    t.haut = hauteurArbre_;
    for (const CoupleAscendant& c : couples_)
        for (int r = 0; r < c.branche->rangees().nombreRangees(); ++r)
            dessinerRangeeDescendante(surface, c.branche->rangees().premier(r), t);
    for (const CoupleAscendant& c : couples_) dessinerNonSuivis(surface, c);
    surface.fermer();
}

}  // namespace lignara
