#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "DossierEssai.h"
#include "render/FichierSortie.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace lignara;
using essai::DossierEssai;
using essai::lireFichier;

TEST(FichierSortie, creeEtRemplaceUnFichierOrdinaire) {
    DossierEssai d;
    const auto chemin = d.ecrire("a.htm", "ancien contenu bien plus long");
    FichierSortie f;
    ASSERT_TRUE(f.ouvrir(chemin));
    f.flux() << "neuf";
    EXPECT_TRUE(f.fermer());
    EXPECT_EQ(lireFichier(chemin), "neuf");
}

TEST(FichierSortie, ecritAuDelaDeSonTampon) {
    DossierEssai d;
    FichierSortie f;
    ASSERT_TRUE(f.ouvrir(d / "g.rtf"));
    std::string attendu;
    for (int i = 0; i < 50000; ++i) attendu += static_cast<char>('a' + i % 26);
    for (char c : attendu) f.flux() << c;
    f.flux() << attendu;
    EXPECT_TRUE(f.fermer());
    EXPECT_EQ(lireFichier(d / "g.rtf"), attendu + attendu);
}

#ifndef _WIN32
// Un lien posé d'avance au nom du document n'est pas suivi : la cible reste intacte.
TEST(FichierSortie, refuseDEcrireAuTraversDUnLienSymbolique) {
    DossierEssai d;
    const auto cible = d.ecrire("cible", "secret");
    std::filesystem::create_symlink(cible, d / "AA_DUPONT.htm");
    FichierSortie f;
    EXPECT_FALSE(f.ouvrir(d / "AA_DUPONT.htm"));
    std::filesystem::create_symlink(d / "absente", d / "pendant.htm");
    EXPECT_FALSE(f.ouvrir(d / "pendant.htm"));
    EXPECT_FALSE(std::filesystem::exists(d / "absente"));
    EXPECT_EQ(lireFichier(cible), "secret");
}

TEST(FichierSortie, refuseUnSecondNomDUnAutreFichier) {
    DossierEssai d;
    const auto cible = d.ecrire("cible", "secret");
    std::filesystem::create_hard_link(cible, d / "LD_X.rtf");
    FichierSortie f;
    EXPECT_FALSE(f.ouvrir(d / "LD_X.rtf"));
    EXPECT_EQ(lireFichier(cible), "secret");
}

// Un tube déjà là ne bloque pas l'ouverture ; ni lui ni un dossier ne sont repris.
TEST(FichierSortie, refuseCeQuiNEstPasUnFichierOrdinaire) {
    DossierEssai d;
    ASSERT_EQ(::mkfifo((d / "tube.htm").c_str(), 0600), 0);
    std::filesystem::create_directory(d / "dossier.htm");
    FichierSortie f;
    EXPECT_FALSE(f.ouvrir(d / "tube.htm"));
    EXPECT_FALSE(f.ouvrir(d / "dossier.htm"));
}
#endif

// Le document ne prend son nom qu'une fois écrit en entier : un échec laisse l'ancien fichier,
// un objet détruit sans fermer() ne laisse rien, et aucun temporaire ne traîne.
TEST(FichierSortie, neRemplaceLAncienFichierQuUneFoisEcritEnEntier) {
    DossierEssai d;
    const auto chemin = d.ecrire("LA_X.txt", "ancien");
    {
        FichierSortie f;
        ASSERT_TRUE(f.ouvrir(chemin));
        f.flux() << "à moitié";
        EXPECT_EQ(lireFichier(chemin), "ancien");
    }
    EXPECT_EQ(lireFichier(chemin), "ancien");
    {
        FichierSortie f;
        ASSERT_TRUE(f.ouvrir(d / "neuf.txt"));
        f.flux() << "x";
        EXPECT_FALSE(std::filesystem::exists(d / "neuf.txt"));
        EXPECT_TRUE(f.fermer());
    }
    EXPECT_EQ(lireFichier(d / "neuf.txt"), "x");
    std::size_t fichiers = 0;
    for (const auto& e : std::filesystem::directory_iterator(d.chemin())) fichiers += e.is_regular_file();
    EXPECT_EQ(fichiers, 2u);
}
