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
    EXPECT_EQ(texte("Naissance de ", "Naissance d'un enfant", "Jean", "DUPONT"), "Naissance de Jean DUPONT");
    EXPECT_EQ(texte("Naissance de ", "Naissance d'un enfant", "", ""), "Naissance d'un enfant");
    EXPECT_EQ(texte("Décès du père (", "Décès du père", "", ""), "Décès du père");
}

TEST(LibelleFrise, titreElideDevantVoyelleSansH) {
    EXPECT_EQ(versUtf8(titreDe(depuisUtf8("ORLÉANS"), "Louis")), "d'ORLÉANS Louis");
    EXPECT_EQ(titreDe("HUGO", "Victor"), "de HUGO Victor");
}

TEST(LibelleFrise, texteRaccourciDansLaPlaceEnGardantLeLibelle) {
    MetriquePolice police;
    for (auto& l : police.largeurs) l = 10000;  // 100 unités par caractère à 10 points
    EvenementFrise e;
    nommerEvenement(e, "Mariage avec ", "Mariage", "Jean-Baptiste", "DUPONT");
    // 25 caractères de place : le libellé (13) garde sa place, les noms sont raccourcis.
    const std::string court = texteAjuste(e, 2500, police, 10);
    EXPECT_EQ(court.substr(0, 13), "Mariage avec ");
    EXPECT_LE(largeurA(police, court, 10), 2500);
    // Sans noms, le libellé coupé ; rien ne tient : vide.
    EvenementFrise p;
    p.libelle = "Profession de foi";
    EXPECT_EQ(texteAjuste(p, 900, police, 10), "Profess..");
    EXPECT_EQ(texteAjuste(p, 150, police, 10), "");
}

}  // namespace
}  // namespace lignara
