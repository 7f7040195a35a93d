#include <fstream>

#include <gtest/gtest.h>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "gui/EssaiFenetre.h"
#include "commun/Dossiers.h"
#include "session/CheminGenealogique.h"
#include "reglages/ReglagesFichier.h"
#include "shell/gui/Aide.h"
#include "shell/gui/FenetrePrincipale.h"

using lignara::Configuration;
using lignara::gui::BoiteMessage;
using lignara::gui::FenetrePrincipale;
using lignara::gui::SelecteurFichier;

namespace {

struct Fenetre : ::testing::Test {
    void SetUp() override { essai::remettreAZero(); }
};

bool actif(FenetrePrincipale& f, int id) { return f.action(id) && f.action(id)->isEnabled(); }

int nombreFavorisAuMenu(FenetrePrincipale& f) {
    int n = 0;
    for (QAction* a : f.menuFavoris()->actions())
        if (a->data().toInt() >= 6802) ++n;
    return n;
}

}  // namespace

TEST_F(Fenetre, sansFichierLesCommandesDuFichierEtLaBarreSontInactives) {
    FenetrePrincipale f(Configuration{}, "");
    f.show();
    EXPECT_EQ(f.windowTitle(), "Lignara");
    EXPECT_EQ(f.size(), QSize(650, 510));
    for (int id : {1001, 1003, 1087}) EXPECT_FALSE(actif(f, id)) << id;
    for (int id : {1002, 1010, 1081, 1082, 1083, 1091, 1092}) EXPECT_TRUE(actif(f, id)) << id;
    EXPECT_FALSE(f.barreOutils()->isVisible());
    EXPECT_FALSE(f.menuFavoris()->menuAction()->isEnabled());
}

TEST_F(Fenetre, ouvreLExempleDonneEntreGuillemetsPuisLeFerme) {
    FenetrePrincipale f(Configuration{}, lignara::cheminDeLaLigneDeCommande("\"" + essai::exempleLivre() + "\""));
    f.show();
    f.executer(1002);
    ASSERT_TRUE(f.fichier().estOuvert()) << BoiteMessage::montres().join("|").toStdString();
    EXPECT_TRUE(SelecteurFichier::titres().isEmpty());  // pas de sélecteur au premier passage
    EXPECT_EQ(f.fichier().base().nombreIndividus(), 80u);
    EXPECT_GT(f.fichier().tablesDerivees().anneesNaissance.size(), 80u);
    EXPECT_TRUE(f.barreOutils()->isVisible());
    for (int id : {1001, 1003, 1087}) EXPECT_TRUE(actif(f, id)) << id;
    EXPECT_EQ(f.barreOutils()->findChildren<QToolButton*>(QRegularExpression("^bouton50")).size(), 8);
    EXPECT_EQ(f.windowTitle(), "Lignara - famille-exemple.ged");

    f.executer(1003);
    EXPECT_FALSE(f.fichier().estOuvert());
    EXPECT_FALSE(f.barreOutils()->isVisible());
    EXPECT_FALSE(actif(f, 1003));
}

TEST_F(Fenetre, leFichierParDefautDesPreferencesSertAuPremierPassageSeulement) {
    Configuration c;
    c.fichierParDefaut = essai::exempleLivre();
    FenetrePrincipale f(c, "");
    f.executer(1002);
    EXPECT_TRUE(f.fichier().estOuvert());
    f.executer(1002);  // deuxième ouverture : le sélecteur, abandonné ; le fichier reste ouvert
    EXPECT_EQ(SelecteurFichier::titres(), QStringList{"Sélection"});
    EXPECT_TRUE(f.fichier().estOuvert());
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
    EXPECT_TRUE(f.fichier().estOuvert());
    EXPECT_EQ(nom, "DIALOG_ERREUR_GEDCOM");
    EXPECT_TRUE(rapport.contains("ne fait pas référence au mariage")) << rapport.toStdString();
    EXPECT_FALSE(rapport.contains('\r'));
}

TEST_F(Fenetre, leFormatFeuilleChoisiDevientLeFormatCourantEtSeulCoche) {
    FenetrePrincipale f(Configuration{}, "");
    EXPECT_TRUE(f.action(1702)->isChecked());
    EXPECT_EQ(f.action(1712)->text(), "A4 paysage");
    f.action(1712)->trigger();
    EXPECT_EQ(f.configuration().formatPapier, 1712);
    EXPECT_TRUE(f.action(1712)->isChecked());
    EXPECT_FALSE(f.action(1702)->isChecked());
    EXPECT_EQ(f.action(1713), nullptr);  // pas de format entre A4 paysage et Letter
}

TEST_F(Fenetre, auDelaDuTrentiemeLesFavorisNOntPasDeCommande) {
    lignara::ReglagesFichier reglages;
    for (int i = 0; i < 32; ++i) reglages.favoris.push_back({"Favori " + std::to_string(i), 1, {1, 2}});
    reglages.favoris[3] = {"", 255, {}};  // un séparateur n'est pas une commande
    std::string chemin = essai::exempleLivre();
    lignara::enregistrerReglagesFichier(lignara::dossierConfigurationAccessible(), chemin, reglages);
    FenetrePrincipale f(Configuration{}, chemin);
    f.executer(1002);
    EXPECT_EQ(nombreFavorisAuMenu(f), 29);
    EXPECT_NE(f.action(6802 + 29), nullptr);
    EXPECT_EQ(f.action(6802 + 30), nullptr);
    f.executer(1003);
    EXPECT_EQ(nombreFavorisAuMenu(f), 0);
    lignara::enregistrerReglagesFichier(lignara::dossierConfigurationAccessible(), chemin, {});
}

TEST_F(Fenetre, laReecritureDuGedcomAvecSaLigneDeFinEstSignalee) {
    essai::DossierTemporaire d("surveillance");
    auto copie = d.chemin / "famille.ged";
    std::filesystem::copy_file(essai::exempleLivre(), copie);
    std::string sansFin;
    {
        std::ifstream source(essai::exempleLivre());
        std::string ligne;
        while (std::getline(source, ligne))
            if (ligne.rfind("0 TRLR", 0) != 0) sansFin += ligne + "\n";
    }
    FenetrePrincipale f(Configuration{}, copie.string());
    f.executer(1002);
    ASSERT_TRUE(f.fichier().estOuvert());
    QTest::qWait(1100);  // date d'écriture différente même sur un système à la seconde
    { std::ofstream(copie, std::ios::trunc) << sansFin; }
    QTest::qWait(1500);
    EXPECT_FALSE(f.fichier().gedcomModifie());  // pas encore de « 0 TRLR » à la fin
    { std::ofstream(copie, std::ios::app) << "0 TRLR\n"; }
    // La boîte vient un moment après la marque : on attend la boîte elle-même, largement.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return BoiteMessage::montres().contains("Le fichier Gedcom a été modifié."); }, 30000));
    EXPECT_TRUE(f.fichier().gedcomModifie());
}

TEST_F(Fenetre, lAideOuvreLesPagesLivreesEtIgnoreUnePageAbsente) {
    QList<QUrl> ouvertes;
    lignara::gui::Aide::ouvreur() = [&](const QUrl& u) { ouvertes.append(u); };
    FenetrePrincipale f(Configuration{}, "");
    f.executer(1091);
    ASSERT_EQ(ouvertes.size(), 1);
    EXPECT_TRUE(ouvertes[0].isLocalFile());
    EXPECT_TRUE(ouvertes[0].toLocalFile().endsWith("/Aide/index.html"));
    EXPECT_FALSE(lignara::gui::Aide::ouvrirPage("absente.html"));
    EXPECT_EQ(ouvertes.size(), 1);
    EXPECT_TRUE(BoiteMessage::montres().isEmpty());
    f.executer(1093);
    EXPECT_EQ(ouvertes.last().scheme(), "https");
    lignara::gui::Aide::ouvreur() = nullptr;
}

TEST_F(Fenetre, leManqueDeMemoireAbandonneLaCommandeEtLaisseLaFenetreUtilisable) {
    lignara::gui::Aide::ouvreur() = [](const QUrl&) { throw std::bad_alloc(); };
    FenetrePrincipale f(Configuration{}, essai::exempleLivre());
    f.executer(1002);
    f.executer(1091);
    ASSERT_FALSE(BoiteMessage::montres().isEmpty());
    EXPECT_EQ(BoiteMessage::montres().back(),
              "Mémoire insuffisante pour effectuer cette opération.\n"
              "Arrêter les autres logiciels en cours.");
    lignara::gui::Aide::ouvreur() = nullptr;
    EXPECT_TRUE(f.fichier().estOuvert());
    EXPECT_TRUE(actif(f, 1003));
    f.executer(1003);
    EXPECT_FALSE(f.fichier().estOuvert());
}

TEST_F(Fenetre, leBoutonMontreSonImageEnfonceePendantQueSonMenuEstOuvert) {
    FenetrePrincipale f(Configuration{}, "");
    auto* bouton = f.barreOutils()->findChild<QToolButton*>("bouton5000");
    ASSERT_NE(bouton, nullptr);
    ASSERT_FALSE(bouton->icon().isNull());
    qint64 normale = bouton->icon().cacheKey();
    emit bouton->menu()->aboutToShow();
    EXPECT_NE(bouton->icon().cacheKey(), normale);
    emit bouton->menu()->aboutToHide();
    EXPECT_EQ(bouton->icon().cacheKey(), normale);
}

TEST_F(Fenetre, uneImageDeBoutonAbsenteLaisseLeBoutonSansImageMaisUtilisable) {
    essai::DossierTemporaire vide("sans-images");
    QByteArray avant = qgetenv("LIGNARA_DONNEES");
    qputenv("LIGNARA_DONNEES", QByteArray::fromStdString(vide.chemin.string()));
    FenetrePrincipale f(Configuration{}, "");
    qputenv("LIGNARA_DONNEES", avant);
    auto* bouton = f.barreOutils()->findChild<QToolButton*>("bouton5003");
    ASSERT_NE(bouton, nullptr);
    EXPECT_TRUE(bouton->icon().isNull());
    EXPECT_EQ(bouton->text(), "Roues");
    ASSERT_NE(bouton->menu(), nullptr);
    EXPECT_EQ(bouton->menu()->actions().size(), 3);
}
