#pragma once
// Mode ligne de commande : chaque commande s'ajoute à l'application CLI11 et appelle les mêmes
// points d'entrée que la fenêtre. Textes d'aide en français (UTF-8, c'est le terminal).
#include <CLI/CLI.hpp>

namespace lignara::cli {

// Code de sortie de la commande exécutée (0 : réussite).
extern int codeSortie;

void ajouterCommandeCategories(CLI::App& app);

// lignara lire [FICHIER] : recensement d'un fichier GEDCOM (CommandeLire.cpp).
void ajouterCommandeLire(CLI::App& app);
// lignara preferences [--reinitialiser] : préférences de Config.dwa (CommandePreferences.cpp).
void ajouterCommandePreferences(CLI::App& app);
// lignara essai-pdf SORTIE.pdf : planche d'essai de la surface PDF.
void ajouterCommandeEssaiPdf(CLI::App& app);

// lignara importer FICHIER [--base CHEMIN] [--rapport CHEMIN] (CommandeImporter.cpp).
void ajouterCommandeImporter(CLI::App& app);

// lignara personnes FICHIER [--nom NOM] [--prenoms P] [--phonetique] (CommandePersonnes.cpp).
void ajouterCommandePersonnes(CLI::App& app);
// lignara parente FICHIER PERSONNE1 PERSONNE2 : lien de parenté en texte (CommandeParente.cpp).
void ajouterCommandeParente(CLI::App& app);
// lignara document TYPE FICHIER.ged [...] | --liste (CommandeDocument.cpp).
void ajouterCommandeDocument(CLI::App& app);
// lignara favori liste|executer|ajouter FICHIER.ged … (CommandeFavori.cpp).
void ajouterCommandeFavori(CLI::App& app);

}  // namespace lignara::cli
