#pragma once
// Import d'un GEDCOM écrit dans le test, et lectures courtes de la base obtenue.
#include <string>
#include <string_view>
#include <vector>

#include "FichierEssai.h"
#include "commun/Texte.h"
#include "database/VerificateurBase.h"
#include "gedcom/ImporterGedcom.h"

namespace lignara::essai {

inline ResultatImport importerTexte(std::string_view gedcom, const OptionsImport& options = {}) {
    FichierEssai f(gedcom);
    return ImporterGedcom(f.chemin(), options);
}

// Lignes du rapport, sans leurs CR LF.
inline std::vector<std::string> lignesRapport(const ResultatImport& r) {
    std::vector<std::string> lignes;
    std::string_view t = r.rapport;
    while (!t.empty()) {
        std::size_t fin = t.find("\r\n");
        lignes.emplace_back(t.substr(0, fin));
        t.remove_prefix(fin == std::string_view::npos ? t.size() : fin + 2);
    }
    return lignes;
}

inline std::string prenoms(const BaseGenealogique& b, std::uint32_t n) {
    return b.LireTexte(TablePrenoms, b.LireIndividu(n).prenoms);
}
inline std::string nom(const BaseGenealogique& b, std::uint32_t n) {
    return b.LireTexte(TableNoms, b.LireIndividu(n).nom);
}
inline std::string source(const BaseGenealogique& b, std::uint32_t ref, std::size_t capacite = 100) {
    return b.LireTexte(TableSources, ref, capacite);
}
// Lieu lisible d'un événement (sans le code de 3 octets).
inline std::string lieu(const BaseGenealogique& b, std::uint32_t evenement) {
    std::string t = b.LireTexte(TableLieux, b.LireEvenement(evenement).lieu);
    return t.size() >= 3 ? t.substr(3) : t;
}

inline std::vector<std::string> defautsBase(const ResultatImport& r) {
    return VerificateurBase::verifier(r.base.chemin());
}

}  // namespace lignara::essai
