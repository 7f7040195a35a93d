#include <gtest/gtest.h>

#include "documents/frises/EchelleTemps.h"

namespace lignara {
namespace {

PlageJours plage(int anneeDebut, int anneeFin) {
    PlageJours p;
    p.inclure(NumeroJour(1, 1, anneeDebut), NumeroJour(1, 1, anneeFin));
    return p;
}

TEST(EchelleTemps, echelleFixeCentDixAnsOuPlageElargieDeQuatreVingtDixUnites) {
    // Une vie de 60 ans sur l'échelle fixe n'occupe que la gauche de l'axe.
    const EchelleTemps fixe(plage(1800, 1860), 1000, 11000, true);
    EXPECT_EQ(fixe.fin() - fixe.debut(), EchelleTemps::kJours110Ans);
    EXPECT_LT(fixe.x(NumeroJour(1, 1, 1860)), 1000 + 11000 * 60 / 109);
    // Une plage plus longue que 110 ans reste entière.
    EXPECT_EQ(EchelleTemps(plage(1700, 1900), 0, 11000, true).fin(), NumeroJour(1, 1, 1900));
    // Sans échelle fixe, le dernier jour tombe à 90 unités de la droite.
    const EchelleTemps libre(plage(1800, 1860), 1000, 11000, false);
    EXPECT_NEAR(libre.x(NumeroJour(1, 1, 1860)), 1000 + 11000 - 90, 1);
}

TEST(EchelleTemps, plageVideOuNulleNeDiviseJamaisParZero) {
    const EchelleTemps vide(PlageJours{}, 100, 5000, true);
    EXPECT_TRUE(vide.vide() && vide.graduations().empty());
    EXPECT_EQ(vide.x(NumeroJour(1, 1, 1900)), 100);
    // Une seule naissance exacte, sans échelle fixe : la plage devient une année.
    const EchelleTemps un(plage(1900, 1900), 0, 10000, false);
    EXPECT_GT(un.x(NumeroJour(1, 1, 1901)), 9000);
}

TEST(EchelleTemps, deuxMilleAnsSurLaLargeurSansDebordement) {
    const EchelleTemps e(plage(-100, 1950), 0, 12000, false);
    EXPECT_EQ(e.x(NumeroJour(1, 1, -100)), 0);
    EXPECT_NEAR(e.x(NumeroJour(1, 1, 925)), (12000 - 90) / 2, 10);
    EXPECT_EQ(e.pasAnnees(), 200);
    EXPECT_EQ(e.graduations().at(0).annee, 200);  // l'an 0 n'existe pas
}

TEST(EchelleTemps, pasUnJusquaVingtAnsPuisLePremierQuiDonneAuPlusVingtPas) {
    EXPECT_EQ(EchelleTemps(plage(1900, 1920), 0, 10000, false).pasAnnees(), 5);  // élargie : plus de 20 ans
    EXPECT_EQ(EchelleTemps(plage(1900, 1919), 0, 100000, false).pasAnnees(), 1);
    EXPECT_EQ(EchelleTemps(plage(1000, 1950), 0, 100000, false).pasAnnees(), 50);
    EXPECT_EQ(EchelleTemps(plage(-9000, 9000), 0, 100000, false).pasAnnees(), 1000);
    const auto g = EchelleTemps(plage(1850, 1950), 0, 100000, false).graduations();
    EXPECT_TRUE(g.at(0).annee == 1850 && g.at(0).x == 0);
}

}  // namespace
}  // namespace lignara
