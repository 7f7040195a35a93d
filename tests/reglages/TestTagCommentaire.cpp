#include "reglages/TagCommentaire.h"

#include <gtest/gtest.h>

#include "commun/Texte.h"

namespace lignara {
namespace {

TEST(TagCommentaire, laSaisieEstCoupeeAuPremierEspacePuisA24Caracteres) {
    EXPECT_EQ(tagCommentaireSaisi("_COMM et la suite"), "_COMM");
    EXPECT_EQ(tagCommentaireSaisi(std::string(30, 'X')), std::string(24, 'X'));
    EXPECT_EQ(tagCommentaireSaisi(" _COMM"), "");
}

TEST(TagCommentaire, refuseLesTagsDejaLusPourLesPersonnesCasseIgnoree) {
    for (const char* tag : {"NOTE", "note", "BIRT", "SEX", "OCCU", "_IMG", "_img", "LIEU", "NICK", "TRLR", "DIV"})
        EXPECT_TRUE(tagDejaLuPourLesPersonnes(tag)) << tag;
    for (const char* tag : {"_COMM", "RESI", "NOT", "NOTES", "BAPM", "IMG", ""})
        EXPECT_FALSE(tagDejaLuPourLesPersonnes(tag)) << tag;
}

TEST(TagCommentaire, leMessageDeRefusNommeLeTag) {
    EXPECT_EQ(refusTagCommentaire("OCCU"),
              "Le tag \"OCCU\" ne peut pas être utilisé pour les commentaires\ncar il est déjà pris "
              "en compte dans la description d'un individu."_1252);
    EXPECT_EQ(refusTagCommentaire("_COMM"), "");
}

}  // namespace
}  // namespace lignara
