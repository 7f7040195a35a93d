#pragma once
// Statistiques sur les âges (types 20, 21, 22 ; « SA_ ») : âge au premier mariage ou au décès
// des personnes de la population (CompteursAges.h), avec la pyramide des âges et, sur demande,
// l'évolution de l'âge moyen au cours des siècles.
//
// Page, sous le cadre commun :
//   - « Statistiques effectuées sur N personnes (H homme(s) et F femme(s)) », la parenthèse
//     finissant par « , ... et N personnes de sexe inconnu !) » quand plus d'une personne est de
//     sexe inconnu ; « Age moyen au 1° mariage : N ans » ou « au décès », puis, en retrait de
//     540, « (N ans pour les hommes, et N ans pour les femmes) » ;
//   - la pyramide : une rangée par âge, du plus jeune en bas au plus âgé en haut, de l'âge le
//     plus bas au plus haut qu'a un homme ou une femme ; les hommes à gauche de l'axe, les
//     femmes à droite, en longueur proportionnelle au compte sur le plus grand compte des deux
//     sexes ; les âges multiples de 10 écrits dans la bande de l'axe ; « Hommes » et
//     « Femmes » sous les deux moitiés. Couleurs des sexes des préférences quand elles colorent
//     par sexe, sinon la couleur de remplissage. Sans homme ni femme compté, pas de pyramide.
//     Hauteur des rangées : ce que la page laisse, entre 24 et 176 ;
//   - l'évolution : « Evolution de l'âge moyen … au cours des siècles », puis une barre par
//     siècle du premier qui a un compte jusqu'à « XXII° », 320 de large et 160 entre deux,
//     haute de 1920 × moyenne ÷ plus grande moyenne, la moyenne écrite au-dessus et le siècle
//     dessous ; un siècle sans compte garde sa place, sans barre.
// « Graphique vide » quand personne n'est compté.
#include <cstdint>

#include "documents/statistiques/CompteursAges.h"
#include "documents/statistiques/Statistique.h"

namespace lignara {

inline constexpr const char* kChoixAgeEtudie[] = {"âge au 1° mariage", "âge au décès"};
inline constexpr ParametreDeclare kAgeEtudie{
    .lettre = '1', .controle = controle::kGroupe1, .libelle = "Type", .choix = kChoixAgeEtudie};
inline constexpr ParametreDeclare kEvolutionSiecles{.lettre = 'b',
                                                    .controle = controle::kPremiereCase,
                                                    .libelle = "Indique l'évolution au cours des siècles",
                                                    .defaut = 1};

class StatistiqueAges : public Statistique {
public:
    static constexpr const ParametreDeclare* kParametres[] = {&kRacine, &kNomRacine, &kAgeEtudie, &kEvolutionSiecles,
                                                              &kConjointsCaches};
    static constexpr const ParametreDeclare* kParametresDescendants[] = {
        &kRacine, &kNomRacine, &kAgeEtudie, &kEvolutionSiecles, &kConjointsDescendants<controle::kPremiereCase + 1>};

    explicit StatistiqueAges(const Afficheur& type) : Statistique(type) {}

    AgeEtudie etudie() const;
    // Après preparer().
    const CompteursAges& compteurs() const { return compteurs_; }
    // Textes des trois premières lignes.
    const std::string& premiereLigne() const { return lignes_[0]; }
    const std::string& ligneMoyenne() const { return lignes_[1]; }
    const std::string& ligneMoyennesParSexe() const { return lignes_[2]; }
    // Âges extrêmes de la pyramide (−1, −1 : pas de pyramide), hauteur de ses rangées.
    int ageMinimal() const { return ageMin_; }
    int ageMaximal() const { return ageMax_; }
    std::int32_t hauteurRangee() const { return hauteurRangee_; }
    // Premier siècle de l'évolution (−1 : pas d'évolution).
    int premierSiecle() const { return premierSiecle_; }

protected:
    void calculer(const ContexteDocument& contexte) override;
    std::int32_t hauteurContenu() const override;
    std::int32_t largeurContenu() const override;
    void dessiner(SurfacePdf& surface, std::int32_t haut) const override;

private:
    void ecrireLignes();
    void placerPyramide();
    std::int32_t hauteurEvolution() const;
    void dessinerPyramide(SurfacePdf& surface, std::int32_t haut) const;
    void dessinerEvolution(SurfacePdf& surface, std::int32_t haut) const;
    std::uint32_t plusGrandCompte() const;

    CompteursAges compteurs_;
    std::string lignes_[3];
    std::string quoi_;  // « au 1° mariage » ou « au décès »
    int ageMin_ = -1, ageMax_ = -1;
    std::int32_t hauteurRangee_ = 0;
    int premierSiecle_ = -1;
};

}  // namespace lignara
