#include "documents/arbres/DocumentArbreDescendant.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "ArbreEssai.h"
#include "render/LecturePdf.h"
#include "reglages/Configuration.h"
#include "reglages/RaccordDessin.h"

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

}  // namespace
}  // namespace lignara
