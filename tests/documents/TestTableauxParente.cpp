// Lien de parenté, consanguinités, tableau ascendant et proches parents : grilles, blocs, refus.
#include <gtest/gtest.h>

#include <fstream>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "BaseEssai.h"
#include "GedcomEssai.h"
#include "GenealogieArbre.h"
#include "support/Programme.h"
#include "ListesEssai.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/tableaux/LienDeParente.h"
#include "documents/tableaux/TableauConsanguinites.h"
#include "documents/tableaux/ProchesParents.h"
#include "documents/tableaux/TableauAscendant.h"
#include "support/Message.h"
#include "render/OutilsPdf.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::BaseEssai;
using essai::DossierEssai;

// Henri × Berthe → Pierre (et Hugo, avec les proches) ; Pierre × Marie → Jean, Paul ;
// Pierre × Anne → Luc ; Jean × Sophie → Louis ; Claire seule. Hugo est père d'Igor (mère inconnue).
std::string gedcomFamille(bool proches = false) {
    essai::GedcomEssai g;
    const char* prenoms[] = {"Pierre", "Marie",  "Jean",  "Paul",   "Anne", "Luc", "Sophie",
                             "Louis",  "Claire", "Henri", "Berthe", "Hugo", "Igor"};
    for (int n = 1; n <= (proches ? 13 : 11); ++n)
        g.personne(n, std::string(prenoms[n - 1]) + " /DUPONT/", "MFMMFMFMFMFMM"[n - 1]);
    g.famille(1, 2, {3, 4});
    g.famille(1, 5, {6});
    g.famille(3, 7, {8});
    g.famille(10, 11, proches ? std::vector<int>{1, 12} : std::vector<int>{1});
    if (proches) g.famille(12, 0, {13});
    return g.texte();
}

template <class D>
std::unique_ptr<D> document(BaseEssai& b) {
    return essai::listeEssai<D>(b);
}

std::unique_ptr<LienDeParente> lien(BaseEssai& b, const char* premiere, const char* seconde) {
    auto d = document<LienDeParente>(b);
    d->valeur(kRacine) = b.personne(premiere);
    d->valeur(kSeconde) = b.personne(seconde);
    return d;
}

// Prénoms des cases de la rangée, de gauche à droite.
std::string rangee(const BaseEssai& b, const LienDeParente& d, std::size_t r) {
    std::map<std::int32_t, std::string> parX;
    for (const auto& c : d.cases())
        if (c.rangee == r) parX[c.boite.x] = c.boite.personne ? essai::prenoms(b.base(), c.boite.personne) : "?";
    std::string s;
    for (const auto& [x, p] : parX) s += (s.empty() ? "" : " ") + p;
    return s;
}

// Raccords vers un enfant : « parents -> enfant », ou « gauche - droite » pour un couple seul.
std::multiset<std::string> raccords(const BaseEssai& b, const LienDeParente& d) {
    auto nom = [&](int i) {
        const auto p = d.cases()[static_cast<std::size_t>(i)].boite.personne;
        return p ? essai::prenoms(b.base(), p) : std::string("?");
    };
    std::multiset<std::string> s;
    for (const auto& r : d.raccords()) {
        std::string t = nom(r.gauche);
        if (r.droite >= 0) t += "+" + nom(r.droite);
        s.insert(r.enfant >= 0 ? t + "->" + nom(r.enfant) : t);
    }
    return s;
}

std::string ecrire(Document& d, BaseEssai& b, FormatSortie f, const DossierEssai& dossier, const std::string& nom,
                   const Configuration& preferences = {}) {
    return essai::ecrireListe(d, b, preferences, f, dossier, nom);
}

TEST(LienDeParente, grillesDesCasClassiques) {
    BaseEssai b(gedcomFamille());
    DossierEssai dossier;
    struct Cas {
        const char *premiere, *seconde;
        std::vector<std::string> rangees;
        std::multiset<std::string> raccords;
    };
    const Cas cas[] = {
        // Frères : le couple des parents, puis les deux frères.
        {"Jean", "Paul", {"Pierre Marie", "Jean Paul"}, {"Pierre+Marie", "Pierre+Marie->Jean", "Pierre+Marie->Paul"}},
        // Demi-frères par le père : le père entre ses deux épouses.
        {"Jean",
         "Luc",
         {"Marie Pierre Anne", "Jean Luc"},
         {"Marie+Pierre", "Pierre+Anne", "Pierre+Marie->Jean", "Pierre+Anne->Luc"}},
        // Le grand-père : la seconde lignée est vide, la première a deux personnes.
        {"Louis",
         "Pierre",
         {"Pierre Marie", "Jean Sophie", "Louis"},
         {"Pierre+Marie", "Pierre+Marie->Jean", "Jean+Sophie->Louis"}},
        // Conjoints : la première personne puis la seconde, reliées.
        {"Jean", "Sophie", {"Jean Sophie"}, {"Jean+Sophie"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.premiere) + " / " + c.seconde);
        auto d = lien(b, c.premiere, c.seconde);
        ASSERT_TRUE(d->verifierParametres(b.contexte));
        ecrire(*d, b, FormatSortie::Pdf, dossier, "tp");
        std::vector<std::string> lues;
        for (std::size_t r = 0; r < c.rangees.size() + 1; ++r)
            if (!rangee(b, *d, r).empty()) lues.push_back(rangee(b, *d, r));
        EXPECT_EQ(lues, c.rangees);
        EXPECT_EQ(raccords(b, *d), c.raccords);
        // Hauteur du bloc : 880 + 1056 × la plus longue lignée (sans bande de signature vide).
        EXPECT_EQ(d->hauteur - (d->signatureEnHaut() ? 704 : 0), 880 + 1056 * static_cast<int>(c.rangees.size() - 1));
        essai::controlerPdf(d->chemin);
    }
}

// Une personne avec sa photo : posée dans sa case du lien de parenté.
TEST(LienDeParente, laPhotoDUnePersonneEstPoseeDansSaCase) {
    DossierEssai dossier;
    fs::create_directories(dossier / "photos");
    dossier.ecrire("photos/pierre.jpg", essais::jpegBlanc(30, 40));
    BaseEssai b(BaseEssai::DepuisChemin{}, dossier.ecrire("photo.ged",
                                                          "0 HEAD\n1 CHAR ANSI\n"
                                                          "0 @I1@ INDI\n1 NAME Pierre /DUPONT/\n1 SEX M\n1 FAMS @F1@\n"
                                                          "1 OBJE\n2 FILE photos/pierre.jpg\n"
                                                          "0 @I2@ INDI\n1 NAME Jean /DUPONT/\n1 SEX M\n1 FAMC @F1@\n"
                                                          "0 @F1@ FAM\n1 HUSB @I1@\n1 CHIL @I2@\n0 TRLR\n"));
    auto d = lien(b, "Jean", "Pierre");
    const std::string pdf = ecrire(*d, b, FormatSortie::Pdf, dossier, "photo");
    EXPECT_NE(pdf.find("/Subtype /Image"), std::string::npos);
    EXPECT_TRUE(b.messages.empty());
}

TEST(LienDeParente, refusAvantToutFichierEtPageWeb) {
    BaseEssai b(gedcomFamille());
    DossierEssai dossier;
    auto meme = lien(b, "Jean", "Jean");
    EXPECT_FALSE(meme->verifierParametres(b.contexte));
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0], "Erreur : les deux personnes doivent être différentes"_1252);

    auto seul = lien(b, "Jean", "Claire");
    seul->chemin = (dossier / "rien.pdf").string();
    EXPECT_EQ(essai::messageDe([&] { seul->preparer(b.contexte); }),
              "Il n'y a aucun lien de parenté entre ces deux personnes"_1252);
    EXPECT_FALSE(fs::exists(dossier / "rien.pdf"));
}

// Cas de consanguinité d'un GEDCOM, triés par degré, tels que le document les prépare.
std::unique_ptr<TableauConsanguinites> consanguinites(BaseEssai& b, std::uint8_t tri = 0) {
    auto d = document<TableauConsanguinites>(b);
    d->valeur(kTriConsanguinites) = tri;
    return d;
}

// Cousins germains mariés : Gaston × Gilberte → Albert, Berthe ; Albert × Alice → Charles ;
// Berthe × Bernard → Denise ; Charles × Denise → Emile et Eva. Puis Henri × Hélène → Karine,
// et Henri × Karine → Léon (un père et sa fille). Puis Marc × Mona → Noël, Odile ; Noël → Paul ;
// Odile → Quentin → Rose ; Paul × Rose → Simon (lignées de 2 et 3).
std::string gedcomConsanguins() {
    essai::GedcomEssai g;
    const char* prenoms[] = {"Gaston", "Gilberte", "Albert", "Berthe",  "Alice",  "Bernard", "Charles", "Denise",
                             "Emile",  "Eva",      "Henri",  "Hélène",  "Karine", "Léon",    "Marc",    "Mona",
                             "Noël",   "Odile",    "Paul",   "Quentin", "Rose",   "Simon"};
    for (int n = 1; n <= 22; ++n)
        g.personne(n, std::string(prenoms[n - 1]) + " /DUPONT/", "MFMFFMMFMFMFFMMFMFMMFM"[n - 1]);
    const std::tuple<int, int, std::vector<int>> familles[] = {
        {1, 2, {3, 4}},     {3, 5, {7}},   {6, 4, {8}},   {7, 8, {9, 10}}, {11, 12, {13}}, {11, 13, {14}},
        {15, 16, {17, 18}}, {17, 0, {19}}, {0, 18, {20}}, {20, 0, {21}},   {19, 21, {22}}};
    for (const auto& [mari, femme, enfants] : familles) g.famille(mari, femme, enfants);
    std::string t = g.texte();
    return t.replace(t.find("ANSI"), 4, "UTF-8");  // prénoms accentués écrits ici en UTF-8
}

TEST(TableauConsanguinites, casColonnesEtLignéesVides) {
    BaseEssai b(gedcomConsanguins());
    DossierEssai dossier;
    auto d = consanguinites(b);
    ecrire(*d, b, FormatSortie::Pdf, dossier, "tc");
    essai::controlerPdf(d->chemin);
    ASSERT_EQ(d->blocs().size(), 3u);
    auto prenom = [&](int i) {
        const auto p = d->boites()[static_cast<std::size_t>(i)].personne;
        return p ? essai::prenoms(b.base(), p) : std::string("?");
    };
    // Degré 1 (père et fille) d'abord, puis 4, puis 5 ; les lignées des cousins sont lues dans le texte.
    std::vector<std::string> sommets;
    for (const auto& bloc : d->blocs()) sommets.push_back(prenom(bloc.sommet));
    ASSERT_EQ(sommets, (std::vector<std::string>{"Henri", "Gaston", "Marc"}));
    // Un père et sa fille : une lignée vide, sans division par zéro ; la base sous le couple.
    const auto& pere = d->blocs()[0];
    EXPECT_EQ(pere.lignes[0].size() + pere.lignes[1].size(), 1u);
    EXPECT_EQ(pere.espace, 704 + 2 * 352);
    EXPECT_EQ(prenom(pere.base), "Léon"_1252);
    // Au sommet, Henri et la mère de Karine, par qui descend la lignée ; pas de conjoint pour la
    // lignée vide (Karine est déjà dans l'autre).
    const int pleine = pere.lignes[0].empty() ? 1 : 0;
    EXPECT_EQ(pere.conjoints[1 - pleine], -1);
    EXPECT_EQ(prenom(pere.conjoints[pleine]), "Hélène"_1252);
}

TEST(TableauConsanguinites, texteDUnCasEtAucunCasSansFichier) {
    BaseEssai b(gedcomConsanguins());
    DossierEssai dossier;
    auto d = consanguinites(b);
    const std::string texte = ecrire(*d, b, FormatSortie::Texte, dossier, "tc");
    const std::string attendu =
        "Consanguinit\xE9 2, degr\xE9 4\nSommet : DUPONT Gaston\n    x DUPONT Gilberte\n"
        "Premi\xE8re lign\351e :\n    1. DUPONT Berthe\n    2. DUPONT Denise\n"
        "Seconde lign\351e :\n    1. DUPONT Albert\n    2. DUPONT Charles\nBase : DUPONT Emile (2 enfants)\n";
    EXPECT_NE(texte.find(attendu), std::string::npos) << texte;
    EXPECT_NE(texte.find("(le sommet lui-m\xEAme)"), std::string::npos) << texte;

    // Sans aucun cas : le message, et aucun fichier.
    BaseEssai sans(gedcomFamille());
    auto vide = consanguinites(sans);
    vide->chemin = (dossier / "vide.txt").string();
    EXPECT_EQ(essai::messageDe([&] { vide->preparer(sans.contexte); }),
              "Le fichier ne contient aucun lien de parenté consanguin"_1252);
    EXPECT_FALSE(fs::exists(dossier / "vide.txt"));
}

// Préférences dont les marges ne laissent, sur A4 portrait, que la hauteur donnée.
Configuration hauteurUtile(int hauteur) {
    Configuration c;
    c.margeHaut = c.margeBas = static_cast<std::uint16_t>((13024 - hauteur) / 2);
    return c;
}

std::unique_ptr<TableauAscendant> tableau(BaseEssai& b, std::int32_t racine) {
    auto d = document<TableauAscendant>(b);
    d->valeur(kRacine) = racine;
    return d;
}

TEST(TableauAscendant, blocsDeCinqGenerationsEtRenvois) {
    BaseEssai b(essai::gedcomSosa(6));
    DossierEssai dossier;
    auto d = tableau(b, b.personne("P1"));
    const Configuration cinq = hauteurUtile(1500);  // 2^4 rangées de 64 y tiennent, pas 2^5
    const std::string page = ecrire(*d, b, FormatSortie::Web, dossier, "ta", cinq);
    ASSERT_EQ(d->generationsParBloc(), 5);
    // Bloc 1 : Sosa 1 à 31 ; chacun des 16 ancêtres de la 5e génération a des parents et ouvre
    // son bloc, le 16 le premier.
    const auto& blocs = d->blocs();
    ASSERT_EQ(blocs.size(), 17u);
    EXPECT_EQ(std::tuple(blocs[0].colonnes[4][0].sosa, blocs[0].colonnes[4][0].suite), std::tuple(16u, 2));
    EXPECT_EQ(std::tuple(blocs[1].colonnes[0][0].sosa, blocs[1].depuis, blocs[1].generation), std::tuple(16u, 1, 5u));
    // Le bloc 2 va jusqu'aux parents de 16 (32, 33), puis des cases vides.
    EXPECT_EQ(std::tuple(blocs[1].colonnes[1][0].sosa, blocs[1].colonnes[2][0].personne), std::tuple(32u, 0u));
    EXPECT_NE(page.find("href=\"#B2\""), std::string::npos);
    essai::controlerPageHtml(d->chemin);
    // A3 portrait : 2^8 rangées de 64 tiennent dans sa hauteur utile, d'où 9 générations par bloc.
    auto a3 = tableau(b, b.personne("P1"));
    a3->valeur(kFormatPage) = std::uint16_t{1706};
    ecrire(*a3, b, FormatSortie::Web, dossier, "a3", Configuration{});
    EXPECT_EQ(a3->generationsParBloc(), 9);
}

// Implexe : le grand-père commun aux deux parents (demi-frère et sœur) n'a qu'un bloc ; ses deux
// cases y renvoient. Au-delà de la 64e génération, le numéro s'écrit « *** ».
TEST(TableauAscendant, unBlocParPersonneEtNumerosAuDelaDe64) {
    // 1 ← 2 × 3 ; 2 ← 4 × 5 ; 3 ← 4 × 6 ; 4 ← 7.
    BaseEssai b(essai::gedcomDeLiens(7, {{1, 2, 3}, {2, 4, 5}, {3, 4, 6}, {4, 7, 0}}));
    DossierEssai dossier;
    auto d = tableau(b, b.personne("P1"));
    ecrire(*d, b, FormatSortie::Web, dossier, "implexe", hauteurUtile(200));
    ASSERT_EQ(d->generationsParBloc(), 2);
    const auto& blocs = d->blocs();
    ASSERT_EQ(blocs.size(), 4u);  // 1, 2 (P2), 3 (P3), 4 (P4)
    EXPECT_EQ(blocs[1].colonnes[1][0].suite, 4);
    EXPECT_EQ(blocs[2].colonnes[1][0].suite, 4);
    EXPECT_EQ(blocs[3].colonnes[0][0].sosa, 4u);  // première apparition : 4, pas 6

    std::vector<essai::LienParents> lignee;
    for (int k = 1; k < 70; ++k) lignee.push_back({k, k + 1, 0});
    BaseEssai longue(essai::gedcomDeLiens(70, lignee));
    auto l = tableau(longue, longue.personne("P1"));
    l->valeur(kFormatPage) = std::uint16_t{1701};  // lu « Non paginé »
    const std::string rtf = ecrire(*l, longue, FormatSortie::Rtf, dossier, "longue");
    EXPECT_EQ(l->generationsParBloc(), 8);
    std::map<std::uint32_t, std::string> numeros;  // par génération
    for (const auto& bloc : l->blocs())
        for (std::size_t c = 0; c < bloc.colonnes.size(); ++c)
            if (bloc.colonnes[c][0].personne)
                numeros[bloc.generation + static_cast<std::uint32_t>(c)] =
                    TableauAscendant::numero(bloc.colonnes[c][0]);
    EXPECT_EQ(numeros.size(), 70u);
    EXPECT_EQ(std::tuple(numeros[64], numeros[65], numeros[70]), std::tuple("9223372036854775808", "***", "***"));
    EXPECT_EQ(essai::defautDeStructureRtf(rtf), "");
}

// Parties : titre puis prénoms, dans l'ordre des colonnes.
std::string parties(const BaseEssai& b, const ProchesParents& d) {
    std::string s;
    for (int p = 0; p < ProchesParents::kNombreParties; ++p) {
        const auto& x = d.partie(static_cast<ProchesParents::Place>(p));
        if (x.proches.empty()) continue;
        s += (s.empty() ? "" : " | ") + x.titre + ":";
        for (const auto& q : x.proches)
            s += " " + std::string(static_cast<std::size_t>(q.niveau), '.') + essai::prenoms(b.base(), q.personne);
    }
    return s;
}

TEST(ProchesParents, partiesTitresEtProfondeurs) {
    BaseEssai b(gedcomFamille(true));
    DossierEssai dossier;
    auto d = document<ProchesParents>(b);
    d->valeur(kRacine) = b.personne("Jean");
    ecrire(*d, b, FormatSortie::Web, dossier, "pp");
    // Luc, demi-frère, n'est montré qu'une fois ; les conjoints (Sophie) jamais.
    EXPECT_EQ(parties(b, *d),
              "Ascendants: Henri Berthe Pierre Marie | : Jean Paul Luc | Descendants: Louis | "
              "Oncles et tantes paternels: Hugo | Cousins paternels: Igor");
    essai::controlerPageHtml(d->chemin);
    // Case des cousins décochée : les oncles et tantes restent, sans leur descendance.
    auto sansCousins = document<ProchesParents>(b);
    sansCousins->valeur(kRacine) = b.personne("Jean");
    sansCousins->valeur(kCousinsProches) = std::uint8_t{static_cast<std::uint8_t>(-2)};
    ecrire(*sansCousins, b, FormatSortie::Web, dossier, "pp-sans-cousins");
    EXPECT_EQ(parties(b, *sansCousins),
              "Ascendants: Henri Berthe Pierre Marie | : Jean Paul Luc | Descendants: Louis | "
              "Oncles et tantes paternels: Hugo");

    // Un seul parent connu (Igor) : son côté porte les titres communs ; cousins sur deux
    // générations, leurs enfants en retrait.
    auto i = document<ProchesParents>(b);
    i->valeur(kRacine) = b.personne("Igor");
    ecrire(*i, b, FormatSortie::Pdf, dossier, "igor");
    EXPECT_EQ(parties(b, *i),
              "Ascendants: Henri Berthe Hugo | : Igor | Oncles et tantes: Pierre | "
              "Cousins germains et descendance: Jean .Louis Paul Luc");

    // Une génération de chaque côté : parents, enfants, neveux et nièces.
    auto h = document<ProchesParents>(b);
    h->valeur(kRacine) = b.personne("Hugo");
    h->valeur(kAscendantsProches) = std::uint8_t{1};
    h->valeur(kDescendantsProches) = std::uint8_t{1};
    ecrire(*h, b, FormatSortie::Pdf, dossier, "hugo");
    EXPECT_EQ(parties(b, *h),
              "Parents: Henri Berthe | : Hugo Pierre | Enfants: Igor | "
              "Neveux et ni\xE8"
              "ces: Jean Paul Luc");
}

}  // namespace
}  // namespace lignara
