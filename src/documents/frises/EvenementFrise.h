#pragma once
// Ce que les frises placent dans le temps : un événement (marque ou barre) avec ses bornes en
// numéros de jour (NumeroJour), son libellé, les noms de l'autre personne en cause et sa
// catégorie, qui choisit sa couleur.
//
// Bornes : début et fin sont chacun un intervalle [bas, haut] (une date approximative donne une
// plage) ; kJourInconnu aux deux bouts : inconnu. Un événement ponctuel a une fin inconnue ; un
// événement sans date (mariage, divorce, profession ou domicile gardés sans date) a aussi un
// début inconnu et n'est placé nulle part.
#include <cstdint>
#include <string>

#include "dates/DateCalendrier.h"

namespace lignara {

// Catégories et couleurs des frises (rouge, vert, bleu).
enum class CategorieFrise : std::uint8_t {
    Aucune = 0,      // FF FF FF
    Profession = 1,  // BE 32 32
    Naissance = 2,   // FF 9D 9D : naissances (la sienne, celles des enfants)
    Divorce = 3,     // 0F 6E 0F
    Mariage = 4,     // 1E B4 1E
    Domicile = 5,    // 9B 64 32 : domiciles ; barres des générations conjoints compris
    Religion = 6,    // 96 96 FF
    Deces = 7,       // 50 50 50 : décès et inhumations ; personnes de sexe inconnu
    Homme = 8,       // 00 00 AA
    Femme = 9,       // AA 00 00
};
inline constexpr int kNombreCategoriesFrise = 10;

struct CouleurFrise {
    std::uint8_t rouge, vert, bleu;
};
CouleurFrise couleurCategorie(CategorieFrise categorie);
// Catégorie d'une personne par son sexe ('M', 'F', autre).
CategorieFrise categorieDuSexe(std::uint8_t sexe);

struct EvenementFrise {
    static constexpr std::size_t kLibelleMax = 99;  // octets
    static constexpr std::size_t kNomMax = 70;

    IntervalleJours debut;
    IntervalleJours fin;  // inconnue : événement ponctuel
    std::string libelle;  // forme longue (« Naissance de ») suivie des noms, ou forme courte
    std::string prenoms;  // de l'autre personne en cause ; vides : le libellé est complet
    std::string nom;
    std::string finLibelle;  // « ) » après les noms d'une forme longue finie par « ( »
    CategorieFrise categorie = CategorieFrise::Aucune;

    bool date() const { return !debut.inconnu(); }
    bool ponctuel() const { return fin.inconnu(); }
    // Le plus tard que l'événement touche : la fin, ou pour un ponctuel la borne haute du début.
    std::int32_t plusTard() const { return fin.inconnu() ? debut.haut : fin.haut; }
    // Texte entier : libellé, noms (« Prénoms NOM ») et fin.
    std::string texte() const;
};

// Plage de temps dessinée, en numéros de jour ; vide tant que debut > fin.
struct PlageJours {
    std::int32_t debut = kJourInconnu;
    std::int32_t fin = -kJourInconnu;

    bool vide() const { return debut > fin; }
    // Élargit aux bornes connues de l'événement ; ses bornes inconnues n'élargissent rien.
    void inclure(const EvenementFrise& e);
    void inclure(std::int32_t jourBas, std::int32_t jourHaut);
};

}  // namespace lignara
