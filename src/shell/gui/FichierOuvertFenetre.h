#pragma once
// Le fichier ouvert vu de la fenêtre : l'objet FichierOuvert du programme, dont le thread de
// surveillance est ramené sur le fil de l'interface (signal gedcomReecrit) et dont les attentes
// montrent le curseur d'attente.
#include <filesystem>
#include <memory>
#include <string>

#include <QObject>

#include "documents/ContexteDocument.h"
#include "documents/PersonnesRecentes.h"
#include "session/FichierOuvert.h"

namespace lignara::gui {

class FichierOuvertFenetre : public QObject {
    Q_OBJECT
public:
    explicit FichierOuvertFenetre(QObject* parent = nullptr);
    ~FichierOuvertFenetre() override;

    bool estOuvert() const { return fichier_->ouvert(); }
    const std::filesystem::path& chemin() const { return fichier_->chemin(); }
    ReglagesFichier& reglages() { return fichier_->reglages(); }
    const BaseGenealogique& base() const { return fichier_->base(); }
    bool gedcomModifie() const { return fichier_->gedcomModifie(); }
    FichierOuvert& noyau() { return *fichier_; }

    // Importe le fichier (progression et rapport par les options), puis ferme le précédent ;
    // OperationImpossible sinon, et le précédent reste ouvert.
    void ouvrir(const std::filesystem::path& chemin, OptionsOuverture options);
    void fermer() {
        fichier_->fermer();
        recentes_.oublier();
    }
    // Base et index du fichier ouvert pour les documents et la sélection des personnes.
    ContexteDocument contexte(bool casseAutomatique) const;
    // « Dernières personnes saisies » : vivent avec le fichier ouvert.
    PersonnesRecentes& recentes() { return recentes_; }
    const TablesDerivees& tablesDerivees() { return fichier_->attendreTablesDerivees(); }
    bool tablesDeriveesPretes() const { return fichier_ && fichier_->tablesDeriveesPretes(); }
    void enregistrerReglages() { fichier_->enregistrerReglages(); }

signals:
    // Un fichier GEDCOM a été réécrit par un autre programme.
    void gedcomReecrit();
    // Le nouveau fichier est importé, l'ancien va être fermé : ce qui lit encore sa base
    // (consultation, liste ancrée) doit la lâcher maintenant.
    void fichierRemplace();

private:
    std::filesystem::path dossierConfiguration_;
    std::filesystem::path dossierSortie_;
    std::unique_ptr<FichierOuvert> fichier_;
    PersonnesRecentes recentes_;
};

}  // namespace lignara::gui
