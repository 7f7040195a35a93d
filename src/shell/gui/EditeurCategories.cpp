#include "shell/gui/EditeurCategories.h"

#include <QKeyEvent>
#include <QMimeData>

namespace lignara::gui {

EditeurCategories::EditeurCategories(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabStopDistance(fontMetrics().horizontalAdvance(' ') * 4);
}

int EditeurCategories::tailleDe(const QString& texte) {
    return static_cast<int>(texte.size() + texte.count('\n') + texte.count(QChar::ParagraphSeparator));
}

int EditeurCategories::tailleEnregistree() const { return tailleDe(toPlainText()); }

void EditeurCategories::keyPressEvent(QKeyEvent* e) {
    QString ajout = e->text();
    if (e->key() == Qt::Key_Tab) ajout = "\t";
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) ajout = "\n";
    bool insere = (!ajout.isEmpty() && ajout.at(0).isPrint()) || ajout == "\t" || ajout == "\n";
    int remplace = tailleDe(textCursor().selectedText());
    if (insere && !(e->modifiers() & Qt::ControlModifier) && tailleDe(ajout) > place() + remplace) return;
    if (e->key() == Qt::Key_Tab) {
        insertPlainText("\t");
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void EditeurCategories::insertFromMimeData(const QMimeData* source) {
    QString texte = source->text();
    int reste = place() + tailleDe(textCursor().selectedText());
    while (!texte.isEmpty() && tailleDe(texte) > reste) texte.chop(std::max<qsizetype>(1, texte.size() - reste));
    if (!texte.isEmpty()) insertPlainText(texte);
}

}  // namespace lignara::gui
