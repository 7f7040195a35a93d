#include "documents/statistiques/StatistiqueAges.h"

#include <gtest/gtest.h>

#include "StatistiquesEssai.h"
#include "commun/Texte.h"

namespace lignara {
namespace {

using essai::BaseEssai;

constexpr std::uint8_t kCompletes = 21;

// Personne au décès daté : « nom sexe naissance décès », dates GEDCOM.
std::string personne(int n, const char* sexe, const char* naissance, const char* deces) {
    std::string g = "0 @I" + std::to_string(n) + "@ INDI\n1 NAME P" + std::to_string(n) + " /X/\n";
    if (*sexe) g += std::string("1 SEX ") + sexe + "\n";
    if (*naissance) g += std::string("1 BIRT\n2 DATE ") + naissance + "\n";
    if (*deces) g += std::string("1 DEAT\n2 DATE ") + deces + "\n";
    return g;
}

std::string fichier(const std::string& personnes) { return "0 HEAD\n1 CHAR ANSI\n" + personnes + "0 TRLR\n"; }

class StatistiqueAgesEssai : public essai::StatistiquesEssai {
protected:
    StatistiqueAges& ages(std::unique_ptr<Statistique>& d) { return static_cast<StatistiqueAges&>(*d); }
    std::unique_ptr<Statistique> auDeces(BaseEssai& b) {
        auto d = statistique(b, kCompletes);
        d->valeur(kAgeEtudie) = std::uint8_t{1};
        return d;
    }
};

TEST_F(StatistiqueAgesEssai, premieresLignesAvecPlurielsEtSexeInconnu) {
    BaseEssai b(fichier(personne(1, "M", "15 JUN 1850", "10 JUN 1900") + personne(2, "F", "1850", "1880") +
                        personne(3, "F", "1860", "ABT 1890") + personne(4, "", "1800", "1830") +
                        personne(5, "", "1800", "1820") + personne(6, "M", "1800", "BEF 1850")));
    auto d = auDeces(b);
    d->preparer(b.contexte);
    EXPECT_EQ(
        ages(d).premiereLigne(),
        "Statistiques effectuées sur 5 personnes (1 homme et 2 femmes, ... et 2 personnes de sexe inconnu !)"_1252);
    EXPECT_EQ(ages(d).ligneMoyenne(), "Age moyen au décès : 31 ans"_1252);  // (49 + 30 + 30 + 30 + 20) ÷ 5
    EXPECT_EQ(ages(d).ligneMoyennesParSexe(), "(49 ans pour les hommes, et 30 ans pour les femmes)");
    EXPECT_EQ(std::pair(ages(d).ageMinimal(), ages(d).ageMaximal()), std::pair(30, 49));
    // Une seule personne de sexe inconnu n'est pas annoncée.
    BaseEssai une(fichier(personne(1, "M", "1850", "1900") + personne(2, "", "1850", "1880")));
    auto u = auDeces(une);
    u->preparer(une.contexte);
    EXPECT_EQ(ages(u).premiereLigne(), "Statistiques effectuées sur 2 personnes (1 homme et 0 femme)"_1252);
}

TEST_F(StatistiqueAgesEssai, personneNeCompteGraphiqueVide) {
    BaseEssai b(fichier(personne(1, "M", "1850", "AFT 1900") + personne(2, "F", "", "1880")));
    auto d = auDeces(b);
    EXPECT_EQ(messageDe(b, *d), "Graphique vide");
}

TEST_F(StatistiqueAgesEssai, pyramideSansHommeNiFemmeEtDecesALaNaissanceSansDivisionParZero) {
    BaseEssai inconnus(fichier(personne(1, "", "1850", "1900") + personne(2, "", "1860", "1900")));
    auto d = auDeces(inconnus);
    const std::string pdf = ecrire(inconnus, *d, "inconnus.pdf");
    EXPECT_EQ(ages(d).ageMinimal(), -1);
    essais::verifierAvecQpdf(essai::lireFichier(pdf), "inconnus.pdf");

    BaseEssai nouveauNes(fichier(personne(1, "M", "3 MAR 1850", "3 MAR 1850") + personne(2, "F", "1900", "1900")));
    auto n = auDeces(nouveauNes);
    const std::string pdf2 = ecrire(nouveauNes, *n, "nouveau-nes.pdf");
    EXPECT_EQ(ages(n).ageMaximal(), 0);
    essais::verifierAvecQpdf(essai::lireFichier(pdf2), "nouveau-nes.pdf");
}

TEST_F(StatistiqueAgesEssai, unSiecleSansDecesGardeSaPlaceSansBarre) {
    BaseEssai b(fichier(personne(1, "M", "1700", "1760") + personne(2, "F", "1900", "1930")));
    auto d = auDeces(b);
    const std::string pdf = ecrire(b, *d, "siecles.pdf");
    EXPECT_EQ(ages(d).premierSiecle(), 17);
    const std::string c = contenu(pdf);
    EXPECT_NE(c.find("(XIX\260)"), std::string::npos);
    EXPECT_EQ(c.find("(XVII\260)"), std::string::npos);
    // Deux barres de siècles (60 et 30 ans), et leurs valeurs ; rien pour le XIX°.
    EXPECT_NE(c.find("(60)"), std::string::npos);
    EXPECT_NE(c.find("(30)"), std::string::npos);
    // Sans l'évolution, la page s'arrête à la pyramide.
    auto sans = auDeces(b);
    sans->valeur(kEvolutionSiecles) = std::uint8_t{0};
    sans->preparer(b.contexte);
    EXPECT_EQ(ages(sans).premierSiecle(), -1);
}

}  // namespace
}  // namespace lignara
