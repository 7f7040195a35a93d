#include "documents/NommageFichier.h"

#include <cerrno>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "commun/CauseErreur.h"
#include "commun/EcritureFichier.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"

namespace lignara {

namespace {

constexpr std::string_view kRemplaces = " '\"()[]\\,;/*?$`|&<>:!~#%{}=";
constexpr int kEssaisMax = 100000;

bool aRemplacer(char c) {
    auto u = static_cast<unsigned char>(c);
    return u < 32 || u == 127 || kRemplaces.find(c) != std::string_view::npos;
}

std::string nomDuFichier(std::string_view prefixe, const std::string& nom, int numero, FormatSortie format) {
    std::string n = versUtf8(std::string(prefixe) + nom);
    if (numero > 0) n += std::to_string(numero);
    return n + "." + Graphique::extension(format);
}

[[noreturn]] void creationImpossible(const std::filesystem::path& dossier) {
    throw OperationImpossible("Création impossible d'un fichier dans "_1252 + depuisUtf8(dossier.string()));
}

int ouvrirSansLien(const std::string& chemin, int drapeaux) {
    return ::open(chemin.c_str(), drapeaux | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
}

}  // namespace

std::string nettoyerNomFichier(std::string_view nom1252) {
    std::string propre(nom1252);
    for (char& c : propre)
        if (aRemplacer(c)) c = '-';
    return propre;
}

void nommerFichier(Graphique& document, const std::filesystem::path& dossier, std::string_view prefixe,
                   std::string_view nom1252) {
    std::string nom = nettoyerNomFichier(nom1252);
    const std::string base = dossier.string() + "/";
    // Un nom trop long pour la limite des chemins est raccourci, jamais le dossier.
    while (!nom.empty() &&
           (base + nomDuFichier(prefixe, nom, kEssaisMax, document.format)).size() > Graphique::kLongueurCheminMax)
        nom.pop_back();
    for (int numero = 0; numero < kEssaisMax; ++numero) {
        std::string chemin = base + nomDuFichier(prefixe, nom, numero, document.format);
        int fd = ouvrirSansLien(chemin, O_CREAT | O_EXCL);
        if (fd >= 0) {
            ::close(fd);
            document.chemin = chemin;
            return;
        }
        if (errno != EEXIST) break;
    }
    creationImpossible(dossier);
}

void imposerFichier(Graphique& document, const std::filesystem::path& chemin) {
    struct stat s {};
    int erreur = 0;
    if (::lstat(chemin.c_str(), &s) == 0) {
        if (S_ISLNK(s.st_mode))
            erreur = ELOOP;
        else if (S_ISDIR(s.st_mode))
            erreur = EISDIR;
        else if (!S_ISREG(s.st_mode))
            erreur = kErreurPasFichierOrdinaire;
    } else if (errno != ENOENT) {
        erreur = errno;
    }
    if (erreur != 0) throw OperationImpossible(messageEcritureImpossible(chemin, erreur));
    document.chemin = chemin.string();
}

void effacerReservation(const std::filesystem::path& chemin) noexcept {
    struct stat s {};
    if (::lstat(chemin.c_str(), &s) == 0 && S_ISREG(s.st_mode) && s.st_size == 0 && s.st_uid == ::geteuid())
        ::unlink(chemin.c_str());
}

}  // namespace lignara
