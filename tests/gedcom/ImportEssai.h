#pragma once
// Import d'un GEDCOM écrit dans le test, et lectures courtes de la base obtenue.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "FichierEssai.h"
#include "commun/Texte.h"
#include "database/VerificateurBase.h"
#include "gedcom/ImporterGedcom.h"
#include "support/Message.h"

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

// En-tête GEDCOM des textes d'essai.
inline const std::string kEnTete = "0 HEAD\n1 SOUR Essai\n1 CHAR UTF-8\n";

// Enfants de la fiche Famille, dans l'ordre de leur anneau de fratrie (100 au plus).
inline std::vector<std::uint32_t> enfants(const BaseGenealogique& b, std::uint32_t fiche) {
    std::vector<std::uint32_t> v;
    for (std::int32_t c = static_cast<std::int32_t>(b.LireFamille(fiche).premierEnfant); c > 0 && v.size() < 100;
         c = b.LireIndividu(static_cast<std::uint32_t>(c)).fratrie)
        v.push_back(static_cast<std::uint32_t>(c));
    return v;
}

inline std::vector<std::string> defautsBase(const ResultatImport& r) {
    return VerificateurBase::verifier(r.base.chemin());
}

// Import dont la base doit passer le vérificateur sans défaut.
inline ResultatImport importerSain(std::string_view gedcom, const OptionsImport& options = {}) {
    ResultatImport r = importerTexte(gedcom, options);
    EXPECT_EQ(defautsBase(r), std::vector<std::string>{});
    return r;
}

}  // namespace lignara::essai
