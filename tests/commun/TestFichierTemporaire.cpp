#include "commun/FichierTemporaire.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <set>
#include <string>

#include "support/DossierEssai.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::lireFichier;

struct FichierTemporaireEssai : ::testing::Test {
    essai::DossierEssai dossier;
    const fs::path& dossier_ = dossier.chemin();
    static void ecrire(const FichierTemporaire& t, const std::string& octets) {
        ASSERT_EQ(::write(t.descripteur(), octets.data(), octets.size()), static_cast<ssize_t>(octets.size()));
    }
};

// Vide, 0600 même sans masque, lecture-écriture, fermé à l'exécution d'un autre programme.
TEST_F(FichierTemporaireEssai, creeUnFichierPriveNeufAChaqueFois) {
    const mode_t ancien = ::umask(0);
    FichierTemporaire t;
    const bool cree = t.creer(dossier_, "base", ".bin");
    ::umask(ancien);
    ASSERT_TRUE(cree);
    struct stat s {};
    ASSERT_EQ(::fstat(t.descripteur(), &s), 0);
    EXPECT_EQ(s.st_mode & 07777, 0600u);
    EXPECT_EQ(s.st_size, 0);
    EXPECT_EQ(t.chemin().parent_path(), dossier_);
    const std::string nom = t.chemin().filename().string();
    ASSERT_EQ(nom.size(), 4u + 6u + 4u);
    EXPECT_EQ(nom.substr(0, 4), "base");
    EXPECT_EQ(nom.substr(10), ".bin");
    EXPECT_TRUE(::fcntl(t.descripteur(), F_GETFD) & FD_CLOEXEC);
    EXPECT_EQ(::fcntl(t.descripteur(), F_GETFL) & O_ACCMODE, O_RDWR);
    std::set<fs::path> noms;
    std::vector<FichierTemporaire> ouverts(50);
    for (FichierTemporaire& o : ouverts) {
        ASSERT_TRUE(o.creer(dossier_, "meme"));
        noms.insert(o.chemin());
    }
    EXPECT_EQ(noms.size(), ouverts.size());
}

TEST_F(FichierTemporaireEssai, echoueSansRienCreerQuandLeDossierManqueOuQueLeNomSortDuDossier) {
    FichierTemporaire t;
    EXPECT_FALSE(t.creer(dossier_ / "absent", "x"));
    EXPECT_EQ(errno, ENOENT);
    EXPECT_FALSE(t.ouvert());
    EXPECT_FALSE(fs::exists(dossier_ / "absent"));
    EXPECT_FALSE(t.creer(dossier_, "../x"));
    EXPECT_EQ(errno, EINVAL);
    EXPECT_FALSE(t.creer(dossier_, "x", "/y"));
    std::ofstream(dossier_ / "fichier") << "pas un dossier";
    EXPECT_FALSE(t.creer(dossier_ / "fichier", "x"));
    EXPECT_EQ(dossier.noms().size(), 1u);
}

// Détruit sans renommer, il disparaît ; sans nom, il reste lisible ; libéré, il reste à l'appelant.
TEST_F(FichierTemporaireEssai, leNomSuitCeQuOnFaitDuFichier) {
    fs::path chemin;
    {
        FichierTemporaire t;
        ASSERT_TRUE(t.creer(dossier_, "x"));
        chemin = t.chemin();
        ecrire(t, "abc");
        EXPECT_TRUE(fs::exists(chemin));
    }
    EXPECT_FALSE(fs::exists(chemin));

    FichierTemporaire anonyme;
    ASSERT_TRUE(anonyme.creer(dossier_, "gen"));
    chemin = anonyme.chemin();
    anonyme.effacerNom();
    EXPECT_FALSE(fs::exists(chemin));
    ecrire(anonyme, "donnees");
    char lu[8] = {};
    EXPECT_EQ(::pread(anonyme.descripteur(), lu, 7, 0), 7);
    EXPECT_STREQ(lu, "donnees");

    FichierTemporaire libere;
    ASSERT_TRUE(libere.creer(dossier_, "x"));
    chemin = libere.chemin();
    const int fd = libere.liberer();
    EXPECT_FALSE(libere.ouvert());
    libere = FichierTemporaire();
    EXPECT_TRUE(fs::exists(chemin));
    EXPECT_EQ(::fcntl(fd, F_GETFD) & FD_CLOEXEC, FD_CLOEXEC);
    ::close(fd);
}

TEST_F(FichierTemporaireEssai, renommerRemplaceLaCibleEtUnLienSansLeSuivre) {
    const fs::path visee = dossier_ / "visee";
    std::ofstream(visee) << "à garder";
    const fs::path cible = dossier_ / "Config.dwa";
    fs::create_symlink(visee, cible);
    FichierTemporaire t;
    ASSERT_TRUE(t.creer(dossier_, "cfg"));
    ecrire(t, "neuf");
    ASSERT_TRUE(t.fermer());
    ASSERT_TRUE(t.renommer(cible));
    EXPECT_TRUE(t.chemin().empty());
    EXPECT_FALSE(fs::is_symlink(cible));
    EXPECT_EQ(lireFichier(cible), "neuf");
    EXPECT_EQ(lireFichier(visee), "à garder");
    EXPECT_EQ(dossier.noms().size(), 2u);
}

TEST_F(FichierTemporaireEssai, unRenommageImpossibleLaisseLeTemporaireAEffacer) {
    fs::create_directory(dossier_ / "occupe");
    std::ofstream(dossier_ / "occupe" / "f") << "x";
    FichierTemporaire t;
    ASSERT_TRUE(t.creer(dossier_, "x"));
    const fs::path chemin = t.chemin();
    ASSERT_TRUE(t.fermer());
    EXPECT_FALSE(t.renommer(dossier_ / "occupe"));
    EXPECT_EQ(t.chemin(), chemin);
    t = FichierTemporaire();
    EXPECT_FALSE(fs::exists(chemin));
    EXPECT_TRUE(fs::exists(dossier_ / "occupe" / "f"));
}

}  // namespace
}  // namespace lignara
