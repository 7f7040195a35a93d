#pragma once
// Passage des textes du noyau (Windows-1252) à Qt (UTF-16) et retour.
#include <string>

#include <QString>

#include "commun/Texte.h"

namespace lignara::gui {

inline QString versQt(const std::string& texte1252) { return QString::fromStdString(versUtf8(texte1252)); }
inline std::string depuisQt(const QString& texte) { return depuisUtf8(texte.toStdString()); }

}  // namespace lignara::gui
