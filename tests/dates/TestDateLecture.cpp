#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "commun/Texte.h"
#include "dates/DateLecture.h"
#include "support/DateEssai.h"

using namespace lignara;

namespace {

using essai::date;

DateGed entre(int premiere, int seconde) {
    DateGed d;
    d.qualificatif = DateEntre;
    d.fixerPremiereAnnee(static_cast<std::int16_t>(premiere));
    d.annee = static_cast<std::int16_t>(seconde);
    return d;
}

// Lecture qui doit réussir (passe de construction sauf demande).
DateGed lue(std::string_view texte, bool estimeesPermises = false) {
    DateGed d = date(9, 9, 9, 9);
    EXPECT_TRUE(LireDate(texte, estimeesPermises, d)) << texte;
    return d;
}

// Un échec rend toujours une date absente, jamais un reste de lecture.
::testing::AssertionResult echoue(std::string_view texte) {
    DateGed d = date(9, 9, 9, 9);
    if (LireDate(texte, true, d)) return ::testing::AssertionFailure() << "« " << texte << " » lu";
    if (!(d == DateGed{})) return ::testing::AssertionFailure() << "date non effacée";
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(LireDate, entreDeuxAnneesEnAnglaisEtEnFrancais) {
    EXPECT_EQ(lue("BET 1850 AND 1860"), entre(1850, 1860));
    EXPECT_EQ(lue("ENTRE 1850 ET 1860"), entre(1850, 1860));
    EXPECT_EQ(lue("entre 1850 et 1860"), entre(1850, 1860));
    // Seules les années restent.
    EXPECT_EQ(lue("BET 3 MAR 1850 AND DEC 1860"), entre(1850, 1860));
    EXPECT_EQ(lue("BET 500 B.C. AND 400 B.C."), entre(-500, -400));
    EXPECT_EQ(lue("BET 1700 AND @#DJULIAN@ 1750"), entre(1700, 1750));
}

TEST(LireDate, entreRemetLesAnneesDansLOrdre) { EXPECT_EQ(lue("BET 1860 AND 1850"), entre(1850, 1860)); }

TEST(LireDate, entreSansConnecteurOuSansAnneeEchoue) {
    EXPECT_TRUE(echoue("BET 1850"));
    EXPECT_TRUE(echoue("BET 1850 OR 1860"));
    EXPECT_TRUE(echoue("BET JAN AND 1860"));
    EXPECT_TRUE(echoue("BET 1850 AND JAN"));
    EXPECT_TRUE(echoue("BET 1950 AND FRENCH_R NIVO 24"));
}

TEST(LireDate, memeJourEnToutesLettresAbregeEtEnChiffres) {
    const DateGed attendue = date(DateSimple, 12, 1, 1850);
    EXPECT_EQ(lue("12 JANVIER 1850"), attendue);
    EXPECT_EQ(lue("12 JAN 1850"), attendue);
    EXPECT_EQ(lue("12/01/1850"), attendue);
    EXPECT_EQ(lue("12 / 1 / 1850"), attendue);
    EXPECT_EQ(lue("12 janvier 1850"), attendue);
    EXPECT_EQ(lue("12 Jan. 1850"), attendue);
    EXPECT_EQ(lue("  12 JANUARY 1850  "), attendue);
}

TEST(LireDate, lesVingtHuitNomsDeMois) {
    const std::pair<const char*, int> noms[] = {
        {"AOU", 8},      {"AOUT", 8},      {"APRIL", 4},     {"AUGUST", 8},   {"AVR", 4},       {"AVRIL", 4},
        {"DEC", 12},     {"DECEMBER", 12}, {"DECEMBRE", 12}, {"FEBRUARY", 2}, {"FEV", 2},       {"FEVRIER", 2},
        {"JANUARY", 1},  {"JANVIER", 1},   {"JUIL", 7},      {"JUILLET", 7},  {"JUIN", 6},      {"JULY", 7},
        {"JUNE", 6},     {"MAI", 5},       {"MARCH", 3},     {"MARS", 3},     {"NOVEMBER", 11}, {"NOVEMBRE", 11},
        {"OCTOBER", 10}, {"OCTOBRE", 10},  {"SEPTEMBER", 9}, {"SEPTEMBRE", 9}};
    for (const auto& [nom, mois] : noms) {
        EXPECT_EQ(lue(std::string("3 ") + nom + " 1850"), date(DateSimple, 3, mois, 1850)) << nom;
    }
}

TEST(LireDate, lesAbreviationsAnglaisesVeulentUnNonLettreApres) {
    const char* abreviations[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(lue(std::string("1 ") + abreviations[m - 1] + " 1850"), date(0, 1, m, 1850));
    }
    // « MARS » n'est pas MAR suivi de S : c'est le nom long.
    EXPECT_EQ(lue("MARS 1850"), date(DateSimple, 0, 3, 1850));
    EXPECT_TRUE(echoue("1 MARSEILLE 1850"));
}

TEST(LireDate, lesAccentsDesMoisFrancaisComptentPourLaLettreNue) {
    EXPECT_EQ(lue("1 FÉVRIER 1850"_1252), date(0, 1, 2, 1850));
    EXPECT_EQ(lue("1 février 1850"_1252), date(0, 1, 2, 1850));
    EXPECT_EQ(lue("1 DÉCEMBRE 1850"_1252), date(0, 1, 12, 1850));
    EXPECT_EQ(lue("AOÛT 1850"_1252), date(0, 0, 8, 1850));
    EXPECT_EQ(lue("août 1850"_1252), date(0, 0, 8, 1850));
    EXPECT_EQ(lue("1 DÈCEMBRE 1850"_1252), date(0, 1, 12, 1850));
}

TEST(LireDate, lesAutresLettresAccenteesNeSontPasPliees) {
    EXPECT_TRUE(echoue("1 FÊVRIER 1850"_1252));
    EXPECT_TRUE(echoue("1 JÄN 1850"_1252));
    EXPECT_TRUE(echoue("ÀBT 1850"_1252));
}

TEST(LireDate, unMoisSansJourGardeLeJourInconnu) {
    EXPECT_EQ(lue("AOUT 1850"), date(DateSimple, 0, 8, 1850));
    EXPECT_EQ(lue("1850"), date(DateSimple, 0, 0, 1850));
}

TEST(LireDate, refuseLesJoursQuiNExistentPas) {
    EXPECT_TRUE(echoue("30 FEB 1850"));
    EXPECT_TRUE(echoue("29 FEB 1900"));
    EXPECT_EQ(lue("29 FEB 2000"), date(DateSimple, 29, 2, 2000));
    EXPECT_TRUE(echoue("31 APR 1850"));
    EXPECT_TRUE(echoue("32 JAN 1850"));
    EXPECT_TRUE(echoue("12/13/1850"));
    // Un jour sans mois ne peut pas sortir de la lecture.
    EXPECT_TRUE(echoue("12/0/1850"));
    EXPECT_TRUE(echoue("12 XYZ 1850"));
    EXPECT_TRUE(echoue("1850 vers la fin"));
}

TEST(LireDate, lesDatesEstimeesNeComptentQuALaPremierePasse) {
    EXPECT_EQ(lue("EST 1850", false), DateGed{});
    EXPECT_EQ(lue("EST 1850", true), date(DateSimple, 0, 0, 1850));
    EXPECT_EQ(lue("EST ABT 3 MAR 1850", true), date(DateVers, 3, 3, 1850));
    // Une seule estimation est admise.
    EXPECT_EQ(lue("EST EST 1850", true), DateGed{});
}

TEST(LireDate, qualificatifsAnglaisEtFrancais) {
    EXPECT_EQ(lue("BEF 1850"), date(DateAvant, 0, 0, 1850));
    EXPECT_EQ(lue("AVANT 1850"), date(DateAvant, 0, 0, 1850));
    EXPECT_EQ(lue("AFT 2 JAN 1850"), date(DateApres, 2, 1, 1850));
    EXPECT_EQ(lue("APRES 1850"), date(DateApres, 0, 0, 1850));
    EXPECT_EQ(lue("après 1850"_1252), date(DateApres, 0, 0, 1850));
    EXPECT_EQ(lue("ABT 1850"), date(DateVers, 0, 0, 1850));
    EXPECT_EQ(lue("VERS 1850"), date(DateVers, 0, 0, 1850));
    EXPECT_EQ(lue("circa 1850"), date(DateVers, 0, 0, 1850));
    EXPECT_EQ(lue("ABT1850"), date(DateVers, 0, 0, 1850));
    EXPECT_EQ(lue("CAL 1850"), date(DateSimple, 0, 0, 1850));
    EXPECT_EQ(lue("INT 1850 (d'après l'âge au décès)"_1252), date(DateSimple, 0, 0, 1850));
}

TEST(LireDate, echappementDeCalendrierAvantOuApresLeQualificatif) {
    EXPECT_EQ(lue("@#DGREGORIAN@ 31 DEC 1997"), date(0, 31, 12, 1997));
    EXPECT_EQ(lue("@#DJULIAN@ 12 APR 1302"), date(0, 12, 4, 1302));
    EXPECT_EQ(lue("ABT @#DJULIAN@ MAR 1066"), date(DateVers, 0, 3, 1066));
    EXPECT_EQ(lue("CAL @#DJULIAN@ 12 MAY 1675"), date(DateSimple, 12, 5, 1675));
    EXPECT_TRUE(echoue("@#DJULIAN"));
}

TEST(LireDate, lesCalendriersQueLOnNeConvertitPasSontRefuses) {
    // Lire ces années comme grégoriennes donnerait l'an 5784 ou 1200 de notre ère.
    EXPECT_TRUE(echoue("@#DHEBREW@ 5784"));
    EXPECT_TRUE(echoue("BEF @#DHEBREW@ 1 TSH 5000"));
    EXPECT_TRUE(echoue("@#DROMAN@ 1200"));
    EXPECT_TRUE(echoue("@#DUNKNOWN@ 1850"));
}

TEST(LireDate, avantNotreEre) {
    EXPECT_EQ(lue("500 B.C."), date(DateSimple, 0, 0, -500));
    EXPECT_EQ(lue("15 MAR 44 B.C."), date(DateSimple, 15, 3, -44));
    EXPECT_EQ(lue("@#DJULIAN@ 23 SEP 63 BC"), date(DateSimple, 23, 9, -63));
    EXPECT_EQ(lue("12 JUL 100 BCE"), date(DateSimple, 12, 7, -100));
}

TEST(LireDate, anneesADoubleDatationEtQualificatifsAbregesAvecPoint) {
    EXPECT_EQ(lue("1733/34"), date(DateSimple, 0, 0, 1733));
    EXPECT_EQ(lue("       1707/08"), date(DateSimple, 0, 0, 1707));
    EXPECT_EQ(lue("ABT 1733/34"), date(DateVers, 0, 0, 1733));
    EXPECT_EQ(lue("ABT. 1850"), date(DateVers, 0, 0, 1850));
    EXPECT_EQ(lue("bef. 3 MAR 1850"), date(DateAvant, 3, 3, 1850));
    EXPECT_EQ(lue("1850 AD"), date(DateSimple, 0, 0, 1850));
    EXPECT_EQ(lue("3 MAR 44 A.D."), date(DateSimple, 3, 3, 44));
    // Jour et mois numériques restent lus comme tels.
    EXPECT_EQ(lue("31/12/1850"), date(DateSimple, 31, 12, 1850));
    EXPECT_TRUE(echoue("32/12/1850"));
}

TEST(LireDate, uneAnneeAbsenteDonneUneDateAbsenteSansFaute) {
    EXPECT_EQ(lue("12 JAN"), DateGed{});
    EXPECT_EQ(lue(""), DateGed{});
    EXPECT_EQ(lue("   "), DateGed{});
}

TEST(LireDate, ceQuiSuitLAnneeEstIgnore) {
    EXPECT_EQ(lue("1850-1851"), date(DateSimple, 0, 0, 1850));
    EXPECT_EQ(lue("@#DJULIAN@ 11 FEB 1731/32"), date(DateSimple, 11, 2, 1731));
}

TEST(LireDate, lesNombresGeantsNeDebordentPas) {
    EXPECT_TRUE(echoue("10000"));
    EXPECT_TRUE(echoue("40000"));  // replierait en −25536 sur 16 bits
    EXPECT_TRUE(echoue("99999999999999999999999999999"));
    EXPECT_TRUE(echoue("1 JAN 65537"));
    EXPECT_TRUE(echoue("99999999999999999999 JAN 1850"));
    EXPECT_TRUE(echoue("12/99999999999999999999/1850"));
    EXPECT_TRUE(echoue("1 VEND 99999999999999999999"));
    EXPECT_EQ(lue("9999"), date(DateSimple, 0, 0, 9999));
    EXPECT_EQ(lue("9999 B.C."), date(DateSimple, 0, 0, -9999));
}

TEST(LireDate, neLitJamaisAuDelaDeLaVue) {
    // Les octets qui suivent la vue ne doivent pas compter.
    const std::string_view texte = "12 JAN 1850 AND 1860";
    EXPECT_EQ(lue(texte.substr(0, 9)), date(DateSimple, 12, 1, 18));
    EXPECT_TRUE(echoue(texte.substr(0, 4)));  // « 12 J » : pas de mois
    EXPECT_EQ(lue(texte.substr(0, 2)), date(DateSimple, 0, 0, 12));
    const std::string_view entreTronque = "BET 1850 AND 1860";
    EXPECT_TRUE(echoue(entreTronque.substr(0, 12)));
    EXPECT_EQ(lue(entreTronque.substr(0, 14)), entre(1, 1850));
    const std::string_view echappement = "@#DFRENCH R@ 7";
    // Sans son '@' final, l'échappement avale tout.
    EXPECT_TRUE(echoue(echappement.substr(0, 11)));
}

TEST(LireDate, toutOctetDonneUnResultatDansSesBornes) {
    std::string texte = "1 ";
    for (int c = 0; c < 256; ++c) {
        for (const char* suite : {"", " 1850", "AN IV"}) {
            std::string t = texte + static_cast<char>(c) + suite;
            DateGed d;
            if (LireDate(t, true, d)) {
                EXPECT_LE(d.qualificatif, DateEntre);
                EXPECT_LE(d.mois, 12);
                EXPECT_LE(d.jour, 31);
            } else {
                EXPECT_EQ(d, DateGed{});
            }
        }
    }
}

TEST(LirePeriode, deEtA) {
    DateGed debut, fin;
    ASSERT_TRUE(LirePeriode("FROM 1700 TO 1750", debut, fin));
    EXPECT_EQ(debut, date(DateSimple, 0, 0, 1700));
    EXPECT_EQ(fin, date(DateSimple, 0, 0, 1750));
    ASSERT_TRUE(LirePeriode("from 3 JAN 1700 to ABT 1750", debut, fin));
    EXPECT_EQ(debut, date(DateSimple, 3, 1, 1700));
    EXPECT_EQ(fin, date(DateVers, 0, 0, 1750));
    ASSERT_TRUE(LirePeriode("FROM @#DJULIAN@ 1700 TO @#DJULIAN@ 1750", debut, fin));
    EXPECT_EQ(fin, date(DateSimple, 0, 0, 1750));
}

TEST(LirePeriode, debutSeulFinSeuleOuDateSeule) {
    DateGed debut, fin;
    ASSERT_TRUE(LirePeriode("FROM 12 OCTOBRE 1850", debut, fin));
    EXPECT_EQ(debut, date(DateSimple, 12, 10, 1850));
    EXPECT_EQ(fin, DateGed{});
    ASSERT_TRUE(LirePeriode("TO 1750", debut, fin));
    EXPECT_EQ(debut, DateGed{});
    EXPECT_EQ(fin, date(DateSimple, 0, 0, 1750));
    // Une seule date : les estimations sont admises.
    ASSERT_TRUE(LirePeriode("EST 1850", debut, fin));
    EXPECT_EQ(debut, date(DateSimple, 0, 0, 1850));
    EXPECT_EQ(fin, DateGed{});
}

TEST(LirePeriode, uneMoitieIllisibleFaitEchouerLeTout) {
    DateGed debut, fin;
    EXPECT_FALSE(LirePeriode("FROM 1700 TO n'importe quoi", debut, fin));
    EXPECT_EQ(debut, DateGed{});
    EXPECT_EQ(fin, DateGed{});
    EXPECT_FALSE(LirePeriode("FROM UNKNOWN 67 TO FRENCH_R 12", debut, fin));
}
