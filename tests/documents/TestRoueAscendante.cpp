#include "documents/roues/RoueAscendante.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <string>

#include "LettresRoue.h"
#include "documents/roues/GeometrieRoue.h"
#include "documents/roues/RoueMixte.h"
#include "documents/roues/SecteursAscendants.h"
#include "render/LecturePdf.h"
#include "render/pdf/FormatPdf.h"
#include "reglages/RaccordDessin.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::LecturePdf;

constexpr double kPi = 3.14159265358979323846;

class RoueAscendanteEssai : public essai::EssaiRoue {
protected:
    std::unique_ptr<RoueAscendante> roue(BaseEssai& b, int generations) {
        auto d = EssaiRoue::roue<RoueAscendante>(b);
        if (generations >= 0) d->valeur(kGenerationsRoueAscendante) = static_cast<std::uint8_t>(generations);
        return d;
    }
    // Noms de l'ancêtre de rang i de l'anneau k posés dans la roue (ou la demi-roue de la mixte).
    DessinRoue noms(int k, std::uint32_t i, const std::string& nom, const std::string& prenoms, bool demi = false) {
        AncetreRoue a;
        a.anneau = k;
        a.indice = i;
        a.nom = nom;
        a.prenoms = prenoms;
        DessinRoue d;
        placerNomsAncetre(d, a, demi, polices_.reguliere);
        return d;
    }
    // Secteur de l'ancêtre de rang i de l'anneau k : les pas de la table partent de π et
    // tournent dans le sens des aiguilles d'une montre.
    static essai::SecteurEssai secteur(int k, std::uint32_t i, bool demi) {
        const double pas = (demi ? kPi : 2 * kPi) / (1 << k);
        return {double(roue::rayonCercle(k)), double(roue::rayonCercle(k + 1)), kPi - (i + 1) * pas, kPi - i * pas};
    }
};

TEST_F(RoueAscendanteEssai, leFormatDePapierDonneLesGenerationsDeDepartEtCinqTiennentSurUneA4) {
    BaseEssai b(essai::gedcomSosa(6));
    for (auto [format, attendu] : std::map<std::uint16_t, int>{{1702, 9}, {1703, 9}, {1711, 7}, {1707, 5}, {1723, 5}}) {
        preferences_.formatPapier = format;
        EXPECT_EQ(roue(b, -1)->octet(kGenerationsRoueAscendante), attendu) << format;
    }
    preferences_.formatPapier = 1707;
    auto d = roue(b, -1);
    LecturePdf pdf(ecrire(*d, b, "a4.pdf"));
    EXPECT_EQ(pdf.compter("/Type /Page\n"), 1u);
    EXPECT_NE(pdf.octets.find("/MediaBox [0 0 567 814]"), std::string::npos) << pdf.octets.substr(0, 2000);
    // La roue est au milieu de la page, pas posée dans le coin bas gauche : les prénoms de la
    // racine, juste au-dessus du centre, sont à mi-hauteur et commencent un peu avant le milieu.
    std::smatch m;
    const std::string contenu = pdf.contenus().at(0);
    ASSERT_TRUE(std::regex_search(contenu, m, std::regex(R"(BT ([0-9.]+) ([0-9.]+) Td \()")))
        << contenu.substr(0, 3000);
    const double x = std::stod(m[1]), y = std::stod(m[2]);
    EXPECT_NEAR(y, 814 / 2.0, 15);
    EXPECT_LT(x, 567 / 2.0);
    EXPECT_GT(x, 567 / 2.0 - 60);
}

TEST_F(RoueAscendanteEssai, neufGenerationsOnt256SecteursEtLesAncetresInconnusLaissentLeurSecteurVide) {
    BaseEssai complete(essai::gedcomSosa(9));
    auto d = roue(complete, 9);
    d->preparer(complete.contexte);
    auto surLAnneau8 = [](const DessinRoue& dessin, bool traits) {
        std::size_t n = 0;
        for (const TraitRoue& t : dessin.traits)
            n += traits && t.forme == TraitRoue::Forme::Segment && std::hypot(t.x2, t.y2) > 10000;
        for (const TexteRoue& t : dessin.textes) n += !traits && std::hypot(t.x, t.y) > 8160;
        return n;
    };
    EXPECT_EQ(surLAnneau8(d->dessin(), true), 256u);
    EXPECT_EQ(surLAnneau8(d->dessin(), false), 256u);
    EXPECT_EQ(d->dessin().largeur, 2 * 10081);

    // Sans le père de 2 (Sosa 4), son quart de l'anneau 8 reste vide : 64 noms de moins.
    std::vector<essai::LienParents> liens;
    for (int k = 1; 2 * k + 1 < 512; ++k)
        if (k != 2) liens.push_back({k, 2 * k, 2 * k + 1});
    liens.push_back({2, 0, 5});
    BaseEssai partielle(essai::gedcomDeLiens(511, liens));
    auto p = roue(partielle, 9);
    p->preparer(partielle.contexte);
    EXPECT_EQ(surLAnneau8(p->dessin(), true), 256u);
    EXPECT_EQ(surLAnneau8(p->dessin(), false), 256u - 64u);
}

// Un nom long, ajusté, ne touche ni les rayons ni les cercles de son secteur, dans les quatre
// quarts de la roue entière (le côté du père en haut) et dans la demi-roue de la roue mixte ;
// dans la roue entière, la moitié basse se lit à l'envers sur les anneaux circulaires.
TEST_F(RoueAscendanteEssai, chaqueNomResteDansSonSecteur) {
    const MetriquePolice& police = polices_.reguliere;
    const std::string noms[][2] = {{"DUPONT", "Jean"},
                                   {"DE LA ROCHEFOUCAULD-MONTMORENCY", "Marie-Joséphine Alexandrine Victoire"},
                                   {"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", "Mmmmmmmmmmmmmmmmmmmmmmmmmmmmm"}};
    for (bool demi : {false, true}) {
        for (int k = 1; k <= (demi ? 7 : 8); ++k) {
            for (std::uint32_t i = 0; i < (1u << k); ++i) {
                const DessinRoue d = this->noms(k, i, noms[i % 3][0], noms[i % 3][1], demi);
                ASSERT_FALSE(d.textes.empty());
                for (const TexteRoue& t : d.textes) {
                    EXPECT_FALSE(t.texte.empty());
                    EXPECT_TRUE(demi || k > 4 || t.inverse == (i >= (1u << (k - 1)))) << k << " " << i;
                    const std::string hors = essai::horsDuSecteur(essai::coinsLettres(t, police), secteur(k, i, demi));
                    EXPECT_EQ(hors, "") << (demi ? "demi-roue " : "roue ") << k << " " << i << " « " << t.texte << " »";
                }
            }
        }
    }
    // Le centre : les deux lignes de la racine tiennent dans le disque.
    AncetreRoue racine;
    racine.nom = noms[2][0];
    racine.prenoms = noms[2][1];
    DessinRoue d;
    placerCentre(d, roue::rayonCercle(1), racine, {}, police, polices_.italique);
    ASSERT_EQ(d.textes.size(), 2u);
    for (const TexteRoue& t : d.textes)
        EXPECT_EQ(essai::horsDuSecteur(essai::coinsLettres(t, police), {0, 800, -kPi, kPi}), "") << t.texte;
}

TEST_F(RoueAscendanteEssai, lesAnneauxRayonnantsPartentOuFinissentA45DuCercleInterieur) {
    const MetriquePolice& police = polices_.reguliere;
    for (int k = 5; k <= 8; ++k) {
        for (std::uint32_t i = 0; i < (1u << k); ++i) {
            for (const TexteRoue& t : noms(k, i, "MARTIN", "Louise").textes) {
                ASSERT_EQ(t.forme, TexteRoue::Forme::Incline);
                const double angle = t.angle / 10000.0, w = largeurTexte(police, t.texte);
                const double depart = std::hypot(t.x, t.y);
                const double fin = std::hypot(t.x + w * std::cos(angle), t.y + w * std::sin(angle));
                // À droite le texte part du cercle intérieur ; à gauche il lit vers le centre
                // et y finit. Les lignes décalées de la ligne médiane s'en écartent un peu.
                const bool versLeCentre = std::cos(std::atan2(t.y, t.x)) < 0;
                EXPECT_EQ(depart > fin, versLeCentre) << k << " " << i;
                EXPECT_NEAR(std::min(depart, fin), roue::rayonCercle(k) + 45, 5) << k << " " << i;
            }
        }
    }
}

TEST_F(RoueAscendanteEssai, unNomTropLongEstRaccourciAvecDeuxPoints) {
    const std::string prenoms = "Victoire Marie Louise Adelaide Augusta Wilhelmine";
    const DessinRoue d = noms(8, 200, "MONTMORENCY", prenoms);
    ASSERT_EQ(d.textes.size(), 1u);
    EXPECT_TRUE(std::regex_match(d.textes[0].texte, std::regex("Vi[ A-Za-z]*\\.\\. MONTMORENCY"))) << d.textes[0].texte;
    EXPECT_LE(largeurTexte(polices_.reguliere, d.textes[0].texte), 1920 - 90);
    const DessinRoue arcs = noms(1, 1, "MONTMORENCY", prenoms);
    ASSERT_EQ(arcs.textes.size(), 2u);
    EXPECT_EQ(arcs.textes[0].texte.substr(arcs.textes[0].texte.size() - 2), "..");
    EXPECT_EQ(arcs.textes[1].texte, "MONTMORENCY");
}

TEST_F(RoueAscendanteEssai, laBandeDeSignatureVientAPartirDeSixGenerationsQuandElleTientHorsDeLaRoue) {
    BaseEssai b(essai::gedcomSosa(3));
    preferences_.signature = true;
    preferences_.ligneSignature1 = "Famille Roy";
    polices_ = chargerPolicesDesPreferences(preferences_, {});
    auto cinq = roue(b, 5);
    LecturePdf sans(ecrire(*cinq, b, "cinq.pdf"));
    EXPECT_FALSE(cinq->avecSignature());
    EXPECT_EQ(sans.contenus().at(0).find("(Famille Roy) Tj"), std::string::npos);
    auto six = roue(b, 6);
    LecturePdf avec(ecrire(*six, b, "six.pdf"));
    EXPECT_TRUE(six->avecSignature());
    EXPECT_NE(avec.contenus().at(0).find("(Famille Roy) Tj"), std::string::npos);
    // Une ligne si longue que la bande mordrait sur la roue : pas de bande.
    preferences_.ligneSignature1 = std::string(120, 'W');
    polices_ = chargerPolicesDesPreferences(preferences_, {});
    auto large = roue(b, 6);
    large->preparer(b.contexte);
    EXPECT_FALSE(large->avecSignature());
}

TEST_F(RoueAscendanteEssai, unNombreDeGenerationsHorsBornesEstRameneDansLesTables) {
    BaseEssai b(essai::gedcomSosa(4));
    for (auto [rangee, attendu] : std::map<int, int>{{0, 2}, {1, 2}, {10, 9}, {255, 9}}) {
        auto d = roue(b, rangee);
        d->preparer(b.contexte);
        EXPECT_EQ(d->generations(), attendu);
        std::size_t cercles = 0;
        for (const TraitRoue& t : d->dessin().traits) cercles += t.forme == TraitRoue::Forme::Cercle;
        EXPECT_EQ(cercles, static_cast<std::size_t>(attendu));
    }
    RoueMixte m(*afficheurDeCode(RoueMixte::kCode));
    b.contexte.polices = polices_;
    m.initialiserParametres(b.contexte);
    for (auto [rangee, attendu] : std::map<int, int>{{0, 2}, {9, 8}, {255, 8}}) {
        m.valeur(kGenerationsMixteAscendantes) = static_cast<std::uint8_t>(rangee);
        EXPECT_EQ(m.generationsAscendantes(), attendu);
    }
}

TEST_F(RoueAscendanteEssai, lesNomsPrennentLaCouleurDeLeurSexeEtLePdfEstValide) {
    BaseEssai b(essai::gedcomSosa(6));
    preferences_.couleurFemmes = {255, 0, 0};
    preferences_.couleurHommes = {0, 0, 255};
    std::string femmes, hommes;
    ajouterCouleur(femmes, preferences_.couleurFemmes.enBgr());
    ajouterCouleur(hommes, preferences_.couleurHommes.enBgr());
    auto d = roue(b, 6);
    const std::string chemin = ecrire(*d, b, "couleurs.pdf");
    const std::string contenu = LecturePdf(chemin).contenus().at(0);
    EXPECT_NE(contenu.find(femmes + " rg"), std::string::npos);
    EXPECT_NE(contenu.find(hommes + " rg"), std::string::npos);
    essai::controlerPdf(chemin);
    preferences_.couleurParSexe = false;
    auto neutre = roue(b, 6);
    const std::string sansCouleur = LecturePdf(ecrire(*neutre, b, "neutre.pdf")).contenus().at(0);
    EXPECT_EQ(sansCouleur.find(femmes + " rg"), std::string::npos);
    EXPECT_EQ(sansCouleur.find(hommes + " rg"), std::string::npos);
}

}  // namespace
}  // namespace lignara
