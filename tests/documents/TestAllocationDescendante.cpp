#include "documents/roues/AllocationDescendante.h"

#include <gtest/gtest.h>

#include <cmath>

#include "BaseEssai.h"
#include "DescendanceEssai.h"
#include "GenealogieArbre.h"
#include "commun/Texte.h"
#include "support/Message.h"

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

// Tout partage placé : l'éventail centré vers le bas dans le budget, chaque secteur au moins ce qu'il demande.
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
            // Dans l'éventail, après son voisin, dans le secteur de son parent.
            const double debut = i > 0 ? anneau[i - 1].debut + anneau[i - 1].largeur : a.debutEventail();
            const EntreeRoue* p = k > 1 ? &a.anneau(k - 1)[e.parent] : nullptr;
            EXPECT_TRUE(e.debut >= debut - eps &&
                        e.debut + e.largeur <= a.debutEventail() + a.largeurEventail() + eps &&
                        (!p || (e.debut >= p->debut - eps && e.debut + e.largeur <= p->debut + p->largeur + eps)))
                << k << " " << i;
        }
        EXPECT_LE(total, a.budget() + eps) << k;
        EXPECT_TRUE(k > 1 || std::abs(total - a.largeurEventail()) < 1e-9);
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
                EXPECT_TRUE(!complet || std::abs(a.largeurEventail() - budget) < 1e-12);
            }
        }
    }
}

// Boîte de l'anneau 1 : 2 × asin(88 ÷ 1616) = 0,10896 ; une personne sans conjoint en demande
// une et demie, 0,16344 : 38 enfants tiennent dans 2π (6,211), 39 non (6,374).
TEST(AllocationDescendante, unPremierAnneauTropChargeArreteAvecSonMessage) {
    for (auto [enfants, budget, tient] : std::vector<std::tuple<int, double, bool>>{
             {38, AllocationDescendante::kBudgetRoue, true}, {39, AllocationDescendante::kBudgetRoue, false}}) {
        BaseEssai b(essai::gedcomDescendance({enfants}, false));
        const std::string message = essai::messageDe([&] { EXPECT_EQ(allouer(b, budget).anneauxQuiTiennent(), 1); });
        EXPECT_EQ(message, tient ? "" : "Nombre d'enfants trop important à la première génération"_1252) << enfants;
    }
}

TEST(AllocationDescendante, lesAnneauxSArretentAuPremierQuiNeTientPlus) {
    // Une lignée de 20 générations : 15 anneaux au plus.
    BaseEssai lignee(essai::gedcomDescendance(std::vector<int>(20, 1), false));
    EXPECT_EQ(allouer(lignee).anneauxQuiTiennent(), 15);
    // Cinq enfants par personne : 125 demandent 5,93 radians à l'anneau 3, 625 en demanderaient 21,9 au 4.
    BaseEssai large(essai::gedcomDescendance({5, 5, 5, 5, 5}, false));
    EXPECT_EQ(allouer(large).anneauxQuiTiennent(), 3);
    // Sans enfant : aucun anneau, pas de message.
    BaseEssai seul(essai::gedcomDescendance({}, false));
    AllocationDescendante a = allouer(seul);
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
    EXPECT_TRUE(!troisieme[0].repetee && troisieme[1].repetee);
    EXPECT_EQ(a.anneau(4).size(), 1u);

    // Avec les doubles branches descendantes, chaque fois.
    AllocationDescendante doubles = allouer(cousins, AllocationDescendante::kBudgetRoue, true);
    EXPECT_FALSE(doubles.anneau(3)[1].repetee);
    EXPECT_EQ(doubles.anneau(4).size(), 2u);
}

}  // namespace
}  // namespace lignara
