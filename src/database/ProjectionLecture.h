#pragma once
// Vue en lecture seule d'un fichier projeté en mémoire (mmap) : les lectures viennent
// directement du cache de pages, sans appel système, et plusieurs threads peuvent lire en même
// temps. Vide quand la projection est impossible : l'appelant lit alors par pread.
#include <cstddef>
#include <cstdint>

namespace lignara {

class ProjectionLecture {
public:
    ProjectionLecture() = default;
    ProjectionLecture(int descripteur, std::uint64_t taille);
    ProjectionLecture(ProjectionLecture&& autre) noexcept;
    ProjectionLecture& operator=(ProjectionLecture&& autre) noexcept;
    ProjectionLecture(const ProjectionLecture&) = delete;
    ProjectionLecture& operator=(const ProjectionLecture&) = delete;
    ~ProjectionLecture();

    bool valide() const { return octets_ != nullptr; }
    const std::uint8_t* octets() const { return octets_; }
    std::uint64_t taille() const { return taille_; }
    void liberer();

private:
    const std::uint8_t* octets_ = nullptr;
    std::uint64_t taille_ = 0;
};

}  // namespace lignara
