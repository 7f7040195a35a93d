#include "documents/listes/ListeCriteres.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "ListesEssai.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/listes/SelectionCriteres.h"
#include "support/Programme.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::DossierEssai;

// Homonymes partiels, prénoms composés, accents, dates de toutes formes, un couple marié, un
// contemporain.
constexpr std::string_view kCriteres =
    "0 HEAD\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Jean /DUPONT/\n1 SEX M\n1 OCCU Maître tisserand\n"
    "1 BIRT\n2 DATE 3 MAR 1750\n2 PLAC Lyon, Rhône, France\n1 DEAT\n2 DATE 1790\n2 PLAC Thizy\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Paul /DUPONTEL/\n1 SEX M\n1 BIRT\n2 DATE 1751\n2 PLAC Paris\n"
    "0 @I3@ INDI\n1 NAME Jean-Pierre /MARTIN/\n1 SEX M\n1 BIRT\n2 DATE BET 1740 AND 1760\n2 PLAC Thizy\n"
    "0 @I4@ INDI\n1 NAME Éléonore /BLANC/\n1 SEX F\n1 BIRT\n2 DATE 12 JAN 1755\n2 PLAC Amplepuis\n1 FAMS @F1@\n"
    "0 @I5@ INDI\n1 NAME Pierre Jean /ROUX/\n1 SEX M\n1 BIRT\n2 DATE 1990\n2 PLAC Lyon\n"
    "0 @I6@ INDI\n1 NAME Eleonore /ALBERT/\n1 SEX F\n1 OCCU tisserande\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I4@\n1 MARR\n2 DATE 1775\n2 PLAC Marseille\n"
    "0 TRLR\n";

struct Essai {
    BaseEssai b{kCriteres};
    std::unique_ptr<ListeCriteres> l = essai::listeEssai<ListeCriteres>(b);

    // Prénoms des personnes retenues, dans l'ordre de la liste.
    std::vector<std::string> retenues(const std::function<void(ListeCriteres&)>& regler) {
        l = essai::listeEssai<ListeCriteres>(b);
        regler(*l);
        const Configuration c;
        b.contexte.preferences = &c;
        std::vector<std::string> p;
        try {
            l->preparer(b.contexte);
        } catch (const OperationImpossible& e) {
            return {e.what()};
        }
        for (std::uint32_t n : l->personnes()) p.push_back(versUtf8(essai::prenoms(b.base(), n)));
        return p;
    }
};

using Prenoms = std::vector<std::string>;

DateParametre date(int jour, int mois, int annee) {
    return {static_cast<std::uint8_t>(jour), static_cast<std::uint8_t>(mois), static_cast<std::uint16_t>(annee)};
}

TEST(ListeCriteres, motEntierDupontNePrendPasDupontelEtLOrdreEstCeluiDeLIndex) {
    Essai e;
    EXPECT_EQ(e.retenues([](ListeCriteres& l) { l.valeur(kCritereNom) = std::string("dupont"); }),
              (Prenoms{"Jean", "Paul"}));
    EXPECT_EQ(e.retenues([](ListeCriteres& l) {
        l.valeur(kCritereNom) = std::string("DUPONT");
        l.valeur(kMotEntierNom) = std::uint8_t{1};
    }),
              (Prenoms{"Jean"}));
    // Sans critère, tout le fichier, dans l'ordre des noms puis des prénoms.
    EXPECT_EQ(e.retenues([](ListeCriteres&) {}),
              (Prenoms{"Eleonore", "Éléonore", "Jean", "Paul", "Jean-Pierre", "Pierre Jean"}));
}

TEST(ListeCriteres, prenomsComposesAccentsEtPonctuation) {
    Essai e;
    auto prenom = [&e](const char* critere, bool motEntier) {
        return e.retenues([&](ListeCriteres& l) {
            l.valeur(kCriterePrenom) = depuisUtf8(critere);
            l.valeur(kMotEntierPrenom) = std::uint8_t{motEntier};
        });
    };
    EXPECT_EQ(prenom("jean-pierre", true), (Prenoms{"Jean-Pierre"}));
    EXPECT_EQ(prenom("JEAN", true), (Prenoms{"Jean", "Jean-Pierre", "Pierre Jean"}));
    // Les accents ne comptent ni dans le critère ni dans le champ.
    EXPECT_EQ(prenom("ÉLÉONORE", true), (Prenoms{"Eleonore", "Éléonore"}));
    // Un critère de ponctuation seule ne garde rien : il est ignoré et l'utilisateur le sait.
    EXPECT_EQ(prenom("-- ; --", true).size(), 6u);
    ASSERT_EQ(e.b.messages.size(), 1u);
    EXPECT_NE(versUtf8(e.b.messages[0]).find("« -- ; -- »"), std::string::npos);
    EXPECT_EQ(normaliserCritere(depuisUtf8("  l'Œuvre (n°3) ")), depuisUtf8("L ŒUVRE (N°3)"));
    // Une profession : sous-chaîne ou mot entier.
    EXPECT_EQ(e.retenues([](ListeCriteres& l) { l.valeur(kCritereProfession) = std::string("tisserand"); }),
              (Prenoms{"Eleonore", "Jean"}));
    EXPECT_EQ(e.retenues([](ListeCriteres& l) {
        l.valeur(kCritereProfession) = std::string("tisserand");
        l.valeur(kMotEntierProfession) = std::uint8_t{1};
    }),
              (Prenoms{"Jean"}));
}

TEST(ListeCriteres, sortesDeLieuxEtNomsDeZoneDuCode) {
    Essai e;
    auto lieu = [&e](const char* critere, int sorte) {
        return e.retenues([&](ListeCriteres& l) {
            l.valeur(kCritereLieu) = depuisUtf8(critere);
            l.valeur(kSorteLieu) = static_cast<std::uint8_t>(sorte);
        });
    };
    EXPECT_EQ(lieu("thizy", CritereQuelconque), (Prenoms{"Jean", "Jean-Pierre"}));
    EXPECT_EQ(lieu("thizy", CritereNaissance), (Prenoms{"Jean-Pierre"}));
    EXPECT_EQ(lieu("thizy", CritereDeces), (Prenoms{"Jean"}));
    EXPECT_EQ(lieu("marseille", CritereMariage), (Prenoms{"Éléonore", "Jean"}));
    EXPECT_EQ(lieu("marseille", CritereNaissance), (Prenoms{"La liste est vide"}));
    // Le département, ôté du texte du lieu par l'import, se retrouve par le code du lieu.
    EXPECT_EQ(lieu("Rhône", CritereNaissance), (Prenoms{"Jean"}));
}

TEST(ListeCriteres, datesComparéesCommeValeursEntieres) {
    Essai e;
    auto entre = [&e](DateParametre min, DateParametre max, int sorte = CritereNaissance) {
        return e.retenues([&](ListeCriteres& l) {
            l.valeur(kDateMinimale) = min;
            l.valeur(kDateMaximale) = max;
            l.valeur(kSorteDate) = static_cast<std::uint8_t>(sorte);
        });
    };
    // Une maximale de 1750 comprend le 3 mars 1750.
    EXPECT_EQ(entre({}, date(0, 0, 1750)), (Prenoms{"Jean"}));
    EXPECT_EQ(entre({}, date(2, 3, 1750)), (Prenoms{"La liste est vide"}));
    // Une maximale nulle avec une minimale posée : pas de borne haute.
    EXPECT_EQ(entre(date(0, 0, 1755), {}), (Prenoms{"Éléonore", "Pierre Jean"}));
    // Entre 1740 et 1760 (première année dans les octets du jour et du mois) : dans 1700–1800,
    // hors de 1745–1800 ; 1760 ne ressemble pas au 224 du 6e mois.
    EXPECT_EQ(entre(date(0, 0, 1700), date(0, 0, 1800)), (Prenoms{"Éléonore", "Jean", "Paul", "Jean-Pierre"}));
    EXPECT_EQ(entre(date(0, 0, 1745), date(0, 0, 1800)), (Prenoms{"Éléonore", "Jean", "Paul"}));
    // Date du mariage : 1775, pour les deux conjoints.
    EXPECT_EQ(entre(date(0, 0, 1770), date(0, 0, 1780), CritereMariage), (Prenoms{"Éléonore", "Jean"}));
}

TEST(ListeCriteres, sansContemporainsLesVivantsSontOtes) {
    Essai e;
    EXPECT_EQ(e.retenues([](ListeCriteres& l) {
        l.valeur(kCritereLieu) = std::string("lyon");
        l.valeur(kContemporains) = std::uint8_t{0};
    }),
              (Prenoms{"Jean"}));
}

TEST(ListeCriteres, ligneDeCommandeAvecLesLibellesDesTroisPages) {
    DossierEssai d;
    const auto ged = d / "criteres.ged";
    std::ofstream(ged) << kCriteres;
    const std::string fichier = " '" + ged.string() + "' --sortie '" + d.chemin().string() + "' --format texte";
    auto s = essai::lancerProgramme("document liste-criteres" + fichier +
                                    " --option 'Lieu=thizy' --option 'Lieu pris en compte=Lieu de décès'"
                                    " --option 'Date minimale=1790'");
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_EQ(essai::lireFichier(d / "LI_.txt"), "DUPONT Jean (3.3.1750 Lyon - 1790 Thizy), Ma\xEEtre tisserand\n");
    s = essai::lancerProgramme("document LI" + fichier + " --option 'Nom=ZORRO'");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("La liste est vide"), std::string::npos) << s.texte;
}

}  // namespace
}  // namespace lignara
