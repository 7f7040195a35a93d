#pragma once
// Production d'un document, la même depuis un menu, un favori ou la ligne de commande :
//  1. fabriquer le document, qui prend au contexte sa police et son horloge (police tirée au
//     sort selon la préférence) ;
//  2. parametrer par la source (dialogues, favori, ligne de commande) ; échec : arrêt muet ;
//  3. préparer et mettre en page (le document attend lui-même les tables dérivées) ;
//  4. nommerFichier avec le préfixe du type et le nom de la personne de tête ;
//  5. écrire dans le format choisi ;
//  6. visualiser, sauf quand on ne le demande pas (ligne de commande sans --afficher, essais) ;
//     quand l'afficheur ne peut être lancé, un message dit où est le fichier ;
//  7. compter le document dans les compteurs d'usage (type et variante) ;
//  8. détruire le document (le fichier reste jusqu'à la sortie du programme).
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "documents/Afficheur.h"
#include "documents/Document.h"
#include "documents/SourceParametres.h"
#include "documents/Visualiseur.h"
#include "reglages/CompteursUsage.h"

namespace lignara {

struct ReglagesExecution {
    std::filesystem::path dossierSortie;  // dossier privé des documents
    std::filesystem::path sortieImposee;  // non vide : ce fichier, ou ce dossier s'il existe
    CommandesAfficheurs afficheurs;
    bool visualiser = true;
    CompteursUsage* compteurs = nullptr;  // nul : pas de compte
    bool policeAuHasard = false;          // une police tirée au sort pour ce document
};

// Chemin du fichier écrit, ou rien quand la source a arrêté le document. Un type sans mise en
// page : OperationImpossible(« Ce document n'est pas encore disponible »).
std::optional<std::string> executer(const Afficheur& type, SourceParametres& source, const ContexteDocument& contexte,
                                    const ReglagesExecution& reglages);

// Étapes 2 à 8 sur un document déjà fabriqué.
std::optional<std::string> executerDocument(std::unique_ptr<Document> document, SourceParametres& source,
                                            const ContexteDocument& contexte, const ReglagesExecution& reglages);

}  // namespace lignara
