#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "support/Message.h"
#include "FamilleEssai.h"
#include "gedcom/ImporterGedcom.h"
#include "parente/GrapheParente.h"

using namespace lignara;
using namespace lignara::essai;

namespace {

using Numeros = std::vector<std::uint32_t>;
// Chaque cas par son sommet et ses deux lignées, dans un ordre qui ne dépend pas du parcours.
using Cas = std::set<std::pair<std::uint32_t, std::set<Numeros>>>;
const std::string kAucunCas = "Le fichier ne contient aucun lien de parenté consanguin"_1252;

std::vector<std::int16_t> annees(const BaseGenealogique& base) {
    std::vector<std::int16_t> v(std::size_t{base.nombreIndividus()} + 1, 9999);
    for (std::uint32_t p = 1; p <= base.nombreIndividus(); ++p) {
        std::uint32_t e = base.LireIndividu(p).naissance;
        if (e) v[p] = base.LireEvenement(e).date.annee;
    }
    return v;
}

// Descendants comptés pour toutes les personnes : les bases d'essai n'ont pas de têtes de branche.
ResultatGrapheParente construire(const BaseGenealogique& base, unsigned options, std::uint32_t racine = 0) {
    ParametresGrapheParente p;
    p.options = options;
    p.racine = racine;
    p.descendantsDe = EnsemblePersonnes(base.nombreIndividus());
    for (std::uint32_t n = 1; n <= base.nombreIndividus(); ++n) p.descendantsDe.ajouter(n);
    p.anneesNaissance = annees(base);
    return construireGrapheParente(base, p);
}

std::string messageDe(const BaseGenealogique& base, unsigned options) {
    return essai::messageDe([&] { construire(base, options); });
}

Cas casDe(const ResultatGrapheParente& r) {
    Cas cas;
    for (const Consanguinite& c : r.consanguinites) cas.insert({c.sommet, {c.lignes[0], c.lignes[1]}});
    return cas;
}

class GrapheParenteEssai : public ::testing::Test {
protected:
    // Personnes numérotées dans l'ordre des sexes donnés, nées tous les « pas » ans depuis 1800.
    void personnes(const char* sexes, int pas) {
        for (int k = 0; sexes[k]; ++k) a.personne(sexes[k], annee(static_cast<std::int16_t>(1800 + pas * k)));
    }
    BaseGenealogique construireBase() { return a.construire(dossier.chemin()); }
    DossierEssai dossier;
    ArbreEssai a;
};

}  // namespace

TEST_F(GrapheParenteEssai, profondeurEstLeNombreDeGenerationsDeDescendantsEtUneUnionSansEnfantPrendLeMariPuisLaFemme) {
    BaseGenealogique base = construireFamilleEssai(dossier.chemin());
    ResultatGrapheParente r = construire(base, GrapheProfondeurs | GrapheConserver);
    ASSERT_EQ(r.profondeurs.size(), 14u);
    EXPECT_EQ(r.profondeurs[Gaston], 2);
    EXPECT_EQ(r.profondeurs[Jacques], 1);
    EXPECT_EQ(r.profondeurs[Luc], 0);
    ASSERT_TRUE(r.graphe);
    const GrapheParente& g = *r.graphe;
    EXPECT_EQ(g.nombreNoeuds(), 13u + 4u);  // quatre couples avec enfants, pas d'union sans enfant
    EXPECT_EQ(g.niveau(Gaston), 4);
    for (std::uint32_t n = 14; n <= 17; ++n) EXPECT_EQ(g.niveau(n) % 2, 1) << n;
    // Le couple de Pierre et Marie : père, mère, puis les enfants dans l'ordre de la fratrie.
    std::uint32_t couple = g.predecesseurs(Luc)[0];
    EXPECT_EQ(Numeros(g.predecesseurs(couple).begin(), g.predecesseurs(couple).end()), (Numeros{Pierre, Marie}));
    EXPECT_EQ(Numeros(g.successeurs(couple).begin(), g.successeurs(couple).end()), (Numeros{Luc, Lea}));
    EXPECT_EQ(g.nombreFeuilles(), 6u);  // Luc, Léa, Tom, Max, Ernest, Zoé
    // Depuis Luc, l'union sans enfant de Max et Zoé prend le mari puis la femme.
    r = construire(base, GrapheApparitions | GrapheConserver | GrapheProfondeurs, Luc);
    const GrapheParente& h = *r.graphe;
    ASSERT_EQ(h.nombreNoeuds(), 13u + 4u + 1u);
    EXPECT_EQ(h.pere(18), Max);
    EXPECT_EQ(h.mere(18), Zoe);
    EXPECT_EQ(h.niveau(Max), 1);          // au-dessus de son union, sans génération de descendants
    EXPECT_EQ(r.apparitions.size(), 4u);  // Pierre, Marie, Gaston, Berthe
}

TEST_F(GrapheParenteEssai, uneBoucleDeParenteNommeSesPersonnesEtLeursAscendants) {
    a.personne('M', {}, {}, "BOUCLE", "Jean");    // 1 : fils de Paul et de Marthe, père de Paul
    a.personne('M', {}, {}, "BOUCLE", "Paul");    // 2
    a.personne('F', {}, {}, "HORS", "Lise");      // 3 : fille de Jean, hors de la boucle
    a.personne('F', {}, {}, "AIEULE", "Marthe");  // 4 : ascendante de la boucle
    a.couple(2, 4, {1});
    a.couple(1, 0, {2, 3});
    EXPECT_EQ(messageDe(construireBase(), GrapheProfondeurs),
              "Opération impossible car les personnes suivantes forment une boucle infinie de liens de parenté :\n"
              "- Jean BOUCLE\n- Paul BOUCLE\n- Marthe AIEULE\n(corriger le fichier, puis recommencez)"_1252);
}

TEST_F(GrapheParenteEssai, leMessageDeBoucleSeLimiteAVingtNoms) {
    // 1 et 2 forment la boucle ; 3, parent de 1, et ses ascendants 4 à 30 en sont les ascendants.
    for (int k = 1; k <= 30; ++k) a.personne('M', {}, {}, "NOM", "P" + std::to_string(k));
    a.couple(2, 3, {1});
    a.couple(1, 0, {2});
    for (std::uint32_t k = 3; k < 30; ++k) a.couple(k + 1, 0, {k});
    const std::string m = messageDe(construireBase(), 0);
    EXPECT_EQ(std::count(m.begin(), m.end(), '\n'), 21);
    EXPECT_NE(m.find("- P1 NOM\n- P2 NOM\n"), std::string::npos);
    EXPECT_TRUE(m.ends_with("(corriger le fichier, puis recommencez)")) << m;
}

TEST_F(GrapheParenteEssai, demiFrereEtDemiSoeurMariesOntUnSommetPersonneEtDeuxConjoints) {
    // 1 père ; 2 et 3 ses deux femmes ; 4 fils de 1 et 3 ; 5 fille de 1 et 2 ; 6 leur enfant.
    const std::int16_t naissances[] = {1800, 1801, 1805, 1830, 1825, 1850};
    for (int k = 0; k < 6; ++k) a.personne("MFFMFM"[k], annee(naissances[k]));
    a.couple(1, 2, {5});
    a.couple(1, 3, {4});
    a.couple(4, 5, {6});
    ResultatGrapheParente r = construire(construireBase(), GrapheConsanguinites);
    ASSERT_EQ(r.consanguinites.size(), 1u);
    const Consanguinite& c = r.consanguinites[0];
    EXPECT_EQ(c.lignes[0], (Numeros{5}));  // la fille, née avant le fils
    EXPECT_EQ(c.conjointsSommet[0], 2u);
    EXPECT_EQ(c.conjointsSommet[1], 3u);
    EXPECT_EQ(c.base, 6u);
}

// Cousins germains doubles : deux boucles de même base ; le parcours n'en garde qu'une par arête
// hors de son arbre, les deux cas doivent pourtant y être, chacun au sommet de ses grands-parents.
TEST_F(GrapheParenteEssai, cousinsGermainsDoublesDonnentDeuxCas) {
    personnes("MFMFMFMFMFM", 5);
    a.couple(1, 2, {5, 7});  // deux frères
    a.couple(3, 4, {6, 8});  // deux sœurs
    a.couple(5, 6, {9});
    a.couple(7, 8, {10});
    a.couple(9, 10, {11});
    ResultatGrapheParente r = construire(construireBase(), GrapheConsanguinites);
    ASSERT_EQ(r.consanguinites.size(), 2u);
    for (const Consanguinite& c : r.consanguinites) EXPECT_EQ(c.base, 11u);
    EXPECT_EQ(casDe(r), (Cas{{1, {{5, 9}, {7, 10}}}, {3, {{6, 9}, {8, 10}}}}));
}

// Deux générations de mariages entre cousins (comme Haakon VII et Maude, puis leur fils Olav et
// Märtha) : trois boucles entremêlées, trois cas.
TEST_F(GrapheParenteEssai, mariagesEntreCousinsSurDeuxGenerationsDonnentTroisCas) {
    personnes("MFMFFMFMMMMFM", 5);
    a.couple(1, 2, {3, 4});
    a.couple(3, 5, {6, 7});
    a.couple(8, 4, {9});
    a.couple(6, 9, {10});
    a.couple(11, 7, {12});
    a.couple(10, 12, {13});
    ResultatGrapheParente r = construire(construireBase(), GrapheConsanguinites);
    EXPECT_EQ(casDe(r), (Cas{{1, {{3, 6}, {4, 9}}}, {3, {{6, 10}, {7, 12}}}, {1, {{3, 7, 12}, {4, 9, 10}}}}));
    EXPECT_EQ(r.consanguinites.size(), 3u);
}

// Deux frères épousent deux sœurs : avec enfants, la boucle existe mais n'a pas de sommet commun.
TEST_F(GrapheParenteEssai, deuxFreresEpousantDeuxSoeursNeSontPasConsanguins) {
    personnes("MFMFMFMFMF", 5);
    a.couple(1, 2, {5, 7});
    a.couple(3, 4, {6, 8});
    a.couple(5, 6, {9});
    a.couple(7, 8, {10});
    EXPECT_EQ(messageDe(construireBase(), GrapheConsanguinites), kAucunCas);
}

TEST(GrapheParente, lesTroisClesDeTriDesCasEtLOrdreDesLignes) {
    std::vector<std::int16_t> an(20, 9999);
    // Sommet, ses conjoints, les deux lignées, la base et ses enfants ; la base de c est sans date.
    const Consanguinite a{1, {7, 7}, {{3, 4}, {5, 6}}, 2, 0}, b{8, {11, 0}, {{3}, {5, 6, 10}}, 9, 0},
        c{12, {0, 0}, {{3}, {5}}, 13, 0};
    for (auto [p, naissance] : {std::pair{1, 1700}, {8, 1650}, {12, 1750}, {2, 1800}, {9, 1900}})
        an[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(naissance);
    auto ordre = [&](TriConsanguinites cle) {
        std::vector<Consanguinite> v{a, b, c};
        trierConsanguinites(v, cle, an);
        return Numeros{v[0].sommet, v[1].sommet, v[2].sommet};
    };
    EXPECT_EQ(ordre(TriConsanguinites::Degre), (Numeros{12, 1, 8}));  // 4, 8, 8 + 1
    EXPECT_EQ(ordre(TriConsanguinites::DateSommet), (Numeros{8, 1, 12}));
    EXPECT_EQ(ordre(TriConsanguinites::DateBase), (Numeros{1, 8, 12}));
    // Un seul conjoint connu va en seconde lignée ; une lignée seule, en première.
    Consanguinite un{0, {5, 0}, {{1}, {2, 3}}, 0, 0};
    ordonnerLignes(un, std::vector<std::int16_t>(10, 9999));
    EXPECT_EQ(un.conjointsSommet[1], 5u);
    EXPECT_EQ(un.lignes[1], (Numeros{1}));
    Consanguinite vide{0, {0, 0}, {{}, {4}}, 0, 0};
    ordonnerLignes(vide, std::vector<std::int16_t>(10, 9999));
    EXPECT_EQ(vide.lignes[0], (Numeros{4}));
    EXPECT_TRUE(vide.lignes[1].empty());
}

// Cousins germains mariés : 1 Guy ∞ 2 Gisèle : 3 André, 4 Bruno ; 3 André ∞ 5 Xavière : 7 Chloé ;
// 4 Bruno ∞ 6 Yvonne : 8 Cyril ; 8 Cyril ∞ 7 Chloé : 9 Zoé, 10 Zacharie.
TEST_F(GrapheParenteEssai, cousinsGermainsMariesDescendantsEtAscendantsComptesJustes) {
    const std::int16_t naissances[] = {1800, 1802, 1830, 1825, 1831, 1826, 1860, 1855, 1885, 1887};
    for (int k = 0; k < 10; ++k) a.personne("MFMMFFFMFM"[k], annee(naissances[k]));
    a.couple(1, 2, {3, 4});
    a.couple(3, 5, {7});
    a.couple(4, 6, {8});
    a.couple(8, 7, {9, 10});
    const BaseGenealogique base = construireBase();
    ResultatGrapheParente r = construire(base, GrapheDescendants);
    EXPECT_FALSE(r.graphe);           // sans GrapheConserver, le graphe n'est pas gardé
    EXPECT_EQ(r.descendants[1], 6u);  // André, Bruno, Chloé, Cyril, Zoé, Zacharie
    EXPECT_EQ(r.descendants[3], 3u);  // Chloé, Zoé, Zacharie
    // Apparitions des ascendants de la racine 9 : Guy et Gisèle par ses deux parents.
    r = construire(base, GrapheApparitions | GrapheConserver, 9);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> v;
    for (const ApparitionAscendant& ap : r.apparitions) v.emplace_back(ap.personne, ap.nombre);
    EXPECT_EQ(v, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{
                     {1, 2}, {2, 2}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}}));
    // Union sans enfant : aucune ici ; la racine sans ascendant n'a pas de liste.
    EXPECT_EQ(r.graphe->nombreNoeuds(), 10u + 4u);
    EXPECT_TRUE(construire(base, GrapheApparitions, 1).apparitions.empty());
    DossierEssai d2;
    ResultatGrapheParente f = construire(construireFamilleEssai(d2.chemin()), GrapheDescendants);
    EXPECT_EQ(f.descendants[Gaston], 6u);
    EXPECT_EQ(f.descendants[Sophie], 1u);
    // Sans liste : les têtes de branche marquées par l'import seules (ici Jean @I10@ et Marie @I2@,
    // numéros 1 et 2 dans l'ordre des clés).
    ResultatImport import =
        ImporterGedcom(std::filesystem::path(LIGNARA_DOSSIER_FIXTURES) / "parente-homonymes-et-cles-non-triees.ged");
    ParametresGrapheParente p;
    p.options = GrapheDescendants;
    EXPECT_EQ(construireGrapheParente(import.base, p).descendants, (Numeros{0, 3, 3, 0, 0, 0, 0}));
    // Le cas lui-même (sommet, conjoint, lignées, base) est lu par tests/documents/TestTableauxParente.
}

TEST_F(GrapheParenteEssai, cousinsMariesSansEnfantNeSontUnCasQueParLeurUnion) {
    personnes("MFMFMFMF", 10);
    a.couple(1, 2, {3, 4});  // 3 et 4 frère et sœur
    a.couple(3, 6, {7});
    a.couple(5, 4, {8});
    a.couple(7, 8, {});  // 7 (homme) et 8 (femme), cousins germains, sans enfant
    const BaseGenealogique base = construireBase();
    EXPECT_EQ(messageDe(base, GrapheConsanguinites), kAucunCas);
    ResultatGrapheParente r = construire(base, GrapheConsanguinites | GrapheApparitions);
    ASSERT_EQ(r.consanguinites.size(), 1u);
    EXPECT_EQ(r.consanguinites[0].sommet, 1u);
    EXPECT_EQ(r.consanguinites[0].base, 0u);
    EXPECT_EQ(r.consanguinites[0].degre(), 4u);
}
