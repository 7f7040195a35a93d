#pragma once
// Fichier temporaire à nous, créé d'un seul appel sans course possible : nom neuf
// « <prefixe>XXXXXX<suffixe> » (six caractères tirés au hasard) dans le dossier donné, ouvert en
// lecture et écriture, exclusif (aucun fichier ni lien déjà là n'est jamais ouvert à sa place),
// mode 0600, fermé à l'exécution d'un autre programme. Le dossier n'est pas créé : absent, la
// création échoue.
//
// L'objet possède le descripteur et le nom : détruit, il ferme l'un et efface l'autre, sauf
// après renommer() (le fichier porte alors son nom définitif) ou liberer() (l'appelant reprend
// les deux). Écrire, forcer sur disque, fermer() puis renommer() remplace un fichier d'un seul
// coup : qui le lit voit l'ancien ou le nouveau, jamais un fichier à moitié écrit. Le mode 0600
// reste celui du fichier renommé ; un appelant qui veut d'autres droits les donne lui-même.
#include <filesystem>
#include <string_view>

namespace lignara {

class FichierTemporaire {
public:
    FichierTemporaire() = default;
    FichierTemporaire(FichierTemporaire&& autre) noexcept;
    FichierTemporaire& operator=(FichierTemporaire&& autre) noexcept;
    FichierTemporaire(const FichierTemporaire&) = delete;
    FichierTemporaire& operator=(const FichierTemporaire&) = delete;
    ~FichierTemporaire();

    // Faux, errno gardé, quand le dossier manque ou refuse l'écriture, ou quand le préfixe ou le
    // suffixe contient un séparateur de dossier (EINVAL). Un objet déjà ouvert est d'abord
    // abandonné (fermé, effacé). Dossier vide : le dossier courant.
    bool creer(const std::filesystem::path& dossier, std::string_view prefixe, std::string_view suffixe = {});

    bool ouvert() const { return descripteur_ >= 0; }
    int descripteur() const { return descripteur_; }
    // Vide quand le nom a été effacé (effacerNom) ou rendu.
    const std::filesystem::path& chemin() const { return chemin_; }

    // Ferme le descripteur ; faux quand la fermeture signale une écriture perdue. Le nom reste.
    bool fermer();
    // Donne au fichier le nom cible (rename) : un fichier ou un lien déjà là est remplacé, jamais
    // suivi. Faux en cas d'échec, errno gardé ; l'objet garde alors son nom, effacé à la destruction.
    bool renommer(const std::filesystem::path& cible);
    // Efface le nom tout de suite ; le fichier vit tant que le descripteur reste ouvert.
    void effacerNom();
    // Rend le descripteur à l'appelant, qui le fermera et effacera le nom lui-même.
    int liberer();

private:
    void abandonner();

    int descripteur_ = -1;
    std::filesystem::path chemin_;
};

}  // namespace lignara
