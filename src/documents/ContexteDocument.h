#pragma once
// Ce que les documents et la sélection des personnes lisent du fichier ouvert : la base, ses
// deux index de noms, la préférence de casse automatique et l'endroit où vont les messages
// (boîte de message de la fenêtre, sortie d'erreur de la ligne de commande), les préférences
// et l'accès aux tables dérivées, la police chargée des préférences, l'horloge et la graine
// des tirages au hasard. Les pointeurs restent à l'appelant et doivent vivre plus longtemps que
// le document.
#include <filesystem>
#include <functional>
#include <vector>

#include "commun/Horloge.h"
#include "commun/RecepteurMessages.h"
#include "database/BaseGenealogique.h"
#include "database/IndexNoms.h"
#include "database/IndexNomsLarges.h"
#include "database/IndexPhonetique.h"
#include "render/PolicesDocument.h"
#include "session/SourcesGedcom.h"

namespace lignara {

struct Configuration;
struct TablesDerivees;

struct ContexteDocument {
    const BaseGenealogique* base = nullptr;
    const IndexNoms* noms = nullptr;
    // Index de la « Recherche phonétique », demandé seulement par une recherche par le son : à
    // l'ouverture il se construit en arrière-plan, et cette demande l'attend au besoin.
    std::function<const IndexPhonetique&()> phonetique;
    // Clés phonétiques larges des noms (option « Phonétique large » de la sélection), calculées
    // à la première demande ; vide : option sans effet.
    std::function<const IndexNomsLarges&()> nomsLarges;
    bool casseAutomatique = true;
    RecepteurMessages messages;
    // Préférences de l'application ; nul : leurs valeurs par défaut.
    const Configuration* preferences = nullptr;
    // Attend le thread de dérivation (curseur d'attente) et rend ses tables ; vide : le document
    // qui en a besoin les calcule lui-même.
    std::function<const TablesDerivees&()> tablesDerivees;
    // Dossier de chaque fichier GEDCOM importé (indice du fichier) : les chemins relatifs des
    // photos s'y rapportent. Vide : ils se lisent depuis le dossier courant.
    std::vector<std::filesystem::path> dossiersGedcom;
    // Fichiers GEDCOM importés, pour les documents qui relisent l'enregistrement d'une personne
    // (frises, fiches) ; nul : aucune relecture possible.
    const SourcesGedcom* sourcesGedcom = nullptr;
    // Police des préférences, chargée par l'appelant : les dialogues de sélection y ajustent les
    // noms, et chaque document la prend (ou une police tirée au sort) pour se mettre en page.
    PolicesDocument polices;
    // Temps, année courante et tirages au hasard des documents : SOURCE_DATE_EPOCH les fixe.
    Horloge horloge = Horloge::duSysteme();

    void signaler(const std::string& message1252) const { transmettre(messages, message1252); }
};

}  // namespace lignara
