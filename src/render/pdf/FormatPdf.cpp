#include "render/pdf/FormatPdf.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace lignara {

namespace {
constexpr const char* kSuffixes[16] = {"",   ".0625", ".125", ".1875", ".25", ".3125", ".375", ".4375",
                                       ".5", ".5625", ".625", ".6875", ".75", ".8125", ".875", ".9375"};
}  // namespace

void ajouterSeiziemes(std::string& sortie, std::int64_t unites) {
    if (unites < 0 && unites > -16) sortie += '-';
    ajouterEntier(sortie, unites / 16);
    sortie += kSuffixes[std::llabs(unites % 16)];
}

void ajouterEntier(std::string& sortie, std::int64_t valeur) {
    char tampon[24];
    auto r = std::to_chars(tampon, tampon + sizeof tampon, valeur);
    sortie.append(tampon, r.ptr);
}

void ajouterReel(std::string& sortie, double valeur, int decimales) {
    char tampon[400];
    auto r = std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::fixed, decimales);
    if (r.ec != std::errc()) {
        sortie += '0';
        return;
    }
    sortie.append(tampon, r.ptr);
}

void ajouterCourt(std::string& sortie, double valeur) {
    char tampon[64];
    auto r = std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::general, 6);
    if (r.ec != std::errc()) {
        sortie += '0';
        return;
    }
    sortie.append(tampon, r.ptr);
}

void ajouterCouleur(std::string& sortie, std::uint32_t couleur) {
    ajouterReel(sortie, static_cast<double>(couleur & 0xFF) / 255.0);
    sortie += ' ';
    ajouterReel(sortie, static_cast<double>((couleur >> 8) & 0xFF) / 255.0);
    sortie += ' ';
    ajouterReel(sortie, static_cast<double>((couleur >> 16) & 0xFF) / 255.0);
}

}  // namespace lignara

namespace lignara {
void ajouterEchappe(std::string& sortie, std::string_view texte1252) {
    for (char c : texte1252) {
        if (c == '(' || c == ')' || c == '\\') sortie += '\\';
        sortie += c;
    }
}
}  // namespace lignara
