// Noms des documents, leur nettoyage, l'afficheur lancé sur eux ; puis, par le programme : taille bornée,
// liens, périphériques, arrêt brutal (jamais de réussite annoncée à tort, d'écriture à travers un lien, ni
// de fichier à moitié écrit sous le nom de l'utilisateur), bornes des favoris.
#include <sys/stat.h>
#include <sys/wait.h>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "GenealogieArbre.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/Afficheur.h"
#include "documents/NommageFichier.h"
#include "documents/Visualiseur.h"
#include "session/NettoyageDocuments.h"
#include "support/Message.h"
#include "support/DossierEssai.h"
#include "support/Programme.h"
#include "database/VerificateurBase.h"
#include "reglages/DossierEssai.h"
#include "reglages/ReglagesFichier.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::DossierEssai;
using essai::SortieProgramme;

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

// Faux afficheur : écrit chacun de ses arguments sur une ligne de « arguments.txt ».
fs::path fauxAfficheur(const essai::DossierEssai& d) {
    fs::path script = d / "faux afficheur";
    std::ofstream(script)
        << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$(dirname \"$0\")/arguments.tmp\"\n"
           "mv \"$(dirname \"$0\")/arguments.tmp\" \"$(dirname \"$0\")/arguments.txt\"\n";
    fs::permissions(script, fs::perms::owner_all);
    return script;
}

std::vector<std::string> argumentsRecus(const essai::DossierEssai& d) {
    fs::path f = d / "arguments.txt";
    // Large délai : machine chargée, sanitiseurs.
    for (int i = 0; i < 3000 && !fs::exists(f); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::vector<std::string> lignes;
    std::ifstream in(f);
    for (std::string l; std::getline(in, l);) lignes.push_back(l);
    return lignes;
}

TEST(Visualiseur, choisitLAfficheurParLExtensionEtXdgOpenSansPreference) {
    CommandesAfficheurs c = {"evince", "gedit --new-window", "", "\"/opt/mon navigateur/nav\" -p"};
    EXPECT_EQ(argumentsAfficheur(c, "/t/AA_X.pdf"), (std::vector<std::string>{"evince", "/t/AA_X.pdf"}));
    EXPECT_EQ(argumentsAfficheur(c, "/t/LA_X.txt"), (std::vector<std::string>{"gedit", "--new-window", "/t/LA_X.txt"}));
    EXPECT_EQ(argumentsAfficheur(c, "/t/TA_X.rtf"), (std::vector<std::string>{"xdg-open", "/t/TA_X.rtf"}));
    EXPECT_EQ(argumentsAfficheur(c, "/t/AA_X.htm"),
              (std::vector<std::string>{"/opt/mon navigateur/nav", "-p", "/t/AA_X.htm"}));
}

TEST(Visualiseur, lanceLAfficheurSansShellAvecUnNomPleinDeMetacaracteres) {
    essai::DossierEssai d;
    fs::path script = fauxAfficheur(d);
    Graphique g;
    nommerFichier(g, d.chemin(), "AA_", "$(touch pirate);x|y \"z\" `w` & v");
    CommandesAfficheurs c;
    c[0] = "\"" + script.string() + "\"";
    ASSERT_TRUE(visualiser(g, c));
    auto args = argumentsRecus(d);
    ASSERT_EQ(args.size(), 1u);
    EXPECT_EQ(args[0], g.chemin);
    EXPECT_FALSE(fs::exists(d / "pirate"));
    EXPECT_FALSE(fs::exists("pirate"));
}

const std::string kExemple = std::string(LIGNARA_DOSSIER_SOURCES) + "/data/exemples/famille-exemple.ged";

std::string cite(const fs::path& p) { return "'" + p.string() + "'"; }

// Le programme lancé par le shell avec un dossier de configuration jetable ; avant, une commande
// du shell (ulimit…) ; sortie standard et d'erreur ensemble, sauf redirection donnée.
class Commandes : public ::testing::Test {
protected:
    SortieProgramme lancer(const std::string& arguments, const std::string& avant = "",
                           const std::string& redirection = "2>&1") {
        return essai::executerCommande(avant + (avant.empty() ? "" : "; ") +
                                       "XDG_CONFIG_HOME=" + cite(dossier / "config") + " timeout 120 \"" +
                                       LIGNARA_PROGRAMME + "\" " + arguments + " " + redirection);
    }
    SortieProgramme document(const fs::path& sortie, const std::string& avant = "") {
        return lancer("document arbre-ascendant " + cite(kExemple) + " --racine @I1@ --sortie " + cite(sortie), avant);
    }

    DossierEssai dossier;
};

TEST_F(Commandes, unLienSymboliqueALaPlaceDUneSortieEstRefuseEtSaCibleIntacte) {
    std::ofstream(dossier / "leurre") << "à garder";
    for (const char* nom : {"arbre.pdf", "base.dwa"}) fs::create_symlink(dossier / "leurre", dossier / nom);
    const SortieProgramme sorties[] = {document(dossier / "arbre.pdf"),
                                       lancer("importer " + cite(kExemple) + " --base " + cite(dossier / "base.dwa"))};
    for (const SortieProgramme& s : sorties) {
        EXPECT_NE(s.code, 0) << s.texte;
        EXPECT_NE(s.texte.find("Lien symbolique refusé"), std::string::npos) << s.texte;
    }
    EXPECT_EQ(lignara::essai::lireFichier(dossier / "leurre"), "à garder");
    EXPECT_TRUE(fs::is_symlink(dossier / "base.dwa"));
}

TEST_F(Commandes, unDocumentQuiNeTientPasDansLaTailleBorneeEchoueSansRienLaisser) {
    std::ofstream(dossier / "ancien.pdf") << "version précédente";
    const SortieProgramme sorties[] = {document(dossier / "arbre.pdf", "ulimit -f 4"),
                                       document(dossier / "ancien.pdf", "ulimit -f 4"),
                                       lancer("essai-pdf " + cite(dossier / "essai.pdf"), "ulimit -f 4")};
    for (const SortieProgramme& s : sorties) {
        EXPECT_NE(s.code, 0) << s.texte;
        EXPECT_NE(s.texte.find("Fichier trop volumineux pour le système"), std::string::npos) << s.texte;
    }
    EXPECT_EQ(lignara::essai::lireFichier(dossier / "ancien.pdf"), "version précédente");
    // Ni arbre.pdf, ni essai.pdf, ni temporaire : l'ancien fichier et la configuration jetable.
    std::vector<std::string> noms = dossier.noms();
    std::sort(noms.begin(), noms.end());
    EXPECT_EQ(noms, (std::vector<std::string>{"ancien.pdf", "config"}));
}

// Un gros fichier à importer, pour avoir le temps d'arrêter la commande en cours de route.
void ecrireGrosGedcom(const fs::path& chemin) {
    std::ofstream f(chemin);
    f << "0 HEAD\n1 CHAR UTF-8\n";
    for (int i = 0; i < 60000; ++i)
        f << "0 @I" << i << "@ INDI\n1 NAME Jean" << i << " /Durand/\n1 BIRT\n2 DATE " << 1800 + i % 200
          << "\n2 PLAC Nantes\n1 NOTE une note assez longue pour grossir le fichier " << i << "\n";
    f << "0 TRLR\n";
}

TEST_F(Commandes, unArretBrutalPendantImporterLaisseLaCopiePrecedenteEntiere) {
    ecrireGrosGedcom(dossier / "gros.ged");
    const fs::path base = dossier / "base.dwa";
    std::ofstream(base) << "ancienne copie";
    for (int delaiMs : {50, 200, 400, 700, 1000, 1500}) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::setenv("XDG_CONFIG_HOME", (dossier / "config").c_str(), 1);
            const int nul = ::open("/dev/null", O_WRONLY);
            ::dup2(nul, 1);
            ::dup2(nul, 2);
            ::execl(LIGNARA_PROGRAMME, "lignara", "importer", (dossier / "gros.ged").c_str(), "--base", base.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delaiMs));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        // L'ancienne copie entière, ou la nouvelle entière : jamais une base tronquée.
        if (lignara::essai::lireFichier(base) != "ancienne copie") {
            const std::vector<std::string> fautes = VerificateurBase::verifier(base);
            EXPECT_TRUE(fautes.empty()) << delaiMs << " ms : " << (fautes.empty() ? "" : fautes.front());
            std::ofstream(base) << "ancienne copie";
        }
    }
}

// « lignara favori » sur des favoris rangés par la fenêtre (le reste : tests/cli/favori*).
class CommandeFavori : public Commandes {
protected:
    void SetUp() override {
        fs::create_directories(configuration);
        fs::create_directories(ged.parent_path());
        std::ofstream(ged) << essai::gedcomDeLiens(4, {{1, 2, 3}}, {{1, {"1900", ""}}});
    }
    void ranger(const std::vector<Favori>& favoris) {
        ReglagesFichier r;
        r.favoris = favoris;
        enregistrerReglagesFichier(configuration, ged.string(), r);
    }
    const fs::path ged = dossier / "famille" / "sosa.ged";
    const fs::path configuration = dossier / "config" / "lignara";
};

// Un favori typé sans paramètres, rangé par la fenêtre, n'a pas de dialogue pour les demander ici.
TEST_F(CommandeFavori, unFavoriSansParametresDemandeDeLeModifier) {
    ranger({{"Rang\xE9", 1, {}}, {"", Favori::kSeparateur, {}}});
    auto s = lancer("favori liste " + cite(ged));
    EXPECT_EQ(s.texte,
              "  1  Rangé | Arbre ascendant individuel (sans paramètres)\n"
              "  2  --------------------\n");
    s = lancer("favori executer " + cite(ged) + " 'Rang\xC3\xA9'");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("modifiez le favori"), std::string::npos) << s.texte;
}

TEST_F(CommandeFavori, lesLimitesDuDialogueSAppliquent) {
    std::vector<Favori> favoris;
    favoris.reserve(29);
    for (int i = 0; i < 29; ++i) favoris.push_back({"F" + std::to_string(i), 1, {}});
    ranger(favoris);
    const std::string ajouter = "favori ajouter " + cite(ged);
    auto s = lancer(ajouter + " F3 arbre-ascendant --racine @I1@");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("Le nom est déjà utilisé par un autre favori"), std::string::npos) << s.texte;
    s = lancer(ajouter + " f3 arbre-ascendant --racine @I1@");  // 30e
    ASSERT_EQ(s.code, 0) << s.texte;
    s = lancer(ajouter + " Trente-et-un arbre-ascendant --racine @I1@");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("déjà 30 favoris"), std::string::npos) << s.texte;
    EXPECT_EQ(chargerReglagesFichier(configuration, ged.string()).favoris.size(), 30u);
}

}  // namespace
}  // namespace lignara
