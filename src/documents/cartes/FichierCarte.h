#pragma once
// Fichier de cartographie « Carto/<code>.dat » du dossier d'installation : les contours des
// régions d'un pays (format décrit en tête de FichierCarte.cpp). Les numéros de région sont les
// octets de subdivision des codes de lieu : 33 à 255.
//
// Unités de carte : entiers positifs, y vers le nord, 0 ≤ x ≤ largeur, 0 ≤ y ≤ hauteur.
// Un polygone a de 3 à 255 points, le premier non répété à la fin ; une enclave est un trou de
// sa région, peint en blanc par-dessus elle.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace lignara {

struct PointCarte {
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    friend bool operator==(const PointCarte&, const PointCarte&) = default;
};

struct PolygoneCarte {
    bool enclave = false;
    std::vector<PointCarte> points;
    friend bool operator==(const PolygoneCarte&, const PolygoneCarte&) = default;
};

struct RegionCarte {
    std::uint16_t numero = 0;
    std::string nom;   // Windows-1252, 99 octets au plus
    std::string code;  // texte montré sur la carte, 99 octets au plus
    PointCarte etiquette;
    std::vector<PolygoneCarte> polygones;
    friend bool operator==(const RegionCarte&, const RegionCarte&) = default;
};

struct Carte {
    static constexpr std::size_t kPointsMax = 255;      // octet de l'en-tête
    static constexpr std::size_t kPolygonesMax = 255;   // octet de chaque fiche
    static constexpr std::size_t kLongueurTexte = 100;  // nom et code, zéro final compris
    static constexpr std::uint16_t kPremiereRegion = 33;
    static constexpr std::uint16_t kDerniereRegion = 255;
    static constexpr std::uint32_t kCoteMax = 1u << 24;  // 4x + y tient dans 32 bits
    static constexpr std::size_t kTailleFichierMax = 16u << 20;

    std::uint16_t regionMax = 0;  // plus grand numéro de région
    std::uint8_t pointsMax = 0;   // plus grand nombre de points d'un polygone
    std::uint32_t largeur = 0;
    std::uint32_t hauteur = 0;
    std::vector<RegionCarte> regions;  // dans l'ordre du fichier

    // Fiche de la région de ce numéro ; nullptr quand la carte ne l'a pas.
    const RegionCarte* region(std::uint16_t numero) const;
};

// Lit et contrôle la carte du pays (deux lettres) dans le dossier Carto de l'installation
// donnée. OperationImpossible : « Fichier de cartographie introuvable.\nRé-installez
// Lignara. » quand le fichier manque, « Fichier de cartographie XX.dat abîmé.\nRé-installez
// Lignara. » quand un compte, un numéro, une longueur ou un point sort de ce que dit le format.
Carte lireCarte(const std::filesystem::path& dossierInstallation, const std::string& codePays);
std::filesystem::path cheminCarte(const std::filesystem::path& dossierInstallation, const std::string& codePays);

// Décodage des octets d'un fichier ; nomFichier ne sert qu'au message.
Carte decoderCarte(std::span<const std::uint8_t> octets, const std::string& nomFichier);

// Octets du fichier. La carte est d'abord ramenée dans les limites du format : polygones de
// moins de 3 points écartés, îlots les plus petits laissés au-delà de 255 polygones par région,
// en-tête recalculé (plus grand numéro, plus grand nombre de points). Ce que le format ne peut
// pas dire (polygone de plus de 255 points, point hors de la carte, numéro hors de 33 à 255 ou
// en double, texte trop long, carte vide ou plus grande que 2^24) lève std::invalid_argument.
std::vector<std::uint8_t> encoderCarte(Carte carte);

// Écrit le fichier : temporaire du même dossier, forcé sur disque, renommé par-dessus la cible
// (un lien à sa place est remplacé, jamais suivi). OperationImpossible quand l'écriture échoue.
void ecrireCarte(const Carte& carte, const std::filesystem::path& chemin);

}  // namespace lignara
