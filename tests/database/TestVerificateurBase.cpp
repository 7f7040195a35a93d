// Le vérificateur de cohérence relève les liens qui feraient boucler ou égarer une lecture.
#include <gtest/gtest.h>

#include "BaseEssai.h"
#include "database/VerificateurBase.h"

namespace lignara {
namespace {

using essai::DossierEssai;

bool contientDefaut(const std::vector<std::string>& defauts, const std::string& morceau) {
    for (const std::string& d : defauts)
        if (d.find(morceau) != std::string::npos) return true;
    return false;
}

TEST(VerificateurBase, laBaseDEssaiEstCoherente) {
    DossierEssai d;
    BaseGenealogique b = essai::construireBaseDeuxFamilles(d.chemin());
    EXPECT_EQ(VerificateurBase::verifier(b.chemin()), std::vector<std::string>{});
}

TEST(VerificateurBase, releveAnneauOuvertChaineSansFinEtFicheEgaree) {
    DossierEssai d;
    EcrivainBase e({3, 3, 1}, d.chemin());
    Individu i1, i2, i3;
    i1.fratrie = 2;  // 1 → 2 → 2 … ne revient jamais à 1
    i2.fratrie = 2;
    i3.fratrie = -3;
    i3.pere = 3;
    i1.premiereFamille = 1;
    e.ecrireIndividu(1, i1);
    e.ecrireIndividu(2, i2);
    e.ecrireIndividu(3, i3);
    Famille f1;
    f1.suivante = 2;
    Famille f2;
    f2.suivante = 1;  // la chaîne repasse par sa première fiche sans se fermer
    Famille egaree;
    egaree.conjoint = 2;
    egaree.suivante = -3;
    e.ecrireFamille(1, f1);
    e.ecrireFamille(2, f2);
    e.ecrireFamille(3, egaree);
    BaseGenealogique b = e.terminer();
    auto defauts = VerificateurBase::verifier(b.chemin());
    EXPECT_TRUE(contientDefaut(defauts, "individu 1 : anneau de fratrie ouvert"));
    EXPECT_TRUE(contientDefaut(defauts, "individu 3 : est son propre parent"));
    EXPECT_TRUE(contientDefaut(defauts, "fiche 1 atteinte deux fois"));
    EXPECT_TRUE(contientDefaut(defauts, "fiche 3 : inatteignable mais non nulle"));
}

// Deux personnes parents l'une de l'autre : aucune n'est son propre parent, mais la remontée
// des parents ne finirait pas.
TEST(VerificateurBase, releveUneBoucleDAscendanceSurPlusieursGenerations) {
    DossierEssai d;
    EcrivainBase e({3, 0, 0}, d.chemin());
    Individu i1, i2, i3;
    i1.fratrie = -1;
    i2.fratrie = -2;
    i3.fratrie = -3;
    i1.pere = 2;
    i2.mere = 3;
    i3.pere = 1;
    e.ecrireIndividu(1, i1);
    e.ecrireIndividu(2, i2);
    e.ecrireIndividu(3, i3);
    BaseGenealogique b = e.terminer();
    const auto defauts = VerificateurBase::verifier(b.chemin());
    EXPECT_TRUE(contientDefaut(defauts, "boucle d'ascendance"));
    EXPECT_FALSE(contientDefaut(defauts, "son propre parent"));
}

TEST(VerificateurBase, releveFichesJumellesQuiNeSeDesignentPas) {
    DossierEssai d;
    EcrivainBase e({2, 2, 0}, d.chemin());
    Individu i1, i2;
    i1.fratrie = -1;
    i2.fratrie = -2;
    i1.premiereFamille = 1;
    i2.premiereFamille = 2;
    e.ecrireIndividu(1, i1);
    e.ecrireIndividu(2, i2);
    Famille cote1{2, 0, 0, -1, -1, 2};
    Famille cote2{1, 0, 0, -1, -2, 0};  // ne désigne pas la fiche 1
    e.ecrireFamille(1, cote1);
    e.ecrireFamille(2, cote2);
    BaseGenealogique b = e.terminer();
    auto defauts = VerificateurBase::verifier(b.chemin());
    EXPECT_TRUE(contientDefaut(defauts, "fiche 1 : fiche jumelle qui ne la désigne pas"));
    EXPECT_TRUE(contientDefaut(defauts, "fiche 2 : conjoint sans fiche jumelle"));
}

}  // namespace
}  // namespace lignara
