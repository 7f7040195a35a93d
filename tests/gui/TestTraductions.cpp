// Les textes propres à Qt viennent de la traduction française de Qt, chargée comme le programme
// la charge (tests/gui/main.cpp).
#include <gtest/gtest.h>
#include <QColorDialog>
#include <QCoreApplication>

TEST(TraductionsQt, lesDialoguesEtMessagesDeQtSontEnFrancais) {
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), "&Nom de fichier :");
    EXPECT_EQ(QColorDialog().windowTitle(), "Sélectionner une couleur");
}
