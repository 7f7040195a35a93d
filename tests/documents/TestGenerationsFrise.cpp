#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "BaseEssai.h"
#include "GenealogieArbre.h"
#include "database/ArbreEssai.h"
#include "documents/frises/GenerationsFrise.h"
#include "support/Message.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::LienParents;
using Liste = std::vector<std::vector<int>>;

// 10 et 11 sont arrière-grands-parents de 1 par 5 et trisaïeuls par 7 et 12 ; 14 est l'enfant de 5 avec 15.
const std::vector<LienParents> kLiens = {{1, 2, 3},   {2, 4, 5},    {3, 6, 7},  {5, 10, 11},
                                         {7, 12, 13}, {12, 10, 11}, {14, 15, 5}};

struct Essai {
    Essai() : base(essai::gedcomDeLiens(15, kLiens)) {}
    std::uint32_t p(int n) const { return static_cast<std::uint32_t>(base.personne("P" + std::to_string(n))); }
    // Les générations à partir de `racine`, en numéros d'essai.
    Liste numeros(int racine, const ReglesGenerations& r) const {
        Liste l;
        for (const auto& m : collecterGenerations(base.base(), {p(racine)}, r).membres) {
            l.emplace_back();
            for (std::uint32_t q : m) l.back().push_back(std::stoi(essai::prenoms(base.base(), q).substr(1)));
        }
        return l;
    }
    BaseEssai base;
};

TEST(GenerationsFrise, uneFoisChacuneEnLargeurOuDansChaqueGenerationAvecLesMultiplesMarques) {
    Essai e;
    ReglesGenerations r;
    EXPECT_EQ(e.numeros(1, r), (Liste{{1}, {2, 3}, {4, 5, 6, 7}, {10, 11, 12, 13}}));
    r.uneFoisChacune = false;
    EXPECT_EQ(e.numeros(1, r), (Liste{{1}, {2, 3}, {4, 5, 6, 7}, {10, 11, 12, 13}, {10, 11}}));
    const Generations chaque = collecterGenerations(e.base.base(), {e.p(1)}, r);
    EXPECT_TRUE(chaque.multiples.contient(e.p(10)) && !chaque.multiples.contient(e.p(12)));
}

TEST(GenerationsFrise, coupesRetirentLaBrancheEtLimiteGardeLesPremieresGenerations) {
    Essai e;
    EnsemblePersonnes coupes(e.base.base().nombreIndividus());
    coupes.ajouter(e.p(3));
    coupes.ajouter(e.p(1));  // une racine n'est jamais retirée
    ReglesGenerations r;
    r.coupes = &coupes;
    EXPECT_EQ(e.numeros(1, r), (Liste{{1}, {2}, {4, 5}, {10, 11}}));
    r.coupes = nullptr;
    r.limite = 1;
    EXPECT_EQ(e.numeros(1, r), (Liste{{1}, {2, 3}}));
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
    const std::string message = essai::messageDe([&] { collecterGenerations(base, {un}, r); });
    EXPECT_NE(message.find("boucle infinie"), std::string::npos);
    EXPECT_NE(message.find("- Un BOUCLE\n"), std::string::npos) << message;
    r.uneFoisChacune = true;  // chacun une fois : la boucle s'arrête d'elle-même
    EXPECT_EQ(collecterGenerations(base, {un}, r).nombrePersonnes(), 3u);
}

}  // namespace
}  // namespace lignara
