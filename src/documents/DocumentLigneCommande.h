#pragma once
// Point d'entrée de « lignara document » : le type désigné par un code, un préfixe ou un nom
// lisible, le fichier GEDCOM importé, les paramètres de la ligne de commande, puis la même
// production qu'un menu de la fenêtre. Le document va dans le dossier courant (ou --sortie).
// Le format de papier est celui de --papier, sinon celui que les préférences rangent pour la
// ligne de commande (« lignara preferences --papier »), « Non paginé » au départ.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "documents/Afficheur.h"
#include "documents/ParametresLigneCommande.h"
#include "reglages/Configuration.h"

namespace lignara {

struct CommandeDocumentDemandee {
    std::string type;  // UTF-8
    std::filesystem::path fichier;
    DemandeDocument parametres;
    std::filesystem::path sortie;  // vide : dossier courant ; un dossier ou un fichier
    bool afficher = false;
    std::string papier;  // UTF-8 ; vide : le format rangé pour la ligne de commande
};

// Identifiant du format de papier nommé (« A4 portrait », casse et accents ignorés) ;
// OperationImpossible avec la liste des noms quand aucun ne l'est.
std::uint16_t papierNomme(const std::string& nomUtf8);

// Préférences d'une commande : Config.dwa (abîmé : prévenu sur la sortie d'erreur) et le papier
// demandé (UTF-8), sinon celui rangé pour la ligne de commande.
Configuration configurationLigneCommande(const std::string& papierUtf8);

// Le type désigné ; OperationImpossible quand aucun ne l'est, ou plusieurs (les candidats sont
// listés).
const Afficheur& typeDesigne(const std::string& designation);

// Les 54 types, un par ligne (UTF-8) : code, préfixe, nom lisible, titre, formats, disponibilité.
std::string listeDesTypes();

// Chemin du document écrit ; rien quand le document s'est arrêté. Un type sans mise en page :
// OperationImpossible(« Ce document n'est pas encore disponible »), avant toute lecture du fichier.
std::optional<std::string> produireDocument(const CommandeDocumentDemandee& demande);

}  // namespace lignara
