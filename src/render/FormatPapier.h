#pragma once
// Formats de papier du menu « Format feuille » : identifiant du menu, nom, zone utile en unités
// de dessin. La zone utile est la feuille moins environ 10 mm dans chaque dimension : largeur
// arrondie au point, hauteur arrondie à un nombre entier de lignes de 176 unités (A4 portrait :
// 567 × 814 points, 74 lignes). Un format paysage est son portrait tourné d'un quart de tour.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace lignara {

struct FormatPapier {
    std::int16_t identifiant = 0;
    const char* nom = "";           // Windows-1252
    std::int32_t largeurUtile = 0;  // unités de dessin ; 0 pour « Non paginé »
    std::int32_t hauteurUtile = 0;

    bool estPagine() const { return largeurUtile > 0; }
};

inline constexpr std::int16_t kNonPagine = 1702;
inline constexpr std::int16_t kA4Portrait = 1707;
inline constexpr std::int16_t kA4Paysage = 1712;

// Format d'un identifiant de menu (1702 à 1712, 1720 à 1725) ; vide pour un autre nombre.
std::optional<FormatPapier> formatPapier(std::int16_t identifiant);

// Le format d'un identifiant, « Non paginé » pour un identifiant inconnu (réglage abîmé).
FormatPapier formatPapierOuNonPagine(std::int16_t identifiant);

// Les 17 formats, dans l'ordre des identifiants (celui du menu).
std::vector<FormatPapier> formatsPapier();

// Format désigné par son nom (« A4 portrait ») ; casse, accents et blancs en trop ignorés
// (« a4  Portrait », « non pagine »). Rien pour un autre texte.
std::optional<FormatPapier> formatPapierDeNom(std::string_view nom1252);

}  // namespace lignara
