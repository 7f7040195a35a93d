// La casse automatique éteinte dans les préférences vaut pour la fenêtre, qui suit son
// changement sur le fichier ouvert, et pour la ligne de commande : les mêmes octets.
#include <QCheckBox>

#include "documents/DocumentLigneCommande.h"
#include "gui/SelectionEssai.h"
#include "render/LecturePdf.h"
#include "commun/Dossiers.h"
#include "shell/gui/CommandesMenus.h"

using namespace lignara;
using namespace lignara::gui;

namespace {

struct Reproductible : ::essai::FenetreDocuments {
    ::essai::DossierTemporaire dossier{"reproductible"};
    void SetUp() override {
        ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
        FenetreDocuments::SetUp();
    }
    void TearDown() override {
        ::unsetenv("SOURCE_DATE_EPOCH");
        enregistrerConfiguration(Configuration{}, dossierConfiguration());
    }
};

TEST_F(Reproductible, laCasseAutomatiqueEteinteDansLesPreferencesVautPourLesDeux) {
    aiguillage.parNom["DialoguePreferences"] = [](QDialog& d) {
        ::essai::element<QCheckBox>(d, "checkCasse")->setChecked(false);
        return ::essai::valider(d);
    };
    f->executer(kCommandePreferences);
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        ::essai::taper(d, "Berthelot", "François");
        return ::essai::valider(d);
    };
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) { return ::essai::valider(d); };
    f->executer(6101);
    const auto fenetre = dossier.chemin / "fenetre.pdf";
    ASSERT_FALSE(f->dernierDocument().empty());
    std::filesystem::rename(f->dernierDocument(), fenetre);

    enregistrerConfiguration(f->configuration(), dossierConfigurationAccessible());
    CommandeDocumentDemandee demande;
    demande.type = "arbre-ascendant";
    demande.fichier = ::essai::exempleLivre();
    demande.parametres.racine = "@I27@";
    demande.sortie = dossier.chemin / "ligne.pdf";
    ASSERT_TRUE(produireDocument(demande));
    EXPECT_TRUE(lignara::essai::lireFichier(fenetre) == lignara::essai::lireFichier(demande.sortie));
    std::string texte;
    for (const std::string& c : lignara::essai::LecturePdf(fenetre).contenus()) texte += c;
    EXPECT_NE(texte.find("(Berthelot Fran"), std::string::npos);
    EXPECT_EQ(texte.find("BERTHELOT"), std::string::npos);
}

}  // namespace
