#include "documents/statistiques/StatistiqueAges.h"

#include <gtest/gtest.h>

#include "GenealogieArbre.h"
#include "StatistiquesEssai.h"
#include "commun/Texte.h"

namespace lignara {
namespace {

using essai::BaseEssai;

constexpr std::uint8_t kAscendantes = 20, kCompletes = 21, kDescendantes = 22;

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
    EXPECT_EQ(ages(d).ageMinimal(), 30);
    EXPECT_EQ(ages(d).ageMaximal(), 49);
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
    auto mariage = statistique(b, kCompletes);
    EXPECT_EQ(messageDe(b, *mariage), "Graphique vide");
}

TEST_F(StatistiqueAgesEssai, pyramideSansHommeNiFemmeEtDecesALaNaissanceSansDivisionParZero) {
    BaseEssai inconnus(fichier(personne(1, "", "1850", "1900") + personne(2, "", "1860", "1900")));
    auto d = auDeces(inconnus);
    const std::string pdf = ecrire(inconnus, *d, "inconnus.pdf");
    EXPECT_EQ(ages(d).ageMinimal(), -1);
    EXPECT_NE(contenu(pdf).find("(XX\260)"), std::string::npos);
    essais::verifierAvecQpdf(essai::lireFichier(pdf), "inconnus.pdf");

    BaseEssai nouveauNes(fichier(personne(1, "M", "3 MAR 1850", "3 MAR 1850") + personne(2, "F", "1900", "1900")));
    auto n = auDeces(nouveauNes);
    const std::string pdf2 = ecrire(nouveauNes, *n, "nouveau-nes.pdf");
    EXPECT_EQ(ages(n).ageMaximal(), 0);
    EXPECT_NE(contenu(pdf2).find("(Hommes)"), std::string::npos);
    essais::verifierAvecQpdf(essai::lireFichier(pdf2), "nouveau-nes.pdf");
}

TEST_F(StatistiqueAgesEssai, unSiecleSansDecesGardeSaPlaceSansBarre) {
    BaseEssai b(fichier(personne(1, "M", "1700", "1760") + personne(2, "F", "1900", "1930")));
    auto d = auDeces(b);
    const std::string pdf = ecrire(b, *d, "siecles.pdf");
    EXPECT_EQ(ages(d).premierSiecle(), 17);
    const std::string c = contenu(pdf);
    for (const char* s : {"(XVIII\260)", "(XIX\260)", "(XX\260)", "(XXI\260)", "(XXII\260)"})
        EXPECT_NE(c.find(s), std::string::npos) << s;
    EXPECT_EQ(c.find("(XVII\260)"), std::string::npos);
    // Deux barres de siècles (60 et 30 ans), et leurs valeurs ; rien pour le XIX°.
    EXPECT_NE(c.find("(60)"), std::string::npos);
    EXPECT_NE(c.find("(30)"), std::string::npos);
    EXPECT_NE(c.find("Evolution de l'\342ge moyen au d\351c\350s au cours des si\350cles"), std::string::npos);
    // Sans l'évolution, la page s'arrête à la pyramide.
    auto sans = auDeces(b);
    sans->valeur(kEvolutionSiecles) = std::uint8_t{0};
    sans->preparer(b.contexte);
    EXPECT_EQ(ages(sans).premierSiecle(), -1);
}

TEST_F(StatistiqueAgesEssai, sousTitresDesTroisEtendues) {
    BaseEssai c(fichier(personne(1, "M", "1800", "1860")));
    auto complete = auDeces(c);
    EXPECT_TRUE(complete->verifierParametres(c.contexte));  // aucune personne demandée
    complete->preparer(c.contexte);
    EXPECT_EQ(complete->sousTitre(), "Ensemble de toutes les données"_1252);

    // 1 × 2 ont 3.
    BaseEssai f(fichier(personne(1, "M", "1800", "1860") + "1 FAMS @F1@\n" + personne(2, "F", "1805", "1870") +
                        "1 FAMS @F1@\n" + personne(3, "M", "1830", "1890") + "1 FAMC @F1@\n" +
                        "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n"));
    auto asc = statistique(f, kAscendantes, "P3");
    asc->valeur(kAgeEtudie) = std::uint8_t{1};
    asc->preparer(f.contexte);
    EXPECT_EQ(asc->sousTitre(), "Ascendance de P3 X");
    EXPECT_EQ(ages(asc).compteurs().total(), 3u);
    auto desc = statistique(f, kDescendantes, "P1");
    desc->valeur(kAgeEtudie) = std::uint8_t{1};
    desc->preparer(f.contexte);
    EXPECT_EQ(desc->sousTitre(), "Descendance de P1 X (conjoints compris)");
    EXPECT_EQ(ages(desc).compteurs().total(), 3u);
    desc->valeur(kConjointsDescendants<controle::kPremiereCase + 1>) = std::uint8_t{0};
    desc->preparer(f.contexte);
    EXPECT_EQ(desc->sousTitre(), "Descendance de P1 X");
    EXPECT_EQ(ages(desc).compteurs().total(), 2u);
    auto sansRacine = statistique(f, kDescendantes);
    EXPECT_FALSE(sansRacine->verifierParametres(f.contexte));
}

}  // namespace
}  // namespace lignara
