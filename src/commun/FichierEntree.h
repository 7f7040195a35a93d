#pragma once
// Fichier lu par le programme (GEDCOM, description de fusion, photo, réglages, catégories,
// chronologies), ouvert sans jamais attendre : l'ouverture ne bloque pas sur un tube nommé
// (O_NONBLOCK), seul un fichier ordinaire est accepté, vérifié sur le descripteur ouvert (pas
// de course entre la vérification et l'ouverture), et la lecture s'arrête à la taille qu'avait
// le fichier à l'ouverture : un tube, un périphérique (/dev/zero, /dev/urandom) ou un fichier
// qui grandit sans fin ne font ni attendre ni lire sans fin.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace lignara {

class FichierEntree {
public:
    FichierEntree() = default;
    FichierEntree(FichierEntree&& autre) noexcept;
    FichierEntree& operator=(FichierEntree&& autre) noexcept;
    FichierEntree(const FichierEntree&) = delete;
    FichierEntree& operator=(const FichierEntree&) = delete;
    ~FichierEntree();

    // Faux, avec erreur() (errno ou kErreurPasFichierOrdinaire), quand le fichier manque, ne
    // s'ouvre pas ou n'est pas un fichier ordinaire.
    bool ouvrir(const std::filesystem::path& chemin);
    bool ouvert() const { return descripteur_ >= 0; }
    int descripteur() const { return descripteur_; }
    // Taille à l'ouverture : rien n'est lu au-delà.
    std::uint64_t taille() const { return taille_; }
    int erreur() const { return erreur_; }
    std::string cause() const;

    // Lit au plus n octets depuis position, sans dépasser taille() ; rend le nombre lu (0 à la
    // fin), ou −1 sur une erreur de lecture.
    long long lire(void* destination, std::size_t n, std::uint64_t position);
    // Tout le contenu, ou rien (erreur() dit pourquoi) sur une erreur ou au-delà de limite
    // octets (kErreurTropVolumineux).
    std::optional<std::string> lireTout(std::size_t limite);

    // Rend le descripteur sous forme de flux binaire (le flux le possède) ; nul en cas d'échec.
    std::FILE* enFlux();
    void fermer();

private:
    int descripteur_ = -1;
    std::uint64_t taille_ = 0;
    int erreur_ = 0;
};

// Tout le fichier d'un coup, ou rien ; erreur, quand elle est donnée, reçoit la cause.
std::optional<std::string> lireFichierEntier(const std::filesystem::path& chemin, std::size_t limite,
                                             int* erreur = nullptr);

}  // namespace lignara
