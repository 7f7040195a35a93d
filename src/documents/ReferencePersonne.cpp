#include "documents/ReferencePersonne.h"

#include <algorithm>

#include "commun/Texte.h"
#include "database/CleNom.h"
#include "database/FormatNom.h"

namespace lignara {

ReferencePersonne ReferencePersonne::de(const BaseGenealogique& base, std::int32_t personne) {
    ReferencePersonne ref;
    if (personne < 1 || static_cast<std::uint32_t>(personne) > base.nombreIndividus()) return ref;
    Individu ind = base.LireIndividu(static_cast<std::uint32_t>(personne));
    ref.cle = IndexNoms::cleDe(base.LireTexte(TableNoms, ind.nom), base.LireTexte(TablePrenoms, ind.prenoms));
    if (ind.naissance != 0) {
        DateGed d = base.LireEvenement(ind.naissance).date;
        ref.jour = d.jour;
        ref.mois = d.mois;
        ref.annee = static_cast<std::uint16_t>(d.annee);
    }
    return ref;
}

std::vector<std::uint8_t> ReferencePersonne::octets() const {
    if (aucune()) return {kAucune};
    std::vector<std::uint8_t> o(cle.begin(), cle.end());
    o.push_back(0);
    o.push_back(jour);
    o.push_back(mois);
    o.push_back(static_cast<std::uint8_t>(annee & 0xFF));
    o.push_back(static_cast<std::uint8_t>(annee >> 8));
    return o;
}

bool ReferencePersonne::lire(std::span<const std::uint8_t> bloc, std::size_t& position, ReferencePersonne& ref) {
    ref = ReferencePersonne{};
    if (position >= bloc.size()) return false;
    if (bloc[position] == kAucune) {
        ++position;
        return true;
    }
    auto debut = bloc.begin() + static_cast<std::ptrdiff_t>(position);
    auto zero = std::find(debut, bloc.end(), std::uint8_t{0});
    if (zero == bloc.end() || bloc.end() - zero < 5) return false;
    ref.cle.assign(debut, zero);
    ref.jour = zero[1];
    ref.mois = zero[2];
    ref.annee = static_cast<std::uint16_t>(zero[3] | (zero[4] << 8));
    position = static_cast<std::size_t>(zero - bloc.begin()) + 5;
    return true;
}

std::int32_t ReferencePersonne::trouver(const ContexteDocument& contexte) const {
    if (aucune()) return 0;
    if (cle.find(static_cast<char>(kSeparateur)) == std::string::npos) return -1;
    std::ptrdiff_t position =
        contexte.noms->ChercherPersonne(*contexte.base, cle, jour, mois, static_cast<std::int16_t>(annee));
    if (position < 0) return -1;
    return static_cast<std::int32_t>(contexte.noms->personne(static_cast<std::size_t>(position)));
}

std::int32_t ReferencePersonne::chercher(const ContexteDocument& contexte) const {
    std::int32_t personne = trouver(contexte);
    if (personne >= 0) return personne;
    std::size_t separateur = cle.find(static_cast<char>(kSeparateur));
    std::string nom = cle.substr(0, separateur);
    std::string prenoms = separateur == std::string::npos ? std::string() : cle.substr(separateur + 1);
    if (contexte.casseAutomatique) {
        FormaterNom(nom);
        FormaterPrenoms(prenoms);
    }
    std::string message = nom + " " + prenoms;
    message += " n'est plus accessible dans la base\n(ou n'a plus la même date de naissance)"_1252;
    contexte.signaler(message);
    return -1;
}

}  // namespace lignara
