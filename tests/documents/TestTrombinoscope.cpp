#include "documents/fiches/Trombinoscope.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "BaseEssai.h"
#include "ListesEssai.h"
#include "commun/OperationImpossible.h"
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
}

TEST_F(TrombinoscopeEssai, personneSansPhotoArreteLeDocumentAvecLeMessage) {
    BaseEssai b(BaseEssai::DepuisChemin{}, famille());
    auto t = trombinoscope(b, kAscendant, "Paul");
    EXPECT_EQ(essai::messageDe([&] { t->preparer(b.contexte); }), "Aucune personne sélectionnée n'a de photo"_1252);
    fs::remove_all(dossier / "photos");  // toutes les photos manquantes : le même refus
    EXPECT_THROW(trombinoscope(b, kComplet, "")->preparer(b.contexte), OperationImpossible);
}

// Hauteur hors bornes (un favori abîmé) : ramenée entre 10 et 150 mm, une cellule au moins par rangée.
TEST_F(TrombinoscopeEssai, hauteurBorneeEtGrilleTireeDeLaLargeurDeLaPage) {
    BaseEssai b(BaseEssai::DepuisChemin{}, famille());
    auto t = trombinoscope(b, kComplet, "");
    t->valeur(kHauteurPhotosMm) = std::uint16_t{0};
    t->preparer(b.contexte);
    EXPECT_EQ(t->hauteurPhotos(), 10 * 11520 / 254);
    t->valeur(kHauteurPhotosMm) = std::uint16_t{65535};
    t->preparer(b.contexte);
    EXPECT_EQ(t->hauteurPhotos(), 150 * 11520 / 254);
    EXPECT_TRUE(t->parRangee() >= 1 && t->largeurCellule() <= 9072 - 2 * 567);
}

TEST_F(TrombinoscopeEssai, rtfEnTableauWebEnBlocsFlottantsPdfUneImageParCellule) {
    BaseEssai b(BaseEssai::DepuisChemin{}, famille());
    auto t = trombinoscope(b, kComplet, "");
    t->valeur(kHauteurPhotosMm) = std::uint16_t{100};
    const std::string rtf = ecrire(*t, b, FormatSortie::Rtf);
    EXPECT_EQ(compter(rtf, "\\jpegblip"), 4u);

    const std::string html = ecrire(*t, b, FormatSortie::Web);
    EXPECT_EQ(compter(html, "<div><a href=\"file://"), 4u);
    essai::controlerPageHtml(t->chemin);

    const std::string pdf = ecrire(*t, b, FormatSortie::Pdf);
    EXPECT_EQ(compter(pdf, "/Subtype /Image"), 4u);
    essais::verifierAvecQpdf(pdf, "trombinoscope.pdf");
}

// bourbon.ged : 49 photos rattachées aux personnes elles-mêmes (pas aux événements ni aux sources),
// 41 JPEG (dont 2 « .JPG ») et 8 PNG, de 38 personnes.
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
    EXPECT_NE(b.messages.back().find("8 images ont \xE9t\xE9 ignor\xE9"), std::string::npos) << b.messages.back();
    t->valeur(kUnePhoto) = std::uint8_t{1};
    t->preparer(b.contexte);
    EXPECT_EQ(t->cellules().size(), 38u);
}

}  // namespace
}  // namespace lignara
