#pragma once
// Statistiques sur les professions (types 26, 27, 28 ; « SP_ ») et sur les sources (29, 30, 31 ;
// « SS_ ») : part de chaque catégorie de l'utilisateur parmi les valeurs de la population
// (CompteCategories.h).
//
// Page, sous le cadre commun (titre « Statistiques sur les catégories professionnelles » ou
// « … de sources », et « Statistiques sur les professions » ou « … sources » quand la liste des
// valeurs est montrée) :
//   - « STATISTIQUES SUR LES PROFESSIONS » (ou « SOURCES »), puis une rangée de 176 par
//     catégorie : le nom aligné à droite avant l'axe, une barre de 3200 × pourcentage ÷ plus
//     grand pourcentage dans la couleur de la catégorie (aucune pour 0), et « N% » 45 après sa
//     fin ; le graphique est centré sur la page ;
//   - avec « Affiche la liste des catégories », une ligne par valeur distincte : un carré de 80
//     sur 174 dans la couleur de chaque catégorie qu'elle accorde, à x = 96 × numéro de la
//     catégorie, puis « valeur : nombre de personnes » après la dernière colonne de carrés.
// Messages : « Statistiques vides :\nAucune personne sélectionnée n'a de profession. » (ou « de
// source. ») sans aucune valeur ; « Aucune profession sélectionnée ne correspond à une
// catégorie » (ou « source ») quand aucune catégorie n'a de personne ; et ceux du chargement
// des catégories.
#include <cstdint>

#include "documents/statistiques/CompteCategories.h"
#include "documents/statistiques/Statistique.h"

namespace lignara {

inline constexpr ParametreDeclare kUneSeuleCategorie{
    .lettre = 'b', .controle = controle::kPremiereCase, .libelle = "Limite à une seule catégorie par personne"};
inline constexpr ParametreDeclare kListeCategories{
    .lettre = 'b', .controle = controle::kPremiereCase + 1, .libelle = "Affiche la liste des catégories"};

class StatistiqueCategories : public Statistique {
public:
    static constexpr const ParametreDeclare* kParametres[] = {&kRacine, &kNomRacine, &kUneSeuleCategorie,
                                                              &kListeCategories, &kConjointsCaches};
    static constexpr const ParametreDeclare* kParametresDescendants[] = {
        &kRacine, &kNomRacine, &kUneSeuleCategorie, &kListeCategories,
        &kConjointsDescendants<controle::kPremiereCase + 2>};

    explicit StatistiqueCategories(const Afficheur& type) : Statistique(type) {}

    GenreValeur genre() const;
    // Après preparer().
    const CompteCategories& compte() const { return compte_; }

protected:
    void calculer(const ContexteDocument& contexte) override;
    std::int32_t hauteurContenu() const override;
    void dessiner(SurfacePdf& surface, std::int32_t haut) const override;

private:
    bool avecListe() const { return octet(kListeCategories) != 0; }
    void dessinerGraphique(SurfacePdf& surface, std::int32_t haut) const;
    void dessinerListe(SurfacePdf& surface, std::int32_t haut) const;

    CompteCategories compte_;
    std::int32_t largeurNoms_ = 0;
};

}  // namespace lignara
