#pragma once
// Cartes de migration (types 8 et 9 ; variantes 2 ascendante, 3 descendante) : les contours des
// régions d'un pays et, pour chaque migration relevée (MigrationsCarte.h), une flèche courbe de
// l'étiquette de la région du parent vers celle de l'enfant.
//
// Paramètres, dans l'ordre de la signature « Ps2b2 » : racine, son nom, le pays (2052),
// « Affichage des codes de régions » (2012), « Nombre de générations » (2060, de 1 à 30, 10 au
// départ).
//
// Flèches : courbe de Bézier qui s'écarte à droite du sens du trajet (de 18 % de sa longueur
// à la génération 1, puis 6 % de plus par génération, 60 % au plus, pour que les flèches d'une
// même paire de régions ne se confondent pas et que l'aller et le retour se séparent), pointe
// pleine à l'arrivée. Épaisseur 3 points à la génération 1, un quart de point de moins par
// génération, 0,5 point au moins ; couleur du rouge sombre (génération 1) à l'orangé
// (génération 11 et au-delà). Sous la carte, la légende des générations dessinées, puis la
// bande de signature.
#include <cstdint>

#include "documents/cartes/DocumentCarte.h"
#include "documents/cartes/MigrationsCarte.h"

namespace lignara {

inline constexpr ParametreDeclare kGenerationsMigration{.lettre = '2',
                                                        .controle = controle::kNombre1,
                                                        .libelle = "Nombre de générations",
                                                        .defaut = 10,
                                                        .minimum = 1,
                                                        .maximum = 30};

// Épaisseur (points) et couleur (0x00BBGGRR) des flèches d'une génération (1 et plus).
float epaisseurMigration(int generation);
std::uint32_t couleurMigration(int generation);

class CarteMigration : public DocumentCarte {
public:
    static constexpr std::uint8_t kVarianteAscendante = 2, kVarianteDescendante = 3;
    static constexpr int kGenerationsMax = 30;
    static constexpr const ParametreDeclare* kParametres[] = {&kRacine, &kNomRacine, &kZoneCarte, &kCodesRegions,
                                                              &kGenerationsMigration};

    explicit CarteMigration(const Afficheur& type) : DocumentCarte(type) {}

    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;

    // Après preparer().
    const MigrationsCarte& migrations() const { return migrations_; }
    // Générations demandées, ramenées de 1 à 30.
    int generations() const;

protected:
    // Les régions d'où part ou où arrive une flèche d'abord.
    std::int64_t prioriteCode(const RegionCarte& region) const override {
        return migrations_.regions[region.numero & 0xFF];
    }

private:
    std::int32_t hauteurLegende() const;
    void placerLegende(std::int32_t bas);
    void placerFleches();

    MigrationsCarte migrations_;
};

}  // namespace lignara
