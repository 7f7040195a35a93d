#pragma once
// Roue ascendante (type 18) : la racine au centre, chaque génération d'ancêtres sur un anneau,
// chaque ancêtre dans son secteur fixe, dans l'ordre de Sosa, le côté du père en haut
// (SecteursAscendants.h). Paramètres, dans l'ordre de la signature « Ps1 » : racine, son nom
// (nom du fichier), nombre de générations, 2 à 9, de départ selon le format de papier (9 en
// non paginé, 5 en A4). Page carrée de côté 2 × (R + 1), R le rayon du dernier cercle ; la
// bande de signature en bas à gauche à partir de 6 générations, quand elle tient hors de la
// roue.
#include <cstdint>

#include "documents/roues/Roue.h"

namespace lignara {

inline constexpr ParametreDeclare kGenerationsRoueAscendante{.lettre = '1',
                                                             .controle = controle::kNombre1,
                                                             .libelle = "Nombre de générations",
                                                             .defaut = 9,
                                                             .minimum = 2,
                                                             .maximum = 9};

class RoueAscendante : public Roue {
public:
    static constexpr std::uint8_t kCode = 18;
    static constexpr int kGenerationsSignature = 6;
    static constexpr const ParametreDeclare* kParametres[] = {&kRacine, &kNomRacine, &kGenerationsRoueAscendante};

    explicit RoueAscendante(const Afficheur& type) : Roue(type) {}

    // Le nombre de générations de départ suit le format de papier des préférences.
    void initialiserParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;

    // Générations dessinées : le paramètre ramené de 2 à 9 (un favori abîmé ne déborde pas des
    // tables).
    int generations() const;
};

}  // namespace lignara
