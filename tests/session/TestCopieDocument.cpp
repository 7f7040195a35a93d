// « Enregistrer sous... » : la copie du dernier document remplace la cible d'un coup, sans
// suivre de lien, et un échec laisse la cible telle qu'elle était.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <string>

#include "commun/OperationImpossible.h"
#include "support/DossierEssai.h"
#include "support/Message.h"
#include "session/CopieDocument.h"

namespace lignara {
namespace {

using essai::DossierEssai;
namespace fs = std::filesystem;

const auto lire = essai::lireFichier;
const auto ecrire = essai::ecrireFichier;

TEST(CopieDocument, copieLesOctetsLisiblesParTousEtRemplaceUnFichierExistant) {
    DossierEssai sortie, destination;
    std::string document = "%PDF-1.7\n";
    for (int i = 0; i < 20000; ++i) document += static_cast<char>(i * 7);  // plus grand qu'un tampon
    ecrire(sortie / "AA_Dupont.pdf", document);
    ecrire(destination / "arbre.pdf", "ancien");
    copierDocument(sortie / "AA_Dupont.pdf", destination / "arbre.pdf");
    EXPECT_TRUE(lire(destination / "arbre.pdf") == document);
    struct stat s {};
    ASSERT_EQ(::stat((destination / "arbre.pdf").c_str(), &s), 0);
    EXPECT_EQ(s.st_mode & 0777, 0644u);
    EXPECT_EQ(destination.noms(), std::vector<std::string>{"arbre.pdf"});  // pas de temporaire laissé
}

TEST(CopieDocument, unLienALaPlaceDeLaCibleEstRemplaceSansEtreSuivi) {
    DossierEssai sortie, destination;
    ecrire(sortie / "LD_Roy.txt", "liste");
    ecrire(destination / "leurre.txt", "à garder");
    fs::create_symlink(destination / "leurre.txt", destination / "liste.txt");
    copierDocument(sortie / "LD_Roy.txt", destination / "liste.txt");
    EXPECT_FALSE(fs::is_symlink(destination / "liste.txt"));
    EXPECT_EQ(lire(destination / "liste.txt"), "liste");
    EXPECT_EQ(lire(destination / "leurre.txt"), "à garder");
}

TEST(CopieDocument, unEchecLeDitEtLaisseLaCibleIntacte) {
    DossierEssai sortie, destination;
    ecrire(sortie / "AA_Roy.pdf", "%PDF");
    fs::create_directory(destination / "dossier.pdf");
    EXPECT_THROW(copierDocument(sortie / "AA_Roy.pdf", destination / "dossier.pdf"), OperationImpossible);
    EXPECT_TRUE(fs::is_directory(destination / "dossier.pdf"));
    EXPECT_EQ(destination.noms(), std::vector<std::string>{"dossier.pdf"});
    EXPECT_EQ(essai::messageDe([&] { copierDocument(sortie / "AA_Roy.pdf", destination / "absent" / "a.pdf"); }),
              "Enregistrement impossible du fichier\n" + (destination / "absent" / "a.pdf").string());
    EXPECT_THROW(copierDocument(sortie / "absent.pdf", destination / "b.pdf"), OperationImpossible);
    EXPECT_FALSE(fs::exists(destination / "b.pdf"));
}

}  // namespace
}  // namespace lignara
