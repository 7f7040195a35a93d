#include "documents/listes/ListeBranches.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "GedcomEssai.h"
#include "ListesEssai.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/ArbreEssai.h"
#include "support/Message.h"
#include "support/Programme.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::BaseEssai;
using essai::DossierEssai;
using essai::GedcomEssai;

// Texte de la liste (sans tête) avec ce tri et ces données affichées.
std::string ecrire(BaseEssai& b, std::uint8_t tri, std::uint8_t donnees = 0) {
    DossierEssai d;
    auto l = essai::listeEssai<ListeBranches>(b);
    l->valeur(kTriBranches) = tri;
    Configuration c;
    c.donneesAutresListes = donnees;
    return essai::ecrireListe(*l, b, c, FormatSortie::Texte, d);
}

// Jean (1) ∞ Marie (2), sans parents : Paul (3) ∞ Lucie (4) : Eric (5). Max (6), seul : Ida (7).
std::string deuxBranches() {
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
    return g.texte();
}

TEST(ListeBranches, unCoupleSansParentsUneEntreeDeDeuxLignes) {
    BaseEssai b(deuxBranches());
    EXPECT_EQ(ecrire(b, 0),
              "DUPONT Jean\nMARTIN Marie\n    2 descendants sur 2 g\xE9n\xE9rations\n\n"
              "SEUL Max\n    1 descendant sur 1 g\xE9n\xE9ration\n\n\n");
    EXPECT_NE(ecrire(b, 0, 1).find("DUPONT Jean (1850 - ..)\nMARTIN Marie (.. - ..)\n"), std::string::npos);
}

TEST(ListeBranches, quatreTris) {
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
    auto ordre = [&](std::uint8_t tri) {
        const std::string t = ecrire(b, tri);
        std::string rang;  // rang de ALPHA, BETA, GAMMA
        for (const char* nom : {"ALPHA", "BETA", "GAMMA"})
            rang += static_cast<char>('0' + (t.find("ALPHA") < t.find(nom)) + (t.find("BETA") < t.find(nom)) +
                                      (t.find("GAMMA") < t.find(nom)));
        return rang;
    };
    EXPECT_EQ(ordre(0), "012");
    EXPECT_EQ(ordre(2), "120");  // GAMMA sur deux générations, puis ALPHA et BETA par nom
    EXPECT_EQ(ordre(3), "201");  // 3, 2 et 1 descendants
    EXPECT_EQ(ordre(1), "201");  // nés en 1800, 1850, 1900
}

TEST(ListeBranches, uneBoucleDonneSonMessageEtUnFichierSansFamilleEstVide) {
    DossierEssai dossier;
    essai::ArbreEssai a;
    a.personne('M', {}, {}, "BOUCLE", "Jean");
    a.personne('M', {}, {}, "BOUCLE", "Paul");
    a.couple(2, 0, {1});
    a.couple(1, 0, {2});
    BaseGenealogique base = a.construire(dossier.chemin());
    EXPECT_TRUE(essai::messageDe([&] {
                    construireBranches(base);
                }).starts_with("Opération impossible car les personnes suivantes forment une boucle"_1252));
    GedcomEssai g;
    g.personne(1, "Paul /SEUL/", 'M');
    BaseEssai b(g.texte());
    EXPECT_THROW(ecrire(b, 0), OperationImpossible);
}

// Royal92 recalculé à part : têtes de branche d'après leur définition, descendants par les
// enfants trouvés par leurs parents, générations par le plus long chemin descendant.
TEST(ListeBranches, royal92TetesDescendantsEtGenerationsEgalentUnCalculIndependant) {
    FICHIER_REEL(royal, "porges-mdf/royal92.ged");
    const ResultatImport& import = royal.import;
    const std::uint32_t n = import.base.nombreIndividus();
    std::vector<Individu> ind(n + 1);
    std::vector<std::vector<std::uint32_t>> enfants(n + 1);
    for (std::uint32_t p = 1; p <= n; ++p) {
        ind[p] = import.base.LireIndividu(p);
        for (std::uint32_t q : {ind[p].pere, ind[p].mere})
            if (q) enfants[q].push_back(p);
    }
    auto orphelin = [&](std::uint32_t p) { return ind[p].pere == 0 && ind[p].mere == 0; };
    std::set<std::uint32_t> tetes, listees;
    for (std::uint32_t p = 1; p <= n; ++p)
        for (std::uint32_t e : enfants[p]) {
            const std::uint32_t autre = ind[e].pere == p ? ind[e].mere : ind[e].pere;
            if (orphelin(p) && (autre == 0 || orphelin(autre))) tetes.insert(p);
        }
    std::vector<int> profondeur(n + 1, -1);
    std::function<int(std::uint32_t)> generations = [&](std::uint32_t p) {
        if (profondeur[p] < 0) {
            profondeur[p] = 0;
            for (std::uint32_t e : enfants[p]) profondeur[p] = std::max(profondeur[p], generations(e) + 1);
        }
        return profondeur[p];
    };
    const BranchesConstruites br = construireBranches(import.base);
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
