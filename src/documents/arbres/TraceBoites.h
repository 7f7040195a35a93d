#pragma once
// Dessin PDF des boîtes et des raccords des arbres, commun aux arbres ascendants, descendants,
// mixtes et de cousins. Une boîte de coin haut gauche (x, y) et de largeur W occupe
// (x, y − 944)–(x + W, y) ; ses lignes sont à y − 168 (nom), y − 344, − 520, − 696, − 872,
// centrées sur la colonne de texte (à droite de la photo quand il y en a une).
// L'état de tracé modifié (couleurs, épaisseur, pointillés) est remis comme il était.
#include <cstdint>

#include "documents/arbres/NoeudAscendant.h"
#include "render/SurfacePdf.h"

namespace lignara {

struct StyleBoites {
    std::uint8_t theme = 1;           // ThemeArbre
    bool chromatique = false;         // remplissage de la coloration
    bool couleurParSexe = true;       // nom en couleur des hommes ou des femmes
    std::uint32_t couleurHommes = 0;  // 0x00BBGGRR
    std::uint32_t couleurFemmes = 0;
    int degrade = 0;  // numéro du dégradé gris → blanc, 0 : aucun
};

// Modes du raccord de mariage : 0 deux traits pleins, 1 plein puis tirets, 255 tirets puis plein.
enum ModeMariage : std::uint8_t { kMariagePlein = 0, kMariagePleinTirets = 1, kMariageTiretsPlein = 255 };

// Bas de la boîte tel que le thème le dessine (thème 0 : remonte des lignes finales absentes).
std::int32_t basDeBoite(const BoiteArbre& n, const StyleBoites& style);

void dessinerBoite(SurfacePdf& surface, const BoiteArbre& n, const StyleBoites& style);

// Raccord de mariage entre le bord droit (xg, yg) de la boîte de gauche et le bord gauche
// (xd, yd) de celle de droite (y : haut des boîtes), avec le texte de mariage de porteur.
void raccordMariage(SurfacePdf& surface, const BoiteArbre& porteur, std::int32_t xg, std::int32_t yg, std::int32_t xd,
                    std::int32_t yd, std::uint8_t mode);

// Branches qui s'amincissent vers les parents (style « classique »), ou deux traits droits
// vers un parent seul ; le thème 0 les ferme de traits horizontaux.
void dessinerBranches(SurfacePdf& surface, const NoeudAscendant& b, const StyleBoites& style);

// Raccord du style « par couple d'ascendants » : de l'enfant au milieu de l'écart du couple de
// ses parents (sous leur texte de mariage), ou au parent seul.
void dessinerRaccordCouple(SurfacePdf& surface, const NoeudAscendant& b, const StyleBoites& style);

// Pointe d'une boîte tronquée.
void dessinerPointe(SurfacePdf& surface, const NoeudAscendant& n);
// Deux chevrons au-dessus d'une boîte tronquée d'une personne répétée, liés au dessin complet.
void dessinerChevrons(SurfacePdf& surface, const NoeudAscendant& n);

}  // namespace lignara
