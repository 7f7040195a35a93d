// Les textes propres à Qt (sélecteur de fichiers, choix des couleurs, boutons standard) viennent
// de la traduction française de Qt, chargée comme le programme la charge (tests/gui/main.cpp).
#include <gtest/gtest.h>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>

namespace {

TEST(TraductionsQt, lesDialoguesEtMessagesDeQtSontEnFrancais) {
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), "&Nom de fichier :");
    QColorDialog couleurs;
    EXPECT_EQ(couleurs.windowTitle(), "Sélectionner une couleur");
    QDialogButtonBox boutons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(boutons.button(QDialogButtonBox::Cancel)->text().remove('&'), "Annuler");
}

}  // namespace
