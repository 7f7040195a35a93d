#pragma once
// Surface de dessin PDF paginée. Le document dessine dans un seul grand espace (unités de
// dessin, y vers le haut, marges non comprises : chaque primitive ajoute la marge gauche aux x
// et la marge basse aux y) ; la surface le découpe en pages du format de papier des réglages
// et envoie chaque primitive à toutes les pages que sa boîte touche. Les pages ne sont créées
// qu'au premier dessin qui les touche ; tout reste en mémoire jusqu'à fermer(), qui écrit le
// fichier d'un seul tenant.
//
// Usage : ouvrir, primitives dans n'importe quel ordre, fermer. L'état de tracé (couleurs,
// épaisseur, pointillés, taille, italique, transformations) est etat(), la police (nom écrit,
// métriques, largeur de signature) polices(), et la date de création vient de l'horloge
// donnée : tout appartient à la surface, et deux surfaces se dessinent ensemble, l'une après
// l'autre ou dans deux fils, sans se gêner.
//
// Sans transformation ouverte, une primitive dont les coordonnées de référence sont négatives
// ne dessine rien. Un dessin de largeur ou de hauteur totale nulle n'a pas de page et ne
// dessine rien.
//
// Le fichier s'écrit par FichierSortie : rien ne porte son nom avant que fermer() l'ait écrit
// en entier ; un lien symbolique à sa place est refusé.
//
// Échecs : OperationImpossible avec « Ouverture impossible du fichier PDF\n<chemin>\n<Cause> »,
// « Ecriture impossible dans le fichier\n<chemin>\n<Cause> » (disque plein…) à fermer(),
// « Mémoire insuffisante », « Accès impossible à des données internes\nVous devriez réinstaller
// Lignara », ou sans message quand l'utilisateur refuse de dépasser 500 pages.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "commun/Horloge.h"
#include "render/EtatTrace.h"
#include "render/FichierSortie.h"
#include "render/GrillePages.h"
#include "images/ImageDwa.h"
#include "render/PolicesDocument.h"
#include "render/ReglagesDessin.h"
#include "render/pdf/FichierPdf.h"
#include "render/pdf/ObjetPdfInfo.h"

namespace lignara {

class SurfacePdf {
public:
    static constexpr std::int32_t kCoteImageDwa = 288;  // 18 points
    static constexpr int kPagesAvantQuestion = 500;

    // Posée quand le document atteint 500 pages et en demande une de plus : vrai pour
    // continuer (la question n'est plus posée pour ce document). Sans question, on continue.
    using QuestionPages = std::function<bool()>;

    // Les réglages sont lus par référence jusqu'à fermer() ; la police et l'horloge sont copiées.
    SurfacePdf(const ReglagesDessin& reglages, const PolicesDocument& polices, const Horloge& horloge,
               QuestionPages question = {});
    ~SurfacePdf();
    SurfacePdf(const SurfacePdf&) = delete;
    SurfacePdf& operator=(const SurfacePdf&) = delete;

    // pourcentageHorizontal : étirement de la famille du document, ou 100.
    void ouvrir(const std::filesystem::path& chemin, const std::string& titre1252, std::int16_t pourcentageHorizontal,
                std::int32_t largeur, std::int32_t hauteur);

    void ligneHorizontale(std::int32_t x1, std::int32_t y, std::int32_t x2);
    void ligneVerticale(std::int32_t x, std::int32_t y1, std::int32_t y2);
    void ligne(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    // mode 0 contour, 1 plein de la couleur de remplissage, autre : numéro d'un dégradé.
    void rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, int mode);
    // points : n paires x, y.
    void polygone(std::int16_t n, const std::int32_t* points, bool plein);
    void courbe(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                std::int32_t x3, std::int32_t y3);
    void cercle(std::int32_t cx, std::int32_t cy, std::int32_t r, bool plein);
    // Angles en radians depuis l'axe des x vers l'axe des y ; fin > debut.
    void arc(std::int32_t cx, std::int32_t cy, std::int32_t r, float debut, float fin);
    // La boîte (x, y)–(x + l, y + h) choisit les pages ; le texte commence en (x, y).
    void texte(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h, const std::string& texte1252);
    // Angle en dix-millièmes de radian, sens inverse des aiguilles d'une montre, autour de (x, y).
    void texteIncline(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h, std::int32_t angle,
                      const std::string& texte1252);
    // cx, cy marges comprises ; colonne, rangée : page du point de départ (plagePages).
    void texteCirculaire(std::int32_t colonne, std::int32_t rangee, std::int32_t cx, std::int32_t cy, std::int32_t r,
                         float angle, bool inverse, const std::string& texte1252);
    // Photo ré-encodée en JPEG à (l ÷ 5) × (h ÷ 5) pixels, coin bas gauche en (x, y).
    void photo(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h, const std::string& chemin1252);
    void chargerImageDwa(int emplacement, const std::filesystem::path& chemin);
    void imageDwa(std::int32_t x, std::int32_t y, int emplacement);
    // direction 0 : première couleur en haut, 1 en bas, 2 à gauche, 3 à droite.
    std::uint16_t creerDegrade(std::uint8_t r1, std::uint8_t v1, std::uint8_t b1, std::uint8_t r2, std::uint8_t v2,
                               std::uint8_t b2, int direction);
    // Dégradé radial (ObjetPdfDegrade::Radial) : première couleur au centre, seconde au bord ;
    // peint dans rectangle(), il y fait un disque inscrit.
    std::uint16_t creerDegradeRadial(std::uint8_t r1, std::uint8_t v1, std::uint8_t b1, std::uint8_t r2,
                                     std::uint8_t v2, std::uint8_t b2, int milliemes);
    void ajouterCible(std::int32_t identifiant, std::int32_t x, std::int32_t y);
    void ajouterLien(std::int32_t identifiant, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    // Bande de signature : polices().largeurSignature de large, 528 unités au-dessus de y.
    void signature(std::int32_t x, std::int32_t y);
    void empilerTransformation(float a, float b, float c, float d, float e, float f);
    void depilerTransformation();
    void policeItalique(bool active);
    void fermer();

    // Plage des pages d'une boîte marges comprises, transformations appliquées.
    PlagePages plagePages(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) const;

    EtatTrace& etat() { return etat_; }
    const EtatTrace& etat() const { return etat_; }
    const PolicesDocument& polices() const { return polices_; }
    const GrillePages& grille() const { return grille_; }
    int nombrePages() const { return nombrePages_; }

private:
    struct EmplacementImage {
        ImageDwa* image = nullptr;
        std::uint16_t forme = 0;
    };

    ContenuPage& pageDe(std::int32_t colonne, std::int32_t rangee);
    ContenuPage* creerPage(std::int32_t colonne, std::int32_t rangee);
    // Page prête à recevoir un opérateur : créée au besoin, transformations rattrapées.
    ContenuPage& pagePrete(std::int32_t colonne, std::int32_t rangee);
    template <class Dessin>
    void surChaquePage(const PlagePages& plage, Dessin&& dessin);
    bool refuseReference(std::int64_t x, std::int64_t y) const;
    std::int32_t enX(std::int32_t x) const;  // marge gauche ajoutée
    std::int32_t enY(std::int32_t y) const;  // marge basse ajoutée
    void creerObjetsFixes(const std::string& titre1252);
    void creerPolice(const MetriquePolice& police, bool italique);
    void assurerPoliceItalique();
    void courbeMarquee(const std::array<std::int32_t, 8>& p);
    void ecrireLigneSignature(std::int32_t x, std::int32_t y, const std::string& ligne, std::int32_t largeur);
    void liberer();

    const ReglagesDessin& reglages_;
    const PolicesDocument polices_;
    const Horloge horloge_;
    QuestionPages question_;
    EtatTrace etat_;
    FichierSortie sortie_;
    FichierPdf fichier_;
    ContextePdf contexte_;
    GrillePages grille_;
    TableauPages pages_;
    int nombrePages_ = 0;
    bool questionPosee_ = false;
    std::vector<ContenuPage*> pagesTransformees_;
    std::vector<std::unique_ptr<ImageDwa>> images_;
    std::array<EmplacementImage, 3> emplacements_{};
    std::map<std::int32_t, CibleLien> cibles_;
    bool ouverte_ = false;
};

}  // namespace lignara
