#pragma once
// Réglages propres à un fichier généalogique, rangés dans « Perso.dwa » du dossier de
// configuration sous le chemin complet du fichier : mode du commentaire des individus, tag
// GEDCOM du commentaire, personne « Moi » et favoris. Lus à chaque ouverture, écrits quand les
// options du fichier ou les favoris sont validés.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lignara {

// Personne « Moi », rangée par identité comme une référence de personne des paramètres : clé
// du nom, octet 31, clé des prénoms ; puis sa date de naissance (tout à 0 sans naissance).
struct ReferenceMoi {
    std::string cle;  // vide : pas de personne « Moi »
    std::uint8_t jour = 0;
    std::uint8_t mois = 0;
    std::uint16_t annee = 0;

    bool definie() const { return !cle.empty(); }
    friend bool operator==(const ReferenceMoi&, const ReferenceMoi&) = default;
};

// Favori tel qu'il est rangé ; la liste des favoris l'interprète.
struct FavoriBrut {
    std::string nom;  // au plus 80 octets, vide pour un séparateur
    std::uint8_t type = 0;  // 255 : séparateur
    std::vector<std::uint8_t> parametres;

    friend bool operator==(const FavoriBrut&, const FavoriBrut&) = default;
};

struct ReglagesFichier {
    // Contenu du champ « Commentaire » de chaque individu.
    static constexpr std::uint8_t kPremiereLigneNotes = 0;
    static constexpr std::uint8_t kPremiereLigneDiese = 1;
    static constexpr std::uint8_t kTagGedcom = 2;
    static constexpr std::size_t kLimiteTag = 24;
    static constexpr std::size_t kLimiteNomFavori = 80;

    std::uint8_t modeCommentaire = kPremiereLigneNotes;
    std::string tagCommentaire;  // seulement en mode kTagGedcom
    ReferenceMoi moi;
    std::vector<FavoriBrut> favoris;

    friend bool operator==(const ReglagesFichier&, const ReglagesFichier&) = default;
};

// Données d'un bloc de « Perso.dwa ». Plus de 255 favoris, ou des paramètres de plus de
// 65535 octets : OperationImpossible.
std::vector<std::uint8_t> ecrireReglagesFichier(const ReglagesFichier& reglages);
// Vide quand le mode, le tag ou la personne « Moi » sont illisibles. Un favori abîmé termine
// la liste : ceux qui le précèdent sont gardés.
std::optional<ReglagesFichier> lireReglagesFichier(std::span<const std::uint8_t> donnees);

// Réglages du fichier cheminFichier (octets du chemin complet) ; les valeurs par défaut sans
// « Perso.dwa », sans bloc pour ce chemin, ou avec un bloc illisible.
ReglagesFichier chargerReglagesFichier(const std::filesystem::path& dossierConfiguration,
                                       std::string_view cheminFichier);
// Remplace ou ajoute le bloc de cheminFichier, les autres blocs restant tels quels. Un
// « Perso.dwa » en partie illisible est d'abord copié en « Perso.dwa.abime ».
// Échec : OperationImpossible(« Création impossible d'un fichier dans <dossier> »).
void enregistrerReglagesFichier(const std::filesystem::path& dossierConfiguration,
                                std::string_view cheminFichier, const ReglagesFichier& reglages);

}  // namespace lignara
