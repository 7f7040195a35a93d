#pragma once
// Chargement de la police des documents : remplit les deux enregistrements de métriques
// (régulier et italique) pour le nom de famille des préférences, à travers fontconfig et
// FreeType. Les valeurs sont celles qu'attend un descripteur de police PDF, tirées des tables
// de la police elle-même :
//   largeurs   avance × 16000 ÷ unités par em (centièmes d'unité de dessin à 10 points), des
//              codes 0–255 lus comme Windows-1252 ; un code sans glyphe prend l'avance du
//              glyphe 0, comme le ferait le système pour son caractère par défaut ;
//   boîte      avance maximale (hhea), en 1/1000 em ; ascendant, descendant : usWinAscent et
//              usWinDescent (OS/2) en 1/1000 em ; hauteur de capitales = ascendant ;
//              épaisseur = boîte ÷ 20 ; angle d'italique : post.italicAngle, en degrés.
//   premier caractère : usFirstCharIndex (OS/2), au-dessus de 255 compté comme 255, au plus
//              32 quand la police a l'espace (sa largeur doit figurer dans le fichier PDF).
//
// fontconfig répond à tout nom par une police quelconque : une famille n'est retenue que si
// des polices la portent, ou si fontconfig la remplace par une famille à métriques
// identiques (liaison « same » ou forte, p. ex. Arial → Liberation Sans), jamais par le repli
// générique (liaison faible).
#include <cstdint>
#include <string>
#include <string_view>

#include "commun/MetriquePolice.h"
#include "commun/RecepteurMessages.h"
#include "render/PolicesDocument.h"

namespace lignara {

// Réglages lus par les polices (valeurs par défaut des préférences, jusqu'à ce que les
// réglages de l'application les fournissent).
struct ReglagesPolices {
    std::string nomPolice = "Arial";  // au plus 31 octets, Windows-1252
    std::string ligneSignature1;      // au plus 50 octets chacune
    std::string ligneSignature2;
};

// Remplit police pour la famille nom1252 dans le style demandé. Rend police.trouvee != 0.
// Une famille dont le style convenable n'a pas un premier caractère ≤ « 1 », ou dont les
// largeurs ne peuvent être lues, est signalée (« n'est pas définie correctement ») et laisse
// l'enregistrement non trouvé.
bool remplirMetrique(MetriquePolice& police, std::string_view nom1252, bool italique,
                     const RecepteurMessages& recepteur);

// Mesure un fichier de police précis (indice de face dans le fichier). Faux, sans message,
// quand FreeType ne peut l'ouvrir ou en lire les largeurs, ou que son premier caractère
// dépasse « 1 » : l'enregistrement n'est alors pas modifié.
bool mesurerFichierPolice(const std::string& chemin, int indice, bool italique, MetriquePolice& police);

// Dernier caractère du fichier (usLastCharIndex de OS/2, 0xFFFF au plus) ; faux quand le
// fichier ne peut être lu.
bool dernierCaractereFichier(const std::string& chemin, int indice, int& dernier);

// Police d'un document pour reglages.nomPolice : les deux enregistrements remplis, « Arial »
// pour nom quand la famille n'est pas utilisable (avec message), l'enregistrement régulier
// gardé pour l'italique quand la famille n'a pas d'italique, et la largeur de signature des
// deux lignes. Sans Arial non plus : message, et le nom des préférences sur ce qui a été lu.
PolicesDocument chargerPolices(const ReglagesPolices& reglages, const RecepteurMessages& recepteur);

// Largeur de la bande de signature, unités de dessin : 384 + max(l1, l2) × 8 ÷ 10, li la
// largeur de la ligne i à 10 points dans la police régulière.
std::int32_t calculerLargeurSignature(const MetriquePolice& reguliere, std::string_view ligne1,
                                      std::string_view ligne2);

}  // namespace lignara
