#include <gtest/gtest.h>

#include <string>

#include "commun/Texte.h"
#include "dates/DateLecture.h"
#include "dates/DateLongue.h"

using namespace lignara;

namespace {

std::string longue(const char* gedcom) {
    DateGed d;
    EXPECT_TRUE(LireDate(gedcom, true, d)) << gedcom;
    return versUtf8(texteDateLongue(d));
}

std::string relue(const char* gedcom) { return versUtf8(texteDateGedcomLongue(gedcom)); }

}  // namespace

TEST(DateLongue, ecritLeMoisEnToutesLettresEtLePremierDuMois) {
    EXPECT_EQ(longue("12 JAN 1850"), "12 janvier 1850");
    EXPECT_EQ(longue("1 AUG 1850"), "1er août 1850");
    EXPECT_EQ(longue("DEC 1850"), "décembre 1850");
    EXPECT_EQ(longue("1850"), "1850");
    EXPECT_EQ(longue("52 B.C."), "52 av. J.-C.");
    EXPECT_EQ(texteDateLongue(DateGed{}), "");
}

TEST(DateLongue, ecritLesQualificatifsEtLesIntervalles) {
    EXPECT_EQ(longue("ABT 1850"), "vers 1850");
    EXPECT_EQ(longue("BEF 12 FEB 1850"), "avant le 12 février 1850");
    EXPECT_EQ(longue("AFT MAR 1850"), "après mars 1850");
    EXPECT_EQ(longue("BET 1850 AND 1860"), "entre 1850 et 1860");
}

TEST(DateLongue, relitLesPeriodesDuGedcom) {
    EXPECT_EQ(relue("FROM 1850 TO 3 MAY 1860"), "du 1850 au 3 mai 1860");
    EXPECT_EQ(relue("FROM 12 JAN 1850"), "depuis 12 janvier 1850");
    EXPECT_EQ(relue("TO 1860"), "jusqu'au 1860");
    EXPECT_EQ(relue("  12 JAN 1850 "), "12 janvier 1850");
}

TEST(DateLongue, montreUneDateRepublicaineDansLesDeuxCalendriers) {
    EXPECT_EQ(relue("@#DFRENCH R@ 12 VEND AN III"), "12 vendémiaire an III (3 octobre 1794)");
    EXPECT_EQ(relue("@#DFRENCH R@ 1 BRUM 3"), "1er brumaire an III (22 octobre 1794)");
    EXPECT_EQ(relue("@#DFRENCH R@ 2 COMP AN II"), "2e jour complémentaire an II (18 septembre 1794)");
    EXPECT_EQ(relue("AFT @#DFRENCH R@ 1 VEND 1"), "après 1er vendémiaire an I (après le 22 septembre 1792)");
    EXPECT_EQ(relue("@#DFRENCH R@ AFT 5 GERM AN 10"), "après 5 germinal an X (après le 26 mars 1802)");
}

TEST(DateLongue, rendTelleQuelleUneDateIllisible) {
    EXPECT_EQ(relue("pendant la guerre"), "pendant la guerre");
    EXPECT_EQ(relue("@#DHEBREW@ 1 TSH 5600"), "@#DHEBREW@ 1 TSH 5600");
    EXPECT_EQ(relue(""), "");
}
