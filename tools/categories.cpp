// Construit une définition de catégories livrée : la source lisible de data/Categories (UTF-8,
// fins de ligne quelconques) devient <sortie>/<référence>.txt (Windows-1252, CR LF, celle que
// l'utilisateur recopie et modifie) et <sortie>/<référence>.dwa (l'automate compilé).
// Un avertissement (mot-clé dans deux catégories…) fait échouer la construction : les données
// livrées doivent se compiler sans remarque.
//   outil_categories professions|sources SOURCE.txt DOSSIER_SORTIE
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reference/CategorieDefinition.h"
#include "reference/Categories.h"

using namespace lignara;

namespace {

std::string versCrLf(const std::string& texte) {
    std::string sortie;
    for (char c : texte) {
        if (c == '\r') continue;
        if (c == '\n') sortie += '\r';
        sortie += c;
    }
    return sortie;
}

int construire(int genre, const char* source, const std::filesystem::path& sortie) {
    std::ifstream f(source, std::ios::binary);
    if (!f) {
        std::fprintf(stderr, "outil_categories : %s illisible\n", source);
        return 1;
    }
    std::string texte = versCrLf(depuisUtf8(std::string(std::istreambuf_iterator<char>(f), {})));
    if (texte.size() > CategorieDefinition::kTailleMaximale) {
        std::fprintf(stderr, "outil_categories : %s dépasse 50 000 octets\n", source);
        return 1;
    }
    std::string base = Categories::genre(genre).reference;
    std::ofstream txt(sortie / (base + ".txt"), std::ios::binary | std::ios::trunc);
    txt << texte;
    if (!txt.flush()) return 1;
    auto avertissements = Categories::compilerVers(sortie / (base + ".dwa"), genre, texte);
    for (const auto& a : avertissements) std::fprintf(stderr, "%s\n", versUtf8(a).c_str());
    return avertissements.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 || (std::strcmp(argv[1], "professions") != 0 && std::strcmp(argv[1], "sources") != 0)) {
        std::fprintf(stderr, "usage : outil_categories professions|sources SOURCE.txt DOSSIER_SORTIE\n");
        return 2;
    }
    int genre = std::strcmp(argv[1], "sources") == 0 ? Categories::kSources : Categories::kProfessions;
    try {
        return construire(genre, argv[2], argv[3]);
    } catch (const OperationImpossible& e) {
        std::fprintf(stderr, "%s\n", versUtf8(e.what()).c_str());
        return 1;
    }
}
