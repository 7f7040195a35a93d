#pragma once
// Compteurs d'usage : un compteur par point d'entrée de document, augmenté à chaque document
// produit, plus le nombre de personnes du dernier fichier ouvert. Lus au démarrage depuis
// « Usage.dwa » du dossier de configuration, réécrits à la sortie ; ils ne servent qu'à
// l'avis des nouvelles versions.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace lignara {

struct CompteursUsage {
    static constexpr std::size_t kNombreCompteurs = 44;

    std::uint8_t avis = 0;
    std::uint16_t personnesDernierFichier = 0;
    std::array<std::uint16_t, kNombreCompteurs> compteurs{};

    // Un document de plus pour ce point d'entrée ; le compteur s'arrête à 65535 au lieu de
    // repartir de 0. Un point hors de la table est ignoré.
    void compter(std::size_t pointEntree);

    friend bool operator==(const CompteursUsage&, const CompteursUsage&) = default;
};

// Contenu de « Usage.dwa », version 504.
std::vector<std::uint8_t> ecrireCompteursUsage(const CompteursUsage& compteurs);
// Relit les versions 400 à 504 (les compteurs que l'ancienne version n'avait pas partent de 0) ;
// vide pour une autre version ou un fichier tronqué.
std::optional<CompteursUsage> lireCompteursUsage(std::span<const std::uint8_t> octets);

// Compteurs lus dans « Usage.dwa » ; ceux qui ne se relisent pas (fichier absent, tronqué,
// d'une version inconnue) partent de 0. abime, quand il est donné, dit que le fichier existe
// sans se relire en entier.
CompteursUsage chargerCompteursUsage(const std::filesystem::path& dossierConfiguration, bool* abime = nullptr);
// Copie d'abord un fichier abîmé en « Usage.dwa.abime ». Échec : OperationImpossible
// (« Création impossible d'un fichier dans <dossier>\n<chemin>\n<Cause> »).
void enregistrerCompteursUsage(const CompteursUsage& compteurs, const std::filesystem::path& dossierConfiguration);

}  // namespace lignara
