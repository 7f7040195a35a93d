#include "shell/gui/Consultation.h"

#include "session/FichePersonne.h"
#include "shell/gui/DialogueBlocNote.h"
#include "shell/gui/DialogueSourcesPersonne.h"
#include "shell/gui/ExecutionDialogue.h"
#include "shell/gui/FenetreFamille.h"
#include "shell/gui/FenetreListeConsultation.h"
#include "shell/gui/FenetrePersonne.h"
#include "shell/gui/FichierOuvertFenetre.h"

namespace lignara::gui {

Consultation::Consultation(FichierOuvertFenetre& fichier, QWidget* fenetre, Garde garde)
    : QObject(fenetre), fichier_(fichier), fenetre_(fenetre), garde_(std::move(garde)) {}

void Consultation::garder(const std::function<void()>& action) {
    if (garde_)
        garde_(action);
    else
        action();
}

void Consultation::montrerListe() {
    if (!fichier_.estOuvert()) return;
    if (!liste_) {
        // Les entrées portent l'année estimée : la dérivation doit être finie.
        const TablesDerivees& tables = fichier_.tablesDerivees();
        liste_ = new FenetreListeConsultation(fichier_.base(), fichier_.noyau().indexNoms(), tables, *this, fenetre_);
        liste_->setAttribute(Qt::WA_DeleteOnClose);
    }
    liste_->show();
    liste_->raise();
    liste_->activateWindow();
}

FenetreListeConsultation* Consultation::liste() const { return liste_.data(); }

QDialog* Consultation::suivre(QDialog* fenetre) {
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    std::erase_if(fenetres_, [](const QPointer<QDialog>& f) { return f.isNull(); });
    fenetres_.emplace_back(fenetre);
    fenetre->show();
    return fenetre;
}

QDialog* Consultation::ouvrirPersonne(std::uint32_t personne) {
    if (!fichier_.estOuvert() || personne == 0 || personne > fichier_.base().nombreIndividus()) return nullptr;
    QDialog* fenetre = nullptr;
    garder([&] {
        const FichePersonne fiche = lireFichePersonne(fichier_.base(), personne);
        const AutresEvenements autres =
            relireAutresEvenements(fichier_.base(), fichier_.noyau().sourcesGedcom(), personne);
        fenetre = suivre(new FenetrePersonne(fiche, autres, *this, fenetre_));
    });
    return fenetre;
}

QDialog* Consultation::ouvrirFamille(std::uint32_t personne) {
    if (!fichier_.estOuvert() || personne == 0 || personne > fichier_.base().nombreIndividus()) return nullptr;
    QDialog* fenetre = nullptr;
    garder([&] {
        const FichePersonne fiche = lireFichePersonne(fichier_.base(), personne);
        fenetre = suivre(new FenetreFamille(fiche.titre, lireFamilles(fichier_.base(), personne), *this, fenetre_));
    });
    return fenetre;
}

void Consultation::montrerBlocNote(std::uint32_t personne) {
    if (!fichier_.estOuvert()) return;
    garder([&] {
        DialogueBlocNote dialogue(lireBlocNote(fichier_.base(), personne), fenetre_);
        ExecutionDialogue::executer(dialogue);
    });
}

void Consultation::montrerSources(std::uint32_t personne) {
    if (!fichier_.estOuvert()) return;
    garder([&] {
        DialogueSourcesPersonne dialogue(lireFichePersonne(fichier_.base(), personne), fenetre_);
        ExecutionDialogue::executer(dialogue);
    });
}

std::vector<QDialog*> Consultation::fenetres() const {
    std::vector<QDialog*> r;
    for (const QPointer<QDialog>& f : fenetres_)
        if (f) r.push_back(f);
    return r;
}

// Détruites tout de suite, pas à la prochaine boucle d'événements : la base peut fermer juste après.
void Consultation::fermerFenetres() {
    std::vector<QPointer<QDialog>> fenetres;
    fenetres.swap(fenetres_);
    for (QPointer<QDialog>& f : fenetres) delete f.data();
}

void Consultation::toutFermer() {
    fermerFenetres();
    delete liste_.data();
}

}  // namespace lignara::gui
