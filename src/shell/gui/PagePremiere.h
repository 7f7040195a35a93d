#pragma once
// Les pages d'options de toutes les feuilles de propriétés : construites depuis les paramètres
// déclarés du type (PagesOptions), chaque contrôle nommé « c » suivi de son identifiant
// (« c2050 ») et lié à l'emplacement d'option de même identifiant. Aucune page n'a de code à
// elle.
#include <map>
#include <string>
#include <vector>

#include <QWidget>

#include "documents/PagesOptions.h"

class QBoxLayout;

namespace lignara::gui {

// Listes qui viennent du programme plutôt que de la déclaration (Windows-1252).
struct ListesPage {
    std::vector<std::string> chronologies;  // fond de page (2051), sans « (aucun) »
    std::vector<std::string> noms;          // noms de famille (2001)
};

class PagePremiere : public QWidget {
    Q_OBJECT
public:
    PagePremiere(const PageOptions& page, const Afficheur& type, EmplacementsOptions& emplacements,
                 const ListesPage& listes, QWidget* parent = nullptr);

    // Faux après « Date incorrecte » quand un champ de date n'en est pas une.
    bool datesCorrectes();
    // Valeurs des contrôles vers les emplacements (confirmation de la feuille).
    void valider();

private:
    void ajouterControle(QBoxLayout* disposition, const ParametreDeclare& c);
    void ajouterGroupe(QBoxLayout* disposition, const ParametreDeclare& c);
    void ajouterFormats(QBoxLayout* disposition, const ParametreDeclare& c);
    void ajouterListe(QBoxLayout* disposition, int id, const QString& libelle, const QStringList& choix);
    void ajouterChronologie(QBoxLayout* disposition, const ParametreDeclare& c);
    void ajouterCritere(QBoxLayout* disposition, const ParametreDeclare& c);
    void ajouterCouleur(QBoxLayout* disposition, const ParametreDeclare& c);
    void lierActivations();
    bool dateCorrecte(int id);
    void validerControle(const ParametreDeclare& c);
    template <class T>
    T* controle(int id) const;

    const PageOptions page_;
    const Afficheur& type_;
    EmplacementsOptions& emplacements_;
    const ListesPage& listes_;
    std::vector<ChoixParametre> criteres_;              // liste du critère de coloration (2054)
    std::map<int, std::vector<ChoixParametre>> choix_;  // listes 2020 et 2052 : valeur de chaque rang
};

}  // namespace lignara::gui
