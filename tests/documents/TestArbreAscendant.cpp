#include "documents/arbres/ArbreAscendant.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "ArbreEssai.h"
#include "documents/PoliceAuHasard.h"
#include "documents/arbres/ThemesArbre.h"
#include "documents/arbres/TraceBoites.h"
#include "render/LecturePdf.h"
#include "render/html/PageWeb.h"
#include "reglages/Configuration.h"
#include "reglages/RaccordDessin.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::LecturePdf;

class ArbreAscendantEssai : public essai::EssaiArbre<ArbreAscendant> {};

TEST_F(ArbreAscendantEssai, parametresParDefautDesDeuxSignatures) {
    BaseEssai b(essai::gedcomSosa(2));
    for (std::uint8_t code : {ArbreAscendant::kCodeIndividuel, ArbreAscendant::kCodeFamilial}) {
        ArbreAscendant d(*afficheurDeCode(code));
        d.initialiserParametres(b.contexte);
        ASSERT_TRUE(d.signature().accepte(d.parametres));
        EXPECT_EQ(std::get<std::string>(d.valeur(kFondDePage)), "");
        for (const auto& [p, attendu] : {std::pair{&kFormat, 0},
                                         {&kStyleAscendant, 0},
                                         {&d.critere(), 255},
                                         {&kSuppressionNonColorees, 1},
                                         {&kLimiteGenerations, 0}})
            EXPECT_EQ(std::get<std::uint8_t>(d.valeur(*p)), attendu) << p->lettre;
        EXPECT_EQ(std::get<EnsemblePersonnes>(d.valeur(kCoupesArbre)).nombre(), 0u);
    }
}

TEST_F(ArbreAscendantEssai, controlesDuFamilialEtLeursMessages) {
    // 1 × 2 mariés ; 3 sans famille ; 4 marié sans conjoint connu.
    BaseEssai b(essai::gedcomDeLiens(5, {{5, 1, 2}}));
    auto seul = arbre(b, 3, 1);
    EXPECT_FALSE(seul->verifierParametres(b.contexte));
    ArbreAscendant familial(*afficheurDeCode(38));
    familial.initialiserParametres(b.contexte);
    familial.valeur(kRacine) = b.personne("P1");
    familial.valeur(kConjoint) = std::int32_t{0};
    EXPECT_FALSE(familial.verifierParametres(b.contexte));
    familial.valeur(kConjoint) = b.personne("P5");
    EXPECT_FALSE(familial.verifierParametres(b.contexte));
    familial.valeur(kConjoint) = b.personne("P2");
    EXPECT_TRUE(familial.verifierParametres(b.contexte));
    ASSERT_EQ(b.messages.size(), 3u);
    EXPECT_EQ(b.messages[0], "La racine de l'arbre n'a aucun conjoint connu");
    EXPECT_EQ(b.messages[1], "N1 P1 n'a aucun conjoint connu");
    EXPECT_EQ(b.messages[2], "La famille n'existe plus dans le fichier Gedcom");
}

TEST_F(ArbreAscendantEssai, sansDateLArbreChronologiqueRedevientOrdinaire) {
    BaseEssai b(essai::gedcomSosa(3));
    auto d = arbre(b, 1);
    d->valeur(kFondDePage) = std::string("Siècles"_1252);
    d->preparer(b.contexte);
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0], "L'arbre ne peut pas être chronologique\ncar aucune date n'est connue"_1252);
    EXPECT_FALSE(d->chronologique());
    EXPECT_EQ(d->varianteCompteur(), 0u);
    EXPECT_EQ(d->arbre().premier(2)->y, 2 * 1408 + 945);
}

TEST_F(ArbreAscendantEssai, arbreChronologiqueEtChromatiqueCompteDansLaQuatriemeVariante) {
    std::map<int, essai::DetailsPersonne> dates{{1, {"1900", ""}}, {2, {"1870", ""}}, {3, {"1875", ""}}};
    BaseEssai b(essai::gedcomSosa(2, dates));
    auto d = arbre(b, 1);
    d->valeur(kFondDePage) = std::string("(aucun)");
    d->preparer(b.contexte);
    EXPECT_FALSE(d->chronologique());
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

// Segments « x y m x y l » d'un contenu de page.
std::vector<std::array<std::string, 4>> segments(const std::string& contenu) {
    std::vector<std::array<std::string, 4>> v;
    std::regex motif("(-?[0-9.]+) (-?[0-9.]+) m (-?[0-9.]+) (-?[0-9.]+) l");
    for (auto it = std::sregex_iterator(contenu.begin(), contenu.end(), motif); it != std::sregex_iterator(); ++it)
        v.push_back({(*it)[1].str(), (*it)[2].str(), (*it)[3].str(), (*it)[4].str()});
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
    auto s = segments(pdf.contenus()[0]);
    ASSERT_EQ(s.size(), 2u) << pdf.contenus()[0];
    EXPECT_EQ(s[0][2], s[1][0]);
    EXPECT_EQ(s[0][3], s[1][1]);
    // Milieu : x = (1000 + 2600) ÷ 2 + 352, y = (2000 + 2400) ÷ 2 − 117 + 352, en points.
    EXPECT_EQ(std::stod(s[0][2]), (1800 + 352) / 16.0);
    EXPECT_EQ(std::stod(s[0][3]), (2200 - 117 + 352) / 16.0);
}

// Sur un aplat chromatique soutenu, le nom et les lignes sont en blanc ; sur un aplat clair, en noir.
TEST_F(ArbreAscendantEssai, leTexteDUneBoiteChromatiqueSeLitSurSonFond) {
    ReglagesDessin r;
    r.signature = false;
    StyleBoites style;
    style.chromatique = true;
    for (auto [fond, attendu] : {std::pair{CouleurBoite{0x46, 0x46, 0xff}, "1.000000 1.000000 1.000000 rg"},
                                 std::pair{CouleurBoite{0xff, 0xff, 0xb9}, "0.000000 0.000000 0.000000 rg"}}) {
        SurfacePdf surface(r, polices_, Horloge::fixee(0));
        const auto chemin = dossier / "c.pdf";
        surface.ouvrir(chemin, "c", 100, 4000, 3000);
        NoeudAscendant n;
        n.x = 500;
        n.y = 2500;
        n.largeur = 2400;
        n.remplissage = fond;
        n.ligneNom = "BERTHELOT Antoine";
        n.lignes = {"naissance", "", "", ""};
        dessinerBoite(surface, n, style);
        surface.fermer();
        const std::string contenu = LecturePdf(chemin).contenus().at(0);
        const std::size_t texte = contenu.find("(BERTHELOT Antoine)");
        ASSERT_NE(texte, std::string::npos) << contenu;
        // La dernière couleur de texte posée avant le nom est celle attendue.
        const std::size_t couleur = contenu.rfind(attendu, texte);
        ASSERT_NE(couleur, std::string::npos) << contenu;
        EXPECT_GT(contenu.find(" rg", couleur + std::string(attendu).size()), texte) << contenu;
    }
}

// Courbes « x0 y0 m x1 y1 x2 y2 x3 y3 c » d'un contenu de page, en points.
std::vector<std::array<double, 8>> courbes(const std::string& contenu) {
    std::vector<std::array<double, 8>> v;
    std::string n = "(-?[0-9.]+) ";
    std::regex motif(n + n + "m " + n + n + n + n + n + n + "c");
    for (auto it = std::sregex_iterator(contenu.begin(), contenu.end(), motif); it != std::sregex_iterator(); ++it) {
        std::array<double, 8> c{};
        for (std::size_t i = 0; i < 8; ++i) c[i] = std::stod((*it)[static_cast<int>(i) + 1].str());
        v.push_back(c);
    }
    return v;
}

TEST_F(ArbreAscendantEssai, lesBranchesClassiquesSAmincissentVersLesParents) {
    BaseEssai b(essai::gedcomSosa(2));
    auto d = arbre(b, 1);
    LecturePdf pdf(ecrire(b, *d, "branches.pdf"));
    const NoeudAscendant& r = *d->arbre().racine;
    const NoeudAscendant& f = *r.pere;
    const NoeudAscendant& m = *r.mere;
    auto pt = [](std::int32_t u) { return (u + 352) / 16.0; };
    auto c = courbes(pdf.contenus().at(0));
    ASSERT_EQ(c.size(), 4u) << pdf.contenus()[0];
    // Racine de profondeur 2 : 90 de large ; parents de profondeur 1 : 45 ; fourche à y + 48 + 45 ÷ 6.
    const std::int32_t centre = r.centre(), fourche = r.y + 48 + 7;
    const std::array<double, 8> exterieurPere = {
        pt(centre - 45),          pt(r.y),           pt(centre - 80),     pt(r.y + 350),
        pt(f.centre() - 22 + 35), pt(f.bas() - 350), pt(f.centre() - 22), pt(f.bas())};
    const std::array<double, 8> interieurPere = {
        pt(centre),        pt(fourche),         pt(centre - 30), pt(fourche + 300), pt(f.centre() + 22 + 30),
        pt(f.bas() - 300), pt(f.centre() + 22), pt(f.bas())};
    const std::array<double, 8> exterieurMere = {
        pt(centre + 45),          pt(r.y),           pt(centre + 80),     pt(r.y + 350),
        pt(m.centre() + 22 - 35), pt(m.bas() - 350), pt(m.centre() + 22), pt(m.bas())};
    EXPECT_EQ(c[0], exterieurPere);
    EXPECT_EQ(c[1], interieurPere);
    EXPECT_EQ(c[2], exterieurMere);
}

TEST_F(ArbreAscendantEssai, laBandeDeSignatureVaDansLaPlusHauteRangeeQuiLaissePlace) {
    BaseEssai b(essai::gedcomSosa(5));
    Configuration preferences;
    preferences.signature = true;
    preferences.ligneSignature1 = "Famille Roy";  // sans ligne, la bande n'est pas dessinée
    b.contexte.preferences = &preferences;
    polices_ = chargerPolicesDesPreferences(preferences, {});
    auto d = arbre(b, 1);
    LecturePdf pdf(ecrire(b, *d, "signature.pdf"));
    // Rangée 4 : sa première boîte est au bord gauche ; plus bas, les premières boîtes, centrées
    // sur leurs parents, s'écartent du bord jusqu'à laisser la place de la bande, aussi large
    // que sa ligne le demande.
    ASSERT_EQ(d->arbre().premier(4)->x, 0);
    ASSERT_GT(d->polices.largeurSignature, 384);
    int hote = 4;
    while (hote > 0 && d->arbre().premier(hote)->x < d->polices.largeurSignature + 90) --hote;
    ASSERT_GT(hote, 0);
    ASSERT_LT(hote, 3);
    const NoeudAscendant& premiere = *d->arbre().premier(hote);
    const std::string fond = essai::pointPdf(45) + " " + essai::pointPdf(premiere.y - 528 + 32) + " ";
    EXPECT_NE(pdf.contenus().at(0).find(fond), std::string::npos) << fond << "\n" << pdf.contenus()[0];

    preferences.signature = false;
    auto sans = arbre(b, 1);
    LecturePdf sansBande(ecrire(b, *sans, "sans-signature.pdf"));
    EXPECT_EQ(sansBande.contenus().at(0).find(fond), std::string::npos);

    preferences.signature = true;
    preferences.ligneSignature1.clear();
    auto vide = arbre(b, 1);
    LecturePdf bandeVide(ecrire(b, *vide, "signature-vide.pdf"));
    EXPECT_EQ(bandeVide.contenus().at(0).find(fond), std::string::npos);
}

// Boîtes d'une page Web d'arbre (bord plein d'un pixel) : aucune n'en recouvre une autre, et
// chaque renvoi « #p… » mène à une ancre de la page.
void verifierBoitesEtRenvois(const std::string& html) {
    struct Rect {
        long x, y, l, h;
    };
    std::vector<Rect> boites;
    const std::regex boite(R"(left:(\d+)px;top:(\d+)px;width:(\d+)px;height:(\d+)px;border:1px solid)");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), boite); it != std::sregex_iterator(); ++it)
        boites.push_back({std::stol((*it)[1]), std::stol((*it)[2]), std::stol((*it)[3]), std::stol((*it)[4])});
    ASSERT_GE(boites.size(), 2u) << html;
    for (std::size_t i = 0; i < boites.size(); ++i)
        for (std::size_t j = i + 1; j < boites.size(); ++j) {
            const Rect& a = boites[i];
            const Rect& b = boites[j];
            EXPECT_TRUE(a.x + a.l <= b.x || b.x + b.l <= a.x || a.y + a.h <= b.y || b.y + b.h <= a.y)
                << "boîtes " << i << " et " << j << " l'une sur l'autre";
        }
    const std::regex renvoi("href=\"#(p[0-9]+)\"");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), renvoi); it != std::sregex_iterator(); ++it)
        EXPECT_NE(html.find("<a name=\"" + (*it)[1].str() + "\">"), std::string::npos) << (*it)[1];
}

// Par couple, la page Web montre ce que montre le PDF : un trait de mariage qui part du bord droit
// du père, et l'enfant qui rejoint ce trait par un seul chemin (pas d'équerre vers chaque parent).
TEST_F(ArbreAscendantEssai, parCoupleLaPageWebTraceLeTraitDeMariage) {
    BaseEssai b(essai::gedcomSosa(2));
    auto horizontauxDepuis = [](const std::string& html, std::int64_t gauche) {
        return LecturePdf::compterDans(html, "font-size:1px;left:" + std::to_string(gauche) + "px;");
    };
    for (std::uint8_t style : {std::uint8_t{0}, std::uint8_t{1}}) {
        auto d = arbre(b, 1);
        d->valeur(kStyleAscendant) = style;
        d->valeur(kFormat) = std::uint8_t{3};
        d->format = FormatSortie::Web;
        const std::string html = essai::lireFichier(ecrire(b, *d, "couple" + std::to_string(style) + ".htm"));
        const NoeudAscendant& pere = *d->arbre().racine->pere;
        const std::int64_t bordPere = PageWeb::largeurPixels(pere.droite() + 352 - 45);
        const std::size_t verticaux = LecturePdf::compterDans(html, "border-top-style:none;border-right-style:none");
        verifierBoitesEtRenvois(html);
        if (style == 1) {
            EXPECT_GE(horizontauxDepuis(html, bordPere), 1u) << html;
            EXPECT_EQ(verticaux, 2u) << html;  // de l'enfant au palier, du palier au trait de mariage
        } else {
            EXPECT_EQ(horizontauxDepuis(html, bordPere), 0u) << html;
            EXPECT_EQ(verticaux, 4u) << html;  // deux équerres
        }
    }
}

// Le second dessin de 8 porte des chevrons liés au dessin complet en PDF, un renvoi à son ancre en Web.
TEST_F(ArbreAscendantEssai, lImplexeRenvoieAuDessinCompletEnPdfEtEnWeb) {
    BaseEssai b(essai::gedcomDeLiens(11, {{1, 2, 3}, {2, 4, 5}, {3, 6, 7}, {4, 8, 9}, {6, 8, 9}, {8, 10, 11}}));
    auto p = arbre(b, 1);
    LecturePdf pdf(ecrire(b, *p, "implexe.pdf"));
    EXPECT_EQ(pdf.compter("/Subtype /Link"), 1u) << pdf.octets.substr(0, 3000);
    verifierPdf(p->chemin);
    auto d = arbre(b, 1);
    d->valeur(kFormat) = std::uint8_t{3};
    d->format = FormatSortie::Web;
    const std::string html = essai::lireFichier(ecrire(b, *d, "implexe.htm"));
    const std::string huit = std::to_string(b.personne("P8"));
    EXPECT_EQ(LecturePdf::compterDans(html, "<a name=\"p" + huit + "\"></a>"), 1u) << html;
    EXPECT_NE(html.find("href=\"#p" + huit + "\">&and;<br>&and;</a>"), std::string::npos) << html;
    EXPECT_NE(html.find("line-height:50%"), std::string::npos);
    EXPECT_NE(html.find("border-style:dashed;border-top-style:none;border-right-style:none;border-bottom-style:none;"),
              std::string::npos);
    // Une ancre par personne.
    EXPECT_EQ(LecturePdf::compterDans(html, "<a name="), 11u);
    verifierBoitesEtRenvois(html);
    verifierHtml(d->chemin);
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
    EXPECT_EQ(a.racine->pere->mere->remplissage, (CouleurBoite{0xb9, 0xb9, 0xff}));
    EXPECT_EQ(a.racine->mere->remplissage, (CouleurBoite{0xff, 0x9d, 0x9d}));
    EXPECT_EQ(a.racine->mere->pere->remplissage, (CouleurBoite{0xff, 0x9d, 0x9d}));
    // « Branche (génération 1) » n'est offert qu'au familial : sur l'individuel, l'arbre reste
    // ordinaire.
    auto etranger = arbre(b, 1);
    etranger->valeur(etranger->critere()) = std::uint8_t{9};
    etranger->preparer(b.contexte);
    EXPECT_FALSE(etranger->chromatique());
}

TEST_F(ArbreAscendantEssai, chaqueThemeDonneUnPdfValideEtDistinctEtLeHasardSuitLHorloge) {
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
        verifierPdf(d->chemin);
    }
    for (std::size_t i = 0; i < contenus.size(); ++i)
        for (std::size_t j = i + 1; j < contenus.size(); ++j) EXPECT_NE(contenus[i], contenus[j]) << i << " " << j;
    // Un numéro venu d'une autre version prend le dégradé.
    EXPECT_EQ(themeValide(14), kThemeDegrade);
    // Au hasard, le thème est le tirage de l'horloge du contexte.
    preferences.themeAuHasard = true;
    std::set<int> themes;
    for (std::int64_t secondes = 1700000000; secondes < 1700000000 + 30 * 86400; secondes += 86400) {
        horloge_ = Horloge::fixee(secondes);
        auto d = arbre(b, 1), encore = arbre(b, 1);
        d->preparer(b.contexte);
        encore->preparer(b.contexte);
        EXPECT_EQ(d->theme(), encore->theme());
        themes.insert(d->theme());
    }
    EXPECT_GT(themes.size(), 2u);
}

// Thème et police au hasard, par le chemin de la ligne de commande et de la fenêtre : la même
// horloge fixée refait les mêmes octets ; le fichier porte la police tirée et l'instant en UTC.
TEST_F(ArbreAscendantEssai, uneHorlogeFixeeRefaitLesMemesOctetsAvecThemeEtPoliceAuHasard) {
    const auto tiree = policeAuHasard(Horloge::fixee(1700000000), {});
    if (!tiree) GTEST_SKIP() << "aucune police installée";
    BaseEssai b(essai::gedcomSosa(4));
    Configuration preferences;
    preferences.themeAuHasard = true;
    b.contexte.preferences = &preferences;
    b.contexte.polices = polices_;
    ReglagesExecution reglages;
    reglages.visualiser = false;
    reglages.policeAuHasard = true;
    auto produire = [&](std::int64_t secondes, const std::string& nom) {
        b.contexte.horloge = Horloge::fixee(secondes);
        reglages.sortieImposee = dossier / nom;
        DemandeDocument demande;
        demande.racine = "P1";
        ParametresLigneCommande source(demande, [&b](const std::string& t) { return b.personne(t); });
        EXPECT_TRUE(executer(*afficheurDeCode(ArbreAscendant::kCodeIndividuel), source, b.contexte, reglages));
        return essai::lireFichier(dossier / nom);
    };
    const std::string premier = produire(1700000000, "a.pdf");
    EXPECT_EQ(produire(1700000000, "b.pdf"), premier);
    EXPECT_NE(premier.find("/CreationDate (D:202311142213)"), std::string::npos);
    std::string nomPdf;
    for (char c : tiree->nom) nomPdf += c == ' ' ? std::string("#20") : std::string(1, c);
    EXPECT_NE(premier.find("/BaseFont /" + nomPdf + "\n"), std::string::npos) << nomPdf;
    EXPECT_NE(produire(1767323040, "c.pdf"), premier);
}

TEST(TraceBoites, leBasDuThemeCadresSimplesRemonteDesLignesFinalesAbsentes) {
    NoeudAscendant n;
    n.y = 5000;
    n.lignes = {"naissance", "", "", ""};
    StyleBoites simples;
    simples.theme = kThemeCadresSimples;
    EXPECT_EQ(basDeBoite(n, simples), 5000 - 944 + 3 * 176);
    n.lignes = {"", "", "", ""};
    EXPECT_EQ(basDeBoite(n, simples), 5000 - 944 + 704);
    n.lignes = {"", "", "", "commentaire"};
    EXPECT_EQ(basDeBoite(n, simples), 5000 - 944);
    StyleBoites degrade;
    n.lignes = {};
    EXPECT_EQ(basDeBoite(n, degrade), 5000 - 944);
    simples.chromatique = true;
    EXPECT_EQ(basDeBoite(n, simples), 5000 - 944);
}

TEST(CommandeArbreAscendant, produitLArbreAvecSesOptions) {
    const essai::CommandeEssai lancer(essai::gedcomSosa(4));
    const auto type = "arbre-ascendant";
    const std::string racine = "--racine @I1@ ";
    auto s = lancer(type, racine +
                              "--option \"Style=par couple d'ascendants\" "
                              "--option \"Critère de coloration=Branche (génération 2)\" "
                              "--option \"Couper toutes les branches au-delà de=2\"" +
                              lancer.sortie("a.pdf"));
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_EQ(lancer.lire("a.pdf").substr(0, 8), "%PDF-1.7");
    s = lancer(type, racine + "--format web" + lancer.sortie("a.htm"));
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_NE(lancer.lire("a.htm").find("<title>Arbre ascendant</title>"), std::string::npos);
    s = lancer(type, racine + "--option \"Critère de coloration=Branche (génération 1)\"");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("Branche (génération 2)"), std::string::npos) << s.texte;
    s = lancer(type, racine + "--format texte");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("pdf, web"), std::string::npos) << s.texte;
}

// Les messages de la lecture des photos (ici une erreur de la bibliothèque JPEG) vont là où
// le contexte envoie ceux du document : boîte de la fenêtre, sortie d'erreur de la commande.
TEST_F(ArbreAscendantEssai, uneErreurDeLectureDePhotoVaAuxMessagesDuContexte) {
    const std::string photo = dossier.ecrire("abimee.jpg", "GIF89a pas un JPEG").string();
    const std::string gedcom =
        "0 HEAD\n1 CHAR ANSI\n0 @I1@ INDI\n1 NAME P1 /N1/\n1 OBJE\n2 FILE " + photo + "\n0 TRLR\n";
    BaseEssai b(gedcom);
    Configuration preferences;
    preferences.donneesArbreAscendant = 63;  // photos comprises
    b.contexte.preferences = &preferences;
    auto d = arbre(b, 1);
    ecrire(b, *d, "photo.pdf");
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0].rfind("Erreur dans le fichier " + photo + "\n", 0), 0u) << b.messages[0];
    const essai::CommandeEssai lancer(gedcom);
    auto s = lancer("arbre-ascendant", "--racine @I1@" + lancer.sortie("commande.pdf"));
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_NE(s.texte.find("Erreur dans le fichier " + photo + "\n"), std::string::npos) << s.texte;
}

}  // namespace
}  // namespace lignara
