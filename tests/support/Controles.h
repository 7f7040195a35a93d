#pragma once
// Contrôles des fichiers écrits par des outils du système : qpdf pour les PDF, onsgmls et la DTD
// HTML 4.01 (paquets opensp et w3c-sgml-lib) pour les pages Web. Quand l'outil manque, l'essai
// est dit sauté avec le nom de l'outil, jamais réussi en silence.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/Programme.h"

namespace lignara::essai {

inline constexpr const char* kCatalogueHtml = "/usr/share/xml/w3c-sgml-lib/schema/dtd/sgml.soc";

inline bool validateurHtmlPresent() { return outilPresent("onsgmls") && std::filesystem::exists(kCatalogueHtml); }

// Messages du validateur ; vide quand la page est valide.
inline std::string erreursDeValidationHtml(const std::filesystem::path& page) {
    const SortieProgramme s =
        executerCommande(std::string("SP_CHARSET_FIXED=YES SP_ENCODING=ISO-8859-1 onsgmls -s -c ") + kCatalogueHtml +
                         " " + cite(page.string()));
    if (s.code != 0 && s.texte.empty()) return "onsgmls a échoué sans message";
    return s.texte;
}

// qpdf --check accepte le fichier, sans avertissement.
inline void controlerPdf(const std::filesystem::path& pdf) {
    if (!outilPresent("qpdf")) GTEST_SKIP() << "qpdf absent : " << pdf.filename() << " non contrôlé";
    const SortieProgramme s = executerCommande("qpdf --check " + cite(pdf.string()));
    EXPECT_EQ(s.code, 0) << pdf << "\n" << s.texte;
    EXPECT_EQ(s.texte.find("WARNING"), std::string::npos) << pdf << "\n" << s.texte;
}

// La page valide contre la DTD HTML 4.01.
inline void controlerPageHtml(const std::filesystem::path& page) {
    if (!validateurHtmlPresent())
        GTEST_SKIP() << "onsgmls ou w3c-sgml-lib absent : " << page.filename() << " non validée";
    EXPECT_EQ(erreursDeValidationHtml(page), "") << page;
}

}  // namespace lignara::essai
