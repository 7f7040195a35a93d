// Texte structuré : un même contenu écrit par les quatre rédacteurs (texte brut, RTF, Web, PDF).
#include "EssaiRendu.h"
#include "LecturePdf.h"
#include "OutilsPdf.h"
#include "StructureRtf.h"
#include "commun/Texte.h"
#include "render/FormatPapier.h"
#include "render/texte/RedacteurPdf.h"
#include "render/texte/Repli.h"
#include "support/Controles.h"
#include "support/Message.h"

using namespace lignara;
using essai::DossierEssai;
using essai::HasSubstr;
using essai::lireFichier;

namespace {

constexpr StyleTitre kStyle{.lignesAvantTexte = 2,
                            .avantTexte = "-- ",
                            .apresTexte = " --",
                            .lignesAvantPdf = 2,
                            .lignesApresPdf = 1,
                            .xPdf = 850,
                            .ecartFiletsPdf = 135,
                            .ouvreSection = true,
                            .avantTexteRtf = "   ",
                            .filetRtf = 28};

// Deux titres, une entrée numérotée et son mariage, une ligne à deux lettres.
void entrees(FluxRedaction& f) {
    f.titre({.texte = "1\xB0 GENERATION", .style = &kStyle});
    f.debutBloc({.retraitPremiere = 80, .retraitSuite = 640});
    const Segment personne[] = {{.texte = "    DUPONT Jean", .couleur = CouleurSegment::Hommes},
                                {.texte = " (1900-1980)"}};
    Ligne l;
    l.etiquette = {.texte = "12", .largeur = {360, 2}, .gras = true};
    l.contenu = {360, 2};
    l.segments = personne;
    l.ancre = "I5";
    EXPECT_EQ(f.ligne(l), 0);
    const Segment mariage[] = {{.texte = "x ", .croix = true}, {.texte = "1920   Paris"}};
    Ligne m;
    m.contenu = {540, 6};
    m.segments = mariage;
    EXPECT_EQ(f.ligne(m), 1);
    f.finBloc();
    f.titre({.texte = "2\xB0 GENERATION", .style = &kStyle});
    const Segment renvoi[] = {
        {.texte = "    voir "}, {.texte = "n\xB0 12", .souligne = true, .lien = "I5"}, {.texte = " (a\\{b} <i>)"}};
    Ligne r;
    r.retrait = {320, 7};
    r.etiquette = {.texte = "2", .suite = "AB", .largeur = {178, 2}};
    r.contenu = {320, 5};
    r.segments = renvoi;
    EXPECT_EQ(f.ligne(r), 2);
}

// Paragraphe replié, filet, saut de page, tableau à cellules fusionnées.
void divers(FluxRedaction& f) {
    const Segment mots[] = {{.texte = "un deux trois quatre cinq six sept"}};
    f.paragraphe({.retrait = {0, 0}, .retraitSuite = {560, 4}, .segments = mots});
    f.lignesVides(1);
    f.filet();
    f.sautDePage();
    const Segment a[] = {{.texte = "A"}}, b[] = {{.texte = "B"}}, c[] = {{.texte = "C"}}, d[] = {{.texte = "D"}},
                  e[] = {{.texte = "E"}}, ff[] = {{.texte = "F"}}, g[] = {{.texte = "G"}};
    const CelluleTableau r0[] = {{.segments = a, .colonnes = 2, .entete = true}, {.segments = b, .entete = true}};
    const CelluleTableau r1[] = {{.segments = c, .rangees = 2}, {.segments = d}, {.segments = e, .fond = true}};
    const CelluleTableau r2[] = {{.segments = ff}, {.segments = g}};
    const RangeeTableau rangees[] = {{r0}, {r1}, {r2}};
    const Mesure colonnes[] = {{1000, 5}, {800, 4}, {600, 3}};
    f.tableau({.colonnes = colonnes, .rangees = rangees});
}

void tout(FluxRedaction& f) {
    entrees(f);
    divers(f);
}

std::string rediger(FormatSortie format, const DossierEssai& d, const ContenuRedaction& contenu,
                    const ReglagesDessin& reglages = {}, const PolicesDocument& polices = essais::policesFixes()) {
    const auto chemin = d / (std::string("doc.") + Graphique::extension(format));
    MiseEnPage mise{.chemin = chemin, .titre1252 = "Essai", .colonnesTexte = 20};
    creerRedacteur(format, reglages, polices, essais::horlogeFixe())->rediger(mise, contenu);
    return lireFichier(chemin);
}

std::string corpsRtf(const std::string& rtf) { return rtf.substr(rtf.find("\\f0\\fs20\n") + 9); }

// Rédacteur PDF aux métriques fixes, pour planifier sans écrire.
struct PlanEssai {
    ReglagesDessin reglages;
    PolicesDocument polices = essais::policesFixes();
    PlanPdf planifier(const ContenuRedaction& contenu) const {
        return RedacteurPdf(reglages, polices, essais::horlogeFixe()).planifier({}, contenu);
    }
};

}  // namespace

// En caractères : étiquettes, retraits, croix, titres, repli, filet, saut de page, tableau fusionné ; des
// photos, les légendes seules. L'échec d'écriture et sa cause sont essayés sur FichierSortie et par la ligne
// de commande ; ici l'ouverture impossible.
TEST(RedactionTexte, etiquettesRetraitsTitresCroixTableauxEtLegendesEnCaracteresOuvertureImpossibleDitLeFormat) {
    DossierEssai d;
    EXPECT_EQ(rediger(FormatSortie::Texte, d, tout), essai::golden("redaction.txt"));
    const Segment a[] = {{.texte = "Anne"}}, b[] = {{.texte = "Paul"}};
    const CellulePhoto cellules[] = {
        {.chemin1252 = "x.jpg", .legende = a}, {.chemin1252 = "y.jpg"}, {.chemin1252 = "z.jpg", .legende = b}};
    EXPECT_EQ(
        rediger(FormatSortie::Texte, d, [&](FluxRedaction& f) { f.photos({.cellules = cellules, .cadres = true}); }),
        "Anne\nPaul\n");
    EXPECT_EQ(essai::messageDe([&] {
                  creerRedacteur(FormatSortie::Texte, {}, {}, essais::horlogeFixe())
                      ->rediger({.chemin = d / "absent/x.txt"}, tout);
              }),
              "Ouverture impossible du fichier TXT");
}

TEST(RedactionRtf, titresGrasFiletBlocSuspenduCouleursLiensEtEchappements) {
    DossierEssai d;
    const std::string rtf = rediger(FormatSortie::Rtf, d, entrees);
    EXPECT_EQ(essai::defautDeStructureRtf(rtf), "");
    // Titres en gras et filets, bloc suspendu avec signet, hommes en couleur 1, renvoi souligné, échappements.
    EXPECT_EQ(corpsRtf(rtf), essai::golden("redaction-corps.rtf"));
    // Sans pagination la page est A4 portrait (et non large de cent mille pages).
    EXPECT_THAT(rtf, HasSubstr("\\paperw11340\\paperh16280\\"));
}

TEST(RedactionRtf, tableauxAFusionsVerticalesEtHorizontales) {
    DossierEssai d;
    const std::string rtf = rediger(FormatSortie::Rtf, d, divers);
    EXPECT_EQ(essai::defautDeStructureRtf(rtf), "");
    const std::string corps = corpsRtf(rtf);
    // A sur deux colonnes (1000 + 800 unités), B ; C ouvre une fusion verticale continuée en rangée 2.
    for (const char* attendu :
         {"\\trowd \n\\clbrdrb", "\\clcbpat4\\cellx2252", "\\clvmgf\\cellx1252", "\\clvmrg\\cellx1252",
          "\\pard\\intbl \\qc {\\b A}\\cell", "\\pagebb\\sl-1\\par\\pard", "{\\li700\\fi-700 un deux"})
        EXPECT_THAT(corps, HasSubstr(attendu));
    EXPECT_EQ(essai::LecturePdf::compterDans(corps, "\\row\n"), 3u);
}

TEST(RedactionWeb, pageValideAncresFermeesEtJamaisDansUnLien) {
    DossierEssai d;
    const std::string html = rediger(FormatSortie::Web, d, tout);
    essai::controlerPageHtml(d / "doc.htm");
    // Mariage : retrait de (colonne + 180) × 7 ÷ 100 pixels, croix en gras.
    for (const char* attendu :
         {"<a name=\"I5\"></a><span style=\"margin-left:0px;margin-right:",
          "<span style='color:#0000aa;font-weight:bold;'> &nbsp; &nbsp;DUPONT Jean</span> (1900-1980)<br>",
          "<span style=\"margin-left:37px;\"></span><b>x </b>1920 &nbsp; Paris<br>",
          "<a href=\"#I5\"><u>n&deg; 12</u></a> (a\\{b} &lt;i&gt;)<br>", "<th colspan=2", "<td rowspan=2"})
        EXPECT_THAT(html, HasSubstr(attendu));
}

TEST(RedactionPdf, hauteurEnRangeesDe176LargeurAuBoutDesLignesEtTitresEnTete) {
    PlanEssai redacteur;
    // Titre en tête sans ses rangées d'avant + une après, 2 lignes, second titre : 2 + 2 + 4 + 1 = 9.
    const PlanPdf plan = redacteur.planifier(entrees);
    EXPECT_EQ(plan.rangees, 9);
    EXPECT_EQ(plan.hauteur, 9 * 176 - 32);
    const MetriquePolice& m = redacteur.polices.reguliere;
    EXPECT_EQ(plan.largeur, 320 + 320 + largeurTexte(m, "    voir ") + largeurTexte(m, "n\xB0 12") +
                                largeurTexte(m, " (a\\{b} <i>)"));
    EXPECT_EQ(plan.ancres.count("I5"), 1u);
}

TEST(RedactionPdf, signatureAuPremierTroisRangeesLibresDUneSectionEtDUnePage) {
    PlanEssai redacteur;
    redacteur.reglages.polices.ligneSignature1 = "Jean Dupont";
    redacteur.polices.largeurSignature = 2000;
    const std::string m200(200, 'm');  // le segment ne garde qu'une vue sur son texte
    const Segment large[] = {{.texte = m200}};
    const Segment court[] = {{.texte = "a"}};
    auto lignes = [&](FluxRedaction& f, int nLarges, int nCourtes) {
        for (int i = 0; i < nLarges; ++i) f.ligne({.segments = large});
        for (int i = 0; i < nCourtes; ++i) f.ligne({.segments = court});
    };
    // Deux courtes, un titre de section, sa rangée libre et une courte : bande des rangées 3 à 5.
    StyleTitre section = kStyle;
    section.lignesAvantPdf = 0;
    const PlanPdf plan = redacteur.planifier([&](FluxRedaction& f) {
        lignes(f, 1, 2);
        f.titre({.texte = "T", .style = &section});
        lignes(f, 0, 1);
        lignes(f, 1, 0);
    });
    ASSERT_TRUE(plan.signatureX);
    EXPECT_EQ(*plan.signatureX, plan.largeur - 2000 - 45);
    EXPECT_EQ(plan.signatureY, plan.hauteur - 176 * 5 - 144 - 32);
}

// A4 : 74 rangées par page, 72 sur la première. Une rangée de photos (40 + légende 1) commencée à
// la rangée 40 ou 113 passerait la page : elle part en tête de la suivante (72, puis 146).
TEST(RedactionPdf, surPapierUnSautMeneALaPageSuivanteEtUneRangeeDePhotosNEstJamaisCoupee) {
    PlanEssai redacteur;
    const ReglagesDessin& r = redacteur.reglages;
    redacteur.reglages.formatPapier = kA4Portrait;
    const Segment court[] = {{.texte = "a"}};
    const PlanPdf plan = redacteur.planifier([&](FluxRedaction& f) {
        f.ligne({.segments = court});
        f.sautDePage();
        f.ligne({.segments = court});
    });
    EXPECT_EQ(plan.rangees, 73);
    EXPECT_EQ(plan.hauteur + r.margeHaut + r.margeBas, 2 * 13024);

    const Segment nom[] = {{.texte = "Nom"}};
    const CellulePhoto c{.largeur = 100, .hauteur = 100, .legende = nom}, cellules[] = {c, c, c};
    EXPECT_EQ(redacteur
                  .planifier([&](FluxRedaction& f) {
                      f.lignesVides(40);
                      f.photos({.cellules = cellules, .largeurCellule = 3000, .hauteurPhotos = 6900, .parRangee = 2});
                  })
                  .rangees,
              146 + 41);
    // Une cellule plus haute qu'une page est bornée à la page.
    EXPECT_EQ(redacteur
                  .planifier([&](FluxRedaction& f) {
                      f.photos({.cellules = std::span(cellules, 1), .largeurCellule = 3000, .hauteurPhotos = 90000});
                  })
                  .rangees,
              74);
}

TEST(RedactionPdf, fichierValideAvecLiensVersLesAncresEtSoulignement) {
    DossierEssai d;
    ReglagesDessin r;
    r.polices.ligneSignature1 = "Jean Dupont";
    rediger(FormatSortie::Pdf, d, tout, r);
    essai::LecturePdf lu(d / "doc.pdf");
    EXPECT_EQ(lu.compter("/Subtype /Link"), 1u);
    essai::controlerPdf(d / "doc.pdf");
    EXPECT_THAT(lu.contenus().at(0), HasSubstr("DUPONT Jean)"));
}

TEST(Repli, coupeAuxBlancsGardeLesMotsTropLargesEtLesBlancsDeTete) {
    const Segment s[] = {{.texte = "  ab cd"}, {.texte = "ef ghijklmnop q  "}};
    auto mesure = [](const Segment&, std::string_view t) { return static_cast<std::int64_t>(t.size()); };
    std::vector<std::string> textes;
    for (const LigneRepliee& l : replier(s, 7, 5, mesure)) {
        textes.emplace_back();
        for (const MorceauRepli& m : l) textes.back() += s[m.segment].texte.substr(m.debut, m.fin - m.debut);
    }
    // « cdef » est un mot fait de deux segments ; « ghijklmnop », plus large que la ligne, reste entier ;
    // les blancs de fin ne s'écrivent pas.
    EXPECT_EQ(textes, (std::vector<std::string>{"  ab", "cdef", "ghijklmnop", "q"}));
}
