#pragma once
// Case d'une personne des tableaux de parenté (lien de parenté, consanguinités) : 704 unités de
// haut, fond dégradé du gris 200 au blanc, cadre, photo à gauche (592 de haut, à x + 44), puis
// trois lignes à 528, 352 et 176 au-dessus du bas : noms, « ° » naissance, « + » décès. Une
// case de personne inconnue (numéro 0) n'est qu'un cadre vide.
//
// Les cases réutilisent les boîtes des arbres (BoiteArbre) pour leurs textes, lus d'un coup par
// preparerTextes ; y est le haut de la case.
#include <cstdint>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"
#include "documents/ContexteDocument.h"
#include "documents/arbres/BoiteArbre.h"
#include "render/Graphique.h"
#include "render/PolicesDocument.h"
#include "render/ReglagesDessin.h"
#include "commun/MetriquePolice.h"

namespace lignara {

class SurfacePdf;
class RedacteurBlocsWeb;

inline constexpr std::int32_t kHauteurCaseParente = 704;

struct StyleCasesParente {
    bool couleurParSexe = true;
    std::uint32_t couleurHommes = 0;  // 0x00BBGGRR
    std::uint32_t couleurFemmes = 0;
    int degrade = 0;      // PDF : numéro du dégradé ; 0 : fond blanc
    std::string fondWeb;  // Web : adresse de l'image de fond, vide : aucune
};

// Références d'une case pour preparerCasesParente ; personne 0 : inconnue.
BoiteArbre caseParente(const BaseGenealogique& base, std::uint32_t personne);

// Lit les textes (dates et lieux) et mesure la largeur voulue de chaque case : texte le plus
// large, photo comprise, plus les marges.
void preparerCasesParente(const std::vector<BoiteArbre*>& cases, const ContexteDocument& contexte,
                          const PolicesDocument& polices, FormatSortie format, std::int16_t etirement,
                          bool photos = true);
// Texte d'une case sur une ligne : noms, puis naissance et décès séparés par des virgules.
std::string texteCaseParente(const BoiteArbre& c);

void dessinerCaseParente(SurfacePdf& surface, const BoiteArbre& c, const StyleCasesParente& style);
void ecrireCaseParenteWeb(RedacteurBlocsWeb& blocs, const BoiteArbre& c, const StyleCasesParente& style);

// Largeur imposée (celle de la colonne) : les lignes trop longues sont raccourcies (« .. »).
void ajusterCaseParente(BoiteArbre& c, std::int32_t largeur, const MetriquePolice& police);

// Pages du papier des préférences, pour un dessin qui commence en haut de la première page et ne
// coupe pas ses blocs. La surface empile des pages de hauteurPage unités, marges du haut et du
// bas comprises aux deux bouts : un bloc à d unités sous le haut du dessin est sur la page
// (margeHaut + d) ÷ hauteurPage.
struct PagesParente {
    std::int64_t hauteurPage = 0;  // 0 : non paginé
    std::int64_t marges = 0;       // haut et bas
    std::int64_t margeHaut = 0;
    std::int32_t largeurPage = 0;  // largeur utile, marges ôtées (A4 portrait sans papier)

    static PagesParente du(const ReglagesDessin& reglages);
    // Où poser, sous le haut du dessin, un bloc de hauteur h voulu en d : d, ou le haut de la
    // page suivante quand il y serait coupé et qu'il tient dans une page.
    std::int64_t placer(std::int64_t d, std::int64_t h) const;
    // Hauteur du dessin qui contient h unités : des pages entières, marges comprises.
    std::int64_t hauteurDessin(std::int64_t h) const;
};

// Adresse de l'image de fond des cases Web (« Themes/Degrade.jpg » des données installées).
std::string adresseFondCases();

}  // namespace lignara
