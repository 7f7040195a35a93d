// Les arbres de cousins : paramètres (limite d'ascendance), couples d'ascendants, branches
// (enfants des lignées exclus, familles partagées, demi-cousins), placement sans recouvrement,
// renvois d'une branche à l'autre, fichier PDF et ligne de commande.
#include "documents/arbres/ArbreCousins.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>

#include "ArbreEssai.h"
#include "render/LecturePdf.h"
#include "reglages/Configuration.h"
#include "support/Message.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::LecturePdf;

// Les parents 7 et 8 de la racine 9 sont cousins germains : 3 et 4 sont enfants de 1 × 2.
// 3 × 5 → 7 ; 4 × 6 → 8 ; 7 × 8 → 9, 10.
std::string gedcomParentsCousins() {
    return essai::gedcomDeFamilles(10, {{1, 2, {3, 4}, ""}, {3, 5, {7}, ""}, {6, 4, {8}, ""}, {7, 8, {9, 10}, ""}},
                                   {{4, {"", "", 'F'}}, {6, {"", "", 'M'}}});
}

// Racine 1, parents 2 × 3 ; grands-parents paternels 4 × 5 (enfants 2 et 6), maternels 7 × 8
// (enfants 3 et 9). Le cousin 10 (fils de 6) épouse la cousine 11 (fille de 9) : leur enfant 12.
// Le père 2 a aussi un fils 14 d'une autre femme 13.
std::string gedcomCousinsMaries() {
    return essai::gedcomDeFamilles(14,
                                   {{2, 3, {1}, ""},
                                    {4, 5, {2, 6}, ""},
                                    {7, 8, {3, 9}, ""},
                                    {6, 0, {10}, ""},
                                    {9, 0, {11}, ""},
                                    {10, 11, {12}, ""},
                                    {2, 13, {14}, ""}},
                                   {{9, {"", "", 'F'}}, {11, {"", "", 'F'}}});
}

// Seule la mère 2 de la racine 1 est connue ; ses parents 3 × 4 ont aussi 5 (père du cousin 6) ;
// le grand-père 3, remarié à 7, a 8 (père du demi-cousin 9).
std::string gedcomMereSeuleEtDemiCousins() {
    return essai::gedcomDeFamilles(
        9, {{0, 2, {1}, ""}, {3, 4, {2, 5}, ""}, {5, 0, {6}, ""}, {3, 7, {8}, ""}, {8, 0, {9}, ""}},
        {{1, {"1860", "", 'M'}},
         {2, {"1830", "", 'F'}},
         {3, {"1800", "", 'M'}},
         {4, {"1805", "", 'F'}},
         {5, {"1832", "", 'M'}},
         {6, {"1862", "", 'M'}},
         {7, {"1815", "", 'F'}},
         {8, {"1840", "", 'M'}},
         {9, {"1870", "", 'M'}}});
}

class ArbreCousinsEssai : public essai::EssaiArbre<ArbreCousins> {
protected:
    // Nombre de boîtes de chaque personne, toutes branches comprises.
    static std::map<std::uint32_t, int> apparitions(const ArbreCousins& d) {
        std::map<std::uint32_t, int> m;
        for (const CoupleAscendant& c : d.couples())
            for (const NoeudDescendant* n : c.branche->rangees().boites()) ++m[n->personne];
        return m;
    }
    static void verifierSansRecouvrement(const ArbreCousins& d) {
        std::vector<essai::BoiteEssai> v;
        for (const CoupleAscendant& c : d.couples())
            for (const NoeudDescendant* n : c.branche->rangees().boites())
                v.push_back({n->x, n->bas(), n->droite(), n->y, n->personne});
        essai::verifierDisjointes(v, d.largeur, std::numeric_limits<std::int32_t>::max());
    }
};

TEST_F(ArbreCousinsEssai, lesParametresLaLimiteDAscendanceLueEtLaRacineSansParent) {
    BaseEssai b(gedcomCousinsMaries());
    auto d = arbre(b, 1);
    EXPECT_EQ(d->type().signature(), "Psb2s1L1");
    EXPECT_EQ(arbre(b, 2, 3)->type().signature(), "PsPb2s1L1");
    ASSERT_TRUE(d->signature().accepte(d->parametres));
    EXPECT_EQ(std::get<std::uint8_t>(d->valeur(kCritereCousins)), ColorationBrancheCousine);
    EXPECT_EQ(d->limiteAscendance(), 10);  // 0 rangé : 10
    for (const auto& [rangee, lue] : std::vector<std::pair<int, int>>{{1, 1}, {3, 3}, {10, 10}, {25, 10}}) {
        d->valeur(kLimiteAscendance) = static_cast<std::uint16_t>(rangee);
        EXPECT_EQ(d->limiteAscendance(), lue) << rangee;
    }
    std::vector<std::string> libelles;
    for (const OptionDocument& o : optionsDuType(d->type())) libelles.push_back(o.libelle);
    EXPECT_EQ(libelles,
              (std::vector<std::string>{"Affiche les personnes contemporaines", "Limite l'ascendance à", "Fond de page",
                                        "Critère de coloration", "Couper toutes les branches au-delà de"}));
    EXPECT_EQ(essai::messageDe([&] { arbre(b, 4)->verifierParametres(b.contexte); }),
              "La racine de l'arbre n'a pas de parent connu."_1252);
}

TEST_F(ArbreCousinsEssai, laLimiteUnMontreLesParentsEtLeursDescendantsSansCouleur) {
    BaseEssai b(gedcomCousinsMaries());
    auto d = arbre(b, 1);
    d->valeur(kLimiteAscendance) = std::uint16_t{1};
    ecrire(b, *d, "limite1.pdf");
    ASSERT_EQ(d->couples().size(), 1u);
    const auto m = apparitions(*d);
    // Les parents, la racine, le demi-frère 14 et sa mère 13.
    EXPECT_EQ(m.size(), 5u);
    EXPECT_EQ(m.count(static_cast<std::uint32_t>(b.personne("P14"))), 1u);
    for (const NoeudDescendant* n : d->couples()[0].branche->rangees().boites()) EXPECT_TRUE(n->remplissage.blanche());
}

TEST_F(ArbreCousinsEssai, desParentsCousinsNeDessinentPasLaSecondeLigneeCommeCousins) {
    BaseEssai b(gedcomParentsCousins());
    auto d = arbre(b, 9);
    const std::string chemin = ecrire(b, *d, "parents-cousins.pdf");
    // Couple racine, ses deux couples de parents et le couple commun fait une seule fois.
    EXPECT_EQ(d->couples().size(), 4u);
    const auto m = apparitions(*d);
    EXPECT_EQ(m.size(), 10u);
    for (const auto& [personne, nombre] : m) EXPECT_EQ(nombre, 1) << personne;
    verifierSansRecouvrement(*d);
    verifierPdf(chemin);
}

TEST_F(ArbreCousinsEssai, uneFamilleDeCousinsMariesNestDessineeQuUneFoisEtLeRenvoiMeneASonDessin) {
    BaseEssai b(gedcomCousinsMaries());
    auto d = arbre(b, 1);
    const std::string chemin = ecrire(b, *d, "cousins.pdf");
    ASSERT_EQ(d->couples().size(), 3u);
    EXPECT_EQ(d->couples()[1].cote, 1);
    EXPECT_EQ(d->couples()[2].cote, 2);
    EXPECT_EQ(apparitions(*d)[static_cast<std::uint32_t>(b.personne("P12"))], 1);
    verifierSansRecouvrement(*d);
    // La branche du côté 1 à gauche du centre de la boîte du père, celle du côté 2 à droite de
    // celui de la mère.
    const ArbreDescendant& racine = *d->couples()[0].branche;
    const NoeudDescendant* pere = racine.racine();
    const NoeudDescendant* mere = pere->suivant;
    for (const NoeudDescendant* n : d->couples()[1].branche->rangees().boites()) EXPECT_LE(n->droite(), pere->centre());
    for (const NoeudDescendant* n : d->couples()[2].branche->rangees().boites()) EXPECT_GE(n->x, mere->centre());
    // Couleurs de branche : aucune pour le couple racine, deux autres différentes.
    EXPECT_TRUE(pere->remplissage.blanche());
    const CouleurBoite un = d->couples()[1].branche->racine()->remplissage;
    const CouleurBoite deux = d->couples()[2].branche->racine()->remplissage;
    EXPECT_FALSE(un.blanche());
    EXPECT_FALSE(deux.blanche());
    EXPECT_NE(un, deux);
    // Le renvoi de la seconde branche mène à la famille dessinée dans la première.
    LecturePdf pdf(chemin);
    EXPECT_NE(pdf.octets.find("/Title (Arbre des cousins)"), std::string::npos);
    EXPECT_EQ(pdf.compter("/Subtype /Link"), 1u);
    EXPECT_EQ(pdf.compter("/Dest ["), 1u);
    verifierPdf(chemin);
}

// Avec la préférence des branches doubles, le couple commun est fait deux fois mais aucune des
// deux copies ne dessine l'autre lignée ; une lignée coupée ne la fait pas non plus reparaître.
TEST_F(ArbreCousinsEssai, desParentsCousinsAvecBranchesDoublesOuLigneeCoupee) {
    BaseEssai b(gedcomParentsCousins());
    const auto p = [&b](int n) { return static_cast<std::uint32_t>(b.personne("P" + std::to_string(n))); };
    Configuration doubles;
    doubles.doublesBranchesAscendantes = true;
    b.contexte.preferences = &doubles;
    auto d = arbre(b, 9);
    ecrire(b, *d, "doubles.pdf");
    ASSERT_EQ(d->couples().size(), 5u);
    auto m = apparitions(*d);
    for (const auto& [personne, nombre] : m)
        EXPECT_EQ(nombre, personne == p(1) || personne == p(2) ? 2 : 1) << personne;
    verifierSansRecouvrement(*d);

    b.contexte.preferences = nullptr;
    auto c = arbre(b, 9);
    EnsemblePersonnes coupes(b.base().nombreIndividus());
    coupes.ajouter(p(8));
    c->valeur(kCoupesArbre) = coupes;
    ecrire(b, *c, "coupe-mere.pdf");
    ASSERT_EQ(c->couples().size(), 3u);
    EXPECT_TRUE(c->couples()[0].nonSuiviFemme);
    m = apparitions(*c);
    for (const auto& [personne, nombre] : m) EXPECT_EQ(nombre, 1) << personne;
    EXPECT_EQ(m.count(p(4)), 0u);
    EXPECT_EQ(m.count(p(6)), 0u);
}

// La limite d'ascendance (1, 0 et 25 lus 10) et la limite de générations se combinent : la plus
// courte arrête la montée. La racine a quatre générations d'ascendants complètes (1 à 31).
TEST_F(ArbreCousinsEssai, lesLimitesDAscendanceEtDeGenerationsSeCombinent) {
    BaseEssai b(essai::gedcomSosa(5));
    struct Cas {
        int limite, generations;
        std::size_t couples;
    };
    for (const Cas& k : std::vector<Cas>{{1, 2, 1}, {0, 2, 7}, {25, 2, 7}, {0, 0, 15}, {3, 0, 7}, {2, 1, 3}}) {
        auto d = arbre(b, 1);
        d->valeur(kLimiteAscendance) = static_cast<std::uint16_t>(k.limite);
        d->valeur(kLimiteGenerations) = static_cast<std::uint8_t>(k.generations);
        ecrire(b, *d, "limites.pdf");
        EXPECT_EQ(d->couples().size(), k.couples) << k.limite << " " << k.generations;
        // Sans cousins, chaque ascendant dessiné l'est une fois et sans marque « non suivi ».
        for (const auto& [personne, nombre] : apparitions(*d)) EXPECT_EQ(nombre, 1) << personne;
        for (const CoupleAscendant& c : d->couples()) EXPECT_FALSE(c.nonSuiviMari || c.nonSuiviFemme);
        verifierSansRecouvrement(*d);
    }
}

// Mère seule connue, en chronologique : les boîtes suivent les années de naissance, le côté de
// la mère est le côté 2 ; le grand-père remarié amène son fils et son petit-fils (demi-cousin).
TEST_F(ArbreCousinsEssai, uneMereSeuleEnChronologiqueEtLesDemiCousins) {
    essai::DonneesLivrees donnees;
    BaseEssai b(gedcomMereSeuleEtDemiCousins());
    const auto p = [&b](int n) { return static_cast<std::uint32_t>(b.personne("P" + std::to_string(n))); };
    auto d = arbre(b, 1);
    d->valeur(kFondDePage) = std::string("Siècles"_1252);
    const std::string chemin = ecrire(b, *d, "mere-seule.pdf");
    ASSERT_TRUE(d->chronologique());
    EXPECT_TRUE(b.messages.empty());
    ASSERT_EQ(d->couples().size(), 2u);
    EXPECT_EQ(d->couples()[0].mari, 0u);
    EXPECT_EQ(d->couples()[0].femme, p(2));
    EXPECT_EQ(d->couples()[1].cote, 2);
    std::map<std::uint32_t, const NoeudDescendant*> boite;
    for (const CoupleAscendant& c : d->couples())
        for (const NoeudDescendant* n : c.branche->rangees().boites()) {
            EXPECT_EQ(boite.count(n->personne), 0u) << n->personne;
            boite[n->personne] = n;
        }
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9}) ASSERT_EQ(boite.count(p(n)), 1u) << n;
    EXPECT_EQ(boite[p(2)]->y - boite[p(1)]->y, 30 * 64);
    EXPECT_EQ(boite[p(3)]->y - boite[p(2)]->y, 30 * 64);
    EXPECT_EQ(boite[p(8)]->y - boite[p(9)]->y, 30 * 64);
    for (int n : {8, 9}) {
        bool dansLaBrancheDesGrandsParents = false;
        for (const NoeudDescendant* x : d->couples()[1].branche->rangees().boites())
            dansLaBrancheDesGrandsParents |= x->personne == p(n);
        EXPECT_TRUE(dansLaBrancheDesGrandsParents) << n;
    }
    verifierSansRecouvrement(*d);
    verifierPdf(chemin);
}

// Les deux variantes, colorées ou non, comptent sur le seul compteur des arbres de cousins.
TEST_F(ArbreCousinsEssai, unSeulCompteurDUsagePourLesDeuxVariantes) {
    BaseEssai b(gedcomCousinsMaries());
    CompteursUsage compteurs = compterVariantes(b, "P1", {"(aucun)", "Branche cousine"});
    const Afficheur& individuel = typeArbre(false);
    ReglagesExecution reglages;
    reglages.visualiser = false;
    reglages.compteurs = &compteurs;
    reglages.sortieImposee = dossier / "c.pdf";
    DemandeDocument familial;
    familial.racine = "P2";
    familial.conjoint = "P3";
    ParametresLigneCommande source(familial, [&b](const std::string& t) { return b.personne(t); });
    EXPECT_TRUE(executer(*afficheurDeCode(ArbreCousins::kCodeFamilial), source, b.contexte, reglages));
    int total = 0;
    for (int k : compteurs.compteurs) total += k;
    EXPECT_EQ(compteurs.compteurs[individuel.compteur], 3);
    EXPECT_EQ(total, 3);
}

TEST_F(ArbreCousinsEssai, leFamilialPartDuCoupleChoisi) {
    BaseEssai b(gedcomCousinsMaries());
    auto d = arbre(b, 3, 2);
    ecrire(b, *d, "familial.pdf");
    ASSERT_FALSE(d->couples().empty());
    EXPECT_EQ(d->couples()[0].mari, static_cast<std::uint32_t>(b.personne("P2")));
    EXPECT_EQ(d->couples()[0].femme, static_cast<std::uint32_t>(b.personne("P3")));
    EXPECT_EQ(d->couples().size(), 3u);
    verifierSansRecouvrement(*d);
    // Une racine sans conjoint le dit, sans dessin.
    auto f = std::make_unique<ArbreCousins>(*afficheurDeCode(ArbreCousins::kCodeFamilial));
    f->initialiserParametres(b.contexte);
    f->valeur(kRacine) = b.personne("P12");
    EXPECT_FALSE(f->verifierParametres(b.contexte));
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0], "La racine de l'arbre n'a aucun conjoint connu");
}

TEST_F(ArbreCousinsEssai, uneCoupeMarqueLeCoupleNonSuivi) {
    BaseEssai b(gedcomCousinsMaries());
    auto d = arbre(b, 1);
    EnsemblePersonnes coupes(b.base().nombreIndividus());
    coupes.ajouter(static_cast<std::uint32_t>(b.personne("P2")));
    d->valeur(kCoupesArbre) = coupes;
    ecrire(b, *d, "coupe.pdf");
    ASSERT_EQ(d->couples().size(), 2u);
    EXPECT_TRUE(d->couples()[0].nonSuiviMari);
    EXPECT_FALSE(d->couples()[0].nonSuiviFemme);
    EXPECT_EQ(d->couples()[1].cote, 2);
}

// Un petit-enfant de Victoria (William II) dans royal92 : ses cousins sans recouvrement, chaque famille une fois.
TEST_F(ArbreCousinsEssai, unPetitEnfantDeVictoria) {
    const auto fichier = std::filesystem::path(LIGNARA_DOSSIER_TESTDATA) / "porges-mdf/royal92.ged";
    if (!essai::fichierReelPresent(fichier)) return;
    BaseEssai b(essai::lireFichier(fichier));
    const std::int32_t racine = essai::personneParPrenom(b.base(), "William_II", false);
    ASSERT_NE(racine, 0);
    auto d = arbreDe(b, racine);
    d->valeur(kLimiteAscendance) = std::uint16_t{3};
    const std::string chemin = ecrire(b, *d, "royal92.pdf");
    EXPECT_GT(d->couples().size(), 3u);
    // Chaque famille dessinée l'est dans une seule branche.
    std::map<std::uint32_t, int> familles;
    for (const CoupleAscendant& c : d->couples())
        for (const NoeudDescendant* n : c.branche->rangees().boites())
            for (const NoeudDescendant::FamilleDessinee& f : n->familles) ++familles[f.premierEnfant];
    for (const auto& [famille, nombre] : familles) EXPECT_EQ(nombre, 1) << famille;
    verifierSansRecouvrement(*d);
    verifierPdf(chemin);
}

// Le PDF de la ligne de commande est comparé à celui de la fenêtre avec les essais de la fenêtre.
TEST(CommandeArbreCousins, refuseUneRacineSansParentEtLeWeb) {
    const essai::CommandeEssai lancer(gedcomCousinsMaries());
    auto s = lancer("arbre-cousins", "--racine @I4@");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("pas de parent connu"), std::string::npos) << s.texte;
    EXPECT_NE(lancer("arbre-cousins", "--racine @I1@ --format web").code, 0);
}

}  // namespace
}  // namespace lignara
