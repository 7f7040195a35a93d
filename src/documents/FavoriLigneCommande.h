#pragma once
// Points d'entrée de « lignara favori » (dossier de configuration du programme) : les favoris d'un fichier GEDCOM,
// rangés dans « Perso.dwa » sous le même chemin absolu que la fenêtre, listés, lancés comme le menu « Favoris » les
// lance, ou ajoutés avec les paramètres de « lignara document ».
#include <filesystem>
#include <optional>
#include <string>

#include "documents/ParametresLigneCommande.h"

namespace lignara {

// Les favoris du fichier, un par ligne (UTF-8) : rang, nom, titre du type (« sans paramètres »
// quand il n'en a pas) ; un séparateur est une ligne de tirets. Vide sans favori. Le fichier
// doit exister, il n'est pas importé.
std::string listeDesFavoris(const std::filesystem::path& fichierDemande);

struct LancementFavoriDemande {
    std::filesystem::path fichier;
    std::string nom;               // UTF-8, comparé exactement (casse comprise)
    std::filesystem::path sortie;  // vide : dossier courant ; un dossier ou un fichier
    std::string papier;            // UTF-8 ; vide : le format rangé pour la ligne de commande
    bool afficher = false;
};

// Chemin du document écrit ; rien quand il s'est arrêté (message déjà écrit) ou pour un type
// sans document. Un nom inconnu, un favori sans paramètres ou sans type : OperationImpossible.
std::optional<std::string> lancerFavoriNomme(const LancementFavoriDemande& demande);

struct AjoutFavoriDemande {
    std::filesystem::path fichier;
    std::string nom;   // UTF-8
    std::string type;  // code, préfixe ou nom lisible, comme « lignara document »
    DemandeDocument parametres;
};

// Ajoute le favori à la fin de la liste du fichier, avec les limites du dialogue : nom non vide
// d'au plus 80 caractères, pas déjà pris, 30 favoris au plus, paramètres codables. Faux quand
// les paramètres n'ont pu être fixés (message déjà écrit) ; les autres refus :
// OperationImpossible.
bool ajouterFavori(const AjoutFavoriDemande& demande);

}  // namespace lignara
