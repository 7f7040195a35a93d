// Les arbres mixtes individuel et familial : paramètres, jonction des deux moitiés (racine
// commune, échelles du temps d'accord, rien ne se recouvre), coloration partagée, fichiers PDF
// et Web, compteurs d'usage et ligne de commande.
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
        for (std::size_t i = 0; i < hautes.size(); ++i) {
            EXPECT_EQ(hautes[i]->personne, basses[i]->personne);
            EXPECT_EQ(hautes[i]->x, basses[i]->x);
            EXPECT_EQ(hautes[i]->y, basses[i]->y);
            EXPECT_EQ(hautes[i]->largeur, basses[i]->largeur);
        }
    }
};

TEST_F(ArbreMixteEssai, lesParametresSuiventLesSignaturesEtLeursValeursDeDepart) {
    BaseEssai b(gedcomMixte());
    auto d = arbre(b, 3);
    EXPECT_EQ(d->type().signature(), "Psbs11bL1");
    EXPECT_EQ(arbre(b, 3, 4)->type().signature(), "PsPbs11bL1");
    ASSERT_TRUE(d->signature().accepte(d->parametres));
    EXPECT_EQ(std::get<std::uint8_t>(d->valeur(kDescendantsContemporains)), 1);
    EXPECT_EQ(std::get<std::uint8_t>(d->valeur(*kCritere)), 255);
    EXPECT_EQ(std::get<std::uint8_t>(d->valeur(kSuppressionNonColorees)), 1);
    std::vector<std::string> libelles;
    for (const OptionDocument& o : optionsDuType(d->type())) libelles.push_back(o.libelle);
    // Pas d'option agnatique ni de style : la moitié haute est toujours par couple.
    EXPECT_EQ(libelles, (std::vector<std::string>{"Affiche les descendants contemporaines", "Fond de page",
                                                  "Critère de coloration", "Suppression des branches non colorées",
                                                  "Couper toutes les branches au-delà de"}));
    // Les critères de branche ne sont pas offerts.
    d->valeur(*kCritere) = std::uint8_t{ColorationBrancheDescendante};
    d->preparer(b.contexte);
    EXPECT_FALSE(d->chromatique());
    // Le familial dit quand la racine n'a pas de conjoint.
    auto f = std::make_unique<ArbreMixte>(*afficheurDeCode(ArbreMixte::kCodeFamilial));
    f->initialiserParametres(b.contexte);
    f->valeur(kRacine) = b.personne("P5");
    EXPECT_FALSE(f->verifierParametres(b.contexte));
    EXPECT_EQ(b.messages, std::vector<std::string>{"La racine de l'arbre n'a aucun conjoint connu"});
}

TEST_F(ArbreMixteEssai, unePersonneSansAscendantsNiDescendantsSeReduitAUneBoite) {
    BaseEssai b(essai::gedcomDeFamilles(3, {{1, 2, {}, ""}}));
    auto d = arbre(b, 3);
    LecturePdf pdf(ecrire(b, *d, "seule.pdf"));
    EXPECT_EQ(d->ascendants().nombreBoites(), 1u);
    EXPECT_EQ(d->descendants().rangees().nombreBoites(), 1u);
    verifierRacineCommune(*d);
    EXPECT_EQ(d->hauteurArbre(), 945);
    EXPECT_EQ(LecturePdf::compterDans(pdf.contenus().at(0), "(N3 P3)"), 1u);
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
    for (const NoeudAscendant* n : d->ascendants().boites()) {
        if (n == &r) continue;
        EXPECT_GT(n->bas(), r.y);
    }
    for (const NoeudDescendant* n : d->descendants().rangees().boites()) EXPECT_LE(n->y, r.y);
    // La racine n'est écrite qu'une fois ; ses deux conjoints suivent, le second en tirets.
    LecturePdf pdf(chemin);
    EXPECT_NE(pdf.octets.find("/Title (Arbre mixte)"), std::string::npos);
    EXPECT_EQ(LecturePdf::compterDans(pdf.contenus().at(0), "(N3 P3)"), 1u);
    EXPECT_EQ(LecturePdf::compterDans(pdf.contenus()[0], "(N4 P4)"), 1u);
    EXPECT_EQ(LecturePdf::compterDans(pdf.contenus()[0], kTirets), 1u);
    verifierPdf(chemin);
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
    verifierPdf(chemin);
    auto w = arbre(b, 4, 3);
    w->valeur(kFormat) = std::uint8_t{3};
    const std::string html = essai::lireFichier(ecrire(b, *w, "familial.htm"));
    EXPECT_EQ(LecturePdf::compterDans(html, "1880"), 1u);
    verifierHtml(w->chemin);
}

TEST_F(ArbreMixteEssai, chronologiqueUnConjointPlusAgeResteALaHauteurDeLaRacine) {
    essai::DonneesLivrees donnees;
    BaseEssai b(gedcomMixte({{9, {"1800", ""}},
                             {10, {"1805", ""}},
                             {1, {"1830", ""}},
                             {2, {"1832", ""}},
                             {3, {"1860", ""}},
                             {4, {"1830", ""}},
                             {7, {"1865", ""}},
                             {5, {"1885", ""}},
                             {6, {"1888", ""}},
                             {8, {"1895", ""}}}));
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
    verifierPdf(chemin);
    auto w = arbre(b, 3);
    w->valeur(kFondDePage) = std::string("Siècles"_1252);
    w->valeur(kFormat) = std::uint8_t{3};
    verifierHtml(ecrire(b, *w, "chrono.htm"));
}

TEST_F(ArbreMixteEssai, lesApparitionsAvecElagageGardentLaMoitieBasse) {
    // 1 descend de 9 par ses deux parents : il apparaît deux fois, rien d'autre n'est coloré
    // parmi les descendants de la racine.
    BaseEssai b(essai::gedcomDeFamilles(
        9, {{9, 0, {5, 6}, ""}, {5, 0, {2}, ""}, {6, 0, {7}, ""}, {2, 7, {1}, ""}, {1, 3, {4, 8}, ""}}));
    auto simple = arbre(b, 1);
    simple->preparer(b.contexte);
    auto d = arbre(b, 1);
    d->valeur(*kCritere) = std::uint8_t{ColorationApparitions};
    ecrire(b, *d, "apparitions.pdf");
    ASSERT_TRUE(d->chromatique());
    EXPECT_EQ(d->descendants().rangees().nombreBoites(), simple->descendants().rangees().nombreBoites());
    EXPECT_EQ(d->descendants().rangees().nombreBoites(), 4u);
    EXPECT_EQ(d->varianteCompteur(), 2u);
}

TEST_F(ArbreMixteEssai, laColorationEstPartageeEntreLesDeuxMoities) {
    // Même pays pour un ascendant et un descendant : même couleur, une seule ligne de légende.
    std::string ged = essai::gedcomDeFamilles(4, {{1, 2, {3}, ""}, {3, 0, {4}, ""}});
    for (const char* p : {"@I1@", "@I4@"}) {
        const std::string entete = std::string("0 ") + p + " INDI\n";
        const auto i = ged.find(entete);
        ASSERT_NE(i, std::string::npos);
        const auto fin = ged.find("\n0 ", i + 1);
        ged.insert(fin + 1, "1 BIRT\n2 PLAC Lyon, France\n");
    }
    BaseEssai c(ged);
    auto d = arbre(c, 3);
    d->valeur(*kCritere) = std::uint8_t{ColorationPays};
    d->valeur(kSuppressionNonColorees) = std::uint8_t{0};
    ecrire(c, *d, "pays.pdf");
    const NoeudAscendant* pere = d->racinesAscendantes()[0]->pere;
    const NoeudDescendant* enfant = d->racinesDescendantes()[0]->premierEnfant;
    ASSERT_TRUE(pere && enfant);
    EXPECT_FALSE(pere->remplissage.blanche());
    EXPECT_EQ(pere->remplissage, enfant->remplissage);
    EXPECT_TRUE(d->racinesAscendantes()[0]->remplissage.blanche());
}

TEST_F(ArbreMixteEssai, enWebChaquePersonneAUneSeuleAncre) {
    BaseEssai b(gedcomMixte());
    auto d = arbre(b, 3);
    d->valeur(kFormat) = std::uint8_t{3};
    const std::string chemin = ecrire(b, *d, "mixte.htm");
    const std::string html = essai::lireFichier(chemin);
    EXPECT_NE(html.find("<title>Arbre mixte</title>"), std::string::npos);
    EXPECT_EQ(LecturePdf::compterDans(html, "<a name=\"p"), 10u);
    EXPECT_EQ(LecturePdf::compterDans(html, "<a name=\"p" + std::to_string(b.personne("P3")) + "\""), 1u);
    verifierHtml(chemin);
}

TEST_F(ArbreMixteEssai, chaqueVarianteAjouteAuCompteurDeLArbreMixte) {
    BaseEssai b(gedcomMixte());
    const CompteursUsage compteurs = compterVariantes(b, "P3", {"(aucun)", "Pays"});
    const Afficheur& type = typeArbre(false);
    EXPECT_EQ(compteurs.compteurs[type.compteur], 1);
    EXPECT_EQ(compteurs.compteurs[type.compteur + 2], 1);
    EXPECT_EQ(compteurs.compteurs[afficheurDeCode(1)->compteur], 0);
    EXPECT_EQ(compteurs.compteurs[afficheurDeCode(2)->compteur], 0);
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

TEST(CommandeArbreMixte, produitLesArbresIndividuelEtFamilial) {
    const essai::CommandeEssai lancer(gedcomMixte());
    auto s = lancer("arbre-mixte",
                    "--racine @I3@ --option \"Critère de coloration=Nb d'apparitions\" "
                    "--option \"Couper toutes les branches au-delà de=1\"" +
                        lancer.sortie("a.pdf"));
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_EQ(lancer.lire("a.pdf").substr(0, 8), "%PDF-1.7");
    s = lancer("arbre-mixte-familial",
               "--racine @I3@ --conjoint @I7@ --format web --option \"Affiche les descendants contemporaines=non\"" +
                   lancer.sortie("a.htm"));
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_NE(lancer.lire("a.htm").find("<title>Arbre mixte</title>"), std::string::npos);
    EXPECT_NE(lancer("arbre-mixte", "--racine @I3@ --format texte").code, 0);
}

}  // namespace
}  // namespace lignara
