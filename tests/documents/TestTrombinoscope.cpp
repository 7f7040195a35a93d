#include "documents/fiches/Trombinoscope.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "BaseEssai.h"
#include "ListesEssai.h"
#include "commun/OperationImpossible.h"
#include "documents/fiches/FicheIndividuelle.h"
#include "commun/Texte.h"
#include "support/Message.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::BaseEssai;
using essai::compter;
using essai::DossierEssai;

constexpr std::uint8_t kAscendant = 35, kComplet = 36, kDescendant = 37;

class TrombinoscopeEssai : public ::testing::Test {
protected:
    DossierEssai dossier;

    // Parents nés en 1900 et 1902, deux enfants morts jeunes (1930, 1925) ; seuls les enfants
    // ont des photos (deux pour Zoé), et l'oncle sans lien en a une.
    fs::path famille() {
        fs::create_directories(dossier / "photos");
        for (const char* nom : {"zoe1.jpg", "zoe2.jpg", "adam.jpg", "oncle.jpg"})
            dossier.ecrire(std::string("photos/") + nom, essais::jpegBlanc(30, 40));
        return dossier.ecrire(
            "famille.ged",
            "0 HEAD\n1 CHAR ANSI\n"
            "0 @I1@ INDI\n1 NAME Paul /MARTIN/\n1 SEX M\n1 BIRT\n2 DATE 1900\n1 FAMS @F1@\n"
            "0 @I2@ INDI\n1 NAME Anne /ROY/\n1 SEX F\n1 BIRT\n2 DATE 1902\n1 FAMS @F1@\n"
            "0 @I3@ INDI\n1 NAME Zoe /MARTIN/\n1 SEX F\n1 BIRT\n2 DATE 1925\n1 DEAT\n2 DATE 1926\n1 FAMC @F1@\n"
            "1 OBJE\n2 FILE photos/zoe1.jpg\n1 OBJE\n2 FILE photos/zoe2.jpg\n1 OBJE\n2 FILE photos/perdue.jpg\n"
            "0 @I4@ INDI\n1 NAME Adam /MARTIN/\n1 SEX M\n1 BIRT\n2 DATE 1930\n1 DEAT\n2 DATE 1931\n1 FAMC @F1@\n"
            "1 OBJE\n2 FILE photos/adam.jpg\n"
            "0 @I5@ INDI\n1 NAME Oncle /SEUL/\n1 SEX M\n1 OBJE\n2 FILE photos/oncle.jpg\n"
            "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 CHIL @I4@\n0 TRLR\n");
    }

    std::unique_ptr<Trombinoscope> trombinoscope(BaseEssai& b, std::uint8_t code, const std::string& tete) {
        return essai::documentEssai<Trombinoscope>(b, code, tete.empty() ? 0 : b.personne(tete));
    }

    static std::vector<std::string> noms(const Trombinoscope& t) {
        std::vector<std::string> n;
        for (const CelluleTrombinoscope& c : t.cellules()) n.push_back(c.nom);
        return n;
    }

    std::string ecrire(Document& d, BaseEssai& b, FormatSortie format) {
        static const Configuration preferences;
        return essai::ecrireListe(d, b, preferences, format, dossier, "trombinoscope");
    }
};

TEST_F(TrombinoscopeEssai, parametresParDefautEtDeclaration) {
    BaseEssai b(BaseEssai::DepuisChemin{}, famille());
    auto t = trombinoscope(b, kComplet, "");
    EXPECT_EQ(t->type().signature(), "Ps1b21");
    EXPECT_FALSE(t->type().demandeRacine());
    EXPECT_TRUE(t->signature().accepte(t->parametres));
    EXPECT_EQ(t->octet(kUnePhoto), 0);
    EXPECT_EQ(t->mot(kHauteurPhotosMm), 30);
    EXPECT_EQ(t->octet(kTriTrombinoscope), 0);
    EXPECT_EQ(afficheurDeCode(FicheIndividuelle::kCodeAscendants)->signature(), "PsbbbbL11");
    EXPECT_EQ(afficheurDeCode(FicheIndividuelle::kCodeIndividuelle)->signature(), "Psbbbb1");
}

// Les seuls à avoir des photos sont des enfants morts jeunes : ils paraissent comme les autres.
TEST_F(TrombinoscopeEssai, uneCelluleParPhotoOuParPersonneTrieeParNomOuParAnnee) {
    BaseEssai b(BaseEssai::DepuisChemin{}, famille());
    auto t = trombinoscope(b, kDescendant, "Paul");
    t->preparer(b.contexte);
    EXPECT_EQ(noms(*t), (std::vector<std::string>{"Adam MARTIN", "Zoe MARTIN", "Zoe MARTIN"}));
    t->valeur(kUnePhoto) = std::uint8_t{1};
    t->valeur(kTriTrombinoscope) = std::uint8_t{1};
    t->preparer(b.contexte);
    EXPECT_EQ(noms(*t), (std::vector<std::string>{"Zoe MARTIN", "Adam MARTIN"}));
    EXPECT_NE(t->cellules()[0].photo.chemin1252.find("zoe1.jpg"), std::string::npos);

    auto complet = trombinoscope(b, kComplet, "");
    complet->preparer(b.contexte);
    EXPECT_EQ(complet->cellules().size(), 4u);
    // Ascendants de Zoé : elle seule a des photos, ses parents n'en ont pas.
    auto asc = trombinoscope(b, kAscendant, "Zoe");
    asc->preparer(b.contexte);
    EXPECT_EQ(noms(*asc), (std::vector<std::string>{"Zoe MARTIN", "Zoe MARTIN"}));
}

TEST_F(TrombinoscopeEssai, personneSansPhotoArreteLeDocumentAvecLeMessage) {
    BaseEssai b(BaseEssai::DepuisChemin{}, famille());
    auto t = trombinoscope(b, kAscendant, "Paul");
    EXPECT_EQ(essai::messageDe([&] { t->preparer(b.contexte); }), "Aucune personne sélectionnée n'a de photo"_1252);
    // Toutes les photos manquantes : le même message.
    fs::remove_all(dossier / "photos");
    auto complet = trombinoscope(b, kComplet, "");
    EXPECT_THROW(complet->preparer(b.contexte), OperationImpossible);
}

// Hauteur hors bornes (un favori abîmé) : ramenée entre 10 et 150 mm, toujours une cellule par
// rangée au moins, jamais plus large que la page.
TEST_F(TrombinoscopeEssai, hauteurBorneeEtGrilleTireeDeLaLargeurDeLaPage) {
    BaseEssai b(BaseEssai::DepuisChemin{}, famille());
    auto t = trombinoscope(b, kComplet, "");
    t->valeur(kHauteurPhotosMm) = std::uint16_t{0};
    t->preparer(b.contexte);
    EXPECT_EQ(t->hauteurPhotos(), 10 * 11520 / 254);
    t->valeur(kHauteurPhotosMm) = std::uint16_t{65535};
    t->preparer(b.contexte);
    EXPECT_EQ(t->hauteurPhotos(), 150 * 11520 / 254);
    EXPECT_GE(t->parRangee(), 1);
    EXPECT_LE(t->largeurCellule(), 9072 - 2 * 567);
    t->valeur(kHauteurPhotosMm) = std::uint16_t{30};
    t->preparer(b.contexte);
    // 30 mm : photos de 1360 × 1020, cellules de 1540 ; cinq tiennent dans la largeur A4.
    EXPECT_EQ(t->cellules()[0].hauteur, 1360);
    EXPECT_EQ(t->cellules()[0].largeur, 1020);
    EXPECT_EQ(t->parRangee(), (9072 - 2 * 567) / t->largeurCellule());
}

TEST_F(TrombinoscopeEssai, rtfEnTableauWebEnBlocsFlottantsPdfUneImageParCellule) {
    BaseEssai b(BaseEssai::DepuisChemin{}, famille());
    auto t = trombinoscope(b, kComplet, "");
    t->valeur(kHauteurPhotosMm) = std::uint16_t{100};
    const std::string rtf = ecrire(*t, b, FormatSortie::Rtf);
    const std::size_t rangees = (t->cellules().size() + static_cast<std::size_t>(t->parRangee()) - 1) /
                                static_cast<std::size_t>(t->parRangee());
    EXPECT_EQ(compter(rtf, "\\trowd \n"), rangees);
    EXPECT_EQ(compter(rtf, "\n\\row\n"), rangees);
    EXPECT_EQ(compter(rtf, "\n\\pard\\intbl \\qc "), 4u);
    EXPECT_EQ(compter(rtf, "\\keepn\\par "), 4u);
    EXPECT_EQ(compter(rtf, "\\jpegblip"), 4u);

    const std::string html = ecrire(*t, b, FormatSortie::Web);
    EXPECT_NE(html.find("<title>Trombinoscope</title>"), std::string::npos);
    EXPECT_NE(html.find("div {border:3px solid #006400;text-align:center;"), std::string::npos) << html;
    EXPECT_EQ(compter(html, "<div><a href=\"file://"), 4u);
    EXPECT_NE(html.find("<span style='color:"), std::string::npos);
    essai::controlerPageHtml(t->chemin);

    const std::string pdf = ecrire(*t, b, FormatSortie::Pdf);
    EXPECT_EQ(compter(pdf, "/Subtype /Image"), 4u);
    essais::verifierAvecQpdf(pdf, "trombinoscope.pdf");
}

// bourbon.ged et ses photos : 49 photos rattachées aux personnes elles-mêmes (OBJE de niveau 1),
// 41 JPEG (dont 2 « .JPG ») et 8 PNG, de 38 personnes ; celles des événements et des sources ne
// sont pas des photos de la personne dans la base.
TEST(TrombinoscopeFichierReel, bourbonQuaranteNeufPhotosTrenteHuitPersonnesHuitPngIgnoreesEnRtf) {
    const fs::path ged = fs::path(LIGNARA_DOSSIER_TESTDATA) / "dj-gedcom-samples/sample-bourbon/bourbon.ged";
    if (!fs::exists(ged)) GTEST_SKIP() << "bourbon.ged absent : " << ged;
    DossierEssai dossier;
    BaseEssai b(BaseEssai::DepuisChemin{}, ged);
    auto t = essai::documentEssai<Trombinoscope>(b, kComplet);
    static const Configuration preferences;
    const std::string rtf = essai::ecrireListe(*t, b, preferences, FormatSortie::Rtf, dossier, "tr");
    EXPECT_EQ(t->cellules().size(), 49u);
    EXPECT_EQ(compter(rtf, "\\jpegblip"), 41u);
    ASSERT_FALSE(b.messages.empty());
    EXPECT_NE(b.messages.back().find("8 images ont \xE9t\xE9 ignor\xE9"
                                     "es"),
              std::string::npos)
        << b.messages.back();
    bool rohan = false;
    for (const CelluleTrombinoscope& c : t->cellules())
        rohan = rohan || c.photo.chemin1252.find("Maison de Rohan_Gibon.png") != std::string::npos;
    EXPECT_TRUE(rohan);
    t->valeur(kUnePhoto) = std::uint8_t{1};
    t->preparer(b.contexte);
    EXPECT_EQ(t->cellules().size(), 38u);

    const std::string html = essai::ecrireListe(*t, b, preferences, FormatSortie::Web, dossier, "tr");
    EXPECT_NE(html.find("Maison%20de%20Rohan_Gibon.png"), std::string::npos);

    auto fiche = std::make_unique<FicheIndividuelle>(*afficheurDeCode(FicheIndividuelle::kCodeIndividuelle));
    fiche->initialiserParametres(b.contexte);
    fiche->valeur(kRacine) = b.personne("Louis XIII");
    const std::string rtfFiche = essai::ecrireListe(*fiche, b, preferences, FormatSortie::Rtf, dossier, "ti");
    ASSERT_EQ(fiche->fiches().size(), 1u);
    EXPECT_EQ(fiche->fiches()[0].filiation.rfind("Fils d'Henri", 0), 0u) << fiche->fiches()[0].filiation;
    EXPECT_EQ(compter(rtfFiche, "\\jpegblip"), 1u);
}

}  // namespace
}  // namespace lignara
