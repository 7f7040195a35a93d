// Documents sur les fichiers GEDCOM réels du dossier d'essai (lus sur place, sautés avec un
// message quand ils manquent), par un seul pilote. Les valeurs attendues ont été calculées à
// part, par une lecture indépendante des fichiers (script indépendant pour les âges, tableau de
// Sosa pour Victoria) : générations d'ascendants de la reine Victoria (royal92), bandes d'Andrew
// Johnson (pres2020), régence de Philippe d'Orléans (bourbon), âges et ascendances ; la
// coloration passe sur l'exemple livré puis sur tous les GEDCOM du dossier.
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
#include "documents/frises/FriseLignees.h"
#include "documents/statistiques/CompteursAges.h"
#include "documents/statistiques/GenerationsAscendance.h"
#include "reference/CategorieCompilateur.h"
#include "reference/CategorieTexte.h"
#include "render/OutilsPdf.h"
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
    EXPECT_EQ(c.moyenneSiecle(19), 64);
    const std::uint32_t victoria = personneNommee(base, "Victoria", "Hanover");
    ASSERT_NE(victoria, 0u);
    const Individu v = base.LireIndividu(victoria);
    EXPECT_EQ(ageEntre(base.LireEvenement(v.naissance).date, base.LireEvenement(v.deces).date), 81);
    EXPECT_EQ(ageEntre(base.LireEvenement(v.naissance).date, *datePremierMariage(base, v)), 20);
}

TEST(StatistiquesFichiersReels, agesAuDecesEtAuPremierMariageDePres2020) {
    FICHIER_REEL(r, "dj-gedcom-samples/pres2020.ged");
    const CompteursAges c = agesAuDecesDeTous(r.import.base);
    EXPECT_EQ(nombres(c), (std::vector<std::uint32_t>{592, 475, 0}));
    EXPECT_EQ(c.moyenne(), 60);
    EXPECT_EQ(std::pair(c.nombreSiecle[20], c.moyenneSiecle(20)), std::pair(17u, 88));
    const CompteursAges m =
        compterAges(r.import.base, choisirPopulation(r.import.base, EtenduePopulation::Complete, 0, false),
                    AgeEtudie::PremierMariage);
    EXPECT_EQ(std::tuple(nombres(m)[0], nombres(m)[1], moyennes(m)[1], moyennes(m)[2]), std::tuple(318u, 318u, 27, 23));
    EXPECT_EQ(std::pair(m.nombreSiecle[17], m.moyenneSiecle(20)), std::pair(182u, 36));
}

TEST(StatistiquesFichiersReels, ascendanceDeVictoriaCommeSonTableauDeSosa) {
    FICHIER_REEL(r, "porges-mdf/royal92.ged");
    const Ascendance a = compterAscendance(r.import.base, personneNommee(r.import.base, "Victoria", "Hanover"));
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
    FICHIER_REEL(r, "findmypast-samples/Queen.ged");
    const std::uint32_t elizabeth = personneNommee(r.import.base, "Elizabeth II Alexandra Mary", "Windsor");
    ASSERT_NE(elizabeth, 0u);
    const Ascendance a = compterAscendance(r.import.base, elizabeth);
    ASSERT_EQ(a.generations.size(), 172u);
    EXPECT_EQ(a.generations[5].completude, 75);
    EXPECT_EQ(a.generations[11].chemins, 69u);
    EXPECT_EQ(a.generations[134].chemins, 279597560u);
    EXPECT_EQ(a.generations[171].completude, 0);
    EXPECT_EQ(a.total, 4681u);
}

TEST(FrisesFichiersReels, generationsAscendantesDeVictoriaCompteesEtEtoilees) {
    FICHIER_REEL(royal, "porges-mdf/royal92.ged");
    auto d = royal.document<FriseGenerations>(FriseGenerations::kCodeAscendante, "@I1@");
    const std::vector<std::string> attendus = {
        "1 ascendant",     "2 ascendants",    "4 ascendants",    "8 ascendants",    "4 ascendants",
        "3 ascendants",    "4 ascendants",    "2 ascendants",    "2 ascendants",    "4 ascendants",
        "6 ascendants",    "8 ascendants",    "8 ascendants *",  "11 ascendants *", "14 ascendants *",
        "15 ascendants *", "19 ascendants *", "23 ascendants *", "23 ascendants *", "25 ascendants *"};
    ASSERT_EQ(d->barres().size(), 73u);
    for (std::size_t g = 0; g < attendus.size(); ++g) EXPECT_EQ(d->barres()[g].vie.libelle, attendus[g]) << g;
    EXPECT_EQ(d->barres()[72].vie.libelle, "1 ascendant *");
}

TEST(FrisesFichiersReels, friseAscendanteDeVictoriaSurVingtGenerations) {
    FICHIER_REEL(royal, "porges-mdf/royal92.ged");
    auto d = std::make_unique<FriseLignees>(*afficheurDeCode(FriseLignees::kCodeAscendante));
    d->initialiserParametres(royal.contexte);
    d->valeur(kRacine) = royal.personne("@I1@");
    d->valeur(kLimiteFrise) = std::uint8_t{20};
    d->preparer(royal.contexte);
    std::size_t rangees = 0;
    for (const auto& g : d->generations()) rangees += g.size();
    EXPECT_EQ(d->generations().size(), 20u);
    EXPECT_EQ(rangees, 149u);
}

TEST(FrisesFichiersReels, bandesDAndrewJohnsonRelues) {
    FICHIER_REEL(pres, "dj-gedcom-samples/pres2020.ged");
    auto d = pres.document<FriseIndividuelle>(FriseIndividuelle::kCodeIndividuelle, "@I1450@");
    ASSERT_EQ(d->frises().size(), 1u);
    const FriseIndividu& f = d->frises()[0];
    ASSERT_EQ(f.nombreEvenements(kProfessions), 1u);
    EXPECT_EQ(f.bandes[kProfessions][0].libelle, "US President No. 17, National Union");
    EXPECT_EQ(f.bandes[kProfessions][0].debut.bas, NumeroJour(15, 4, 1865));
    const std::vector<std::pair<const char*, int>> domiciles = {{"Greene, Tennessee, USA", 1830},
                                                                {"Greene, Tennessee, USA", 1840},
                                                                {"Greeneville, Greene, Tennessee, USA", 1870},
                                                                {"Greeneville, Greene, Tennessee, USA", 1860},
                                                                {"Greeneville, Greene, Tennessee, USA", 1850}};
    ASSERT_EQ(f.nombreEvenements(kDomiciles), domiciles.size());
    for (std::size_t i = 0; i < domiciles.size(); ++i) {
        EXPECT_EQ(f.bandes[kDomiciles][i].libelle, domiciles[i].first);
        EXPECT_EQ(f.bandes[kDomiciles][i].debut.bas, NumeroJour(1, 1, domiciles[i].second));
    }
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
        const auto i = base.LireIndividu(n);
        const auto metier = versUtf8(base.LireTexte(TableProfessions, i.profession));
        const auto couleur = professions.colorer(n);
        if (metier == "laboureur" || metier == "meunier") {
            EXPECT_NE(couleur, kSansCouleur) << metier;
        }
        if (i.profession == 0) {
            EXPECT_EQ(couleur, kSansCouleur);
        }
        pays.colorer(n);
    }
    std::vector<std::string> libelles;
    for (const auto& l : professions.legende()) libelles.push_back(versUtf8(l.libelle));
    EXPECT_NE(std::find(libelles.begin(), libelles.end(), "Agriculture, élevage et pêche"), libelles.end());
    // Les Dumas morts à Montréal sont nés en France : le premier lieu connu est la naissance.
    std::vector<std::string> nomsPays;
    for (const auto& l : pays.legende()) nomsPays.push_back(versUtf8(l.libelle));
    EXPECT_EQ(nomsPays, std::vector<std::string>{"France"});
    EXPECT_TRUE(pays.caseEmployee(15));
    Coloration canada(ColorationCanada, base);
    for (std::uint32_t n = 1; n <= base.nombreIndividus(); ++n) EXPECT_EQ(canada.colorer(n), kSansCouleur) << n;
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
