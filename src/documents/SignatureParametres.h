#pragma once
// Signature des paramètres d'un document : une lettre par paramètre, dans l'ordre où le
// document les passe ; celle d'un type est tirée de ses paramètres déclarés (Afficheur.h).
// Toute autre lettre est ignorée et ne prend aucun paramètre.
//   P personne (numéro ; 0 ou −1 : aucune)   s texte   1 octet   b oui/non (0 ou 1)
//   2 valeur de 16 bits   4 valeur de 32 bits   D date (jour, mois, année)
//   L liste de personnes (ensemble de bits ; vide : aucune)
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "database/EnsemblePersonnes.h"

namespace lignara {

struct DateParametre {
    std::uint8_t jour = 0;
    std::uint8_t mois = 0;
    std::uint16_t annee = 0;
    friend bool operator==(const DateParametre&, const DateParametre&) = default;
};

// Une valeur par lettre reconnue : P → int32_t, s → string (Windows-1252, sans octet 0),
// 1 et b → uint8_t, 2 → uint16_t, 4 → uint32_t, D → DateParametre, L → EnsemblePersonnes.
using ValeurParametre = std::variant<std::int32_t, std::string, std::uint8_t, std::uint16_t, std::uint32_t,
                                     DateParametre, EnsemblePersonnes>;
using ParametresDocument = std::vector<ValeurParametre>;

class SignatureParametres {
public:
    explicit SignatureParametres(std::string lettres) : lettres_(std::move(lettres)) {}

    static bool reconnue(char lettre);
    std::string_view lettres() const { return lettres_; }
    // Lettres reconnues seulement, dans l'ordre.
    std::string parametres() const;
    std::size_t nombre() const { return parametres().size(); }

    // Valeurs par défaut (personne 0, texte vide, zéros, liste vide sur nombrePersonnes).
    ParametresDocument valeursParDefaut(std::uint32_t nombrePersonnes) const;
    // Vrai quand chaque valeur a le genre de sa lettre.
    bool accepte(const ParametresDocument& valeurs) const;

private:
    std::string lettres_;
};

}  // namespace lignara
