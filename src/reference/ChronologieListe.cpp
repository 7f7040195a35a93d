#include "reference/ChronologieListe.h"

#include <cstdio>
#include <vector>

#include "commun/Dossiers.h"
#include "commun/Texte.h"

namespace lignara {

ChronologieListe ChronologieListe::livree() {
    static const char* const kNoms[] = {kAucune,
                                        "Siècles"_1252,
                                        "France"_1252,
                                        "France - Alsace"_1252,
                                        "France - Bretagne"_1252,
                                        "France - Savoie"_1252,
                                        "Belgique - Flandre"_1252,
                                        "Belgique - Liège"_1252,
                                        "Allemagne"_1252,
                                        "Angleterre"_1252,
                                        "Autriche"_1252,
                                        "Danemark"_1252,
                                        "Ecosse"_1252,
                                        "Espagne - Aragon"_1252,
                                        "Espagne - Castille"_1252,
                                        "Japon"_1252,
                                        "Portugal"_1252,
                                        "Russie"_1252,
                                        "Papes"_1252,
                                        "Grandes inventions"_1252,
                                        "Littérature française"_1252,
                                        "Peinture"_1252};
    ChronologieListe liste;
    for (const char* nom : kNoms) liste.entrees_.push_back({nom, 1});
    return liste;
}

std::size_t ChronologieListe::trouver(std::string_view nom, std::string& message) const {
    for (std::size_t i = 0; i < entrees_.size(); ++i)
        if (entrees_[i].nom == nom) return i;
    std::string n(nom);
    std::vector<char> tampon(n.size() + 64);
    std::snprintf(tampon.data(), tampon.size(), "La chronologie \"%s\" n'existe pas"_1252, n.c_str());
    message = tampon.data();
    return 0;
}

std::filesystem::path ChronologieListe::fichier(const Entree& entree) {
    std::string nom = "Chrono-" + versUtf8(entree.nom) + ".dwa";
    if (entree.emplacement == 1) return dossierInstallation() / "Chrono" / nom;
    return dossierConfiguration() / nom;
}

}  // namespace lignara
