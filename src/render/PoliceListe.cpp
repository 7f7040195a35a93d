#include "render/PoliceListe.h"

#include <cctype>
#include <cstring>

#include "commun/Texte.h"
#include "commun/MetriquePolice.h"
#include "render/PoliceChargement.h"
#include "render/PoliceFamille.h"

namespace lignara {

bool ListePolices::ajouter(std::string_view nom1252) {
    if (occupe + nom1252.size() + 1 > kTailleTampon) return false;
    std::memcpy(tampon + occupe, nom1252.data(), nom1252.size());
    occupe += nom1252.size();
    tampon[occupe++] = '\0';
    ++nombre;
    return true;
}

std::vector<std::string_view> ListePolices::noms() const {
    std::vector<std::string_view> resultat;
    for (std::size_t debut = 0; debut < occupe;) {
        std::string_view nom(tampon + debut);
        resultat.push_back(nom);
        debut += nom.size() + 1;
    }
    return resultat;
}

namespace {
bool estLettre(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// Un style régulier dont le premier caractère est au plus « 1 » et le dernier au moins « z ».
bool utilisable(const std::string& famille1252) {
    PoliceFamille famille(famille1252);
    for (const FichierPolice& style : famille.styles(false)) {
        MetriquePolice m;
        int dernier = 0;
        if (mesurerFichierPolice(style.chemin, style.indice, false, m) &&
            dernierCaractereFichier(style.chemin, style.indice, dernier) && dernier >= 'z')
            return true;
    }
    return false;
}
}  // namespace

ListePolices listerPolicesUtilisables() {
    ListePolices liste;
    for (const std::string& familleUtf8 : PoliceFamille::famillesTrueType()) {
        std::string nom = depuisUtf8(familleUtf8);
        // Les noms à moins de deux caractères ou commençant par un signe (« @ ») sont exclus.
        if (nom.size() < 2 || !estLettre(nom[1]) || nom.find('?') != std::string::npos) continue;
        if (nom.size() > 31) continue;
        if (utilisable(nom)) liste.ajouter(nom);
    }
    return liste;
}

}  // namespace lignara
