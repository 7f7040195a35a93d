#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "BaseEssai.h"
#include "database/DonneesCorrompues.h"
#include "database/Parente.h"

using namespace lignara;
using essai::DossierEssai;
using Numeros = std::vector<std::uint32_t>;

namespace {

const std::filesystem::path kGolden = std::filesystem::path(LIGNARA_DOSSIER_FIXTURES) / "base-deux-familles.bin";

}  // namespace

TEST(Parente, suitLesAnneauxEtLesFichesDeLaBaseAttendue) {
    BaseGenealogique base = BaseGenealogique::ouvrir(kGolden);
    EXPECT_EQ(Enfants(base, 1), (Numeros{3, 4}));
    EXPECT_EQ(Fratrie(base, 3), (Numeros{3, 4}));
    EXPECT_EQ(Fratrie(base, 4), (Numeros{4, 3}));
    EXPECT_EQ(Parents(base, 4).pere, 1u);
    EXPECT_EQ(Fratrie(base, 1), (Numeros{1}));
    EXPECT_EQ(Fratrie(base, 5), (Numeros{5}));  // enfant unique : anneau d'un aussi
    std::vector<FamilleConjoint> familles = Conjoints(base, 3);
    ASSERT_EQ(familles.size(), 1u);
    EXPECT_EQ(familles[0].fiche, 3u);
    EXPECT_EQ(Enfants(base, 3), (Numeros{5}));
    auto jean = FamilleDuCouple(base, 1, 2);
    auto marie = FamilleDuCouple(base, 2, 1);
    ASSERT_TRUE(jean && marie);
    EXPECT_EQ(jean->fiche, 1u);
    EXPECT_EQ(marie->fiche, 2u);
    EXPECT_EQ(base.LireFamille(jean->fiche).ficheDuConjoint, marie->fiche);
    EXPECT_EQ(jean->mariage, marie->mariage);
    EXPECT_FALSE(FamilleDuCouple(base, 1, 5));
    EXPECT_TRUE(Conjoints(base, 4).empty());
}

namespace {

// Base volontairement abîmée : les liens donnés forment des boucles.
BaseGenealogique baseEnBoucle(const DossierEssai& dossier) {
    EcrivainBase e({4, 2, 0}, dossier.chemin());
    Individu un, deux, trois, quatre;
    un.fratrie = 2;
    deux.fratrie = 1;   // 1 → 2 → 1 : jamais de valeur négative
    trois.fratrie = 1;  // depuis 3, on tourne sans revenir à 3
    trois.premiereFamille = 1;
    quatre.fratrie = std::numeric_limits<std::int32_t>::min();
    e.ajouterIndividu(un);
    e.ajouterIndividu(deux);
    e.ajouterIndividu(trois);
    e.ajouterIndividu(quatre);
    e.ajouterFamille({0, 1, 0, -1, 2, 0});
    e.ajouterFamille({0, 0, 0, -1, 1, 0});  // 1 → 2 → 1
    return e.terminer();
}

}  // namespace

TEST(Parente, arreteLesParcoursQuiBouclentDansUneBaseAbimee) {
    DossierEssai dossier;
    BaseGenealogique base = baseEnBoucle(dossier);
    EXPECT_THROW(Enfants(base, 1), DonneesCorrompues);
    EXPECT_THROW(Conjoints(base, 3), DonneesCorrompues);
    EXPECT_THROW(FamilleDuCouple(base, 3, 9), DonneesCorrompues);
    EXPECT_THROW(Fratrie(base, 3), DonneesCorrompues);
    EXPECT_EQ(Fratrie(base, 1), (Numeros{1, 2}));
    EXPECT_THROW(Fratrie(base, 4), DonneesCorrompues);  // lien −2³¹ : hors de la table
}
