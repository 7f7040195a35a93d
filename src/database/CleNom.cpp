#include "database/CleNom.h"

#include <array>
#include <cstdint>

namespace lignara {

namespace {

// Pli des caractères à partir de 192 (À) ; l'espace marque ceux qui n'ont pas de lettre.
constexpr std::array<char, 64> kPlis = {
    // À Á Â Ã Ä Å Æ Ç È É Ê Ë Ì Í Î Ï
    'A', 'A', 'A', 'A', 'A', 'A', '\xC6', 'C', 'E', 'E', 'E', 'E', 'I', 'I', 'I', 'I',
    // Ð Ñ Ò Ó Ô Õ Ö × Ø Ù Ú Û Ü Ý Þ ß
    'D', 'N', 'O', 'O', 'O', 'O', 'O', 'X', ' ', 'U', 'U', 'U', 'U', 'Y', ' ', 'B',
    // à á â ã ä å æ ç è é ê ë ì í î ï
    'A', 'A', 'A', 'A', 'A', 'A', '\xE6', 'C', 'E', 'E', 'E', 'E', 'I', 'I', 'I', 'I',
    // ð ñ ò ó ô õ ö ÷ ø ù ú û ü ý þ ÿ
    'D', 'N', 'O', 'O', 'O', 'O', 'O', ' ', ' ', 'U', 'U', 'U', 'U', 'Y', ' ', 'Y',
};

constexpr std::string_view kGardes = "()[]#\xB0?<>{}";  // \xB0 : °

char normaliser(std::uint8_t o) {
    if (o >= 'a' && o <= 'z') return static_cast<char>(o - 32);
    if (o >= 'A' && o <= 'Z') return static_cast<char>(o);
    if (kGardes.find(static_cast<char>(o)) != std::string_view::npos) return static_cast<char>(o);
    if (o < 192) return ' ';
    return kPlis[o - 192];
}

}  // namespace

std::string CleNom(std::string_view texte) {
    std::string cle(texte.size(), ' ');
    for (std::size_t i = 0; i < texte.size(); ++i) {
        char c = normaliser(static_cast<std::uint8_t>(texte[i]));
        if (c == ' ' && i >= 2 && cle[i - 1] == ' ' && cle[i - 2] == ' ') {
            // Un caractère de commande garderait sa valeur sous 32 : il devient '-' comme l'espace.
            auto o = static_cast<std::uint8_t>(texte[i]);
            c = (o == ' ' || o < 32) ? '-' : texte[i];
        }
        cle[i] = c;
    }
    return cle;
}

}  // namespace lignara
