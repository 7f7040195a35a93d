#pragma once
// Dossier temporaire propre à un test, effacé à la fin ; le numéro de processus le garde des
// autres constructions qui passent les mêmes essais en même temps.
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "commun/Texte.h"

namespace lignara::essai {

class DossierEssai {
public:
    DossierEssai() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        chemin_ = std::filesystem::temp_directory_path() /
                  (std::string("lignara-") + info->test_suite_name() + "-" + info->name() + "-" +
                   std::to_string(::getpid()));
        std::filesystem::remove_all(chemin_);
        std::filesystem::create_directories(chemin_);
    }
    ~DossierEssai() {
        std::error_code ec;
        std::filesystem::remove_all(chemin_, ec);
    }
    DossierEssai(const DossierEssai&) = delete;
    DossierEssai& operator=(const DossierEssai&) = delete;

    std::filesystem::path operator/(const std::string& nom) const { return chemin_ / nom; }
    const std::filesystem::path& chemin() const { return chemin_; }

    std::filesystem::path ecrire(const std::string& nom, const std::string& octets) const {
        std::filesystem::path p = chemin_ / nom;
        std::ofstream(p, std::ios::binary) << octets;
        return p;
    }

private:
    std::filesystem::path chemin_;
};

inline std::string lireFichier(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// Chemin Windows-1252, comme les documents le tiennent des données.
inline std::string chemin1252(const std::filesystem::path& p) {
    auto u8 = p.u8string();
    return depuisUtf8(std::string(u8.begin(), u8.end()));
}

}  // namespace lignara::essai
