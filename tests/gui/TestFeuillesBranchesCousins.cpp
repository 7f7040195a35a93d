// Feuilles de propriétés de la liste des branches et de la liste de cousins, tirées de leurs
// déclarations : les choix de tri en boutons, les cases et le degré maximal ; une image de
// chacune dans captures/.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QSpinBox>
#include <QCheckBox>

#include "documents/listes/ListeBranches.h"
#include "documents/listes/ListeCousins.h"
#include "gui/EssaiFenetre.h"
#include "gui/SelectionEssai.h"
#include "shell/gui/FenetrePrincipale.h"
#include "shell/gui/FeuilleProprietes.h"

namespace {

using namespace lignara;
using namespace lignara::gui;

bool capturer(QWidget& w, const QString& nom) {
    QDir().mkpath(LIGNARA_DOSSIER_CAPTURES);
    QApplication::processEvents();
    return w.grab().save(QString(LIGNARA_DOSSIER_CAPTURES) + "/" + nom + ".png");
}

QStringList textes(QDialog& d) {
    QStringList t;
    for (QRadioButton* b : d.findChildren<QRadioButton*>()) t << b->text();
    for (QCheckBox* c : d.findChildren<QCheckBox*>()) t << c->text();
    return t;
}

TEST(FeuillesBranchesCousins, choixDeTriCasesEtDegreMaximalViennentDesDeclarations) {
    essai::remettreAZero();
    FenetrePrincipale f(Configuration{}, essai::exempleLivre());
    f.executer(1002);
    ASSERT_TRUE(f.fichier().estOuvert());
    ContexteDocument contexte = f.fichier().contexte(true);
    EnvironnementSelection env{contexte, f.fichier().recentes(), [] { return -1; }, [] { return -1; }};
    essai::Aiguillage aiguillage;
    aiguillage.installer();
    ListesPage listes;

    ListeCousins cousins(*afficheurDeCode(ListeCousins::kCode));
    cousins.initialiserParametres(contexte);
    cousins.valeur(kRacine) = std::int32_t{1};
    QStringList vus;
    int maximum = 0;
    aiguillage.parNom["feuilleProprietes"] = [&](QDialog& d) {
        EXPECT_TRUE(capturer(d, "feuille-liste-cousins"));
        vus = textes(d);
        for (QSpinBox* s : d.findChildren<QSpinBox*>()) maximum = std::max(maximum, s->maximum());
        return int(QDialog::Rejected);
    };
    FeuilleProprietes::modifier(cousins, env, listes, &f);
    for (const char* t : {"par degré de parenté", "par catégorie professionnelle", "Affichage des ascendants directs",
                          "Affichage des cousins par alliance"})
        EXPECT_TRUE(vus.contains(QString::fromUtf8(t))) << t;
    EXPECT_EQ(maximum, 65535);

    ListeBranches branches(*afficheurDeCode(ListeBranches::kCode));
    branches.initialiserParametres(contexte);
    aiguillage.parNom["feuilleProprietes"] = [&](QDialog& d) {
        EXPECT_TRUE(capturer(d, "feuille-liste-branches"));
        vus = textes(d);
        return int(QDialog::Rejected);
    };
    FeuilleProprietes::modifier(branches, env, listes, &f);
    EXPECT_TRUE(vus.contains(QString::fromUtf8("par nombre décroissant de descendants")));
}

}  // namespace
