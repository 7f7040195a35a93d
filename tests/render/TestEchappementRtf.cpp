#include <string>

#include <gtest/gtest.h>

#include "render/rtf/EchappementRtf.h"

using namespace lignara;

TEST(EchappementRtf, groupesEtBarreObliqueInversee) {
    EXPECT_EQ(echapperRtf("a{b}c\\d"), "a\\{b\\}c\\\\d");
    EXPECT_EQ(echapperRtf("\\par"), "\\\\par");
}

TEST(EchappementRtf, octetsHautsEnHexadecimalMinuscule) {
    EXPECT_EQ(echapperRtf("\xE9t\xE9 \x80\xFF"), "\\'e9t\\'e9 \\'80\\'ff");
}

TEST(EchappementRtf, sautsDeLigneTabulationsEtControles) {
    EXPECT_EQ(echapperRtf("a\r\nb\tc"), "a\\line b\\tab c");
    std::string texte("x\x00y\x1F", 4);
    EXPECT_EQ(echapperRtf(texte), "x\\'00y\\'1f");
}
