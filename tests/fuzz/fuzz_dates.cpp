// Toute suite d'octets donnée à la lecture des dates rend une date dans ses bornes, et le
// raccourci des formes courantes lit exactement comme le chemin général.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "dates/DateCalendrier.h"
#include "dates/DateFormat.h"
#include "dates/DateLecture.h"

using namespace lignara;

namespace {

void exiger(bool condition) {
    if (!condition) std::abort();
}

void verifier(const DateGed& d, bool lue) {
    if (!lue) {
        exiger(d == DateGed{});
        return;
    }
    exiger(d.qualificatif <= DateEntre);
    exiger(d.annee >= -kAnneeMaximum && d.annee <= kAnneeMaximum);
    if (d.qualificatif == DateEntre) {
        exiger(d.premiereAnnee() <= d.annee);
    } else {
        exiger(d.mois <= 12);
        exiger(d.jour <= (d.mois == 0 ? 0 : joursDansMois(d.mois, d.annee)));
    }
    const IntervalleJours i(d);
    exiger(i.bas <= i.haut);
    exiger(i.inconnu() == d.absente());
}

// Largeurs égales : la coupure « .. » à la limite de largeur est atteinte.
const MetriquePolice& policeFixe() {
    static const MetriquePolice police = [] {
        MetriquePolice m;
        m.trouvee = 1;
        for (auto& l : m.largeurs) l = 600;
        return m;
    }();
    return police;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    for (bool estimees : {false, true}) {
        DateGed d;
        const bool lue = LireDate(texte, estimees, d);
        verifier(d, lue);
        DateGed generale;
        exiger(LireDateGenerale(texte, estimees, generale) == lue && generale == d);
        for (unsigned options : {0u, 1u, 2u, 3u, 8u, 11u}) {
            const DateFormatee f = FormaterDate(d, options, 40, policeFixe());
            exiger(f.texte.size() <= 24);
        }
    }
    DateGed debut, fin;
    const bool lue = LirePeriode(texte, debut, fin);
    verifier(debut, lue);
    verifier(fin, lue);
    return 0;
}
