#pragma once
// Les textes propres à Qt (sélecteur de fichiers, choix des couleurs, boutons standard, menus
// contextuels) en français, quelle que soit la langue du système : la traduction de Qt livrée
// par la distribution (paquet qt6-translations-l10n), prise dans son dossier de traductions.
class QCoreApplication;

namespace lignara::gui {

// Faux quand la traduction est introuvable : Qt reste alors en anglais, sans autre effet.
bool installerTraductionsQt(QCoreApplication& application);

}  // namespace lignara::gui
