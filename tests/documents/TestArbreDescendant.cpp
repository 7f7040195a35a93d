// Le document « Arbre descendant » : paramètres, préparation (chronologie, coloration,
// élagage), fichiers PDF et Web (raccords, chevrons et renvois, signature, validité), ligne de
// commande.
#include "documents/arbres/DocumentArbreDescendant.h"

#include <gtest/gtest.h>

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

TEST_F(ArbreDescendantEssai, lesParametresLeursValeursDeDepartEtLeChronologiqueSansDate) {
    BaseEssai b(essai::gedcomDeFamilles(3, {{1, 2, {3}, ""}}));
    auto d = arbre(b, 1);
    EXPECT_EQ(d->type().signature(), "Psbbs11bL1");
    ASSERT_TRUE(d->signature().accepte(d->parametres));
    for (const auto& [p, attendu] : {std::pair{&kAgnatique, 0},
                                     {&kContemporains, 1},
                                     {&kFormat, 0},
                                     {&kCritere, 255},
                                     {&kSuppressionNonColorees, 1},
                                     {&kLimiteGenerations, 0}})
        EXPECT_EQ(std::get<std::uint8_t>(d->valeur(*p)), attendu) << p->lettre;
    EXPECT_EQ(std::get<std::string>(d->valeur(kFondDePage)), "");
    std::vector<std::string> libelles;
    for (const OptionDocument& o : optionsDuType(d->type())) libelles.push_back(o.libelle);
    EXPECT_EQ(libelles, (std::vector<std::string>{"Arbre agnatique (limité aux branches masculines)",
                                                  "Affiche les personnes contemporaines", "Fond de page",
                                                  "Critère de coloration", "Suppression des branches non colorées",
                                                  "Couper toutes les branches au-delà de"}));
    EXPECT_TRUE(d->verifierParametres(b.contexte));
    // Chronologique sans aucune date : ordinaire, avec le message.
    d->valeur(kFondDePage) = std::string("Siècles"_1252);
    d->preparer(b.contexte);
    EXPECT_EQ(b.messages,
              std::vector<std::string>{"L'arbre ne peut pas être chronologique\ncar aucune date n'est connue"_1252});
    EXPECT_FALSE(d->chronologique());
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
    LecturePdf pdf(chemin);
    ASSERT_EQ(pdf.contenus().size(), 1u);
    EXPECT_EQ(LecturePdf::compterDans(pdf.contenus()[0], kTirets), 1u);
    EXPECT_NE(pdf.octets.find("/Title (Arbre descendant)"), std::string::npos);
    // Les enfants pendent sous le milieu de l'écart de mariage de leurs parents.
    const NoeudDescendant* r = d->arbre().racine();
    EXPECT_EQ(r->suivant->premierEnfant->centre(), r->suivant->x - r->suivant->largeurMariage / 2 - 240);
    verifierPdf(chemin);
}

TEST_F(ArbreDescendantEssai, uneFamilleDessineeAilleursPorteDesChevronsLiesAuDessin) {
    BaseEssai b(gedcomCousinsMaries());
    auto d = arbre(b, 1);
    const std::string chemin = ecrire(b, *d, "cousins.pdf");
    LecturePdf pdf(chemin);
    EXPECT_EQ(pdf.compter("/Subtype /Link"), 1u);
    EXPECT_EQ(pdf.compter("/Dest ["), 1u);
    EXPECT_EQ(LecturePdf::compterDans(pdf.contenus().at(0), kTirets), 0u);
    verifierPdf(chemin);
    // Sans les chevrons, une famille coupée montre un court trait en tirets.
    EnsemblePersonnes coupes(b.base().nombreIndividus());
    coupes.ajouter(static_cast<std::uint32_t>(b.personne("P9")));
    auto c = arbre(b, 1);
    c->valeur(kCoupesArbre) = coupes;
    LecturePdf coupe(ecrire(b, *c, "coupe.pdf"));
    EXPECT_EQ(LecturePdf::compterDans(coupe.contenus().at(0), kTirets), 1u);
    EXPECT_EQ(coupe.compter("/Subtype /Link"), 1u);
}

TEST_F(ArbreDescendantEssai, enWebUneFamilleDessineeAilleursRenvoieALAncreDeSonCouple) {
    BaseEssai b(gedcomCousinsMaries());
    auto d = arbre(b, 1);
    d->valeur(kFormat) = std::uint8_t{3};
    const std::string chemin = ecrire(b, *d, "cousins.htm");
    const std::string html = essai::lireFichier(chemin);
    const std::string huit = std::to_string(b.personne("P8"));
    EXPECT_EQ(LecturePdf::compterDans(html, "<a name=\"f" + huit + "\"></a>"), 1u) << html;
    EXPECT_EQ(LecturePdf::compterDans(html, "href=\"#f" + huit + "\">&or;<br>&or;</a>"), 1u);
    // Une ancre « p » par personne dessinée (5 et 6 le sont deux fois).
    EXPECT_EQ(LecturePdf::compterDans(html, "<a name=\"p"), 10u);
    EXPECT_NE(html.find("<title>Arbre descendant</title>"), std::string::npos);
    EXPECT_EQ(html.substr(html.size() - 16), "</body>\n</html>\n");
    verifierHtml(chemin);
}

TEST_F(ArbreDescendantEssai, laBandeDeSignatureVaAGaucheDeLaRacineQuandElleLaissePlace) {
    // Douze enfants : la racine, centrée au-dessus, laisse la place de la bande.
    std::vector<int> enfants;
    for (int k = 3; k <= 14; ++k) enfants.push_back(k);
    BaseEssai b(essai::gedcomDeFamilles(14, {{1, 2, enfants, ""}}));
    Configuration preferences;
    preferences.signature = true;
    preferences.ligneSignature1 = "Famille Roy";
    b.contexte.preferences = &preferences;
    polices_ = chargerPolicesDesPreferences(preferences, {});
    auto d = arbre(b, 1);
    LecturePdf pdf(ecrire(b, *d, "signature.pdf"));
    const NoeudDescendant& r = *d->arbre().racine();
    const std::int32_t l = d->polices.largeurSignature;
    ASSERT_GE(r.x, l + 45);
    const std::string fond = essai::pointPdf(std::max(0, r.x - 3 * l)) + " " + essai::pointPdf(r.y - 528 + 32) + " ";
    EXPECT_NE(pdf.contenus().at(0).find(fond), std::string::npos) << fond;
    // Une racine sans enfants est au bord : pas de bande.
    auto seule = arbre(b, 3);
    LecturePdf sans(ecrire(b, *seule, "sans-signature.pdf"));
    EXPECT_EQ(seule->arbre().racine()->x, 0);
    EXPECT_EQ(LecturePdf::compterDans(sans.contenus().at(0), "Famille Roy"), 0u);
    EXPECT_EQ(LecturePdf::compterDans(pdf.contenus()[0], "Famille Roy"), 1u);
}

TEST_F(ArbreDescendantEssai, laBrancheDescendanteColoreChaqueEnfantDeLaRacineEtSesDescendants) {
    BaseEssai b(essai::gedcomDeFamilles(8, {{1, 2, {3, 4}, ""}, {3, 5, {6}, ""}, {4, 7, {8}, ""}}));
    auto d = arbre(b, 1);
    d->valeur(kCritere) = std::uint8_t{ColorationBrancheDescendante};
    d->preparer(b.contexte);
    ASSERT_TRUE(d->chromatique());
    EXPECT_EQ(d->varianteCompteur(), 2u);
    const NoeudDescendant& racine = *d->arbre().racine();
    EXPECT_TRUE(racine.remplissage.blanche());
    const NoeudDescendant& trois = *d->arbre().rangees().premier(1);
    const NoeudDescendant& cinq = *trois.suivant;
    const NoeudDescendant& quatre = *cinq.suivant;
    EXPECT_EQ(trois.remplissage, (CouleurBoite{0xf0, 0x96, 0x00}));
    EXPECT_EQ(cinq.remplissage, trois.remplissage);
    EXPECT_EQ(quatre.remplissage, (CouleurBoite{0x9b, 0x9b, 0xfa}));
    EXPECT_EQ(d->arbre().rangees().premier(2)->remplissage, trois.remplissage);
    EXPECT_EQ(d->arbre().rangees().premier(2)->suivant->remplissage, quatre.remplissage);
}

TEST_F(ArbreDescendantEssai, lesApparitionsSeComptentDansLArbreEtSansElleRienNEstEnleve) {
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
    // Personne n'y paraît deux fois : rien n'est coloré, et rien n'est enlevé.
    BaseEssai b(essai::gedcomDeFamilles(8, {{1, 2, {3, 4}, ""}, {3, 5, {6}, ""}, {4, 7, {8}, ""}}));
    d = arbre(b, 1);
    d->valeur(kCritere) = std::uint8_t{ColorationApparitions};
    d->preparer(b.contexte);
    EXPECT_EQ(d->arbre().rangees().nombreRangees(), 3);
    EXPECT_EQ(d->arbre().rangees().nombreBoites(), 8u);
    // Un critère que la liste descendante n'offre pas (branche par génération) ne colore rien.
    auto e = arbre(b, 1);
    e->valeur(kCritere) = std::uint8_t{ColorationBranche2};
    e->preparer(b.contexte);
    EXPECT_FALSE(e->chromatique());
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
    EXPECT_GT(d->decalageChronologie(), 135);
    const NoeudDescendant& r = *d->arbre().racine();
    EXPECT_GE(r.x, d->decalageChronologie());
    EXPECT_EQ(r.y, d->hauteur);
    EXPECT_EQ(d->arbre().rangees().premier(1)->position, 30 * 64);
    EXPECT_EQ(d->arbre().rangees().premier(2)->position, 60 * 64);
    verifierPdf(chemin);
    d->valeur(kFormat) = std::uint8_t{3};
    verifierHtml(ecrire(b, *d, "chrono.htm"));
}

TEST_F(ArbreDescendantEssai, memesOctetsEtChaqueVarianteAuCompteurDeLArbreDescendant) {
    BaseEssai b(gedcomCousinsMaries());
    verifierMemesOctets(b, 1);
    const CompteursUsage compteurs = compterVariantes(b, "P1", {"(aucun)", "Branche descendante"});
    const Afficheur& type = typeArbre(false);
    EXPECT_EQ(compteurs.compteurs[type.compteur], 1);
    EXPECT_EQ(compteurs.compteurs[type.compteur + 2], 1);
    EXPECT_EQ(compteurs.compteurs[afficheurDeCode(1)->compteur], 0);
}

// Chaque sortie de l'exemple livré et de royal92 passe les vérificateurs.
TEST_F(ArbreDescendantEssai, lesSortiesDesFichiersReelsPassentLesVerificateurs) {
    fichiersReels("Victoria", kCritere,
                  [](const DocumentArbreDescendant& d) { EXPECT_GT(d.arbre().rangees().nombreRangees(), 2); });
}

TEST(CommandeArbreDescendant, produitLArbreAvecSesOptions) {
    const essai::CommandeEssai lancer(gedcomCousinsMaries());
    const auto type = "arbre-descendant", racine = "--racine @I1@ ";
    auto s = lancer(type, racine +
                              std::string("--option \"Arbre agnatique (limité aux branches masculines)=oui\" "
                                          "--option \"Critère de coloration=Branche descendante\" "
                                          "--option \"Couper toutes les branches au-delà de=2\"") +
                              lancer.sortie("a.pdf"));
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_EQ(lancer.lire("a.pdf").substr(0, 8), "%PDF-1.7");
    s = lancer(type, racine + std::string("--option \"Affiche les personnes contemporaines=non\" --format web") +
                         lancer.sortie("a.htm"));
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_NE(lancer.lire("a.htm").find("&or;<br>&or;"), std::string::npos);
    s = lancer(type, racine + std::string("--option \"Critère de coloration=Branche (génération 2)\""));
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("Branche descendante"), std::string::npos) << s.texte;
    EXPECT_NE(lancer(type, racine + std::string("--format texte")).code, 0);
}

}  // namespace
}  // namespace lignara
