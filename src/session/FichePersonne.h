#pragma once
// Ce que montrent les fenêtres de consultation d'une personne : la fiche (champs de l'individu,
// parents), ses familles comme conjoint dans l'ordre de sa chaîne, son bloc-note et ses sources,
// lus de la base seule ; et, relus dans le GEDCOM d'origine, les autres événements que la base ne
// garde pas (baptême, inhumation, domiciles…).
//
// La relecture se fait au décalage noté à l'import : si un fichier source a été réécrit depuis,
// ce décalage peut tomber au milieu d'un autre enregistrement, et la fiche montrerait les
// événements d'une autre personne. On ne relit donc pas ; la fiche le dit (avisRelecture).
//
// Textes en Windows-1252, dates en forme longue (DateLongue). Une réf. illisible lève
// DonneesCorrompues ; des chaînes de familles ou de frères et sœurs bouclées s'arrêtent.
#include <cstdint>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"
#include "session/SourcesGedcom.h"

namespace lignara {

struct PersonneCitee {
    std::uint32_t numero = 0;  // 0 : inconnue
    std::string nom;           // prénoms puis nom
};

struct EvenementConsulte {
    std::string date;
    std::string lieu;        // sans son code de lieu
    std::string sourceDate;  // vides : pas de source
    std::string sourceLieu;
    bool connu() const { return !date.empty() || !lieu.empty(); }
};

struct FamilleConsultee {
    PersonneCitee conjoint;
    bool mariageConnu = false;
    EvenementConsulte mariage;
    bool divorce = false;  // avec ou sans date
    EvenementConsulte divorceEvenement;
    std::vector<PersonneCitee> enfants;  // ordre de la fratrie
};

struct EvenementRelu;

struct AutreEvenement {
    std::string libelle;  // « Baptême », « Inhumation »…
    std::string texte;    // valeur, date longue, lieu, réunis
};

struct FichePersonne {
    std::uint32_t numero = 0;
    std::string titre;  // « Prénoms NOM (1850-1920) »
    std::string nom, prenoms, sexe;
    EvenementConsulte naissance, deces;
    std::string profession, commentaire;
    PersonneCitee pere, mere;
    std::string sourceIdentite, sourceProfession, sourceCommentaire;
    std::uint32_t blocNotes = 0;  // décalage dans la zone des notes ; 0 : aucun
};

FichePersonne lireFichePersonne(const BaseGenealogique& base, std::uint32_t personne);

// Familles de la personne comme conjoint, dans l'ordre de sa chaîne.
std::vector<FamilleConsultee> lireFamilles(const BaseGenealogique& base, std::uint32_t personne);

// Lignes du bloc-note, telles que stockées.
std::vector<std::string> lireBlocNote(const BaseGenealogique& base, std::uint32_t personne);

struct AutresEvenements {
    std::vector<AutreEvenement> evenements;
    std::string avis;  // vide, ou pourquoi rien n'a été relu
};

// Événements relus dans le GEDCOM (voir plus haut) ; jamais d'exception pour un fichier
// disparu ou illisible : l'avis le dit.
AutresEvenements relireAutresEvenements(const BaseGenealogique& base, const SourcesGedcom& sources,
                                        std::uint32_t personne);

}  // namespace lignara
