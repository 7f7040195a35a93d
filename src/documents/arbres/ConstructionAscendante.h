#pragma once
// Construction de l'arbre de boîtes des ascendants, de la racine vers le haut (génération 0 :
// la racine), puis élagage des branches non colorées d'un arbre chromatique.
//
// Une personne qui a un père ou une mère connus voit ses ascendants dessinés, sauf :
//  - à la dernière rangée (199), à la limite de générations N (génération N) ou coupée ;
//  - déjà dessinée ailleurs (sans la préférence des branches doubles) : elle devient alors une
//    personne répétée, dont la boîte tronquée renverra au dessin complet.
// Une boîte sans ascendants dessinés porte la marque tronquée et une étendue y + 240.
//
// Position verticale : g × 1408 + 945, ou, dans un arbre chronologique,
// (année de référence − année de naissance estimée) × 64, l'année de référence étant celle de
// la plus récente des racines plus 15 ; un parent reste au moins kEcartParentMinimal au-dessus
// de son enfant.
#include <cstdint>
#include <functional>
#include <vector>

#include "database/BaseGenealogique.h"
#include "documents/arbres/ArbreDeBoites.h"

namespace lignara {

struct ReglesConstruction {
    const BaseGenealogique* base = nullptr;
    std::uint8_t donnees = 63;   // bits des données affichées
    bool parCouple = false;      // style « par couple d'ascendants »
    std::uint8_t critere = 255;  // critère de coloration, 255 : aucun
    const EnsemblePersonnes* coupes = nullptr;
    int limiteGenerations = 0;     // 0 : aucune
    bool doublesBranches = false;  // « pour les branches ascendantes »
    // Arbre chronologique : année de naissance estimée par personne (9999 : inconnue) ; vide
    // pour un arbre ordinaire.
    const std::vector<std::int16_t>* anneesEstimees = nullptr;
    // Couleur de remplissage d'une boîte ; reçoit la couleur de branche courante (0 à 4).
    // Vide : toutes les boîtes restent blanches.
    std::function<CouleurBoite(const NoeudAscendant&, std::uint8_t branche)> colorer;
    // Garde-fou contre un arbre démesuré (branches doubles sur un fichier très bouclé) : au-delà,
    // la largeur du dessin ne tiendrait plus sur 32 bits.
    std::size_t boitesMax = 200000;
};

class ConstructionAscendante {
public:
    static constexpr std::int32_t kEcartRangees = 1408;
    static constexpr std::int32_t kPremiereRangee = 945;
    static constexpr std::int32_t kUnitesParAnnee = 64;
    // Arbre chronologique : écart vertical minimal entre un enfant et son parent (la hauteur
    // d'une boîte et un an).
    static constexpr std::int32_t kEcartParentMinimal = 944 + 64;

    ConstructionAscendante(const ReglesConstruction& regles, ArbreDeBoites& arbre);

    void individuel(std::uint32_t racine);
    // Les deux côtés sous un couple invisible ; mariage : événement du couple (0 : aucun).
    void familial(std::uint32_t mari, std::uint32_t femme, std::uint32_t mariage);
    // Retire les couples de parents non colorés, de haut en bas, puis refait les rangées.
    void elaguer();

    // Année de référence d'un arbre chronologique (année de la racine la plus ancienne + 15).
    int anneeReference() const { return anneeReference_; }

private:
    NoeudAscendant* construire(std::uint32_t personne, int generation, char cote, NoeudAscendant* enfant);
    void remplir(NoeudAscendant& n, const Individu& ind) const;
    void placerVerticalement(NoeudAscendant& n, const NoeudAscendant* enfant) const;
    bool ascendantsDessines(std::uint32_t personne, int generation);
    void avancerBranche(int generation, char cote);
    std::int16_t anneeDe(std::uint32_t personne) const;
    void elaguer(NoeudAscendant& n);

    const ReglesConstruction& regles_;
    ArbreDeBoites& arbre_;
    int anneeReference_ = 0;
    int generationBranche_ = -1;  // g0 des critères de branche, −1 sinon
    std::uint8_t branche_ = 0;    // couleur de branche courante
    std::uint8_t prochainPere_ = 1, prochaineMere_ = 3;
};

// Premier mariage du père avec la mère (événement, 0 : aucun).
std::uint32_t mariageDuCouple(const BaseGenealogique& base, std::uint32_t pere, std::uint32_t mere);

}  // namespace lignara
