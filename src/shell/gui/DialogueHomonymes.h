#pragma once
// « Choix entre des homonymes » : une ligne par candidat (naissance, décès, conjoint, parent),
// textes du noyau (ListeHomonymes). Un double-clic ou OK choisit ; fermer annule la sélection.
#include <cstdint>
#include <memory>
#include <vector>

#include <QDialog>

#include "documents/SelectionPersonne.h"

namespace Ui {
class DialogueHomonymes;
}

namespace lignara::gui {

class DialogueHomonymes : public QDialog {
    Q_OBJECT
public:
    DialogueHomonymes(const ContexteDocument& contexte, const EtatSelection& etat, std::vector<std::uint32_t> candidats,
                      QWidget* parent = nullptr);
    ~DialogueHomonymes() override;

    // Personne de la ligne choisie ; −1 sans ligne.
    std::int32_t choisie() const;

    // Candidats montrés et choisis de la même façon, dialogue compris : −1 quand il est fermé.
    static std::int32_t choisir(const ContexteDocument& contexte, const EtatSelection& etat,
                                std::vector<std::uint32_t> candidats, QWidget* parent);

private:
    std::unique_ptr<Ui::DialogueHomonymes> ui_;
    std::vector<std::uint32_t> candidats_;
};

}  // namespace lignara::gui
