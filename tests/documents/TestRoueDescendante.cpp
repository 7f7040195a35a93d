#include "documents/roues/RoueDescendante.h"

#include <gtest/gtest.h>

#include <cmath>

#include "DescendanceEssai.h"
#include "LettresRoue.h"
#include "documents/PagesOptions.h"
#include "documents/roues/GeometrieRoue.h"
#include "documents/roues/RoueMixte.h"
#include "render/LecturePdf.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::LecturePdf;

class RoueDescendanteEssai : public essai::EssaiRoue {
protected:
    // Tables dérivées données au contexte : toutes les personnes mortes sauf « vivantes ».
    void installerTables(BaseEssai& b, std::vector<std::string> vivantes = {}) {
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

TEST(CommandeRoues, produitLesTroisRouesEtRefuseUnPremierAnneauTropCharge) {
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

    const essai::CommandeEssai nombreux(essai::gedcomDescendance({40}, false));
    s = nombreux("roue-descendante", racine + nombreux.sortie("trop.pdf"));
    EXPECT_NE(s.texte.find("Nombre d'enfants trop important à la première génération"), std::string::npos) << s.texte;
    EXPECT_FALSE(s.code == 0 || std::filesystem::exists(nombreux.dossier / "trop.pdf"));
}

}  // namespace
}  // namespace lignara
