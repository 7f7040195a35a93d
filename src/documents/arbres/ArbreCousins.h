#pragma once
// Arbre de cousins individuel (type 41) et familial (type 40) : les couples d'ascendants de la
// racine jusqu'à la limite d'ascendance, et pour chacun ses descendants autres que la lignée de
// la racine, une branche de cousins par couple (ArbreDescCousins). PDF seulement, jamais élagué.
// Paramètres, dans l'ordre de la signature : racine et son nom, [conjoint du familial],
// « Affiche les personnes contemporaines », « Limite l'ascendance à » N « générations » (1 à
// 10 ; 0 ou plus de 10 valent 10), fond de page, critère de coloration (0 à 7 ou « Branche
// cousine », par défaut), coupes et limite de générations.
//
// Couples d'ascendants : le couple racine (les parents de la racine, ou le couple choisi) à la
// génération 0, puis génération après génération, le côté du mari (1) avant celui de la femme
// (2), les parents de chaque membre qui en a, sauf à la limite d'ascendance (limite 1 : les
// parents seuls), à la limite de générations, pour un membre coupé ou déjà rencontré (sans la
// préférence des branches doubles) : le couple porte alors la marque « non suivi ». Un couple
// atteint par deux lignées (parents de la racine cousins entre eux) n'est fait qu'une fois (deux
// avec la préférence des branches doubles) ; tout couple exclut de sa branche tous ses enfants
// qui sont des ascendants de la racine.
//
// Branches, dans cet ordre fixe : l'ensemble des familles dessinées est partagé, une famille
// n'est dessinée que dans la première branche qui l'atteint ; une branche suit les autres
// familles de ses membres (des demi-cousins sont des cousins). « Branche cousine » : pas de
// couleur pour le couple racine, puis 1, 2, … 17, 0 pour les suivants.
//
// Placement : la branche du couple racine sans borne ; puis, génération après génération, la
// branche d'un couple du côté 1 à gauche de la colonne des ascendants, son bord droit au plus au
// centre de la boîte de son enfant de la lignée, celle d'un couple du côté 2 à droite, son bord
// gauche au moins à ce centre ; les contours gauche et droit de ce qui est déjà placé (par
// tranches de hauteur) gardent un espace de 45 × s avec la branche nouvelle.
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "documents/ParametresCommuns.h"
#include "documents/arbres/Arbre.h"
#include "documents/arbres/ArbreDescCousins.h"
#include "documents/arbres/Coloration.h"

namespace lignara {

class SurfacePdf;

inline constexpr ParametreDeclare kLimiteAscendance{.lettre = '2',
                                                    .controle = controle::kNombre1,
                                                    .libelle = "Limite l'ascendance à",
                                                    .defaut = 0,
                                                    .minimum = 0,
                                                    .maximum = 10,
                                                    .unite = "générations"};
inline constexpr ParametreDeclare kCritereCousins{.lettre = '1',
                                                  .controle = controle::kCritere,
                                                  .libelle = "Critère de coloration",
                                                  .defaut = ColorationBrancheCousine,
                                                  .choixCalcules = choixCriteres<SorteArbreChromatique::Cousins>,
                                                  .libelleAucun = "(aucun)"};

// Un couple d'ascendants de la racine et sa branche de cousins.
struct CoupleAscendant {
    std::uint32_t mari = 0, femme = 0;  // l'un des deux peut manquer
    std::uint32_t fiche = 0;            // famille du couple (chaîne du mari, ou du seul membre)
    int generation = 0;
    int cote = 0;  // 0 couple racine, 1 au-dessus du mari, 2 de la femme
    CoupleAscendant* parentsMari = nullptr;
    CoupleAscendant* parentsFemme = nullptr;
    CoupleAscendant* dessous = nullptr;
    std::vector<std::uint32_t> enfantsLignee;  // ses enfants ascendants de la racine, celui qui y mène d'abord
    bool nonSuiviMari = false, nonSuiviFemme = false;
    ReglesDescendance regles;
    std::unique_ptr<ArbreDescCousins> branche;
    std::int32_t decalage = 0;  // rangées de la branche sous le haut du dessin (positions)
};

class ArbreCousins : public Arbre {
public:
    static constexpr std::uint8_t kCodeIndividuel = 41;
    static constexpr std::uint8_t kCodeFamilial = 40;

    static constexpr const ParametreDeclare* kParametresIndividuel[] = {
        &kRacine,     &kNomRacine,      &kContemporains, &kLimiteAscendance,
        &kFondDePage, &kCritereCousins, &kCoupesArbre,   &kLimiteGenerations};
    static constexpr const ParametreDeclare* kParametresFamilial[] = {
        &kRacine,     &kNomRacine,      &kConjoint,    &kContemporains,    &kLimiteAscendance,
        &kFondDePage, &kCritereCousins, &kCoupesArbre, &kLimiteGenerations};

    explicit ArbreCousins(const Afficheur& type);
    ~ArbreCousins() override;

    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;
    // Un seul compteur d'usage pour les deux variantes, coloré ou non : les suivants sont à
    // d'autres documents.
    std::size_t varianteCompteur() const override { return 0; }

    bool familial() const { return type().declare(kConjoint); }
    // Limite d'ascendance lue : 0 et plus de 10 valent 10.
    int limiteAscendance() const;

    // Après preparer() : les couples dans l'ordre de construction, le couple racine d'abord.
    const std::deque<CoupleAscendant>& couples() const { return couples_; }

private:
    void construireCouples(const ContexteDocument& contexte);
    void exclureLignees(const BaseGenealogique& base);
    void construireBranches(const ContexteDocument& contexte);
    void placerBranches();
    void fixerDimensions(const ContexteDocument& contexte);
    void ecrirePdf();
    void dessinerLignee(SurfacePdf& surface, const CoupleAscendant& c) const;
    void dessinerNonSuivis(SurfacePdf& surface, const CoupleAscendant& c) const;

    std::deque<CoupleAscendant> couples_;
    std::vector<char> statutsVitaux_;
    EnsemblePersonnes famillesDessinees_;
    EnsemblePersonnes renvoyees_;
    std::uint32_t mari_ = 0, femme_ = 0, fiche_ = 0;
    int generations_ = 0;  // rangées d'ascendants (génération la plus haute + 1)
    std::int32_t hauteurArbre_ = 0;
    std::int32_t hauteurLegende_ = 0;
    int anneeHaut_ = 0;
};

}  // namespace lignara
