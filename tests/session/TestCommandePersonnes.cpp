// Les commandes « lignara personnes » et « lignara importer --estimations » sur l'exemple
// livré, avec des dossiers de configuration et temporaire jetables.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "reglages/DossierEssai.h"
#include "support/Programme.h"

namespace lignara {
namespace {

using essai::DossierEssai;

const std::string kExemple = std::string(LIGNARA_DOSSIER_SOURCES) + "/data/exemples/famille-exemple.ged";

struct Sortie {
    std::vector<std::vector<std::string>> lignes;  // colonnes séparées par des tabulations
    std::string texte;
    int code = -1;
};

Sortie lancer(const DossierEssai& dossier, const std::string& arguments) {
    // Sortie standard seule (sauf « 2>&1 » dans les arguments) : les lignes sont des colonnes à lire.
    const essai::SortieProgramme p =
        essai::lancerProgramme("2>/dev/null " + arguments, "XDG_CONFIG_HOME=" + essai::cite(dossier.chemin().string()) +
                                                               " TMPDIR=" + essai::cite(dossier.chemin().string()));
    Sortie s{.lignes = {}, .texte = p.texte, .code = p.code};
    std::istringstream flux(s.texte);
    for (std::string ligne; std::getline(flux, ligne);) {
        std::vector<std::string> colonnes;
        std::istringstream c(ligne);
        for (std::string colonne; std::getline(c, colonne, '\t');) colonnes.push_back(colonne);
        s.lignes.push_back(colonnes);
    }
    return s;
}

TEST(CommandePersonnes, listeLesPersonnesDUnNomDansLOrdreDesPrenoms) {
    DossierEssai dossier;
    Sortie s = lancer(dossier, "personnes '" + kExemple + "' --nom dumas");
    ASSERT_EQ(s.code, 0) << s.texte;
    std::vector<std::string> prenoms;
    for (const auto& l : s.lignes) {
        ASSERT_EQ(l.size(), 5u) << s.texte;
        EXPECT_EQ(l[1], "Dumas");
        EXPECT_TRUE(l[4] == "v" || l[4] == "m");
        prenoms.push_back(l[2]);
    }
    // Accents ignorés dans l'ordre : Élisabeth vient entre Antoine et Étienne.
    EXPECT_EQ(prenoms, (std::vector<std::string>{"Antoine", "Élisabeth", "Élise", "Étienne", "Marie", "Pierre"}));

    Sortie prenom = lancer(dossier, "personnes '" + kExemple + "' --nom Dum --prenoms eti");
    ASSERT_EQ(prenom.lignes.size(), 1u) << prenom.texte;
    EXPECT_EQ(prenom.lignes[0][2], "Étienne");
    EXPECT_EQ(prenom.lignes[0][3], "1794");
    EXPECT_EQ(prenom.lignes[0][4], "m");
}

TEST(CommandePersonnes, laRecherchePhonetiqueTrouveUneAutreGraphie) {
    DossierEssai dossier;
    Sortie exact = lancer(dossier, "personnes '" + kExemple + "' --nom Bertelo");
    EXPECT_TRUE(exact.lignes.empty()) << exact.texte;
    Sortie son = lancer(dossier, "personnes '" + kExemple + "' --nom Bertelo --phonetique");
    ASSERT_GT(son.lignes.size(), 10u);
    for (const auto& l : son.lignes) EXPECT_EQ(l.at(1), "Berthelot");
}

TEST(CommandePersonnes, toutLeMondeSansCritereEtRienNeResteDansLeDossierTemporaire) {
    DossierEssai dossier;
    Sortie tous = lancer(dossier, "personnes '" + kExemple + "'");
    Sortie import = lancer(dossier, "importer '" + kExemple + "' --estimations");
    ASSERT_EQ(import.code, 0) << import.texte;
    std::size_t personnes = 0;
    std::vector<std::vector<std::string>> estimations;
    for (const auto& l : import.lignes) {
        if (l.size() == 1 && l[0].rfind("Personnes : ", 0) == 0) personnes = std::stoul(l[0].substr(12));
        if (l.size() == 5) estimations.push_back(l);
    }
    EXPECT_GT(personnes, 50u);
    EXPECT_EQ(tous.lignes.size(), personnes);
    // importer --estimations suit les numéros, personnes l'index : mêmes lignes, autre ordre.
    ASSERT_EQ(estimations.size(), personnes);
    for (std::size_t i = 0; i < estimations.size(); ++i) EXPECT_EQ(estimations[i][0], std::to_string(i + 1));
    auto trier = [](auto v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    EXPECT_EQ(trier(estimations), trier(tous.lignes));

    std::filesystem::path sortie = dossier / ("lignara-" + std::to_string(::geteuid()));
    EXPECT_TRUE(std::filesystem::is_directory(sortie));
    EXPECT_TRUE(std::filesystem::is_empty(sortie)) << "base de travail laissée";
}

TEST(CommandePersonnes, unFichierAbsentDonneLeMessageEtUnCodeNonNul) {
    DossierEssai dossier;
    Sortie s = lancer(dossier, "personnes '" + (dossier / "absent.ged").string() + "' 2>&1");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("Fichier inconnu."), std::string::npos) << s.texte;
}

}  // namespace
}  // namespace lignara
