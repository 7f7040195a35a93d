#pragma once
// Adresse « file:// » d'un fichier, pour lier une photo depuis une page Web : chemin rendu
// complet et normalisé, puis chaque octet UTF-8 hors des lettres, chiffres et « -._~/ » écrit
// %XX. L'adresse ne contient donc ni guillemet, ni « & », ni « < » : elle va telle quelle dans
// un attribut. Vide quand le chemin est vide ou ne peut être rendu complet.
#include <string>

namespace lignara {

std::string urlFichier(const std::string& chemin1252);

}  // namespace lignara
