// Fiches individuelles, trombinoscopes et chemins de leurs photos.
#include "documents/fiches/FicheIndividuelle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "BaseEssai.h"
#include "ListesEssai.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/CheminPhoto.h"
#include "documents/fiches/Trombinoscope.h"
#include "support/Message.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::BaseEssai;
using essai::compter;
using essai::DossierEssai;

TEST(LigneFiliation, motDuSexeApostropheDevantVoyelleOuHEtParentInconnuOmis) {
    EXPECT_EQ(ligneFiliation('M', "Jean DUPONT", "Anne MARTIN"), "Fils de Jean DUPONT et d'Anne MARTIN");
    // Un parent inconnu n'est pas écrit : ni « de  et de », ni « et de » en fin de ligne.
    EXPECT_EQ(ligneFiliation('F', "", "Marie MARTIN"), "Fille de Marie MARTIN");
    EXPECT_EQ(ligneFiliation('M', "\xC9mile", ""), "Fils de \xC9mile");  // pas d'élision devant une lettre accentuée
}

const std::string kHenri =
    "0 @I1@ INDI\n1 NAME Henri /BOURBON/\n1 SEX M\n1 BIRT\n2 DATE 13 DEC 1553\n2 PLAC Pau\n"
    "1 DEAT\n2 DATE 14 MAY 1610\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Marie /MEDICIS/\n1 SEX F\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Christine /BOURBON/\n1 SEX F\n1 BIRT\n2 DATE 1606\n1 FAMC @F1@\n"
    "1 BAPM\n2 DATE 14 SEP 1606\n2 PLAC Fontainebleau\n1 CONF\n2 DATE 1620\n1 BURI\n2 DATE 1663\n2 PLAC Turin\n"
    "1 OCCU Duchesse\n2 DATE 1619\n"
    "1 RESI\n2 PLAC Turin\n1 EVEN\n2 TYPE Residence\n2 PLAC Chamb\xE9ry\n"
    "1 OBJE\n2 FILE photos/christine.jpg\n1 OBJE\n2 FILE photos/absente.jpg\n"
    "1 OBJE\n2 FILE photos/blason.png\n"
    "0 @I4@ INDI\n1 NAME Louis /BOURBON/\n1 SEX M\n1 FAMC @F1@\n1 OCCU Roi\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 CHIL @I4@\n";

// Un PNG valide de 1 × 1 pixel vert.
const std::string kPng1x1(
    "\x89\x50\x4E\x47\x0D\x0A\x1A\x0A\x00\x00\x00\x0D\x49\x48\x44\x52\x00\x00\x00\x01\x00\x00\x00\x01"
    "\x08\x02\x00\x00\x00\x90\x77\x53\xDE\x00\x00\x00\x0C\x49\x44\x41\x54\x78\x9C\x63\xF8\xCF\xC0\x00"
    "\x00\x03\x01\x01\x00\xC9\xFE\x92\xEF\x00\x00\x00\x00\x49\x45\x4E\x44\xAE\x42\x60\x82",
    69);

// Libellé et texte de chaque ligne d'une partie de la fiche.
using Lignes = std::vector<std::string>;
template <class L>
Lignes lignes(const std::vector<L>& partie) {
    Lignes t;
    for (const L& l : partie) t.push_back(l.libelle + l.texte);
    return t;
}

// Une famille écrite dans le dossier de l'essai, photos à côté du GEDCOM.
class FicheEssai : public ::testing::Test {
protected:
    DossierEssai dossier;

    fs::path ecrireGedcom(const std::string& individus) {
        return dossier.ecrire("famille.ged", "0 HEAD\n1 CHAR ANSI\n" + individus + "0 TRLR\n");
    }

    // La famille d'Henri, avec la photo de Christine et un blason PNG.
    fs::path henriEtPhotos() {
        fs::create_directories(dossier / "photos");
        dossier.ecrire("photos/christine.jpg", essais::jpegBlanc(30, 40));
        dossier.ecrire("photos/blason.png", kPng1x1);
        return ecrireGedcom(kHenri);
    }

    std::unique_ptr<FicheIndividuelle> fiche(BaseEssai& b, std::uint8_t code, const std::string& prenoms) {
        return essai::documentEssai<FicheIndividuelle>(b, code, b.personne(prenoms));
    }

    std::string ecrire(Document& d, BaseEssai& b, FormatSortie format, const std::string& nom = "fiche") {
        static const Configuration preferences;
        return essai::ecrireListe(d, b, preferences, format, dossier, nom);
    }
};

TEST_F(FicheEssai, contenuRelu_religieuxEnterrementProfessionsDomicilesEtPhotosLisiblesSeules) {
    BaseEssai b(BaseEssai::DepuisChemin{}, henriEtPhotos());
    auto d = fiche(b, FicheIndividuelle::kCodeIndividuelle, "Christine");
    d->preparer(b.contexte);
    ASSERT_EQ(d->fiches().size(), 1u);
    const ContenuFiche& f = d->fiches()[0];
    EXPECT_EQ(f.filiation, "Fille d'Henri BOURBON et de Marie MEDICIS");
    EXPECT_EQ(lignes(f.evenements), (Lignes{"Naissance : 1606", "Enterrement : 1663, Turin"}));
    EXPECT_EQ(lignes(f.religieux),
              (Lignes{"    Bapt\xEAme : 14 septembre 1606, Fontainebleau", "    Confirmation : 1620"}));
    EXPECT_EQ(lignes(f.professions), (Lignes{"Duchesse, 1619"}));
    EXPECT_EQ(f.domiciles.at(1).texte, "Chamb\xE9ry");
    // La photo absente est laissée de côté ; les chemins relatifs partent du dossier du GEDCOM.
    ASSERT_EQ(f.photos.size(), 2u);
    EXPECT_EQ(f.photos[0].chemin1252, essai::chemin1252(dossier / "photos/christine.jpg"));

    // Sans les options : ni religieux ni photos ; la profession reste.
    d->valeur(kReligieuxFiche) = std::uint8_t{0};
    d->valeur(kPhotosFiche) = std::uint8_t{0};
    d->preparer(b.contexte);
    const ContenuFiche& g = d->fiches()[0];
    EXPECT_TRUE(g.religieux.empty() && g.photos.empty() && g.professions.size() == 1);
}

// Le GEDCOM relu pour la fiche a disparu depuis l'import.
TEST_F(FicheEssai, gedcomDisparuDitLectureImpossible) {
    const fs::path ged = ecrireGedcom(kHenri);
    BaseEssai b(BaseEssai::DepuisChemin{}, ged);
    auto d = fiche(b, FicheIndividuelle::kCodeIndividuelle, "Christine");
    fs::remove(ged);
    EXPECT_TRUE(
        essai::messageDe([&] { d->preparer(b.contexte); }).starts_with("Lecture impossible du fichier Gedcom\n"));
}

TEST_F(FicheEssai, fichesDesDescendantsSeparentChaqueFicheParUnSautDePageRtfEtGardentLeJpegSeul) {
    BaseEssai b(BaseEssai::DepuisChemin{}, henriEtPhotos());
    auto d = fiche(b, FicheIndividuelle::kCodeDescendants, "Henri");
    const std::string rtf = ecrire(*d, b, FormatSortie::Rtf);
    EXPECT_EQ(d->fiches().size(), 3u);  // Henri, Christine, Louis
    EXPECT_EQ(compter(rtf, "\n\\pagebb\\sl-1\\par\\pard\n"), 2u);
    EXPECT_EQ(compter(rtf, "\\jpegblip"), 1u);
    EXPECT_NE(rtf.find("Activit\\'e9 professionnelle"), std::string::npos) << rtf;
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_NE(b.messages[0].find("Une image a \xE9t\xE9 ignor\xE9"), std::string::npos) << b.messages[0];
}

// Chemins de photos hostiles en Web : rien ne sort de l'attribut, les blancs sont encodés.
TEST_F(FicheEssai, webEncodeLesCheminsDePhotosEtDonneAltLargeurHauteur) {
    fs::create_directories(dossier / "photos");
    const std::string piege = "x\"><img src=y onerror=alert(1)>&.jpg";
    dossier.ecrire("photos/" + piege, essais::jpegBlanc(20, 10));
    dossier.ecrire("photos/a b.jpg", essais::jpegBlanc(10, 10));
    BaseEssai b(BaseEssai::DepuisChemin{},
                ecrireGedcom("0 @I1@ INDI\n1 NAME Jeanne /ROY/\n1 SEX F\n1 OBJE\n2 FILE photos/" + piege +
                             "\n1 OBJE\n2 FILE photos/a b.jpg\n"));
    auto d = fiche(b, FicheIndividuelle::kCodeIndividuelle, "Jeanne");
    d->valeur(kVignettesFiche) = std::uint8_t{0};
    const std::string html = ecrire(*d, b, FormatSortie::Web);
    EXPECT_EQ(html.find("onerror=alert"), std::string::npos) << html;
    EXPECT_NE(html.find("/photos/x%22%3E%3Cimg%20src%3Dy%20onerror%3Dalert%281%29%3E%26.jpg\""), std::string::npos)
        << html;
    EXPECT_NE(html.find("/photos/a%20b.jpg\"><img style='border-width:0;' src=\"file://"), std::string::npos) << html;
    // Taille normale : 3840 unités de haut, 320 pixels ; la photo 2 : 1 fait 640 de large.
    EXPECT_NE(html.find(" width=640 height=320>"), std::string::npos) << html;
    essai::controlerPageHtml(d->chemin);
}

constexpr std::uint8_t kAscendant = 35, kComplet = 36, kDescendant = 37;

class TrombinoscopeEssai : public FicheEssai {
protected:
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
    // Les noms aux couleurs des hommes et des femmes (préférence par défaut).
    EXPECT_EQ(compter(html, "color:#0000aa;font-weight:bold;'><span style=\"font-size:8px;\">Adam MARTIN<"), 1u);
    EXPECT_EQ(compter(html, "color:#aa0000;font-weight:bold;'><span style=\"font-size:8px;\">Zoe MARTIN<"), 2u);
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

// Un chemin relatif se rapporte au dossier du GEDCOM qui le nomme (le bon fichier dans une fusion) ;
// absolus, adresses, vides ou sans dossier connu, les chemins restent tels quels.
TEST(CheminPhoto, unCheminRelatifSeLitDepuisLeDossierDeSonGedcom) {
    const std::vector<std::filesystem::path> dossiers = {"/donnees/famille", "/donnees/cousins"};
    EXPECT_EQ(resoudreCheminPhoto("photo.png", 0, dossiers), "/donnees/famille/photo.png");
    EXPECT_EQ(resoudreCheminPhoto("photos\\jean.jpg", 1, dossiers), "/donnees/cousins/photos/jean.jpg");
    EXPECT_EQ(resoudreCheminPhoto("\xC9lise.jpg", 0, dossiers), "/donnees/famille/\xC9lise.jpg");  // reste en 1252
    EXPECT_EQ(resoudreCheminPhoto("photo.png", 2, dossiers), "photo.png");
    for (const std::string chemin : {"/home/a/p.jpg", "C:\\Photos\\p.jpg", "\\\\serveur\\p.jpg",
                                     "http://exemple.org/p.jpg", "https://exemple.org/p.jpg", ""})
        EXPECT_EQ(resoudreCheminPhoto(chemin, 0, dossiers), chemin);
}

}  // namespace
}  // namespace lignara
