#pragma once
// Les deux dialogues des favoris : « Favoris » (DIALOG_GESTION_FAVORI), la liste à ranger, et
// « Favori » (DIALOG_MODIF_FAVORI), le nom et le type d'un favori. Tous deux travaillent sur
// une copie : fermer sans OK ne change rien à la liste du fichier ni au menu.
#include <functional>
#include <string>
#include <vector>

#include <QDialog>

#include "reglages/Favori.h"

class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace lignara::gui {

class DialogueModifFavori : public QDialog {
    Q_OBJECT
public:
    // autres : les autres favoris de la liste, dont le nom ne peut être repris.
    DialogueModifFavori(const Favori& favori, std::vector<Favori> autres, QWidget* parent = nullptr);

    // Le favori avec le nom et le type choisis ; ses paramètres sont ceux d'avant le dialogue.
    const Favori& favori() const { return favori_; }

    void accept() override;

private:
    void mettreAJour();

    Favori favori_;
    std::vector<Favori> autres_;
    QRadioButton* radioFavori_;
    QRadioButton* radioSeparateur_;
    QLineEdit* nom_;
    QComboBox* types_;
    QDialogButtonBox* boutons_;
};

class DialogueGestionFavoris : public QDialog {
    Q_OBJECT
public:
    // modification : « Modifier favori » sur un favori, avec les autres favoris de la liste ; vrai
    // quand il est accepté.
    using Modification = std::function<bool(Favori& favori, const std::vector<Favori>& autres)>;
    DialogueGestionFavoris(std::vector<Favori> favoris, Modification modification, QWidget* parent = nullptr);

    // La liste telle que le dialogue l'a laissée ; à prendre seulement après OK.
    const std::vector<Favori>& favoris() const { return favoris_; }

private:
    void remplir(int selection);
    void mettreAJourBoutons();
    int selection() const;
    std::vector<Favori> autresQue(int indice) const;

    void monter();
    void descendre();
    void ajouter();
    void modifier();
    void supprimer();

    std::vector<Favori> favoris_;
    Modification modifier_;
    QListWidget* liste_;
    QPushButton* monter_;
    QPushButton* descendre_;
    QPushButton* ajouter_;
    QPushButton* boutonModifier_;
    QPushButton* supprimer_;
};

}  // namespace lignara::gui
