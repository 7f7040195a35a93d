#include <gtest/gtest.h>

#include <set>
#include <string>

#include "commun/Texte.h"
#include "session/ConsultationEssai.h"
#include "database/CleNom.h"
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
    EXPECT_EQ(liste.ligne(0).nom, "");
    const TablesDerivees& t = f.fichier.attendreTablesDerivees();
    std::set<std::uint32_t> jeanDupont;
    for (std::size_t i = 0; i < liste.taille(); ++i)
        if (liste.texteEntree(i, &t) == "Dupont Jean   (1850)") jeanDupont.insert(liste.personne(i));
    EXPECT_EQ(jeanDupont.size(), 2u) << "deux entrées de même texte, deux personnes";
    ASSERT_TRUE(filtrer("Berthelot"));
    EXPECT_EQ(liste.texteEntree(0, &t), "Berthelot Paul") << "sans année estimée (9999), pas d'année";
    EXPECT_EQ(liste.texteEntree(0, nullptr), "Berthelot Paul");
}

TEST_F(ListePersonnesEssai, litLesAnneesEtLesLieuxALaDemande) {
    ASSERT_TRUE(filtrer("dupont jean"));
    ASSERT_EQ(liste.taille(), 2u);
    const LignePersonne& l = liste.ligne(liste.ligne(0).anneeDeces.empty() ? 1 : 0);
    EXPECT_EQ(l.anneeNaissance, "1850");
    EXPECT_EQ(l.anneeDeces, "~1920");
    EXPECT_EQ(l.lieuNaissance, "Paris");
}

TEST_F(ListePersonnesEssai, filtreSurLesDebutsDeMotsSansCasseNiAccents) {
    EXPECT_TRUE(filtrer("vict"));
    EXPECT_EQ(retenues(), (std::multiset<std::string>{"Victoria "}));
    filtrer("DUP je");
    EXPECT_EQ(retenues(), (std::multiset<std::string>{"Jean Dupont", "Jean Dupont"}));
    filtrer("faure");
    EXPECT_EQ(retenues(), (std::multiset<std::string>{"Luc Fauré", "Luc Faure"}));
    filtrer("ean");
    EXPECT_EQ(liste.taille(), 0u) << "le milieu d'un mot ne compte pas";
    EXPECT_TRUE(filtrer("  "));
    EXPECT_EQ(liste.taille(), 11u);
    EXPECT_FALSE(filtrer("")) << "même filtre : rien ne change";
}

TEST_F(ListePersonnesEssai, filtrePhonetiqueParLaCleLarge) {
    filtrer("Bertelo", true);
    EXPECT_EQ(retenues(), (std::multiset<std::string>{"Paul Berthelot"}));
    filtrer("Fauré", true);
    EXPECT_EQ(retenues(), (std::multiset<std::string>{"Luc Fauré"}));
    filtrer("Dupond lou", true);
    EXPECT_EQ(retenues(), (std::multiset<std::string>{"Louis Dupont"}));
    filtrer("Bertelo", false);
    EXPECT_EQ(liste.taille(), 0u);
    EXPECT_EQ(liste.rangDe(f.numero("Paul", "Berthelot")), -1);
    filtrer("Bertelo", true);
    EXPECT_EQ(liste.rangDe(f.numero("Paul", "Berthelot")), 0);
    EXPECT_EQ(liste.rangDe(f.numero("Paul", "Bertrand")), -1);
}

TEST_F(ListePersonnesEssai, chercheLaPremiereEntreeQuiCommenceParLeTexte) {
    const TablesDerivees& t = f.fichier.attendreTablesDerivees();
    auto premiere = [&](const char* utf8) {
        std::ptrdiff_t r = liste.premiereEntreeCommencantPar(depuisUtf8(utf8), &t);
        return r < 0 ? std::string("-") : versUtf8(liste.texteEntree(static_cast<std::size_t>(r), &t));
    };
    EXPECT_EQ(premiere("dupont l"), "Dupont Louis   (1879)");
    EXPECT_EQ(premiere("DUPONT JEAN   (1850"), "Dupont Jean   (1850)");
    EXPECT_EQ(premiere("fau").substr(0, 4), "Faur");
    EXPECT_EQ(premiere("FAURÉ L"), premiere("fau")) << "accents ignorés comme la casse";
    EXPECT_EQ(premiere("dupont jean   (1851"), "-") << versUtf8(CleNom(depuisUtf8("dupont jean   (1851")));
    EXPECT_EQ(premiere("zz"), "-");
    EXPECT_EQ(premiere("vic"), "Victoria   (1853)");
}

}  // namespace
}  // namespace lignara
