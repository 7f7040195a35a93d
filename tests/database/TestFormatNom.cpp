#include <gtest/gtest.h>

#include <string>

#include "ArbreEssai.h"
#include "BaseEssai.h"
#include "commun/Texte.h"
#include "database/FormatNom.h"

using namespace lignara;

namespace {

std::string nom(std::string texte) {
    FormaterNom(texte);
    return texte;
}

std::string prenoms(std::string texte) {
    FormaterPrenoms(texte);
    return texte;
}

}  // namespace

TEST(FormaterNom, metLeNomEnCapitalesEtRemetLesParticulesEnMinuscules) {
    EXPECT_EQ(nom("De La Fontaine"), "de LA FONTAINE");
    EXPECT_EQ(nom("de la fontaine"), "de LA FONTAINE");  // tout en minuscules : rien n'est voulu
    EXPECT_EQ(nom("d'Artagnan"), "d'ARTAGNAN");
    EXPECT_EQ(nom("des Essarts du Bois dit Martin"), "des ESSARTS du BOIS dit MARTIN");
    EXPECT_EQ(nom("d Herbes"), "d HERBES");
    EXPECT_EQ(nom("Déléage à Noël"_1252), "DÉLÉAGE À NOËL"_1252);
    EXPECT_EQ(nom("Lœuillet Šlík ÿ ÷"_1252), "LŒUILLET ŠLÍK Ÿ ÷"_1252);  // ÷ n'est pas une lettre
}

TEST(FormaterNom, neTouchePasAuxMotsQuiCommencentCommeUneParticule) {
    EXPECT_EQ(nom("Dupont Desmoulins"), "DUPONT DESMOULINS");
    EXPECT_EQ(nom("Dessalines"), "DESSALINES");
    EXPECT_EQ(nom("Martin de"), "MARTIN DE");  // particule sans espace après : un mot
    EXPECT_EQ(nom("Ditte"), "DITTE");
    EXPECT_EQ(nom(""), "");
}

TEST(FormaterPrenoms, metUneCapitaleEnTeteDeChaqueMot) {
    EXPECT_EQ(prenoms("jean-PIERRE"), "Jean-Pierre");
    EXPECT_EQ(prenoms("marie-thérèse ÉLODIE"_1252), "Marie-Thérèse Élodie"_1252);
    EXPECT_EQ(prenoms("anne (nanette)"), "Anne (Nanette)");
    EXPECT_EQ(prenoms("j.-b. o'hara_x/y\"z"), "J.-B. O'Hara_X/Y\"Z");
}

TEST(FormaterNom, gardeEnMinusculesLesParticulesEcritesAinsi) {
    EXPECT_EQ(nom("De la Fontaine"), "de la FONTAINE");
    EXPECT_EQ(nom("van der Berg"), "van der BERG");
    EXPECT_EQ(nom("Beauchamp of Somerset"), "BEAUCHAMP of SOMERSET");
    EXPECT_EQ(nom("l'Hermite la Tour-Dupin"), "l'HERMITE la TOUR-DUPIN");
    EXPECT_EQ(nom("Van Gogh"), "VAN GOGH");    // écrite avec sa capitale : nom en capitales
    EXPECT_EQ(nom("Lavandier"), "LAVANDIER");  // un mot qui commence comme une particule
    EXPECT_EQ(nom("Martin of"), "MARTIN OF");  // en fin de nom : pas une particule
    EXPECT_EQ(nom("Jean y Lopez"), "JEAN Y LOPEZ");
}

TEST(FormaterPrenoms, gardeLesChiffresRomainsEnCapitales) {
    EXPECT_EQ(prenoms("George_III"), "George_III");
    EXPECT_EQ(prenoms("HENRY XXIV"), "Henry XXIV");
    EXPECT_EQ(prenoms("louis XIV"), "Louis XIV");
    EXPECT_EQ(prenoms("Jean MCMXLIV (I)"), "Jean MCMXLIV (I)");
    // Pas des chiffres romains : pas en capitales, ou pas un nombre valide.
    EXPECT_EQ(prenoms("louis xiv"), "Louis Xiv");
    EXPECT_EQ(prenoms("Louis Iiii"), "Louis Iiii");
    EXPECT_EQ(prenoms("LOUIS IIII VIV IC MIM CLIVE"), "Louis Iiii Viv Ic Mim Clive");
}

TEST(FormaterPrenoms, gardeLesParticulesEcritesEnMinusculesSaufEnTete) {
    EXPECT_EQ(prenoms("Duke of Cambridge"), "Duke of Cambridge");
    EXPECT_EQ(prenoms("prince OF wales"), "Prince Of Wales");  // écrite en capitales
    EXPECT_EQ(prenoms("jean-de-dieu"), "Jean-de-Dieu");
    EXPECT_EQ(prenoms("Ludwig van beethoven"), "Ludwig van Beethoven");
    EXPECT_EQ(prenoms("marie d'agoult"), "Marie d'Agoult");
    EXPECT_EQ(prenoms("de la tour"), "De la Tour");  // en tête : une capitale
    EXPECT_EQ(prenoms("anne d"), "Anne D");          // « d » seul n'est pas une particule
    EXPECT_EQ(prenoms("al-Hakam II al-Mustansir"), "Al-Hakam II al-Mustansir");
    EXPECT_EQ(prenoms("Jean de"), "Jean de");  // devant le nom, dans le NAME « Jean de /La Tour/ »
}

TEST(FormaterPrenoms, laisseLeMotDitEnMinuscules) {
    EXPECT_EQ(prenoms("Jean dit le Grand"), "Jean dit le Grand");
    EXPECT_EQ(prenoms("JEAN DIT LE GRAND"), "Jean dit Le Grand");
    EXPECT_EQ(prenoms("jean dite"), "Jean Dite");    // « dite » n'est pas le mot « dit »
    EXPECT_EQ(prenoms("Pierre dit"), "Pierre Dit");  // « dit » sans espace après
}

TEST(AffichageNoms, lesLecturesDeLaBasePassentParLaFormeDAffichageQuandElleEstDemandee) {
    essai::DossierEssai dossier;
    essai::ArbreEssai arbre;
    arbre.personne('M', {}, {}, "De la Fontaine", "jean-PIERRE");
    BaseGenealogique base = arbre.construire(dossier.chemin());
    Individu i = base.LireIndividu(1);

    appliquerAffichageNoms(base, true);
    EXPECT_EQ(base.LireTexte(TableNoms, i.nom), "de la FONTAINE");
    EXPECT_EQ(base.LireTexte(TablePrenoms, i.prenoms), "Jean-Pierre");

    appliquerAffichageNoms(base, false);
    EXPECT_EQ(base.LireTexte(TableNoms, i.nom), "De la Fontaine");
    EXPECT_EQ(base.LireTexte(TablePrenoms, i.prenoms), "jean-PIERRE");
}
