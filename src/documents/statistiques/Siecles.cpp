#include "documents/statistiques/Siecles.h"

#include "commun/Texte.h"

namespace lignara {

std::string numeroSiecle(int siecle) {
    if (siecle < 0 || siecle > 21) return {};
    static const char* const kUnites[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
    const int n = siecle + 1;
    return std::string(static_cast<std::size_t>(n / 10), 'X') + kUnites[n % 10] + "°"_1252;
}

}  // namespace lignara
