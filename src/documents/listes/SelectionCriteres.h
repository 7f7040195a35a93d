#pragma once
// Choix des personnes de la liste par critère : textes normalisés, mots entiers, lieux et
// dates par sorte d'événement, contemporains ; les personnes retenues dans l'ordre de l'index
// des noms.
//
// Normalisation (critères et champs) : lettres et chiffres en capitales sans accents, les
// caractères « ()[]#°?<>{} » gardés, tout autre caractère devient un blanc ; les blancs de tête
// et de fin sont ôtés et une suite de blancs n'en fait qu'un, si bien que « Jean-Pierre »,
// « JEAN PIERRE » et « jean  pierre » se valent. Un mot entier se cherche entouré de blancs dans
// le champ entouré de blancs ; sinon le critère se cherche comme sous-chaîne.
//
// Lieu : le texte lisible du lieu, suivi des noms de sa subdivision et de son pays tirés de son
// code (« Lyon » se trouve aussi par « Rhône » ou « France »).
//
// Dates : une date de la base se lit comme un intervalle de valeurs entières (année, mois,
// jour), un jour ou un mois inconnus couvrant tout le mois ou toute l'année (« avant », « après »
// et « vers » se lisent comme la date qu'ils qualifient) ; une date « entre
// deux années » va de la première à la seconde (la première tient dans les octets du jour et du
// mois). Elle convient quand elle tient tout entière entre les bornes ; une borne maximale sans
// jour ni mois va jusqu'au 31 décembre de son année, une maximale nulle avec une minimale posée
// n'en est pas une.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/IndexNoms.h"
#include "documents/SignatureParametres.h"

namespace lignara {

// Sortes d'événements des lieux et des dates : naissance, décès, mariage, quelconque.
enum SorteEvenementCritere : std::uint8_t { CritereNaissance = 0, CritereDeces, CritereMariage, CritereQuelconque };

// Texte normalisé (Windows-1252) ; vide quand il n'a ni lettre, ni chiffre, ni caractère gardé.
std::string normaliserCritere(std::string_view texte1252);
// critere et champ déjà normalisés ; un critère vide convient à tout.
bool critereConvient(std::string_view champ, std::string_view critere, bool motEntier);

// Bornes de dates en valeurs entières ; absentes quand les deux dates sont nulles.
struct BornesDates {
    bool actives = false;
    std::int64_t minimum = 0;
    std::int64_t maximum = 0;
};
BornesDates bornesDates(const DateParametre& minimale, const DateParametre& maximale);
bool dateDansBornes(const DateGed& date, const BornesDates& bornes);

struct CritereTexte {
    std::string texte;  // tel que saisi (Windows-1252)
    bool motEntier = false;
};

struct CriteresListe {
    CritereTexte nom, prenom, profession, commentaire, lieu;
    std::uint8_t sorteLieu = CritereQuelconque;
    DateParametre dateMinimale{}, dateMaximale{};
    std::uint8_t sorteDate = CritereQuelconque;
    // Statuts vitaux par personne ; nul : les contemporains sont gardés.
    const std::vector<char>* statutsVitaux = nullptr;
};

struct SelectionCriteres {
    std::vector<std::uint32_t> personnes;  // dans l'ordre de l'index des noms
    // Critères saisis qui ne gardent rien une fois normalisés (ponctuation seule) : ignorés.
    std::vector<std::string> criteresIgnores;
};

SelectionCriteres selectionnerParCriteres(const BaseGenealogique& base, const IndexNoms& index,
                                          const CriteresListe& criteres);

}  // namespace lignara
