#include "documents/Document.h"

#include <stdexcept>

namespace lignara {

ValeurParametre valeurDeDepart(const ParametreDeclare& p, std::uint32_t nombrePersonnes) {
    switch (p.lettre) {
        case 'P': return std::int32_t{0};
        case 's': return std::string();
        case '2': return static_cast<std::uint16_t>(p.defaut);
        case '4': return static_cast<std::uint32_t>(p.defaut);
        case 'D': return DateParametre{};
        case 'L': return EnsemblePersonnes(nombrePersonnes);
        default: return static_cast<std::uint8_t>(p.defaut);
    }
}

void Document::initialiserParametres(const ContexteDocument& contexte) {
    const std::uint32_t n = contexte.base ? contexte.base->nombreIndividus() : 0;
    parametres.clear();
    for (const ParametreDeclare* p : type_.parametres) parametres.push_back(valeurDeDepart(*p, n));
    polices = contexte.polices;
    horloge = contexte.horloge;
}

ValeurParametre& Document::valeur(const ParametreDeclare& parametre) {
    const int i = type_.indice(parametre);
    if (i < 0 || static_cast<std::size_t>(i) >= parametres.size())
        throw std::logic_error("paramètre que le type ne déclare pas");
    return parametres[static_cast<std::size_t>(i)];
}

const ValeurParametre& Document::valeur(const ParametreDeclare& parametre) const {
    return const_cast<Document&>(*this).valeur(parametre);
}

std::uint8_t Document::octet(const ParametreDeclare& parametre) const {
    const auto* v = std::get_if<std::uint8_t>(&valeur(parametre));
    return v ? *v : 0;
}

std::uint16_t Document::mot(const ParametreDeclare& parametre) const {
    const auto* v = std::get_if<std::uint16_t>(&valeur(parametre));
    return v ? *v : 0;
}

std::string Document::texte(const ParametreDeclare& parametre) const {
    const auto* v = std::get_if<std::string>(&valeur(parametre));
    return v ? *v : std::string();
}

std::int32_t Document::personne(const ParametreDeclare& parametre) const {
    const auto* v = std::get_if<std::int32_t>(&valeur(parametre));
    return v ? *v : 0;
}

const EnsemblePersonnes* Document::ensemble(const ParametreDeclare& parametre) const {
    return std::get_if<EnsemblePersonnes>(&valeur(parametre));
}

ValeurParametre* Document::valeur(RoleParametre role) {
    const int i = type_.indice(role);
    return i >= 0 && static_cast<std::size_t>(i) < parametres.size() ? &parametres[static_cast<std::size_t>(i)]
                                                                     : nullptr;
}

const ValeurParametre* Document::valeur(RoleParametre role) const { return const_cast<Document&>(*this).valeur(role); }

std::int64_t Document::maximum(const ParametreDeclare& parametre) const {
    auto it = maxima_.find(&parametre);
    return it == maxima_.end() ? parametre.maximum : it->second;
}

std::int32_t Document::racine() const {
    if (!type_.demandeRacine()) return 0;
    const ValeurParametre* v = valeur(RoleParametre::Racine);
    const auto* p = v ? std::get_if<std::int32_t>(v) : nullptr;
    return p && *p > 0 ? *p : 0;
}

std::string Document::nomRacine() const {
    if (!type_.demandeRacine()) return {};
    const ValeurParametre* v = valeur(RoleParametre::NomRacine);
    const auto* nom = v ? std::get_if<std::string>(v) : nullptr;
    return nom ? *nom : std::string();
}

void Document::suivreFormatDesParametres() {
    const ValeurParametre* v = valeur(RoleParametre::Format);
    if (!v) {
        format = FormatSortie::Pdf;
        return;
    }
    const auto* code = std::get_if<std::uint8_t>(v);
    auto f = static_cast<FormatSortie>(code && *code <= 3 ? *code : 0);
    format = type_.offre(f) ? f : FormatSortie::Pdf;
}

}  // namespace lignara
