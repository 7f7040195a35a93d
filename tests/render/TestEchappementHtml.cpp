#include <string>

#include <gtest/gtest.h>

#include "render/html/EchappementHtml.h"

using namespace lignara;

// Blancs gardant leur largeur, ni balise ni attribut ouvert, <br>, 0x80–0x9F (absents d'ISO-8859-1) en
// références numériques, latin-1 tel quel sauf le degré, contrôles remplacés sans rien perdre autour.
TEST(EchappementHtml, blancsBalisesSautsDeLigneOctetsHautsEtControles) {
    const std::pair<std::string, std::string> cas[] = {
        {"a  b", "a &nbsp;b"},
        {"a   b", "a &nbsp; b"},
        {"    ", " &nbsp; &nbsp;"},
        {"a\tb", "a b"},
        {"1 < 2 & 3 > 2", "1 &lt; 2 &amp; 3 &gt; 2"},
        {"<script>alert(\"x\")</script>", "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;"},
        {"un\ndeux\r\ntrois\rquatre", "un<br>deux<br>trois<br>quatre"},
        {"\x80", "&euro;"},
        {"l\x92"
         "an \x85",
         "l&#8217;an &#8230;"},
        {"\x81\x8D\x8F\x90\x9D", "&#65533;&#65533;&#65533;&#65533;&#65533;"},  // sans caractère en Windows-1252
        {"\xE9t\xE9 \xA0\xFF", "\xE9t\xE9 \xA0\xFF"},
        {"20\xB0", "20&deg;"},
        {std::string("a\x00"
                     "b\x01\x1F\x7F"
                     "c",
                     7),
         "a&#65533;b&#65533;&#65533;&#65533;c"}};
    for (const auto& [entree, attendu] : cas) EXPECT_EQ(echapperHtml(entree), attendu) << entree;
    EXPECT_EQ(echapperTitreHtml("un\ndeux <b>"), "un deux &lt;b&gt;");  // pas de saut dans le titre
}

// Aucun octet écrit n'est refusé par la DTD (0–8, 11, 12, 14–31, 127–159) ni ne commence une balise.
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
