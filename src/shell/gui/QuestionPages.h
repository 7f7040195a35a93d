#pragma once
// Question que la surface PDF pose quand un document dépasse 500 pages : « OK » continue,
// « Annuler » abandonne le document. Boîte possédée par la fenêtre donnée.
#include "render/SurfacePdf.h"

class QWidget;

namespace lignara::gui {

SurfacePdf::QuestionPages questionCinqCentsPages(QWidget* fenetre);

}  // namespace lignara::gui
