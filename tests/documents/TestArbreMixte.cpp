#include "documents/arbres/ArbreMixte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ArbreEssai.h"
#include "render/LecturePdf.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::LecturePdf;

constexpr const char* kTirets = "[3] 0 d";
constexpr auto kCritere = &kCritereColoration<SorteArbreChromatique::Mixte>;

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
    fichiersReels("Victoria", *kCritere, [](const ArbreMixte& d) {
        EXPECT_GT(d.descendants().rangees().nombreRangees(), 2);
        EXPECT_TRUE(d.chemin.find("royal92") == std::string::npos || d.ascendants().nombreRangees() > 2);
        verifierRacineCommune(d);
        verifierSansRecouvrement(d);
    });
}

}  // namespace
}  // namespace lignara
