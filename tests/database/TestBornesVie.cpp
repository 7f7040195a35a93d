#include <gtest/gtest.h>

#include "database/BornesVie.h"
#include "support/DateEssai.h"

using namespace lignara;

namespace {

using essai::date;

// Durées ajoutées au décès estimé d'une personne née le jour donné (naissance exacte).
std::pair<std::int32_t, std::int32_t> dureesAjoutees(int jour, int mois, int annee) {
    const BornesVie b = BornesVie::calculer(date(DateSimple, jour, mois, annee), 1234, DateGed{});
    const std::int32_t n = NumeroJour(jour, mois, annee);
    EXPECT_EQ(b.naissance, IntervalleJours(n, n));
    return {b.deces.bas - n, b.deces.haut - n};
}

}  // namespace

TEST(BornesVie, laDureeDeVieTypeChangeAuxPremiersJanvier1800_1900_1950) {
    using P = std::pair<std::int32_t, std::int32_t>;
    EXPECT_EQ(dureesAjoutees(31, 12, 1799), (P{16425, 23725}));
    EXPECT_EQ(dureesAjoutees(1, 1, 1800), (P{20075, 27375}));
    EXPECT_EQ(dureesAjoutees(1, 1, 1900), (P{23725, 31025}));
    EXPECT_EQ(dureesAjoutees(1, 1, 1950), (P{27375, 34675}));
    EXPECT_EQ(dureesAjoutees(1, 1, -500), (P{16425, 23725}));
}

// Naissance estimée (1850 : « vers le 1er juillet », un an jusqu'à cette date) ou vers 1800 (la borne basse, avant
// 1800, choisit la ligne) ; un décès connu prime ; sans naissance ni estimation, pas de durée ajoutée à l'inconnu.
TEST(BornesVie, naissanceEstimeeOuApprocheeDecesConnuEtInconnu) {
    const BornesVie b = BornesVie::calculer(DateGed{}, 1850, DateGed{});
    EXPECT_EQ(b.naissance.haut, NumeroJour(1, 7, 1850));
    EXPECT_EQ(b.naissance.bas, NumeroJour(1, 7, 1850) - 365);
    EXPECT_EQ(b.deces.bas, b.naissance.bas + 20075);
    EXPECT_EQ(b.deces.haut, b.naissance.haut + 27375);
    EXPECT_EQ(BornesVie::calculer(date(DateSimple, 12, 3, 0), 1850, DateGed{}).naissance, b.naissance);
    const BornesVie vers = BornesVie::calculer(date(DateVers, 0, 0, 1800), 9999, DateGed{});
    EXPECT_EQ(vers.deces.bas, vers.naissance.bas + 16425);
    EXPECT_EQ(vers.deces.haut, vers.naissance.haut + 23725);
    const DateGed deces = date(DateAvant, 0, 0, 1900);
    EXPECT_EQ(BornesVie::calculer(date(DateSimple, 1, 1, 1850), 1850, deces).deces, IntervalleJours(deces));
    const BornesVie inconnu = BornesVie::calculer(DateGed{}, kSansEstimation, DateGed{});
    EXPECT_TRUE(inconnu.naissance.inconnu());
    EXPECT_EQ(inconnu.deces.haut, kJourInconnu);
    EXPECT_EQ(BornesVie::calculer(DateGed{}, kSansEstimation, deces).deces, IntervalleJours(deces));
}
