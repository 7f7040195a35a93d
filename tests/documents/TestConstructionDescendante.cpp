#include "documents/arbres/ArbreDescendant.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DescendanceEssai.h"
#include "support/Message.h"
#include "database/TablesDerivees.h"
#include "documents/arbres/ArbreDescIndividuel.h"

namespace lignara {
namespace {

using essai::Descendance;
using essai::FamilleEssai;

TEST(ConstructionDescendante, uneRacineSansFamilleDonneUneBoite) {
    Descendance d(essai::gedcomDeFamilles(2, {{2, 0, {}, ""}}));
    EXPECT_EQ(d.individuel(1).rangees().nombreBoites(), 1u);
}

TEST(ConstructionDescendante, lesConjointsSuiventLaPersonneEtLesEnfantsDuPremierMariageViennentDAbord) {
    // 1 épouse 2 puis 3 ; 4 et 5 du premier mariage, 6 du second ; 4 épouse 7 (sans enfant).
    Descendance d(essai::gedcomDeFamilles(7, {{1, 2, {4, 5}, "1900"}, {1, 3, {6}, ""}, {4, 7, {}, ""}}));
    ArbreDescendant& a = d.individuel(1);
    EXPECT_EQ(d.rangee(0), "P1 P2* P3*");
    EXPECT_EQ(d.rangee(1), "P4 P7* P5 P6");
    EXPECT_EQ(a.racine()->famillesDessinees, 2);
    EXPECT_EQ(d.boite(1, 4)->parent, a.racine());
    EXPECT_EQ(d.boite(1, 7)->partenaire, d.boite(1, 4));
    // La boîte de famille est celle du conjoint ; elle tient le premier et le dernier enfant.
    const NoeudDescendant& premiere = *d.boite(0, 2);
    EXPECT_TRUE(premiere.premierEnfant == d.boite(1, 4) && premiere.dernierEnfant == d.boite(1, 5));
    EXPECT_EQ(d.boite(1, 4)->position, 1408 + 1);
    // Sans le bit 16, pas de mariage sur la boîte du conjoint ; avec, l'événement du couple.
    EXPECT_NE(premiere.mariage, 0u);
    d.regles.donnees = 15;
    d.individuel(1);
    EXPECT_EQ(d.boite(0, 2)->mariage, 0u);
}

TEST(ConstructionDescendante, unArbreAgnatiqueNeSuitPasLesEnfantsDesFemmes) {
    // 1 × 2 : 3 (fils) et 4 (fille) ; 3 × 5 : 6 ; 7 × 4 : 8.
    Descendance d(
        essai::gedcomDeFamilles(8, {{1, 2, {3, 4}, ""}, {3, 5, {6}, ""}, {7, 4, {8}, ""}}, {{4, {"", "", 'F'}}}));
    d.regles.agnatique = true;
    d.individuel(1);
    EXPECT_EQ(d.rangee(1), "P3 P5* P4 P7*!");
    EXPECT_EQ(d.rangee(2), "P6");
    d.regles.agnatique = false;
    d.individuel(1);
    EXPECT_EQ(d.rangee(2), "P6 P8");
}

TEST(ConstructionDescendante, sansLesContemporainsUneFamilleAuPremierEnfantVivantResteSansEnfants) {
    Descendance d(essai::gedcomDeFamilles(
        6, {{1, 2, {3, 4}, ""}, {3, 0, {5}, ""}, {4, 0, {6}, ""}},
        {{1, {"1850", ""}}, {3, {"1880", ""}}, {4, {"1885", ""}}, {5, {"1910", ""}}, {6, {"1990", ""}}}));
    const TablesDerivees tables = calculerTablesDerivees(d.b.base(), 2023);
    d.regles.contemporains = false;
    d.regles.statutsVitaux = &tables.statutsVitaux;
    d.individuel(1);
    EXPECT_EQ(d.rangee(1), "P3 P4!");
    EXPECT_EQ(d.rangee(2), "P5");
}

// Cousins germains 5 et 6 mariés : leurs enfants ne sont dessinés qu'une fois, sous le premier
// couple atteint ; le second est marqué et ses deux membres sont des personnes répétées.
TEST(ConstructionDescendante, lesEnfantsDeCousinsMariesEntreEuxNeSontDessinesQuUneFois) {
    Descendance d(essai::gedcomDeFamilles(
        10, {{1, 2, {3, 4}, ""}, {3, 0, {5}, ""}, {7, 4, {6}, ""}, {5, 6, {8, 9}, ""}, {9, 0, {10}, ""}},
        {{4, {"", "", 'F'}}, {6, {"", "", 'F'}}}));
    ArbreDescendant& a = d.individuel(1);
    EXPECT_EQ(d.rangee(2), "P5 P6* P6 P5*!");
    EXPECT_EQ(d.rangee(3), "P8 P9");
    EXPECT_EQ(a.rangees().premier(2)->suivant->suivant->suivant->familleNonDessinee, d.n(8));
    EXPECT_TRUE(a.repetees().contient(d.n(5)) && a.repetees().contient(d.n(6)));
    EXPECT_FALSE(a.repetees().contient(d.n(3)));
    EXPECT_TRUE(a.famillesDessinees().contient(d.n(8)));
    // Avec les branches doubles, la famille est dessinée sous les deux couples.
    d.regles.doublesBranches = true;
    d.individuel(1);
    EXPECT_EQ(d.rangee(3), "P8 P9 P8 P9");
    EXPECT_EQ(d.rangee(4), "P10 P10");
}

TEST(ConstructionDescendante, uneFamilleCoupeeChezLaFemmeEstDessineeChezLeMari) {
    // Agnatique, l'épouse atteinte la première : 1 × 2 : 3, 4 ; 3 × 5 : 6 (fille) ; 4 × 7 : 8 ; 8 × 6 : 9.
    Descendance d(essai::gedcomDeFamilles(9, {{1, 2, {3, 4}, ""}, {3, 5, {6}, ""}, {4, 7, {8}, ""}, {8, 6, {9}, ""}},
                                          {{6, {"", "", 'F'}}}));
    d.regles.agnatique = true;
    ArbreDescendant& a = d.individuel(1);
    EXPECT_EQ(d.rangee(2), "P6 P8*! P8 P6*");
    EXPECT_EQ(d.rangee(3), "P9");
    EXPECT_TRUE(a.famillesDessinees().contient(d.n(9)));
    EXPECT_FALSE(a.repetees().contient(d.n(6)));
    // Coupée par la liste, la famille ne l'est pas moins chez le mari.
    EnsemblePersonnes coupes(d.b.base().nombreIndividus());
    coupes.ajouter(d.n(6));
    d.regles.agnatique = false;
    d.regles.coupes = &coupes;
    ArbreDescendant& c = d.individuel(1);
    EXPECT_EQ(d.rangee(2), "P6 P8*! P8 P6*!");
    EXPECT_FALSE(c.famillesDessinees().contient(d.n(9)));
}

// La limite de générations, et sans elle au plus 200 rangées : la dernière est marquée.
TEST(ConstructionDescendante, laLimiteDeGenerationsOuLaDeuxCentiemeRangeeMarqueLaDerniere) {
    std::vector<FamilleEssai> familles;
    for (int p = 1; p < 210; ++p) familles.push_back({p, 0, {p + 1}, ""});
    Descendance d(essai::gedcomDeFamilles(210, familles));
    ArbreDescendant& a = d.individuel(1);
    EXPECT_EQ(a.rangees().nombreRangees(), 200);
    EXPECT_EQ(d.rangee(199), "P200!");
    d.regles.limiteGenerations = 2;
    EXPECT_EQ(d.individuel(1).rangees().nombreRangees(), 3);
    EXPECT_EQ(d.rangee(2), "P3!");
}

TEST(ConstructionDescendante, desBranchesDoublesQuiSeMultiplientButentSurLePlafondDesBoites) {
    // Frères et sœurs mariés entre eux à chaque génération : les branches doubles doublent l'arbre à chacune.
    std::vector<FamilleEssai> familles{{1, 2, {3, 4}, ""}};
    std::map<int, essai::DetailsPersonne> details;
    for (int g = 0; g < 40; ++g) {
        const int frere = 3 + 2 * g, soeur = 4 + 2 * g;
        details[soeur] = {"", "", 'F'};
        familles.push_back({frere, soeur, {frere + 2, soeur + 2}, ""});
    }
    Descendance d(essai::gedcomDeFamilles(84, familles, details));
    ArbreDescendant& a = d.individuel(1);
    EXPECT_EQ(a.rangees().nombreRangees(), 42);
    EXPECT_EQ(a.rangees().nombreBoites(), 2 + 40 * 4 + 2u);
    d.regles.doublesBranches = true;
    d.regles.boitesMax = 5000;
    EXPECT_NE(essai::messageDe([&] { d.individuel(1); }).find("trop grand"), std::string::npos);
}

TEST(ConstructionDescendante, lesAnneesChronologiquesRestentDansLArbreEtSousLesParents) {
    // 1 (1800) × 2 (sans date) : 3 (1820), 4 (noté né en 1790, avant son père), 5 (sans date).
    Descendance d(essai::gedcomDeFamilles(6, {{1, 2, {3, 4, 5}, ""}, {6, 0, {}, ""}},
                                          {{1, {"1800", ""}}, {3, {"1820", ""}}, {4, {"1790", ""}}}));
    const TablesDerivees tables = calculerTablesDerivees(d.b.base(), 2023);
    std::vector<std::int16_t> annees = tables.anneesNaissance;
    annees[d.n(2)] = 9999;
    annees[d.n(5)] = 9999;
    d.regles.anneesEstimees = &annees;
    d.regles.anneeCourante = 2023;
    ArbreDescendant& a = d.individuel(1);
    EXPECT_EQ(a.anneeHaut(), 1800);
    EXPECT_EQ(d.boite(0, 2)->position, 0);
    EXPECT_EQ(d.boite(1, 3)->position, 20 * 64);
    EXPECT_EQ(d.boite(1, 4)->position, ArbreDescendant::kEcartParentMinimal);
    EXPECT_EQ(d.boite(1, 5)->annee, 1825);
    EXPECT_EQ(d.boite(1, 5)->position, 25 * 64);
}

TEST(ConstructionDescendante, lElagageRetireLesGroupesSansCouleurDeBasEnHaut) {
    // 1 × 2 : 3, 4 ; 3 × 5 : 6 ; 4 × 7 : 8 ; 8 × 9 : 10. Seul 6 est coloré.
    Descendance d(
        essai::gedcomDeFamilles(10, {{1, 2, {3, 4}, ""}, {3, 5, {6}, ""}, {4, 7, {8}, ""}, {8, 9, {10}, ""}}));
    const std::uint32_t colore = d.n(6);
    d.regles.colorer = [colore](const NoeudDescendant& n) {
        return n.personne == colore ? CouleurBoite{1, 2, 3} : CouleurBoite{};
    };
    ArbreDescendant& a = d.individuel(1);
    a.elaguer();
    EXPECT_EQ(a.rangees().nombreRangees(), 3);
    EXPECT_EQ(d.rangee(1), "P3 P5* P4 P7*!");
    EXPECT_EQ(d.rangee(2), "P6");
    EXPECT_FALSE(a.famillesDessinees().contient(d.n(8)));
}

}  // namespace
}  // namespace lignara
