#include <gtest/gtest.h>

#include "FamilleEssai.h"
#include "commun/OperationImpossible.h"
#include "parente/LienParente.h"

using namespace lignara;
using namespace lignara::essai;

namespace {

// Numéros d'une rangée, −1 pour une case vide.
std::vector<std::int32_t> rangee(const LienParente& l, std::size_t r) {
    std::vector<std::int32_t> v;
    v.reserve(4);
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

// Un mariage entre oncle et nièce : Ugo épouse Mia, fille de sa sœur Ida et de Noé ; Léo est
// leur fils. En remontant d'une génération depuis ses parents, Léo rencontre d'abord Gus, père
// d'Ugo et d'Ida (à une génération d'Ida), puis Noé, conjoint d'Ida, et Ida elle-même.
enum : std::uint32_t { Leo = 1, Ugo, Mia, Gus, Ida, Noe, Rose };

BaseGenealogique construireMariageOncleNiece(const std::filesystem::path& dossier) {
    ArbreEssai a;
    for (char sexe : {'M', 'M', 'F', 'M', 'F', 'M', 'F'}) a.personne(sexe);
    a.couple(Gus, Rose, {Ugo, Ida});
    a.couple(Noe, Ida, {Mia});
    a.couple(Ugo, Mia, {Leo});
    return a.construire(dossier);
}

}  // namespace

TEST_F(LienParenteEssai, placeAncetreLigneesConjointsRefuseLesIsolesEtGardeLAncetreLePlusProche) {
    struct {
        std::uint32_t a, b, ancetre, premiere, seconde;  // ancêtre 0 : entre conjoints, sans objet
        std::vector<R> rangees;
    } const cas[] = {
        {Luc, Tom, Pierre, 1, 1, {{Pierre, Marie, Sophie, -1}, {Luc, -1, Tom, -1}}},  // demi-frères : les deux mères
        {Luc, Sophie, Pierre, 1, 0, {{Pierre, Marie, Sophie, -1}, {Luc, -1, -1, -1}}},  // belle-mère
        {Pierre, Sophie, 0, 0, 0, {{Pierre, Sophie, -1, -1}}},                          // conjoints sans lignée
        {Luc, Max, Gaston, 2, 2, {{Gaston, Berthe, -1, -1}, {Pierre, Marie, Anne, Jacques}, {Luc, -1, Max, -1}}},
        // Marie n'est parente d'Anne que par son mari Pierre, frère d'Anne : à côté de son conjoint.
        {Marie, Anne, Gaston, 1, 1, {{Gaston, Berthe, -1, -1}, {Pierre, Marie, Anne, -1}}},
        // Zoé (épouse de Max) et Sophie (épouse de Pierre) : Max et Pierre descendent de Gaston.
        {Zoe, Sophie, Gaston, 2, 1, {{Gaston, Berthe, -1, -1}, {Anne, Jacques, Pierre, Sophie}, {Max, Zoe, -1, -1}}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::to_string(c.a) + " et " + std::to_string(c.b));
        const LienParente l = chercher(c.a, c.b);
        if (c.ancetre) {
            EXPECT_EQ(l.ancetreCommun(), c.ancetre);
        }
        EXPECT_EQ(l.longueurPremiere(), c.premiere);
        EXPECT_EQ(l.longueurSeconde(), c.seconde);
        std::vector<R> rangees;
        for (std::size_t r = 0; r < l.rangees(); ++r) rangees.push_back(rangee(l, r));
        EXPECT_EQ(rangees, c.rangees);
    }
    EXPECT_EQ(chercher(Pierre, Sophie).case_(0, 1).nom, "FAURE");  // les cases portent les noms
    EXPECT_THROW(chercher(Luc, Ernest), OperationImpossible);      // messages relus par tests/cli/parente
    // Mariage oncle-nièce : l'ancêtre le plus proche de l'autre parmi ceux d'une même génération.
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
    // Dans l'autre sens, c'est le côté de la seconde personne qui rencontre les deux.
    LienParente inverse(Ida, Leo);
    inverse.chercher(base);
    EXPECT_EQ(inverse.ancetreCommun(), Ida);
    EXPECT_EQ(inverse.longueurPremiere(), 0u);
    EXPECT_EQ(inverse.longueurSeconde(), 2u);
}
