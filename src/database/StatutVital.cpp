#include "database/StatutVital.h"

namespace lignara {

std::vector<char> calculerStatutVital(const LiensFamiliaux& liens,
                                      const std::vector<std::int16_t>& anneesNaissance,
                                      int anneeCourante) {
    std::vector<char> statut(anneesNaissance.size(), 'm');
    for (std::size_t p = 1; p < statut.size(); ++p)
        if (anneeCourante - anneesNaissance[p] < 100) statut[p] = 'v';
    // Chaque anneau n'est vu qu'une fois : depuis son premier enfant.
    for (std::uint32_t p = 1; p < statut.size(); ++p) {
        if (liens.fratrie[p].rang != 0) continue;
        auto anneau = liens.anneau(p);
        bool vivant = false;
        for (std::uint32_t q : anneau) vivant = vivant || statut[q] == 'v';
        if (vivant)
            for (std::uint32_t q : anneau) statut[q] = 'v';
    }
    return statut;
}

}  // namespace lignara
