#include <gtest/gtest.h>

#include <cstring>

#include "gedcom/TableTags.h"

namespace lignara {
namespace {

using namespace std::string_view_literals;

bool estTriee(const TableTags& t) {
    for (std::size_t i = 1; i < t.taille(); ++i)
        if (std::memcmp(t.entrees()[i - 1].tag, t.entrees()[i].tag, 5) >= 0) return false;
    return true;
}

TEST(TableTags, entreeDeSixOctetsCompleteeDeZeros) {
    const TableTags table{"DIV", "SEX"};
    const auto* octets = reinterpret_cast<const unsigned char*>(table.entrees());
    const unsigned char attendu[12] = {'D', 'I', 'V', 0, 0, 46, 'S', 'E', 'X', 0, 0, 116};
    EXPECT_EQ(std::memcmp(octets, attendu, sizeof attendu), 0);
}

TEST(TableTags, chercheLesCodesFixesEtDistingueLaCasse) {
    const TableTags& t = TableTags::balayage();
    EXPECT_EQ(t.chercher("INDI"), CodeTag::INDI);
    EXPECT_EQ(t.chercher("FAM"), CodeTag::FAM);
    // Casse, absent de cette passe, préfixe, prolongement, vide, octet nul devant ou derrière.
    for (std::string_view tag : {"indi"sv, "SEX"sv, "INDIV"sv, "IND"sv, ""sv, "\0FAM"sv, "FAM\0"sv})
        EXPECT_EQ(t.chercher(tag), CodeTag::Inconnu) << tag;
}

TEST(TableTags, chaqueTableEstTrieeEtChacunDeSesTagsSeRetrouve) {
    for (const TableTags* t :
         {&TableTags::balayage(), &TableTags::individu(), &TableTags::famille(), &TableTags::consultation()}) {
        EXPECT_TRUE(estTriee(*t));
        for (std::size_t i = 0; i < t->taille(); ++i) {
            const EntreeTag& e = t->entrees()[i];
            EXPECT_EQ(static_cast<int>(t->chercher(e.tag)), e.code) << e.tag;
            EXPECT_NE(e.code, 0) << e.tag;
        }
    }
}

}  // namespace
}  // namespace lignara
