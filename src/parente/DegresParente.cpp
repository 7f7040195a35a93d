#include "parente/DegresParente.h"

#include <limits>
#include <unordered_map>

#include "commun/Texte.h"
#include "database/DonneesCorrompues.h"
#include "database/Parente.h"

namespace lignara {

namespace {

class ParcoursDegres {
public:
    ParcoursDegres(const BaseGenealogique& base, std::uint16_t degreMax, EnsemblePersonnes& visites, bool alliances)
        : base_(base), degreMax_(degreMax), visites_(visites), alliances_(alliances) {}

    std::vector<DegreParente> parcourir(std::uint32_t racine) {
        entrer({racine, 0, true, false});
        for (std::size_t tete = 0; tete < file_.size(); ++tete) developper(file_[tete]);
        file_.erase(file_.begin());
        return std::move(file_);
    }

private:
    void developper(DegreParente d) {
        if (d.degre == std::numeric_limits<std::uint16_t>::max()) return;
        auto suivant = static_cast<std::uint16_t>(d.degre + 1);
        ParentsPersonne pm = Parents(base_, d.personne);
        entrer({pm.pere, suivant, d.ligneDirecte, d.alliance});
        entrer({pm.mere, suivant, d.ligneDirecte, d.alliance});
        for (const FamilleConjoint& f : Conjoints(base_, d.personne)) {
            if (alliances_) entrer({f.conjoint, suivant, false, true});
            if (f.premierEnfant == 0) continue;
            for (std::uint32_t enfant : Enfants(base_, f.fiche)) entrer({enfant, suivant, false, d.alliance});
        }
    }

    void entrer(const DegreParente& d) {
        if (d.personne == 0) return;
        if (visites_.contient(d.personne)) {
            // Atteinte au même degré par le sang après l'avoir été par alliance : elle n'est pas
            // encore développée (la file sert un degré après l'autre), on la corrige.
            auto it = place_.find(d.personne);
            if (!d.alliance && it != place_.end()) {
                DegreParente& deja = file_[it->second];
                if (deja.alliance && deja.degre == d.degre) deja = d;
            }
            return;
        }
        if (degreMax_ != 0 && d.degre > degreMax_) return;
        if (d.personne > base_.nombreIndividus())
            throw DonneesCorrompues("Lien vers une personne inexistante"_1252);
        visites_.ajouter(d.personne);
        if (d.alliance) place_.emplace(d.personne, file_.size());
        file_.push_back(d);
    }

    const BaseGenealogique& base_;
    std::uint16_t degreMax_;
    EnsemblePersonnes& visites_;
    bool alliances_;
    std::vector<DegreParente> file_;
    std::unordered_map<std::uint32_t, std::size_t> place_;  // rang dans la file des alliés
};

}  // namespace

std::vector<DegreParente> parcourirDegresParente(const BaseGenealogique& base, std::uint32_t racine,
                                                 std::uint16_t degreMax, EnsemblePersonnes& visites,
                                                 bool alliances) {
    return ParcoursDegres(base, degreMax, visites, alliances).parcourir(racine);
}

}  // namespace lignara
