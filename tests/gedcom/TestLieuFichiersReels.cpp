#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <cctype>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "commun/Texte.h"
#include "gedcom/LieuNormaliseur.h"

using namespace lignara;
namespace fs = std::filesystem;

namespace {

bool estUtf8NonAscii(std::string_view texte) {
    bool nonAscii = false;
    while (!texte.empty()) {
        char32_t c = 0;
        std::size_t l = decoderUtf8(texte, c);
        if (l == 0) return false;
        nonAscii = nonAscii || c >= 0x80;
        texte.remove_prefix(l);
    }
    return nonAscii;
}

// Valeur d'une ligne « n PLAC valeur », lue grossièrement ; faux pour une autre ligne.
bool valeurPlac(std::string_view ligne, std::string& valeur) {
    std::size_t i = ligne.find_first_not_of(" \t");
    if (i == std::string_view::npos || ligne[i] < '0' || ligne[i] > '9') return false;
    i = ligne.find_first_not_of("0123456789", i);
    if (i == std::string_view::npos || ligne[i] != ' ') return false;
    ligne.remove_prefix(i + 1);
    if (!ligne.starts_with("PLAC")) return false;
    ligne.remove_prefix(4);
    if (!ligne.empty() && ligne.front() != ' ') return false;
    if (!ligne.empty()) ligne.remove_prefix(1);
    valeur = estUtf8NonAscii(ligne) ? depuisUtf8(ligne) : std::string(ligne);
    return true;
}

std::vector<std::string> lieuxDuFichier(const fs::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::string contenu((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    std::vector<std::string> lieux;
    std::string_view reste = contenu;
    while (!reste.empty()) {
        std::size_t fin = std::min(reste.find('\n'), reste.size());
        std::string_view ligne = reste.substr(0, fin);
        if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
        std::string valeur;
        if (valeurPlac(ligne, valeur)) lieux.push_back(std::move(valeur));
        reste.remove_prefix(std::min(fin + 1, reste.size()));
    }
    return lieux;
}

}  // namespace

TEST(LieuFichiersReels, chaqueLieuDesFichiersDeTestTientDans100Octets) {
    const fs::path dossier = LIGNARA_DOSSIER_TESTDATA;
    if (!fs::is_directory(dossier)) GTEST_SKIP() << "Dossier des fichiers GEDCOM de test absent : " << dossier;
    ReglagesLieux franceSansSigle, sansPaysAvecSigle;
    sansPaysAvecSigle.paysParDefaut = kPaysInconnu;
    sansPaysAvecSigle.sigleTroisLettres = true;
    std::size_t nbLieux = 0, nbReconnus = 0;
    for (const auto& entree : fs::recursive_directory_iterator(dossier)) {
        std::string ext = entree.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (!entree.is_regular_file() || ext != ".ged") continue;
        for (const auto& plac : lieuxDuFichier(entree.path())) {
            ++nbLieux;
            for (const auto& reglages : {franceSansSigle, sansPaysAvecSigle}) {
                auto lieu = LieuNormaliseur(reglages).normaliser(plac);
                ASSERT_LE(lieu.texte().size(), 100u) << entree.path() << " : " << plac;
                ASSERT_TRUE(lieu.vide() || lieu.texte().size() > 3) << plac;
                if (lieu.pays().connu()) ++nbReconnus;
            }
        }
    }
    EXPECT_GT(nbLieux, 0u) << "aucune ligne PLAC lue sous " << dossier;
    std::cout << nbLieux << " lieux normalis\xC3\xA9s, " << nbReconnus << " pays reconnus (deux r\xC3\xA9glages)\n";
}
