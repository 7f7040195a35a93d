#pragma once
// Dossier de configuration jetable : les essais n'écrivent jamais dans celui de l'utilisateur.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace lignara::essai {

class DossierEssai {
public:
    DossierEssai() {
        std::string modele = (std::filesystem::temp_directory_path() / "lignara-essai-XXXXXX").string();
        chemin_ = ::mkdtemp(modele.data()) ? modele : std::string();
    }
    ~DossierEssai() {
        std::error_code ec;
        if (!chemin_.empty()) std::filesystem::remove_all(chemin_, ec);
    }
    DossierEssai(const DossierEssai&) = delete;
    DossierEssai& operator=(const DossierEssai&) = delete;

    const std::filesystem::path& chemin() const { return chemin_; }
    std::filesystem::path operator/(const std::string& nom) const { return chemin_ / nom; }

    // Noms des fichiers du dossier, pour vérifier qu'aucun temporaire ne traîne.
    std::vector<std::string> noms() const {
        std::vector<std::string> resultat;
        for (const auto& entree : std::filesystem::directory_iterator(chemin_))
            resultat.push_back(entree.path().filename().string());
        return resultat;
    }

private:
    std::filesystem::path chemin_;
};

inline std::vector<std::uint8_t> lireOctets(const std::filesystem::path& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

inline void ecrireOctets(const std::filesystem::path& chemin, const std::vector<std::uint8_t>& octets) {
    std::ofstream flux(chemin, std::ios::binary);
    flux.write(reinterpret_cast<const char*>(octets.data()), static_cast<std::streamsize>(octets.size()));
}

inline std::vector<std::uint8_t> fixture(const std::string& nom) {
    return lireOctets(std::filesystem::path(LIGNARA_DOSSIER_FIXTURES) / nom);
}

}  // namespace lignara::essai
