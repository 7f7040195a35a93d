// Placement des arbres de descendants : aucune boîte n'en recouvre une autre, les enfants
// pendent sous l'ancre de leur famille, sur des familles faites pour les cas difficiles, sur
// une généalogie tirée au hasard et sur les fichiers réels du dossier d'essai (les plus grands
// arbres de descendants qu'ils contiennent), ordinaires et chronologiques.
#include "documents/arbres/PlacementDescendant.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ArbreEssai.h"
#include "DescendanceEssai.h"
#include "commun/Texte.h"
#include "database/Parente.h"
#include "documents/arbres/DocumentArbreDescendant.h"
#include "documents/arbres/PlacementArbre.h"
#include "gedcom/ImporterGedcom.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::BaseEssai;
using essai::FamilleEssai;

constexpr std::int32_t kEspace = 8;

// Aucune boîte n'en recouvre une autre : dans une rangée, 45 × s entre deux couples et l'écart
// de mariage dans un couple ; dans un arbre chronologique, entre toutes les boîtes dont les
// hauteurs se chevauchent.
void verifierSansChevauchement(const ArbreDescendant& a, bool chronologique, const std::string& cas) {
    std::vector<NoeudDescendant*> boites = a.rangees().boites();
    std::size_t fautes = 0;
    for (std::size_t i = 0; i < boites.size(); ++i) {
        const NoeudDescendant& b = *boites[i];
        EXPECT_GE(b.x, 0) << cas;
        // Dans un arbre chronologique, la boîte précédente peut être à une tout autre hauteur.
        if (b.precedent && (b.conjoint || !chronologique)) {
            const std::int32_t ecart = b.conjoint ? b.largeurMariage + kEcartMariage : 45 * kEspace;
            if (b.x < b.precedent->droite() + ecart && ++fautes < 5)
                ADD_FAILURE() << cas << " : " << b.precedent->personne << " et " << b.personne << " rangée "
                              << int{b.generation};
        }
        if (!chronologique) continue;
        for (std::size_t j = i + 1; j < boites.size(); ++j) {
            const NoeudDescendant& c = *boites[j];
            const bool hauteurs = b.position < c.position + 944 && c.position < b.position + 944;
            const bool largeurs = b.x < c.droite() && c.x < b.droite();
            if (hauteurs && largeurs && ++fautes < 5)
                ADD_FAILURE() << cas << " : " << b.personne << " et " << c.personne << " se recouvrent";
        }
    }
    EXPECT_EQ(fautes, 0u) << cas << " : " << boites.size() << " boîtes";
}

// Une relaxation achevée laisse chaque couple au plus près de ses enfants : aucun bloc
// d'enfants à gauche de son ancre (de 15 au plus pour un bloc de plusieurs enfants), et le
// bloc le plus proche de la sienne juste dessous.
void verifierPendaison(const ArbreDescendant& a, const std::string& cas) {
    std::size_t fautes = 0;
    for (NoeudDescendant* t : a.rangees().boites()) {
        if (t->conjoint) continue;
        std::int32_t plusPetit = std::numeric_limits<std::int32_t>::max();
        for (const NoeudDescendant* f = t; f && (f == t || f->conjoint); f = f->suivant) {
            if (!f->aEnfants()) continue;
            const std::int32_t bloc = (f->premierEnfant->centre() + f->dernierEnfant->centre()) / 2;
            const std::int32_t excedent = bloc - ancreFamille(*f);
            plusPetit = std::min(plusPetit, excedent);
            if (excedent < -15 && ++fautes < 5)
                ADD_FAILURE() << cas << " : enfants de " << f->personne << " à gauche de " << -excedent;
        }
        if (plusPetit != std::numeric_limits<std::int32_t>::max() && plusPetit > 2 && ++fautes < 5)
            ADD_FAILURE() << cas << " : enfants de " << t->personne << " à droite de " << plusPetit;
    }
    EXPECT_EQ(fautes, 0u) << cas;
}

// Boîtes de largeurs données (sans textes) : 1000 pour une personne, plus pour celles citées.
struct Essai : essai::Descendance {
    using Descendance::Descendance;
    ArbreDescendant& placer(int racine, const std::map<int, std::int32_t>& largeurs = {}, int passes = 40,
                            bool chronologique = false) {
        individuel(racine);
        for (NoeudDescendant* x : arbre->rangees().boites()) {
            auto l = largeurs.find(std::stoi(essai::prenoms(b.base(), x->personne).substr(1)));
            x->largeur = l == largeurs.end() ? 1000 : l->second;
        }
        ReglesPlacementDescendant r;
        r.chronologique = chronologique;
        r.espace = kEspace;
        r.passesMax = passes;
        bilan = placerDescendance(arbre->rangees(), r);
        return *arbre;
    }
    BilanPlacement bilan;
};

TEST(PlacementDescendant, unEnfantSeulPendSousLAncreEtUnBlocSeCentreDessous) {
    // 1 × 2 : 3 ; 3 × 4 : 5, 6, 7.
    Essai e(essai::gedcomDeFamilles(7, {{1, 2, {3}, ""}, {3, 4, {5, 6, 7}, ""}}));
    ArbreDescendant& a = e.placer(1);
    EXPECT_TRUE(e.bilan.stable);
    EXPECT_EQ(e.bilan.reprises, 0u);
    const NoeudDescendant& epouse = *e.boite(0, 2);
    EXPECT_EQ(epouse.x, e.boite(0, 1)->droite() + kEcartMariage);
    EXPECT_EQ(e.boite(1, 3)->centre(), ancreFamille(epouse));
    const NoeudDescendant& bru = *e.boite(1, 4);
    EXPECT_EQ((e.boite(2, 5)->centre() + e.boite(2, 7)->centre()) / 2, ancreFamille(bru));
    verifierSansChevauchement(a, false, "simple");
}

TEST(PlacementDescendant, deuxFamillesTropLargesPourLeursAncresRestentEnOrdreSansSeRecouvrir) {
    // 1 épouse 2 puis 3, dix enfants de chaque mariage, larges ; puis un frère 24 à droite.
    std::vector<int> premiers, seconds;
    for (int k = 0; k < 10; ++k) {
        premiers.push_back(4 + k);
        seconds.push_back(14 + k);
    }
    Essai e(essai::gedcomDeFamilles(25, {{25, 0, {1, 24}, ""}, {1, 2, premiers, ""}, {1, 3, seconds, ""}}));
    std::map<int, std::int32_t> larges;
    for (int p = 4; p < 24; ++p) larges[p] = 3000;
    ArbreDescendant& a = e.placer(25, larges);
    EXPECT_TRUE(e.bilan.stable);
    EXPECT_LE(e.bilan.passes, 3);
    verifierSansChevauchement(a, false, "larges");
    verifierPendaison(a, "larges");
    // Le second bloc suit le premier ; le couple se centre sur le premier.
    EXPECT_GT(e.boite(2, 14)->x, e.boite(2, 13)->droite());
    EXPECT_EQ((e.boite(2, 4)->centre() + e.boite(2, 13)->centre()) / 2, ancreFamille(*e.boite(1, 2)));
}

TEST(PlacementDescendant, unSousArbreEtroitSEcarteDesRangeesProfondesDeSonVoisin) {
    // 1 : 2 et 3 ; 2 a une descendance large à la troisième rangée ; 3 une lignée simple.
    Essai e(essai::gedcomDeFamilles(
        12,
        {{1, 0, {2, 3}, ""}, {2, 0, {4}, ""}, {4, 0, {5, 6, 7, 8, 9, 10}, ""}, {3, 0, {11}, ""}, {11, 0, {12}, ""}}));
    ArbreDescendant& a = e.placer(1);
    verifierSansChevauchement(a, false, "contour");
    verifierPendaison(a, "contour");
    ASSERT_NE(e.boite(3, 12), nullptr);
    EXPECT_EQ(e.boite(3, 12)->x, e.boite(3, 10)->droite() + 45 * kEspace);
    // La lignée pend droit sous son père, au plus près de la descendance voisine.
    EXPECT_EQ(e.boite(1, 3)->centre(), e.boite(3, 12)->centre());
    EXPECT_EQ(e.boite(2, 11)->centre(), e.boite(3, 12)->centre());
}

// Arbre chronologique où une épouse de 1 (1800), née en 1850, est aussi jeune que les petits-
// enfants de 1 par sa femme 9 (1805) : 3 × 5 (1825) ont six enfants nés de 1850 à 1852.
struct JeuneEpouse : Essai {
    static std::string gedcom(bool premiere) {
        std::vector<FamilleEssai> familles{{1, 9, {3, 4}, ""}, {1, 2, {}, ""}, {3, 5, {6, 7, 8, 10, 11, 12}, ""}};
        if (premiere) std::swap(familles[0], familles[1]);
        return essai::gedcomDeFamilles(12, familles);
    }
    explicit JeuneEpouse(bool premiere) : Essai(gedcom(premiere)) {
        const std::map<int, std::int16_t> nes{{1, 1800}, {2, 1850}, {9, 1805}, {3, 1825},  {4, 1826},  {5, 1826},
                                              {6, 1850}, {7, 1850}, {8, 1851}, {10, 1851}, {11, 1852}, {12, 1852}};
        for (const auto& [p, a] : nes) annees[n(p)] = a;
        regles.anneesEstimees = &annees;
        regles.anneeCourante = 2023;
    }
    BilanPlacement placerChronologique(int passes) {
        placer(1, {}, passes, true);
        return bilan;
    }
    std::vector<std::int16_t> annees = std::vector<std::int16_t>(13, 9999);
};

TEST(PlacementDescendant, uneSecondeEpouseAussiJeuneQueLesPetitsEnfantsSEcarteDEux) {
    JeuneEpouse e(false);
    const BilanPlacement bilan = e.placerChronologique(40);
    EXPECT_TRUE(bilan.stable);
    EXPECT_EQ(bilan.reprises, 0u);
    verifierSansChevauchement(*e.arbre, true, "seconde épouse");
    EXPECT_GE(e.boite(0, 2)->x, e.boite(2, 12)->droite() + 45 * kEspace);
}

TEST(PlacementDescendant, laPasseFinaleSepareCeQueLaRelaxationNeVoitPas) {
    // La jeune épouse est la première : la lignée passe à sa droite, par la seconde, et ses
    // petits-enfants débordent sous elle. Un ancêtre n'est pas une voisine (le couple se
    // recentre sur ses enfants) : seule la passe finale les sépare, même sans relaxation.
    JeuneEpouse e(true);
    const BilanPlacement bilan = e.placerChronologique(40);
    EXPECT_GT(bilan.reprises, 0u);
    verifierSansChevauchement(*e.arbre, true, "première épouse");
    const BilanPlacement sans = e.placerChronologique(0);
    EXPECT_EQ(sans.passes, 0);
    EXPECT_FALSE(sans.stable);
    verifierSansChevauchement(*e.arbre, true, "sans relaxation");
}

TEST(PlacementDescendant, uneGenealogieAuHasardSePlaceSansRecouvrementEnRelaxationComplete) {
    // Quelques centaines de couples sur huit générations, des seconds mariages, des mariages entre
    // descendants d'une même génération et des familles sans conjoint connu.
    std::mt19937 alea(18);
    std::vector<FamilleEssai> familles;
    std::vector<int> generation{1};
    int personnes = 1;
    std::map<int, essai::DetailsPersonne> details;
    for (int g = 0; g < 8 && personnes < 1500; ++g) {
        std::vector<int> suivante;
        for (int p : generation) {
            const int mariages = std::uniform_int_distribution<int>(0, 10)(alea) < 2 ? 2 : 1;
            for (int m = 0; m < mariages; ++m) {
                int conjoint = 0;
                const int tirage = std::uniform_int_distribution<int>(0, 9)(alea);
                if (tirage == 0 && suivante.size() > 2)
                    conjoint = 0;
                else if (tirage == 1 && generation.size() > 3)
                    conjoint = generation[std::uniform_int_distribution<std::size_t>(0, generation.size() - 1)(alea)];
                else
                    conjoint = ++personnes;
                if (conjoint == p) conjoint = ++personnes;
                std::vector<int> enfants(std::uniform_int_distribution<int>(0, 4)(alea));
                for (int& k : enfants) {
                    k = ++personnes;
                    suivante.push_back(k);
                }
                if (conjoint) details[conjoint].sexe = 'F';
                details[p].sexe = 'M';
                familles.push_back({p, conjoint, enfants, ""});
            }
        }
        generation.swap(suivante);
    }
    Essai e(essai::gedcomDeFamilles(personnes, familles, details));
    std::map<int, std::int32_t> largeurs;
    for (int p = 1; p <= personnes; ++p) largeurs[p] = 600 + 137 * (p % 23);
    ArbreDescendant& a = e.placer(1, largeurs);
    ASSERT_GT(a.rangees().nombreBoites(), 500u);
    verifierSansChevauchement(a, false, "hasard");
    if (e.bilan.stable && e.bilan.reprises == 0) verifierPendaison(a, "hasard");
    EXPECT_TRUE(e.bilan.stable) << e.bilan.passes;
}

// Sur les fichiers réels : la personne qui a le plus de descendants de chaque fichier, en
// arbre ordinaire et chronologique, par le document lui-même (textes, largeurs réelles).
class PlacementDescendantReel : public essai::EssaiPolices, public ::testing::WithParamInterface<const char*> {};

std::uint32_t plusGrandeDescendance(const BaseGenealogique& base) {
    const std::uint32_t n = base.nombreIndividus();
    std::uint32_t meilleure = 1;
    std::size_t plus = 0;
    std::vector<std::uint32_t> vue(n + 1, 0);
    // Les fondateurs (sans parents) d'abord : la plus grande descendance part de l'un d'eux.
    for (std::uint32_t p = 1; p <= n; ++p) {
        const Individu i = base.LireIndividu(p);
        if (i.pere || i.mere || !i.premiereFamille) continue;
        std::size_t total = 0;
        std::vector<std::uint32_t> file{p};
        vue[p] = p;
        while (!file.empty()) {
            const std::uint32_t q = file.back();
            file.pop_back();
            ++total;
            for (const FamilleConjoint& f : Conjoints(base, q))
                for (std::uint32_t e : Enfants(base, f.fiche))
                    if (vue[e] != p) {
                        vue[e] = p;
                        file.push_back(e);
                    }
        }
        if (total > plus) {
            plus = total;
            meilleure = p;
        }
    }
    return meilleure;
}

TEST_P(PlacementDescendantReel, laPlusGrandeDescendanceSePlaceSansRecouvrement) {
    const std::string nom = GetParam();
    const fs::path fichier =
        nom.rfind("data/", 0) == 0 ? fs::path(LIGNARA_DOSSIER_SOURCES) / nom : fs::path(LIGNARA_DOSSIER_TESTDATA) / nom;
    if (!essai::fichierReelPresent(fichier)) GTEST_SKIP();
    essai::DonneesLivrees donnees;
    ResultatImport import = ImporterGedcom(fichier);
    ContexteDocument contexte;
    contexte.base = &import.base;
    contexte.polices = polices_;
    contexte.horloge = Horloge::fixee(1700000000);
    const std::uint32_t racine = plusGrandeDescendance(import.base);
    for (bool chronologique : {false, true}) {
        DocumentArbreDescendant d(*afficheurDeCode(DocumentArbreDescendant::kCode));
        d.initialiserParametres(contexte);
        d.valeur(kRacine) = static_cast<std::int32_t>(racine);
        if (chronologique) d.valeur(kFondDePage) = std::string("Siècles"_1252);
        d.preparer(contexte);
        const std::string cas = nom + (d.chronologique() ? " chronologique" : "");
        verifierSansChevauchement(d.arbre(), d.chronologique(), cas);
        if (d.bilan().stable && d.bilan().reprises == 0) verifierPendaison(d.arbre(), cas);
        if (!d.chronologique()) {
            EXPECT_TRUE(d.bilan().stable) << cas << " : " << d.bilan().passes << " passes";
        }
        for (const NoeudDescendant* b : d.arbre().rangees().boites()) {
            EXPECT_LE(b->droite(), d.largeur) << cas;
            EXPECT_GE(b->bas(), 0) << cas;
            EXPECT_LE(b->y, d.hauteur) << cas;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fichiers, PlacementDescendantReel,
                         ::testing::Values("data/exemples/famille-exemple.ged", "porges-mdf/royal92.ged",
                                           "dj-gedcom-samples/pres2020.ged", "findmypast-samples/Queen.ged"));

}  // namespace
}  // namespace lignara
