#pragma once
// Les deux jeux de catégories (0 : professions, 1 : sources) et leurs fichiers :
//   - définition de l'utilisateur   : <configuration>/<base>.txt (Metiers, Sources) ;
//   - définition de référence       : <installation>/<référence>.txt (MetiersRef, SourcesRef),
//                                     lecture seule ;
//   - automate compilé              : <configuration>/<base>.dwa, sinon celui de référence
//                                     <installation>/<référence>.dwa.
// Les définitions sont du texte Windows-1252 de 50 000 octets au plus.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "commun/OperationImpossible.h"
#include "reference/CategorieAutomate.h"

namespace lignara {

// Fichier compilé d'une version inconnue : après le message, la fenêtre ouvre la définition
// des catégories de ce genre pour que l'utilisateur la reconstruise ; la ligne de commande
// n'affiche que le message.
class CategoriesIncorrectes : public OperationImpossible {
public:
    CategoriesIncorrectes(const std::string& message1252, int genre)
        : OperationImpossible(message1252), genre_(genre) {}
    int genre() const { return genre_; }

private:
    int genre_;
};

class Categories {
public:
    static constexpr int kProfessions = 0;
    static constexpr int kSources = 1;

    struct Genre {
        const char* base;       // « Metiers »
        const char* reference;  // « MetiersRef »
        const char* mot;        // mot du dialogue, 1252 : « professionnelles »
        const char* aide;       // rubrique d'aide
    };
    static const Genre& genre(int genre);

    static std::filesystem::path definitionUtilisateur(int genre);
    static std::filesystem::path definitionReference(int genre);
    static std::filesystem::path compileUtilisateur(int genre);
    static std::filesystem::path compileReference(int genre);

    // Texte de la définition de l'utilisateur, sinon de celle de référence. Lève
    // OperationImpossible quand aucune ne s'ouvre ou qu'elle dépasse 50 000 octets.
    static std::string lireDefinition(int genre);

    // Compile texte1252 dans le fichier compilé de l'utilisateur (remplacé d'un coup, jamais à
    // moitié écrit) ; rend les avertissements à montrer. Lève OperationImpossible (« Ecriture
    // impossible dans le fichier… ») quand le fichier ne peut être créé.
    static std::vector<std::string> compiler(int genre, const std::string& texte1252);
    static std::vector<std::string> compilerVers(const std::filesystem::path& destination, int genre,
                                                 const std::string& texte1252);

    // Automate de l'utilisateur, sinon celui de référence ; un fichier d'ancienne version (403)
    // est reconstruit depuis la définition. Lève OperationImpossible avec le message à montrer,
    // CategoriesIncorrectes pour un fichier d'une autre version ou abîmé.
    static CategorieAutomate charger(int genre);
    static CategorieAutomate chargerFichier(const std::filesystem::path& fichier, int genre);
};

}  // namespace lignara
