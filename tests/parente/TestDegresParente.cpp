#include <gtest/gtest.h>

#include <map>

#include "FamilleEssai.h"
#include "parente/DegresParente.h"

using namespace lignara;
using namespace lignara::essai;

namespace {

std::map<std::uint32_t, DegreParente> parDegre(const BaseGenealogique& base, std::uint32_t racine,
                                               std::uint16_t maximum) {
    EnsemblePersonnes visites(base.nombreIndividus());
    std::map<std::uint32_t, DegreParente> m;
    for (const DegreParente& d : parcourirDegresParente(base, racine, maximum, visites)) {
        EXPECT_EQ(m.count(d.personne), 0u) << "personne listée deux fois : " << d.personne;
        m[d.personne] = d;
    }
    return m;
}

}  // namespace

TEST(DegresParente, degresCivilsLigneDirecteArretAuDegreMaximalEtAllianceTransmiseParLeConjoint) {
    DossierEssai dossier;
    BaseGenealogique base = construireFamilleEssai(dossier.chemin());
    auto m = parDegre(base, Luc, 0);
    EXPECT_EQ(m.count(Luc) + m.count(Ernest), 0u);
    // Degré civil : une génération par marche ; un conjoint prend le degré de l'autre plus un.
    // Seuls les ascendants portent la ligne directe.
    using Cas = std::tuple<std::uint32_t, int, bool, bool>;  // personne, degré, alliance, ligne directe
    for (auto [p, degre, alliance, directe] :
         {Cas{Pierre, 1, false, true}, Cas{Berthe, 2, false, true}, Cas{Lea, 2, false, false},
          Cas{Tom, 2, false, false}, Cas{Sophie, 2, true, false}, Cas{Anne, 3, false, false}, Cas{Max, 4, false, false},
          Cas{Jacques, 4, true, false}, Cas{Zoe, 5, true, false}}) {
        EXPECT_EQ(m[p].degre, degre) << p;
        EXPECT_EQ(m[p].alliance, alliance) << p;
        EXPECT_EQ(m[p].ligneDirecte, directe) << p;
    }
    // Le degré maximal arrête le parcours ; l'ordre est celui de la file.
    EnsemblePersonnes visites(base.nombreIndividus());
    auto liste = parcourirDegresParente(base, Luc, 2, visites);
    ASSERT_GE(liste.size(), 3u);
    EXPECT_EQ(liste[0].personne, Pierre);
    EXPECT_EQ(liste[1].personne, Marie);
    for (std::size_t k = 1; k < liste.size(); ++k) EXPECT_LE(liste[k - 1].degre, liste[k].degre);
    EXPECT_LE(liste.back().degre, 2);
    EXPECT_FALSE(visites.contient(Max));
    EXPECT_EQ(visites.nombre(), liste.size() + 1);  // Luc compris
    // L'alliance se transmet aux beaux-parents et aux enfants du conjoint : Luc ∞ Ève ; Ève, fille
    // de Paul et Rose, sœur d'Ida, a eu Nina d'un premier mari, Hugo.
    DossierEssai dossierEve;
    ArbreEssai a;
    const auto luc = a.personne('M'), eve = a.personne('F'), paul = a.personne('M'), rose = a.personne('F'),
               hugo = a.personne('M'), nina = a.personne('F'), leo = a.personne('M'), ida = a.personne('F');
    a.couple(paul, rose, {eve, ida});
    a.couple(hugo, eve, {nina});
    a.couple(luc, eve, {leo});
    BaseGenealogique baseEve = a.construire(dossierEve.chemin());
    auto mEve = parDegre(baseEve, luc, 0);
    EXPECT_FALSE(mEve[leo].alliance);
    for (auto [p, degre] : {std::pair{eve, 1}, {paul, 2}, {rose, 2}, {hugo, 2}, {nina, 2}, {ida, 3}}) {
        EXPECT_TRUE(mEve[p].alliance) << p;
        EXPECT_EQ(mEve[p].degre, degre) << p;
    }
    // Sans alliances, seul le sang compte : le fils, rien du côté d'Ève.
    EnsemblePersonnes visitesSang(baseEve.nombreIndividus());
    auto sang = parcourirDegresParente(baseEve, luc, 0, visitesSang, false);
    ASSERT_EQ(sang.size(), 1u);
    EXPECT_EQ(sang[0].personne, leo);
}
