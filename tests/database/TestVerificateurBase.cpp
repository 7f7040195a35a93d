// Le vérificateur de cohérence relève les liens qui feraient boucler ou égarer une lecture.
#include <gtest/gtest.h>

#include <algorithm>

#include "BaseEssai.h"
#include "database/VerificateurBase.h"

namespace lignara {
namespace {

using essai::DossierEssai;

bool contientDefaut(const std::vector<std::string>& defauts, const std::string& morceau) {
    return std::ranges::any_of(defauts, [&](const std::string& d) { return d.find(morceau) != std::string::npos; });
}

// Défauts relevés sur une base écrite telle quelle, liens compris.
std::vector<std::string> defautsDe(const std::vector<Individu>& individus, const std::vector<Famille>& familles = {},
                                   std::uint32_t evenements = 0) {
    DossierEssai d;
    EcrivainBase e(
        {static_cast<std::uint32_t>(individus.size()), static_cast<std::uint32_t>(familles.size()), evenements},
        d.chemin());
    for (std::uint32_t n = 1; n <= individus.size(); ++n) e.ecrireIndividu(n, individus[n - 1]);
    for (std::uint32_t n = 1; n <= familles.size(); ++n) e.ecrireFamille(n, familles[n - 1]);
    BaseGenealogique b = e.terminer();
    return VerificateurBase::verifier(b.chemin());
}

// La base de référence a des notes, des photos et des chaînes : aucun faux défaut.
TEST(VerificateurBase, laBaseDEssaiEstCoherente) {
    DossierEssai d;
    BaseGenealogique b = essai::construireBaseDeuxFamilles(d.chemin());
    EXPECT_EQ(VerificateurBase::verifier(b.chemin()), std::vector<std::string>{});
}

TEST(VerificateurBase, releveAnneauOuvertChaineSansFinEtFicheEgaree) {
    Individu i1, i2, i3;
    i1.fratrie = 2;  // 1 → 2 → 2 … ne revient jamais à 1
    i2.fratrie = 2;
    i3.fratrie = -3;
    i3.pere = 3;
    i1.premiereFamille = 1;
    Famille f1, f2, egaree;
    f1.suivante = 2;
    f2.suivante = 1;  // la chaîne repasse par sa première fiche sans se fermer
    egaree.conjoint = 2;
    egaree.suivante = -3;
    const auto defauts = defautsDe({i1, i2, i3}, {f1, f2, egaree}, 1);
    EXPECT_TRUE(contientDefaut(defauts, "individu 1 : anneau de fratrie ouvert"));
    EXPECT_TRUE(contientDefaut(defauts, "individu 3 : est son propre parent"));
    EXPECT_TRUE(contientDefaut(defauts, "fiche 1 atteinte deux fois"));
    EXPECT_TRUE(contientDefaut(defauts, "fiche 3 : inatteignable mais non nulle"));
}

// Trois générations en boucle : personne n'est son propre parent, mais la remontée ne finirait pas.
TEST(VerificateurBase, releveUneBoucleDAscendanceSurPlusieursGenerations) {
    Individu i1, i2, i3;
    i1.fratrie = -1;
    i2.fratrie = -2;
    i3.fratrie = -3;
    i1.pere = 2;
    i2.mere = 3;
    i3.pere = 1;
    const auto defauts = defautsDe({i1, i2, i3});
    EXPECT_TRUE(contientDefaut(defauts, "boucle d'ascendance"));
    EXPECT_FALSE(contientDefaut(defauts, "son propre parent"));
}

TEST(VerificateurBase, releveFichesJumellesQuiNeSeDesignentPas) {
    Individu i1, i2;
    i1.fratrie = -1;
    i2.fratrie = -2;
    i1.premiereFamille = 1;
    i2.premiereFamille = 2;
    // La fiche 2 ne désigne pas la fiche 1.
    const auto defauts = defautsDe({i1, i2}, {Famille{2, 0, 0, -1, -1, 2}, Famille{1, 0, 0, -1, -2, 0}});
    EXPECT_TRUE(contientDefaut(defauts, "fiche 1 : fiche jumelle qui ne la désigne pas"));
    EXPECT_TRUE(contientDefaut(defauts, "fiche 2 : conjoint sans fiche jumelle"));
}

}  // namespace
}  // namespace lignara
