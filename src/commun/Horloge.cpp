#include "commun/Horloge.h"

#include <cstdlib>
#include <ctime>

namespace lignara {

namespace {

DateHeure enDateHeure(const std::tm& t) {
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

// Graine d'un instant fixé : ses deux moitiés mêlées, pour que deux instants proches diffèrent.
std::uint32_t graineDe(std::int64_t secondes) {
    const auto s = static_cast<std::uint64_t>(secondes);
    return static_cast<std::uint32_t>(s ^ (s >> 32)) * 2654435761u;
}

// FNV-1a : l'usage d'un tirage en un entier, le même sur toute machine.
std::uint32_t empreinte(std::string_view texte) {
    std::uint32_t h = 2166136261u;
    for (unsigned char c : texte) h = (h ^ c) * 16777619u;
    return h;
}

}  // namespace

Horloge::Horloge() : graine_(std::random_device{}()) {}

Horloge::Horloge(std::optional<std::int64_t> fixee, std::uint32_t graine) : fixee_(fixee), graine_(graine) {}

Horloge Horloge::duSysteme() {
    const char* valeur = std::getenv("SOURCE_DATE_EPOCH");
    if (valeur)
        if (auto secondes = lireEpoque(valeur)) return fixee(*secondes);
    return Horloge();
}

Horloge Horloge::fixee(std::int64_t secondes) { return Horloge(secondes, graineDe(secondes)); }

std::optional<std::int64_t> Horloge::lireEpoque(std::string_view valeur) {
    if (valeur.empty() || valeur.size() > 15) return std::nullopt;
    std::int64_t secondes = 0;
    for (char c : valeur) {
        if (c < '0' || c > '9') return std::nullopt;
        secondes = secondes * 10 + (c - '0');
    }
    if (secondes > kEpoqueMax) return std::nullopt;
    return secondes;
}

DateHeure Horloge::maintenant() const {
    std::tm t{};
    if (fixee_) {
        const auto instant = static_cast<std::time_t>(*fixee_);
        ::gmtime_r(&instant, &t);
    } else {
        const std::time_t instant = std::time(nullptr);
        ::localtime_r(&instant, &t);
    }
    return enDateHeure(t);
}

std::mt19937 Horloge::tirage(std::string_view usage) const {
    std::seed_seq graines{graine_, empreinte(usage)};
    return std::mt19937(graines);
}

}  // namespace lignara
