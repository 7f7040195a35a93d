#pragma once
// Coloration des arbres chromatiques : un objet par document, qui choisit la couleur de chaque
// boîte selon un critère (pays, région, catégorie, apparitions, branche) et tient la légende.
//
// Cases : le critère a un nombre de cases (23 ; 5 pour les branches par génération ; 18 pour
// les branches descendantes et cousines), chaque case a une couleur de sa palette et, une fois
// prise, une valeur (code de pays ou de région, numéro de catégorie, nombre d'apparitions,
// valeur de branche). Une valeur prend la case qui la tient déjà, sinon la première case libre
// hors la dernière, sinon la dernière, qui ramasse tout le reste. Les régions (critères 1 à 4)
// ont au contraire une case fixe, pour garder leur couleur d'un arbre à l'autre.
//
// Lieu d'une personne (critères 0 à 5) : le premier lieu connu, c'est-à-dire celui de la
// naissance, sinon des mariages dans l'ordre de ses familles, sinon du décès ; un lieu sans pays
// (ou, pour les régions, sans subdivision) ne donne pas de couleur.
//
// Contrat :
//  - colorer() ne lit la base que pour la personne demandée ; il marque la case employée, et la
//    légende ne montre que les cases marquées ;
//  - une personne sans case reçoit kSansCouleur (blanc) ; le blanc de la case 0 des branches par
//    génération compte aussi comme « sans couleur » pour l'élagage des branches ;
//  - textes (libellés de légende et de critères) en Windows-1252 ;
//  - une personne hors de la base, une référence abîmée : DonneesCorrompues comme toute lecture.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"
#include "documents/Controles.h"
#include "documents/ParametreDeclare.h"
#include "parente/GrapheParente.h"
#include "reference/CategorieAutomate.h"
#include "reglages/Configuration.h"

namespace lignara {

class PageWeb;
class SurfacePdf;
struct MetriquePolice;

// Codes rangés dans le paramètre « critère de coloration » des arbres (octet du favori).
enum CritereColoration : std::uint8_t {
    ColorationPays = 0,
    ColorationFrance2016 = 1,  // régions depuis 2016
    ColorationFrance1970 = 2,  // régions de 1970 à 2015
    ColorationBelgique = 3,
    ColorationCanada = 4,
    ColorationSuisse = 5,
    ColorationProfession = 6,
    ColorationSource = 7,
    ColorationApparitions = 8,
    ColorationBranche1 = 9,  // branches à partir de la génération 1 … 5 (codes 9 à 13)
    ColorationBranche2 = 10,
    ColorationBranche3 = 11,
    ColorationBranche4 = 12,
    ColorationBranche5 = 13,
    ColorationBrancheDescendante = 14,
    ColorationBrancheCousine = 15,
    ColorationAucune = 255,
};

inline constexpr CouleurRvb kSansCouleur{255, 255, 255};

// Vrai pour les codes 0 à 15.
bool critereColorationValide(std::uint8_t code);
// Libellé de la liste « Critère de coloration : » (« Pays », « Branche (génération 2) »…) ; vide
// pour un code inconnu.
std::string libelleCritereColoration(std::uint8_t code);
// Nombre de cases du critère : 23, 5 (codes 9 à 13) ou 18 (14, 15) ; 0 pour un code inconnu.
int nombreCasesColoration(std::uint8_t code);

// Les arbres qui proposent la liste des critères ; chacun en montre une partie, dans un ordre
// à lui : le rang dans la liste n'est pas le code.
enum class SorteArbreChromatique {
    AscendantIndividuel,  // 0–8, puis 10–13 (générations 2 à 5)
    AscendantFamilial,    // 0–8, puis 9–12 (générations 1 à 4)
    Descendant,           // 0–8, 14
    Mixte,                // 0–8
    Cousins,              // 0–7, 15
};

// Codes de la liste, dans l'ordre où elle les montre.
std::span<const std::uint8_t> criteresProposes(SorteArbreChromatique sorte);
// Rang du code dans la liste, −1 quand la sorte d'arbre ne le propose pas.
int rangCritere(SorteArbreChromatique sorte, std::uint8_t code);
// Code du rang, ColorationAucune hors de la liste.
std::uint8_t critereDuRang(SorteArbreChromatique sorte, int rang);
// La liste en choix du paramètre « critère de coloration » (libellé, code), pour sa déclaration.
std::vector<ChoixParametre> choixCriteres(SorteArbreChromatique sorte);
template <SorteArbreChromatique S>
std::vector<ChoixParametre> choixCriteres() {
    return choixCriteres(S);
}

// Paramètres des arbres chromatiques : le critère (2054, sous la case « Arbre chromatique »,
// 255 quand elle n'est pas cochée), dont la liste dépend de la sorte d'arbre, et « Suppression
// des branches non colorées » (2055).
template <SorteArbreChromatique S>
inline constexpr ParametreDeclare kCritereColoration{.lettre = '1',
                                                     .controle = controle::kCritere,
                                                     .libelle = "Critère de coloration",
                                                     .defaut = ColorationAucune,
                                                     .choixCalcules = choixCriteres<S>,
                                                     .libelleAucun = "(aucun)"};
inline constexpr ParametreDeclare kSuppressionNonColorees{.lettre = 'b',
                                                          .controle = controle::kSuppressionNonColorees,
                                                          .libelle = "Suppression des branches non colorées",
                                                          .defaut = 1};

// Couleur de la catégorie de professions ou de sources c (0 à 22) dans la palette générale, telle
// que les statistiques la montrent ; blanc hors de 0 à 22.
CouleurRvb couleurCategorie(int categorie);

// Une ligne de légende : pastille de la couleur, puis le libellé.
struct LigneLegende {
    CouleurRvb couleur;
    std::string libelle;  // Windows-1252
};

class Coloration {
public:
    // Fabrication complète pour un document : charge les catégories (6, 7 ; OperationImpossible
    // avec le message du chargement quand le fichier manque ou est abîmé) et compte les
    // apparitions des ascendants de la racine (8 ; OperationImpossible sur une boucle dans les
    // liens de parenté). Un critère hors de 0 à 15 lève std::invalid_argument : c'est une faute
    // de l'appelant, qui décode le favori et n'appelle pas la coloration pour 255.
    static Coloration fabriquer(std::uint8_t critere, const BaseGenealogique& base, std::uint32_t racine);
    // Le même pour plusieurs racines (arbres familiaux : les deux membres du couple) ; les
    // apparitions se comptent dans les ascendances de toutes les racines.
    static Coloration fabriquer(std::uint8_t critere, const BaseGenealogique& base,
                                std::span<const std::uint32_t> racines);

    // Briques de fabriquer(), pour qui a déjà ce qu'il faut ; un critère que la brique ne sait
    // pas colorer lève std::invalid_argument.
    // Critères 0 à 5 et 9 à 15.
    Coloration(std::uint8_t critere, const BaseGenealogique& base);
    // Critères 6 et 7 : automate de la sorte de catégories du critère (professions, sources).
    Coloration(std::uint8_t critere, const BaseGenealogique& base, CategorieAutomate categories);
    // Critère 8 : apparitions parmi les ascendants de la racine (construireGrapheParente, option
    // GrapheApparitions) ; les personnes absentes de la liste paraissent une fois.
    Coloration(const BaseGenealogique& base, std::span<const ApparitionAscendant> apparitions);

    Coloration(Coloration&&) noexcept;
    Coloration& operator=(Coloration&&) noexcept;
    ~Coloration();

    std::uint8_t critere() const { return critere_; }
    int nombreCases() const { return static_cast<int>(valeurs_.size()); }

    // Couleur de la boîte de la personne. branche : pour 9 à 13, la couleur de branche courante
    // que l'arbre a fixée (0 à 4, la case elle-même) ; pour 14, la valeur de branche de l'arbre
    // descendant (numéro de l'enfant de la racine qui ouvre la branche) ; pour 15, la couleur de
    // branche cousine (0 à 17, la case elle-même) ; −1 ou une case hors du critère : pas de
    // couleur. Ignoré pour 0 à 8.
    CouleurRvb colorer(std::uint32_t personne, std::int32_t branche = -1);

    // Case que colorer() choisirait, −1 quand la personne n'est pas colorée. Une valeur nouvelle
    // y prend sa case comme dans colorer(), mais la case n'est pas marquée employée.
    int caseDe(std::uint32_t personne, std::int32_t branche = -1);

    // Couleur d'une case (0 ≤ c < nombreCases()).
    CouleurRvb couleurCase(int c) const;
    bool caseEmployee(int c) const;

    // Légende : une ligne par case employée, triée par libellé (apparitions : dans l'ordre des
    // cases, donc des nombres croissants). Libellés : nom du pays, de la région, du canton ou de
    // la catégorie ; « Autres » pour une subdivision absente de la table, ou pour la dernière
    // case quand elle a ramassé plusieurs valeurs ; « %d fois », et pour la dernière case des
    // apparitions « %d fois ou plus ». Vide pour les critères de branche (9 à 15).
    std::vector<LigneLegende> legende() const;
    // Dimensions en unités de dessin : largeur = libellé le plus large + 540, hauteur =
    // (lignes + 2) × 176 ; 0 et 0 quand la légende n'a aucune ligne.
    std::int32_t largeurLegende(const MetriquePolice& police) const;
    std::int32_t hauteurLegende() const;

    // Dessin de la légende, (x, y) étant son coin haut gauche (y vers le haut) : une ligne de
    // 176 par case employée, pastille pleine cernée puis libellé. Les couleurs de l'état de tracé
    // sont remises comme elles étaient.
    void dessinerLegende(SurfacePdf& surface, std::int32_t x, std::int32_t y) const;
    // Même légende sur une page Web positionnée, mêmes coordonnées.
    void ecrireLegende(PageWeb& page, std::int32_t x, std::int32_t y) const;

private:
    struct Donnees;
    void preparer(std::uint8_t critere);
    std::optional<std::int64_t> valeurDe(std::uint32_t personne, std::int32_t branche);
    int caseDeValeur(std::int64_t valeur) const;
    std::string libelleCase(int c) const;

    std::uint8_t critere_ = ColorationAucune;
    const BaseGenealogique* base_ = nullptr;
    std::vector<std::int64_t> valeurs_;  // valeur tenue par chaque case, −1 : libre
    std::vector<bool> employees_;
    std::unique_ptr<Donnees> donnees_;  // automate, apparitions
};

}  // namespace lignara
