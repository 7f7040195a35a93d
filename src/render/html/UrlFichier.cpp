#include "render/html/UrlFichier.h"

#include <filesystem>

#include "images/CheminImage.h"

namespace lignara {

namespace {

bool resteTelQuel(unsigned char o) {
    return (o >= 'a' && o <= 'z') || (o >= 'A' && o <= 'Z') || (o >= '0' && o <= '9') || o == '-' || o == '.' ||
           o == '_' || o == '~' || o == '/';
}

}  // namespace

std::string urlFichier(const std::string& chemin1252) {
    if (chemin1252.empty()) return {};
    std::error_code ec;
    const std::filesystem::path complet = std::filesystem::absolute(cheminFichier(chemin1252), ec);
    if (ec) return {};
    const std::u8string utf8 = complet.lexically_normal().generic_u8string();
    static constexpr char kChiffres[] = "0123456789ABCDEF";
    std::string url = "file://";
    if (!utf8.empty() && utf8.front() != u8'/') url += '/';  // « C:/… » sous Windows
    for (char8_t c : utf8) {
        const auto o = static_cast<unsigned char>(c);
        if (resteTelQuel(o) || (o == ':' && url.size() == 9)) {
            url += static_cast<char>(o);
        } else {
            url += '%';
            url += kChiffres[o >> 4];
            url += kChiffres[o & 15];
        }
    }
    return url;
}

}  // namespace lignara
