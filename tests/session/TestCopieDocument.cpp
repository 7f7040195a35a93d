// « Enregistrer sous... » : la copie du dernier document remplace la cible d'un coup, sans
// suivre de lien, et un échec laisse la cible telle qu'elle était.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "commun/OperationImpossible.h"
#include "support/DossierEssai.h"
#include "support/Message.h"
#include "session/CopieDocument.h"

namespace lignara {
namespace {

using essai::DossierEssai;
using essai::lireFichier;
namespace fs = std::filesystem;

TEST(CopieDocument, copieLesOctetsLisiblesParTousEtRemplaceUnFichierExistant) {
    DossierEssai sortie, destination;
    std::string document = "%PDF-1.7\n";
    for (int i = 0; i < 20000; ++i) document += static_cast<char>(i * 7);  // plus grand qu'un tampon
    copierDocument(sortie.ecrire("AA_Dupont.pdf", document), destination.ecrire("arbre.pdf", "ancien"));
    EXPECT_TRUE(lireFichier(destination / "arbre.pdf") == document);
    struct stat s {};
    ASSERT_EQ(::stat((destination / "arbre.pdf").c_str(), &s), 0);
    EXPECT_EQ(s.st_mode & 0777, 0644u);
    EXPECT_EQ(destination.noms(), std::vector<std::string>{"arbre.pdf"});  // pas de temporaire laissé
}

TEST(CopieDocument, unLienALaPlaceDeLaCibleEstRemplaceSansEtreSuivi) {
    DossierEssai sortie, destination;
    fs::create_symlink(destination.ecrire("leurre.txt", "à garder"), destination / "liste.txt");
    copierDocument(sortie.ecrire("LD_Roy.txt", "liste"), destination / "liste.txt");
    EXPECT_EQ(lireFichier(destination / "liste.txt"), "liste");
    EXPECT_EQ(lireFichier(destination / "leurre.txt"), "à garder");
}

TEST(CopieDocument, unEchecLeDitEtLaisseLaCibleIntacte) {
    DossierEssai sortie, destination;
    const auto document = sortie.ecrire("AA_Roy.pdf", "%PDF");
    fs::create_directory(destination / "dossier.pdf");
    EXPECT_THROW(copierDocument(document, destination / "dossier.pdf"), OperationImpossible);
    EXPECT_EQ(destination.noms(), std::vector<std::string>{"dossier.pdf"});
    EXPECT_EQ(essai::messageDe([&] { copierDocument(document, destination / "absent" / "a.pdf"); }),
              "Enregistrement impossible du fichier\n" + (destination / "absent" / "a.pdf").string());
}

}  // namespace
}  // namespace lignara
