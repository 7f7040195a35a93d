#pragma once
// Dessin commun aux frises sur la surface PDF : marques, barres et leurs libellés placés sur une
// échelle de temps, axe du temps, textes centrés, triangles. L'état de tracé modifié (couleurs,
// épaisseur, pointillés, taille, italique) est remis comme il était après chaque primitive.
//
// Teintes : chaque catégorie reçoit, à sa première marque ou barre et une fois pour le document,
// ses trois dégradés vers le blanc (début incertain : blanc à gauche ; fin incertaine : blanc à
// droite ; radial des marques : la couleur au centre).
//
// Géométrie (unités de dessin, y vers le haut), autour du centre yc de la rangée :
//   marque : disque de rayon kRayonMarque ; une date approximative plus large que la marque
//   s'étend en un trait de kHauteurPlage sous elle, fondu vers ses deux bouts ;
//   barre : hauteur donnée, du plus tôt du début au plus tard de la fin, parties incertaines
//   fondues, partie sûre pleine ;
//   libellé (kTaillePolice points) : dans la partie pleine de la barre quand il y tient, sinon à
//   droite de la marque ou de la barre, sinon à gauche, sinon raccourci (noms d'abord) dans la
//   plus grande de ces places. Un événement sans date est écrit en italique au début de l'axe,
//   suivi de sa mention (mentionSansDate).
#include <array>
#include <cstdint>
#include <string>

#include "documents/frises/EchelleTemps.h"
#include "documents/frises/EvenementFrise.h"
#include "render/PolicesDocument.h"
#include "render/ReglagesDessin.h"

namespace lignara {

class SurfacePdf;

class TraceFrise {
public:
    static constexpr std::int32_t kLigne = 176;
    static constexpr std::int32_t kRayonMarque = 64;
    static constexpr std::int32_t kHauteurPlage = 40;
    static constexpr std::int32_t kEcartLibelle = 45;
    static constexpr int kTaillePolice = 8;
    static constexpr std::int32_t kLongueurFleche = 200;  // pointe de l'axe, à droite de l'échelle
    static constexpr std::int32_t kHauteurAxe = 96;
    static constexpr std::int32_t kSansAnneePres = 450;  // pas d'année si près de la droite
    static constexpr std::int32_t kFonduMinimal = 32;    // partie incertaine plus courte : pleine

    TraceFrise(SurfacePdf& surface, const PolicesDocument& polices);

    // Marque ou barre selon les dates, puis le libellé. Sans date : le libellé seul.
    void evenement(const EvenementFrise& e, const EchelleTemps& echelle, std::int32_t yc, std::int32_t hauteurBarre);
    // Un point daté sur une barre déjà tracée (mariage sur une vie) : petit disque cerclé de blanc.
    void pastille(std::int32_t x, std::int32_t yc, CategorieFrise categorie);
    // Axe : bande ombrée centrée en yAxe, pointe à droite, graduations, pointillés gris jusqu'à
    // yHaut et années sous l'axe.
    void axe(const EchelleTemps& echelle, std::int32_t yAxe, std::int32_t yHaut);

    // Texte centré sur xCentre, ligne de base y, à la taille donnée (points).
    void texteCentre(std::int32_t xCentre, std::int32_t y, const std::string& texte1252, int taille,
                     bool italique = false);
    void texte(std::int32_t x, std::int32_t y, const std::string& texte1252, int taille, bool italique = false,
               std::uint32_t couleur = kCouleurTexte);
    // Triangle plein pointe en bas, de largeur 2 × demiLargeur, sommet en (x, yBas).
    void triangle(std::int32_t x, std::int32_t yBas, std::int32_t demiLargeur, std::int32_t hauteur,
                  std::uint32_t couleur);
    void rectanglePlein(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint32_t couleur);
    void trait(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint32_t couleur,
               float epaisseur = 0.5f, std::uint8_t pointilles = 0);

    std::int32_t largeur(const std::string& texte1252, int taille) const;
    const MetriquePolice& police() const { return polices_.reguliere; }
    const PolicesDocument& polices() const { return polices_; }
    // Ce qui suit, en italique, le libellé d'un événement sans date (« (sans date) » au départ).
    void mentionSansDate(std::string mention1252) { sansDate_ = std::move(mention1252); }
    SurfacePdf& surface() { return surface_; }

    // Couleur du texte des préférences : kCouleurTexte la désigne.
    static constexpr std::uint32_t kCouleurTexte = 0xFFFFFFFF;

private:
    enum Teinte { kDebut = 0, kFin, kRadiale };
    std::uint16_t teinte(CategorieFrise c, Teinte t);
    void marque(std::int32_t x, std::int32_t yc, CategorieFrise c);
    void plage(std::int32_t x1, std::int32_t x2, std::int32_t yBas, std::int32_t yHaut, CategorieFrise c);
    void libelle(const EvenementFrise& e, const EchelleTemps& echelle, std::int32_t yc, std::int32_t gaucheObjet,
                 std::int32_t droiteObjet, std::int32_t debutPlein, std::int32_t finPlein);

    SurfacePdf& surface_;
    const PolicesDocument& polices_;
    std::array<std::array<std::uint16_t, 3>, kNombreCategoriesFrise> teintes_{};
    std::uint16_t teinteAxe_ = 0;
    std::string sansDate_ = " (sans date)";
};

// Couleur de surface (0x00BBGGRR) d'une catégorie, et celle d'un texte qui doit s'y lire.
std::uint32_t couleurSurface(CategorieFrise c);
std::uint32_t couleurTexteSur(CategorieFrise c);

}  // namespace lignara

namespace lignara {

// Largeur d'une frise : la zone utile du papier des réglages moins les marges (A4 paysage pour
// « Non paginé »), 4000 unités au moins.
std::int32_t largeurFrise(const ReglagesDessin& reglages);
// Hauteur d'une page du papier (lignes entières de 176) ; 0 pour « Non paginé ».
std::int32_t hauteurPageFrise(const ReglagesDessin& reglages);
// Hauteur du dessin pour un contenu donné : le contenu lui-même sur papier « Non paginé » ; sur
// un format paginé, de quoi remplir des pages entières, marges comprises (la grille des pages
// part du bas du dessin : sans cela, le haut de la première page resterait blanc). Le contenu
// se dessine alors depuis le haut. OperationImpossible (« Mémoire insuffisante ») au-delà de
// ce que 32 bits tiennent.
std::int32_t hauteurSurPages(std::int64_t contenu, const ReglagesDessin& reglages);

}  // namespace lignara
