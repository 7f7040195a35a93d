#pragma once
// Recensement d'un fichier GEDCOM : le lit à travers le lecteur de lignes (vraie machine d'états,
// table de la passe de balayage), compte les enregistrements de niveau 0 par sorte et garde les
// lignes de rapport. Point d'entrée de la commande « lignara lire ».
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "gedcom/JeuCaracteres.h"

namespace lignara {

struct RecensementGedcom {
    JeuCaracteres jeu = JeuCaracteres::Aucun;
    bool transcodeUtf16 = false;
    std::size_t individus = 0;         // INDI
    std::size_t familles = 0;          // FAM
    std::size_t sources = 0;           // SOUR
    std::size_t notes = 0;             // NOTE
    std::size_t objets = 0;            // OBJE
    std::size_t autres = 0;            // tout autre enregistrement de niveau 0 (hors HEAD et TRLR)
    long lignes = 0;                   // lignes physiques lues
    std::vector<std::string> rapport;  // Windows-1252

    // Lève OperationImpossible (message français) si le fichier ne peut pas être lu.
    static RecensementGedcom recenser(const std::filesystem::path& chemin);
};

}  // namespace lignara
