#pragma once
// Récepteur qui garde les lignes de rapport dans l'ordre où elles arrivent.
#include <string>
#include <vector>

#include "gedcom/RecepteurRapport.h"

namespace lignara {

class RapportEnMemoire : public RecepteurRapport {
public:
    void signaler(std::size_t, const std::string& ligne) override { lignes.push_back(ligne); }
    std::vector<std::string> lignes;
};

}  // namespace lignara
