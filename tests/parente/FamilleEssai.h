#pragma once
// Famille d'essai des calculs de parenté, sur trois générations :
//   1 Gaston (M) ∞ 2 Berthe (F) : 3 Pierre (M), 4 Anne (F)
//   3 Pierre ∞ 5 Marie (F) : 7 Luc (M), 8 Léa (F)
//   3 Pierre ∞ 6 Sophie (F) : 9 Tom (M), demi-frère de Luc ; Sophie est la belle-mère de Luc
//   4 Anne ∞ 10 Jacques (M) : 11 Max (M), cousin germain de Luc
//   11 Max ∞ 13 Zoé (F), sans enfant
//   12 Ernest (M) : ni parents ni conjoint
#include <tuple>

#include "database/ArbreEssai.h"
#include "database/BaseEssai.h"

namespace lignara::essai {

enum : std::uint32_t { Gaston = 1, Berthe, Pierre, Anne, Marie, Sophie, Luc, Lea, Tom, Jacques, Max, Ernest, Zoe };

inline BaseGenealogique construireFamilleEssai(const std::filesystem::path& dossier) {
    ArbreEssai a;
    // Dans l'ordre des numéros ; prénoms en Windows-1252 (\351 : é).
    using P = std::tuple<char, std::int16_t, const char*, const char*>;
    for (auto [sexe, an, nom, prenom] :
         {P{'M', 1880, "MOREAU", "Gaston"}, P{'F', 1882, "LEBLANC", "Berthe"}, P{'M', 1905, "MOREAU", "Pierre"},
          P{'F', 1908, "MOREAU", "Anne"}, P{'F', 1906, "ROUX", "Marie"}, P{'F', 1912, "FAURE", "Sophie"},
          P{'M', 1930, "MOREAU", "Luc"}, P{'F', 1932, "MOREAU", "L\351a"}, P{'M', 1940, "MOREAU", "Tom"},
          P{'M', 1904, "GIRARD", "Jacques"}, P{'M', 1933, "GIRARD", "Max"}, P{'M', 1900, "BLANC", "Ernest"},
          P{'F', 1935, "PETIT", "Zo\351"}})
        a.personne(sexe, annee(an), {}, nom, prenom);
    a.couple(Gaston, Berthe, {Pierre, Anne});
    a.couple(Pierre, Marie, {Luc, Lea});
    a.couple(Pierre, Sophie, {Tom});
    a.couple(Jacques, Anne, {Max});
    a.couple(Max, Zoe, {});
    return a.construire(dossier);
}

}  // namespace lignara::essai
