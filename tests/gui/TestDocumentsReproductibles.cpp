// Le même document depuis le menu de la fenêtre et par la ligne de commande, avec les mêmes
// préférences et SOURCE_DATE_EPOCH : les mêmes octets. La casse automatique des préférences
// s'applique aux deux de la même façon, et la fenêtre suit son changement sur le fichier ouvert.
#include <cstdlib>
#include <filesystem>

#include <QCheckBox>

#include "documents/DocumentLigneCommande.h"
#include "gui/SelectionEssai.h"
#include "render/LecturePdf.h"
#include "reglages/Configuration.h"
#include "commun/Dossiers.h"
#include "shell/gui/CommandesMenus.h"

using namespace lignara;
using namespace lignara::gui;

namespace {

namespace fs = std::filesystem;

struct EpoqueFixee {
    EpoqueFixee() { ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1); }
    ~EpoqueFixee() { ::unsetenv("SOURCE_DATE_EPOCH"); }
};

struct Reproductible : ::essai::FenetreOuverte {
    ::essai::DossierTemporaire dossier{"reproductible"};
    EpoqueFixee epoque;

    void TearDown() override { enregistrerConfiguration(Configuration{}, dossierConfiguration()); }

    // Arbre ascendant de François Berthelot (@I27@), par son menu, feuille validée telle quelle ;
    // gardé hors du dossier de sortie.
    fs::path depuisLaFenetre() {
        f->configuration().afficheurs = {"true", "true", "true", "true"};
        aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
            ::essai::taper(d, "Berthelot", "François");
            return ::essai::valider(d);
        };
        aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) { return ::essai::valider(d); };
        f->executer(6101);
        EXPECT_TRUE(BoiteMessage::montres().isEmpty()) << BoiteMessage::montres().join("\n").toStdString();
        if (f->dernierDocument().empty()) return {};
        const fs::path garde = dossier.chemin / "fenetre.pdf";
        fs::rename(f->dernierDocument(), garde);
        return garde;
    }

    // Le même par « lignara document », les préférences de la fenêtre enregistrées.
    fs::path parLaLigneDeCommande(const std::string& nom) {
        enregistrerConfiguration(f->configuration(), dossierConfigurationAccessible());
        CommandeDocumentDemandee demande;
        demande.type = "arbre-ascendant";
        demande.fichier = ::essai::exempleLivre();
        demande.parametres.racine = "@I27@";
        demande.sortie = dossier.chemin / nom;
        EXPECT_TRUE(produireDocument(demande));
        return demande.sortie;
    }

    static std::string contenu(const fs::path& pdf) {
        std::string texte;
        for (const std::string& c : lignara::essai::LecturePdf(pdf).contenus()) texte += c;
        return texte;
    }
};

TEST_F(Reproductible, laFenetreEtLaLigneDeCommandeEcriventLesMemesOctets) {
    const fs::path fenetre = depuisLaFenetre();
    const fs::path ligne = parLaLigneDeCommande("ligne.pdf");
    ASSERT_FALSE(fenetre.empty());
    const std::string octets = lignara::essai::lireFichier(fenetre);
    EXPECT_TRUE(octets == lignara::essai::lireFichier(ligne));
    EXPECT_NE(octets.find("/CreationDate (D:202311142213)"), std::string::npos);
    // Casse automatique des préférences par défaut : le nom en capitales, les prénoms non.
    EXPECT_NE(contenu(fenetre).find("(BERTHELOT Fran"), std::string::npos);
}

TEST_F(Reproductible, laCasseAutomatiqueEteinteDansLesPreferencesVautPourLesDeux) {
    aiguillage.parNom["DialoguePreferences"] = [](QDialog& d) {
        ::essai::element<QCheckBox>(d, "checkCasse")->setChecked(false);
        return ::essai::valider(d);
    };
    f->executer(kCommandePreferences);
    ASSERT_FALSE(f->configuration().casseAutomatique);
    const fs::path fenetre = depuisLaFenetre();
    const fs::path ligne = parLaLigneDeCommande("ligne.pdf");
    ASSERT_FALSE(fenetre.empty());
    EXPECT_TRUE(lignara::essai::lireFichier(fenetre) == lignara::essai::lireFichier(ligne));
    const std::string texte = contenu(fenetre);
    EXPECT_NE(texte.find("(Berthelot Fran"), std::string::npos);
    EXPECT_EQ(texte.find("BERTHELOT"), std::string::npos);
}

}  // namespace
