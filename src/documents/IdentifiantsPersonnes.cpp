#include "documents/IdentifiantsPersonnes.h"

#include <algorithm>
#include <limits>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"

namespace lignara {

void IdentifiantsPersonnes::retenir(const RegistresBalayage& registres) {
    cles_.clear();
    cles_.reserve(registres.personnes.size());
    for (std::uint32_t i : registres.personnesParCle()) {
        const PersonneBalayee& p = registres.personnes[i];
        if (!p.gardee) continue;
        cles_.push_back({std::string(p.cle.octets()), p.decalage});
    }
}

std::uint32_t IdentifiantsPersonnes::numero(const BaseGenealogique& base, std::string_view identifiant) const {
    if (cles_.size() != base.nombreIndividus())
        throw OperationImpossible("Les identifiants Gedcom ne sont pas connus pour cette base"_1252);
    while (!identifiant.empty() && identifiant.front() == '@') identifiant.remove_prefix(1);
    while (!identifiant.empty() && identifiant.back() == '@') identifiant.remove_suffix(1);
    if (identifiant.empty()) return 0;
    std::string reference = "@" + std::string(identifiant) + "@";
    const CleEnregistrement cle = CleEnregistrement::deReference(0, reference);
    const std::string_view octets = cle.octets();
    auto it = std::lower_bound(cles_.begin(), cles_.end(), octets,
                               [](const Cle& c, std::string_view o) { return std::string_view(c.octets) < o; });
    if (it == cles_.end() || it->octets != octets) return 0;
    auto n = static_cast<std::uint32_t>(it - cles_.begin() + 1);
    // La base garde le décalage de l'enregistrement : il doit être celui de la clé trouvée.
    std::uint64_t attendu = std::min<std::uint64_t>(it->decalage, std::numeric_limits<std::uint32_t>::max());
    if (base.LireIndividu(n).decalageGedcom != attendu)
        throw OperationImpossible("Les identifiants Gedcom ne correspondent plus à la base"_1252);
    return n;
}

std::string IdentifiantsPersonnes::identifiant(std::uint32_t numero) const {
    if (numero == 0 || numero > cles_.size()) return {};
    std::string_view o = cles_[numero - 1].octets;
    if (o.empty()) return {};
    return "@" + std::string(o.substr(1));
}

}  // namespace lignara
