// Feuille de la liste par critère (trois pages), tirée de ses déclarations.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "documents/listes/ListeCriteres.h"
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
        element<QComboBox>(*onglets->widget(0), "c2001")->setEditText("Dupont");
        element<QCheckBox>(*onglets->widget(0), "c2012")->setChecked(true);
        element<QLineEdit>(*onglets->widget(1), "c2005")->setText("1750");
        element<QRadioButton>(*onglets->widget(1), "c2042")->setChecked(true);
        element<QLineEdit>(*onglets->widget(2), "c2004")->setText("Lyon");
        return essai::valider(d);
    };
    ASSERT_TRUE(modifier(liste));
    EXPECT_EQ(liste.texte(kCritereNom), "Dupont");
    EXPECT_EQ(liste.octet(kMotEntierNom), 1);
    EXPECT_EQ(std::get<DateParametre>(liste.valeur(kDateMaximale)).annee, 1750);
    EXPECT_EQ(liste.octet(kSorteDate), 1);  // date de décès
    EXPECT_EQ(liste.texte(kCritereLieu), "Lyon");
}

}  // namespace
