#pragma once
// Case d'une personne dans la grille d'un lien de parenté : ce que le dessin en montre, copié de
// la base au moment de la recherche (aucune lecture de la base pendant le dessin).
#include <cstdint>
#include <optional>
#include <string>

namespace lignara {

struct CaseParente {
    static constexpr std::int32_t kVide = -1;     // case non dessinée
    static constexpr std::int32_t kInconnue = 0;  // cadre vide : personne inconnue

    std::int32_t personne = kVide;
    std::uint8_t sexe = ' ';
    std::string nom;
    std::string prenoms;
    std::uint32_t naissance = 0;  // numéros d'événements, 0 : aucun
    std::uint32_t deces = 0;
    std::optional<std::string> photo;  // premier chemin de la liste de photos

    bool vide() const { return personne == kVide; }
};

}  // namespace lignara
