// L'import lit dans un fil, applique dans un autre et relit dans plusieurs : rien de ce qui se voit ne dépend
// de ce partage. Les fichiers sont assez grands pour couvrir beaucoup de lots et de fils.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
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
    auto date = [&](bool fausse, const char* bonne, const char* mauvaise, std::vector<std::string>& fautes) {
        ajouter(fausse ? mauvaise : bonne);
        if (fausse) fautes.push_back(ligne(n, "format de date incorrect"));
    };
    for (int i = 1; i <= 3000; ++i) {
        ajouter("0 " + cle('I', i) + " INDI");
        ajouter("1 NAME Jean /Martin" + std::to_string(i) + "/");
        ajouter("1 BIRT");
        date(i % 7 == 0, "2 DATE 3 MAR 1900", "2 DATE 45 FOO 1900", personnes);
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
        date(f % 9 == 0, "2 DATE 1920", "2 DATE 99 XYZ 1920", familles);
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

// Les fils reprennent leurs tampons d'un lot à l'autre : une personne vide qui suit une personne complète n'en
// garde rien. La note commune n'est remise qu'à la première ; les suivantes reçoivent leur propre note.
TEST(ImportParallele, uneRelectureNeGardeRienDeLaPersonneQuiAOccupeSonTamponNiDeLaNoteDejaRemise) {
    std::string g = kEnTete + "0 @N1@ NOTE Note pointee\n";
    const int total = 6000;
    for (int i = 1; i <= total; ++i) {
        g += "0 " + cle('I', i) + " INDI\n";
        if (i % 2 == 0) continue;
        const std::string k = std::to_string(i);
        g += "1 NAME Jean dit Jeannot /Nom" + k + "/\n2 SOUR Source du nom " + k + "\n1 SEX M\n" +
             "1 BIRT\n2 DATE 3 MAR 1900\n2 PLAC Ville" + k + ", Departement\n3 SOUR Lieu " + k + "\n" + "2 SOUR Acte " +
             k + "\n1 DEAT\n2 DATE ABT 1970\n2 PLAC Autre" + k + "\n" + "1 OCCU Metier" + k + "\n2 SOUR Registre " + k +
             "\n1 OBJE\n2 FILE photo" + k + ".jpg\n" + "1 NOTE @N1@\n" + "1 NOTE Note " + k + "\n2 CONT suite\n";
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
        ASSERT_EQ(essai::source(r.base, r.base.LireEvenement(ind.naissance).source), "Acte " + k);
        ASSERT_EQ(essai::source(r.base, r.base.LireEvenement(ind.naissance).sourceLieu), "Lieu " + k);
        ASSERT_EQ(r.base.LireTexte(TableProfessions, ind.profession), "Metier" + k);
        ASSERT_EQ(r.base.LirePhotos(ind.photos), std::vector<std::string>{"photo" + k + ".jpg"});
        std::vector<std::string> notes{"Note " + k, "suite"};
        if (n == 1) notes.insert(notes.begin(), "Note pointee");
        ASSERT_EQ(r.base.LireNotes(ind.notes), notes) << n;
    }
    EXPECT_TRUE(r.rapport.empty()) << r.rapport;
}

// Les liens sont préparés par les fils de relecture, sauf pour les premiers lots et pour une personne dont un
// lien se signale : l'écriture les calcule alors. Sur douze mille personnes, chaque chemin sert, et chaque
// personne est vérifiée contre la généalogie écrite ici.
TEST(ImportParallele, lesLiensPreparesParLesFilsSontCeuxDeLEcriture) {
    const int nf = 4000;  // familles f : mari 3f-2, femme 3f-1, enfant 3f, et le mari de f+1
    auto mari = [](int f) { return 3 * f - 2; };
    auto femme = [](int f) { return 3 * f - 1; };
    auto enfant = [](int f) { return 3 * f; };
    auto incoherent = [](int f) { return f == 100 || f == 2500 || f == 3700; };   // FAMC sans CHIL
    auto horsMariage = [](int f) { return f == 200 || f == 2600 || f == 3800; };  // FAMS sans en être
    auto sansParents = [](int f) { return f == 1 || f % 1000 == 500; };           // le mari n'est pas enfant
    const int p = 3 * nf + 1;                                                     // dix mariages
    std::string g = kEnTete;
    long n = 3;
    std::vector<long> ligneFamille(nf + 1);
    for (int f = 1; f <= nf; ++f) {
        ligneFamille[f] = ++n;
        g += "0 " + cle('F', f) + " FAM\n1 HUSB " + cle('I', mari(f)) + "\n1 WIFE " + cle('I', femme(f)) + "\n";
        n += 2;
        std::vector<int> enfants;
        if (!incoherent(f)) enfants.push_back(enfant(f));
        if (f < nf && !sansParents(f + 1)) enfants.push_back(mari(f + 1));
        for (int e : enfants) g += "1 CHIL " + cle('I', e) + "\n";
        n += static_cast<long>(enfants.size());
    }
    for (int k = 1; k <= 10; ++k)
        g += "0 " + cle('G', k) + " FAM\n1 HUSB " + cle('I', p) + "\n1 WIFE " + cle('I', p + k) + "\n";
    std::vector<std::string> attendu;
    auto individu = [&](int i, const std::string& liens) {
        g += "0 " + cle('I', i) + " INDI\n1 NAME Jean /N" + std::to_string(i) + "/\n" + liens;
    };
    for (int f = 1; f <= nf; ++f) {
        individu(mari(f), "1 FAMS " + cle('F', f) + "\n" + (sansParents(f) ? "" : "1 FAMC " + cle('F', f - 1) + "\n"));
        individu(femme(f), "1 FAMS " + cle('F', f) + "\n");
        individu(enfant(f), "1 FAMC " + cle('F', f) + "\n" + (horsMariage(f) ? "1 FAMS " + cle('F', f) + "\n" : ""));
        const std::string nom = "Jean N" + std::to_string(enfant(f));
        if (incoherent(f))
            attendu.push_back(
                ligne(ligneFamille[f], "lien de parenté incohérent entre "_1252 + nom + " et ses parents"));
        if (horsMariage(f))
            attendu.push_back("- " + nom + " fait référence à un mariage sans être l'un des conjoints"_1252);
    }
    std::string mariages;
    for (int k = 1; k <= 10; ++k) mariages += "1 FAMS " + cle('G', k) + "\n";
    individu(p, mariages);
    for (int k = 1; k <= 10; ++k) individu(p + k, "1 FAMS " + cle('G', k) + "\n");
    g += "0 TRLR\n";

    const ResultatImport r = importerTexte(g);
    ASSERT_EQ(r.base.nombreIndividus(), static_cast<std::uint32_t>(p + 10));
    EXPECT_EQ(lignesRapport(r), attendu);
    EXPECT_TRUE(essai::defautsBase(r).empty());
    auto u = [](int x) { return static_cast<std::uint32_t>(x); };
    for (int f = 1; f <= nf; ++f) {
        const Individu h = r.base.LireIndividu(u(mari(f))), w = r.base.LireIndividu(u(femme(f))),
                       c = r.base.LireIndividu(u(enfant(f)));
        ASSERT_EQ(h.premiereFamille, u(2 * f - 1)) << f;
        ASSERT_EQ(w.premiereFamille, u(2 * f)) << f;
        ASSERT_EQ(c.premiereFamille, 0u) << f;
        ASSERT_EQ(r.base.LireFamille(u(2 * f - 1)).suivante, -(2 * f - 1)) << f;
        ASSERT_EQ(r.base.LireFamille(u(2 * f)).conjoint, u(mari(f))) << f;
        // L'enfant et le mari de f+1 forment l'anneau de f (l'un ou l'autre peut manquer).
        const bool cDedans = !incoherent(f), hDedans = f < nf && !sansParents(f + 1);
        if (cDedans) {
            ASSERT_EQ(std::make_pair(c.pere, c.mere), std::make_pair(u(mari(f)), u(femme(f)))) << f;
            ASSERT_EQ(c.fratrie, hDedans ? mari(f + 1) : -enfant(f)) << f;
        } else {
            ASSERT_EQ(std::make_pair(c.pere, c.mere), std::make_pair(0u, 0u)) << f;
            ASSERT_EQ(c.fratrie, -enfant(f)) << f;
        }
        if (sansParents(f)) {
            ASSERT_EQ(std::make_pair(h.pere, h.mere), std::make_pair(0u, 0u)) << f;
            ASSERT_EQ(h.fratrie, -mari(f)) << f;
        } else {
            ASSERT_EQ(std::make_pair(h.pere, h.mere), std::make_pair(u(mari(f - 1)), u(femme(f - 1)))) << f;
            ASSERT_EQ(h.fratrie, incoherent(f - 1) ? -mari(f) : -enfant(f - 1)) << f;
        }
        // Têtes de branche : sans parents, avec un enfant, et l'autre conjoint sans parents.
        const bool tetes = sansParents(f) && (cDedans || hDedans);
        ASSERT_EQ(r.base.TetesDeBranche().contient(u(mari(f))), tetes) << f;
        ASSERT_EQ(r.base.TetesDeBranche().contient(u(femme(f))), tetes) << f;
    }
    // Dix mariages d'une même personne : fiches 2 nf + 1, 2 nf + 3, … chaînées en anneau.
    const std::uint32_t premiere = u(2 * nf + 1);
    ASSERT_EQ(r.base.LireIndividu(u(p)).premiereFamille, premiere);
    std::uint32_t fiche = premiere;
    for (int k = 1; k <= 10; ++k) {
        const Famille fam = r.base.LireFamille(fiche);
        EXPECT_EQ(fam.conjoint, u(p + k)) << k;
        EXPECT_EQ(r.base.LireIndividu(u(p + k)).premiereFamille, fiche + 1) << k;
        if (k == 10) {
            EXPECT_EQ(fam.suivante, -static_cast<std::int32_t>(premiere));
        } else {
            ASSERT_EQ(fam.suivante, static_cast<std::int32_t>(fiche + 2)) << k;
            fiche += 2;
        }
    }
}

}  // namespace
}  // namespace lignara
