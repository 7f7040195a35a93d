#include "documents/statistiques/PageStatistique.h"

#include <gtest/gtest.h>

#include "render/FormatPapier.h"

namespace lignara {
namespace {

TEST(PageStatistique, pageDuPapierEtPagesEntieresQuandLeContenuDeborde) {
    ReglagesDessin r;  // marges de 352
    r.formatPapier = kA4Portrait;
    const PageStatistique a4 = PageStatistique::duPapier(r);
    EXPECT_EQ(std::pair(a4.largeur, a4.hauteur), std::pair(9072 - 704, 13024 - 704));
    // Deux pages : marges, cadre et contenu font 2 × 13024.
    EXPECT_EQ(a4.hauteurDessin(2 * 13024 - 704 - 704, r), 2 * 13024 - 704);
    EXPECT_EQ(a4.hauteurDessin(2 * 13024 - 704 - 703, r), 3 * 13024 - 704);

    r.formatPapier = kA4Paysage;
    const PageStatistique paysage = PageStatistique::duPapier(r);
    EXPECT_EQ(paysage.largeur, 13024 - 704);
    EXPECT_EQ(paysage.hauteurPage, 9072 / 176 * 176);

    // « Non paginé » : la page A4 portrait, qui s'allonge d'un seul tenant.
    r.formatPapier = kNonPagine;
    const PageStatistique libre = PageStatistique::duPapier(r);
    EXPECT_EQ(libre.hauteurDessin(20000, r), 20000 + PageStatistique::kDebutContenu);
    EXPECT_EQ(libre.reserveSignature, 0);  // sans ligne de signature, pas de bande
    r.polices.ligneSignature2 = "Famille Dupont";
    EXPECT_EQ(PageStatistique::duPapier(r).reserveSignature, 528 + 176);
}

TEST(PageStatistique, desMargesDemesureesLaissentUnePageUtilisable) {
    ReglagesDessin r;
    r.formatPapier = kA4Portrait;
    r.margeGauche = r.margeDroite = 5000;
    r.margeHaut = r.margeBas = 7000;
    const PageStatistique p = PageStatistique::duPapier(r);
    EXPECT_GE(p.largeur, 4000);
    EXPECT_GE(p.hauteur, 20 * 176);
    EXPECT_GT(p.hauteurDessin(100, r), 0);
}

}  // namespace
}  // namespace lignara
