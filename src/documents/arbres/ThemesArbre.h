#pragma once
// Thèmes des arbres (préférence « Thème », page « Styles ») : la façon de dessiner les boîtes
// d'un arbre qui n'est pas chromatique. Tous sont sobres et faits pour l'impression :
//   0 « Cadres simples »        cadre fin ; son bord bas remonte de 176 par ligne finale absente
//   1 « Dégradé gris »          fond dégradé du gris 200 (haut) au blanc (bas), encadré
//   2 « Cadres arrondis »       cadre aux coins arrondis, sans fond
//   3 « Teintes selon le sexe » fond pâle bleu (hommes), rose (femmes) ou gris, encadré
//   4 « Cadres colorés »        cadre épais de la couleur des hommes ou des femmes, sans fond
// Un numéro au-delà de la liste (réglages d'une autre version) prend le thème 1.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace lignara {

enum ThemeArbre : std::uint8_t {
    kThemeCadresSimples = 0,
    kThemeDegrade = 1,
    kThemeCadresArrondis = 2,
    kThemeTeintesSexe = 3,
    kThemeCadresColores = 4,
};

inline constexpr std::size_t kNombreThemesArbre = 5;

// Noms de la liste des préférences, UTF-8, dans l'ordre des numéros.
inline constexpr std::array<const char*, kNombreThemesArbre> kNomsThemesArbre = {
    "Cadres simples", "Dégradé gris", "Cadres arrondis", "Teintes selon le sexe", "Cadres colorés"};

inline std::uint8_t themeValide(std::uint8_t theme) {
    return theme < kNombreThemesArbre ? theme : std::uint8_t{kThemeDegrade};
}
// Le dégradé gris → blanc est créé avant le dessin des boîtes pour ces thèmes.
inline bool themeADegrade(std::uint8_t theme) { return theme == kThemeDegrade; }

}  // namespace lignara
