// Le menu « Favoris » et ses deux dialogues ; un favori fait dans la fenêtre donne, lancé par
// « lignara favori executer », le même document que son menu.
#include <filesystem>

#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include "support/DossierEssai.h"
#include "support/Programme.h"
#include "commun/Dossiers.h"
#include "gui/SelectionEssai.h"
#include "reglages/ReglagesFichier.h"

using namespace lignara;
using namespace lignara::gui;
using ::essai::element;

namespace {

namespace fs = std::filesystem;

struct FavorisFenetre : ::testing::Test {
    std::unique_ptr<FenetrePrincipale> f;
    ::essai::Aiguillage aiguillage;
    std::string chemin;

    void SetUp() override {
        ::essai::remettreAZero();
        setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
        Configuration preferences;
        preferences.casseAutomatique = false;
        preferences.afficheurs = {"true", "true", "true", "true"};
        enregistrerConfiguration(preferences, dossierConfigurationAccessible());
        f = std::make_unique<FenetrePrincipale>(preferences, ::essai::exempleLivre());
        f->executer(1002);
        ASSERT_TRUE(f->fichier().estOuvert());
        chemin = f->fichier().chemin().string();
        aiguillage.installer();
    }
    void TearDown() override {
        f.reset();
        unsetenv("SOURCE_DATE_EPOCH");
    }
    void ranger(const std::vector<Favori>& favoris) {
        ReglagesFichier r;
        r.favoris = favoris;
        enregistrerReglagesFichier(dossierConfiguration(), chemin, r);
    }
    std::vector<Favori> surDisque() const { return chargerReglagesFichier(dossierConfiguration(), chemin).favoris; }
    static QListWidget* liste(QDialog& d) { return element<QListWidget>(d, "listeFavoris"); }
    static bool actif(QDialog& d, const char* bouton) { return element<QPushButton>(d, bouton)->isEnabled(); }
    static void cliquer(QDialog& d, const char* bouton) { element<QPushButton>(d, bouton)->click(); }
};

TEST_F(FavorisFenetre, deplacementsLimiteDeTrenteEtMenuReconstruitSurOk) {
    std::vector<Favori> trente;
    for (int i = 0; i < 30; ++i)
        trente.push_back(i == 5 ? Favori{"", Favori::kSeparateur, {}} : Favori{"F" + std::to_string(i), 1, {}});
    ranger(trente);
    aiguillage.parNom["DIALOG_GESTION_FAVORI"] = [](QDialog& d) {
        EXPECT_FALSE(actif(d, "boutonAjouter"));  // 30, séparateurs compris
        liste(d)->setCurrentRow(0);
        cliquer(d, "boutonDescendre");
        liste(d)->setCurrentRow(29);
        cliquer(d, "boutonMonter");
        cliquer(d, "boutonSupprimer");  // question : OK, sur la ligne montée
        EXPECT_TRUE(actif(d, "boutonAjouter"));
        return ::essai::valider(d);
    };
    BoiteMessage::reponses() = {true};
    f->executer(6801);
    std::vector<std::string> noms;
    for (const Favori& x : surDisque()) noms.push_back(x.nom);
    ASSERT_EQ(noms.size(), 29u);
    EXPECT_EQ(noms[0], "F1");
    EXPECT_EQ(noms[1], "F0");
    // Menu : « Gérer les favoris », une séparation, puis les 29 (le sixième en séparation).
    QList<QAction*> actions = f->menuFavoris()->actions();
    ASSERT_EQ(actions.size(), 31);
    EXPECT_TRUE(actions[7]->isSeparator());
    EXPECT_EQ(f->action(6802 + 28)->text(), "F28");
    EXPECT_EQ(f->action(6802 + 5), nullptr);
}

TEST_F(FavorisFenetre, modifierUnFavoriNomDoubleEtTypeChange) {
    ranger({{"Un", 1, {1, 2, 3}}, {"Deux", 1, {}}});
    aiguillage.parNom["DIALOG_GESTION_FAVORI"] = [this](QDialog& d) {
        // Renommer « Deux » en « Un » est refusé ; « un » et un autre type sont acceptés, puis
        // les dialogues de paramètres sont annulés : nouveau type, pas de paramètres.
        aiguillage.parNom["DIALOG_MODIF_FAVORI"] = [](QDialog& m) {
            auto* nom = element<QLineEdit>(m, "editNom");
            EXPECT_EQ(nom->text(), "Deux");
            nom->setText("Un");
            ::essai::valider(m);
            EXPECT_EQ(BoiteMessage::montres().value(0), "Le nom est déjà utilisé par un autre favori");
            nom->setText("un");
            auto* types = element<QComboBox>(m, "comboTypes");
            types->setCurrentIndex(types->findText("Frise individuelle"));
            return ::essai::valider(m);
        };
        aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog&) { return int(QDialog::Rejected); };
        liste(d)->setCurrentRow(1);
        cliquer(d, "boutonModifier");
        return ::essai::valider(d);
    };
    f->executer(6801);
    const std::vector<Favori> attendu = {{"Un", 1, {1, 2, 3}}, {"un", 42, {}}};
    EXPECT_EQ(surDisque(), attendu);
    EXPECT_EQ(f->fichier().reglages().favoris, attendu);
}

TEST_F(FavorisFenetre, unFavoriFaitDansLaFenetreDonneLeMemeDocumentEnLigneDeCommande) {
    ranger({{"Premier", 16, {}}});
    aiguillage.parNom["DIALOG_GESTION_FAVORI"] = [this](QDialog& d) {
        aiguillage.parNom["DIALOG_MODIF_FAVORI"] = [](QDialog& m) {
            element<QLineEdit>(m, "editNom")->setText("Arbre de François");
            EXPECT_FALSE(::essai::boutonOk(m)->isEnabled());  // pas encore de type
            auto* types = element<QComboBox>(m, "comboTypes");
            types->setCurrentIndex(types->findText("Arbre ascendant individuel"));
            return ::essai::valider(m);
        };
        aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& p) {
            ::essai::taper(p, "Berthelot", "François");
            return ::essai::valider(p);
        };
        aiguillage.parNom["feuilleProprietes"] = [](QDialog& p) { return ::essai::valider(p); };
        liste(d)->setCurrentRow(0);
        cliquer(d, "boutonAjouter");  // après la ligne choisie
        return ::essai::valider(d);
    };
    f->executer(6801);
    auto favoris = surDisque();
    ASSERT_EQ(favoris.size(), 2u);
    EXPECT_EQ(favoris[1].nom, "Arbre de Fran\xE7ois");  // Windows-1252

    // Lancé du menu : aucun dialogue.
    aiguillage.ouverts.clear();
    f->executer(6803);
    EXPECT_TRUE(aiguillage.ouverts.isEmpty()) << aiguillage.ouverts.join(",").toStdString();
    const fs::path fenetre = f->dernierDocument();
    ASSERT_EQ(fenetre.filename(), "AA_Berthelot.pdf");

    ::essai::DossierTemporaire sorties("favori-ligne");
    const fs::path ligne = sorties.chemin / "ligne.pdf";
    auto s = lignara::essai::lancerProgramme("favori executer '" + ::essai::exempleLivre() +
                                             "' 'Arbre de François' --sortie '" + ligne.string() + "'");
    ASSERT_EQ(s.code, 0) << s.texte;
    const std::string attendu = lignara::essai::lireFichier(fenetre);
    ASSERT_EQ(attendu.substr(0, 5), "%PDF-");
    EXPECT_TRUE(lignara::essai::lireFichier(ligne) == attendu);
    fs::remove(fenetre);
}

}  // namespace
