#pragma once
// Numéros des siècles écrits en chiffres romains suivis de « ° » : le siècle c (années
// 100 × c à 100 × c + 99, c de 0 à 21) est « I° » … « XXII° » (1700 à 1799 : « XVIII° »).
#include <string>

namespace lignara {

// Vide hors de 0 à 21.
std::string numeroSiecle(int siecle);

}  // namespace lignara
