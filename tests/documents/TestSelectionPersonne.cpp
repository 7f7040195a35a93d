#include "documents/SelectionPersonne.h"

#include <gtest/gtest.h>

#include <set>

#include "BaseEssai.h"
#include "documents/AjustementNom.h"
#include "documents/ChoixConjoint.h"
#include "documents/ListeCoupes.h"
#include "documents/ListeHomonymes.h"
#include "documents/PersonneMoi.h"
#include "documents/PersonnesRecentes.h"

namespace lignara {
namespace {

using essai::BaseEssai;

std::string gedcomAvec(const std::string& individus) { return "0 HEAD\n1 CHAR ANSI\n" + individus + "0 TRLR\n"; }

std::string individu(int n, const std::string& nom) {
    return "0 @I" + std::to_string(n) + "@ INDI\n1 NAME " + nom + "\n";
}

TEST(SelectionPersonne, nomAbsentLaisseOKGriseEtPrenomsCherchesParMotsEntiers) {
    BaseEssai b(gedcomAvec(individu(1, "Jean /DUPONT/") + individu(2, "Jean Pierre /DUPONT/") +
                           individu(3, "Jeanne /DUPONT/") + individu(4, "Paul /DUPONTEL/")));
    SelectionPersonne s(b.contexte);
    EtatSelection e{.nom = "Durand", .prenoms = {}};
    EXPECT_FALSE(s.chercher(e));
    e.nom = "dupont";
    e.prenoms = "jean";
    ASSERT_TRUE(s.chercher(e));
    EXPECT_EQ(s.candidats(e), (std::vector<std::uint32_t>{1, 2}));
    EXPECT_EQ(s.valider(e), -1);  // deux homonymes : il faut choisir
    e.prenoms = "Jean-Pierre";    // la ponctuation compte comme une espace
    ASSERT_TRUE(s.chercher(e));
    EXPECT_EQ(s.valider(e), 2);
    e.prenoms = "";
    s.chercher(e);
    EXPECT_EQ(s.candidats(e).size(), 3u);  // DUPONTEL n'en est pas
    EXPECT_EQ(s.prenomsDuNom("Dupont", false), (std::vector<std::string>{"Jean", "Jean Pierre", "Jeanne"}));
    EXPECT_EQ(s.nomsDeFamille(false), (std::vector<std::string>{"DUPONT", "DUPONTEL"}));
    // Un espace tapé en trop ne compte pas.
    e.nom = "Dupont  ";
    e.prenoms = "Jeanne ";
    ASSERT_TRUE(s.chercher(e));
    EXPECT_EQ(s.valider(e), 3);
}

// Un nom qui finit par un signe gardé comme une espace dans la clé se retrouve tel qu'on le tape
// ou tel que la liste des noms le donne, même à côté d'un nom sans ce signe.
TEST(SelectionPersonne, unNomFinissantParUnSigneSeRetrouve) {
    BaseEssai b(gedcomAvec(individu(1, "Marie /N./") + individu(2, "Paul /N/") + individu(3, "Jean /B\xF8/")));
    SelectionPersonne s(b.contexte);
    for (const auto& [nom, prenoms, personne] :
         {std::tuple{"N.", "Marie", 1}, std::tuple{"N", "Paul", 2}, std::tuple{"B\xF8", "Jean", 3}}) {
        EtatSelection e{.nom = nom, .prenoms = prenoms};
        ASSERT_TRUE(s.chercher(e)) << nom;
        EXPECT_EQ(s.valider(e), personne) << nom;
    }
    for (const std::string& nom : s.nomsDeFamille(false)) {
        EtatSelection e{.nom = nom, .prenoms = {}};
        EXPECT_TRUE(s.chercher(e)) << nom;
    }
}

TEST(SelectionPersonne, unePersonneSansNomDeFamilleSeChoisitParSesPrenoms) {
    BaseEssai b(gedcomAvec(individu(1, "Blichilde Countess Of Maine //") + individu(2, "Charlemagne") +
                           individu(3, "Jean /DUPONT/")));
    SelectionPersonne s(b.contexte);
    EtatSelection e;
    EXPECT_FALSE(s.chercher(e));  // rien de tapé : OK reste grisé
    e.prenoms = "Blichilde";
    ASSERT_TRUE(s.chercher(e));
    EXPECT_EQ(s.valider(e), 1);
    e.prenoms = "Jean";  // Jean a un nom de famille : il ne répond pas à un nom vide
    EXPECT_FALSE(s.chercher(e));
    EXPECT_EQ(s.prenomsDuNom("", false), (std::vector<std::string>{"Blichilde Countess Of Maine", "Charlemagne"}));
}

TEST(SelectionPersonne, soixanteHomonymesNeDonnentQueCinquanteCandidats) {
    std::string individus;
    for (int i = 1; i <= 60; ++i) individus += individu(i, "Marie /ROUX/");
    BaseEssai b(gedcomAvec(individus));
    SelectionPersonne s(b.contexte);
    EtatSelection e{.nom = "ROUX", .prenoms = "Marie"};
    ASSERT_TRUE(s.chercher(e));
    EXPECT_EQ(s.candidats(e).size(), 50u);
    EXPECT_EQ(titreHomonymes(e), "Il y a plusieurs Marie ROUX :");
    e.prenoms.clear();
    EXPECT_EQ(titreHomonymes(e), "Il y a plusieurs ROUX :");  // une espace, pas deux
    e.phonetique = true;
    EXPECT_EQ(titreHomonymes(e), "Plusieurs personnes peuvent correspondre :");
}

TEST(SelectionPersonne, personneChoisieDirectementEstLeResultat) {
    BaseEssai b(essai::kFamilleEssai);
    SelectionPersonne s(b.contexte);
    EtatSelection e;
    s.choisir(e, 3);
    EXPECT_EQ(e.nom, "DUPONT");
    EXPECT_EQ(e.prenoms, "Jean");
    EXPECT_EQ(s.valider(e), 3);  // malgré trois Jean DUPONT
    e.prenoms = "Jean ";
    s.chercher(e);  // un champ modifié oublie le choix direct
    EXPECT_EQ(s.valider(e), -1);
}

TEST(ListeHomonymes, lignesAvecDatesConjointEtParents) {
    BaseEssai b(essai::kFamilleEssai);
    const std::int32_t large = 1000000;
    const std::string pere = ligneHomonyme(b.contexte, 1, false, large);
    EXPECT_TRUE(pere.starts_with("Jean : (") && pere.ends_with("1850-) Epoux de MARTIN Marie et sans parents")) << pere;
    const std::string fille = ligneHomonyme(b.contexte, 5, true, large);
    EXPECT_TRUE(fille.starts_with("DUPONT Louise : (") && fille.ends_with(" Non mari\351e et enfant de DUPONT Jean"))
        << fille;
}

// Une date trop longue pour ses 9 caractères n'est pas coupée au milieu d'une année.
TEST(ListeHomonymes, prenomsDuCandidatEnTeteEtDateTropLongueSousSaFormeCompacte) {
    BaseEssai b(gedcomAvec(individu(1, "Jean /DUMAS/") + individu(2, "Louise /DUMAS/") + "1 BIRT\n2 DATE 1901\n" +
                           individu(3, "Jean /ROY/") +
                           "1 BIRT\n2 DATE BET 1780 AND 1785\n1 DEAT\n2 DATE 12 DEC 1850\n"));
    EXPECT_TRUE(ligneHomonyme(b.contexte, 1, false, 1000000).starts_with("Jean : (-)"));
    const std::string ligne = ligneHomonyme(b.contexte, 3, false, 1000000);
    EXPECT_TRUE(ligne.starts_with("Jean : (1780\3401785-1850)")) << ligne;
}

TEST(ChoixConjoint, aucunUnOuPlusieursConjointsDansLOrdreDesFamilles) {
    BaseEssai b(gedcomAvec(individu(1, "Paul /VERT/") + "1 FAMS @F1@\n1 FAMS @F2@\n1 FAMS @F3@\n" +
                           individu(2, "Anne /ROSE/") + "1 FAMS @F1@\n" + individu(3, "Eve /LILAS/") + "1 FAMS @F3@\n" +
                           individu(4, "Seul /GRIS/") +
                           "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n0 @F2@ FAM\n1 HUSB @I1@\n"
                           "0 @F3@ FAM\n1 HUSB @I1@\n1 WIFE @I3@\n"));
    auto conjoints = conjointsPossibles(b.base(), 1);
    ASSERT_EQ(conjoints.size(), 2u);  // la famille sans épouse ne compte pas
    EXPECT_EQ(conjoints[0].conjoint, 2u);
    EXPECT_EQ(conjoints[1].conjoint, 3u);
    EXPECT_EQ(rangDuConjoint(conjoints, 3), 1u);
    EXPECT_TRUE(conjointsPossibles(b.base(), 4).empty());
    EXPECT_TRUE(conjointsPossibles(b.base(), 99).empty());
}

// Un couple marié deux fois ne paraît qu'une fois (par sa première famille) ; des homonymes se
// distinguent par leur naissance, puis par leur numéro quand elle est la même.
TEST(ChoixConjoint, conjointsProposesUneFoisChacunEtHomonymesDistingues) {
    BaseEssai b(gedcomAvec(
        individu(1, "Paul /VERT/") + "1 FAMS @F1@\n1 FAMS @F2@\n1 FAMS @F3@\n1 FAMS @F4@\n1 FAMS @F5@\n" +
        individu(2, "Anne /ROSE/") + "1 FAMS @F1@\n1 FAMS @F3@\n" + individu(3, "Marie /MARTIN/") +
        "1 BIRT\n2 DATE 3 MAR 1901\n1 FAMS @F2@\n" + individu(4, "Marie /MARTIN/") +
        "1 BIRT\n2 DATE 1905\n1 FAMS @F4@\n" + individu(5, "Marie /MARTIN/") + "1 BIRT\n2 DATE 1905\n1 FAMS @F5@\n" +
        "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n0 @F2@ FAM\n1 HUSB @I1@\n1 WIFE @I3@\n"
        "0 @F3@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n0 @F4@ FAM\n1 HUSB @I1@\n1 WIFE @I4@\n"
        "0 @F5@ FAM\n1 HUSB @I1@\n1 WIFE @I5@\n"));
    const auto toutes = conjointsPossibles(b.base(), 1);
    ASSERT_EQ(toutes.size(), 5u);
    const auto conjoints = conjointsDistincts(b.base(), 1);
    ASSERT_EQ(conjoints.size(), 4u);
    EXPECT_EQ(conjoints[0], toutes[0]);  // la première famille du couple remarié
    EXPECT_EQ(conjoints[1].conjoint, 3u);
    EXPECT_EQ(conjoints[3].conjoint, 5u);
    EXPECT_EQ(
        libellesConjoints(b.contexte, conjoints),
        (std::vector<std::string>{"ROSE Anne", "MARTIN Marie, n\xE9(e) 3.3.1901",
                                  "MARTIN Marie, n\xE9(e) 1905 (n\xB0 4)", "MARTIN Marie, n\xE9(e) 1905 (n\xB0 5)"}));
    EXPECT_EQ(rangDuConjoint(conjoints, 5), 3u);
}

TEST(PersonnesRecentes, dixAuPlusLaPlusRecenteEnTeteSansDoublon) {
    PersonnesRecentes r;
    for (int i = 1; i <= 11; ++i) r.retenir({"NOM", "P" + std::to_string(i), i});
    ASSERT_EQ(r.liste().size(), 10u);
    EXPECT_EQ(r.liste().front().personne, 11);
    EXPECT_EQ(r.liste().back().personne, 2);  // la première est sortie
    r.retenir({"NOM", "P5", 5});
    EXPECT_EQ(r.liste()[0].personne, 5);
    EXPECT_EQ(r.liste()[1].personne, 11);
}

TEST(PersonneMoi, retrouveeParSonIdentiteEtIndefinieSinon) {
    BaseEssai b(essai::kFamilleEssai);
    ReferenceMoi moi = referenceMoi(b.base(), 3);
    EXPECT_EQ(personneMoi(moi, b.contexte), 3);
    EXPECT_EQ(personneMoi(ReferenceMoi{}, b.contexte), -1);
    moi.annee = 1900;
    EXPECT_EQ(personneMoi(moi, b.contexte), -1);
    EXPECT_TRUE(b.messages.empty());
}

TEST(ListeCoupes, cinquantePersonnesGrisentAjouterEtUnEnsembleTropGrandEstTronque) {
    ListeCoupes l;
    for (int p = 60; p >= 11; --p) EXPECT_TRUE(l.ajouter(p));
    EXPECT_FALSE(l.peutAjouter());
    EXPECT_FALSE(l.ajouter(5));
    EXPECT_TRUE(l.supprimer(0));
    EXPECT_FALSE(l.supprimer(l.personnes().size()));  // après la dernière ligne : rien
    EXPECT_EQ(l.personnes().front(), 59u);
    EXPECT_TRUE(l.peutAjouter());
    EXPECT_FALSE(l.ajouter(59));  // déjà coupée
    EnsemblePersonnes plein(200);
    for (std::uint32_t p = 1; p <= 200; ++p) plein.ajouter(p);
    EXPECT_EQ(ListeCoupes(plein).personnes().size(), 50u);
}

// Police d'essai : chaque caractère large de 10 unités.
MetriquePolice policeFixe() {
    MetriquePolice m;
    for (auto& l : m.largeurs) l = 1000;
    return m;
}

TEST(AjustementNom, nomEntierPuisTroisFormesRaccourcies) {
    MetriquePolice m = policeFixe();
    EXPECT_EQ(ajusterNom(100, "DUPONT", "Jean Pierre", m), "DUPONT J..");      // prénoms coupés
    EXPECT_EQ(ajusterNom(80, "MONTMORENCY", "Luc", m), "MON..Luc");            // nom coupé
    EXPECT_EQ(ajusterNom(80, "MONTMORENCY", "Jean-Baptiste", m), "MO..Je..");  // les deux coupés
    EXPECT_EQ(ajusterNom(10, "MONTMORENCY", "Jean-Baptiste", m), "M..J..");    // rien ne tient
}

TEST(AjustementNom, texteSeulEtPrenomsPuisNomGardentLeNomLePlusLongtemps) {
    MetriquePolice m = policeFixe();
    EXPECT_EQ(ajusterTexte(70, "Jean Pierre", m), "Jean..");  // pas de blanc avant les points
    EXPECT_EQ(ajusterTexte(20, "DUPONT", m), "");             // même « D.. » ne tient pas
    EXPECT_EQ(ajusterPrenomsNom(100, "Jean Pierre", "DUPONT", m), "J.. DUPONT");
    EXPECT_EQ(ajusterPrenomsNom(80, "Jean-Baptiste", "MONTMORENCY", m), "Je..MO..");
    EXPECT_EQ(ajusterPrenomsNom(40, "", "DUPONT", m), "DU..");
    EXPECT_EQ(ajusterPrenomsNom(30, "Jean", "DUPONT", m), "");
}

}  // namespace
}  // namespace lignara
