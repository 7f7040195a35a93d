#include "documents/listes/ListeDescendante.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "GenealogieArbre.h"
#include "support/Programme.h"
#include "ListesEssai.h"
#include "commun/Texte.h"
#include "database/ArbreEssai.h"
#include "documents/PagesOptions.h"
#include "documents/listes/ListeAscendante.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::compter;
using essai::DossierEssai;
using essai::ecrireListe;
using essai::listeEssai;

// Une ligne du texte : n blancs, puis le texte.
std::string L(std::size_t blancs, const std::string& texte) { return std::string(blancs, ' ') + texte + "\n"; }

// Sans dates ni lieux : les lignes ne portent que les noms.
Configuration nomsSeuls() {
    Configuration c;
    c.donneesListeDescendante = kAfficherMariage;
    return c;
}

std::string texteDe(BaseEssai& b, int racine, const Configuration& c, const DossierEssai& d,
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
    EXPECT_EQ(texteDe(b, 1, nomsSeuls(), d),
              " 1a N1 P1\n"
              "    N2 P2\n"
              "        2a N3 P3\n"
              "        2b N4 P4\n"
              "    N5 P5\n"
              "        2c N6 P6\n");
    EXPECT_EQ(texteDe(b, 1, nomsSeuls(), d, [](ListeDescendante& l) { l.valeur(kNumerote) = std::uint8_t{0}; }),
              "N1 P1\nN2 P2\n       N3 P3\n       N4 P4\nN5 P5\n       N6 P6\n");
}

TEST(ListeDescendante, le27eEnfantEstALe53eAAEtLaSuiteAB) {
    std::vector<essai::LienParents> liens;
    for (int e = 3; e <= 57; ++e) liens.push_back({e, 1, 2});
    DossierEssai d;
    BaseEssai b(essai::gedcomDeLiens(57, liens));
    const std::string t = texteDe(b, 1, nomsSeuls(), d);
    EXPECT_NE(t.find(L(8, "2z N28 P28") + L(8, "2A N29 P29")), std::string::npos) << t;
    EXPECT_NE(t.find(L(8, "2Z N54 P54") + L(8, "2AA N55 P55") + L(8, "2AB N56 P56") + L(8, "2AC N57 P57")),
              std::string::npos)
        << t;
    EXPECT_EQ(lettreDeRang(52 + 26), "BA");
    EXPECT_EQ(lettreDeRang(52 + 675), "ZZ");
    EXPECT_EQ(lettreDeRang(52 + 676), "AAA");
}

// Cousins mariés : 6 (fils de 3) et 8 (fille de 4), petits-enfants de 1 × 2 ; leur enfant 9.
const std::string kCousins = essai::gedcomDeLiens(9, {{3, 1, 2}, {4, 1, 2}, {6, 3, 5}, {8, 7, 4}, {9, 6, 8}});

TEST(ListeDescendante, reportDUnPetitFilsDansUneSectionASaGeneration) {
    DossierEssai d;
    BaseEssai b(essai::gedcomDeLiens(7, {{3, 1, 2}, {5, 3, 4}, {7, 5, 6}}));
    const std::string t =
        texteDe(b, 1, nomsSeuls(), d, [&](ListeDescendante& l) { l.valeur(kReports) = ensembleDe(b, {5}); });
    EXPECT_EQ(t, L(1, "1a N1 P1") + L(4, "N2 P2") + L(8, "2a N3 P3") + L(11, "N4 P4") +
                     L(15, "3a N5 P5 qui suit en 1") +
                     "\n\n----- 1 ---------------------------------------------------------------\n\n" +
                     L(1, "3a N5 P5") + L(4, "N6 P6") + L(8, "4a N7 P7"));
    // Un conjoint reporté reporte la personne ; un second renvoi garde le même numéro.
    const std::string parConjoint = texteDe(b, 1, nomsSeuls(), d, [&](ListeDescendante& l) {
        l.valeur(kReports) = ensembleDe(b, {6, 4});
    });
    EXPECT_NE(parConjoint.find(L(8, "2a N3 P3 qui suit en 1")), std::string::npos) << parConjoint;
    EXPECT_NE(parConjoint.find(L(1, "2a N3 P3") + L(4, "N4 P4") + L(8, "3a N5 P5 qui suit en 2")), std::string::npos)
        << parConjoint;
    EXPECT_NE(parConjoint.find("----- 2 ----"), std::string::npos);
}

TEST(ListeDescendante, uneBoucleDeParentsNeTournePasSansFin) {
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
    const auto rtf = essai::lancerProgramme("document liste-descendante '" + exemple + "' --racine @I1@ --format rtf");
    EXPECT_NE(rtf.code, 0);
    EXPECT_NE(rtf.texte.find("pdf, texte, web"), std::string::npos) << rtf.texte;
}

}  // namespace
}  // namespace lignara
