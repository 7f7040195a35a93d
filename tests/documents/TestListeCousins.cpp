#include "documents/listes/ListeCousins.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <map>
#include <queue>
#include <set>
#include <string>
#include <tuple>

#include "GedcomEssai.h"
#include "ListesEssai.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/TablesDerivees.h"
#include "documents/IdentifiantsPersonnes.h"
#include "reference/CategorieCompilateur.h"
#include "reference/CategorieDefinition.h"
#include "render/LecturePdf.h"
#include "render/StructureRtf.h"
#include "render/ValidationHtml.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::BaseEssai;
using essai::DossierEssai;
using essai::GedcomEssai;

// Grands-parents Gaston (1) et Berthe (2) : Pierre (3) et Anne (4). Pierre ∞ Marie (5) : Jean
// (6), la racine, ∞ Zoé (7). Anne ∞ Jacques (8) : Max (9) et Lise (10), cousins germains de
// Jean. Max ∞ Nina (11) : Tom (12), au 5e degré.
std::string famille() {
    GedcomEssai g;
    g.personne(1, "Gaston /MOREAU/", 'M', "1 BIRT\n2 DATE 1880\n");
    g.personne(2, "Berthe /LEBLANC/", 'F');
    g.personne(3, "Pierre /MOREAU/", 'M');
    g.personne(4, "Anne /MOREAU/", 'F');
    g.personne(5, "Marie /ROUX/", 'F');
    g.personne(6, "Jean /MOREAU/", 'M');
    g.personne(7, "Zoe /PETIT/", 'F');
    g.personne(8, "Jacques /GIRARD/", 'M');
    g.personne(9, "Max /GIRARD/", 'M');
    g.personne(10, "Lise /GIRARD/", 'F');
    g.personne(11, "Nina /BLANC/", 'F');
    g.personne(12, "Tom /GIRARD/", 'M');
    g.famille(1, 2, {3, 4});
    g.famille(3, 5, {6});
    g.famille(6, 7, {});
    g.famille(8, 4, {9, 10});
    g.famille(9, 11, {12});
    return g.texte();
}

Configuration sansDetails() {
    Configuration c;
    c.donneesAutresListes = 0;
    return c;
}

std::string texteListe(BaseEssai& b, const std::string& racine, const Configuration& c, std::uint8_t tri,
                       std::uint16_t degre, bool alliances = true) {
    DossierEssai d;
    auto l = essai::listeEssai<ListeCousins>(b, b.personne(racine));
    l->valeur(kTriCousins) = tri;
    l->valeur(kDegreMaximal) = degre;
    l->valeur(kCousinsParAlliance) = static_cast<std::uint8_t>(alliances);
    return essai::ecrireListe(*l, b, c, FormatSortie::Texte, d);
}

// Titres des groupes d'un texte : la ligne qui suit chaque ligne de tirets.
std::vector<std::string> titres(const std::string& texte) {
    std::vector<std::string> t;
    const std::string tirets = std::string(60, '-') + "\n";
    for (std::size_t p = texte.find(tirets); p != std::string::npos; p = texte.find(tirets, p + 1)) {
        const std::size_t debut = p + tirets.size();
        t.push_back(texte.substr(debut, texte.find('\n', debut) - debut));
    }
    return t;
}

TEST(ListeCousins, parDegreQuatreTitresEtLeConjointSeulementAvecLesAllies) {
    BaseEssai b(famille());
    const std::string avec = texteListe(b, "Jean", sansDetails(), 0, 4);
    EXPECT_EQ(titres(avec), (std::vector<std::string>{"1\xB0 degr\xE9", "2\xB0 degr\xE9", "3\xB0 degr\xE9",
                                                      "4\xB0 degr\xE9"}));
    const std::size_t premier = avec.find("1\xB0 degr\xE9"), second = avec.find("2\xB0 degr\xE9");
    const std::size_t zoe = avec.find("Zoe PETIT");
    EXPECT_TRUE(zoe > premier && zoe < second) << avec;
    EXPECT_NE(avec.find("    Jacques GIRARD\n"), std::string::npos);  // allié au 4e degré
    EXPECT_EQ(avec.find("Tom"), std::string::npos);
    EXPECT_EQ(avec.find(", cousin"), std::string::npos);
    const std::string sans = texteListe(b, "Jean", sansDetails(), 0, 4, false);
    EXPECT_EQ(sans.find("Zoe"), std::string::npos);
    EXPECT_EQ(sans.find("Jacques"), std::string::npos);
    EXPECT_NE(sans.find("Lise GIRARD"), std::string::npos);
    EXPECT_NE(texteListe(b, "Jean", sansDetails(), 0, 0).find("    Tom GIRARD\n"), std::string::npos);
}

TEST(ListeCousins, parNomUneCousineAuQuatriemeDegreEtLesAscendantsSelonLOption) {
    BaseEssai b(famille());
    const std::string t = texteListe(b, "Jean", sansDetails(), 1, 4);
    EXPECT_NE(t.find("    Lise GIRARD, cousine au 4\xB0 degr\xE9\n"), std::string::npos) << t;
    EXPECT_NE(t.find("    Max GIRARD, cousin au 4\xB0 degr\xE9\n"), std::string::npos);
    EXPECT_EQ(titres(t), (std::vector<std::string>{"G", "L", "M", "P", "R"}));
    // Dans un groupe, par nom puis prénoms : Anne, Gaston, Pierre MOREAU.
    EXPECT_LT(t.find("Anne MOREAU"), t.find("Gaston MOREAU"));
    EXPECT_LT(t.find("Gaston MOREAU"), t.find("Pierre MOREAU"));
    DossierEssai d;
    auto l = essai::listeEssai<ListeCousins>(b, b.personne("Jean"));
    l->valeur(kAscendantsDirects) = std::uint8_t{0};
    const std::string sans = essai::ecrireListe(*l, b, sansDetails(), FormatSortie::Texte, d);
    for (const char* ascendant : {"Pierre", "Marie", "Gaston", "Berthe"}) EXPECT_EQ(sans.find(ascendant), std::string::npos);
    EXPECT_NE(sans.find("Anne MOREAU"), std::string::npos);
    Configuration details;
    details.donneesAutresListes = 3;
    EXPECT_NE(texteListe(b, "Jean", details, 1, 4).find("Gaston MOREAU (1880 - ..), cousin au 2\xB0 degr\xE9"),
              std::string::npos);
}

// Naissances : 1er février et 5 juin 1700, une période (l'estimation la remplace), 500 av. J.-C.,
// 2250 et une personne sans date ni estimation.
TEST(ListeCousins, parDateSieclesAuDelaDeLaTableAvantJCEtDateInconnueEnDernier) {
    GedcomEssai g;
    g.personne(1, "Paul /A/", 'M', "1 BIRT\n2 DATE 5 JUN 1700\n");
    g.personne(2, "Rose /B/", 'F', "1 BIRT\n2 DATE 1 FEB 1700\n");
    g.personne(3, "Jean /C/", 'M', "1 BIRT\n2 DATE BET 1750 AND 1760\n");
    g.personne(4, "Luc /D/", 'M', "1 BIRT\n2 DATE 500 B.C.\n");
    g.personne(5, "Ida /E/", 'F', "1 BIRT\n2 DATE 2250\n");
    g.personne(6, "Noe /F/", 'M');
    g.personne(7, "Eve /G/", 'F');
    g.famille(1, 2, {3, 4, 5, 6, 7});
    BaseEssai b(g.texte());
    std::vector<std::int16_t> annees(b.base().nombreIndividus() + 1, 9999);
    annees[static_cast<std::size_t>(b.personne("Jean"))] = 1701;  // l'estimation, pas la période
    annees[static_cast<std::size_t>(b.personne("Eve"))] = 3150;
    ReglesCousins r{.base = &b.base(), .racine = static_cast<std::uint32_t>(b.personne("Paul")),
                    .tri = TriCousins::Date, .anneesNaissance = &annees};
    const ListeCousinsConstruite l = construireListeCousins(r);
    EXPECT_EQ(l.titres, (std::vector<std::string>{"Avant J.C.", "XVIII\xB0 si\xE8" "cle", "XXIII\xB0 si\xE8" "cle",
                                                  "XXXII\xB0 si\xE8" "cle", "Date inconnue"}));
    std::vector<std::string> ordre;
    for (const EntreeCousin& e : l.entrees) ordre.push_back(e.prenoms);
    EXPECT_EQ(ordre, (std::vector<std::string>{"Luc", "Rose", "Jean", "Ida", "Eve", "Noe"}));
    EXPECT_EQ(siecleRomain(17), "XVIII\xB0");
    EXPECT_EQ(siecleRomain(99), "C\xB0");
    EXPECT_EQ(siecleRomain(327), "CCCXXVIII\xB0");
}

TEST(ListeCousins, parDateLeDocumentAttendLesAnneesEstimees) {
    BaseEssai b(famille());
    bool attendu = false;
    TablesDerivees tables = calculerTablesDerivees(b.base(), 2000);
    b.contexte.tablesDerivees = [&]() -> const TablesDerivees& {
        attendu = true;
        return tables;
    };
    texteListe(b, "Jean", sansDetails(), 0, 4);
    EXPECT_FALSE(attendu);
    const std::string t = texteListe(b, "Jean", sansDetails(), 2, 4);
    EXPECT_TRUE(attendu);
    EXPECT_NE(t.find("XIX\xB0 si\xE8" "cle"), std::string::npos) << t;  // Gaston, né en 1880
}

TEST(ListeCousins, parPaysDepartementPaysPuisMariageEtAutresLieuxEnDernier) {
    GedcomEssai g;
    g.personne(1, "Paul /A/", 'M', "1 BIRT\n2 PLAC Lyon, Rhone, France\n");
    g.personne(2, "Rose /B/", 'F', "1 DEAT\n2 PLAC Geneve, Suisse\n");
    g.personne(3, "Jean /C/", 'M');
    g.personne(4, "Anne /D/", 'F');
    g.personne(5, "Luc /E/", 'M', "1 BIRT\n2 PLAC Annecy, Haute-Savoie\n");
    g.personne(6, "Ida /F/", 'F');
    g.personne(7, "Noe /G/", 'M');
    g.famille(1, 2, {3, 5, 6, 7});
    g.famille(3, 4, {}, "1 MARR\n2 PLAC Bruxelles, Belgique\n");
    BaseEssai b(g.texte());
    const std::string t = texteListe(b, "Ida", sansDetails(), 3, 0);
    EXPECT_EQ(titres(t), (std::vector<std::string>{"Belgique", "Haute-Savoie", "Rh\xF4ne", "Suisse", "Autres lieux"}))
        << t;
    EXPECT_NE(t.find("Belgique\n    Jean C, cousin au 2\xB0 degr\xE9\n    Anne D, cousine au 3\xB0 degr\xE9\n"),
              std::string::npos) << t;
    EXPECT_NE(t.find("Autres lieux\n    Noe G"), std::string::npos);
}

CategorieAutomate automate(const std::string& definition) {
    return *CategorieAutomate::lire(CategorieCompilateur(CategorieDefinition::lire(definition), true).image());
}

TEST(ListeCousins, parCategorieOrdreDesCategoriesAutresPuisSansProfession) {
    GedcomEssai g;
    g.personne(1, "Paul /A/", 'M', "1 OCCU marin\n");
    g.personne(2, "Rose /B/", 'F', "1 OCCU Sans profession\n");
    g.personne(3, "Jean /C/", 'M', "1 OCCU laboureur\n");
    g.personne(4, "Anne /D/", 'F', "1 OCCU notaire\n");
    g.personne(5, "Luc /E/", 'M');
    g.personne(6, "Ida /F/", 'F', "1 OCCU marin pecheur\n");
    g.famille(1, 2, {3, 4, 5, 6});
    BaseEssai b(g.texte());
    CategorieAutomate a = automate("Terre\r\n\tlaboureur\r\nMer\r\n\tmarin\r\n");
    ReglesCousins r{.base = &b.base(), .racine = static_cast<std::uint32_t>(b.personne("Luc")),
                    .tri = TriCousins::Categorie, .categories = &a};
    const ListeCousinsConstruite l = construireListeCousins(r);
    EXPECT_EQ(l.titres, (std::vector<std::string>{"Terre", "Mer", "Autres professions", "Sans profession"}));
    std::vector<std::pair<std::string, std::uint32_t>> groupes;
    for (const EntreeCousin& e : l.entrees) groupes.emplace_back(e.prenoms, e.groupe);
    EXPECT_EQ(groupes, (decltype(groupes){{"Jean", 0}, {"Paul", 1}, {"Ida", 1}, {"Anne", 2}, {"Rose", 3}}));
}

TEST(ListeCousins, sansParentListeVideEtAucunFichier) {
    GedcomEssai g;
    g.personne(1, "Paul /SEUL/", 'M');
    BaseEssai b(g.texte());
    DossierEssai d;
    auto l = essai::listeEssai<ListeCousins>(b, b.personne("Paul"));
    try {
        essai::ecrireListe(*l, b, Configuration{}, FormatSortie::Texte, d);
        ADD_FAILURE() << "liste écrite";
    } catch (const OperationImpossible& e) {
        EXPECT_EQ(std::string(e.what()), "Liste vide");
    }
    EXPECT_TRUE(fs::is_empty(d.chemin()));
}

TEST(ListeCousins, rtfTitresCentresWebValidePdfValide) {
    BaseEssai b(famille());
    DossierEssai d;
    auto l = essai::listeEssai<ListeCousins>(b, b.personne("Jean"));
    l->valeur(kDegreMaximal) = std::uint16_t{4};
    const std::string rtf = essai::ecrireListe(*l, b, sansDetails(), FormatSortie::Rtf, d);
    EXPECT_EQ(essai::defautDeStructureRtf(rtf), "");
    EXPECT_NE(rtf.find("{\\qc \\b1 4\\'b0 degr\\'e9\\b0 \\par}"), std::string::npos) << rtf;
    const std::string html = essai::ecrireListe(*l, b, sansDetails(), FormatSortie::Web, d);
    EXPECT_NE(html.find("<title>Liste de cousins</title>"), std::string::npos);
    if (essai::validateurHtmlPresent()) EXPECT_EQ(essai::erreursDeValidationHtml(d, l->chemin), "");
    essai::ecrireListe(*l, b, sansDetails(), FormatSortie::Pdf, d);
    EXPECT_EQ(std::system(("qpdf --check '" + l->chemin + "' >/dev/null 2>&1").c_str()), 0);
}

// Parcours indépendant : distances en largeur sur tous les liens (père, mère, enfants trouvés
// par les parents, conjoints trouvés par les fiches Famille), et distances de sang par le plus
// proche ancêtre commun (montée puis descente).
struct Distances {
    std::map<std::uint32_t, int> toutes, sang;
};

Distances distancesIndependantes(const BaseGenealogique& base, std::uint32_t racine, int maximum) {
    const std::uint32_t n = base.nombreIndividus();
    std::vector<std::vector<std::uint32_t>> parents(n + 1), enfants(n + 1), conjoints(n + 1);
    for (std::uint32_t p = 1; p <= n; ++p) {
        const Individu i = base.LireIndividu(p);
        for (std::uint32_t q : {i.pere, i.mere})
            if (q) {
                parents[p].push_back(q);
                enfants[q].push_back(p);
            }
    }
    for (std::uint32_t f = 1; f <= base.nombreFamilles(); ++f) {
        const Famille fam = base.LireFamille(f);
        if (fam.conjoint == 0 || fam.ficheDuConjoint == 0) continue;
        const std::uint32_t titulaire = base.LireFamille(fam.ficheDuConjoint).conjoint;
        if (titulaire) conjoints[titulaire].push_back(fam.conjoint);
    }
    Distances d;
    std::queue<std::uint32_t> file;
    d.toutes[racine] = 0;
    for (file.push(racine); !file.empty(); file.pop()) {
        const std::uint32_t p = file.front();
        if (d.toutes[p] == maximum) continue;
        for (const auto* voisins : {&parents[p], &enfants[p], &conjoints[p]})
            for (std::uint32_t q : *voisins)
                if (!d.toutes.count(q)) {
                    d.toutes[q] = d.toutes[p] + 1;
                    file.push(q);
                }
    }
    std::map<std::uint32_t, int> montee{{racine, 0}};
    for (file.push(racine); !file.empty(); file.pop())
        for (std::uint32_t q : parents[file.front()])
            if (!montee.count(q)) {
                montee[q] = montee[file.front()] + 1;
                file.push(q);
            }
    // Descente depuis chaque ancêtre, à partir de sa distance de montée (Dijkstra à pas de 1).
    using Paire = std::pair<int, std::uint32_t>;
    std::priority_queue<Paire, std::vector<Paire>, std::greater<>> tas;
    for (const auto& [a, m] : montee) tas.push({m, a});
    while (!tas.empty()) {
        const auto [m, p] = tas.top();
        tas.pop();
        if (m > maximum || d.sang.count(p)) continue;
        d.sang[p] = m;
        for (std::uint32_t e : enfants[p]) tas.push({m + 1, e});
    }
    d.toutes.erase(racine);
    d.sang.erase(racine);
    return d;
}

void comparerAuParcoursIndependant(const fs::path& fichier, const std::string& identifiant) {
    IdentifiantsPersonnes ids;
    OptionsImport options;
    options.apresBalayage = [&](RegistresBalayage& r) { ids.retenir(r); };
    const ResultatImport import = ImporterGedcom(fichier, options);
    const std::uint32_t racine = ids.numero(import.base, identifiant);
    ASSERT_NE(racine, 0u);
    const Distances attendu = distancesIndependantes(import.base, racine, 6);
    for (bool alliances : {true, false}) {
        ReglesCousins r{.base = &import.base, .racine = racine, .degreMax = 6, .alliances = alliances};
        std::set<std::tuple<std::uint32_t, int, bool>> obtenu, voulu;
        for (const EntreeCousin& e : construireListeCousins(r).entrees) obtenu.insert({e.personne, e.degre, e.alliance});
        if (alliances) {
            for (const auto& [p, t] : attendu.toutes) {
                auto s = attendu.sang.find(p);
                voulu.insert({p, t, s == attendu.sang.end() || s->second > t});
            }
        } else {
            for (const auto& [p, s] : attendu.sang) voulu.insert({p, s, false});
        }
        EXPECT_GT(voulu.size(), 20u);
        EXPECT_EQ(obtenu, voulu) << fichier << (alliances ? " avec" : " sans") << " alliances";
    }
}

// Fichiers réels (../shared/testdata/gedcom, sautés sans eux).
TEST(ListeCousins, royal92EtPres2020AuSixiemeDegreEgalentUnParcoursIndependant) {
    const fs::path dossier(LIGNARA_DOSSIER_TESTDATA);
    const fs::path royal = dossier / "porges-mdf/royal92.ged", pres = dossier / "dj-gedcom-samples/pres2020.ged";
    if (!fs::exists(royal) || !fs::exists(pres)) GTEST_SKIP() << "fichiers réels absents de " << dossier;
    comparerAuParcoursIndependant(royal, "@I1@");
    comparerAuParcoursIndependant(royal, "@I52@");
    comparerAuParcoursIndependant(pres, "@I1@");
}

}  // namespace
}  // namespace lignara
