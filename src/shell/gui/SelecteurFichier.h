#pragma once
// Sélecteurs du système (fichier, dossier, couleur) derrière une couture de test : en mode
// simulé, chaque appel prend la réponse suivante donnée d'avance (chaîne vide : abandon ;
// pour une couleur, un nom « #rrggbb »), et note le titre demandé.
#include <deque>

#include <QColor>
#include <QString>
#include <QStringList>

class QWidget;

namespace lignara::gui {

class SelecteurFichier {
public:
    // Rend le chemin choisi, vide si l'utilisateur abandonne.
    static QString ouvrir(QWidget* parent, const QString& titre, const QString& depart, const QStringList& filtres);
    // Nom d'un fichier à écrire (le sélecteur demande avant de remplacer un fichier existant).
    static QString enregistrer(QWidget* parent, const QString& titre, const QString& depart,
                               const QStringList& filtres);
    static QString dossier(QWidget* parent, const QString& titre, const QString& depart);
    // Couleur invalide si l'utilisateur abandonne.
    static QColor couleur(QWidget* parent, const QColor& depart);

    static void simuler(bool actif);
    static std::deque<QString>& reponses();
    static QStringList& titres();
};

}  // namespace lignara::gui
