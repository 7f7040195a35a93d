// Listes ascendante et descendante : numéros, lettres, renvois, reports, formats, fichiers réels.
#include "documents/listes/ListeAscendante.h"
#include "documents/listes/ListeDescendante.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "GenealogieArbre.h"
#include "support/Programme.h"
#include "ListesEssai.h"
#include "commun/Texte.h"
#include "database/ArbreEssai.h"
#include "database/TablesDerivees.h"
#include "documents/PagesOptions.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::compter;
using essai::DossierEssai;
using essai::ecrireListe;
using essai::listeEssai;

const std::string kTirets = "------------------------------";

std::string titre(int g) { return kTirets + " " + std::to_string(g) + "\xB0 GENERATION " + kTirets + "\n"; }

// Sans dates ni lieux : les lignes ne portent que les noms (et les mariages, bit 16).
Configuration nomsSeuls() {
    Configuration c;
    c.donneesListeAscendante = kAfficherMariage;
    c.donneesListeDescendante = kAfficherMariage;
    return c;
}

std::string texteAscendante(BaseEssai& b, int racine, const Configuration& c, const DossierEssai& d,
                            void (*regler)(ListeAscendante&) = nullptr) {
    auto l = listeEssai<ListeAscendante>(b, b.personne("P" + std::to_string(racine)));
    if (regler) regler(*l);
    return ecrireListe(*l, b, c, FormatSortie::Texte, d);
}

// Paires (numéro, personne) d'un Ahnentafel calculé autrement : en profondeur, chaque chemin son
// numéro, jusqu'à la génération donnée.
void ahnentafel(const BaseGenealogique& base, std::uint32_t p, std::uint64_t n, std::uint32_t g, std::uint32_t max,
                std::set<std::pair<std::uint64_t, std::uint32_t>>& paires) {
    paires.insert({n, p});
    if (g == max) return;
    const Individu ind = base.LireIndividu(p);
    if (ind.pere) ahnentafel(base, ind.pere, 2 * n, g + 1, max, paires);
    if (ind.mere) ahnentafel(base, ind.mere, 2 * n + 1, g + 1, max, paires);
}

// Les grands-pères 4 et 6 sont frères (parents 8 × 9) ; 8 a des parents, 10 × 11.
TEST(ListeAscendante, implexeRenvoiAuPremierNumeroEtAscendantsNonRepetes) {
    DossierEssai d;
    BaseEssai b(essai::gedcomDeLiens(11, {{1, 2, 3}, {2, 4, 5}, {3, 6, 7}, {4, 8, 9}, {6, 8, 9}, {8, 10, 11}}));
    const std::string avecRenvois = texteAscendante(b, 1, nomsSeuls(), d);
    EXPECT_NE(avecRenvois.find("8    N8 P8\n9    N9 P9\n12    voir n\xB0 8 (N8 P8)\n13    voir n\xB0 9 (N9 P9)\n"),
              std::string::npos)
        << avecRenvois;
    EXPECT_NE(avecRenvois.find(titre(5) + "16    N10 P10\n17    N11 P11\n"), std::string::npos) << avecRenvois;
    EXPECT_EQ(avecRenvois.find("24"), std::string::npos);
    // Sans renvois, la seconde occurrence est une ligne ordinaire, sans ses ascendants.
    const std::string sansRenvois =
        texteAscendante(b, 1, nomsSeuls(), d, [](ListeAscendante& l) { l.valeur(kRenvois) = std::uint8_t{0}; });
    EXPECT_NE(sansRenvois.find("12    N8 P8\n13    N9 P9\n"), std::string::npos) << sansRenvois;
    EXPECT_EQ(sansRenvois.find("24"), std::string::npos);
    // Avec les branches doubles, chaque chemin a son numéro : les parents de 12 sont 24 et 25.
    Configuration doubles = nomsSeuls();
    doubles.doublesBranchesAscendantes = true;
    const std::string tout = texteAscendante(b, 1, doubles, d);
    EXPECT_NE(tout.find("12    voir n\xB0 8 (N8 P8)\n"), std::string::npos) << tout;
    EXPECT_NE(tout.find("24    voir n\xB0 16 (N10 P10)\n25    voir n\xB0 17 (N11 P11)\n"), std::string::npos) << tout;
}

// Lignée maternelle de 66 générations : M(k+1) est la mère de M(k), et le père F (67) de M64 est
// un fils de M65, si bien que M65 revient à la génération 66.
std::string gedcomLigneeMaternelle() {
    std::vector<essai::LienParents> liens{{67, 0, 65}};
    for (int k = 1; k <= 65; ++k) liens.push_back({k, k == 64 ? 67 : 0, k + 1});
    return essai::gedcomDeLiens(67, liens);
}

TEST(ListeAscendante, auDelaDeLa64eGenerationEtoilesRenvoiParGenerationEtUnSeulMessage) {
    DossierEssai d;
    BaseEssai b(gedcomLigneeMaternelle());
    const std::string t = texteAscendante(b, 1, nomsSeuls(), d);
    EXPECT_NE(t.find(titre(64) + "18446744073709551615    N64 P64\n"), std::string::npos);
    EXPECT_NE(t.find(titre(65) + "**********    N67 P67\n**********    N65 P65\n"), std::string::npos)
        << t.substr(t.size() - 600);
    EXPECT_NE(t.find(titre(66) + "**********    voir 65\xB0 g\xE9n\xE9ration (N65 P65)\n**********    N66 P66\n"),
              std::string::npos)
        << t.substr(t.size() - 600);
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0],
              "La numérotation Soza-Stradonitz ne peut pas être affichée au-delà de la 64ème génération"_1252);
}

TEST(ListeAscendante, lesBranchesDoublesSArretentAvantLaGenerationQuiDepasseLaLimite) {
    BaseEssai b(essai::gedcomEchelle(12));
    ReglesAscendantes r{.base = &b.base(),
                        .racine = static_cast<std::uint32_t>(b.personne("P1")),
                        .doublesBranches = true,
                        .entreesMax = 100};
    const ListeAscendanteConstruite l = construireListeAscendante(r);
    EXPECT_TRUE(l.limitee);
    EXPECT_EQ(l.entrees.size(), 63u);  // générations 1 à 6 entières ; la 7e en aurait 64
    EXPECT_EQ(l.premiereGenerationNonListee, 7u);
    r.doublesBranches = false;
    const ListeAscendanteConstruite simple = construireListeAscendante(r);
    EXPECT_FALSE(simple.limitee);
    EXPECT_EQ(simple.entrees.size(), 1u + 2 + 4 * 11);  // chaque couple ne remonte qu'une fois
}

// Deux grands-pères frères : l'implexe donne une ancre et des renvois dans chaque format.
TEST(ListeAscendante, rtfWebEtPdfValidesAncresEtRenvoisCouleursParSexe) {
    DossierEssai d;
    BaseEssai b(essai::gedcomDeLiens(9, {{1, 2, 3}, {2, 4, 5}, {3, 6, 7}, {4, 8, 9}, {6, 8, 9}}));
    auto l = listeEssai<ListeAscendante>(b, b.personne("P1"));
    const essai::Sorties s = essai::ecrireFormats(*l, b, nomsSeuls(), d);
    EXPECT_NE(s.rtf.find("{\\b1    2\\'b0 GENERATION\\b0 \\par}\n{\\fs1\\brdrb\\brdrw28\\brdrth\\brdrcf3\\par}\n"
                         "{\\li800\\fi-700 {\\b 2}\\tab {\\cf1 N2 P2}\\par\n{\\b 3}\\tab {\\cf2 N3 P3}\\par\n}"),
              std::string::npos)
        << s.rtf;
    EXPECT_EQ(essai::compter(s.web, "<a name=\"I8\"></a>"), 1u);
    EXPECT_NE(s.web.find("<a href=\"#I8\"><u>n&deg; 8</u></a> (N8 P8)<br>"), std::string::npos) << s.web;
    // (entrées + mariages + 4 × générations) × 176 − 384 : 11 entrées, 4 générations.
    EXPECT_EQ(l->hauteur, (11 + 0 + 16) * 176 - 384);
    EXPECT_EQ(essai::hauteurPlanifiee(*l), l->hauteur);
    EXPECT_EQ(essai::LecturePdf(l->chemin).compter("/Subtype /Link"), 2u);
    Configuration sansCouleur = nomsSeuls();
    sansCouleur.couleurParSexe = false;
    EXPECT_EQ(ecrireListe(*l, b, sansCouleur, FormatSortie::Rtf, d).find("\\cf1"), std::string::npos);
}

// L'exemple livré, en texte : fichier de référence à l'octet.
TEST(ListeAscendante, texteDeLExempleLivreALOctetPres) {
    DossierEssai d;
    ::setenv("XDG_CONFIG_HOME", d.chemin().c_str(), 1);  // préférences par défaut
    const std::string exemple = std::string(LIGNARA_DOSSIER_SOURCES) + "/data/exemples/famille-exemple.ged";
    const auto s = essai::lancerProgramme("document liste-ascendante '" + exemple +
                                          "' --racine @I27@ --format texte --sortie '" + (d / "la.txt").string() + "'");
    ASSERT_EQ(s.code, 0) << s.texte;
    EXPECT_EQ(essai::lireFichier(d / "la.txt"),
              essai::lireFichier(std::string(LIGNARA_DOSSIER_SOURCES) + "/tests/golden/liste-ascendante.txt"));
    const auto refus =
        essai::lancerProgramme("document liste-ascendante '" + exemple + "' --racine @I27@ --report @I1@");
    EXPECT_NE(refus.code, 0);
    EXPECT_NE(refus.texte.find("Ce document n'a pas de reports de branches"), std::string::npos) << refus.texte;
}

// Fichier réel (sauté sans lui) : royal92, @I1@ sur 20
// générations. Un Ahnentafel calculé à part (script indépendant) compte 332 paires (numéro,
// personne) et 149 personnes ; avec les branches doubles, la liste a exactement ces paires.
TEST(ListeAscendante, royal92SurVingtGenerationsEgaleLAhnentafel) {
    FICHIER_REEL(royal, "porges-mdf/royal92.ged");
    const auto& import = royal.import;
    const auto racine = static_cast<std::uint32_t>(royal.personne("@I1@"));
    ASSERT_NE(racine, 0u);
    std::set<std::pair<std::uint64_t, std::uint32_t>> attendues;
    ahnentafel(import.base, racine, 1, 1, 20, attendues);
    EXPECT_EQ(attendues.size(), 332u);
    for (bool doubles : {true, false}) {
        const ReglesAscendantes r{
            .base = &import.base, .racine = racine, .doublesBranches = doubles, .limiteGenerations = 20};
        const ListeAscendanteConstruite l = construireListeAscendante(r);
        std::set<std::pair<std::uint64_t, std::uint32_t>> paires;
        std::map<std::uint32_t, std::uint64_t> plusPetit;
        for (const EntreeAscendante& e : l.entrees) {
            paires.insert({e.sosa, e.personne});
            if (!e.premiere) plusPetit[e.personne] = e.sosa;
        }
        if (doubles) {
            EXPECT_EQ(paires, attendues);
            continue;
        }
        // Sans branches doubles : les mêmes 149 personnes, chacune à son plus petit numéro.
        EXPECT_EQ(plusPetit.size(), 149u);
        std::map<std::uint32_t, std::uint64_t> attendu;
        for (const auto& [n, p] : attendues)
            if (!attendu.count(p)) attendu[p] = n;
        EXPECT_EQ(plusPetit, attendu);
    }
}

// Une ligne du texte : n blancs, puis le texte.
std::string L(std::size_t blancs, const std::string& texte) { return std::string(blancs, ' ') + texte + "\n"; }

std::string texteDescendante(BaseEssai& b, int racine, const Configuration& c, const DossierEssai& d,
                             const std::function<void(ListeDescendante&)>& regler = {}) {
    auto l = listeEssai<ListeDescendante>(b, b.personne("P" + std::to_string(racine)));
    if (regler) regler(*l);
    return ecrireListe(*l, b, c, FormatSortie::Texte, d);
}

EnsemblePersonnes ensembleDe(BaseEssai& b, std::initializer_list<int> personnes) {
    EnsemblePersonnes e(b.base().nombreIndividus());
    for (int p : personnes) e.ajouter(static_cast<std::uint32_t>(b.personne("P" + std::to_string(p))));
    return e;
}

TEST(ListeDescendante, lettresAbCAuFilDesUnionsEtRetraitsDuTexte) {
    DossierEssai d;
    BaseEssai b(essai::gedcomDeLiens(6, {{3, 1, 2}, {4, 1, 2}, {6, 1, 5}}));
    EXPECT_EQ(texteDescendante(b, 1, nomsSeuls(), d),
              " 1a N1 P1\n"
              "    N2 P2\n"
              "        2a N3 P3\n"
              "        2b N4 P4\n"
              "    N5 P5\n"
              "        2c N6 P6\n");
    EXPECT_EQ(
        texteDescendante(b, 1, nomsSeuls(), d, [](ListeDescendante& l) { l.valeur(kNumerote) = std::uint8_t{0}; }),
        "N1 P1\nN2 P2\n       N3 P3\n       N4 P4\nN5 P5\n       N6 P6\n");
}

// Sans les contemporains : un aîné mort ne rend pas visibles ses cadets peut-être vivants.
TEST(ListeDescendante, sansLesContemporainsLesEnfantsSontCoupesDesQueLUnEstVivant) {
    std::string g = essai::gedcomDeLiens(4, {{3, 1, 2}, {4, 1, 2}});
    const std::string p3 = "0 @I3@ INDI\n";
    g.insert(g.find(p3) + p3.size(), "1 BIRT\n2 DATE 1950\n1 DEAT\n2 DATE 1960\n");
    const std::string p4 = "0 @I4@ INDI\n";
    g.insert(g.find(p4) + p4.size(), "1 BIRT\n2 DATE 1955\n");
    BaseEssai b(g);
    const TablesDerivees tables = calculerTablesDerivees(b.base(), 2023);
    const ReglesDescendantes r{.base = &b.base(),
                               .racine = static_cast<std::uint32_t>(b.personne("P1")),
                               .statutsVitaux = &tables.statutsVitaux};
    std::vector<std::uint32_t> personnes;
    std::size_t coupees = 0;
    for (const LigneListe& ligne : construireListeDescendante(r).lignes) {
        if (ligne.sorte == SorteLigneListe::Personne) personnes.push_back(ligne.personne);
        coupees += ligne.sorte == SorteLigneListe::Coupee;
    }
    EXPECT_EQ(personnes, std::vector<std::uint32_t>{r.racine});  // ni P3 ni P4, mais « ... »
    EXPECT_EQ(coupees, 1u);
}

// Rangs des enfants : a à z, A à Z, puis AA, AB… ZZ, AAA.
TEST(ListeDescendante, lesLettresDesRangsPassentAuxMajusculesPuisADeuxLettres) {
    const std::pair<std::uint32_t, const char*> cas[] = {{25, "z"},  {26, "A"},  {51, "Z"},   {52, "AA"},
                                                         {53, "AB"}, {78, "BA"}, {727, "ZZ"}, {728, "AAA"}};
    for (const auto& [rang, lettres] : cas) EXPECT_EQ(lettreDeRang(rang), lettres) << rang;
}

// Cousins mariés : 6 (fils de 3) et 8 (fille de 4), petits-enfants de 1 × 2 ; leur enfant 9.
const std::string kCousins = essai::gedcomDeLiens(9, {{3, 1, 2}, {4, 1, 2}, {6, 3, 5}, {8, 7, 4}, {9, 6, 8}});

TEST(ListeDescendante, reportDUnPetitFilsDansUneSectionASaGeneration) {
    DossierEssai d;
    BaseEssai b(essai::gedcomDeLiens(7, {{3, 1, 2}, {5, 3, 4}, {7, 5, 6}}));
    const std::string t =
        texteDescendante(b, 1, nomsSeuls(), d, [&](ListeDescendante& l) { l.valeur(kReports) = ensembleDe(b, {5}); });
    EXPECT_EQ(t, L(1, "1a N1 P1") + L(4, "N2 P2") + L(8, "2a N3 P3") + L(11, "N4 P4") +
                     L(15, "3a N5 P5 qui suit en 1") +
                     "\n\n----- 1 ---------------------------------------------------------------\n\n" +
                     L(1, "3a N5 P5") + L(4, "N6 P6") + L(8, "4a N7 P7"));
    // Un conjoint reporté reporte la personne ; un second renvoi garde le même numéro.
    const std::string parConjoint = texteDescendante(b, 1, nomsSeuls(), d, [&](ListeDescendante& l) {
        l.valeur(kReports) = ensembleDe(b, {6, 4});
    });
    EXPECT_NE(parConjoint.find(L(8, "2a N3 P3 qui suit en 1")), std::string::npos) << parConjoint;
    EXPECT_NE(parConjoint.find(L(1, "2a N3 P3") + L(4, "N4 P4") + L(8, "3a N5 P5 qui suit en 2")), std::string::npos)
        << parConjoint;
    EXPECT_NE(parConjoint.find("----- 2 ----"), std::string::npos);
}

// x et y pères l'un de l'autre : les listes descendante et ascendante s'arrêtent et le disent.
TEST(ListeDescendante, uneBoucleDeParentsNeTournePasSansFinNiEnAscendance) {
    DossierEssai d;
    essai::ArbreEssai a;
    const auto x = a.personne('M'), y = a.personne('M');
    a.couple(y, 0, {x});
    a.couple(x, 0, {y});
    BaseGenealogique base = a.construire(d.chemin());
    for (bool doubles : {false, true}) {
        const ReglesDescendantes r{.base = &base, .racine = x, .doublesBranches = doubles};
        const ListeDescendanteConstruite l = construireListeDescendante(r);
        ASSERT_EQ(l.lignes.size(), 2u);  // x, puis y ; l'enfant de y serait x
        EXPECT_TRUE(l.boucle);
        const ListeAscendanteConstruite asc =
            construireListeAscendante({.base = &base, .racine = x, .doublesBranches = doubles});
        ASSERT_EQ(asc.entrees.size(), doubles ? 2u : 3u);
        EXPECT_EQ(asc.boucle, doubles);
    }
    EXPECT_TRUE(construireListeDescendante({.base = &base, .racine = x, .lignesMax = 1}).limitee);
}

// Descendants de chaque personne, tirés des liens père et mère des fiches (et non des chaînes
// de familles que la liste parcourt).
std::vector<std::vector<std::uint32_t>> enfantsParParent(const BaseGenealogique& base) {
    std::vector<std::vector<std::uint32_t>> enfants(std::size_t{base.nombreIndividus()} + 1);
    for (std::uint32_t p = 1; p <= base.nombreIndividus(); ++p) {
        const Individu i = base.LireIndividu(p);
        if (i.pere) enfants[i.pere].push_back(p);
        if (i.mere) enfants[i.mere].push_back(p);
    }
    return enfants;
}

std::set<std::uint32_t> descendantsDe(const std::vector<std::vector<std::uint32_t>>& enfants, std::uint32_t racine) {
    std::set<std::uint32_t> vus{racine};
    std::vector<std::uint32_t> file{racine};
    while (!file.empty()) {
        const std::uint32_t p = file.back();
        file.pop_back();
        for (std::uint32_t e : enfants[p])
            if (vus.insert(e).second) file.push_back(e);
    }
    return vus;
}

// Chaque « >> » mène à la ligne de la personne ou de son conjoint de cette union, et les enfants
// de ce couple sont listés sous elle. Rend le nombre de « >> ».
std::size_t verifierRenvois(const BaseGenealogique& base, const ListeDescendanteConstruite& l) {
    std::size_t renvois = 0;
    for (std::size_t i = 0; i < l.lignes.size(); ++i) {
        const LigneListe& r = l.lignes[i];
        if (r.sorte != SorteLigneListe::DejaListee) continue;
        ++renvois;
        EXPECT_GT(i, 0u);
        const std::uint32_t conjoint =
            l.lignes[i - 1].sorte == SorteLigneListe::Conjoint ? l.lignes[i - 1].personne : 0;
        EXPECT_LT(r.valeur, i);
        if (r.valeur >= i) continue;
        const LigneListe& cible = l.lignes[r.valeur];
        EXPECT_EQ(cible.sorte, SorteLigneListe::Personne);
        EXPECT_TRUE(cible.cible);
        EXPECT_TRUE(cible.personne == r.personne || cible.personne == conjoint)
            << "ligne " << i << " : " << cible.personne << " ni " << r.personne << " ni " << conjoint;
        bool enfantListe = false;
        for (std::size_t k = r.valeur + 1; k < l.lignes.size() && !enfantListe; ++k) {
            const LigneListe& e = l.lignes[k];
            if (e.sorte != SorteLigneListe::Personne || e.generation != cible.generation + 1) continue;
            const Individu ind = base.LireIndividu(e.personne);
            enfantListe =
                (ind.pere == r.personne && ind.mere == conjoint) || (ind.mere == r.personne && ind.pere == conjoint);
        }
        EXPECT_TRUE(enfantListe) << "ligne " << i;
    }
    return renvois;
}

// Fichier réel (sauté sans lui) : royal92, où les cousins se
// marient souvent. Depuis l'ancêtre à la plus grande descendance, les lignes de personnes sont
// exactement ses descendants (recherche indépendante), chacun une fois ; chaque « >> » se
// résout ; limitée en générations ou agnatique, la liste ne répète toujours aucun enfant.
TEST(ListeDescendante, royal92ChaqueDescendantUneFoisEtChaqueRenvoiResolu) {
    FICHIER_REEL(royal, "porges-mdf/royal92.ged");
    const BaseGenealogique& base = royal.base();
    const auto enfants = enfantsParParent(base);
    std::uint32_t racine = 0;
    std::set<std::uint32_t> attendus;
    for (std::uint32_t p = 1; p <= base.nombreIndividus(); ++p) {
        const Individu i = base.LireIndividu(p);
        if (i.pere || i.mere) continue;
        std::set<std::uint32_t> d = descendantsDe(enfants, p);
        if (d.size() > attendus.size()) {
            attendus = std::move(d);
            racine = p;
        }
    }
    ASSERT_GT(attendus.size(), 500u);
    const ReglesDescendantes r{.base = &base, .racine = racine};
    const ListeDescendanteConstruite l = construireListeDescendante(r);
    EXPECT_FALSE(l.boucle);
    EXPECT_FALSE(l.limitee);
    std::map<std::uint32_t, int> vus;
    for (const LigneListe& ligne : l.lignes)
        if (ligne.sorte == SorteLigneListe::Personne) ++vus[ligne.personne];
    EXPECT_EQ(vus.size(), attendus.size());
    for (const auto& [p, fois] : vus) {
        EXPECT_EQ(fois, 1) << "personne " << p;
        EXPECT_TRUE(attendus.count(p)) << "personne " << p;
    }
    EXPECT_GT(verifierRenvois(base, l), 10u);  // des cousins mariés, sinon l'essai ne prouve rien
    for (int variante = 0; variante < 2; ++variante) {
        ReglesDescendantes v = r;
        if (variante == 0)
            v.limiteGenerations = 6;
        else
            v.agnatique = true;
        const ListeDescendanteConstruite lv = construireListeDescendante(v);
        std::map<std::uint32_t, int> fois;
        std::size_t coupees = 0;
        for (const LigneListe& ligne : lv.lignes) {
            if (ligne.sorte == SorteLigneListe::Personne) {
                EXPECT_EQ(++fois[ligne.personne], 1) << ligne.personne;
            }
            if (ligne.sorte == SorteLigneListe::Coupee) ++coupees;
        }
        EXPECT_LT(fois.size(), attendus.size());
        EXPECT_GT(coupees, 0u);
        verifierRenvois(base, lv);
    }
}

TEST(ListeDescendante, webEtPdfValidesAncresUniquesRenvoisReportsEtHauteur) {
    DossierEssai d;
    BaseEssai b(kCousins);
    auto l = listeEssai<ListeDescendante>(b, b.personne("P1"));
    l->valeur(kReports) = ensembleDe(b, {4});
    const std::string html = essai::ecrireFormats(*l, b, nomsSeuls(), d).web;
    const std::string ancre = "I" + std::to_string(b.personne("P6"));
    EXPECT_EQ(compter(html, "<a name=\"" + ancre + "\"></a>"), 1u) << html;
    EXPECT_EQ(compter(html, "<a href=\"#" + ancre + "\">&gt;&gt;</a>"), 1u) << html;
    EXPECT_NE(html.find("<a href=\"#report1\"> qui suit en 1</a>"), std::string::npos) << html;
    EXPECT_EQ(l->hauteur, static_cast<std::int32_t>(l->liste().lignes.size() * 176 - 32));
    EXPECT_EQ(essai::hauteurPlanifiee(*l), l->hauteur);
    // « >> » vers 6, renvoi vers le report, retour de l'en-tête vers le renvoi.
    EXPECT_EQ(essai::LecturePdf(l->chemin).compter("/Subtype /Link"), 3u);
}

// L'exemple livré, en texte, depuis la ligne de commande : fichier de référence à l'octet.
TEST(ListeDescendante, texteDeLExempleLivreALOctetPresAvecUnReport) {
    DossierEssai d;
    ::setenv("XDG_CONFIG_HOME", d.chemin().c_str(), 1);  // préférences par défaut
    const std::string exemple = std::string(LIGNARA_DOSSIER_SOURCES) + "/data/exemples/famille-exemple.ged";
    const auto s = essai::lancerProgramme("document liste-descendante '" + exemple +
                                          "' --racine @I1@ --report \"Joseph /Berthelot/\" --format texte --sortie '" +
                                          (d / "ld.txt").string() + "'");
    ASSERT_EQ(s.code, 0) << s.texte;
    EXPECT_EQ(essai::lireFichier(d / "ld.txt"),
              essai::lireFichier(std::string(LIGNARA_DOSSIER_SOURCES) + "/tests/golden/liste-descendante.txt"));
}

}  // namespace
}  // namespace lignara
