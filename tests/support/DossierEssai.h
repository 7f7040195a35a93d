#pragma once
// Dossier temporaire propre à un essai, effacé à la fin ; mkdtemp le rend unique, même quand
// plusieurs constructions passent les mêmes essais en même temps. Les essais n'écrivent jamais
// ailleurs (ni dans la configuration de l'utilisateur, ni dans le dossier des sources).
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "commun/Texte.h"

namespace lignara::essai {

class DossierEssai {
public:
    DossierEssai() {
        std::string modele = (std::filesystem::temp_directory_path() / "lignara-essai-XXXXXX").string();
        if (!::mkdtemp(modele.data())) throw std::runtime_error("mkdtemp : " + modele);
        chemin_ = modele;
    }
    ~DossierEssai() {
        std::error_code ec;
        std::filesystem::remove_all(chemin_, ec);
    }
    DossierEssai(const DossierEssai&) = delete;
    DossierEssai& operator=(const DossierEssai&) = delete;

    const std::filesystem::path& chemin() const { return chemin_; }
    std::filesystem::path operator/(const std::string& nom) const { return chemin_ / nom; }

    // Écrit un fichier du dossier (sous-dossiers créés) et rend son chemin.
    std::filesystem::path ecrire(const std::string& nom, const std::string& octets) const {
        std::filesystem::path p = chemin_ / nom;  // pas const : rendu par déplacement
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << octets;
        return p;
    }

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

inline std::string lireFichier(const std::filesystem::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

inline void ecrireFichier(const std::filesystem::path& chemin, const std::string& octets) {
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
}

inline std::vector<std::uint8_t> lireOctets(const std::filesystem::path& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

inline void ecrireOctets(const std::filesystem::path& chemin, const std::vector<std::uint8_t>& octets) {
    std::ofstream flux(chemin, std::ios::binary);
    flux.write(reinterpret_cast<const char*>(octets.data()), static_cast<std::streamsize>(octets.size()));
}

// Chemin Windows-1252, comme les documents le tiennent des données.
inline std::string chemin1252(const std::filesystem::path& p) {
    auto u8 = p.u8string();
    return depuisUtf8(std::string(u8.begin(), u8.end()));
}

}  // namespace lignara::essai
