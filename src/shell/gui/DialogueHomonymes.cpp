#include "shell/gui/DialogueHomonymes.h"

#include <QFontMetrics>
#include <QPushButton>

#include "documents/ListeHomonymes.h"
#include "shell/gui/ExecutionDialogue.h"
#include "shell/gui/TexteQt.h"
#include "ui_DialogueHomonymes.h"

namespace lignara::gui {

namespace {

// Largeur d'une ligne en unités de dessin à 10 points (celles dont le noyau ajuste les noms) :
// la largeur de la liste, moins sa marge, à l'échelle d'un même texte mesuré dans les deux
// polices ; sans mesure possible, environ 11 unités par pixel (9 points à 96 points par pouce).
std::int32_t largeurLigne(const QListWidget& liste, const MetriquePolice& police) {
    const int pixels = liste.minimumWidth() - 24;
    const char* echantillon = "BERTHELOT Jean-Marie : (5.6.1825-12.1.1890) Epoux de DUMAS";
    const int pixelsEchantillon = liste.fontMetrics().horizontalAdvance(QString::fromLatin1(echantillon));
    const std::int32_t unites = largeurTexte(police, echantillon);
    if (pixelsEchantillon <= 0 || unites <= 0) return pixels * 11;
    return static_cast<std::int32_t>(static_cast<std::int64_t>(pixels) * unites / pixelsEchantillon);
}

}  // namespace

DialogueHomonymes::DialogueHomonymes(const ContexteDocument& contexte, const EtatSelection& etat,
                                     std::vector<std::uint32_t> candidats, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::DialogueHomonymes>()), candidats_(std::move(candidats)) {
    ui_->setupUi(this);
    ui_->boutons->button(QDialogButtonBox::Cancel)->setText("Annuler");
    ui_->titreListe->setText(versQt(titreHomonymes(etat)));
    std::int32_t largeur = largeurLigne(*ui_->listeHomonymes, contexte.polices.reguliere);
    for (std::uint32_t p : candidats_)
        ui_->listeHomonymes->addItem(versQt(ligneHomonyme(contexte, p, etat.phonetique, largeur)));
    ui_->listeHomonymes->setCurrentRow(0);
    connect(ui_->listeHomonymes, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

DialogueHomonymes::~DialogueHomonymes() = default;

std::int32_t DialogueHomonymes::choisie() const {
    int ligne = ui_->listeHomonymes->currentRow();
    if (ligne < 0 || static_cast<std::size_t>(ligne) >= candidats_.size()) return -1;
    return static_cast<std::int32_t>(candidats_[static_cast<std::size_t>(ligne)]);
}

std::int32_t DialogueHomonymes::choisir(const ContexteDocument& contexte, const EtatSelection& etat,
                                        std::vector<std::uint32_t> candidats, QWidget* parent) {
    DialogueHomonymes dialogue(contexte, etat, std::move(candidats), parent);
    if (ExecutionDialogue::executer(dialogue) != QDialog::Accepted) return -1;
    return dialogue.choisie();
}

}  // namespace lignara::gui
