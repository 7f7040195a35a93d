// Tous les fichiers réels du dossier d'essai (GEDCOM mal formés, UTF-16, fichiers qui n'en
// sont pas) : l'import finit sans planter, avec une base cohérente ou un message français.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "ImportEssai.h"
#include "commun/OperationImpossible.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> fichiersDEssai() {
    std::vector<fs::path> v;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(LIGNARA_DOSSIER_TESTDATA, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        if (it->is_regular_file()) v.push_back(it->path());
    std::sort(v.begin(), v.end());
    return v;
}

bool estGedcom(const fs::path& p) {
    std::string e = p.extension().string();
    return e == ".ged" || e == ".GED";
}

// Compte indépendant des personnes : clés « 0 @X@ INDI » et pointeurs HUSB, WIFE, CHIL des
// familles. Rend -1 pour un fichier qui n'est pas en octets ASCII compatibles (UTF-16…).
long clesIndividus(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::string contenu((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (contenu.find('\0') != std::string::npos) return -1;
    for (char& c : contenu)
        if (c == '\r') c = '\n';
    std::set<std::string> cles;
    bool dansFamille = false;
    std::istringstream lignes(contenu);
    std::string ligne;
    while (std::getline(lignes, ligne)) {
        std::istringstream mots(ligne);
        std::string niveau, a, b;
        mots >> niveau >> a >> b;
        if (niveau == "0") dansFamille = b == "FAM";
        if (niveau == "0" && b == "INDI" && a.size() > 1 && a[0] == '@') cles.insert(a);
        if (niveau == "1" && dansFamille && (a == "HUSB" || a == "WIFE" || a == "CHIL") && b.size() > 1 && b[0] == '@')
            cles.insert(b);
    }
    return static_cast<long>(cles.size());
}

TEST(ImportFichiersReels, chaqueFichierSImporteEnUneBaseCoherenteOuDonneUnMessage) {
    if (!fs::is_directory(LIGNARA_DOSSIER_TESTDATA)) GTEST_SKIP() << "dossier des fichiers GEDCOM réels absent";
    std::size_t importes = 0;
    for (const fs::path& p : fichiersDEssai()) {
        SCOPED_TRACE(p.string());
        try {
            ResultatImport r = ImporterGedcom(p);
            ++importes;
            EXPECT_EQ(essai::defautsBase(r), std::vector<std::string>{});
            long attendu = clesIndividus(p);
            if (attendu >= 0 && estGedcom(p)) {
                EXPECT_EQ(r.base.nombreIndividus(), static_cast<std::uint32_t>(attendu));
            }
        } catch (const OperationImpossible& e) {
            EXPECT_TRUE(e.aUnMessage());
            // Un fichier .ged ne doit échouer que s'il ne donne aucune ligne, ou n'a ni en-tête
            // ni fiche (un texte renommé, comme bogus.ged).
            if (estGedcom(p)) {
                const std::string message = e.what();
                EXPECT_TRUE(message.rfind("Erreur de lecture du fichier", 0) == 0 ||
                            message.find(" n'est pas un fichier Gedcom :") != std::string::npos)
                    << message;
            }
        }
    }
    EXPECT_GT(importes, 150u);
}

// bogus.ged est un Makefile : refusé, plutôt qu'importé en une base vide. Un GEDCOM sans
// en-tête mais avec sa personne s'importe, en le disant.
TEST(ImportFichiersReels, bogusGedEstRefuseEtUnGedcomSansEnTeteGardeSesFiches) {
    fs::path p = fs::path(LIGNARA_DOSSIER_TESTDATA) / "gedcom-parse-tests" / "bogus.ged";
    fs::path sansEnTete =
        fs::path(LIGNARA_DOSSIER_TESTDATA) / "gedcom-go-testdata" / "malformed" / "missing-header.ged";
    if (!fs::exists(p) || !fs::exists(sansEnTete)) GTEST_SKIP() << "bogus.ged ou missing-header.ged absent";
    try {
        ImporterGedcom(p);
        ADD_FAILURE() << "bogus.ged importé";
    } catch (const OperationImpossible& e) {
        EXPECT_NE(std::string(e.what()).find("n'est pas un fichier Gedcom"), std::string::npos) << e.what();
    }
    ResultatImport r = ImporterGedcom(sansEnTete);
    EXPECT_EQ(r.base.nombreIndividus(), 1u);
    EXPECT_NE(r.rapport.find("en-t\xEAte Gedcom (0 HEAD)"), std::string::npos) << r.rapport;
}

}  // namespace
}  // namespace lignara
