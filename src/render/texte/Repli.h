#pragma once
// Repli d'un paragraphe de segments à une largeur donnée, aux blancs : chaque ligne repliée est
// une suite de morceaux (segment, début, fin). Un mot plus large que la ligne y est laissé seul,
// entier. Les blancs qui terminent une ligne repliée sont retirés, ceux qui ouvrent la suivante
// aussi. Le texte brut mesure en caractères, le PDF en unités de dessin : la mesure est donnée.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "render/texte/Redaction.h"

namespace lignara {

struct MorceauRepli {
    std::size_t segment = 0;
    std::size_t debut = 0;  // octets dans le texte du segment
    std::size_t fin = 0;
};

using LigneRepliee = std::vector<MorceauRepli>;

// mesurer(segment, texte) : largeur d'un bout de texte de ce segment. largeurPremiere et
// largeurSuite : place de la première ligne et des suivantes (au moins 1).
std::vector<LigneRepliee> replier(std::span<const Segment> segments, std::int64_t largeurPremiere,
                                  std::int64_t largeurSuite,
                                  const std::function<std::int64_t(const Segment&, std::string_view)>& mesurer);

}  // namespace lignara
