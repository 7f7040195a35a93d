#pragma once
// La seule routine de message de la fenêtre : une boîte possédée par la fenêtre principale,
// titre vide, un bouton OK (ou OK/Annuler pour une question). Textes UTF-8.
//
// Couture de test : en mode simulé, rien ne s'affiche ; chaque texte est noté dans montres()
// et chaque question prend la réponse suivante de reponses() (Annuler quand il n'y en a plus).
#include <deque>
#include <memory>

#include <QString>
#include <QStringList>

class QMessageBox;
class QWidget;

namespace lignara::gui {

class BoiteMessage {
public:
    static void informer(QWidget* parent, const QString& texte, const QString& titre = {});
    // Vrai pour OK.
    static bool confirmer(QWidget* parent, const QString& texte);
    // Texte Windows-1252 d'une exception du noyau.
    static void informer1252(QWidget* parent, const char* texte1252);

    // La boîte telle qu'elle s'affiche (pour la capture des fenêtres).
    static std::unique_ptr<QMessageBox> construire(QWidget* parent, const QString& texte, const QString& titre,
                                                   bool question);

    static void simuler(bool actif);
    static QStringList& montres();
    static std::deque<bool>& reponses();
};

}  // namespace lignara::gui
