#include "documents/listes/MiseEnPageListe.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <utility>

namespace lignara {

MiseEnPage miseEnPageListe(const std::string& chemin, std::string titre1252, int compressionListes) {
    MiseEnPage mise;
    mise.chemin = std::filesystem::path(chemin);
    mise.titre1252 = std::move(titre1252);
    mise.etirementPdf = static_cast<std::int16_t>(std::clamp(compressionListes, 10, 200));
    return mise;
}

void ecrireListe(const Document& document, const ReglagesDessin& dessin, const MiseEnPage& mise,
                 const ContenuRedaction& contenu) {
    creerRedacteur(document.format, dessin, document.polices, document.horloge)->rediger(mise, contenu);
}

}  // namespace lignara
