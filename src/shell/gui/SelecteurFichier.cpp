#include "shell/gui/SelecteurFichier.h"

#include <QColorDialog>
#include <QFileDialog>

namespace lignara::gui {
namespace {

bool simule = false;

QString reponseSuivante(const QString& titre) {
    SelecteurFichier::titres().append(titre);
    if (SelecteurFichier::reponses().empty()) return {};
    QString r = SelecteurFichier::reponses().front();
    SelecteurFichier::reponses().pop_front();
    return r;
}

}  // namespace

void SelecteurFichier::simuler(bool actif) { simule = actif; }

std::deque<QString>& SelecteurFichier::reponses() {
    static std::deque<QString> file;
    return file;
}

QStringList& SelecteurFichier::titres() {
    static QStringList liste;
    return liste;
}

QString SelecteurFichier::ouvrir(QWidget* parent, const QString& titre, const QString& depart,
                                 const QStringList& filtres) {
    if (simule) return reponseSuivante(titre);
    return QFileDialog::getOpenFileName(parent, titre, depart, filtres.join(";;"));
}

QString SelecteurFichier::enregistrer(QWidget* parent, const QString& titre, const QString& depart,
                                      const QStringList& filtres) {
    if (simule) return reponseSuivante(titre);
    return QFileDialog::getSaveFileName(parent, titre, depart, filtres.join(";;"));
}

QString SelecteurFichier::dossier(QWidget* parent, const QString& titre, const QString& depart) {
    if (simule) return reponseSuivante(titre);
    return QFileDialog::getExistingDirectory(parent, titre, depart);
}

QColor SelecteurFichier::couleur(QWidget* parent, const QColor& depart) {
    if (simule) {
        QString r = reponseSuivante("Couleur");
        return r.isEmpty() ? QColor() : QColor(r);
    }
    return QColorDialog::getColor(depart, parent);
}

}  // namespace lignara::gui
