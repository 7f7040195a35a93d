#pragma once
// Fichier d'essai écrit dans le dossier temporaire et effacé à la fin du test.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include <unistd.h>

namespace lignara::essai {

class FichierEssai {
public:
    explicit FichierEssai(std::string_view contenu) {
        std::string modele = (std::filesystem::temp_directory_path() / "essai-gedcom-XXXXXX").string();
        int fd = ::mkstemp(modele.data());
        chemin_ = modele;
        if (fd >= 0) {
            std::FILE* f = ::fdopen(fd, "wb");
            std::fwrite(contenu.data(), 1, contenu.size(), f);
            std::fclose(f);
        }
    }
    ~FichierEssai() {
        std::error_code ec;
        std::filesystem::remove(chemin_, ec);
    }
    FichierEssai(const FichierEssai&) = delete;
    FichierEssai& operator=(const FichierEssai&) = delete;
    const std::filesystem::path& chemin() const { return chemin_; }

private:
    std::filesystem::path chemin_;
};

}  // namespace lignara::essai
