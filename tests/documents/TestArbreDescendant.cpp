// Arbres de descendants, arbres mixtes (ascendants au-dessus, descendants au-dessous) et arbres des cousins.
#include "documents/arbres/ArbreCousins.h"
#include "documents/arbres/ArbreMixte.h"
#include "documents/arbres/DocumentArbreDescendant.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>
#include <numeric>
#include <string>

#include "ArbreEssai.h"
#include "render/LecturePdf.h"
#include "reglages/Configuration.h"
#include "reglages/RaccordDessin.h"
#include "support/Message.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::LecturePdf;

constexpr const char* kTirets = "[3] 0 d";
constexpr auto& kCritere = kCritereColoration<SorteArbreChromatique::Descendant>;

class ArbreDescendantEssai : public essai::EssaiArbre<DocumentArbreDescendant> {};

// Cousins germains 5 et 6 mariés entre eux (voir l'essai de la construction).
std::string gedcomCousinsMaries() {
    return essai::gedcomDeFamilles(
        10, {{1, 2, {3, 4}, "1850"}, {3, 0, {5}, ""}, {7, 4, {6}, ""}, {5, 6, {8, 9}, "1901"}, {9, 0, {10}, ""}},
        {{4, {"", "", 'F'}}, {6, {"", "", 'F'}}});
}

TEST_F(ArbreDescendantEssai, sansRacineRefuseEtChronologiqueSansDateOrdinaire) {
    BaseEssai b(essai::gedcomDeFamilles(3, {{1, 2, {3}, ""}}));
    auto d = arbre(b, 1);
    // Chronologique sans aucune date : ordinaire, avec le message.
    d->valeur(kFondDePage) = std::string("Siècles"_1252);
    d->preparer(b.contexte);
    EXPECT_EQ(b.messages,
              std::vector<std::string>{"L'arbre ne peut pas être chronologique\ncar aucune date n'est connue"_1252});
    EXPECT_EQ(d->varianteCompteur(), 0u);
    d->valeur(kRacine) = std::int32_t{0};
    EXPECT_FALSE(d->verifierParametres(b.contexte));
}

TEST_F(ArbreDescendantEssai, unSecondMariageEstEnTiretsJusquASonTexte) {
    BaseEssai b(essai::gedcomDeFamilles(5, {{1, 2, {4}, "1900"}, {1, 3, {5}, "1910"}}));
    auto un = arbre(b, 4);
    LecturePdf seul(ecrire(b, *un, "seul.pdf"));
    EXPECT_EQ(LecturePdf::compterDans(seul.contenus().at(0), kTirets), 0u);
    auto d = arbre(b, 1);
    const std::string chemin = ecrire(b, *d, "deux.pdf");
    EXPECT_EQ(LecturePdf::compterDans(LecturePdf(chemin).contenus().at(0), kTirets), 1u);
    // Les enfants pendent sous le milieu de l'écart de mariage de leurs parents.
    const NoeudDescendant* r = d->arbre().racine();
    EXPECT_EQ(r->suivant->premierEnfant->centre(), r->suivant->x - r->suivant->largeurMariage / 2 - 240);
    essai::controlerPdf(chemin);
}

// Un trait descend de la barre de la famille vers chaque enfant : un enfant de plus, un trait de plus.
TEST_F(ArbreDescendantEssai, unTraitDescendVersChaqueEnfant) {
    std::map<int, std::size_t> traits;
    for (int n : {1, 2, 3}) {
        std::vector<int> enfants(static_cast<std::size_t>(n));
        std::iota(enfants.begin(), enfants.end(), 3);
        BaseEssai b(essai::gedcomDeFamilles(2 + n, {{1, 2, enfants, ""}}));
        auto d = arbre(b, 1);
        traits[n] = LecturePdf::compterDans(LecturePdf(ecrire(b, *d, "traits.pdf")).contenus().at(0), " l\n");
    }
    EXPECT_EQ(traits[3], traits[2] + 1);
    EXPECT_GT(traits[2], traits[1]);  // un enfant seul sous le milieu : son trait, sans barre
}

TEST_F(ArbreDescendantEssai, uneFamilleDessineeAilleursPorteDesChevronsLiesAuDessin) {
    BaseEssai b(gedcomCousinsMaries());
    auto d = arbre(b, 1);
    const std::string chemin = ecrire(b, *d, "cousins.pdf");
    LecturePdf pdf(chemin);
    EXPECT_EQ(pdf.compter("/Subtype /Link"), 1u);
    EXPECT_EQ(LecturePdf::compterDans(pdf.contenus().at(0), kTirets), 0u);
    essai::controlerPdf(chemin);
    // Sans les chevrons, une famille coupée montre un court trait en tirets.
    EnsemblePersonnes coupes(b.base().nombreIndividus());
    coupes.ajouter(static_cast<std::uint32_t>(b.personne("P9")));
    auto c = arbre(b, 1);
    c->valeur(kCoupesArbre) = coupes;
    LecturePdf coupe(ecrire(b, *c, "coupe.pdf"));
    EXPECT_EQ(LecturePdf::compterDans(coupe.contenus().at(0), kTirets), 1u);
    EXPECT_EQ(coupe.compter("/Subtype /Link"), 1u);
}

TEST_F(ArbreDescendantEssai, laBrancheDescendanteColoreChaqueEnfantDeLaRacineEtSesDescendants) {
    BaseEssai b(essai::gedcomDeFamilles(8, {{1, 2, {3, 4}, ""}, {3, 5, {6}, ""}, {4, 7, {8}, ""}}));
    auto d = arbre(b, 1);
    d->valeur(kCritere) = std::uint8_t{ColorationBrancheDescendante};
    d->preparer(b.contexte);
    ASSERT_TRUE(d->chromatique());
    EXPECT_EQ(d->varianteCompteur(), 2u);
    EXPECT_TRUE(d->arbre().racine()->remplissage.blanche());
    const NoeudDescendant& trois = *d->arbre().rangees().premier(1);
    const NoeudDescendant& cinq = *trois.suivant;
    const NoeudDescendant& quatre = *cinq.suivant;
    EXPECT_EQ(trois.remplissage, (CouleurBoite{0xf0, 0x96, 0x00}));
    EXPECT_EQ(cinq.remplissage, trois.remplissage);
    EXPECT_EQ(quatre.remplissage, (CouleurBoite{0x9b, 0x9b, 0xfa}));
    EXPECT_EQ(d->arbre().rangees().premier(2)->suivant->remplissage, quatre.remplissage);
}

TEST_F(ArbreDescendantEssai, lesApparitionsSeComptentDansLArbre) {
    // Les cousins 5 et 6 paraissent deux fois chacun : seuls colorés, ils gardent leurs groupes.
    BaseEssai c(gedcomCousinsMaries());
    auto d = arbre(c, 1);
    d->valeur(kCritere) = std::uint8_t{ColorationApparitions};
    LecturePdf cousins(ecrire(c, *d, "apparitions.pdf"));
    ASSERT_TRUE(d->chromatique());
    EXPECT_EQ(d->arbre().rangees().nombreRangees(), 3);
    const NoeudDescendant& cinq = *d->arbre().rangees().premier(2);
    EXPECT_EQ(cinq.personne, static_cast<std::uint32_t>(c.personne("P5")));
    EXPECT_EQ(cinq.remplissage, (CouleurBoite{0xb9, 0xb9, 0xff}));
    EXPECT_TRUE(d->arbre().racine()->remplissage.blanche());
    EXPECT_NE(cousins.contenus().at(0).find("(2 fois)"), std::string::npos);
}

TEST_F(ArbreDescendantEssai, unArbreChronologiqueGardeSonFondEtSesAnneesSousLaRacine) {
    essai::DonneesLivrees donnees;
    BaseEssai b(essai::gedcomDeFamilles(
        5, {{1, 2, {3, 4}, ""}, {3, 0, {5}, ""}},
        {{1, {"1800", ""}}, {2, {"1805", ""}}, {3, {"1830", ""}}, {4, {"1835", ""}}, {5, {"1860", ""}}}));
    auto d = arbre(b, 1);
    d->valeur(kFondDePage) = std::string("Siècles"_1252);
    const std::string chemin = ecrire(b, *d, "chrono.pdf");
    EXPECT_TRUE(b.messages.empty());
    ASSERT_TRUE(d->chronologique());
    EXPECT_EQ(d->varianteCompteur(), 1u);
    const NoeudDescendant& r = *d->arbre().racine();
    EXPECT_GE(r.x, d->decalageChronologie());
    EXPECT_EQ(r.y, d->hauteur);
    EXPECT_EQ(d->arbre().rangees().premier(1)->position, 30 * 64);
    EXPECT_EQ(d->arbre().rangees().premier(2)->position, 60 * 64);
    essai::controlerPdf(chemin);
}

TEST_F(ArbreDescendantEssai, deuxEcrituresFontLesMemesOctets) {
    BaseEssai b(gedcomCousinsMaries());
    auto d = arbre(b, 1), e = arbre(b, 1);
    EXPECT_EQ(essai::lireFichier(ecrire(b, *d, "a.pdf")), essai::lireFichier(ecrire(b, *e, "b.pdf")));
}

// Chaque sortie de l'exemple livré et de royal92 passe les vérificateurs.
TEST_F(ArbreDescendantEssai, lesSortiesDesFichiersReelsPassentLesVerificateurs) {
    fichiersReels("Victoria", kCritere,
                  [](const DocumentArbreDescendant& d) { EXPECT_GT(d.arbre().rangees().nombreRangees(), 2); });
}

// 9 × 10 → 1 ; 1 × 2 → 3 ; 3 × 4 → 5, 6 ; 3 × 7 → 8 (un second mariage).
std::string gedcomMixte(const std::map<int, essai::DetailsPersonne>& details = {}) {
    return essai::gedcomDeFamilles(
        10, {{9, 10, {1}, ""}, {1, 2, {3}, "1850"}, {3, 4, {5, 6}, "1880"}, {3, 7, {8}, "1890"}}, details);
}

class ArbreMixteEssai : public essai::EssaiArbre<ArbreMixte> {
protected:
    // Aucune boîte dessinée n'en recouvre une autre : toute la moitié haute, la moitié basse sans
    // ses boîtes de racine (les mêmes).
    static void verifierSansRecouvrement(const ArbreMixte& d) {
        std::vector<essai::BoiteEssai> v;
        for (const NoeudAscendant* n : d.ascendants().boites())
            v.push_back({n->x, n->bas(), n->droite(), n->y, n->personne});
        const std::vector<const NoeudDescendant*> racines = d.racinesDescendantes();
        for (const NoeudDescendant* n : d.descendants().rangees().boites())
            if (std::find(racines.begin(), racines.end(), n) == racines.end())
                v.push_back({n->x, n->bas(), n->droite(), n->y, n->personne});
        essai::verifierDisjointes(v, d.largeur, d.hauteurArbre());
    }
    // Les boîtes de racine des deux moitiés coïncident.
    static void verifierRacineCommune(const ArbreMixte& d) {
        const auto hautes = d.racinesAscendantes();
        const auto basses = d.racinesDescendantes();
        ASSERT_EQ(hautes.size(), basses.size());
        for (std::size_t i = 0; i < hautes.size(); ++i)
            EXPECT_TRUE(hautes[i]->personne == basses[i]->personne && hautes[i]->x == basses[i]->x &&
                        hautes[i]->y == basses[i]->y && hautes[i]->largeur == basses[i]->largeur)
                << i;
    }
};

TEST_F(ArbreMixteEssai, unePersonneSansAscendantsNiDescendantsSeReduitAUneBoite) {
    BaseEssai b(essai::gedcomDeFamilles(3, {{1, 2, {}, ""}}));
    auto d = arbre(b, 3);
    ecrire(b, *d, "seule.pdf");
    EXPECT_EQ(d->ascendants().nombreBoites(), 1u);
    EXPECT_EQ(d->descendants().rangees().nombreBoites(), 1u);
    verifierRacineCommune(*d);
    EXPECT_EQ(d->hauteurArbre(), 945);
}

TEST_F(ArbreMixteEssai, lesDeuxMoitiesSeJoignentSurLaRacineSansSeRecouvrir) {
    BaseEssai b(gedcomMixte());
    auto d = arbre(b, 3);
    const std::string chemin = ecrire(b, *d, "mixte.pdf");
    EXPECT_EQ(d->ascendants().nombreBoites(), 5u);
    EXPECT_EQ(d->descendants().rangees().nombreBoites(), 6u);
    verifierRacineCommune(*d);
    verifierSansRecouvrement(*d);
    const NoeudAscendant& r = *d->racinesAscendantes()[0];
    for (const NoeudAscendant* n : d->ascendants().boites()) EXPECT_TRUE(n == &r || n->bas() > r.y);
    for (const NoeudDescendant* n : d->descendants().rangees().boites()) EXPECT_LE(n->y, r.y);
    // La racine n'est écrite qu'une fois ; ses deux conjoints suivent, le second en tirets.
    LecturePdf pdf(chemin);
    EXPECT_EQ(LecturePdf::compterDans(pdf.contenus().at(0), "(N3 P3)"), 1u);
    EXPECT_EQ(LecturePdf::compterDans(pdf.contenus()[0], "(N4 P4)"), 1u);
    EXPECT_EQ(LecturePdf::compterDans(pdf.contenus()[0], kTirets), 1u);
    essai::controlerPdf(chemin);
}

TEST_F(ArbreMixteEssai, leCoupleDuFamilialEstCommunEtSonMariageTraceUneFois) {
    BaseEssai b(gedcomMixte());
    auto d = arbre(b, 4, 3);  // la femme désigne le couple : le mari reste à gauche
    const std::string chemin = ecrire(b, *d, "familial.pdf");
    ASSERT_EQ(d->racinesAscendantes().size(), 2u);
    EXPECT_EQ(d->racinesAscendantes()[0]->personne, static_cast<std::uint32_t>(b.personne("P3")));
    verifierRacineCommune(*d);
    verifierSansRecouvrement(*d);
    // Seuls les enfants du couple : l'autre union du mari reste à son arbre individuel.
    EXPECT_EQ(d->descendants().rangees().nombreBoites(), 4u);
    LecturePdf pdf(chemin);
    EXPECT_EQ(LecturePdf::compterDans(pdf.contenus().at(0), "(x 1880)"), 1u);
    EXPECT_EQ(LecturePdf::compterDans(pdf.contenus()[0], "(N3 P3)"), 1u);
    EXPECT_EQ(LecturePdf::compterDans(pdf.contenus()[0], "(N4 P4)"), 1u);
    essai::controlerPdf(chemin);
}

TEST_F(ArbreMixteEssai, chronologiqueUnConjointPlusAgeResteALaHauteurDeLaRacine) {
    essai::DonneesLivrees donnees;
    std::map<int, essai::DetailsPersonne> nes;
    const char* annees[] = {"1830", "1832", "1860", "1830", "1885", "1888", "1865", "1895", "1800", "1805"};
    for (int p = 1; p <= 10; ++p) nes[p].naissance = annees[p - 1];
    BaseEssai b(gedcomMixte(nes));
    auto d = arbre(b, 3);
    d->valeur(kFondDePage) = std::string("Siècles"_1252);
    const std::string chemin = ecrire(b, *d, "chrono.pdf");
    ASSERT_TRUE(d->chronologique());
    EXPECT_TRUE(b.messages.empty());
    EXPECT_EQ(d->varianteCompteur(), 1u);
    verifierRacineCommune(*d);
    verifierSansRecouvrement(*d);
    const NoeudAscendant& r = *d->racinesAscendantes()[0];
    EXPECT_GE(r.x, d->decalageChronologie());
    // Une seule échelle : 30 ans au-dessus pour le père, 25 ans en dessous pour l'enfant.
    EXPECT_EQ(r.pere->y - r.y, 30 * 64);
    const NoeudDescendant* racineBasse = d->racinesDescendantes()[0];
    const NoeudDescendant* epouse = racineBasse->suivant;
    ASSERT_TRUE(epouse && epouse->conjoint);
    EXPECT_EQ(epouse->y, r.y);
    ASSERT_NE(epouse->premierEnfant, nullptr);
    EXPECT_EQ(r.y - epouse->premierEnfant->y, 25 * 64);
    essai::controlerPdf(chemin);
}

// Victoria dans royal92 : ses ascendants et ses descendants, sans recouvrement.
TEST_F(ArbreMixteEssai, lesSortiesDesFichiersReelsPassentLesVerificateurs) {
    fichiersReels("Victoria", kCritereColoration<SorteArbreChromatique::Mixte>, [](const ArbreMixte& d) {
        EXPECT_GT(d.descendants().rangees().nombreRangees(), 2);
        EXPECT_TRUE(d.chemin.find("royal92") == std::string::npos || d.ascendants().nombreRangees() > 2);
        verifierRacineCommune(d);
        verifierSansRecouvrement(d);
    });
}

// Les parents 7 et 8 de la racine 9 sont cousins germains : 3 et 4 sont enfants de 1 × 2.
// 3 × 5 → 7 ; 4 × 6 → 8 ; 7 × 8 → 9, 10.
std::string gedcomParentsCousins() {
    return essai::gedcomDeFamilles(10, {{1, 2, {3, 4}, ""}, {3, 5, {7}, ""}, {6, 4, {8}, ""}, {7, 8, {9, 10}, ""}},
                                   {{4, {"", "", 'F'}}, {6, {"", "", 'M'}}});
}

// Racine 1, parents 2 × 3 ; grands-parents paternels 4 × 5 (enfants 2 et 6), maternels 7 × 8
// (enfants 3 et 9). Le cousin 10 (fils de 6) épouse la cousine 11 (fille de 9) : leur enfant 12.
// Le père 2 a aussi un fils 14 d'une autre femme 13.
std::string gedcomCousinsDesDeuxCotesMaries() {
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
    std::map<int, essai::DetailsPersonne> naissances;
    const char* annees[] = {"1860", "1830", "1800", "1805", "1832", "1862", "1815", "1840", "1870"};
    for (int p = 1; p <= 9; ++p) naissances[p].naissance = annees[p - 1];
    return essai::gedcomDeFamilles(
        9, {{0, 2, {1}, ""}, {3, 4, {2, 5}, ""}, {5, 0, {6}, ""}, {3, 7, {8}, ""}, {8, 0, {9}, ""}}, naissances);
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

TEST_F(ArbreCousinsEssai, uneRacineSansParentEstRefusee) {
    BaseEssai b(gedcomCousinsDesDeuxCotesMaries());
    EXPECT_EQ(essai::messageDe([&] { arbre(b, 4)->verifierParametres(b.contexte); }),
              "La racine de l'arbre n'a pas de parent connu."_1252);
}

TEST_F(ArbreCousinsEssai, uneFamilleDeCousinsMariesNestDessineeQuUneFoisEtLeRenvoiMeneASonDessin) {
    BaseEssai b(gedcomCousinsDesDeuxCotesMaries());
    auto d = arbre(b, 1);
    const std::string chemin = ecrire(b, *d, "cousins.pdf");
    ASSERT_EQ(d->couples().size(), 3u);
    EXPECT_EQ(d->couples()[1].cote, 1);
    EXPECT_EQ(d->couples()[2].cote, 2);
    EXPECT_EQ(apparitions(*d)[static_cast<std::uint32_t>(b.personne("P12"))], 1);
    verifierSansRecouvrement(*d);
    // La branche du côté 1 à gauche du centre du père, celle du côté 2 à droite de celui de la mère.
    const NoeudDescendant* pere = d->couples()[0].branche->racine();
    const NoeudDescendant* mere = pere->suivant;
    for (const NoeudDescendant* n : d->couples()[1].branche->rangees().boites()) EXPECT_LE(n->droite(), pere->centre());
    for (const NoeudDescendant* n : d->couples()[2].branche->rangees().boites()) EXPECT_GE(n->x, mere->centre());
    // Couleurs de branche : aucune pour le couple racine, deux autres différentes.
    EXPECT_TRUE(pere->remplissage.blanche());
    const CouleurBoite un = d->couples()[1].branche->racine()->remplissage;
    const CouleurBoite deux = d->couples()[2].branche->racine()->remplissage;
    EXPECT_FALSE(un.blanche() || deux.blanche());
    EXPECT_NE(un, deux);
    // Le renvoi de la seconde branche mène à la famille dessinée dans la première.
    LecturePdf pdf(chemin);
    EXPECT_EQ(pdf.compter("/Subtype /Link"), 1u);
    essai::controlerPdf(chemin);
}

// Des parents cousins : le couple commun 1 × 2 est fait une fois (deux avec la préférence des branches
// doubles), aucune copie ne dessine l'autre lignée comme cousins ; une lignée coupée non plus.
TEST_F(ArbreCousinsEssai, desParentsCousinsSimplesDoublesOuLigneeCoupee) {
    BaseEssai b(gedcomParentsCousins());
    const auto p = [&b](int n) { return static_cast<std::uint32_t>(b.personne("P" + std::to_string(n))); };
    Configuration doubles;
    for (bool deuxFois : {false, true}) {
        doubles.doublesBranchesAscendantes = deuxFois;
        b.contexte.preferences = &doubles;
        auto d = arbre(b, 9);
        essai::controlerPdf(ecrire(b, *d, "doubles.pdf"));
        ASSERT_EQ(d->couples().size(), deuxFois ? 5u : 4u);
        const auto m = apparitions(*d);
        EXPECT_EQ(m.size(), 10u);
        for (const auto& [personne, nombre] : m)
            EXPECT_EQ(nombre, deuxFois && (personne == p(1) || personne == p(2)) ? 2 : 1) << personne;
        verifierSansRecouvrement(*d);
    }

    b.contexte.preferences = nullptr;
    auto c = arbre(b, 9);
    EnsemblePersonnes coupes(b.base().nombreIndividus());
    coupes.ajouter(p(8));
    c->valeur(kCoupesArbre) = coupes;
    ecrire(b, *c, "coupe-mere.pdf");
    ASSERT_EQ(c->couples().size(), 3u);
    EXPECT_TRUE(c->couples()[0].nonSuiviFemme);
    const auto m = apparitions(*c);
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
    ASSERT_EQ(d->couples().size(), 2u);
    EXPECT_EQ(d->couples()[0].mari, 0u);
    EXPECT_EQ(d->couples()[1].cote, 2);
    std::map<std::uint32_t, const NoeudDescendant*> boite;
    for (const CoupleAscendant& c : d->couples())
        for (const NoeudDescendant* n : c.branche->rangees().boites()) boite[n->personne] = n;
    ASSERT_EQ(boite.size(), 9u);
    for (const auto& [personne, nombre] : apparitions(*d)) EXPECT_EQ(nombre, 1) << personne;
    EXPECT_EQ(boite[p(2)]->y - boite[p(1)]->y, 30 * 64);
    EXPECT_EQ(boite[p(3)]->y - boite[p(2)]->y, 30 * 64);
    EXPECT_EQ(boite[p(8)]->y - boite[p(9)]->y, 30 * 64);
    verifierSansRecouvrement(*d);
    essai::controlerPdf(chemin);
}

// Le père 2 et la mère 3 de la racine 1 sont demi-frère et sœur : le grand-père 4 a eu 2 avec 5
// et 3 avec 6. Le couple 4 × 6 est monté (4 n'y est plus suivi), et l'ascendance de 6 (7 × 8) avec.
TEST_F(ArbreCousinsEssai, unGrandPereRemarieNePriveNiLaGrandMereNiSesAscendants) {
    BaseEssai b(essai::gedcomDeFamilles(8, {{2, 3, {1}, ""}, {4, 5, {2}, ""}, {4, 6, {3}, ""}, {7, 8, {6}, ""}},
                                        {{3, {"", "", 'F'}}, {5, {"", "", 'F'}}, {6, {"", "", 'F'}}}));
    const auto p = [&b](int n) { return static_cast<std::uint32_t>(b.personne("P" + std::to_string(n))); };
    auto d = arbre(b, 1);
    essai::controlerPdf(ecrire(b, *d, "grand-pere-remarie.pdf"));
    std::vector<std::pair<std::uint32_t, std::uint32_t>> couples;
    for (const CoupleAscendant& c : d->couples()) couples.emplace_back(c.mari, c.femme);
    EXPECT_EQ(couples, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{
                           {p(2), p(3)}, {p(4), p(5)}, {p(4), p(6)}, {p(7), p(8)}}));
    EXPECT_EQ(apparitions(*d).count(p(7)), 1u);
    verifierSansRecouvrement(*d);
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
    essai::controlerPdf(chemin);
}

}  // namespace
}  // namespace lignara
