#include <gtest/gtest.h>

#include <string>

#include "commun/Texte.h"
#include "gedcom/LieuNormaliseur.h"
#include "gedcom/LieuTables.h"

using namespace lignara;

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
    EXPECT_EQ(normaliser("Quimper,Finistère,Bretagne"_1252), code("FR", 62) + "Quimper");
    // Le pays par défaut n'est pas nommé : le département suffit.
    EXPECT_EQ(normaliser("Brest, Finistère"_1252), code("FR", 62) + "Brest");
    EXPECT_EQ(normaliser("Brest, Finistère"_1252, parDefaut(kPaysInconnu)), "   Brest, Finist\xE8re");
}

TEST(LieuNormaliseur, uneRegionFrancaiseNeSeReconnaitQuEnFrance) {
    // La région donne la France même quand le pays par défaut est un autre.
    EXPECT_EQ(normaliser("Rennes, Bretagne", parDefaut(CodePays{"BE"})), "FR Rennes");
    EXPECT_EQ(normaliser("Rennes, Bretagne, Belgique"), "BE Rennes, Bretagne (Belgique)");
}

TEST(LieuNormaliseur, numeroPostalDonneLeDepartementEtArrondissementAbrege) {
    EXPECT_EQ(normaliser("Paris 15e  Arrondissement, 75"), code("FR", 128) + "Paris 15\xB0");
    EXPECT_EQ(normaliser("Lyon 3e  Arrondissement, 69003  "), code("FR", 102) + "Lyon 3\xB0");
    // Une seule espace : ce n'est pas la forme abrégée.
    EXPECT_EQ(normaliser("Lyon 3e Arrondissement, 69"), code("FR", 102) + "Lyon 3e Arrondissement");
}

TEST(LieuNormaliseur, leCodePostalEtLeNomDuDepartementDonnentLeMemeCode) {
    struct Cas {
        const char* numero;
        const char* nom;
    };
    const Cas cas[] = {
        {"01", "Ain"},
        {"19", "Corrèze"_1252},
        {"21", "Côte-d'Or"_1252},
        {"74", "Haute-Savoie"},
        {"75", "Paris"},
        {"76", "Seine-Maritime"},
        {"90", "Territoire de Belfort"},
        {"91", "Essonne"},
        {"92", "Hauts-de-Seine"},
        {"93", "Seine-Saint-Denis"},
        {"94", "Val-de-Marne"},
        {"95", "Val-d'Oise"},
        {"33000", "Gironde"},
        {"04", "Alpes-de-Haute-Provence"},
    };
    for (const auto& c : cas) {
        auto parNumero = LieuNormaliseur().normaliser(std::string("Ville, ") + c.numero);
        auto parNom = LieuNormaliseur().normaliser(std::string("Ville, ") + c.nom);
        EXPECT_NE(parNom.subdivision(), ' ') << c.nom;
        EXPECT_EQ(parNumero.subdivision(), parNom.subdivision()) << c.numero << " " << c.nom;
        EXPECT_EQ(parNumero.texte(), parNom.texte()) << c.numero;
    }
}

TEST(LieuNormaliseur, numeroPostalSansCodeOuHorsDeFrance) {
    // Corse entière, outre-mer, 00 : reconnus, consommés, sans code.
    EXPECT_EQ(normaliser("Bastia, 20200"), "FR Bastia");
    EXPECT_EQ(normaliser("Pointe-à-Pitre, 97110"_1252), "FR Pointe-\xE0-Pitre");
    EXPECT_EQ(normaliser("Nulle part, 00"), "FR Nulle part");
    // Ni 2 ni 5 chiffres, ou des lettres : ce n'est pas un numéro postal.
    EXPECT_EQ(normaliser("Ajaccio, 2A"), "   Ajaccio, 2A");
    EXPECT_EQ(normaliser("Lyon, 690"), "   Lyon, 690");
    EXPECT_EQ(normaliser("Lyon, 6 9"), "   Lyon, 6 9");
    // Le numéro postal n'est français qu'en France.
    EXPECT_EQ(normaliser("Lyon, 69", parDefaut(CodePays{"BE"})), "   Lyon, 69");
    EXPECT_EQ(normaliser("Dresde, 01067, Allemagne"), "DE Dresde, 01067 (Allemagne)");
}

TEST(LieuNormaliseur, unSeulNumeroPostalEstConsommeApresLaSubdivision) {
    EXPECT_EQ(normaliser("Lyon, 69, 69000, Rhône"_1252), code("FR", 102) + "Lyon, 69");
    // Le premier numéro fixe le code, le département nommé ensuite est gardé.
    EXPECT_EQ(normaliser("Lyon, Isère, 69"_1252), code("FR", 102) + "Lyon, Is\xE8re");
}

TEST(LieuNormaliseur, etatAmericainAvecLePaysEntreParentheses) {
    const auto texas = chercherSubdivision(CodePays{"US"}, "TEXAS");
    ASSERT_NE(texas, 0);
    EXPECT_EQ(normaliser("Austin, Texas, USA"), code("US", texas) + "Austin (USA)");
    // Nom long des États-Unis : abrégé.
    EXPECT_EQ(normaliser("Houston, Texas, Etats-Unis d'Amérique"_1252), code("US", texas) + "Houston (ETATS-UNIS)");
    EXPECT_EQ(normaliser("Houston, Texas, Etats-Unis"), code("US", texas) + "Houston (Etats-Unis)");
    // Pays par défaut : pas de parenthèses. Sans pays nommé, l'État n'est cherché que dans
    // la table du pays par défaut.
    EXPECT_EQ(normaliser("Austin, Texas, USA", parDefaut(CodePays{"US"})), code("US", texas) + "Austin");
    EXPECT_EQ(normaliser("Austin, Texas", parDefaut(CodePays{"US"})), code("US", texas) + "Austin");
    EXPECT_EQ(normaliser("Austin, Texas"), "   Austin, Texas");
    // Géorgie est un pays, sauf derrière les États-Unis.
    EXPECT_EQ(normaliser("Atlanta, Géorgie, USA"_1252).substr(0, 2), "US");
    EXPECT_EQ(normaliser("Tbilissi, Géorgie"_1252), "GE Tbilissi (G\xE9orgie)");
}

TEST(LieuNormaliseur, subdivisionDesAutresPaysNommes) {
    const auto toscane = chercherSubdivision(CodePays{"IT"}, "TOSCANE");
    ASSERT_NE(toscane, 0);
    EXPECT_EQ(normaliser("Florence, Toscane, Italie"), code("IT", toscane) + "Florence (Italie)");
    EXPECT_EQ(normaliser("Firenze, Toscana, Italie"), code("IT", toscane) + "Firenze (Italie)");
    // Sans le pays, la table de l'Italie n'est pas consultée.
    EXPECT_EQ(normaliser("Florence, Toscane"), "   Florence, Toscane");
    EXPECT_EQ(normaliser("Sousse, Susah, Tunisie"),
              code("TN", chercherSubdivision(CodePays{"TN"}, "SOUSSE")) + "Sousse (Tunisie)");
}

TEST(LieuNormaliseur, composantesInconnuesGardeesJusquaDix) {
    EXPECT_EQ(normaliser("a, b,c ,  d"), "   a, b, c, d");
    EXPECT_EQ(normaliser("a,b,c,d,e,f,g,h,i,j,k,l"), "   a, b, c, d, e, f, g, h, i, j");
    // « 12 » est un numéro postal (Aveyron) : il ne compte pas parmi les dix.
    EXPECT_EQ(normaliser("1,2,3,4,5,6,7,8,9,10,11,12"), code("FR", 44) + "1, 2, 3, 4, 5, 6, 7, 8, 9, 10");
    EXPECT_EQ(normaliser(",, Moulin ,,"), "   Moulin");
}

TEST(LieuNormaliseur, sansComposanteGardeeEcritLaSubdivisionPuisLaRegion) {
    EXPECT_EQ(normaliser("Rhône, Rhône-Alpes, France"_1252), code("FR", 102) + "Rh\xF4ne");
    EXPECT_EQ(normaliser(" Bretagne, France"), "FR Bretagne");
    EXPECT_EQ(normaliser("Paris"), code("FR", 128) + "Paris");
    // Le pays seul ne laisse rien de lisible : le lieu est vide.
    EXPECT_EQ(normaliser("France"), "");
    EXPECT_EQ(normaliser(" , ,  "), "");
    EXPECT_EQ(normaliser(""), "");
    EXPECT_EQ(normaliser("75"), "");
}

TEST(LieuNormaliseur, unPaysEtrangerSeulSEcritSansParentheses) {
    EXPECT_EQ(normaliser("Belgique"), "BE Belgique");
    EXPECT_EQ(normaliser("Bruxelles,  belgique "), "BE Bruxelles (belgique)");
    EXPECT_EQ(normaliser("Dresde, RDA"), "ae Dresde (RDA)");
}

TEST(LieuNormaliseur, neDepassePas100OctetsEtLaisseDeCoteCeQuiNeTientPas) {
    const std::string a(90, 'a'), b(20, 'b');
    // 3 + 90 = 93 ; « , b… » passerait 100, « , cc » tient encore.
    EXPECT_EQ(normaliser(a + "," + b + ", cc"), "   " + a + ", cc");
    // Le pays entre parenthèses ne tient pas : laissé de côté.
    EXPECT_EQ(normaliser(a + ", Belgique"), "BE " + a);
    // Une composante unique trop longue est coupée plutôt que perdue.
    const std::string longue(300, 'x');
    EXPECT_EQ(normaliser(longue), "   " + longue.substr(0, 97));
    EXPECT_EQ(normaliser(std::string(97, 'y') + ", Lyon").size(), 100u);
}

TEST(LieuNormaliseur, sigleDeTroisLettresAvecLeDrapeau64) {
    EXPECT_EQ(normaliser("FRA, F69, Lyon", avecSigles()), code("FR", 102) + "Lyon");
    EXPECT_EQ(normaliser("FRA,Rennes, Ille-et-Vilaine", avecSigles()), code("FR", 68) + "Rennes");
    EXPECT_EQ(normaliser("DEU, Dresde", avecSigles()), "DE Dresde");
    EXPECT_EQ(normaliser("ROM, Mangalia, F69", avecSigles()), "RO Mangalia, F69");
    EXPECT_EQ(normaliser("FRA, F75, 15e  Arrondissement", avecSigles()), code("FR", 128) + "15\xB0");
    EXPECT_EQ(normaliser("FRA, F97, Saint-Denis", avecSigles()), "FR Saint-Denis");
    // Sigle inconnu, minuscules, ou drapeau absent : texte ordinaire.
    EXPECT_EQ(normaliser("XYZ, Berlin", avecSigles()), "   XYZ, Berlin");
    EXPECT_EQ(normaliser("Fra, Lyon", avecSigles()), "   Fra, Lyon");
    EXPECT_EQ(normaliser("DEU, Berlin"), "   DEU, Berlin");
    EXPECT_EQ(normaliser("FRA,", avecSigles()), "");
}

TEST(LieuNormaliseur, neLitRienAuDelaDuTexteDonne) {
    // Les octets qui suivent la vue changeraient le résultat s'ils étaient lus.
    const std::string tampon = "Paris, 7512";
    EXPECT_EQ(normaliser(std::string_view(tampon).substr(0, 9)), code("FR", 128) + "Paris");
    const std::string sigle = "FRA, Lyon";
    EXPECT_EQ(normaliser(std::string_view(sigle).substr(0, 3), avecSigles()), "   FRA");
    const std::string arrondissement = "15e  Arrondissement";
    EXPECT_EQ(normaliser(std::string_view(arrondissement).substr(0, 18)), "   15e  Arrondissemen");
}

TEST(LieuNormaliseur, toutOctetEtToutesLongueursRestentDans100Octets) {
    std::string tous;
    for (int i = 0; i < 256; ++i) tous += static_cast<char>(i);
    for (const auto& texte : {tous, std::string(100000, ','), std::string(100000, 'e'),
                              std::string(5000, ' ') + "," + tous, tous + tous + tous}) {
        for (bool sigles : {false, true}) {
            ReglagesLieux r;
            r.sigleTroisLettres = sigles;
            auto lieu = LieuNormaliseur(r).normaliser(texte);
            EXPECT_LE(lieu.texte().size(), 100u);
            EXPECT_TRUE(lieu.vide() || lieu.texte().size() > 3);
        }
    }
}

TEST(LieuNormaliseur, lesNomsAnglaisDesPaysEtLesNationsDuRoyaumeUniSontReconnus) {
    // England donne le pays et sa nation ; Norfolk, avant lui, n'est plus l'île Norfolk.
    EXPECT_EQ(normaliser("Sandringham, Norfolk, England"), code("GB", 33) + "Sandringham, Norfolk (England)");
    EXPECT_EQ(normaliser("Edinburgh, Scotland"), code("GB", 34) + "Edinburgh (Scotland)");
    EXPECT_EQ(normaliser("Belfast, Northern Ireland"), code("GB", 36) + "Belfast (Northern Ireland)");
    EXPECT_EQ(normaliser("Wales"), code("GB", 35) + "Wales");
    EXPECT_EQ(normaliser("Londres, Angleterre"), code("GB", 33) + "Londres (Angleterre)");
    // Le pays nommé en dernier décide ; la nation qui le précède reste sa subdivision.
    EXPECT_EQ(normaliser("London, England, United Kingdom"), code("GB", 33) + "London (United Kingdom)");
    EXPECT_EQ(normaliser("Cardiff, UK"), "GB Cardiff (UK)");
    EXPECT_EQ(normaliser("London, England", parDefaut(CodePays{"GB"})), code("GB", 33) + "London");
    EXPECT_EQ(normaliser("Heidelberg, Germany"), "DE Heidelberg (Germany)");
    EXPECT_EQ(normaliser("Kinsale, Ireland"), "IE Kinsale (Ireland)");
    EXPECT_EQ(normaliser("Boston, Massachusetts, United States"),
              std::string("US") + static_cast<char>(chercherSubdivision(CodePays{"US"}, "MASSACHUSETTS")) +
                  "Boston (ETATS-UNIS)");
    // Un nom de pays qui précède le pays reconnu reste un lieu lisible.
    EXPECT_EQ(normaliser("Norfolk, Virginia, USA").substr(0, 2), "US");
    // Sans pays après lui, Norfolk reste l'île de la table.
    EXPECT_EQ(normaliser("Sandringham, Norfolk"), "NF Sandringham (Norfolk)");
}
