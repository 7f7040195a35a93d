#include "parente/LienParente.h"

#include <optional>
#include <utility>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/DonneesCorrompues.h"
#include "database/Parente.h"

namespace lignara {

// État de la recherche, libéré dès qu'elle s'achève, trouvée ou non : marques des deux côtés,
// prédécesseurs (l'enfant par lequel un parent a été atteint) et fronts.
struct LienParente::Recherche {
    // Fin de la recherche : l'ancêtre commun, le côté qui l'a trouvé et la personne de ce côté
    // où commence sa lignée (0 : lignée vide).
    struct Fin {
        std::uint32_t ancetre = 0;
        int cote = 0;
        std::uint32_t depart = 0;
    };

    const BaseGenealogique& base;
    std::vector<std::uint8_t> marques;  // bit 1 : côté 0, bit 2 : côté 1
    std::vector<std::uint32_t> predecesseur;
    std::vector<std::uint32_t> fronts[2];
    std::uint32_t personnesDepart[2] = {0, 0};

    explicit Recherche(const BaseGenealogique& b)
        : base(b),
          marques(std::size_t{b.nombreIndividus()} + 1, 0),
          predecesseur(std::size_t{b.nombreIndividus()} + 1, 0) {}

    bool marquee(std::uint32_t p, int cote) const { return (marques[p] >> cote) & 1; }
    void marquer(std::uint32_t p, int cote) { marques[p] = static_cast<std::uint8_t>(marques[p] | (1 << cote)); }

    void verifier(std::uint32_t p) const {
        if (p > base.nombreIndividus()) throw DonneesCorrompues("Lien vers une personne inexistante"_1252);
    }

    // Ajoute un parent au front de son côté, atteint depuis l'enfant.
    void ajouterParent(std::uint32_t parent, std::uint32_t enfant, int cote) {
        if (parent == 0) return;
        verifier(parent);
        fronts[cote].push_back(parent);
        marquer(parent, cote);
        predecesseur[parent] = enfant;
    }

    void developperPremiere(std::uint32_t premiere) {
        marquer(premiere, 0);
        ParentsPersonne pm = Parents(base, premiere);
        ajouterParent(pm.pere, premiere, 0);
        ajouterParent(pm.mere, premiere, 0);
        for (const FamilleConjoint& f : Conjoints(base, premiere)) {
            if (f.conjoint == 0) continue;
            verifier(f.conjoint);
            if (marquee(f.conjoint, 0)) continue;
            fronts[0].push_back(f.conjoint);
            marquer(f.conjoint, 0);
        }
    }

    std::optional<Fin> developperSeconde(std::uint32_t seconde) {
        marquer(seconde, 1);
        if (marquee(seconde, 0)) return Fin{seconde, 1, 0};
        ParentsPersonne pm = Parents(base, seconde);
        verifier(pm.pere);
        verifier(pm.mere);
        // Père et mère tous deux atteints : le plus proche de la première personne, comme
        // dans une avancée.
        Candidat trouve;
        for (std::uint32_t parent : {pm.pere, pm.mere})
            if (parent != 0 && marquee(parent, 0)) retenir(trouve, Fin{parent, 1, seconde}, 0);
        if (trouve.fin) return trouve.fin;
        ajouterParent(pm.pere, seconde, 1);
        ajouterParent(pm.mere, seconde, 1);
        for (const FamilleConjoint& f : Conjoints(base, seconde)) {
            if (f.conjoint == 0) continue;
            verifier(f.conjoint);
            if (marquee(f.conjoint, 1)) continue;
            if (marquee(f.conjoint, 0)) return Fin{f.conjoint, 1, 0};
            fronts[1].push_back(f.conjoint);
            marquer(f.conjoint, 1);
        }
        return std::nullopt;
    }

    // Ancêtre commun rencontré par le côté qui avance, et sa lignée de l'autre côté : sa
    // longueur, et si elle monte par un conjoint de la personne de départ.
    struct Candidat {
        std::optional<Fin> fin;
        std::size_t longueur = 0;
        bool parAlliance = false;
    };

    // Garde le plus proche de l'autre personne ; à égalité, celui qui en descend par le sang
    // (une personne ancêtre de l'autre, plutôt que son conjoint), puis le premier rencontré.
    void retenir(Candidat& meilleur, Fin fin, int autre) const {
        Candidat c{fin, 0, false};
        std::uint32_t bas = fin.ancetre;
        for (std::uint32_t p = predecesseur[fin.ancetre]; p != 0; p = predecesseur[p]) {
            ++c.longueur;
            bas = p;
        }
        c.parAlliance = bas != personnesDepart[autre];
        if (!meilleur.fin || c.longueur < meilleur.longueur ||
            (c.longueur == meilleur.longueur && meilleur.parAlliance && !c.parAlliance))
            meilleur = c;
    }

    // Une génération de plus sur un côté : chaque personne du front laisse sa place à ceux de
    // ses parents que ce côté n'a pas encore atteints, le père avant la mère. Un parent déjà
    // atteint par l'autre côté est un ancêtre commun ; tous ceux que l'avancée rencontre sont
    // comparés (voir retenir) : le premier rencontré peut venir de plus loin de l'autre côté.
    std::optional<Fin> avancer(int cote) {
        const int autre = 1 - cote;
        std::vector<std::uint32_t> suivant;
        suivant.reserve(fronts[cote].size() * 2);
        Candidat trouve;
        for (std::uint32_t p : fronts[cote]) {
            ParentsPersonne pm = Parents(base, p);
            verifier(pm.pere);
            verifier(pm.mere);
            for (std::uint32_t parent : {pm.pere, pm.mere})
                if (parent != 0 && marquee(parent, autre)) retenir(trouve, Fin{parent, cote, p}, autre);
            if (trouve.fin) continue;  // la recherche s'arrête avec cette avancée
            for (std::uint32_t parent : {pm.pere, pm.mere}) {
                if (parent == 0 || marquee(parent, cote)) continue;
                marquer(parent, cote);
                predecesseur[parent] = p;
                suivant.push_back(parent);
            }
        }
        if (trouve.fin) return trouve.fin;
        fronts[cote] = std::move(suivant);
        return std::nullopt;
    }

    Fin chercher(std::uint32_t premiere, std::uint32_t seconde) {
        personnesDepart[0] = premiere;
        personnesDepart[1] = seconde;
        developperPremiere(premiere);
        if (auto fin = developperSeconde(seconde)) return *fin;
        while (!fronts[0].empty() || !fronts[1].empty()) {
            if (auto fin = avancer(0)) return *fin;
            if (auto fin = avancer(1)) return *fin;
        }
        throw OperationImpossible("Il n'y a aucun lien de parenté entre ces deux personnes"_1252);
    }

    // Lignée depuis sa personne la plus haute jusqu'à la personne de départ (ou au conjoint par
    // lequel le côté est monté). Chaque personne a été marquée une seule fois par côté, avant
    // son prédécesseur : la descente s'arrête toujours.
    std::vector<std::uint32_t> lignee(std::uint32_t depart) const {
        std::vector<std::uint32_t> ligne;
        for (std::uint32_t p = depart; p != 0; p = predecesseur[p]) ligne.push_back(p);
        return ligne;
    }
};

LienParente::LienParente(std::uint32_t premiere, std::uint32_t seconde) : personnes_{premiere, seconde} {
    if (premiere == seconde) throw OperationImpossible("Erreur : les deux personnes doivent être différentes"_1252);
}

void LienParente::chercher(const BaseGenealogique& base) {
    for (std::uint32_t p : personnes_)
        if (p == 0 || p > base.nombreIndividus())
            throw OperationImpossible("Il n'y a aucun lien de parenté entre ces deux personnes"_1252);
    std::vector<std::uint32_t> lignes[2];
    {
        Recherche r(base);
        Recherche::Fin fin = r.chercher(personnes_[0], personnes_[1]);
        ancetre_ = fin.ancetre;
        lignes[fin.cote] = r.lignee(fin.depart);
        lignes[1 - fin.cote] = r.lignee(r.predecesseur[fin.ancetre]);
    }
    construireGrille(base, lignes);
}

void LienParente::construireGrille(const BaseGenealogique& base, const std::vector<std::uint32_t> lignes[2]) {
    longueurs_[0] = lignes[0].size();
    longueurs_[1] = lignes[1].size();
    grille_.assign(maximum() + 1, Rangee{});
    placerLignee(base, 0, lignes[0]);
    placerLignee(base, 1, lignes[1]);
    tasserRangeeZero();
}

void LienParente::placerLignee(const BaseGenealogique& base, int cote, const std::vector<std::uint32_t>& ligne) {
    const int c = 2 * cote;
    const std::uint32_t depart = personnes_[cote];
    if (ligne.empty()) {
        placer(base, 0, c, depart);
        if (cote == 1 && ancetre_ != depart) placer(base, 0, 3, ancetre_);
        return;
    }
    ParentsPersonne haut = Parents(base, ligne[0]);
    placer(base, 1, c, ligne[0]);
    placer(base, 0, c, haut.pere);
    placer(base, 0, c + 1, haut.mere);
    for (std::size_t k = 1; k < ligne.size(); ++k) {
        ParentsPersonne pm = Parents(base, ligne[k]);
        placer(base, k + 1, c, ligne[k]);
        placer(base, k, c + 1, pm.pere == ligne[k - 1] ? pm.mere : pm.pere);
    }
    // Lignée montée par un conjoint : la personne de départ se tient à côté de lui.
    if (ligne.back() != depart) placer(base, ligne.size(), c + 1, depart);
}

void LienParente::placer(const BaseGenealogique& base, std::size_t rangee, int colonne, std::uint32_t personne) {
    CaseParente& boite = grille_[rangee][static_cast<std::size_t>(colonne)];
    boite = CaseParente{};
    boite.personne = static_cast<std::int32_t>(personne);
    if (personne == 0) return;
    Individu i = base.LireIndividu(personne);
    boite.sexe = i.sexe;
    boite.nom = base.LireTexte(TableNoms, i.nom);
    boite.prenoms = base.LireTexte(TablePrenoms, i.prenoms);
    boite.naissance = i.naissance;
    boite.deces = i.deces;
    std::vector<std::string> photos = base.LirePhotos(i.photos);
    if (!photos.empty()) boite.photo = photos.front();
}

// Rangée 0 : l'ancêtre en case 0, puis au plus deux autres personnes, chacune différente de
// celles déjà gardées (deux conjoints pour des demi-parents).
void LienParente::tasserRangeeZero() {
    Rangee& r = grille_[0];
    Rangee tassee{};
    tassee[0] = r[0];
    std::size_t suivante = 1;
    for (std::size_t k = 1; k < 4 && suivante < 3; ++k) {
        if (r[k].vide()) continue;
        bool dejaLa = false;
        for (std::size_t j = 0; j < suivante; ++j) dejaLa = dejaLa || tassee[j].personne == r[k].personne;
        if (!dejaLa) tassee[suivante++] = std::move(r[k]);
    }
    r = std::move(tassee);
}

}  // namespace lignara
