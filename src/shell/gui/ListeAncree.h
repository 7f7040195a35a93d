#pragma once
// La liste des personnes ancrée dans la fenêtre principale quand un fichier est ouvert : une
// table (nom, prénoms, années et lieux de naissance et de décès) lue à la demande, un filtre
// pendant la frappe (lettres seules, sans casse ni accents ; case « Phonétique » pour la clé
// large), le double-clic qui ouvre la fiche, et un menu contextuel qui lance n'importe quel
// document avec la personne comme tête.
#include <cstdint>
#include <functional>

#include <QDockWidget>

#include "database/IndexNoms.h"
#include "database/IndexNomsLarges.h"

class QCheckBox;
class QLineEdit;
class QMenu;
class QTableView;

namespace lignara::gui {

class ModeleListePersonnes;

class ListeAncree : public QDockWidget {
    Q_OBJECT
public:
    explicit ListeAncree(QWidget* parent = nullptr);

    // Le fichier ouvert ; détacher() avant que sa base ne ferme.
    // larges : les clés larges partagées du fichier ouvert (mode phonétique).
    void attacher(const BaseGenealogique& base, const IndexNoms& index, std::function<const IndexNomsLarges&()> larges);
    void detacher();
    void relire();

    QTableView* vue() const { return vue_; }
    QLineEdit* filtre() const { return filtre_; }
    QCheckBox* phonetique() const { return phonetique_; }
    ModeleListePersonnes* modele() const { return modele_; }
    // Menu contextuel de la ligne donnée (pour la fenêtre et pour les essais).
    QMenu* menuPour(int ligne);

signals:
    void personneChoisie(std::uint32_t personne);
    // commande : identifiant du menu des documents ; personne : tête imposée.
    void documentDemande(int commande, std::uint32_t personne);

private:
    void filtrer();

    QLineEdit* filtre_;
    QCheckBox* phonetique_;
    QTableView* vue_;
    ModeleListePersonnes* modele_ = nullptr;
    QMenu* menu_ = nullptr;
};

}  // namespace lignara::gui
