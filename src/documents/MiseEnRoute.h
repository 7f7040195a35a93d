#pragma once
// Mise en route d'un document sur le fichier ouvert, la même pour la fenêtre et pour la ligne
// de commande : contexte du document (base, index, préférences, dossiers des GEDCOM, accès aux
// tables dérivées), police des préférences, réglages de l'exécution, puis executer(). Seuls
// diffèrent, et sont donnés ici : la source des paramètres (dialogues ou ligne de commande),
// l'attente des tables dérivées (curseur d'attente de la fenêtre), la destination (dossier de
// sortie privé, ou dossier courant et --sortie), les messages, l'afficheur et le compte d'usage.
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "documents/Afficheur.h"
#include "documents/ContexteDocument.h"
#include "documents/SourceParametres.h"
#include "reglages/CompteursUsage.h"
#include "reglages/Configuration.h"
#include "session/FichierOuvert.h"

namespace lignara {

struct ReglagesMiseEnRoute {
    RecepteurMessages messages;                          // boîte de message, ou sortie d'erreur
    std::function<void(bool enAttente)> curseurAttente;  // vide : l'attente ne se montre pas
    std::filesystem::path dossierSortie;                 // dossier où le fichier est nommé
    std::filesystem::path sortieImposee;                 // non vide : ce fichier, ou ce dossier s'il existe
    bool visualiser = true;
    CompteursUsage* compteurs = nullptr;  // nul : pas de compte
};

// La source des paramètres, faite sur le contexte du document (la sélection des personnes de la
// fenêtre le lit).
using SourcePourContexte = std::function<std::unique_ptr<SourceParametres>(const ContexteDocument&)>;

// Contexte d'un document sur le fichier ouvert, polices des préférences comprises (l'édition
// des paramètres d'un favori en a besoin sans produire de document).
ContexteDocument contexteDeMiseEnRoute(FichierOuvert& fichier, const Configuration& configuration,
                                       const ReglagesMiseEnRoute& reglages);

// Chemin du document écrit ; rien quand la source l'a arrêté. Le fichier doit rester ouvert et
// la configuration vivre jusqu'au retour. Un type sans mise en page : OperationImpossible
// (« Ce document n'est pas encore disponible »).
std::optional<std::string> mettreEnRoute(const Afficheur& type, FichierOuvert& fichier,
                                         const Configuration& configuration, const ReglagesMiseEnRoute& reglages,
                                         const SourcePourContexte& source);

}  // namespace lignara
