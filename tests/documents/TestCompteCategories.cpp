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
    EXPECT_EQ(toutes.valeurs[0].categories, (std::vector<std::uint8_t>{1, 0}));
    EXPECT_TRUE(toutes.valeurs[2].categories.empty());
    const CompteCategories une = compterCategories(v, a, true);
    EXPECT_EQ(une.comptes, (std::vector<std::uint64_t>{0, 3, 1}));
    EXPECT_EQ(une.total(), 4u);
}

TEST(CompteCategories, lesCategoriesAuDelaDeVingtTroisNeComptentPas) {
    CategorieAutomate a = automate(vingtCinqCategories());
    // Le premier mot accorde la catégorie 23 : « une seule catégorie » prend la suivante qui compte.
    const auto v = valeurs({{"motx motc", 2}, {"moty", 1}});
    const CompteCategories c = compterCategories(v, a, true);
    ASSERT_EQ(c.noms.size(), 23u);
    EXPECT_EQ(c.comptes[2], 2u);
    EXPECT_EQ(c.total(), 2u);
    EXPECT_EQ(c.valeurs[1].categories, std::vector<std::uint8_t>{});
}

TEST(CompteCategories, pourcentagesArrondis) {
    CompteCategories c;
    c.comptes = {2, 1};
    EXPECT_EQ(c.pourcentage(0), 67);
    EXPECT_EQ(c.pourcentage(1), 33);
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
    EXPECT_EQ(v[0].texte, "Marin");
    EXPECT_EQ(v[1].texte, "marin");
    EXPECT_EQ(v[1].personnes, 2u);
    EXPECT_EQ(v[2].texte, "Étameur"_1252);  // É (0xC9) après les lettres ASCII
    EnsemblePersonnes deux(b.base().nombreIndividus());
    deux.ajouter(1);
    EXPECT_EQ(collecterValeurs(b.base(), deux, GenreValeur::Professions).size(), 1u);
    EXPECT_TRUE(collecterValeurs(b.base(), deux, GenreValeur::Sources).empty());
}

TEST(CompteCategories, sourceDeLaPersonneDansLOrdreDesChamps) {
    // I1 : nom sourcé ; I2 : naissance sans source mais lieu sourcé, profession sourcée ;
    // I3 : profession, puis décès ; I4 : décès seul.
    BaseEssai b(
        "0 HEAD\n1 CHAR UTF-8\n"
        "0 @S1@ SOUR\n1 TITL Registre\n0 @S2@ SOUR\n1 TITL Cadastre\n"
        "0 @S3@ SOUR\n1 TITL Recensement\n0 @S4@ SOUR\n1 TITL Acte de décès\n"
        "0 @I1@ INDI\n1 NAME A /X/\n2 SOUR @S1@\n1 OCCU marin\n2 SOUR @S3@\n"
        "0 @I2@ INDI\n1 NAME B /X/\n1 BIRT\n2 DATE 1850\n2 PLAC Paris\n3 SOUR @S2@\n1 OCCU marin\n2 SOUR @S3@\n"
        "0 @I3@ INDI\n1 NAME C /X/\n1 OCCU marin\n2 SOUR @S3@\n1 DEAT\n2 SOUR @S4@\n"
        "0 @I4@ INDI\n1 NAME D /X/\n1 DEAT\n2 DATE 1900\n2 SOUR @S4@\n"
        "0 TRLR\n");
    std::vector<std::string> textes;
    for (std::uint32_t p = 1; p <= 4; ++p) {
        const std::uint32_t ref = referenceValeur(b.base(), b.base().LireIndividu(p), GenreValeur::Sources);
        textes.push_back(b.base().LireTexte(TableSources, ref));
    }
    EXPECT_EQ(textes, (std::vector<std::string>{"Registre", "Cadastre", "Recensement", "Acte de décès"_1252}));
}

}  // namespace
}  // namespace lignara
