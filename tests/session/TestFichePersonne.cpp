#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "commun/Texte.h"
#include "session/ConsultationEssai.h"
#include "session/FichePersonne.h"

namespace lignara {
namespace {

using essai::FichierConsultation;

std::string u(const std::string& t) { return versUtf8(t); }

TEST(FichePersonne, montreChaqueChampEtLesParents) {
    FichierConsultation f;
    const BaseGenealogique& base = f.fichier.base();
    const FichePersonne jean = lireFichePersonne(base, f.numero("Jean", "Dupont", true));
    EXPECT_EQ((std::vector<std::string>{jean.nom, jean.prenoms, jean.sexe, jean.naissance.date, jean.naissance.lieu,
                                        jean.deces.date, jean.profession, jean.titre}),
              (std::vector<std::string>{"Dupont", "Jean", "Masculin", "12 janvier 1850", "Paris", "vers 1920",
                                        "Meunier", "Jean Dupont (1850-1920)"}));
    EXPECT_EQ(jean.pere.numero, f.numero("Pierre", "Dupont"));
    EXPECT_NE(jean.pere.numero, 0u);
    EXPECT_EQ(jean.pere.nom, "Pierre Dupont");
    EXPECT_EQ(jean.mere.numero, 0u);
    EXPECT_EQ(u(lireFichePersonne(base, f.numero("Marie", "Martin")).sexe), "Féminin");
    EXPECT_EQ(lireFichePersonne(base, f.numero("Paul", "Berthelot")).sexe, "");
}

TEST(FichePersonne, suitLesFamillesDansLOrdreDeLaChaine) {
    FichierConsultation f;
    const auto familles = lireFamilles(f.fichier.base(), f.numero("Jean", "Dupont", true));
    ASSERT_EQ(familles.size(), 2u);
    const FamilleConsultee& premiere = familles[0];
    EXPECT_EQ(premiere.conjoint.nom, "Marie Martin");
    EXPECT_TRUE(premiere.mariageConnu);
    EXPECT_EQ(premiere.mariage.date, "5 juin 1875");
    EXPECT_EQ(premiere.mariage.lieu, "Rouen");
    EXPECT_FALSE(premiere.divorce);
    ASSERT_EQ(premiere.enfants.size(), 2u);
    EXPECT_EQ(premiere.enfants[0].nom, "Louis Dupont");
    EXPECT_EQ(premiere.enfants[1].nom, "Anne Dupont");
    const FamilleConsultee& seconde = familles[1];
    EXPECT_EQ(seconde.conjoint.nom, "Victoria");
    EXPECT_FALSE(seconde.mariageConnu);
    EXPECT_TRUE(seconde.divorce);
    EXPECT_FALSE(seconde.divorceEvenement.connu());
    EXPECT_TRUE(seconde.enfants.empty());
    EXPECT_TRUE(lireFamilles(f.fichier.base(), f.numero("Paul", "Berthelot")).empty());
    // La même famille vue de l'épouse.
    const auto deMarie = lireFamilles(f.fichier.base(), f.numero("Marie", "Martin"));
    ASSERT_EQ(deMarie.size(), 1u);
    EXPECT_EQ(deMarie[0].conjoint.numero, f.numero("Jean", "Dupont", true));
}

TEST(FichePersonne, rendLeBlocNoteLigneParLigneSansRienPerdre) {
    FichierConsultation f;
    const auto lignes = lireBlocNote(f.fichier.base(), f.numero("Jean", "Dupont", true));
    // La base range au plus 249 octets par ligne : la ligne de 250 continue sur la suivante.
    ASSERT_EQ(lignes.size(), 3u);
    EXPECT_EQ(u(lignes[0]), "Première ligne");
    EXPECT_EQ(lignes[1] + lignes[2], std::string(250, 'n'));
    EXPECT_TRUE(lireBlocNote(f.fichier.base(), f.numero("Marie", "Martin")).empty());
}

TEST(FichePersonne, relitLesAutresEvenementsAvecLesDeuxCalendriers) {
    FichierConsultation f;
    const AutresEvenements autres =
        relireAutresEvenements(f.fichier.base(), f.fichier.sourcesGedcom(), f.numero("Jean", "Dupont", true));
    EXPECT_EQ(autres.avis, "");
    bool bapteme = false;
    for (const AutreEvenement& e : autres.evenements) {
        EXPECT_EQ(e.texte.find("1850"), std::string::npos) << "la naissance est déjà dans la fiche";
        if (u(e.libelle) == "Baptême") {
            bapteme = true;
            EXPECT_EQ(u(e.texte), "12 vendémiaire an III (3 octobre 1794), Lyon");
        }
    }
    EXPECT_TRUE(bapteme);
}

TEST(FichePersonne, neRelitPasUnGedcomReecritDepuisLImport) {
    FichierConsultation f;
    // Un autre logiciel réécrit le fichier : les décalages notés ne désignent plus Jean.
    const std::filesystem::path ged = f.sources.chemin() / "consultation.ged";
    const std::filesystem::path neuf = f.sources.chemin() / "neuf.ged";
    std::ofstream(neuf, std::ios::binary) << "0 HEAD\n1 CHAR UTF-8\n0 @X1@ INDI\n1 BURI\n2 DATE 1999\n"
                                          << essai::kConsultation.substr(essai::kConsultation.find("0 @I1@"));
    std::filesystem::rename(neuf, ged);
    const AutresEvenements autres =
        relireAutresEvenements(f.fichier.base(), f.fichier.sourcesGedcom(), f.numero("Jean", "Dupont", true));
    EXPECT_TRUE(autres.evenements.empty());
    EXPECT_NE(u(autres.avis).find("modifié"), std::string::npos);
}

}  // namespace
}  // namespace lignara
