#pragma once
// Feuille « Préférences » à six pages : elle montre une copie des préférences et ne la rend,
// bornée, qu'après OK (configuration()). L'appelant l'enregistre dans « Config.dwa ».
#include <array>
#include <memory>

#include <QDialog>

#include "reglages/Configuration.h"

class QCheckBox;
class QLabel;

namespace Ui {
class DialoguePreferences;
}

namespace lignara::gui {

class DialoguePreferences : public QDialog {
    Q_OBJECT
public:
    // Pages, dans l'ordre des onglets.
    enum Page { kGeneral = 0, kMiseEnPage, kStyles, kDonnees, kAfficheurs, kSignature };

    DialoguePreferences(const Configuration& configuration, QWidget* parent = nullptr);
    ~DialoguePreferences() override;

    void montrerPage(Page page);
    const Configuration& configuration() const { return configuration_; }

    void accept() override;

    // Thèmes des arbres proposés par la page « Styles », par indice.
    static QStringList themes();

private:
    void remplirGeneral();
    void remplirMiseEnPage();
    void remplirStyles();
    void construireDonnees();
    void remplirAfficheurs();
    void remplirSignature();
    void relierChoix();
    void relierCouleur(QLabel* nuance, class QPushButton* bouton);
    void lireGeneral();
    void lireMiseEnPage();
    void lireStyles();
    void lireDonnees();
    void lireAfficheurs();
    void lireSignature();

    std::unique_ptr<Ui::DialoguePreferences> ui_;
    Configuration configuration_;
    std::array<std::array<QCheckBox*, 6>, 8> casesDonnees_{};
};

}  // namespace lignara::gui
