#pragma once
// Exécution modale des dialogues de la fenêtre, derrière une couture de test : quand
// simulation() est donnée, elle reçoit le dialogue prêt (remplissable, capturable) et rend
// son résultat (QDialog::Accepted ou Rejected) au lieu d'attendre l'utilisateur.
#include <functional>

class QDialog;

namespace lignara::gui {

class ExecutionDialogue {
public:
    static int executer(QDialog& dialogue);
    static std::function<int(QDialog&)>& simulation();
};

}  // namespace lignara::gui
