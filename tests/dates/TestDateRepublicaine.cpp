#include <gtest/gtest.h>

#include <string>
#include <string_view>

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

TEST(DateRepublicaine, premiersJoursDesAnsIEtIV) {
    EXPECT_EQ(lue("1 VEND AN IV"), date(DateSimple, 23, 9, 1795));
    EXPECT_EQ(lue("1 VEND AN I"), date(DateSimple, 22, 9, 1792));
}

TEST(DateRepublicaine, datesHistoriquesConnues) {
    EXPECT_EQ(lue("@#DFRENCH R@ 2 PLUV 1"), date(0, 21, 1, 1793));    // mort de Louis XVI
    EXPECT_EQ(lue("@#DFRENCH R@ 25 VEND 2"), date(0, 16, 10, 1793));  // de Marie-Antoinette
    EXPECT_EQ(lue("9 THERMIDOR AN II"), date(0, 27, 7, 1794));
    EXPECT_EQ(lue("18 brumaire an VIII"), date(0, 9, 11, 1799));
    EXPECT_EQ(lue("10 NIVO AN XIV"), date(0, 31, 12, 1805));
    EXPECT_EQ(lue("11 NIVO AN XIV"), date(0, 1, 1, 1806));  // fin du calendrier
}

TEST(DateRepublicaine, lesAnneesSextilesDecalentLAnSuivant) {
    // Les ans III, VII et XI ont un 6e jour complémentaire.
    EXPECT_EQ(lue("6 COMP AN III"), date(0, 22, 9, 1795));
    EXPECT_EQ(lue("1 VEND AN VIII"), date(0, 23, 9, 1799));
    EXPECT_EQ(lue("1 VEND AN XII"), date(0, 24, 9, 1803));
    EXPECT_EQ(lue("1 VEND AN XIII"), date(0, 23, 9, 1804));
    EXPECT_TRUE(echoue("6 COMP AN II"));
    EXPECT_TRUE(echoue("6 COMP AN IV"));
}

TEST(DateRepublicaine, janvierEtFevrierDesAnsQuiContiennentUn29Fevrier) {
    // 1er pluviôse an IV : 120 jours après le 23 septembre 1795.
    EXPECT_EQ(lue("1 PLUV AN IV"), date(0, 21, 1, 1796));
    EXPECT_EQ(lue("10 VENT AN IV"), date(0, 29, 2, 1796));
    EXPECT_EQ(lue("11 VENT AN IV"), date(0, 1, 3, 1796));
    // 1800 n'est pas bissextile : tout l'an VIII garde son décalage.
    EXPECT_EQ(lue("11 NIVO AN VIII"), date(0, 1, 1, 1800));
    EXPECT_EQ(lue("10 VENT AN VIII"), date(0, 1, 3, 1800));
}

TEST(DateRepublicaine, chiffresRomainsEtDecimaux) {
    EXPECT_EQ(lue("1 VEND AN 4"), lue("1 VEND AN IV"));
    EXPECT_EQ(lue("1 VEND 4"), lue("1 VEND IV"));
    EXPECT_EQ(lue("1 VEND IX"), date(0, 23, 9, 1800));
    EXPECT_EQ(lue("1 VEND AN XIV"), date(0, 23, 9, 1805));
    EXPECT_EQ(lue("1 vend an viii"), date(0, 23, 9, 1799));
    EXPECT_EQ(lue("1 VENDEMIAIRE AN V"), date(0, 22, 9, 1796));
    EXPECT_EQ(lue("1 NIVÔSE AN V"_1252), lue("1 NIVO AN V"));
}

TEST(DateRepublicaine, refuseLesDatesImpossibles) {
    EXPECT_TRUE(echoue("31 VEND AN II"));
    EXPECT_TRUE(echoue("7 COMP AN III"));
    EXPECT_TRUE(echoue("1 VEND"));  // pas d'an 0
    EXPECT_TRUE(echoue("1 VEND AN"));
    EXPECT_TRUE(echoue("1 VEND 500 B.C."));
    EXPECT_TRUE(echoue("1 VEND IIIIIIV"));  // −1 en lecture de droite à gauche
    EXPECT_TRUE(echoue("1/14/4"));
}

TEST(DateRepublicaine, unMoisSansJourDonneLeMoisGregorienQuiEnContientLeMilieu) {
    // Thermidor an II : du 19 juillet au 17 août 1794 ; le 15 thermidor est le 2 août.
    EXPECT_EQ(lue("@#DFRENCH R@ THER 2"), date(DateSimple, 0, 8, 1794));
    EXPECT_EQ(lue("VEND AN IV"), date(DateSimple, 0, 10, 1795));
    EXPECT_EQ(lue("COMP AN III"), date(DateSimple, 0, 9, 1795));
}

TEST(DateRepublicaine, uneAnneeSeuleChevaucheDeuxAnneesGregoriennes) {
    DateGed d = lue("@#DFRENCH R@ 7");  // 22 sept. 1798 – 21 sept. 1799
    EXPECT_EQ(d.qualificatif, DateEntre);
    EXPECT_EQ(d.premiereAnnee(), 1798);
    EXPECT_EQ(d.annee, 1799);
    EXPECT_EQ(lue("BEF @#DFRENCH R@ 7"), date(DateAvant, 0, 0, 1799));
    EXPECT_EQ(lue("AFT @#DFRENCH R@ 7"), date(DateApres, 0, 0, 1798));
    DateGed e = lue("BET @#DFRENCH R@ 2 AND @#DFRENCH R@ 3");
    EXPECT_EQ(e.premiereAnnee(), 1793);
    EXPECT_EQ(e.annee, 1795);
}

TEST(DateRepublicaine, echappementApresLeQualificatifCommeLEcritLaNorme) {
    EXPECT_EQ(lue("AFT @#DFRENCH R@ 1 VEND 1"), date(DateApres, 22, 9, 1792));
    EXPECT_EQ(lue("@#DFRENCH R@ 03 BRUM 4"), date(DateSimple, 25, 10, 1795));
    // Mois numérique sous l'échappement républicain.
    EXPECT_EQ(lue("@#DFRENCH R@ 1/1/4"), date(DateSimple, 23, 9, 1795));
}

TEST(DateRepublicaine, sextilesEtLongueurDesMois) {
    EXPECT_TRUE(anRepublicainSextile(3));
    EXPECT_TRUE(anRepublicainSextile(7));
    EXPECT_TRUE(anRepublicainSextile(11));
    EXPECT_FALSE(anRepublicainSextile(4));
    EXPECT_EQ(joursDuMoisRepublicain(12, 2), 30);
    EXPECT_EQ(joursDuMoisRepublicain(13, 2), 5);
    EXPECT_EQ(joursDuMoisRepublicain(13, 3), 6);
    EXPECT_EQ(joursDuMoisRepublicain(14, 3), 0);
    // Chaque an suit le précédent sans trou ni chevauchement.
    for (int an = 1; an < 200; ++an) {
        const auto dernier = convertirDateRepublicaine(joursDuMoisRepublicain(13, an), 13, an);
        const auto premier = convertirDateRepublicaine(1, 1, an + 1);
        ASSERT_TRUE(dernier && premier);
        EXPECT_EQ(NumeroJour(premier->jour, premier->mois, premier->annee),
                  NumeroJour(dernier->jour, dernier->mois, dernier->annee) + 1)
            << "an " << an;
    }
}
