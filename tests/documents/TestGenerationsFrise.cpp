// Générations des frises : une fois chacune ou par génération, implexe, coupes, limite,
// conjoints des descendants et garde-fou contre une boucle.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "BaseEssai.h"
#include "GenealogieArbre.h"
#include "commun/OperationImpossible.h"
#include "database/ArbreEssai.h"
#include "documents/frises/GenerationsFrise.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::LienParents;
using Liste = std::vector<std::vector<std::uint32_t>>;

// 1 ← (2, 3) ; 2 ← (4, 5) ; 3 ← (6, 7) ; 5 ← (10, 11) ; 7 ← (12, 13) ; 12 ← (10, 11) :
// 10 et 11 sont arrière-grands-parents par 5 et trisaïeuls par 7 et 12. 14 est l'enfant de 5
// avec 15.
const std::vector<LienParents> kLiens = {{1, 2, 3},   {2, 4, 5},    {3, 6, 7},  {5, 10, 11},
                                         {7, 12, 13}, {12, 10, 11}, {14, 15, 5}};

struct Essai {
    Essai() : base(essai::gedcomDeLiens(15, kLiens)) {}
    std::uint32_t p(int n) const { return static_cast<std::uint32_t>(base.personne("P" + std::to_string(n))); }
    Liste numeros(const Generations& g) const {
        Liste l;
        for (const auto& m : g.membres) {
            l.emplace_back();
            for (std::uint32_t q : m)
                for (int n = 1; n <= 15; ++n)
                    if (p(n) == q) l.back().push_back(static_cast<std::uint32_t>(n));
        }
        return l;
    }
    BaseEssai base;
};

TEST(GenerationsFrise, uneFoisChacuneEnLargeurOuDansChaqueGenerationAvecLesMultiplesMarques) {
    Essai e;
    ReglesGenerations r;
    const Generations une = collecterGenerations(e.base.base(), {e.p(1)}, r);
    EXPECT_EQ(e.numeros(une), (Liste{{1}, {2, 3}, {4, 5, 6, 7}, {10, 11, 12, 13}}));
    EXPECT_EQ(une.nombrePersonnes(), 11u);
    r.uneFoisChacune = false;
    const Generations chaque = collecterGenerations(e.base.base(), {e.p(1)}, r);
    EXPECT_EQ(e.numeros(chaque), (Liste{{1}, {2, 3}, {4, 5, 6, 7}, {10, 11, 12, 13}, {10, 11}}));
    EXPECT_TRUE(chaque.multiples.contient(e.p(10)));
    EXPECT_TRUE(chaque.multiples.contient(e.p(11)));
    EXPECT_FALSE(chaque.multiples.contient(e.p(12)));
}

TEST(GenerationsFrise, coupesRetirentLaBrancheEtLimiteGardeLesPremieresGenerations) {
    Essai e;
    EnsemblePersonnes coupes(e.base.base().nombreIndividus());
    coupes.ajouter(e.p(3));
    coupes.ajouter(e.p(1));  // une racine n'est jamais retirée
    ReglesGenerations r;
    r.coupes = &coupes;
    EXPECT_EQ(e.numeros(collecterGenerations(e.base.base(), {e.p(1)}, r)), (Liste{{1}, {2}, {4, 5}, {10, 11}}));
    r.coupes = nullptr;
    r.limite = 1;
    EXPECT_EQ(e.numeros(collecterGenerations(e.base.base(), {e.p(1)}, r)), (Liste{{1}, {2, 3}}));
}

TEST(GenerationsFrise, descendantsAvecLeursConjointsQuiNeMenentPasPlusLoin) {
    Essai e;
    ReglesGenerations r;
    r.sens = SensGenerations::Descendants;
    r.uneFoisChacune = false;
    EXPECT_EQ(e.numeros(collecterGenerations(e.base.base(), {e.p(10)}, r)),
              (Liste{{10}, {5, 12}, {2, 14, 7}, {1, 3}, {1}}));
    r.conjoints = true;
    // 5, conjointe de 4, ne mène pas à 14, son enfant avec 15.
    EXPECT_EQ(e.numeros(collecterGenerations(e.base.base(), {e.p(4)}, r)), (Liste{{4, 5}, {2, 3}, {1}}));
    // 3, conjointe de 2 à la génération 3, n'y est pas deux fois.
    EXPECT_EQ(e.numeros(collecterGenerations(e.base.base(), {e.p(10)}, r)),
              (Liste{{10, 11}, {5, 12, 4, 15, 13}, {2, 14, 7, 3, 6}, {1, 3, 2}, {1}}));
}

TEST(GenerationsFrise, desLiensEnBoucleSontSignalesAuLieuDeTournerSansFin) {
    essai::ArbreEssai a;
    const std::uint32_t un = a.personne('M', {}, {}, "BOUCLE", "Un");
    const std::uint32_t deux = a.personne('M', {}, {}, "BOUCLE", "Deux");
    const std::uint32_t mere = a.personne('F');
    a.couple(deux, mere, {un});
    a.couple(un, mere, {deux});
    const BaseGenealogique base = a.construire(std::filesystem::temp_directory_path());
    ReglesGenerations r;
    r.uneFoisChacune = false;
    try {
        collecterGenerations(base, {un}, r);
        FAIL() << "pas d'exception";
    } catch (const OperationImpossible& e) {
        EXPECT_NE(std::string(e.what()).find("boucle infinie"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("- Un BOUCLE\n"), std::string::npos) << e.what();
    }
    r.uneFoisChacune = true;  // chacun une fois : la boucle s'arrête d'elle-même
    EXPECT_EQ(collecterGenerations(base, {un}, r).nombrePersonnes(), 3u);
}

}  // namespace
}  // namespace lignara
