#include "shell/gui/DialogueCategorie.h"

#include <optional>
#include <string>

#include "commun/EcritureFichier.h"
#include "commun/FichierEntree.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reference/CategorieDefinition.h"
#include "reference/Categories.h"
#include "shell/gui/Aide.h"
#include "shell/gui/BoiteMessage.h"
#include "ui_DialogueCategorie.h"

namespace lignara::gui {
namespace {

QString versEditeur(const std::string& texte1252) {
    QString t = QString::fromStdString(versUtf8(texte1252));
    t.remove('\r');
    return t;
}

std::string versFichier(const QString& texte) {
    QString t = texte;
    t.replace('\n', "\r\n");
    return depuisUtf8(t.toStdString());
}

}  // namespace

DialogueCategorie::DialogueCategorie(int genre, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::DialogueCategorie>()), genre_(genre) {
    ui_->setupUi(this);
    const Categories::Genre& g = Categories::genre(genre);
    ui_->intitule->setText("Définition des catégories " + QString::fromStdString(versUtf8(g.mot)));
    ui_->editeur->setPlainText(versEditeur(Categories::lireDefinition(genre)));
    connect(ui_->boutonOk, &QPushButton::clicked, this, &DialogueCategorie::accept);
    connect(ui_->boutonReinitialiser, &QPushButton::clicked, this, &DialogueCategorie::reinitialiser);
    connect(ui_->boutonAide, &QPushButton::clicked, this, [aide = QString(g.aide)] { Aide::ouvrirPage(aide); });
}

DialogueCategorie::~DialogueCategorie() = default;

void DialogueCategorie::reinitialiser() {
    if (!BoiteMessage::confirmer(this,
                                 "La liste va être réinitialisée avec la configuration par "
                                 "défaut de Lignara.\nVoulez-vous continuer ?"))
        return;
    auto reference = Categories::definitionReference(genre_);
    std::optional<std::string> texte = lireFichierEntier(reference, CategorieDefinition::kTailleMaximale);
    if (!texte) {
        BoiteMessage::informer(
            this,
            QString("Fichier %1 inaccessible\nRéinstaller Lignara").arg(QString::fromStdString(reference.string())));
        return;
    }
    ui_->editeur->setPlainText(versEditeur(*texte));
}

// Le texte est enregistré avant la compilation : une définition fautive n'est jamais perdue.
void DialogueCategorie::accept() {
    std::string texte = versFichier(ui_->editeur->toPlainText());
    auto chemin = Categories::definitionUtilisateur(genre_);
    try {
        ecrireFichier(chemin, texte);
    } catch (const OperationImpossible& e) {
        BoiteMessage::informer1252(this, e.what());
        return;
    }
    try {
        for (const std::string& avertissement : Categories::compiler(genre_, texte))
            BoiteMessage::informer1252(this, avertissement.c_str());
    } catch (const OperationImpossible& e) {
        if (e.aUnMessage()) BoiteMessage::informer1252(this, e.what());
        return;
    }
    QDialog::accept();
}

}  // namespace lignara::gui
