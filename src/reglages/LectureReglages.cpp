#include "reglages/LectureReglages.h"

#include <algorithm>

namespace lignara {

std::span<const std::uint8_t> LectureReglages::octets(std::size_t nombre) {
    if (!valide_ || nombre > octets_.size() - position_) {
        valide_ = false;
        return {};
    }
    auto morceau = octets_.subspan(position_, nombre);
    position_ += nombre;
    return morceau;
}

std::uint8_t LectureReglages::u8() {
    auto p = octets(1);
    return p.empty() ? 0 : p[0];
}

std::uint16_t LectureReglages::u16() {
    auto p = octets(2);
    return p.empty() ? 0 : static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t LectureReglages::u32() {
    auto p = octets(4);
    if (p.empty()) return 0;
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::string LectureReglages::texte(std::size_t limite) {
    std::size_t longueur = u8();
    if (longueur > limite) valide_ = false;
    auto p = octets(longueur);
    return std::string(p.begin(), p.end());
}

std::optional<std::string> LectureReglages::texteSiBorne(std::size_t limite) {
    std::size_t longueur = u8();
    auto p = octets(longueur);
    if (!valide_ || longueur > limite) return std::nullopt;
    return std::string(p.begin(), p.end());
}

std::string LectureReglages::ligne(std::size_t limite) {
    if (!valide_) return {};
    auto reste = octets_.subspan(position_, std::min(limite, octets_.size() - position_));
    auto saut = std::find(reste.begin(), reste.end(), std::uint8_t{'\n'});
    if (saut == reste.end()) {
        valide_ = false;
        return {};
    }
    std::string texte(reste.begin(), saut);
    position_ += texte.size() + 1;
    return texte;
}

std::string LectureReglages::texteTermine(std::size_t taille, std::size_t limite) {
    auto p = octets(taille);
    if (p.empty()) return {};
    auto zone = p.first(std::min(limite + 1, taille));
    auto fin = std::find(zone.begin(), zone.end(), std::uint8_t{0});
    if (fin == zone.end()) {
        valide_ = false;
        return {};
    }
    return std::string(zone.begin(), fin);
}

}  // namespace lignara
