#include <gtest/gtest.h>

#include <cstring>

#include "gedcom/TableTags.h"

namespace lignara {
namespace {

bool estTriee(const TableTags& t) {
    for (std::size_t i = 1; i < t.taille(); ++i)
        if (std::memcmp(t.entrees()[i - 1].tag, t.entrees()[i].tag, 5) >= 0) return false;
    return true;
}

TEST(TableTags, tablesDeLImportTrieesAvecLeursEffectifs) {
    EXPECT_EQ(TableTags::balayage().taille(), 29u);
    EXPECT_EQ(TableTags::individu().taille(), 21u);
    EXPECT_EQ(TableTags::famille().taille(), 6u);
    EXPECT_TRUE(estTriee(TableTags::balayage()));
    EXPECT_TRUE(estTriee(TableTags::individu()));
    EXPECT_TRUE(estTriee(TableTags::famille()));
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
    EXPECT_EQ(static_cast<int>(t.chercher("TRLR")), 131);
    EXPECT_EQ(static_cast<int>(t.chercher("ABBR")), 1);
    EXPECT_EQ(static_cast<int>(t.chercher("WIFE")), 134);
    EXPECT_EQ(t.chercher("indi"), CodeTag::Inconnu);
    EXPECT_EQ(t.chercher("SEX"), CodeTag::Inconnu);  // pas dans cette passe
    EXPECT_EQ(t.chercher("INDIV"), CodeTag::Inconnu);
    EXPECT_EQ(t.chercher("IND"), CodeTag::Inconnu);
    EXPECT_EQ(t.chercher(""), CodeTag::Inconnu);
    // Un octet nul en tête ne doit pas faire prendre « \0FAM » pour « FAM ».
    EXPECT_EQ(t.chercher(std::string_view("\0FAM", 4)), CodeTag::Inconnu);
    EXPECT_EQ(t.chercher(std::string_view("FAM\0", 4)), CodeTag::Inconnu);
    EXPECT_EQ(t.chercher("FAM"), CodeTag::FAM);
    EXPECT_EQ(static_cast<int>(TableTags::individu().chercher("_IMG")), 201);
    EXPECT_EQ(static_cast<int>(TableTags::famille().chercher("LIEU")), 200);
}

TEST(TableTags, chaqueTagDeChaqueTableSeRetrouve) {
    for (const TableTags* t : {&TableTags::balayage(), &TableTags::individu(), &TableTags::famille()}) {
        for (std::size_t i = 0; i < t->taille(); ++i) {
            const EntreeTag& e = t->entrees()[i];
            EXPECT_EQ(static_cast<int>(t->chercher(e.tag)), e.code) << e.tag;
            EXPECT_NE(e.code, 0) << e.tag;
        }
    }
}

}  // namespace
}  // namespace lignara
