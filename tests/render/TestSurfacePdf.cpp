// La surface PDF : pages, primitives et objets du fichier ; la géométrie des tracés ; la planche d'essai.
#include <array>
#include <limits>
#include <numbers>

#include "EssaiRendu.h"
#include "LecturePdf.h"
#include "OutilsPdf.h"
#include "images/ImageDwa.h"
#include "render/GeometrieTrace.h"
#include "render/SurfacePdf.h"
#include "support/Message.h"

using namespace lignara;
using essai::HasSubstr;
using essai::LecturePdf;

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

// Le point de rencontre en (x, y) ; (-1, -1) quand il n'y en a pas.
std::pair<std::int64_t, std::int64_t> rencontre(const std::array<std::int32_t, 8>& points) {
    const auto p = rencontreTangentes(points);
    return p ? std::pair(p->x, p->y) : std::pair<std::int64_t, std::int64_t>(-1, -1);
}

// Surface A4 portrait sans marges à date fixe, métriques fixes : rien ne dépend des polices installées.
class SurfaceEssai : public ::testing::Test {
protected:
    SurfaceEssai() {
        reglages.formatPapier = kA4Portrait;
        reglages.margeGauche = reglages.margeDroite = reglages.margeHaut = reglages.margeBas = 0;
    }

    SurfacePdf& ouvrir(std::int32_t largeur, std::int32_t hauteur, SurfacePdf::QuestionPages q = {},
                       std::int16_t pourcentage = 100) {
        surface_ = std::make_unique<SurfacePdf>(reglages, polices, essais::horlogeFixe(), std::move(q));
        surface_->ouvrir(chemin, "Essai", pourcentage, largeur, hauteur);
        return *surface_;
    }
    LecturePdf fermer() {
        surface_->fermer();
        return LecturePdf(chemin);
    }
    std::string premierContenu() { return fermer().contenus().at(0); }
    // Un nom par essai : ctest les lance en parallèle.
    void verifierAvecQpdf(const LecturePdf& pdf) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        essais::verifierAvecQpdf(pdf.octets, std::string(info->name()) + ".pdf");
    }

    ReglagesDessin reglages;
    PolicesDocument polices = essais::policesFixes();
    essai::DossierEssai dossier;
    std::filesystem::path chemin = dossier / "surface.pdf";

private:
    std::unique_ptr<SurfacePdf> surface_;
};

}  // namespace

TEST_F(SurfaceEssai, unDessinVideOuDeTailleNulleNEcritQueLesSeptObjetsFixes) {
    reglages.margeGauche = reglages.margeBas = 352;
    const std::pair<int, int> tailles[] = {{9072, 13024}, {0, 5000}, {5000, 0}};
    for (auto [l, h] : tailles) {
        SurfacePdf& s = ouvrir(l, h);
        if (l == 0 || h == 0) {  // de taille nulle, aucune primitive ne fait de page
            s.ligne(0, 0, 100, 100);
            s.texte(0, 0, 100, 176, "rien");
            s.cercle(500, 500, 100, true);
            s.photo(0, 0, 500, 500, "absente.jpg");
            s.ajouterCible(1, 10, 10);
            s.ajouterLien(1, 0, 0, 100, 100);
            s.texteCirculaire(0, 0, 500, 500, 300, 1.0f, false, "rien");
            s.signature(0, 0);
        }
        EXPECT_EQ(s.nombrePages(), 0);
        LecturePdf pdf = fermer();
        EXPECT_THAT(pdf.objet(6), HasSubstr("/Kids []\n     /Count 0\n"));
        EXPECT_THAT(pdf.octets, HasSubstr("xref\n0 8\n"));
    }
}

TEST_F(SurfaceEssai, lesPagesSuiventLesColonnesDeHautEnBasQuelQueSoitLOrdreDuDessin) {
    SurfacePdf& s = ouvrir(2 * 9072, 2 * 13024);
    s.texte(9100, 100, 10, 10, "bas droite");    // page 9
    s.texte(100, 100, 10, 10, "bas gauche");     // page 11
    s.texte(100, 13100, 10, 10, "haut gauche");  // page 13
    EXPECT_EQ(s.nombrePages(), 3);
    LecturePdf pdf = fermer();
    EXPECT_THAT(pdf.objet(6), HasSubstr("/Kids [ 13 0 R  11 0 R  9 0 R ]\n     /Count 3"));
    EXPECT_THAT(pdf.objet(13), HasSubstr("/Contents 12 0 R"));
}

TEST_F(SurfaceEssai, uneCoordonneeNegativeNeDessineRienSansTransformation) {
    reglages.margeGauche = reglages.margeBas = 352;
    SurfacePdf& s = ouvrir(9072, 13024);
    s.ligne(-10, 5, 100, 5);
    s.texte(5, -1, 100, 176, "non");
    const std::int32_t loin[] = {-20000, 10, 100, 100, 50, 200};
    s.polygone(3, loin, true);
    EXPECT_EQ(s.nombrePages(), 0);
    s.empilerTransformation(1, 0, 0, 1, 2000, 2000);
    s.ligne(-10, 5, 100, 5);
    s.depilerTransformation();
    EXPECT_EQ(s.nombrePages(), 1);
    const std::string c = premierContenu();
    EXPECT_THAT(c, HasSubstr("q 1.000000 0.000000 0.000000 1.000000 125.000000 125.000000 cm "));
    EXPECT_THAT(c, HasSubstr("21.375 22.3125 m 28.25 22.3125 l\nS\nQ "));
}

TEST_F(SurfaceEssai, laQuestionDeLa501ePageEstPoseeUneFoisEtUnRefusAbandonneSansMessage) {
    int pagesALaQuestion = 0, questions = 0;
    SurfacePdf* s = nullptr;
    s = &ouvrir(9072 * 600, 13024, [&] {
        pagesALaQuestion = s->nombrePages() + 1000 * questions++;  // une seconde question fausse le compte
        return true;
    });
    for (int i = 0; i < 600; ++i) s->ligneVerticale(i * 9072 + 10, 10, 20);
    EXPECT_EQ(pagesALaQuestion, 500);  // une seule question, à 500 pages
    EXPECT_EQ(s->nombrePages(), 600);
    EXPECT_THAT(fermer().objet(6), HasSubstr("/Count 600"));

    SurfacePdf& refus = ouvrir(9072 * 600, 13024, [] { return false; });
    for (int i = 0; i < 500; ++i) refus.ligneVerticale(i * 9072 + 10, 10, 20);
    try {
        refus.ligneVerticale(500 * 9072 + 10, 10, 20);
        ADD_FAILURE() << "la surface a continué";
    } catch (const OperationImpossible& e) {
        EXPECT_FALSE(e.aUnMessage());
    }
    EXPECT_EQ(refus.nombrePages(), 500);
}

TEST_F(SurfaceEssai, unFichierQuiNePeutEtreCreeDonneSonMessage) {
    chemin = dossier / "dossier-absent" / "x.pdf";
    EXPECT_EQ(versUtf8(essai::messageDe([&] { ouvrir(100, 100); })),
              "Ouverture impossible du fichier PDF\n" + chemin.string() + "\nDossier inexistant");
}

TEST_F(SurfaceEssai, lesImagesInternesSontDesFormesAvecTransparence) {
    std::vector<std::uint8_t> rvb(std::size_t{4} * 4 * 3, 200), masque(16, 255);
    const auto dwa = dossier.ecrire("rond.dwa", ImageDwa::fabriquer({4, 4}, rvb, masque));
    SurfacePdf& s = ouvrir(9072, 13024);
    EXPECT_EQ(versUtf8(essai::messageDe([&] { s.chargerImageDwa(1, dossier / "absente.dwa"); })),
              "Accès impossible à des données internes\nVous devriez réinstaller Lignara");
    s.imageDwa(100, 100, 1);  // emplacement vide : rien
    EXPECT_EQ(s.nombrePages(), 0);
    s.chargerImageDwa(1, dwa);  // masque 8, couleur 9, forme 10
    s.imageDwa(100, 100, 1);
    LecturePdf pdf = fermer();
    EXPECT_THAT(pdf.objet(9), HasSubstr("/SMask 8 0 R"));
    EXPECT_THAT(pdf.objet(12), HasSubstr("/XObject << /Im10 10 0 R >>"));
    EXPECT_THAT(pdf.contenus().at(0), HasSubstr("q 18 0 0 18 6.25 6.25 cm /Im10 Do Q\n"));
    verifierAvecQpdf(pdf);
}

TEST_F(SurfaceEssai, unePhotoIllisibleResteUneImageValideALaTailleDeSaPlace) {
    SurfacePdf& s = ouvrir(9072, 13024);
    s.photo(100, 100, 500, 832, (dossier / "absente.png").string());
    s.photo(700, 100, 3, 3, "");  // moins de 5 unités : encore un pixel
    LecturePdf pdf = fermer();
    EXPECT_THAT(pdf.objet(8), HasSubstr("/Width 100\n     /Height 166\n"));
    EXPECT_THAT(pdf.objet(11), HasSubstr("/Width 1\n     /Height 1\n"));
    verifierAvecQpdf(pdf);
}

// Le découpage de l'arc est essayé à part ; ici le quart tourné dans sa transformation.
TEST_F(SurfaceEssai, unDemiTourEstUnQuartDirectEtUnQuartTourne) {
    SurfacePdf& s = ouvrir(9072, 13024);
    s.arc(4000, 4000, 1600, 0.0f, kPi);
    s.arc(4000, 4000, 800, 1.0f, 1.0f);  // sans balayage : rien
    const std::string c = premierContenu();
    EXPECT_EQ(LecturePdf::compterDans(c, " c\n"), 2u) << c;
    // Le quart tourné de (0, r) à (r, 0), poignées r × 0,5537.
    EXPECT_THAT(c, HasSubstr("0 100 m 55.375 100 100 55.375 100 0 c\n"));
}

TEST_F(SurfaceEssai, laSignatureSouligneUneAdresseWebEtDescendSansSecondeLigne) {
    auto dessiner = [&](const std::string& l1, const std::string& l2) {
        reglages.polices.ligneSignature1 = l1;
        reglages.polices.ligneSignature2 = l2;
        polices.largeurSignature = calculerLargeurSignature(polices.reguliere, l1, l2);
        SurfacePdf& s = ouvrir(9072, 13024);
        s.etat().couleurTrait = couleurRvb(1, 2, 3);
        s.signature(1600, 1600);
        EXPECT_EQ(s.etat().couleurTrait, couleurRvb(1, 2, 3));
        return premierContenu();
    };
    std::string c = dessiner("www.famille.fr", "");
    // Fond de la bande, puis la ligne 1 à y + 219 (seule) en 8 points, soulignée.
    EXPECT_THAT(c, HasSubstr("re f\n"));
    EXPECT_THAT(c, HasSubstr(" 113.6875 Td (www.famille.fr) Tj"));
    EXPECT_THAT(c, HasSubstr(" 112.125 l\n"));

    c = dessiner("Famille Martin", "http://famille.fr");
    EXPECT_THAT(c, HasSubstr(" 118.0625 Td (Famille Martin) Tj"));
    EXPECT_THAT(c, HasSubstr(" -8.75 Td (http://famille.fr) Tj"));
    EXPECT_EQ(LecturePdf::compterDans(c, " l\n"), 1u) << c;
}

TEST_F(SurfaceEssai, lesLiensMenentALaCibleEtUnLienSansCibleDisparait) {
    SurfacePdf& s = ouvrir(9072, 2 * 13024);
    s.ajouterCible(7, 100, 13500);          // page du haut : objets 8 et 9
    s.ajouterCible(7, 500, 500);            // la première inscription gagne
    s.ajouterLien(7, 100, 100, 1000, 300);  // page du bas : 10, 11 ; annotation 12
    s.ajouterLien(8, 100, 100, 1000, 300);  // jamais inscrite : 13, entrée libre
    LecturePdf pdf = fermer();
    EXPECT_THAT(pdf.objet(12), HasSubstr("/Dest [9 0 R /XYZ 6.2500 29.7500 null]"));
    EXPECT_THAT(pdf.objet(11), HasSubstr("/Annots [12 0 R ]"));
    EXPECT_TRUE(pdf.objet(13).empty());
    verifierAvecQpdf(pdf);
}

// La ligne à cheval est écrite entière sur ses deux pages, que la translation de chacune décale.
TEST_F(SurfaceEssai, uneLigneAChevalSurDeuxPagesDepilerFermeLesNiveauxDeChacuneEtLaPileSArreteACinq) {
    SurfacePdf& s = ouvrir(2 * 9072, 13024);
    s.empilerTransformation(1, 0, 0, 1, 0, 0);
    s.empilerTransformation(1, 0, 0, 1, 16, 0);
    s.ligneHorizontale(9000, 100, 9200);  // deux pages
    s.depilerTransformation();
    s.depilerTransformation();
    for (int i = 0; i < 7; ++i) s.empilerTransformation(1, 0, 0, 1, 0, 0);
    EXPECT_EQ(s.etat().profondeur, 5);
    for (int i = 0; i < 7; ++i) s.depilerTransformation();
    EXPECT_EQ(s.etat().profondeur, 0);
    LecturePdf pdf = fermer();
    const auto contenus = pdf.contenus();
    ASSERT_EQ(contenus.size(), 2u);
    EXPECT_THAT(contenus[1], HasSubstr("1 0 0 1 -567 0 cm\n"));
    for (const std::string& c : contenus) {
        EXPECT_THAT(c, HasSubstr(" 562.5 6.25 m 575 6.25 l\nS\nQ Q "));
        EXPECT_EQ(LecturePdf::compterDans(c, "q "), 2u) << c;
    }
    verifierAvecQpdf(pdf);
}

TEST_F(SurfaceEssai, lItaliqueCreeSesObjetsUneSeuleFoisEtToutesLesPagesLeCitent) {
    SurfacePdf& s = ouvrir(9072, 13024);
    s.texte(100, 100, 100, 176, "romain");  // page 8, 9 avant l'italique
    s.policeItalique(true);
    s.texte(100, 400, 100, 176, "italique");
    s.policeItalique(false);
    s.policeItalique(true);
    s.policeItalique(false);
    LecturePdf pdf = fermer();
    EXPECT_THAT(pdf.objet(12), HasSubstr("/BaseFont /Liberation#20Sans-Italic"));
    EXPECT_THAT(pdf.objet(9), HasSubstr("/F2 12 0 R"));
    EXPECT_THAT(pdf.contenus().at(0), HasSubstr("/F2 10 Tf"));
    verifierAvecQpdf(pdf);
}

TEST_F(SurfaceEssai, unTexteCirculaireDebordeSurLesPagesVoisinesAtteintes) {
    SurfacePdf& s = ouvrir(3 * 9072, 13024);
    // Cercle centré près du bord droit de la première colonne : le texte passe à droite.
    const PlagePages depart = s.plagePages(8800, 2000, 8800, 2000);
    s.texteCirculaire(depart.colonneDebut, depart.rangeeDebut, 8800, 1000, 1000, kPi / 2 + 0.5f, false,
                      "Texte autour de la roue des ancetres");
    EXPECT_EQ(s.nombrePages(), 2);  // jamais la troisième colonne, à deux pas
    LecturePdf pdf = fermer();
    const auto contenus = pdf.contenus();
    ASSERT_EQ(contenus.size(), 2u);
    EXPECT_EQ(contenus[0].substr(contenus[0].find("Tm")), contenus[1].substr(contenus[1].find("Tm")));
    verifierAvecQpdf(pdf);
}

// Un tour complet, au milieu d'une page ou à cheval sur la page du dessous ou du dessus : seules
// les pages que le texte touche sont écrites.
TEST_F(SurfaceEssai, unTexteCirculaireVersLeHautOuLeBasNAtteintQueLesPagesTouchees) {
    for (auto [cy, pages] : {std::pair{13024 + 6500, 1}, std::pair{13024 + 300, 2}, std::pair{2 * 13024 - 300, 2}}) {
        SCOPED_TRACE(cy);
        SurfacePdf& s = ouvrir(9072, 3 * 13024);
        const PlagePages depart = s.plagePages(4500, cy, 4500, cy);
        s.texteCirculaire(depart.colonneDebut, depart.rangeeDebut, 4500, cy, 1000, 0.0f, false,
                          "Texte autour de la roue des ancetres, Texte autour de la roue des ancetres, "
                          "Texte autour de la roue des ancetres");
        EXPECT_EQ(s.nombrePages(), pages);
        fermer();
    }
}

TEST(SurfaceGeometrie, lesTangentesDUneCourbeSeRencontrentSelonLeursPentes) {
    using P = std::pair<std::int64_t, std::int64_t>;
    EXPECT_EQ(rencontre({0, 0, 50, 50, 150, 50, 200, 0}), P(100, 100));  // y = x et y = −x + 200
    // Une tangente verticale : le point est sur l'autre, à son x (x0 pour la première, x2 pour la seconde).
    EXPECT_EQ(rencontre({10, 0, 10, 90, 100, 50, 200, 150}), P(10, -40));
    EXPECT_EQ(rencontre({0, 0, 100, 50, 300, 500, 300, 900}), P(300, 150));
    EXPECT_FALSE(rencontreTangentes({0, 0, 0, 10, 50, 10, 50, 0}));    // deux verticales
    EXPECT_FALSE(rencontreTangentes({0, 0, 10, 10, 50, 60, 60, 70}));  // parallèles
}

// Le demi-tour (un quart tourné, poignées de 1600, arc sans balayage) est essayé sur la surface.
TEST(SurfaceGeometrie, unArcSeDecoupeEnQuartsPuisEnUnResteDirect) {
    EXPECT_EQ(poigneeQuart(10), 6);  // 5,537 arrondi
    DecoupeArc d = decouperArc(0, 0, 1000, 0.0f, kPi / 2);
    EXPECT_TRUE(d.quarts.empty());
    ASSERT_TRUE(d.reste);
    EXPECT_EQ((*d.reste)[0], 1000);    // départ sur l'axe des x
    EXPECT_NEAR((*d.reste)[6], 0, 1);  // arrivée sur l'axe des y
    EXPECT_NEAR((*d.reste)[7], 1000, 1);
    EXPECT_NEAR((*d.reste)[3], 552, 2);  // poignée le long de la tangente

    d = decouperArc(0, 0, 1000, 0.0f, 2 * kPi);
    // Quatre quarts en tout ; selon l'arrondi, le dernier est tourné ou direct.
    EXPECT_EQ(d.quarts.size() + (d.reste ? 1u : 0u), 4u);
    ASSERT_GE(d.quarts.size(), 3u);
    EXPECT_FLOAT_EQ(d.quarts[2], kPi);
}

TEST(SurfaceGeometrie, lesNiveauxDeTransformationAgissentDuDernierAuPremierEtRestentDansLesEntiers) {
    StyleTrace s;
    s.profondeur = 2;
    s.transformations[0] = {1, 0, 0, 1, 1000, 0};  // translation
    s.transformations[1] = {0, 1, -1, 0, 0, 0};    // quart de tour
    // Le niveau intérieur d'abord, comme les « cm » imbriqués : (10, 0) → (0, 10) → (1000, 10).
    const PointTrace p = transformer(s, 10, 0);
    EXPECT_TRUE(p.x == 1000 && p.y == 10) << p.x << ", " << p.y;
    s.profondeur = 1;
    s.transformations[0] = {1e30f, 0, 0, 1, 0, 0};
    EXPECT_GT(transformer(s, 10, 0).x, 0);
    s.transformations[0] = {std::numeric_limits<float>::quiet_NaN(), 0, 0, 1, 0, 0};
    EXPECT_EQ(transformer(s, 10, 0).x, 0);
}

// La planche d'essai écrite par le programme, contrôlée par les outils de qpdf et de poppler.
TEST(SurfaceEssaiPdf, laPlancheDEssaiPasseLesOutilsEtSeRendPageAPage) {
    for (const char* outil : {"qpdf", "pdftotext", "pdffonts", "pdftoppm"}) SAUTER_SANS_OUTIL(outil);
    essai::DossierEssai d;
    const auto pdf = d / "planche.pdf";
    const std::string cite = essai::cite(pdf.string());
    essai::SortieProgramme s = essai::lancerProgramme("essai-pdf " + cite);
    ASSERT_EQ(s.code, 0) << s.texte;
    EXPECT_NE(s.texte.find("8 pages"), std::string::npos) << s.texte;
    essai::controlerPdf(pdf);

    s = essai::executerCommande("pdftotext -enc UTF-8 " + cite + " -");
    EXPECT_EQ(s.code, 0);
    for (const char* attendu : {"Généalogie", "àâäçéèêëîïôöùûüÿ", "ÀÂÇÉÈÊÎÔÙ", "Œœ €", "Frère aîné, née à Besançon",
                                "(parenthèses) \\", "www.lignara.org", "Rond-rose.dwa"})
        EXPECT_NE(s.texte.find(attendu), std::string::npos) << attendu;

    s = essai::executerCommande("pdffonts " + cite);
    EXPECT_NE(s.texte.find("TrueType          WinAnsi"), std::string::npos) << s.texte;
    EXPECT_NE(s.texte.find("-Italic"), std::string::npos) << s.texte;

    s = essai::executerCommande("pdftoppm -r 10 -png " + cite + " " + essai::cite((d / "page").string()));
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_TRUE(s.texte.empty()) << s.texte;  // aucune erreur de rendu
    for (int page = 1; page <= 8; ++page)
        EXPECT_TRUE(std::filesystem::exists(d / ("page-" + std::to_string(page) + ".png"))) << page;
}

TEST(SurfaceEssaiPdf, sansDonneesInstalleesLaCommandeDitDeReinstaller) {
    essai::DossierEssai d;
    const essai::SortieProgramme s = essai::lancerProgramme("essai-pdf " + essai::cite((d / "x.pdf").string()),
                                                            "LIGNARA_DONNEES=" + essai::cite((d / "vide").string()));
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("Accès impossible à des données internes\nVous devriez réinstaller Lignara"),
              std::string::npos)
        << s.texte;
}

TEST(SurfaceEssaiPdf, unePhotoAbimeeDonneUneImageBlancheEtUnFichierValide) {
    essai::DossierEssai d;
    const char gif[] = "GIF89a\x10\x00\x10\x00 tronqué";  // octets nuls compris
    const auto photo = d.ecrire("abimee.gif", std::string(gif, sizeof gif - 1));
    const essai::SortieProgramme s = essai::lancerProgramme(
        "essai-pdf --format 1720 --photo " + essai::cite(photo.string()) + " " + essai::cite((d / "p.pdf").string()));
    ASSERT_EQ(s.code, 0) << s.texte;
    essai::controlerPdf(d / "p.pdf");
}
