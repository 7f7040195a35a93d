#pragma once
// Liste des personnes du fichier ouvert, pour la fenêtre de consultation et la liste ancrée de la
// fenêtre principale : les personnes dans l'ordre de l'index des noms, un filtre, et les textes de
// chaque ligne lus seulement quand on les demande (un fichier d'un million de personnes s'ouvre
// sans lire un seul enregistrement).
//
// Le filtre travaille sur les clés de l'index gardées en mémoire (casse et accents déjà ôtés) :
//   normal : chaque mot du texte commence un mot du nom ou des prénoms (« vict » trouve Victoria,
//            « dup je » trouve Jean Dupont) ;
//   phonétique : la clé phonétique large (ClePhonetiqueLarge) du texte commence celle du nom
//            (« Bertelo » trouve Berthelot) ; ou, le premier mot étant le nom, les suivants
//            commencent des prénoms (« Bertelo jean »).
// Une personne sans nom est dans la liste et se trouve par ses prénoms.
//
// La base et l'index doivent vivre plus longtemps que la liste. Un seul thread.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/IndexNoms.h"
#include "database/IndexNomsLarges.h"
#include "database/TablesDerivees.h"

namespace lignara {

// Textes en Windows-1252, tels que la base les rend (transformations d'affichage comprises).
struct LignePersonne {
    std::uint32_t numero = 0;
    std::string nom;
    std::string prenoms;
    std::string anneeNaissance;  // « 1850 », « ~1850 », « <1850 », « 1850-1860 » ; vide : inconnue
    std::string anneeDeces;
    std::string lieuNaissance;  // sans le code de lieu
    std::string lieuDeces;
};

class ListePersonnes {
public:
    // Fournisseur des clés larges, appelé au premier filtre phonétique ; vide : la liste les
    // calcule elle-même.
    using ClesLarges = std::function<const IndexNomsLarges&()>;
    ListePersonnes(const BaseGenealogique& base, const IndexNoms& index, ClesLarges larges = {});

    // Lignes retenues par le filtre (toutes sans filtre).
    std::size_t taille() const { return tous_ ? index_->taille() : retenues_.size(); }
    std::uint32_t personne(std::size_t rang) const { return index_->personne(position(rang)); }
    // Rang d'une personne parmi les lignes retenues ; −1 si le filtre l'écarte.
    std::ptrdiff_t rangDe(std::uint32_t personne) const;

    // Lue à la première demande puis gardée (les dernières lues seulement).
    const LignePersonne& ligne(std::size_t rang);

    // Texte vide : toutes les personnes. Rend vrai quand les lignes retenues ont changé.
    bool filtrer(std::string_view texte, bool phonetique);

    // Texte d'une entrée de la fenêtre de consultation : nom, prénoms, trois espaces puis
    // « (année estimée) » quand elle n'est pas 9999. tables : nul, pas d'année.
    std::string texteEntree(std::size_t rang, const TablesDerivees* tables);
    // Premier rang dont l'entrée commence par le texte, casse (et accents) ignorés ; −1 sinon.
    std::ptrdiff_t premiereEntreeCommencantPar(std::string_view texte, const TablesDerivees* tables);

    // Après un changement des transformations d'affichage : les lignes gardées sont relues.
    void oublierLignes() { lignes_.clear(); }

private:
    std::size_t position(std::size_t rang) const { return tous_ ? rang : retenues_[rang]; }
    const IndexNomsLarges& larges();
    std::vector<std::uint8_t> motsRetenus(const IndexNoms::Cles& cles, std::string_view mot) const;

    const BaseGenealogique* base_;
    const IndexNoms* index_;
    bool tous_ = true;
    std::vector<std::uint32_t> retenues_;  // positions dans l'index
    std::string filtre_;
    bool phonetique_ = false;
    ClesLarges fournisseur_;
    std::optional<IndexNomsLarges> larges_;
    std::unordered_map<std::uint32_t, LignePersonne> lignes_;
};

}  // namespace lignara
