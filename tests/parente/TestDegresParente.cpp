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

TEST(DegresParente, cousinAuQuatriemeEtSonConjointAuCinquiemeParAlliance) {
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
}

TEST(DegresParente, seulsLesAscendantsPortentLaLigneDirecte) {
    DossierEssai dossier;
    BaseGenealogique base = construireFamilleEssai(dossier.chemin());
    auto m = parDegre(base, Luc, 0);
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
