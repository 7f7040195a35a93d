// Lieux : clé de recherche, tables livrées et normalisation d'une valeur PLAC en pays, subdivision et texte.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "commun/Texte.h"
#include "gedcom/LieuCle.h"
#include "gedcom/LieuNormaliseur.h"
#include "gedcom/LieuTables.h"

using namespace lignara;

namespace {
std::string cle(std::string_view composante) { return std::string(LieuCle(composante).vue()); }
}  // namespace

TEST(LieuCle, gardeAuPlus35LettresRepliesEnMajuscules) {
    EXPECT_EQ(cle("Côte-d'Or"_1252), "COTEDOR");
    EXPECT_EQ(cle("  Saint-Pierre-et-Miquelon (975)"), "SAINTPIERREETMIQUELON");
    EXPECT_EQ(cle("69000"), "");
    EXPECT_EQ(cle(""), "");
    EXPECT_EQ(cle("ÀÁÂÃÄÅ àáâãäåÇçÈÉÊËèéêëÌÍÎÏìíîïÐðÑñ"_1252), "AAAAAAAAAAAACCEEEEEEEEIIIIIIIIDDNN");
    EXPECT_EQ(cle("ÝýÿßÆæ×"_1252), "YYYB\xC6\xC6X");
    // Seule clé où æ devient Æ : les tables de lieux livrées sont triées ainsi.
    EXPECT_EQ(cle("Færøerne"_1252), "F\xC6RERNE");
    // ÷, Ø, Þ et leurs minuscules, les lettres de la zone 80-9F et les octets de contrôle.
    EXPECT_EQ(cle("÷ØøÞþŒœŠšŽžŸ€°"_1252), "");
    EXPECT_EQ(cle(std::string_view("a\0b\x7F"
                                   "c\x01",
                                   6)),
              "ABC");
    std::string longue(50, 'x');
    EXPECT_EQ(cle(longue), std::string(35, 'X'));
}

namespace {

template <typename Ligne>
std::string_view cleDe(const Ligne& l) {
    return l.cle;
}
std::string_view cleDe(std::string_view l) { return l; }

// Strictement croissante : triée et sans doublon de clé.
template <typename Ligne>
void verifierTriee(std::span<const Ligne> table, const char* nom) {
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_LT(cleDe(table[i - 1]), cleDe(table[i])) << nom << ", ligne " << i;
}

}  // namespace

TEST(LieuTables, chaqueTableEstTrieeSansDoublonEtChaqueSubdivisionSeRetrouve) {
    verifierTriee(tableLieuPays(), "pays");
    verifierTriee(tableLieuRegions(), "régions");
    verifierTriee(tableLieuTroisLettres(), "sigles");
    for (std::string_view code :
         {"FR", "US", "RU", "VN", "TN", "KH", "RO", "IT", "IN", "MX", "CN", "ES", "BG", "BR", "IE", "CH", "AR",
          "PT", "HU", "NO", "DE", "PL", "GR", "CA", "NL", "BE", "CM", "JP", "GA", "GB", "AT", "AU", "LU"}) {
        const CodePays pays(code[0], code[1]);
        const auto table = tableLieuSubdivisions(pays);
        EXPECT_FALSE(table.empty()) << code;
        verifierTriee(table, code.data());
        for (const auto& l : table) {
            EXPECT_GE(l.code, 33) << code << " " << l.cle;
            EXPECT_EQ(chercherSubdivision(pays, l.cle), l.code) << code << " " << l.cle;
        }
    }
    EXPECT_TRUE(tableLieuSubdivisions(CodePays{"ZZ"}).empty());
}

// Un nom par ligne ou plusieurs (noms locaux, français, États disparus) ; des effectifs connus.
TEST(LieuTables, nomsDUneMemeLigneEtEffectifsDesDepartementsEtDesEtats) {
    EXPECT_EQ(chercherSubdivision(CodePays{"IT"}, "TOSCANA"), chercherSubdivision(CodePays{"IT"}, "TOSCANE"));
    EXPECT_EQ(*chercherPays("ZAIRE"), *chercherPays("CONGOKINSHASA"));
    std::set<int> codes;
    for (const auto& l : tableLieuSubdivisions(CodePays{"FR"})) codes.insert(l.code);
    EXPECT_EQ(codes.size(), 105u);  // Paris a deux noms
    EXPECT_EQ(*codes.begin(), 33);
    EXPECT_EQ(*codes.rbegin(), 137);
    EXPECT_EQ(chercherSubdivision(CodePays{"FR"}, "VILLEDEPARIS"), 128);
    std::set<int> etats;
    for (const auto& l : tableLieuSubdivisions(CodePays{"US"})) etats.insert(l.code);
    EXPECT_EQ(etats.size(), 51u);  // 50 États et le district de Columbia
}

TEST(LieuTables, laRechercheTrouveChaqueLigneEtRienEntreLesLignes) {
    for (const auto& l : tableLieuPays()) {
        ASSERT_TRUE(chercherPays(l.cle)) << l.cle;
        EXPECT_EQ(*chercherPays(l.cle), l.code) << l.cle;
        // Une clé voisine, juste après celle-ci dans l'ordre, n'est pas dans la table.
        EXPECT_FALSE(chercherPays(std::string(l.cle) + "A")) << l.cle;
    }
    for (auto r : tableLieuRegions()) EXPECT_TRUE(estRegionFrancaise(r)) << r;
    EXPECT_FALSE(chercherPays(""));
    EXPECT_FALSE(estRegionFrancaise("BRETAGN"));
}

TEST(LieuTables, chaqueSigleDeTroisLettresDonneUnPaysDeLaTable) {
    std::set<std::string> codesPays;
    for (const auto& l : tableLieuPays()) codesPays.insert(std::string(l.code.vue()));
    for (const auto& l : tableLieuTroisLettres()) {
        EXPECT_EQ(l.cle.size(), 3u);
        EXPECT_TRUE(codesPays.count(std::string(l.code.vue()))) << l.cle;
    }
    // Lignes qui s'écartent de la norme (ROM : voir le normaliseur).
    EXPECT_EQ(*chercherCodeTroisLettres("ASM"), CodePays{"WS"});
    EXPECT_FALSE(chercherCodeTroisLettres("ROU"));
}

TEST(LieuTables, nomsDAffichageDesPaysEtSubdivisionsPremierNomDeLaLigne) {
    EXPECT_EQ(nomPays(CodePays("CH")), "Suisse");
    EXPECT_EQ(nomPays(CodePays("ZZ")), "");
    EXPECT_EQ(nomSubdivision(CodePays("FR"), 128), "Paris");  // pas « Ville de Paris »
    EXPECT_EQ(nomSubdivision(CodePays("CH"), 40), "Gen\xE8ve");
    EXPECT_EQ(nomSubdivision(CodePays("CH"), 200), "");
}

namespace {

const ReglagesLieux kFranceParDefaut{};

std::string normaliser(std::string_view plac, ReglagesLieux reglages = kFranceParDefaut) {
    return std::string(LieuNormaliseur(reglages).normaliser(plac).texte());
}

ReglagesLieux parDefaut(CodePays pays) {
    ReglagesLieux r;
    r.paysParDefaut = pays;
    return r;
}

ReglagesLieux avecSigles() {
    ReglagesLieux r;
    r.sigleTroisLettres = true;
    return r;
}

std::string code(const char (&pays)[3], int subdivision) {
    return std::string(pays, 2) + static_cast<char>(subdivision);
}

}  // namespace

TEST(LieuNormaliseur, retireDepartementRegionEtPaysReconnus) {
    EXPECT_EQ(normaliser("Lyon, Rhône, Rhône-Alpes, France"_1252), code("FR", 102) + "Lyon");
    // Le pays par défaut n'est pas nommé : le département suffit.
    EXPECT_EQ(normaliser("Brest, Finistère"_1252), code("FR", 62) + "Brest");
    EXPECT_EQ(normaliser("Brest, Finistère"_1252, parDefaut(kPaysInconnu)), "   Brest, Finist\xE8re");
    // La région donne la France même quand le pays par défaut est un autre.
    EXPECT_EQ(normaliser("Rennes, Bretagne", parDefaut(CodePays{"BE"})), "FR Rennes");
    EXPECT_EQ(normaliser("Rennes, Bretagne, Belgique"), "BE Rennes, Bretagne (Belgique)");
    EXPECT_EQ(normaliser("Belgique"), "BE Belgique");
    EXPECT_EQ(normaliser("Bruxelles,  belgique "), "BE Bruxelles (belgique)");
    EXPECT_EQ(normaliser("Dresde, RDA"), "ae Dresde (RDA)");
}

TEST(LieuNormaliseur, numeroPostalDonneLeDepartementOuRienHorsDeFrance) {
    EXPECT_EQ(normaliser("Paris 15e  Arrondissement, 75"), code("FR", 128) + "Paris 15\xB0");
    EXPECT_EQ(normaliser("Lyon 3e  Arrondissement, 69003  "), code("FR", 102) + "Lyon 3\xB0");
    // Une seule espace : ce n'est pas la forme abrégée.
    EXPECT_EQ(normaliser("Lyon 3e Arrondissement, 69"), code("FR", 102) + "Lyon 3e Arrondissement");
    // Corse entière, outre-mer, 00 : reconnus, consommés, sans code.
    EXPECT_EQ(normaliser("Bastia, 20200"), "FR Bastia");
    EXPECT_EQ(normaliser("Nulle part, 00"), "FR Nulle part");
    // Des lettres : ce n'est pas un numéro postal.
    EXPECT_EQ(normaliser("Ajaccio, 2A"), "   Ajaccio, 2A");
    // Le numéro postal n'est français qu'en France.
    EXPECT_EQ(normaliser("Lyon, 69", parDefaut(CodePays{"BE"})), "   Lyon, 69");
    EXPECT_EQ(normaliser("Dresde, 01067, Allemagne"), "DE Dresde, 01067 (Allemagne)");
    EXPECT_EQ(normaliser("Lyon, 69, 69000, Rhône"_1252), code("FR", 102) + "Lyon, 69");
    // Le premier numéro fixe le code, le département nommé ensuite est gardé.
    EXPECT_EQ(normaliser("Lyon, Isère, 69"_1252), code("FR", 102) + "Lyon, Is\xE8re");
}

TEST(LieuNormaliseur, leCodePostalEtLeNomDuDepartementDonnentLeMemeCode) {
    const std::pair<const char*, const char*> cas[] = {
        {"01", "Ain"},
        {"21", "Côte-d'Or"_1252},
        {"76", "Seine-Maritime"},
        {"90", "Territoire de Belfort"},
        {"95", "Val-d'Oise"},
        {"33000", "Gironde"},
        {"04", "Alpes-de-Haute-Provence"},
    };
    for (const auto& [numero, nom] : cas) {
        auto parNumero = LieuNormaliseur().normaliser(std::string("Ville, ") + numero);
        auto parNom = LieuNormaliseur().normaliser(std::string("Ville, ") + nom);
        EXPECT_NE(parNom.subdivision(), ' ') << nom;
        EXPECT_EQ(parNumero.texte(), parNom.texte()) << numero;
    }
}

TEST(LieuNormaliseur, subdivisionDesAutresPaysAvecLePaysEntreParentheses) {
    const auto texas = chercherSubdivision(CodePays{"US"}, "TEXAS");
    ASSERT_NE(texas, 0);
    EXPECT_EQ(normaliser("Austin, Texas, USA"), code("US", texas) + "Austin (USA)");
    // Nom long des États-Unis : abrégé.
    EXPECT_EQ(normaliser("Houston, Texas, Etats-Unis d'Amérique"_1252), code("US", texas) + "Houston (ETATS-UNIS)");
    // Pays par défaut : pas de parenthèses. Sans pays nommé, seule la table du pays par défaut sert.
    EXPECT_EQ(normaliser("Austin, Texas, USA", parDefaut(CodePays{"US"})), code("US", texas) + "Austin");
    EXPECT_EQ(normaliser("Austin, Texas", parDefaut(CodePays{"US"})), code("US", texas) + "Austin");
    EXPECT_EQ(normaliser("Austin, Texas"), "   Austin, Texas");
    // Géorgie est un pays, sauf derrière les États-Unis.
    EXPECT_EQ(normaliser("Atlanta, Géorgie, USA"_1252).substr(0, 2), "US");
    EXPECT_EQ(normaliser("Tbilissi, Géorgie"_1252), "GE Tbilissi (G\xE9orgie)");
    const auto toscane = chercherSubdivision(CodePays{"IT"}, "TOSCANE");
    ASSERT_NE(toscane, 0);
    EXPECT_EQ(normaliser("Florence, Toscane, Italie"), code("IT", toscane) + "Florence (Italie)");
    EXPECT_EQ(normaliser("Sousse, Susah, Tunisie"),
              code("TN", chercherSubdivision(CodePays{"TN"}, "SOUSSE")) + "Sousse (Tunisie)");
}

TEST(LieuNormaliseur, composantesInconnuesGardeesJusquaDixSinonSubdivisionPuisRegion) {
    EXPECT_EQ(normaliser("a, b,c ,  d"), "   a, b, c, d");
    EXPECT_EQ(normaliser("a,b,c,d,e,f,g,h,i,j,k,l"), "   a, b, c, d, e, f, g, h, i, j");
    // « 12 » est un numéro postal (Aveyron) : il ne compte pas parmi les dix.
    EXPECT_EQ(normaliser("1,2,3,4,5,6,7,8,9,10,11,12"), code("FR", 44) + "1, 2, 3, 4, 5, 6, 7, 8, 9, 10");
    EXPECT_EQ(normaliser(",, Moulin ,,"), "   Moulin");
    EXPECT_EQ(normaliser("Rhône, Rhône-Alpes, France"_1252), code("FR", 102) + "Rh\xF4ne");
    EXPECT_EQ(normaliser("Paris"), code("FR", 128) + "Paris");
    // Le pays seul ne laisse rien de lisible : le lieu est vide.
    EXPECT_EQ(normaliser("France"), "");
    EXPECT_EQ(normaliser(""), "");
    EXPECT_EQ(normaliser("75"), "");
}

TEST(LieuNormaliseur, neDepassePas100OctetsNiNeLitAuDelaDuTexte) {
    const std::string a(90, 'a'), b(20, 'b');
    // 3 + 90 = 93 ; « , b… » passerait 100, « , cc » tient encore.
    EXPECT_EQ(normaliser(a + "," + b + ", cc"), "   " + a + ", cc");
    // Le pays entre parenthèses ne tient pas : laissé de côté.
    EXPECT_EQ(normaliser(a + ", Belgique"), "BE " + a);
    // Une composante unique trop longue est coupée plutôt que perdue.
    const std::string longue(300, 'x');
    EXPECT_EQ(normaliser(longue), "   " + longue.substr(0, 97));
    EXPECT_EQ(normaliser(std::string(97, 'y') + ", Lyon").size(), 100u);
    // Les octets qui suivent la vue changeraient le résultat s'ils étaient lus.
    const std::string tampon = "Paris, 7512";
    EXPECT_EQ(normaliser(std::string_view(tampon).substr(0, 9)), code("FR", 128) + "Paris");
    const std::string sigle = "FRA, Lyon";
    EXPECT_EQ(normaliser(std::string_view(sigle).substr(0, 3), avecSigles()), "   FRA");
    const std::string arrondissement = "15e  Arrondissement";
    EXPECT_EQ(normaliser(std::string_view(arrondissement).substr(0, 18)), "   15e  Arrondissemen");
    // Tous les octets sont l'affaire du fuzz des lieux ; ici les textes démesurés.
    for (const auto& texte : {std::string(100000, ','), std::string(100000, 'e'), std::string(5000, ' ') + ",x"})
        EXPECT_LE(normaliser(texte, avecSigles()).size(), 100u);
}

TEST(LieuNormaliseur, sigleDeTroisLettresAvecLeDrapeau64) {
    EXPECT_EQ(normaliser("FRA, F69, Lyon", avecSigles()), code("FR", 102) + "Lyon");
    EXPECT_EQ(normaliser("DEU, Dresde", avecSigles()), "DE Dresde");
    EXPECT_EQ(normaliser("ROM, Mangalia, F69", avecSigles()), "RO Mangalia, F69");
    EXPECT_EQ(normaliser("FRA, F75, 15e  Arrondissement", avecSigles()), code("FR", 128) + "15\xB0");
    // Sigle inconnu, minuscules, ou drapeau absent : texte ordinaire.
    EXPECT_EQ(normaliser("XYZ, Berlin", avecSigles()), "   XYZ, Berlin");
    EXPECT_EQ(normaliser("Fra, Lyon", avecSigles()), "   Fra, Lyon");
    EXPECT_EQ(normaliser("DEU, Berlin"), "   DEU, Berlin");
    EXPECT_EQ(normaliser("FRA,", avecSigles()), "");
}

TEST(LieuNormaliseur, lesNomsAnglaisDesPaysEtLesNationsDuRoyaumeUniSontReconnus) {
    // England donne le pays et sa nation ; Norfolk, avant lui, n'est plus l'île Norfolk.
    EXPECT_EQ(normaliser("Sandringham, Norfolk, England"), code("GB", 33) + "Sandringham, Norfolk (England)");
    EXPECT_EQ(normaliser("Edinburgh, Scotland"), code("GB", 34) + "Edinburgh (Scotland)");
    EXPECT_EQ(normaliser("Londres, Angleterre"), code("GB", 33) + "Londres (Angleterre)");
    // Le pays nommé en dernier décide ; la nation qui le précède reste sa subdivision.
    EXPECT_EQ(normaliser("London, England, United Kingdom"), code("GB", 33) + "London (United Kingdom)");
    EXPECT_EQ(normaliser("Cardiff, UK"), "GB Cardiff (UK)");
    EXPECT_EQ(normaliser("London, England", parDefaut(CodePays{"GB"})), code("GB", 33) + "London");
    EXPECT_EQ(normaliser("Boston, Massachusetts, United States"),
              std::string("US") + static_cast<char>(chercherSubdivision(CodePays{"US"}, "MASSACHUSETTS")) +
                  "Boston (ETATS-UNIS)");
    // Un nom de pays qui précède le pays reconnu reste un lieu lisible.
    EXPECT_EQ(normaliser("Norfolk, Virginia, USA").substr(0, 2), "US");
    // Sans pays après lui, Norfolk reste l'île de la table.
    EXPECT_EQ(normaliser("Sandringham, Norfolk"), "NF Sandringham (Norfolk)");
}
