#pragma once
// Contenu d'une page PDF : les opérateurs que les primitives y ajoutent, gardés en morceaux de
// 1000 octets jamais déplacés ni réécrits (une page de plusieurs mégaoctets coûte une allocation
// par 1000 octets). La page se souvient de l'état graphique qu'elle porte déjà (couleurs,
// épaisseur, pointillés, police, transformations ouvertes, chemin ou texte en cours), pour
// n'écrire un opérateur que lorsque la valeur change.
//
// Coordonnées : unités de dessin (1/16 point) de tout le dessin, marges déjà ajoutées ; chaque
// page commence par sa propre translation (prologue du flux).
//
// Machine des modes : 0 rien d'ouvert, 1 chemin en attente (tracé par le « S\n » du prochain
// changement de mode), 2 objet texte ouvert (« BT » … « ET »).
#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "commun/MetriquePolice.h"

namespace lignara {

class ObjetPdfPage;
class ObjetPdfPhotoJpeg;
class ObjetPdfAnnotationLink;

// Ce que les primitives lisent de l'état de tracé courant (EtatTrace peut en dériver).
struct StyleTrace {
    std::uint32_t couleurTrait = 0;        // 0x00BBGGRR
    std::uint32_t couleurRemplissage = 0;  // 0x00BBGGRR
    std::uint32_t couleurTexte = 0;        // 0x00BBGGRR
    float epaisseurTrait = 0.5f;           // points
    std::uint8_t pointilles = 0;           // 0 plein, 1 tirets, 2 points ; autre : inchangé
    std::uint8_t taillePolice = 10;        // points
    std::uint8_t italique = 0;
    std::int8_t profondeur = 0;  // niveaux de transformation empilés, 0 à 5
    // a, b, c, d, e, f : (x, y) → (a·x + c·y + e, b·x + d·y + f), e et f en unités de dessin.
    std::array<std::array<float, 6>, 5> transformations{};
};

// Ce que le prologue du flux d'une page doit savoir.
struct ProloguePage {
    std::uint32_t couleurTexte = 0;  // couleurs des préférences
    std::uint32_t couleurTrait = 0;
    float etirement = 1.0f;         // s, étirement horizontal
    float uniteUtilisateur = 1.0f;  // u
    std::int32_t tx = 0;            // translation de la page, points
    std::int32_t ty = 0;
};

// Côtés de la page dépassés par un texte circulaire (voir texteCirculaire).
enum DepassementPage : unsigned {
    kDepasseGauche = 1,
    kDepasseDroite = 2,
    kDepasseBas = 4,
    kDepasseHaut = 8,
};

// Étendue d'une page dans tout le dessin, unités de dessin.
struct EtenduePage {
    std::int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

class ContenuPage {
public:
    static constexpr std::size_t kTailleMorceau = 1000;
    static constexpr std::size_t kMaxDegrades = 30;

    // Couleurs des préférences : elles sont celles du prologue, donc déjà courantes sur la page.
    ContenuPage(std::uint32_t couleurTraitPreference, std::uint32_t couleurTextePreference);
    ~ContenuPage();
    ContenuPage(const ContenuPage&) = delete;
    ContenuPage& operator=(const ContenuPage&) = delete;

    // --- État partagé des primitives ---------------------------------------------------------
    void ajouter(std::string_view texte);
    void fermerMode();
    // Rend vrai quand la page n'avait aucun niveau ouvert et en a maintenant : l'appelant
    // l'ajoute à sa liste des pages à transformations ouvertes.
    bool rattraperTransformations(const StyleTrace& style);
    // Ferme le mode et écrit « Q » pour chaque niveau ouvert au-delà de la nouvelle profondeur.
    void depilerTransformations(int nouvelleProfondeur);
    void reglerTrait(const StyleTrace& style);
    void reglerCouleurTexte(const StyleTrace& style);
    void choisirPolice(const StyleTrace& style);

    // --- Primitives (chacune rattrape elle-même les transformations) ---------------------------
    // ligneHorizontale, ligneVerticale, ligne : de (x1, y1) à (x2, y2), tels que donnés.
    void ligne(const StyleTrace& s, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    void courbe(const StyleTrace& s, const std::array<std::int32_t, 8>& points);
    void rectangle(const StyleTrace& s, std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h);
    void rectanglePlein(const StyleTrace& s, std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h);
    void rectangleDegrade(const StyleTrace& s, std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h,
                          std::uint16_t degrade);
    // points : x0, y0, x1, y1… (au moins un point).
    void polygone(const StyleTrace& s, std::span<const std::int32_t> points, bool plein);
    void cercle(const StyleTrace& s, std::int32_t cx, std::int32_t cy, std::int32_t r, bool plein);
    void texte(const StyleTrace& s, std::int32_t x, std::int32_t y, std::string_view texte1252);
    void texteIncline(const StyleTrace& s, std::int32_t x, std::int32_t y, double angleRadians,
                      std::string_view texte1252);
    // Écrit le texte le long du cercle ; rend les côtés de la page que les positions des
    // caractères ont dépassés (masque de DepassementPage). police : largeurs des caractères.
    unsigned texteCirculaire(const StyleTrace& s, std::int32_t cx, std::int32_t cy, std::int32_t r, float angle,
                             bool inverse, std::string_view texte1252, const MetriquePolice& police,
                             const EtenduePage& page);
    void photo(const StyleTrace& s, std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h,
               ObjetPdfPhotoJpeg& image);
    // Dessine la forme numeroForme de l'emplacement d'image interne (0 à 2), 18 points de côté.
    void imageDwa(const StyleTrace& s, std::int32_t x, std::int32_t y, int emplacement, std::uint16_t numeroForme);

    // --- Liens avec les objets du fichier ----------------------------------------------------
    void attacherPage(ObjetPdfPage& page) { page_ = &page; }
    ObjetPdfPage* page() const { return page_; }
    void ajouterAnnotation(ObjetPdfAnnotationLink& annotation);

    // --- Lecture pour les objets du fichier -------------------------------------------------
    const std::array<std::uint16_t, kMaxDegrades>& degrades() const { return degrades_; }
    const std::array<std::uint16_t, 3>& imagesDwa() const { return images_; }
    const std::vector<ObjetPdfPhotoJpeg*>& photos() const { return photos_; }
    const std::vector<ObjetPdfAnnotationLink*>& annotations() const { return annotations_; }
    std::size_t nombreMorceaux() const { return morceaux_.size(); }
    std::size_t taille() const;  // octets de texte gardés
    int mode() const { return mode_; }
    int niveauxOuverts() const { return niveaux_; }
    std::string texteComplet() const;  // pour les essais : tout le contenu, sans prologue

    // --- Données du flux ----------------------------------------------------------------------
    // Démarre le compresseur (zlib, niveau par défaut, fenêtre de 15 bits) ; faux quand il ne
    // peut pas l'être : le flux s'écrit alors sans compression.
    bool demarrerCompression();
    // Ferme le mode en attente, écrit le prologue puis les morceaux (compressés si le
    // compresseur a démarré) ; rend le nombre d'octets écrits. Libère le compresseur.
    std::uint64_t ecrireDonnees(std::ostream& sortie, const ProloguePage& prologue);

private:
    struct Compresseur;
    // Les opérateurs se composent dans tampon_, versé dans les morceaux à la fin de chaque
    // opération publique : l'ordre du texte est celui des appels.
    void vider();
    void ecrireSeiziemes(std::int64_t v);
    void ecrireSeiziemesBlanc(std::int64_t v);
    void fermerModeEnAttente();
    bool rattraper(const StyleTrace& s);
    void depilerEnAttente(int nouvelleProfondeur);
    void reglerTraitEnAttente(const StyleTrace& s);
    void reglerCouleurTexteEnAttente(const StyleTrace& s);
    void choisirPoliceEnAttente(const StyleTrace& s);
    void ouvrirTexte();
    void preparerTexte(const StyleTrace& s);
    void reglerRemplissage(std::uint32_t couleur);
    void ecrireTexteEchappe(std::string_view texte1252);
    void ecrireQuartsDeCercle(std::int32_t cx, std::int32_t cy, std::int32_t r);
    void ecrireCaractereCirculaire(double theta, bool inverse, double x, double y, char c);
    std::string prologue(const ProloguePage& p) const;
    std::uint64_t ecrireSansCompression(std::ostream& sortie, const std::string& debut);
    std::uint64_t ecrireCompresse(std::ostream& sortie, const std::string& debut);

    ObjetPdfPage* page_ = nullptr;
    std::array<std::uint16_t, kMaxDegrades> degrades_{};
    std::array<std::uint16_t, 3> images_{};
    std::vector<ObjetPdfPhotoJpeg*> photos_;
    std::vector<ObjetPdfAnnotationLink*> annotations_;
    std::vector<std::unique_ptr<char[]>> morceaux_;
    std::size_t remplissageDernier_ = kTailleMorceau;
    std::uint8_t mode_ = 0;
    std::int8_t niveaux_ = 0;
    std::uint8_t policeItalique_ = 0;
    std::uint8_t policeTaille_ = 0;
    float epaisseur_ = 0.0f;
    std::uint8_t pointilles_ = 0;
    std::int32_t texteX_ = 0;
    std::int32_t texteY_ = 0;
    std::uint32_t couleurTrait_;
    std::uint32_t couleurNonTrait_;
    std::unique_ptr<Compresseur> compresseur_;
    std::string tampon_;  // opérateur en cours de composition, vidé dans les morceaux
    // « Q » rend l'état graphique d'avant son « q » : ce que la page croit courant doit
    // revenir avec lui, sinon une couleur réglée sous une transformation ne serait plus
    // réécrite après elle.
    struct EtatSauve {
        std::uint32_t couleurTrait, couleurNonTrait;
        float epaisseur;
        std::uint8_t pointilles, policeItalique, policeTaille;
    };
    std::array<EtatSauve, 5> sauvegardes_{};
};

// Tableau des pages de la surface : colonnes × rangées entrées, vides tant que rien n'est
// dessiné sur la page.
using TableauPages = std::vector<std::unique_ptr<ContenuPage>>;

}  // namespace lignara
