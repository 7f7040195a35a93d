#include "dates/DateFormat.h"

#include "commun/Texte.h"

namespace lignara {

namespace {

void ajouterPrefixe(std::string& t, std::uint8_t qualificatif, bool symboles) {
    switch (qualificatif) {
        case DateAvant: t += symboles ? "<" : "av "; break;
        case DateApres: t += symboles ? ">" : "ap "; break;
        case DateVers: t += symboles ? "~" : "ca "; break;
        default: break;
    }
}

}  // namespace

std::string texteDate(const DateGed& d, unsigned options) {
    const bool compact = options & FormatCompact;
    std::string t;
    if (d.qualificatif == DateEntre) {
        if (d.absente()) return t;
        t = std::to_string(d.premiereAnnee());
        t += compact ? "à"_1252 : " à "_1252;
        return t + std::to_string(d.annee);
    }
    if ((d.jour == 0 && d.mois == 0 && d.annee == 0) || (compact && d.annee == 0)) return t;
    ajouterPrefixe(t, d.qualificatif, options & FormatSymboles);
    if (options & FormatJourMois) {
        if (d.jour != 0) {
            t += std::to_string(d.jour);
            if (d.mois != 0) t += '.';
        }
        if (d.mois != 0) {
            t += std::to_string(d.mois);
            if (d.annee != 0) t += '.';
        }
    }
    if (d.annee != 0) t += std::to_string(d.annee);
    return t;
}

DateFormatee FormaterDate(const DateGed& date, unsigned options, std::int32_t largeurLimite,
                          const MetriquePolice& police) {
    DateFormatee f{texteDate(date, options), 0};
    f.largeur = largeurTexte(police, f.texte);
    if (f.largeur > largeurLimite) {
        f.texte = "..";
        f.largeur = largeurTexte(police, f.texte);
    }
    return f;
}

}  // namespace lignara
