// « Recents.txt » : les huit derniers fichiers ouverts par la fenêtre, le plus récent d'abord.
#include <gtest/gtest.h>

#include "reglages/DossierEssai.h"
#include "reglages/FichiersRecents.h"
#include "support/AlterationsStockees.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;

TEST(FichiersRecents, gardeHuitFichiersSansDoublonSeRelitSeRangeEtUnContenuAbimeNeDonneQueDesCheminsAbsolus) {
    FichiersRecents r;
    for (int i = 1; i <= 10; ++i) r.retenir("/g/f" + std::to_string(i) + ".ged");
    r.retenir("/g/f5.ged");
    r.retenir("relatif.ged");  // refusés : relatif, saut de ligne
    r.retenir("/g/saut\nde ligne.ged");
    ASSERT_EQ(r.liste().size(), 8u);
    EXPECT_EQ(r.liste()[0], fs::path("/g/f5.ged"));
    EXPECT_EQ(r.liste()[1], fs::path("/g/f10.ged"));
    EXPECT_EQ(r.liste().back(), fs::path("/g/f3.ged"));
    r.oublier("/g/f5.ged");
    EXPECT_EQ(r.liste().front(), fs::path("/g/f10.ged"));
    r = FichiersRecents();
    r.retenir("/b/deux.ged");
    r.retenir("/a/Généalogie/un.ged");
    EXPECT_EQ(r.ecrire(), "/a/Généalogie/un.ged\n/b/deux.ged\n");
    const std::string trop = "/" + std::string(5000, 'x');
    EXPECT_EQ(FichiersRecents::lire("\nrelatif.ged\n/a.ged\n/a.ged\n" + trop + "\n/b.ged").liste(),
              (std::vector<fs::path>{"/a.ged", "/b.ged"}));
    FichiersRecents trois;
    for (const char* c : {"/h/a.ged", "/h/b.fged", "/home/x/y/z.ged"}) trois.retenir(c);
    const std::string complet = trois.ecrire();
    auto verifier = [](const std::string& o) {
        const auto liste = FichiersRecents::lire(o).liste();  // copiée : celle d'un temporaire ne survit pas
        EXPECT_LE(liste.size(), 3u);
        for (std::size_t i = 0; i < liste.size(); ++i) {
            EXPECT_TRUE(liste[i].is_absolute());
            for (std::size_t j = 0; j < i; ++j) EXPECT_NE(liste[i], liste[j]);
        }
    };
    essai::pourChaqueTroncature(complet, verifier);
    essai::pourDesOctetsAlteres(complet, 8, 500, 1, verifier);
    // Rangée puis relue dans l'ordre, accents compris.
    essai::DossierEssai dossier;
    ASSERT_TRUE(r.enregistrer(dossier.chemin()));
    EXPECT_EQ(dossier.noms(), std::vector<std::string>{"Recents.txt"});
    EXPECT_EQ(FichiersRecents::charger(dossier.chemin()).liste(), r.liste());
    EXPECT_FALSE(r.enregistrer(dossier / "absent"));
}

}  // namespace
}  // namespace lignara
