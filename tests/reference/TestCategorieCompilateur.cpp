// Catégories : normalisation des mots-clés, compilation d'une définition, recherche dans l'automate compilé.
#include <gtest/gtest.h>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reference/CategorieAutomate.h"
#include "reference/CategorieCompilateur.h"
#include "reference/CategorieDefinition.h"
#include "reference/CategorieTexte.h"
#include "support/AlterationsStockees.h"
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

const std::string kDefinition =
    "Alimentation\r\n\tboulanger\r\n\tboucher\r\n"
    "Marine\r\n\tarmateur\r\n\tmarin\r\n\tcapitaine de navire\r\n"
    "Armée\r\n\tcapitaine\r\n\tgarde\r\n"
    "Administration\r\n\tgarde champêtre\r\n\tinstituteur\r\n\tvendeur\r\n\tpatron\r\n"
    "Clergé\r\n\tabbe\r\n"_1252;

std::vector<std::uint8_t> image() { return compiler(kDefinition); }

CategorieAutomate automateEssai() { return *CategorieAutomate::lire(image()); }
using V = std::vector<std::uint8_t>;
V categories(const std::string& texte) { return automateEssai().categoriesDuTexte(texte); }

}  // namespace

TEST(NormalisationCategorie, replieLesAccentsChangeEnEspaceCeQuiNEstPasUneLettreEtFormeLesFeminins) {
    EXPECT_EQ(normaliserMotCle("maréchal-ferrant"_1252), "MARECHAL FERRANT");
    EXPECT_EQ(normaliserMotCle("ÀÉÎÕÜÇÑÝÿ"_1252), "AEIOUCNYY");
    EXPECT_EQ(normaliserMotCle("Ðð×ß"_1252), "DDXB");
    // Æ, Ø, Þ, ÷ et œ (au-dessous de 192) ne sont pas des lettres de base ; un mot sans lettre est vide.
    EXPECT_EQ(normaliserMotCle("sœur"_1252), "S UR");
    EXPECT_EQ(normaliserMotCle("aØbÞc÷d"_1252), "A B C D");
    EXPECT_EQ(normaliserMotCle("garde-champêtre 2e"_1252), "GARDE CHAMPETRE  E");
    EXPECT_EQ(normaliserMotCle("  - 12 ; "), "");
    EXPECT_EQ(normaliserMotCle(" (meunier) "), "MEUNIER");
    for (int o = 0; o < 256; ++o) {
        char n = normaliserCaractereCategorie(static_cast<char>(o));
        EXPECT_TRUE(n == ' ' || (n >= 'A' && n <= 'Z')) << o;
    }
    // Formes féminines : les terminaisons des professions, dans les bornes de longueur.
    const char* const feminins[][2] = {{"BOULANGER", "BOULANGERE"},    {"INSTITUTEUR", "INSTITUTRICE"},
                                       {"VENDEUR", "VENDEUSE"},        {"PATRON", "PATRONNE"},
                                       {"CHIRURGIEN", "CHIRURGIENNE"}, {"MARCHAND", "MARCHANDE"},
                                       {"NEGOCIANT", "NEGOCIANTE"},    {"CAMPAGNARD", "CAMPAGNARDE"},
                                       {"GENERAL", "GENERALE"},        {"MARIN", "MARINE"}};
    for (const auto& [masculin, feminin] : feminins) EXPECT_EQ(formeFeminine(masculin), feminin) << masculin;
    for (const char* sansForme : {"ABBE", "ABER", "NOTAIRE", "PAYSAN", "GARDE EUR"})
        EXPECT_EQ(formeFeminine(sansForme), "") << sansForme;
    EXPECT_EQ(formeFeminine("FILER"), "FILERE");  // 5 : la borne basse est comprise
    std::string long47 = std::string(45, 'A') + "ER";
    EXPECT_EQ(formeFeminine(long47), long47 + "E");
    EXPECT_EQ(formeFeminine("A" + long47), "");
}

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
    ASSERT_EQ(d.motsCles().size(), 2u);
    EXPECT_EQ(d.motsCles()[0].texte, "x");
    EXPECT_EQ(d.motsCles()[1].categorie, 1u);
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

TEST(CategorieAutomate, accordeFemininsMotsEntiersPlusLongueCorrespondanceEtResisteAuxOctetsInverses) {
    // Les formes féminines sont essayées une à une plus haut ; ici leur recherche.
    EXPECT_EQ(categories("Boulangère"_1252), V{0});
    EXPECT_EQ(categories("abbesse"), V{});
    // Un mot-clé ne s'accorde qu'en début de mot et en mot entier.
    EXPECT_EQ(categories("charmateur"), V{});
    EXPECT_EQ(categories("armateurs"), V{});
    EXPECT_EQ(categories("(armateur)"), V{1});
    // La correspondance la plus longue remplace la plus courte.
    EXPECT_EQ(categories("garde champêtre"_1252), V{3});
    EXPECT_EQ(categories("capitaine de cavalerie"), V{2});
    // Après l'échec de « GARDE CH… », la recherche repart et trouve le mot suivant.
    EXPECT_EQ(categories("garde chasse et boucher"), (V{2, 0}));
    // Un fichier encore valable après inversion : lecture et recherche restent dans l'image, et finissent.
    int refuses = 0;
    essai::pourDesOctetsAlteres(image(), 20261206, 2000, 1, [&](const std::vector<std::uint8_t>& abime) {
        auto a = CategorieAutomate::lire(abime);
        refuses += !a;
        if (!a) return;
        for (std::uint8_t c : a->categoriesDuTexte("boulangère, garde champêtre et capitaine de navire"_1252))
            EXPECT_LT(c, a->nombre());
    });
    EXPECT_GT(refuses, 0);
}

TEST(CategorieAutomate, rendLesCategoriesParAppelsSuccessifsLesNomsDansLOrdreEtRefuseVersionEtTroncature) {
    CategorieAutomate a = automateEssai();
    std::string texte = "boulanger, marin";
    a.commencer(texte);
    EXPECT_EQ(a.Match(), 0);
    EXPECT_EQ(a.Match(), 1);
    EXPECT_EQ(a.Match(), CategorieAutomate::kAucune);
    ASSERT_EQ(a.nombre(), 5u);  // les noms sont lus dans l'ordre
    EXPECT_EQ(a.noms()[2], "Armée"_1252);
    EXPECT_EQ(a.longueurNomMaximale(), 14u);
    auto octets = image();
    essai::pourChaqueTroncature(octets, [](const auto& o) { EXPECT_FALSE(CategorieAutomate::lire(o)); });
    octets[0] = 0xF6;  // 502
    EXPECT_FALSE(CategorieAutomate::lire(octets));
}
