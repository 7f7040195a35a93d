#pragma once
// Les sept tables de chaînes de la base, dans l'ordre où elles se suivent dans le fichier.
#include <cstdint>

namespace lignara {

enum TableTexte : std::uint8_t {
    TableNoms = 0,
    TablePrenoms,
    TableLieux,
    TableProfessions,
    TableCommentaires,
    TablePhotos,
    TableSources,
};

inline constexpr int kNombreTablesTexte = 7;

}  // namespace lignara
