#pragma once
// « Dernières personnes saisies » : la liste des personnes récentes du fichier ouvert, la plus
// récente d'abord, avec leurs dates (ListeHomonymes.h). Un double-clic ou OK choisit.
#include <cstdint>
#include <memory>

#include <QDialog>

#include "documents/ContexteDocument.h"
#include "documents/PersonnesRecentes.h"

namespace Ui {
class DialogueDerniers;
}

namespace lignara::gui {

class DialogueDerniers : public QDialog {
    Q_OBJECT
public:
    DialogueDerniers(const ContexteDocument& contexte, const PersonnesRecentes& recentes, QWidget* parent = nullptr);
    ~DialogueDerniers() override;

    // Personne choisie ; −1 quand le dialogue est annulé.
    static std::int32_t choisir(const ContexteDocument& contexte, const PersonnesRecentes& recentes, QWidget* parent);

private:
    std::unique_ptr<Ui::DialogueDerniers> ui_;
    const PersonnesRecentes& recentes_;
};

}  // namespace lignara::gui
