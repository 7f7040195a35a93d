#pragma once
// Les fenêtres de consultation du fichier ouvert : la liste « Consultation » (une seule, la
// commande 1001 la ramène devant), les fenêtres de personne et de famille, non modales et en
// nombre quelconque, et les fenêtres modales du bloc-note et des sources.
//
// Toutes les fenêtres de personne et de famille sont suivies ici, qu'elles viennent de la liste,
// d'un bouton père, mère, conjoint ou enfant, ou de la liste ancrée : « Ferme fenêtres » et la
// fermeture de la liste les ferment toutes, et la fermeture du fichier ferme tout avant que la
// base ne disparaisse (une fenêtre oubliée lirait une base fermée).
#include <cstdint>
#include <functional>
#include <vector>

#include <QObject>
#include <QPointer>

class QDialog;
class QWidget;

namespace lignara::gui {

class FenetreListeConsultation;
class FichierOuvertFenetre;

class Consultation : public QObject {
    Q_OBJECT
public:
    // Garde de chaque demande venue d'un bouton (données corrompues, mémoire) : celle de la
    // fenêtre principale, qui montre le message ; sans elle, l'action est faite telle quelle.
    using Garde = std::function<void(const std::function<void()>&)>;
    Consultation(FichierOuvertFenetre& fichier, QWidget* fenetre, Garde garde = {});

    // Ouvre la liste, ou la ramène devant si elle l'est déjà. Sans fichier : rien.
    void montrerListe();
    FenetreListeConsultation* liste() const;

    QDialog* ouvrirPersonne(std::uint32_t personne);
    QDialog* ouvrirFamille(std::uint32_t personne);
    void montrerBlocNote(std::uint32_t personne);
    void montrerSources(std::uint32_t personne);

    // Fenêtres de personne et de famille encore ouvertes, dans l'ordre d'ouverture.
    std::vector<QDialog*> fenetres() const;
    // « Ferme fenêtres » : personnes et familles.
    void fermerFenetres();
    // Fermeture du fichier : tout, la liste comprise.
    void toutFermer();

private:
    QDialog* suivre(QDialog* fenetre);
    void garder(const std::function<void()>& action);

    FichierOuvertFenetre& fichier_;
    QWidget* fenetre_;
    Garde garde_;
    QPointer<FenetreListeConsultation> liste_;
    std::vector<QPointer<QDialog>> fenetres_;
};

}  // namespace lignara::gui
