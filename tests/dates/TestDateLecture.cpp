#include <gtest/gtest.h>

#include "commun/Texte.h"
#include "dates/DateLecture.h"
#include "support/DateEssai.h"

using namespace lignara;

namespace {

using essai::date;

DateGed entre(int premiere, int seconde) {
    DateGed d = date(DateEntre, 0, 0, seconde);
    d.fixerPremiereAnnee(static_cast<std::int16_t>(premiere));
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

struct Cas {
    const char* texte;
    DateGed attendue;
};

void verifier(std::initializer_list<Cas> cas, bool estimees = false) {
    for (const Cas& c : cas) EXPECT_EQ(lue(c.texte, estimees), c.attendue) << c.texte;
}

}  // namespace

// Une forme par règle (MARS n'est pas MAR suivi de S ; È plié ; double datation : la première année) ;
// sans année : date absente, sans faute.
TEST(LireDate, toutesSesFormesEtRefuseCeQuiNExistePasSansLireAuDelaDeLaVue) {
    const DateGed d12 = date(DateSimple, 12, 1, 1850);
    verifier({{"12/01/1850", d12},
              {"12 / 1 / 1850", d12},
              {"MARS 1850", date(DateSimple, 0, 3, 1850)},
              {"29 FEB 2000", date(DateSimple, 29, 2, 2000)},
              {"1 février 1850"_1252, date(0, 1, 2, 1850)},
              {"1 DÈCEMBRE 1850"_1252, date(0, 1, 12, 1850)},
              {"AOÛT 1850"_1252, date(0, 0, 8, 1850)},
              {"AVANT 1850", date(DateAvant, 0, 0, 1850)},
              {"bef. 3 MAR 1850", date(DateAvant, 3, 3, 1850)},
              {"AFT 2 JAN 1850", date(DateApres, 2, 1, 1850)},
              {"après 1850"_1252, date(DateApres, 0, 0, 1850)},
              {"VERS 1850", date(DateVers, 0, 0, 1850)},
              {"circa 1850", date(DateVers, 0, 0, 1850)},
              {"INT 1850 (d'après l'âge au décès)"_1252, date(DateSimple, 0, 0, 1850)},
              {"       1707/08", date(DateSimple, 0, 0, 1707)},
              {"1850-1851", date(DateSimple, 0, 0, 1850)},
              {"@#DJULIAN@ 23 SEP 63 BC", date(DateSimple, 23, 9, -63)},
              {"3 MAR 44 A.D.", date(DateSimple, 3, 3, 44)},
              {"9999 B.C.", date(DateSimple, 0, 0, -9999)},
              {"@#DGREGORIAN@ 31 DEC 1997", date(0, 31, 12, 1997)},
              {"ABT @#DJULIAN@ MAR 1066", date(DateVers, 0, 3, 1066)},
              {"@#DJULIAN@ 11 FEB 1731/32", date(DateSimple, 11, 2, 1731)},
              {"12 JAN", DateGed{}},
              {"", DateGed{}}});
    // Les dates estimées ne comptent qu'à la première passe.
    EXPECT_EQ(lue("EST 1850", false), DateGed{});
    verifier({{"EST 1850", date(DateSimple, 0, 0, 1850)},
              {"EST ABT 3 MAR 1850", date(DateVers, 3, 3, 1850)},
              {"EST EST 1850", DateGed{}}},  // une seule estimation admise
             true);
    // Entre deux années remises dans l'ordre, et seulement elles.
    verifier({{"BET 1850 AND 1860", entre(1850, 1860)},
              {"entre 1850 et 1860", entre(1850, 1860)},
              {"BET 3 MAR 1850 AND DEC 1860", entre(1850, 1860)},
              {"BET 500 B.C. AND 400 B.C.", entre(-500, -400)},
              {"BET 1700 AND @#DJULIAN@ 1750", entre(1700, 1750)},
              {"BET 1860 AND 1850", entre(1850, 1860)}});
    for (const char* t : {"BET 1850", "BET 1850 OR 1860", "BET JAN AND 1860", "BET 1950 AND FRENCH_R NIVO 24"})
        EXPECT_TRUE(echoue(t));
    // Chaque nom de mois et abréviation anglaise.
    const std::pair<const char*, int> noms[] = {
        {"AOU", 8},      {"AOUT", 8},      {"APRIL", 4},     {"AUGUST", 8},    {"AVR", 4},       {"AVRIL", 4},
        {"DEC", 12},     {"DECEMBER", 12}, {"DECEMBRE", 12}, {"FEBRUARY", 2},  {"FEV", 2},       {"FEVRIER", 2},
        {"JANUARY", 1},  {"JANVIER", 1},   {"JUIL", 7},      {"JUILLET", 7},   {"JUIN", 6},      {"JULY", 7},
        {"JUNE", 6},     {"MAI", 5},       {"MARCH", 3},     {"MARS", 3},      {"NOVEMBER", 11}, {"NOVEMBRE", 11},
        {"OCTOBER", 10}, {"OCTOBRE", 10},  {"SEPTEMBER", 9}, {"SEPTEMBRE", 9}, {"JAN", 1},       {"FEB", 2},
        {"MAR", 3},      {"APR", 4},       {"MAY", 5},       {"JUN", 6},       {"JUL", 7},       {"AUG", 8},
        {"SEP", 9},      {"OCT", 10},      {"NOV", 11}};
    for (const auto& [nom, mois] : noms)
        EXPECT_EQ(lue(std::string("3 ") + nom + " 1850"), date(0, 3, mois, 1850)) << nom;
    for (const char* t :
         {"1 MARSEILLE 1850", "1 FÊVRIER 1850"_1252, "ÀBT 1850"_1252,  // autres accents
          "30 FEB 1850", "29 FEB 1900", "31 APR 1850", "32 JAN 1850", "12/13/1850", "12/0/1850", "12 XYZ 1850",
          "1850 vers la fin", "@#DJULIAN",
          // Calendriers non convertis : les lire en grégorien donnerait l'an 5784 ou 1200.
          "@#DHEBREW@ 5784", "BEF @#DHEBREW@ 1 TSH 5000", "@#DROMAN@ 1200", "@#DUNKNOWN@ 1850",
          // Nombres géants : 40000 replierait en −25536 sur 16 bits.
          "10000", "40000", "99999999999999999999999999999", "1 JAN 65537", "99999999999999999999 JAN 1850",
          "12/99999999999999999999/1850", "1 VEND 99999999999999999999"})
        EXPECT_TRUE(echoue(t));
    // Jamais au-delà de la vue donnée.
    const std::string_view texte = "12 JAN 1850 AND 1860";
    EXPECT_EQ(lue(texte.substr(0, 9)), date(DateSimple, 12, 1, 18));
    EXPECT_TRUE(echoue(texte.substr(0, 4)));  // « 12 J » : pas de mois
    EXPECT_EQ(lue(texte.substr(0, 2)), date(DateSimple, 0, 0, 12));
    const std::string_view entreTronque = "BET 1850 AND 1860";
    EXPECT_TRUE(echoue(entreTronque.substr(0, 12)));
    EXPECT_EQ(lue(entreTronque.substr(0, 14)), entre(1, 1850));
    // Sans son '@' final, l'échappement avale tout.
    EXPECT_TRUE(echoue(std::string_view("@#DFRENCH R@ 7").substr(0, 11)));
    // Tout octet donne un résultat dans ses bornes, ou une date effacée.
    for (int c = 0; c < 256; ++c)
        for (const char* suite : {"", " 1850", "AN IV"}) {
            const std::string t = std::string("1 ") + static_cast<char>(c) + suite;
            DateGed d;
            if (LireDate(t, true, d)) {
                EXPECT_TRUE(d.qualificatif <= DateEntre && d.mois <= 12 && d.jour <= 31) << t;
            } else {
                EXPECT_EQ(d, DateGed{}) << t;
            }
        }
    // Périodes : de et à en toute forme ; une moitié illisible fait tout échouer.
    struct {
        const char* texte;
        DateGed debut, fin;
    } const cas[] = {
        {"from 1700 to ABT 1750", date(DateSimple, 0, 0, 1700), date(DateVers, 0, 0, 1750)},
        {"FROM 12 OCTOBRE 1850", date(DateSimple, 12, 10, 1850), DateGed{}},
        {"TO 1750", DateGed{}, date(DateSimple, 0, 0, 1750)},
        {"EST 1850", date(DateSimple, 0, 0, 1850), DateGed{}},  // une seule date : estimation admise
    };
    for (const auto& c : cas) {
        DateGed debut, fin;
        ASSERT_TRUE(LirePeriode(c.texte, debut, fin)) << c.texte;
        EXPECT_EQ(debut, c.debut) << c.texte;
        EXPECT_EQ(fin, c.fin) << c.texte;
    }
    DateGed debut, fin;
    EXPECT_FALSE(LirePeriode("FROM 1700 TO n'importe quoi", debut, fin));
    EXPECT_EQ(debut, DateGed{});
}
