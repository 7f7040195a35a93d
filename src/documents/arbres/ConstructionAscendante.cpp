#include "documents/arbres/ConstructionAscendante.h"

#include <algorithm>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/EstimationNaissances.h"

namespace lignara {

namespace {

constexpr std::int32_t kPointe = 240;
constexpr std::int32_t kMonteeFamilialeClassique = 580;

void deplacerVerticalement(NoeudAscendant& n, std::int32_t dy) {
    n.y += dy;
    n.etendue += dy;
    if (n.pere) deplacerVerticalement(*n.pere, dy);
    if (n.mere) deplacerVerticalement(*n.mere, dy);
}

void recalculerHauteurs(NoeudAscendant& n) {
    if (!n.aParents()) return;
    std::uint8_t p = 0;
    std::int32_t e = n.y;
    for (const NoeudAscendant* parent : {n.pere, n.mere}) {
        if (!parent) continue;
        p = std::max(p, parent->profondeur);
        e = std::max(e, parent->etendue);
    }
    n.profondeur = static_cast<std::uint8_t>(p + 1);
    n.etendue = e;
}

}  // namespace

std::uint32_t mariageDuCouple(const BaseGenealogique& base, std::uint32_t pere, std::uint32_t mere) {
    if (pere == 0 || mere == 0) return 0;
    std::int64_t f = base.LireIndividu(pere).premiereFamille;
    // Une chaîne de familles qui boucle s'arrête après avoir fait le tour de la table.
    for (std::uint32_t tours = 0; f > 0 && tours <= base.nombreFamilles(); ++tours) {
        Famille fam = base.LireFamille(static_cast<std::uint32_t>(f));
        if (fam.conjoint == mere) return fam.mariage;
        f = fam.suivante;
    }
    return 0;
}

ConstructionAscendante::ConstructionAscendante(const ReglesConstruction& regles, ArbreDeBoites& arbre)
    : regles_(regles), arbre_(arbre) {
    if (regles.critere >= 9 && regles.critere <= 13) generationBranche_ = regles.critere - 9;
    std::uint32_t n = regles.base->nombreIndividus();
    arbre_.dessinees = EnsemblePersonnes(n);
    arbre_.repetees = EnsemblePersonnes(n);
}

std::int16_t ConstructionAscendante::anneeDe(std::uint32_t personne) const {
    const auto& annees = *regles_.anneesEstimees;
    return personne < annees.size() ? annees[personne] : EstimationNaissances::kAucuneAnnee;
}

void ConstructionAscendante::individuel(std::uint32_t racine) {
    if (regles_.anneesEstimees) anneeReference_ = anneeDe(racine) + 15;
    arbre_.racine = construire(racine, 0, ' ', nullptr);
}

void ConstructionAscendante::familial(std::uint32_t mari, std::uint32_t femme, std::uint32_t mariage) {
    if (regles_.anneesEstimees) {
        // Le plus jeune des deux donne la référence : les deux boîtes restent au-dessus de 0.
        std::int16_t a = anneeDe(mari), b = anneeDe(femme);
        if (a == EstimationNaissances::kAucuneAnnee) a = b;
        if (b == EstimationNaissances::kAucuneAnnee) b = a;
        anneeReference_ = std::max(a, b) + 15;
    }
    NoeudAscendant& couple = arbre_.creer();
    couple.invisible = true;
    construire(mari, 0, 'M', &couple);
    construire(femme, 0, 'F', &couple);
    if (regles_.parCouple && (regles_.donnees & 16) && couple.mere) couple.mere->mariage = mariage;
    if (!regles_.parCouple)
        for (NoeudAscendant* cote : {couple.pere, couple.mere})
            if (cote) deplacerVerticalement(*cote, kMonteeFamilialeClassique);
    recalculerHauteurs(couple);
    couple.y = std::min(couple.pere ? couple.pere->y : 0, couple.mere ? couple.mere->y : 0) - kEcartRangees;
    couple.profondeur = static_cast<std::uint8_t>(std::min(255, arbre_.nombreRangees() + 1));
    arbre_.racine = &couple;
}

void ConstructionAscendante::avancerBranche(int generation, char cote) {
    if (generationBranche_ < 0) return;
    if (generation < generationBranche_) {
        branche_ = 0;
    } else if (generation == generationBranche_) {
        if (cote == 'F') {
            branche_ = prochaineMere_;
            prochaineMere_ = prochaineMere_ == 3 ? 4 : 3;
        } else {
            branche_ = prochainPere_;
            prochainPere_ = prochainPere_ == 1 ? 2 : 1;
        }
    }
}

void ConstructionAscendante::remplir(NoeudAscendant& n, const Individu& ind) const {
    const std::uint8_t d = regles_.donnees;
    n.sexe = ind.sexe;
    n.nom = ind.nom;
    n.prenoms = ind.prenoms;
    if (d & 3) {
        n.naissance = ind.naissance;
        n.deces = ind.deces;
    }
    if (d & 4) n.profession = ind.profession;
    if (d & 8) n.commentaire = ind.commentaire;
    if (d & 32) n.photos = ind.photos;
}

void ConstructionAscendante::placerVerticalement(NoeudAscendant& n, const NoeudAscendant* enfant) const {
    if (!regles_.anneesEstimees) {
        n.y = n.generation * kEcartRangees + kPremiereRangee;
    } else {
        std::int16_t a = anneeDe(n.personne);
        // Sans estimation, une génération de 25 ans au-dessus de l'enfant.
        if (a == EstimationNaissances::kAucuneAnnee)
            a = static_cast<std::int16_t>(enfant && !enfant->invisible ? enfant->annee - 25 : anneeReference_ - 15);
        n.annee = a;
        // Une personne née après la racine (données fautives) reste dans le dessin, et un parent
        // né moins de 16 ans avant son enfant monte assez pour que leurs boîtes ne se
        // chevauchent pas.
        std::int32_t plancher = kPremiereRangee;
        if (enfant && !enfant->invisible) plancher = enfant->y + kEcartParentMinimal;
        n.y = std::max<std::int32_t>((anneeReference_ - a) * kUnitesParAnnee, plancher);
    }
    n.etendue = n.y;
}

bool ConstructionAscendante::ascendantsDessines(std::uint32_t personne, int generation) {
    if (!regles_.doublesBranches && arbre_.dessinees.contient(personne)) {
        arbre_.repetees.ajouter(personne);
        return false;
    }
    if (generation == ArbreDeBoites::kRangeesMax - 1) return false;
    if (regles_.limiteGenerations > 0 && generation == regles_.limiteGenerations) return false;
    if (regles_.coupes && regles_.coupes->contient(personne)) return false;
    arbre_.dessinees.ajouter(personne);
    return true;
}

NoeudAscendant* ConstructionAscendante::construire(std::uint32_t personne, int generation, char cote,
                                                   NoeudAscendant* enfant) {
    if (arbre_.nombreBoites() >= regles_.boitesMax)
        throw OperationImpossible(
            "Cet arbre est trop grand pour être dessiné.\nCoupez des branches ou limitez le nombre de générations."_1252);
    const Individu ind = regles_.base->LireIndividu(personne);
    avancerBranche(generation, cote);
    NoeudAscendant& n = arbre_.creer();
    n.personne = personne;
    n.cote = cote;
    n.enfant = enfant;
    n.generation = static_cast<std::uint8_t>(generation);
    remplir(n, ind);
    if (regles_.colorer) n.remplissage = regles_.colorer(n, branche_);
    placerVerticalement(n, enfant);
    arbre_.ajouterARangee(n, generation);
    if (enfant) (cote == 'F' ? enfant->mere : enfant->pere) = &n;
    if (ind.pere == 0 && ind.mere == 0) return &n;
    if (!ascendantsDessines(personne, generation)) {
        n.tronque = true;
        n.etendue = n.y + kPointe;
        return &n;
    }
    if (ind.pere) construire(ind.pere, generation + 1, 'M', &n);
    if (ind.mere) construire(ind.mere, generation + 1, 'F', &n);
    recalculerHauteurs(n);
    if (regles_.parCouple && (regles_.donnees & 16) && n.pere && n.mere)
        n.mere->mariage = mariageDuCouple(*regles_.base, ind.pere, ind.mere);
    return &n;
}

void ConstructionAscendante::elaguer() {
    NoeudAscendant* r = arbre_.racine;
    if (!r) return;
    if (r->invisible) {
        for (NoeudAscendant* cote : {r->pere, r->mere})
            if (cote) elaguer(*cote);
        recalculerHauteurs(*r);
    } else {
        elaguer(*r);
    }
    arbre_.reconstruireRangees();
    if (r->invisible) r->profondeur = static_cast<std::uint8_t>(std::min(255, arbre_.nombreRangees() + 1));
}

void ConstructionAscendante::elaguer(NoeudAscendant& n) {
    if (n.pere) elaguer(*n.pere);
    if (n.mere) elaguer(*n.mere);
    recalculerHauteurs(n);
    if (n.profondeur != 2) return;
    for (const NoeudAscendant* parent : {n.pere, n.mere})
        if (parent && !parent->remplissage.blanche()) return;
    for (NoeudAscendant* parent : {n.pere, n.mere})
        if (parent) arbre_.retirerDeRangee(*parent);
    n.pere = n.mere = nullptr;
    n.tronque = true;
    n.profondeur = 1;
    n.etendue = n.y + kPointe;
    arbre_.repetees.retirer(n.personne);
}

}  // namespace lignara
