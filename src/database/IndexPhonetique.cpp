#include "database/IndexPhonetique.h"

#include <algorithm>

#include "database/CleIndex.h"
#include "database/ClePhonetique.h"

namespace lignara {

IndexPhonetique::IndexPhonetique(ClesDesNoms phonetiques, ClesDesNoms clesNoms, std::vector<Entree> entrees)
    : phonetiques_(std::move(phonetiques)), clesNoms_(std::move(clesNoms)), entrees_(std::move(entrees)) {
    auto avant = [](const Entree& a, const Entree& b) {
        if (a.nom != b.nom) return a.nom < b.nom;
        if (a.prenoms != b.prenoms) return a.prenoms < b.prenoms;
        if (a.clePrenoms != b.clePrenoms) return a.clePrenoms < b.clePrenoms;
        return a.personne < b.personne;
    };
    // construireIndexPhonetique les donne déjà rangées.
    if (!std::is_sorted(entrees_.begin(), entrees_.end(), avant)) std::sort(entrees_.begin(), entrees_.end(), avant);
}

std::string IndexPhonetique::cleDe(std::string_view nom, std::string_view prenoms) {
    return cle_index::composer(ClePhonetique(nom), ClePhonetique(prenoms));
}

std::string IndexPhonetique::cle(std::size_t position) const {
    return cle_index::composer(partieNom(position), partiePrenoms(position));
}

std::string IndexPhonetique::cleNom(std::size_t position) const {
    const Entree& e = entrees_[position];
    return cle_index::composer((*clesNoms_.noms)[e.cleNom], (*clesNoms_.prenoms)[e.clePrenoms]);
}

std::size_t IndexPhonetique::ChercherCle(std::string_view cle) const {
    std::size_t debut = 0, fin = entrees_.size();
    while (debut < fin) {
        std::size_t milieu = debut + (fin - debut) / 2;
        if (cle_index::comparer(partieNom(milieu), partiePrenoms(milieu), cle) < 0)
            debut = milieu + 1;
        else
            fin = milieu;
    }
    return debut;
}

}  // namespace lignara
