#pragma once
// Majuscules et minuscules des lettres Windows-1252, accentuées comprises (œ, š, ž, ÿ aussi).
// ß n'a pas de majuscule ; × et ÷ ne sont pas des lettres et ne changent pas.
#include <cstdint>

namespace lignara::casse1252 {

inline char majuscule(char c) {
    auto o = static_cast<std::uint8_t>(c);
    if (o >= 'a' && o <= 'z') return static_cast<char>(o - 32);
    if (o >= 0xE0 && o <= 0xFE && o != 0xF7) return static_cast<char>(o - 32);
    switch (o) {
        case 0x9A: return static_cast<char>(0x8A);  // š
        case 0x9C: return static_cast<char>(0x8C);  // œ
        case 0x9E: return static_cast<char>(0x8E);  // ž
        case 0xFF: return static_cast<char>(0x9F);  // ÿ
        default: return c;
    }
}

inline char minuscule(char c) {
    auto o = static_cast<std::uint8_t>(c);
    if (o >= 'A' && o <= 'Z') return static_cast<char>(o + 32);
    if (o >= 0xC0 && o <= 0xDE && o != 0xD7) return static_cast<char>(o + 32);
    switch (o) {
        case 0x8A: return static_cast<char>(0x9A);
        case 0x8C: return static_cast<char>(0x9C);
        case 0x8E: return static_cast<char>(0x9E);
        case 0x9F: return static_cast<char>(0xFF);
        default: return c;
    }
}

}  // namespace lignara::casse1252
