#include "EssaiRendu.h"
#include "MessagesCaptures.h"
#include "StructureRtf.h"
#include "render/rtf/DocumentRtf.h"
#include "render/rtf/EchappementRtf.h"
#include "support/Message.h"

using namespace lignara;
using essai::chemin1252;
using essai::HasSubstr;

namespace {

const std::string kJpeg("\xFF\xD8\xFF\xD9", 4);

// Un document aux préférences r, ouvert dans un dossier propre à l'essai.
class DocumentRtfEssai : public ::testing::Test {
protected:
    void ouvrir(std::uint8_t r0 = 0, std::uint8_t v0 = 0, std::uint8_t b0 = 0) { rtf.ouvrir(d / "a.rtf", r0, v0, b0); }
    std::string fermer() {
        rtf.fermer();
        return essai::lireFichier(d / "a.rtf");
    }
    essai::DossierEssai d;
    ReglagesDessin r;
    DocumentRtf rtf{r};
};

}  // namespace

TEST_F(DocumentRtfEssai, documentALOctetPres) {
    r.formatPapier = kA4Portrait;
    ouvrir(1, 2, 3);
    rtf.ecrireControles("{\\b ");
    rtf.ecrireTexte("Dupont {Jean} \\ \xE9");
    rtf.ecrireControles("}\\par\n");
    rtf.definirBordCellule(0);
    rtf.cellule({.largeur = 800});
    rtf.cellule({.largeur = 1200, .hauteurRangee = 352, .bordure = 1, .controles = "\\clvertalc"});
    rtf.ecrireControles("\\b");
    rtf.ecrireTexte("1er");
    rtf.ecrireControles("\\b0");
    rtf.bordures(3, 1, 0, 1, 0);
    rtf.image(1000, 832, chemin1252(d.ecrire("p.jpg", kJpeg)));
    rtf.ecrireControles("\\par\n");
    const std::string contenu = fermer();
    EXPECT_EQ(contenu, essai::golden("document-rtf.rtf"));
    EXPECT_EQ(essai::defautDeStructureRtf(contenu), "");
}

// Les bords ordinaires sont dans la référence ; ici l'arrondi d'une cellule étroite à bordure.
TEST_F(DocumentRtfEssai, uneCelluleEtroiteABordureArrondieSesTwips) {
    ouvrir();
    rtf.definirBordCellule(-100);
    rtf.cellule({.largeur = 3, .bordure = 2});  // 3 × 5 ÷ 4 = 3, plus 2 × 2
    EXPECT_EQ(rtf.bordCellule(), -93);
    EXPECT_THAT(fermer(), HasSubstr("\\clbrdrb\\brdrw4"));
}

TEST_F(DocumentRtfEssai, tailleDuPapierSelonLeFormat) {
    const std::pair<std::int16_t, const char*> cas[] = {{kA4Paysage, "\\paperw16280\\paperh11340\\"},
                                                        {kNonPagine, "\\paperw200000000\\paperh200000000\\"}};
    for (auto [format, attendu] : cas) {
        r.formatPapier = format;
        ouvrir();
        EXPECT_THAT(fermer(), HasSubstr(attendu)) << format;
    }
}

// Seule une extension entière « jpg » ou « jpeg » est intégrée ; un JPEG qui ne s'ouvre pas est sauté sans bruit.
TEST_F(DocumentRtfEssai, imagesNonJpegCompteesEtSignaleesALaFermeture) {
    essai::MessagesCaptures avis;
    r.messages = avis.recepteur();
    ouvrir();
    for (const char* nom : {"a.gif", "sans-point", "a.jpg.png", "a.jpgx"})
        rtf.image(100, 100, chemin1252(d.ecrire(nom, "x")));
    rtf.image(100, 100, chemin1252(d / "absente.jpg"));
    EXPECT_EQ(rtf.imagesIgnorees(), 4);
    EXPECT_EQ(fermer().find("pict"), std::string::npos);
    ASSERT_EQ(avis.messages.size(), 1u);
    EXPECT_THAT(avis.messages[0], HasSubstr("\n4 images ont \xE9t\xE9 ignor\xE9"
                                            "es"));
    // Le compte repart de zéro au document suivant.
    ouvrir();
    rtf.image(100, 100, chemin1252(d / "a.gif"));
    fermer();
    ASSERT_EQ(avis.messages.size(), 2u);
    EXPECT_THAT(avis.messages[1], HasSubstr("\nUne image a \xE9t\xE9 ignor\xE9"
                                            "e"));
}

TEST_F(DocumentRtfEssai, texteSepareDUnMotDeControleResteOuvert) {
    ouvrir();
    rtf.ecrireControles("\\fs24");
    rtf.ecrireTexte("12");
    rtf.ecrireControles("\\par ");
    rtf.ecrireTexte("a");
    rtf.ecrireControles("\\'e9");
    rtf.ecrireTexte("b");
    rtf.cellule({.largeur = 8});
    rtf.ecrireTexte("3");
    EXPECT_THAT(fermer(), HasSubstr("\\fs24 12\\par a\\'e9b\\cellx10 3}"));
}

TEST_F(DocumentRtfEssai, textesPiegesGardentUneStructureValide) {
    ouvrir();
    std::string piege = "}}}{\\rtf1 \\par \\'zz \\";
    for (int o = 0; o < 256; ++o) piege += static_cast<char>(o);
    rtf.ecrireControles("{\\i ");
    rtf.ecrireTexte(piege);
    rtf.ecrireControles("}\\par\n");
    rtf.image(0, 0, chemin1252(d.ecrire("p.JPEG", std::string("\xFF\xD8\x00\xAB\x10\xFF\xD9", 7))));
    const std::string contenu = fermer();
    EXPECT_EQ(essai::defautDeStructureRtf(contenu), "");
    // Sans taille voulue, l'image garde la sienne ; l'octet nul s'écrit comme les autres.
    EXPECT_THAT(contenu, HasSubstr("{\\*\\shppict{\\pict\\picw1\\pich1\\jpegblip ffd800ab10ffd9}}"));
}

// Le document donne son chemin natif, comme nommerFichier ; une ouverture impossible dit le chemin.
TEST_F(DocumentRtfEssai, ouvertAuCheminDuDocumentOuDitPourquoiNon) {
    EXPECT_EQ(essai::messageDe([&] { rtf.ouvrir(d / "absent" / "x.rtf", 0, 0, 0); }),
              "Ouverture impossible du fichier " + chemin1252(d / "absent" / "x.rtf") + "\nDossier inexistant");
    Graphique g;
    g.format = FormatSortie::Rtf;
    g.chemin = (d / "LD_\xC3\x89MILE.rtf").string();
    rtf.ouvrir(g, 0, 0, 0);
    rtf.fermer();
    EXPECT_EQ(essai::lireFichier(d / "LD_\xC3\x89MILE.rtf").back(), '}');
}

// Les groupes, la barre et les octets hauts sont dans la référence ; ici sauts de ligne, tabulations et contrôles.
TEST(EchappementRtf, sautsDeLigneTabulationsEtControles) {
    EXPECT_EQ(echapperRtf("a\r\nb\tc"), "a\\line b\\tab c");
    EXPECT_EQ(echapperRtf(std::string("x\x00y\x1F", 4)), "x\\'00y\\'1f");
}
