// Construction et placement des arbres de descendants.
#include "documents/arbres/ArbreDescendant.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ArbreEssai.h"
#include "DescendanceEssai.h"
#include "support/Message.h"
#include "database/Parente.h"
#include "database/TablesDerivees.h"
#include "documents/arbres/ArbreDescIndividuel.h"
#include "documents/arbres/DocumentArbreDescendant.h"
#include "documents/arbres/PlacementArbre.h"
#include "documents/arbres/PlacementDescendant.h"
#include "gedcom/ImporterGedcom.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::Descendance;
using essai::FamilleEssai;

TEST(ConstructionDescendante, lesConjointsSuiventLaPersonneEtLesEnfantsDuPremierMariageViennentDAbord) {
    // 1 épouse 2 puis 3 ; 4 et 5 du premier mariage, 6 du second ; 4 épouse 7 (sans enfant).
    Descendance d(essai::gedcomDeFamilles(7, {{1, 2, {4, 5}, "1900"}, {1, 3, {6}, ""}, {4, 7, {}, ""}}));
    ArbreDescendant& a = d.individuel(1);
    EXPECT_EQ(d.rangee(0), "P1 P2* P3*");
    EXPECT_EQ(d.rangee(1), "P4 P7* P5 P6");
    EXPECT_EQ(a.racine()->famillesDessinees, 2);
    EXPECT_EQ(d.boite(1, 4)->parent, a.racine());
    EXPECT_EQ(d.boite(1, 7)->partenaire, d.boite(1, 4));
    // La boîte de famille est celle du conjoint ; elle tient le premier et le dernier enfant.
    const NoeudDescendant& premiere = *d.boite(0, 2);
    EXPECT_TRUE(premiere.premierEnfant == d.boite(1, 4) && premiere.dernierEnfant == d.boite(1, 5));
    EXPECT_EQ(d.boite(1, 4)->position, 1408 + 1);
    // Sans le bit 16, pas de mariage sur la boîte du conjoint ; avec, l'événement du couple.
    EXPECT_NE(premiere.mariage, 0u);
    d.regles.donnees = 15;
    d.individuel(1);
    EXPECT_EQ(d.boite(0, 2)->mariage, 0u);
}

TEST(ConstructionDescendante, unArbreAgnatiqueNeSuitPasLesEnfantsDesFemmes) {
    // 1 × 2 : 3 (fils) et 4 (fille) ; 3 × 5 : 6 ; 7 × 4 : 8.
    Descendance d(
        essai::gedcomDeFamilles(8, {{1, 2, {3, 4}, ""}, {3, 5, {6}, ""}, {7, 4, {8}, ""}}, {{4, {"", "", 'F'}}}));
    d.regles.agnatique = true;
    d.individuel(1);
    EXPECT_EQ(d.rangee(1), "P3 P5* P4 P7*!");
    EXPECT_EQ(d.rangee(2), "P6");
    d.regles.agnatique = false;
    d.individuel(1);
    EXPECT_EQ(d.rangee(2), "P6 P8");
}

TEST(ConstructionDescendante, sansLesContemporainsUneFamilleAuPremierEnfantVivantResteSansEnfants) {
    Descendance d(essai::gedcomDeFamilles(
        6, {{1, 2, {3, 4}, ""}, {3, 0, {5}, ""}, {4, 0, {6}, ""}},
        {{1, {"1850", ""}}, {3, {"1880", ""}}, {4, {"1885", ""}}, {5, {"1910", ""}}, {6, {"1990", ""}}}));
    const TablesDerivees tables = calculerTablesDerivees(d.b.base(), 2023);
    d.regles.contemporains = false;
    d.regles.statutsVitaux = &tables.statutsVitaux;
    d.individuel(1);
    EXPECT_EQ(d.rangee(1), "P3 P4!");
    EXPECT_EQ(d.rangee(2), "P5");
}

TEST(ConstructionDescendante, sansLesContemporainsUnAineMortNeMontrePasSesCadetsVivants) {
    // 1 × 2 : 3 (né en 1950, mort en 1960) puis 4 (né en 1955, sans décès).
    std::string g =
        essai::gedcomDeFamilles(4, {{1, 2, {3, 4}, ""}}, {{1, {"1920", ""}}, {3, {"1950", ""}}, {4, {"1955", ""}}});
    const std::string p3 = "0 @I3@ INDI\n";
    g.insert(g.find(p3) + p3.size(), "1 DEAT\n2 DATE 1960\n");
    Descendance d(g);
    const TablesDerivees tables = calculerTablesDerivees(d.b.base(), 2023);
    ASSERT_EQ(tables.StatutVital(d.n(3)), 'm');
    d.regles.contemporains = false;
    d.regles.statutsVitaux = &tables.statutsVitaux;
    d.individuel(1);
    EXPECT_EQ(d.rangee(0), "P1 P2*!");
    EXPECT_EQ(d.rangee(1), "");
}

// Cousins germains 5 et 6 mariés : leurs enfants ne sont dessinés qu'une fois, sous le premier
// couple atteint ; le second est marqué et ses deux membres sont des personnes répétées.
TEST(ConstructionDescendante, lesEnfantsDeCousinsMariesEntreEuxNeSontDessinesQuUneFois) {
    Descendance d(essai::gedcomDeFamilles(
        10, {{1, 2, {3, 4}, ""}, {3, 0, {5}, ""}, {7, 4, {6}, ""}, {5, 6, {8, 9}, ""}, {9, 0, {10}, ""}},
        {{4, {"", "", 'F'}}, {6, {"", "", 'F'}}}));
    ArbreDescendant& a = d.individuel(1);
    EXPECT_EQ(d.rangee(2), "P5 P6* P6 P5*!");
    EXPECT_EQ(d.rangee(3), "P8 P9");
    EXPECT_EQ(a.rangees().premier(2)->suivant->suivant->suivant->familleNonDessinee, d.n(8));
    EXPECT_TRUE(a.repetees().contient(d.n(5)) && a.repetees().contient(d.n(6)));
    EXPECT_FALSE(a.repetees().contient(d.n(3)));
    EXPECT_TRUE(a.famillesDessinees().contient(d.n(8)));
    // Avec les branches doubles, la famille est dessinée sous les deux couples.
    d.regles.doublesBranches = true;
    d.individuel(1);
    EXPECT_EQ(d.rangee(3), "P8 P9 P8 P9");
    EXPECT_EQ(d.rangee(4), "P10 P10");
}

TEST(ConstructionDescendante, uneFamilleCoupeeChezLaFemmeEstDessineeChezLeMari) {
    // Agnatique, l'épouse atteinte la première : 1 × 2 : 3, 4 ; 3 × 5 : 6 (fille) ; 4 × 7 : 8 ; 8 × 6 : 9.
    Descendance d(essai::gedcomDeFamilles(9, {{1, 2, {3, 4}, ""}, {3, 5, {6}, ""}, {4, 7, {8}, ""}, {8, 6, {9}, ""}},
                                          {{6, {"", "", 'F'}}}));
    d.regles.agnatique = true;
    ArbreDescendant& a = d.individuel(1);
    EXPECT_EQ(d.rangee(2), "P6 P8*! P8 P6*");
    EXPECT_EQ(d.rangee(3), "P9");
    EXPECT_TRUE(a.famillesDessinees().contient(d.n(9)));
    EXPECT_FALSE(a.repetees().contient(d.n(6)));
    // Coupée par la liste, la famille ne l'est pas moins chez le mari.
    EnsemblePersonnes coupes(d.b.base().nombreIndividus());
    coupes.ajouter(d.n(6));
    d.regles.agnatique = false;
    d.regles.coupes = &coupes;
    ArbreDescendant& c = d.individuel(1);
    EXPECT_EQ(d.rangee(2), "P6 P8*! P8 P6*!");
    EXPECT_FALSE(c.famillesDessinees().contient(d.n(9)));
}

// La limite de générations, et sans elle au plus 200 rangées : la dernière est marquée.
TEST(ConstructionDescendante, laLimiteDeGenerationsOuLaDeuxCentiemeRangeeMarqueLaDerniere) {
    std::vector<FamilleEssai> familles;
    for (int p = 1; p < 210; ++p) familles.push_back({p, 0, {p + 1}, ""});
    Descendance d(essai::gedcomDeFamilles(210, familles));
    ArbreDescendant& a = d.individuel(1);
    EXPECT_EQ(a.rangees().nombreRangees(), 200);
    EXPECT_EQ(d.rangee(199), "P200!");
    d.regles.limiteGenerations = 2;
    EXPECT_EQ(d.individuel(1).rangees().nombreRangees(), 3);
    EXPECT_EQ(d.rangee(2), "P3!");
}

TEST(ConstructionDescendante, desBranchesDoublesQuiSeMultiplientButentSurLePlafondDesBoites) {
    // Frères et sœurs mariés entre eux à chaque génération : les branches doubles doublent l'arbre à chacune.
    std::vector<FamilleEssai> familles{{1, 2, {3, 4}, ""}};
    std::map<int, essai::DetailsPersonne> details;
    for (int g = 0; g < 40; ++g) {
        const int frere = 3 + 2 * g, soeur = 4 + 2 * g;
        details[soeur] = {"", "", 'F'};
        familles.push_back({frere, soeur, {frere + 2, soeur + 2}, ""});
    }
    Descendance d(essai::gedcomDeFamilles(84, familles, details));
    ArbreDescendant& a = d.individuel(1);
    EXPECT_EQ(a.rangees().nombreRangees(), 42);
    EXPECT_EQ(a.rangees().nombreBoites(), 2 + 40 * 4 + 2u);
    d.regles.doublesBranches = true;
    d.regles.boitesMax = 5000;
    EXPECT_NE(essai::messageDe([&] { d.individuel(1); }).find("trop grand"), std::string::npos);
}

TEST(ConstructionDescendante, lesAnneesChronologiquesRestentDansLArbreEtSousLesParents) {
    // 1 (1800) × 2 (sans date) : 3 (1820), 4 (noté né en 1790, avant son père), 5 (sans date).
    Descendance d(essai::gedcomDeFamilles(6, {{1, 2, {3, 4, 5}, ""}, {6, 0, {}, ""}},
                                          {{1, {"1800", ""}}, {3, {"1820", ""}}, {4, {"1790", ""}}}));
    const TablesDerivees tables = calculerTablesDerivees(d.b.base(), 2023);
    std::vector<std::int16_t> annees = tables.anneesNaissance;
    annees[d.n(2)] = 9999;
    annees[d.n(5)] = 9999;
    d.regles.anneesEstimees = &annees;
    d.regles.anneeCourante = 2023;
    ArbreDescendant& a = d.individuel(1);
    EXPECT_EQ(a.anneeHaut(), 1800);
    EXPECT_EQ(d.boite(0, 2)->position, 0);
    EXPECT_EQ(d.boite(1, 3)->position, 20 * 64);
    EXPECT_EQ(d.boite(1, 4)->position, ArbreDescendant::kEcartParentMinimal);
    EXPECT_EQ(d.boite(1, 5)->annee, 1825);
    EXPECT_EQ(d.boite(1, 5)->position, 25 * 64);
}

TEST(ConstructionDescendante, lElagageRetireLesGroupesSansCouleurDeBasEnHaut) {
    // 1 × 2 : 3, 4 ; 3 × 5 : 6 ; 4 × 7 : 8 ; 8 × 9 : 10. Seul 6 est coloré.
    Descendance d(
        essai::gedcomDeFamilles(10, {{1, 2, {3, 4}, ""}, {3, 5, {6}, ""}, {4, 7, {8}, ""}, {8, 9, {10}, ""}}));
    const std::uint32_t colore = d.n(6);
    d.regles.colorer = [colore](const NoeudDescendant& n) {
        return n.personne == colore ? CouleurBoite{1, 2, 3} : CouleurBoite{};
    };
    ArbreDescendant& a = d.individuel(1);
    a.elaguer();
    EXPECT_EQ(a.rangees().nombreRangees(), 3);
    EXPECT_EQ(d.rangee(1), "P3 P5* P4 P7*!");
    EXPECT_EQ(d.rangee(2), "P6");
    EXPECT_FALSE(a.famillesDessinees().contient(d.n(8)));
}

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
        if (b.precedent && (b.conjoint || !chronologique)) {
            const std::int32_t ecart = b.conjoint ? b.largeurMariage + kEcartMariage : 45 * kEspace;
            if (b.x < b.precedent->droite() + ecart && ++fautes < 5)
                ADD_FAILURE() << cas << " : " << b.precedent->personne << " et " << b.personne << " rangée "
                              << int{b.generation};
        }
        for (std::size_t j = i + 1; j < boites.size(); ++j) {
            const NoeudDescendant& c = *boites[j];
            const bool hauteurs = chronologique && b.position < c.position + 944 && c.position < b.position + 944;
            const bool largeurs = b.x < c.droite() && c.x < b.droite();
            if (hauteurs && largeurs && ++fautes < 5)
                ADD_FAILURE() << cas << " : " << b.personne << " et " << c.personne << " se recouvrent";
        }
    }
    EXPECT_EQ(fautes, 0u) << cas << " : " << boites.size() << " boîtes";
}

// Relaxation achevée : aucun bloc d'enfants à plus de 15 à gauche de son ancre, le plus proche juste dessous.
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

// La personne de chaque fichier réel qui a le plus de descendants, par le document lui-même.
class PlacementDescendantReel : public essai::EssaiPolices, public ::testing::WithParamInterface<const char*> {};

std::uint32_t plusGrandeDescendance(const BaseGenealogique& base) {
    std::uint32_t meilleure = 1;
    std::size_t plus = 0;
    std::vector<std::uint32_t> vue(base.nombreIndividus() + 1, 0);
    for (std::uint32_t p = 1; p <= base.nombreIndividus(); ++p) {
        const Individu i = base.LireIndividu(p);
        if (i.pere || i.mere || !i.premiereFamille) continue;  // elle part d'un fondateur
        std::vector<std::uint32_t> file{p};
        std::size_t total = 0;
        for (vue[p] = p; !file.empty(); ++total) {
            const std::uint32_t q = file.back();
            file.pop_back();
            for (const FamilleConjoint& f : Conjoints(base, q))
                for (std::uint32_t e : Enfants(base, f.fiche))
                    if (std::exchange(vue[e], p) != p) file.push_back(e);
        }
        if (total > plus) std::tie(plus, meilleure) = std::pair{total, p};
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
        EXPECT_TRUE(d.chronologique() || d.bilan().stable) << cas << " : " << d.bilan().passes << " passes";
        for (const NoeudDescendant* b : d.arbre().rangees().boites())
            EXPECT_TRUE(b->droite() <= d.largeur && b->bas() >= 0 && b->y <= d.hauteur) << cas;
    }
}

INSTANTIATE_TEST_SUITE_P(Fichiers, PlacementDescendantReel,
                         ::testing::Values("data/exemples/famille-exemple.ged", "porges-mdf/royal92.ged",
                                           "dj-gedcom-samples/pres2020.ged", "findmypast-samples/Queen.ged"));

}  // namespace
}  // namespace lignara
