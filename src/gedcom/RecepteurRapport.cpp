#include "gedcom/RecepteurRapport.h"

#include <cstdarg>
#include <cstdio>

namespace lignara {

void RecepteurRapport::SignalerErreur(std::size_t indiceFichier, const char* patron, ...) {
    char ligne[512];
    std::va_list args;
    va_start(args, patron);
    std::vsnprintf(ligne, sizeof ligne, patron, args);
    va_end(args);
    signaler(indiceFichier, ligne);
}

}  // namespace lignara
