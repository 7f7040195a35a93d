#pragma once
// État du fichier généalogique ouvert dans la fenêtre : sa base de travail, ses réglages
// propres, le calcul des tables dérivées (dans un thread, lancé à l'ouverture) et la
// surveillance de ses fichiers GEDCOM. fermer() attend la fin du calcul avant de tout rendre.
#include <filesystem>
#include <future>
#include <optional>

#include <QObject>

#include "database/TablesDerivees.h"
#include "gedcom/ImporterGedcom.h"
#include "shell/ReglagesFichier.h"
#include "shell/gui/SurveillanceGedcom.h"

namespace lignara::gui {

class FichierOuvertFenetre : public QObject {
    Q_OBJECT
public:
    explicit FichierOuvertFenetre(QObject* parent = nullptr);
    ~FichierOuvertFenetre() override;

    bool estOuvert() const { return import_.has_value(); }
    const std::filesystem::path& chemin() const { return chemin_; }
    ReglagesFichier& reglages() { return reglages_; }
    const BaseGenealogique& base() const { return import_->base; }
    bool gedcomModifie() const { return gedcomModifie_; }
    const SurveillanceGedcom& surveillance() const { return surveillance_; }

    // Prend la base importée, lance le calcul des tables dérivées et la surveillance.
    void ouvrir(const std::filesystem::path& chemin, ReglagesFichier reglages, ResultatImport import);
    void fermer();
    // Attend, sous le curseur d'attente, la fin du calcul des tables dérivées.
    const TablesDerivees& tablesDerivees();

signals:
    // Un fichier GEDCOM a été réécrit par un autre programme.
    void gedcomReecrit();

private:
    void attendreDerivation();

    std::filesystem::path chemin_;
    ReglagesFichier reglages_;
    std::optional<ResultatImport> import_;
    std::future<TablesDerivees> derivation_;
    std::optional<TablesDerivees> tables_;
    bool gedcomModifie_ = false;
    SurveillanceGedcom surveillance_;
};

}  // namespace lignara::gui
