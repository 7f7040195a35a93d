#include "parente/NomAffiche.h"

#include "commun/Texte.h"
#include "dates/DateFormat.h"

namespace lignara {

std::string nomAffiche(const std::string& nom, const std::string& prenoms, std::uint32_t personne) {
    if (nom.empty() && prenoms.empty()) return "(sans nom, n° "_1252 + std::to_string(personne) + ")";
    if (nom.empty()) return prenoms;
    if (prenoms.empty()) return nom;
    return prenoms + ' ' + nom;
}

std::string nomAffiche(const BaseGenealogique& base, std::uint32_t personne) {
    Individu i = base.LireIndividu(personne);
    return nomAffiche(base.LireTexte(TableNoms, i.nom), base.LireTexte(TablePrenoms, i.prenoms), personne);
}

std::string texteNaissance(const BaseGenealogique& base, std::uint32_t personne) {
    std::uint32_t e = base.LireIndividu(personne).naissance;
    if (e == 0) return "sans date de naissance";
    DateGed d = base.LireEvenement(e).date;
    if (d.absente()) return "sans date de naissance";
    return "né(e) "_1252 + texteDate(d, FormatJourMois);
}

}  // namespace lignara
