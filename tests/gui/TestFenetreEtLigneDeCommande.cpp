// La fenêtre et la ligne de commande (le vrai programme, même dossier de configuration) écrivent
// les mêmes octets pour le même document avec les mêmes options, casse automatique des noms
// comprise : la préférence par défaut, puis éteinte dans les préférences, ce que le fichier
// ouvert suit. L'arbre ascendant lancé d'un favori est comparé par l'essai des favoris.
#include <functional>

#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>

#include "support/DossierEssai.h"
#include "support/Programme.h"
#include "commun/Dossiers.h"
#include "gui/SelectionEssai.h"
#include "render/LecturePdf.h"
#include "shell/gui/CommandesMenus.h"

using namespace lignara;
using namespace lignara::gui;
using ::essai::element;
using ::essai::taper;

namespace {

namespace fs = std::filesystem;

struct FenetreEtLigneDeCommande : ::testing::Test {
    ::essai::DossierTemporaire sorties{"fenetre-et-ligne-de-commande"};
    Configuration preferences;
    std::unique_ptr<FenetrePrincipale> fenetre;
    ::essai::Aiguillage aiguillage;

    void SetUp() override {
        ::essai::remettreAZero();
        setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
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
};

// Un document par le menu (feuille réglée par « feuille ») et par « lignara document ».
struct Cas {
    int commande;
    const char* prenom;
    std::function<void(QDialog&)> feuille;
    const char* nomFenetre;
    const char* type;
    const char* options;
    const char* marque;
    const char* nom;    // le nom tel que la casse l'écrit (le PDF lu par ses contenus)
    bool casseEteinte;  // décochée dans les préférences avant ce document
};

TEST_F(FenetreEtLigneDeCommande, chaqueDocumentALesMemesOctetsDesDeuxCotes) {
    const Cas cas[] = {
        // La frise relit le GEDCOM du fichier ouvert.
        {6301, "Antoine",
         [](QDialog& d) {
             element<QCheckBox>(d, "c2015")->setChecked(false);  // échelle fixe
             element<QCheckBox>(d, "c2014")->setChecked(false);  // domiciles
         },
         "FI_BERTHELOT.pdf", "frise-individuelle",
         "--racine 'Antoine /Berthelot/' --option 'Domiciles=non' "
         "--option 'Echelle de temps fixe (110 ans sur la largeur de la page)=non'",
         "%PDF-1.7", nullptr, false},
        {6104, "François",
         [](QDialog& d) {
             element<QCheckBox>(d, "c2011")->setChecked(false);  // descendants contemporains
             element<QRadioButton>(d, "c2094")->setChecked(true);
             element<QSpinBox>(d, "spinGenerations")->setValue(2);
         },
         "AM_BERTHELOT.htm", "arbre-mixte",
         "--racine 'François /Berthelot/' --format web --option 'Affiche les descendants contemporaines=non' "
         "--option 'Couper toutes les branches au-delà de=2'",
         "<title>Arbre mixte</title>", "BERTHELOT", false},
        {6101, "François", [](QDialog&) {}, "AA_Berthelot.pdf", "arbre-ascendant", "--racine '@I27@'", "%PDF-",
         "(Berthelot Fran", true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.type);
        if (c.casseEteinte) {
            aiguillage.parNom["DialoguePreferences"] = [](QDialog& d) {
                element<QCheckBox>(d, "checkCasse")->setChecked(false);
                return ::essai::valider(d);
            };
            fenetre->executer(kCommandePreferences);
        }
        aiguillage.parNom["DIALOG_DEMPERS"] = [&](QDialog& d) {
            taper(d, "Berthelot", QString::fromUtf8(c.prenom));
            return ::essai::valider(d);
        };
        aiguillage.parNom["feuilleProprietes"] = [&](QDialog& d) {
            c.feuille(d);
            return ::essai::valider(d);
        };
        fenetre->executer(c.commande);
        const fs::path produit = fenetre->dernierDocument();
        ASSERT_EQ(produit.filename(), c.nomFenetre);
        const fs::path ligne = sorties.chemin / c.nomFenetre;
        auto s = lignara::essai::lancerProgramme(std::string("document ") + c.type + " '" + ::essai::exempleLivre() +
                                                 "' --sortie '" + ligne.string() + "' " + c.options);
        EXPECT_EQ(s.code, 0) << s.texte;
        const std::string attendu = lignara::essai::lireFichier(produit);
        ASSERT_NE(attendu.find(c.marque), std::string::npos);
        if (c.nom) {
            std::string texte = attendu;
            if (attendu.starts_with("%PDF")) {
                texte.clear();
                for (const std::string& x : lignara::essai::LecturePdf(produit).contenus()) texte += x;
            }
            EXPECT_NE(texte.find(c.nom), std::string::npos) << "casse des préférences";
            if (c.casseEteinte) {
                EXPECT_EQ(texte.find("BERTHELOT"), std::string::npos);
            }
        }
        EXPECT_TRUE(lignara::essai::lireFichier(ligne) == attendu);
        fs::remove(produit);
    }
}

}  // namespace
