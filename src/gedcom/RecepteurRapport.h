#pragma once
// Reçoit les lignes de rapport du lecteur GEDCOM (défauts relevés dans un fichier). L'import les
// range dans sa liste d'erreurs ; la commande « lire » les affiche.
#include <cstddef>
#include <string>

namespace lignara {

class RecepteurRapport {
public:
    virtual ~RecepteurRapport() = default;
    // ligne : texte Windows-1252 sans fin de ligne, p. ex. « - Ligne 12 : erreur de syntaxe ».
    virtual void signaler(std::size_t indiceFichier, const std::string& ligne) = 0;

    // Met en forme à la printf (patron 1252, 511 octets au plus) et signale la ligne.
    [[gnu::format(printf, 3, 4)]] void SignalerErreur(std::size_t indiceFichier, const char* patron, ...);
};

}  // namespace lignara
