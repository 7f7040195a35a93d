#include "documents/NommageFichier.h"

#include <filesystem>
#include <fstream>
#include <tuple>
#include <vector>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "commun/OperationImpossible.h"
#include "documents/Afficheur.h"
#include "session/NettoyageDocuments.h"
#include "commun/Texte.h"
#include "reglages/DossierEssai.h"
#include "support/DossierEssai.h"
#include "support/Message.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;

std::string nomSeul(const Graphique& g) { return fs::path(g.chemin).filename().string(); }

TEST(NommageFichier, nomAvecParticuleEtSecondFichierNumerote) {
    essai::DossierEssai d;
    Graphique g;
    nommerFichier(g, d.chemin(), "AA_", "D'ARC (de)");
    EXPECT_TRUE(fs::exists(g.chemin));  // le nom est réservé tout de suite
    std::vector<std::string> noms{nomSeul(g)};
    for (int i = 0; i < 2; ++i) nommerFichier(g, d.chemin(), "AA_", "D'ARC (de)"), noms.push_back(nomSeul(g));
    EXPECT_EQ(noms, (std::vector<std::string>{"AA_D-ARC--de-.pdf", "AA_D-ARC--de-1.pdf", "AA_D-ARC--de-2.pdf"}));
}

TEST(NommageFichier, unLienPoseDAvanceNEstPasSuivi) {
    essai::DossierEssai d;
    fs::path cible = d / "cible.txt";
    { std::ofstream(cible) << "à garder"; }
    fs::create_symlink(cible, d / "AA_DUPONT.pdf");
    Graphique g;
    nommerFichier(g, d.chemin(), "AA_", "DUPONT");
    EXPECT_EQ(nomSeul(g), "AA_DUPONT1.pdf");
    // Même un chemin imposé sur le lien, refusé dès qu'il est donné.
    EXPECT_EQ(essai::messageDe([&] { imposerFichier(g, d / "AA_DUPONT.pdf"); }),
              "Ecriture impossible dans le fichier\n" + (d / "AA_DUPONT.pdf").string() + "\nLien symbolique refus\xE9");
    EXPECT_EQ(essai::lireFichier(cible), "à garder");
}

TEST(NommageFichier, unCheminImposeNEstPasTouchePlusTot) {
    essai::DossierEssai d;
    { std::ofstream(d / "arbre.pdf") << "version précédente"; }
    Graphique g;
    imposerFichier(g, d / "arbre.pdf");
    EXPECT_EQ(g.chemin, (d / "arbre.pdf").string());
    EXPECT_EQ(essai::lireFichier(d / "arbre.pdf"), "version précédente");  // remplacé quand le document est écrit
    ASSERT_EQ(::mkfifo((d / "tube.pdf").c_str(), 0600), 0);
    EXPECT_THROW(imposerFichier(g, d / "tube.pdf"), OperationImpossible);
    EXPECT_THROW(imposerFichier(g, "/dev/full"), OperationImpossible);
}

TEST(NommageFichier, laReservationDUnDocumentEchoueSEffaceSeuleEtJamaisUnFichierEcrit) {
    essai::DossierEssai d;
    Graphique g;
    nommerFichier(g, d.chemin(), "AA_", "DUPONT");
    effacerReservation(g.chemin);
    EXPECT_FALSE(fs::exists(g.chemin));
    { std::ofstream(d / "AA_ECRIT.pdf") << "%PDF"; }
    effacerReservation(d / "AA_ECRIT.pdf");
    EXPECT_TRUE(fs::exists(d / "AA_ECRIT.pdf"));
}

TEST(NommageFichier, cheminTropLongRaccourcitLeNom) {
    essai::DossierEssai d;
    Graphique g;
    nommerFichier(g, d.chemin(), "LA_", std::string(400, 'X'));
    EXPECT_LE(g.chemin.size(), Graphique::kLongueurCheminMax);
    EXPECT_TRUE(nomSeul(g).starts_with("LA_XXX"));
}

TEST(NettoyageDocuments, effaceLesDocumentsEtGardeLeReste) {
    essai::DossierEssai d;
    for (const char* nom :
         {"AA_DUPONT.pdf", "LD_.txt", "TA_X1.rtf", "LE_.htm", "AA_DUPONT.doc", "XX_A.pdf", "base.bin", "AADUPONT.pdf"})
        std::ofstream(d / nom) << "x";
    fs::create_directory(d / "SA_dossier.pdf");
    fs::path dehors = d / "dehors.txt";
    std::ofstream(dehors) << "x";
    fs::create_symlink(dehors, d / "CL_lien.txt");
    EXPECT_EQ(nettoyerDocuments(d.chemin(), prefixesDocuments()), 4u);
    EXPECT_TRUE(fs::exists(dehors));
    EXPECT_TRUE(fs::is_symlink(d / "CL_lien.txt"));  // un lien n'est pas à nous : il reste
    for (const char* reste : {"AA_DUPONT.doc", "XX_A.pdf", "base.bin", "AADUPONT.pdf", "SA_dossier.pdf"})
        EXPECT_TRUE(fs::exists(d / reste)) << reste;
    EXPECT_EQ(nettoyerDocuments("/dossier/absent", prefixesDocuments()), 0u);
}

}  // namespace
}  // namespace lignara
