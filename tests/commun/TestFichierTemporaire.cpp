#include "commun/FichierTemporaire.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <set>

#include "support/DossierEssai.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::lireFichier;
const auto poser = essai::ecrireFichier;

struct FichierTemporaireEssai : ::testing::Test {
    essai::DossierEssai dossier;
    const fs::path& dossier_ = dossier.chemin();
    static void ecrire(const FichierTemporaire& t, const std::string& octets) {
        ASSERT_EQ(::write(t.descripteur(), octets.data(), octets.size()), static_cast<ssize_t>(octets.size()));
    }
};

// 0600 même sans masque, fermé à l'exécution d'un autre programme, jamais deux fois le même nom.
TEST_F(FichierTemporaireEssai, creeUnFichierPriveNeufAChaqueFoisOuEchoueSansRienCreer) {
    const mode_t ancien = ::umask(0);
    FichierTemporaire t;
    const bool cree = t.creer(dossier_, "base", ".bin");
    ::umask(ancien);
    ASSERT_TRUE(cree);
    EXPECT_EQ(fs::status(t.chemin()).permissions(), fs::perms{0600});
    EXPECT_EQ(t.chemin().parent_path(), dossier_);
    const std::string nom = t.chemin().filename().string();
    EXPECT_TRUE(nom.size() == 4u + 6u + 4u && nom.starts_with("base") && nom.ends_with(".bin")) << nom;
    EXPECT_TRUE(::fcntl(t.descripteur(), F_GETFD) & FD_CLOEXEC);
    std::set<fs::path> noms;
    std::vector<FichierTemporaire> ouverts(50);
    for (FichierTemporaire& o : ouverts) noms.insert(o.creer(dossier_, "meme") ? o.chemin() : fs::path());
    EXPECT_EQ(noms.size(), ouverts.size());
    // Échoue sans rien créer quand le dossier manque ou que le nom sort du dossier.
    FichierTemporaire rate;
    EXPECT_FALSE(rate.creer(dossier_ / "absent", "x"));
    EXPECT_FALSE(rate.ouvert());
    EXPECT_FALSE(rate.creer(dossier_, "../x"));
    EXPECT_FALSE(rate.creer(dossier_, "x", "/y"));
    poser(dossier_ / "fichier", "pas un dossier");
    EXPECT_FALSE(rate.creer(dossier_ / "fichier", "x"));
    EXPECT_EQ(dossier.noms().size(), ouverts.size() + 2);  // les ouverts, t et « fichier » seulement
}

// Détruit sans renommer, il disparaît ; sans nom, il reste lisible ; libéré, il reste à l'appelant.
TEST_F(FichierTemporaireEssai, leNomSuitCeQuOnFaitDuFichier) {
    fs::path chemin;
    {
        FichierTemporaire t;
        ASSERT_TRUE(t.creer(dossier_, "x"));
        chemin = t.chemin();
    }
    EXPECT_FALSE(fs::exists(chemin));

    FichierTemporaire anonyme;
    ASSERT_TRUE(anonyme.creer(dossier_, "gen"));
    chemin = anonyme.chemin();
    anonyme.effacerNom();
    EXPECT_FALSE(fs::exists(chemin));
    ecrire(anonyme, "donnees");  // toujours ouvert et inscriptible

    FichierTemporaire libere;
    ASSERT_TRUE(libere.creer(dossier_, "x"));
    chemin = libere.chemin();
    const int fd = libere.liberer();
    libere = FichierTemporaire();
    EXPECT_TRUE(fs::exists(chemin));
    EXPECT_EQ(::close(fd), 0);
}

TEST_F(FichierTemporaireEssai, renommerRemplaceLaCibleEtUnLienSansLeSuivreOuLaisseLeTemporaireAEffacer) {
    const fs::path visee = dossier_ / "visee";
    poser(visee, "à garder");
    const fs::path cible = dossier_ / "Config.dwa";
    fs::create_symlink(visee, cible);
    FichierTemporaire t;
    ASSERT_TRUE(t.creer(dossier_, "cfg"));
    ecrire(t, "neuf");
    ASSERT_TRUE(t.fermer());
    ASSERT_TRUE(t.renommer(cible));
    EXPECT_EQ(lireFichier(cible), "neuf");
    EXPECT_EQ(lireFichier(visee), "à garder");
    EXPECT_EQ(dossier.noms().size(), 2u);  // le lien est remplacé, aucun temporaire ne reste
    // Un renommage impossible laisse le temporaire, effacé avec lui.
    fs::create_directory(dossier_ / "occupe");
    poser(dossier_ / "occupe" / "f", "x");
    FichierTemporaire occupe;
    ASSERT_TRUE(occupe.creer(dossier_, "x"));
    const fs::path chemin = occupe.chemin();
    ASSERT_TRUE(occupe.fermer());
    EXPECT_FALSE(occupe.renommer(dossier_ / "occupe"));
    EXPECT_EQ(occupe.chemin(), chemin);
    occupe = FichierTemporaire();
    EXPECT_FALSE(fs::exists(chemin));
}

}  // namespace
}  // namespace lignara
