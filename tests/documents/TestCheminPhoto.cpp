#include <gtest/gtest.h>

#include "commun/Texte.h"
#include "documents/CheminPhoto.h"

namespace lignara {
namespace {

const std::vector<std::filesystem::path> kDossiers = {"/donnees/famille", "/donnees/cousins"};

// Un chemin relatif se rapporte au dossier du GEDCOM qui le nomme (le bon fichier dans une fusion).
TEST(CheminPhoto, unCheminRelatifSeLitDepuisLeDossierDeSonGedcom) {
    EXPECT_EQ(resoudreCheminPhoto("photo.png", 0, kDossiers), "/donnees/famille/photo.png");
    EXPECT_EQ(resoudreCheminPhoto("photos\\jean.jpg", 1, kDossiers), "/donnees/cousins/photos/jean.jpg");
    EXPECT_EQ(resoudreCheminPhoto("\xC9lise.jpg", 0, kDossiers), "/donnees/famille/\xC9lise.jpg");  // reste en 1252
}

TEST(CheminPhoto, lesCheminsAbsolusEtLesAdressesRestentTelsQuels) {
    for (const std::string chemin : {"/home/a/p.jpg", "C:\\Photos\\p.jpg", "\\\\serveur\\p.jpg",
                                     "http://exemple.org/p.jpg", "https://exemple.org/p.jpg", ""})
        EXPECT_EQ(resoudreCheminPhoto(chemin, 0, kDossiers), chemin);
}

TEST(CheminPhoto, sansDossierConnuLeCheminResteRelatif) {
    EXPECT_EQ(resoudreCheminPhoto("photo.png", 2, kDossiers), "photo.png");
}

}  // namespace
}  // namespace lignara
