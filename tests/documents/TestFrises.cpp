#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "ArbreEssai.h"
#include "documents/frises/FriseGenerations.h"
#include "documents/frises/FriseIndividuelle.h"
#include "documents/frises/FriseLignees.h"
#include "render/LecturePdf.h"
#include "render/OutilsPdf.h"
#include "reglages/Configuration.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::LecturePdf;

// 1 ← (2, 3) ; 2 ← (4, 5) ; 3 ← (6, 7) ; 8 seul ; 1 a deux enfants 9 et 10 avec 11.
const std::vector<essai::LienParents> kLiens = {{1, 2, 3}, {2, 4, 5}, {3, 6, 7}, {9, 1, 11}, {10, 1, 11}};
const std::map<int, essai::DetailsPersonne> kDates = {{1, {"12 MAR 1900", "menuisier"}},
                                                      {2, {"1870", ""}},
                                                      {3, {"ABT 1875", ""}},
                                                      {4, {"1840", ""}},
                                                      {9, {"1925", ""}},
                                                      {10, {"1930", ""}}};

class FrisesEssai : public essai::EssaiPolices {
protected:
    void SetUp() override {
        EssaiPolices::SetUp();
        preferences_.signature = false;
    }

    template <class D>
    std::unique_ptr<D> document(BaseEssai& b, std::uint8_t code, int racine, int conjoint = 0) {
        auto d = std::make_unique<D>(*afficheurDeCode(code));
        b.contexte.polices = polices_;
        b.contexte.preferences = &preferences_;
        b.contexte.horloge = Horloge::fixee(1700000000);
        d->initialiserParametres(b.contexte);
        d->valeur(kRacine) = b.personne("P" + std::to_string(racine));
        d->valeur(kNomRacine) = std::string("N") + std::to_string(racine);
        if (conjoint) d->valeur(kConjoint) = b.personne("P" + std::to_string(conjoint));
        return d;
    }
    // Prépare et écrit ; rend les octets du PDF.
    std::string ecrire(Document& d, BaseEssai& b, const std::string& nom) {
        EXPECT_TRUE(d.verifierParametres(b.contexte));
        d.preparer(b.contexte);
        d.chemin = (dossier_ / nom).string();
        d.ecrire();
        return LecturePdf(d.chemin).octets;
    }
    // Flux de contenu des pages du document écrit, mis bout à bout.
    static std::string contenus(const Document& d) {
        std::string tout;
        for (const std::string& c : LecturePdf(d.chemin).contenus()) tout += c;
        return tout;
    }

    essai::DossierEssai dossier_;
    Configuration preferences_;
};

TEST_F(FrisesEssai, gedcomReecritDepuisLImportAucuneFriseIndividuelle) {
    BaseEssai b(essai::gedcomDeLiens(11, kLiens, kDates), BaseEssai::GarderGedcom{});
    auto d = document<FriseIndividuelle>(b, FriseIndividuelle::kCodeIndividuelle, 1);
    EXPECT_TRUE(d->verifierParametres(b.contexte));
    std::ofstream(b.fichier->chemin(), std::ios::app) << "0 @I99@ INDI\n";
    EXPECT_FALSE(d->verifierParametres(b.contexte));
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(
        b.messages[0],
        "Le fichier Gedcom a été modifié.\nVous devez réouvrir ce fichier pour pouvoir générer une frise individuelle. "_1252);
}

TEST_F(FrisesEssai, frisesDesAscendantsUneParPersonneEmpileesOuUneParPage) {
    BaseEssai b(essai::gedcomDeLiens(11, kLiens, kDates), BaseEssai::GarderGedcom{});
    auto d = document<FriseIndividuelle>(b, FriseIndividuelle::kCodeAscendants, 1);
    EnsemblePersonnes coupes(b.base().nombreIndividus());
    coupes.ajouter(static_cast<std::uint32_t>(b.personne("P3")));
    d->valeur(kCoupesFrises) = coupes;
    const std::string pdf = ecrire(*d, b, "FI_ascendants.pdf");
    ASSERT_EQ(d->frises().size(), 4u);  // 1, 2, 4, 5 : la branche de 3 est retirée
    std::int32_t total = 0;
    for (const FriseIndividu& f : d->frises()) total += FriseIndividuelle::hauteurFrise(f);
    EXPECT_EQ(d->hauteur, total);  // « Non paginé » : l'une sous l'autre
    EXPECT_EQ(d->hauts()[1], d->hauteur - FriseIndividuelle::hauteurFrise(d->frises()[0]));
    essais::verifierAvecQpdf(pdf, "FI_ascendants.pdf");

    preferences_.formatPapier = 1707;  // A4 portrait : chaque frise commence une page
    auto p = document<FriseIndividuelle>(b, FriseIndividuelle::kCodeAscendants, 1);
    ecrire(*p, b, "FI_pages.pdf");
    const std::int32_t page = 13024;
    const std::int32_t marges = preferences_.margeHaut + preferences_.margeBas;
    EXPECT_EQ((p->hauteur + marges) % page, 0);
    for (std::int32_t haut : p->hauts()) EXPECT_EQ((haut + marges) % page, 0) << haut;
    EXPECT_EQ(LecturePdf(p->chemin).compter("/Type /Page\n"), 7u);  // sans coupe, 7 frises d'une page
}

TEST_F(FrisesEssai, friseIndividuelleDessineBandesMarquesEtAxe) {
    BaseEssai b(essai::gedcomDeLiens(11, kLiens, kDates), BaseEssai::GarderGedcom{});
    auto d = document<FriseIndividuelle>(b, FriseIndividuelle::kCodeIndividuelle, 1);
    const std::string pdf = ecrire(*d, b, "FI_N1.pdf");
    EXPECT_NE(pdf.find("/ShadingType 3\n"), std::string::npos);  // marques rondes
    const std::string c = contenus(*d);
    for (const char* t : {"(de N1 P1) Tj", "(Naissance de P9 N9) Tj", "(menuisier \\(sans date\\)) Tj", "(1910) Tj"})
        EXPECT_NE(c.find(t), std::string::npos) << t;
}

TEST_F(FrisesEssai, friseAscendanteUneRangeeParPersonneEtDatesInconnuesDites) {
    BaseEssai b(essai::gedcomDeLiens(11, kLiens, kDates));
    auto d = document<FriseLignees>(b, FriseLignees::kCodeAscendante, 1);
    const std::string pdf = ecrire(*d, b, "FA_N1.pdf");
    essais::verifierAvecQpdf(pdf, "FA_N1.pdf");
    ASSERT_EQ(d->generations().size(), 3u);
    EXPECT_EQ(d->generations()[2].size(), 4u);
    EXPECT_EQ(d->hauteur, 4 * 176 + 4 * 176 + 3 * 352 + 7 * 208);
    EXPECT_NE(contenus(*d).find("(G\xE9n\xE9ration 3) Tj"), std::string::npos);
    // Une personne sans date ni parent ni enfant daté : pas de barre, et on le dit.
    auto seul = document<FriseLignees>(b, FriseLignees::kCodeDescendante, 8);
    ecrire(*seul, b, "FD_N8.pdf");
    EXPECT_NE(contenus(*seul).find("(P8 N8 \\(dates inconnues\\)) Tj"), std::string::npos);
    EXPECT_TRUE(seul->echelle().vide());
}

TEST_F(FrisesEssai, friseDesGenerationsLibellesEtCouleurs) {
    EXPECT_EQ(FriseGenerations::libelle(2, false, true), "2 ascendants *");
    BaseEssai b(essai::gedcomDeLiens(11, kLiens, kDates));
    auto asc = document<FriseGenerations>(b, FriseGenerations::kCodeAscendante, 1);
    essais::verifierAvecQpdf(ecrire(*asc, b, "FG_asc.pdf"), "FG_asc.pdf");
    ASSERT_EQ(asc->barres().size(), 3u);
    EXPECT_EQ(asc->barres()[2].vie.libelle, "4 ascendants");
    auto couple = document<FriseGenerations>(b, FriseGenerations::kCodeAscendanteFamiliale, 1, 11);
    ecrire(*couple, b, "FG_couple.pdf");
    ASSERT_EQ(couple->barres().size(), 4u);  // 1 et 11, puis les parents de 1, puis ses grands-parents
    EXPECT_EQ(couple->barres()[1].vie.categorie, CategorieFrise::Femme);
    auto desc = document<FriseGenerations>(b, FriseGenerations::kCodeDescendante, 1);
    desc->valeur(kConjointsGenerations) = std::uint8_t{1};
    ecrire(*desc, b, "FG_desc.pdf");
    ASSERT_EQ(desc->barres().size(), 2u);
    EXPECT_EQ(desc->barres()[0].vie.libelle, "2 descendants");  // 1 et son conjoint 11
}

TEST(CommandeFrises, lesFrisesDesAscendantsSurA4UneParPage) {
    const essai::CommandeEssai lancer(essai::gedcomDeLiens(11, kLiens, kDates));
    const std::string racine = "--racine @I1@ ";
    // Sur papier A4, une page par frise : 1, 2, 4 et 5, la branche de 3 coupée.
    const auto s = lancer("frises-ascendants", racine + "--coupe @I3@ --papier 'A4 paysage'" + lancer.sortie("p.pdf"));
    EXPECT_EQ(LecturePdf(lancer.dossier / "p.pdf").compter("/Type /Page\n"), 4u) << s.texte;
}

}  // namespace
}  // namespace lignara
