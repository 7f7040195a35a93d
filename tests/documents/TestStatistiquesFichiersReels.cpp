// Statistiques sur des fichiers GEDCOM réels de ../shared/testdata/gedcom (lecture seule),
// comparées à des comptes faits à part (script indépendant, même règle des qualificatifs ;
// tableau d'ascendance de Sosa pour Victoria). Sautées quand le dossier est absent.
#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "commun/Texte.h"
#include "documents/Population.h"
#include "documents/statistiques/CompteursAges.h"
#include "documents/statistiques/GenerationsAscendance.h"
#include "gedcom/ImporterGedcom.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;

std::optional<ResultatImport> importer(const char* relatif) {
    const fs::path chemin = fs::path(LIGNARA_DOSSIER_TESTDATA) / relatif;
    if (!fs::exists(chemin)) return std::nullopt;
    return ImporterGedcom(chemin);
}

#define IMPORTER_OU_SAUTER(variable, relatif)                                                   \
    auto variable = importer(relatif);                                                          \
    if (!variable) GTEST_SKIP() << relatif << " absent (dossier des fichiers GEDCOM réels)"

std::uint32_t personneNommee(const BaseGenealogique& base, const std::string& prenoms, const std::string& nom) {
    for (std::uint32_t p = 1; p <= base.nombreIndividus(); ++p) {
        const Individu i = base.LireIndividu(p);
        if (base.LireTexte(TablePrenoms, i.prenoms) == prenoms && base.LireTexte(TableNoms, i.nom) == nom) return p;
    }
    return 0;
}

CompteursAges agesAuDecesDeTous(const BaseGenealogique& base) {
    return compterAges(base, choisirPopulation(base, EtenduePopulation::Complete, 0, false), AgeEtudie::Deces);
}

TEST(StatistiquesFichiersReels, agesAuDecesDeRoyal92) {
    IMPORTER_OU_SAUTER(r, "porges-mdf/royal92.ged");
    const BaseGenealogique& base = r->base;
    const CompteursAges c = agesAuDecesDeTous(base);
    // Les doubles datations (« 1675/1676 ») comptent pour leur première année.
    EXPECT_EQ(c.nombre[CompteursAges::Hommes], 697u);
    EXPECT_EQ(c.nombre[CompteursAges::Femmes], 575u);
    EXPECT_EQ(c.nombre[CompteursAges::Inconnus], 2u);
    EXPECT_EQ(c.moyenne(), 51);
    EXPECT_EQ(c.moyenne(CompteursAges::Hommes), 49);
    EXPECT_EQ(c.moyenne(CompteursAges::Femmes), 52);
    EXPECT_EQ(c.nombreSiecle[18], 291u);
    EXPECT_EQ(c.moyenneSiecle(18), 54);
    EXPECT_EQ(c.nombreSiecle[10], 17u);
    EXPECT_EQ(c.moyenneSiecle(10), 42);
    EXPECT_EQ(c.moyenneSiecle(19), 64);
    const std::uint32_t victoria = personneNommee(base, "Victoria", "Hanover");
    ASSERT_NE(victoria, 0u);
    const Individu v = base.LireIndividu(victoria);
    EXPECT_EQ(ageEntre(base.LireEvenement(v.naissance).date, base.LireEvenement(v.deces).date), 81);
    EXPECT_EQ(ageEntre(base.LireEvenement(v.naissance).date, *datePremierMariage(base, v)), 20);
}

TEST(StatistiquesFichiersReels, agesAuDecesEtAuPremierMariageDePres2020) {
    IMPORTER_OU_SAUTER(r, "dj-gedcom-samples/pres2020.ged");
    const CompteursAges c = agesAuDecesDeTous(r->base);
    EXPECT_EQ(c.nombre[CompteursAges::Hommes], 592u);
    EXPECT_EQ(c.nombre[CompteursAges::Femmes], 475u);
    EXPECT_EQ(c.nombre[CompteursAges::Inconnus], 0u);
    EXPECT_EQ(c.moyenne(), 60);
    EXPECT_EQ(c.nombreSiecle[20], 17u);
    EXPECT_EQ(c.moyenneSiecle(20), 88);
    const CompteursAges m = compterAges(
        r->base, choisirPopulation(r->base, EtenduePopulation::Complete, 0, false), AgeEtudie::PremierMariage);
    EXPECT_EQ(m.nombre[CompteursAges::Hommes], 318u);
    EXPECT_EQ(m.nombre[CompteursAges::Femmes], 318u);
    EXPECT_EQ(m.moyenne(CompteursAges::Hommes), 27);
    EXPECT_EQ(m.moyenne(CompteursAges::Femmes), 23);
    EXPECT_EQ(m.nombreSiecle[17], 182u);
    EXPECT_EQ(m.moyenneSiecle(20), 36);
}

TEST(StatistiquesFichiersReels, ascendanceDeVictoriaCommeSonTableauDeSosa) {
    IMPORTER_OU_SAUTER(r, "porges-mdf/royal92.ged");
    const Ascendance a = compterAscendance(r->base, personneNommee(r->base, "Victoria", "Hanover"));
    ASSERT_EQ(a.generations.size(), 73u);
    EXPECT_EQ(a.generations[4].completude, 25);
    EXPECT_EQ(a.generations[4].personnes(), 4u);
    EXPECT_EQ(a.generations[11].chemins, 9u);
    EXPECT_EQ(a.generations[11].personnes(), 8u);
    EXPECT_EQ(a.generations[19].chemins, 65u);
    EXPECT_EQ(a.generations[19].personnes(), 25u);
    EXPECT_EQ(a.generations[19].completude, 0);  // « < 1 % »
    EXPECT_EQ(a.generations[27].chemins, 192u);
    EXPECT_EQ(a.total, 340u);
}

TEST(StatistiquesFichiersReels, ascendanceDElizabethIISurCentSoixanteDouzeGenerations) {
    IMPORTER_OU_SAUTER(r, "findmypast-samples/Queen.ged");
    const std::uint32_t elizabeth = personneNommee(r->base, "Elizabeth II Alexandra Mary", "Windsor");
    ASSERT_NE(elizabeth, 0u);
    const Ascendance a = compterAscendance(r->base, elizabeth);
    ASSERT_EQ(a.generations.size(), 172u);
    EXPECT_EQ(a.generations[5].completude, 75);
    EXPECT_EQ(a.generations[11].chemins, 69u);
    EXPECT_EQ(a.generations[134].chemins, 279597560u);
    EXPECT_EQ(a.generations[171].completude, 0);
    EXPECT_EQ(a.total, 4681u);
}

}  // namespace
}  // namespace lignara
