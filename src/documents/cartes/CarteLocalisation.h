#pragma once
// Cartes de localisation (types 4, 6, 7, 5 ; variantes 2 ascendante, 3 descendante, 4 patronyme,
// 1 complète) : les régions d'un pays colorées selon le nombre de personnes dont le lieu choisi
// y est (PersonnesCarte.h, ComptageRegions.h).
//
// Paramètres, dans l'ordre de la signature « Psb12bb111 » : racine (aucune pour la carte
// complète ; 255 dans un favori), son nom (le patronyme choisi pour la carte de patronyme ; il
// nomme le fichier), « Affichage de la légende » (case 2011 : l'échelle des teintes sous la
// carte ; 0 au départ), le lieu compté (groupe 2031 : naissance, décès, premier lieu connu), le
// pays (2052), « Affichage des codes de régions » (2012), « Affichage du tableau de valeurs »
// (2013), la couleur (rouge, vert, bleu : bouton 2070 ; au départ la couleur de remplissage des
// préférences).
//
// Dessin, de bas en haut : bande de signature (704 unités), légende (704), tableau des valeurs
// (une ligne de 176 par région comptée, cadre de 144 de plus, 352 au-dessus et, sans signature,
// 352 au-dessous), carte. Sans légende, la hauteur est celle de la carte h, plus 704 avec la
// signature ; avec le tableau, h − (h mod 176) + 144 + 176 × régions + 1056 avec la signature ou
// + 704 sans elle.
//
// Teinte d'une région comptée : entre la couleur choisie c et sa teinte claire
// l = c + (255 − c) × 10 ÷ 11 (entier, par canal), poids t = 1 − compte ÷ plus grand compte
// (en flottant, arrondi au plus proche) : c + (l − c) × t. La région la plus fréquente a la
// couleur pleine ; les comptes 1, 2 et 3 d'un maximum de 3 donnent trois teintes distinctes.
#include <cstdint>
#include <vector>

#include "documents/cartes/ComptageRegions.h"
#include "documents/cartes/DocumentCarte.h"

namespace lignara {

inline constexpr ParametreDeclare kLegendeCarte{
    .lettre = 'b', .controle = controle::kPremiereCase, .libelle = "Affichage de la légende", .defaut = 0};
inline constexpr const char* kChoixLieuxCarte[] = {"lieu de naissance", "lieu de décès", "1° lieu connu"};
inline constexpr ParametreDeclare kLieuCarte{
    .lettre = '1', .controle = controle::kGroupe1, .libelle = "Lieu compté", .choix = kChoixLieuxCarte};
inline constexpr ParametreDeclare kTableauValeurs{
    .lettre = 'b', .controle = controle::kPremiereCase + 2, .libelle = "Affichage du tableau de valeurs", .defaut = 1};
inline constexpr ParametreDeclare kRougeCarte{
    .lettre = '1', .controle = controle::kCouleurRouge, .libelle = "Couleur (rouge)", .maximum = 255};
inline constexpr ParametreDeclare kVertCarte{
    .lettre = '1', .controle = controle::kCouleurVert, .libelle = "Couleur (vert)", .maximum = 255};
inline constexpr ParametreDeclare kBleuCarte{
    .lettre = '1', .controle = controle::kCouleurBleu, .libelle = "Couleur (bleu)", .maximum = 255};

// Teinte d'un compte (1 ≤ compte ≤ plusGrand) de la couleur choisie, 0x00BBGGRR.
std::uint32_t teinteCompte(std::uint8_t r, std::uint8_t v, std::uint8_t b, std::uint32_t compte,
                           std::uint32_t plusGrand);

class CarteLocalisation : public DocumentCarte {
public:
    static constexpr std::uint8_t kVarianteComplete = 1, kVarianteAscendante = 2, kVarianteDescendante = 3,
                                  kVariantePatronyme = 4;
    static constexpr const ParametreDeclare* kParametres[] = {
        &kRacine,       &kNomRacine,      &kLegendeCarte, &kLieuCarte, &kZoneCarte,
        &kCodesRegions, &kTableauValeurs, &kRougeCarte,   &kVertCarte, &kBleuCarte};

    // Une ligne du tableau des valeurs, dans l'ordre du tableau.
    struct LigneValeur {
        std::uint8_t region = 0;
        std::string nom;  // Windows-1252
        std::uint32_t compte = 0;
    };

    explicit CarteLocalisation(const Afficheur& type) : DocumentCarte(type) {}

    // La couleur de départ est celle de remplissage des préférences.
    void initialiserParametres(const ContexteDocument& contexte) override;
    // La racine et ses parents (ascendante), ses enfants (descendante), le patronyme.
    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;

    // Après preparer().
    const ComptageRegions& comptage() const { return comptage_; }
    const std::vector<LigneValeur>& valeurs() const { return valeurs_; }

protected:
    // Les régions comptées d'abord, les plus fréquentes avant les autres.
    std::int64_t prioriteCode(const RegionCarte& region) const override {
        return comptage_.compte[region.numero & 0xFF];
    }

private:
    std::vector<std::uint32_t> personnesComptees(const ContexteDocument& contexte) const;
    void ordonnerValeurs();
    void placerRemplissages();
    std::int32_t placerLegende(std::int32_t bas);
    void placerTableau(std::int32_t bas);
    std::uint32_t teinte(std::uint32_t compte) const;

    ComptageRegions comptage_;
    std::vector<LigneValeur> valeurs_;
};

}  // namespace lignara
