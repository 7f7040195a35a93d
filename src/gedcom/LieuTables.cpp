#include "gedcom/LieuTables.h"

#include "gedcom/LieuRecherche.h"

// Les tables elles-mêmes (tableLieuPays, tableLieuRegions, tableLieuTroisLettres,
// tableLieuSubdivisions) sont produites à la construction depuis data/Lieux/.

namespace lignara {

std::optional<CodePays> chercherPays(std::string_view cle) {
    const auto* ligne = lieux::chercherParCle(tableLieuPays(), cle);
    if (!ligne) return std::nullopt;
    return ligne->code;
}

bool estRegionFrancaise(std::string_view cle) { return lieux::chercherParCle(tableLieuRegions(), cle) != nullptr; }

std::optional<CodePays> chercherCodeTroisLettres(std::string_view sigle) {
    const auto* ligne = lieux::chercherParCle(tableLieuTroisLettres(), sigle);
    if (!ligne) return std::nullopt;
    return ligne->code;
}

std::string_view nomPays(CodePays pays) {
    for (const auto& l : tableNomsPays())
        if (l.code == pays) return l.nom;
    return {};
}

std::string_view nomSubdivision(CodePays pays, std::uint8_t code) {
    for (const auto& l : tableNomsSubdivisions(pays))
        if (l.code == code) return l.nom;
    return {};
}

std::uint16_t chercherSubdivision(CodePays pays, std::string_view cle) {
    const auto* ligne = lieux::chercherParCle(tableLieuSubdivisions(pays), cle);
    return ligne ? ligne->code : 0;
}

}  // namespace lignara
