// « lignara parente » sur de vrais fichiers aux longues lignées : l'ancêtre commun et la longueur
// des lignées seulement. Les sorties entières sont dans les transcriptions tests/cli/parente*.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/Programme.h"

namespace fs = std::filesystem;

// Plusieurs ancêtres communs rencontrés dans une même génération : le plus proche de l'autre
// personne ; une personne ancêtre de l'autre l'est à lignée vide.
TEST(CommandeParente, fichiersReelsGardentLAncetreCommunLePlusProche) {
    const fs::path donnees = LIGNARA_DOSSIER_TESTDATA;
    const fs::path royal = donnees / "porges-mdf/royal92.ged", pres = donnees / "dj-gedcom-samples/pres2020.ged";
    if (!fs::exists(royal) || !fs::exists(pres)) GTEST_SKIP() << "fichiers réels absents de " << donnees;
    struct Cas {
        fs::path fichier;
        const char *premiere, *seconde, *ancetre;
        int lignees[2];
    };
    auto generations = [](int n) { return std::to_string(n) + (n > 1 ? " générations" : " génération"); };
    for (const Cas& c : {Cas{pres, "@I397@", "@I672@", "Lucy De Ros", {15, 0}},
                         {royal, "@I2786@", "@I1942@", "Idwal Foel (the_Bald)", {35, 1}},
                         // Parents par alliance : Ernest II est le frère d'Albert, mari de Victoria.
                         {royal, "@I1@", "@I1737@", "Ernest_I of_Saxe-Coburg- Saalfeld", {1, 1}}}) {
        const auto s =
            lignara::essai::lancerProgramme("parente \"" + c.fichier.string() + "\" " + c.premiere + " " + c.seconde);
        EXPECT_EQ(s.code, 0) << s.texte;
        EXPECT_NE(s.texte.find(std::string("Ancêtre commun : ") + c.ancetre + "\n"), std::string::npos) << s.texte;
        const std::string lignees = "Lignées : " + generations(c.lignees[0]) + " pour la première personne, " +
                                    generations(c.lignees[1]) + " pour la seconde\n";
        EXPECT_NE(s.texte.find(lignees), std::string::npos) << c.premiere << " " << c.seconde << "\n" << s.texte;
    }
}
