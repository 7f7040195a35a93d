#include "documents/Visualiseur.h"

#include <spawn.h>
#include <sys/wait.h>

#include "commun/Texte.h"
#include "reglages/Configuration.h"

extern char** environ;

namespace lignara {

namespace {

std::size_t afficheurDuChemin(std::string_view chemin) {
    std::string_view fin = chemin.size() >= 3 ? chemin.substr(chemin.size() - 3) : chemin;
    if (fin == "pdf") return kAfficheurPdf;
    if (fin == "htm") return kAfficheurWeb;
    if (fin == "rtf") return kAfficheurRtf;
    return kAfficheurTxt;
}

std::vector<std::string> mots(std::string_view commande) {
    std::vector<std::string> resultat;
    std::string mot;
    bool dansMot = false, entreGuillemets = false;
    for (char c : commande) {
        if (c == '"') {
            entreGuillemets = !entreGuillemets;
            dansMot = true;
        } else if ((c == ' ' || c == '\t') && !entreGuillemets) {
            if (dansMot) resultat.push_back(mot);
            mot.clear();
            dansMot = false;
        } else {
            mot.push_back(c);
            dansMot = true;
        }
    }
    if (dansMot) resultat.push_back(mot);
    return resultat;
}

// Seuls les afficheurs lancés ici sont recueillis : un autre enfant du programme reste à qui
// l'attend.
std::vector<pid_t>& afficheursLances() {
    static std::vector<pid_t> lances;
    return lances;
}

void recueillirAfficheursFinis() {
    std::erase_if(afficheursLances(), [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

}  // namespace

std::vector<std::string> argumentsAfficheur(const CommandesAfficheurs& commandes, std::string_view chemin) {
    // Les préférences sont en Windows-1252 ; le système attend de l'UTF-8.
    std::vector<std::string> arguments = mots(versUtf8(commandes[afficheurDuChemin(chemin)]));
    if (arguments.empty()) arguments.emplace_back("xdg-open");
    arguments.emplace_back(chemin);
    return arguments;
}

bool visualiser(const Graphique& document, const CommandesAfficheurs& commandes) {
    recueillirAfficheursFinis();
    std::vector<std::string> arguments = argumentsAfficheur(commandes, document.chemin);
    std::vector<char*> argv;
    for (std::string& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
    afficheursLances().push_back(pid);
    return true;
}

}  // namespace lignara
