// L'import lit dans un fil et applique dans un autre, et relit les enregistrements dans
// plusieurs fils : rien de ce qui se voit ne doit dépendre de ce partage. Les fichiers sont
// assez grands pour couvrir beaucoup de lots et de fils.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ImportEssai.h"

namespace lignara {
namespace {

using essai::importerTexte;
using essai::kEnTete;
using essai::lignesRapport;

std::string cle(char lettre, int i) {
    char c[16];
    std::snprintf(c, sizeof c, "@%c%05d@", lettre, i);  // largeur fixe : ordre des clés = ordre du fichier
    return c;
}

std::string ligne(long numero, const std::string& texte) { return "- Ligne " + std::to_string(numero) + " : " + texte; }

// Fautes semées dans 3 000 personnes et 1 000 familles : celles du balayage (ordre des lignes)
// d'abord, puis celles de la construction, personne après personne, puis famille après famille.
TEST(ImportParallele, lesLignesDuRapportGardentLOrdreDUneLectureEnUnFil) {
    std::string g = kEnTete;
    long n = 3;
    std::vector<std::string> balayage, personnes, familles;
    auto ajouter = [&](const std::string& l) {
        g += l + "\n";
        ++n;
    };
    for (int i = 1; i <= 3000; ++i) {
        ajouter("0 " + cle('I', i) + " INDI");
        ajouter("1 NAME Jean /Martin" + std::to_string(i) + "/");
        ajouter("1 BIRT");
        if (i % 7 == 0) {
            ajouter("2 DATE 45 FOO 1900");
            personnes.push_back(ligne(n, "format de date incorrect"));
        } else {
            ajouter("2 DATE 3 MAR 1900");
        }
        if (i % 11 == 0) {
            ajouter("2 SOUR @S999@");
            personnes.push_back(ligne(n, "la source @S999@ n'est pas définie"_1252));
        }
        if (i % 13 == 0) {
            ajouter("ligne sans niveau");
            balayage.push_back(ligne(n, "erreur de syntaxe"));
        }
        if (i <= 2000) ajouter("1 FAMS " + cle('F', (i + 1) / 2));
    }
    for (int f = 1; f <= 1000; ++f) {
        ajouter("0 " + cle('F', f) + " FAM");
        ajouter("1 HUSB " + cle('I', 2 * f - 1));
        ajouter("1 WIFE " + cle('I', 2 * f));
        ajouter("1 MARR");
        if (f % 9 == 0) {
            ajouter("2 DATE 99 XYZ 1920");
            familles.push_back(ligne(n, "format de date incorrect"));
        } else {
            ajouter("2 DATE 1920");
        }
    }
    g += "0 TRLR\n";
    std::vector<std::string> attendu = balayage;
    attendu.insert(attendu.end(), personnes.begin(), personnes.end());
    attendu.insert(attendu.end(), familles.begin(), familles.end());

    const ResultatImport r = importerTexte(g);
    EXPECT_EQ(lignesRapport(r), attendu);
    EXPECT_EQ(r.base.nombreIndividus(), 3000u);
    EXPECT_TRUE(essai::defautsBase(r).empty());
}

// Toutes les personnes pointent la même note : seule la première dans l'ordre des numéros la
// reçoit, quel que soit le fil qui relit chacune. Une personne plus loin pointe d'abord cette
// note déjà remise, puis une seconde note : c'est la seconde qu'elle reçoit.
TEST(ImportParallele, uneNoteNEstRemiseQuAuPremierQuelQueSoitLeFilDeRelecture) {
    std::string g = kEnTete + "0 @N1@ NOTE Texte commun\n1 CONT suite\n0 @N2@ NOTE Autre note\n";
    for (int i = 1; i <= 2500; ++i) {
        g += "0 " + cle('I', i) + " INDI\n1 NAME Anne /Roy/\n1 NOTE @N1@\n";
        if (i == 1777) g += "1 NOTE @N2@\n";
    }
    g += "0 TRLR\n";
    const ResultatImport r = importerTexte(g);
    ASSERT_EQ(r.base.nombreIndividus(), 2500u);
    for (std::uint32_t n = 1; n <= 2500; ++n) {
        const Individu ind = r.base.LireIndividu(n);
        if (n == 1) {
            EXPECT_EQ(r.base.LireNotes(ind.notes), (std::vector<std::string>{"Texte commun", "suite"}));
        } else if (n == 1777) {
            EXPECT_EQ(r.base.LireNotes(ind.notes), std::vector<std::string>{"Autre note"});
        } else {
            ASSERT_EQ(ind.notes, 0u) << "personne " << n;
        }
    }
    EXPECT_TRUE(r.rapport.empty());
}

}  // namespace
}  // namespace lignara
