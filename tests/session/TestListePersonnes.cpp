#include <gtest/gtest.h>

#include <set>

#include "commun/Texte.h"
#include "session/ConsultationEssai.h"
#include "session/ListePersonnes.h"

namespace lignara {
namespace {

using essai::FichierConsultation;

class ListePersonnesEssai : public ::testing::Test {
protected:
    ListePersonnesEssai() : liste(f.fichier.base(), f.fichier.indexNoms()) {}

    // Personnes retenues, par « Prénoms Nom ».
    std::multiset<std::string> retenues() {
        std::multiset<std::string> r;
        for (std::size_t i = 0; i < liste.taille(); ++i) {
            const LignePersonne& l = liste.ligne(i);
            r.insert(versUtf8(l.prenoms + " " + l.nom));
        }
        return r;
    }
    bool filtrer(const char* utf8, bool phonetique = false) { return liste.filtrer(depuisUtf8(utf8), phonetique); }

    FichierConsultation f;
    ListePersonnes liste;
};

TEST_F(ListePersonnesEssai, suitLOrdreDeLIndexEtGardeChaqueHomonymeParSonNumero) {
    ASSERT_EQ(liste.taille(), 11u);
    // Victoria, sans nom, vient en tête de l'index et reste dans la liste.
    EXPECT_EQ(liste.ligne(0).prenoms, "Victoria");
    const TablesDerivees& t = f.fichier.attendreTablesDerivees();
    std::set<std::uint32_t> jeanDupont;
    for (std::size_t i = 0; i < liste.taille(); ++i)
        if (liste.texteEntree(i, &t) == "Dupont Jean   (1850)") jeanDupont.insert(liste.personne(i));
    EXPECT_EQ(jeanDupont.size(), 2u) << "deux entrées de même texte, deux personnes";
    ASSERT_TRUE(filtrer("Berthelot"));
    EXPECT_EQ(liste.texteEntree(0, &t), "Berthelot Paul") << "sans année estimée (9999), pas d'année";
}

TEST_F(ListePersonnesEssai, filtreSurLesDebutsDeMotsSansCasseNiAccentsPuisParLeSonEtLitLesAnnees) {
    filtrer("DUP je");
    EXPECT_EQ(retenues(), (std::multiset<std::string>{"Jean Dupont", "Jean Dupont"}));
    // Années et lieux lus à la demande.
    const LignePersonne& l = liste.ligne(liste.ligne(0).anneeDeces.empty() ? 1 : 0);
    EXPECT_EQ(l.anneeNaissance + " " + l.anneeDeces + " " + l.lieuNaissance, "1850 ~1920 Paris");
    filtrer("faure");
    EXPECT_EQ(retenues(), (std::multiset<std::string>{"Luc Fauré", "Luc Faure"}));
    filtrer("ean");
    EXPECT_EQ(liste.taille(), 0u) << "le milieu d'un mot ne compte pas";
    EXPECT_TRUE(filtrer("  "));
    EXPECT_EQ(liste.taille(), 11u);
    EXPECT_FALSE(filtrer("")) << "même filtre : rien ne change";
    // Par le son, sur la clé large.
    filtrer("Bertelo", true);
    EXPECT_EQ(retenues(), (std::multiset<std::string>{"Paul Berthelot"}));
    EXPECT_EQ(liste.rangDe(f.numero("Paul", "Bertrand")), -1);
    filtrer("Dupond lou", true);
    EXPECT_EQ(retenues(), (std::multiset<std::string>{"Louis Dupont"}));
}

TEST_F(ListePersonnesEssai, chercheLaPremiereEntreeQuiCommenceParLeTexte) {
    const TablesDerivees& t = f.fichier.attendreTablesDerivees();
    auto premiere = [&](const char* utf8) {
        std::ptrdiff_t r = liste.premiereEntreeCommencantPar(depuisUtf8(utf8), &t);
        return r < 0 ? std::string("-") : versUtf8(liste.texteEntree(static_cast<std::size_t>(r), &t));
    };
    EXPECT_EQ(premiere("dupont l"), "Dupont Louis   (1879)");
    EXPECT_EQ(premiere("FAURÉ L"), premiere("fau")) << "accents ignorés comme la casse";
    EXPECT_EQ(premiere("dupont jean   (1851"), "-");
}

}  // namespace
}  // namespace lignara
