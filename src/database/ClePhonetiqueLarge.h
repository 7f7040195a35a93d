#pragma once
// Clé phonétique large d'un nom : plus tolérante que ClePhonetique, pour retrouver un nom sous
// les graphies que les registres français mêlent tous les jours. Elle confond :
//   accent ou non, œ et oe (Lefèvre / Lefebvre, Cœur / Coeur) ;
//   le l muet de « ault » (Thibault / Thibaut, Renault / Renaud, Gaultier / Gauthier) ;
//   les coupures de mots (Grandjean / Grand-Jean, Leroy / Le Roy, Des Champs / Dechamps) ;
//   l'ancien s muet devant consonne (Meusnier / Meunier, Mesnard / Ménard) ;
//   x pour ss (Texier / Tessier), les finales muettes (Dupons / Dupont) et l'e muet entre
//   consonnes (Bertlo / Berthelot).
// Elle garde à part ce qui se prononce autrement : Garnier / Grenier (la voyelle qui change de
// place est un a), Martin / Marin, Fauré / Faure (é final sonore, e final muet).
//
// Le texte après un '(', un '{' ou un '/' n'entre pas dans la clé ; un nom sans lettre donne la
// clé vide. Texte Windows-1252, de longueur quelconque ; la clé est faite de lettres et de
// quelques chiffres (sons à deux lettres), jamais d'octet inférieur à 32.
// La clé n'est pas stockée : elle peut changer d'une version à l'autre.
#include <string>
#include <string_view>

namespace lignara {

std::string ClePhonetiqueLarge(std::string_view nom);

}  // namespace lignara
