#include "documents/statistiques/CompteursAges.h"

#include <algorithm>

namespace lignara {

namespace {

bool compte(const DateGed& d) { return !d.absente() && (d.qualificatif == DateSimple || d.qualificatif == DateVers); }

int divisionVersLeBas(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

std::optional<DateGed> dateEvenement(const BaseGenealogique& base, std::uint32_t evenement) {
    if (evenement == 0) return std::nullopt;
    return base.LireEvenement(evenement).date;
}

}  // namespace

std::optional<int> ageEntre(const DateGed& naissance, const DateGed& evenement) {
    if (!compte(naissance) || !compte(evenement)) return std::nullopt;
    int age = evenement.annee - naissance.annee;
    if (naissance.mois != 0 && evenement.mois != 0) {
        if (naissance.mois > evenement.mois)
            --age;
        else if (naissance.mois == evenement.mois && naissance.jour != 0 && evenement.jour != 0 &&
                 naissance.jour > evenement.jour)
            --age;
    }
    if (age < 0) return std::nullopt;
    return std::min(age, CompteursAges::kAgeMaximal);
}

int CompteursAges::moyenne() const {
    const std::uint32_t n = total();
    return n == 0 ? 0 : static_cast<int>((somme[0] + somme[1] + somme[2]) / n);
}

int CompteursAges::moyenne(Sexe sexe) const {
    return nombre[sexe] == 0 ? 0 : static_cast<int>(somme[sexe] / nombre[sexe]);
}

int CompteursAges::moyenneSiecle(int siecle) const {
    if (siecle < 0 || siecle >= kSiecles || nombreSiecle[siecle] == 0) return 0;
    return static_cast<int>(sommeSiecle[siecle] / nombreSiecle[siecle]);
}

void CompteursAges::ajouter(std::uint8_t sexe, int age, int anneeEvenement) {
    const Sexe s = sexe == 'M' ? Hommes : sexe == 'F' ? Femmes : Inconnus;
    ++nombre[s];
    somme[s] += static_cast<std::uint64_t>(age);
    ++histogramme[s][static_cast<std::size_t>(age)];
    const int siecle = divisionVersLeBas(anneeEvenement, 100);
    if (siecle >= 0 && siecle < kSiecles) {
        ++nombreSiecle[static_cast<std::size_t>(siecle)];
        sommeSiecle[static_cast<std::size_t>(siecle)] += static_cast<std::uint64_t>(age);
    }
}

// Le compte borne une chaîne de fiches abîmée qui reboucle.
std::optional<DateGed> datePremierMariage(const BaseGenealogique& base, const Individu& personne) {
    std::uint32_t f = personne.premiereFamille;
    for (std::uint32_t n = 0; f > 0 && n < base.nombreFamilles(); ++n) {
        const Famille fam = base.LireFamille(f);
        if (fam.conjoint != 0 || fam.mariage != 0) return dateEvenement(base, fam.mariage);
        f = fam.suivante > 0 ? static_cast<std::uint32_t>(fam.suivante) : 0;
    }
    return std::nullopt;
}

CompteursAges compterAges(const BaseGenealogique& base, const EnsemblePersonnes& population, AgeEtudie etudie) {
    CompteursAges c;
    const std::uint32_t n = base.nombreIndividus();
    for (std::uint32_t p = 1; p <= n; ++p) {
        if (!population.contient(p)) continue;
        const Individu ind = base.LireIndividu(p);
        if (ind.naissance == 0) continue;
        const std::optional<DateGed> second =
            etudie == AgeEtudie::Deces ? dateEvenement(base, ind.deces) : datePremierMariage(base, ind);
        if (!second) continue;
        const std::optional<int> age = ageEntre(base.LireEvenement(ind.naissance).date, *second);
        if (age) c.ajouter(ind.sexe, *age, second->annee);
    }
    return c;
}

}  // namespace lignara
