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

TEST(DegresParente, cousinAuQuatriemeSonConjointAuCinquiemeParAllianceEtLigneDirecteDesSeulsAscendants) {
    DossierEssai dossier;
    BaseGenealogique base = construireFamilleEssai(dossier.chemin());
    auto m = parDegre(base, Luc, 0);
    EXPECT_EQ(m.count(Luc), 0u);
    EXPECT_EQ(m[Max].degre, 4);
    EXPECT_FALSE(m[Max].alliance);
    EXPECT_FALSE(m[Max].ligneDirecte);
    EXPECT_EQ(m[Zoe].degre, 5);
    EXPECT_TRUE(m[Zoe].alliance);
    EXPECT_EQ(m[Jacques].degre, 4);
    EXPECT_TRUE(m[Jacques].alliance);
    EXPECT_EQ(m[Sophie].degre, 2);  // épouse du père
    EXPECT_TRUE(m[Sophie].alliance);
    EXPECT_EQ(m[Tom].degre, 2);
    EXPECT_EQ(m.count(Ernest), 0u);
    // Seuls les ascendants portent la ligne directe.
    for (std::uint32_t p : {Pierre, Marie, Gaston, Berthe}) EXPECT_TRUE(m[p].ligneDirecte) << p;
    EXPECT_EQ(m[Gaston].degre, 2);
    EXPECT_FALSE(m[Anne].ligneDirecte);  // tante
    EXPECT_EQ(m[Anne].degre, 3);
    EXPECT_FALSE(m[Lea].ligneDirecte);
}

TEST(DegresParente, leDegreMaximalArreteLeParcoursEtLOrdreEstCeluiDeLaFile) {
    DossierEssai dossier;
    BaseGenealogique base = construireFamilleEssai(dossier.chemin());
    EnsemblePersonnes visites(base.nombreIndividus());
    auto liste = parcourirDegresParente(base, Luc, 2, visites);
    ASSERT_GE(liste.size(), 3u);
    EXPECT_EQ(liste[0].personne, Pierre);
    EXPECT_EQ(liste[1].personne, Marie);
    for (std::size_t k = 1; k < liste.size(); ++k) EXPECT_LE(liste[k - 1].degre, liste[k].degre);
    for (const DegreParente& d : liste) EXPECT_LE(d.degre, 2);
    EXPECT_FALSE(visites.contient(Max));
    EXPECT_TRUE(visites.contient(Luc));
    EXPECT_EQ(visites.nombre(), liste.size() + 1);
}

// Luc ∞ Ève ; Ève, fille de Paul et Rose, sœur d'Ida, a eu Nina d'un premier mari, Hugo.
TEST(DegresParente, lAllianceSeTransmetAuxBeauxParentsEtAuxEnfantsDuConjoint) {
    DossierEssai dossier;
    ArbreEssai a;
    const auto luc = a.personne('M', annee(1900), {}, "MOREAU", "Luc");
    const auto eve = a.personne('F', annee(1902), {}, "BRUN", "Eve");
    const auto paul = a.personne('M', annee(1870), {}, "BRUN", "Paul");
    const auto rose = a.personne('F', annee(1872), {}, "NOIR", "Rose");
    const auto hugo = a.personne('M', annee(1898), {}, "LENOIR", "Hugo");
    const auto nina = a.personne('F', annee(1922), {}, "LENOIR", "Nina");
    const auto leo = a.personne('M', annee(1930), {}, "MOREAU", "Leo");
    const auto ida = a.personne('F', annee(1905), {}, "BRUN", "Ida");
    a.couple(paul, rose, {eve, ida});
    a.couple(hugo, eve, {nina});
    a.couple(luc, eve, {leo});
    BaseGenealogique base = a.construire(dossier.chemin());
    auto m = parDegre(base, luc, 0);
    EXPECT_FALSE(m[leo].alliance);
    EXPECT_EQ(m[leo].degre, 1);
    for (auto [p, degre] : {std::pair{eve, 1}, {paul, 2}, {rose, 2}, {hugo, 2}, {nina, 2}, {ida, 3}}) {
        EXPECT_TRUE(m[p].alliance) << p;
        EXPECT_EQ(m[p].degre, degre) << p;
        EXPECT_FALSE(m[p].ligneDirecte) << p;
    }
    // Sans alliances, seul le sang compte : le fils, rien du côté d'Ève.
    EnsemblePersonnes visites(base.nombreIndividus());
    auto sang = parcourirDegresParente(base, luc, 0, visites, false);
    ASSERT_EQ(sang.size(), 1u);
    EXPECT_EQ(sang[0].personne, leo);
    EXPECT_FALSE(sang[0].alliance);
}
