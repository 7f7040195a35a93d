// Entrées qui ne sont pas des fichiers GEDCOM ordinaires (tube, périphériques, fichier vide),
// chemins de photo trop longs pour la base, et fratries démesurées.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "ImportEssai.h"
#include "support/Message.h"
#include "reglages/DossierEssai.h"

namespace lignara {
namespace {

using namespace essai;
namespace fs = std::filesystem;

std::string messageDImport(const fs::path& chemin) {
    return versUtf8(messageDe([&] { ImporterGedcom(chemin); }));
}

TEST(EntreesHostiles, unTubeOuUnPeripheriqueEstRefuseSansAttendreMemeDansUneFusion) {
    DossierEssai d;
    ASSERT_EQ(::mkfifo((d / "tube.ged").c_str(), 0600), 0);
    for (const fs::path& p : {d / "tube.ged", fs::path("/dev/zero"), fs::path("/dev/urandom")})
        EXPECT_EQ(messageDImport(p),
                  "Lecture impossible du fichier Gedcom\n" + p.string() + "\nCe n'est pas un fichier ordinaire");
    ASSERT_EQ(::mkfifo((d / "tube.fged").c_str(), 0600), 0);
    std::ofstream(d / "principal.ged") << kEnTete << "0 @I1@ INDI\n1 NAME Jean /Durand/\n0 TRLR\n";
    std::ofstream(d / "a.fged") << "principal principal.ged\nsecondaire tube.ged\n";
    EXPECT_NE(messageDImport(d / "a.fged").find("tube.ged\nCe n'est pas un fichier ordinaire"), std::string::npos);
    EXPECT_EQ(messageDImport(d / "tube.fged"), "Lecture impossible du fichier de fusion\n" +
                                                   (d / "tube.fged").string() + "\nCe n'est pas un fichier ordinaire");
}

// Chemin de photo de longueur donnée, finissant par « .jpg ».
std::string cheminDe(std::size_t longueur) { return "/photos/" + std::string(longueur - 12, 'p') + ".jpg"; }

TEST(EntreesHostiles, unCheminDePhotoTropLongPourLaBaseEstSignaleEtNonRange) {
    std::string gedcom = kEnTete;
    const std::size_t longueurs[] = {250, 251, 255, 260};
    for (std::size_t i = 0; i < 4; ++i)
        gedcom += "0 @I" + std::to_string(i + 1) + "@ INDI\n1 NAME P" + std::to_string(i) +
                  " /Photo/\n1 OBJE\n2 FILE " + cheminDe(longueurs[i]) + "\n";
    // Une photo partagée (OBJE de niveau 0) trop longue aussi.
    gedcom += "0 @I5@ INDI\n1 NAME P4 /Photo/\n1 OBJE @M1@\n0 @M1@ OBJE\n1 FILE " + cheminDe(256) + "\n0 TRLR\n";
    ResultatImport r = importerTexte(gedcom);
    const BaseGenealogique& b = r.base;
    EXPECT_EQ(b.LirePhotos(b.LireIndividu(1).photos), std::vector<std::string>{cheminDe(250)});
    for (std::uint32_t n = 2; n <= 5; ++n) EXPECT_EQ(b.LireIndividu(n).photos, 0u) << n;
    const auto lignes = lignesRapport(r);
    for (const char* ligne : {"- Ligne 11 : chemin de photo trop long", "- Ligne 15 : chemin de photo trop long",
                              "- Ligne 19 : chemin de photo trop long", "- Ligne 24 : chemin de photo trop long"})
        EXPECT_NE(std::find(lignes.begin(), lignes.end(), ligne), lignes.end()) << ligne << "\n" << r.rapport;
    EXPECT_EQ(defautsBase(r), std::vector<std::string>{});
    // Un mari qui ne cite pas sa famille est relu pour son nom : la ligne n'est pas redite.
    ResultatImport mari = importerTexte(kEnTete + "0 @I1@ INDI\n1 NAME Jean /A/\n1 OBJE\n2 FILE " + cheminDe(251) +
                                        "\n0 @I2@ INDI\n1 FAMS @F1@\n0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n0 TRLR\n");
    const auto l = lignesRapport(mari);
    EXPECT_EQ(std::count(l.begin(), l.end(), "- Ligne 7 : chemin de photo trop long"), 1) << mari.rapport;
}

// Une famille de 70 000 enfants (plus que ne compte un entier de 16 bits), définie ou non.
std::string grandeFratrie(bool familleDefinie) {
    std::string t = kEnTete + "0 @P@ INDI\n1 NAME Pierre /Nombreux/\n1 SEX M\n1 BIRT\n2 DATE 1850\n1 FAMS @F1@\n";
    for (int i = 0; i < 70000; ++i) t += "0 @E" + std::to_string(i) + "@ INDI\n1 NAME E /Nombreux/\n1 FAMC @F1@\n";
    if (familleDefinie) {
        t += "0 @F1@ FAM\n1 HUSB @P@\n";
        for (int i = 0; i < 70000; ++i) t += "1 CHIL @E" + std::to_string(i) + "@\n";
    }
    return t + "0 TRLR\n";
}

TEST(EntreesHostiles, uneFratrieDeSoixanteDixMilleEnfantsSImporteEnEntier) {
    for (bool definie : {true, false}) {
        SCOPED_TRACE(definie);
        ResultatImport r = importerTexte(grandeFratrie(definie));
        const BaseGenealogique& b = r.base;
        ASSERT_EQ(b.nombreIndividus(), 70001u);
        std::uint32_t pere = 0;
        for (std::uint32_t n = 1; n <= b.nombreIndividus() && !pere; ++n)
            if (prenoms(b, n) == "Pierre") pere = n;
        std::uint32_t avecPere = 0;
        for (std::uint32_t n = 1; n <= b.nombreIndividus(); ++n) avecPere += b.LireIndividu(n).pere == pere;
        EXPECT_EQ(avecPere, 70000u);
        EXPECT_EQ(defautsBase(r), std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace lignara
