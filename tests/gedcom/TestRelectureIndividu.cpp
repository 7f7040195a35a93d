#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "FichierEssai.h"
#include "ImportEssai.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "gedcom/RelectureIndividu.h"
#include "gedcom/TableTags.h"

namespace lignara {
namespace {

using essai::FichierEssai;

// La personne relue, un événement de chaque sorte ; I2 suit pour vérifier que la lecture s'arrête.
const std::string kPersonne =
    "0 @I1@ INDI\n1 NAME Jean /DUPONT/\n1 BIRT\n2 DATE 1850\n"
    "1 CHR\n2 DATE 5 MAR 1850\n2 PLAC Thizy\n2 LIEU église Saint-Georges\n"
    "1 NAME Jean dit Jeannot\n2 DATE 1900\n"  // pas un événement : sa DATE ne s'accroche à rien
    "1 OCCU tisserand\n2 DATE FROM 1870 TO 1880\n2 CONC  à domicile\n"
    "1 RESI\n2 ADDR 3 rue Mercière\n3 CONT Lyon\n2 NOTE   @N1@\n2 NOTE  chez son oncle\n"
    "1 EVEN\n2 TYPE Occupation\n2 NOTE garde champêtre\n"
    "1 BURI\n2 DATE ABT 1920\n2 DATE 1921\n"
    "0 @I2@ INDI\n1 NAME Paul /DUPONT/\n1 OCCU meunier\n0 TRLR\n";

struct Relu {
    explicit Relu(const std::string& gedcom) : fichier(gedcom), import(ImporterGedcom(fichier.chemin())) {}
    std::vector<EvenementRelu> relire(std::uint32_t personne) {
        RelectureIndividu r(import.fichiers);
        const Individu i = import.base.LireIndividu(personne);
        return r.relire(i.fichierGedcom, i.decalageGedcom);
    }
    FichierEssai fichier;
    ResultatImport import;
};

TEST(RelectureIndividu, rendLesEvenementsDeNiveau1AvecLeursLignesDeNiveau2) {
    Relu relu(essai::kEnTete + kPersonne);
    const auto e = relu.relire(1);
    ASSERT_EQ(e.size(), 6u);
    EXPECT_EQ(e[0].tag, CodeTag::BIRT);
    EXPECT_EQ(e[1].date, "5 MAR 1850");
    EXPECT_EQ(e[1].lieu, depuisUtf8("Thizy, église Saint-Georges"));
    EXPECT_EQ(e[2].valeur, depuisUtf8("tisserand à domicile"));  // CONC colle, blancs de tête ôtés
    EXPECT_EQ(e[2].date, "FROM 1870 TO 1880");
    EXPECT_EQ(e[3].adresse, depuisUtf8("3 rue Mercière Lyon"));
    EXPECT_EQ(e[3].note, "chez son oncle");  // le renvoi vers une note n'est pas un texte
    EXPECT_EQ(e[4].type, "Occupation");
    EXPECT_EQ(e[4].note, depuisUtf8("garde champêtre"));
    EXPECT_EQ(e[5].tag, CodeTag::BURI);
    EXPECT_EQ(e[5].date, "ABT 1920");  // la première DATE compte
    const auto suivant = relu.relire(2);
    ASSERT_EQ(suivant.size(), 1u);
    EXPECT_EQ(suivant[0].valeur, "meunier");
}

// Une fusion : chaque personne se relit dans son propre fichier, avec le jeu de ce fichier.
TEST(RelectureIndividu, uneFusionRelitChaquePersonneDansSonFichier) {
    essai::DossierEssai dossier;
    dossier.ecrire("principal.ged",
                   essai::kEnTete + "0 @I1@ INDI\n1 NAME Jean /MARTIN/\n1 BIRT\n2 DATE 1900\n1 OCCU meunier\n0 TRLR\n");
    dossier.ecrire("secondaire.ged",
                   "0 HEAD\n1 CHAR ANSEL\n0 @P1@ INDI\n1 NAME Paul /ROY/\n1 BIRT\n2 DATE 1930\n1 OCCU m\342edecin\n"
                   "2 DATE FROM 1960\n0 TRLR\n");
    dossier.ecrire("fusion.fged", "principal principal.ged\nsecondaire secondaire.ged\n");
    ResultatImport import = ImporterGedcom(dossier / "fusion.fged");
    RelectureIndividu r(import.fichiers);
    std::vector<std::string> professions;
    for (std::uint32_t n = 1; n <= import.base.nombreIndividus(); ++n) {
        const Individu i = import.base.LireIndividu(n);
        for (const EvenementRelu& e : r.relire(i.fichierGedcom, i.decalageGedcom))
            if (e.tag == CodeTag::OCCU) professions.push_back(versUtf8(e.valeur));
    }
    std::sort(professions.begin(), professions.end());
    EXPECT_EQ(professions, (std::vector<std::string>{"meunier", "médecin"}));
}

TEST(RelectureIndividu, bornesEtCasSansEnregistrement) {
    std::string gedcom = essai::kEnTete + "0 @I1@ INDI\n1 OCCU " + std::string(280, 'x') + "\n";
    for (int i = 0; i < 2100; ++i) gedcom += "1 RESI\n2 PLAC Lyon\n";
    Relu relu(gedcom + "0 TRLR\n");
    const auto e = relu.relire(1);
    EXPECT_EQ(e.size(), RelectureIndividu::kEvenementsMax);
    EXPECT_EQ(e.at(0).valeur.size(), RelectureIndividu::kTexteMax);  // valeur coupée
    RelectureIndividu r(relu.import.fichiers);
    EXPECT_TRUE(r.relire(0, 0).empty());   // personne jamais définie
    EXPECT_TRUE(r.relire(7, 12).empty());  // indice sans fichier
}

TEST(RelectureIndividu, unFichierQuiNeSOuvrePlusLeDit) {
    Relu relu(essai::kEnTete + kPersonne);
    const Individu i = relu.import.base.LireIndividu(1);
    RelectureIndividu r(relu.import.fichiers);
    std::filesystem::remove(relu.fichier.chemin());
    EXPECT_EQ(essai::messageDe([&] { r.relire(i.fichierGedcom, i.decalageGedcom); }),
              std::string("Lecture impossible du fichier Gedcom\n"_1252) + relu.fichier.chemin().string());
}

}  // namespace
}  // namespace lignara
