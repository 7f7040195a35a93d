#include <gtest/gtest.h>

#include <vector>

#include "FamilleEssai.h"
#include "commun/OperationImpossible.h"
#include "parente/LienParente.h"

using namespace lignara;
using namespace lignara::essai;

namespace {

// Numéros d'une rangée, −1 pour une case vide.
std::vector<std::int32_t> rangee(const LienParente& l, std::size_t r) {
    std::vector<std::int32_t> v;
    for (int c = 0; c < 4; ++c) v.push_back(l.case_(r, c).personne);
    return v;
}

using R = std::vector<std::int32_t>;

class LienParenteEssai : public ::testing::Test {
protected:
    LienParente chercher(std::uint32_t a, std::uint32_t b) {
        LienParente l(a, b);
        l.chercher(base_);
        return l;
    }
    DossierEssai dossier_;
    BaseGenealogique base_ = construireFamilleEssai(dossier_.chemin());
};

}  // namespace

TEST_F(LienParenteEssai, deuxFreresOntLeursParentsEnRangeeZero) {
    LienParente l = chercher(Luc, Lea);
    EXPECT_EQ(l.ancetreCommun(), Pierre);
    EXPECT_EQ(l.longueurPremiere(), 1u);
    EXPECT_EQ(l.longueurSeconde(), 1u);
    ASSERT_EQ(l.rangees(), 2u);
    EXPECT_EQ(rangee(l, 0), (R{Pierre, Marie, -1, -1}));
    EXPECT_EQ(rangee(l, 1), (R{Luc, -1, Lea, -1}));
}

TEST_F(LienParenteEssai, demiFreresParLePereMontrentLesDeuxMeres) {
    LienParente l = chercher(Luc, Tom);
    EXPECT_EQ(rangee(l, 0), (R{Pierre, Marie, Sophie, -1}));
    EXPECT_EQ(rangee(l, 1), (R{Luc, -1, Tom, -1}));
}

TEST_F(LienParenteEssai, belleMereAcoteDuPereEtDeLaMere) {
    LienParente l = chercher(Luc, Sophie);
    EXPECT_EQ(l.ancetreCommun(), Pierre);
    EXPECT_EQ(l.longueurPremiere(), 1u);
    EXPECT_EQ(l.longueurSeconde(), 0u);
    EXPECT_EQ(rangee(l, 0), (R{Pierre, Marie, Sophie, -1}));
    EXPECT_EQ(rangee(l, 1), (R{Luc, -1, -1, -1}));
}

TEST_F(LienParenteEssai, conjointsSansLigneeMontrentLaPremiereEtLaSeconde) {
    LienParente l = chercher(Pierre, Sophie);
    EXPECT_EQ(l.longueurPremiere(), 0u);
    EXPECT_EQ(l.longueurSeconde(), 0u);
    ASSERT_EQ(l.rangees(), 1u);
    EXPECT_EQ(rangee(l, 0), (R{Pierre, Sophie, -1, -1}));
    EXPECT_EQ(l.case_(0, 1).prenoms, "Sophie");
    EXPECT_EQ(l.case_(0, 1).nom, "FAURE");
}

TEST_F(LienParenteEssai, grandPereEnSecondeLigneeVide) {
    LienParente l = chercher(Luc, Gaston);
    EXPECT_EQ(l.ancetreCommun(), Gaston);
    EXPECT_EQ(l.longueurPremiere(), 2u);
    EXPECT_EQ(l.longueurSeconde(), 0u);
    ASSERT_EQ(l.rangees(), 3u);
    EXPECT_EQ(rangee(l, 0), (R{Gaston, Berthe, -1, -1}));
    EXPECT_EQ(rangee(l, 1), (R{Pierre, Marie, -1, -1}));
    EXPECT_EQ(rangee(l, 2), (R{Luc, -1, -1, -1}));
}

TEST_F(LienParenteEssai, cousinsGermainsDescendentDesGrandsParents) {
    LienParente l = chercher(Luc, Max);
    EXPECT_EQ(l.ancetreCommun(), Gaston);
    EXPECT_EQ(rangee(l, 0), (R{Gaston, Berthe, -1, -1}));
    EXPECT_EQ(rangee(l, 1), (R{Pierre, Marie, Anne, Jacques}));
    EXPECT_EQ(rangee(l, 2), (R{Luc, -1, Max, -1}));
}

TEST_F(LienParenteEssai, uneAllianceDeLaPremiereLaPlaceACoteDeSonConjoint) {
    // Marie n'est parente d'Anne que par son mari Pierre, frère d'Anne.
    LienParente l = chercher(Marie, Anne);
    EXPECT_EQ(l.ancetreCommun(), Gaston);
    EXPECT_EQ(rangee(l, 0), (R{Gaston, Berthe, -1, -1}));
    EXPECT_EQ(rangee(l, 1), (R{Pierre, Marie, Anne, -1}));
}

TEST_F(LienParenteEssai, deuxPersonnesParLeursDeuxConjointsTrouventLeurAncetre) {
    // Zoé (épouse de Max) et Sophie (épouse de Pierre) : Max et Pierre descendent de Gaston.
    LienParente l = chercher(Zoe, Sophie);
    EXPECT_EQ(l.ancetreCommun(), Gaston);
    EXPECT_EQ(rangee(l, 0), (R{Gaston, Berthe, -1, -1}));
    EXPECT_EQ(rangee(l, 1), (R{Anne, Jacques, Pierre, Sophie}));
    EXPECT_EQ(rangee(l, 2), (R{Max, Zoe, -1, -1}));
}

TEST_F(LienParenteEssai, personneIsoleeOuMemePersonneSontRefusees) {
    try {
        chercher(Luc, Ernest);
        FAIL();
    } catch (const OperationImpossible& e) {
        EXPECT_STREQ(e.what(), "Il n'y a aucun lien de parenté entre ces deux personnes"_1252);
    }
    try {
        LienParente l(Luc, Luc);
        FAIL();
    } catch (const OperationImpossible& e) {
        EXPECT_STREQ(e.what(), "Erreur : les deux personnes doivent être différentes"_1252);
    }
}
