#pragma once
// Clé d'un enregistrement GEDCOM : un octet égal à l'indice du fichier + 1, puis la référence
// sans son premier '@' mais avec le '@' final (« @I12@ » du premier fichier : 01 'I' '1' '2' '@').
// Une ligne de niveau 0 sans référence donne la clé vide (premier octet 0).
// Les clés se comparent octet par octet, sans signe ; une clé préfixe d'une autre passe avant.
// Au plus 24 octets : une référence est coupée à ses 24 premiers caractères.
#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lignara {

class CleEnregistrement {
public:
    static constexpr std::size_t kLongueurReferenceMax = 24;  // les deux '@' comptés

    CleEnregistrement() = default;

    // Clé d'une référence (« @I12@ » déjà convertie) ; coupée à 24 caractères comme à la lecture.
    static CleEnregistrement deReference(std::size_t indiceFichier, std::string_view reference);
    // Clé d'une valeur pointeur (« @I12@ ») ; rend la clé vide si la valeur ne commence pas par '@'.
    static CleEnregistrement dePointeur(std::size_t indiceFichier, std::string_view valeur);
    // La même, d'une valeur terminée par '\0' : lue jusqu'au second '@' seulement.
    static CleEnregistrement dePointeur(std::size_t indiceFichier, const char* valeur);

    bool estVide() const { return longueur_ == 0; }
    std::size_t indiceFichier() const { return octets_[0] ? octets_[0] - 1u : 0; }
    // Identifiant : la référence sans ses '@' (pour les messages « @%s »).
    std::string_view identifiant() const;
    std::string_view octets() const { return {reinterpret_cast<const char*>(octets_.data()), longueur_}; }
    // Les 24 octets de la clé, nuls au-delà de sa longueur : une comparaison de taille fixe
    // (l'index des clés) n'a pas à tenir compte de la longueur.
    const std::uint8_t* octetsComplets() const { return octets_.data(); }

    std::strong_ordering operator<=>(const CleEnregistrement& autre) const;
    bool operator==(const CleEnregistrement& autre) const;

private:
    std::array<std::uint8_t, kLongueurReferenceMax> octets_{};
    std::uint8_t longueur_ = 0;
};

}  // namespace lignara
