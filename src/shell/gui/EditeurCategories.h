#pragma once
// Éditeur de la définition des catégories : la touche Tab y insère une tabulation (elle
// annonce un mot-clé), et le texte ne dépasse jamais ce que le fichier de définition peut
// tenir, 50 000 octets une fois chaque fin de ligne écrite CR LF.
#include <QPlainTextEdit>

namespace lignara::gui {

class EditeurCategories : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kLimiteOctets = 50000;

    explicit EditeurCategories(QWidget* parent = nullptr);

    // Taille du texte une fois enregistré (fins de ligne CR LF).
    int tailleEnregistree() const;

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int place() const { return kLimiteOctets - tailleEnregistree(); }
    static int tailleDe(const QString& texte);
};

}  // namespace lignara::gui
