#include "parente/DegresParente.h"

#include <limits>

#include "commun/Texte.h"
#include "database/DonneesCorrompues.h"
#include "database/Parente.h"

namespace lignara {

namespace {

class ParcoursDegres {
public:
    ParcoursDegres(const BaseGenealogique& base, std::uint16_t degreMax, EnsemblePersonnes& visites)
        : base_(base), degreMax_(degreMax), visites_(visites) {}

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
        entrer({pm.pere, suivant, d.ligneDirecte, false});
        entrer({pm.mere, suivant, d.ligneDirecte, false});
        for (const FamilleConjoint& f : Conjoints(base_, d.personne)) {
            entrer({f.conjoint, suivant, false, true});
            if (f.premierEnfant == 0) continue;
            for (std::uint32_t enfant : Enfants(base_, f.fiche)) entrer({enfant, suivant, false, false});
        }
    }

    void entrer(const DegreParente& d) {
        if (d.personne == 0 || visites_.contient(d.personne)) return;
        if (degreMax_ != 0 && d.degre > degreMax_) return;
        if (d.personne > base_.nombreIndividus())
            throw DonneesCorrompues("Lien vers une personne inexistante"_1252);
        visites_.ajouter(d.personne);
        file_.push_back(d);
    }

    const BaseGenealogique& base_;
    std::uint16_t degreMax_;
    EnsemblePersonnes& visites_;
    std::vector<DegreParente> file_;
};

}  // namespace

std::vector<DegreParente> parcourirDegresParente(const BaseGenealogique& base, std::uint32_t racine,
                                                 std::uint16_t degreMax, EnsemblePersonnes& visites) {
    return ParcoursDegres(base, degreMax, visites).parcourir(racine);
}

}  // namespace lignara
