// Coloration sur des fichiers réels : l'exemple livré avec les catégories de référence livrées,
// puis tous les GEDCOM du dossier d'essai (lieux de toutes sortes, sources, implexes, boucles).
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/arbres/Coloration.h"
#include "gedcom/ImportEssai.h"
#include "support/DossierEssai.h"
#include "reference/CategorieCompilateur.h"
#include "reference/CategorieTexte.h"

using namespace lignara;
namespace fs = std::filesystem;

namespace {

CategorieAutomate categoriesLivrees(const char* nom, bool professions) {
    const auto texte = depuisUtf8(essai::lireFichier(fs::path(LIGNARA_DOSSIER_SOURCES) / "data/Categories" / nom));
    CategorieCompilateur compilateur(CategorieDefinition::lire(texte), professions);
    return *CategorieAutomate::lire(compilateur.image());
}

std::vector<Coloration> toutesLesColorations(const BaseGenealogique& base, std::uint32_t racine) {
    std::vector<Coloration> c;
    for (std::uint8_t critere = 0; critere <= ColorationSuisse; ++critere) c.emplace_back(critere, base);
    c.emplace_back(ColorationProfession, base, categoriesLivrees("MetiersRef.txt", true));
    c.emplace_back(ColorationSource, base, categoriesLivrees("SourcesRef.txt", false));
    try {
        c.push_back(Coloration::fabriquer(ColorationApparitions, base, racine));
    } catch (const OperationImpossible&) {
        // Boucle dans les liens de parenté : l'arbre s'arrête de même, avec le message.
    }
    return c;
}

// Ce que toute légende doit tenir, quel que soit le fichier.
void verifierLegende(const Coloration& c, const std::string& fichier) {
    const auto lignes = c.legende();
    EXPECT_LE(static_cast<int>(lignes.size()), c.nombreCases()) << fichier;
    std::vector<std::string> cles;
    for (const auto& l : lignes) {
        EXPECT_FALSE(l.libelle.empty()) << fichier << ", critère " << int{c.critere()};
        EXPECT_NE(l.couleur, kSansCouleur) << fichier;
        cles.push_back(normaliserMotCle(l.libelle));
    }
    if (c.critere() != ColorationApparitions) {
        EXPECT_TRUE(std::is_sorted(cles.begin(), cles.end())) << fichier;
    }
    EXPECT_EQ(c.hauteurLegende(), lignes.empty() ? 0 : static_cast<std::int32_t>(lignes.size() + 2) * 176);
}

}  // namespace

TEST(ColorationFichiersReels, exempleLivreAvecLesCategoriesDeReference) {
    const auto r = ImporterGedcom(fs::path(LIGNARA_DOSSIER_SOURCES) / "data/exemples/famille-exemple.ged");
    const auto& base = r.base;
    Coloration professions(ColorationProfession, base, categoriesLivrees("MetiersRef.txt", true));
    Coloration pays(ColorationPays, base);
    for (std::uint32_t n = 1; n <= base.nombreIndividus(); ++n) {
        const auto i = base.LireIndividu(n);
        const auto metier = versUtf8(base.LireTexte(TableProfessions, i.profession));
        const auto couleur = professions.colorer(n);
        if (metier == "laboureur" || metier == "meunier") {
            EXPECT_NE(couleur, kSansCouleur) << metier;
        }
        if (i.profession == 0) {
            EXPECT_EQ(couleur, kSansCouleur);
        }
        pays.colorer(n);
    }
    std::vector<std::string> libelles;
    for (const auto& l : professions.legende()) libelles.push_back(versUtf8(l.libelle));
    EXPECT_NE(std::find(libelles.begin(), libelles.end(), "Agriculture, élevage et pêche"), libelles.end());
    // Les Dumas morts à Montréal sont nés en France : le premier lieu connu est la naissance.
    std::vector<std::string> nomsPays;
    for (const auto& l : pays.legende()) nomsPays.push_back(versUtf8(l.libelle));
    EXPECT_EQ(nomsPays, std::vector<std::string>{"France"});
    EXPECT_TRUE(pays.caseEmployee(15));
    Coloration canada(ColorationCanada, base);
    for (std::uint32_t n = 1; n <= base.nombreIndividus(); ++n) EXPECT_EQ(canada.colorer(n), kSansCouleur) << n;
}

TEST(ColorationFichiersReels, chaqueCritereColoreToutesLesPersonnesSansPlanter) {
    if (!fs::is_directory(LIGNARA_DOSSIER_TESTDATA)) GTEST_SKIP() << "dossier des fichiers GEDCOM réels absent";
    std::vector<fs::path> fichiers;
    for (const auto& e : fs::recursive_directory_iterator(LIGNARA_DOSSIER_TESTDATA)) {
        const auto ext = e.path().extension().string();
        if (e.is_regular_file() && (ext == ".ged" || ext == ".GED") && e.file_size() < 3'000'000)
            fichiers.push_back(e.path());
    }
    std::sort(fichiers.begin(), fichiers.end());
    std::size_t colores = 0;
    for (const auto& f : fichiers) {
        std::optional<ResultatImport> r;
        try {
            r.emplace(ImporterGedcom(f));
        } catch (const OperationImpossible&) {
            continue;
        }
        const auto& base = r->base;
        if (base.nombreIndividus() == 0) continue;
        auto colorations = toutesLesColorations(base, 1);
        for (auto& c : colorations) {
            for (std::uint32_t n = 1; n <= base.nombreIndividus(); ++n) c.colorer(n);
            verifierLegende(c, f.string());
            colores += c.legende().size();
        }
    }
    EXPECT_GT(colores, 0u);
}
