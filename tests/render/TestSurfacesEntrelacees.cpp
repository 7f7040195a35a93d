// Deux documents dessinés ensemble : chaque surface a son état de tracé, sa police et son horloge ; dessiner
// l'un entre deux primitives de l'autre ne change pas un octet de son fichier.
#include <array>

#include "EssaiRendu.h"
#include "OutilsPdf.h"
#include "render/SurfacePdf.h"

using namespace lignara;
using essai::HasSubstr;
using essai::lireFichier;

namespace {

struct Dessin {
    ReglagesDessin reglages;
    PolicesDocument polices;
    Horloge horloge = Horloge::fixee(0);
};

// Deux documents que tout sépare : police (nom et largeurs), couleurs, marges, papier, signature et date.
Dessin documentA() {
    Dessin d;
    d.reglages.formatPapier = kA4Portrait;
    d.reglages.polices.ligneSignature1 = "Famille Roy";
    d.polices = essais::policesFixes("Police A");
    d.polices.largeurSignature = calculerLargeurSignature(d.polices.reguliere, "Famille Roy", "");
    d.horloge = Horloge::fixee(1700000000);
    return d;
}

Dessin documentB() {
    Dessin d;
    d.reglages.formatPapier = kA4Paysage;
    d.reglages.margeGauche = 700;
    d.reglages.couleurTrait = couleurRvb(200, 0, 0);
    d.reglages.couleurTexte = couleurRvb(0, 0, 200);
    d.reglages.polices.ligneSignature1 = "Famille Martin-Dupont";
    d.reglages.polices.ligneSignature2 = "www.martin.fr";
    d.polices = essais::policesFixes("Police B");
    for (auto* m : {&d.polices.reguliere, &d.polices.italique})
        for (auto& l : m->largeurs) l = static_cast<std::int16_t>(l / 2 + 3000);
    d.polices.largeurSignature =
        calculerLargeurSignature(d.polices.reguliere, "Famille Martin-Dupont", "www.martin.fr");
    d.horloge = Horloge::fixee(1767323040);
    return d;
}

constexpr int kEtapes = 8;
constexpr std::int32_t kLargeur = 30000, kHauteur = 30000;

// Étape i : règle une part de l'état de tracé puis dessine, textes mesurés dans la police de la surface.
void etape(SurfacePdf& s, int i, bool b) {
    EtatTrace& e = s.etat();
    const std::int32_t x = 1000 + 2500 * i + (b ? 300 : 0), y = 2000 + 2200 * i;
    const std::string texte = "Texte " + std::to_string(i) + (b ? " de B" : " de A");
    const std::int32_t l = largeurTexte(e.italique ? s.polices().italique : s.polices().reguliere, texte);
    if (i == 0) {
        e.couleurTrait = b ? couleurRvb(0, 40, 90) : couleurRvb(0, 0, 90);
        s.ligne(x, y, x + 3000, y + 800);
    } else if (i == 1) {
        e.epaisseurTrait = b ? 2.5f : 1.5f;
        e.pointilles = b ? 2 : 1;
        s.rectangle(x, y, x + 2000, y + 900, 0);
    } else if (i == 2) {
        s.policeItalique(!b);
        s.texte(x, y, l, 176, texte);
    } else if (i == 3) {
        e.taillePolice = b ? 18 : 14;
        s.texte(x, y, l * e.taillePolice / 10, 300, texte);
    } else if (i == 4) {
        s.empilerTransformation(0.8f, 0.6f, -0.6f, 0.8f, static_cast<float>(x), static_cast<float>(y));
        s.cercle(0, 0, b ? 800 : 600, false);
    } else if (i == 5) {
        s.arc(300, 300, 900, 0.3f, b ? 3.5f : 2.5f);
        s.depilerTransformation();
    } else if (i == 6) {
        s.signature(x, y);
        s.ajouterCible(b ? 2 : 1, x, y);
    } else {
        e.pointilles = 0;
        s.ajouterLien(b ? 1 : 2, x, y, x + 800, y + 300);
        const std::array<std::int32_t, 6> triangle{x, y, x + 900, y, x + 450, y + 700};
        s.polygone(3, triangle.data(), b);
    }
}

void dessinerSeul(const Dessin& d, const std::filesystem::path& chemin, bool b) {
    SurfacePdf s(d.reglages, d.polices, d.horloge);
    s.ouvrir(chemin, "Essai", 100, kLargeur, kHauteur);
    for (int i = 0; i < kEtapes; ++i) etape(s, i, b);
    s.fermer();
}

}  // namespace

TEST(SurfacesEntrelacees, deuxSurfacesAuxPolicesDifferentesDonnentChacuneLeFichierDeSeule) {
    essai::DossierEssai dossier;
    const Dessin a = documentA(), b = documentB();
    // Chaque document dessiné seul : la référence des dessins entrelacés.
    dessinerSeul(a, dossier / "a-seule.pdf", false);
    dessinerSeul(b, dossier / "b-seule.pdf", true);
    {
        SurfacePdf sa(a.reglages, a.polices, a.horloge), sb(b.reglages, b.polices, b.horloge);
        sb.ouvrir(dossier / "b.pdf", "Essai", 100, kLargeur, kHauteur);
        sa.ouvrir(dossier / "a.pdf", "Essai", 100, kLargeur, kHauteur);
        for (int i = 0; i < kEtapes; ++i) {
            etape(sa, i, false);
            etape(sb, i, true);
        }
        sa.fermer();
        sb.fermer();
    }
    const std::string seuleA = lireFichier(dossier / "a-seule.pdf"), seuleB = lireFichier(dossier / "b-seule.pdf");
    EXPECT_TRUE(lireFichier(dossier / "a.pdf") == seuleA);
    EXPECT_TRUE(lireFichier(dossier / "b.pdf") == seuleB);
    // Chaque fichier porte sa police et sa date.
    EXPECT_THAT(seuleA, HasSubstr("/BaseFont /Police#20A\n"));
    EXPECT_THAT(seuleB, HasSubstr("/BaseFont /Police#20B\n"));
    essais::verifierAvecQpdf(seuleA, "entrelacee-a.pdf");
    essais::verifierAvecQpdf(seuleB, "entrelacee-b.pdf");
}
