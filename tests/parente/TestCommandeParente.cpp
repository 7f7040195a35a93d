// « lignara parente » sur de vrais fichiers aux longues lignées : l'ancêtre commun et la longueur
// des lignées seulement. Les sorties entières sont dans les transcriptions tests/cli/parente*.
#include <gtest/gtest.h>

#include "support/Programme.h"

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

using Sortie = lignara::essai::SortieProgramme;

Sortie lancer(const std::string& arguments) { return lignara::essai::lancerProgramme("parente " + arguments); }

fs::path reel(const char* chemin) { return fs::path(LIGNARA_DOSSIER_TESTDATA) / chemin; }

}  // namespace

// Plusieurs ancêtres communs rencontrés dans une même génération : le plus proche de l'autre
// personne ; une personne ancêtre de l'autre l'est à lignée vide.
TEST(CommandeParente, fichiersReelsGardentLAncetreCommunLePlusProche) {
    fs::path royal = reel("porges-mdf/royal92.ged"), pres = reel("dj-gedcom-samples/pres2020.ged");
    if (!fs::exists(royal) || !fs::exists(pres))
        GTEST_SKIP() << "fichiers réels absents de " << LIGNARA_DOSSIER_TESTDATA;
    struct Cas {
        fs::path fichier;
        const char *premiere, *seconde, *ancetre;
        int lignees[2];
    };
    const Cas cas[] = {
        {pres, "@I397@", "@I672@", "Lucy De Ros", {15, 0}},
        {royal, "@I895@", "@I63@", "Albert Augustus Charles", {3, 6}},
        {royal, "@I2786@", "@I1942@", "Idwal Foel (the_Bald)", {35, 1}},
        {royal, "@I1947@", "@I2109@", "Idwal Foel (the_Bald)", {3, 22}},
        // Parents par alliance : Ernest II est le frère d'Albert, mari de Victoria.
        {royal, "@I1@", "@I1737@", "Ernest_I of_Saxe-Coburg- Saalfeld", {1, 1}},
    };
    auto generations = [](int n) { return std::to_string(n) + (n > 1 ? " générations" : " génération"); };
    for (const Cas& c : cas) {
        Sortie s = lancer("\"" + c.fichier.string() + "\" " + c.premiere + " " + c.seconde);
        EXPECT_EQ(s.code, 0) << s.texte;
        EXPECT_NE(s.texte.find(std::string("Ancêtre commun : ") + c.ancetre + "\n"), std::string::npos) << s.texte;
        std::string lignees = "Lignées : " + generations(c.lignees[0]) + " pour la première personne, " +
                              generations(c.lignees[1]) + " pour la seconde\n";
        EXPECT_NE(s.texte.find(lignees), std::string::npos) << c.premiere << " " << c.seconde << "\n" << s.texte;
    }
}
