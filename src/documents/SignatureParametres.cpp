#include "documents/SignatureParametres.h"

namespace lignara {

namespace {

ValeurParametre valeurVide(char lettre, std::uint32_t nombrePersonnes) {
    switch (lettre) {
        case 'P': return std::int32_t{0};
        case 's': return std::string();
        case '2': return std::uint16_t{0};
        case '4': return std::uint32_t{0};
        case 'D': return DateParametre{};
        case 'L': return EnsemblePersonnes(nombrePersonnes);
        default: return std::uint8_t{0};
    }
}

bool memeGenre(char lettre, const ValeurParametre& v) {
    switch (lettre) {
        case 'P': return std::holds_alternative<std::int32_t>(v);
        case 's': return std::holds_alternative<std::string>(v);
        case '1':
        case 'b': return std::holds_alternative<std::uint8_t>(v);
        case '2': return std::holds_alternative<std::uint16_t>(v);
        case '4': return std::holds_alternative<std::uint32_t>(v);
        case 'D': return std::holds_alternative<DateParametre>(v);
        case 'L': return std::holds_alternative<EnsemblePersonnes>(v);
        default: return false;
    }
}

}  // namespace

bool SignatureParametres::reconnue(char lettre) {
    return std::string_view("Ps1b24DL").find(lettre) != std::string_view::npos;
}

std::string SignatureParametres::parametres() const {
    std::string p;
    for (char c : lettres_)
        if (reconnue(c)) p.push_back(c);
    return p;
}

ParametresDocument SignatureParametres::valeursParDefaut(std::uint32_t nombrePersonnes) const {
    ParametresDocument valeurs;
    for (char c : parametres()) valeurs.push_back(valeurVide(c, nombrePersonnes));
    return valeurs;
}

bool SignatureParametres::accepte(const ParametresDocument& valeurs) const {
    std::string p = parametres();
    if (p.size() != valeurs.size()) return false;
    for (std::size_t i = 0; i < p.size(); ++i)
        if (!memeGenre(p[i], valeurs[i])) return false;
    return true;
}

}  // namespace lignara
