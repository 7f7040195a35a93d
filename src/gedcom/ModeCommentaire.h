#pragma once
// Où l'import prend le « Commentaire » d'une personne (option du fichier ouvert) :
//   0 : la première ligne des notes ;
//   1 : la première ligne des notes si elle commence par « # » (sans le « # » ni les espaces
//       qui le suivent ; une telle ligne n'est alors pas gardée dans les notes) ;
//   2 : la valeur d'un tag GEDCOM choisi, à tout niveau de l'enregistrement.
#include <cstdint>
#include <string>
#include <string_view>

namespace lignara {

enum class ModeCommentaire : std::uint8_t { PremiereLigne = 0, LigneDiese = 1, TagGedcom = 2 };

// Ce qu'une première ligne de notes (valeur non pointeur) donne : le commentaire, s'il y en a
// un (coupé à 100 octets ; vide pour du RTF), et si la ligne reste une ligne de notes.
struct CommentaireDeNote {
    bool donneCommentaire = false;
    std::string commentaire;
    bool resteLigne = true;
};

CommentaireDeNote lireCommentaireDeNote(ModeCommentaire mode, std::string_view valeur);

// Fichier photo ou adresse web accepté : extension d'image connue (.png .jpeg .jpg .gif .tiff
// .bmp), ou adresse http://, https://, www. qui contient l'une d'elles suivie de « ? ».
// Casse ignorée.
bool estPhotoAcceptee(std::string_view nom);

}  // namespace lignara
