#pragma once
// Page Web d'un document, HTML 4.01 en ISO-8859-1 (les octets Windows-1252 du texte passent
// par EchappementHtml). Deux variantes :
//   - continue (listes) : le texte s'écoule dans le corps, marges des préférences en points ;
//   - positionnée (arbres) : chaque élément est placé en pixels depuis le haut de la page.
//
// Passage aux pixels (entiers, division tronquée vers zéro) :
//   x  -> (x + marge gauche) × 7 ÷ 100       largeur  w -> w × 7 ÷ 100
//   y  -> hauteur de page − (y + marge basse) × 1467 ÷ 17600
//   h  -> h × 1467 ÷ 17600
// Les x et y sont des unités de dessin, marges non comprises, y vers le haut ; les calculs se
// font sur 64 bits, un dessin « Non paginé » démesuré ne déborde pas.
//
// Usage : ouvrir…, éléments et texte, fermer. Tout texte venu des données s'écrit par
// ecrireTexte ou texte(), qui l'échappent ; ecrireBalises ne reçoit que le balisage du document
// lui-même (jamais un nom, un lieu, une note).
//
// Échecs : OperationImpossible « Ouverture impossible du fichier <chemin>\n<Cause> » à
// l'ouverture (lien symbolique, dossier absent…), « Ecriture impossible dans le fichier\n
// <chemin>\n<Cause> » à la fermeture quand une écriture a échoué (disque plein…) ; le fichier
// n'est alors pas remplacé (FichierSortie).
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "render/FichierSortie.h"
#include "render/Graphique.h"
#include "render/ReglagesDessin.h"

namespace lignara {

// Bords tracés d'une boîte : 1 pixel de la couleur des traits, ou aucun.
struct BordsBoite {
    bool bas = true;
    bool droite = true;
    bool haut = true;
    bool gauche = true;
};

// Couleur 0x00BBGGRR sous la forme « #rrggbb » d'une feuille de style.
std::string couleurHtml(std::uint32_t bgr);

// Couleurs des préférences sous la forme « #rrggbb », pour le style des documents.
struct CouleursWeb {
    std::string texte, hommes, femmes, trait, remplissage;
};

class PageWeb {
public:
    // Les réglages sont lus par référence pendant toute la vie de la page.
    explicit PageWeb(const ReglagesDessin& reglages);

    // style : texte CSS du document, ou vide.
    void ouvrirContinue(const std::filesystem::path& chemin, std::string_view titre1252, std::string_view style = {});
    void ouvrirPositionnee(const std::filesystem::path& chemin, std::string_view titre1252, std::int32_t largeur,
                           std::int32_t hauteur, std::string_view style = {});
    // Chemin (Windows-1252) et taille du dessin pris au document.
    void ouvrirPositionnee(const Graphique& document, std::string_view titre1252, std::string_view style = {});

    void ecrireTexte(std::string_view texte1252);
    void ecrireBalises(std::string_view html);
    // Texte dont la ligne de base est en y : son haut est 14 pixels plus haut.
    void texte(std::int32_t x, std::int32_t y, std::string_view texte1252);
    // Photo liée, 49 pixels de haut quelle que soit h ; rien quand le chemin n'a pas d'adresse.
    void image(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h, const std::string& chemin1252);
    // (x1, y1) coin bas gauche, (x2, y2) coin haut droit.
    void boite(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, BordsBoite bords = {});
    void fermer();

    std::int64_t pixelX(std::int64_t x) const;
    std::int64_t pixelY(std::int64_t y) const;
    static std::int64_t largeurPixels(std::int64_t w) { return w * 7 / 100; }
    static std::int64_t hauteurPixels(std::int64_t h) { return h * 1467 / 17600; }
    // Hauteur de la page positionnée ; −1 pour une page continue.
    std::int64_t hauteurPage() const { return hauteurPage_; }
    const CouleursWeb& couleurs() const { return couleurs_; }
    const ReglagesDessin& reglages() const { return reglages_; }

private:
    void creer(const std::filesystem::path& chemin);
    void ecrireEnTete(std::string_view doctype, std::string_view titre1252);

    const ReglagesDessin& reglages_;
    CouleursWeb couleurs_;
    FichierSortie fichier_;
    std::filesystem::path chemin_;
    std::int64_t hauteurPage_ = -1;
    bool positionnee_ = false;
};

}  // namespace lignara
