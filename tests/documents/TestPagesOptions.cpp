#include "documents/PagesOptions.h"

#include <gtest/gtest.h>

#include "BaseEssai.h"
#include "commun/Texte.h"
#include "documents/arbres/ArbreAscendant.h"

namespace lignara {
namespace {

using essai::BaseEssai;

// Document de l'arbre ascendant sans mise en page : seuls ses paramètres comptent ici.
class ArbreEssai : public Document {
public:
    using Document::Document;
    void preparer(const ContexteDocument&) override {}
    void ecrire() override {}
};

const ParametreDeclare& critereDe(const Document& d) {
    return d.type().code == 38 ? kCritereColoration<SorteArbreChromatique::AscendantFamilial>
                               : kCritereColoration<SorteArbreChromatique::AscendantIndividuel>;
}

struct Feuille : ::testing::Test {
    BaseEssai b{essai::kFamilleEssai};
    ArbreEssai individuel{*afficheurDeCode(1)};
    ArbreEssai familial{*afficheurDeCode(38)};
    void SetUp() override {
        for (ArbreEssai* a : {&individuel, &familial}) a->initialiserParametres(b.contexte);
    }
};

TEST_F(Feuille, lesOptionsDesDeuxVariantesPassentParLesMemesEmplacements) {
    EXPECT_EQ(titreFeuille(*afficheurDeCode(38)), "Arbre ascendant");
    for (ArbreEssai* a : {&individuel, &familial}) {
        a->valeur(kFondDePage) = std::string("Siècles"_1252);
        a->valeur(kFormat) = std::uint8_t{3};
        a->valeur(kStyleAscendant) = std::uint8_t{1};
        a->valeur(critereDe(*a)) = std::uint8_t{11};
        a->valeur(kLimiteGenerations) = std::uint8_t{7};
        ParametresDocument avant = a->parametres;
        EmplacementsOptions e = versEmplacements(*a);
        EXPECT_EQ(e.textes[controle::kFondDePage], "Siècles"_1252);
        std::vector<std::int64_t> valeurs;
        for (int c : {controle::kChronologique, controle::kFormat, controle::kGroupe1, controle::kChromatique,
                      controle::kCritere, controle::kSuppressionNonColorees})
            valeurs.push_back(e.valeurs[c]);
        EXPECT_EQ(valeurs, (std::vector<std::int64_t>{1, 3, 1, 1, 11, 1}));
        EXPECT_TRUE(e.avecCoupes);
        EXPECT_EQ(e.generations, 7);
        depuisEmplacements(e, *a, b.base().nombreIndividus());
        EXPECT_EQ(a->parametres, avant) << a->type().titre;
        EXPECT_EQ(a->format, FormatSortie::Web);
    }
}

TEST_F(Feuille, lesCasesDecocheesEffacentFondDePageEtCritere) {
    EmplacementsOptions e = versEmplacements(individuel);
    EXPECT_EQ(e.valeurs[controle::kChronologique], 0);
    EXPECT_EQ(e.valeurs[controle::kChromatique], 0);
    e.textes[controle::kFondDePage] = "France";
    e.valeurs[controle::kCritere] = 10;
    depuisEmplacements(e, individuel, b.base().nombreIndividus());
    EXPECT_EQ(individuel.texte(kFondDePage), "");
    EXPECT_EQ(individuel.octet(critereDe(individuel)), ColorationAucune);

    e.valeurs[controle::kChronologique] = 1;
    e.valeurs[controle::kChromatique] = 1;
    depuisEmplacements(e, individuel, b.base().nombreIndividus());
    EXPECT_EQ(individuel.texte(kFondDePage), "France");
    EXPECT_EQ(individuel.octet(critereDe(individuel)), 10);
}

TEST_F(Feuille, unFormatNonOffertRetombeSurLePdf) {
    EmplacementsOptions e = versEmplacements(individuel);
    e.valeurs[controle::kFormat] = 1;  // Texte : l'arbre ne l'offre pas
    depuisEmplacements(e, individuel, b.base().nombreIndividus());
    EXPECT_EQ(individuel.octet(kFormat), 0);
    EXPECT_EQ(individuel.format, FormatSortie::Pdf);
}

TEST_F(Feuille, lesCoupesPassentDeLEnsembleALaListeEtRetour) {
    EnsemblePersonnes coupees(b.base().nombreIndividus());
    coupees.ajouter(5);
    coupees.ajouter(2);
    familial.valeur(kCoupesArbre) = coupees;
    EmplacementsOptions e = versEmplacements(familial);
    ASSERT_EQ(e.coupes.personnes(), (std::vector<std::uint32_t>{2, 5}));
    e.coupes.supprimer(0);
    e.coupes.ajouter(3);
    e.generations = 150;
    depuisEmplacements(e, familial, b.base().nombreIndividus());
    const EnsemblePersonnes* apres = familial.ensemble(kCoupesArbre);
    ASSERT_NE(apres, nullptr);
    EXPECT_FALSE(apres->contient(2));
    EXPECT_TRUE(apres->contient(3));
    EXPECT_TRUE(apres->contient(5));
    EXPECT_EQ(familial.octet(kLimiteGenerations), ListeCoupes::kGenerationsMax);
}

// Un type à trois pages : chaque contrôle va sur la page de son rang, les onglets prennent le
// titre que la ligne leur donne, la page « Coupes » reste à part.
constexpr ParametreDeclare kCaseEssai{.lettre = 'b', .controle = 2011, .libelle = "Avec les dates"};
constexpr ParametreDeclare kDateEssai{.lettre = 'D', .controle = 2003, .libelle = "Né après le", .page = 2};
constexpr ParametreDeclare kLieuEssai{.lettre = 's', .controle = 2004, .libelle = "Lieu", .page = 2};
constexpr const ParametreDeclare* kParametresEssai[] = {&kRacine,    &kNomRacine,   &kCaseEssai,        &kDateEssai,
                                                        &kLieuEssai, &kCoupesArbre, &kLimiteGenerations};
const Afficheur kTypeEssai{200,
                           "Essai",
                           "ES_",
                           "essai",
                           kParametresEssai,
                           DemandeTete::Personne,
                           "DIALOG_ES_GENE,DIALOG_COUPE,DIALOG_ES_DATES:Dates",
                           OffrePdf,
                           0,
                           0,
                           nullptr};

TEST(PagesOptions, chaqueControleVaSurLaPageDeSonRang) {
    EXPECT_EQ(kTypeEssai.signature(), "PsbDsL1");
    auto pages = pagesOptions(kTypeEssai);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].onglet, "Général");
    ASSERT_EQ(pages[0].controles.size(), 1u);
    EXPECT_EQ(pages[0].controles[0], &kCaseEssai);
    EXPECT_EQ(pages[1].modele, "DIALOG_ES_DATES");
    EXPECT_EQ(pages[1].onglet, "Dates");
    EXPECT_EQ(pages[1].controles, (std::vector<const ParametreDeclare*>{&kDateEssai, &kLieuEssai}));
    EXPECT_TRUE(aPageCoupes(kTypeEssai));

    BaseEssai b{essai::kFamilleEssai};
    ArbreEssai d{kTypeEssai};
    d.initialiserParametres(b.contexte);
    d.valeur(kDateEssai) = DateParametre{0, 3, 1850};
    EmplacementsOptions e = versEmplacements(d);
    EXPECT_EQ(e.textes[2003], "03/1850");
    e.textes[2003] = "12/1851";
    e.textes[2004] = "Lyon";
    e.valeurs[2011] = 1;
    depuisEmplacements(e, d, b.base().nombreIndividus());
    EXPECT_EQ(std::get<DateParametre>(d.valeur(kDateEssai)), (DateParametre{0, 12, 1851}));
    EXPECT_EQ(d.texte(kLieuEssai), "Lyon");
    EXPECT_EQ(d.octet(kCaseEssai), 1);
    e.textes[2003] = "32/13/1851";  // refusée par la page : l'ancienne date reste
    depuisEmplacements(e, d, b.base().nombreIndividus());
    EXPECT_EQ(std::get<DateParametre>(d.valeur(kDateEssai)), (DateParametre{0, 12, 1851}));
}

}  // namespace
}  // namespace lignara
