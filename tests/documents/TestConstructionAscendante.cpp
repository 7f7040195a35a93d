#include "documents/arbres/ConstructionAscendante.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "BaseEssai.h"
#include "GenealogieArbre.h"
#include "support/Message.h"

namespace lignara {
namespace {

using essai::BaseEssai;

struct Arbre {
    explicit Arbre(const std::string& gedcom) : b(gedcom) { regles.base = &b.base(); }
    std::uint32_t p(int n) const { return static_cast<std::uint32_t>(b.personne("P" + std::to_string(n))); }
    ArbreDeBoites& construire(int racine) {
        ConstructionAscendante(regles, arbre).individuel(p(racine));
        return arbre;
    }
    // Boîtes de cette personne, dans l'ordre des rangées.
    std::vector<const NoeudAscendant*> boitesDe(int n) const {
        std::vector<const NoeudAscendant*> v;
        for (const NoeudAscendant* x : arbre.boites())
            if (x->personne == p(n)) v.push_back(x);
        return v;
    }
    BaseEssai b;
    ReglesConstruction regles;
    ArbreDeBoites arbre;
};

TEST(ConstructionAscendante, rangeesPositionsEtLiensDUneAscendanceComplete) {
    Arbre a(essai::gedcomSosa(4));
    ArbreDeBoites& arbre = a.construire(1);
    EXPECT_EQ(arbre.nombreBoites(), 15u);
    EXPECT_EQ(arbre.racine->etendue, 3 * 1408 + 945);
    // Chaque rangée va de gauche à droite dans l'ordre des numéros de Sosa.
    for (int g = 0; g < 4; ++g) {
        int k = 1 << g;
        for (const NoeudAscendant* n = arbre.premier(g); n; n = n->suivant, ++k) {
            EXPECT_EQ(n->personne, a.p(k));
            EXPECT_EQ(n->y, g * 1408 + 945);
            EXPECT_TRUE(g == 3 || (n->pere && n->pere->enfant == n && n->mere->cote == 'F'));
        }
    }
}

TEST(ConstructionAscendante, laLimiteDeTroisGenerationsTronqueLaGenerationTrois) {
    Arbre a(essai::gedcomSosa(6));
    a.regles.limiteGenerations = 3;
    ArbreDeBoites& arbre = a.construire(1);
    EXPECT_EQ(arbre.nombreBoites(), 15u);
    for (const NoeudAscendant* n = arbre.premier(3); n; n = n->suivant)
        EXPECT_TRUE(n->tronque && !n->aParents() && n->etendue == n->y + 240);
    EXPECT_FALSE(arbre.premier(2)->tronque);
}

TEST(ConstructionAscendante, uneBrancheCoupeeNeMontePlus) {
    Arbre a(essai::gedcomSosa(4));
    EnsemblePersonnes coupes(a.b.base().nombreIndividus());
    coupes.ajouter(a.p(3));
    a.regles.coupes = &coupes;
    ArbreDeBoites& arbre = a.construire(1);
    EXPECT_EQ(arbre.nombreBoites(), 1u + 1 + 1 + 2 + 4);  // racine, 2 (monte), 3 (coupée)
    EXPECT_TRUE(a.boitesDe(3).at(0)->tronque);
}

TEST(ConstructionAscendante, unAncetreAtteintParDeuxLignesEstTronqueLaSecondeFois) {
    // 10 × 11 sont les parents de 8 : la seconde boîte de 8 a des ascendants non redessinés.
    Arbre a(essai::gedcomDeLiens(11, {{1, 2, 3}, {2, 4, 5}, {3, 6, 7}, {4, 8, 9}, {6, 8, 9}, {8, 10, 11}}));
    ArbreDeBoites& arbre = a.construire(1);
    auto huit = a.boitesDe(8);
    ASSERT_EQ(huit.size(), 2u);
    EXPECT_FALSE(huit[0]->tronque);
    EXPECT_TRUE(huit[1]->tronque);
    EXPECT_TRUE(arbre.repetees.contient(a.p(8)));
    EXPECT_EQ(a.boitesDe(10).size(), 1u);

    Arbre doubles(essai::gedcomDeLiens(11, {{1, 2, 3}, {2, 4, 5}, {3, 6, 7}, {4, 8, 9}, {6, 8, 9}, {8, 10, 11}}));
    doubles.regles.doublesBranches = true;
    doubles.construire(1);
    EXPECT_EQ(doubles.boitesDe(10).size(), 2u);
    EXPECT_EQ(doubles.arbre.repetees.nombre(), 0u);
}

TEST(ConstructionAscendante, unArbreDemesureEstRefuseAvecUnMessage) {
    Arbre a(essai::gedcomSosa(5));
    a.regles.boitesMax = 10;
    EXPECT_NE(essai::messageDe([&] { a.construire(1); }).find("trop grand"), std::string::npos);
}

TEST(ConstructionAscendante, auPlusDeuxCentsRangees) {
    std::vector<essai::LienParents> liens;
    for (int k = 1; k < 250; ++k) liens.push_back({k, k + 1, 0});
    Arbre a(essai::gedcomDeLiens(250, liens));
    ArbreDeBoites& arbre = a.construire(1);
    EXPECT_EQ(arbre.nombreRangees(), 200);
    ASSERT_NE(arbre.premier(199), nullptr);
    EXPECT_TRUE(arbre.premier(199)->tronque);
}

// Branche (couleur posée par le critère) des numéros de Sosa 1 à 15 ; à la génération 3 : père du père 1,
// mère du père 3, père de la mère 2, mère de la mère 4.
TEST(ConstructionAscendante, couleursDeBrancheDesGenerationsDeuxEtTrois) {
    for (auto [critere, attendu] : {std::pair{10, "013113311113333"}, {11, "000132411332244"}}) {
        Arbre a(essai::gedcomSosa(5));
        a.regles.critere = static_cast<std::uint8_t>(critere);
        a.regles.colorer = [](const NoeudAscendant&, std::uint8_t branche) { return CouleurBoite{branche, 0, 0}; };
        a.construire(1);
        std::string branches;
        for (int k = 1; k <= 15; ++k) branches += static_cast<char>('0' + a.boitesDe(k).at(0)->remplissage.rouge);
        EXPECT_EQ(branches, attendu) << critere;
    }
}

TEST(ConstructionAscendante, lElagageRetireLesCouplesNonColoresDeHautEnBas) {
    // Seul 9 (père de la mère du père du père) est coloré.
    Arbre a(essai::gedcomSosa(4));
    const std::uint32_t colore = a.p(9);
    a.regles.colorer = [colore](const NoeudAscendant& n, std::uint8_t) {
        return n.personne == colore ? CouleurBoite{255, 0, 0} : CouleurBoite{};
    };
    ArbreDeBoites& arbre = a.construire(1);
    ConstructionAscendante c(a.regles, arbre);
    c.elaguer();
    // 8 et 9 restent (un parent coloré garde les deux) ; le côté de 3 tombe, 5 n'a plus de parents, 3 non plus.
    std::string restent;
    for (const NoeudAscendant* n : arbre.boites()) restent += essai::prenoms(a.b.base(), n->personne) + " ";
    EXPECT_EQ(restent, "P1 P2 P3 P4 P5 P8 P9 ");
    EXPECT_TRUE(a.boitesDe(5)[0]->tronque && a.boitesDe(3)[0]->tronque);
    EXPECT_FALSE(a.boitesDe(4)[0]->tronque);
    EXPECT_EQ(arbre.premier(2)->suivant->suivant, nullptr);
}

TEST(ConstructionAscendante, arbreFamilialSousUnCoupleInvisible) {
    // 1 × 2 mariés ; 3 × 4 parents de 1, 5 × 6 parents de 2.
    Arbre a(essai::gedcomDeLiens(7, {{7, 1, 2}, {1, 3, 4}, {2, 5, 6}}));
    ConstructionAscendante c(a.regles, a.arbre);
    c.familial(a.p(1), a.p(2), 0);
    const NoeudAscendant* couple = a.arbre.racine;
    ASSERT_TRUE(couple->invisible);
    EXPECT_EQ(couple->mere->personne, a.p(2));
    EXPECT_EQ(a.arbre.nombreBoites(), 6u);
    // Style classique : tout monte de 580.
    EXPECT_EQ(couple->pere->y, 945 + 580);
    EXPECT_EQ(couple->mere->pere->y, 1408 + 945 + 580);
}

TEST(ConstructionAscendante, arbreChronologiqueSelonLesAnneesEstimees) {
    Arbre a(essai::gedcomSosa(2));
    std::vector<std::int16_t> annees(a.b.base().nombreIndividus() + 1, 9999);
    annees[a.p(1)] = 1900;
    annees[a.p(2)] = 1870;  // la mère n'a pas d'estimation : 25 ans avant l'enfant
    a.regles.anneesEstimees = &annees;
    a.construire(1);
    EXPECT_EQ(a.boitesDe(1)[0]->y, 15 * 64);
    EXPECT_EQ(a.boitesDe(2)[0]->y, (1915 - 1870) * 64);
    EXPECT_EQ(a.boitesDe(3)[0]->y, (1915 - 1875) * 64);
}

}  // namespace
}  // namespace lignara
