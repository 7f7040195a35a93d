#include "render/Graphique.h"

namespace lignara {

const char* Graphique::extension(FormatSortie format) {
    switch (format) {
        case FormatSortie::Texte: return "txt";
        case FormatSortie::Rtf: return "rtf";
        case FormatSortie::Web: return "htm";
        case FormatSortie::Pdf: break;
    }
    return "pdf";
}

}  // namespace lignara
