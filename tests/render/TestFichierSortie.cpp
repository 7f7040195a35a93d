#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/DossierEssai.h"
#include "ProcessusEssai.h"
#include "render/FichierSortie.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace lignara;
using essai::DossierEssai;
using essai::lireFichier;

// Un fichier plus long est remplacé en entier ; l'écriture passe le tampon et revient compléter un en-tête.
TEST(FichierSortie, remplaceUnFichierOrdinaireAuDelaDeSonTamponEtCompleteUnEnTete) {
    DossierEssai d;
    const auto chemin = d.ecrire("a.htm", "ancien contenu bien plus long");
    FichierSortie f;
    ASSERT_TRUE(f.ouvrir(chemin));
    f.flux() << "neuf";
    EXPECT_TRUE(f.fermer());
    EXPECT_EQ(lireFichier(chemin), "neuf");

    ASSERT_TRUE(f.ouvrir(d / "g.pdf"));
    std::string attendu;
    for (int i = 0; i < 50000; ++i) attendu += static_cast<char>('a' + i % 26);
    f.flux() << "Longueur ????\n";
    for (char c : attendu) f.flux() << c;
    const auto fin = f.flux().tellp();
    f.flux().seekp(9);
    f.flux() << "4000";
    f.flux().seekp(fin);
    f.flux() << attendu;
    ASSERT_TRUE(f.fermer());
    EXPECT_EQ(lireFichier(d / "g.pdf"), "Longueur 4000\n" + attendu + attendu);
}

#ifndef _WIN32
// Un lien posé d'avance au nom du document n'est pas suivi : la cible reste intacte. Un tube déjà là ne
// bloque pas l'ouverture ; ni lui ni un dossier ne sont repris.
TEST(FichierSortie, refuseUnLienSymboliqueUnTubeOuUnDossier) {
    DossierEssai d;
    const auto cible = d.ecrire("cible", "secret");
    std::filesystem::create_symlink(cible, d / "AA_DUPONT.htm");
    std::filesystem::create_symlink(d / "absente", d / "pendant.htm");
    ASSERT_EQ(::mkfifo((d / "tube.htm").c_str(), 0600), 0);
    std::filesystem::create_directory(d / "dossier.htm");
    FichierSortie f;
    for (const char* nom : {"AA_DUPONT.htm", "pendant.htm", "tube.htm", "dossier.htm"})
        EXPECT_FALSE(f.ouvrir(d / nom)) << nom;
    EXPECT_FALSE(std::filesystem::exists(d / "absente"));
    EXPECT_EQ(lireFichier(cible), "secret");
}

// Le document remplace son nom par un renommage : l'autre nom d'un fichier à deux noms garde son contenu.
TEST(FichierSortie, neTouchePasLAutreNomDUnFichierADeuxNoms) {
    DossierEssai d;
    const auto cible = d.ecrire("cible", "secret");
    std::filesystem::create_hard_link(cible, d / "LD_X.rtf");
    FichierSortie f;
    ASSERT_TRUE(f.ouvrir(d / "LD_X.rtf"));
    f.flux() << "document";
    EXPECT_TRUE(f.fermer());
    EXPECT_EQ(lireFichier(cible), "secret");
    EXPECT_EQ(lireFichier(d / "LD_X.rtf"), "document");
}

TEST(FichierSortie, rienNePorteLeNomAvantLaFermetureEtUnAbandonNeLaisseRien) {
    DossierEssai d;
    const auto chemin = d.ecrire("a.htm", "ancien");
    {
        FichierSortie f;
        ASSERT_TRUE(f.ouvrir(chemin));
        f.flux() << std::string(100000, 'x') << std::flush;
        EXPECT_EQ(lireFichier(chemin), "ancien");
    }  // détruit sans fermer : le document a échoué
    EXPECT_EQ(lireFichier(chemin), "ancien");
    EXPECT_EQ(d.noms().size(), 1u);
}

TEST(FichierSortie, unEchecDEcritureEstRenduAvecSaCauseALaFermeture) {
    DossierEssai d;
    const auto chemin = d.ecrire("a.rtf", "ancien");
    const int code = essai::dansUnEnfant([&] {
        essai::bornerTailleFichiers(1000);
        FichierSortie f;
        if (!f.ouvrir(chemin)) return 1;
        f.flux() << std::string(50000, 'x');
        return !f.fermer() && f.cause() == "fichier trop volumineux pour le syst\xE8me" ? 0 : 2;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(lireFichier(chemin), "ancien");
}
#endif
