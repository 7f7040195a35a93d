#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "GenealogieArbre.h"
#include "commun/Texte.h"
#include "documents/arbres/Coloration.h"
#include "documents/arbres/RegionsColoration.h"
#include "commun/OperationImpossible.h"
#include "gedcom/ImportEssai.h"
#include "gedcom/ImporterGedcom.h"
#include "gedcom/LieuTables.h"
#include "reference/CategorieCompilateur.h"
#include "reference/CategorieTexte.h"
#include "support/DossierEssai.h"

using namespace lignara;
using essai::importerTexte;
using essai::prenoms;
namespace fs = std::filesystem;

namespace {

constexpr CouleurRvb rvb(std::uint32_t h) {
    return {static_cast<std::uint8_t>(h >> 16), static_cast<std::uint8_t>(h >> 8), static_cast<std::uint8_t>(h)};
}

// Une personne par lieu de naissance, numérotées 1, 2… dans l'ordre donné : l'import range les
// personnes dans l'ordre de leurs clés, d'où les clés de même longueur.
std::string gedcomDesLieux(const std::vector<std::string>& lieux) {
    std::string g = "0 HEAD\n1 CHAR UTF-8\n";
    for (std::size_t i = 0; i < lieux.size(); ++i) {
        char cle[32];
        std::snprintf(cle, sizeof cle, "@I%03zu@", i + 1);
        g += "0 " + std::string(cle) + " INDI\n1 NAME P" + std::to_string(i + 1) + " /ESSAI/\n";
        if (!lieux[i].empty()) g += "1 BIRT\n2 PLAC " + lieux[i] + "\n";
    }
    return g + "0 TRLR\n";
}

std::vector<std::string> libelles(const Coloration& c) {
    std::vector<std::string> l;
    for (const auto& ligne : c.legende()) l.push_back(versUtf8(ligne.libelle));
    return l;
}

std::uint32_t personneDePrenoms(const BaseGenealogique& base, const std::string& p) {
    for (std::uint32_t n = 1; n <= base.nombreIndividus(); ++n)
        if (prenoms(base, n) == p) return n;
    return 0;
}

CategorieAutomate automate(const std::string& definition, bool professions) {
    CategorieCompilateur compilateur(CategorieDefinition::lire(definition), professions);
    return *CategorieAutomate::lire(compilateur.image());
}

}  // namespace

TEST(Coloration, paysReservesEtAutresPaysDansLOrdreDeRencontre) {
    const auto r =
        importerTexte(gedcomDesLieux({"Genève, Suisse", "Lyon, France", "Berlin, Allemagne", "Liège, Belgique",
                                      "Ici, Luxembourg", "Rome, Italie", "", "Nulle part"}));
    Coloration c(ColorationPays, r.base);
    // L'Allemagne, premier pays sans case réservée, prend la 0 et la garde ; sans lieu, ou lieu sans
    // pays (le pays par défaut ne s'applique pas sans subdivision) : aucune case.
    std::vector<int> cases;
    for (std::uint32_t n : {1u, 2u, 3u, 4u, 5u, 6u, 3u, 7u, 8u}) cases.push_back(c.caseDe(n));
    EXPECT_EQ(cases, (std::vector<int>{10, 15, 0, 17, 9, 1, 0, -1, -1}));

    EXPECT_EQ(c.colorer(2), rvb(0x009bff));
    EXPECT_EQ(c.colorer(1), rvb(0xff0000));
    EXPECT_EQ(c.colorer(7), kSansCouleur);
    // caseDe ne marque rien : l'Allemagne n'est pas dans la légende.
    EXPECT_EQ(libelles(c), (std::vector<std::string>{"France", "Suisse"}));
    c.colorer(3);
    c.colorer(4);
    EXPECT_EQ(libelles(c), (std::vector<std::string>{"Allemagne", "Belgique", "France", "Suisse"}));
}

// 18 cases libres hors la dernière (23 moins 4 réservées moins la dernière), puis deux pays de
// plus, qui s'y nomment « Autres » ; deux lieux du même pays de trop y gardent son nom.
TEST(Coloration, laDerniereCaseRamasseLesPaysEnTropEtNeSeNommeAutresQuAvecPlusieursPays) {
    std::vector<std::string> lieux;
    for (const char* p :
         {"Allemagne", "Italie", "Espagne", "Portugal", "Autriche", "Pologne", "Hongrie", "Roumanie", "Bulgarie",
          "Grèce", "Suède", "Norvège", "Danemark", "Finlande", "Irlande", "Russie", "Turquie", "Maroc", "Algérie"})
        lieux.push_back(std::string("Ville, ") + p);
    for (const char* dernier : {"Ville, Tunisie", "Autre ville, Algérie"}) {
        SCOPED_TRACE(dernier);
        lieux.resize(19);
        lieux.push_back(dernier);
        const auto r = importerTexte(gedcomDesLieux(lieux));
        Coloration c(ColorationPays, r.base);
        std::vector<int> cases;
        for (std::uint32_t n = 1; n <= lieux.size(); ++n) {
            c.colorer(n);
            cases.push_back(c.caseDe(n));
        }
        EXPECT_EQ(cases, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 16, 18, 19, 20, 21, 22, 22}));
        EXPECT_EQ(c.couleurCase(22), rvb(0x828282));
        const auto l = libelles(c);
        const bool autres = std::string(dernier).find("Tunisie") != std::string::npos;
        EXPECT_EQ(l.size(), 19u);
        EXPECT_EQ(std::find(l.begin(), l.end(), "Autres") != l.end(), autres);
        EXPECT_EQ(std::find(l.begin(), l.end(), "Algérie") != l.end(), !autres);
        EXPECT_TRUE(std::is_sorted(l.begin(), l.end()));
    }
}

TEST(Coloration, chaqueDepartementDesLieuxADeuxRegionsEtLOutreMerLaSienne) {
    const auto departements = tableLieuSubdivisions(CodePays("FR"));
    ASSERT_FALSE(departements.empty());
    for (const auto& d : departements) {
        const auto code = static_cast<std::uint8_t>(d.code);
        EXPECT_GE(caseRegionColoration(ColorationFrance2016, code), 0) << d.cle;
        EXPECT_GE(caseRegionColoration(ColorationFrance1970, code), 0) << d.cle;
        EXPECT_EQ(caseRegionColoration(ColorationFrance2016, code) == 13, d.code >= 129) << d.cle;
    }
    EXPECT_EQ(caseRegionColoration(ColorationFrance2016, 200), -1);
    // Belgique et Canada : chaque province des lieux a sa case et son nom.
    for (std::uint8_t critere : {ColorationBelgique, ColorationCanada}) {
        for (const auto& s : tableLieuSubdivisions(paysRegionsColoration(critere))) {
            const int c = caseRegionColoration(critere, static_cast<std::uint8_t>(s.code));
            ASSERT_GE(c, 0) << s.cle;
            EXPECT_FALSE(nomRegionColoration(critere, c).empty());
        }
    }
    EXPECT_EQ(versUtf8(nomRegionColoration(ColorationCanada, caseRegionColoration(ColorationCanada, 41))), "Québec");
}

TEST(Coloration, apparitionsComptéesDansLArbreDeLaRacine) {
    // 7 et 8 sont cousins germains : 1 et 2 paraissent deux fois dans l'arbre de leur fils 9.
    const auto r = importerTexte(
        essai::gedcomDeFamilles(9, {{1, 2, {3, 4}, ""}, {3, 5, {7}, ""}, {6, 4, {8}, ""}, {7, 8, {9}, ""}}));
    const auto& b = r.base;
    const auto p = [&b](int n) { return personneDePrenoms(b, "P" + std::to_string(n)); };
    auto c = Coloration::fabriquer(ColorationApparitions, b, p(9));
    EXPECT_EQ(c.colorer(p(1)), rvb(0xb9b9ff));
    EXPECT_EQ(c.colorer(p(2)), rvb(0xb9b9ff));
    for (int n : {3, 4, 5, 7, 8, 9}) EXPECT_EQ(c.colorer(p(n)), kSansCouleur) << n;
    EXPECT_EQ(libelles(c), std::vector<std::string>{"2 fois"});

    // Arbre familial de 7 et 8 : 1 et 2 sont dans les deux ascendances.
    auto seul = Coloration::fabriquer(ColorationApparitions, b, p(7));
    EXPECT_EQ(seul.colorer(p(1)), kSansCouleur);
    const std::uint32_t couple[] = {p(7), p(8)};
    auto familial = Coloration::fabriquer(ColorationApparitions, b, couple);
    EXPECT_EQ(familial.colorer(p(1)), rvb(0xb9b9ff));
    EXPECT_EQ(familial.colorer(p(5)), kSansCouleur);
    EXPECT_EQ(libelles(familial), std::vector<std::string>{"2 fois"});
}

TEST(Coloration, categoriesDeProfessionDansLOrdreDeRencontreEtAuDelaDe23SansCouleur) {
    // Artisans : 0 ; 25 catégories sans mot-clé ; Meuniers : 26 ; Tonneliers : 27.
    std::string definition = "Artisans\r\n boulanger\r\n";
    for (int k = 0; k < 25; ++k) definition += "Cat" + std::string(1, static_cast<char>('A' + k)) + "\r\n";
    definition += "Meuniers\r\n meunier\r\nTonneliers\r\n tonnelier\r\n";
    const auto r = importerTexte(
        "0 HEAD\n1 CHAR UTF-8\n"
        "0 @I1@ INDI\n1 NAME A /A/\n1 OCCU meunier\n"
        "0 @I2@ INDI\n1 NAME B /B/\n1 OCCU Boulangère\n"
        "0 @I3@ INDI\n1 NAME C /C/\n1 OCCU tonnelier\n"
        "0 @I4@ INDI\n1 NAME D /D/\n"
        "0 @I5@ INDI\n1 NAME E /E/\n1 OCCU tonnelier, boulanger\n0 TRLR\n");
    Coloration c(ColorationProfession, r.base, automate(definition, true));
    EXPECT_EQ(c.colorer(1), kSansCouleur);  // meunier : catégorie 26
    EXPECT_EQ(c.colorer(2), c.couleurCase(0));
    EXPECT_EQ(c.colorer(3), kSansCouleur);
    EXPECT_EQ(c.colorer(4), kSansCouleur);
    EXPECT_EQ(c.colorer(5), c.couleurCase(0));  // la catégorie retenue est la première coloriable
    EXPECT_EQ(libelles(c), std::vector<std::string>{"Artisans"});
}

TEST(Coloration, categorieDeLaPremiereSourceFicheNaissancePuisAutresEvenements) {
    const std::string definition = "Paroisse\r\n BMS\r\nEtat civil\r\n naissance\r\n deces\r\nNotaire\r\n notaire\r\n";
    const auto r = importerTexte(
        "0 HEAD\n1 CHAR UTF-8\n"
        "0 @S1@ SOUR\n1 TITL Registre BMS\n"
        "0 @S2@ SOUR\n1 TITL Acte de naissance\n"
        "0 @S3@ SOUR\n1 TITL Acte de deces\n"
        "0 @S4@ SOUR\n1 TITL Minute du notaire\n"
        "0 @I1@ INDI\n1 NAME A /A/\n2 SOUR @S4@\n1 BIRT\n2 DATE 1800\n2 SOUR @S2@\n"
        "0 @I2@ INDI\n1 NAME B /B/\n1 BIRT\n2 DATE 1800\n2 SOUR @S2@\n1 DEAT\n2 DATE 1850\n2 SOUR @S3@\n"
        "0 @I3@ INDI\n1 NAME C /C/\n1 DEAT\n2 DATE 1850\n2 SOUR @S1@\n"
        "0 @I4@ INDI\n1 NAME D /D/\n0 TRLR\n");
    Coloration c(ColorationSource, r.base, automate(definition, false));
    const int notaire = c.caseDe(1), etatCivil = c.caseDe(2), paroisse = c.caseDe(3);
    EXPECT_EQ(notaire, 0);
    EXPECT_EQ(etatCivil, 1);
    EXPECT_EQ(paroisse, 2);
    EXPECT_EQ(c.caseDe(4), -1);
    for (std::uint32_t n = 1; n <= 4; ++n) c.colorer(n);
    EXPECT_EQ(libelles(c), (std::vector<std::string>{"Etat civil", "Notaire", "Paroisse"}));
}

TEST(Coloration, branchesParGenerationLaCaseEstLaCouleurCourante) {
    const auto r = importerTexte(gedcomDesLieux({"Lyon"}));
    Coloration c(ColorationBranche2, r.base);
    EXPECT_EQ(c.nombreCases(), 5);
    EXPECT_EQ(c.colorer(1, 0), kSansCouleur);  // blanc de la case 0
    EXPECT_TRUE(c.caseEmployee(0));
    EXPECT_EQ(c.colorer(1, 1), rvb(0xb9b9ff));
    EXPECT_EQ(c.colorer(1, 4), rvb(0xe61919));
    EXPECT_EQ(c.colorer(1, 5), kSansCouleur);
    EXPECT_FALSE(c.caseEmployee(2));
    EXPECT_TRUE(c.legende().empty());
    EXPECT_EQ(c.hauteurLegende(), 0);
}

TEST(Coloration, rangDansLaListeEtCodeSelonLArbre) {
    using S = SorteArbreChromatique;
    // L'individuel saute la branche de génération 1 (9), que le familial garde ; le familial n'a pas
    // la génération 5 (13) ; les arbres de descendants et de cousins ont leurs propres branches.
    EXPECT_EQ(critereDuRang(S::AscendantIndividuel, 9), 10);
    EXPECT_EQ(rangCritere(S::AscendantIndividuel, 9), -1);
    EXPECT_EQ(critereDuRang(S::AscendantFamilial, 9), 9);
    EXPECT_EQ(rangCritere(S::AscendantFamilial, 13), -1);
    EXPECT_EQ(critereDuRang(S::Descendant, 9), 14);
    EXPECT_EQ(criteresProposes(S::Mixte).size(), 9u);
    EXPECT_EQ(rangCritere(S::Mixte, 14), -1);
    EXPECT_EQ(critereDuRang(S::Cousins, 8), 15);
    EXPECT_EQ(rangCritere(S::Cousins, 8), -1);
    EXPECT_EQ(critereDuRang(S::Cousins, 9), ColorationAucune);
    EXPECT_EQ(critereDuRang(S::Cousins, -1), ColorationAucune);
    for (S s : {S::AscendantIndividuel, S::AscendantFamilial, S::Descendant, S::Mixte, S::Cousins})
        for (int rang = 0; rang < static_cast<int>(criteresProposes(s).size()); ++rang)
            EXPECT_EQ(rangCritere(s, critereDuRang(s, rang)), rang);
    EXPECT_EQ(versUtf8(libelleCritereColoration(2)), "France (1970 à 2015)");
    EXPECT_EQ(libelleCritereColoration(16), "");
    EXPECT_EQ(nombreCasesColoration(14), 18);
    EXPECT_EQ(nombreCasesColoration(255), 0);
    EXPECT_THROW(Coloration(ColorationAucune, BaseGenealogique()), std::invalid_argument);
}

// Fichiers réels : l'exemple livré, et ceux des données d'essai (sautés sans elles).
namespace {

CategorieAutomate categoriesLivrees(const char* nom, bool professions) {
    return automate(depuisUtf8(essai::lireFichier(fs::path(LIGNARA_DOSSIER_SOURCES) / "data/Categories" / nom)),
                    professions);
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

}  // namespace

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
