#include <fstream>

#include <gtest/gtest.h>
#include <QImage>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolBar>

#include "commun/Texte.h"
#include "gui/EssaiFenetre.h"
#include "gui/SelectionEssai.h"
#include "shell/gui/Aide.h"
#include "shell/gui/FenetrePrincipale.h"
#include "support/Programme.h"

using lignara::Configuration;
using lignara::gui::BoiteMessage;
using lignara::gui::FenetrePrincipale;
using lignara::gui::SelecteurFichier;

namespace {

struct Fenetre : ::testing::Test {
    void SetUp() override { essai::remettreAZero(); }
};

bool actif(FenetrePrincipale& f, int id) { return f.action(id) && f.action(id)->isEnabled(); }

}  // namespace

TEST_F(Fenetre, ouvreLExempleDonnePuisLeFerme) {
    FenetrePrincipale f(Configuration{}, essai::exempleLivre());
    f.show();
    EXPECT_FALSE(actif(f, 1087));
    EXPECT_FALSE(f.menuFavoris()->menuAction()->isEnabled());
    f.executer(1002);
    ASSERT_TRUE(f.fichier().estOuvert()) << BoiteMessage::montres().join("|").toStdString();
    EXPECT_TRUE(SelecteurFichier::titres().isEmpty());  // pas de sélecteur au premier passage
    EXPECT_EQ(f.fichier().base().nombreIndividus(), 80u);
    EXPECT_TRUE(f.barreOutils()->isVisible());
    EXPECT_TRUE(actif(f, 1087));
    f.executer(1003);
    EXPECT_FALSE(f.fichier().estOuvert());
    EXPECT_FALSE(f.barreOutils()->isVisible());
}

// Le vrai programme, démarré sur un serveur X virtuel avec un chemin en argument : il ouvre le
// fichier, montre sa barre d'outils et s'enregistre en image. Demande xvfb-run (paquet xvfb).
TEST(DemarrageXvfb, ouvreLeFichierDonneEtMontreLaBarreDOutils) {
    if (std::system("command -v xvfb-run > /dev/null 2>&1") != 0) GTEST_SKIP() << "xvfb-run absent (paquet xvfb)";
    essai::DossierTemporaire dossier("xvfb");
    const auto image = dossier.chemin / "fenetre.png";
    // Des préférences neuves : celles de l'utilisateur ne doivent pas changer le résultat.
    const auto s = lignara::essai::executerCommande("env XDG_CONFIG_HOME='" + dossier.chemin.string() +
                                                    "' QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 " +
                                                    "1024x768x24' \"" + LIGNARA_PROGRAMME + "\" --capture '" +
                                                    image.string() + "' '" + essai::exempleLivre() + "'");
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_NE(s.texte.find("Barre d'outils : 8 boutons actifs"), std::string::npos) << s.texte;
    EXPECT_GE(QImage(QString::fromStdString(image.string())).width(), 650);
}

// Le fichier par défaut des préférences (rangé en Windows-1252) s'ouvre même si son chemin a
// des accents.
TEST_F(Fenetre, leFichierParDefautAccentueSOuvreSansSelecteur) {
    essai::DossierTemporaire d("defaut");
    std::filesystem::create_directory(d.chemin / "Généalogie");
    std::filesystem::copy_file(essai::exempleLivre(), d.chemin / "Généalogie" / "dupont.ged");
    Configuration c;
    c.fichierParDefaut = lignara::depuisUtf8((d.chemin / "Généalogie" / "dupont.ged").string());
    FenetrePrincipale f(c, "");
    f.executer(1002);
    EXPECT_TRUE(f.fichier().estOuvert()) << BoiteMessage::montres().join("|").toStdString();
    EXPECT_TRUE(SelecteurFichier::titres().isEmpty());
}

// Le fichier de la ligne de commande manque : message, puis sélecteur ; un fichier choisi qui
// manque y ramène, une autre extension est refusée.
TEST_F(Fenetre, unFichierInconnuRameneAuSelecteurEtUneAutreExtensionEstRefusee) {
    essai::DossierTemporaire d("extension");
    std::ofstream(d.chemin / "notes.txt") << "0 HEAD\n0 TRLR\n";
    auto inconnu = [](const std::filesystem::path& p) {
        return "Fichier inconnu : " + QString::fromStdString(p.string()) +
               "\nVous devez sélectionner un fichier Gedcom (.ged) ou une fusion Gedcom (.fged).";
    };
    FenetrePrincipale f(Configuration{}, (d.chemin / "parti.ged").string());
    SelecteurFichier::reponses() = {QString::fromStdString((d.chemin / "absent.ged").string()),
                                    QString::fromStdString((d.chemin / "notes.txt").string())};
    f.executer(1002);
    EXPECT_EQ(SelecteurFichier::titres(), (QStringList{"Sélection", "Sélection"}));
    EXPECT_EQ(BoiteMessage::montres(), (QStringList{inconnu(d.chemin / "parti.ged"), inconnu(d.chemin / "absent.ged"),
                                                    "Seuls les fichiers Gedcom (.ged) ou les fusions Gedcom "
                                                    "(.fged) peuvent être ouverts avec Lignara"}));
    EXPECT_FALSE(f.fichier().estOuvert());
}

TEST_F(Fenetre, leRapportDErreursMontreToutLeRapport) {
    QString rapport;
    QString nom;
    lignara::gui::ExecutionDialogue::simulation() = [&](QDialog& d) {
        nom = d.objectName();
        rapport = d.findChild<QPlainTextEdit*>("texteRapport")->toPlainText();
        return int(QDialog::Accepted);
    };
    FenetrePrincipale f(Configuration{}, std::string(LIGNARA_DOSSIER_FIXTURES) + "/mari-sans-fams.ged");
    f.executer(1002);
    EXPECT_EQ(nom, "DIALOG_ERREUR_GEDCOM");
    EXPECT_TRUE(rapport.contains("ne fait pas référence au mariage")) << rapport.toStdString();
    EXPECT_FALSE(rapport.contains('\r'));
}

// Le reste de la surveillance (attente du « 0 TRLR » final) est essayé dans la session.
TEST_F(Fenetre, laReecritureDuGedcomEstSignalee) {
    essai::DossierTemporaire d("surveillance");
    auto copie = d.chemin / "famille.ged";
    std::filesystem::copy_file(essai::exempleLivre(), copie);
    FenetrePrincipale f(Configuration{}, copie.string());
    f.executer(1002);
    ASSERT_TRUE(f.fichier().estOuvert());
    QTest::qWait(1100);  // date d'écriture différente même sur un système à la seconde
    { std::ofstream(copie, std::ios::app) << "0 TRLR\n"; }
    // La boîte vient un moment après la marque : on attend la boîte elle-même, largement.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return BoiteMessage::montres().contains("Le fichier Gedcom a été modifié."); }, 30000));

    // La fiche et la frise individuelles relisent le fichier : refusées tant qu'il n'est pas rouvert.
    essai::Aiguillage aiguillage;
    aiguillage.installer();
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& dialogue) {
        essai::taper(dialogue, "Berthelot", "François");
        return essai::valider(dialogue);
    };
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& dialogue) { return essai::valider(dialogue); };
    for (auto [commande, document] : {std::pair{6508, "une fiche"}, std::pair{6301, "une frise"}}) {
        BoiteMessage::montres().clear();
        f.executer(commande);
        EXPECT_EQ(BoiteMessage::montres().value(0),
                  QString("Le fichier Gedcom a été modifié.\nVous devez réouvrir ce fichier pour pouvoir générer ") +
                      document + " individuelle. ");
    }
    EXPECT_TRUE(f.dernierDocument().empty());
    essai::remettreAZero();
}

TEST_F(Fenetre, leManqueDeMemoireAbandonneLaCommandeEtLaisseLaFenetreUtilisable) {
    lignara::gui::Aide::ouvreur() = [](const QUrl&) { throw std::bad_alloc(); };
    FenetrePrincipale f(Configuration{}, essai::exempleLivre());
    f.executer(1002);
    f.executer(1091);
    lignara::gui::Aide::ouvreur() = nullptr;
    EXPECT_EQ(BoiteMessage::montres().value(0),
              "Mémoire insuffisante pour effectuer cette opération.\n"
              "Arrêter les autres logiciels en cours.");
    f.executer(1003);
    EXPECT_FALSE(f.fichier().estOuvert());
}
