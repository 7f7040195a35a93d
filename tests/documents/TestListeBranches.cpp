#include "documents/listes/ListeBranches.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "GedcomEssai.h"
#include "LancementProgramme.h"
#include "ListesEssai.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/ArbreEssai.h"
#include "database/TablesDerivees.h"
#include "render/StructureRtf.h"
#include "render/ValidationHtml.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::BaseEssai;
using essai::DossierEssai;
using essai::GedcomEssai;

Configuration sansDetails() {
    Configuration c;
    c.donneesAutresListes = 0;
    return c;
}

std::string texteBranches(BaseEssai& b, std::uint8_t tri, const Configuration& c = sansDetails()) {
    DossierEssai d;
    auto l = std::make_unique<ListeBranches>(*afficheurDeCode(ListeBranches::kCode));
    b.contexte.polices = essais::policesFixes();
    b.contexte.horloge = essais::horlogeFixe();
    l->initialiserParametres(b.contexte);
    l->valeur(kTriBranches) = tri;
    return essai::ecrireListe(*l, b, c, FormatSortie::Texte, d);
}

TEST(ListeBranches, unCoupleSansParentsUneEntreeDeDeuxLignesEtSonResume) {
    GedcomEssai g;
    g.personne(1, "Jean /DUPONT/", 'M', "1 BIRT\n2 DATE 1850\n");
    g.personne(2, "Marie /MARTIN/", 'F');
    g.personne(3, "Paul /DUPONT/", 'M');
    g.personne(4, "Lucie /ROUX/", 'F');
    g.personne(5, "Eric /DUPONT/", 'M');
    g.personne(6, "Max /SEUL/", 'M');
    g.personne(7, "Ida /SEUL/", 'F');
    g.famille(1, 2, {3});
    g.famille(3, 4, {5});
    g.famille(6, 0, {7});
    BaseEssai b(g.texte());
    EXPECT_EQ(texteBranches(b, 0),
              "DUPONT Jean\nMARTIN Marie\n    2 descendants sur 2 g\xE9n\xE9rations\n\n"
              "SEUL Max\n    1 descendant sur 1 g\xE9n\xE9ration\n\n\n");
    Configuration dates;
    dates.donneesAutresListes = 1;
    EXPECT_NE(texteBranches(b, 0, dates).find("DUPONT Jean (1850 - ..)\nMARTIN Marie (.. - ..)\n"), std::string::npos);
}

// Sophie (1) ∞ Henri (2) puis Henri ∞ Claire (3), tous trois sans parents : une seule entrée,
// Henri n'y est pas deux fois et Claire n'est pas perdue.
TEST(ListeBranches, uneTeteMarieeDeuxFoisEstListeeUneFoisAvecSesConjoints) {
    GedcomEssai g;
    g.personne(1, "Sophie /A/", 'F');
    g.personne(2, "Henri /B/", 'M');
    g.personne(3, "Claire /C/", 'F');
    g.personne(4, "Un /B/", 'M');
    g.personne(5, "Deux /B/", 'F');
    g.famille(2, 1, {4});
    g.famille(2, 3, {5});
    BaseEssai b(g.texte());
    const BranchesConstruites br = construireBranches(b.base());
    ASSERT_EQ(br.entrees.size(), 1u);
    const auto personnes = br.personnesDe(br.entrees[0]);
    EXPECT_EQ(std::vector<std::uint32_t>(personnes.begin(), personnes.end()),
              (std::vector<std::uint32_t>{1, 2, 3}));
    EXPECT_EQ(br.entrees[0].descendants, 2u);
    EXPECT_EQ(texteBranches(b, 0), "A Sophie\nB Henri\nC Claire\n    2 descendants sur 1 g\xE9n\xE9ration\n\n");
}

// Cousins germains mariés : leur fils Gilles descend deux fois d'Alain et Berthe, compté une fois.
TEST(ListeBranches, lesDescendantsDUnImplexeSontComptesUneFois) {
    GedcomEssai g;
    g.personne(1, "Alain /A/", 'M');
    g.personne(2, "Berthe /B/", 'F');
    g.personne(3, "Carl /A/", 'M');
    g.personne(4, "Dora /A/", 'F');
    g.personne(5, "Xena /X/", 'F');
    g.personne(6, "Yves /Y/", 'M');
    g.personne(7, "Eric /A/", 'M');
    g.personne(8, "Fanny /Y/", 'F');
    g.personne(9, "Gilles /A/", 'M');
    g.famille(1, 2, {3, 4});
    g.famille(3, 5, {7});
    g.famille(6, 4, {8});
    g.famille(7, 8, {9});
    BaseEssai b(g.texte());
    const BranchesConstruites br = construireBranches(b.base());
    ASSERT_EQ(br.entrees.size(), 1u);
    EXPECT_EQ(br.entrees[0].descendants, 5u);
    EXPECT_EQ(br.entrees[0].generations, 3u);
}

TEST(ListeBranches, quatreTrisEtAttenteDesAnneesSeulementPourLaDate) {
    GedcomEssai g;
    g.personne(1, "Zed /ALPHA/", 'M', "1 BIRT\n2 DATE 1900\n");
    g.personne(2, "Amy /BETA/", 'F', "1 BIRT\n2 DATE 1800\n");
    g.personne(3, "Bob /GAMMA/", 'M', "1 BIRT\n2 DATE 1850\n");
    for (int n = 4; n <= 9; ++n) g.personne(n, "E" + std::to_string(n) + " /ENFANT/", 'M');
    g.famille(1, 0, {4});
    g.famille(0, 2, {5, 6, 7});
    g.famille(3, 0, {8});
    g.famille(8, 0, {9});
    BaseEssai b(g.texte());
    TablesDerivees tables = calculerTablesDerivees(b.base(), 2000);
    bool attendu = false;
    b.contexte.tablesDerivees = [&]() -> const TablesDerivees& {
        attendu = true;
        return tables;
    };
    auto ordre = [&](std::uint8_t tri) {
        const std::string t = texteBranches(b, tri);
        std::string rang;
        for (const char* nom : {"ALPHA", "BETA", "GAMMA"}) {
            int devant = 0;
            for (const char* autre : {"ALPHA", "BETA", "GAMMA"}) devant += t.find(autre) < t.find(nom);
            rang += static_cast<char>('0' + devant);
        }
        return rang;  // rang de ALPHA, BETA, GAMMA
    };
    EXPECT_EQ(ordre(0), "012");
    EXPECT_EQ(ordre(2), "120");  // GAMMA sur deux générations, puis ALPHA et BETA par nom
    EXPECT_EQ(ordre(3), "201");  // BETA 3, GAMMA 2, ALPHA 1
    EXPECT_FALSE(attendu);
    EXPECT_EQ(ordre(1), "201");  // 1800, 1850, 1900
    EXPECT_TRUE(attendu);
}

TEST(ListeBranches, uneBoucleArreteLaListeAvecSonMessageEtUnFichierSansFamilleEstVide) {
    DossierEssai dossier;
    essai::ArbreEssai a;
    a.personne('M', {}, {}, "BOUCLE", "Jean");
    a.personne('M', {}, {}, "BOUCLE", "Paul");
    a.couple(2, 0, {1});
    a.couple(1, 0, {2});
    BaseGenealogique base = a.construire(dossier.chemin());
    try {
        construireBranches(base);
        ADD_FAILURE() << "boucle non signalée";
    } catch (const OperationImpossible& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Opération impossible car les personnes suivantes forment une boucle"_1252, 0),
                  0u);
    }
    GedcomEssai g;
    g.personne(1, "Paul /SEUL/", 'M');
    BaseEssai b(g.texte());
    EXPECT_THROW(texteBranches(b, 0), OperationImpossible);
}

TEST(ListeBranches, rtfWebEtPdfBienFormes) {
    GedcomEssai g;
    g.personne(1, "Jean /DUPONT/", 'M');
    g.personne(2, "Marie /MARTIN/", 'F');
    g.personne(3, "Paul /DUPONT/", 'M');
    g.famille(1, 2, {3});
    BaseEssai b(g.texte());
    DossierEssai d;
    auto l = std::make_unique<ListeBranches>(*afficheurDeCode(ListeBranches::kCode));
    l->initialiserParametres(b.contexte);
    const std::string rtf = essai::ecrireListe(*l, b, Configuration{}, FormatSortie::Rtf, d);
    EXPECT_EQ(essai::defautDeStructureRtf(rtf), "");
    EXPECT_NE(rtf.find("{\\cf1 DUPONT Jean}"), std::string::npos) << rtf;
    const std::string html = essai::ecrireListe(*l, b, Configuration{}, FormatSortie::Web, d);
    EXPECT_NE(html.find("<title>Liste des branches</title>"), std::string::npos);
    if (essai::validateurHtmlPresent()) EXPECT_EQ(essai::erreursDeValidationHtml(d, l->chemin), "");
    essai::ecrireListe(*l, b, Configuration{}, FormatSortie::Pdf, d);
    EXPECT_EQ(l->hauteur, 4 * 176);
    EXPECT_EQ(std::system(("qpdf --check '" + l->chemin + "' >/dev/null 2>&1").c_str()), 0);
}

TEST(ListeBranches, commandesDocumentListeBranchesEtListeCousins) {
    GedcomEssai g;
    g.personne(1, "Jean /DUPONT/", 'M', "1 BIRT\n2 DATE 1850\n");
    g.personne(2, "Marie /MARTIN/", 'F', "1 BIRT\n2 DATE 1852\n");
    g.personne(3, "Paul /DUPONT/", 'M');
    g.personne(4, "Rose /DUPONT/", 'F');
    g.famille(1, 2, {3, 4});
    DossierEssai d;
    const fs::path ged = d / "famille.ged";
    std::ofstream(ged, std::ios::binary) << g.texte();
    const std::string branches = (d / "b.txt").string(), cousins = (d / "c.txt").string();
    auto s = essai::lancerProgramme("document liste-branches '" + ged.string() +
                                    "' --format texte --option 'Tri=par nombre décroissant de descendants' --sortie '" +
                                    branches + "'");
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_NE(essai::lireFichier(branches).find("    2 descendants sur 1 g\xE9n\xE9ration\n"), std::string::npos);
    s = essai::lancerProgramme("document liste-cousins '" + ged.string() +
                               "' --racine 'Paul /DUPONT/' --format texte --option 'Tri=par nom' "
                               "--option 'Degré de parenté maximal=2' --option 'Affichage des ascendants directs=non' "
                               "--sortie '" + cousins + "'");
    EXPECT_EQ(s.code, 0) << s.texte;
    const std::string t = essai::lireFichier(cousins);
    EXPECT_NE(t.find("Rose DUPONT"), std::string::npos) << t;
    EXPECT_NE(t.find(", cousine au 2\xB0 degr\xE9"), std::string::npos) << t;
    EXPECT_EQ(t.find("Jean"), std::string::npos) << t;
    s = essai::lancerProgramme("document liste-cousins '" + ged.string() +
                               "' --racine 'Paul /DUPONT/' --option 'Tri=par âge' --format texte");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("par date de naissance"), std::string::npos) << s.texte;
}

// Têtes de branche, descendants distincts et générations recalculés à part sur royal92 : têtes
// d'après leur définition, descendants par parcours des enfants (trouvés par les parents),
// générations par le plus long chemin descendant.
TEST(ListeBranches, royal92TetesDescendantsEtGenerationsEgalentUnCalculIndependant) {
    const fs::path royal = fs::path(LIGNARA_DOSSIER_TESTDATA) / "porges-mdf/royal92.ged";
    if (!fs::exists(royal)) GTEST_SKIP() << "fichiers réels absents de " << LIGNARA_DOSSIER_TESTDATA;
    const ResultatImport import = ImporterGedcom(royal);
    const BaseGenealogique& base = import.base;
    const std::uint32_t n = base.nombreIndividus();
    std::vector<Individu> ind(n + 1);
    std::vector<std::vector<std::uint32_t>> enfants(n + 1);
    for (std::uint32_t p = 1; p <= n; ++p) {
        ind[p] = base.LireIndividu(p);
        for (std::uint32_t q : {ind[p].pere, ind[p].mere})
            if (q) enfants[q].push_back(p);
    }
    auto sansParents = [&](std::uint32_t p) { return ind[p].pere == 0 && ind[p].mere == 0; };
    std::set<std::uint32_t> tetes;
    for (std::uint32_t p = 1; p <= n; ++p) {
        if (!sansParents(p)) continue;
        for (std::uint32_t e : enfants[p]) {
            const std::uint32_t autre = ind[e].pere == p ? ind[e].mere : ind[e].pere;
            if (autre == 0 || sansParents(autre)) tetes.insert(p);
        }
    }
    std::vector<int> profondeur(n + 1, -1);
    std::function<int(std::uint32_t)> generations = [&](std::uint32_t p) {
        if (profondeur[p] < 0) {
            profondeur[p] = 0;
            for (std::uint32_t e : enfants[p]) profondeur[p] = std::max(profondeur[p], generations(e) + 1);
        }
        return profondeur[p];
    };
    const BranchesConstruites br = construireBranches(base);
    std::set<std::uint32_t> listees;
    for (const EntreeBranche& e : br.entrees) {
        std::set<std::uint32_t> vus, pile;
        int gen = 0;
        for (std::uint32_t p : br.personnesDe(e)) {
            EXPECT_TRUE(listees.insert(p).second) << "listée deux fois : " << p;
            gen = std::max(gen, generations(p));
            pile.insert(p);
        }
        while (!pile.empty()) {
            const std::uint32_t p = *pile.begin();
            pile.erase(pile.begin());
            for (std::uint32_t c : enfants[p])
                if (vus.insert(c).second) pile.insert(c);
        }
        EXPECT_EQ(e.descendants, vus.size()) << br.personnes[e.debut];
        EXPECT_EQ(e.generations, static_cast<std::uint32_t>(gen)) << br.personnes[e.debut];
    }
    EXPECT_EQ(listees, tetes);
    EXPECT_GT(tetes.size(), 50u);
}

}  // namespace
}  // namespace lignara
