#pragma once
// Écriture des nombres dans le texte PDF, indépendante de la langue de l'utilisateur (un « %f »
// de printf écrirait une virgule sous une langue française).
//
//   seiziemes : unités de dessin (1/16 point) écrites en points, « %d%s » : partie entière
//               tronquée vers zéro, puis le suffixe de |v| mod 16 (".0625", ".125"…) ; une valeur
//               négative garde son signe même quand sa partie entière est 0 (-8 → "-0.5").
//   reel      : comme « %.Nf » (6 décimales par défaut, arrondi au plus près).
//   court     : au plus six chiffres significatifs, sans zéros inutiles (comme « %g »).
#include <cstdint>
#include <string>
#include <string_view>

namespace lignara {

void ajouterSeiziemes(std::string& sortie, std::int64_t unites);
void ajouterEntier(std::string& sortie, std::int64_t valeur);
void ajouterReel(std::string& sortie, double valeur, int decimales = 6);
void ajouterCourt(std::string& sortie, double valeur);

// Les trois composantes d'une couleur 0x00BBGGRR, chacune ÷ 255 en « %f », séparées d'un blanc.
void ajouterCouleur(std::string& sortie, std::uint32_t couleur);

}  // namespace lignara

namespace lignara {
// Texte d'une chaîne PDF entre parenthèses : une barre oblique inverse devant « ( », « ) » et
// « \ » ; les autres octets tels quels (Windows-1252, comme le codage WinAnsi des polices).
void ajouterEchappe(std::string& sortie, std::string_view texte1252);
}  // namespace lignara
