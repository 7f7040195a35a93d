#include "documents/arbres/ArbreDescendant.h"

#include <algorithm>
#include <limits>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/EstimationNaissances.h"
#include "database/Parente.h"
#include "database/StatutVital.h"

namespace lignara {

namespace {

constexpr std::int32_t kLigne = 176;
constexpr std::int32_t kChevrons = 320;  // les chevrons descendent jusque-là sous leur point

}  // namespace

ArbreDescendant::ArbreDescendant(const ReglesDescendance& regles) : regles_(regles) {
    const std::uint32_t n = regles.base->nombreIndividus();
    dessinees_ = EnsemblePersonnes(n);
    repetees_ = EnsemblePersonnes(n);
}

ArbreDescendant::~ArbreDescendant() = default;

std::vector<BoiteArbre*> ArbreDescendant::boites() const {
    std::vector<NoeudDescendant*> noeuds = rangees_.boites();
    return {noeuds.begin(), noeuds.end()};
}

std::int16_t ArbreDescendant::anneeEstimee(std::uint32_t personne) const {
    const auto& annees = *regles_.anneesEstimees;
    return personne < annees.size() ? annees[personne] : EstimationNaissances::kAucuneAnnee;
}

void ArbreDescendant::construire() {
    creerRacine();
    fixerAnneeHaut();
    // La rangée r + 1 est remplie pendant le parcours de la rangée r ; la dernière permise
    // marque ses familles au lieu de les étendre.
    for (int r = 0; r < rangees_.nombreRangees() && r + 1 < Rangees::kRangeesMax; ++r)
        for (NoeudDescendant* b = rangees_.premier(r); b; b = b->suivant)
            if (!b->familles.empty()) etendre(*b, r);
}

void ArbreDescendant::etendre(NoeudDescendant& famille, int rangee) {
    NoeudDescendant& parent = famille.tete();
    for (const NoeudDescendant::FamilleDessinee& f : famille.familles)
        for (std::uint32_t enfant : Enfants(*regles_.base, f.fiche)) {
            if (rangee == 0 && std::find(enfantsExclus_.begin(), enfantsExclus_.end(), enfant) != enfantsExclus_.end())
                continue;
            NoeudDescendant& e = ajouterPersonne(enfant, rangee + 1, &parent, &famille);
            if (!famille.premierEnfant) famille.premierEnfant = &e;
            famille.dernierEnfant = &e;
        }
    // Familles dont le seul enfant est exclu : rien n'est dessiné sous elles.
    if (!famille.premierEnfant) {
        parent.famillesDessinees = static_cast<std::uint16_t>(parent.famillesDessinees - famille.familles.size());
        famille.familles.clear();
    }
}

NoeudDescendant& ArbreDescendant::nouvelleBoite(std::uint32_t personne, int rangee) {
    if (rangees_.nombreBoites() >= regles_.boitesMax)
        throw OperationImpossible(
            "Cet arbre est trop grand pour être dessiné.\nCoupez des branches ou limitez le nombre de générations."_1252);
    const Individu ind = regles_.base->LireIndividu(personne);
    NoeudDescendant& n = rangees_.creer();
    n.personne = personne;
    n.sexe = ind.sexe;
    n.nom = ind.nom;
    n.prenoms = ind.prenoms;
    const std::uint8_t d = regles_.donnees;
    if (d & 3) {
        n.naissance = ind.naissance;
        n.deces = ind.deces;
    }
    if (d & 4) n.profession = ind.profession;
    if (d & 8) n.commentaire = ind.commentaire;
    if (d & 32) n.photos = ind.photos;
    rangees_.ajouterARangee(n, rangee);
    return n;
}

NoeudDescendant& ArbreDescendant::ajouterBoite(std::uint32_t personne, int rangee, NoeudDescendant* parent,
                                               const NoeudDescendant* famille) {
    NoeudDescendant& n = nouvelleBoite(personne, rangee);
    n.parent = parent;
    // Le numéro de l'enfant de la première rangée ouvre une branche que ses descendants gardent ;
    // la première rangée elle-même n'en a pas.
    if (regles_.brancheImposee)
        n.branche = *regles_.brancheImposee;
    else if (regles_.brancheDescendante && parent)
        n.branche = parent->generation == 0 ? static_cast<std::int32_t>(personne) : parent->branche;
    placerVerticalement(n, parent, famille);
    if (regles_.colorer) n.remplissage = regles_.colorer(n);
    return n;
}

NoeudDescendant& ArbreDescendant::ajouterConjoint(NoeudDescendant& partenaire, std::uint32_t conjoint,
                                                  std::uint32_t mariage) {
    NoeudDescendant& s = nouvelleBoite(conjoint, partenaire.generation);
    s.conjoint = true;
    s.partenaire = &partenaire;
    s.branche = partenaire.branche;  // la couleur de la branche où il entre
    if (regles_.donnees & 16) s.mariage = mariage;
    placerVerticalement(s, nullptr, nullptr);
    if (regles_.colorer) s.remplissage = regles_.colorer(s);
    return s;
}

NoeudDescendant& ArbreDescendant::ajouterPersonne(std::uint32_t personne, int rangee, NoeudDescendant* parent,
                                                  const NoeudDescendant* famille) {
    NoeudDescendant& n = ajouterBoite(personne, rangee, parent, famille);
    for (const FamilleConjoint& f : Conjoints(*regles_.base, personne)) {
        NoeudDescendant* boiteFamille = &n;
        if (f.conjoint) boiteFamille = &ajouterConjoint(n, f.conjoint, f.mariage);
        deciderFamille(n, *boiteFamille, f.fiche, f.conjoint, f.premierEnfant);
    }
    return n;
}

void ArbreDescendant::creerCouple(std::uint32_t mari, std::uint32_t femme, std::uint32_t fiche) {
    const std::uint32_t tete = mari ? mari : femme;
    if (!tete) return;
    NoeudDescendant& t = ajouterBoite(tete, 0, nullptr, nullptr);
    const Famille f = fiche ? regles_.base->LireFamille(fiche) : Famille{};
    NoeudDescendant* boiteFamille = &t;
    if (mari && femme) boiteFamille = &ajouterConjoint(t, femme, f.mariage);
    if (fiche) deciderFamille(t, *boiteFamille, fiche, mari && femme ? femme : 0, f.premierEnfant);
}

void ArbreDescendant::deciderFamille(NoeudDescendant& personne, NoeudDescendant& famille, std::uint32_t fiche,
                                     std::uint32_t conjoint, std::uint32_t premierEnfant) {
    if (premierEnfant == 0) return;
    const ReglesDescendance& r = regles_;
    const int rangee = personne.generation;
    // Motifs de coupure dans l'ordre : coupes, agnatique, contemporains, limite, dernière rangée ;
    // une famille déjà dessinée ailleurs ne l'est qu'à défaut d'un autre motif.
    const bool coupee =
        (r.coupes && (r.coupes->contient(personne.personne) || r.coupes->contient(conjoint))) ||
        (r.agnatique && personne.sexe != 'M') ||
        (!r.contemporains && r.statutsVitaux && fratrieContemporaine(*r.base, *r.statutsVitaux, premierEnfant)) ||
        (r.limiteGenerations > 0 && rangee >= r.limiteGenerations) || rangee + 1 >= Rangees::kRangeesMax;
    bool dessiner = !coupee;
    if (EnsemblePersonnes* dessinees = familles(); dessiner && dessinees && dessinees->contient(premierEnfant)) {
        repetees_.ajouter(personne.personne);
        if (conjoint) repetees_.ajouter(conjoint);
        dessiner = false;
    }
    if (!dessiner) {
        if (!famille.familleNonDessinee) famille.familleNonDessinee = premierEnfant;
        return;
    }
    // Seule une famille dont les enfants sont vraiment dessinés entre dans l'ensemble : une
    // famille coupée ici peut l'être ailleurs, et ses renvois doivent mener à un dessin.
    if (EnsemblePersonnes* dessinees = familles()) dessinees->ajouter(premierEnfant);
    famille.familles.push_back({fiche, premierEnfant});
    ++personne.famillesDessinees;
}

// --- Positions verticales ------------------------------------------------------------------

void ArbreDescendant::placerVerticalement(NoeudDescendant& n, const NoeudDescendant* parent,
                                          const NoeudDescendant* famille) {
    if (!regles_.anneesEstimees) {
        n.position = n.generation * kEcartRangees + 1;
        return;
    }
    std::int16_t a = anneeEstimee(n.personne);
    if (a == EstimationNaissances::kAucuneAnnee) {
        if (n.conjoint && n.partenaire)
            a = n.partenaire->annee;
        else if (parent)
            a = static_cast<std::int16_t>(parent->annee + kAnsParGeneration);
    }
    n.annee = a;
    if (n.generation == 0) return;  // la première rangée attend l'année du haut
    // Un enfant reste sous ses deux parents même quand les dates le disent plus âgé ; un
    // conjoint ne monte pas plus haut que son partenaire ne le peut.
    if (n.conjoint && n.partenaire)
        n.plancher = n.partenaire->plancher;
    else if (parent)
        n.plancher = std::max(parent->position, famille ? famille->position : 0) + kEcartParentMinimal;
    const std::int64_t p = (std::int64_t{a} - anneeHaut_) * kUnitesParAnnee;
    constexpr std::int64_t kPlusBas = std::numeric_limits<std::int32_t>::max() / 4;
    n.position = static_cast<std::int32_t>(std::clamp<std::int64_t>(p, n.plancher, kPlusBas));
}

void ArbreDescendant::fixerAnneeHaut() {
    if (!regles_.anneesEstimees) return;
    NoeudDescendant* premiere = rangees_.premier(0);
    int plusAncienne = std::numeric_limits<int>::max();
    for (NoeudDescendant* n = premiere; n; n = n->suivant)
        if (n->annee != EstimationNaissances::kAucuneAnnee) plusAncienne = std::min<int>(plusAncienne, n->annee);
    if (plusAncienne == std::numeric_limits<int>::max()) plusAncienne = regles_.anneeCourante;
    anneeHaut_ = regles_.anneeHautImposee.value_or(plusAncienne);
    for (NoeudDescendant* n = premiere; n; n = n->suivant) {
        if (n->annee == EstimationNaissances::kAucuneAnnee)
            n->annee = n->conjoint && n->partenaire && n->partenaire->annee != EstimationNaissances::kAucuneAnnee
                           ? n->partenaire->annee
                           : static_cast<std::int16_t>(plusAncienne);
        n->position = std::max(0, (n->annee - anneeHaut_) * kUnitesParAnnee);
    }
}

// --- Élagage ---------------------------------------------------------------------------------

void ArbreDescendant::elaguer() {
    bool colore = false;
    for (NoeudDescendant* n : rangees_.boites()) colore = colore || !n->remplissage.blanche();
    // Un critère qui ne colore aucun descendant (apparitions parmi les ascendants de la racine)
    // ne doit pas réduire l'arbre à sa première rangée.
    if (!colore) return;
    for (int r = rangees_.nombreRangees() - 1; r >= 1; --r)
        for (NoeudDescendant* f = rangees_.premier(r - 1); f; f = f->suivant)
            if (f->aEnfants()) elaguerGroupe(*f);
    rangees_.retirerRangeesVides();
}

bool ArbreDescendant::elaguerGroupe(NoeudDescendant& famille) {
    NoeudDescendant* fin = famille.dernierEnfant;
    while (fin->suivant && fin->suivant->conjoint) fin = fin->suivant;
    for (NoeudDescendant* n = famille.premierEnfant;; n = n->suivant) {
        if (n->aEnfants() || !n->remplissage.blanche()) return false;
        if (n == fin) break;
    }
    for (NoeudDescendant* n = famille.premierEnfant; n;) {
        NoeudDescendant* suivant = n == fin ? nullptr : n->suivant;
        rangees_.retirerDeRangee(*n);
        n = suivant;
    }
    EnsemblePersonnes* dessinees = familles();
    for (const NoeudDescendant::FamilleDessinee& f : famille.familles)
        if (dessinees) dessinees->retirer(f.premierEnfant);
    NoeudDescendant& tete = famille.tete();
    tete.famillesDessinees = static_cast<std::uint16_t>(tete.famillesDessinees - famille.familles.size());
    if (!famille.familleNonDessinee) famille.familleNonDessinee = famille.famille();
    famille.familles.clear();
    famille.premierEnfant = famille.dernierEnfant = nullptr;
    return true;
}

// --- Mesures ---------------------------------------------------------------------------------

ArbreDescendant::Point ArbreDescendant::departFamille(const NoeudDescendant& b, bool theme0) {
    if (b.conjoint && b.precedent) {
        const int lignes = b.lignesMariage();
        const std::int32_t d = lignes == 0 ? 645 : (4 - lignes) * kLigne;
        return {b.x - b.largeurMariage / 2 - 240, (b.position + b.precedent->position) / 2 + 762 - d};
    }
    std::int32_t p = b.position + 884;
    if (theme0)
        for (int i = 3; i >= 0 && b.lignes[static_cast<std::size_t>(i)].empty(); --i) p -= kLigne;
    return {b.centre(), p};
}

void ArbreDescendant::mesurer() {
    largeur_ = hauteur_ = 0;
    const bool chronologique = regles_.anneesEstimees != nullptr;
    for (NoeudDescendant* n : rangees_.boites()) {
        largeur_ = std::max(largeur_, n->droite());
        hauteur_ = std::max(hauteur_, n->position + BoiteArbre::kHauteur);
        if (n->familleNonDessinee) hauteur_ = std::max(hauteur_, departFamille(*n, false).position + kChevrons + 16);
        if (!n->aEnfants()) continue;
        if (!chronologique) {
            n->barre = n->tete().position + kBarre;
            continue;
        }
        // Entre le bas du couple et le plus haut de ses enfants, famille par famille.
        const std::int32_t bas = std::max(n->position, n->tete().position) + BoiteArbre::kHauteur;
        std::int32_t haut = std::numeric_limits<std::int32_t>::max();
        for (NoeudDescendant* e = n->premierEnfant;; e = e->suivant) {
            if (!e->conjoint) haut = std::min(haut, e->position);
            if (e == n->dernierEnfant) break;
        }
        n->barre = bas + (haut - bas) / 2;
    }
}

}  // namespace lignara
