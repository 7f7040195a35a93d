#include "documents/Document.h"

namespace lignara {

void Document::initialiserParametres(const ContexteDocument& contexte) {
    parametres = signature().valeursParDefaut(contexte.base ? contexte.base->nombreIndividus() : 0);
    polices = contexte.polices;
    horloge = contexte.horloge;
}

std::int32_t Document::racine() const {
    if (!type_.demandeRacine() || parametres.empty()) return 0;
    const auto* p = std::get_if<std::int32_t>(&parametres[0]);
    return p && *p > 0 ? *p : 0;
}

std::string Document::nomRacine() const {
    if (!type_.demandeRacine() || parametres.size() < 2) return {};
    const auto* nom = std::get_if<std::string>(&parametres[1]);
    return nom ? *nom : std::string();
}

void Document::suivreFormatDesParametres() {
    int i = parametreFormat();
    if (i < 0 || static_cast<std::size_t>(i) >= parametres.size()) {
        format = FormatSortie::Pdf;
        return;
    }
    const auto* code = std::get_if<std::uint8_t>(&parametres[static_cast<std::size_t>(i)]);
    auto f = static_cast<FormatSortie>(code && *code <= 3 ? *code : 0);
    format = type_.offre(f) ? f : FormatSortie::Pdf;
}

}  // namespace lignara
