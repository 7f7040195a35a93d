#pragma once
// Liste des polices utilisables que proposent les préférences : les noms de familles
// TrueType, l'un après l'autre, chacun suivi d'un octet 0, dans un tampon de 2000 octets au
// plus ; une famille qui n'y tient plus est laissée de côté sans message.
//
// Une famille est utilisable quand le second caractère de son nom est une lettre et qu'elle a
// un style régulier (graisse 400, droit) dont le premier caractère est au plus « 1 » et le
// dernier au moins « z ».
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lignara {

struct ListePolices {
    static constexpr std::size_t kTailleTampon = 2000;
    char tampon[kTailleTampon]{};
    std::size_t occupe = 0;  // octets utilisés, zéros compris
    int nombre = 0;

    // Ajoute un nom (Windows-1252) s'il tient ; rend faux sinon.
    bool ajouter(std::string_view nom1252);
    std::vector<std::string_view> noms() const;
};

// Familles du système, triées par nom, noms en Windows-1252.
ListePolices listerPolicesUtilisables();

}  // namespace lignara
