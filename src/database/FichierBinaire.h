#pragma once
// Fichier binaire de la base, lu et écrit par position (pread/pwrite) : deux threads peuvent
// lire en même temps sans partager de position courante.
// Un fichier créé par creer() est à nous : mode 0600, effacé à la fermeture.
// Toute écriture incomplète lève OperationImpossible(« Erreur d'écriture dans le fichier\n<Cause> »).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace lignara {

class FichierBinaire {
public:
    FichierBinaire() = default;
    FichierBinaire(FichierBinaire&& autre) noexcept;
    FichierBinaire& operator=(FichierBinaire&& autre) noexcept;
    FichierBinaire(const FichierBinaire&) = delete;
    FichierBinaire& operator=(const FichierBinaire&) = delete;
    ~FichierBinaire();

    // Nouveau fichier vide « .lignara-<pid>-<prefixe>-XXXXXX » dans dossier (FichierTemporaire :
    // sans course possible, mode 0600, fermé à l'exécution d'un autre programme ; nommé pour que
    // le ménage du démarrage reconnaisse les restes d'un processus disparu).
    // Échec : OperationImpossible(« Accès impossible au répertoire temporaire\n<dossier> »).
    static FichierBinaire creer(const std::filesystem::path& dossier, std::string_view prefixe);
    // Comme creer(), mais le nom est effacé tout de suite : le fichier disparaît avec nous.
    static FichierBinaire creerAnonyme(const std::filesystem::path& dossier, std::string_view prefixe);
    // Fichier existant, en lecture seule, jamais effacé. Échec : OperationImpossible.
    static FichierBinaire ouvrirLecture(const std::filesystem::path& chemin);

    bool ouvert() const { return descripteur_ >= 0; }
    int descripteur() const { return descripteur_; }
    const std::filesystem::path& chemin() const { return chemin_; }

    void ecrire(std::uint64_t decalage, const void* octets, std::size_t taille);
    // Rend le nombre d'octets lus : moins que demandé à la fin du fichier ou sur erreur.
    std::size_t lire(std::uint64_t decalage, void* octets, std::size_t taille) const;
    std::uint64_t taille() const;
    void fixerTaille(std::uint64_t taille);

    // Ferme et, s'il est à nous, efface.
    void fermer();

private:
    int descripteur_ = -1;
    std::filesystem::path chemin_;
    bool effacer_ = false;
};

}  // namespace lignara
