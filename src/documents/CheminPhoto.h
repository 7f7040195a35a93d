#pragma once
// Chemin d'une photo nommée dans le GEDCOM. Un chemin relatif se comprend depuis le dossier du
// fichier GEDCOM qui le nomme, pas depuis le dossier courant du programme (qui dépend de la
// façon dont on l'a lancé). Les adresses Web et les chemins absolus restent tels quels.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace lignara {

// chemin1252 : le texte de la base (Windows-1252). dossiersGedcom : dossier de chaque fichier
// GEDCOM importé, par indice de fichier ; un indice sans dossier laisse le chemin tel quel.
// Rend un chemin Windows-1252, comme les lecteurs de photos l'attendent.
std::string resoudreCheminPhoto(const std::string& chemin1252, std::uint8_t fichierGedcom,
                                const std::vector<std::filesystem::path>& dossiersGedcom);

}  // namespace lignara
