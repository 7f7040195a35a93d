// Désignation des personnes sur la ligne de commande : identifiants GEDCOM (numérotation dans
// l'ordre des clés, où « I10 » passe avant « I2 »), noms, date de naissance, homonymes.
#include <gtest/gtest.h>

#include "commun/Texte.h"
#include "documents/GenealogieLigneCommande.h"
#include "documents/ReferenceLigneCommande.h"
#include "parente/NomAffiche.h"
#include "support/Message.h"

using namespace lignara;

namespace {

const std::filesystem::path kFichier =
    std::filesystem::path(LIGNARA_DOSSIER_FIXTURES) / "parente-homonymes-et-cles-non-triees.ged";

class ReferenceEssai : public ::testing::Test {
protected:
    std::string nomDe(std::string_view texte) { return nomAffiche(g_.base(), g_.personne(texte)); }
    std::string echec(std::string_view texte) {
        return essai::messageDe([&] { g_.personne(texte); });
    }
    GenealogieLigneCommande g_{kFichier};
};

}  // namespace

TEST_F(ReferenceEssai, lIdentifiantGedcomDonneLaPersonneQuelQueSoitLOrdreDesCles) {
    EXPECT_EQ(nomDe("@I10@"), "Jean Dupont");
    EXPECT_EQ(nomDe("@I3"), "Paul Dupont");  // sans « I3 » seul : ce serait un prénom
    for (std::uint32_t n = 1; n <= g_.base().nombreIndividus(); ++n)
        EXPECT_EQ(g_.personne(g_.identifiants().identifiant(n)), n);
    EXPECT_EQ(echec("@I99@"), "Identifiant inconnu dans le fichier : @I99@");
}

TEST_F(ReferenceEssai, lesNomsSeComparentSansCasseNiAccentsEtLaDateDepartageLesHomonymes) {
    EXPECT_EQ(nomDe("paul /DUPONT/"), "Paul Dupont");
    EXPECT_EQ(nomDe("Emile /Leger/"), "Émile Léger"_1252);
    EXPECT_EQ(g_.personne("Jean /Dupont/ Jr 12/06/1950"), g_.personne("@I5@"));
    EXPECT_EQ(g_.personne("Paul /Dupont/ 1926"), g_.personne("@I3@"));
    EXPECT_EQ(echec("Jean /Dupont/ 1950"), "Aucune personne « Jean /Dupont/ » née à cette date"_1252);
    EXPECT_EQ(echec("Pierre /Dupont/"), "Personne introuvable : « Pierre /Dupont/ »"_1252);
}

TEST(ReferenceLigneCommande, refuseUneDateIllisibleOuUnTexteVide) {
    for (const char* illisible :
         {"Jean /Dupont/ 32/01/1900", "Jean /Dupont/ 1/13/1900", "Jean /Dupont/ 1/1/99999", "   ", "@@"})
        EXPECT_THROW(ReferenceLigneCommande::lire(illisible), OperationImpossible) << illisible;
    ReferenceLigneCommande r = ReferenceLigneCommande::lire("  Victoria  /Hanover/ II ");
    EXPECT_EQ(r.prenoms + "|" + r.nom, "Victoria|Hanover");
    EXPECT_FALSE(r.dateDonnee);
    r = ReferenceLigneCommande::lire("/Hanover/ 24/05/1819");
    EXPECT_TRUE(r.prenoms.empty());
    EXPECT_EQ((std::tuple<int, int, int>(r.jour, r.mois, r.annee)), std::tuple(24, 5, 1819));
}
