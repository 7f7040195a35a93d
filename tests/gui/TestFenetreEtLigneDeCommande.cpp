// La fenêtre et la ligne de commande mettent un document en route par le même chemin : sur le
// même fichier, avec les mêmes préférences et les mêmes options, elles écrivent les mêmes
// octets. La fenêtre est pilotée hors écran (réponses des dialogues données d'avance), la ligne
// de commande est le vrai programme, lancé avec le même dossier de configuration.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <set>
#include <string>

#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>

#include "support/DossierEssai.h"
#include "support/Programme.h"
#include "commun/Dossiers.h"
#include "gui/SelectionEssai.h"
#include "reglages/Configuration.h"
#include "session/DemarrageDossierSortie.h"

using namespace lignara;
using namespace lignara::gui;
using ::essai::element;
using ::essai::taper;

namespace {

namespace fs = std::filesystem;

// La date de création du PDF ne suit pas encore SOURCE_DATE_EPOCH : seule elle est masquée.
std::string sansDateDeCreation(const std::string& octets) {
    return std::regex_replace(octets, std::regex("/CreationDate \\(D:[0-9]+\\)"), "/CreationDate (D:X)");
}

struct FenetreEtLigneDeCommande : ::testing::Test {
    ::essai::DossierTemporaire sorties{"fenetre-et-ligne-de-commande"};
    Configuration preferences;
    std::unique_ptr<FenetrePrincipale> fenetre;
    ::essai::Aiguillage aiguillage;

    void SetUp() override {
        ::essai::remettreAZero();
        setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
        // Casse des noms laissée telle que le fichier l'écrit : la fenêtre et la ligne de
        // commande ne l'appliquent pas encore au même endroit.
        preferences.casseAutomatique = false;
        preferences.afficheurs = {"true", "true", "true", "true"};
        enregistrerConfiguration(preferences, dossierConfigurationAccessible());
        fenetre = std::make_unique<FenetrePrincipale>(preferences, ::essai::exempleLivre());
        fenetre->executer(1002);
        ASSERT_TRUE(fenetre->fichier().estOuvert());
        aiguillage.installer();
    }
    void TearDown() override {
        fenetre.reset();
        fs::remove(dossierConfigurationAccessible() / "Config.dwa");
        unsetenv("SOURCE_DATE_EPOCH");
    }

    // Document produit par la commande de menu : le seul fichier nouveau du dossier de sortie.
    fs::path depuisLaFenetre(int commande) {
        std::set<fs::path> avant;
        for (const auto& e : fs::directory_iterator(dossierSortieDuProgramme())) avant.insert(e.path());
        fenetre->executer(commande);
        EXPECT_TRUE(BoiteMessage::montres().isEmpty()) << BoiteMessage::montres().join("\n").toStdString();
        for (const auto& e : fs::directory_iterator(dossierSortieDuProgramme()))
            if (!avant.count(e.path())) return e.path();
        ADD_FAILURE() << "aucun document écrit par la fenêtre";
        return {};
    }
    // Mêmes octets des deux côtés (le fichier de la fenêtre porte `marque`) ; celui de la fenêtre est effacé.
    static void comparer(const fs::path& fenetre, const fs::path& ligne, const std::string& marque,
                         bool masquerDate = false) {
        const std::string attendu = lignara::essai::lireFichier(fenetre), obtenu = lignara::essai::lireFichier(ligne);
        ASSERT_NE(attendu.find(marque), std::string::npos) << fenetre;
        EXPECT_TRUE(masquerDate ? sansDateDeCreation(obtenu) == sansDateDeCreation(attendu) : obtenu == attendu);
        fs::remove(fenetre);
    }
    fs::path depuisLaLigneDeCommande(const std::string& type, const std::string& options, const std::string& nom) {
        const fs::path chemin = sorties.chemin / nom;
        auto s = lignara::essai::lancerProgramme("document " + type + " '" + ::essai::exempleLivre() + "' --sortie '" +
                                                 chemin.string() + "' " + options);
        EXPECT_EQ(s.code, 0) << s.texte;
        return chemin;
    }
};

TEST_F(FenetreEtLigneDeCommande, lArbreFamilialPdfALesMemesOctets) {
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        taper(d, "Berthelot", "François");
        return ::essai::valider(d);
    };
    aiguillage.parNom["DIALOG_DEMCONJOINT"] = [](QDialog& d) {
        element<QComboBox>(d, "comboConjoint")->setCurrentText("Leroy Augustine");
        return ::essai::valider(d);
    };
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) {
        element<QRadioButton>(d, "c2032")->setChecked(true);
        element<QCheckBox>(d, "c2053")->setChecked(true);
        element<QComboBox>(d, "c2054")->setCurrentText("Pays");
        element<QCheckBox>(d, "c2055")->setChecked(false);
        return ::essai::valider(d);
    };
    const fs::path fenetrePdf = depuisLaFenetre(6102);
    ASSERT_EQ(fenetrePdf.filename(), "AA_Berthelot.pdf");
    const fs::path lignePdf =
        depuisLaLigneDeCommande("arbre-ascendant-familial",
                                "--racine 'François /Berthelot/' --conjoint 'Augustine /Leroy/' "
                                "--option \"Style=par couple d'ascendants\" --option 'Critère de coloration=Pays' "
                                "--option 'Suppression des branches non colorées=non'",
                                "familial.pdf");
    comparer(fenetrePdf, lignePdf, "%PDF-1.7", true);
}

TEST_F(FenetreEtLigneDeCommande, lArbreChronologiqueWebAvecCoupesALesMemesOctets) {
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        taper(d, "Berthelot", "François");
        return ::essai::valider(d);
    };
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) {
        element<QCheckBox>(d, "c2050")->setChecked(true);
        element<QComboBox>(d, "c2051")->setCurrentText("Siècles");
        element<QRadioButton>(d, "c2094")->setChecked(true);
        element<QSpinBox>(d, "spinGenerations")->setValue(3);
        return ::essai::valider(d);
    };
    const fs::path fenetreWeb = depuisLaFenetre(6101);
    ASSERT_EQ(fenetreWeb.filename(), "AA_Berthelot.htm");
    const fs::path ligneWeb =
        depuisLaLigneDeCommande("arbre-ascendant",
                                "--racine 'François /Berthelot/' --format web --option 'Fond de page=Siècles' "
                                "--option 'Couper toutes les branches au-delà de=3'",
                                "individuel.htm");
    comparer(fenetreWeb, ligneWeb, "<title>Arbre ascendant</title>");
}

// La frise individuelle relit le GEDCOM du fichier ouvert depuis la fenêtre comme depuis la
// ligne de commande.
TEST_F(FenetreEtLigneDeCommande, laFriseIndividuelleALesMemesOctets) {
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        taper(d, "Berthelot", "Antoine");
        return ::essai::valider(d);
    };
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Frise chronologique");
        element<QCheckBox>(d, "c2015")->setChecked(false);  // échelle fixe
        element<QCheckBox>(d, "c2014")->setChecked(false);  // domiciles
        return ::essai::valider(d);
    };
    const fs::path fenetrePdf = depuisLaFenetre(6301);
    ASSERT_EQ(fenetrePdf.filename(), "FI_Berthelot.pdf");
    const fs::path lignePdf =
        depuisLaLigneDeCommande("frise-individuelle",
                                "--racine 'Antoine /Berthelot/' --option 'Domiciles=non' "
                                "--option 'Echelle de temps fixe (110 ans sur la largeur de la page)=non'",
                                "frise.pdf");
    comparer(fenetrePdf, lignePdf, "%PDF-1.7");
}

TEST_F(FenetreEtLigneDeCommande, lArbreMixteWebAvecLimiteALesMemesOctets) {
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        taper(d, "Berthelot", "François");
        return ::essai::valider(d);
    };
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Arbre mixte");
        EXPECT_NE(d.findChild<QWidget*>("DIALOG_AM_GENE"), nullptr);
        element<QCheckBox>(d, "c2011")->setChecked(false);  // descendants contemporains
        element<QRadioButton>(d, "c2094")->setChecked(true);
        element<QSpinBox>(d, "spinGenerations")->setValue(2);
        return ::essai::valider(d);
    };
    const fs::path fenetreWeb = depuisLaFenetre(6104);
    ASSERT_EQ(fenetreWeb.filename(), "AM_Berthelot.htm");
    const fs::path ligneWeb = depuisLaLigneDeCommande(
        "arbre-mixte",
        "--racine 'François /Berthelot/' --format web "
        "--option 'Affiche les descendants contemporaines=non' --option 'Couper toutes les branches au-delà de=2'",
        "mixte.htm");
    comparer(fenetreWeb, ligneWeb, "<title>Arbre mixte</title>");
}

TEST_F(FenetreEtLigneDeCommande, lArbreDeCousinsALesMemesOctets) {
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        taper(d, "Berthelot", "François");
        return ::essai::valider(d);
    };
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Arbre des cousins");
        EXPECT_NE(d.findChild<QWidget*>("DIALOG_AC_GENE"), nullptr);
        EXPECT_EQ(d.findChild<QRadioButton*>("c2094"), nullptr);  // PDF seulement
        auto* limite = element<QSpinBox>(d, "c2060");
        EXPECT_EQ(limite->maximum(), 10);
        limite->setValue(2);
        return ::essai::valider(d);
    };
    const fs::path fenetrePdf = depuisLaFenetre(6106);
    ASSERT_EQ(fenetrePdf.filename(), "AC_Berthelot.pdf");
    const fs::path lignePdf = depuisLaLigneDeCommande(
        "arbre-cousins", "--racine 'François /Berthelot/' --option \"Limite l'ascendance à=2\"", "cousins.pdf");
    comparer(fenetrePdf, lignePdf, "%PDF-1.7");
}

}  // namespace
