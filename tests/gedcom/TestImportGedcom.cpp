// Import complet : numérotation, contrôles des liens et leurs messages, tenue de la base.
#include <gtest/gtest.h>

#include <filesystem>

#include "ImportEssai.h"
#include "commun/OperationImpossible.h"
#include "gedcom/ListeErreursGedcom.h"

namespace lignara {
namespace {

using namespace essai;
using Lignes = std::vector<std::string>;

TEST(ImportGedcom, unePersonneReferenceeJamaisDefinieExisteVideAvecSesLiens) {
    auto r = importerSain(kEnTete +
                          "0 @I1@ INDI\n1 NAME Jean /Roy/\n1 FAMS @F1@\n0 @I3@ INDI\n1 FAMC @F1@\n"
                          "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n0 TRLR\n");
    EXPECT_EQ(lignesRapport(r), Lignes{"- L'individu @I2@ est référencé mais jamais défini"_1252});
    ASSERT_EQ(r.base.nombreIndividus(), 3u);
    const Individu i2 = r.base.LireIndividu(2);
    EXPECT_EQ(i2.nom, 0u);
    EXPECT_EQ(r.base.LireIndividu(3).mere, 2u);  // la mère jamais définie reste la mère
    EXPECT_EQ(r.base.LireFamille(i2.premiereFamille).conjoint, 1u);
}

// Une famille jamais définie : ses conjoints, nommés par leurs FAMS, prennent la place que dit leur
// sexe (la femme d'abord dans l'ordre des clés n'en devient pas le père).
TEST(ImportGedcom, lesConjointsDUneFamilleNonDefinieSontRangesSelonLeurSexe) {
    auto r = importerSain(kEnTete +
                          "0 @I1@ INDI\n1 NAME Marie /Roy/\n1 SEX F\n1 FAMS @F1@\n"
                          "0 @I2@ INDI\n1 NAME Jean /Roy/\n1 SEX M\n1 FAMS @F1@\n"
                          "0 @I3@ INDI\n1 NAME Paul /Roy/\n1 FAMC @F1@\n0 TRLR\n");
    EXPECT_EQ(std::pair(r.base.LireIndividu(3).pere, r.base.LireIndividu(3).mere), std::pair(2u, 1u));
    auto seule = importerSain(kEnTete +
                              "0 @I1@ INDI\n1 NAME Marie /Roy/\n1 SEX F\n1 FAMS @F1@\n"
                              "0 @I3@ INDI\n1 NAME Paul /Roy/\n1 FAMC @F1@\n0 TRLR\n");
    EXPECT_EQ(std::pair(seule.base.LireIndividu(2).pere, seule.base.LireIndividu(2).mere), std::pair(0u, 1u));
}

TEST(ImportGedcom, uneFamilleAvecSeulementUnMariNEstPasGardee) {
    auto r =
        importerTexte(kEnTete + "0 @I1@ INDI\n1 FAMS @F1@\n0 @F1@ FAM\n1 HUSB @I1@\n1 MARR\n2 DATE 1900\n0 TRLR\n");
    EXPECT_EQ(r.base.nombreFamilles(), 0u);
    EXPECT_EQ(r.base.LireIndividu(1).premiereFamille, 0u);
    EXPECT_EQ(r.base.nombreEvenements(), 0u);  // ses événements ne sont pas réservés
    EXPECT_TRUE(r.rapport.empty());
}

// Un emplacement d'événement n'est réservé qu'à un lieu non blanc une fois converti : un octet
// ASCII le dit sans conversion, un octet accentué demande la conversion (une séquence UTF-8
// tronquée ne laisse rien).
TEST(ImportGedcom, unLieuBlancUneFoisConvertiNeReservePasDEmplacement) {
    auto r = importerTexte(kEnTete +
                           "0 @I1@ INDI\n1 FAMS @F1@\n1 BIRT\n2 PLAC N\xC3\xAEmes\n1 DEAT\n2 PLAC  \t \n"
                           "0 @I2@ INDI\n1 FAMS @F1@\n1 BIRT\n2 PLAC \xC3\n1 DEAT\n2 PLAC  \xC3\xA9\n"
                           "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 MARR\n2 PLAC \t\n0 TRLR\n");
    EXPECT_EQ(r.base.nombreEvenements(), 2u);
    EXPECT_EQ(lieu(r.base, r.base.LireIndividu(1).naissance), "N\xEEmes");
    EXPECT_EQ(lieu(r.base, r.base.LireIndividu(2).deces), "\xE9");
    EXPECT_EQ(r.base.LireIndividu(2).naissance, 0u);
}

// Le pays par défaut des préférences décide du pays des lieux qui ne nomment pas le leur.
TEST(ImportGedcom, lePaysParDefautDesPreferencesServeAuxLieuxSansPays) {
    const std::string gedcom = kEnTete +
                               "0 @I1@ INDI\n1 BIRT\n2 PLAC Bruges, Flandre-Occidentale\n"
                               "1 DEAT\n2 PLAC Brest, Finist\xC3\xA8re\n0 TRLR\n";
    const auto code = [](const ResultatImport& r, std::uint32_t evenement) {
        return r.base.LireTexte(TableLieux, r.base.LireEvenement(evenement).lieu).substr(0, 3);
    };
    const ResultatImport france = importerTexte(gedcom);
    const Individu f = france.base.LireIndividu(1);
    EXPECT_EQ(code(france, f.naissance), "   ");
    EXPECT_EQ(code(france, f.deces), std::string("FR") + char{62});
    OptionsImport belgique;
    belgique.paysParDefaut = CodePays("BE");
    const ResultatImport b = importerTexte(gedcom, belgique);
    const Individu i = b.base.LireIndividu(1);
    EXPECT_EQ(code(b, i.naissance), std::string("BE") + char{36});
    EXPECT_EQ(lieu(b.base, i.naissance), "Bruges");
    EXPECT_EQ(code(b, i.deces), "   ");
}

// Une date lisible ou un lieu réserve l'emplacement, dans n'importe quel ordre et où que soit la
// date lisible parmi plusieurs ; des dates illisibles seules n'en réservent pas.
TEST(ImportGedcom, uneDateLisibleOuUnLieuReserveLEmplacementQuelQueSoitLOrdre) {
    auto r = importerTexte(kEnTete +
                           "0 @I1@ INDI\n1 BIRT\n2 DATE EST 1850\n2 DATE 1851\n1 DEAT\n2 DATE 1850\n2 DATE x\n"
                           "0 @I2@ INDI\n1 BIRT\n2 DATE x\n2 PLAC Lyon\n1 DEAT\n2 PLAC Lyon\n2 DATE x\n"
                           "0 @I3@ INDI\n1 BIRT\n2 DATE x\n2 DATE EST 1850\n1 DEAT\n2 DATE abc\n0 TRLR\n");
    EXPECT_EQ(r.base.nombreEvenements(), 4u);
    EXPECT_NE(r.base.LireIndividu(1).naissance, 0u);
    EXPECT_EQ(r.base.LireIndividu(3).naissance, 0u);
}

TEST(ImportGedcom, unEnfantSansFamcRecoitSesParentsParChil) {
    auto r = importerSain(kEnTete +
                          "0 @I1@ INDI\n1 FAMS @F1@\n0 @I2@ INDI\n1 FAMS @F1@\n0 @I3@ INDI\n0 @I4@ INDI\n"
                          "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 CHIL @I4@\n1 CHIL @I3@\n0 TRLR\n");
    EXPECT_EQ(r.base.LireIndividu(3).pere, 1u);
    EXPECT_EQ(r.base.LireIndividu(4).mere, 2u);
    EXPECT_EQ(enfants(r.base, r.base.LireIndividu(1).premiereFamille), (std::vector<std::uint32_t>{3, 4}));
    EXPECT_EQ(r.base.LireIndividu(4).fratrie, -3);
}

TEST(ImportGedcom, unMariSansFamsEstRetireDeLaFamilleEtDuChampPereDesEnfants) {
    auto r = importerSain(kEnTete +
                          "0 @I1@ INDI\n1 NAME Jean /Roy/\n0 @I2@ INDI\n1 FAMS @F1@\n"
                          "0 @I3@ INDI\n1 FAMC @F1@\n"
                          "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 MARR\n2 DATE 1900\n0 TRLR\n");
    EXPECT_EQ(lignesRapport(r), Lignes{"- Jean Roy ne fait pas référence au mariage @F1@ dont il est l'époux"_1252});
    EXPECT_EQ(r.base.LireIndividu(3).pere, 0u);
    EXPECT_EQ(r.base.LireIndividu(3).mere, 2u);
    // La fiche du mari, numérotée avant le contrôle, reste à zéro et hors de toute chaîne.
    ASSERT_EQ(r.base.nombreFamilles(), 2u);
    EXPECT_EQ(r.base.LireFamille(1), (Famille{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(r.base.LireFamille(2).conjoint, 0u);
    EXPECT_EQ(enfants(r.base, 2), std::vector<std::uint32_t>{3});
}

TEST(ImportGedcom, unCoupleSansEnfantOublieDesDeuxPerdSesConjointsSansMessage) {
    auto r = importerSain(
        kEnTete + "0 @I1@ INDI\n0 @I2@ INDI\n0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 MARR\n2 DATE 1900\n0 TRLR\n");
    EXPECT_TRUE(r.rapport.empty());
    EXPECT_EQ(r.base.nombreFamilles(), 2u);
    EXPECT_EQ(r.base.LireFamille(1), (Famille{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(r.base.LireEvenement(1), Evenement{});  // l'emplacement réservé reste à zéro
}

TEST(ImportGedcom, lesLignesDuRapportSuiventLOrdreBalayagePersonnesFamilles) {
    auto r =
        importerTexte(kEnTete +
                      "0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I1@\n1 CHIL @I3@\n"                  // 4
                      "0 @I3@ INDI\n1 FAMC @F1@\n1 FAMC @F9@\n1 BIRT\n2 DATE 45 FOO 1900\n"  // 10 : FAMC, 12 : date
                      "0 @I2@ INDI\n1 NAME Paul /Roy/\n1 FAMS @F1@\n1 FAMS @F1@\n"           // 16 : FAMS répété
                      "0 @I1@ INDI\n1 NAME Anne /Roy/\n1 FAMS @F2@\n"
                      "0 @F2@ FAM\n1 HUSB @I4@\n1 WIFE @I5@\n0 @I4@ INDI\n1 FAMS @F2@\n0 @I5@ INDI\n1 FAMS @F2@\n"
                      "0 @I6@ INDI\n1 FAMC @F1@\ngarbage\n0 TRLR\n");
    Lignes attendu = {
        "- Ligne 10 : champ FAMC incompatible avec la famille ligne 4",
        "- Ligne 16 : référence Gedcom déjà utilisée",
        "- Ligne 29 : erreur de syntaxe",
        "- Anne Roy fait référence à un mariage sans être l'un des conjoints",
        "- Ligne 12 : format de date incorrect",
        "- Ligne 4 : lien de parenté incohérent entre l'individu @I6@ et ses parents",
        "- Anne Roy ne fait pas référence au mariage @F1@ dont elle est l'épouse",
        "- La famille @F9@ est utilisée mais jamais définie : référence ignorée",
    };
    for (std::string& l : attendu) l = depuisUtf8(l);
    EXPECT_EQ(lignesRapport(r), attendu);
    EXPECT_TRUE(defautsBase(r).empty());
}

TEST(ImportGedcom, redefinitionDeFamcEtFamilleJamaisDefinie) {
    auto r = importerSain(kEnTete +
                          "0 @I1@ INDI\n1 FAMC @F8@\n1 FAMC @F9@\n1 FAMS @F7@\n"
                          "0 @I2@ INDI\n1 FAMS @F7@\n0 @I3@ INDI\n1 FAMC @F7@\n0 @I4@ INDI\n1 FAMS @F5@\n1 ADOP\n"
                          "2 FAMC @F6@\n0 TRLR\n");
    // Dans l'ordre des clés ; F5, F6 et F9, qu'une seule personne nomme, ne sont pas reconstruites.
    EXPECT_EQ(lignesRapport(r),
              (Lignes{"- Ligne 6 : redéfinition du champ FAMC"_1252,
                      "- La famille @F5@ est utilisée mais jamais définie : référence ignorée"_1252,
                      "- La famille @F6@ est utilisée mais jamais définie : référence ignorée"_1252,
                      "- La famille @F7@ est utilisée mais jamais définie"_1252,
                      "- La famille @F9@ est utilisée mais jamais définie : référence ignorée"_1252}));
    EXPECT_EQ(r.base.LireIndividu(4).premiereFamille, 0u);
    EXPECT_EQ(r.base.LireIndividu(1).pere, 0u);
    EXPECT_EQ(r.base.LireIndividu(3).pere, 1u);
    EXPECT_EQ(r.base.LireIndividu(3).mere, 2u);
}

TEST(ImportGedcom, unFamcApresUneAdoptionNEstPasUneRedefinition) {
    auto r = importerSain(kEnTete +
                          "0 @I1@ INDI\n1 ADOP\n2 FAMC @F1@\n1 FAMC @F2@\n"
                          "0 @I2@ INDI\n1 FAMC @F2@\n1 ADOP\n2 FAMC @F1@\n1 FAMC @F3@\n"  // 12
                          "0 @I4@ INDI\n1 FAMS @F1@\n0 @I5@ INDI\n1 FAMS @F2@\n0 @I6@ INDI\n1 FAMS @F3@\n"
                          "0 @F1@ FAM\n1 HUSB @I4@\n0 @F2@ FAM\n1 HUSB @I5@\n1 CHIL @I1@\n"
                          "0 @F3@ FAM\n1 HUSB @I6@\n1 CHIL @I2@\n0 TRLR\n");
    // Seul un FAMC simple avant un autre le contredit ; celui de l'adoption cède la place.
    EXPECT_EQ(lignesRapport(r), Lignes{"- Ligne 12 : redéfinition du champ FAMC"_1252});
    EXPECT_EQ(r.base.LireIndividu(1).pere, 4u);  // I5, mari de F2
    EXPECT_EQ(r.base.LireIndividu(2).pere, 5u);  // I6, mari de F3
}

// Une ligne vide, une ligne de blancs et une fin CR LF avant « 0 HEAD » : lignes 1 à 3 du fichier.
TEST(ImportGedcom, lesNumerosDeLigneComptentLesLignesAvantLEnTete) {
    EXPECT_EQ(lignesRapport(importerTexte("\n  \r\n\r\n" + kEnTete +
                                          "0 @I1@ INDI\n1 BIRT\n2 DATE 45 FOO 1900\ngarbage\n0 TRLR\n")),
              (Lignes{"- Ligne 10 : erreur de syntaxe", "- Ligne 9 : format de date incorrect"}));
}

TEST(ImportGedcom, unMariQuiEstAussiLaFemmeGardeSaFamilleEtSesEnfants) {
    auto r = importerSain(kEnTete +
                          "0 @I1@ INDI\n1 NAME Jean /Roy/\n1 FAMS @F1@\n0 @I2@ INDI\n1 FAMC @F1@\n"
                          "0 @I3@ INDI\n1 FAMS @F2@\n"
                          "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I1@\n1 CHIL @I2@\n1 MARR\n2 DATE 1900\n"  // 13
                          "0 @F2@ FAM\n1 WIFE @I3@\n1 HUSB @I3@\n1 MARR\n2 DATE 1910\n0 TRLR\n");     // 19
    EXPECT_EQ(lignesRapport(r), (Lignes{"- Ligne 13 : même personne comme mari et femme"_1252,
                                        "- Ligne 19 : même personne comme mari et femme"_1252}));
    ASSERT_EQ(r.base.nombreFamilles(), 2u);
    EXPECT_EQ(r.base.LireIndividu(2).pere, 1u);
    const Famille f1 = r.base.LireFamille(r.base.LireIndividu(1).premiereFamille);
    EXPECT_EQ(r.base.LireEvenement(f1.mariage).date.annee, 1900);
    // Sans enfant, la famille reste aussi, avec son mariage.
    EXPECT_EQ(r.base.LireEvenement(r.base.LireFamille(r.base.LireIndividu(3).premiereFamille).mariage).date.annee,
              1910);
}

TEST(ImportGedcom, enfantIncompatibleEtReferenceManquante) {
    auto r = importerTexte(kEnTete +
                           "0 @I1@ INDI\n1 FAMC @F2@\n0 @I2@ INDI\n1 FAMS\n"
                           "0 @F1@ FAM\n1 HUSB @I2@\n1 CHIL @I1@\n1 WIFE\n0 TRLR\n");
    EXPECT_EQ(lignesRapport(r),
              (Lignes{"- Ligne 7 : référence Gedcom manquante"_1252,
                      "- Ligne 10 : enfant incompatible avec le champ FAMC de l'individu @I1@"_1252,
                      "- Ligne 11 : référence Gedcom manquante"_1252,
                      "- La famille @F2@ est utilisée mais jamais définie : référence ignorée"_1252}));
}

TEST(ImportGedcom, unePersonneSonPropreParentNeFaitPasDeBoucle) {
    auto r = importerSain(kEnTete +
                          "0 @I1@ INDI\n1 NAME Jean /Roy/\n1 FAMC @F1@\n1 FAMS @F1@\n0 @I2@ INDI\n1 FAMS @F1@\n"
                          "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I1@\n0 TRLR\n");
    EXPECT_EQ(lignesRapport(r), Lignes{"- Ligne 10 : lien de parenté incohérent entre Jean Roy et ses parents"_1252});
    EXPECT_EQ(r.base.LireIndividu(1).pere, 0u);
    EXPECT_EQ(r.base.LireIndividu(1).fratrie, -1);
}

TEST(ImportGedcom, uneBoucleDAscendanceEstCoupeeEtSignalee) {
    auto r = importerSain(kEnTete +
                          "0 @I1@ INDI\n1 NAME Jean /Roy/\n1 FAMC @F2@\n1 FAMS @F1@\n"
                          "0 @I2@ INDI\n1 NAME Paul /Roy/\n1 FAMC @F1@\n1 FAMS @F2@\n0 @I3@ INDI\n1 FAMS @F1@\n"
                          "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I3@\n1 CHIL @I2@\n"
                          "0 @F2@ FAM\n1 HUSB @I2@\n1 CHIL @I1@\n0 TRLR\n");
    // Parcours depuis la personne 1 : le lien qui revient sur elle (Paul → Jean) est coupé.
    EXPECT_EQ(lignesRapport(r), Lignes{"- Ligne 14 : lien de parenté incohérent entre Paul Roy et ses parents"_1252});
    EXPECT_EQ(r.base.LireIndividu(1).pere, 2u);
    EXPECT_EQ(r.base.LireIndividu(2).pere, 0u);
}

TEST(ImportGedcom, unAdopteRejointLesEnfantsSansChilAvantOuApresSaFamille) {
    auto r = importerSain(kEnTete +
                          "0 @I1@ INDI\n1 FAMS @F1@\n0 @I2@ INDI\n1 FAMS @F1@\n"
                          "0 @I3@ INDI\n1 ADOP\n2 FAMC @F1@\n"  // avant la famille
                          "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I5@\n"
                          "0 @I4@ INDI\n1 ADOP\n2 FAMC @F1@\n"  // après la famille
                          "0 @I5@ INDI\n1 FAMC @F1@\n"
                          "0 @I6@ INDI\n1 FAMC @F2@\n1 ADOP\n2 FAMC @F1@\n"  // a déjà des parents
                          "0 @F2@ FAM\n1 HUSB @I7@\n1 CHIL @I6@\n0 @I7@ INDI\n1 FAMS @F2@\n0 TRLR\n");
    EXPECT_TRUE(r.rapport.empty());
    EXPECT_EQ(enfants(r.base, r.base.LireIndividu(1).premiereFamille), (std::vector<std::uint32_t>{5, 3, 4}));
    EXPECT_EQ(r.base.LireIndividu(4).mere, 2u);
    EXPECT_EQ(r.base.LireIndividu(6).pere, 7u);
}

TEST(ImportGedcom, uneSourceSansTexteEstDefinieEtVide) {
    auto r = importerTexte(kEnTete + "0 @S1@ SOUR\n1 NOTE rien\n0 @S2@ SOUR\n1 TITL " + std::string(120, 't') +
                           "\n0 @I1@ INDI\n1 NAME A /B/\n2 SOUR @S1@\n1 OCCU x\n2 SOUR @S2@\n0 TRLR\n");
    EXPECT_TRUE(r.rapport.empty());
    EXPECT_EQ(r.base.LireIndividu(1).sourceNom, 0u);
    EXPECT_EQ(source(r.base, r.base.LireIndividu(1).sourceProfession, 200), std::string(100, 't'));
}

TEST(ImportGedcom, lesLignesDeNotesLonguesSeRelisentEntieres) {
    std::string longue(280, 'n');
    auto r = importerTexte(kEnTete + "0 @I1@ INDI\n1 NOTE " + longue + "\n2 CONT suite\n2 CONT \n2 CONT \n0 TRLR\n");
    auto notes = r.base.LireNotes(r.base.LireIndividu(1).notes);
    ASSERT_EQ(notes.size(), 2u);  // lignes vides finales non rangées
    EXPECT_EQ(notes[0].size(), 249u);
    EXPECT_EQ(notes[1], "suite");
}

TEST(ImportGedcom, leRapportNEstMontreQueSIlNEstPasVide) {
    bool montre = false;
    OptionsImport o;
    o.montrerErreurs = [&](const std::string&) { montre = true; };
    importerTexte(kEnTete + "0 @I1@ INDI\n0 TRLR\n", o);
    EXPECT_FALSE(montre);
    importerTexte(kEnTete + "0 @I1@ INDI\n", o);  // sans « 0 TRLR »
    EXPECT_TRUE(montre);
}

TEST(ImportGedcom, laProgressionCompteLesUnitesDeLaConstruction) {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> etapes;
    OptionsImport o;
    o.progression = [&](std::uint64_t f, std::uint64_t t) { etapes.emplace_back(f, t); };
    importerTexte(
        kEnTete + "0 @I1@ INDI\n1 FAMS @F1@\n0 @I2@ INDI\n1 FAMS @F1@\n0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n0 TRLR\n",
        o);
    // Balayage : 1 unité sur 10 ; puis W = 2 × 4 + 2 fiches = 10, total 11, 1 déjà fait.
    ASSERT_EQ(etapes.size(), 6u);
    EXPECT_EQ(etapes[0], (std::pair<std::uint64_t, std::uint64_t>{1, 10}));
    EXPECT_EQ(etapes.back(), (std::pair<std::uint64_t, std::uint64_t>{11, 11}));
}

TEST(ImportGedcom, unTexteSansEnTeteNiFicheEstRefuseEtDesFichesSansEnTeteSontGardees) {
    FichierEssai texte("Liste des courses\n0 oeufs\n1 pain\n");
    EXPECT_EQ(messageDe([&] { ImporterGedcom(texte.chemin()); }),
              "Le fichier " + texte.chemin().string() +
                  " n'est pas un fichier Gedcom :\nil ne commence pas par la ligne \xAB 0 HEAD \xBB.");
    EXPECT_THROW(importerTexte("0 TRLR\n"), OperationImpossible);
    // L'en-tête peut suivre des lignes blanches ; sans lui, les fiches restent, avec une ligne.
    EXPECT_EQ(importerTexte("\n\n" + kEnTete + "0 @I1@ INDI\n0 TRLR\n").base.nombreIndividus(), 1u);
    ResultatImport r = importerTexte("0 @I1@ INDI\n1 NAME Jean /Roy/\n0 TRLR\n");
    EXPECT_EQ(lignesRapport(r),
              std::vector<std::string>{"- Le fichier ne commence pas par l'en-t\xEAte Gedcom (0 HEAD)"});
}

TEST(ImportGedcom, unFichierAbsentOuIlisibleDonneSonMessage) {
    FichierEssai bon(kEnTete + "0 TRLR\n");
    OptionsImport o;
    o.dossierTemporaire = "/nulle/part";
    EXPECT_EQ(messageDe([&] { ImporterGedcom(bon.chemin(), o); }),
              "Accès impossible au répertoire temporaire\n/nulle/part"_1252);
}

TEST(ImportGedcom, lImportDePlusieursFichiersTitreLesErreursParFichier) {
    FichierEssai a(kEnTete + "0 @I1@ INDI\n0 TRLR\n");
    FichierEssai b(kEnTete + "0 @I1@ INDI\n1 FAMC\n");
    ResultatImport r = ImporterGedcom(std::vector<std::filesystem::path>{a.chemin(), b.chemin(), a.chemin()});
    std::string nomB = b.chemin().filename().string();
    EXPECT_EQ(lignesRapport(r),
              (Lignes{"Fichier \"" + nomB + "\"", "- Ligne 5 : référence Gedcom manquante"_1252,
                      "- Ligne 5 : fichier incomplet (un fichier Gedcom doit se terminer par \"0 TRLR\")"}));
    EXPECT_EQ(r.base.nombreIndividus(), 3u);  // une clé par fichier
    EXPECT_EQ(r.nombreErreurs, 2u);
}

TEST(ListeErreursGedcom, ecritDesLignesCrLfEtRepeteLeTitreAChaqueChangementDeFichier) {
    ListeErreursGedcom l({"a.ged", "b.ged"}, std::filesystem::temp_directory_path());
    l.SignalerErreur(1, "- Ligne %ld : x", 3L);
    l.SignalerErreur(1, "- y");
    l.SignalerErreur(0, "- z");
    l.SignalerErreur(1, "- %s %s", "Jean", "Roy");
    EXPECT_EQ(l.texte(),
              "Fichier \"b.ged\"\r\n- Ligne 3 : x\r\n- y\r\nFichier \"a.ged\"\r\n- z\r\n"
              "Fichier \"b.ged\"\r\n- Jean Roy\r\n");
}

TEST(ImportGedcom, lExempleLivreDonne80Personnes) {
    auto r = ImporterGedcom(std::filesystem::path(LIGNARA_DOSSIER_SOURCES) / "data/exemples/famille-exemple.ged");
    EXPECT_EQ(r.base.nombreIndividus(), 80u);
    EXPECT_TRUE(r.rapport.empty());
    EXPECT_TRUE(defautsBase(r).empty());
}

}  // namespace
}  // namespace lignara
