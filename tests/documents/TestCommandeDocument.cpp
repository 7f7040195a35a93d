// « lignara document » : la liste des types et la désignation d'un type (le reste : tests/cli/document-*).
#include <gtest/gtest.h>

#include <string>

#include "commun/OperationImpossible.h"
#include "documents/Afficheur.h"
#include "documents/DocumentLigneCommande.h"
#include "support/Programme.h"

namespace lignara {
namespace {

TEST(CommandeDocument, listeUnTypeParLigne) {
    const essai::SortieProgramme s = essai::lancerProgramme("document --liste");
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(static_cast<std::size_t>(std::count(s.texte.begin(), s.texte.end(), '\n')), afficheurs().size());
    EXPECT_NE(s.texte.find("15  LD_  liste-descendante"), std::string::npos) << s.texte;
}

TEST(CommandeDocument, unPrefixeAmbiguEstRefuseEtUnNomDesigneSonType) {
    EXPECT_THROW(typeDesigne("TR_"), OperationImpossible);  // trois trombinoscopes
    EXPECT_EQ(typeDesigne("tableau-ascendant").code, 32);
}

}  // namespace
}  // namespace lignara
