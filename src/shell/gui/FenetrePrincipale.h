#pragma once
// Fenêtre principale : barre de menus, barre d'outils de huit menus déroulants de documents,
// image de démarrage. Chaque commande (identifiant 1001…6831) passe par executer(), qui garde
// la fenêtre utilisable quand la mémoire manque ou qu'une demande échoue.
//
// Les éléments qui dépendent du fichier (Consulter, Fermer, Options du fichier) et la barre
// d'outils ne sont actifs que lorsqu'un fichier est ouvert.
#include <map>
#include <string>

#include <QMainWindow>

#include "reglages/CompteursUsage.h"
#include "reglages/Configuration.h"
#include "shell/gui/FichierOuvertFenetre.h"

class QActionGroup;
class QMenu;
class QProgressBar;
class QToolBar;

namespace lignara::gui {

class FenetrePrincipale : public QMainWindow {
    Q_OBJECT
public:
    // cheminDemarrage : argument de la ligne de commande, guillemets ôtés ; vide sinon.
    FenetrePrincipale(Configuration configuration, std::string cheminDemarrage,
                      QWidget* parent = nullptr);
    ~FenetrePrincipale() override;

    // Demande l'ouverture de démarrage (fichier de la ligne de commande, fichier par défaut
    // des préférences, sinon le sélecteur) une fois la fenêtre affichée.
    void demarrer();

    void executer(int commande);
    QAction* action(int commande) const;
    QToolBar* barreOutils() const { return barreOutils_; }
    // Vrai quand l'ouverture du démarrage est finie (réussie ou non).
    bool demarree() const { return demarree_; }
    FichierOuvertFenetre& fichier() { return fichier_; }
    Configuration& configuration() { return configuration_; }
    // Compteurs d'usage des documents : lus à l'ouverture de la fenêtre, écrits à sa fermeture.
    CompteursUsage& compteurs() { return compteurs_; }
    QMenu* menuFavoris() const { return menuFavoris_; }
    // Options du fichier ouvertes pour définir « Moi » ; rend la personne « Moi » ensuite (−1 :
    // toujours aucune).
    std::int32_t definirMoi();

private:
    void construireMenus();
    void construireMenuFichier();
    void construireMenuOutils();
    void construireMenuFormats(QMenu* outils);
    void construireMenusDocuments();
    void construireMenuAide();
    void construireBarreOutils();
    QAction* ajouterCommande(QMenu* menu, int commande, const QString& texte);
    void reconstruireFavoris();
    void mettreAJourMenus();

    void traiterCommande(int commande);
    void traiterCommandeOutils(int commande);
    void ouvrirFichier();
    std::string choisirFichier();
    void importer(const std::string& chemin);
    void fermerFichier();
    void montrerAPropos();
    void preferences(int page);
    void categories(int genre);
    void optionsFichier();
    void commandeDocument(int commande);

    Configuration configuration_;
    CompteursUsage compteurs_;
    std::string avisUsage_;  // « Usage.dwa » abîmé : dit une fois au démarrage
    std::string cheminDemarrage_;
    bool premiereOuverture_ = true;
    QString dernierDossier_;
    FichierOuvertFenetre fichier_;
    std::map<int, QAction*> actions_;
    QActionGroup* formats_ = nullptr;
    QMenu* menuFavoris_ = nullptr;
    QToolBar* barreOutils_ = nullptr;
    bool demarree_ = false;
};

}  // namespace lignara::gui
