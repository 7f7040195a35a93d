#pragma once
// Adaptateur Qt de la liste des personnes (session/ListePersonnes) : la liste ancrée de la
// fenêtre principale en colonnes (nom, prénoms, années et lieux de naissance et de décès) et la
// fenêtre de consultation en une colonne (texte d'entrée avec l'année estimée). Les lignes ne
// sont lues que quand la vue les montre.
#include <cstdint>
#include <functional>
#include <memory>

#include <QAbstractTableModel>

#include "session/ListePersonnes.h"

namespace lignara::gui {

class ModeleListePersonnes : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Forme { Colonnes, Entrees };
    static constexpr int kRolePersonne = Qt::UserRole + 1;

    // tables : les tables dérivées (années estimées des entrées) ; nul ou rendant nul : sans année.
    ModeleListePersonnes(const BaseGenealogique& base, const IndexNoms& index, Forme forme,
                         const TablesDerivees* tables = nullptr, QObject* parent = nullptr,
                         ListePersonnes::ClesLarges larges = {});

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void filtrer(const QString& texte, bool phonetique);
    std::uint32_t personne(int ligne) const { return liste_->personne(static_cast<std::size_t>(ligne)); }
    // Première entrée qui commence par le texte (casse ignorée) ; −1 sinon.
    int premiereEntree(const QString& texte) const;
    // Les noms se relisent (préférence de casse changée).
    void relire();

private:
    std::unique_ptr<ListePersonnes> liste_;
    Forme forme_;
    const TablesDerivees* tables_;
};

}  // namespace lignara::gui
