// Cycle de vie du fichier ouvert : ouverture, fermeture, tables dérivées, réglages, surveillance.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <thread>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/IndexPhonetique.h"
#include "reglages/DossierEssai.h"
#include "session/FichierOuvert.h"
#include "session/PersonnesTrouvees.h"

namespace lignara {
namespace {

using essai::DossierEssai;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Jean, né en 1800, a un fils Pierre sans aucune date ; la mère est inconnue.
const std::string kFamille =
    "0 HEAD\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Jean /Dupont/\n1 SEX M\n1 BIRT\n2 DATE 1800\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Pierre /Dupont/\n1 SEX M\n1 FAMC @F1@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 CHIL @I2@\n"
    "0 TRLR\n";

void ecrire(const fs::path& chemin, const std::string& texte) { std::ofstream(chemin, std::ios::binary) << texte; }

class FichierOuvertEssai : public ::testing::Test {
protected:
    FichierOuvertEssai() : fichier(configuration.chemin(), temporaire.chemin()) {
        ecrire(sources / "famille.ged", kFamille);
    }

    DossierEssai configuration, temporaire, sources;
    FichierOuvert fichier;
};

TEST_F(FichierOuvertEssai, ouvreFermeRouvreEnEffacantLaBaseDeTravailEtNeGardeRienApresUnRefus) {
    fichier.ouvrir(sources / "famille.ged");
    ASSERT_TRUE(fichier.ouvert());
    EXPECT_EQ(fichier.indexPhonetique().taille(), 2u);
    fichier.fermer();
    EXPECT_TRUE(temporaire.noms().empty());
    EXPECT_EQ(fichier.personnesDernierFichier(), 2u);
    EXPECT_THROW(fichier.attendreTablesDerivees(), OperationImpossible);

    fichier.ouvrir(sources / "famille.ged");
    fs::path premiere = fichier.base().chemin();
    fichier.ouvrir(fichier.chemin());  // rouvrir le même fichier par son propre chemin
    EXPECT_FALSE(fs::exists(premiere));
    ecrire(sources / "copie.GED", kFamille);
    fichier.ouvrir(sources / "copie.GED");  // ferme le précédent, extension en capitales comprise
    EXPECT_EQ(fichier.chemin().filename(), "copie.GED");
    EXPECT_EQ(temporaire.noms().size(), 1u);
    // Un fichier refusé ne laisse rien d'ouvert.
    // Le pays par défaut des préférences passe à l'import.
    ecrire(sources / "bruges.ged",
           "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 BIRT\n2 PLAC Bruges, Flandre-Occidentale\n0 TRLR\n");
    OptionsOuverture belge;
    belge.paysParDefaut = CodePays("BE");
    fichier.ouvrir(sources / "bruges.ged", belge);
    EXPECT_EQ(fichier.base().LireTexte(TableLieux, fichier.base().LireEvenement(1).lieu).substr(0, 2), "BE");
    ecrire(sources / "famille.txt", kFamille);
    EXPECT_THROW(fichier.ouvrir(sources / "famille.txt"), OperationImpossible);
    EXPECT_FALSE(fichier.ouvert());
    EXPECT_TRUE(temporaire.noms().empty());
    fs::create_directory(sources / "dossier.ged");
    EXPECT_THROW(fichier.ouvrir(sources / "dossier.ged"), OperationImpossible);
}

// La casse automatique s'applique à toute lecture de nom, suit son changement, pas aux index.
TEST_F(FichierOuvertEssai, laCasseAutomatiqueSAppliqueAuxLecturesEtPasAuxIndex) {
    ecrire(sources / "noms.ged",
           "0 HEAD\n1 CHAR UTF-8\n"
           "0 @I1@ INDI\n1 NAME jean-PIERRE dit le grand /de la Fontaine/\n"
           "0 @I2@ INDI\n1 NAME éloïse /d'Ébrard/\n"
           "0 @I3@ INDI\n1 NAME Œdipe /Dupont du Lac/\n"
           "0 TRLR\n");
    auto noms = [&](std::uint32_t p) {
        const Individu i = fichier.base().LireIndividu(p);
        return fichier.base().LireTexte(TableNoms, i.nom) + "|" + fichier.base().LireTexte(TablePrenoms, i.prenoms);
    };
    auto cles = [&] {
        std::vector<std::string> v;
        for (std::size_t k = 0; k < fichier.indexNoms().taille(); ++k)
            v.push_back(std::to_string(fichier.indexNoms().personne(k)) + fichier.indexNoms().cle(k));
        for (std::size_t k = 0; k < fichier.indexPhonetique().taille(); ++k)
            v.push_back(std::to_string(fichier.indexPhonetique().personne(k)) + fichier.indexPhonetique().cle(k));
        return v;
    };
    fichier.ouvrir(sources / "noms.ged");
    EXPECT_EQ(noms(1), "de la Fontaine|jean-PIERRE dit le grand");
    const auto sansCasse = cles();
    OptionsOuverture options;
    options.casseAutomatique = true;
    fichier.ouvrir(sources / "noms.ged", options);
    EXPECT_EQ(noms(1), "de la FONTAINE|Jean-Pierre dit le Grand");
    EXPECT_EQ(noms(3), "DUPONT du LAC|Œdipe"_1252);
    EXPECT_EQ(cles(), sansCasse);
    fichier.afficherNoms(false);
    EXPECT_EQ(noms(1), "de la Fontaine|jean-PIERRE dit le grand");
}

// 20 000 pères et fils : l'index phonétique et les tables se construisent encore au retour d'ouvrir().
std::string grandeLignee() {
    std::string gros = "0 HEAD\n1 CHAR UTF-8\n";
    for (int i = 1; i <= 20000; ++i) {
        gros += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME P" + std::to_string(i) + " /Chaine" + std::to_string(i) +
                "/\n1 SEX M\n";
        if (i > 1) gros += "1 FAMC @F" + std::to_string(i - 1) + "@\n";
        if (i < 20000) gros += "1 FAMS @F" + std::to_string(i) + "@\n";
    }
    for (int i = 1; i < 20000; ++i)
        gros += "0 @F" + std::to_string(i) + "@ FAM\n1 HUSB @I" + std::to_string(i) + "@\n1 CHIL @I" +
                std::to_string(i + 1) + "@\n";
    gros += "0 TRLR\n";
    return gros;
}

TEST_F(FichierOuvertEssai, laDerivationEnArrierePlanSAttendSousLeCurseurEtLaFermetureLAttend) {
    ecrire(sources / "chaine.ged", grandeLignee());
    int debuts = 0, fins = 0;
    OptionsOuverture options;
    options.curseurAttente = [&](bool enAttente) { ++(enAttente ? debuts : fins); };
    fichier.ouvrir(sources / "chaine.ged", options);
    const bool pretAvant = fichier.indexPhonetiquePret();
    EXPECT_EQ(fichier.indexPhonetique().taille(), 20000u);
    EXPECT_EQ(debuts, fins);
    EXPECT_EQ(debuts, pretAvant ? 0 : 1);
    // Une recherche par le son trouve la personne.
    const auto trouvees = chercherPersonnes(fichier, {"Chaine12345", "", true});
    EXPECT_TRUE(
        std::any_of(trouvees.begin(), trouvees.end(), [](const PersonneTrouvee& t) { return t.numero == 12345; }));
    fichier.fermer();
    EXPECT_EQ(fichier.indexPhonetique().taille(), 0u);  // sans fichier : vide, sans attente
    // Fermer pendant la dérivation l'attend avant de libérer : l'ordre ne se mesure pas, mais les
    // sanitiseurs relèvent toute lecture de tables libérées.
    for (int tour = 0; tour < 3; ++tour) {
        fichier.ouvrir(sources / "chaine.ged");
        fichier.fermer();
        EXPECT_FALSE(fichier.tablesDeriveesPretes());
    }
    fichier.ouvrir(sources / "chaine.ged");
    EXPECT_EQ(fichier.attendreTablesDerivees().anneesNaissance.size(), 20001u);
}

// La fenêtre garde le fichier ouvert pendant que la ligne de commande ajoute un favori au même
// bloc de « Perso.dwa » : aucune des deux ne perd ce que l'autre a écrit.
TEST_F(FichierOuvertEssai, laFenetreEtLaLigneDeCommandeNePerdentPasLeursChangements) {
    fichier.ouvrir(sources / "famille.ged");
    const std::string chemin = FichierOuvert::cheminDesReglages(sources / "." / "famille.ged");
    fichier.reglages().favoris = {{"Fen\xEAtre", 1, {1}}, {"", Favori::kSeparateur, {}}, {"Vieux", 12, {2}}};
    fichier.enregistrerReglages();

    auto ajouterParLaLigne = [&](const std::string& nom) {
        modifierReglagesFichier(configuration.chemin(), chemin, [&](ReglagesFichier& r) {
            r.favoris.push_back({nom, 16, {3}});
        });
    };
    // Options du fichier validées dans la fenêtre : les favoris de la ligne restent.
    ajouterParLaLigne("Ligne 1");
    fichier.reglages().modeCommentaire = ReglagesFichier::kPremiereLigneDiese;
    fichier.enregistrerReglages();

    // Favoris gérés dans la fenêtre (« Vieux » supprimé) : l'ajout de la ligne s'y joint.
    ajouterParLaLigne("Ligne 2");
    fichier.reglages().favoris.erase(fichier.reglages().favoris.begin() + 2);
    fichier.enregistrerReglages();
    auto relu = chargerReglagesFichier(configuration.chemin(), chemin);
    EXPECT_EQ(relu, fichier.reglages());
    std::vector<std::string> noms;
    for (const Favori& f : relu.favoris) noms.push_back(f.nom);
    EXPECT_EQ(noms, (std::vector<std::string>{"Fen\xEAtre", "", "Ligne 1", "Ligne 2"}));
}

TEST_F(FichierOuvertEssai, unGedcomReecritLeveLeDrapeauJusquALaReouverture) {
    std::atomic<int> rappels{0};
    OptionsOuverture options;
    options.fichierModifie = [&] { ++rappels; };
    fichier.ouvrir(sources / "famille.ged", options);
    EXPECT_FALSE(fichier.gedcomModifie());

    ecrire(sources / "famille.ged", kFamille + "\n");
    for (int i = 0; i < 300 && !(fichier.gedcomModifie() && rappels.load() >= 1); ++i)
        std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(fichier.gedcomModifie());
    EXPECT_GE(rappels.load(), 1);

    fichier.ouvrir(sources / "famille.ged", options);
    EXPECT_FALSE(fichier.gedcomModifie());
}

}  // namespace
}  // namespace lignara
