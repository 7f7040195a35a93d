#pragma once
// XDG_CONFIG_HOME et LIGNARA_DONNEES pointent vers deux dossiers neufs d'un essai, rendus à la fin.
#include <cstdlib>

#include "support/DossierEssai.h"

namespace lignara::essai {

class DossiersEssai {
public:
    DossiersEssai() {
        std::filesystem::create_directories(racine_ / "config");
        std::filesystem::create_directories(installation());
        ::setenv("XDG_CONFIG_HOME", (racine_ / "config").c_str(), 1);
        ::setenv("LIGNARA_DONNEES", installation().c_str(), 1);
    }
    ~DossiersEssai() { ::unsetenv("LIGNARA_DONNEES"); }

    std::filesystem::path configuration() const { return racine_ / "config" / "lignara"; }
    std::filesystem::path installation() const { return racine_ / "installation"; }

    static void ecrire(const std::filesystem::path& fichier, const std::string& octets) {
        std::filesystem::create_directories(fichier.parent_path());
        ecrireFichier(fichier, octets);
    }
    static std::string lire(const std::filesystem::path& fichier) { return lireFichier(fichier); }

private:
    DossierEssai racine_;
};

}  // namespace lignara::essai
