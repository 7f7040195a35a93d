#pragma once
// Fenêtre principale : barre de menus, barre d'outils de huit menus déroulants de documents,
// image de démarrage, barre d'état du dernier document. Chaque commande (identifiant
// 1001…6831) passe par executer(), qui garde la fenêtre utilisable quand la mémoire manque ou
// qu'une demande échoue.
//
// Les éléments qui dépendent du fichier (Consulter, Fermer, Options du fichier) et la barre
// d'outils ne sont actifs que lorsqu'un fichier est ouvert ; les documents dont la mise en page
// n'existe pas encore sont grisés (« Bientôt disponible »).
//
// Sortie : quelle que soit la façon dont la fenêtre se ferme (Quitter, fermeture de la fenêtre,
// fin de session, signal d'arrêt, données corrompues), quitter() passe une fois : compteurs
// d'usage rangés avec le nombre de personnes du dernier fichier, documents produits effacés,
// fichier fermé (Demarrage::quitter).
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QMainWindow>

#include "reglages/Favori.h"
#include "reglages/FichiersRecents.h"
#include "session/Demarrage.h"
#include "shell/gui/FichierOuvertFenetre.h"

class QActionGroup;
class QLabel;
namespace lignara::gui {
class Consultation;
class ListeAncree;
}  // namespace lignara::gui
class QMenu;
class QPushButton;
class QToolBar;

namespace lignara::gui {

inline constexpr int kCommandeEnregistrerSous = 1011;
inline constexpr int kPremierFichierRecent = 1020;  // 1020 à 1027, le plus récent d'abord

class FenetrePrincipale : public QMainWindow {
    Q_OBJECT
public:
    // cheminDemarrage : argument de la ligne de commande, guillemets ôtés ; vide sinon.
    FenetrePrincipale(Configuration configuration, std::string cheminDemarrage, QWidget* parent = nullptr);
    ~FenetrePrincipale() override;

    // Demande l'ouverture de démarrage (fichier de la ligne de commande, fichier par défaut
    // des préférences, sinon le sélecteur) une fois la fenêtre affichée à l'écran.
    void demarrer();

    void executer(int commande);
    QAction* action(int commande) const;
    QToolBar* barreOutils() const { return barreOutils_; }
    // Vrai quand l'ouverture du démarrage est finie (réussie ou non).
    bool demarree() const { return demarree_; }
    FichierOuvertFenetre& fichier() { return fichier_; }
    Configuration& configuration() { return programme_.configuration; }
    // Compteurs d'usage des documents : lus à l'ouverture de la fenêtre, écrits à sa sortie.
    CompteursUsage& compteurs() { return programme_.compteurs; }
    QMenu* menuFavoris() const { return menuFavoris_; }
    QMenu* menuRecents() const { return menuRecents_; }
    // Options du fichier ouvertes pour définir « Moi » ; rend la personne « Moi » ensuite (−1 :
    // toujours aucune).
    std::int32_t definirMoi();
    // Fenêtres de consultation et liste des personnes ancrée (vides sans fichier).
    Consultation& consultation() { return *consultation_; }
    ListeAncree* listeAncree() const { return listeAncree_; }

    // Un document vient d'être écrit : la barre d'état le dit, avec un bouton qui ouvre son
    // dossier, et « Enregistrer sous... » le copiera.
    void documentProduit(const std::filesystem::path& chemin);
    const std::filesystem::path& dernierDocument() const { return dernierDocument_; }
    // Ouvre ce fichier comme le sélecteur l'aurait choisi (fichiers récents, glisser-déposer).
    void ouvrirChemin(const std::string& chemin);
    // La sortie du programme (voir plus haut) ; les appels suivants ne font rien.
    void quitter();

protected:
    void closeEvent(QCloseEvent* evenement) override;
    void dragEnterEvent(QDragEnterEvent* evenement) override;
    void dropEvent(QDropEvent* evenement) override;

private:
    void ouvrirAuDemarrage(int tentative);
    void construireMenus();
    void construireMenuFichier();
    void construireMenuOutils();
    void construireMenuFormats(QMenu* outils);
    void construireMenusDocuments();
    void construireMenuAide();
    void construireBarreOutils();
    void construireBarreEtat();
    QAction* ajouterCommande(QMenu* menu, int commande, const QString& texte);
    void reconstruireFavoris();
    void reconstruireRecents();
    void mettreAJourMenus();

    // La commande, protégée : mémoire insuffisante, données corrompues et demandes impossibles
    // donnent leur message, puis les menus suivent l'état du fichier.
    void proteger(const std::function<void()>& commande);
    void traiterCommande(int commande);
    void traiterCommandeOutils(int commande);
    void ouvrirFichier();
    void ouvrirCheminDonne(const std::string& chemin);
    std::string choisirFichier();
    std::string verifierChemin(const std::string& chemin);
    void importer(const std::string& chemin);
    void fermerFichier();
    void montrerAPropos();
    void preferences(int page);
    void categories(int genre);
    void optionsFichier();
    void commandeDocument(int commande);
    void enregistrerSous();
    void gererFavoris();
    void executerFavori(std::size_t indice);
    bool modifierFavori(Favori& favori, const std::vector<Favori>& autres);

    Demarrage programme_;
    FichiersRecents recents_;
    std::string avisUsage_;  // « Usage.dwa » abîmé : dit une fois au démarrage
    std::string cheminDemarrage_;
    bool premiereOuverture_ = true;
    QString dernierDossier_;
    FichierOuvertFenetre fichier_;
    std::map<int, QAction*> actions_;
    QActionGroup* formats_ = nullptr;
    QMenu* menuFavoris_ = nullptr;
    QMenu* menuRecents_ = nullptr;
    QToolBar* barreOutils_ = nullptr;
    QLabel* etatDocument_ = nullptr;
    QPushButton* boutonDossier_ = nullptr;
    std::filesystem::path dernierDocument_;
    bool demarree_ = false;
    bool quitte_ = false;
    Consultation* consultation_ = nullptr;
    ListeAncree* listeAncree_ = nullptr;
};

}  // namespace lignara::gui
