#pragma once
// Lance le vrai programme lignara avec des arguments (déjà cités pour le shell du test) et
// recueille sa sortie standard et d'erreur, et son code de sortie.
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace lignara::essai {

struct SortieProgramme {
    std::string texte;
    int code = -1;
};

inline SortieProgramme lancerProgramme(const std::string& arguments) {
    SortieProgramme s;
    std::string commande = std::string("\"") + LIGNARA_PROGRAMME + "\" " + arguments + " 2>&1";
    std::FILE* p = ::popen(commande.c_str(), "r");
    if (!p) return s;
    char tampon[4096];
    std::size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, p)) > 0) s.texte.append(tampon, n);
    int statut = ::pclose(p);
    s.code = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
    return s;
}

}  // namespace lignara::essai
