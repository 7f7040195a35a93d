// Les documents des frises : paramètres, préconditions et leurs messages, mise en page, PDF.
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

TEST_F(FrisesEssai, parametresDeclaresEtLeursValeursDeDepart) {
    BaseEssai b(essai::gedcomDeLiens(11, kLiens, kDates));
    auto fi = document<FriseIndividuelle>(b, FriseIndividuelle::kCodeIndividuelle, 1);
    const OptionsFrise o = fi->options();
    EXPECT_TRUE(o.religieux && o.familiaux && o.professions && o.domiciles && o.echelleFixe);
    EXPECT_EQ(fi->signature().lettres(), "Psbbbbb");
    auto fa = document<FriseIndividuelle>(b, FriseIndividuelle::kCodeAscendants, 1);
    EXPECT_EQ(fa->signature().lettres(), "PsbbbbbL1");
    EXPECT_EQ(std::get<EnsemblePersonnes>(fa->valeur(kCoupesFrises)).nombre(), 0u);
    EXPECT_EQ(document<FriseLignees>(b, 52, 1, 11)->signature().lettres(), "PsP1");
    EXPECT_EQ(document<FriseGenerations>(b, 49, 1)->octet(kConjointsGenerations), 1);  // comme les statistiques
}

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
    // La frise ascendante ne relit pas le GEDCOM.
    EXPECT_TRUE(document<FriseLignees>(b, FriseLignees::kCodeAscendante, 1)->verifierParametres(b.contexte));
}

TEST_F(FrisesEssai, variantesDuCoupleEtLeursTroisMessages) {
    BaseEssai b(essai::gedcomDeLiens(11, kLiens, kDates));
    for (std::uint8_t code : {FriseLignees::kCodeAscendanteFamiliale, FriseGenerations::kCodeAscendanteFamiliale}) {
        b.messages.clear();
        std::unique_ptr<Document> d = code == 52 ? std::unique_ptr<Document>(document<FriseLignees>(b, code, 8, 1))
                                                 : std::unique_ptr<Document>(document<FriseGenerations>(b, code, 8, 1));
        EXPECT_FALSE(d->verifierParametres(b.contexte));
        d->valeur(kRacine) = b.personne("P1");
        d->valeur(kConjoint) = std::int32_t{0};
        EXPECT_FALSE(d->verifierParametres(b.contexte));
        d->valeur(kConjoint) = b.personne("P3");
        EXPECT_FALSE(d->verifierParametres(b.contexte));
        d->valeur(kConjoint) = b.personne("P11");
        EXPECT_TRUE(d->verifierParametres(b.contexte));
        EXPECT_EQ(b.messages, (std::vector<std::string>{"La racine de l'arbre n'a aucun conjoint connu",
                                                        "N1 P1 n'a aucun conjoint connu",
                                                        "La famille n'existe plus dans le fichier Gedcom"}));
    }
}

TEST_F(FrisesEssai, hauteurDUneFriseSelonSesBandes) {
    FriseIndividu f;
    f.bandes[kPersonnels].resize(3);
    EXPECT_EQ(FriseIndividuelle::hauteurFrise(f), 11 * 176);
    f.bandes[kFamiliaux].resize(2);
    f.bandes[kDomiciles].resize(1);
    EXPECT_EQ(FriseIndividuelle::hauteurFrise(f), (11 + 3 + 2) * 176);
}

TEST_F(FrisesEssai, frisesDesAscendantsUneParPersonneEmpileesOuUneParPage) {
    BaseEssai b(essai::gedcomDeLiens(11, kLiens, kDates), BaseEssai::GarderGedcom{});
    auto d = document<FriseIndividuelle>(b, FriseIndividuelle::kCodeAscendants, 1);
    EnsemblePersonnes coupes(b.base().nombreIndividus());
    coupes.ajouter(static_cast<std::uint32_t>(b.personne("P3")));
    d->valeur(kCoupesFrises) = coupes;
    const std::string pdf = ecrire(*d, b, "FI_ascendants.pdf");
    ASSERT_EQ(d->frises().size(), 4u);  // 1, 2, 4, 5 : la branche de 3 est retirée
    EXPECT_EQ(d->frises()[1].personne, static_cast<std::uint32_t>(b.personne("P2")));
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
    // Une seule frise aussi commence en haut de sa page.
    auto seule = document<FriseIndividuelle>(b, FriseIndividuelle::kCodeIndividuelle, 1);
    ecrire(*seule, b, "FI_page.pdf");
    EXPECT_EQ((seule->hauteur + marges) % page, 0);
    EXPECT_GT(seule->hauteur, FriseIndividuelle::hauteurFrise(seule->frises()[0]));
    auto lignees = document<FriseLignees>(b, FriseLignees::kCodeAscendante, 1);
    ecrire(*lignees, b, "FA_page.pdf");
    EXPECT_EQ((lignees->hauteur + marges) % page, 0);
}

TEST_F(FrisesEssai, friseIndividuelleDessineBandesMarquesEtAxe) {
    BaseEssai b(essai::gedcomDeLiens(11, kLiens, kDates), BaseEssai::GarderGedcom{});
    auto d = document<FriseIndividuelle>(b, FriseIndividuelle::kCodeIndividuelle, 1);
    const std::string pdf = ecrire(*d, b, "FI_N1.pdf");
    essais::verifierAvecQpdf(pdf, "FI_N1.pdf");
    EXPECT_NE(pdf.find("/ShadingType 3\n"), std::string::npos);  // marques rondes
    EXPECT_NE(pdf.find("/Coords [ 0.5 0.5 0.100 0.5 0.5 0.5 ]"), std::string::npos);
    const std::string c = contenus(*d);
    for (const char* t : {"(Frise chronologique) Tj", "(de N1 P1) Tj", "(Naissance) Tj", "(Naissance de P9 N9) Tj",
                          "(menuisier \\(sans date\\)) Tj", "(personnels) Tj", "(familiaux) Tj", "(1910) Tj"})
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
    const std::string c = contenus(*d);
    EXPECT_NE(c.find("(G\xE9n\xE9ration 3) Tj"), std::string::npos);
    EXPECT_NE(c.find("(Frise ascendante) Tj"), std::string::npos);
    EXPECT_EQ(d->sousTitre(), "de N1 P1");
    // Limite à deux générations.
    auto l = document<FriseLignees>(b, FriseLignees::kCodeAscendante, 1);
    l->valeur(kLimiteFrise) = std::uint8_t{2};
    ecrire(*l, b, "FA_N1_limite.pdf");
    EXPECT_EQ(l->generations().size(), 2u);
    // Une personne sans date ni parent ni enfant daté : pas de barre, et on le dit.
    auto seul = document<FriseLignees>(b, FriseLignees::kCodeDescendante, 8);
    ecrire(*seul, b, "FD_N8.pdf");
    const std::string c8 = contenus(*seul);
    EXPECT_FALSE(seul->generations()[0][0].vie.date());
    EXPECT_NE(c8.find("(P8 N8 \\(dates inconnues\\)) Tj"), std::string::npos) << c8;
    EXPECT_TRUE(seul->echelle().vide());
}

TEST_F(FrisesEssai, friseAscendanteDuCoupleEtDescendanteAvecTitres) {
    BaseEssai b(essai::gedcomDeLiens(11, kLiens, kDates));
    auto couple = document<FriseLignees>(b, FriseLignees::kCodeAscendanteFamiliale, 1, 11);
    essais::verifierAvecQpdf(ecrire(*couple, b, "FA_couple.pdf"), "FA_couple.pdf");
    EXPECT_EQ(couple->generations()[0].size(), 2u);
    EXPECT_EQ(couple->sousTitre(), "de N1 P1 et de N11 P11");
    auto desc = document<FriseLignees>(b, FriseLignees::kCodeDescendante, 4);
    essais::verifierAvecQpdf(ecrire(*desc, b, "FD_N4.pdf"), "FD_N4.pdf");
    ASSERT_EQ(desc->generations().size(), 4u);  // 4, 2, 1, puis 9 et 10
    EXPECT_EQ(desc->generations()[3].size(), 2u);
}

TEST_F(FrisesEssai, friseDesGenerationsLibellesEtCouleurs) {
    EXPECT_EQ(FriseGenerations::libelle(1, false, false), "1 ascendant");
    EXPECT_EQ(FriseGenerations::libelle(2, false, true), "2 ascendants *");
    EXPECT_EQ(FriseGenerations::libelle(12, true, false), "12 descendants");
    BaseEssai b(essai::gedcomDeLiens(11, kLiens, kDates));
    auto asc = document<FriseGenerations>(b, FriseGenerations::kCodeAscendante, 1);
    essais::verifierAvecQpdf(ecrire(*asc, b, "FG_asc.pdf"), "FG_asc.pdf");
    ASSERT_EQ(asc->barres().size(), 3u);
    EXPECT_EQ(asc->barres()[2].vie.libelle, "4 ascendants");
    EXPECT_EQ(asc->barres()[2].vie.categorie, CategorieFrise::Domicile);
    auto couple = document<FriseGenerations>(b, FriseGenerations::kCodeAscendanteFamiliale, 1, 11);
    ecrire(*couple, b, "FG_couple.pdf");
    ASSERT_EQ(couple->barres().size(), 4u);  // 1 et 11, puis les parents de 1, puis ses grands-parents
    EXPECT_EQ(couple->barres()[0].vie.categorie, CategorieFrise::Homme);
    EXPECT_EQ(couple->barres()[1].vie.categorie, CategorieFrise::Femme);
    auto desc = document<FriseGenerations>(b, FriseGenerations::kCodeDescendante, 1);
    desc->valeur(kConjointsGenerations) = std::uint8_t{1};
    ecrire(*desc, b, "FG_desc.pdf");
    EXPECT_EQ(desc->titre(), "Frise des générations descendantes (conjoints compris)"_1252);
    ASSERT_EQ(desc->barres().size(), 2u);
    EXPECT_EQ(desc->barres()[0].vie.libelle, "2 descendants");  // 1 et son conjoint 11
}

TEST(CommandeFrises, lesNeufTypesEnLigneDeCommandeAvecLeursOptions) {
    const essai::CommandeEssai lancer(essai::gedcomDeLiens(11, kLiens, kDates));
    const std::string racine = "--racine @I1@ ";
    const std::pair<const char*, std::string> commandes[] = {
        {"frise-individuelle", "--option \"Echelle de temps fixe (110 ans sur la largeur de la page)=non\""},
        {"frises-ascendants", "--coupe @I3@ --option \"Couper toutes les branches au-delà de=1\""},
        {"frises-descendants", ""},
        {"frise-ascendante", "--option \"Limite la frise à=2\""},
        {"frise-ascendante-familiale", "--conjoint @I11@"},
        {"frise-descendante", ""},
        {"frise-generations-ascendantes", ""},
        {"frise-generations-ascendantes-familiale", "--conjoint @I11@"},
        {"frise-generations-descendantes", "--option \"Intègre les conjoints des descendants=non\""}};
    for (const auto& [type, options] : commandes) {
        const auto s = lancer(type, racine + options + lancer.sortie(std::string(type) + ".pdf"));
        EXPECT_EQ(s.code, 0) << type << "\n" << s.texte;
        EXPECT_EQ(lancer.lire(std::string(type) + ".pdf").substr(0, 8), "%PDF-1.7") << type;
    }
    // Sur papier A4, une page par frise : 1, 2, 4 et 5, la branche de 3 coupée.
    auto s = lancer("frises-ascendants", racine + "--coupe @I3@ --papier 'A4 paysage'" + lancer.sortie("pages.pdf"));
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_EQ(LecturePdf(lancer.dossier / "pages.pdf").compter("/Type /Page\n"), 4u);
    // Le familial sans conjoint, sur une personne sans famille : le message, et un échec.
    s = lancer("frise-ascendante-familiale", "--racine @I8@");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("La racine de l'arbre n'a aucun conjoint connu"), std::string::npos) << s.texte;
}

}  // namespace
}  // namespace lignara
