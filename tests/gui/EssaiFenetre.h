#pragma once
// Outils communs des tests de la fenêtre : remise à zéro des coutures, fichiers d'essai.
#include <unistd.h>
#include <filesystem>
#include <string>

#include <QDialog>

#include "shell/gui/BoiteMessage.h"
#include "shell/gui/ExecutionDialogue.h"
#include "shell/gui/SelecteurFichier.h"

namespace essai {

inline std::string exempleLivre() {
    return std::string(LIGNARA_DOSSIER_SOURCES) + "/data/exemples/famille-exemple.ged";
}

// Coutures vidées, dialogues refermés par Annuler sauf avis contraire.
inline void remettreAZero() {
    lignara::gui::BoiteMessage::montres().clear();
    lignara::gui::BoiteMessage::reponses().clear();
    lignara::gui::SelecteurFichier::reponses().clear();
    lignara::gui::SelecteurFichier::titres().clear();
    lignara::gui::ExecutionDialogue::simulation() = [](QDialog&) { return int(QDialog::Rejected); };
}

// Dossier temporaire propre à un test, effacé à la fin.
struct DossierTemporaire {
    std::filesystem::path chemin;
    explicit DossierTemporaire(const std::string& nom)
        : chemin(std::filesystem::temp_directory_path() / ("lignara-gui-" + nom + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(chemin);
        std::filesystem::create_directories(chemin);
    }
    ~DossierTemporaire() { std::filesystem::remove_all(chemin); }
};

}  // namespace essai
