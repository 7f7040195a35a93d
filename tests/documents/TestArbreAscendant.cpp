// Arbres ascendants : construction, placement, dessin et document.
#include "documents/arbres/ArbreAscendant.h"
#include "documents/arbres/ConstructionAscendante.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <regex>
#include <set>
#include <string>

#include "ArbreEssai.h"
#include "commun/MetriquePolice.h"
#include "documents/arbres/PlacementArbre.h"
#include "documents/arbres/ThemesArbre.h"
#include "documents/arbres/TraceBoites.h"
#include "render/LecturePdf.h"
#include "support/Message.h"
#include "reglages/Configuration.h"
#include "reglages/RaccordDessin.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::BaseEssai;
using essai::LecturePdf;

// Les grands-pères 4 et 6 sont frères (parents 8 × 9) ; 8 a des parents, 10 × 11.
const std::string kImplexe =
    essai::gedcomDeLiens(11, {{1, 2, 3}, {2, 4, 5}, {3, 6, 7}, {4, 8, 9}, {6, 8, 9}, {8, 10, 11}});

struct Construction {
    explicit Construction(const std::string& gedcom) : b(gedcom) { regles.base = &b.base(); }
    std::uint32_t p(int n) const { return static_cast<std::uint32_t>(b.personne("P" + std::to_string(n))); }
    ArbreDeBoites& construire(int racine) {
        ConstructionAscendante(regles, arbre).individuel(p(racine));
        return arbre;
    }
    // Boîtes de cette personne, dans l'ordre des rangées.
    std::vector<const NoeudAscendant*> boitesDe(int n) const {
        std::vector<const NoeudAscendant*> v;
        for (const NoeudAscendant* x : arbre.boites())
            if (x->personne == p(n)) v.push_back(x);
        return v;
    }
    BaseEssai b;
    ReglesConstruction regles;
    ArbreDeBoites arbre;
};

TEST(ConstructionAscendante, rangeesPositionsEtLiensDUneAscendanceComplete) {
    Construction a(essai::gedcomSosa(4));
    ArbreDeBoites& arbre = a.construire(1);
    EXPECT_EQ(arbre.nombreBoites(), 15u);
    EXPECT_EQ(arbre.racine->etendue, 3 * 1408 + 945);
    // Chaque rangée va de gauche à droite dans l'ordre des numéros de Sosa.
    for (int g = 0; g < 4; ++g) {
        int k = 1 << g;
        for (const NoeudAscendant* n = arbre.premier(g); n; n = n->suivant, ++k) {
            EXPECT_EQ(n->personne, a.p(k));
            EXPECT_EQ(n->y, g * 1408 + 945);
            EXPECT_TRUE(g == 3 || (n->pere && n->pere->enfant == n && n->mere->cote == 'F'));
        }
    }
}

TEST(ConstructionAscendante, laLimiteDeTroisGenerationsTronqueLaGenerationTrois) {
    Construction a(essai::gedcomSosa(6));
    a.regles.limiteGenerations = 3;
    ArbreDeBoites& arbre = a.construire(1);
    EXPECT_EQ(arbre.nombreBoites(), 15u);
    for (const NoeudAscendant* n = arbre.premier(3); n; n = n->suivant)
        EXPECT_TRUE(n->tronque && !n->aParents() && n->etendue == n->y + 240);
    EXPECT_FALSE(arbre.premier(2)->tronque);
}

TEST(ConstructionAscendante, uneBrancheCoupeeNeMontePlus) {
    Construction a(essai::gedcomSosa(4));
    EnsemblePersonnes coupes(a.b.base().nombreIndividus());
    coupes.ajouter(a.p(3));
    a.regles.coupes = &coupes;
    ArbreDeBoites& arbre = a.construire(1);
    EXPECT_EQ(arbre.nombreBoites(), 1u + 1 + 1 + 2 + 4);  // racine, 2 (monte), 3 (coupée)
    EXPECT_TRUE(a.boitesDe(3).at(0)->tronque);
}

TEST(ConstructionAscendante, unAncetreAtteintParDeuxLignesEstTronqueLaSecondeFois) {
    // La seconde boîte de 8 a des ascendants (10 × 11) non redessinés.
    Construction a(kImplexe);
    ArbreDeBoites& arbre = a.construire(1);
    auto huit = a.boitesDe(8);
    ASSERT_EQ(huit.size(), 2u);
    EXPECT_FALSE(huit[0]->tronque);
    EXPECT_TRUE(huit[1]->tronque);
    EXPECT_TRUE(arbre.repetees.contient(a.p(8)));
    EXPECT_EQ(a.boitesDe(10).size(), 1u);

    Construction doubles(kImplexe);
    doubles.regles.doublesBranches = true;
    doubles.construire(1);
    EXPECT_EQ(doubles.boitesDe(10).size(), 2u);
    EXPECT_EQ(doubles.arbre.repetees.nombre(), 0u);
}

TEST(ConstructionAscendante, unArbreDemesureEstRefuseAvecUnMessage) {
    Construction a(essai::gedcomSosa(5));
    a.regles.boitesMax = 10;
    EXPECT_NE(essai::messageDe([&] { a.construire(1); }).find("trop grand"), std::string::npos);
}

TEST(ConstructionAscendante, auPlusDeuxCentsRangees) {
    std::vector<essai::LienParents> liens;
    for (int k = 1; k < 250; ++k) liens.push_back({k, k + 1, 0});
    Construction a(essai::gedcomDeLiens(250, liens));
    ArbreDeBoites& arbre = a.construire(1);
    EXPECT_EQ(arbre.nombreRangees(), 200);
    ASSERT_NE(arbre.premier(199), nullptr);
    EXPECT_TRUE(arbre.premier(199)->tronque);
}

// Branche (couleur posée par le critère) des numéros de Sosa 1 à 15 ; à la génération 3 : père du père 1,
// mère du père 3, père de la mère 2, mère de la mère 4 ; à la génération 1, la racine : une seule branche.
TEST(ConstructionAscendante, couleursDeBrancheSelonLaGenerationDuCritere) {
    for (auto [critere, attendu] :
         {std::pair{9, "111111111111111"}, {10, "013113311113333"}, {11, "000132411332244"}}) {
        Construction a(essai::gedcomSosa(5));
        a.regles.critere = static_cast<std::uint8_t>(critere);
        a.regles.colorer = [](const NoeudAscendant&, std::uint8_t branche) { return CouleurBoite{branche, 0, 0}; };
        a.construire(1);
        std::string branches;
        for (int k = 1; k <= 15; ++k) branches += static_cast<char>('0' + a.boitesDe(k).at(0)->remplissage.rouge);
        EXPECT_EQ(branches, attendu) << critere;
    }
}

TEST(ConstructionAscendante, lElagageRetireLesCouplesNonColoresDeHautEnBas) {
    // Seul 9 (père de la mère du père du père) est coloré.
    Construction a(essai::gedcomSosa(4));
    const std::uint32_t colore = a.p(9);
    a.regles.colorer = [colore](const NoeudAscendant& n, std::uint8_t) {
        return n.personne == colore ? CouleurBoite{255, 0, 0} : CouleurBoite{};
    };
    ArbreDeBoites& arbre = a.construire(1);
    ConstructionAscendante c(a.regles, arbre);
    c.elaguer();
    // 8 et 9 restent (un parent coloré garde les deux) ; le côté de 3 tombe, 5 n'a plus de parents, 3 non plus.
    std::string restent;
    for (const NoeudAscendant* n : arbre.boites()) restent += essai::prenoms(a.b.base(), n->personne) + " ";
    EXPECT_EQ(restent, "P1 P2 P3 P4 P5 P8 P9 ");
    EXPECT_TRUE(a.boitesDe(5)[0]->tronque && a.boitesDe(3)[0]->tronque);
    EXPECT_FALSE(a.boitesDe(4)[0]->tronque);
    EXPECT_EQ(arbre.premier(2)->suivant->suivant, nullptr);
}

TEST(ConstructionAscendante, arbreFamilialSousUnCoupleInvisible) {
    // 1 × 2 mariés ; 3 × 4 parents de 1, 5 × 6 parents de 2.
    Construction a(essai::gedcomDeLiens(7, {{7, 1, 2}, {1, 3, 4}, {2, 5, 6}}));
    ConstructionAscendante c(a.regles, a.arbre);
    c.familial(a.p(1), a.p(2), 0);
    const NoeudAscendant* couple = a.arbre.racine;
    ASSERT_TRUE(couple->invisible);
    EXPECT_EQ(couple->mere->personne, a.p(2));
    EXPECT_EQ(a.arbre.nombreBoites(), 6u);
    // Style classique : tout monte de 580.
    EXPECT_EQ(couple->pere->y, 945 + 580);
    EXPECT_EQ(couple->mere->pere->y, 1408 + 945 + 580);
}

TEST(ConstructionAscendante, arbreChronologiqueSelonLesAnneesEstimees) {
    Construction a(essai::gedcomSosa(2));
    std::vector<std::int16_t> annees(a.b.base().nombreIndividus() + 1, 9999);
    annees[a.p(1)] = 1900;
    annees[a.p(2)] = 1870;  // la mère n'a pas d'estimation : 25 ans avant l'enfant
    a.regles.anneesEstimees = &annees;
    a.construire(1);
    EXPECT_EQ(a.boitesDe(1)[0]->y, 15 * 64);
    EXPECT_EQ(a.boitesDe(2)[0]->y, (1915 - 1870) * 64);
    EXPECT_EQ(a.boitesDe(3)[0]->y, (1915 - 1875) * 64);
}

class ArbreAscendantEssai : public essai::EssaiArbre<ArbreAscendant> {};

TEST_F(ArbreAscendantEssai, controlesDuFamilialEtLeursMessages) {
    // 1 × 2 mariés ; 3 sans famille ; 4 marié sans conjoint connu.
    BaseEssai b(essai::gedcomDeLiens(5, {{5, 1, 2}}));
    auto seul = arbre(b, 3, 1);
    EXPECT_FALSE(seul->verifierParametres(b.contexte));
    auto familial = arbreDe(b, b.personne("P1"), b.personne("P5"));
    familial->valeur(kConjoint) = std::int32_t{0};
    EXPECT_FALSE(familial->verifierParametres(b.contexte));
    familial->valeur(kConjoint) = b.personne("P5");
    EXPECT_FALSE(familial->verifierParametres(b.contexte));
    EXPECT_TRUE(arbre(b, 1, 2)->verifierParametres(b.contexte));
    ASSERT_EQ(b.messages.size(), 3u);
    EXPECT_EQ(b.messages[0], "La racine de l'arbre n'a aucun conjoint connu");
    EXPECT_EQ(b.messages[1], "N1 P1 n'a aucun conjoint connu");
    EXPECT_EQ(b.messages[2], "La famille n'existe plus dans le fichier Gedcom");
}

TEST_F(ArbreAscendantEssai, arbreChronologiqueEtChromatiqueCompteDansLaQuatriemeVariante) {
    std::map<int, essai::DetailsPersonne> dates{{1, {"1900", ""}}, {2, {"1870", ""}}, {3, {"1875", ""}}};
    BaseEssai b(essai::gedcomSosa(2, dates));
    auto c = arbre(b, 1);
    c->valeur(kFondDePage) = std::string("Une chronologie absente");
    c->valeur(c->critere()) = std::uint8_t{10};
    c->preparer(b.contexte);
    EXPECT_TRUE(c->chronologique());
    EXPECT_TRUE(c->chromatique());
    EXPECT_EQ(c->varianteCompteur(), 3u);
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0], "La chronologie \"Une chronologie absente\" n'existe pas");
    EXPECT_EQ(c->arbre().racine->y, 15 * 64);
}

// Nombres de chaque tracé d'un contenu de page : « # # m # # l » (segment), « # # m # # # # # # c » (courbe).
std::vector<std::vector<double>> traces(const std::string& contenu, std::string forme) {
    for (std::size_t p; (p = forme.find('#')) != std::string::npos;) forme.replace(p, 1, "(-?[0-9.]+)");
    std::vector<std::vector<double>> v;
    const std::regex motif(forme);
    for (auto it = std::sregex_iterator(contenu.begin(), contenu.end(), motif); it != std::sregex_iterator(); ++it) {
        v.emplace_back();
        for (std::size_t i = 1; i < it->size(); ++i) v.back().push_back(std::stod((*it)[i].str()));
    }
    return v;
}

TEST_F(ArbreAscendantEssai, unRaccordDeMariageSansTexteSeRejointAuMilieu) {
    ReglagesDessin r;
    r.signature = false;
    SurfacePdf surface(r, polices_, Horloge::fixee(0));
    const auto chemin = dossier / "m.pdf";
    surface.ouvrir(chemin, "m", 100, 4000, 3000);
    NoeudAscendant sansTexte;
    raccordMariage(surface, sansTexte, 1000, 2000, 2600, 2400, kMariagePlein);
    surface.fermer();
    LecturePdf pdf(chemin);
    ASSERT_EQ(pdf.contenus().size(), 1u);
    auto s = traces(pdf.contenus()[0], "# # m # # l");
    ASSERT_EQ(s.size(), 2u) << pdf.contenus()[0];
    // Milieu : x = (1000 + 2600) ÷ 2 + 352, y = (2000 + 2400) ÷ 2 − 117 + 352, en points ; le second part de là.
    const std::vector<double> milieu{(1800 + 352) / 16.0, (2200 - 117 + 352) / 16.0};
    EXPECT_EQ((std::vector<double>{s[0][2], s[0][3]}), milieu);
    EXPECT_EQ((std::vector<double>{s[1][0], s[1][1]}), milieu);
}

TEST_F(ArbreAscendantEssai, lesBranchesClassiquesSAmincissentVersLesParents) {
    BaseEssai b(essai::gedcomSosa(2));
    auto d = arbre(b, 1);
    LecturePdf pdf(ecrire(b, *d, "branches.pdf"));
    const NoeudAscendant& r = *d->arbre().racine;
    const NoeudAscendant& f = *r.pere;
    const NoeudAscendant& m = *r.mere;
    auto pt = [](std::int32_t u) { return (u + 352) / 16.0; };
    auto c = traces(pdf.contenus().at(0), "# # m # # # # # # c");
    ASSERT_EQ(c.size(), 4u) << pdf.contenus()[0];
    // Racine de profondeur 2 : 90 de large ; parents de profondeur 1 : 45 ; fourche à y + 48 + 45 ÷ 6.
    const std::int32_t centre = r.centre(), fourche = r.y + 48 + 7;
    const std::vector<double> exterieurPere = {
        pt(centre - 45),          pt(r.y),           pt(centre - 80),     pt(r.y + 350),
        pt(f.centre() - 22 + 35), pt(f.bas() - 350), pt(f.centre() - 22), pt(f.bas())};
    const std::vector<double> interieurPere = {
        pt(centre),        pt(fourche),         pt(centre - 30), pt(fourche + 300), pt(f.centre() + 22 + 30),
        pt(f.bas() - 300), pt(f.centre() + 22), pt(f.bas())};
    EXPECT_EQ(c[0], exterieurPere);
    EXPECT_EQ(c[1], interieurPere);
    EXPECT_EQ(c[2][6], pt(m.centre() + 22));  // la mère, en miroir
}

// Boîtes d'une page Web d'arbre (bord plein d'un pixel) : aucune n'en recouvre une autre, et
// chaque renvoi « #p… » mène à une ancre de la page.
void verifierBoitesEtRenvois(const std::string& html) {
    std::vector<essai::BoiteEssai> boites;
    const std::regex boite(R"(left:(\d+)px;top:(\d+)px;width:(\d+)px;height:(\d+)px;border:1px solid)");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), boite); it != std::sregex_iterator(); ++it) {
        const int x = std::stoi((*it)[1]), y = std::stoi((*it)[2]);
        boites.push_back({x, y, x + std::stoi((*it)[3]), y + std::stoi((*it)[4]), 0});
    }
    ASSERT_GE(boites.size(), 2u) << html;
    essai::verifierDisjointes(boites, std::numeric_limits<std::int32_t>::max(),
                              std::numeric_limits<std::int32_t>::max());
    const std::regex renvoi("href=\"#(p[0-9]+)\"");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), renvoi); it != std::sregex_iterator(); ++it)
        EXPECT_NE(html.find("<a name=\"" + (*it)[1].str() + "\">"), std::string::npos) << (*it)[1];
}

// Le second dessin de 8 porte des chevrons liés au dessin complet en PDF, un renvoi à son ancre en Web.
TEST_F(ArbreAscendantEssai, lImplexeRenvoieAuDessinCompletEnPdfEtEnWeb) {
    BaseEssai b(kImplexe);
    auto p = arbre(b, 1);
    LecturePdf pdf(ecrire(b, *p, "implexe.pdf"));
    EXPECT_EQ(pdf.compter("/Subtype /Link"), 1u) << pdf.octets.substr(0, 3000);
    essai::controlerPdf(p->chemin);
    auto d = arbre(b, 1);
    d->valeur(kFormat) = std::uint8_t{3};
    d->format = FormatSortie::Web;
    const std::string html = essai::lireFichier(ecrire(b, *d, "implexe.htm"));
    const std::string huit = std::to_string(b.personne("P8"));
    EXPECT_EQ(LecturePdf::compterDans(html, "<a name=\"p" + huit + "\"></a>"), 1u) << html;
    EXPECT_NE(html.find("href=\"#p" + huit + "\">&and;<br>&and;</a>"), std::string::npos) << html;
    verifierBoitesEtRenvois(html);
    essai::controlerPageHtml(d->chemin);
}

TEST_F(ArbreAscendantEssai, laColorationParBrancheRemplitLesBoitesDeSaPalette) {
    BaseEssai b(essai::gedcomSosa(3));
    auto d = arbre(b, 1);
    d->valeur(d->critere()) = std::uint8_t{10};  // Branche (génération 2)
    d->valeur(kSuppressionNonColorees) = std::uint8_t{0};
    d->preparer(b.contexte);
    ASSERT_TRUE(d->chromatique());
    const ArbreDeBoites& a = d->arbre();
    EXPECT_TRUE(a.racine->remplissage.blanche());
    EXPECT_EQ(a.racine->pere->remplissage, (CouleurBoite{0xb9, 0xb9, 0xff}));
    EXPECT_EQ(a.racine->mere->remplissage, (CouleurBoite{0xff, 0x9d, 0x9d}));
}

TEST_F(ArbreAscendantEssai, chaqueThemeDonneUnPdfValideEtDistinct) {
    BaseEssai b(essai::gedcomSosa(3));
    Configuration preferences;
    b.contexte.preferences = &preferences;
    std::vector<std::string> contenus;
    for (std::uint8_t theme = 0; theme < kNombreThemesArbre; ++theme) {
        preferences.theme = theme;
        auto d = arbre(b, 1);
        LecturePdf pdf(ecrire(b, *d, "theme" + std::to_string(theme) + ".pdf"));
        EXPECT_EQ(d->theme(), theme);
        EXPECT_EQ(pdf.compter("/ShadingType"), theme == kThemeDegrade ? 1u : 0u) << int(theme);
        ASSERT_FALSE(pdf.contenus().empty());
        contenus.push_back(pdf.contenus()[0]);
        essai::controlerPdf(d->chemin);
    }
    EXPECT_EQ(std::set<std::string>(contenus.begin(), contenus.end()).size(), contenus.size());
}

// Les messages de la lecture des photos (ici une erreur de la bibliothèque JPEG) vont au contexte.
TEST_F(ArbreAscendantEssai, uneErreurDeLectureDePhotoVaAuxMessagesDuContexte) {
    const std::string photo = dossier.ecrire("abimee.jpg", "GIF89a pas un JPEG").string();
    BaseEssai b("0 HEAD\n1 CHAR ANSI\n0 @I1@ INDI\n1 NAME P1 /N1/\n1 OBJE\n2 FILE " + photo + "\n0 TRLR\n");
    Configuration preferences;
    preferences.donneesArbreAscendant = 63;  // photos comprises
    b.contexte.preferences = &preferences;
    auto d = arbre(b, 1);
    ecrire(b, *d, "photo.pdf");
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0].rfind("Erreur dans le fichier " + photo + "\n", 0), 0u) << b.messages[0];
}

// Personne qui a le plus de générations d'ascendants (boucles de parenté ignorées).
std::uint32_t plusProfonde(const BaseGenealogique& base) {
    const std::uint32_t n = base.nombreIndividus();
    std::vector<int> profondeur(n + 1, -1);
    std::vector<Individu> ind(n + 1);
    for (std::uint32_t p = 1; p <= n; ++p) ind[p] = base.LireIndividu(p);
    std::function<int(std::uint32_t, int)> calculer = [&](std::uint32_t p, int garde) -> int {
        if (p == 0 || garde > 400) return 0;
        if (profondeur[p] >= 0) return profondeur[p];
        int d = 1 + std::max(calculer(ind[p].pere, garde + 1), calculer(ind[p].mere, garde + 1));
        return profondeur[p] = d;
    };
    std::uint32_t meilleure = 1;
    for (std::uint32_t p = 1; p <= n; ++p)
        if (calculer(p, 0) > calculer(meilleure, 0)) meilleure = p;
    return meilleure;
}

void verifierSansChevauchement(const ArbreAscendant& d, const std::string& cas) {
    SCOPED_TRACE(cas);
    std::vector<NoeudAscendant*> boites = d.arbre().boites();
    ASSERT_FALSE(boites.empty());
    std::vector<essai::BoiteEssai> v;
    for (const NoeudAscendant* a : boites) {
        v.push_back({a->x, a->bas(), a->droite(), a->y, a->personne});
        EXPECT_GE(a->largeur, largeurTexte(d.polices.reguliere, a->ligneNom) + 90);  // la boîte tient son nom
    }
    essai::verifierDisjointes(v, d.largeur, d.hauteur);
    // Par couple, l'écart entre les époux est toujours celui du texte de mariage, répétés compris.
    if (cas.find("couple") == std::string::npos) return;
    std::size_t ecartsFaux = 0;
    for (const NoeudAscendant* n : boites)
        if (n->pere && n->mere && !n->tronque)
            ecartsFaux += n->mere->x - n->pere->droite() != n->mere->largeurMariage + kEcartMariage;
    EXPECT_EQ(ecartsFaux, 0u);
}

class PlacementReel : public essai::EssaiPolices, public ::testing::WithParamInterface<const char*> {};

TEST_P(PlacementReel, aucuneBoiteNEnChevaucheUneAutre) {
    const std::string nom = GetParam();
    const fs::path fichier =
        nom.rfind("data/", 0) == 0 ? fs::path(LIGNARA_DOSSIER_SOURCES) / nom : fs::path(LIGNARA_DOSSIER_TESTDATA) / nom;
    if (!essai::fichierReelPresent(fichier)) GTEST_SKIP();
    BaseEssai b(lignara::essai::lireFichier(fichier));
    b.contexte.polices = polices_;
    const std::uint32_t racine = plusProfonde(b.base());
    // Familial : les parents de la personne la plus profonde.
    const Individu ind = b.base().LireIndividu(racine);
    for (bool familial : {false, true})
        for (std::uint8_t style : {std::uint8_t{0}, std::uint8_t{1}})
            for (bool chronologique : {false, true}) {
                if (familial && (ind.pere == 0 || ind.mere == 0)) continue;
                ArbreAscendant d(*afficheurDeCode(familial ? 38 : 1));
                d.initialiserParametres(b.contexte);
                d.valeur(kRacine) = static_cast<std::int32_t>(familial ? ind.pere : racine);
                if (familial) {
                    d.valeur(kConjoint) = static_cast<std::int32_t>(ind.mere);
                    ASSERT_TRUE(d.verifierParametres(b.contexte));
                }
                d.valeur(kStyleAscendant) = style;
                // Une chronologie absente : placement chronologique sans fond de page.
                if (chronologique) d.valeur(kFondDePage) = std::string("Absente");
                d.preparer(b.contexte);
                const std::string cas = std::string(GetParam()) + (familial ? " familial" : "") +
                                        (style ? " couple" : " classique") + (chronologique ? " chronologique" : "");
                verifierSansChevauchement(d, cas);
            }
}

INSTANTIATE_TEST_SUITE_P(FichiersReels, PlacementReel,
                         ::testing::Values("porges-mdf/royal92.ged", "findmypast-samples/Queen.ged",
                                           "data/exemples/famille-exemple.ged"));

}  // namespace
}  // namespace lignara
