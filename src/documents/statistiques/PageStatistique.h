#pragma once
// Page des statistiques : dimensions tirées du format de papier et cadre commun du titre.
//
// Un document statistique tient sur une page du papier choisi, en portrait ou en paysage comme
// le format le dit ; « Non paginé » prend la page A4 portrait. Un contenu plus haut que la page
// (liste des professions, ascendance de nombreuses générations) continue sur les pages
// suivantes : la hauteur du dessin est alors arrondie à un nombre entier de pages, si bien que
// le haut de la première page est le haut du dessin et qu'une rangée de 176 alignée sur le haut
// n'est jamais coupée par un changement de page. Un contenu plus large (siècles très anciens)
// élargit le dessin de même.
//
// Cadre commun, en haut du dessin : le titre centré (14 points), le sous-titre de la
// population sous lui (10 points), entourés d'un cadre de 528 de haut tracé à l'épaisseur 2,5 ;
// l'épaisseur revient ensuite à 0,3125. Le contenu commence 704 sous le haut du cadre.
//
// Unités de dessin ; y vers le haut, 0 en bas du dessin.
#include <cstdint>
#include <string>

#include "commun/MetriquePolice.h"
#include "render/ReglagesDessin.h"

namespace lignara {

class SurfacePdf;

struct PageStatistique {
    static constexpr std::int32_t kLigne = 176;
    static constexpr std::int32_t kHauteurCadre = 528;
    static constexpr std::int32_t kDebutContenu = 704;  // sous le haut du dessin
    static constexpr std::int32_t kHauteurSignature = 528;
    static constexpr float kEpaisseurCadre = 2.5f;
    static constexpr float kEpaisseurTraits = 0.3125f;

    std::int32_t largeur = 0;      // largeur utile d'une page, marges ôtées
    std::int32_t hauteur = 0;      // hauteur utile d'une page, marges ôtées
    std::int32_t hauteurPage = 0;  // hauteur d'une page de la grille (zone utile en lignes)
    bool paginee = false;
    // Hauteur réservée en bas pour la bande de signature (0 : pas de bande).
    std::int32_t reserveSignature = 0;
    std::int32_t margeHaut = 0;

    static PageStatistique duPapier(const ReglagesDessin& reglages);

    // Hauteur du dessin pour un contenu de cette hauteur (cadre et signature compris) : au
    // moins une page, arrondie à des pages entières quand le papier est paginé.
    std::int32_t hauteurDessin(std::int32_t hauteurContenu, const ReglagesDessin& reglages) const;

    // Pages d'un contenu paginé, les décalages comptés vers le bas depuis le haut du contenu :
    // rang de la page d'un décalage (0 : la première ; toujours 0 sans pagination) et décalage
    // du haut d'une page. Un tableau y répète son en-tête en haut de chaque page.
    int pageDe(std::int32_t decalage) const;
    std::int32_t hautDePage(int page) const;
};

// Largeur d'un texte à la taille donnée (points).
std::int32_t largeurA(const MetriquePolice& police, const std::string& texte1252, int taille);
// Le texte coupé et suivi de « .. » pour tenir dans la largeur (à la taille donnée).
std::string couperPourLargeur(const MetriquePolice& police, const std::string& texte1252, std::int32_t largeur,
                              int taille);

// Écritures de texte à la taille donnée, la taille de l'état de tracé remise ensuite ; y est la
// ligne de base.
void texteGauche(SurfacePdf& surface, std::int32_t x, std::int32_t y, const std::string& texte1252, int taille = 10);
void texteCentre(SurfacePdf& surface, std::int32_t xCentre, std::int32_t y, const std::string& texte1252,
                 int taille = 10);
void texteDroite(SurfacePdf& surface, std::int32_t xDroite, std::int32_t y, const std::string& texte1252,
                 int taille = 10);
// Rectangle plein de cette couleur (0x00BBGGRR) ; la couleur de remplissage est remise ensuite.
void rectanglePlein(SurfacePdf& surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                    std::uint32_t couleur);

// Cadre commun en haut d'un dessin de cette largeur et de cette hauteur ; sous-titre vide : le
// titre seul, au milieu du cadre.
void dessinerCadre(SurfacePdf& surface, std::int32_t largeur, std::int32_t hauteur, const std::string& titre1252,
                   const std::string& sousTitre1252);

}  // namespace lignara
