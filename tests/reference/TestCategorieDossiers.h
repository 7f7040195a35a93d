#pragma once
// Dossiers de configuration et d'installation neufs pour un test : XDG_CONFIG_HOME et
// LIGNARA_DONNEES pointent vers deux dossiers temporaires, rendus à la fin.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace lignara::essai {

class DossiersEssai {
public:
    DossiersEssai() {
        std::random_device alea;
        racine_ = std::filesystem::temp_directory_path() / ("lignara-essai-" + std::to_string(alea()));
        std::filesystem::create_directories(racine_ / "config");
        std::filesystem::create_directories(racine_ / "installation");
        ::setenv("XDG_CONFIG_HOME", (racine_ / "config").c_str(), 1);
        ::setenv("LIGNARA_DONNEES", (racine_ / "installation").c_str(), 1);
    }
    ~DossiersEssai() {
        std::error_code ec;
        std::filesystem::remove_all(racine_, ec);
        ::unsetenv("LIGNARA_DONNEES");
    }
    DossiersEssai(const DossiersEssai&) = delete;
    DossiersEssai& operator=(const DossiersEssai&) = delete;

    std::filesystem::path configuration() const { return racine_ / "config" / "lignara"; }
    std::filesystem::path installation() const { return racine_ / "installation"; }

    static void ecrire(const std::filesystem::path& fichier, const std::string& octets) {
        std::filesystem::create_directories(fichier.parent_path());
        std::ofstream f(fichier, std::ios::binary | std::ios::trunc);
        f << octets;
    }
    static std::string lire(const std::filesystem::path& fichier) {
        std::ifstream f(fichier, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }

private:
    std::filesystem::path racine_;
};

}  // namespace lignara::essai
