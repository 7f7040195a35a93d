#pragma once
// Validation des pages Web contre la DTD HTML 4.01 (onsgmls, paquets opensp et w3c-sgml-lib) ;
// sans le validateur, les essais se disent sautés.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "DossierEssai.h"

namespace lignara::essai {

inline constexpr const char* kCatalogueHtml = "/usr/share/xml/w3c-sgml-lib/schema/dtd/sgml.soc";

inline bool validateurHtmlPresent() {
    return std::system("command -v onsgmls >/dev/null 2>&1") == 0 && std::filesystem::exists(kCatalogueHtml);
}

// Messages du validateur ; vide quand la page est valide.
inline std::string erreursDeValidationHtml(const DossierEssai& d, const std::filesystem::path& page) {
    const auto rapport = d / "onsgmls.txt";
    const std::string commande = std::string("SP_CHARSET_FIXED=YES SP_ENCODING=ISO-8859-1 onsgmls -s -c ") +
                                 kCatalogueHtml + " '" + page.string() + "' >'" + rapport.string() + "' 2>&1";
    const int code = std::system(commande.c_str());
    std::string messages = lireFichier(rapport);
    if (code != 0 && messages.empty()) messages = "onsgmls a échoué sans message";
    return messages;
}

}  // namespace lignara::essai
