// Naissances, professions et sources, ascendance : messages, textes et pages des documents.
#include <gtest/gtest.h>

#include "GenealogieArbre.h"
#include "StatistiquesEssai.h"
#include "commun/Texte.h"
#include "documents/statistiques/StatistiqueAscendance.h"
#include "documents/statistiques/StatistiqueCategories.h"
#include "documents/statistiques/StatistiqueNaissances.h"
#include "reference/Categories.h"
#include "reference/TestCategorieDossiers.h"

namespace lignara {
namespace {

using essai::BaseEssai;

std::string personne(int n, const std::string& lignes) {
    return "0 @I" + std::to_string(n) + "@ INDI\n1 NAME P" + std::to_string(n) + " /X/\n" + lignes;
}
std::string fichier(const std::string& personnes) { return "0 HEAD\n1 CHAR UTF-8\n" + personnes + "0 TRLR\n"; }
std::string nee(const char* annee) { return std::string("1 BIRT\n2 DATE ") + annee + "\n"; }

using StatistiquesDocuments = essai::StatistiquesEssai;

TEST_F(StatistiquesDocuments, naissancesParTranchesEtLeursMessages) {
    BaseEssai b(
        fichier(personne(1, "") + personne(2, nee("1853")) + personne(3, nee("1857")) + personne(4, nee("1871"))));
    auto d = statistique(b, 24);
    d->valeur(kIntervalleNaissances) = std::uint16_t{10};
    const std::string pdf = ecrire(b, *d, "naissances.pdf");  // la première personne n'a pas de date
    const auto& t = static_cast<StatistiqueNaissances&>(*d).tranches();
    EXPECT_EQ(std::tuple(t.premiere, t.derniere, t.comptes),
              std::tuple(1855, 1875, std::vector<std::uint32_t>{2, 0, 1}));
    EXPECT_NE(contenu(pdf).find("(1856)"), std::string::npos);  // marques de 2 en 2 sur 1855–1875
    essais::verifierAvecQpdf(essai::lireFichier(pdf), "naissances.pdf");

    // Un intervalle nul (favori) compte année par année.
    d->valeur(kIntervalleNaissances) = std::uint16_t{0};
    d->preparer(b.contexte);
    EXPECT_EQ(static_cast<StatistiqueNaissances&>(*d).tranches().premiere, 1853);

    BaseEssai decennie(fichier(personne(1, nee("1851")) + personne(2, nee("1858"))));
    auto m = statistique(decennie, 24);
    m->valeur(kIntervalleNaissances) = std::uint16_t{10};
    EXPECT_EQ(messageDe(decennie, *m), "Données insuffisantes pour effectuer des statistiques"_1252);

    BaseEssai sansDate(fichier(personne(1, "") + personne(2, "1 SEX M\n")));
    auto s = statistique(sansDate, 24);
    EXPECT_EQ(messageDe(sansDate, *s), "Statistiques impossibles car aucune date n'est connue");
}

class CategoriesEssai : public essai::StatistiquesEssai {
protected:
    void SetUp() override {
        Categories::compiler(Categories::kProfessions,
                             "Mer\r\n\tmarin\r\nCommerce\r\n\tmarchand\r\nTerre\r\n\tlaboureur\r\n");
        Categories::compiler(Categories::kSources, "Paroisse\r\n\tregistre\r\n");
    }
    essai::DossiersEssai dossiers;
};

std::string troisMetiers() {
    return fichier(personne(1, "1 OCCU marin\n") + personne(2, "1 OCCU marin\n") + personne(3, "1 OCCU laboureur\n") +
                   personne(4, "1 OCCU notaire\n") + personne(5, ""));
}

TEST_F(CategoriesEssai, professionsEnPourcentagesArrondisAvecLaListe) {
    BaseEssai b(troisMetiers());
    auto d = statistique(b, 27);
    d->valeur(kListeCategories) = std::uint8_t{1};
    const std::string pdf = ecrire(b, *d, "professions.pdf");
    const auto& c = static_cast<StatistiqueCategories&>(*d).compte();
    EXPECT_EQ(c.comptes, (std::vector<std::uint64_t>{2, 0, 1}));
    const std::string texte = contenu(pdf);
    for (const char* t : {"(67%)", "(33%)", "(0%)", "(marin : 2)", "(notaire : 1)"})
        EXPECT_NE(texte.find(t), std::string::npos) << t;
}

TEST_F(CategoriesEssai, messagesDesStatistiquesVides) {
    BaseEssai sans(fichier(personne(1, "") + personne(2, "1 SEX F\n")));
    auto p = statistique(sans, 27);
    EXPECT_EQ(messageDe(sans, *p), "Statistiques vides :\nAucune personne sélectionnée n'a de profession."_1252);
    auto s = statistique(sans, 30);
    EXPECT_EQ(messageDe(sans, *s), "Statistiques vides :\nAucune personne sélectionnée n'a de source."_1252);
    BaseEssai notaires(fichier(personne(1, "1 OCCU notaire\n")));
    auto n = statistique(notaires, 27);
    EXPECT_EQ(messageDe(notaires, *n), "Aucune profession sélectionnée ne correspond à une catégorie"_1252);
}

TEST_F(CategoriesEssai, unFichierDeCategoriesIllisibleArreteAvecSonMessage) {
    essai::DossiersEssai::ecrire(Categories::compileUtilisateur(Categories::kProfessions), "\x95\x01 abime");
    BaseEssai b(troisMetiers());
    auto d = statistique(b, 27);
    EXPECT_EQ(messageDe(b, *d), "Fichier des catégories professionnelles incorrect\nVous devez le reconstruire"_1252);
}

TEST_F(StatistiquesDocuments, ascendanceDUnEnfantDeCousinsGermains) {
    BaseEssai b(
        essai::gedcomDeLiens(13, {{1, 2, 3}, {2, 4, 5}, {3, 6, 7}, {4, 8, 9}, {5, 10, 11}, {6, 8, 9}, {7, 12, 13}}));
    auto d = statistique(b, 50, "P1");
    const std::string pdf = ecrire(b, *d, "ascendance.pdf");
    auto& s = static_cast<StatistiqueAscendance&>(*d);
    EXPECT_EQ(std::tuple(s.texteNombre(1), s.texteNombre(3), s.texteCompletude(3)),
              std::tuple("2 ascendants", "6 ascendants", "100 %"));
    const std::string c = contenu(pdf);
    EXPECT_NE(c.find("(\\(total : 12 ascendants\\))"), std::string::npos);
    EXPECT_EQ(c.find("consanguinit"), std::string::npos);
    essais::verifierAvecQpdf(essai::lireFichier(pdf), "ascendance.pdf");
}

TEST_F(StatistiquesDocuments, ascendanceOncleNieceAvecMarqueEtNote) {
    BaseEssai b(essai::gedcomDeLiens(7, {{1, 2, 3}, {3, 4, 7}, {2, 5, 6}, {4, 5, 6}}));
    auto d = statistique(b, 50, "P1");
    const std::string c = contenu(ecrire(b, *d, "oncle.pdf"));
    EXPECT_NE(c.find("(3 *)"), std::string::npos);
    EXPECT_NE(c.find("(* : \300 cause de liens de consanguinit\351"), std::string::npos);
}

}  // namespace
}  // namespace lignara
