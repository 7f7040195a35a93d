// La commande « lignara document » lancée comme un utilisateur la lance.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <sys/wait.h>

#include <gtest/gtest.h>

#include "GenealogieArbre.h"
#include "documents/Afficheur.h"
#include "documents/DocumentLigneCommande.h"
#include "commun/OperationImpossible.h"
#include "render/LecturePdf.h"
#include "render/OutilsPdf.h"
#include "support/Programme.h"

namespace lignara {
namespace {

using Sortie = essai::SortieProgramme;

Sortie lancer(const std::string& arguments) { return essai::lancerProgramme(arguments); }

TEST(CommandeDocument, listeUnTypeParLigne) {
    Sortie s = lancer("document --liste");
    EXPECT_EQ(s.code, 0);
    std::size_t lignes = 0;
    for (char c : s.texte) lignes += c == '\n';
    EXPECT_EQ(lignes, afficheurs().size());
    EXPECT_NE(s.texte.find("15  LD_  liste-descendante"), std::string::npos) << s.texte;
    EXPECT_NE(s.texte.find("Liste éclair"), std::string::npos);
    EXPECT_NE(s.texte.find("pdf,texte,rtf,web"), std::string::npos);
}

TEST(CommandeDocument, typeInconnuOuAmbiguEstRefuseAvecLesCandidats) {
    Sortie s = lancer("document 'arbre ascendant' f.ged");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("Type de document inconnu : « arbre ascendant »"), std::string::npos) << s.texte;
    EXPECT_THROW(typeDesigne("TR_"), OperationImpossible);  // trois trombinoscopes
    EXPECT_EQ(typeDesigne("tableau-ascendant").code, 32);
}

// Le papier : --papier par son nom, sinon celui que les préférences rangent pour la ligne de
// commande, « Non paginé » au départ (une seule feuille à la taille du dessin). La boîte de
// chaque page est la zone utile de sa feuille : 567 × 814 points en A4 portrait.
TEST(CommandeDocument, lePapierVientDePapierSinonDesPreferences) {
    essai::DossierEssai d;
    const auto ged = d / "sosa.ged";
    {
        std::ofstream f(ged);
        f << essai::gedcomSosa(7);
    }
    const char* ancien = std::getenv("XDG_CONFIG_HOME");
    const std::string configurationAvant = ancien ? ancien : "";
    setenv("XDG_CONFIG_HOME", (d / "configuration").c_str(), 1);
    auto produire = [&](const std::string& nom, const std::string& papier) {
        Sortie s = lancer("document arbre-ascendant '" + ged.string() + "' --racine @I1@ " + papier + " --sortie '" +
                          (d / nom).string() + "'");
        EXPECT_EQ(s.code, 0) << s.texte;
        return essai::LecturePdf(d / nom);
    };
    const auto nonPagine = produire("defaut.pdf", "");
    const auto a4 = produire("a4.pdf", "--papier 'a4 portrait'");
    Sortie rangement = lancer("preferences --papier 'A4 paysage'");
    EXPECT_EQ(rangement.code, 0) << rangement.texte;
    const auto range = produire("range.pdf", "");
    const auto remplace = produire("remplace.pdf", "--papier 'Non paginé'");
    Sortie inconnu = lancer("document arbre-ascendant '" + ged.string() + "' --racine @I1@ --papier A5");
    if (ancien)
        setenv("XDG_CONFIG_HOME", configurationAvant.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");

    EXPECT_EQ(nonPagine.compter("/Type /Page\n"), 1u);
    EXPECT_EQ(nonPagine.compter("/MediaBox [0 0 567 "), 0u);
    EXPECT_GT(a4.compter("/Type /Page\n"), 1u);
    EXPECT_EQ(a4.compter("/MediaBox [0 0 567 814]"), a4.compter("/Type /Page\n"));
    EXPECT_GT(range.compter("/Type /Page\n"), 1u);
    EXPECT_EQ(range.compter("/MediaBox [0 0 814 561]"), range.compter("/Type /Page\n"));
    EXPECT_EQ(remplace.compter("/Type /Page\n"), 1u);
    EXPECT_NE(inconnu.code, 0);
    EXPECT_NE(inconnu.texte.find("Format de papier inconnu : « A5 »"), std::string::npos) << inconnu.texte;
}

}  // namespace
}  // namespace lignara

namespace lignara {
namespace {

// Fiches et trombinoscope en ligne de commande : options tirées des déclarations, bornes de
// la hauteur des photos, aucune personne pour le trombinoscope complet.
TEST(CommandeDocument, fichesEtTrombinoscopeAvecLeursOptions) {
    essai::DossierEssai d;
    const auto ged = d / "photos.ged";
    {
        std::ofstream f(ged);
        f << "0 HEAD\n1 CHAR ANSI\n0 @I1@ INDI\n1 NAME Anne /ROY/\n1 SEX F\n1 BAPM\n2 DATE 1900\n"
             "1 OBJE\n2 FILE anne.jpg\n0 TRLR\n";
        std::ofstream(d / "anne.jpg", std::ios::binary) << essais::jpegBlanc(8, 8);
    }
    const char* ancien = std::getenv("XDG_CONFIG_HOME");
    const std::string configurationAvant = ancien ? ancien : "";
    setenv("XDG_CONFIG_HOME", (d / "configuration").c_str(), 1);
    const std::string fichier = " '" + ged.string() + "' --sortie '" + d.chemin().string() + "'";

    Sortie s = lancer("document trombinoscope-complet" + fichier + " --option 'Hauteur des photos=0'");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("Nombre de 10 à 150"), std::string::npos) << s.texte;
    s = lancer("document trombinoscope-complet" + fichier + " --racine @I1@");
    EXPECT_NE(s.code, 0);
    s = lancer("document trombinoscope-complet" + fichier +
               " --format web --option 'Tri=Année de naissance' --option 'Une seule photo par individu=oui'");
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_NE(essai::lireFichier(d / "TR_.htm").find("anne.jpg\"><img"), std::string::npos);
    s = lancer(
        "document fiche-individuelle" + fichier +
        " --racine @I1@ --format rtf --option 'Taille des photos=Taille normale' --option 'Evénements religieux=oui'");
    EXPECT_EQ(s.code, 0) << s.texte;
    const std::string rtf = essai::lireFichier(d / "TI_ROY.rtf");
    EXPECT_NE(rtf.find("\\jpegblip"), std::string::npos);
    EXPECT_NE(rtf.find("Ev\\'e9n\\'e9ment religieux"), std::string::npos);
    if (ancien)
        setenv("XDG_CONFIG_HOME", configurationAvant.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace lignara
