// Feuilles de la liste par critère (trois pages) et de la liste éclair, tirées de leurs
// déclarations.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "commun/Texte.h"
#include "documents/listes/ListeCriteres.h"
#include "documents/listes/ListeEclair.h"
#include "gui/SelectionEssai.h"
#include "shell/gui/FeuilleProprietes.h"

using namespace lignara;
using namespace lignara::gui;
using essai::element;

namespace {

struct FeuilleListes : essai::FenetreOuverte {
    ListesPage listes{{}, {"DUPONT", "MARTIN"}};

    bool modifier(Document& d) {
        auto env = environnement();
        return FeuilleProprietes::modifier(d, env, listes, f.get());
    }
};

TEST_F(FeuilleListes, laListeParCritereAGeneralDatesEtLieuxDansCetOrdre) {
    ListeCriteres liste(*afficheurDeCode(ListeCriteres::kCode));
    liste.initialiserParametres(contexte);
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) {
        auto* onglets = element<QTabWidget>(d, "onglets");
        EXPECT_EQ(onglets->count(), 3);
        EXPECT_EQ(onglets->tabText(0), "Général");
        EXPECT_EQ(onglets->tabText(1), "Dates");
        EXPECT_EQ(onglets->tabText(2), "Lieux");
        QWidget& general = *onglets->widget(0);
        EXPECT_TRUE(element<QCheckBox>(general, "c2011")->isChecked());
        element<QComboBox>(general, "c2001")->setEditText("Dupont");
        element<QCheckBox>(general, "c2012")->setChecked(true);
        element<QLineEdit>(general, "c2002")->setText("Jean-Pierre");
        QWidget& dates = *onglets->widget(1);
        EXPECT_TRUE(element<QRadioButton>(dates, "c2044")->isChecked());  // date quelconque
        element<QLineEdit>(dates, "c2005")->setText("1750");
        element<QRadioButton>(dates, "c2042")->setChecked(true);
        QWidget& lieux = *onglets->widget(2);
        element<QLineEdit>(lieux, "c2004")->setText("Lyon");
        element<QRadioButton>(lieux, "c2031")->setChecked(true);
        return essai::valider(d);
    };
    ASSERT_TRUE(modifier(liste));
    EXPECT_EQ(liste.texte(kCritereNom), "Dupont");
    EXPECT_EQ(liste.octet(kMotEntierNom), 1);
    EXPECT_EQ(liste.texte(kCriterePrenom), "Jean-Pierre");
    EXPECT_EQ(std::get<DateParametre>(liste.valeur(kDateMaximale)).annee, 1750);
    EXPECT_EQ(liste.octet(kSorteDate), 1);  // date de décès
    EXPECT_EQ(liste.texte(kCritereLieu), "Lyon");
    EXPECT_EQ(liste.octet(kSorteLieu), 0);  // lieu de naissance
}

TEST_F(FeuilleListes, laListeEclairMontreSesDeuxCases) {
    ListeEclair liste(*afficheurDeCode(ListeEclair::kCode));
    liste.initialiserParametres(contexte);
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) {
        EXPECT_FALSE(element<QCheckBox>(d, "c2012")->isChecked());
        element<QCheckBox>(d, "c2012")->setChecked(true);
        element<QRadioButton>(d, "c2093")->setChecked(true);
        return essai::valider(d);
    };
    ASSERT_TRUE(modifier(liste));
    EXPECT_EQ(liste.octet(kContemporainsEclair), 1);
    EXPECT_EQ(liste.format, FormatSortie::Rtf);
}

}  // namespace
