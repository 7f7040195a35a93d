#include "reglages/ReglagesFichier.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reglages/DossierEssai.h"
#include "reglages/FichierPerso.h"
#include "reglages/TagCommentaire.h"
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
    return {ReglagesFichier::kTagGedcom,
            "_COMM",
            {"BERTHELOT\x1fMARIE", 14, 7, 1921},
            {{"Arbre de Marie", 1, {0x01, 0x02, 0x0A, 0x00, 0xFF}}, {"", 255, {}}}};
}

ReglagesFichier reglagesAutre() { return {ReglagesFichier::kPremiereLigneDiese, {}, {}, {}}; }

// Sans fichier, puis pour tout chemin qui n'est pas exactement celui d'un bloc : les défauts.
TEST(ReglagesFichier, ecritDeuxFichiersOctetPourOctetRetrouveChacunParSonCheminExactEtRemplaceUnBlocSansBougerLAutre) {
    DossierEssai dossier;
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kBerthelot), ReglagesFichier{});
    enregistrerReglagesFichier(dossier.chemin(), kBerthelot, reglagesBerthelot());
    enregistrerReglagesFichier(dossier.chemin(), kAutre, reglagesAutre());
    EXPECT_EQ(essai::lireOctets(dossier / "Perso.dwa"), fixture("perso-deux-fichiers.dwa"));
    EXPECT_EQ(dossier.noms(), std::vector<std::string>{"Perso.dwa"});
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kBerthelot), reglagesBerthelot());
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kAutre), reglagesAutre());
    for (const std::string& voisin :
         {std::string("/home/marie/genealogie/berthelot.ged"), kBerthelot + "/", kBerthelot.substr(1), std::string()})
        EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), voisin), ReglagesFichier{}) << voisin;
    // Remplacer un bloc garde les autres et leur ordre.
    ReglagesFichier modifie = reglagesBerthelot();
    modifie.favoris.push_back({"Liste des cousins", 22, std::vector<std::uint8_t>(2000, '\n')});
    modifie.moi = {};
    enregistrerReglagesFichier(dossier.chemin(), kBerthelot, modifie);
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kBerthelot), modifie);
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kAutre), reglagesAutre());
    EXPECT_EQ(FichierPerso::lire(essai::lireOctets(dossier / "Perso.dwa")).blocs().at(0).chemin, kBerthelot);
}

TEST(ReglagesFichier, coupeALEcritureLesTextesTropLongsEtRefuseALaLectureUnBlocIllisible) {
    ReglagesFichier r;
    r.modeCommentaire = ReglagesFichier::kTagGedcom;
    r.tagCommentaire = std::string(30, 'T');
    r.moi.cle = std::string(200, 'M');
    r.favoris.push_back({std::string(90, 'f'), 3, {}});
    r.favoris.push_back({"deux\nlignes", 4, {}});
    const auto lu = lireReglagesFichier(ecrireReglagesFichier(r)).value();
    EXPECT_EQ(lu.tagCommentaire, std::string(24, 'T'));
    EXPECT_EQ(lu.moi.cle, std::string(142, 'M'));
    EXPECT_EQ(lu.favoris[0].nom, std::string(80, 'f'));
    EXPECT_EQ(lu.favoris[1].nom, "deux");
    // Mode inconnu, ligne « Moi » sans fin, tag sans zéro dans ses 25 octets : bloc illisible.
    EXPECT_FALSE(lireReglagesFichier(std::vector<std::uint8_t>{3, '\n', 0, 0, 0, 0, 0}).has_value());
    std::vector<std::uint8_t> moiSansFin(1 + 150, 'M');
    moiSansFin[0] = 0;
    EXPECT_FALSE(lireReglagesFichier(moiSansFin).has_value());
    std::vector<std::uint8_t> bloc(1 + 26 + 6, 0);
    bloc[0] = ReglagesFichier::kTagGedcom;
    std::fill(bloc.begin() + 1, bloc.begin() + 25, 'T');
    bloc[27] = '\n';
    EXPECT_EQ(lireReglagesFichier(bloc).value().tagCommentaire, std::string(24, 'T'));
    bloc[25] = 'T';  // 25 caractères : le zéro n'est plus que dans le dernier octet
    EXPECT_FALSE(lireReglagesFichier(bloc).has_value());
}

TEST(FichierPerso, laTroncatureGardeLesBlocsEntiersQuiPrecedentEtDesOctetsAlteresRestentBornes) {
    const auto complet = fixture("perso-deux-fichiers.dwa");
    const auto original = FichierPerso::lire(complet);
    essai::pourChaqueTroncature(complet, [&](const auto& o) {
        const auto lu = FichierPerso::lire(o);
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

TEST(ReglagesFichier, refuseLesAutresVersionsEtMetDeCoteLeFichierAvantDeLEcraser) {
    DossierEssai dossier;
    auto ancien = fixture("perso-deux-fichiers.dwa");
    ancien[0] = 0x59;  // version 601 : les autres versions ne sont pas lues
    EXPECT_TRUE(FichierPerso::lire(ancien).blocs().empty());
    essai::ecrireOctets(dossier / "Perso.dwa", ancien);
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kBerthelot), ReglagesFichier{});
    enregistrerReglagesFichier(dossier.chemin(), kAutre, reglagesAutre());
    EXPECT_EQ(essai::lireOctets(dossier / "Perso.dwa.abime"), ancien);
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kAutre), reglagesAutre());
}

TEST(ReglagesFichier, refuseUnCheminQueLIndexNePeutPasTenirEtSignaleUnDossierInaccessible) {
    DossierEssai dossier;
    std::string limite = "/" + std::string(259, 'c');
    enregistrerReglagesFichier(dossier.chemin(), limite, reglagesAutre());
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), limite), reglagesAutre());
    EXPECT_THROW(enregistrerReglagesFichier(dossier.chemin(), limite + "c", reglagesAutre()), OperationImpossible);
    EXPECT_THROW(enregistrerReglagesFichier(dossier.chemin(), "/a\nb.ged", reglagesAutre()), OperationImpossible);
    EXPECT_EQ(essai::messageDe([&] { enregistrerReglagesFichier(dossier / "absent", kBerthelot, reglagesAutre()); }),
              "Création impossible d'un fichier dans "_1252 + (dossier / "absent").string() + "\n" +
                  (dossier / "absent" / "Perso.dwa").string() + "\nDossier inexistant");
}

TEST(TagCommentaire, laSaisieEstCoupeeA24CaracteresEtUnTagDejaLuPourLesPersonnesRefuseEnLeNommant) {
    EXPECT_EQ(tagCommentaireSaisi("_COMM et la suite"), "_COMM");
    EXPECT_EQ(tagCommentaireSaisi(std::string(30, 'X')), std::string(24, 'X'));
    for (const char* tag : {"note", "BIRT", "_img", "TRLR"}) EXPECT_TRUE(tagDejaLuPourLesPersonnes(tag)) << tag;
    for (const char* tag : {"_COMM", "NOT", "NOTES", ""}) EXPECT_FALSE(tagDejaLuPourLesPersonnes(tag)) << tag;
    EXPECT_EQ(refusTagCommentaire("OCCU"),
              "Le tag \"OCCU\" ne peut pas être utilisé pour les commentaires\ncar il est déjà pris "
              "en compte dans la description d'un individu."_1252);
    EXPECT_EQ(refusTagCommentaire("_NOTE-PERSO"),
              "Le tag \"_NOTE-PERSO\" ne peut pas être utilisé pour les commentaires\ncar un tag Gedcom ne "
              "contient que des lettres, des chiffres et des soulignés (_)."_1252);
    EXPECT_EQ(refusTagCommentaire("_COMM_2"), "");
}

// Un bloc écrit avec un tag qu'aucune ligne GEDCOM ne porte (une version qui ne le refusait pas)
// se relit en mode ordinaire, « Moi » et favoris gardés.
TEST(ReglagesFichier, unTagImpossibleNeFaitPasPerdreMoiNiLesFavoris) {
    DossierEssai dossier;
    ReglagesFichier r = reglagesBerthelot();
    ASSERT_FALSE(r.favoris.empty());
    r.modeCommentaire = ReglagesFichier::kTagGedcom;
    r.tagCommentaire = "_NOTE-PERSO";
    enregistrerReglagesFichier(dossier.chemin(), kBerthelot, r);
    const ReglagesFichier lu = chargerReglagesFichier(dossier.chemin(), kBerthelot);
    EXPECT_EQ(lu.modeCommentaire, ReglagesFichier::kPremiereLigneNotes);
    EXPECT_EQ(lu.tagCommentaire, "");
    EXPECT_EQ(lu.moi, r.moi);
    EXPECT_EQ(lu.favoris, r.favoris);
}

}  // namespace
}  // namespace lignara
