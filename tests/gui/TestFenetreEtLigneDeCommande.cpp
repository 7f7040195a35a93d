// La fenêtre et la ligne de commande (le vrai programme, même dossier de configuration) écrivent
// les mêmes octets pour le même document avec les mêmes options, casse automatique des noms
// comprise (la préférence par défaut). L'arbre ascendant PDF est comparé par les essais des
// favoris et de la casse ; ici, un arbre en page Web et une frise.
#include <functional>

#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>

#include "support/DossierEssai.h"
#include "support/Programme.h"
#include "commun/Dossiers.h"
#include "gui/SelectionEssai.h"

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
    const char* casse;  // le nom tel que la casse automatique l'écrit, quand le document se lit en clair
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
         "%PDF-1.7", nullptr},
        {6104, "François",
         [](QDialog& d) {
             element<QCheckBox>(d, "c2011")->setChecked(false);  // descendants contemporains
             element<QRadioButton>(d, "c2094")->setChecked(true);
             element<QSpinBox>(d, "spinGenerations")->setValue(2);
         },
         "AM_BERTHELOT.htm", "arbre-mixte",
         "--racine 'François /Berthelot/' --format web --option 'Affiche les descendants contemporaines=non' "
         "--option 'Couper toutes les branches au-delà de=2'",
         "<title>Arbre mixte</title>", "BERTHELOT"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.type);
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
        if (c.casse) {
            EXPECT_NE(attendu.find(c.casse), std::string::npos) << "casse automatique des préférences";
        }
        EXPECT_TRUE(lignara::essai::lireFichier(ligne) == attendu);
        fs::remove(produit);
    }
}

}  // namespace
