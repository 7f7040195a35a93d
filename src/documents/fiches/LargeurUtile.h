#pragma once
// Largeur où les fiches et le trombinoscope rangent leurs photos : la largeur de la page du
// papier moins les marges ; sans pagination, celle d'une page A4 portrait (9072 unités) moins
// les marges, que le RTF prend aussi. Au moins 1.
#include <cstdint>

#include "render/ReglagesDessin.h"

namespace lignara {

std::int32_t largeurUtile(const ReglagesDessin& dessin);

}  // namespace lignara
