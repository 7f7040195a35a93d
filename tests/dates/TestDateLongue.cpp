#include <gtest/gtest.h>

#include "commun/Texte.h"
#include "dates/DateLecture.h"
#include "dates/DateLongue.h"

using namespace lignara;

TEST(DateLongue, ecritMoisEnLettresPremierDuMoisQualificatifsEtIntervalles) {
    const std::pair<const char*, const char*> cas[] = {{"12 JAN 1850", "12 janvier 1850"},
                                                       {"1 AUG 1850", "1er août 1850"},
                                                       {"52 B.C.", "52 av. J.-C."},
                                                       {"ABT 1850", "vers 1850"},
                                                       {"BEF 12 FEB 1850", "avant le 12 février 1850"},
                                                       {"AFT MAR 1850", "après mars 1850"},
                                                       {"BET 1850 AND 1860", "entre 1850 et 1860"}};
    for (const auto& [gedcom, attendu] : cas) {
        DateGed d;
        ASSERT_TRUE(LireDate(gedcom, true, d)) << gedcom;
        EXPECT_EQ(versUtf8(texteDateLongue(d)), attendu);
    }
    EXPECT_EQ(texteDateLongue(DateGed{}), "");
}

// Périodes, dates républicaines dans les deux calendriers, et dates illisibles rendues telles quelles.
TEST(DateLongue, relitLesTextesDuGedcom) {
    const std::pair<const char*, const char*> cas[] = {
        {"FROM 1850 TO 3 MAY 1860", "du 1850 au 3 mai 1860"},
        {"FROM 12 JAN 1850", "depuis 12 janvier 1850"},
        {"@#DFRENCH R@ 1 BRUM 3", "1er brumaire an III (22 octobre 1794)"},
        {"@#DFRENCH R@ 2 COMP AN II", "2e jour complémentaire an II (18 septembre 1794)"},
        {"AFT @#DFRENCH R@ 1 VEND 1", "après 1er vendémiaire an I (après le 22 septembre 1792)"},
        {"@#DFRENCH R@ AFT 5 GERM AN 10", "après 5 germinal an X (après le 26 mars 1802)"},
        {"pendant la guerre", "pendant la guerre"},
        {"@#DHEBREW@ 1 TSH 5600", "@#DHEBREW@ 1 TSH 5600"}};
    for (const auto& [gedcom, attendu] : cas) EXPECT_EQ(versUtf8(texteDateGedcomLongue(gedcom)), attendu) << gedcom;
}
