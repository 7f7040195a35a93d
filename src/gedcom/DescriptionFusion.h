#pragma once
// Description d'une fusion de fichiers GEDCOM (fichier « .fged », format en tête de
// DescriptionFusion.cpp) : un fichier principal, des fichiers secondaires, et pour chacun les
// branches à fusionner. Les chemins rendus sont absolus ou relatifs au dossier courant : un
// chemin relatif de la description l'est à son dossier.
#include <filesystem>
#include <string>
#include <vector>

namespace lignara {

struct BrancheFusion {
    std::string reference;  // « @I12@ », telle qu'écrite dans le fichier secondaire
    bool ascendants = false;
    bool descendants = false;
    long ligne = 0;  // ligne de la description, pour les messages
};

struct FichierSecondaire {
    std::filesystem::path chemin;
    std::vector<BrancheFusion> branches;  // aucune : tout le fichier est fusionné
};

struct DescriptionFusion {
    std::filesystem::path principal;
    std::vector<FichierSecondaire> secondaires;
    std::string nom;  // nom de la description sans dossier (UTF-8), pour les messages

    // Nombre de fichiers secondaires au plus : l'indice de fichier tient dans un octet.
    static constexpr std::size_t kSecondairesMax = 254;

    // Lit une description. Lève OperationImpossible : « Fichier %s inexistant »,
    // « Lecture impossible du fichier de fusion\n%s », ou « Description de fusion incorrecte
    // (%s), ligne %ld :\n%s » avec la faute.
    static DescriptionFusion lire(const std::filesystem::path& chemin);
    // Lit le texte d'une description (UTF-8) ; dossier : celui des chemins relatifs.
    static DescriptionFusion analyser(const std::string& texte, const std::filesystem::path& dossier,
                                      const std::string& nomDescription);
    // Texte de la description (UTF-8), relu à l'identique par analyser.
    std::string texte() const;

    // Tous les fichiers, le principal d'abord (indice 0).
    std::vector<std::filesystem::path> chemins() const;
};

// Vrai quand l'extension du chemin commence par 'f' ou 'F' (« .fged »).
bool estDescriptionFusion(const std::filesystem::path& chemin);

}  // namespace lignara
