#pragma once
// Liens de parenté de toute la base, lus une fois et vérifiés, pour les calculs qui parcourent
// chaque personne bien des fois (estimation des naissances, statut vital).
//
// Une base abîmée ou un GEDCOM fautif ne bloque rien ici : un lien vers un numéro hors des
// tables compte comme absent ; un anneau de fratrie qui ne se referme pas (boucle sans valeur
// négative, lien nul, anneau qui en rejoint un autre) laisse ses personnes seules dans leur
// anneau ; une chaîne de fiches Famille qui boucle ou qui reprend la fiche d'une autre personne
// s'arrête avant. Chaque personne et chaque fiche n'est ainsi parcourue qu'un nombre borné de
// fois : la lecture est linéaire.
#include <cstdint>
#include <span>
#include <vector>

#include "database/BaseGenealogique.h"

namespace lignara {

class LiensFamiliaux {
public:
    // Place d'une personne dans l'anneau des enfants de ses parents.
    struct PlaceFratrie {
        std::uint32_t debut = 0;   // premier enfant dans membresFratries
        std::uint32_t taille = 0;  // nombre d'enfants de l'anneau (1 : seule)
        std::uint32_t rang = 0;    // 0 pour le premier enfant
    };

    // Tableaux indexés par numéro de personne ou de fiche ; l'indice 0 ne sert pas.
    std::vector<std::uint32_t> pere, mere, naissance, deces;
    std::vector<std::uint8_t> sexe;
    std::vector<PlaceFratrie> fratrie;
    std::vector<std::uint32_t> membresFratries;          // anneaux bout à bout, du premier au dernier enfant
    std::vector<std::uint32_t> conjoint, premierEnfant;  // par fiche Famille

    static LiensFamiliaux lire(const BaseGenealogique& base);

    std::uint32_t nombrePersonnes() const { return static_cast<std::uint32_t>(pere.size() - 1); }
    // Enfants de l'anneau de la personne, du premier au dernier ; elle est au rang fratrie[p].rang.
    std::span<const std::uint32_t> anneau(std::uint32_t personne) const {
        const PlaceFratrie& f = fratrie[personne];
        return {membresFratries.data() + f.debut, f.taille};
    }
    // Fiches Famille de la personne comme conjoint, dans l'ordre de sa chaîne.
    std::span<const std::uint32_t> familles(std::uint32_t personne) const {
        return {fiches_.data() + debutFiches_[personne], debutFiches_[personne + 1] - debutFiches_[personne]};
    }

private:
    class Construction;

    std::vector<std::uint32_t> debutFiches_;  // nombre de personnes + 2 entrées
    std::vector<std::uint32_t> fiches_;
};

}  // namespace lignara
