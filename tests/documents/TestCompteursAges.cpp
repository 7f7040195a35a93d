#include "documents/statistiques/CompteursAges.h"

#include <gtest/gtest.h>

#include <array>

#include "BaseEssai.h"
#include "support/DateEssai.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::date;

TEST(AgeEntre, moisEtJourCorrigentLAgeQuandIlsSontConnus) {
    EXPECT_EQ(ageEntre(date(DateSimple, 15, 6, 1850), date(DateSimple, 10, 6, 1900)), 49);
    EXPECT_EQ(ageEntre(date(DateSimple, 10, 6, 1850), date(DateSimple, 10, 6, 1900)), 50);
    // Un jour ou un mois inconnu d'un côté ne corrige rien.
    EXPECT_EQ(ageEntre(date(DateSimple, 0, 6, 1850), date(DateSimple, 10, 6, 1900)), 50);
}

TEST(AgeEntre, seulesLesDatesSimplesEtVersComptent) {
    const DateGed naissance = date(DateSimple, 0, 0, 1850);
    EXPECT_EQ(ageEntre(naissance, date(DateVers, 0, 0, 1900)), 50);
    EXPECT_FALSE(ageEntre(naissance, date(DateAvant, 0, 0, 1900)));
    DateGed entre = date(DateEntre, 0, 0, 1900);
    entre.fixerPremiereAnnee(1890);
    EXPECT_FALSE(ageEntre(naissance, entre));
    EXPECT_FALSE(ageEntre(date(DateSimple, 0, 0, 0), date(DateSimple, 0, 0, 1900)));
}

TEST(AgeEntre, negatifRefuseEtPlafonneA150) {
    EXPECT_FALSE(ageEntre(date(DateSimple, 2, 1, 1900), date(DateSimple, 1, 1, 1900)));
    EXPECT_EQ(ageEntre(date(DateSimple, 1, 1, 1900), date(DateSimple, 1, 1, 1900)), 0);
    EXPECT_EQ(ageEntre(date(DateSimple, 0, 0, 1500), date(DateSimple, 0, 0, 1900)), 150);
    EXPECT_EQ(ageEntre(date(DateSimple, 0, 0, -30), date(DateSimple, 0, 0, 20)), 50);
}

// Chaque personne a sa naissance ; les familles disent laquelle des unions est la première.
constexpr std::string_view kUnions =
    "0 HEAD\n1 CHAR ANSI\n"
    // A : union sans conjoint ni mariage (passée), puis mariée en 1900 avec B.
    "0 @A@ INDI\n1 NAME A /U/\n1 SEX M\n1 BIRT\n2 DATE 1870\n1 FAMS @F1@\n1 FAMS @F2@\n"
    "0 @B@ INDI\n1 NAME B /U/\n1 SEX F\n1 BIRT\n2 DATE 1880\n1 FAMS @F2@\n"
    // C : union sans conjoint mais avec un mariage en 1910 : c'est elle qui compte.
    "0 @C@ INDI\n1 NAME C /U/\n1 BIRT\n2 DATE 1885\n1 FAMS @F3@\n1 FAMS @F4@\n"
    "0 @D@ INDI\n1 NAME D /U/\n1 SEX F\n1 BIRT\n2 DATE 1890\n1 FAMS @F4@\n"
    // E : première union avec un conjoint mais sans mariage : E n'est pas comptée.
    "0 @E@ INDI\n1 NAME E /U/\n1 SEX M\n1 BIRT\n2 DATE 1860\n1 FAMS @F5@\n1 FAMS @F6@\n"
    "0 @G@ INDI\n1 NAME G /U/\n1 SEX F\n1 FAMS @F5@\n"
    "0 @H@ INDI\n1 NAME H /U/\n1 SEX F\n1 BIRT\n2 DATE 1865\n1 FAMS @F6@\n"
    "0 @F1@ FAM\n1 HUSB @A@\n1 CHIL @K@\n"
    "0 @K@ INDI\n1 NAME K /U/\n1 FAMC @F1@\n"
    "0 @F2@ FAM\n1 HUSB @A@\n1 WIFE @B@\n1 MARR\n2 DATE 1900\n"
    "0 @F3@ FAM\n1 HUSB @C@\n1 CHIL @L@\n1 MARR\n2 DATE 1910\n"
    "0 @L@ INDI\n1 NAME L /U/\n1 FAMC @F3@\n"
    "0 @F4@ FAM\n1 HUSB @C@\n1 WIFE @D@\n1 MARR\n2 DATE 1920\n"
    "0 @F5@ FAM\n1 HUSB @E@\n1 WIFE @G@\n"
    "0 @F6@ FAM\n1 HUSB @E@\n1 WIFE @H@\n1 MARR\n2 DATE 1890\n"
    "0 TRLR\n";

TEST(CompteursAges, premiereUnionAvecConjointOuMariage) {
    BaseEssai b(kUnions);
    EnsemblePersonnes tous(b.base().nombreIndividus());
    for (std::uint32_t p = 1; p <= b.base().nombreIndividus(); ++p) tous.ajouter(p);
    const CompteursAges c = compterAges(b.base(), tous, AgeEtudie::PremierMariage);
    // A 30 ans, B 20, C (sexe inconnu) 25, D 30, H 25 (mariée en 1890) ; ni E, ni G ni K sans
    // naissance, ni L.
    EXPECT_EQ(c.nombre, (std::array<std::uint32_t, 3>{1, 3, 1}));  // hommes, femmes, inconnus
    EXPECT_EQ(c.somme[CompteursAges::Femmes], 20u + 30u + 25u);
    EXPECT_EQ(c.moyenne(), (30 + 20 + 25 + 30 + 25) / 5);
    EXPECT_EQ(std::pair(c.nombreSiecle[19], c.moyenneSiecle(19)), std::pair(4u, (30 + 20 + 25 + 30) / 4));
}

TEST(CompteursAges, siecleArrondiVersLeBasEtHorsDesVingtDeuxSiecles) {
    CompteursAges c;
    c.ajouter('M', 40, -20);  // avant notre ère : aucun siècle, pas « I° »
    c.ajouter('F', 30, 99);
    c.ajouter(' ', 60, 2250);
    EXPECT_EQ(std::pair(c.nombreSiecle[0], c.moyenneSiecle(0)), std::pair(1u, 30));
    std::uint32_t comptes = 0;
    for (std::uint32_t n : c.nombreSiecle) comptes += n;
    EXPECT_EQ(comptes, 1u);
}

}  // namespace
}  // namespace lignara
