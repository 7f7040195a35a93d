// Rejoue un corpus de graines sur une cible de fuzz sans libFuzzer : le même code de cible,
// construit par gcc avec les essais (et donc sous AddressSanitizer + UBSan dans la passe des
// sanitiseurs). Chaque argument est un fichier ou un dossier de graines, parcouru dans l'ordre
// des noms pour que deux passages rejouent la même suite. Une graine qui plante arrête tout :
// son nom est écrit avant qu'elle ne passe.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    std::vector<fs::path> graines;
    for (int i = 1; i < argc; ++i) {
        std::error_code e;
        if (fs::is_directory(argv[i], e)) {
            for (const fs::directory_entry& f : fs::directory_iterator(argv[i], e))
                if (f.is_regular_file(e)) graines.push_back(f.path());
        } else if (fs::is_regular_file(argv[i], e)) {
            graines.emplace_back(argv[i]);
        } else {
            std::fprintf(stderr, "Corpus introuvable : %s\n", argv[i]);
            return 2;
        }
    }
    if (graines.empty()) {
        std::fprintf(stderr, "Aucune graine à rejouer\n");
        return 2;
    }
    std::sort(graines.begin(), graines.end());
    for (const fs::path& g : graines) {
        std::ifstream f(g, std::ios::binary);
        const std::vector<char> octets{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
        if (!f.eof() && f.fail()) {
            std::fprintf(stderr, "Lecture impossible : %s\n", g.c_str());
            return 2;
        }
        std::fprintf(stderr, "%s\n", g.filename().c_str());
        // Copie à la taille exacte : un débordement d'un octet se voit sous AddressSanitizer.
        const auto exacte = std::make_unique<std::uint8_t[]>(octets.size() + (octets.empty() ? 1 : 0));
        std::copy(octets.begin(), octets.end(), exacte.get());
        LLVMFuzzerTestOneInput(exacte.get(), octets.size());
    }
    std::printf("%zu graines rejouées\n", graines.size());
    return 0;
}
