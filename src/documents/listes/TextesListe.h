#pragma once
// Textes des personnes et des mariages d'une liste, lus en lot après la construction : chaque
// table du fichier (noms, prénoms, professions, commentaires, lieux) est parcourue une fois,
// par références croissantes, et un texte n'est tenu qu'une fois par personne, même quand la
// personne revient cent fois dans la liste.
//
// Bits des données affichées (préférences « Données à afficher ») : 1 dates, 2 lieux,
// 4 profession, 8 commentaire, 16 mariage.
//   nom     : nom, un blanc quand les deux sont là, prénoms ;
//   détails : « (naissance<sep>décès) » quand les dates ou les lieux sont demandés, « .. » pour
//             un événement sans texte ; puis « , » et la profession, « , » et le commentaire ;
//             un événement s'écrit date, blanc, lieu (chacun selon son bit) ;
//   mariage : date, trois blancs quand les deux sont là, lieu.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/BaseGenealogique.h"

namespace lignara {

// Vues sur les textes tenus par TextesListe, valables tant qu'elle vit sans rien charger.
struct TextesPersonne {
    std::string_view nom;
    std::string_view details;
    std::uint8_t sexe = ' ';
};

struct FormeDetails {
    std::uint8_t donnees = 31;
    std::string_view ouverture = " (";
    std::string_view separateur = "-";
    std::string_view fermeture = ")";
};

class TextesListe {
public:
    // Lit les textes des personnes données (doublons et 0 permis).
    void chargerPersonnes(const BaseGenealogique& base, std::vector<std::uint32_t> personnes,
                          const FormeDetails& forme);
    // Lit les textes de mariage des événements donnés (0 : aucun).
    void chargerMariages(const BaseGenealogique& base, std::vector<std::uint32_t> evenements, std::uint8_t donnees);

    // Textes vides pour une personne non chargée.
    TextesPersonne personne(std::uint32_t numero) const;
    // Texte vide pour un événement non chargé.
    std::string_view mariage(std::uint32_t evenement) const;

private:
    // Place d'un texte dans la réserve commune : un seul bloc plutôt qu'une allocation par texte.
    struct Place {
        std::uint32_t debut = 0;
        std::uint32_t longueur = 0;
    };
    struct Fiche {
        std::uint32_t numero = 0;
        Place nom, details;
        std::uint8_t sexe = ' ';
    };
    Place ranger(std::string_view texte);
    std::string_view vue(Place p) const { return std::string_view(reserve_).substr(p.debut, p.longueur); }

    std::string reserve_;
    std::vector<Fiche> personnes_;                           // par numéro croissant
    std::vector<std::pair<std::uint32_t, Place>> mariages_;  // par événement croissant
};

}  // namespace lignara
