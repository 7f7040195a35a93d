#include "shell/gui/ModeleListePersonnes.h"

#include "shell/gui/TexteQt.h"

namespace lignara::gui {

namespace {

const char* const kEntetes[] = {"Nom", "Prénoms", "Naissance", "Décès", "Lieu de naissance", "Lieu de décès"};

}  // namespace

ModeleListePersonnes::ModeleListePersonnes(const BaseGenealogique& base, const IndexNoms& index, Forme forme,
                                           const TablesDerivees* tables, QObject* parent,
                                           ListePersonnes::ClesLarges larges)
    : QAbstractTableModel(parent),
      liste_(std::make_unique<ListePersonnes>(base, index, std::move(larges))),
      forme_(forme),
      tables_(tables) {}

int ModeleListePersonnes::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(liste_->taille());
}

int ModeleListePersonnes::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return forme_ == Forme::Colonnes ? static_cast<int>(std::size(kEntetes)) : 1;
}

QVariant ModeleListePersonnes::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const auto ligne = static_cast<std::size_t>(index.row());
    if (role == kRolePersonne) return QVariant::fromValue(liste_->personne(ligne));
    if (role != Qt::DisplayRole) return {};
    if (forme_ == Forme::Entrees) return versQt(liste_->texteEntree(ligne, tables_));
    const LignePersonne& l = liste_->ligne(ligne);
    switch (index.column()) {
        case 0: return versQt(l.nom);
        case 1: return versQt(l.prenoms);
        case 2: return versQt(l.anneeNaissance);
        case 3: return versQt(l.anneeDeces);
        case 4: return versQt(l.lieuNaissance);
        case 5: return versQt(l.lieuDeces);
        default: return {};
    }
}

QVariant ModeleListePersonnes::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || forme_ != Forme::Colonnes) return {};
    if (section < 0 || section >= static_cast<int>(std::size(kEntetes))) return {};
    return QString::fromUtf8(kEntetes[section]);
}

void ModeleListePersonnes::filtrer(const QString& texte, bool phonetique) {
    beginResetModel();
    liste_->filtrer(depuisQt(texte), phonetique);
    endResetModel();
}

int ModeleListePersonnes::premiereEntree(const QString& texte) const {
    return static_cast<int>(liste_->premiereEntreeCommencantPar(depuisQt(texte), tables_));
}

void ModeleListePersonnes::relire() {
    beginResetModel();
    liste_->oublierLignes();
    endResetModel();
}

}  // namespace lignara::gui
