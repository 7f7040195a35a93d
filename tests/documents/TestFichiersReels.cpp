// Documents sur les fichiers GEDCOM réels (sautés avec un message quand ils manquent) ; les valeurs
// attendues ont été calculées à part (script indépendant pour les âges, tableau de Sosa de Victoria).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <tuple>
#include <string>
#include <vector>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "BaseEssai.h"
#include "documents/Population.h"
#include "documents/arbres/Coloration.h"
#include "documents/frises/FriseGenerations.h"
#include "documents/frises/FriseIndividuelle.h"
#include "documents/statistiques/CompteursAges.h"
#include "documents/statistiques/GenerationsAscendance.h"
#include "reference/CategorieCompilateur.h"
#include "reference/CategorieTexte.h"
#include "support/DossierEssai.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;

std::uint32_t personneNommee(const BaseGenealogique& base, const std::string& prenoms, const std::string& nom) {
    for (std::uint32_t p = 1; p <= base.nombreIndividus(); ++p) {
        const Individu i = base.LireIndividu(p);
        if (base.LireTexte(TablePrenoms, i.prenoms) == prenoms && base.LireTexte(TableNoms, i.nom) == nom) return p;
    }
    return 0;
}

// Effectifs des hommes, des femmes et des inconnus ; moyennes de tous, des hommes, des femmes.
std::vector<std::uint32_t> nombres(const CompteursAges& c) {
    return {c.nombre[CompteursAges::Hommes], c.nombre[CompteursAges::Femmes], c.nombre[CompteursAges::Inconnus]};
}
std::vector<int> moyennes(const CompteursAges& c) {
    return {c.moyenne(), c.moyenne(CompteursAges::Hommes), c.moyenne(CompteursAges::Femmes)};
}

CompteursAges agesAuDecesDeTous(const BaseGenealogique& base) {
    return compterAges(base, choisirPopulation(base, EtenduePopulation::Complete, 0, false), AgeEtudie::Deces);
}

TEST(StatistiquesFichiersReels, agesAuDecesDeRoyal92) {
    FICHIER_REEL(r, "porges-mdf/royal92.ged");
    const BaseGenealogique& base = r.import.base;
    const CompteursAges c = agesAuDecesDeTous(base);
    // Les doubles datations (« 1675/1676 ») comptent pour leur première année.
    EXPECT_EQ(nombres(c), (std::vector<std::uint32_t>{697, 575, 2}));
    EXPECT_EQ(moyennes(c), (std::vector<int>{51, 49, 52}));
    EXPECT_EQ(std::tuple(c.nombreSiecle[18], c.moyenneSiecle(18), c.nombreSiecle[10], c.moyenneSiecle(10)),
              std::tuple(291u, 54, 17u, 42));
    const std::uint32_t victoria = personneNommee(base, "Victoria", "Hanover");
    ASSERT_NE(victoria, 0u);
    const Individu v = base.LireIndividu(victoria);
    EXPECT_EQ(ageEntre(base.LireEvenement(v.naissance).date, base.LireEvenement(v.deces).date), 81);
    EXPECT_EQ(ageEntre(base.LireEvenement(v.naissance).date, *datePremierMariage(base, v)), 20);
}

TEST(StatistiquesFichiersReels, ascendanceDeVictoriaCommeSonTableauDeSosa) {
    FICHIER_REEL(r, "porges-mdf/royal92.ged");
    const Ascendance a = compterAscendance(r.import.base, personneNommee(r.import.base, "Victoria", "Hanover"));
    ASSERT_EQ(a.generations.size(), 73u);
    EXPECT_EQ(std::tuple(a.generations[4].completude, a.generations[4].personnes()), std::tuple(25, 4u));
    EXPECT_EQ(std::tuple(a.generations[11].chemins, a.generations[11].personnes()), std::tuple(9u, 8u));
    // « < 1 % » s'écrit 0.
    EXPECT_EQ(std::tuple(a.generations[19].chemins, a.generations[19].personnes(), a.generations[19].completude),
              std::tuple(65u, 25u, 0));
    EXPECT_EQ(a.total, 340u);
}

TEST(FrisesFichiersReels, generationsAscendantesDeVictoriaCompteesEtEtoilees) {
    FICHIER_REEL(royal, "porges-mdf/royal92.ged");
    auto d = royal.document<FriseGenerations>(FriseGenerations::kCodeAscendante, "@I1@");
    ASSERT_EQ(d->barres().size(), 73u);
    // L'étoile marque un implexe (moins de personnes que de chemins), à partir de la 13e génération.
    EXPECT_EQ(std::tuple(d->barres()[0].vie.libelle, d->barres()[11].vie.libelle, d->barres()[12].vie.libelle,
                         d->barres()[72].vie.libelle),
              std::tuple("1 ascendant", "8 ascendants", "8 ascendants *", "1 ascendant *"));
}

TEST(FrisesFichiersReels, bandesDAndrewJohnsonRelues) {
    FICHIER_REEL(pres, "dj-gedcom-samples/pres2020.ged");
    auto d = pres.document<FriseIndividuelle>(FriseIndividuelle::kCodeIndividuelle, "@I1450@");
    ASSERT_EQ(d->frises().size(), 1u);
    const FriseIndividu& f = d->frises()[0];
    ASSERT_EQ(f.nombreEvenements(kProfessions), 1u);
    EXPECT_EQ(f.bandes[kProfessions][0].libelle, "US President No. 17, National Union");
    EXPECT_EQ(f.bandes[kProfessions][0].debut.bas, NumeroJour(15, 4, 1865));
    ASSERT_EQ(f.nombreEvenements(kDomiciles), 5u);
    EXPECT_EQ(f.bandes[kDomiciles][2].libelle, "Greeneville, Greene, Tennessee, USA");
    EXPECT_EQ(f.bandes[kDomiciles][2].debut.bas, NumeroJour(1, 1, 1870));
    EXPECT_EQ(f.bandes[kPersonnels].back().libelle, "Enterrement");
    EXPECT_EQ(f.bandes[kPersonnels].back().debut.bas, NumeroJour(1, 1, 1875));
    // Joseph P. Kennedy : un baptême (BAPM) et une inhumation datée d'un mois (un jour inconnu
    // compte pour 31 en borne haute, qui passe au 1er décembre).
    auto k = pres.document<FriseIndividuelle>(FriseIndividuelle::kCodeIndividuelle, "@I1517@");
    const auto& p = k->frises()[0].bandes[kPersonnels];
    EXPECT_EQ(versUtf8(p[1].libelle), "Baptême");
    EXPECT_EQ(p[1].debut.bas, NumeroJour(9, 9, 1888));
    EXPECT_EQ(p.back().debut, IntervalleJours(NumeroJour(1, 11, 1969), NumeroJour(31, 11, 1969)));
}

TEST(FrisesFichiersReels, regenceDePhilippeDOrleansEntreDeuxAnnees) {
    FICHIER_REEL(bourbon, "dj-gedcom-samples/sample-bourbon/bourbon.ged");
    auto d = bourbon.document<FriseIndividuelle>(FriseIndividuelle::kCodeIndividuelle, "@I13@");
    const auto& professions = d->frises()[0].bandes[kProfessions];
    ASSERT_EQ(professions.size(), 1u);
    EXPECT_EQ(versUtf8(professions[0].libelle), "Régent");
    // « BET 2 SEP 1715 AND 16 FEB 1723 » : entre deux années, ponctuel, ramené à la fenêtre de vie
    // qui finit à sa mort, le 2 décembre 1723.
    EXPECT_EQ(professions[0].debut, IntervalleJours(NumeroJour(1, 1, 1715), NumeroJour(2, 12, 1723)));
    EXPECT_TRUE(professions[0].ponctuel());
}

CategorieAutomate categoriesLivrees(const char* nom, bool professions) {
    const auto texte = depuisUtf8(essai::lireFichier(fs::path(LIGNARA_DOSSIER_SOURCES) / "data/Categories" / nom));
    CategorieCompilateur compilateur(CategorieDefinition::lire(texte), professions);
    return *CategorieAutomate::lire(compilateur.image());
}

std::vector<Coloration> toutesLesColorations(const BaseGenealogique& base, std::uint32_t racine) {
    std::vector<Coloration> c;
    for (std::uint8_t critere = 0; critere <= ColorationSuisse; ++critere) c.emplace_back(critere, base);
    c.emplace_back(ColorationProfession, base, categoriesLivrees("MetiersRef.txt", true));
    c.emplace_back(ColorationSource, base, categoriesLivrees("SourcesRef.txt", false));
    try {
        c.push_back(Coloration::fabriquer(ColorationApparitions, base, racine));
    } catch (const OperationImpossible&) {
        // Boucle dans les liens de parenté : l'arbre s'arrête de même, avec le message.
    }
    return c;
}

// Ce que toute légende doit tenir, quel que soit le fichier.
void verifierLegende(const Coloration& c, const std::string& fichier) {
    const auto lignes = c.legende();
    EXPECT_LE(static_cast<int>(lignes.size()), c.nombreCases()) << fichier;
    std::vector<std::string> cles;
    for (const auto& l : lignes) {
        EXPECT_FALSE(l.libelle.empty()) << fichier << ", critère " << int{c.critere()};
        EXPECT_NE(l.couleur, kSansCouleur) << fichier;
        cles.push_back(normaliserMotCle(l.libelle));
    }
    if (c.critere() != ColorationApparitions) {
        EXPECT_TRUE(std::is_sorted(cles.begin(), cles.end())) << fichier;
    }
    EXPECT_EQ(c.hauteurLegende(), lignes.empty() ? 0 : static_cast<std::int32_t>(lignes.size() + 2) * 176);
}

TEST(ColorationFichiersReels, exempleLivreAvecLesCategoriesDeReference) {
    const auto r = ImporterGedcom(fs::path(LIGNARA_DOSSIER_SOURCES) / "data/exemples/famille-exemple.ged");
    const auto& base = r.base;
    Coloration professions(ColorationProfession, base, categoriesLivrees("MetiersRef.txt", true));
    Coloration pays(ColorationPays, base);
    for (std::uint32_t n = 1; n <= base.nombreIndividus(); ++n) {
        const auto profession = base.LireIndividu(n).profession;
        const auto metier = versUtf8(base.LireTexte(TableProfessions, profession));
        const bool colore = professions.colorer(n) != kSansCouleur;
        if (metier == "laboureur" || metier == "meunier" || profession == 0) {
            EXPECT_EQ(colore, profession != 0) << metier;
        }
        pays.colorer(n);
    }
    // Les Dumas morts à Montréal sont nés en France : le premier lieu connu est la naissance.
    std::vector<std::string> nomsPays;
    for (const auto& l : pays.legende()) nomsPays.push_back(versUtf8(l.libelle));
    EXPECT_EQ(nomsPays, std::vector<std::string>{"France"});
}

TEST(ColorationFichiersReels, chaqueCritereColoreToutesLesPersonnesSansPlanter) {
    if (!fs::is_directory(LIGNARA_DOSSIER_TESTDATA)) GTEST_SKIP() << "dossier des fichiers GEDCOM réels absent";
    std::vector<fs::path> fichiers;
    for (const auto& e : fs::recursive_directory_iterator(LIGNARA_DOSSIER_TESTDATA)) {
        const auto ext = e.path().extension().string();
        if (e.is_regular_file() && (ext == ".ged" || ext == ".GED") && e.file_size() < 3'000'000)
            fichiers.push_back(e.path());
    }
    std::sort(fichiers.begin(), fichiers.end());
    std::size_t colores = 0;
    for (const auto& f : fichiers) {
        std::optional<ResultatImport> r;
        try {
            r.emplace(ImporterGedcom(f));
        } catch (const OperationImpossible&) {
            continue;
        }
        const auto& base = r->base;
        if (base.nombreIndividus() == 0) continue;
        auto colorations = toutesLesColorations(base, 1);
        for (auto& c : colorations) {
            for (std::uint32_t n = 1; n <= base.nombreIndividus(); ++n) c.colorer(n);
            verifierLegende(c, f.string());
            colores += c.legende().size();
        }
    }
    EXPECT_GT(colores, 0u);
}

}  // namespace
}  // namespace lignara
