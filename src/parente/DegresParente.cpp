#include "parente/DegresParente.h"

#include <limits>

#include "commun/Texte.h"
#include "database/DonneesCorrompues.h"
#include "database/Parente.h"

namespace lignara {

namespace {

// Parcours en largeur sur des états (personne, sorte de chemin) : montée de sang, descente de
// sang, alliance. Une montée suit père et mère, une descente suit les enfants ; un conjoint, ou
// un parent pris après être descendu (l'autre parent d'un enfant), mène à l'alliance, qui ne
// se quitte plus. Chaque état n'est entré qu'une fois, au plus petit degré.
enum Sorte : std::uint8_t { Montee = 0, Descente = 1, Alliance = 2 };

struct Etat {
    std::uint32_t personne = 0;
    std::uint16_t degre = 0;
    Sorte sorte = Montee;
};

class ParcoursDegres {
public:
    ParcoursDegres(const BaseGenealogique& base, std::uint16_t degreMax, EnsemblePersonnes& visites, bool alliances)
        : base_(base),
          degreMax_(degreMax),
          visites_(visites),
          alliances_(alliances),
          entres_(std::size_t{base.nombreIndividus()} + 1, 0) {}

    std::vector<DegreParente> parcourir(std::uint32_t racine) {
        entrer(racine, 0, Montee);
        for (std::size_t tete = 0; tete < file_.size(); ++tete) developper(file_[tete]);
        return retenir(racine);
    }

private:
    void developper(Etat e) {
        if (e.degre == std::numeric_limits<std::uint16_t>::max()) return;
        auto suivant = static_cast<std::uint16_t>(e.degre + 1);
        const Sorte monter = e.sorte == Montee ? Montee : Alliance;
        const Sorte descendre = e.sorte == Alliance ? Alliance : Descente;
        ParentsPersonne pm = Parents(base_, e.personne);
        entrer(pm.pere, suivant, monter);
        entrer(pm.mere, suivant, monter);
        for (const FamilleConjoint& f : Conjoints(base_, e.personne)) {
            entrer(f.conjoint, suivant, Alliance);
            if (f.premierEnfant == 0) continue;
            for (std::uint32_t enfant : Enfants(base_, f.fiche)) entrer(enfant, suivant, descendre);
        }
    }

    void entrer(std::uint32_t personne, std::uint16_t degre, Sorte sorte) {
        if (personne == 0 || (sorte == Alliance && !alliances_)) return;
        if (personne > base_.nombreIndividus()) throw DonneesCorrompues("Lien vers une personne inexistante"_1252);
        const auto bit = static_cast<std::uint8_t>(1u << sorte);
        if (entres_[personne] & bit) return;
        if (degreMax_ != 0 && degre > degreMax_) return;
        entres_[personne] |= bit;
        file_.push_back({personne, degre, sorte});
    }

    // Pour chaque personne, son premier état de sang, ou son état d'alliance quand il est plus
    // court ; dans l'ordre de la file.
    std::vector<DegreParente> retenir(std::uint32_t racine) {
        std::vector<std::uint16_t> sang(entres_.size(), std::numeric_limits<std::uint16_t>::max());
        for (const Etat& e : file_)
            if (e.sorte != Alliance && e.degre < sang[e.personne]) sang[e.personne] = e.degre;
        std::vector<DegreParente> liste;
        visites_.ajouter(racine);
        for (const Etat& e : file_) {
            if (e.personne == racine || visites_.contient(e.personne)) continue;
            const bool deSang = sang[e.personne] != std::numeric_limits<std::uint16_t>::max();
            if (e.sorte == Alliance ? deSang && sang[e.personne] <= e.degre : e.degre != sang[e.personne]) continue;
            visites_.ajouter(e.personne);
            liste.push_back({e.personne, e.degre, e.sorte == Montee, e.sorte == Alliance});
        }
        return liste;
    }

    const BaseGenealogique& base_;
    std::uint16_t degreMax_;
    EnsemblePersonnes& visites_;
    bool alliances_;
    std::vector<std::uint8_t> entres_;  // par personne, un bit par sorte d'état entré
    std::vector<Etat> file_;
};

}  // namespace

std::vector<DegreParente> parcourirDegresParente(const BaseGenealogique& base, std::uint32_t racine,
                                                 std::uint16_t degreMax, EnsemblePersonnes& visites, bool alliances) {
    return ParcoursDegres(base, degreMax, visites, alliances).parcourir(racine);
}

}  // namespace lignara
