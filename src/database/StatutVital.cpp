#include "database/StatutVital.h"

#include "database/Parente.h"

namespace lignara {

std::vector<char> calculerStatutVital(const LiensFamiliaux& liens, const std::vector<std::int16_t>& anneesNaissance,
                                      int anneeCourante) {
    std::vector<char> statut(anneesNaissance.size(), 'm');
    // Un décès enregistré l'emporte sur l'âge estimé : un enfant mort jeune il y a
    // cinquante ans n'est pas « peut-être vivant ».
    auto decede = [&](std::size_t p) { return p < liens.deces.size() && liens.deces[p] != 0; };
    for (std::size_t p = 1; p < statut.size(); ++p)
        if (!decede(p) && anneeCourante - anneesNaissance[p] < 100) statut[p] = 'v';
    // Chaque anneau n'est vu qu'une fois : depuis son premier enfant.
    for (std::uint32_t p = 1; p < statut.size(); ++p) {
        if (liens.fratrie[p].rang != 0) continue;
        auto anneau = liens.anneau(p);
        bool vivant = false;
        for (std::uint32_t q : anneau) vivant = vivant || statut[q] == 'v';
        if (vivant)
            for (std::uint32_t q : anneau)
                if (!decede(q)) statut[q] = 'v';
    }
    return statut;
}

bool fratrieContemporaine(const BaseGenealogique& base, const std::vector<char>& statuts, std::uint32_t premierEnfant) {
    if (premierEnfant == 0 || premierEnfant >= statuts.size()) return false;
    for (std::uint32_t e : Fratrie(base, premierEnfant))
        if (e < statuts.size() && statuts[e] == 'v') return true;
    return false;
}

}  // namespace lignara
