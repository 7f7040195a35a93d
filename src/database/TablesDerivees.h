#pragma once
// Tables dérivées de la base, calculées une fois après l'import : intervalles d'années des
// événements et des mariages, année de naissance estimée et statut vital de chaque personne.
//
// calculerTablesDerivees ne fait que lire la base (lectures sans état partagé) et remplir des
// tableaux qu'elle rend : elle peut tourner dans un thread pendant que l'interface lit la même
// base. Une lecture impossible lève DonneesCorrompues ; le manque de mémoire, std::bad_alloc.
// Des liens de parenté en boucle ne la bloquent pas (voir EstimationNaissances).
#include <atomic>
#include <cstdint>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/IntervalleAnnees.h"

namespace lignara {

struct TablesDerivees {
    std::vector<IntervalleAnnees> evenements;   // par numéro d'événement (indice 0 inutilisé)
    std::vector<IntervalleAnnees> mariages;     // par fiche Famille (indice 0 inutilisé)
    std::vector<std::int16_t> anneesNaissance;  // par personne ; 9999 : aucune estimation
    std::vector<char> statutsVitaux;            // par personne : 'v' ou 'm'
    int passes = 0;                             // passes de propagation faites
    bool arreteeAvantTerme = false;             // limite de passes atteinte (liens en boucle)

    std::int16_t AnneeNaissanceEstimee(std::uint32_t personne) const { return anneesNaissance[personne]; }
    char StatutVital(std::uint32_t personne) const { return statutsVitaux[personne]; }
};

// anneeCourante : l'année de l'horloge locale, prise par l'appelant. arret, levé depuis un autre
// thread, fait abandonner l'estimation à sa prochaine passe : les tables rendues sont alors
// incomplètes, pour un appelant qui ne les lira pas (fichier refermé).
TablesDerivees calculerTablesDerivees(const BaseGenealogique& base, int anneeCourante,
                                      const std::atomic<bool>* arret = nullptr);

}  // namespace lignara
