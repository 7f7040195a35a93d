#include "documents/arbres/ArbreAscendant.h"

#include <gtest/gtest.h>

#include <limits>
#include <regex>
#include <set>
#include <string>

#include "ArbreEssai.h"
#include "documents/arbres/ThemesArbre.h"
#include "documents/arbres/TraceBoites.h"
#include "render/LecturePdf.h"
#include "reglages/Configuration.h"
#include "reglages/RaccordDessin.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::LecturePdf;

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
    BaseEssai b(essai::gedcomDeLiens(11, {{1, 2, 3}, {2, 4, 5}, {3, 6, 7}, {4, 8, 9}, {6, 8, 9}, {8, 10, 11}}));
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
    s = lancer(type, racine + "--option \"Critère de coloration=Branche (génération 1)\"");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("Branche (génération 2)"), std::string::npos) << s.texte;
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

}  // namespace
}  // namespace lignara
