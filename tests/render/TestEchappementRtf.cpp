#include <gtest/gtest.h>

#include "render/rtf/EchappementRtf.h"

using namespace lignara;

TEST(EchappementRtf, groupesBarreOctetsHautsSautsDeLigneTabulationsEtControles) {
    EXPECT_EQ(echapperRtf("a{b}c\\d"), "a\\{b\\}c\\\\d");
    EXPECT_EQ(echapperRtf("\xE9t\xE9 \x80\xFF"), "\\'e9t\\'e9 \\'80\\'ff");  // hexadécimal minuscule
    EXPECT_EQ(echapperRtf("a\r\nb\tc"), "a\\line b\\tab c");
    EXPECT_EQ(echapperRtf(std::string("x\x00y\x1F", 4)), "x\\'00y\\'1f");
}
