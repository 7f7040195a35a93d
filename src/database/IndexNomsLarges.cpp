#include "database/IndexNomsLarges.h"

#include <unordered_map>

#include "database/ClePhonetiqueLarge.h"

namespace lignara {

IndexNomsLarges::IndexNomsLarges(const BaseGenealogique& base, const IndexNoms& index) {
    std::unordered_map<std::uint32_t, std::uint32_t> parRef;
    std::unordered_map<std::string, std::uint32_t> parCle;
    rangs_.resize(index.taille());
    for (std::size_t pos = 0; pos < index.taille(); ++pos) {
        const std::uint32_t ref = base.LireIndividu(index.personne(pos)).nom;
        auto it = parRef.find(ref);
        if (it == parRef.end()) {
            std::string cle = ClePhonetiqueLarge(base.LireTexte(TableNoms, ref));
            auto [c, neuve] = parCle.emplace(cle, static_cast<std::uint32_t>(cles_.size()));
            if (neuve) cles_.push_back(std::move(cle));
            it = parRef.emplace(ref, c->second).first;
        }
        rangs_[pos] = it->second;
    }
}

}  // namespace lignara
