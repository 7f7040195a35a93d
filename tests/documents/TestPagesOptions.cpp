#include "documents/PagesOptions.h"

#include <gtest/gtest.h>

#include "BaseEssai.h"
#include "commun/Texte.h"
#include "documents/arbres/Coloration.h"

namespace lignara {
namespace {

using essai::BaseEssai;

// Document de l'arbre ascendant sans mise en page : seuls ses paramètres comptent ici.
class ArbreEssai : public Document {
public:
    using Document::Document;
    int parametreFormat() const override { return static_cast<int>(debutOptions(type())) + 1; }
    void preparer(const ContexteDocument&) override {}
    void ecrire() override {}
};

struct Feuille : ::testing::Test {
    BaseEssai b{essai::kFamilleEssai};
    ArbreEssai individuel{*afficheurDeCode(1)};
    ArbreEssai familial{*afficheurDeCode(38)};
    void SetUp() override {
        for (ArbreEssai* a : {&individuel, &familial}) {
            a->initialiserParametres(b.contexte);
            std::size_t o = debutOptions(a->type());
            a->parametres[o + 3] = std::uint8_t{ColorationAucune};
            a->parametres[o + 4] = std::uint8_t{1};
        }
    }
};

TEST_F(Feuille, lesOptionsSuiventLaTeteDesPersonnesDesDeuxVariantes) {
    EXPECT_EQ(debutOptions(*afficheurDeCode(1)), 2u);
    EXPECT_EQ(debutOptions(*afficheurDeCode(38)), 3u);
    EXPECT_EQ(debutOptions(*afficheurDeCode(16)), 0u);
    EXPECT_EQ(titreFeuille(*afficheurDeCode(38)), "Arbre ascendant");
    for (ArbreEssai* a : {&individuel, &familial}) {
        std::size_t o = debutOptions(a->type());
        a->parametres[o] = std::string("Siècles"_1252);
        a->parametres[o + 1] = std::uint8_t{3};
        a->parametres[o + 2] = std::uint8_t{1};
        a->parametres[o + 3] = std::uint8_t{11};
        a->parametres[o + 6] = std::uint8_t{7};
        ParametresDocument avant = a->parametres;
        EmplacementsOptions e = versEmplacements(*a);
        EXPECT_EQ(e.valeurs[controle::kChronologique], 1);
        EXPECT_EQ(e.textes[controle::kFondDePage], "Siècles"_1252);
        EXPECT_EQ(e.valeurs[controle::kFormat], 3);
        EXPECT_EQ(e.valeurs[controle::kGroupe1], 1);
        EXPECT_EQ(e.valeurs[controle::kChromatique], 1);
        EXPECT_EQ(e.valeurs[controle::kCritere], 11);
        EXPECT_EQ(e.valeurs[controle::kSuppressionNonColorees], 1);
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
    EXPECT_EQ(std::get<std::string>(individuel.parametres[2]), "");
    EXPECT_EQ(std::get<std::uint8_t>(individuel.parametres[5]), ColorationAucune);

    e.valeurs[controle::kChronologique] = 1;
    e.valeurs[controle::kChromatique] = 1;
    depuisEmplacements(e, individuel, b.base().nombreIndividus());
    EXPECT_EQ(std::get<std::string>(individuel.parametres[2]), "France");
    EXPECT_EQ(std::get<std::uint8_t>(individuel.parametres[5]), 10);
}

TEST_F(Feuille, unFormatNonOffertRetombeSurLePdf) {
    EmplacementsOptions e = versEmplacements(individuel);
    e.valeurs[controle::kFormat] = 1;  // Texte : l'arbre ne l'offre pas
    depuisEmplacements(e, individuel, b.base().nombreIndividus());
    EXPECT_EQ(std::get<std::uint8_t>(individuel.parametres[3]), 0);
    EXPECT_EQ(individuel.format, FormatSortie::Pdf);
}

TEST_F(Feuille, lesCoupesPassentDeLEnsembleALaListeEtRetour) {
    EnsemblePersonnes coupees(b.base().nombreIndividus());
    coupees.ajouter(5);
    coupees.ajouter(2);
    individuel.parametres[7] = coupees;
    EmplacementsOptions e = versEmplacements(individuel);
    ASSERT_EQ(e.coupes.personnes(), (std::vector<std::uint32_t>{2, 5}));
    e.coupes.supprimer(0);
    e.coupes.ajouter(3);
    e.generations = 150;
    depuisEmplacements(e, individuel, b.base().nombreIndividus());
    const auto& apres = std::get<EnsemblePersonnes>(individuel.parametres[7]);
    EXPECT_FALSE(apres.contient(2));
    EXPECT_TRUE(apres.contient(3));
    EXPECT_TRUE(apres.contient(5));
    EXPECT_EQ(std::get<std::uint8_t>(individuel.parametres[8]), ListeCoupes::kGenerationsMax);
}

TEST(PagesOptions, laListeDesCriteresDiffereEntreIndividuelEtFamilial) {
    auto individuels = criteresProposes(*afficheurDeCode(1));
    auto familiaux = criteresProposes(*afficheurDeCode(38));
    ASSERT_EQ(individuels.size(), 13u);
    ASSERT_EQ(familiaux.size(), 13u);
    EXPECT_EQ(individuels[9], 10);  // « Branche (génération 2) »
    EXPECT_EQ(familiaux[9], 9);     // « Branche (génération 1) »
    EXPECT_EQ(libelleCritereColoration(individuels[9]), "Branche (génération 2)"_1252);
    EXPECT_TRUE(criteresProposes(*afficheurDeCode(12)).empty());
}

TEST(PagesOptions, unTypeSansPageDeclareeNeMontreQueSesFormats) {
    EXPECT_NE(premierePage(*afficheurDeCode(1)), nullptr);
    EXPECT_EQ(premierePage(*afficheurDeCode(12)), nullptr);
    PageOptions liste = pageDuType(*afficheurDeCode(12));
    ASSERT_EQ(liste.controles.size(), 1u);
    EXPECT_EQ(liste.controles[0].identifiant, controle::kFormat);
    EXPECT_TRUE(pageDuType(*afficheurDeCode(18)).controles.empty());  // roue : PDF seulement
    EXPECT_TRUE(aPageCoupes(*afficheurDeCode(12)));
    EXPECT_FALSE(aPageCoupes(*afficheurDeCode(14)));
}

}  // namespace
}  // namespace lignara

namespace lignara {
namespace {

TEST(PagesOptions, lesDatesSaisiesOmettentJourEtMoisNuls) {
    EXPECT_EQ(texteDateSaisie({3, 3, 1850}), "03/03/1850");
    EXPECT_EQ(texteDateSaisie({0, 3, 1850}), "03/1850");
    EXPECT_EQ(texteDateSaisie({0, 0, 1850}), "1850");
    EXPECT_EQ(texteDateSaisie({}), "");
    EXPECT_EQ(lireDateSaisie("03/03/1850"), (DateParametre{3, 3, 1850}));
    EXPECT_EQ(lireDateSaisie(" 3/1850 "), (DateParametre{0, 3, 1850}));
    EXPECT_EQ(lireDateSaisie("1850"), (DateParametre{0, 0, 1850}));
    EXPECT_EQ(lireDateSaisie(""), DateParametre{});
    for (const char* mauvaise : {"13/1850", "32/01/1850", "1/2/3/4", "1850/", "/1850", "18a0", "0/1850", "12345"})
        EXPECT_FALSE(lireDateSaisie(mauvaise)) << mauvaise;
}

}  // namespace
}  // namespace lignara
