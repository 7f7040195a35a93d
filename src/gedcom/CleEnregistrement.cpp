#include "gedcom/CleEnregistrement.h"

#include <algorithm>
#include <cstring>

namespace lignara {

CleEnregistrement CleEnregistrement::deReference(std::size_t indiceFichier, std::string_view reference) {
    CleEnregistrement c;
    if (reference.empty()) return c;
    reference = reference.substr(0, kLongueurReferenceMax);
    c.octets_[0] = static_cast<std::uint8_t>(indiceFichier + 1);
    std::memcpy(c.octets_.data() + 1, reference.data() + 1, reference.size() - 1);
    c.longueur_ = static_cast<std::uint8_t>(reference.size());
    return c;
}

CleEnregistrement CleEnregistrement::dePointeur(std::size_t indiceFichier, std::string_view valeur) {
    if (valeur.empty() || valeur[0] != '@') return {};
    std::size_t fin = valeur.find('@', 1);
    valeur = valeur.substr(0, fin == std::string_view::npos ? valeur.size() : fin + 1);
    return deReference(indiceFichier, valeur);
}

// Le balayage fait la clé de chaque lien : mesurer d'abord toute la valeur coûtait autant que la
// lire. Au-delà de la longueur gardée, le reste est coupé de toute façon.
CleEnregistrement CleEnregistrement::dePointeur(std::size_t indiceFichier, const char* valeur) {
    if (valeur[0] != '@') return {};
    std::size_t n = 1;
    while (n < kLongueurReferenceMax && valeur[n] != '\0' && valeur[n] != '@') ++n;
    if (valeur[n] == '@') ++n;
    return deReference(indiceFichier, {valeur, n});
}

std::string_view CleEnregistrement::identifiant() const {
    std::string_view o = octets();
    if (o.empty()) return o;
    o.remove_prefix(1);
    if (!o.empty() && o.back() == '@') o.remove_suffix(1);
    return o;
}

std::strong_ordering CleEnregistrement::operator<=>(const CleEnregistrement& autre) const {
    std::size_t commun = std::min(longueur_, autre.longueur_);
    int c = std::memcmp(octets_.data(), autre.octets_.data(), commun);
    if (c != 0) return c < 0 ? std::strong_ordering::less : std::strong_ordering::greater;
    return longueur_ <=> autre.longueur_;
}

bool CleEnregistrement::operator==(const CleEnregistrement& autre) const {
    return longueur_ == autre.longueur_ && std::memcmp(octets_.data(), autre.octets_.data(), longueur_) == 0;
}

}  // namespace lignara
