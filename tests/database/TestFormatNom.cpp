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
    EXPECT_EQ(nom("De la Fontaine"), "de LA FONTAINE");
    EXPECT_EQ(nom("d'Artagnan"), "d'ARTAGNAN");
    EXPECT_EQ(nom("des Essarts du Bois dit Martin"), "des ESSARTS du BOIS dit MARTIN");
    EXPECT_EQ(nom("d Herbes"), "d HERBES");
    EXPECT_EQ(nom("Déléage à Noël"_1252), "DÉLÉAGE À NOËL"_1252);
    EXPECT_EQ(nom("Lœuillet Šlík ÿ ÷"_1252), "LŒUILLET ŠLÍK Ÿ ÷"_1252);  // ÷ n'est pas une lettre
}

TEST(FormaterNom, neTouchePasAuxMotsQuiCommencentCommeUneParticule) {
    EXPECT_EQ(nom("Dupont Desmoulins"), "DUPONT DESMOULINS");
    EXPECT_EQ(nom("Dessalines"), "DESSALINES");
    EXPECT_EQ(nom("Martin de"), "MARTIN DE");    // particule sans espace après : un mot
    EXPECT_EQ(nom("Ditte"), "DITTE");
    EXPECT_EQ(nom(""), "");
}

TEST(FormaterPrenoms, metUneCapitaleEnTeteDeChaqueMot) {
    EXPECT_EQ(prenoms("jean-PIERRE"), "Jean-Pierre");
    EXPECT_EQ(prenoms("marie-thérèse ÉLODIE"_1252), "Marie-Thérèse Élodie"_1252);
    EXPECT_EQ(prenoms("anne (nanette)"), "Anne (Nanette)");
    EXPECT_EQ(prenoms("j.-b. o'hara_x/y\"z"), "J.-B. O'Hara_X/Y\"Z");
}

TEST(FormaterPrenoms, laisseLeMotDitEnMinuscules) {
    EXPECT_EQ(prenoms("Jean dit le Grand"), "Jean dit Le Grand");
    EXPECT_EQ(prenoms("JEAN DIT LE GRAND"), "Jean dit Le Grand");
    EXPECT_EQ(prenoms("jean dite"), "Jean Dite");   // « dite » n'est pas le mot « dit »
    EXPECT_EQ(prenoms("Pierre dit"), "Pierre Dit"); // « dit » sans espace après
}

TEST(AffichageNoms, lesLecturesDeLaBasePassentParLaFormeDAffichageQuandElleEstDemandee) {
    essai::DossierEssai dossier;
    essai::ArbreEssai arbre;
    arbre.personne('M', {}, {}, "De la Fontaine", "jean-PIERRE");
    BaseGenealogique base = arbre.construire(dossier.chemin());
    Individu i = base.LireIndividu(1);

    appliquerAffichageNoms(base, true);
    EXPECT_EQ(base.LireTexte(TableNoms, i.nom), "de LA FONTAINE");
    EXPECT_EQ(base.LireTexte(TablePrenoms, i.prenoms), "Jean-Pierre");

    appliquerAffichageNoms(base, false);
    EXPECT_EQ(base.LireTexte(TableNoms, i.nom), "De la Fontaine");
    EXPECT_EQ(base.LireTexte(TablePrenoms, i.prenoms), "jean-PIERRE");
}
