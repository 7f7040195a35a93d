// Les arbres mixtes individuel et familial : paramètres, jonction des deux moitiés (racine
// commune, échelles du temps d'accord, rien ne se recouvre), coloration partagée, fichiers PDF
// et Web, compteurs d'usage et ligne de commande.
#include "documents/arbres/ArbreMixte.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ArbreEssai.h"
#include "BaseEssai.h"
#include "GenealogieArbre.h"
#include "support/Programme.h"
#include "commun/Texte.h"
#include "documents/ExecutionDocument.h"
#include "documents/ParametresLigneCommande.h"
#include "render/LecturePdf.h"
#include "render/PoliceChargement.h"
#include "render/PoliceFamille.h"
#include "reglages/CompteursUsage.h"
#include "support/Controles.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::BaseEssai;
using essai::DossierEssai;
using essai::LecturePdf;

constexpr const char* kTirets = "[3] 0 d";
constexpr auto kCritere = &kCritereColoration<SorteArbreChromatique::Mixte>;

using essai::DonneesLivrees;

// 9 × 10 → 1 ; 1 × 2 → 3 ; 3 × 4 → 5, 6 ; 3 × 7 → 8 (un second mariage).
std::string gedcomMixte(const std::map<int, essai::DetailsPersonne>& details = {}) {
    return essai::gedcomDeFamilles(
        10, {{9, 10, {1}, ""}, {1, 2, {3}, "1850"}, {3, 4, {5, 6}, "1880"}, {3, 7, {8}, "1890"}}, details);
}

struct Rectangle {
    std::int32_t gauche, bas, droite, haut;
    std::uint32_t personne;
};

class ArbreMixteEssai : public essai::EssaiArbre<ArbreMixte> {
protected:
    // Les boîtes dessinées : toute la moitié haute, la moitié basse sans ses boîtes de racine.
    static std::vector<Rectangle> boitesDessinees(const ArbreMixte& d) {
        std::vector<Rectangle> v;
        for (const NoeudAscendant* n : d.ascendants().boites())
            v.push_back({n->x, n->bas(), n->droite(), n->y, n->personne});
        const std::vector<const NoeudDescendant*> racines = d.racinesDescendantes();
        for (const NoeudDescendant* n : d.descendants().rangees().boites())
            if (std::find(racines.begin(), racines.end(), n) == racines.end())
                v.push_back({n->x, n->bas(), n->droite(), n->y, n->personne});
        return v;
    }
    // Aucune boîte n'en recouvre une autre, toutes sont dans le dessin.
    static void verifierSansRecouvrement(const ArbreMixte& d) {
        const std::vector<Rectangle> v = boitesDessinees(d);
        for (std::size_t i = 0; i < v.size(); ++i) {
            EXPECT_GE(v[i].bas, 0) << v[i].personne;
            EXPECT_LE(v[i].haut, d.hauteurArbre()) << v[i].personne;
            EXPECT_LE(v[i].droite, d.largeur) << v[i].personne;
            for (std::size_t j = i + 1; j < v.size(); ++j) {
                const bool disjoints = v[i].droite <= v[j].gauche || v[j].droite <= v[i].gauche ||
                                       v[i].haut <= v[j].bas || v[j].haut <= v[i].bas;
                EXPECT_TRUE(disjoints) << v[i].personne << " et " << v[j].personne;
            }
        }
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
}

TEST_F(ArbreMixteEssai, leFamilialDitQuandLaRacineNAPasDeConjoint) {
    BaseEssai b(gedcomMixte());
    auto d = arbre(b, 5, 0);
    auto f = std::make_unique<ArbreMixte>(*afficheurDeCode(ArbreMixte::kCodeFamilial));
    f->initialiserParametres(b.contexte);
    f->valeur(kRacine) = b.personne("P5");
    EXPECT_FALSE(f->verifierParametres(b.contexte));
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0], "La racine de l'arbre n'a aucun conjoint connu");
}

TEST_F(ArbreMixteEssai, unePersonneSansAscendantsNiDescendantsSeReduitAUneBoite) {
    BaseEssai b(essai::gedcomDeFamilles(3, {{1, 2, {}, ""}}));
    auto d = arbre(b, 3);
    LecturePdf pdf(ecrire(b, *d, "seule.pdf"));
    EXPECT_EQ(d->ascendants().nombreBoites(), 1u);
    EXPECT_EQ(d->descendants().rangees().nombreBoites(), 1u);
    EXPECT_EQ(boitesDessinees(*d).size(), 1u);
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
    DonneesLivrees donnees;
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

TEST_F(ArbreMixteEssai, lesMemesParametresRefontLesMemesOctets) {
    BaseEssai b(gedcomMixte());
    verifierMemesOctets(b, 3);
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
    const std::vector<std::pair<fs::path, std::string>> cas = {
        {fs::path(LIGNARA_DOSSIER_SOURCES) / "data/exemples/famille-exemple.ged", "Claude"},
        {fs::path(LIGNARA_DOSSIER_TESTDATA) / "porges-mdf/royal92.ged", "Victoria"}};
    for (const auto& [fichier, prenom] : cas) {
        if (!essai::fichierReelPresent(fichier)) continue;
        BaseEssai b(essai::lireFichier(fichier));
        const std::int32_t racine = essai::personneParPrenom(b.base(), prenom, true);
        ASSERT_NE(racine, 0) << fichier;
        for (std::uint8_t format : {std::uint8_t{0}, std::uint8_t{3}}) {
            auto d = std::make_unique<ArbreMixte>(*afficheurDeCode(ArbreMixte::kCodeIndividuel));
            b.contexte.polices = polices_;
            d->initialiserParametres(b.contexte);
            d->valeur(kRacine) = racine;
            d->valeur(kFormat) = format;
            d->valeur(*kCritere) = std::uint8_t{ColorationPays};
            d->valeur(kSuppressionNonColorees) = std::uint8_t{0};
            const std::string chemin = ecrire(b, *d, fichier.stem().string() + (format ? ".htm" : ".pdf"));
            EXPECT_GT(d->descendants().rangees().nombreRangees(), 2) << fichier;
            if (prenom == "Victoria") {
                EXPECT_GT(d->ascendants().nombreRangees(), 2);
            }
            verifierRacineCommune(*d);
            verifierSansRecouvrement(*d);
            if (format)
                verifierHtml(chemin);
            else
                verifierPdf(chemin);
        }
    }
}

TEST(CommandeArbreMixte, produitLesArbresIndividuelEtFamilial) {
    DossierEssai d;
    const auto ged = d / "mixte.ged";
    {
        std::ofstream f(ged);
        f << gedcomMixte();
    }
    auto s = essai::lancerProgramme("document arbre-mixte '" + ged.string() +
                                    "' --racine @I3@ --option \"Critère de coloration=Nb d'apparitions\" "
                                    "--option \"Couper toutes les branches au-delà de=1\" --sortie '" +
                                    (d / "a.pdf").string() + "'");
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_EQ(essai::lireFichier(d / "a.pdf").substr(0, 8), "%PDF-1.7");
    s = essai::lancerProgramme("document arbre-mixte-familial '" + ged.string() +
                               "' --racine @I3@ --conjoint @I7@ --format web --option "
                               "\"Affiche les descendants contemporaines=non\" --sortie '" +
                               (d / "a.htm").string() + "'");
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_NE(essai::lireFichier(d / "a.htm").find("<title>Arbre mixte</title>"), std::string::npos);
    s = essai::lancerProgramme("document arbre-mixte '" + ged.string() + "' --racine @I3@ --format texte");
    EXPECT_NE(s.code, 0);
}

}  // namespace
}  // namespace lignara
