#pragma once
// Roue mixte (type 55) : les ancêtres en demi-roue sur la moitié haute (128 secteurs au plus
// sur le dernier anneau) et les descendants en éventail de 174° au plus, centré vers le bas,
// autour du disque central de la racine et de ses conjoints. Paramètres, dans l'ordre de la
// signature « Psb11 » : racine, son nom, « Affiche les personnes contemporaines » (1),
// générations ascendantes (2 à 8, 8), générations descendantes (15 au plus et au plus les
// anneaux qui tiennent). La page est la boîte englobante des deux parties.
#include <cstdint>

#include "documents/roues/Roue.h"

namespace lignara {

inline constexpr ParametreDeclare kGenerationsMixteAscendantes{
    .lettre = '1', .controle = controle::kNombre3, .libelle = "ascendantes", .defaut = 8, .minimum = 2, .maximum = 8};
inline constexpr ParametreDeclare kGenerationsMixteDescendantes{.lettre = '1',
                                                                .controle = controle::kNombre1,
                                                                .libelle = "descendantes",
                                                                .defaut = 15,
                                                                .minimum = 1,
                                                                .maximum = 15};

class RoueMixte : public Roue {
public:
    static constexpr std::uint8_t kCode = 55;
    static constexpr const ParametreDeclare* kParametres[] = {
        &kRacine, &kNomRacine, &kContemporains, &kGenerationsMixteAscendantes, &kGenerationsMixteDescendantes};

    explicit RoueMixte(const Afficheur& type) : Roue(type) {}

    bool avantFeuille(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;

    // Générations ascendantes dessinées, ramenées de 2 à 8.
    int generationsAscendantes() const;

private:
    void cadrer();
};

}  // namespace lignara
