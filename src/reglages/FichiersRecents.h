#pragma once
// « Fichier › Fichiers récents » : les huit derniers fichiers généalogiques ouverts par la
// fenêtre, le plus récent d'abord, rangés dans « Recents.txt » du dossier de configuration.
//
// Recents.txt : un chemin absolu par ligne, fin de ligne LF, octets du chemin tels que le
// système les donne ; au plus huit lignes, le plus récent en tête. À la lecture, une ligne vide,
// relative ou de plus de 4096 octets est ignorée, comme les lignes au-delà de la huitième et un
// chemin déjà lu ; un fichier de plus de 64 Kio est ignoré en entier. Il est réécrit en entier à
// chaque ouverture (temporaire « rec » du même dossier, puis renommage).
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace lignara {

class FichiersRecents {
public:
    static constexpr std::size_t kNombreMax = 8;

    // Place le chemin en tête (il quitte sa place s'il y était déjà) ; un chemin relatif ou qui
    // contient un saut de ligne est ignoré.
    void retenir(const std::filesystem::path& chemin);
    void oublier(const std::filesystem::path& chemin);
    const std::vector<std::filesystem::path>& liste() const { return liste_; }

    std::string ecrire() const;
    static FichiersRecents lire(std::string_view contenu);

    // Liste vide quand le fichier est absent ou illisible.
    static FichiersRecents charger(const std::filesystem::path& dossierConfiguration);
    // Faux quand le fichier n'a pu être écrit (la liste en mémoire reste juste).
    bool enregistrer(const std::filesystem::path& dossierConfiguration) const;

private:
    std::vector<std::filesystem::path> liste_;
};

}  // namespace lignara
