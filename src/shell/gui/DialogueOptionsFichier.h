#pragma once
// « Options du fichier ouvert » : personne « Moi » et contenu du champ « Commentaire ». Le
// dialogue travaille sur une copie ; reglages() n'a les nouvelles valeurs qu'après OK.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QDialog>

#include "reglages/ReglagesFichier.h"

namespace Ui {
class DialogueOptionsFichier;
}

namespace lignara::gui {

class DialogueOptionsFichier : public QDialog {
    Q_OBJECT
public:
    // choisirMoi : sélection de la personne « Moi » (rien : annulée) ; vide, « Modifier... »
    // reste grisé.
    // nommerMoi : nom lisible de la personne « Moi » tirée de la base ; vide, celui des clés
    // rangées (nomDeReferenceMoi).
    using ChoixMoi = std::function<std::optional<ReferenceMoi>()>;
    using NomMoi = std::function<QString(const ReferenceMoi&)>;
    DialogueOptionsFichier(const ReglagesFichier& reglages, const QString& nomFichier, QWidget* parent = nullptr,
                           ChoixMoi choisirMoi = {}, NomMoi nommerMoi = {});
    ~DialogueOptionsFichier() override;

    const ReglagesFichier& reglages() const { return reglages_; }

    void accept() override;

private:
    void mettreAJourOk();
    std::string tagSaisi() const;

    std::unique_ptr<Ui::DialogueOptionsFichier> ui_;
    ReglagesFichier reglages_;
};

// Nom lisible d'une personne « Moi » rangée par clé : « NOM Prénoms (jj/mm/aaaa) », la date
// réduite à ce qu'on en sait (« (1947) », « (03/1947) »), sans parenthèses sans date.
QString nomDeReferenceMoi(const ReferenceMoi& moi);
// La date seule, avec son espace et ses parenthèses : « (1947) » ; vide sans année.
QString dateDeReferenceMoi(const ReferenceMoi& moi);

}  // namespace lignara::gui
