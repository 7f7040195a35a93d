#pragma once
// Texte Windows-1252 écrit dans une page Web déclarée ISO-8859-1. Tout texte venu des données
// passe par ici : rien de ce qu'il contient ne peut ouvrir une balise ni un attribut.
//
//   « & » « < » « > » « " »          &amp; &lt; &gt; &quot;
//   deux blancs                       « &nbsp;» précédé d'un blanc (les suites gardent leur largeur)
//   saut de ligne                     <br> (un blanc dans un titre, où <br> n'a pas sa place)
//   retour chariot                    ignoré devant un saut de ligne, sinon comme lui
//   tabulation                        un blanc
//   euro (80), degré (B0)             &euro; &deg;
//   autres octets 81 à 9F             référence numérique du caractère Windows-1252 (« ’ » :
//                                     &#8217;) : ISO-8859-1 n'a pas ces octets et la DTD
//                                     HTML 4.01 refuse les caractères 128 à 159
//   81, 8D, 8F, 90, 9D (sans          &#65533; (caractère de remplacement) : ce sont des
//   caractère), autres contrôles      caractères exclus de HTML ; on en garde une trace visible
//   A0 à FF                           tels quels (ISO-8859-1)
#include <string>
#include <string_view>

namespace lignara {

void ajouterHtmlEchappe(std::string& sortie, std::string_view texte1252);
std::string echapperHtml(std::string_view texte1252);
std::string echapperTitreHtml(std::string_view texte1252);

}  // namespace lignara
