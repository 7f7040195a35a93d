#include "database/IndexNoms.h"

#include <algorithm>

#include "database/CleIndex.h"
#include "database/CleNom.h"

namespace lignara {

IndexNoms::IndexNoms(std::shared_ptr<const Cles> clesNoms, std::shared_ptr<const Cles> clesPrenoms,
                     std::vector<Entree> entrees)
    : clesNoms_(std::move(clesNoms)), clesPrenoms_(std::move(clesPrenoms)), entrees_(std::move(entrees)) {
    auto avant = [](const Entree& a, const Entree& b) {
        if (a.nom != b.nom) return a.nom < b.nom;
        if (a.prenoms != b.prenoms) return a.prenoms < b.prenoms;
        return a.personne < b.personne;
    };
    // construireIndexNoms les donne déjà rangées.
    if (!std::is_sorted(entrees_.begin(), entrees_.end(), avant)) std::sort(entrees_.begin(), entrees_.end(), avant);
}

std::string IndexNoms::cleDe(std::string_view nom, std::string_view prenoms) {
    return cle_index::composer(CleNom(nom), CleNom(prenoms));
}

std::string IndexNoms::cle(std::size_t position) const {
    return cle_index::composer(partieNom(position), partiePrenoms(position));
}

int IndexNoms::comparer(std::size_t position, std::string_view cle) const {
    return cle_index::comparer(partieNom(position), partiePrenoms(position), cle);
}

std::size_t IndexNoms::ChercherNom(std::string_view cle) const {
    std::size_t debut = 0, fin = entrees_.size();
    while (debut < fin) {
        std::size_t milieu = debut + (fin - debut) / 2;
        if (comparer(milieu, cle) < 0)
            debut = milieu + 1;
        else
            fin = milieu;
    }
    return debut;
}

std::ptrdiff_t IndexNoms::ChercherPersonne(const BaseGenealogique& base, std::string_view cle, std::uint8_t jour,
                                           std::uint8_t mois, std::int16_t annee) const {
    for (std::size_t p = ChercherNom(cle); p < entrees_.size() && comparer(p, cle) == 0; ++p) {
        Individu individu = base.LireIndividu(entrees_[p].personne);
        DateGed naissance;
        if (individu.naissance != 0) naissance = base.LireEvenement(individu.naissance).date;
        if (naissance.jour == jour && naissance.mois == mois && naissance.annee == annee)
            return static_cast<std::ptrdiff_t>(p);
    }
    return -1;
}

}  // namespace lignara
