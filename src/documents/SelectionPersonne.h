#pragma once
// Sélection d'une personne par les noms tapés, sans fenêtre : les dialogues (personne, nom,
// coupes) appellent ce code et n'en montrent que le résultat.
//
// Règle de correspondance : la clé du nom tapé doit être celle de l'entrée ; les prénoms tapés
// doivent être les premiers mots entiers des prénoms de l'entrée (« JEAN » trouve « JEAN » et
// « JEAN PIERRE », pas « JEANNE ») ; sans prénoms tapés, tous les porteurs du nom
// correspondent. Les clés sont celles de l'index des noms, ou de l'index phonétique en
// recherche phonétique. Les entrées qui correspondent se suivent dans l'index.
// « Phonétique large » compare le nom par la clé large (ClePhonetiqueLarge) : ses entrées ne se
// suivent pas dans l'index des noms, on les parcourt toutes (quelques millisecondes par million).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "documents/ContexteDocument.h"

namespace lignara {

struct EtatSelection {
    static constexpr std::size_t kLongueurNomMax = 70;
    static constexpr std::size_t kHomonymesMax = 50;

    std::string nom;  // tapés, Windows-1252, 70 octets au plus
    std::string prenoms;
    std::int32_t personne = -1;    // choisie directement (récents, « Moi ») ; −1 : aucune
    std::size_t position = 0;      // première entrée qui correspond
    bool trouve = false;           // OK permis
    bool phonetique = false;       // « Recherche phonétique »
    bool phonetiqueLarge = false;  // « Phonétique large » : l'emporte sur la précédente
    bool sommetBranche = false;    // « Sommet de branche »
};

class SelectionPersonne {
public:
    explicit SelectionPersonne(const ContexteDocument& contexte) : contexte_(contexte) {}

    // Remplit les champs avec les noms d'une personne (mis en forme) et la choisit.
    void choisir(EtatSelection& etat, std::int32_t personne) const;
    // Après chaque changement d'un champ ou d'une case : cherche les noms tapés, fixe position
    // et trouve, oublie la personne choisie directement. Rend trouve.
    bool chercher(EtatSelection& etat) const;
    // Personnes qui correspondent, dans l'ordre de l'index, 50 au plus.
    std::vector<std::uint32_t> candidats(const EtatSelection& etat) const;
    // Résultat d'OK : la personne choisie directement, ou l'unique candidat ; −1 quand il faut
    // choisir entre des homonymes (ou que rien ne correspond).
    std::int32_t valider(const EtatSelection& etat) const;

    // Liste déroulante des noms (un par clé, tel que la base l'écrit), dans l'ordre de l'index.
    std::vector<std::string> nomsDeFamille(bool sommetBranche) const;
    // Prénoms qui existent avec ce nom tapé.
    std::vector<std::string> prenomsDuNom(const std::string& nom, bool sommetBranche) const;

    // Nom et prénoms d'une personne tels que la base les rend (casse automatique appliquée
    // quand la préférence est active).
    std::string nomDe(std::uint32_t personne) const;
    std::string prenomsDe(std::uint32_t personne) const;

private:
    struct ClesTapees;
    static ClesTapees clesTapees(const EtatSelection& etat);
    bool trouverPremiere(EtatSelection& etat, const ClesTapees& t) const;
    bool correspond(const EtatSelection& etat, std::size_t position) const;
    bool correspondLarge(const ClesTapees& t, std::size_t position) const;
    bool retenue(const EtatSelection& etat, std::size_t position) const;
    static bool parPhonetique(const EtatSelection& etat) { return etat.phonetique && !etat.phonetiqueLarge; }
    ClesTapees clesDe(const EtatSelection& etat) const;
    std::size_t tailleIndex(bool phonetique) const;
    std::uint32_t personneA(bool phonetique, std::size_t position) const;

    const ContexteDocument& contexte_;
};

}  // namespace lignara
