#pragma once
// « Perso.dwa » vu comme une suite de blocs, un par fichier généalogique déjà configuré,
// retrouvé par son chemin complet (comparé octet par octet). Le contenu d'un bloc est
// l'affaire de ReglagesFichier ; ici on ne fait que l'index et le découpage.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lignara {

struct BlocPerso {
    std::string chemin;  // octets du chemin tel que le système le donne, sans saut de ligne
    std::vector<std::uint8_t> donnees;
};

class FichierPerso {
public:
    // Plus long chemin rangé dans l'index (261 octets avec son saut de ligne).
    static constexpr std::size_t kLimiteChemin = 260;

    FichierPerso() = default;

    // Garde les blocs lisibles, dans l'ordre de l'index, jusqu'au premier défaut. intact() dit
    // si tout le fichier a été compris (faux pour une version hors de 400–600).
    static FichierPerso lire(std::span<const std::uint8_t> octets);

    const std::vector<BlocPerso>& blocs() const { return blocs_; }
    std::vector<BlocPerso>& blocs() { return blocs_; }
    bool intact() const { return intact_; }
    // Version lue ; les données des blocs sont dans la disposition de cette version.
    std::uint16_t version() const { return version_; }

    // Le premier bloc de ce chemin, ou nul.
    const BlocPerso* trouver(std::string_view chemin) const;
    // Remplace les données du premier bloc de ce chemin, ou ajoute un bloc à la fin.
    void remplacer(std::string_view chemin, std::vector<std::uint8_t> donnees);

    // Contenu du fichier, version 600. Un chemin trop long ou contenant un saut de ligne, un
    // bloc de plus de 65535 octets, plus de 65535 blocs : OperationImpossible.
    std::vector<std::uint8_t> ecrire() const;

private:
    std::vector<BlocPerso> blocs_;
    bool intact_ = true;
    std::uint16_t version_ = 600;
};

}  // namespace lignara
