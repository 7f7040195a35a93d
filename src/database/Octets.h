#pragma once
// Entiers little-endian des fichiers de la base : lus et écrits octet par octet, jamais par
// copie de structure, pour ne dépendre ni du boutisme ni du bourrage du compilateur.
#include <cstdint>

namespace lignara::octets {

inline std::uint16_t lireU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline std::int16_t lireI16(const std::uint8_t* p) { return static_cast<std::int16_t>(lireU16(p)); }
inline std::uint32_t lireU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::int32_t lireI32(const std::uint8_t* p) { return static_cast<std::int32_t>(lireU32(p)); }

inline void ecrireU16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v & 0xFF);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void ecrireI16(std::uint8_t* p, std::int16_t v) { ecrireU16(p, static_cast<std::uint16_t>(v)); }
inline void ecrireU32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v & 0xFF);
    p[1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
    p[2] = static_cast<std::uint8_t>((v >> 16) & 0xFF);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}
inline void ecrireI32(std::uint8_t* p, std::int32_t v) { ecrireU32(p, static_cast<std::uint32_t>(v)); }

}  // namespace lignara::octets
