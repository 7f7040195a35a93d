// La commande « lignara document » lancée comme un utilisateur la lance.
#include <cstdio>
#include <string>

#include <sys/wait.h>

#include <gtest/gtest.h>

#include "documents/DocumentLigneCommande.h"
#include "commun/OperationImpossible.h"

namespace lignara {
namespace {

struct Sortie {
    std::string texte;
    int code = -1;
};

Sortie lancer(const std::string& arguments) {
    Sortie s;
    std::string commande = std::string("'") + LIGNARA_PROGRAMME + "' " + arguments + " 2>&1";
    std::FILE* f = ::popen(commande.c_str(), "r");
    if (!f) return s;
    char tampon[4096];
    for (std::size_t n; (n = std::fread(tampon, 1, sizeof tampon, f)) > 0;) s.texte.append(tampon, n);
    int statut = ::pclose(f);
    s.code = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
    return s;
}

TEST(CommandeDocument, listeLesCinquanteQuatreTypes) {
    Sortie s = lancer("document --liste");
    EXPECT_EQ(s.code, 0);
    std::size_t lignes = 0;
    for (char c : s.texte) lignes += c == '\n';
    EXPECT_EQ(lignes, 54u);
    EXPECT_NE(s.texte.find("15  LD_  liste-descendante"), std::string::npos) << s.texte;
    EXPECT_NE(s.texte.find("Liste éclair"), std::string::npos);
    EXPECT_NE(s.texte.find("pdf,texte,rtf,web"), std::string::npos);
}

TEST(CommandeDocument, typeSansMiseEnPageEchoueAvantDeLireLeFichier) {
    Sortie s = lancer("document liste-cousins /fichier/absent.ged --racine @I1@");
    EXPECT_NE(s.code, 0);
    EXPECT_EQ(s.texte, "Ce document n'est pas encore disponible\n");
}

TEST(CommandeDocument, typeInconnuOuAmbiguEstRefuseAvecLesCandidats) {
    Sortie s = lancer("document 'arbre ascendant' f.ged");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("Type de document inconnu : « arbre ascendant »"), std::string::npos) << s.texte;
    EXPECT_THROW(typeDesigne("TR_"), OperationImpossible);  // trois trombinoscopes
    EXPECT_EQ(typeDesigne("tableau-ascendant").code, 32);
}

}  // namespace
}  // namespace lignara
