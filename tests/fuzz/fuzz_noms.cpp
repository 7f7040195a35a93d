// Noms quelconques venus d'un GEDCOM : clé phonétique, clé de noms et formes d'affichage ne
// plantent jamais et gardent leurs promesses (alphabet de la clé, longueurs, pas d'octet < 32).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "database/CleNom.h"
#include "database/ClePhonetique.h"
#include "database/FormatNom.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string nom(reinterpret_cast<const char*>(donnees), taille);
    for (char c : lignara::ClePhonetique(nom))
        if (!((c >= 'a' && c <= 'z') || (c >= '1' && c <= '5'))) std::abort();
    std::string cle = lignara::CleNom(nom);
    if (cle.size() != nom.size()) std::abort();
    for (char c : cle)
        if (static_cast<unsigned char>(c) < 32) std::abort();
    std::string affiche = nom;
    lignara::FormaterNom(affiche);
    if (affiche.size() != nom.size()) std::abort();
    affiche = nom;
    lignara::FormaterPrenoms(affiche);
    if (affiche.size() != nom.size()) std::abort();
    return 0;
}
