#pragma once
// Demande au processeur une ligne de mémoire avant d'en avoir besoin. L'import d'un gros fichier
// saute d'une fiche à l'autre dans des tableaux de centaines de Mo : chaque saut attendait la
// mémoire ; demandées quelques fiches à l'avance, ces attentes se recouvrent.
namespace lignara {

inline void precharger(const void* adresse) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(adresse);
#else
    (void)adresse;
#endif
}

}  // namespace lignara
