#include "shell/gui/DocumentsFenetre.h"

namespace lignara::gui {

// Aucun type de document n'a encore sa mise en page : le cadre des documents s'y branchera.
bool lancerDocument(int, FichierOuvertFenetre&, QWidget*) { return false; }

}  // namespace lignara::gui
