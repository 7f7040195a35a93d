#pragma once
// Sélection d'une personne (« DIALOG_DEMPERS », et « DIALOG_DEMPERS_DESC » avec « Sommet de
// branche » pour les documents descendants). Le dialogue ne fait que montrer SelectionPersonne :
// chaque changement d'un champ ou d'une case relance la recherche, et OK n'est permis que
// lorsqu'une entrée de l'index correspond. Les homonymes se départagent dans DIALOG_DEMHOMO.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <QDialog>

#include "documents/PersonnesRecentes.h"
#include "documents/SelectionPersonne.h"

namespace Ui {
class DialogueSelectionPersonne;
}

namespace lignara::gui {

// Ce que la sélection lit et modifie du fichier ouvert.
struct EnvironnementSelection {
    const ContexteDocument& contexte;
    PersonnesRecentes& recentes;
    // Personne « Moi » du fichier ; −1 quand elle n'est pas définie.
    std::function<std::int32_t()> moi;
    // Ouvre les options du fichier pour définir « Moi » et rend la personne (−1 : toujours pas).
    // Vide quand la sélection vient elle-même des options du fichier.
    std::function<std::int32_t()> definirMoi;
};

struct DemandeSelection {
    QString titre;               // titre du document
    std::int32_t courante = -1;  // personne proposée ; −1 : champs vides
    bool descendante = false;    // variante « Sommet de branche »
};

struct PersonneSelectionnee {
    std::int32_t personne = -1;  // −1 : annulé
    std::string nom;             // Windows-1252, casse automatique selon la préférence
    std::string prenoms;
};

class DialogueSelectionPersonne : public QDialog {
    Q_OBJECT
public:
    DialogueSelectionPersonne(EnvironnementSelection& environnement, const DemandeSelection& demande,
                              QWidget* parent = nullptr);
    ~DialogueSelectionPersonne() override;

    const EtatSelection& etat() const { return etat_; }
    std::int32_t personne() const { return resultat_; }
    void accept() override;

    // Le dialogue (et les homonymes) ; la personne choisie entre en tête des récents.
    static PersonneSelectionnee selectionner(EnvironnementSelection& environnement, const DemandeSelection& demande,
                                             QWidget* parent);

private:
    void remplirNoms();
    void remplirPrenoms();
    void chercher();
    void montrerChoisie(std::int32_t personne);
    void derniers();
    void moi();
    void mettreAJourBoutons();

    std::unique_ptr<Ui::DialogueSelectionPersonne> ui_;
    EnvironnementSelection& environnement_;
    SelectionPersonne selection_;
    EtatSelection etat_;
    std::int32_t resultat_ = -1;
    bool remplissage_ = false;  // champs remplis par programme : pas de recherche
};

}  // namespace lignara::gui
