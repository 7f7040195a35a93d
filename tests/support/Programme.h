#pragma once
// Commandes du système pour les essais : le vrai programme lignara, ou un outil (qpdf, onsgmls,
// pdftotext…). Sortie standard et d'erreur recueillies ensemble, code de sortie à part.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace lignara::essai {

struct SortieProgramme {
    std::string texte;
    int code = -1;  // -1 : pas lancé, ou arrêté par un signal
};

// Une ligne de shell telle quelle (les arguments déjà cités).
inline SortieProgramme executerCommande(const std::string& commande) {
    SortieProgramme s;
    std::FILE* p = ::popen(("(" + commande + ") 2>&1").c_str(), "r");
    if (!p) return s;
    char tampon[4096];
    for (std::size_t n; (n = std::fread(tampon, 1, sizeof tampon, p)) > 0;) s.texte.append(tampon, n);
    const int statut = ::pclose(p);
    s.code = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
    return s;
}

// Le programme lignara ; « avant » précède la commande (variables d'environnement : XDG_CONFIG_HOME=…).
inline SortieProgramme lancerProgramme(const std::string& arguments, const std::string& avant = "") {
    return executerCommande(avant + (avant.empty() ? "" : " ") + "\"" + LIGNARA_PROGRAMME + "\" " + arguments);
}

// Argument cité pour le shell.
inline std::string cite(const std::string& texte) {
    std::string c = "'";
    for (char ch : texte) c += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return c + "'";
}

inline bool outilPresent(const char* nom) {
    return std::system((std::string("command -v ") + nom + " > /dev/null 2>&1").c_str()) == 0;
}

}  // namespace lignara::essai

// Saute l'essai, avec le nom de l'outil, quand un outil du système manque.
#define SAUTER_SANS_OUTIL(nom) \
    if (!::lignara::essai::outilPresent(nom)) GTEST_SKIP() << (nom) << " absent : contrôle sauté"
