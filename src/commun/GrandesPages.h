#pragma once
// Demande au système des pages de 2 Mo pour une grande table que l'import parcourt au hasard
// (registres, index des clés) : avec des pages de 4 Ko, chaque saut dans des centaines de Mo
// coûtait en plus un défaut de traduction d'adresse, et le premier passage un défaut de page
// par 4 Ko. À appeler avant de remplir la mémoire (réservée, pas encore touchée). Sans effet
// ailleurs que sous Linux, ou pour une petite table.
#include <cstddef>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace lignara {

inline void conseillerGrandesPages(const void* debut, std::size_t taille) {
#if defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kPage = std::uintptr_t{2} << 20;
    const auto d = reinterpret_cast<std::uintptr_t>(debut);
    const std::uintptr_t premier = (d + kPage - 1) & ~(kPage - 1);
    const std::uintptr_t fin = (d + taille) & ~(kPage - 1);
    // Un refus (noyau sans ces pages) ne change rien au résultat : ignoré.
    if (fin > premier) (void)::madvise(reinterpret_cast<void*>(premier), fin - premier, MADV_HUGEPAGE);
#else
    (void)debut;
    (void)taille;
#endif
}

}  // namespace lignara
