#include "commun/FichierTemporaire.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

namespace lignara {
namespace {

namespace fs = std::filesystem;

class FichierTemporaireEssai : public ::testing::Test {
protected:
    void SetUp() override {
        std::string modele = (fs::temp_directory_path() / "lignara-temporaire-XXXXXX").string();
        ASSERT_NE(::mkdtemp(modele.data()), nullptr);
        dossier_ = modele;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dossier_, ec);
    }
    std::string lire(const fs::path& p) {
        std::ifstream f(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    void ecrire(const FichierTemporaire& t, const std::string& octets) {
        ASSERT_EQ(::write(t.descripteur(), octets.data(), octets.size()), static_cast<ssize_t>(octets.size()));
    }
    fs::path dossier_;
};

TEST_F(FichierTemporaireEssai, creeUnFichierVideAuModeLectureEcritureDuSeulProprietaire) {
    const mode_t ancien = ::umask(0);  // même sans masque, personne d'autre n'y a accès
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
}

TEST_F(FichierTemporaireEssai, leDescripteurSeFermeALExecutionDUnAutreProgramme) {
    FichierTemporaire t;
    ASSERT_TRUE(t.creer(dossier_, "x"));
    const int drapeaux = ::fcntl(t.descripteur(), F_GETFD);
    ASSERT_GE(drapeaux, 0);
    EXPECT_TRUE(drapeaux & FD_CLOEXEC);
    const int acces = ::fcntl(t.descripteur(), F_GETFL) & O_ACCMODE;
    EXPECT_EQ(acces, O_RDWR);
}

TEST_F(FichierTemporaireEssai, chaqueCreationPrendUnNomNeuf) {
    std::set<fs::path> noms;
    std::vector<FichierTemporaire> ouverts(50);
    for (FichierTemporaire& t : ouverts) {
        ASSERT_TRUE(t.creer(dossier_, "meme"));
        noms.insert(t.chemin());
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
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier_), fs::directory_iterator()), 1);
}

TEST_F(FichierTemporaireEssai, detruitSansRenommerLeFichierDisparait) {
    fs::path chemin;
    {
        FichierTemporaire t;
        ASSERT_TRUE(t.creer(dossier_, "x"));
        chemin = t.chemin();
        ecrire(t, "abc");
        EXPECT_TRUE(fs::exists(chemin));
    }
    EXPECT_FALSE(fs::exists(chemin));
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
    EXPECT_EQ(lire(cible), "neuf");
    EXPECT_EQ(lire(visee), "à garder");
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier_), fs::directory_iterator()), 2);
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

TEST_F(FichierTemporaireEssai, unFichierAnonymeResteLisibleParSonDescripteur) {
    FichierTemporaire t;
    ASSERT_TRUE(t.creer(dossier_, "gen"));
    const fs::path chemin = t.chemin();
    t.effacerNom();
    EXPECT_FALSE(fs::exists(chemin));
    ecrire(t, "donnees");
    char lu[8] = {};
    EXPECT_EQ(::pread(t.descripteur(), lu, 7, 0), 7);
    EXPECT_STREQ(lu, "donnees");
}

TEST_F(FichierTemporaireEssai, libererRendDescripteurEtNomALAppelant) {
    FichierTemporaire t;
    ASSERT_TRUE(t.creer(dossier_, "x"));
    const fs::path chemin = t.chemin();
    const int fd = t.liberer();
    EXPECT_FALSE(t.ouvert());
    t = FichierTemporaire();
    EXPECT_TRUE(fs::exists(chemin));
    EXPECT_EQ(::fcntl(fd, F_GETFD) & FD_CLOEXEC, FD_CLOEXEC);
    ::close(fd);
}

}  // namespace
}  // namespace lignara
