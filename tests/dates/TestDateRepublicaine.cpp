#include <gtest/gtest.h>

#include "commun/Texte.h"
#include "dates/DateLecture.h"
#include "dates/DateRepublicaine.h"
#include "support/DateEssai.h"

using namespace lignara;

namespace {

using essai::date;

DateGed lue(std::string_view texte) {
    DateGed d;
    EXPECT_TRUE(LireDate(texte, false, d)) << texte;
    return d;
}

bool echoue(std::string_view texte) {
    DateGed d;
    return !LireDate(texte, false, d) && d == DateGed{};
}

}  // namespace

// Dates historiques et bornes des années sextiles (III, VII, XI), calculées à part.
TEST(DateRepublicaine, convertitLesJoursConnusEtRefuseLesDatesImpossiblesSelonLesSextiles) {
    struct {
        const char* texte;
        DateGed attendue;
    } const cas[] = {
        {"1 VEND AN IV", date(DateSimple, 23, 9, 1795)},
        {"1 VEND AN I", date(DateSimple, 22, 9, 1792)},
        {"@#DFRENCH R@ 2 PLUV 1", date(0, 21, 1, 1793)},  // mort de Louis XVI
        {"9 THERMIDOR AN II", date(0, 27, 7, 1794)},
        {"18 brumaire an VIII", date(0, 9, 11, 1799)},
        {"10 NIVO AN XIV", date(0, 31, 12, 1805)},
        {"11 NIVO AN XIV", date(0, 1, 1, 1806)},  // fin du calendrier
        {"6 COMP AN III", date(0, 22, 9, 1795)},
        {"1 VEND AN XII", date(0, 24, 9, 1803)},
        {"1 VEND AN XIII", date(0, 23, 9, 1804)},
        // Janvier et février d'un an qui contient un 29 février ; 1800 n'est pas bissextile.
        {"10 VENT AN IV", date(0, 29, 2, 1796)},
        {"11 VENT AN IV", date(0, 1, 3, 1796)},
        {"10 VENT AN VIII", date(0, 1, 3, 1800)},
        // Chiffres romains ou décimaux, casse, nom long.
        {"1 VEND AN 4", date(0, 23, 9, 1795)},
        {"1 vend an viii", date(0, 23, 9, 1799)},
        // Un mois sans jour : le mois grégorien qui en contient le milieu (15 thermidor II = 2 août).
        {"@#DFRENCH R@ THER 2", date(DateSimple, 0, 8, 1794)},
        {"COMP AN III", date(DateSimple, 0, 9, 1795)},
        // Échappement après le qualificatif ; mois numérique sous l'échappement.
        {"AFT @#DFRENCH R@ 1 VEND 1", date(DateApres, 22, 9, 1792)},
        {"@#DFRENCH R@ 1/1/4", date(DateSimple, 23, 9, 1795)},
        // Une année seule couvre 22 sept. 1798 – 21 sept. 1799.
        {"BEF @#DFRENCH R@ 7", date(DateAvant, 0, 0, 1799)},
        {"AFT @#DFRENCH R@ 7", date(DateApres, 0, 0, 1798)},
    };
    for (const auto& c : cas) EXPECT_EQ(lue(c.texte), c.attendue) << c.texte;
    EXPECT_EQ(lue("1 NIVÔSE AN V"_1252), lue("1 NIVO AN V"));
    const DateGed d = lue("@#DFRENCH R@ 7");
    EXPECT_EQ(d.qualificatif, DateEntre);
    EXPECT_EQ(d.premiereAnnee(), 1798);
    EXPECT_EQ(d.annee, 1799);
    for (const char* t : {"6 COMP AN II", "6 COMP AN IV", "31 VEND AN II", "7 COMP AN III", "1 VEND" /* pas d'an 0 */,
                          "1 VEND AN", "1 VEND 500 B.C.", "1 VEND IIIIIIV" /* −1 lu de droite à gauche */, "1/14/4"})
        EXPECT_TRUE(echoue(t)) << t;
    // Années sextiles, longueur des mois, et chaque an qui suit le précédent.
    for (int an : {3, 7, 11}) EXPECT_TRUE(anRepublicainSextile(an)) << an;
    EXPECT_FALSE(anRepublicainSextile(4));
    EXPECT_EQ(joursDuMoisRepublicain(13, 2), 5);
    EXPECT_EQ(joursDuMoisRepublicain(13, 3), 6);
    for (int an = 1; an < 200; ++an) {  // chaque an suit le précédent sans trou ni chevauchement
        const auto dernier = convertirDateRepublicaine(joursDuMoisRepublicain(13, an), 13, an);
        const auto premier = convertirDateRepublicaine(1, 1, an + 1);
        ASSERT_TRUE(dernier && premier);
        EXPECT_EQ(NumeroJour(premier->jour, premier->mois, premier->annee),
                  NumeroJour(dernier->jour, dernier->mois, dernier->annee) + 1)
            << "an " << an;
    }
}
