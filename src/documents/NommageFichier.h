#pragma once
// Nom du fichier d'un document : « dossier/PRÉFIXENom.ext », puis « dossier/PRÉFIXENom1.ext »,
// « …2.ext »… tant que le nom est pris. Le nom de la personne de tête est nettoyé : espace,
// apostrophe, guillemet, parenthèses, crochets, barres obliques, virgule, point-virgule,
// astérisque et point d'interrogation deviennent « - », comme les caractères qu'un shell ou
// un système de fichiers interpréterait ($ ` | & < > : ! ~ # % { } =, caractères de contrôle).
//
// Le fichier est créé vide par nommerFichier, de façon exclusive (O_EXCL) et sans suivre de
// lien : un lien posé d'avance sous ce nom ne détourne pas l'écriture. Le chemin rangé dans le
// document est en UTF-8, la forme des chemins du système.
#include <cstdio>
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

// Fixe document.chemin à un chemin imposé (option --sortie) et le crée ou le vide, sans suivre
// de lien.
void imposerFichier(Graphique& document, const std::filesystem::path& chemin);

// Ouvre en écriture (vidé) le fichier nommé du document, sans suivre de lien. Échec :
// OperationImpossible(« Ecriture impossible dans le fichier\n<chemin> »).
std::FILE* ouvrirFichierDocument(const Graphique& document);

}  // namespace lignara
