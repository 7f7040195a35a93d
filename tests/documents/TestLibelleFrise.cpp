// Libellés des frises : élision de « de », formes courtes, titres, raccourcis dans une place.
#include <gtest/gtest.h>

#include "commun/Texte.h"
#include "documents/frises/LibelleFrise.h"

namespace lignara {
namespace {

std::string texte(std::string_view longue, std::string_view courte, const char* prenomsUtf8, const char* nomUtf8) {
    EvenementFrise e;
    nommerEvenement(e, depuisUtf8(longue), depuisUtf8(courte), depuisUtf8(prenomsUtf8), depuisUtf8(nomUtf8));
    return versUtf8(e.texte());
}

TEST(LibelleFrise, deDevientDApostropheDevantVoyelleOuHEtFormeCourteSansNoms) {
    EXPECT_EQ(texte("Naissance de ", "Naissance d'un enfant", "Henri", "DUPONT"), "Naissance d'Henri DUPONT");
    EXPECT_EQ(texte("Naissance de ", "Naissance d'un enfant", "Émile", "DUPONT"), "Naissance d'Émile DUPONT");
    EXPECT_EQ(texte("Naissance de ", "Naissance d'un enfant", "yves", ""), "Naissance d'yves");
    EXPECT_EQ(texte("Naissance de ", "Naissance d'un enfant", "Jean", "DUPONT"), "Naissance de Jean DUPONT");
    EXPECT_EQ(texte("Naissance de ", "Naissance d'un enfant", "", "ARNAUD"), "Naissance d'ARNAUD");
    EXPECT_EQ(texte("Naissance de ", "Naissance d'un enfant", "", ""), "Naissance d'un enfant");
    EXPECT_EQ(texte("Décès du père (", "Décès du père", "Pierre", "DUPONT"), "Décès du père (Pierre DUPONT)");
    EXPECT_EQ(texte("Décès du père (", "Décès du père", "", ""), "Décès du père");
    EXPECT_EQ(texte("Mariage avec ", "Mariage", "Hélène", ""), "Mariage avec Hélène");
}

TEST(LibelleFrise, titreElideDevantVoyelleSansH) {
    EXPECT_EQ(versUtf8(titreDe(depuisUtf8("ORLÉANS"), "Louis")), "d'ORLÉANS Louis");
    EXPECT_EQ(titreDe("HUGO", "Victor"), "de HUGO Victor");
    EXPECT_EQ(titreDe("", "Yolande"), "d'Yolande");
    EXPECT_EQ(titreDe("MARTIN", "Louise", "et"), "et de MARTIN Louise");
    EXPECT_EQ(titreDe("", ""), "");
}

TEST(LibelleFrise, texteRaccourciDansLaPlaceEnGardantLeLibelle) {
    MetriquePolice police;
    for (auto& l : police.largeurs) l = 10000;  // 100 unités par caractère à 10 points
    EvenementFrise e;
    nommerEvenement(e, "Mariage avec ", "Mariage", "Jean-Baptiste", "DUPONT");
    EXPECT_EQ(texteAjuste(e, 10000, police, 10), "Mariage avec Jean-Baptiste DUPONT");
    // 25 caractères de place : le libellé (13) garde sa place, les noms sont raccourcis.
    const std::string court = texteAjuste(e, 2500, police, 10);
    EXPECT_EQ(court.substr(0, 13), "Mariage avec ");
    EXPECT_LE(largeurA(police, court, 10), 2500);
    EXPECT_NE(court.find(".."), std::string::npos);
    // À 8 points, la même place tient plus de caractères.
    EXPECT_GT(texteAjuste(e, 2500, police, 8).size(), court.size());
    // Sans noms, le libellé coupé ; rien ne tient : vide.
    EvenementFrise p;
    p.libelle = "Profession de foi";
    EXPECT_EQ(texteAjuste(p, 900, police, 10), "Profess..");
    EXPECT_EQ(texteAjuste(p, 150, police, 10), "");
}

}  // namespace
}  // namespace lignara
