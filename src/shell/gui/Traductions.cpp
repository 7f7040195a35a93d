#include "shell/gui/Traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lignara::gui {

bool installerTraductionsQt(QCoreApplication& application) {
    const QLocale francais(QLocale::French, QLocale::France);
    // Les dialogues de Qt (dates, nombres) suivent aussi le français.
    QLocale::setDefault(francais);
    auto* traduction = new QTranslator(&application);
    // « qt_fr » réunit qtbase_fr et les modules qui en ont une.
    if (!traduction->load(francais, "qt", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduction;
        return false;
    }
    return QCoreApplication::installTranslator(traduction);
}

}  // namespace lignara::gui
