#include "reglages/FichierReglages.h"

#include <algorithm>

#include "commun/EcritureFichier.h"
#include "commun/FichierEntree.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"

namespace lignara {

namespace fs = std::filesystem;

namespace {

std::string_view enTexte(std::span<const std::uint8_t> octets) {
    return {reinterpret_cast<const char*>(octets.data()), octets.size()};
}

}  // namespace

std::optional<std::vector<std::uint8_t>> lireFichierReglages(const fs::path& chemin, std::size_t tailleMaximale) {
    auto octets = lireFichierEntier(chemin, tailleMaximale);
    if (!octets) return std::nullopt;
    return std::vector<std::uint8_t>(octets->begin(), octets->end());
}

void remplacerFichierReglages(const fs::path& cible, std::span<const std::uint8_t> octets,
                              const std::string& premiereLigne1252) {
    EcritureFichier f;
    if (f.ouvrir(cible, EcritureFichier::Liens::versFichierAMoi, EcritureFichier::Droits::prives) &&
        f.ecrire(enTexte(octets)) && f.terminer())
        return;
    std::string message = f.message();
    // « Ecriture impossible dans le fichier » cède la place à la première ligne de l'appelant.
    message = premiereLigne1252 + message.substr(message.find('\n'));
    throw OperationImpossible(message);
}

void mettreDeCoteFichierAbime(const fs::path& chemin, std::span<const std::uint8_t> octets) {
    fs::path copie = chemin;
    copie += ".abime";
    ecrireFichier(copie, enTexte(octets), EcritureFichier::Liens::refuses, EcritureFichier::Droits::prives);
}

std::string messageReglagesAbimes(const fs::path& chemin) {
    const std::string nom = depuisUtf8(chemin.string());
    return "Le fichier de réglages "_1252 + nom +
           " est abîmé.\nCe qui a pu en être relu est gardé, le reste reprend sa valeur par défaut ; "
           "une copie en sera gardée sous "_1252 +
           nom + ".abime avant qu'il soit réécrit."_1252;
}

bool texteReglageAcceptable(std::string_view texte) {
    return std::none_of(texte.begin(), texte.end(), [](char c) {
        const auto o = static_cast<unsigned char>(c);
        return o < 0x20 || o == 0x7F;
    });
}

}  // namespace lignara
