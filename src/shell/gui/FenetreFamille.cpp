#include "shell/gui/FenetreFamille.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/gui/Consultation.h"
#include "shell/gui/TexteQt.h"

namespace lignara::gui {

namespace {

QLabel* texte(QWidget* parent, const QString& t, const QString& nom) {
    auto* l = new QLabel(t, parent);
    l->setObjectName(nom);
    l->setTextFormat(Qt::PlainText);  // un texte du GEDCOM n'est jamais du HTML
    return l;
}

std::string avecSource(const std::string& t, const std::string& source) {
    if (t.empty() || source.empty()) return t;
    return t + " (source : " + source + ")";
}

}  // namespace

std::string texteEvenementFamille(const EvenementConsulte& e) {
    if (!e.connu()) return {};
    std::string date = avecSource(e.date, e.sourceDate);
    // Sans date, la source de l'événement reste dite devant le lieu : aucune autre fenêtre ne la montre.
    if (e.date.empty() && !e.sourceDate.empty()) date = "(source : " + e.sourceDate + ")";
    const std::string lieu = avecSource(e.lieu, e.sourceLieu);
    if (date.empty() || lieu.empty()) return date + lieu;
    return date + " " + lieu;
}

FenetreFamille::FenetreFamille(const std::string& titre1252, const std::vector<FamilleConsultee>& familles,
                               Consultation& consultation, QWidget* parent)
    : QDialog(parent) {
    setObjectName("dialogueConsultFamille");
    setWindowTitle("Famille de " + versQt(titre1252));
    setModal(false);
    auto* disposition = new QVBoxLayout(this);
    Consultation* c = &consultation;
    if (familles.empty()) disposition->addWidget(texte(this, "Aucune famille connue", "aucuneFamille"));
    for (std::size_t i = 0; i < familles.size(); ++i) {
        const FamilleConsultee& f = familles[i];
        const QString n = QString::number(i + 1);
        auto* bloc = new QGroupBox(this);
        bloc->setObjectName("famille" + n);
        auto* lignes = new QFormLayout(bloc);
        if (f.conjoint.numero) {
            auto* conjoint = new QPushButton(versQt(f.conjoint.nom), bloc);
            conjoint->setObjectName("conjoint" + n);
            conjoint->setAutoDefault(false);
            const std::uint32_t p = f.conjoint.numero;
            connect(conjoint, &QPushButton::clicked, this, [c, p] { c->ouvrirPersonne(p); });
            lignes->addRow("Conjoint :", conjoint);
        } else {
            lignes->addRow("Conjoint :", texte(bloc, "Conjoint inconnu", "conjoint" + n));
        }
        const std::string mariage = texteEvenementFamille(f.mariage);
        lignes->addRow(
            "Mariage :",
            texte(bloc, f.mariageConnu && !mariage.empty() ? versQt(mariage) : "Mariage inconnu", "mariage" + n));
        if (f.divorce) {
            const std::string divorce = texteEvenementFamille(f.divorceEvenement);
            if (divorce.empty())
                lignes->addRow(texte(bloc, "Divorce", "divorce" + n));
            else
                lignes->addRow("Divorce :", texte(bloc, versQt(divorce), "divorce" + n));
        }
        if (f.enfants.empty()) {
            lignes->addRow("Enfants :", texte(bloc, "Sans descendance", "enfants" + n));
        } else {
            auto* enfants = new QComboBox(bloc);
            enfants->setObjectName("enfants" + n);
            for (const PersonneCitee& e : f.enfants) enfants->addItem(versQt(e.nom), QVariant::fromValue(e.numero));
            connect(enfants, &QComboBox::activated, this,
                    [c, enfants](int choisi) { c->ouvrirPersonne(enfants->itemData(choisi).value<std::uint32_t>()); });
            lignes->addRow("Enfants :", enfants);
        }
        disposition->addWidget(bloc);
    }
    disposition->addStretch();
    resize(440, 0);
}

}  // namespace lignara::gui
