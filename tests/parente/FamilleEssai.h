#pragma once
// Famille d'essai des calculs de parenté, sur trois générations :
//   1 Gaston (M) ∞ 2 Berthe (F) : 3 Pierre (M), 4 Anne (F)
//   3 Pierre ∞ 5 Marie (F) : 7 Luc (M), 8 Léa (F)
//   3 Pierre ∞ 6 Sophie (F) : 9 Tom (M), demi-frère de Luc ; Sophie est la belle-mère de Luc
//   4 Anne ∞ 10 Jacques (M) : 11 Max (M), cousin germain de Luc
//   11 Max ∞ 13 Zoé (F), sans enfant
//   12 Ernest (M) : ni parents ni conjoint
#include <filesystem>

#include "database/ArbreEssai.h"
#include "database/BaseEssai.h"
#include "commun/Texte.h"

namespace lignara::essai {

enum : std::uint32_t { Gaston = 1, Berthe, Pierre, Anne, Marie, Sophie, Luc, Lea, Tom, Jacques, Max, Ernest, Zoe };

inline BaseGenealogique construireFamilleEssai(const std::filesystem::path& dossier) {
    ArbreEssai a;
    a.personne('M', annee(1880), {}, "MOREAU", "Gaston");
    a.personne('F', annee(1882), {}, "LEBLANC", "Berthe");
    a.personne('M', annee(1905), {}, "MOREAU", "Pierre");
    a.personne('F', annee(1908), {}, "MOREAU", "Anne");
    a.personne('F', annee(1906), {}, "ROUX", "Marie");
    a.personne('F', annee(1912), {}, "FAURE", "Sophie");
    a.personne('M', annee(1930), {}, "MOREAU", "Luc");
    a.personne('F', annee(1932), {}, "MOREAU", "Léa"_1252);
    a.personne('M', annee(1940), {}, "MOREAU", "Tom");
    a.personne('M', annee(1904), {}, "GIRARD", "Jacques");
    a.personne('M', annee(1933), {}, "GIRARD", "Max");
    a.personne('M', annee(1900), {}, "BLANC", "Ernest");
    a.personne('F', annee(1935), {}, "PETIT", "Zoé"_1252);
    a.couple(Gaston, Berthe, {Pierre, Anne});
    a.couple(Pierre, Marie, {Luc, Lea});
    a.couple(Pierre, Sophie, {Tom});
    a.couple(Jacques, Anne, {Max});
    a.couple(Max, Zoe, {});
    return a.construire(dossier);
}

}  // namespace lignara::essai
