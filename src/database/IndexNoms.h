#pragma once
// Index des noms : une entrée par personne, triée par clé « CleNom(nom) · 31 · CleNom(prénoms) »
// (octets non signés), les homonymes de même clé dans l'ordre de leurs numéros.
// Les clés distinctes sont rangées une fois, triées ; une entrée porte leurs rangs.
// Construit par construireIndexNoms ; lecture seule ensuite, sûre depuis plusieurs threads.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "database/BaseGenealogique.h"

namespace lignara {

class IndexNoms {
public:
    using Cles = std::vector<std::string>;  // distinctes et triées

    struct Entree {
        std::uint32_t personne = 0;
        std::uint32_t nom = 0;      // rang dans les clés de noms
        std::uint32_t prenoms = 0;  // rang dans les clés de prénoms
    };

    IndexNoms() = default;
    // Les entrées sont triées ici, si elles ne le sont pas déjà.
    IndexNoms(std::shared_ptr<const Cles> clesNoms, std::shared_ptr<const Cles> clesPrenoms,
              std::vector<Entree> entrees);

    // Clé de recherche faite d'un nom et de prénoms tels qu'on les lit dans la base.
    static std::string cleDe(std::string_view nom, std::string_view prenoms);

    std::size_t taille() const { return entrees_.size(); }
    std::uint32_t personne(std::size_t position) const { return entrees_[position].personne; }
    const Entree& entree(std::size_t position) const { return entrees_[position]; }
    std::string cle(std::size_t position) const;
    std::string_view partieNom(std::size_t position) const { return (*clesNoms_)[entrees_[position].nom]; }
    std::string_view partiePrenoms(std::size_t position) const { return (*clesPrenoms_)[entrees_[position].prenoms]; }
    const std::shared_ptr<const Cles>& clesNoms() const { return clesNoms_; }
    const std::shared_ptr<const Cles>& clesPrenoms() const { return clesPrenoms_; }

    // Première position dont la clé n'est pas inférieure à cle ; taille() si toutes le sont.
    std::size_t ChercherNom(std::string_view cle) const;
    // Première position de clé exactement égale dont la naissance porte ce jour, ce mois et
    // cette année (octets bruts de la date ; tout à 0 sans événement naissance), ou −1.
    std::ptrdiff_t ChercherPersonne(const BaseGenealogique& base, std::string_view cle, std::uint8_t jour,
                                    std::uint8_t mois, std::int16_t annee) const;

private:
    int comparer(std::size_t position, std::string_view cle) const;

    std::shared_ptr<const Cles> clesNoms_ = std::make_shared<const Cles>();
    std::shared_ptr<const Cles> clesPrenoms_ = std::make_shared<const Cles>();
    std::vector<Entree> entrees_;
};

}  // namespace lignara
