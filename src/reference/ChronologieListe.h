#pragma once
// Liste des chronologies proposées comme fond de page des arbres chronologiques : 22 entrées,
// l'entrée 0 « (aucun) » voulant dire « pas de fond ». Noms en Windows-1252, 41 octets au plus.
//   fichier d'une chronologie livrée N : <installation>/Chrono/Chrono-N.dwa ;
//   de toute autre                   : <configuration>/Chrono-N.dwa.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lignara {

class ChronologieListe {
public:
    struct Entree {
        std::string nom;
        int emplacement;  // 1 : livrée avec le programme
    };

    static constexpr std::size_t kLongueurMaximaleNom = 41;
    static constexpr const char* kAucune = "(aucun)";

    // La liste du démarrage : « (aucun) » puis les 21 chronologies livrées.
    static ChronologieListe livree();

    const std::vector<Entree>& entrees() const { return entrees_; }

    // Indice de l'entrée de ce nom (comparaison exacte) ; sinon 0 et message rempli
    // (« La chronologie "…" n'existe pas »), que l'appelant montre.
    std::size_t trouver(std::string_view nom1252, std::string& message) const;

    static std::filesystem::path fichier(const Entree& entree);

private:
    std::vector<Entree> entrees_;
};

}  // namespace lignara
