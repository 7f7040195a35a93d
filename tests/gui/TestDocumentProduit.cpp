// Le document produit se retrouve (barre d'état, « Enregistrer sous... », afficheur introuvable) ;
// à la sortie, menu ou signal, les documents sont effacés et les compteurs rangés.
#include <algorithm>
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
#include "render/LecturePdf.h"
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

// Le lien de parenté demande une seconde personne ; la même que la tête est refusée, redemandée.
TEST_F(DocumentProduit, leLienDeParenteRedemandeUneSecondePersonneIdentique) {
    f->configuration().afficheurs = {"true", "true", "true", "true"};
    const char* prenoms[] = {"François", "François", "Antoine"};
    int demandes = 0;
    aiguillage.parNom["DIALOG_DEMPERS"] = [&](QDialog& d) {
        ::essai::taper(d, "Berthelot", prenoms[std::min(demandes++, 2)]);
        return ::essai::valider(d);
    };
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) { return ::essai::valider(d); };
    f->executer(6506);
    EXPECT_EQ(demandes, 3);
    EXPECT_EQ(BoiteMessage::montres(), QStringList{"Erreur : les deux personnes doivent être différentes"});
    const fs::path document = f->dernierDocument();
    ASSERT_FALSE(document.empty());
    std::string texte;
    for (const std::string& c : lignara::essai::LecturePdf(document).contenus()) texte += c;
    EXPECT_NE(texte.find("Antoine"), std::string::npos);
    EXPECT_NE(texte.find("Jean-Marie"), std::string::npos);  // la lignée de François jusqu'à Antoine
}

// Le vrai programme, arrêté par un signal (fin de session, Ctrl+C) : la sortie a lieu.
TEST(SortieProgramme, unSignalDArretEffaceLesDocumentsEtRangeLesCompteurs) {
    ::essai::DossierTemporaire racine("sortie-signal");
    const fs::path configuration = racine.chemin / "config", temporaire = racine.chemin / "tmp";
    fs::create_directories(configuration);
    fs::create_directories(temporaire);
    const fs::path leurre = lignara::preparerDossierSortie(temporaire) / "AA_LEURRE.pdf";
    std::ofstream(leurre) << "%PDF";
    std::string programme = LIGNARA_PROGRAMME, fichier = ::essai::exempleLivre();
    std::string variables[] = {"XDG_CONFIG_HOME=" + configuration.string(), "TMPDIR=" + temporaire.string(),
                               "QT_QPA_PLATFORM=offscreen", "LIGNARA_DONNEES=" LIGNARA_DOSSIER_DONNEES};
    char* argv[] = {programme.data(), fichier.data(), nullptr};
    char* envp[] = {variables[0].data(), variables[1].data(), variables[2].data(), variables[3].data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, programme.c_str(), nullptr, nullptr, argv, envp), 0);
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
