#include "database/LiensFamiliaux.h"

#include <cstdlib>

namespace lignara {

class LiensFamiliaux::Construction {
public:
    Construction(LiensFamiliaux& liens, std::uint32_t personnes, std::uint32_t fiches)
        : l_(liens),
          n_(personnes),
          nf_(fiches),
          lienFratrie_(std::size_t{personnes} + 1),
          premiereFiche_(std::size_t{personnes} + 1),
          suivante_(std::size_t{fiches} + 1),
          visite_(std::size_t{personnes} + 1),
          proprietaire_(std::size_t{fiches} + 1) {}

    void lireIndividus(const BaseGenealogique& base);
    void lireFiches(const BaseGenealogique& base);
    void formerAnneaux();
    void formerChaines();

private:
    std::uint32_t personne(std::uint32_t numero) const { return numero <= n_ ? numero : 0; }
    bool placee(std::uint32_t p) const { return l_.fratrie[p].taille != 0; }
    void placerSeule(std::uint32_t p);
    // Dernier enfant atteint en suivant les liens positifs depuis p, et le premier enfant
    // qu'il désigne ; faux si le chemin est abîmé. chemin reçoit les personnes parcourues.
    bool allerAuDernier(std::uint32_t p, std::vector<std::uint32_t>& chemin, std::uint32_t& premier);
    bool suivreAnneau(std::uint32_t premier, std::vector<std::uint32_t>& anneau);

    LiensFamiliaux& l_;
    std::uint32_t n_, nf_;
    std::vector<std::int32_t> lienFratrie_;
    std::vector<std::uint32_t> premiereFiche_;
    std::vector<std::int32_t> suivante_;
    std::vector<std::uint32_t> visite_;  // numéro du dernier parcours passé par la personne
    std::uint32_t parcours_ = 0;
    std::vector<std::uint32_t> proprietaire_;  // personne dont la chaîne a pris la fiche
};

void LiensFamiliaux::Construction::lireIndividus(const BaseGenealogique& base) {
    const std::size_t taille = std::size_t{n_} + 1;
    l_.pere.assign(taille, 0);
    l_.mere.assign(taille, 0);
    l_.naissance.assign(taille, 0);
    l_.deces.assign(taille, 0);
    l_.sexe.assign(taille, ' ');
    l_.fratrie.assign(taille, {});
    const std::uint32_t evenements = base.nombreEvenements();
    auto evenement = [evenements](std::uint32_t e) { return e <= evenements ? e : 0; };
    for (std::uint32_t p = 1; p <= n_; ++p) {
        Individu i = base.LireIndividu(p);
        l_.pere[p] = personne(i.pere);
        l_.mere[p] = personne(i.mere);
        l_.naissance[p] = evenement(i.naissance);
        l_.deces[p] = evenement(i.deces);
        l_.sexe[p] = i.sexe;
        lienFratrie_[p] = i.fratrie;
        premiereFiche_[p] = i.premiereFamille;
    }
}

void LiensFamiliaux::Construction::lireFiches(const BaseGenealogique& base) {
    l_.conjoint.assign(std::size_t{nf_} + 1, 0);
    l_.premierEnfant.assign(std::size_t{nf_} + 1, 0);
    for (std::uint32_t f = 1; f <= nf_; ++f) {
        Famille fiche = base.LireFamille(f);
        l_.conjoint[f] = personne(fiche.conjoint);
        l_.premierEnfant[f] = personne(fiche.premierEnfant);
        suivante_[f] = fiche.suivante;
    }
}

void LiensFamiliaux::Construction::placerSeule(std::uint32_t p) {
    l_.fratrie[p] = {static_cast<std::uint32_t>(l_.membresFratries.size()), 1, 0};
    l_.membresFratries.push_back(p);
}

bool LiensFamiliaux::Construction::allerAuDernier(std::uint32_t p, std::vector<std::uint32_t>& chemin,
                                                  std::uint32_t& premier) {
    ++parcours_;
    for (std::uint32_t courant = p;;) {
        visite_[courant] = parcours_;
        chemin.push_back(courant);
        std::int64_t lien = lienFratrie_[courant];
        if (lien < 0) {
            premier = personne(static_cast<std::uint32_t>(std::min<std::int64_t>(-lien, n_ + std::int64_t{1})));
            return premier != 0;
        }
        auto suivant = static_cast<std::uint32_t>(lien);
        if (suivant == 0 || suivant > n_ || visite_[suivant] == parcours_ || placee(suivant)) return false;
        courant = suivant;
    }
}

bool LiensFamiliaux::Construction::suivreAnneau(std::uint32_t premier, std::vector<std::uint32_t>& anneau) {
    ++parcours_;
    for (std::uint32_t courant = premier;;) {
        if (visite_[courant] == parcours_ || placee(courant)) return false;
        visite_[courant] = parcours_;
        anneau.push_back(courant);
        std::int64_t lien = lienFratrie_[courant];
        if (lien < 0) return -lien == premier;
        if (lien == 0 || lien > n_) return false;
        courant = static_cast<std::uint32_t>(lien);
    }
}

void LiensFamiliaux::Construction::formerAnneaux() {
    std::vector<std::uint32_t> chemin, anneau;
    for (std::uint32_t p = 1; p <= n_; ++p) {
        if (placee(p)) continue;
        chemin.clear();
        anneau.clear();
        std::uint32_t premier = 0;
        if (allerAuDernier(p, chemin, premier) && suivreAnneau(premier, anneau)) {
            auto debut = static_cast<std::uint32_t>(l_.membresFratries.size());
            auto taille = static_cast<std::uint32_t>(anneau.size());
            for (std::uint32_t r = 0; r < taille; ++r) l_.fratrie[anneau[r]] = {debut, taille, r};
            l_.membresFratries.insert(l_.membresFratries.end(), anneau.begin(), anneau.end());
        }
        // Ce qui n'a pas trouvé d'anneau refermé (chemin abîmé, ou qui rejoint un anneau
        // sans en faire partie) reste seul.
        for (std::uint32_t q : chemin)
            if (!placee(q)) placerSeule(q);
        for (std::uint32_t q : anneau)
            if (!placee(q)) placerSeule(q);
    }
}

void LiensFamiliaux::Construction::formerChaines() {
    l_.debutFiches_.assign(std::size_t{n_} + 2, 0);
    for (std::uint32_t p = 1; p <= n_; ++p) {
        l_.debutFiches_[p] = static_cast<std::uint32_t>(l_.fiches_.size());
        std::int64_t fiche = premiereFiche_[p];
        while (fiche > 0 && fiche <= nf_) {
            auto f = static_cast<std::uint32_t>(fiche);
            if (proprietaire_[f] != 0) break;  // boucle, ou fiche d'une autre chaîne
            proprietaire_[f] = p;
            l_.fiches_.push_back(f);
            fiche = suivante_[f];
        }
    }
    l_.debutFiches_[std::size_t{n_} + 1] = static_cast<std::uint32_t>(l_.fiches_.size());
}

LiensFamiliaux LiensFamiliaux::lire(const BaseGenealogique& base) {
    LiensFamiliaux liens;
    Construction c(liens, base.nombreIndividus(), base.nombreFamilles());
    c.lireIndividus(base);
    c.lireFiches(base);
    c.formerAnneaux();
    c.formerChaines();
    return liens;
}

}  // namespace lignara
