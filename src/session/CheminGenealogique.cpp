#include "session/CheminGenealogique.h"

#include <algorithm>
#include <cctype>

namespace lignara {

std::string cheminDeLaLigneDeCommande(std::string_view argument) {
    while (!argument.empty() && argument.front() == '"') argument.remove_prefix(1);
    while (!argument.empty() && argument.back() == '"') argument.remove_suffix(1);
    return std::string(argument);
}

bool estCheminGenealogique(const std::filesystem::path& chemin) {
    std::string nom = chemin.filename().string();
    std::transform(nom.begin(), nom.end(), nom.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    auto finitPar = [&](std::string_view fin) { return nom.size() > fin.size() && nom.ends_with(fin); };
    return finitPar(".ged") || finitPar(".fged");
}

}  // namespace lignara
