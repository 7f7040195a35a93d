#include <string>

#include <gtest/gtest.h>

#include "MessagesCaptures.h"
#include "support/DossierEssai.h"
#include "StructureRtf.h"
#include "commun/OperationImpossible.h"
#include "render/rtf/DocumentRtf.h"

using namespace lignara;
using essai::chemin1252;
using essai::DossierEssai;
using essai::lireFichier;
using essai::MessagesCaptures;

namespace {

const std::string kJpeg("\xFF\xD8\xFF\xD9", 4);

std::string golden(const std::string& nom) {
    return lireFichier(std::string(LIGNARA_DOSSIER_SOURCES) + "/tests/golden/" + nom);
}

}  // namespace

TEST(DocumentRtf, documentALOctetPres) {
    DossierEssai d;
    ReglagesDessin r;
    r.formatPapier = kA4Portrait;
    DocumentRtf rtf(r);
    rtf.ouvrir(d / "a.rtf", 1, 2, 3);
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
    rtf.fermer();
    const std::string contenu = lireFichier(d / "a.rtf");
    EXPECT_EQ(contenu, golden("document-rtf.rtf"));
    EXPECT_EQ(essai::defautDeStructureRtf(contenu), "");
}

TEST(DocumentRtf, deuxCellulesSansBordFinissentA1000Et2500Twips) {
    DossierEssai d;
    ReglagesDessin r;
    DocumentRtf rtf(r);
    rtf.ouvrir(d / "a.rtf", 0, 0, 0);
    rtf.cellule({.largeur = 800});
    EXPECT_EQ(rtf.bordCellule(), 1000);
    rtf.cellule({.largeur = 1200});
    EXPECT_EQ(rtf.bordCellule(), 2500);
    rtf.definirBordCellule(-100);
    rtf.cellule({.largeur = 3, .bordure = 2});  // 3 × 5 ÷ 4 = 3, plus 2 × 2
    EXPECT_EQ(rtf.bordCellule(), -93);
    rtf.fermer();
    EXPECT_NE(lireFichier(d / "a.rtf").find("\\cellx1000\\cellx2500\\clbrdrb\\brdrw4"), std::string::npos);
}

TEST(DocumentRtf, tailleDuPapierSelonLeFormat) {
    struct Cas {
        std::int16_t format;
        const char* attendu;
    };
    for (const Cas& c :
         {Cas{kA4Paysage, "\\paperw16280\\paperh11340\\"}, Cas{kNonPagine, "\\paperw200000000\\paperh200000000\\"},
          Cas{1720, "\\paperw11680\\paperh15180\\"}, Cas{999, "\\paperw200000000\\"}}) {
        DossierEssai d;
        ReglagesDessin r;
        r.formatPapier = c.format;
        DocumentRtf rtf(r);
        rtf.ouvrir(d / "a.rtf", 0, 0, 0);
        rtf.fermer();
        EXPECT_NE(lireFichier(d / "a.rtf").find(c.attendu), std::string::npos) << c.format;
    }
}

TEST(DocumentRtf, margesEtCouleursDesPreferences) {
    DossierEssai d;
    ReglagesDessin r;
    r.margeHaut = 176;
    r.margeBas = 0;
    r.margeGauche = 1132;
    r.margeDroite = 3;
    r.couleurTrait = couleurRvb(255, 128, 1);
    DocumentRtf rtf(r);
    rtf.ouvrir(d / "a.rtf", 9, 8, 7);
    rtf.fermer();
    const std::string contenu = lireFichier(d / "a.rtf");
    EXPECT_NE(contenu.find("\\margt220\\margb0\\margl1415\\margr3\\"), std::string::npos) << contenu;
    EXPECT_NE(contenu.find(";\\red255\\green128\\blue1;\\red9\\green8\\blue7;}"), std::string::npos) << contenu;
}

TEST(DocumentRtf, imagesNonJpegCompteesEtSignaleesALaFermeture) {
    DossierEssai d;
    ReglagesDessin r;
    MessagesCaptures avis;
    r.messages = avis.recepteur();
    DocumentRtf rtf(r);
    rtf.ouvrir(d / "a.rtf", 0, 0, 0);
    rtf.image(100, 100, chemin1252(d.ecrire("a.gif", "GIF89a")));
    rtf.image(100, 100, chemin1252(d.ecrire("b.png", "x")));
    rtf.image(100, 100, chemin1252(d / "absente.jpg"));  // sautée sans bruit
    rtf.image(100, 100, chemin1252(d.ecrire("c.bmp", "BM")));
    EXPECT_EQ(rtf.imagesIgnorees(), 3);
    rtf.fermer();
    ASSERT_EQ(avis.messages.size(), 1u);
    EXPECT_NE(avis.messages[0].find("\n3 images ont \xE9t\xE9 ignor\xE9"
                                    "es"),
              std::string::npos);
    EXPECT_EQ(lireFichier(d / "a.rtf").find("pict"), std::string::npos);
    // Le compte repart de zéro au document suivant.
    rtf.ouvrir(d / "b.rtf", 0, 0, 0);
    rtf.image(100, 100, chemin1252(d / "a.gif"));
    rtf.fermer();
    ASSERT_EQ(avis.messages.size(), 2u);
    EXPECT_NE(avis.messages[1].find("\nUne image a \xE9t\xE9 ignor\xE9"
                                    "e"),
              std::string::npos);
}

TEST(DocumentRtf, texteSepareDUnMotDeControleResteOuvert) {
    DossierEssai d;
    ReglagesDessin r;
    DocumentRtf rtf(r);
    rtf.ouvrir(d / "a.rtf", 0, 0, 0);
    rtf.ecrireControles("\\fs24");
    rtf.ecrireTexte("12");
    rtf.ecrireControles("\\par ");
    rtf.ecrireTexte("a");
    rtf.ecrireControles("\\'e9");
    rtf.ecrireTexte("b");
    rtf.cellule({.largeur = 8});
    rtf.ecrireTexte("3");
    rtf.fermer();
    EXPECT_NE(lireFichier(d / "a.rtf").find("\\fs24 12\\par a\\'e9b\\cellx10 3}"), std::string::npos);
}

TEST(DocumentRtf, textesPiegesGardentUneStructureValide) {
    DossierEssai d;
    ReglagesDessin r;
    DocumentRtf rtf(r);
    rtf.ouvrir(d / "a.rtf", 0, 0, 0);
    std::string piege = "}}}{\\rtf1 \\par \\'zz \\";
    for (int o = 0; o < 256; ++o) piege += static_cast<char>(o);
    rtf.ecrireControles("{\\i ");
    rtf.ecrireTexte(piege);
    rtf.ecrireControles("}\\par\n");
    rtf.image(0, 0, chemin1252(d.ecrire("p.JPEG", kJpeg)));
    rtf.fermer();
    EXPECT_EQ(essai::defautDeStructureRtf(lireFichier(d / "a.rtf")), "");
}

TEST(DocumentRtf, ouvertureImpossibleDonneLeMessageAvecLeChemin) {
    DossierEssai d;
    ReglagesDessin r;
    DocumentRtf rtf(r);
    try {
        rtf.ouvrir(d / "absent" / "x.rtf", 0, 0, 0);
        FAIL();
    } catch (const OperationImpossible& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Ouverture impossible du fichier " + chemin1252(d / "absent" / "x.rtf") + "\nDossier inexistant");
    }
}

TEST(DocumentRtf, ouvertAuCheminDuDocument) {
    DossierEssai d;
    ReglagesDessin r;
    Graphique g;
    g.format = FormatSortie::Rtf;
    g.chemin = (d / "LD_\xC3\x89MILE.rtf").string();  // chemin natif, comme nommerFichier le donne
    DocumentRtf rtf(r);
    rtf.ouvrir(g, 0, 0, 0);
    rtf.fermer();
    EXPECT_EQ(lireFichier(d / "LD_\xC3\x89MILE.rtf").back(), '}');
}
