#include "documents/fiches/LargeurUtile.h"

#include <algorithm>

#include "render/FormatPapier.h"
#include "render/GrillePages.h"

namespace lignara {

std::int32_t largeurUtile(const ReglagesDessin& dessin) {
    const FormatPapier papier = formatPapierOuNonPagine(dessin.formatPapier);
    const std::int32_t page = papier.estPagine() ? GrillePages(papier, 100, 1, 1).largeurPage() : 9072;
    return std::max(page - dessin.margeGauche - dessin.margeDroite, 1);
}

}  // namespace lignara
