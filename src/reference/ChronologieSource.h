#pragma once
// Source lisible d'une chronologie livrée (data/Chronologies/<nom>.txt, UTF-8), d'où l'outil de
// construction tire le fichier binaire. Une période par ligne :
//     début  fin  couleur  libellé
// années entières (fin « ... » : période en cours, écrite 9999), couleur RRGGBB en hexadécimal,
// libellé jusqu'au bout de la ligne (100 octets au plus en Windows-1252). Une ligne qui commence
// par « # » est un commentaire. Les périodes viennent par année de début croissante.
#include <string>
#include <string_view>
#include <vector>

#include "reference/Chronologie.h"

namespace lignara {

class ChronologieSource {
public:
    static constexpr int kEnCours = 9999;

    // Lit tout le texte ; faute() dit la première ligne fautive (vide si aucune).
    static ChronologieSource lire(std::string_view texteUtf8);

    const std::vector<PeriodeChronologie>& periodes() const { return periodes_; }
    const std::string& faute() const { return faute_; }

private:
    std::string lireLigne(const std::string& ligne);

    std::vector<PeriodeChronologie> periodes_;
    std::string faute_;
};

}  // namespace lignara
