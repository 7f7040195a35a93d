#pragma once
// Nom du fichier d'un document : « dossier/PRÉFIXENom.ext », puis « dossier/PRÉFIXENom1.ext »,
// « …2.ext »… tant que le nom est pris. Le nom de la personne de tête est nettoyé : espace,
// apostrophe, guillemet, parenthèses, crochets, barres obliques, virgule, point-virgule,
// astérisque et point d'interrogation deviennent « - », comme les caractères qu'un shell ou
// un système de fichiers interpréterait ($ ` | & < > : ! ~ # % { } =, caractères de contrôle).
//
// Le fichier est réservé vide par nommerFichier, de façon exclusive (O_EXCL) et sans suivre de
// lien : un lien posé d'avance sous ce nom ne détourne pas l'écriture. Le document l'écrit
// ensuite par ses rédacteurs (FichierSortie), qui remplacent la réservation d'un coup quand
// tout est écrit. Le chemin rangé dans le document est en UTF-8, la forme des chemins du système.
#include <filesystem>
#include <string>
#include <string_view>

#include "render/Graphique.h"

namespace lignara {

// Nom nettoyé (Windows-1252 → Windows-1252).
std::string nettoyerNomFichier(std::string_view nom1252);

// Fixe document.chemin dans dossier. Échec : OperationImpossible(« Création impossible d'un
// fichier dans <dossier> »).
void nommerFichier(Graphique& document, const std::filesystem::path& dossier, std::string_view prefixe,
                   std::string_view nom1252);

// Fixe document.chemin à un chemin imposé (option --sortie) sans y toucher : le fichier qui
// s'y trouve ne sera remplacé qu'une fois le document écrit en entier. Un lien symbolique ou
// autre chose qu'un fichier ordinaire y est refusé tout de suite : OperationImpossible
// (« Ecriture impossible dans le fichier\n<chemin>\n<Cause> »).
void imposerFichier(Graphique& document, const std::filesystem::path& chemin);

// Efface la réservation de nommerFichier d'un document qui a échoué : seulement un fichier
// ordinaire vide, jamais un lien ni un fichier déjà écrit.
void effacerReservation(const std::filesystem::path& chemin) noexcept;

}  // namespace lignara
