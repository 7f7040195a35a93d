#include "reglages/TagCommentaire.h"

#include <gtest/gtest.h>

#include "commun/Texte.h"

using namespace lignara;

TEST(TagCommentaire, laSaisieEstCoupeeA24CaracteresEtUnTagDejaLuPourLesPersonnesRefuseEnLeNommant) {
    EXPECT_EQ(tagCommentaireSaisi("_COMM et la suite"), "_COMM");
    EXPECT_EQ(tagCommentaireSaisi(std::string(30, 'X')), std::string(24, 'X'));
    for (const char* tag : {"note", "BIRT", "_img", "TRLR"}) EXPECT_TRUE(tagDejaLuPourLesPersonnes(tag)) << tag;
    for (const char* tag : {"_COMM", "NOT", "NOTES", ""}) EXPECT_FALSE(tagDejaLuPourLesPersonnes(tag)) << tag;
    EXPECT_EQ(refusTagCommentaire("OCCU"),
              "Le tag \"OCCU\" ne peut pas être utilisé pour les commentaires\ncar il est déjà pris "
              "en compte dans la description d'un individu."_1252);
}
