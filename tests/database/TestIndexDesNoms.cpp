#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "ArbreEssai.h"
#include "BaseEssai.h"
#include "commun/Texte.h"
#include "database/CleNom.h"
#include "database/ClePhonetique.h"
#include "database/FormatNom.h"
#include "database/IndexDesNoms.h"

using namespace lignara;
using essai::ArbreEssai;
using essai::DossierEssai;

namespace {

DateGed jourMoisAnnee(std::uint8_t jour, std::uint8_t mois, std::int16_t annee) {
    return essai::date(DateSimple, jour, mois, annee);
}

// 1 DUPONT Jean (1900) ; 2 Dupont Jean (2 mai 1920) ; 3 DUPOND Jean ; 4 MARTIN Paul ;
// 5 sans nom ; 6 ÆBY Ole ; 7 ZOLA Émile ; 8 Dupont Jean sans naissance.
BaseGenealogique baseHomonymes(const DossierEssai& dossier) {
    ArbreEssai a;
    a.personne('M', essai::annee(1900), {}, "DUPONT", "Jean");
    a.personne('M', jourMoisAnnee(2, 5, 1920), {}, "Dupont", "jean");
    a.personne('M', {}, {}, "DUPOND", "Jean");
    a.personne('M', {}, {}, "MARTIN", "Paul");
    a.personne('F', {}, {}, "", "Inconnue");
    a.personne('M', {}, {}, "ÆBY"_1252, "Ole");
    a.personne('M', {}, {}, "ZOLA", "Émile"_1252);
    a.personne('M', {}, {}, "Dupont", "Jean");
    return a.construire(dossier.chemin());
}

std::vector<std::uint32_t> personnesDansLOrdre(const IndexNoms& index) {
    std::vector<std::uint32_t> p;
    for (std::size_t i = 0; i < index.taille(); ++i) p.push_back(index.personne(i));
    return p;
}

}  // namespace

// Une préparation : la base des homonymes et ses deux index, puis rangement et recherches.
TEST(IndexNoms, rangeLesClesOctetParOctetNonSigneEtChercheParCleEtParDate) {
    DossierEssai dossier;
    BaseGenealogique base = baseHomonymes(dossier);
    const IndexDesNoms tout = construireIndexDesNoms(base);
    const IndexNoms& index = tout.noms;
    // Sans nom d'abord ; DUPOND avant DUPONT ; Æ (0xC6) après Z ; homonymes par numéro.
    EXPECT_EQ(personnesDansLOrdre(index), (std::vector<std::uint32_t>{5, 3, 1, 2, 8, 4, 7, 6}));
    // ChercherNom rend la première clé non inférieure.
    EXPECT_EQ(index.ChercherNom(IndexNoms::cleDe("Dupont", "Jean")), 2u);
    EXPECT_EQ(index.ChercherNom("DUPONT"), 2u);           // un nom seul précède ses prénoms
    EXPECT_EQ(index.ChercherNom("DUPONT\x1FJEAN "), 5u);  // après tous les Jean DUPONT
    EXPECT_EQ(index.ChercherNom("\xFF"), index.taille());
    // ChercherPersonne distingue les homonymes par la date de naissance, sur la clé exacte.
    const std::string cle = IndexNoms::cleDe("DUPONT", "JEAN");
    auto trouve = [&](std::uint8_t j, std::uint8_t m, std::int16_t a) {
        std::ptrdiff_t p = index.ChercherPersonne(base, cle, j, m, a);
        return p < 0 ? 0u : index.personne(static_cast<std::size_t>(p));
    };
    EXPECT_EQ(trouve(0, 0, 1900), 1u);
    EXPECT_EQ(trouve(2, 5, 1920), 2u);
    EXPECT_EQ(trouve(0, 0, 0), 8u);  // sans événement naissance
    EXPECT_EQ(trouve(0, 0, 1920), 0u);
    EXPECT_EQ(index.ChercherPersonne(base, "DUPONT", 0, 0, 1900), -1);
    // Phonétique : les graphies rapprochées, rangées par clé de prénoms (toutes JEAN) puis par numéro.
    const IndexPhonetique& phon = tout.phonetique;
    std::size_t debut = phon.ChercherCle(IndexPhonetique::cleDe("Dupond", "Jean"));
    ASSERT_LE(debut + 4, phon.taille());
    std::vector<std::uint32_t> trouves;
    for (std::size_t i = debut; i < debut + 4; ++i) trouves.push_back(phon.personne(i));
    EXPECT_EQ(trouves, (std::vector<std::uint32_t>{1, 2, 3, 8}));
    EXPECT_EQ(phon.cle(debut + 3), "tuton\x1Fgeon");
}

TEST(IndexDesNoms, lesClesNeDependentPasDeLaFormeDAffichage) {
    DossierEssai dossier;
    BaseGenealogique base = baseHomonymes(dossier);
    IndexDesNoms brut = construireIndexDesNoms(base);
    appliquerAffichageNoms(base, true);
    IndexDesNoms affiche = construireIndexDesNoms(base);
    for (std::size_t i = 0; i < brut.noms.taille(); ++i) {
        EXPECT_EQ(brut.noms.cle(i), affiche.noms.cle(i));
        EXPECT_EQ(brut.phonetique.cle(i), affiche.phonetique.cle(i));
    }
}

TEST(IndexDesNoms, chaquePersonneUneFoisEtDesClesTriees) {
    DossierEssai dossier;
    ArbreEssai a;
    std::mt19937 alea(7);
    const char* syllabes[] = {"du", "Pon", "t", "Mar", "é", "ti", "n", "Le", " ", "-", "fè", "vre", "Æ", "ç"};
    auto mot = [&] {
        std::string m;
        for (unsigned k = alea() % 4; k > 0; --k) m += depuisUtf8(syllabes[alea() % 14]);
        return m;
    };
    for (int i = 0; i < 500; ++i) a.personne(' ', {}, {}, mot(), mot());
    BaseGenealogique base = a.construire(dossier.chemin());
    IndexDesNoms index = construireIndexDesNoms(base);

    ASSERT_EQ(index.noms.taille(), 500u);
    std::set<std::uint32_t> vus;
    for (std::size_t i = 0; i < 500; ++i) {
        const Individu ind = base.LireIndividu(*vus.insert(index.noms.personne(i)).first);
        EXPECT_EQ(index.noms.cle(i), CleNom(base.LireTexte(TableNoms, ind.nom)) + '\x1F' +
                                         CleNom(base.LireTexte(TablePrenoms, ind.prenoms)));
        if (i > 0) {
            EXPECT_LE(index.noms.cle(i - 1), index.noms.cle(i));
            EXPECT_LE(index.phonetique.cle(i - 1), index.phonetique.cle(i));
        }
    }
    EXPECT_EQ(vus.size(), 500u);
}

TEST(IndexDesNoms, uneBaseVideDonneDesIndexVides) {
    DossierEssai dossier;
    BaseGenealogique base = ArbreEssai().construire(dossier.chemin());
    IndexDesNoms index = construireIndexDesNoms(base);
    EXPECT_EQ(index.noms.taille(), 0u);
    EXPECT_EQ(index.noms.ChercherNom("DUPONT"), 0u);
    EXPECT_EQ(index.phonetique.ChercherCle("tuton"), 0u);
}
