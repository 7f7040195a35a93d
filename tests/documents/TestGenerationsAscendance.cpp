#include "documents/statistiques/GenerationsAscendance.h"

#include <gtest/gtest.h>

#include "database/ArbreEssai.h"
#include "database/BaseEssai.h"
#include "BaseEssai.h"
#include "GenealogieArbre.h"
#include "support/Message.h"

namespace lignara {
namespace {

using essai::BaseEssai;

Ascendance ascendanceDe(const BaseEssai& b, const char* prenoms) {
    return compterAscendance(b.base(), static_cast<std::uint32_t>(b.personne(prenoms)));
}

TEST(GenerationsAscendance, enfantDeCousinsGermains) {
    // 4 et 6, grands-pères paternel et maternel, sont frères : fils de 8 × 9.
    BaseEssai b(
        essai::gedcomDeLiens(13, {{1, 2, 3}, {2, 4, 5}, {3, 6, 7}, {4, 8, 9}, {5, 10, 11}, {6, 8, 9}, {7, 12, 13}}));
    const Ascendance a = ascendanceDe(b, "P1");
    ASSERT_EQ(a.generations.size(), 4u);
    const GenerationAscendance& g4 = a.generations[3];
    EXPECT_TRUE(g4.personnes() == 6 && g4.hommes == 3 && g4.chemins == 8 && g4.completude == 100);
    EXPECT_FALSE(a.implexes);
    EXPECT_EQ(a.total, 2u + 4u + 6u);  // la racine n'entre ni comme père ni comme mère
}

TEST(GenerationsAscendance, oncleEtNieceMarquentLaGenerationLaPlusProche) {
    // 2 épouse sa nièce 3, fille de son frère 4 ; 2 et 4 sont fils de 5 × 6.
    BaseEssai b(essai::gedcomDeLiens(7, {{1, 2, 3}, {3, 4, 7}, {2, 5, 6}, {4, 5, 6}}));
    const Ascendance a = ascendanceDe(b, "P1");
    ASSERT_EQ(a.generations.size(), 4u);
    EXPECT_TRUE(a.generations[2].implexe && a.implexes);
    EXPECT_FALSE(a.generations[3].implexe);
    EXPECT_EQ(a.generations[2].personnes(), 4u);  // 4, 5, 6, 7 : 5 et 6 reviennent en génération 4
    EXPECT_EQ(a.generations[3].completude, 25);
    EXPECT_EQ(a.total, 6u);
}

// Frère et sœur mariés à chaque génération : toutes les générations sont complètes, et les
// chemins dépassent 64 bits après la 65e.
std::string doublementSurGenerations(int couples) {
    std::vector<essai::LienParents> liens{{1, 2, 3}};
    for (int k = 1; k < couples; ++k) {
        liens.push_back({2 * k, 2 * k + 2, 2 * k + 3});
        liens.push_back({2 * k + 1, 2 * k + 2, 2 * k + 3});
    }
    return essai::gedcomDeLiens(2 * couples + 1, liens);
}

TEST(GenerationsAscendance, cheminsEtPuissanceSansDebordementSurCentVingtGenerations) {
    BaseEssai b(doublementSurGenerations(120));
    const Ascendance a = ascendanceDe(b, "P1");
    ASSERT_EQ(a.generations.size(), 121u);
    for (std::size_t g = 0; g < a.generations.size(); ++g) EXPECT_EQ(a.generations[g].completude, 100) << g + 1;
    EXPECT_EQ(a.generations[63].chemins, std::uint64_t{1} << 63);
    EXPECT_EQ(a.generations[64].chemins, UINT64_MAX);
    EXPECT_EQ(completude(3, 2), 100);  // borné
    EXPECT_EQ(completude(4, 5), 25);
}

TEST(GenerationsAscendance, uneBoucleArreteAvantLesComptesAvecSonMessage) {
    essai::DossierEssai dossier;
    essai::ArbreEssai a;
    const std::uint32_t racine = a.personne('M', {}, {}, "BOUCLE", "Racine");
    const std::uint32_t pierre = a.personne('M', {}, {}, "BOUCLE", "Pierre");
    const std::uint32_t paul = a.personne('M', {}, {}, "BOUCLE", "Paul");
    const std::uint32_t jacques = a.personne('F', {}, {}, "BOUCLE", "Jacques");
    // Pierre est le père de la racine ; Pierre et Paul sont le père l'un de l'autre ; Jacques est la mère de Paul.
    a.couple(pierre, 0, {racine});
    a.couple(paul, 0, {pierre});
    a.couple(pierre, jacques, {paul});
    const BaseGenealogique base = a.construire(dossier.chemin());
    const std::string m = essai::messageDe([&] { compterAscendance(base, 1); });
    EXPECT_EQ(m.rfind("Opération impossible car les personnes suivantes forment une boucle infinie"_1252, 0), 0u);
    EXPECT_NE(m.find("- Pierre BOUCLE\n- Paul BOUCLE\n- Jacques BOUCLE\n(corriger"), std::string::npos) << m;
    EXPECT_EQ(m.find("Racine"), std::string::npos);
}

}  // namespace
}  // namespace lignara
