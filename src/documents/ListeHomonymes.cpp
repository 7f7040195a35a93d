#include "documents/ListeHomonymes.h"

#include <algorithm>

#include "commun/Texte.h"
#include "documents/AjustementNom.h"
#include "documents/ChoixConjoint.h"
#include "dates/DateFormat.h"

namespace lignara {

namespace {

constexpr std::size_t kLongueurDateMax = 9;

std::string dateCourte(const BaseGenealogique& base, std::uint32_t evenement) {
    if (evenement == 0) return {};
    const DateGed date = base.LireEvenement(evenement).date;
    std::string t = texteDate(date, FormatJourMois | FormatSymboles);
    // Couper « 1780 à 1785 » donnerait « 1780 à 17 », une date fausse : au-delà de la place,
    // la forme compacte sans jour ni mois (« 1780à1785 », « ~1850 ») tient presque toujours.
    if (t.size() > kLongueurDateMax) t = texteDate(date, FormatCompact | FormatSymboles);
    return t.substr(0, kLongueurDateMax);
}

}  // namespace

std::string titreHomonymes(const EtatSelection& etat) {
    if (etat.phonetique || etat.phonetiqueLarge) return "Plusieurs personnes peuvent correspondre :";
    if (etat.prenoms.empty()) return "Il y a plusieurs " + etat.nom + " :";
    return "Il y a plusieurs " + etat.prenoms + " " + etat.nom + " :";
}

std::uint32_t premierConjoint(const BaseGenealogique& base, std::uint32_t personne) {
    auto conjoints = conjointsPossibles(base, personne);
    return conjoints.empty() ? 0 : conjoints.front().conjoint;
}

std::string ligneHomonyme(const ContexteDocument& contexte, std::uint32_t personne, bool phonetique,
                          std::int32_t largeur) {
    const BaseGenealogique& b = *contexte.base;
    SelectionPersonne noms(contexte);
    Individu ind = b.LireIndividu(personne);
    const bool femme = ind.sexe == 'F';
    std::uint32_t conjoint = premierConjoint(b, personne);
    std::uint32_t parent = ind.pere != 0 ? ind.pere : ind.mere;

    std::string debut = (phonetique ? noms.nomDe(personne) + " " : "") + noms.prenomsDe(personne) + " : ";
    debut += "(" + dateCourte(b, ind.naissance) + "-" + dateCourte(b, ind.deces) + ")";
    std::string union_ =
        conjoint ? (femme ? " Epouse de " : " Epoux de ") : (femme ? " Non mariée"_1252 : " Non marié"_1252);
    std::string filiation = parent ? " et enfant de " : " et sans parents";

    int nombreNoms = (conjoint ? 1 : 0) + (parent ? 1 : 0);
    const MetriquePolice& police = contexte.polices.reguliere;
    std::int32_t fixe = largeurTexte(police, debut + union_ + filiation);
    std::int32_t parNom = nombreNoms ? std::max<std::int32_t>(0, (largeur - fixe) / nombreNoms) : 0;
    std::string ligne = debut + union_;
    if (conjoint) ligne += ajusterNom(parNom, noms.nomDe(conjoint), noms.prenomsDe(conjoint), police);
    ligne += filiation;
    if (parent) ligne += ajusterNom(parNom, noms.nomDe(parent), noms.prenomsDe(parent), police);
    return ligne;
}

std::string ligneDerniere(const ContexteDocument& contexte, const PersonneRecente& recente) {
    std::string ligne = recente.nom + " " + recente.prenoms;
    const BaseGenealogique& b = *contexte.base;
    if (recente.personne <= 0 || static_cast<std::uint32_t>(recente.personne) > b.nombreIndividus()) return ligne;
    const Individu ind = b.LireIndividu(static_cast<std::uint32_t>(recente.personne));
    if (ind.naissance == 0 && ind.deces == 0) return ligne;
    return ligne + " (" + dateCourte(b, ind.naissance) + "-" + dateCourte(b, ind.deces) + ")";
}

}  // namespace lignara
