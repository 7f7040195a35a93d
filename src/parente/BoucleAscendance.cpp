#include "parente/BoucleAscendance.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "parente/NomAffiche.h"

namespace lignara {

namespace {

constexpr std::size_t kNomsDansLeMessage = 20;

struct Ascendant {
    std::uint32_t pere = 0, mere = 0;
    std::uint32_t enfantsRestants = 0;  // enfants dans l'ascendance pas encore retirés
};

}  // namespace

std::string messageBoucleParente(const BaseGenealogique& base, std::span<const std::uint32_t> personnes) {
    std::string message =
        "Opération impossible car les personnes suivantes forment une boucle infinie de liens de parenté :\n"_1252;
    for (std::size_t i = 0; i < personnes.size() && i < kNomsDansLeMessage; ++i)
        message += "- " + nomAffiche(base, personnes[i]) + "\n";
    return message + "(corriger le fichier, puis recommencez)";
}

// Les ascendants sont retirés depuis la racine, un parent dès que tous ses enfants de
// l'ascendance le sont : ce qui reste est la boucle et ce qui est au-dessus d'elle.
void verifierAscendanceSansBoucle(const BaseGenealogique& base, std::uint32_t racine) {
    std::unordered_map<std::uint32_t, Ascendant> ascendants;
    std::vector<std::uint32_t> pile{racine};
    ascendants[racine];
    while (!pile.empty()) {
        const std::uint32_t p = pile.back();
        pile.pop_back();
        const Individu ind = base.LireIndividu(p);
        Ascendant& a = ascendants[p];
        a.pere = ind.pere;
        a.mere = ind.mere == ind.pere ? 0 : ind.mere;
        for (std::uint32_t parent : {a.pere, a.mere}) {
            if (parent == 0) continue;
            auto [it, nouveau] = ascendants.try_emplace(parent);
            ++it->second.enfantsRestants;
            if (nouveau) pile.push_back(parent);
        }
    }
    std::vector<std::uint32_t> prets;
    for (const auto& [p, a] : ascendants)
        if (a.enfantsRestants == 0) prets.push_back(p);
    std::size_t retires = 0;
    while (!prets.empty()) {
        const std::uint32_t p = prets.back();
        prets.pop_back();
        ++retires;
        const Ascendant a = ascendants[p];
        for (std::uint32_t parent : {a.pere, a.mere})
            if (parent != 0 && --ascendants[parent].enfantsRestants == 0) prets.push_back(parent);
    }
    if (retires == ascendants.size()) return;
    std::vector<std::uint32_t> restants;
    for (const auto& [p, a] : ascendants)
        if (a.enfantsRestants != 0) restants.push_back(p);
    std::sort(restants.begin(), restants.end());
    throw OperationImpossible(messageBoucleParente(base, restants));
}

}  // namespace lignara
