#include <gtest/gtest.h>

#include <fstream>

#include "commun/Texte.h"
#include "session/ConsultationEssai.h"
#include "session/FichePersonne.h"

namespace lignara {
namespace {

using essai::FichierConsultation;

std::string u(const std::string& t) { return versUtf8(t); }

TEST(FichePersonne, montreChaqueChampLesParentsLesFamillesDansLOrdreDeLaChaineEtLeBlocNote) {
    FichierConsultation f;
    const BaseGenealogique& base = f.fichier.base();
    const FichePersonne jean = lireFichePersonne(base, f.numero("Jean", "Dupont", true));
    EXPECT_EQ((std::vector<std::string>{jean.nom, jean.prenoms, jean.sexe, jean.naissance.date, jean.naissance.lieu,
                                        jean.deces.date, jean.profession, jean.titre}),
              (std::vector<std::string>{"Dupont", "Jean", "Masculin", "12 janvier 1850", "Paris", "vers 1920",
                                        "Meunier", "Jean Dupont (1850-1920)"}));
    EXPECT_EQ(jean.pere.nom + "|" + std::to_string(jean.mere.numero), "Pierre Dupont|0");

    const auto familles = lireFamilles(base, f.numero("Jean", "Dupont", true));
    ASSERT_EQ(familles.size(), 2u);
    const FamilleConsultee &premiere = familles[0], &seconde = familles[1];
    EXPECT_EQ(premiere.conjoint.nom + ", " + premiere.mariage.date + ", " + premiere.mariage.lieu,
              "Marie Martin, 5 juin 1875, Rouen");
    ASSERT_EQ(premiere.enfants.size(), 2u);
    EXPECT_EQ(premiere.enfants[1].nom, "Anne Dupont");
    EXPECT_EQ(seconde.conjoint.nom, "Victoria");
    EXPECT_TRUE(seconde.divorce && !seconde.mariageConnu);
    // La même famille vue de l'épouse.
    const auto deMarie = lireFamilles(base, f.numero("Marie", "Martin"));
    ASSERT_EQ(deMarie.size(), 1u);
    EXPECT_EQ(deMarie[0].conjoint.numero, f.numero("Jean", "Dupont", true));

    const auto lignes = lireBlocNote(base, f.numero("Jean", "Dupont", true));
    // La base range au plus 249 octets par ligne : la ligne de 250 continue sur la suivante.
    ASSERT_EQ(lignes.size(), 3u);
    EXPECT_EQ(u(lignes[0]), "Première ligne");
    EXPECT_EQ(lignes[1] + lignes[2], std::string(250, 'n'));
}

TEST(FichePersonne, relitLesAutresEvenementsAvecLesDeuxCalendriersMaisPasUnGedcomReecrit) {
    FichierConsultation f;
    const AutresEvenements autres =
        relireAutresEvenements(f.fichier.base(), f.fichier.sourcesGedcom(), f.numero("Jean", "Dupont", true));
    std::string textes;
    for (const AutreEvenement& e : autres.evenements) textes += u(e.libelle) + " : " + u(e.texte) + "\n";
    // La naissance est déjà dans la fiche ; le baptême porte les deux calendriers.
    EXPECT_EQ(textes.find("1850"), std::string::npos) << textes;
    EXPECT_NE(textes.find("Baptême : 12 vendémiaire an III (3 octobre 1794), Lyon\n"), std::string::npos) << textes;

    // Un autre logiciel réécrit le fichier : les décalages notés ne désignent plus Jean.
    const auto neuf = f.sources.chemin() / "neuf.ged";
    std::ofstream(neuf, std::ios::binary) << "0 HEAD\n1 CHAR UTF-8\n0 @X1@ INDI\n1 BURI\n2 DATE 1999\n"
                                          << essai::kConsultation.substr(essai::kConsultation.find("0 @I1@"));
    std::filesystem::rename(neuf, f.sources.chemin() / "consultation.ged");
    const AutresEvenements apres =
        relireAutresEvenements(f.fichier.base(), f.fichier.sourcesGedcom(), f.numero("Jean", "Dupont", true));
    EXPECT_TRUE(apres.evenements.empty());
    EXPECT_NE(u(apres.avis).find("modifié"), std::string::npos);
}

}  // namespace
}  // namespace lignara
