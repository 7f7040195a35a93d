#include "documents/statistiques/CompteCategories.h"

#include <gtest/gtest.h>

#include "BaseEssai.h"
#include "commun/Texte.h"
#include "reference/CategorieCompilateur.h"
#include "reference/CategorieDefinition.h"

namespace lignara {
namespace {

using essai::BaseEssai;

CategorieAutomate automate(const std::string& definition) {
    return *CategorieAutomate::lire(CategorieCompilateur(CategorieDefinition::lire(definition), true).image());
}

// 25 catégories : la 24e (numéro 23) n'est pas comptée.
std::string vingtCinqCategories() {
    std::string d;
    for (int k = 0; k < 25; ++k)
        d += "Categorie " + std::to_string(k) + "\r\n\tmot" + static_cast<char>('a' + k) + "\r\n";
    return d;
}

std::vector<ValeurCategories> valeurs(std::initializer_list<std::pair<const char*, std::uint32_t>> v) {
    std::vector<ValeurCategories> r;
    for (const auto& [texte, n] : v) r.push_back({texte, n, {}});
    return r;
}

TEST(CompteCategories, uneValeurDeDeuxCategoriesCompteDansLesDeuxSaufLimiteAUne) {
    CategorieAutomate a = automate("Mer\r\n\tmarin\r\nCommerce\r\n\tmarchand\r\nTerre\r\n\tlaboureur\r\n");
    const auto v = valeurs({{"marchand, marin", 3}, {"laboureur", 1}, {"notaire", 5}});
    const CompteCategories toutes = compterCategories(v, a, false);
    EXPECT_EQ(toutes.comptes, (std::vector<std::uint64_t>{3, 3, 1}));
    EXPECT_EQ(compterCategories(v, a, true).comptes, (std::vector<std::uint64_t>{0, 3, 1}));
}

TEST(CompteCategories, lesCategoriesAuDelaDeVingtTroisNeComptentPas) {
    CategorieAutomate a = automate(vingtCinqCategories());
    // Le premier mot accorde la catégorie 23 : « une seule catégorie » prend la suivante qui compte.
    const auto v = valeurs({{"motx motc", 2}, {"moty", 1}});
    const CompteCategories c = compterCategories(v, a, true);
    ASSERT_EQ(c.noms.size(), 23u);
    EXPECT_EQ(std::pair(c.comptes[2], c.total()), std::pair(std::uint64_t{2}, std::uint64_t{2}));
}

TEST(CompteCategories, pourcentagesArrondis) {
    CompteCategories c;
    c.comptes = {1, 199};
    EXPECT_EQ(c.pourcentage(0), 1);  // 0,5 % s'arrondit au-dessus
    c.comptes = {0, 0};
    EXPECT_EQ(c.pourcentage(0), 0);
}

TEST(CompteCategories, valeursRegroupeesEtTrieesOctetParOctet) {
    BaseEssai b(
        "0 HEAD\n1 CHAR UTF-8\n"
        "0 @I1@ INDI\n1 NAME A /X/\n1 OCCU marin\n"
        "0 @I2@ INDI\n1 NAME B /X/\n1 OCCU Étameur\n"
        "0 @I3@ INDI\n1 NAME C /X/\n1 OCCU marin\n"
        "0 @I4@ INDI\n1 NAME D /X/\n1 OCCU Marin\n"
        "0 @I5@ INDI\n1 NAME E /X/\n"
        "0 TRLR\n");
    EnsemblePersonnes tous(b.base().nombreIndividus());
    for (std::uint32_t p = 1; p <= 5; ++p) tous.ajouter(p);
    const auto v = collecterValeurs(b.base(), tous, GenreValeur::Professions);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(std::tuple(v[0].texte, v[1].texte, v[1].personnes), std::tuple("Marin", "marin", 2u));
    EXPECT_EQ(v[2].texte, "Étameur"_1252);  // É (0xC9) après les lettres ASCII
}

}  // namespace
}  // namespace lignara
