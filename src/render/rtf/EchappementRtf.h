#pragma once
// Texte Windows-1252 écrit dans un RTF en page de code 1252 : rien de ce qu'il contient ne peut
// ouvrir ni fermer un groupe, ni former un mot de contrôle.
//
//   « \ » « { » « } »             \\ \{ \}
//   octets 80 à FF                \'xx (deux chiffres hexadécimaux minuscules)
//   saut de ligne                 \line (retour à la ligne dans le paragraphe)
//   tabulation                    \tab
//   retour chariot                ignoré (le saut de ligne qui le suit compte seul)
//   autres contrôles 00 à 1F, 7F  \'xx : gardés sans pouvoir couper le texte
//
// Un mot de contrôle écrit (\line, \tab) est suivi d'un blanc qui le termine, pour que le
// texte qui suit ne le prolonge pas.
#include <string>
#include <string_view>

namespace lignara {

void ajouterRtfEchappe(std::string& sortie, std::string_view texte1252);
std::string echapperRtf(std::string_view texte1252);

}  // namespace lignara
