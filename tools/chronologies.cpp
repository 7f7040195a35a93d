// Construit les chronologies livrées : chaque source lisible data/Chronologies/<nom>.txt (UTF-8,
// format décrit dans src/shell/ChronologieSource.h) devient <sortie>/Chrono-<nom>.dwa. Toute
// faute arrête la construction en nommant le fichier et la ligne ; chaque chronologie de la
// liste livrée doit avoir sa source.
//   outil_chronologies DOSSIER_SOURCES DOSSIER_SORTIE
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "commun/Texte.h"
#include "reference/Chronologie.h"
#include "reference/ChronologieListe.h"
#include "reference/ChronologieSource.h"

using namespace lignara;
namespace fs = std::filesystem;

namespace {

bool construire(const fs::path& source, const fs::path& sortie) {
    std::ifstream f(source, std::ios::binary);
    ChronologieSource lue = ChronologieSource::lire(std::string(std::istreambuf_iterator<char>(f), {}));
    if (!lue.faute().empty()) {
        std::fprintf(stderr, "%s : %s\n", source.string().c_str(), lue.faute().c_str());
        return false;
    }
    std::ofstream o(sortie, std::ios::binary | std::ios::trunc);
    o << Chronologie::image(lue.periodes());
    return static_cast<bool>(o.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage : outil_chronologies DOSSIER_SOURCES DOSSIER_SORTIE\n");
        return 2;
    }
    fs::path sources = argv[1], sortie = argv[2];
    std::error_code ec;
    fs::create_directories(sortie, ec);
    bool bon = true;
    const ChronologieListe liste = ChronologieListe::livree();
    for (const auto& entree : liste.entrees()) {
        if (entree.nom == ChronologieListe::kAucune) continue;
        std::string nom = versUtf8(entree.nom);
        fs::path source = sources / (nom + ".txt");
        if (!fs::is_regular_file(source, ec)) {
            std::fprintf(stderr, "%s : source absente\n", source.string().c_str());
            bon = false;
            continue;
        }
        bon = construire(source, sortie / ("Chrono-" + nom + ".dwa")) && bon;
    }
    return bon ? 0 : 1;
}
