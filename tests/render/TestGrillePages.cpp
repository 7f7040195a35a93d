#include <array>

#include <gtest/gtest.h>

#include "commun/OperationImpossible.h"
#include "render/FormatPapier.h"
#include "render/GrillePages.h"

using namespace lignara;

namespace {

FormatPapier format(std::int16_t id) { return *formatPapier(id); }

// Colonnes puis rangées, début et fin.
std::array<std::int32_t, 4> bornes(const PlagePages& p) {
    return {p.colonneDebut, p.colonneFin, p.rangeeDebut, p.rangeeFin};
}

}  // namespace

// Les zones utiles de l'A4 (portrait et paysage) sont vérifiées par les grilles ci-dessous.
TEST(FormatPapier, chaqueFormatPortraitCompteDesLignesEntieresEtUnIdentifiantInconnuNEstPasPagine) {
    for (const FormatPapier& f : formatsPapier())
        if (f.estPagine() && f.largeurUtile < f.hauteurUtile) {
            EXPECT_EQ(f.hauteurUtile % 176, 0) << f.identifiant;
        }
    EXPECT_FALSE(formatPapier(1701));
    EXPECT_EQ(formatPapierOuNonPagine(1719).identifiant, kNonPagine);
}

TEST(FormatPapier, seTrouveParSonNomSansEgardALaCasseAuxAccentsNiAuxBlancs) {
    EXPECT_EQ(formatPapierDeNom("  a4   PAYSAGE ")->identifiant, kA4Paysage);
    EXPECT_EQ(formatPapierDeNom("non PAGINE")->identifiant, kNonPagine);
    for (const char* autre : {"", "A4", "A5 portrait", "A4portrait", "1707", "Letter"})
        EXPECT_FALSE(formatPapierDeNom(autre)) << autre;
    // Chaque format se retrouve par le nom que le menu montre.
    for (const FormatPapier& f : formatsPapier()) EXPECT_EQ(formatPapierDeNom(f.nom)->identifiant, f.identifiant);
}

TEST(GrillePages, A4PortraitPasseADeuxColonnesAUneUniteDePlus) {
    GrillePages juste(format(kA4Portrait), 100, 9072, 13024), plus(format(kA4Portrait), 100, 9073, 13025);
    EXPECT_EQ(juste.colonnes(), 1);
    EXPECT_EQ(plus.colonnes(), 2);
    EXPECT_EQ(plus.largeurPage(), 9072);
}

TEST(GrillePages, lEtirementNAgitQueSurLesLargeursEtLaHauteurSeCoupeAuxLignes) {
    GrillePages g(format(kA4Paysage), 80, 30000, 20000);
    EXPECT_EQ(g.largeurPage(), 16280);  // 13024 ÷ 0,8
    EXPECT_EQ(g.hauteurPage(), 8976);   // 9072 coupé à 51 lignes
    EXPECT_EQ(g.colonnes(), 2);
    EXPECT_EQ(g.rangees(), 3);
}

TEST(GrillePages, nonPagineFaitUneSeulePageDeToutLeDessin) {
    GrillePages g(format(kNonPagine), 80, 20000, 5000);
    EXPECT_EQ(g.colonnes(), 1);
    EXPECT_EQ(g.largeurPage(), 20001);
    EXPECT_EQ(g.largeurUtile(), 16001);  // 20001 × 0,8 tronqué, plus 1
    EXPECT_EQ(g.hauteurPage(), 5001);
    EXPECT_EQ(bornes(g.plage(0, 0, 20000, 5000)), (std::array<std::int32_t, 4>{0, 0, 0, 0}));
}

TEST(GrillePages, unDessinDeTailleNulleNAAucunePage) {
    for (auto [l, h] : {std::pair{0, 5000}, std::pair{5000, 0}, std::pair{-3, -3}}) {
        for (std::int16_t id : {kNonPagine, kA4Portrait}) {
            GrillePages g(format(id), 100, l, h);
            EXPECT_EQ(g.nombreEntrees(), 0);
            EXPECT_TRUE(g.plage(0, 0, 100, 100).estVide());
        }
    }
}

TEST(GrillePages, laPlageDUneBoiteSuitLesPagesQuElleTouche) {
    GrillePages g(format(kA4Portrait), 100, 9072 * 3, 13024 * 2);
    using B = std::array<std::int32_t, 4>;
    EXPECT_EQ(bornes(g.plage(9000, 100, 9100, 13100)), (B{0, 1, 0, 1}));  // à cheval sur deux colonnes et rangées
    EXPECT_EQ(bornes(g.plage(9100, 13100, 9000, 100)), (B{0, 1, 0, 1}));  // bornes inversées
    EXPECT_EQ(bornes(g.plage(100000, 100000, 200000, 200000)), (B{2, 2, 1, 1}));  // au-delà : dernière page
    EXPECT_EQ(bornes(g.plage(-500, -20, 10, 20)), (B{0, 0, 0, 0}));               // déborde à gauche et en bas
    EXPECT_TRUE(g.plage(-500, 10, -1, 20).estVide());
}

TEST(GrillePages, lesPagesSeSuiventColonneParColonneDuHautVersLeBas) {
    GrillePages g(format(kA4Portrait), 100, 9072 * 2, 13024 * 3);
    EXPECT_EQ(g.entree(0, 2), 0);
    EXPECT_EQ(g.entree(0, 0), 2);
    EXPECT_EQ(g.entree(1, 2), 3);
    EXPECT_EQ(g.translationX(1), -567);
    EXPECT_EQ(g.translationY(2), -1628);
}

TEST(GrillePages, refuseUneGrilleTropGrandePourLeTableau) {
    EXPECT_THROW(GrillePages(format(kA4Portrait), 100, 2'000'000'000, 13024), OperationImpossible);
    GrillePages g(format(1703), 100, 1'000'000'000, 13024);  // A0 : 26 529 colonnes tiennent
    EXPECT_EQ(g.colonnes(), 26529);
}
