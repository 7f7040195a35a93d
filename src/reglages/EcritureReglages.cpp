#include "reglages/EcritureReglages.h"

#include <algorithm>
#include <cassert>

namespace lignara {

void EcritureReglages::u16(std::uint16_t v) {
    octets_.push_back(static_cast<std::uint8_t>(v & 0xFF));
    octets_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void EcritureReglages::u32(std::uint32_t v) {
    for (int decalage = 0; decalage < 32; decalage += 8)
        octets_.push_back(static_cast<std::uint8_t>((v >> decalage) & 0xFF));
}

void EcritureReglages::texte(std::string_view texte, std::size_t limite) {
    assert(limite <= 255);
    texte = texte.substr(0, limite);
    u8(static_cast<std::uint8_t>(texte.size()));
    octets_.insert(octets_.end(), texte.begin(), texte.end());
}

void EcritureReglages::ligne(std::string_view texte, std::size_t limite) {
    texte = texte.substr(0, std::min(texte.find('\n'), limite - 1));
    octets_.insert(octets_.end(), texte.begin(), texte.end());
    u8('\n');
}

void EcritureReglages::texteTermine(std::string_view texte, std::size_t taille, std::size_t limite) {
    assert(limite < taille);
    texte = texte.substr(0, std::min(texte.find('\0'), limite));
    octets_.insert(octets_.end(), texte.begin(), texte.end());
    octets_.insert(octets_.end(), taille - texte.size(), std::uint8_t{0});
}

void EcritureReglages::octets(std::span<const std::uint8_t> octets) {
    octets_.insert(octets_.end(), octets.begin(), octets.end());
}

void EcritureReglages::remplacerU32(std::size_t position, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        octets_[position + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
}

}  // namespace lignara
