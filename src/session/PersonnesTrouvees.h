#pragma once
// Recherche de personnes par nom dans le fichier ouvert, telle que la ligne de commande la
// propose pour retrouver quelqu'un : résultats dans l'ordre de l'index, avec l'année de
// naissance estimée et la marque de vie.
#include <cstdint>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/TablesDerivees.h"
#include "session/FichierOuvert.h"

namespace lignara {

// Textes en Windows-1252 ; vides : tout le monde.
struct CriteresPersonnes {
    // Normal : les noms dont la clé commence par celle-ci (« Dup » trouve Dupont).
    // Phonétique : les noms de même clé phonétique (Dupont trouve DUPOND).
    std::string nom;
    // Les prénoms dont la clé commence par celle-ci, dans les deux modes.
    std::string prenoms;
    bool phonetique = false;
};

struct PersonneTrouvee {
    std::uint32_t numero = 0;
    std::string nom;  // tel que la base le rend (transformations d'affichage comprises)
    std::string prenoms;
    std::int16_t anneeEstimee = 9999;  // 9999 : aucune estimation
    char statut = 'v';
};

// Attend les tables dérivées du fichier ouvert.
std::vector<PersonneTrouvee> chercherPersonnes(FichierOuvert& fichier, const CriteresPersonnes& criteres);

// Toutes les personnes, par numéro.
std::vector<PersonneTrouvee> toutesLesPersonnes(const BaseGenealogique& base, const TablesDerivees& tables);

// « numéro TAB nom TAB prénoms TAB année TAB marque », « ? » pour l'année sans estimation.
std::string ligneDePersonne(const PersonneTrouvee& personne);

}  // namespace lignara
