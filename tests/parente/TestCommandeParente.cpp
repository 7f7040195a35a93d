// La commande « lignara parente » sur un petit fichier du projet et sur de vrais fichiers.
#include <gtest/gtest.h>

#include "support/Programme.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

using Sortie = lignara::essai::SortieProgramme;

Sortie lancer(const std::string& arguments) { return lignara::essai::lancerProgramme("parente " + arguments); }

std::string fixture() {
    return std::string("\"") + LIGNARA_DOSSIER_FIXTURES + "/parente-homonymes-et-cles-non-triees.ged\" ";
}

fs::path reel(const char* chemin) { return fs::path(LIGNARA_DOSSIER_TESTDATA) / chemin; }

}  // namespace

TEST(CommandeParente, afficheLAncetreCommunEtLesDeuxLignees) {
    Sortie s = lancer(fixture() + "@I5@ \"Claire /Dupont/\"");
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_EQ(s.texte,
              "Lien de parenté entre Jean Dupont et Claire Dupont\n"
              "Ancêtre commun : Jean Dupont\n"
              "Sommet : Jean Dupont (° 3.3.1900) ; Marie Martin\n"
              "Lignées : 2 générations pour la première personne, 1 génération pour la seconde\n"
              "\n"
              "Rang  Première lignée            Conjoint   Seconde lignée  Conjoint\n"
              "1     Paul Dupont (° 1926)       ?          Claire Dupont\n"
              "2     Jean Dupont (° 12.6.1950)\n");
}

TEST(CommandeParente, refuseLaMemePersonneLesHomonymesEtLesPersonnesSansLien) {
    Sortie meme = lancer(fixture() + "@I10@ \"Jean /Dupont/ 3/3/1900\"");
    EXPECT_NE(meme.code, 0);
    EXPECT_EQ(meme.texte, "Erreur : les deux personnes doivent être différentes\n");
    Sortie homonymes = lancer(fixture() + "\"Jean /Dupont/\" @I2@");
    EXPECT_NE(homonymes.code, 0);
    EXPECT_NE(homonymes.texte.find("(@I5@)"), std::string::npos) << homonymes.texte;
    Sortie sansLien = lancer(fixture() + "\"Émile /Léger/\" @I2@");
    EXPECT_NE(sansLien.code, 0);
    EXPECT_EQ(sansLien.texte, "Il n'y a aucun lien de parenté entre ces deux personnes\n");
    Sortie absent = lancer("\"/nexiste/pas.ged\" @I1@ @I2@");
    EXPECT_NE(absent.code, 0);
}

TEST(CommandeParente, fichiersReelsRoyal92EtPres2020) {
    fs::path royal = reel("porges-mdf/royal92.ged"), pres = reel("dj-gedcom-samples/pres2020.ged");
    if (!fs::exists(royal) || !fs::exists(pres))
        GTEST_SKIP() << "fichiers réels absents de " << LIGNARA_DOSSIER_TESTDATA;
    // Victoria, ancêtre de Charles, est l'ancêtre commun, même si Albert, son mari, est
    // rencontré le premier en remontant (le père avant la mère).
    Sortie s = lancer("\"" + royal.string() + "\" \"Victoria  /Hanover/\" \"Charles Philip Arthur/Windsor/\"");
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_NE(s.texte.find("Ancêtre commun : Victoria Hanover\n"), std::string::npos) << s.texte;
    EXPECT_NE(s.texte.find("0 génération pour la première personne, 5 générations pour la seconde"), std::string::npos);
    EXPECT_NE(s.texte.find("Philip Mountbatten"), std::string::npos);
    // Franklin Delano Roosevelt est parent de Theodore par sa femme Eleanor, nièce de Theodore.
    Sortie r = lancer("\"" + pres.string() +
                      "\" \"Theodore /Roosevelt/ 27/10/1858\" \"Franklin Delano /Roosevelt/ 30/1/1882\"");
    EXPECT_EQ(r.code, 0) << r.texte;
    EXPECT_NE(r.texte.find("Ancêtre commun : Theodore Roosevelt\n"), std::string::npos) << r.texte;
    EXPECT_NE(r.texte.find("Eleanor Anna Roosevelt (° 12.10.1884, + 7.11.1962)    Franklin Delano Roosevelt"),
              std::string::npos)
        << r.texte;
    Sortie h = lancer("\"" + pres.string() + "\" \"Abraham /Lincoln/\" \"George /Washington/\"");
    EXPECT_NE(h.code, 0);
    EXPECT_NE(h.texte.find("@I317@"), std::string::npos);
}

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
