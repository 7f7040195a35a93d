#include "reglages/ReglagesFichier.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reglages/DossierEssai.h"
#include "reglages/FichierPerso.h"
#include "support/AlterationsStockees.h"
#include "support/Message.h"

namespace lignara {
namespace {

using essai::DossierEssai;
using essai::fixture;

const std::string kBerthelot = "/home/marie/genealogie/Berthelot.ged";
const std::string kAutre = "/home/marie/généalogie/autre fichier.ged";  // octets UTF-8 du chemin

// Les réglages que décrit le premier bloc de perso-deux-fichiers.dwa.
ReglagesFichier reglagesBerthelot() {
    ReglagesFichier r;
    r.modeCommentaire = ReglagesFichier::kTagGedcom;
    r.tagCommentaire = "_COMM";
    r.moi = {
        "BERTHELOT\x1f"
        "MARIE",
        14, 7, 1921};
    r.favoris.push_back({"Arbre de Marie", 1, {0x01, 0x02, 0x0A, 0x00, 0xFF}});
    r.favoris.push_back({"", 255, {}});
    return r;
}

ReglagesFichier reglagesAutre() {
    ReglagesFichier r;
    r.modeCommentaire = ReglagesFichier::kPremiereLigneDiese;
    return r;
}

TEST(ReglagesFichier, ecritDeuxFichiersOctetPourOctet) {
    DossierEssai dossier;
    enregistrerReglagesFichier(dossier.chemin(), kBerthelot, reglagesBerthelot());
    enregistrerReglagesFichier(dossier.chemin(), kAutre, reglagesAutre());
    EXPECT_EQ(essai::lireOctets(dossier / "Perso.dwa"), fixture("perso-deux-fichiers.dwa"));
    EXPECT_EQ(dossier.noms(), std::vector<std::string>{"Perso.dwa"});
}

TEST(ReglagesFichier, retrouveChaqueFichierParSonCheminExactSinonLesDefauts) {
    DossierEssai dossier;
    const ReglagesFichier defauts = chargerReglagesFichier(dossier.chemin(), kBerthelot);  // sans fichier
    EXPECT_EQ(defauts.modeCommentaire, ReglagesFichier::kPremiereLigneNotes);
    EXPECT_FALSE(defauts.moi.definie());
    EXPECT_TRUE(defauts.favoris.empty());
    essai::ecrireOctets(dossier / "Perso.dwa", fixture("perso-deux-fichiers.dwa"));
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kBerthelot), reglagesBerthelot());
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kAutre), reglagesAutre());
    for (const std::string& voisin :
         {std::string("/home/marie/genealogie/berthelot.ged"), kBerthelot + "/", kBerthelot.substr(1), std::string()})
        EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), voisin), ReglagesFichier{}) << voisin;
}

TEST(ReglagesFichier, remplacerUnBlocGardeLesAutresEtLeurOrdre) {
    DossierEssai dossier;
    essai::ecrireOctets(dossier / "Perso.dwa", fixture("perso-deux-fichiers.dwa"));
    ReglagesFichier modifie = reglagesBerthelot();
    modifie.favoris.push_back({"Liste des cousins", 22, std::vector<std::uint8_t>(2000, '\n')});
    modifie.moi = {};
    enregistrerReglagesFichier(dossier.chemin(), kBerthelot, modifie);
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kBerthelot), modifie);
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kAutre), reglagesAutre());
    auto fichier = FichierPerso::lire(essai::lireOctets(dossier / "Perso.dwa"));
    ASSERT_EQ(fichier.blocs().size(), 2u);
    EXPECT_EQ(fichier.blocs()[0].chemin, kBerthelot);
    EXPECT_TRUE(fichier.intact());
}

TEST(ReglagesFichier, coupeALEcritureLesTextesTropLongs) {
    ReglagesFichier r;
    r.modeCommentaire = ReglagesFichier::kTagGedcom;
    r.tagCommentaire = std::string(30, 'T');
    r.moi.cle = std::string(200, 'M');
    r.favoris.push_back({std::string(90, 'f'), 3, {}});
    r.favoris.push_back({"deux\nlignes", 4, {}});
    auto lu = lireReglagesFichier(ecrireReglagesFichier(r));
    ASSERT_TRUE(lu.has_value());
    EXPECT_EQ(lu->tagCommentaire, std::string(24, 'T'));
    EXPECT_EQ(lu->moi.cle, std::string(142, 'M'));
    EXPECT_EQ(lu->favoris[0].nom, std::string(80, 'f'));
    EXPECT_EQ(lu->favoris[1].nom, "deux");
    EXPECT_EQ(lu->favoris[1].type, 4);
}

TEST(ReglagesFichier, unBlocIllisibleDonneLesDefauts) {
    // Mode inconnu ; tag sans zéro dans ses 25 premiers octets ; ligne « Moi » sans fin.
    std::vector<std::uint8_t> modeInconnu = {3, '\n', 0, 0, 0, 0, 0};
    std::vector<std::uint8_t> tagSansFin(1 + 26 + 6, 'T');
    tagSansFin[0] = 2;
    std::fill(tagSansFin.begin() + 27, tagSansFin.end(), 0);
    tagSansFin[27] = '\n';
    std::vector<std::uint8_t> moiSansFin(1 + 150, 'M');
    moiSansFin[0] = 0;
    for (const auto& bloc : {modeInconnu, tagSansFin, moiSansFin}) EXPECT_FALSE(lireReglagesFichier(bloc).has_value());
}

TEST(ReglagesFichier, leChampDuTagTient24CaracteresEtSonZero) {
    std::vector<std::uint8_t> bloc(1 + 26 + 6, 0);
    bloc[0] = ReglagesFichier::kTagGedcom;
    std::fill(bloc.begin() + 1, bloc.begin() + 25, 'T');
    bloc[27] = '\n';
    auto lu = lireReglagesFichier(bloc);
    ASSERT_TRUE(lu.has_value());
    EXPECT_EQ(lu->tagCommentaire, std::string(24, 'T'));
    bloc[25] = 'T';  // 25 caractères : le zéro n'est plus que dans le dernier octet
    EXPECT_FALSE(lireReglagesFichier(bloc).has_value());
}

TEST(ReglagesFichier, uneListeDeFavorisAbimeeEstVideeSansPerdreLeResteDuBloc) {
    auto bloc = ecrireReglagesFichier(reglagesBerthelot());
    bloc.resize(bloc.size() - 1);  // le séparateur perd un octet de sa longueur
    bool abimes = false;
    auto lu = lireReglagesFichier(bloc, 600, &abimes);
    ASSERT_TRUE(lu.has_value());
    EXPECT_TRUE(abimes);
    EXPECT_EQ(lu->tagCommentaire, "_COMM");
    EXPECT_EQ(lu->moi, reglagesBerthelot().moi);
    EXPECT_TRUE(lu->favoris.empty());
}

TEST(FichierPerso, laTroncatureGardeLesBlocsEntiersQuiPrecedentEtDesOctetsAlteresRestentBornes) {
    const auto complet = fixture("perso-deux-fichiers.dwa");
    const auto original = FichierPerso::lire(complet);
    ASSERT_TRUE(original.intact());
    ASSERT_EQ(original.blocs().size(), 2u);
    essai::pourChaqueTroncature(complet, [&](const auto& o) {
        const auto lu = FichierPerso::lire(o);
        EXPECT_FALSE(lu.intact());
        ASSERT_LE(lu.blocs().size(), 1u);
        if (!lu.blocs().empty()) {
            EXPECT_EQ(lu.blocs()[0].chemin, kBerthelot);
            EXPECT_EQ(lu.blocs()[0].donnees, original.blocs()[0].donnees);
        }
    });
    essai::pourDesOctetsAlteres(complet, 600, 3000, 3, [](const auto& o) {
        const auto fichier = FichierPerso::lire(o);
        for (const BlocPerso& bloc : fichier.blocs()) {
            EXPECT_LE(bloc.chemin.size(), FichierPerso::kLimiteChemin);
            if (auto r = lireReglagesFichier(bloc.donnees)) {
                EXPECT_LE(r->modeCommentaire, ReglagesFichier::kTagGedcom);
                EXPECT_LE(r->tagCommentaire.size(), ReglagesFichier::kLimiteTag);
                for (const Favori& f : r->favoris) EXPECT_LE(f.nom.size(), Favori::kLimiteNom);
            }
        }
    });
}

TEST(FichierPerso, refuseLesAutresVersions) {
    auto octets = fixture("perso-deux-fichiers.dwa");
    for (int version : {0, 399, 601, 65535}) {
        octets[0] = static_cast<std::uint8_t>(version & 0xFF);
        octets[1] = static_cast<std::uint8_t>(version >> 8);
        auto fichier = FichierPerso::lire(octets);
        EXPECT_FALSE(fichier.intact());
        EXPECT_TRUE(fichier.blocs().empty());
    }
}

TEST(ReglagesFichier, metDeCoteUnFichierIllisibleAvantDeLEcraser) {
    DossierEssai dossier;
    auto ancien = fixture("perso-deux-fichiers.dwa");
    ancien[0] = 0x59;  // version 601
    essai::ecrireOctets(dossier / "Perso.dwa", ancien);
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kBerthelot), ReglagesFichier{});
    enregistrerReglagesFichier(dossier.chemin(), kAutre, reglagesAutre());
    EXPECT_EQ(essai::lireOctets(dossier / "Perso.dwa.abime"), ancien);
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kAutre), reglagesAutre());
}

TEST(ReglagesFichier, refuseUnCheminQueLIndexNePeutPasTenir) {
    DossierEssai dossier;
    std::string limite = "/" + std::string(259, 'c');
    enregistrerReglagesFichier(dossier.chemin(), limite, reglagesAutre());
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), limite), reglagesAutre());
    EXPECT_THROW(enregistrerReglagesFichier(dossier.chemin(), limite + "c", reglagesAutre()), OperationImpossible);
    EXPECT_THROW(enregistrerReglagesFichier(dossier.chemin(), "/a\nb.ged", reglagesAutre()), OperationImpossible);
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), limite), reglagesAutre());
}

TEST(ReglagesFichier, signaleUnDossierDeConfigurationInaccessible) {
    DossierEssai dossier;
    EXPECT_EQ(essai::messageDe([&] { enregistrerReglagesFichier(dossier / "absent", kBerthelot, reglagesAutre()); }),
              "Création impossible d'un fichier dans "_1252 + (dossier / "absent").string() + "\n" +
                  (dossier / "absent" / "Perso.dwa").string() + "\nDossier inexistant");
}

}  // namespace
}  // namespace lignara
