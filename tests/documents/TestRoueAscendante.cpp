#include "documents/roues/RoueAscendante.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <string>

#include "LettresRoue.h"
#include "documents/roues/GeometrieRoue.h"
#include "documents/roues/SecteursAscendants.h"
#include "render/LecturePdf.h"
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
    // Secteur de l'ancêtre de rang i de l'anneau k : les pas partent de π dans le sens des aiguilles d'une montre.
    static essai::SecteurEssai secteur(int k, std::uint32_t i, bool demi) {
        const double pas = (demi ? kPi : 2 * kPi) / (1 << k);
        return {double(roue::rayonCercle(k)), double(roue::rayonCercle(k + 1)), kPi - (i + 1) * pas, kPi - i * pas};
    }
};

TEST_F(RoueAscendanteEssai, leFormatDePapierDonneLesGenerationsDeDepartEtCinqTiennentSurUneA4) {
    BaseEssai b(essai::gedcomSosa(6));
    for (auto [format, attendu] : std::map<std::uint16_t, int>{{1702, 9}, {1711, 7}, {1707, 5}}) {
        preferences_.formatPapier = format;
        EXPECT_EQ(roue(b, -1)->octet(kGenerationsRoueAscendante), attendu) << format;
    }
    preferences_.formatPapier = 1707;
    auto d = roue(b, -1);
    LecturePdf pdf(ecrire(*d, b, "a4.pdf"));
    EXPECT_NE(pdf.octets.find("/MediaBox [0 0 567 814]"), std::string::npos) << pdf.octets.substr(0, 2000);
    // La roue est au milieu de la page : les prénoms de la racine, juste au-dessus du centre, à mi-hauteur.
    std::smatch m;
    const std::string contenu = pdf.contenus().at(0);
    ASSERT_TRUE(std::regex_search(contenu, m, std::regex(R"(BT ([0-9.]+) ([0-9.]+) Td \()"))) << contenu;
    EXPECT_NEAR(std::stod(m[2]), 814 / 2.0, 15);
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

// Un nom long, ajusté, reste dans son secteur, dans la roue entière (la moitié basse se lit à l'envers sur les
// anneaux circulaires) et dans la demi-roue de la roue mixte.
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

TEST_F(RoueAscendanteEssai, unNomTropLongEstRaccourciAvecDeuxPoints) {
    const std::string prenoms = "Victoire Marie Louise Adelaide Augusta Wilhelmine";
    const DessinRoue d = noms(8, 200, "MONTMORENCY", prenoms);
    ASSERT_EQ(d.textes.size(), 1u);
    EXPECT_TRUE(std::regex_match(d.textes[0].texte, std::regex("Vi[ A-Za-z]*\\.\\. MONTMORENCY"))) << d.textes[0].texte;
    EXPECT_LE(largeurTexte(polices_.reguliere, d.textes[0].texte), 1920 - 90);
}

TEST_F(RoueAscendanteEssai, unNombreDeGenerationsHorsBornesEstRameneDansLesTables) {
    BaseEssai b(essai::gedcomSosa(4));
    for (auto [rangee, attendu] : std::map<int, int>{{0, 2}, {1, 2}, {10, 9}, {255, 9}}) {
        auto d = roue(b, rangee);
        d->preparer(b.contexte);
        std::size_t cercles = 0;
        for (const TraitRoue& t : d->dessin().traits) cercles += t.forme == TraitRoue::Forme::Cercle;
        EXPECT_EQ(cercles, static_cast<std::size_t>(attendu));
    }
}

}  // namespace
}  // namespace lignara
