// Listes des cousins et des branches.
#include "documents/listes/ListeBranches.h"
#include "documents/listes/ListeCousins.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <queue>
#include <set>
#include <tuple>

#include "GedcomEssai.h"
#include "ListesEssai.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/ArbreEssai.h"
#include "support/Message.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::DossierEssai;
using essai::GedcomEssai;

// Gaston (1) ∞ Berthe (2) : Pierre (3), Anne (4). Pierre ∞ Marie (5) : Jean (6), la racine,
// ∞ Zoé (7). Anne ∞ Jacques (8) : Max (9), Lise (10). Max ∞ Nina (11) : Tom (12).
std::string famille() {
    GedcomEssai g;
    const char* noms[] = {"Gaston /MOREAU/", "Berthe /LEBLANC/", "Pierre /MOREAU/", "Anne /MOREAU/",
                          "Marie /ROUX/",    "Jean /MOREAU/",    "Zoe /PETIT/",     "Jacques /GIRARD/",
                          "Max /GIRARD/",    "Lise /GIRARD/",    "Nina /BLANC/",    "Tom /GIRARD/"};
    for (int n = 1; n <= 12; ++n)
        g.personne(n, noms[n - 1], std::string("MFMFFMFMMFFM")[n - 1], n == 1 ? "1 BIRT\n2 DATE 1880\n" : "");
    g.famille(1, 2, {3, 4});
    g.famille(3, 5, {6});
    g.famille(6, 7, {});
    g.famille(8, 4, {9, 10});
    g.famille(9, 11, {12});
    return g.texte();
}

Configuration donnees(std::uint8_t bits) {
    Configuration c;
    c.donneesAutresListes = bits;
    return c;
}

std::string texteListe(BaseEssai& b, std::uint8_t tri, std::uint16_t degre, bool alliances = true,
                       bool ascendants = true, const Configuration& c = donnees(0), const char* racine = "Jean") {
    DossierEssai d;
    auto l = essai::listeEssai<ListeCousins>(b, b.personne(racine));
    l->valeur(kTriCousins) = tri;
    l->valeur(kDegreMaximal) = degre;
    l->valeur(kCousinsParAlliance) = static_cast<std::uint8_t>(alliances);
    l->valeur(kAscendantsDirects) = static_cast<std::uint8_t>(ascendants);
    return essai::ecrireListe(*l, b, c, FormatSortie::Texte, d);
}

// Titres des groupes : la ligne qui suit chaque ligne de tirets.
std::vector<std::string> titres(const std::string& texte) {
    std::vector<std::string> t;
    const std::string tirets = std::string(60, '-') + "\n";
    for (std::size_t p = texte.find(tirets); p != std::string::npos; p = texte.find(tirets, p + 1))
        t.push_back(texte.substr(p + 61, texte.find('\n', p + 61) - p - 61));
    return t;
}

TEST(ListeCousins, parDegreEtParNomAlliesEtAscendantsSelonLesOptions) {
    BaseEssai b(famille());
    const std::string avec = texteListe(b, 0, 4);
    EXPECT_EQ(titres(avec),
              (std::vector<std::string>{"1\xB0 degr\xE9", "2\xB0 degr\xE9", "3\xB0 degr\xE9", "4\xB0 degr\xE9"}));
    EXPECT_LT(avec.find("Zoe PETIT"), avec.find("2\xB0 degr\xE9"));
    EXPECT_EQ(avec.find("Tom"), std::string::npos);
    EXPECT_EQ(texteListe(b, 0, 4, false).find("Zoe"), std::string::npos);

    const std::string nom = texteListe(b, 1, 4);
    EXPECT_NE(nom.find("    Lise GIRARD, cousine au 4\xB0 degr\xE9\n"), std::string::npos) << nom;
    EXPECT_EQ(titres(nom), (std::vector<std::string>{"G", "L", "M", "P", "R"}));
    EXPECT_EQ(texteListe(b, 1, 4, true, false).find("Gaston"), std::string::npos);
    EXPECT_NE(texteListe(b, 1, 4, true, true, donnees(3)).find("Gaston MOREAU (1880 - ..), cousin au 2\xB0 degr\xE9"),
              std::string::npos);
}

// Naissances : 5 juin et 1er février 1700, une période (l'estimation la remplace), 500 av.
// J.-C., 2250, une estimation de 3150 et une personne sans date ni estimation.
TEST(ListeCousins, parDateSieclesAuDelaDeLaTableAvantJCEtDateInconnue) {
    GedcomEssai g;
    const char* dates[] = {"5 JUN 1700", "1 FEB 1700", "BET 1750 AND 1760", "500 B.C.", "2250", "", ""};
    const char* prenoms[] = {"Paul", "Rose", "Jean", "Luc", "Ida", "Noe", "Eve"};
    for (int n = 1; n <= 7; ++n)
        g.personne(n, std::string(prenoms[n - 1]) + " /X/", n % 2 ? 'M' : 'F',
                   *dates[n - 1] ? std::string("1 BIRT\n2 DATE ") + dates[n - 1] + "\n" : "");
    g.famille(1, 2, {3, 4, 5, 6, 7});
    BaseEssai b(g.texte());
    std::vector<std::int16_t> annees(b.base().nombreIndividus() + 1, 9999);
    annees[static_cast<std::size_t>(b.personne("Jean"))] = 1701;
    annees[static_cast<std::size_t>(b.personne("Eve"))] = 3150;
    ReglesCousins r{.base = &b.base(), .racine = 1, .tri = TriCousins::Date, .anneesNaissance = &annees};
    const ListeCousinsConstruite l = construireListeCousins(r);
    auto siecle = [](const char* romain) { return std::string(romain) + "\260 si\350cle"; };
    EXPECT_EQ(l.titres, (std::vector<std::string>{"Avant J.C.", siecle("XVIII"), siecle("XXIII"), siecle("XXXII"),
                                                  "Date inconnue"}));
    std::vector<std::string> ordre;
    for (const EntreeCousin& e : l.entrees) ordre.push_back(e.prenoms);
    EXPECT_EQ(ordre, (std::vector<std::string>{"Luc", "Rose", "Jean", "Ida", "Eve", "Noe"}));
}

TEST(ListeCousins, parPaysDepartementPaysMariageEtAutresLieux) {
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
    const std::string t = texteListe(b, 3, 0, true, true, donnees(0), "Ida");
    EXPECT_EQ(titres(t), (std::vector<std::string>{"Belgique", "Haute-Savoie", "Rh\xF4ne", "Suisse", "Autres lieux"}));
    EXPECT_NE(t.find("Belgique\n    Jean C, cousin au 2\xB0 degr\xE9\n    Anne D, cousine au 3\xB0 degr\xE9\n"),
              std::string::npos)
        << t;
}

TEST(ListeCousins, uneListeVideNeDonneQueSonMessage) {
    GedcomEssai g;
    g.personne(1, "Ida /SEULE/", 'F');
    BaseEssai seule(g.texte());
    EXPECT_THROW(texteListe(seule, 0, 0, true, true, donnees(0), "Ida"), OperationImpossible);
}

// Parcours indépendant : distances en largeur sur tous les liens (enfants trouvés par leurs
// parents, conjoints par les fiches Famille), et distances de sang par le plus proche ancêtre
// commun (montée la plus courte vers chaque ancêtre, puis descente, par Dijkstra).
std::set<std::tuple<std::uint32_t, int, bool>> attendus(const BaseGenealogique& base, std::uint32_t racine,
                                                        bool alliances) {
    const std::uint32_t n = base.nombreIndividus();
    std::vector<std::vector<std::uint32_t>> parents(n + 1), enfants(n + 1), voisins(n + 1);
    for (std::uint32_t p = 1; p <= n; ++p)
        for (std::uint32_t q : {base.LireIndividu(p).pere, base.LireIndividu(p).mere})
            if (q) parents[p].push_back(q), enfants[q].push_back(p), voisins[p].push_back(q), voisins[q].push_back(p);
    for (std::uint32_t f = 1; f <= base.nombreFamilles(); ++f) {
        const Famille fam = base.LireFamille(f);
        if (fam.conjoint && fam.ficheDuConjoint)
            voisins[base.LireFamille(fam.ficheDuConjoint).conjoint].push_back(fam.conjoint);
    }
    std::map<std::uint32_t, int> toutes{{racine, 0}}, montee{{racine, 0}}, sang;
    std::queue<std::uint32_t> file;
    for (file.push(racine); !file.empty(); file.pop())
        for (std::uint32_t q : voisins[file.front()])
            if (!toutes.count(q) && toutes[file.front()] < 6) toutes[q] = toutes[file.front()] + 1, file.push(q);
    for (file.push(racine); !file.empty(); file.pop())
        for (std::uint32_t q : parents[file.front()])
            if (!montee.count(q)) montee[q] = montee[file.front()] + 1, file.push(q);
    std::priority_queue<std::pair<int, std::uint32_t>, std::vector<std::pair<int, std::uint32_t>>, std::greater<>> tas;
    for (const auto& [a, m] : montee) tas.push({m, a});
    for (; !tas.empty(); tas.pop()) {
        const auto [m, p] = tas.top();
        if (m > 6 || sang.count(p)) continue;
        sang[p] = m;
        for (std::uint32_t e : enfants[p]) tas.push({m + 1, e});
    }
    std::set<std::tuple<std::uint32_t, int, bool>> s;
    for (const auto& [p, t] : alliances ? toutes : sang)
        if (p != racine) s.insert({p, t, !sang.count(p) || sang[p] > t});
    return s;
}

// Fichiers réels (sautés sans eux) : l'ensemble (personne, degré,
// alliance) de la liste au 6e degré, avec et sans alliés.
TEST(ListeCousins, royal92EtPres2020AuSixiemeDegreEgalentUnParcoursIndependant) {
    FICHIER_REEL(royal, "porges-mdf/royal92.ged");
    FICHIER_REEL(pres, "dj-gedcom-samples/pres2020.ged");
    for (const auto& [fichier, identifiant] : {std::pair{&royal, "@I1@"}, {&royal, "@I52@"}, {&pres, "@I1@"}}) {
        const auto racine = static_cast<std::uint32_t>(fichier->personne(identifiant));
        for (bool alliances : {true, false}) {
            ReglesCousins r{.base = &fichier->base(), .racine = racine, .degreMax = 6, .alliances = alliances};
            std::set<std::tuple<std::uint32_t, int, bool>> obtenu;
            for (const EntreeCousin& e : construireListeCousins(r).entrees)
                obtenu.insert({e.personne, e.degre, e.alliance});
            const auto voulu = attendus(fichier->base(), racine, alliances);
            EXPECT_GT(voulu.size(), 20u);
            EXPECT_EQ(obtenu, voulu) << fichier->chemin << " " << identifiant << (alliances ? " avec" : " sans")
                                     << " alliés";
        }
    }
}

// Texte de la liste des branches (sans tête) avec ce tri et ces données affichées.
std::string ecrire(BaseEssai& b, std::uint8_t tri, std::uint8_t bits = 0) {
    DossierEssai d;
    auto l = essai::listeEssai<ListeBranches>(b);
    l->valeur(kTriBranches) = tri;
    return essai::ecrireListe(*l, b, donnees(bits), FormatSortie::Texte, d);
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
