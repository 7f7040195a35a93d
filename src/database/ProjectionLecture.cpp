#include "database/ProjectionLecture.h"

#include <sys/mman.h>

#include <utility>

namespace lignara {

ProjectionLecture::ProjectionLecture(int descripteur, std::uint64_t taille) {
    if (taille == 0 || taille > SIZE_MAX) return;
    void* p = ::mmap(nullptr, static_cast<std::size_t>(taille), PROT_READ, MAP_SHARED, descripteur, 0);
    if (p == MAP_FAILED) return;
    octets_ = static_cast<const std::uint8_t*>(p);
    taille_ = taille;
}

ProjectionLecture::ProjectionLecture(ProjectionLecture&& autre) noexcept
    : octets_(std::exchange(autre.octets_, nullptr)), taille_(std::exchange(autre.taille_, 0)) {}

ProjectionLecture& ProjectionLecture::operator=(ProjectionLecture&& autre) noexcept {
    if (this != &autre) {
        liberer();
        octets_ = std::exchange(autre.octets_, nullptr);
        taille_ = std::exchange(autre.taille_, 0);
    }
    return *this;
}

ProjectionLecture::~ProjectionLecture() { liberer(); }

void ProjectionLecture::liberer() {
    if (octets_) ::munmap(const_cast<std::uint8_t*>(octets_), static_cast<std::size_t>(taille_));
    octets_ = nullptr;
    taille_ = 0;
}

}  // namespace lignara
