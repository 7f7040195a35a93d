#include "shell/gui/BoiteMessage.h"

#include <QMessageBox>
#include <QPushButton>

#include "commun/Texte.h"

namespace lignara::gui {
namespace {
bool simule = false;
}

void BoiteMessage::simuler(bool actif) { simule = actif; }

QStringList& BoiteMessage::montres() {
    static QStringList textes;
    return textes;
}

std::deque<bool>& BoiteMessage::reponses() {
    static std::deque<bool> file;
    return file;
}

void BoiteMessage::informer(QWidget* parent, const QString& texte, const QString& titre) {
    if (simule) {
        montres().append(texte);
        return;
    }
    construire(parent, texte, titre, false)->exec();
}

std::unique_ptr<QMessageBox> BoiteMessage::construire(QWidget* parent, const QString& texte, const QString& titre,
                                                      bool question) {
    auto boutons = question ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok;
    auto boite = std::make_unique<QMessageBox>(QMessageBox::NoIcon, titre, texte, boutons, parent);
    boite->setObjectName(question ? "boiteQuestion" : "boiteMessage");
    if (question) boite->button(QMessageBox::Cancel)->setText("Annuler");
    return boite;
}

bool BoiteMessage::confirmer(QWidget* parent, const QString& texte) {
    if (simule) {
        montres().append(texte);
        if (reponses().empty()) return false;
        bool reponse = reponses().front();
        reponses().pop_front();
        return reponse;
    }
    return construire(parent, texte, QString(), true)->exec() == QMessageBox::Ok;
}

void BoiteMessage::informer1252(QWidget* parent, const char* texte1252) {
    informer(parent, QString::fromStdString(versUtf8(texte1252)));
}

}  // namespace lignara::gui
