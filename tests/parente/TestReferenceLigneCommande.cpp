// Désignation des personnes sur la ligne de commande : identifiants GEDCOM (numérotation dans
// l'ordre des clés, où « I10 » passe avant « I2 »), noms, date de naissance, homonymes.
#include <gtest/gtest.h>

#include <string>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/GenealogieLigneCommande.h"
#include "documents/ReferenceLigneCommande.h"
#include "parente/NomAffiche.h"

using namespace lignara;

namespace {

const std::filesystem::path kFichier =
    std::filesystem::path(LIGNARA_DOSSIER_FIXTURES) / "parente-homonymes-et-cles-non-triees.ged";

class ReferenceEssai : public ::testing::Test {
protected:
    std::string nomDe(std::string_view texte) { return nomAffiche(g_.base(), g_.personne(texte)); }
    std::string echec(std::string_view texte) {
        try {
            g_.personne(texte);
        } catch (const OperationImpossible& e) {
            return e.what();
        }
        return "(aucune erreur)";
    }
    GenealogieLigneCommande g_{kFichier};
};

}  // namespace

TEST_F(ReferenceEssai, lIdentifiantGedcomDonneLaPersonneQuelQueSoitLOrdreDesCles) {
    EXPECT_EQ(nomDe("@I10@"), "Jean Dupont");
    EXPECT_EQ(nomDe("@I2@"), "Marie Martin");
    EXPECT_EQ(nomDe("@I3"), "Paul Dupont");  // sans « I3 » seul : ce serait un prénom
    EXPECT_EQ(nomDe("@I6@"), "Émile Léger"_1252);
    for (std::uint32_t n = 1; n <= g_.base().nombreIndividus(); ++n)
        EXPECT_EQ(g_.personne(g_.identifiants().identifiant(n)), n);
    EXPECT_EQ(echec("@I99@"), "Identifiant inconnu dans le fichier : @I99@");
}

TEST_F(ReferenceEssai, lesNomsSeComparentSansCasseNiAccentsEtLaDateDepartage) {
    EXPECT_EQ(nomDe("Paul /Dupont/"), "Paul Dupont");
    EXPECT_EQ(nomDe("paul /DUPONT/"), "Paul Dupont");
    EXPECT_EQ(nomDe("Emile /Leger/"), "Émile Léger"_1252);
    EXPECT_EQ(g_.personne("Jean /Dupont/ 3/3/1900"), g_.personne("@I10@"));
    EXPECT_EQ(g_.personne("Jean /Dupont/ Jr 12/06/1950"), g_.personne("@I5@"));
    EXPECT_EQ(g_.personne("Paul /Dupont/ 1926"), g_.personne("@I3@"));
}

TEST_F(ReferenceEssai, desHomonymesSansDateSontListesAvecLeurIdentifiant) {
    EXPECT_EQ(echec("Jean /Dupont/"),
              "Plusieurs personnes répondent à « Jean /Dupont/ » :\n"
              "- Jean Dupont, né(e) 3.3.1900 (@I10@)\n"
              "- Jean Dupont, né(e) 12.6.1950 (@I5@)\n"
              "Ajoutez la date de naissance (JJ/MM/AAAA ou AAAA) après le nom pour choisir."_1252);
    EXPECT_EQ(echec("Jean /Dupont/ 1950"), "Aucune personne « Jean /Dupont/ » née à cette date"_1252);
    EXPECT_EQ(echec("Pierre /Dupont/"), "Personne introuvable : « Pierre /Dupont/ »"_1252);
}

TEST(ReferenceLigneCommande, refuseUneDateIllisibleOuUnTexteVide) {
    EXPECT_THROW(ReferenceLigneCommande::lire("Jean /Dupont/ 32/01/1900"), OperationImpossible);
    EXPECT_THROW(ReferenceLigneCommande::lire("Jean /Dupont/ 1/13/1900"), OperationImpossible);
    EXPECT_THROW(ReferenceLigneCommande::lire("Jean /Dupont/ 1/1/99999"), OperationImpossible);
    EXPECT_THROW(ReferenceLigneCommande::lire("   "), OperationImpossible);
    EXPECT_THROW(ReferenceLigneCommande::lire("@@"), OperationImpossible);
    ReferenceLigneCommande r = ReferenceLigneCommande::lire("  Victoria  /Hanover/ II ");
    EXPECT_EQ(r.prenoms, "Victoria");
    EXPECT_EQ(r.nom, "Hanover");
    EXPECT_FALSE(r.dateDonnee);
    r = ReferenceLigneCommande::lire("/Hanover/ 24/05/1819");
    EXPECT_TRUE(r.prenoms.empty());
    EXPECT_EQ(r.jour, 24);
    EXPECT_EQ(r.mois, 5);
    EXPECT_EQ(r.annee, 1819);
}
