#include "documents/roues/AllocationDescendante.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "BaseEssai.h"
#include "DescendanceEssai.h"
#include "GenealogieArbre.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"

namespace lignara {
namespace {

using essai::BaseEssai;

TablesDerivees tousMorts(const BaseGenealogique& base) {
    TablesDerivees t;
    t.statutsVitaux.assign(base.nombreIndividus() + 1, 'm');
    return t;
}

AllocationDescendante allouer(const BaseEssai& b, double budget = AllocationDescendante::kBudgetRoue,
                              bool doubles = false) {
    AllocationDescendante::Regles r;
    r.budget = budget;
    r.doublesBranches = doubles;
    return AllocationDescendante::calculer(b.base(), tousMorts(b.base()), static_cast<std::uint32_t>(b.personne("P1")),
                                           r);
}

// Ce que tout partage placé doit tenir : l'éventail centré vers le bas et dans le budget, les
// secteurs d'un anneau côte à côte dans l'ordre, chacun au moins ce qu'il demande, et ceux
// des enfants dans celui de leur parent.
void verifierPartage(const AllocationDescendante& a) {
    const double eps = 1e-9;
    EXPECT_NEAR(a.debutEventail() + a.largeurEventail() / 2, 4.712389, 1e-6);
    EXPECT_LE(a.largeurEventail(), a.budget() + eps);
    for (int k = 1; k <= a.anneauxPlaces(); ++k) {
        const std::vector<EntreeRoue>& anneau = a.anneau(k);
        double total = 0;
        for (std::size_t i = 0; i < anneau.size(); ++i) {
            const EntreeRoue& e = anneau[i];
            total += e.largeur;
            EXPECT_GE(e.largeur, e.besoin - eps) << k << " " << i;
            EXPECT_GE(e.debut, a.debutEventail() - eps);
            EXPECT_LE(e.debut + e.largeur, a.debutEventail() + a.largeurEventail() + eps);
            if (i > 0) {
                EXPECT_GE(e.debut, anneau[i - 1].debut + anneau[i - 1].largeur - eps) << k << " " << i;
            }
            if (k > 1) {
                const EntreeRoue& p = a.anneau(k - 1)[e.parent];
                EXPECT_GE(e.debut, p.debut - eps) << k << " " << i;
                EXPECT_LE(e.debut + e.largeur, p.debut + p.largeur + eps) << k << " " << i;
            }
        }
        EXPECT_LE(total, a.budget() + eps) << k;
        if (k == 1) {
            EXPECT_NEAR(total, a.largeurEventail(), 1e-9);
        }
    }
}

TEST(AllocationDescendante, lesSecteursTiennentDansLeBudgetEtDansCeuxDeLeursParents) {
    for (const auto& [enfants, conjoints] : std::vector<std::pair<std::vector<int>, bool>>{
             {{3, 3, 3, 3}, true}, {{2, 4, 1, 5, 2}, false}, {{10, 2, 1}, true}, {{1, 1, 1, 1, 9}, true}}) {
        BaseEssai b(essai::gedcomDescendance(enfants, conjoints));
        for (double budget : {AllocationDescendante::kBudgetRoue, AllocationDescendante::kBudgetRoueMixte}) {
            AllocationDescendante a = allouer(b, budget);
            ASSERT_GE(a.anneauxQuiTiennent(), 1);
            for (bool complet : {false, true}) {
                for (int n = 1; n <= a.anneauxQuiTiennent(); ++n) {
                    a.placer(n, complet);
                    verifierPartage(a);
                }
                if (complet) {
                    EXPECT_NEAR(a.largeurEventail(), budget, 1e-12);
                }
            }
        }
    }
}

// Descendance tirée au hasard (graine fixe) : mêmes règles, sur des familles inégales.
TEST(AllocationDescendante, uneDescendanceIrreguliereGardeLesMemesRegles) {
    std::mt19937 alea(21);
    std::vector<essai::LienParents> liens;
    std::vector<int> generation{1};
    int n = 1;
    for (int g = 0; g < 6; ++g) {
        std::vector<int> suivante;
        for (int parent : generation) {
            const int enfants = static_cast<int>(alea() % 5) - 1;
            const int conjoint = enfants > 0 && alea() % 3 ? ++n : 0;
            for (int e = 0; e < enfants; ++e) {
                liens.push_back({++n, parent, conjoint});
                suivante.push_back(n);
            }
        }
        generation.swap(suivante);
    }
    BaseEssai b(essai::gedcomDeLiens(n, liens));
    AllocationDescendante a = allouer(b);
    a.placer(a.anneauxQuiTiennent(), false);
    ASSERT_GE(a.anneauxPlaces(), 3);
    verifierPartage(a);
}

// Boîte de l'anneau 1 : 2 × asin(88 ÷ 1616) = 0,10896 ; une personne sans conjoint en demande
// une et demie, 0,16344 : 38 enfants tiennent dans 2π (6,211), 39 non (6,374) ; dans les 174°
// de la roue mixte (3,0369), 18 tiennent et 19 non.
TEST(AllocationDescendante, unPremierAnneauTropChargeArreteAvecSonMessage) {
    for (auto [enfants, budget, tient] :
         std::vector<std::tuple<int, double, bool>>{{38, AllocationDescendante::kBudgetRoue, true},
                                                    {39, AllocationDescendante::kBudgetRoue, false},
                                                    {18, AllocationDescendante::kBudgetRoueMixte, true},
                                                    {19, AllocationDescendante::kBudgetRoueMixte, false}}) {
        BaseEssai b(essai::gedcomDescendance({enfants}, false));
        if (tient) {
            EXPECT_EQ(allouer(b, budget).anneauxQuiTiennent(), 1) << enfants;
            continue;
        }
        try {
            allouer(b, budget);
            ADD_FAILURE() << enfants << " enfants ont tenu";
        } catch (const OperationImpossible& e) {
            EXPECT_EQ(std::string(e.what()), "Nombre d'enfants trop important à la première génération"_1252);
        }
    }
}

TEST(AllocationDescendante, lesAnneauxSArretentAuPremierQuiNeTientPlus) {
    // Une lignée de 20 générations : 15 anneaux au plus.
    BaseEssai lignee(essai::gedcomDescendance(std::vector<int>(20, 1), false));
    EXPECT_EQ(allouer(lignee).anneauxQuiTiennent(), 15);
    // Cinq enfants par personne : 125 arrière-petits-enfants demandent 5,93 radians à
    // l'anneau 3, 625 en demanderaient 21,9 à l'anneau 4.
    BaseEssai large(essai::gedcomDescendance({5, 5, 5, 5, 5}, false));
    EXPECT_EQ(allouer(large).anneauxQuiTiennent(), 3);
    // Sans enfant : aucun anneau, pas de message.
    BaseEssai seul(essai::gedcomDescendance({}, false));
    AllocationDescendante a = allouer(seul);
    EXPECT_EQ(a.anneauxQuiTiennent(), 0);
    a.placer(15, false);
    EXPECT_EQ(a.anneauxPlaces(), 0);
}

// 1 × 2 ont 3 et 4 ; 3 × 5 ont 7, 4 × 6 ont 8 ; les cousins 7 × 8 ont 9, qui a 10 avec 11.
// 9 est atteint par ses deux parents : placé deux fois, sa descendance une seule.
TEST(AllocationDescendante, unePersonneRepeteeNAQuUneFoisSaDescendance) {
    // 4 est une femme, mère de 8.
    BaseEssai cousins(essai::gedcomDeLiens(11, {{3, 1, 2}, {4, 1, 2}, {7, 3, 5}, {8, 6, 4}, {9, 7, 8}, {10, 9, 11}}));
    AllocationDescendante a = allouer(cousins);
    ASSERT_EQ(a.anneauxQuiTiennent(), 4);
    const auto& troisieme = a.anneau(3);
    ASSERT_EQ(troisieme.size(), 2u);
    EXPECT_EQ(troisieme[0].personne, troisieme[1].personne);
    EXPECT_FALSE(troisieme[0].repetee);
    EXPECT_TRUE(troisieme[1].repetee);
    EXPECT_EQ(a.anneau(4).size(), 1u);
    // 7 et 8 sont chacun le conjoint de l'autre.
    ASSERT_EQ(a.anneau(2)[0].conjoints.size(), 1u);
    EXPECT_EQ(a.anneau(2)[0].conjoints[0].personne, a.anneau(2)[1].personne);

    // Avec les doubles branches descendantes, chaque fois.
    AllocationDescendante doubles = allouer(cousins, AllocationDescendante::kBudgetRoue, true);
    EXPECT_FALSE(doubles.anneau(3)[1].repetee);
    EXPECT_EQ(doubles.anneau(4).size(), 2u);
}

TEST(AllocationDescendante, lesMarquesDeVieSontCellesDesTablesDonnees) {
    BaseEssai b(essai::gedcomDescendance({2, 1}, true));
    TablesDerivees tables = tousMorts(b.base());
    tables.statutsVitaux[static_cast<std::size_t>(b.personne("P3"))] = 'v';  // premier enfant
    tables.statutsVitaux[static_cast<std::size_t>(b.personne("P2"))] = 'v';  // conjointe de la racine
    AllocationDescendante a =
        AllocationDescendante::calculer(b.base(), tables, static_cast<std::uint32_t>(b.personne("P1")), {});
    ASSERT_EQ(a.conjointsRacine().size(), 1u);
    EXPECT_TRUE(a.conjointsRacine()[0].vivant);
    EXPECT_TRUE(a.anneau(1)[0].vivante);
    EXPECT_FALSE(a.anneau(1)[1].vivante);
}

}  // namespace
}  // namespace lignara
