#include "database/BornesVie.h"

namespace lignara {

namespace {

struct DureeVieType {
    std::int32_t naissanceAvant;  // numéro de jour
    std::int32_t ajoutBas;
    std::int32_t ajoutHaut;
};

constexpr DureeVieType kDureesVie[] = {
    {2378496, 16425, 23725},
    {2415020, 20075, 27375},
    {2433282, 23725, 31025},
    {kJourInconnu, 27375, 34675},
};

IntervalleJours bornesNaissance(const DateGed& naissance, std::int16_t anneeEstimee) {
    if (!naissance.absente()) return IntervalleJours(naissance);
    if (anneeEstimee == kSansEstimation) return {};
    DateGed vers;
    vers.qualificatif = DateVers;
    vers.jour = 1;
    vers.mois = 7;
    vers.annee = anneeEstimee;
    return IntervalleJours(vers);
}

}  // namespace

BornesVie BornesVie::calculer(const DateGed& naissance, std::int16_t anneeNaissanceEstimee, const DateGed& deces) {
    BornesVie b;
    b.naissance = bornesNaissance(naissance, anneeNaissanceEstimee);
    if (!deces.absente()) {
        b.deces = IntervalleJours(deces);
    } else if (!b.naissance.inconnu()) {
        // Sans naissance connue, ajouter une durée à kJourInconnu déborderait : décès inconnu.
        for (const DureeVieType& d : kDureesVie) {
            if (b.naissance.bas < d.naissanceAvant || d.naissanceAvant == kJourInconnu) {
                b.deces = {b.naissance.bas + d.ajoutBas, b.naissance.haut + d.ajoutHaut};
                break;
            }
        }
    }
    return b;
}

}  // namespace lignara
