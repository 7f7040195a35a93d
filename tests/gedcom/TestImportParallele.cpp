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

// Les fils reprennent leurs tampons de relecture d'un lot à l'autre : une personne sans rien
// qui suit une personne complète ne doit rien garder de celle-ci, sur assez de personnes pour
// que chaque tampon ait déjà servi plusieurs fois.
TEST(ImportParallele, uneRelectureNeGardeRienDeLaPersonneQuiAOccupeSonTampon) {
    std::string g = kEnTete + "0 @N1@ NOTE Note pointee\n";
    const int total = 6000;
    for (int i = 1; i <= total; ++i) {
        g += "0 " + cle('I', i) + " INDI\n";
        if (i % 2 == 0) continue;
        const std::string k = std::to_string(i);
        g += "1 NAME Jean dit Jeannot /Nom" + k + "/\n2 SOUR Source du nom " + k + "\n1 SEX M\n" +
             "1 BIRT\n2 DATE 3 MAR 1900\n2 PLAC Ville" + k + ", Departement\n3 SOUR Lieu " + k + "\n" + "2 SOUR Acte " +
             k + "\n1 DEAT\n2 DATE ABT 1970\n2 PLAC Autre" + k + "\n" + "1 OCCU Metier" + k + "\n2 SOUR Registre " + k +
             "\n1 OBJE\n2 FILE photo" + k + ".jpg\n" + (i == 1 ? "1 NOTE @N1@\n" : "") + "1 NOTE Note " + k +
             "\n2 CONT suite\n";
    }
    g += "0 TRLR\n";
    const ResultatImport r = importerTexte(g);
    ASSERT_EQ(r.base.nombreIndividus(), static_cast<std::uint32_t>(total));
    for (std::uint32_t n = 1; n <= static_cast<std::uint32_t>(total); ++n) {
        const Individu ind = r.base.LireIndividu(n);
        if (n % 2 == 0) {
            // Rien de lu : seuls les liens et la place dans le fichier peuvent différer du vide.
            Individu vide;
            vide.fratrie = ind.fratrie;
            vide.decalageGedcom = ind.decalageGedcom;
            vide.fichierGedcom = ind.fichierGedcom;
            ASSERT_EQ(ind, vide) << n;
            continue;
        }
        const std::string k = std::to_string(n);
        ASSERT_EQ(essai::nom(r.base, n), "Nom" + k);
        ASSERT_EQ(essai::source(r.base, ind.sourceNom), "Source du nom " + k);
        ASSERT_EQ(essai::lieu(r.base, ind.naissance).substr(0, 5 + k.size()), "Ville" + k);
        ASSERT_EQ(essai::source(r.base, r.base.LireEvenement(ind.naissance).source), "Acte " + k);
        ASSERT_EQ(essai::source(r.base, r.base.LireEvenement(ind.naissance).sourceLieu), "Lieu " + k);
        ASSERT_EQ(essai::lieu(r.base, ind.deces).substr(0, 5 + k.size()), "Autre" + k);
        ASSERT_EQ(r.base.LireTexte(TableProfessions, ind.profession), "Metier" + k);
        ASSERT_EQ(r.base.LirePhotos(ind.photos), std::vector<std::string>{"photo" + k + ".jpg"});
        std::vector<std::string> notes{"Note " + k, "suite"};
        if (n == 1) notes.insert(notes.begin(), "Note pointee");
        ASSERT_EQ(r.base.LireNotes(ind.notes), notes) << n;
    }
    EXPECT_TRUE(r.rapport.empty()) << r.rapport;
}

}  // namespace
}  // namespace lignara
