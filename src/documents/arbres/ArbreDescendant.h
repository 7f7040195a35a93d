#pragma once
// Mise en page des descendants, commune à l'arbre descendant, à la moitié basse des arbres
// mixtes et aux branches des arbres de cousins : une rangée par génération, chaque personne
// suivie dans sa rangée de ses conjoints, les enfants sous le couple de leurs parents.
// ArbreDescendant est abstraite : creerRacine fait la première rangée (ArbreDescIndividuel :
// la racine et ses conjoints ; ArbreDescFamilial : le couple d'une famille choisie ;
// ArbreDescCousins : le couple en tête d'une branche de cousins).
//
// Construction (construire) : creerRacine, puis rangée après rangée en largeur, les enfants
// de chaque famille dessinée ajoutés consécutivement à la rangée suivante. Les enfants d'une
// famille ne sont pas dessinés, et sa boîte de famille porte la marque « descendants non
// dessinés », quand la personne ou le conjoint est coupé, quand l'arbre est agnatique et que la
// personne n'est pas un homme, quand les contemporains ne sont pas montrés et que le premier
// enfant est vivant, à la limite de générations, à la dernière rangée (199), et, sans la
// préférence des branches doubles, quand la famille est déjà dessinée (la personne et le
// conjoint deviennent alors des personnes répétées). Une famille est identifiée par son premier
// enfant ; seule une famille dont les enfants sont dessinés entre dans l'ensemble des familles
// dessinées.
//
// Position verticale (vers le bas) : r × 1408 + 1, ou dans un arbre chronologique
// (année de naissance retenue − année du haut) × 64, l'année du haut étant celle de la plus
// ancienne personne de la première rangée ; une année inconnue est prise au partenaire (un
// conjoint) ou au parent plus 25 ans (un enfant) ; un enfant reste au moins
// kEcartParentMinimal sous ses deux parents, un conjoint pas plus haut que son partenaire ne
// peut l'être.
//
// Puis, au choix de l'appelant : elaguer (branches non colorées), textes des boîtes, placer
// (PlacementDescendant), mesurer. Un arbre démesuré lève OperationImpossible avec « Cet arbre
// est trop grand pour être dessiné… ».
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/EnsemblePersonnes.h"
#include "documents/arbres/NoeudDescendant.h"
#include "documents/arbres/RangeesDeBoites.h"

namespace lignara {

struct ReglesDescendance {
    const BaseGenealogique* base = nullptr;
    std::uint8_t donnees = 63;  // bits des données affichées (16 : mariage)
    bool agnatique = false;
    bool contemporains = true;  // « Affiche les personnes contemporaines »
    // Statut vital par personne ('v', 'm') : nécessaire quand les contemporains sont cachés.
    const std::vector<char>* statutsVitaux = nullptr;
    // Arbre chronologique : année de naissance estimée par personne (9999 : inconnue) ; nul
    // pour un arbre ordinaire.
    const std::vector<std::int16_t>* anneesEstimees = nullptr;
    int anneeCourante = 0;
    // Arbres mixtes : année du haut imposée (les deux moitiés partagent l'échelle du temps).
    std::optional<int> anneeHautImposee;
    const EnsemblePersonnes* coupes = nullptr;
    int limiteGenerations = 0;        // 0 : aucune
    bool doublesBranches = false;     // « pour les branches descendantes »
    bool brancheDescendante = false;  // valeurs de branche du critère « Branche descendante »
    // Branche de cousins : valeur de branche de toutes les boîtes.
    std::optional<std::int32_t> brancheImposee;
    // Couleur de remplissage d'une boîte, qui connaît déjà sa valeur de branche ; vide : blanc.
    std::function<CouleurBoite(const NoeudDescendant&)> colorer;
    std::size_t boitesMax = 200000;
};

class ArbreDescendant {
public:
    using Rangees = RangeesDeBoites<NoeudDescendant>;

    static constexpr std::int32_t kEcartRangees = 1408;
    static constexpr std::int32_t kUnitesParAnnee = 64;
    static constexpr std::int32_t kEcartParentMinimal = 944 + 64;
    static constexpr std::int32_t kBarre = 1144;  // palier des enfants sous le haut d'une rangée
    static constexpr int kAnsParGeneration = 25;

    explicit ArbreDescendant(const ReglesDescendance& regles);
    virtual ~ArbreDescendant();
    ArbreDescendant(const ArbreDescendant&) = delete;
    ArbreDescendant& operator=(const ArbreDescendant&) = delete;

    // Branches de cousins : l'ensemble des familles dessinées partagé avec les autres branches
    // (une famille n'est dessinée que dans une) ; à donner avant construire().
    void partagerFamillesDessinees(EnsemblePersonnes& familles) { partagees_ = &familles; }
    // Enfant de la première rangée à ne pas suivre (branche de cousins : la lignée de la racine ;
    // plusieurs quand les parents de la racine sont cousins entre eux).
    void exclureEnfant(std::uint32_t enfant) {
        if (enfant) enfantsExclus_.push_back(enfant);
    }

    void construire();
    // Retire, de la dernière rangée à la deuxième, les groupes d'enfants sans couleur ni
    // enfants dessinés ; rien quand aucune boîte n'est colorée.
    void elaguer();
    // Après placement : positions des paliers, hauteur et largeur de l'arbre.
    void mesurer();

    Rangees& rangees() { return rangees_; }
    const Rangees& rangees() const { return rangees_; }
    NoeudDescendant* racine() const { return rangees_.nombreRangees() ? rangees_.premier(0) : nullptr; }
    // Toutes les boîtes comme boîtes d'arbre, pour les textes.
    std::vector<BoiteArbre*> boites() const;

    // Familles (premier enfant) dont les enfants sont dessinés, après l'élagage.
    const EnsemblePersonnes& famillesDessinees() const { return partagees_ ? *partagees_ : dessinees_; }
    const EnsemblePersonnes& repetees() const { return repetees_; }
    // Année du haut de l'arbre (position 0) d'un arbre chronologique.
    int anneeHaut() const { return anneeHaut_; }
    std::int32_t largeur() const { return largeur_; }
    std::int32_t hauteur() const { return hauteur_; }
    // Point de départ (x, position) du raccord de la famille portée par la boîte ; theme0 :
    // le bas des boîtes du thème « Cadres simples » remonte des lignes finales absentes.
    struct Point {
        std::int32_t x = 0, position = 0;
    };
    static Point departFamille(const NoeudDescendant& boite, bool theme0);

protected:
    virtual void creerRacine() = 0;

    // La personne et ses familles (conjoints, décisions sur leurs enfants).
    NoeudDescendant& ajouterPersonne(std::uint32_t personne, int rangee, NoeudDescendant* parent,
                                     const NoeudDescendant* famille);
    // La boîte seule, sans ses familles.
    NoeudDescendant& ajouterBoite(std::uint32_t personne, int rangee, NoeudDescendant* parent,
                                  const NoeudDescendant* famille);
    // Boîte de conjoint après la dernière boîte de la rangée de son partenaire.
    NoeudDescendant& ajouterConjoint(NoeudDescendant& partenaire, std::uint32_t conjoint, std::uint32_t mariage);
    // Première rangée d'un couple : le mari, puis la femme comme conjoint, avec les enfants de la
    // fiche en attente ; l'un des deux peut manquer (0), l'autre porte alors la famille.
    void creerCouple(std::uint32_t mari, std::uint32_t femme, std::uint32_t fiche);
    // Décide si les enfants de la fiche seront dessinés (boîte de famille : celle du conjoint,
    // ou la personne elle-même).
    void deciderFamille(NoeudDescendant& personne, NoeudDescendant& famille, std::uint32_t fiche,
                        std::uint32_t conjoint, std::uint32_t premierEnfant);

    const ReglesDescendance& regles_;

private:
    NoeudDescendant& nouvelleBoite(std::uint32_t personne, int rangee);
    void etendre(NoeudDescendant& famille, int rangee);
    void fixerAnneeHaut();
    void placerVerticalement(NoeudDescendant& n, const NoeudDescendant* parent, const NoeudDescendant* famille);
    std::int16_t anneeEstimee(std::uint32_t personne) const;
    bool elaguerGroupe(NoeudDescendant& famille);
    EnsemblePersonnes* familles() { return partagees_ ? partagees_ : regles_.doublesBranches ? nullptr : &dessinees_; }

    Rangees rangees_;
    EnsemblePersonnes dessinees_;
    EnsemblePersonnes* partagees_ = nullptr;
    EnsemblePersonnes repetees_;
    std::vector<std::uint32_t> enfantsExclus_;
    int anneeHaut_ = 0;
    std::int32_t largeur_ = 0, hauteur_ = 0;
};

}  // namespace lignara
