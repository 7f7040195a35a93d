#pragma once
// Réglages propres à un fichier généalogique, rangés dans « Perso.dwa » du dossier de
// configuration sous le chemin complet du fichier : mode du commentaire des individus, tag
// GEDCOM du commentaire, personne « Moi » et favoris. Lus à chaque ouverture, écrits quand les
// options du fichier ou les favoris sont validés.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "reglages/Favori.h"

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

struct ReglagesFichier {
    // Contenu du champ « Commentaire » de chaque individu.
    static constexpr std::uint8_t kPremiereLigneNotes = 0;
    static constexpr std::uint8_t kPremiereLigneDiese = 1;
    static constexpr std::uint8_t kTagGedcom = 2;
    static constexpr std::size_t kLimiteTag = 24;

    std::uint8_t modeCommentaire = kPremiereLigneNotes;
    std::string tagCommentaire;  // seulement en mode kTagGedcom
    ReferenceMoi moi;
    std::vector<Favori> favoris;

    friend bool operator==(const ReglagesFichier&, const ReglagesFichier&) = default;
};

// Données d'un bloc de « Perso.dwa » (les 30 premiers favoris). Des paramètres de plus de
// 2000 octets : OperationImpossible.
std::vector<std::uint8_t> ecrireReglagesFichier(const ReglagesFichier& reglages);
// Vide quand le mode, le tag ou la personne « Moi » sont illisibles. Une liste de favoris
// abîmée est vidée, le reste du bloc gardé ; favorisAbimes le dit. version : celle du
// fichier (les favoris d'avant 600 sont convertis).
std::optional<ReglagesFichier> lireReglagesFichier(std::span<const std::uint8_t> donnees, std::uint16_t version = 600,
                                                   bool* favorisAbimes = nullptr);

// Réglages du fichier cheminFichier (octets du chemin complet) ; les valeurs par défaut sans
// « Perso.dwa », sans bloc pour ce chemin, ou avec un bloc illisible.
ReglagesFichier chargerReglagesFichier(const std::filesystem::path& dossierConfiguration,
                                       std::string_view cheminFichier);
// Remplace ou ajoute le bloc de cheminFichier, les autres blocs restant tels quels. Un
// « Perso.dwa » en partie illisible est d'abord copié en « Perso.dwa.abime ».
// Échec : OperationImpossible(« Création impossible d'un fichier dans <dossier> »).
void enregistrerReglagesFichier(const std::filesystem::path& dossierConfiguration, std::string_view cheminFichier,
                                const ReglagesFichier& reglages);

// Relit le bloc de cheminFichier tel qu'il est maintenant sur disque (un autre programme a pu
// l'écrire depuis l'ouverture), le confie à modification, puis l'écrit comme
// enregistrerReglagesFichier ; rend ce qui a été écrit. Une exception de modification
// n'écrit rien. Deux programmes qui écrivent en même temps passent l'un après l'autre.
ReglagesFichier modifierReglagesFichier(const std::filesystem::path& dossierConfiguration,
                                        std::string_view cheminFichier,
                                        const std::function<void(ReglagesFichier&)>& modification);

}  // namespace lignara
