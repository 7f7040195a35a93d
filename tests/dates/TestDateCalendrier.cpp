#include <gtest/gtest.h>

#include "dates/DateCalendrier.h"
#include "dates/DateLecture.h"
#include "support/DateEssai.h"

using namespace lignara;

namespace {

using essai::date;

IntervalleJours intervalleDe(const char* texte) {
    DateGed d;
    EXPECT_TRUE(LireDate(texte, false, d)) << texte;
    return IntervalleJours(d);
}

}  // namespace

// Jours juliens calculés à part (1er janvier 1800, 1900, 1950 et de l'an 1).
TEST(NumeroJour, seuilsBissextilesAllerRetourEtIntervallesDesDatesExactesPartiellesQualifieesAbsentes) {
    EXPECT_EQ(NumeroJour(1, 1, 1800), 2378496);
    EXPECT_EQ(NumeroJour(1, 1, 1900), 2415020);
    EXPECT_EQ(NumeroJour(1, 1, 1950), 2433282);
    EXPECT_EQ(NumeroJour(1, 1, 1), 1721425);
    // Avant notre ère : 1, 5, 401 av. J.-C. (années astronomiques 0, −4, −400) sont bissextiles.
    for (int a : {2000, 1852, -1, -5, -401}) EXPECT_TRUE(anneeBissextile(a)) << a;
    for (int a : {1900, 1851, -4, -101}) EXPECT_FALSE(anneeBissextile(a)) << a;
    EXPECT_EQ(joursDansMois(2, 1900), 28);
    EXPECT_EQ(joursDansMois(13, 1900), 0);
    // Les jours se suivent d'un en un, 1 av. J.-C. compris, et l'inverse retrouve chacun.
    std::int32_t attendu = NumeroJour(1, 1, -4000);
    for (int annee = -4000; annee <= 3000; ++annee)
        for (int mois = 1; mois <= 12 && annee != 0; ++mois)
            for (int jour = 1; jour <= joursDansMois(mois, annee); ++jour, ++attendu) {
                const std::int32_t n = NumeroJour(jour, mois, annee);
                ASSERT_EQ(n, attendu) << jour << '/' << mois << '/' << annee;
                ASSERT_EQ(DateDuNumeroJour(n), (DateCivile{jour, mois, annee})) << n;
            }
    for (std::int32_t n : {INT32_MIN, INT32_MIN + 1, -1, 0, 1, INT32_MAX - 1, INT32_MAX}) {
        const DateCivile d = DateDuNumeroJour(n);
        EXPECT_TRUE(d.mois >= 1 && d.mois <= 12 && d.jour >= 1 && d.jour <= 31 && d.annee != 0) << n;
    }
    const std::int32_t j = NumeroJour(3, 7, 1850);
    EXPECT_EQ(IntervalleJours(date(DateSimple, 3, 7, 1850)), IntervalleJours(j, j));
    EXPECT_EQ(intervalleDe("JUL 1850"), IntervalleJours(NumeroJour(1, 7, 1850), NumeroJour(31, 7, 1850)));
    EXPECT_EQ(intervalleDe("1850"), IntervalleJours(NumeroJour(1, 1, 1850), NumeroJour(31, 12, 1850)));
    // Le 31 d'un mois de 30 jours n'est pas corrigé : il passe au mois suivant.
    EXPECT_EQ(intervalleDe("JUN 1850").haut, NumeroJour(1, 7, 1850));
    // Vers : un an avant le 15 juillet ; avant : deux ans avant le 30 décembre ; après : deux ans.
    const std::int32_t juillet = NumeroJour(15, 7, 1850), decembre = NumeroJour(30, 12, 1850);
    EXPECT_EQ(intervalleDe("ABT 1850"), IntervalleJours(juillet - 365, juillet));
    EXPECT_EQ(intervalleDe("BEF 1850"), IntervalleJours(decembre - 730, decembre));
    EXPECT_EQ(intervalleDe("AFT 1850"), IntervalleJours(NumeroJour(1, 1, 1850), NumeroJour(1, 1, 1850) + 730));
    EXPECT_EQ(intervalleDe("ABT 3 MAR 1850").haut, NumeroJour(3, 3, 1850));
    EXPECT_EQ(intervalleDe("BEF FEB 1850").haut, NumeroJour(30, 2, 1850));

    EXPECT_EQ(intervalleDe("BET 1850 AND 1860"), IntervalleJours(NumeroJour(1, 1, 1850), NumeroJour(31, 12, 1860)));
    EXPECT_EQ(IntervalleJours(DateGed{}), IntervalleJours(0x7fffffff, 0x7fffffff));
    EXPECT_TRUE(IntervalleJours(date(DateVers, 15, 7, 0)).inconnu());
    EXPECT_TRUE(IntervalleJours(date(DateEntre, 0x3A, 0x07, 0)).inconnu());
    // Qualificatif inconnu : traité comme une date simple ; années « entre » inversées : remises.
    EXPECT_EQ(IntervalleJours(date(7, 0, 0, 1850)), intervalleDe("1850"));
    DateGed inverse = date(DateEntre, 0, 0, 1850);
    inverse.fixerPremiereAnnee(1860);
    EXPECT_EQ(IntervalleJours(inverse), intervalleDe("BET 1850 AND 1860"));
}
