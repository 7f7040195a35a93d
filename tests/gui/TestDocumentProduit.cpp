// Le document qu'on vient de produire se retrouve : la barre d'état le nomme et ouvre son
// dossier, « Enregistrer sous... » le copie, un afficheur introuvable est signalé avec le chemin.
// À la sortie de la fenêtre, par où qu'elle passe, les documents sont effacés et les compteurs
// rangés avec le nombre de personnes du fichier.
#include <csignal>
#include <fstream>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QLabel>
#include <QPushButton>

#include "support/DossierEssai.h"
#include "commun/Dossiers.h"
#include "gui/SelectionEssai.h"
#include "reglages/CompteursUsage.h"
#include "session/DemarrageDossierSortie.h"
#include "shell/gui/Aide.h"

using namespace lignara;
using namespace lignara::gui;

namespace {

namespace fs = std::filesystem;

struct DocumentProduit : ::essai::FenetreOuverte {
    ::essai::DossierTemporaire dossier{"document-produit"};

    void TearDown() override { Aide::ouvreur() = nullptr; }

    // Arbre ascendant de François Berthelot par son menu, feuille validée telle quelle.
    fs::path produire() {
        aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
            ::essai::taper(d, "Berthelot", "François");
            return ::essai::valider(d);
        };
        aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) { return ::essai::valider(d); };
        f->executer(6101);
        return f->dernierDocument();
    }
};

TEST_F(DocumentProduit, laBarreDEtatNommeLeDocumentEtOuvreSonDossier) {
    f->configuration().afficheurs = {"true", "true", "true", "true"};
    const fs::path document = produire();
    ASSERT_FALSE(document.empty());
    EXPECT_EQ(f->findChild<QLabel*>("etatDocument")->text(),
              "Document enregistré : " + QString::fromStdString(document.string()));
    QList<QUrl> ouvertes;
    Aide::ouvreur() = [&](const QUrl& u) { ouvertes.append(u); };
    f->findChild<QPushButton*>("boutonDossierDocument")->click();
    ASSERT_EQ(ouvertes.size(), 1);
    EXPECT_EQ(fs::path(ouvertes[0].toLocalFile().toStdString()), document.parent_path());

    // « Enregistrer sous... » : la même copie, l'extension ajoutée quand elle manque.
    SelecteurFichier::reponses() = {QString::fromStdString((dossier.chemin / "arbre-de-francois").string())};
    f->executer(kCommandeEnregistrerSous);
    EXPECT_TRUE(lignara::essai::lireFichier(dossier.chemin / "arbre-de-francois.pdf") ==
                lignara::essai::lireFichier(document));
}

TEST_F(DocumentProduit, sansAfficheurLaFenetreDitOuEstLeDocument) {
    f->configuration().afficheurs = {"/chemin/absent/afficheur", "", "", ""};
    const fs::path document = produire();
    ASSERT_TRUE(fs::exists(document));
    EXPECT_EQ(BoiteMessage::montres(), QStringList{"Aucun afficheur n'a pu être lancé pour ce document.\n"
                                                   "Il est enregistré ici : " +
                                                   QString::fromStdString(document.string())});
}

// La même version partout : la boîte « A propos » porte celle que le PDF écrit, et le dossier
// de configuration.
TEST_F(DocumentProduit, laBoiteAProposPorteLaVersionDesDocuments) {
    f->configuration().afficheurs = {"true", "true", "true", "true"};
    const std::string pdf = lignara::essai::lireFichier(produire());
    const std::size_t debut = pdf.find("/Producer (Lignara ");
    ASSERT_NE(debut, std::string::npos);
    const std::string version = pdf.substr(debut + 19, pdf.find(' ', debut + 19) - debut - 19);
    BoiteMessage::montres().clear();
    f->executer(1092);
    ASSERT_EQ(BoiteMessage::montres().size(), 1);
    EXPECT_TRUE(BoiteMessage::montres()[0].startsWith(QString::fromStdString("Lignara v" + version + ".3\n")))
        << BoiteMessage::montres()[0].toStdString();
    EXPECT_TRUE(BoiteMessage::montres()[0].endsWith("Répertoire de configuration : " +
                                                    QString::fromStdString(dossierConfiguration().string())));
}

TEST_F(DocumentProduit, quitterEffaceLesDocumentsEtRangeLeNombreDePersonnes) {
    f->configuration().afficheurs = {"true", "true", "true", "true"};
    const fs::path document = produire();
    ASSERT_TRUE(fs::exists(document));
    fs::remove(dossierConfigurationAccessible() / "Usage.dwa");
    f->executer(1010);  // Fichier › Quitter
    EXPECT_FALSE(fs::exists(document));
    const CompteursUsage compteurs = chargerCompteursUsage(dossierConfigurationAccessible());
    EXPECT_EQ(compteurs.personnesDernierFichier, 80);
    EXPECT_GT(compteurs.compteurs[afficheurDeCode(1)->compteur], 0);
}

TEST_F(DocumentProduit, laFenetreDetruiteSansQuitterNettoieAussi) {
    f->configuration().afficheurs = {"true", "true", "true", "true"};
    const fs::path document = produire();
    ASSERT_TRUE(fs::exists(document));
    f.reset();
    EXPECT_FALSE(fs::exists(document));
}

// Le vrai programme, arrêté par un signal (fin de session, Ctrl+C) : la sortie a lieu.
TEST(SortieProgramme, unSignalDArretEffaceLesDocumentsEtRangeLesCompteurs) {
    ::essai::DossierTemporaire racine("sortie-signal");
    const fs::path configuration = racine.chemin / "config", temporaire = racine.chemin / "tmp";
    fs::create_directories(configuration);
    fs::create_directories(temporaire);
    const fs::path sortie = lignara::preparerDossierSortie(temporaire);
    const fs::path leurre = sortie / "AA_LEURRE.pdf";
    std::ofstream(leurre) << "%PDF";
    // L'environnement du test, avec ses propres dossiers (les premières valeurs l'emportent).
    std::vector<std::string> variables = {"XDG_CONFIG_HOME=" + configuration.string(), "TMPDIR=" + temporaire.string(),
                                          "QT_QPA_PLATFORM=offscreen"};
    for (char** v = environ; *v; ++v) variables.emplace_back(*v);
    std::vector<char*> envp;
    for (std::string& v : variables) envp.push_back(v.data());
    envp.push_back(nullptr);
    std::string programme = LIGNARA_PROGRAMME, fichier = ::essai::exempleLivre();
    char* argv[] = {programme.data(), fichier.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, programme.c_str(), nullptr, nullptr, argv, envp.data()), 0);
    // Le fichier est ouvert quand la liste des fichiers récents le retient, juste après l'import.
    const fs::path recents = configuration / "lignara" / "Recents.txt";
    for (int i = 0; i < 1200 && !fs::exists(recents); ++i) ::usleep(50000);
    const bool ouvert = fs::exists(recents);
    ::kill(pid, SIGTERM);
    int statut = 0;
    ::waitpid(pid, &statut, 0);
    ASSERT_TRUE(ouvert) << "fichier jamais ouvert";
    EXPECT_TRUE(WIFEXITED(statut)) << "tué par le signal au lieu de sortir";
    EXPECT_FALSE(fs::exists(leurre));
    EXPECT_EQ(chargerCompteursUsage(configuration / "lignara").personnesDernierFichier, 80);
}

}  // namespace
