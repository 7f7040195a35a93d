#pragma once
// Une table de chaînes pendant la construction de la base : chaque chaîne distincte n'est
// rangée qu'une fois, dans l'ordre de première utilisation, suivie d'un saut de ligne ; sa
// réf. est son décalage dans la table plus 1 ; la chaîne vide a la réf. 0 et n'est pas rangée.
// Le texte va dans un fichier anonyme du dossier temporaire ; la mémoire ne garde que
// l'empreinte et la réf. de chaque chaîne distincte (8 octets, adressage ouvert : une table à
// nœuds allouait et dispersait une entrée par chaîne). Deux chaînes de même empreinte sont
// comparées octet par octet avant d'être confondues.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "database/FichierBinaire.h"

namespace lignara {

class TableChainesEnConstruction {
public:
    explicit TableChainesEnConstruction(const std::filesystem::path& dossierTemporaire);

    // La chaîne est rangée telle quelle : à l'appelant d'en ôter les sauts de ligne qui
    // ne sont pas voulus. Lève OperationImpossible quand la table passerait 4 Gio.
    std::uint32_t ajouter(std::string_view chaine);

    std::uint64_t taille() const { return taille_; }
    std::uint32_t nombreChaines() const { return static_cast<std::uint32_t>(nombre_); }

    // Recopie la table entière dans destination à partir de decalage.
    void recopier(FichierBinaire& destination, std::uint64_t decalage);

private:
    bool egale(std::uint32_t ref, std::string_view chaine);
    void viderTampon();
    void agrandir();

    struct Case {
        std::uint32_t ref = 0;  // 0 : case vide
        std::uint32_t empreinte = 0;
    };

    FichierBinaire fichier_;
    std::vector<Case> cases_;
    std::size_t masque_ = 0;
    std::size_t nombre_ = 0;
    std::string tampon_;        // fin de la table, pas encore écrite
    std::uint64_t ecrits_ = 0;  // octets déjà dans le fichier
    std::uint64_t taille_ = 0;
    std::string relue_;
    struct RelueRecente {
        std::uint32_t ref = 0;  // 0 : case vide
        std::string texte;
    };
    static constexpr std::size_t kRecentes = 1024;
    static constexpr std::size_t kLongueurRecenteMax = 256;
    std::array<RelueRecente, kRecentes> recentes_;
};

}  // namespace lignara
