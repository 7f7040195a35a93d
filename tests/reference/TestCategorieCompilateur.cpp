#include <gtest/gtest.h>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reference/CategorieAutomate.h"
#include "reference/CategorieCompilateur.h"
#include "reference/CategorieDefinition.h"
#include "support/DossierEssai.h"

using namespace lignara;

namespace {

std::vector<std::uint8_t> compiler(const std::string& texte, bool professions = true) {
    return CategorieCompilateur(CategorieDefinition::lire(texte), professions).image();
}

std::vector<std::string> avertissements(const std::string& texte, bool professions = true) {
    return CategorieCompilateur(CategorieDefinition::lire(texte), professions).avertissements();
}

std::string categoriesNumerotees(int n) {
    std::string texte;
    // Mots-clés tout en lettres : les chiffres deviendraient des espaces et se confondraient.
    for (int i = 0; i < n; ++i)
        texte += "Categorie " + std::to_string(i) + "\r\n\tmot" + char('a' + i / 26) + char('a' + i % 26) + "\r\n";
    return texte;
}

}  // namespace

// Racine à 27 enfants, début de mot, nœuds en ordre préfixe, liens d'échec vers le début de mot
// après une espace et vers « BOIS » depuis « GARDE BOIS », forme dérivée MARINE.
TEST(CategorieCompilateur, ecritLaPetiteDefinitionOctetPourOctetEtCompileUneDefinitionDe50000OctetsBizarres) {
    std::string definition = "Forêt\r\n\tbois\r\n  garde bois  \r\nMer\r\n marin\r\n"_1252;
    EXPECT_EQ(compiler(definition),
              essai::lireOctets(std::string(LIGNARA_DOSSIER_SOURCES) + "/tests/golden/categories-foret-mer.dwa"));
    // Puis 50 000 octets de toutes valeurs, dont une ligne de 20 000 caractères que la recherche retrouve.
    std::string texte = "Longue\r\n\t" + std::string(20000, 'z') + "\r\nBizarre\r\n";
    std::uint32_t graine = 12345;
    while (texte.size() < 50000) {
        graine = graine * 1103515245u + 12345u;
        texte += static_cast<char>((graine >> 16) & 0xFF);
    }
    texte.resize(50000);
    CategorieCompilateur compilateur(CategorieDefinition::lire(texte), true);
    auto automate = CategorieAutomate::lire(compilateur.image()).value();
    EXPECT_EQ(automate.categoriesDuTexte(" " + std::string(20000, 'Z') + "."), std::vector<std::uint8_t>{0});
}

TEST(CategorieCompilateur, grammaireDoublonsEtTrenteCategoriesCompileesAvecUnAvertissementPlusDe255Refusees) {
    std::string texte = "Bois\r\n\tsabotier\r\n\tmenuisier\r\nCuir\r\n\tSabotier\r\n\tMENUISIER\r\n\tsabotier\r\n";
    auto a = avertissements(texte);
    // Un message par mot qui change de catégorie, pas pour la forme dérivée ni le second « sabotier ».
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[1], "Attention : \"MENUISIER\" apparaît dans plusieurs catégories"_1252);
    auto automate = CategorieAutomate::lire(compiler(texte)).value();
    EXPECT_EQ(automate.categoriesDuTexte("sabotière"_1252), std::vector<std::uint8_t>{1});
    // Une forme dérivée qui rencontre un mot-clé explicite avertit ; les sources ne dérivent pas.
    a = avertissements("Marine\r\n\tmarin\r\nArmee\r\n\tmarine\r\n");
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0], "Attention : \"MARINE\" apparaît dans plusieurs catégories"_1252);
    automate = CategorieAutomate::lire(compiler("Etat civil\r\n\tmarin\r\n", false)).value();
    EXPECT_TRUE(automate.categoriesDuTexte("marine").empty());
    // La grammaire des lignes : le mot d'avant la première catégorie est ignoré, les noms coupés à 255.
    auto d = CategorieDefinition::lire(" orphelin\r\nA\r\n\t\r\n\t \tx \r\n\r\nB\tsuite\r\n\ty\nC");
    ASSERT_EQ(d.noms().size(), 3u);
    EXPECT_EQ(d.noms()[1], "B\tsuite");
    ASSERT_EQ(d.motsCles().size(), 2u);  // le mot d'avant la première catégorie est ignoré
    EXPECT_EQ(d.motsCles()[0].texte, "x");
    EXPECT_EQ(d.motsCles()[1].categorie, 1u);
    // Les noms sont coupés à 255 octets.
    EXPECT_EQ(CategorieDefinition::lire(std::string(400, 'N') + "\r\n\tmot\r\n").longueurNomMaximale(), 255u);
    // Trente catégories : toutes compilées, un avertissement qui nomme 23 ; plus de 255 refusées.
    a = avertissements(categoriesNumerotees(30));
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0],
              "ATTENTION : le nombre de catégories est trop élevé.\nSeules les 23 premières catégories "
              "seront prises en compte\ndans les arbres chromatiques."_1252);
    automate = CategorieAutomate::lire(compiler(categoriesNumerotees(30))).value();
    EXPECT_EQ(automate.categoriesDuTexte("motbd"), std::vector<std::uint8_t>{29});
    EXPECT_TRUE(avertissements(categoriesNumerotees(23)).empty());
    EXPECT_NO_THROW(compiler(categoriesNumerotees(255)));
    EXPECT_THROW(compiler(categoriesNumerotees(256)), OperationImpossible);
}
