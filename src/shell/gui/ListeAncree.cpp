#include "shell/gui/ListeAncree.h"

#include <map>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

#include "documents/Afficheur.h"
#include "shell/gui/CommandesMenus.h"
#include "shell/gui/ModeleListePersonnes.h"

namespace lignara::gui {

ListeAncree::ListeAncree(QWidget* parent) : QDockWidget("Personnes", parent) {
    setObjectName("listeAncree");
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    auto* contenu = new QWidget(this);
    filtre_ = new QLineEdit(contenu);
    filtre_->setObjectName("filtrePersonnes");
    filtre_->setPlaceholderText("Filtrer par nom ou prénom");
    filtre_->setClearButtonEnabled(true);
    phonetique_ = new QCheckBox("Phonétique", contenu);
    phonetique_->setObjectName("filtrePhonetique");
    vue_ = new QTableView(contenu);
    vue_->setObjectName("tablePersonnes");
    vue_->setSelectionBehavior(QAbstractItemView::SelectRows);
    vue_->setSelectionMode(QAbstractItemView::SingleSelection);
    vue_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vue_->setContextMenuPolicy(Qt::CustomContextMenu);
    vue_->verticalHeader()->hide();
    // Hauteur fixe : la vue ne mesure aucune ligne hors de l'écran (un million se défilent).
    vue_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    vue_->verticalHeader()->setDefaultSectionSize(vue_->fontMetrics().height() + 6);
    vue_->horizontalHeader()->setStretchLastSection(true);
    vue_->setWordWrap(false);

    auto* haut = new QHBoxLayout;
    haut->addWidget(filtre_, 1);
    haut->addWidget(phonetique_);
    auto* disposition = new QVBoxLayout(contenu);
    disposition->setContentsMargins(2, 2, 2, 2);
    disposition->addLayout(haut);
    disposition->addWidget(vue_);
    setWidget(contenu);

    connect(filtre_, &QLineEdit::textChanged, this, &ListeAncree::filtrer);
    connect(phonetique_, &QCheckBox::toggled, this, &ListeAncree::filtrer);
    connect(vue_, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (modele_ && i.isValid()) emit personneChoisie(modele_->personne(i.row()));
    });
    connect(vue_, &QWidget::customContextMenuRequested, this, [this](const QPoint& point) {
        const QModelIndex i = vue_->indexAt(point);
        if (!i.isValid()) return;
        if (QMenu* m = menuPour(i.row())) m->popup(vue_->viewport()->mapToGlobal(point));
    });
}

void ListeAncree::attacher(const BaseGenealogique& base, const IndexNoms& index,
                           std::function<const IndexNomsLarges&()> larges) {
    detacher();
    modele_ =
        new ModeleListePersonnes(base, index, ModeleListePersonnes::Forme::Colonnes, nullptr, this, std::move(larges));
    vue_->setModel(modele_);
    vue_->setColumnWidth(0, 130);
    vue_->setColumnWidth(1, 130);
    vue_->setColumnWidth(2, 70);
    vue_->setColumnWidth(3, 70);
    vue_->setColumnWidth(4, 130);
    filtrer();
}

void ListeAncree::detacher() {
    delete menu_;
    menu_ = nullptr;
    vue_->setModel(nullptr);
    delete modele_;
    modele_ = nullptr;
}

void ListeAncree::relire() {
    if (modele_) modele_->relire();
}

void ListeAncree::filtrer() {
    if (modele_) modele_->filtrer(filtre_->text(), phonetique_->isChecked());
}

// Les documents disponibles, rangés comme dans la barre d'outils ; les favoris n'y sont pas.
QMenu* ListeAncree::menuPour(int ligne) {
    if (!modele_ || ligne < 0 || ligne >= modele_->rowCount()) return nullptr;
    const std::uint32_t personne = modele_->personne(ligne);
    delete menu_;
    menu_ = new QMenu(this);
    menu_->setObjectName("menuPersonne");
    QAction* fiche = menu_->addAction("Consulter la fiche");
    connect(fiche, &QAction::triggered, this, [this, personne] { emit personneChoisie(personne); });
    menu_->addSeparator();
    for (const MenuDocuments& menu : menusDocuments()) {
        QMenu* sous = nullptr;
        std::map<QString, QMenu*> sousMenus;
        for (const ElementMenuDocument& e : menu.elements) {
            const Afficheur* type = e.typeDocument ? afficheurDeCode(e.typeDocument) : nullptr;
            if (!type || !type->disponible()) continue;
            if (!sous) sous = menu_->addMenu(menu.titre);
            QMenu* cible = sous;
            if (e.sousMenu) {
                QMenu*& s = sousMenus[e.sousMenu];
                if (!s) s = sous->addMenu(e.sousMenu);
                cible = s;
            }
            QAction* a = cible->addAction(e.texte);
            a->setObjectName(QString("document%1").arg(e.identifiant));
            const int commande = e.identifiant;
            connect(a, &QAction::triggered, this,
                    [this, commande, personne] { emit documentDemande(commande, personne); });
        }
    }
    return menu_;
}

}  // namespace lignara::gui
