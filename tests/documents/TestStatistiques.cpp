// Statistiques : population étudiée, âges, catégories, tranches de naissances, page, générations
// d'ascendance ; puis les documents (messages, textes et pages) ; les valeurs attendues sur les
// fichiers réels (sautés sans eux) ont été calculées à part (script indépendant, tableau de Sosa).
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <set>
#include <string>
#include <tuple>

#include "BaseEssai.h"
#include "GenealogieArbre.h"
#include "commun/Texte.h"
#include "database/ArbreEssai.h"
#include "database/EstimationNaissances.h"
#include "documents/Population.h"
#include "documents/statistiques/CompteCategories.h"
#include "documents/statistiques/CompteursAges.h"
#include "documents/statistiques/GenerationsAscendance.h"
#include "documents/statistiques/PageStatistique.h"
#include "documents/statistiques/Statistique.h"
#include "documents/statistiques/StatistiqueAges.h"
#include "documents/statistiques/StatistiqueAscendance.h"
#include "documents/statistiques/StatistiqueCategories.h"
#include "documents/statistiques/StatistiqueNaissances.h"
#include "documents/statistiques/TranchesNaissances.h"
#include "reference/CategorieCompilateur.h"
#include "reference/CategorieDefinition.h"
#include "reference/Categories.h"
#include "reference/TestCategorieDossiers.h"
#include "render/FormatPapier.h"
#include "render/LecturePdf.h"
#include "render/OutilsPdf.h"
#include "support/DateEssai.h"
#include "support/DossierEssai.h"
#include "support/Message.h"

// Statistique d'essai d'un type sur une base d'essai : police et horloge fixes, dossier propre au test.
namespace lignara::essai {

class StatistiquesEssai : public ::testing::Test {
protected:
    // Document du type, paramètres de départ ; racine : les prénoms de la tête (vide : aucune).
    std::unique_ptr<Statistique> statistique(BaseEssai& b, std::uint8_t code, const std::string& racine = "") {
        const Afficheur& type = *afficheurDeCode(code);
        auto d = std::unique_ptr<Statistique>(static_cast<Statistique*>(type.fabrique(type).release()));
        b.contexte.polices = essais::policesFixes();
        b.contexte.horloge = essais::horlogeFixe();
        d->initialiserParametres(b.contexte);
        if (!racine.empty()) d->valeur(kRacine) = b.personne(racine);
        return d;
    }
    // Prépare et écrit ; rend le chemin du PDF.
    std::string ecrire(BaseEssai& b, Statistique& d, const std::string& nom) {
        return ecrireDocument(d, b, dossier / nom);
    }
    static std::string contenu(const std::string& chemin) {
        std::string tout;
        for (const std::string& c : LecturePdf(chemin).contenus()) tout += c;
        return tout;
    }
    static std::string messageDe(BaseEssai& b, Statistique& d) {
        return essai::messageDe([&] { d.preparer(b.contexte); });
    }

    DossierEssai dossier;
};

}  // namespace lignara::essai

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::date;

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

TEST(CompteCategories, pourcentagesTronques) {
    CompteCategories c;
    c.comptes = {2, 1};
    EXPECT_EQ(std::pair(c.pourcentage(0), c.pourcentage(1)), std::pair(66, 33));
    c.comptes = {1, 199};
    EXPECT_EQ(c.pourcentage(0), 0);  // 0,5 % : ni libellé de plus, ni barre
    c.comptes = {1, 0};
    EXPECT_EQ(c.pourcentage(0), 100);
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

// Mois et jour corrigent l'âge quand ils sont connus ; seules les dates simples et « vers » comptent ;
// un âge négatif est refusé, un âge démesuré plafonné à 150.
TEST(AgeEntre, moisEtJourDatesSimplesOuVersNegatifEtPlafond) {
    EXPECT_EQ(ageEntre(date(DateSimple, 15, 6, 1850), date(DateSimple, 10, 6, 1900)), 49);
    EXPECT_EQ(ageEntre(date(DateSimple, 10, 6, 1850), date(DateSimple, 10, 6, 1900)), 50);
    // Un jour ou un mois inconnu d'un côté ne corrige rien.
    EXPECT_EQ(ageEntre(date(DateSimple, 0, 6, 1850), date(DateSimple, 10, 6, 1900)), 50);
    const DateGed naissance = date(DateSimple, 0, 0, 1850);
    EXPECT_EQ(ageEntre(naissance, date(DateVers, 0, 0, 1900)), 50);
    EXPECT_FALSE(ageEntre(naissance, date(DateAvant, 0, 0, 1900)));
    DateGed entre = date(DateEntre, 0, 0, 1900);
    entre.fixerPremiereAnnee(1890);
    EXPECT_FALSE(ageEntre(naissance, entre));
    EXPECT_FALSE(ageEntre(date(DateSimple, 0, 0, 0), date(DateSimple, 0, 0, 1900)));
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

constexpr std::int16_t kAucune = EstimationNaissances::kAucuneAnnee;

EnsemblePersonnes ensembleDe(std::size_t n) {
    EnsemblePersonnes e(static_cast<std::uint32_t>(n));
    for (std::uint32_t p = 1; p <= n; ++p) e.ajouter(p);
    return e;
}

TEST(TranchesNaissances, trancheAuMilieuDeSonIntervalleEtAnneesAvantNotreEre) {
    // Un intervalle nul (favori) ou démesuré est borné à 1–100 ; -3 va dans la tranche -5, pas 5.
    const int cas[][3] = {{1853, 10, 1855}, {1850, 10, 1855}, {1849, 10, 1845}, {1853, 1, 1853},   {-3, 10, -5},
                          {-10, 10, -5},    {-11, 10, -15},   {1853, 0, 1853},  {1853, 1000, 1850}};
    for (const auto& [annee, intervalle, tranche] : cas)
        EXPECT_EQ(trancheDe(annee, intervalle), tranche) << annee << " / " << intervalle;
}

TEST(TranchesNaissances, comptesDeLaPlusBasseALaPlusHauteTrancheHorsDeLaPopulation) {
    const std::vector<std::int16_t> annees{kAucune, 1853, 1871, kAucune, 1857, 2105, -3, 1900};
    EnsemblePersonnes population = ensembleDe(annees.size() - 1);
    population.retirer(7);  // 1900 n'est pas de la population
    const TranchesNaissances t = compterNaissances(annees, population, 10);
    EXPECT_EQ(std::tuple(t.premiere, t.derniere, t.plusGrand), std::tuple(-5, 1875, 2u));
    ASSERT_EQ(t.comptes.size(), 189u);
    EXPECT_EQ(std::tuple(t.comptes.front(), t.comptes[(1855 + 5) / 10], t.comptes.back()), std::tuple(1u, 2u, 1u));
    // 2105 tombe dans la tranche 2105, au-delà de 2100 : laissée.
    const TranchesNaissances seule = compterNaissances({kAucune, 2100, 2105}, ensembleDe(2), 1);
    EXPECT_EQ(std::pair(seule.premiere, seule.derniere), std::pair(2100, 2100));
    EXPECT_TRUE(compterNaissances({kAucune, kAucune}, ensembleDe(1), 10).vide());
}

TEST(TranchesNaissances, graduationAuPlusGrandPasQuiDonneDixPas) {
    // La suite 1, 2, 5, 10… continue au-delà de 5000.
    const std::int64_t cas[][2] = {{9, 1},    {10, 1},   {20, 2},       {99, 5},
                                   {100, 10}, {400, 20}, {50000, 5000}, {1000000, 100000}};
    for (const auto& [etendue, pas] : cas) EXPECT_EQ(pasGraduation(etendue), pas) << etendue;
    EXPECT_EQ(marquesGraduation(1853, 1877),
              (std::vector<std::int64_t>{1854, 1856, 1858, 1860, 1862, 1864, 1866, 1868, 1870, 1872, 1874, 1876}));
    EXPECT_EQ(marquesGraduation(0, 3), (std::vector<std::int64_t>{0, 1, 2, 3}));
}

TEST(PageStatistique, pageDuPapierEtPagesEntieresQuandLeContenuDeborde) {
    ReglagesDessin r;  // marges de 352
    r.formatPapier = kA4Portrait;
    const PageStatistique a4 = PageStatistique::duPapier(r);
    EXPECT_EQ(std::pair(a4.largeur, a4.hauteur), std::pair(9072 - 704, 13024 - 704));
    // Deux pages : marges, cadre et contenu font 2 × 13024.
    EXPECT_EQ(a4.hauteurDessin(2 * 13024 - 704 - 704, r), 2 * 13024 - 704);
    EXPECT_EQ(a4.hauteurDessin(2 * 13024 - 704 - 703, r), 3 * 13024 - 704);
    // Une ligne du contenu tombe sur la page où la met son décalage sous le haut du dessin.
    const std::int32_t finPremiere = 13024 - 352 - PageStatistique::kDebutContenu;
    EXPECT_EQ(std::pair(a4.pageDe(finPremiere - 1), a4.pageDe(finPremiere)), std::pair(0, 1));

    r.formatPapier = kA4Paysage;
    const PageStatistique paysage = PageStatistique::duPapier(r);
    EXPECT_EQ(paysage.largeur, 13024 - 704);
    EXPECT_EQ(paysage.hauteurPage, 9072 / 176 * 176);

    // « Non paginé » : la page A4 portrait, qui s'allonge d'un seul tenant.
    r.formatPapier = kNonPagine;
    const PageStatistique libre = PageStatistique::duPapier(r);
    EXPECT_EQ(libre.hauteurDessin(20000, r), 20000 + PageStatistique::kDebutContenu);
    EXPECT_EQ(libre.pageDe(20000), 0);
    EXPECT_EQ(libre.reserveSignature, 0);  // sans ligne de signature, pas de bande
    r.polices.ligneSignature2 = "Famille Dupont";
    EXPECT_EQ(PageStatistique::duPapier(r).reserveSignature, 528 + 176);
}

TEST(PageStatistique, desMargesDemesureesLaissentUnePageUtilisable) {
    ReglagesDessin r;
    r.formatPapier = kA4Portrait;
    r.margeGauche = r.margeDroite = 5000;
    r.margeHaut = r.margeBas = 7000;
    const PageStatistique p = PageStatistique::duPapier(r);
    EXPECT_GE(p.largeur, 4000);
    EXPECT_GE(p.hauteur, 20 * 176);
    EXPECT_GT(p.hauteurDessin(100, r), 0);
}

Ascendance ascendanceDe(const BaseEssai& b, const char* prenoms) {
    return compterAscendance(b.base(), static_cast<std::uint32_t>(b.personne(prenoms)));
}

TEST(GenerationsAscendance, cheminsEtPuissanceSansDebordementSurCentVingtGenerations) {
    BaseEssai b(essai::gedcomEchelle(120));
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

std::string personne(int n, const std::string& lignes) {
    return "0 @I" + std::to_string(n) + "@ INDI\n1 NAME P" + std::to_string(n) + " /X/\n" + lignes;
}
std::string fichier(const std::string& personnes) { return "0 HEAD\n1 CHAR UTF-8\n" + personnes + "0 TRLR\n"; }
std::string nee(const char* annee) { return std::string("1 BIRT\n2 DATE ") + annee + "\n"; }
// Sexe, naissance et décès en dates GEDCOM ; vides : absents.
std::string personne(int n, const char* sexe, const char* naissance, const char* deces) {
    std::string g;
    if (*sexe) g += std::string("1 SEX ") + sexe + "\n";
    if (*naissance) g += nee(naissance);
    if (*deces) g += std::string("1 DEAT\n2 DATE ") + deces + "\n";
    return personne(n, g);
}

constexpr std::uint8_t kCompletes = 21;

class StatistiqueAgesEssai : public essai::StatistiquesEssai {
protected:
    StatistiqueAges& ages(std::unique_ptr<Statistique>& d) { return static_cast<StatistiqueAges&>(*d); }
    std::unique_ptr<Statistique> auDeces(BaseEssai& b) {
        auto d = statistique(b, kCompletes);
        d->valeur(kAgeEtudie) = std::uint8_t{1};
        return d;
    }
};

TEST_F(StatistiqueAgesEssai, premieresLignesAvecPlurielsEtSexeInconnu) {
    BaseEssai b(fichier(personne(1, "M", "15 JUN 1850", "10 JUN 1900") + personne(2, "F", "1850", "1880") +
                        personne(3, "F", "1860", "ABT 1890") + personne(4, "", "1800", "1830") +
                        personne(5, "", "1800", "1820") + personne(6, "M", "1800", "BEF 1850")));
    auto d = auDeces(b);
    d->preparer(b.contexte);
    EXPECT_EQ(
        ages(d).premiereLigne(),
        "Statistiques effectuées sur 5 personnes (1 homme et 2 femmes, ... et 2 personnes de sexe inconnu !)"_1252);
    EXPECT_EQ(ages(d).ligneMoyenne(), "Age moyen au décès : 31 ans"_1252);  // (49 + 30 + 30 + 30 + 20) ÷ 5
    EXPECT_EQ(ages(d).ligneMoyennesParSexe(), "(49 ans pour les hommes, et 30 ans pour les femmes)");
    EXPECT_EQ(std::pair(ages(d).ageMinimal(), ages(d).ageMaximal()), std::pair(30, 49));
    // Une seule personne de sexe inconnu n'est pas annoncée.
    BaseEssai une(fichier(personne(1, "M", "1850", "1900") + personne(2, "", "1850", "1880")));
    auto u = auDeces(une);
    u->preparer(une.contexte);
    EXPECT_EQ(ages(u).premiereLigne(), "Statistiques effectuées sur 2 personnes (1 homme et 0 femme)"_1252);
}

TEST_F(StatistiqueAgesEssai, personneNeCompteGraphiqueVide) {
    BaseEssai b(fichier(personne(1, "M", "1850", "AFT 1900") + personne(2, "F", "", "1880")));
    auto d = auDeces(b);
    EXPECT_EQ(messageDe(b, *d), "Graphique vide");
}

TEST_F(StatistiqueAgesEssai, pyramideSansHommeNiFemmeEtDecesALaNaissanceSansDivisionParZero) {
    BaseEssai inconnus(fichier(personne(1, "", "1850", "1900") + personne(2, "", "1860", "1900")));
    auto d = auDeces(inconnus);
    const std::string pdf = ecrire(inconnus, *d, "inconnus.pdf");
    EXPECT_EQ(ages(d).ageMinimal(), -1);
    essais::verifierAvecQpdf(essai::lireFichier(pdf), "inconnus.pdf");

    BaseEssai nouveauNes(fichier(personne(1, "M", "3 MAR 1850", "3 MAR 1850") + personne(2, "F", "1900", "1900")));
    auto n = auDeces(nouveauNes);
    const std::string pdf2 = ecrire(nouveauNes, *n, "nouveau-nes.pdf");
    EXPECT_EQ(ages(n).ageMaximal(), 0);
    essais::verifierAvecQpdf(essai::lireFichier(pdf2), "nouveau-nes.pdf");
}

TEST_F(StatistiqueAgesEssai, unSiecleSansDecesGardeSaPlaceSansBarre) {
    BaseEssai b(fichier(personne(1, "M", "1700", "1760") + personne(2, "F", "1900", "1930")));
    auto d = auDeces(b);
    const std::string pdf = ecrire(b, *d, "siecles.pdf");
    EXPECT_EQ(ages(d).premierSiecle(), 17);
    const std::string c = contenu(pdf);
    EXPECT_NE(c.find("(XIX\260)"), std::string::npos);
    EXPECT_EQ(c.find("(XVII\260)"), std::string::npos);
    // Deux barres de siècles (60 et 30 ans), et leurs valeurs ; rien pour le XIX°.
    EXPECT_NE(c.find("(60)"), std::string::npos);
    EXPECT_NE(c.find("(30)"), std::string::npos);
    // Sans l'évolution, la page s'arrête à la pyramide.
    auto sans = auDeces(b);
    sans->valeur(kEvolutionSiecles) = std::uint8_t{0};
    sans->preparer(b.contexte);
    EXPECT_EQ(ages(sans).premierSiecle(), -1);
}

using StatistiquesDocuments = essai::StatistiquesEssai;

TEST_F(StatistiquesDocuments, naissancesParTranchesEtLeursMessages) {
    BaseEssai b(
        fichier(personne(1, "") + personne(2, nee("1853")) + personne(3, nee("1857")) + personne(4, nee("1871"))));
    auto d = statistique(b, 24);
    d->valeur(kIntervalleNaissances) = std::uint16_t{10};
    const std::string pdf = ecrire(b, *d, "naissances.pdf");  // la première personne n'a pas de date
    const auto& t = static_cast<StatistiqueNaissances&>(*d).tranches();
    EXPECT_EQ(std::tuple(t.premiere, t.derniere, t.comptes),
              std::tuple(1855, 1875, std::vector<std::uint32_t>{2, 0, 1}));
    EXPECT_NE(contenu(pdf).find("(1856)"), std::string::npos);  // marques de 2 en 2 sur 1855–1875
    essais::verifierAvecQpdf(essai::lireFichier(pdf), "naissances.pdf");

    // Un intervalle nul (favori) compte année par année.
    d->valeur(kIntervalleNaissances) = std::uint16_t{0};
    d->preparer(b.contexte);
    EXPECT_EQ(static_cast<StatistiqueNaissances&>(*d).tranches().premiere, 1853);

    BaseEssai decennie(fichier(personne(1, nee("1851")) + personne(2, nee("1858"))));
    auto m = statistique(decennie, 24);
    m->valeur(kIntervalleNaissances) = std::uint16_t{10};
    EXPECT_EQ(messageDe(decennie, *m), "Données insuffisantes pour effectuer des statistiques"_1252);

    BaseEssai sansDate(fichier(personne(1, "") + personne(2, "1 SEX M\n")));
    auto s = statistique(sansDate, 24);
    EXPECT_EQ(messageDe(sansDate, *s), "Statistiques impossibles car aucune date n'est connue");
}

class CategoriesEssai : public essai::StatistiquesEssai {
protected:
    void SetUp() override {
        Categories::compiler(Categories::kProfessions,
                             "Mer\r\n\tmarin\r\nCommerce\r\n\tmarchand\r\nTerre\r\n\tlaboureur\r\n");
        Categories::compiler(Categories::kSources, "Paroisse\r\n\tregistre\r\n");
    }
    essai::DossiersEssai dossiers;
};

std::string troisMetiers() {
    return fichier(personne(1, "1 OCCU marin\n") + personne(2, "1 OCCU marin\n") + personne(3, "1 OCCU laboureur\n") +
                   personne(4, "1 OCCU notaire\n") + personne(5, ""));
}

TEST_F(CategoriesEssai, professionsEnPourcentagesTronquesAvecLaListe) {
    BaseEssai b(troisMetiers());
    auto d = statistique(b, 27);
    d->valeur(kListeCategories) = std::uint8_t{1};
    const std::string pdf = ecrire(b, *d, "professions.pdf");
    const auto& c = static_cast<StatistiqueCategories&>(*d).compte();
    EXPECT_EQ(c.comptes, (std::vector<std::uint64_t>{2, 0, 1}));
    const std::string texte = contenu(pdf);
    for (const char* t : {"(66%)", "(33%)", "(0%)", "(marin : 2)", "(notaire : 1)", "(Ensemble de toutes les donn"})
        EXPECT_NE(texte.find(t), std::string::npos) << t;
    // Le sous-titre nomme la population : ascendance ou descendance de la personne de tête.
    for (auto [code, sousTitre] : {std::pair{26, "(Ascendance de "}, std::pair{28, "(Descendance de "}}) {
        auto e = statistique(b, static_cast<std::uint8_t>(code), "P1");
        EXPECT_NE(contenu(ecrire(b, *e, "etendue.pdf")).find(sousTitre), std::string::npos) << code;
    }
}

TEST_F(CategoriesEssai, messagesDesStatistiquesVides) {
    BaseEssai sans(fichier(personne(1, "") + personne(2, "1 SEX F\n")));
    auto p = statistique(sans, 27);
    EXPECT_EQ(messageDe(sans, *p), "Statistiques vides :\nAucune personne sélectionnée n'a de profession."_1252);
    auto s = statistique(sans, 30);
    EXPECT_EQ(messageDe(sans, *s), "Statistiques vides :\nAucune personne sélectionnée n'a de source."_1252);
    BaseEssai notaires(fichier(personne(1, "1 OCCU notaire\n")));
    auto n = statistique(notaires, 27);
    EXPECT_EQ(messageDe(notaires, *n), "Aucune profession sélectionnée ne correspond à une catégorie"_1252);
}

TEST_F(CategoriesEssai, unFichierDeCategoriesIllisibleArreteAvecSonMessage) {
    essai::DossiersEssai::ecrire(Categories::compileUtilisateur(Categories::kProfessions), "\x95\x01 abime");
    BaseEssai b(troisMetiers());
    auto d = statistique(b, 27);
    EXPECT_EQ(messageDe(b, *d), "Fichier des catégories professionnelles incorrect\nVous devez le reconstruire"_1252);
}

TEST_F(StatistiquesDocuments, ascendanceDUnEnfantDeCousinsGermains) {
    BaseEssai b(
        essai::gedcomDeLiens(13, {{1, 2, 3}, {2, 4, 5}, {3, 6, 7}, {4, 8, 9}, {5, 10, 11}, {6, 8, 9}, {7, 12, 13}}));
    auto d = statistique(b, 50, "P1");
    const std::string pdf = ecrire(b, *d, "ascendance.pdf");
    auto& s = static_cast<StatistiqueAscendance&>(*d);
    EXPECT_EQ(std::tuple(s.texteNombre(1), s.texteNombre(3), s.texteCompletude(3)),
              std::tuple("2 ascendants", "6 ascendants", "100 %"));
    // 4 et 6, grands-pères paternel et maternel, sont frères (fils de 8 × 9) : 6 personnes et 8 chemins.
    ASSERT_EQ(s.ascendance().generations.size(), 4u);
    const GenerationAscendance& g4 = s.ascendance().generations[3];
    EXPECT_TRUE(g4.personnes() == 6 && g4.hommes == 3 && g4.chemins == 8 && g4.completude == 100);
    EXPECT_FALSE(s.ascendance().implexes);
    const std::string c = contenu(pdf);
    EXPECT_NE(c.find("(\\(total : 12 ascendants\\))"), std::string::npos);
    EXPECT_NE(c.find("0.000000 0.501961 0.501961 rg"), std::string::npos);  // barres de complétude pleines
    EXPECT_EQ(c.find("consanguinit"), std::string::npos);
    essais::verifierAvecQpdf(essai::lireFichier(pdf), "ascendance.pdf");
}

// 2 épouse sa nièce 3, fille de son frère 4 ; 2 et 4 sont fils de 5 × 6, qui reviennent en génération 4.
TEST_F(StatistiquesDocuments, ascendanceOncleNieceAvecMarqueEtNote) {
    BaseEssai b(essai::gedcomDeLiens(7, {{1, 2, 3}, {3, 4, 7}, {2, 5, 6}, {4, 5, 6}}));
    auto d = statistique(b, 50, "P1");
    const std::string c = contenu(ecrire(b, *d, "oncle.pdf"));
    EXPECT_NE(c.find("(3 *)"), std::string::npos);
    EXPECT_NE(c.find("(* : \300 cause de liens de consanguinit\351"), std::string::npos);
    const Ascendance& a = static_cast<StatistiqueAscendance&>(*d).ascendance();
    ASSERT_EQ(a.generations.size(), 4u);
    EXPECT_TRUE(a.generations[2].implexe && !a.generations[3].implexe);
    EXPECT_EQ(a.generations[2].personnes(), 4u);  // 4, 5, 6, 7
    EXPECT_EQ(a.generations[3].completude, 25);
    EXPECT_EQ(a.total, 6u);
}

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

}  // namespace
}  // namespace lignara
