#pragma once
// Lecture et remplacement des fichiers de réglages du dossier de configuration.
//
// Un fichier de réglages n'est jamais réécrit sur place : le contenu complet passe par le
// rédacteur unique (EcritureFichier), qui l'écrit dans un temporaire du même dossier, le force
// sur disque puis le renomme par-dessus l'ancien. Un arrêt brutal laisse donc l'ancien fichier
// ou le nouveau, jamais un mélange, et le temporaire orphelin est effacé au démarrage suivant.
//
// Un fichier de réglages peut être un lien symbolique (fichiers de configuration gardés dans un
// dépôt) : il n'est suivi que jusqu'à un fichier ordinaire de l'utilisateur, qui est remplacé
// en gardant ses droits, le lien restant en place. Un lien vers autre chose (fichier d'un autre,
// tube, périphérique, lien cassé) fait refuser l'écriture.
//
// Un fichier abîmé (qui ne se relit pas en entier) est copié en « <nom>.abime » avant d'être
// réécrit : rien de ce qu'il tenait n'est perdu.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lignara {

// Tout le fichier ; vide (nullopt) quand il est absent, illisible, autre chose qu'un fichier
// ordinaire ou plus long que tailleMaximale. La lecture n'attend jamais (FichierEntree).
std::optional<std::vector<std::uint8_t>> lireFichierReglages(const std::filesystem::path& chemin,
                                                             std::size_t tailleMaximale);

// Remplace cible par octets comme dit plus haut. Échec, cible intacte :
// OperationImpossible(« <premiereLigne>\n<chemin>\n<Cause> »).
void remplacerFichierReglages(const std::filesystem::path& cible, std::span<const std::uint8_t> octets,
                              const std::string& premiereLigne1252);

// Copie les octets d'un fichier abîmé en « <chemin>.abime » (remplace une copie précédente,
// jamais à travers un lien). Échec : OperationImpossible avec la cause.
void mettreDeCoteFichierAbime(const std::filesystem::path& chemin, std::span<const std::uint8_t> octets);

// Avis, une fois au démarrage, d'un fichier de réglages qui ne se relit pas en entier.
std::string messageReglagesAbimes(const std::filesystem::path& chemin);

// Texte lu d'un fichier de réglages utilisable tel quel : ni octet nul ni caractère de contrôle,
// qui casseraient un nom de police, une ligne de document ou un chemin.
bool texteReglageAcceptable(std::string_view texte);

}  // namespace lignara
