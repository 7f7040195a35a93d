#pragma once
// Racines des mesures de documents : la personne à l'ascendance la plus profonde (ou la plus
// fournie dans une limite de générations), le fondateur à la plus grande descendance.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "database/BaseGenealogique.h"

namespace lignara::mesure {

// Personne qui a le plus de générations d'ascendants (et leur nombre) ; avec une limite, celle
// dont l'ascendance dans la limite est la plus fournie.
inline std::uint32_t plusProfonde(const BaseGenealogique& base, int& generations, int limite = 0) {
    const std::uint32_t n = base.nombreIndividus();
    std::vector<std::uint32_t> pere(n + 1), mere(n + 1);
    for (std::uint32_t p = 1; p <= n; ++p) {
        Individu i = base.LireIndividu(p);
        pere[p] = i.pere;
        mere[p] = i.mere;
    }
    std::vector<int> profondeur(n + 1, -1);
    std::function<int(std::uint32_t, int)> calculer = [&](std::uint32_t p, int garde) -> int {
        if (p == 0 || garde > 400) return 0;
        if (profondeur[p] >= 0) return profondeur[p];
        return profondeur[p] = 1 + std::max(calculer(pere[p], garde + 1), calculer(mere[p], garde + 1));
    };
    std::uint32_t meilleure = 1;
    for (std::uint32_t p = 1; p <= n; ++p)
        if (calculer(p, 0) > calculer(meilleure, 0)) meilleure = p;
    generations = calculer(meilleure, 0);
    if (limite <= 0) return meilleure;
    // Parmi les personnes qui ont assez de générations, celle qui a le plus d'ascendants dans
    // la limite (quelques milliers d'essais) : l'arbre le plus fourni.
    std::size_t plus = 0, essais = 0;
    for (std::uint32_t p = n; p >= 1 && essais < 5000; --p) {
        if (calculer(p, 0) < limite) continue;
        ++essais;
        std::vector<std::uint32_t> rangee{p};
        std::size_t total = 1;
        for (int g = 1; g < limite && !rangee.empty(); ++g) {
            std::vector<std::uint32_t> suivante;
            for (std::uint32_t q : rangee)
                for (std::uint32_t parent : {pere[q], mere[q]})
                    if (parent) suivante.push_back(parent);
            total += suivante.size();
            rangee.swap(suivante);
        }
        if (total > plus) {
            plus = total;
            meilleure = p;
        }
    }
    generations = calculer(meilleure, 0);
    return meilleure;
}

// Fondateur (sans parents, marié) dont la descendance est la plus grande, parmi les premiers
// essais fondateurs rencontrés ; taille : le nombre de ses descendants, lui compris.
inline std::uint32_t grandFondateur(const BaseGenealogique& base, std::size_t& taille, std::uint32_t essais = 3000) {
    const std::uint32_t n = base.nombreIndividus();
    std::vector<std::uint32_t> vu(std::size_t{n} + 1, 0);
    std::uint32_t meilleur = 0, essai = 0;
    taille = 0;
    for (std::uint32_t p = 1; p <= n && essai < essais; ++p) {
        const Individu ind = base.LireIndividu(p);
        if (ind.pere || ind.mere || ind.premiereFamille == 0) continue;
        ++essai;
        std::vector<std::uint32_t> pile{p};
        std::size_t compte = 0;
        vu[p] = essai;
        while (!pile.empty()) {
            const std::uint32_t q = pile.back();
            pile.pop_back();
            ++compte;
            for (std::int64_t f = base.LireIndividu(q).premiereFamille; f > 0;) {
                const Famille fam = base.LireFamille(static_cast<std::uint32_t>(f));
                for (std::uint32_t e = fam.premierEnfant; e != 0;) {
                    if (vu[e] != essai) {
                        vu[e] = essai;
                        pile.push_back(e);
                    }
                    const std::int32_t s = base.LireIndividu(e).fratrie;
                    e = s > 0 ? static_cast<std::uint32_t>(s) : 0;
                }
                f = fam.suivante;
            }
        }
        if (compte > taille) {
            taille = compte;
            meilleur = p;
        }
    }
    return meilleur;
}

}  // namespace lignara::mesure
