#pragma once
// Jeux de caractères des fichiers GEDCOM et leur conversion vers le texte interne (Windows-1252).
//
// La conversion se fait sur place : elle ne rallonge jamais le texte (une marque ANSEL et sa
// lettre, une séquence UTF-8, donnent chacune un octet), si bien que le tampon de ligne suffit.
// Après toute conversion, une tabulation devient une espace.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lignara {

// Valeurs stockées avec chaque fichier ouvert ; 3 (aucun) tant que l'en-tête n'a rien dit.
enum class JeuCaracteres : std::uint8_t { Ansel = 0, Utf8 = 1, Macintosh = 2, Aucun = 3 };

// Jeu choisi par la valeur d'une ligne CHAR de l'en-tête (valeur entière, casse ignorée) :
// « ANSEL », « UTF-8 » ou « UTF8 », « MACINTOSH » ; toute autre valeur donne Aucun.
JeuCaracteres jeuDeValeurChar(std::string_view valeur);

// Nom affiché à l'utilisateur (Windows-1252).
const char* nomJeuCaracteres(JeuCaracteres jeu);

// Convertit texte[0, longueur) sur place et rend la nouvelle longueur (≤ longueur). N'écrit
// pas de zéro final.
std::size_t convertirEnPlace(char* texte, std::size_t longueur, JeuCaracteres jeu);
// La même chose pour une valeur qui a de la place pour son zéro final (texte[longueur]) : le
// zéro suit le texte converti.
inline std::size_t convertirEtTerminer(char* texte, std::size_t longueur, JeuCaracteres jeu) {
    const std::size_t n = convertirEnPlace(texte, longueur, jeu);
    texte[n] = '\0';
    return n;
}

}  // namespace lignara
