#include "documents/Afficheur.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

namespace lignara {
namespace {

// Ce que chaque ligne de la table doit tenir, sans en recopier les valeurs.
TEST(Afficheur, codesEtNomsUniquesTitresBornesEtPdfPourTous) {
    auto table = afficheurs();
    std::set<int> codes;
    std::set<std::string> lisibles;
    for (const Afficheur& a : table) {
        EXPECT_TRUE(codes.insert(a.code).second) << int(a.code);
        EXPECT_TRUE(lisibles.insert(a.nomLisible).second) << a.nomLisible;
        EXPECT_LE(a.titre1252().size(), Afficheur::kLongueurTitreMax) << a.titre;
        EXPECT_EQ(std::string(a.prefixe).size(), 3u);
        EXPECT_TRUE(a.offre(FormatSortie::Pdf)) << a.titre;
        EXPECT_LT(a.compteur, 44u);
    }
    EXPECT_EQ(codes.count(33), 0u);
}

TEST(Afficheur, designeUnTypeParCodeNomLisibleOuPrefixe) {
    auto parCode = chercherAfficheurs("38");
    ASSERT_EQ(parCode.size(), 1u);
    EXPECT_STREQ(parCode[0]->titre, "Arbre ascendant familial");
    auto parNom = chercherAfficheurs("liste-descendante");
    ASSERT_EQ(parNom.size(), 1u);
    EXPECT_EQ(parNom[0]->code, 15);
    // « AA_ » : l'arbre individuel et le familial ; « 33 » n'est pas un code.
    const std::pair<const char*, std::size_t> cas[] = {{"LD", 1}, {"ld_", 1}, {"AA_", 2},   {"TR", 3},
                                                       {"33", 0}, {"999", 0}, {"arbre", 0}, {"", 0}};
    for (const auto& [designation, nombre] : cas)
        EXPECT_EQ(chercherAfficheurs(designation).size(), nombre) << designation;
}

}  // namespace
}  // namespace lignara
