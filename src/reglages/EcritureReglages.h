#pragma once
// Écriture d'un fichier de réglages en mémoire, champ par champ, entiers little-endian, sans
// bourrage. Les textes trop longs sont coupés à leur limite : le fichier écrit se relit
// toujours, même si un appelant a rangé un texte plus long que le champ.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace lignara {

class EcritureReglages {
public:
    void u8(std::uint8_t v) { octets_.push_back(v); }
    void u16(std::uint16_t v);
    void u32(std::uint32_t v);
    // Octet de longueur puis les octets, au plus limite (≤ 255).
    void texte(std::string_view texte, std::size_t limite);
    // Les octets jusqu'au premier saut de ligne exclu (au plus limite − 1), puis un saut de ligne.
    void ligne(std::string_view texte, std::size_t limite);
    // Champ de taille fixe : le texte (au plus limite octets) complété de zéros.
    void texteTermine(std::string_view texte, std::size_t taille, std::size_t limite);
    void octets(std::span<const std::uint8_t> octets);

    // Réécrit un u32 déjà écrit (décalage connu seulement à la fin).
    void remplacerU32(std::size_t position, std::uint32_t v);

    std::size_t taille() const { return octets_.size(); }
    const std::vector<std::uint8_t>& resultat() const { return octets_; }
    std::vector<std::uint8_t> prendre() { return std::move(octets_); }

private:
    std::vector<std::uint8_t> octets_;
};

}  // namespace lignara
