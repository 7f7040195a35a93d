#pragma once
// Roue descendante (type 19) : la racine et ses conjoints dans le disque central, chaque
// génération de descendants sur un anneau, chaque personne dans un secteur à la mesure de sa
// descendance (AllocationDescendante.h), ses conjoints avec elle (SecteursDescendants.h).
// Paramètres, dans l'ordre de la signature « Psb1b » : racine, son nom, « Affiche les
// personnes contemporaines » (1), nombre de générations (15 au plus et au plus les anneaux qui
// tiennent, comptés avant la feuille), « Cercle complet » (0 : l'éventail n'a que l'angle
// qu'il lui faut, centré vers le bas ; 1 : il fait le tour entier).
// La page est la boîte englobante du disque central et de l'éventail : un carré avec le cercle
// complet, la seule partie basse pour un éventail étroit.
#include <cstdint>

#include "documents/roues/Roue.h"

namespace lignara {

inline constexpr ParametreDeclare kGenerationsRoueDescendante{.lettre = '1',
                                                              .controle = controle::kNombre1,
                                                              .libelle = "Nombre de générations",
                                                              .defaut = 15,
                                                              .minimum = 1,
                                                              .maximum = 15};
inline constexpr ParametreDeclare kCercleComplet{
    .lettre = 'b', .controle = controle::kPremiereCase + 1, .libelle = "Cercle complet", .defaut = 0};

class RoueDescendante : public Roue {
public:
    static constexpr std::uint8_t kCode = 19;
    static constexpr const ParametreDeclare* kParametres[] = {&kRacine, &kNomRacine, &kContemporains,
                                                              &kGenerationsRoueDescendante, &kCercleComplet};

    explicit RoueDescendante(const Afficheur& type) : Roue(type) {}

    // Compte les anneaux qui tiennent : le maximum offert par la feuille.
    bool avantFeuille(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;
};

}  // namespace lignara
