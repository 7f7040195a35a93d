// Roues ascendante, descendante et mixte : secteurs, textes, allocation des anneaux descendants.
#include "documents/roues/RoueAscendante.h"
#include "documents/roues/RoueDescendante.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "ArbreEssai.h"
#include "DescendanceEssai.h"
#include "commun/MetriquePolice.h"
#include "commun/Texte.h"
#include "documents/PagesOptions.h"
#include "documents/roues/GeometrieRoue.h"
#include "documents/roues/RoueMixte.h"
#include "documents/roues/SecteursAscendants.h"
#include "documents/roues/AllocationDescendante.h"
#include "documents/roues/DessinRoue.h"
#include "documents/roues/Roue.h"
#include "render/LecturePdf.h"
#include "reglages/Configuration.h"
#include "reglages/RaccordDessin.h"
#include "support/Message.h"

// Les coins des lettres d'un texte de roue, calculés à part de la mise en page (comme la surface les
// pose), et la vérification qu'ils restent dans un secteur.
namespace lignara::essai {

// Roue de la personne « P1 » sur les préférences de l'essai, écrite dans son dossier.
class EssaiRoue : public EssaiPolices {
protected:
    template <class R>
    std::unique_ptr<R> roue(BaseEssai& b) {
        b.contexte.polices = polices_;
        b.contexte.preferences = &preferences_;
        auto d = std::make_unique<R>(*afficheurDeCode(R::kCode));
        d->initialiserParametres(b.contexte);
        d->valeur(kRacine) = b.personne("P1");
        d->valeur(kNomRacine) = std::string("N1");
        return d;
    }
    std::string ecrire(Roue& d, BaseEssai& b, const std::string& nom) { return ecrireDocument(d, b, dossier_ / nom); }
    Configuration preferences_;
    DossierEssai dossier_;
};

struct Point {
    double x = 0, y = 0;
};

// Coins des lettres, relatifs au centre : de kBasLettres sous la ligne de base à kHautLettres au-dessus.
inline std::vector<Point> coinsLettres(const TexteRoue& t, const MetriquePolice& police) {
    std::vector<Point> coins;
    auto boite = [&](Point origine, Point avance, Point haut, double largeur) {
        for (double s : {0.0, largeur})
            for (double h : {-double(kBasLettres), double(kHautLettres)})
                coins.push_back({origine.x + s * avance.x + h * haut.x, origine.y + s * avance.y + h * haut.y});
    };
    const double largeur = largeurTexte(police, t.texte);
    switch (t.forme) {
        case TexteRoue::Forme::Droit: boite({double(t.x), double(t.y)}, {1, 0}, {0, 1}, largeur); break;
        case TexteRoue::Forme::Incline: {
            const double a = t.angle / 10000.0;
            boite({double(t.x), double(t.y)}, {std::cos(a), std::sin(a)}, {-std::sin(a), std::cos(a)}, largeur);
            break;
        }
        case TexteRoue::Forme::Circulaire: {
            double theta = t.depart;
            for (unsigned char c : t.texte) {
                const int unites = police.largeurs[c] / 100;  // en unités entières, comme la surface
                const double l = unites;
                const Point o{t.rayon * std::cos(theta), t.rayon * std::sin(theta)};
                if (t.inverse)
                    boite(o, {-std::sin(theta), std::cos(theta)}, {-std::cos(theta), -std::sin(theta)}, l);
                else
                    boite(o, {std::sin(theta), -std::cos(theta)}, {std::cos(theta), std::sin(theta)}, l);
                theta += (t.inverse ? 1 : -1) * std::floor(l) / t.rayon;
            }
            break;
        }
    }
    return coins;
}

// Secteur d'une couronne : rayons et angles (radians, debut < fin).
struct SecteurEssai {
    double rInterieur = 0, rExterieur = 0, debut = 0, fin = 0;
};

// Le coin qui sort du secteur, décrit ; vide quand tous y sont.
inline std::string horsDuSecteur(const std::vector<Point>& coins, const SecteurEssai& s) {
    const double milieu = (s.debut + s.fin) / 2, demi = (s.fin - s.debut) / 2;
    for (const Point& p : coins) {
        const double r = std::hypot(p.x, p.y);
        const double a = std::atan2(p.y, p.x) - milieu;
        const double ecart = std::atan2(std::sin(a), std::cos(a));
        if (r < s.rInterieur || r > s.rExterieur || std::abs(ecart) > demi)
            return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ") r " + std::to_string(r) + " écart " +
                   std::to_string(ecart) + " pour ±" + std::to_string(demi);
    }
    return {};
}

}  // namespace lignara::essai

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

class RoueDescendanteEssai : public essai::EssaiRoue {
protected:
    // Tables dérivées données au contexte : toutes les personnes mortes sauf « vivantes ».
    void installerTables(BaseEssai& b, const std::vector<std::string>& vivantes = {}) {
        tables_.statutsVitaux.assign(b.base().nombreIndividus() + 1, 'm');
        for (const std::string& p : vivantes) tables_.statutsVitaux[static_cast<std::size_t>(b.personne(p))] = 'v';
        attentes_ = 0;
        b.contexte.tablesDerivees = [this]() -> const TablesDerivees& {
            ++attentes_;
            return tables_;
        };
    }
    TablesDerivees tables_;
    int attentes_ = 0;
};

// Chaque personne a une ligne, puis une en italique par conjoint, toutes dans son secteur ;
// les textes sont rangés anneau par anneau, personne par personne, avant ceux du centre.
TEST_F(RoueDescendanteEssai, chaqueLigneEstDansLeSecteurDeSaPersonne) {
    BaseEssai b(essai::gedcomDescendance({4, 3, 2}, true));
    installerTables(b);
    for (bool complet : {false, true}) {
        auto d = roue<RoueDescendante>(b);
        d->valeur(kCercleComplet) = static_cast<std::uint8_t>(complet);
        const std::string chemin = ecrire(*d, b, complet ? "complet.pdf" : "eventail.pdf");
        essai::controlerPdf(chemin);
        const AllocationDescendante& a = *d->allocation();
        ASSERT_EQ(a.anneauxPlaces(), 3);
        EXPECT_EQ(a.largeurEventail() > AllocationDescendante::kBudgetRoue - 1e-12, complet);
        std::size_t t = 0;
        const auto& textes = d->dessin().textes;
        for (int k = 1; k <= 3; ++k) {
            for (const EntreeRoue& e : a.anneau(k)) {
                const essai::SecteurEssai s{double(roue::cercleDescendant(k)), double(roue::cercleDescendant(k + 1)),
                                            e.debut, e.debut + e.largeur};
                for (std::size_t l = 0; l <= e.conjoints.size(); ++l, ++t) {
                    ASSERT_LT(t, textes.size());
                    EXPECT_EQ(textes[t].italique, l > 0);
                    const MetriquePolice& police = l > 0 ? polices_.italique : polices_.reguliere;
                    EXPECT_EQ(essai::horsDuSecteur(essai::coinsLettres(textes[t], police), s), "")
                        << k << " « " << textes[t].texte << " »";
                }
            }
        }
        ASSERT_EQ(textes.size(), t + 3);  // puis le centre : la racine et sa conjointe
        // La page est la boîte de ce qui est dessiné : tout le cercle, ou l'éventail sous le disque central.
        const std::int32_t r = roue::cercleDescendant(4), centre = roue::cercleDescendant(1);
        EXPECT_EQ(complet ? d->dessin().largeur : d->dessin().hauteur, complet ? 2 * (r + 1) : r + centre + 2);
    }
}

TEST_F(RoueDescendanteEssai, lesPersonnesVivantesNeSontEcritesQuAvecLesContemporains) {
    BaseEssai b(essai::gedcomDescendance({2, 2}, true));
    installerTables(b, {"P3", "P2"});
    auto avec = roue<RoueDescendante>(b);
    avec->preparer(b.contexte);
    auto sans = roue<RoueDescendante>(b);
    sans->valeur(kContemporains) = std::uint8_t{0};
    sans->preparer(b.contexte);
    auto contient = [](const Roue& r, const std::string& texte) {
        for (const TexteRoue& t : r.dessin().textes)
            if (t.texte == texte) return true;
        return false;
    };
    EXPECT_TRUE(contient(*avec, "P3 N3") && contient(*avec, "P2 N2") && contient(*sans, "P4 N4"));
    EXPECT_FALSE(contient(*sans, "P3 N3") || contient(*sans, "P2 N2"));
}

// Les ancêtres en demi-roue au-dessus du centre, les descendants au-dessous, dans une page
// qui est la boîte des deux.
TEST_F(RoueDescendanteEssai, laRoueMixteMetLesAncetresEnHautEtLesDescendantsEnBas) {
    std::vector<essai::LienParents> liens;
    // Sosa : 1 a pour parents 2 et 3, etc., sur 8 générations ; 1 a trois enfants.
    for (int k = 1; 2 * k + 1 < 256; ++k) liens.push_back({k, 2 * k, 2 * k + 1});
    for (int e = 256; e < 259; ++e) liens.push_back({e, 1, 259});
    BaseEssai b(essai::gedcomDeLiens(259, liens));
    installerTables(b);
    auto d = roue<RoueMixte>(b);
    const std::string chemin = ecrire(*d, b, "mixte.pdf");
    essai::controlerPdf(chemin);
    const DessinRoue& dessin = d->dessin();
    EXPECT_EQ(d->allocation()->anneauxPlaces(), 1);
    std::size_t enHaut = 0, enBas = 0;
    for (const TexteRoue& t : dessin.textes) {
        const auto& police = t.italique ? polices_.italique : polices_.reguliere;
        const auto coins = essai::coinsLettres(t, police);
        const double r = t.forme == TexteRoue::Forme::Circulaire ? t.rayon : std::hypot(t.x, t.y);
        bool haut = true, bas = true;
        for (const essai::Point& c : coins) {
            EXPECT_TRUE(c.x + dessin.cx >= 0 && c.x + dessin.cx <= dessin.largeur && c.y + dessin.cy >= 0 &&
                        c.y + dessin.cy <= dessin.hauteur);
            haut = haut && c.y > 0;
            bas = bas && c.y < 0;
        }
        if (r < roue::rayonCercle(1)) continue;  // le centre
        enHaut += haut;
        enBas += bas;
        EXPECT_TRUE(haut || bas) << t.texte;
    }
    EXPECT_EQ(enBas, 3u);
    EXPECT_EQ(enHaut, 2u * 2 + 4 * 2 + 8 * 2 + 16 * 2 + 32 + 64 + 128);
    EXPECT_EQ(dessin.hauteur, roue::rayonCercle(8) + roue::cercleDescendant(2) + 2);
}

TablesDerivees tousMorts(const BaseGenealogique& base) {
    TablesDerivees t;
    t.statutsVitaux.assign(base.nombreIndividus() + 1, 'm');
    return t;
}

AllocationDescendante allouer(const BaseEssai& b, double budget = AllocationDescendante::kBudgetRoue,
                              bool doubles = false) {
    AllocationDescendante::Regles r;
    r.budget = budget;
    r.doublesBranches = doubles;
    return AllocationDescendante::calculer(b.base(), tousMorts(b.base()), static_cast<std::uint32_t>(b.personne("P1")),
                                           r);
}

// Tout partage placé : l'éventail centré vers le bas dans le budget, chaque secteur au moins ce qu'il demande.
void verifierPartage(const AllocationDescendante& a) {
    const double eps = 1e-9;
    EXPECT_NEAR(a.debutEventail() + a.largeurEventail() / 2, 4.712389, 1e-6);
    EXPECT_LE(a.largeurEventail(), a.budget() + eps);
    for (int k = 1; k <= a.anneauxPlaces(); ++k) {
        const std::vector<EntreeRoue>& anneau = a.anneau(k);
        double total = 0;
        for (std::size_t i = 0; i < anneau.size(); ++i) {
            const EntreeRoue& e = anneau[i];
            total += e.largeur;
            EXPECT_GE(e.largeur, e.besoin - eps) << k << " " << i;
            // Dans l'éventail, après son voisin, dans le secteur de son parent.
            const double debut = i > 0 ? anneau[i - 1].debut + anneau[i - 1].largeur : a.debutEventail();
            const EntreeRoue* p = k > 1 ? &a.anneau(k - 1)[e.parent] : nullptr;
            EXPECT_TRUE(e.debut >= debut - eps &&
                        e.debut + e.largeur <= a.debutEventail() + a.largeurEventail() + eps &&
                        (!p || (e.debut >= p->debut - eps && e.debut + e.largeur <= p->debut + p->largeur + eps)))
                << k << " " << i;
        }
        EXPECT_LE(total, a.budget() + eps) << k;
        EXPECT_TRUE(k > 1 || std::abs(total - a.largeurEventail()) < 1e-9);
    }
}

TEST(AllocationDescendante, lesSecteursTiennentDansLeBudgetEtDansCeuxDeLeursParents) {
    for (const auto& [enfants, conjoints] : std::vector<std::pair<std::vector<int>, bool>>{
             {{3, 3, 3, 3}, true}, {{2, 4, 1, 5, 2}, false}, {{10, 2, 1}, true}, {{1, 1, 1, 1, 9}, true}}) {
        BaseEssai b(essai::gedcomDescendance(enfants, conjoints));
        for (double budget : {AllocationDescendante::kBudgetRoue, AllocationDescendante::kBudgetRoueMixte}) {
            AllocationDescendante a = allouer(b, budget);
            ASSERT_GE(a.anneauxQuiTiennent(), 1);
            for (bool complet : {false, true}) {
                for (int n = 1; n <= a.anneauxQuiTiennent(); ++n) {
                    a.placer(n, complet);
                    verifierPartage(a);
                }
                EXPECT_TRUE(!complet || std::abs(a.largeurEventail() - budget) < 1e-12);
            }
        }
    }
}

// Boîte de l'anneau 1 : 2 × asin(88 ÷ 1616) = 0,10896 ; une personne sans conjoint en demande
// une et demie, 0,16344 : 38 enfants tiennent dans 2π (6,211), 39 non (6,374).
TEST(AllocationDescendante, unPremierAnneauTropChargeArreteAvecSonMessage) {
    for (auto [enfants, budget, tient] : std::vector<std::tuple<int, double, bool>>{
             {38, AllocationDescendante::kBudgetRoue, true}, {39, AllocationDescendante::kBudgetRoue, false}}) {
        BaseEssai b(essai::gedcomDescendance({enfants}, false));
        const std::string message =
            essai::messageDe([&, budget = budget] { EXPECT_EQ(allouer(b, budget).anneauxQuiTiennent(), 1); });
        EXPECT_EQ(message, tient ? "" : "Nombre d'enfants trop important à la première génération"_1252) << enfants;
    }
}

TEST(AllocationDescendante, lesAnneauxSArretentAuPremierQuiNeTientPlus) {
    // Une lignée de 20 générations : 15 anneaux au plus.
    BaseEssai lignee(essai::gedcomDescendance(std::vector<int>(20, 1), false));
    EXPECT_EQ(allouer(lignee).anneauxQuiTiennent(), 15);
    // Cinq enfants par personne : 125 demandent 5,93 radians à l'anneau 3, 625 en demanderaient 21,9 au 4.
    BaseEssai large(essai::gedcomDescendance({5, 5, 5, 5, 5}, false));
    EXPECT_EQ(allouer(large).anneauxQuiTiennent(), 3);
    // Sans enfant : aucun anneau, pas de message.
    BaseEssai seul(essai::gedcomDescendance({}, false));
    AllocationDescendante a = allouer(seul);
    a.placer(15, false);
    EXPECT_EQ(a.anneauxPlaces(), 0);
}

// 1 × 2 ont 3 et 4 ; 3 × 5 ont 7, 4 × 6 ont 8 ; les cousins 7 × 8 ont 9, qui a 10 avec 11.
// 9 est atteint par ses deux parents : placé deux fois, sa descendance une seule.
TEST(AllocationDescendante, unePersonneRepeteeNAQuUneFoisSaDescendance) {
    // 4 est une femme, mère de 8.
    BaseEssai cousins(essai::gedcomDeLiens(11, {{3, 1, 2}, {4, 1, 2}, {7, 3, 5}, {8, 6, 4}, {9, 7, 8}, {10, 9, 11}}));
    AllocationDescendante a = allouer(cousins);
    ASSERT_EQ(a.anneauxQuiTiennent(), 4);
    const auto& troisieme = a.anneau(3);
    ASSERT_EQ(troisieme.size(), 2u);
    EXPECT_EQ(troisieme[0].personne, troisieme[1].personne);
    EXPECT_TRUE(!troisieme[0].repetee && troisieme[1].repetee);
    EXPECT_EQ(a.anneau(4).size(), 1u);

    // Avec les doubles branches descendantes, chaque fois.
    AllocationDescendante doubles = allouer(cousins, AllocationDescendante::kBudgetRoue, true);
    EXPECT_FALSE(doubles.anneau(3)[1].repetee);
    EXPECT_EQ(doubles.anneau(4).size(), 2u);
}

TEST(CommandeRoues, produitLesTroisRoues) {
    const essai::CommandeEssai lancer(essai::gedcomDescendance({3, 2}, true));
    const std::string racine = "--racine @I1@";
    auto s = lancer("roue-ascendante", racine + lancer.sortie("ra.pdf") + " --papier 'A4 portrait'");
    EXPECT_EQ(LecturePdf(lancer.dossier / "ra.pdf").compter("/Type /Page\n"), 1u) << s.texte;
    s = lancer("roue-descendante",
               racine + lancer.sortie("rd.pdf") +
                   " --option 'Cercle complet=oui' --option 'Affiche les personnes contemporaines=non'");
    EXPECT_EQ(lancer.lire("rd.pdf").substr(0, 8), "%PDF-1.7") << s.texte;
    s = lancer("roue-mixte", racine + lancer.sortie("rm.pdf") + " --option ascendantes=3 --option descendantes=2");
    EXPECT_EQ(s.code, 0) << s.texte;
}

}  // namespace
}  // namespace lignara
