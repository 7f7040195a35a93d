#include <string>

#include <gtest/gtest.h>

#include "render/html/EchappementHtml.h"

using namespace lignara;

TEST(EchappementHtml, gardeLaLargeurDesSuitesDeBlancs) {
    EXPECT_EQ(echapperHtml("a b"), "a b");
    EXPECT_EQ(echapperHtml("a  b"), "a &nbsp;b");
    EXPECT_EQ(echapperHtml("a   b"), "a &nbsp; b");
    EXPECT_EQ(echapperHtml("    "), " &nbsp; &nbsp;");
    EXPECT_EQ(echapperHtml("a\tb"), "a b");
}

TEST(EchappementHtml, neLaisseOuvrirNiBaliseNiAttribut) {
    EXPECT_EQ(echapperHtml("1 < 2 & 3 > 2"), "1 &lt; 2 &amp; 3 &gt; 2");
    EXPECT_EQ(echapperHtml("<script>alert(\"x\")</script>"), "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;");
    EXPECT_EQ(echapperHtml("&amp;"), "&amp;amp;");
}

TEST(EchappementHtml, sautsDeLigneEnBrSaufDansLeTitre) {
    EXPECT_EQ(echapperHtml("un\ndeux\r\ntrois\rquatre"), "un<br>deux<br>trois<br>quatre");
    EXPECT_EQ(echapperTitreHtml("un\ndeux <b>"), "un deux &lt;b&gt;");
}

TEST(EchappementHtml, octets80a9FEnReferencesNumeriquesCarIso88591NeLesAPas) {
    EXPECT_EQ(echapperHtml("\x80"), "&euro;");
    EXPECT_EQ(echapperHtml("l\x92"
                           "an \x85"),
              "l&#8217;an &#8230;");
    EXPECT_EQ(echapperHtml("\x8C\x9C\x9F"), "&#338;&#339;&#376;");
    // Positions sans caractère de Windows-1252.
    EXPECT_EQ(echapperHtml("\x81\x8D\x8F\x90\x9D"), "&#65533;&#65533;&#65533;&#65533;&#65533;");
}

TEST(EchappementHtml, latin1GardeTelQuelSaufLeDegre) {
    EXPECT_EQ(echapperHtml("\xE9t\xE9 \xA0\xFF"), "\xE9t\xE9 \xA0\xFF");
    EXPECT_EQ(echapperHtml("20\xB0"), "20&deg;");
}

TEST(EchappementHtml, controlesRemplacesSansRienPerdreAutour) {
    std::string texte(
        "a\x00"
        "b\x01\x1F\x7F"
        "c",
        7);
    EXPECT_EQ(echapperHtml(texte), "a&#65533;b&#65533;&#65533;&#65533;c");
}

// Aucun octet écrit ne peut être un caractère refusé par la DTD (0–8, 11, 12, 14–31, 127–159)
// ni un début de balise, quel que soit l'octet d'entrée.
TEST(EchappementHtml, toutOctetDonneUnTexteSur) {
    for (int o = 0; o < 256; ++o) {
        const std::string sortie = echapperHtml(std::string(1, static_cast<char>(o)));
        for (unsigned char c : sortie) {
            EXPECT_TRUE(c == '\t' || c == '\n' || c == '\r' || (c >= 32 && c < 127) || c >= 160) << "octet " << o;
            EXPECT_NE(c, '"') << "octet " << o;
        }
        EXPECT_TRUE(sortie.find('<') == std::string::npos || sortie == "<br>") << "octet " << o;
    }
}
