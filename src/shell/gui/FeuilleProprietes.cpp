#include "shell/gui/FeuilleProprietes.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "shell/gui/ExecutionDialogue.h"
#include "shell/gui/PageCoupes.h"

namespace lignara::gui {

FeuilleProprietes::FeuilleProprietes(const Afficheur& type, EmplacementsOptions& emplacements,
                                     EnvironnementSelection& environnement, const ListesPage& listes, QWidget* parent)
    : QDialog(parent) {
    setObjectName("feuilleProprietes");
    setWindowTitle(QString::fromUtf8(titreFeuille(type)));
    auto* disposition = new QVBoxLayout(this);
    onglets_ = new QTabWidget(this);
    onglets_->setObjectName("onglets");
    disposition->addWidget(onglets_);
    for (const PageOptions& page : pagesOptions(type)) {
        pages_.push_back(new PagePremiere(page, type, emplacements, listes, onglets_));
        onglets_->addTab(pages_.back(), QString::fromUtf8(page.onglet));
    }
    if (emplacements.avecCoupes) {
        coupes_ = new PageCoupes(emplacements, environnement, QString::fromUtf8(invitationCoupes(type)), onglets_);
        onglets_->addTab(coupes_, "Coupes");
    }
    if (emplacements.avecReports) {
        reports_ =
            PageCoupes::pageReports(emplacements, environnement, QString::fromUtf8(invitationReports(type)), onglets_);
        onglets_->addTab(reports_, "Reports");
    }
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->setObjectName("boutons");
    boutons->button(QDialogButtonBox::Cancel)->setText("Annuler");
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    disposition->addWidget(boutons);
}

void FeuilleProprietes::accept() {
    for (PagePremiere* page : pages_)
        if (!page->datesCorrectes()) return;
    for (PagePremiere* page : pages_) page->valider();
    if (coupes_) coupes_->valider();
    if (reports_) reports_->valider();
    QDialog::accept();
}

bool FeuilleProprietes::modifier(Document& document, EnvironnementSelection& environnement, const ListesPage& listes,
                                 QWidget* parent) {
    EmplacementsOptions emplacements = versEmplacements(document);
    if (pagesOptions(document.type()).empty() && !emplacements.avecCoupes && !emplacements.avecReports) return true;
    FeuilleProprietes feuille(document.type(), emplacements, environnement, listes, parent);
    if (ExecutionDialogue::executer(feuille) != QDialog::Accepted) return false;
    depuisEmplacements(emplacements, document, environnement.contexte.base->nombreIndividus());
    return true;
}

}  // namespace lignara::gui
