#pragma once
// Lecture séquentielle d'un fichier de réglages déjà en mémoire, entiers little-endian.
// Une lecture qui dépasse la fin, ou un texte plus long que sa limite, rend la lecture
// invalide : les lectures suivantes rendent 0 ou vide, et l'appelant n'a qu'à tester
// valide() à la fin. Un fichier abîmé ne peut donc ni planter ni lire hors du tampon.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace lignara {

class LectureReglages {
public:
    explicit LectureReglages(std::span<const std::uint8_t> octets) : octets_(octets) {}

    bool valide() const { return valide_; }
    void invalider() { valide_ = false; }
    std::size_t position() const { return position_; }
    std::size_t reste() const { return valide_ ? octets_.size() - position_ : 0; }

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    // Octet de longueur puis autant d'octets ; une longueur au-delà de limite invalide.
    std::string texte(std::size_t limite);
    // Le même, mais un texte plus long que limite est sauté sans invalider la lecture (l'octet
    // de longueur dit où reprend le champ suivant) : rien n'est rendu pour lui.
    std::optional<std::string> texteSiBorne(std::size_t limite);
    // Octets jusqu'au saut de ligne inclus, rendus sans lui ; au plus limite octets saut compris.
    std::string ligne(std::size_t limite);
    // Champ de taille fixe tenant un texte terminé par 0 d'au plus limite octets.
    std::string texteTermine(std::size_t taille, std::size_t limite);
    std::span<const std::uint8_t> octets(std::size_t nombre);
    void sauter(std::size_t nombre) { octets(nombre); }

private:
    std::span<const std::uint8_t> octets_;
    std::size_t position_ = 0;
    bool valide_ = true;
};

}  // namespace lignara
