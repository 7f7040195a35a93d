// Le rédacteur unique : remplacement d'un coup, liens, disque plein et taille bornée, arrêt brutal.
#include "commun/EcritureFichier.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>

#include "ProcessusEssai.h"
#include "commun/CauseErreur.h"
#include "commun/OperationImpossible.h"
#include "commun/RestesTemporaires.h"
#include "commun/Texte.h"
#include "support/DossierEssai.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::DossierEssai;
using Liens = EcritureFichier::Liens;

using essai::lireFichier;
const auto poser = essai::ecrireFichier;

unsigned mode(const fs::path& p) { return static_cast<unsigned>(fs::symlink_status(p).permissions()); }

class EcritureFichierEssai : public ::testing::Test {
protected:
    DossierEssai d;
};

TEST_F(EcritureFichierEssai, remplaceLaCibleDUnCoupEnGardantSesDroitsMemeApresUnAbandonEtCopieParMorceaux) {
    poser(d / "a.txt", "ancien");
    ::chmod((d / "a.txt").c_str(), 0640);
    EcritureFichier f;
    ASSERT_TRUE(f.ouvrir(d / "a.txt"));
    ASSERT_TRUE(f.ecrire("nou"));
    EXPECT_EQ(lireFichier(d / "a.txt"), "ancien");  // rien sous le nom avant la fin
    ASSERT_TRUE(f.ecrire("veau"));
    ASSERT_TRUE(f.terminer());
    EXPECT_EQ(lireFichier(d / "a.txt"), "nouveau");
    EXPECT_EQ(mode(d / "a.txt"), 0640u);
    {  // abandonnée sans terminer : la cible reste entière, aucun temporaire ne traîne
        EcritureFichier abandon;
        ASSERT_TRUE(abandon.ouvrir(d / "a.txt") && abandon.ecrire("moitié"));
    }
    EXPECT_EQ(lireFichier(d / "a.txt"), "nouveau");
    EXPECT_EQ(d.noms(), std::vector<std::string>{"a.txt"});
    // Un nouveau fichier privé n'est lisible que par l'utilisateur, quel que soit le masque.
    EcritureFichier prive;
    ASSERT_TRUE(prive.ouvrir(d / "prive", Liens::refuses, EcritureFichier::Droits::prives) && prive.terminer());
    EXPECT_EQ(mode(d / "prive"), 0600u);
    // Copie d'un fichier par morceaux, refusée vers un lien.
    std::string gros(3 << 20, '\0');
    for (std::size_t i = 0; i < gros.size(); ++i) gros[i] = static_cast<char>(i * 7);
    poser(d / "source", gros);
    copierVersFichier(d / "source", d / "copie");
    EXPECT_EQ(lireFichier(d / "copie"), gros);
    fs::create_symlink(d / "source", d / "lien");
    EXPECT_THROW(copierVersFichier(d / "copie", d / "lien"), OperationImpossible);
    EXPECT_EQ(lireFichier(d / "source"), gros);
}

TEST_F(EcritureFichierEssai, refuseUnLienUneCibleQuiNEstPasUnFichierOrdinaireOuUnDossierAbsent) {
    poser(d / "leurre", "à garder");
    fs::create_symlink(d / "leurre", d / "lien");
    EcritureFichier f;
    EXPECT_FALSE(f.ouvrir(d / "lien"));
    EXPECT_EQ(f.message(), "Ecriture impossible dans le fichier\n" + depuisUtf8((d / "lien").string()) +
                               "\nLien symbolique refus\xE9");
    EXPECT_EQ(lireFichier(d / "leurre"), "à garder");
    EXPECT_THROW(ecrireFichier(d / "lien", "x"), OperationImpossible);
    // Une cible qui n'est pas un fichier ordinaire, ou un dossier absent : leur cause.
    ASSERT_EQ(::mkfifo((d / "tube").c_str(), 0600), 0);
    EcritureFichier cible;
    EXPECT_FALSE(cible.ouvrir(d / "tube"));
    EXPECT_EQ(cible.erreur(), kErreurPasFichierOrdinaire);
    EXPECT_FALSE(cible.ouvrir(d / "absent" / "x.pdf"));
    EXPECT_EQ(cible.cause(), "dossier inexistant");
    EXPECT_FALSE(cible.ouvrir(d / std::string(300, 'n')));
    EXPECT_EQ(cible.cause(), "nom trop long");
    EXPECT_EQ(d.noms().size(), 3u);  // leurre, lien et tube : aucun temporaire
}

TEST_F(EcritureFichierEssai, suitUnLienDeReglagesJusquAUnFichierALUtilisateurEnGardantSesDroitsPasAutrement) {
    fs::create_directory(d / "depot");
    poser(d / "depot" / "Config.dwa", "ancien");
    ::chmod((d / "depot" / "Config.dwa").c_str(), 0604);
    fs::create_symlink(d / "depot" / "Config.dwa", d / "Config.dwa");
    EcritureFichier f;
    ASSERT_TRUE(f.ouvrir(d / "Config.dwa", Liens::versFichierAMoi, EcritureFichier::Droits::prives));
    ASSERT_TRUE(f.ecrire("nouveau") && f.terminer());
    EXPECT_TRUE(fs::is_symlink(d / "Config.dwa"));
    EXPECT_EQ(lireFichier(d / "depot" / "Config.dwa"), "nouveau");
    EXPECT_EQ(mode(d / "depot" / "Config.dwa"), 0604u);
    // Un lien cassé n'est pas suivi jusqu'à créer sa cible (un lien vers un tube : voir les réglages).
    fs::create_symlink(d / "absent", d / "casse");
    EcritureFichier casse;
    EXPECT_FALSE(casse.ouvrir(d / "casse", Liens::versFichierAMoi));
    EXPECT_EQ(casse.erreur(), kErreurLienSansFichier);
    EXPECT_FALSE(fs::exists(d / "absent"));
    // Le fichier d'un autre utilisateur : il faut pouvoir en donner un (essais lancés en root).
    poser(d / "autrui", "à lui");
    if (::chown((d / "autrui").c_str(), 4242, 4242) != 0) GTEST_SKIP() << "chown impossible sans privilèges";
    fs::create_symlink(d / "autrui", d / "versAutrui");
    EcritureFichier autrui;
    EXPECT_FALSE(autrui.ouvrir(d / "versAutrui", Liens::versFichierAMoi));
    EXPECT_EQ(autrui.erreur(), kErreurFichierDAutrui);
    EXPECT_EQ(lireFichier(d / "autrui"), "à lui");
}

TEST_F(EcritureFichierEssai, unDisquePleinFaitEchouerSansRienLaisserEtDonneLaCause) {
    fs::create_directory(d / "petit");
    const int code = essai::dansUnEnfant([&] {
        if (!essai::monterPetitTmpfs(d / "petit", 64 * 1024)) return essai::kImpossible;
        poser(d / "petit" / "doc.pdf", "ancien");
        EcritureFichier f;
        const bool ouvert = f.ouvrir(d / "petit" / "doc.pdf");
        f.ecrire(std::string(256 * 1024, 'x'));
        const bool ecrit = f.terminer();  // échoue, et efface son temporaire
        const bool intact = lireFichier(d / "petit" / "doc.pdf") == "ancien";
        const bool seul = std::distance(fs::directory_iterator(d / "petit"), fs::directory_iterator()) == 1;
        return ouvert && !ecrit && f.erreur() == ENOSPC && f.cause() == "disque plein" && intact && seul ? 0 : 1;
    });
    if (code == essai::kImpossible) GTEST_SKIP() << "montage d'un tmpfs impossible sans privilèges";
    EXPECT_EQ(code, 0);
}

TEST_F(EcritureFichierEssai, unArretBrutalOuUneTailleBorneeLaissentLAncienFichier) {
    poser(d / "base.dwa", "ancienne copie");
    const int code = essai::dansUnEnfant([&] {
        EcritureFichier f;
        if (!f.ouvrir(d / "base.dwa") || !f.ecrire(std::string(100000, 'x'))) return 1;
        ::raise(SIGKILL);
        return 2;
    });
    EXPECT_EQ(code, -SIGKILL);
    EXPECT_EQ(lireFichier(d / "base.dwa"), "ancienne copie");
    EXPECT_EQ(effacerRestesTemporaires(d.chemin()), 1u);
    EXPECT_EQ(d.noms(), std::vector<std::string>{"base.dwa"});
    // Une taille de fichier bornée fait échouer sans tuer ni rien laisser.
    const int borne = essai::dansUnEnfant([&] {
        essai::bornerTailleFichiers(4096);
        EcritureFichier f;
        const bool ecrit = f.ouvrir(d / "base.dwa") && f.ecrire(std::string(100000, 'x')) && f.terminer();
        return !ecrit && f.erreur() == EFBIG ? 0 : 1;
    });
    EXPECT_EQ(borne, 0);
    EXPECT_EQ(lireFichier(d / "base.dwa"), "ancienne copie");
    EXPECT_EQ(d.noms(), std::vector<std::string>{"base.dwa"});
}

}  // namespace
}  // namespace lignara
