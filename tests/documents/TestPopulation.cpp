#include "documents/Population.h"

#include <gtest/gtest.h>

#include <set>

#include "BaseEssai.h"
#include "GenealogieArbre.h"

namespace lignara {
namespace {

using essai::BaseEssai;

std::set<std::string> prenomsDe(const BaseEssai& b, const EnsemblePersonnes& e) {
    std::set<std::string> p;
    for (std::uint32_t n = 1; n <= b.base().nombreIndividus(); ++n)
        if (e.contient(n)) p.insert(b.base().LireTexte(TablePrenoms, b.base().LireIndividu(n).prenoms));
    return p;
}

// 1 × 2 ont 3 et 4 ; 3 épouse 5, qui a d'un premier lit 6 avec 7 ; 3 × 5 ont 8. 9 n'a aucun lien.
std::string familleRecomposee() { return essai::gedcomDeLiens(9, {{3, 1, 2}, {4, 1, 2}, {6, 7, 5}, {8, 3, 5}}); }

TEST(Population, lesTroisEtenduesEtLesConjointsDesDescendants) {
    BaseEssai b(familleRecomposee());
    const auto racine = static_cast<std::uint32_t>(b.personne("P1"));
    EXPECT_EQ(choisirPopulation(b.base(), EtenduePopulation::Complete, 0, false).nombre(), 9u);
    const auto p8 = static_cast<std::uint32_t>(b.personne("P8"));
    EXPECT_EQ(prenomsDe(b, choisirPopulation(b.base(), EtenduePopulation::Ascendants, p8, false)),
              (std::set<std::string>{"P8", "P3", "P5", "P1", "P2"}));
    EXPECT_EQ(prenomsDe(b, choisirPopulation(b.base(), EtenduePopulation::Descendants, racine, false)),
              (std::set<std::string>{"P1", "P3", "P4", "P8"}));
    // Un conjoint n'apporte que lui-même : ni 6, l'enfant de l'autre lit de 5, ni 7.
    EXPECT_EQ(prenomsDe(b, choisirPopulation(b.base(), EtenduePopulation::Descendants, racine, true)),
              (std::set<std::string>{"P1", "P2", "P3", "P4", "P5", "P8"}));
}

TEST(Population, unConjointQuiEstAussiDescendantGardeSaDescendance) {
    // Cousins mariés : 4 (petit-fils de 1 par 3) épouse 5 (petite-fille de 1 par 2) ; 5 a aussi
    // 7 avec 8. Depuis 1, 5 est d'abord atteinte comme conjointe de 4 : ses unions restent à suivre.
    BaseEssai b(essai::gedcomDeLiens(8, {{2, 1, 0}, {3, 1, 0}, {4, 3, 0}, {5, 2, 0}, {6, 4, 5}, {7, 8, 5}}));
    const auto racine = static_cast<std::uint32_t>(b.personne("P1"));
    const auto p = prenomsDe(b, choisirPopulation(b.base(), EtenduePopulation::Descendants, racine, true));
    EXPECT_EQ(std::tuple(p.count("P7"), p.size()), std::tuple(1u, 8u));
}

TEST(Population, unOctetDeVarianteHorsDesTroisEtenduesNEnDonneAucune) {
    EXPECT_EQ(etendueDeVariante(3), EtenduePopulation::Descendants);
    EXPECT_FALSE(etendueDeVariante(0));
    EXPECT_FALSE(etendueDeVariante(4));
}

}  // namespace
}  // namespace lignara
