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

namespace {

// Un mariage entre oncle et nièce : Ugo épouse Mia, fille de sa sœur Ida et de Noé ; Léo est
// leur fils. En remontant d'une génération depuis ses parents, Léo rencontre d'abord Gus, père
// d'Ugo et d'Ida (à une génération d'Ida), puis Noé, conjoint d'Ida, et Ida elle-même.
enum : std::uint32_t { Leo = 1, Ugo, Mia, Gus, Ida, Noe, Rose };

BaseGenealogique construireMariageOncleNiece(const std::filesystem::path& dossier) {
    ArbreEssai a;
    a.personne('M', annee(1950), {}, "UGO", "Léo"_1252);
    a.personne('M', annee(1920), {}, "UGO", "Ugo");
    a.personne('F', annee(1925), {}, "NOE", "Mia");
    a.personne('M', annee(1880), {}, "UGO", "Gus");
    a.personne('F', annee(1900), {}, "UGO", "Ida");
    a.personne('M', annee(1898), {}, "NOE", "Noé"_1252);
    a.personne('F', annee(1882), {}, "ROSE", "Rose");
    a.couple(Gus, Rose, {Ugo, Ida});
    a.couple(Noe, Ida, {Mia});
    a.couple(Ugo, Mia, {Leo});
    return a.construire(dossier);
}

}  // namespace

TEST(LienParente, gardeLAncetreLePlusProcheDeLAutreParmiCeuxDUneMemeGeneration) {
    DossierEssai dossier;
    BaseGenealogique base = construireMariageOncleNiece(dossier.chemin());
    // Noé et Ida sont plus proches d'Ida que Gus ; à égalité, Ida, ancêtre de Léo, l'emporte
    // sur son conjoint, et sa lignée est vide.
    LienParente l(Leo, Ida);
    l.chercher(base);
    EXPECT_EQ(l.ancetreCommun(), Ida);
    EXPECT_EQ(l.longueurPremiere(), 2u);
    EXPECT_EQ(l.longueurSeconde(), 0u);
    EXPECT_EQ(rangee(l, 0), (R{Noe, Ida, -1, -1}));
    EXPECT_EQ(rangee(l, 1), (R{Mia, Ugo, -1, -1}));
    EXPECT_EQ(rangee(l, 2), (R{Leo, -1, -1, -1}));
    // Dans l'autre sens, c'est le côté de la seconde personne qui rencontre les deux.
    LienParente inverse(Ida, Leo);
    inverse.chercher(base);
    EXPECT_EQ(inverse.ancetreCommun(), Ida);
    EXPECT_EQ(inverse.longueurPremiere(), 0u);
    EXPECT_EQ(inverse.longueurSeconde(), 2u);
}
