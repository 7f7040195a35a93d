#pragma once
// Index phonétique : une entrée par personne, triée par clé « ClePhonetique(nom) · 31 ·
// ClePhonetique(prénoms) », puis par la partie prénoms de la clé de noms (CleNom des prénoms),
// puis par numéro. Chaque entrée garde aussi la clé de noms de la personne.
// Construit par construireIndexPhonetique ; lecture seule ensuite, sûre depuis plusieurs threads.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "database/IndexNoms.h"

namespace lignara {

class IndexPhonetique {
public:
    using Cles = IndexNoms::Cles;

    struct Entree {
        std::uint32_t personne = 0;
        std::uint32_t nom = 0;         // rang dans les clés phonétiques de noms
        std::uint32_t prenoms = 0;     // rang dans les clés phonétiques de prénoms
        std::uint32_t cleNom = 0;      // rang dans les clés de noms de l'index des noms
        std::uint32_t clePrenoms = 0;  // rang dans ses clés de prénoms
    };

    struct ClesDesNoms {
        std::shared_ptr<const Cles> noms = std::make_shared<const Cles>();
        std::shared_ptr<const Cles> prenoms = std::make_shared<const Cles>();
    };

    IndexPhonetique() = default;
    // Les entrées sont triées ici si elles ne le sont pas déjà ; clesNoms sont celles de l'index des noms.
    IndexPhonetique(ClesDesNoms phonetiques, ClesDesNoms clesNoms, std::vector<Entree> entrees);

    // Clé de recherche phonétique d'un nom et de prénoms tels qu'on les lit dans la base.
    static std::string cleDe(std::string_view nom, std::string_view prenoms);

    std::size_t taille() const { return entrees_.size(); }
    std::uint32_t personne(std::size_t position) const { return entrees_[position].personne; }
    std::string cle(std::size_t position) const;
    std::string cleNom(std::size_t position) const;
    std::string_view partieNom(std::size_t position) const { return (*phonetiques_.noms)[entrees_[position].nom]; }
    std::string_view partiePrenoms(std::size_t position) const {
        return (*phonetiques_.prenoms)[entrees_[position].prenoms];
    }

    // Première position dont la clé phonétique n'est pas inférieure à cle ; taille() sinon.
    std::size_t ChercherCle(std::string_view cle) const;

private:
    ClesDesNoms phonetiques_;
    ClesDesNoms clesNoms_;
    std::vector<Entree> entrees_;
};

}  // namespace lignara
