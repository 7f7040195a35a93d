#pragma once
// Base des cartes de localisation et de migration : le pays de la carte (zone), le fichier de
// cartographie de ce pays, l'échelle de la carte dans le dessin, les contours et les codes des
// régions, la bande de signature, l'écriture en PDF. Une carte ne s'écrit qu'en PDF.
//
// Largeur du dessin W : « Non paginé » 9072 unités (13024 pour la Russie, étirée en longitude),
// un format paginé sa largeur utile (A4 portrait 9072, A4 paysage 13024), moins les marges
// gauche et droite. La carte y est mise à l'échelle W ÷ largeur de la carte, proportions
// gardées ; sur un format paginé, elle est réduite au besoin pour tenir sur une page avec ce
// qu'on dessine sous elle (bande de signature, légende), et quand tout le dessin dépasse une
// page, elle commence sur une page à elle plutôt que d'être coupée.
#include <cstdint>
#include <optional>
#include <string>

#include "documents/Controles.h"
#include "documents/Document.h"
#include "documents/cartes/DessinCarte.h"
#include "documents/cartes/FichierCarte.h"
#include "documents/cartes/ZonesCarte.h"
#include "reglages/Configuration.h"

namespace lignara {

// Pays de la carte (2052) : le code de 16 bits de la zone ; au départ, le pays par défaut des
// préférences quand il est l'un des 34, sinon la France.
inline constexpr ParametreDeclare kZoneCarte{
    .lettre = '2', .controle = controle::kPays, .libelle = "Pays", .defaut = kZoneFrance, .choixCalcules = choixZones};
inline constexpr ParametreDeclare kCodesRegions{
    .lettre = 'b', .controle = controle::kPremiereCase + 1, .libelle = "Affichage des codes de régions", .defaut = 1};

// Place de la carte dans le dessin : x = x0 + xCarte × num ÷ den, de même pour y (64 bits).
struct EchelleCarte {
    std::int64_t numerateur = 1;
    std::int64_t denominateur = 1;
    std::int32_t x0 = 0;
    std::int32_t y0 = 0;
    std::int32_t largeur = 0;  // carte à l'échelle
    std::int32_t hauteur = 0;

    std::int32_t x(std::uint32_t xCarte) const {
        return x0 + static_cast<std::int32_t>(xCarte * numerateur / denominateur);
    }
    std::int32_t y(std::uint32_t yCarte) const {
        return y0 + static_cast<std::int32_t>(yCarte * numerateur / denominateur);
    }
};

// Aire d'une région en unités de carte au carré, enclaves ôtées.
double aireRegion(const RegionCarte& region);

class DocumentCarte : public Document {
public:
    static constexpr std::int32_t kBandeSignature = 704;  // 528 de bande et une ligne de marge
    static constexpr std::int32_t kLargeurNonPagine = 9072;
    static constexpr std::int32_t kLargeurNonPagineRussie = 13024;

    explicit DocumentCarte(const Afficheur& type) : Document(type) {}

    void initialiserParametres(const ContexteDocument& contexte) override;
    void ecrire() override;

    // Après preparer() : ce qui sera dessiné, la carte lue et son échelle.
    const DessinCarte& dessin() const { return dessin_; }
    const Carte& carte() const { return carte_; }
    const EchelleCarte& echelle() const { return echelle_; }
    std::uint16_t zone() const { return mot(kZoneCarte); }

protected:
    // Préférences et réglages de la surface ; le dessin repart de rien.
    void preparerReglages(const ContexteDocument& contexte);
    // Lit la carte de la zone : « … n'a pas de table de régions » pour un pays dont les lieux
    // n'ont pas de subdivisions (l'Algérie), les messages du fichier de cartographie sinon.
    void chargerCarte();
    // Largeur W du dessin (voir plus haut) et hauteur de page qui reste pour la carte (0 : sans
    // limite) quand reserveBas unités sont dessinées sous elle sur la même page.
    std::int32_t largeurDessin() const;
    std::int32_t hauteurPourCarte(std::int32_t reserveBas) const;
    // Échelle de la carte posée à partir de y0 : W ÷ largeur de la carte, réduite à hauteurMax.
    void mettreAEchelle(std::int32_t hauteurMax);
    void poserCarte(std::int32_t y0) { echelle_.y0 = y0; }
    // y où poser la carte au-dessus de ce qui occupe déjà [0, basMinimum) : basMinimum sans
    // pagination ; sur papier, le haut de la carte au haut de sa page (la première quand tout
    // y tient, sinon celle qui suit ce qu'on dessine sous elle).
    std::int32_t basDeCarte(std::int32_t basMinimum) const;
    // Contours de toutes les régions, puis codes des régions quand ils sont demandés. Un code
    // qui couvrirait un code déjà posé est laissé : les codes se posent dans l'ordre de
    // prioriteCode (décroissant), puis de la plus grande région à la plus petite.
    void placerContours();
    void placerCodes();
    virtual std::int64_t prioriteCode(const RegionCarte&) const { return 0; }
    // Bande de signature en bas au centre, quand les préférences la demandent.
    void placerSignature();
    std::vector<std::int32_t> pointsDessin(const PolygoneCarte& polygone) const;
    std::int32_t largeurTexte1252(const std::string& texte) const;
    // Nom d'une région : celui de la carte, sinon celui de nos tables, sinon son numéro.
    std::string nomRegion(std::uint8_t region) const;

    Configuration preferences_;
    ReglagesDessin reglagesDessin_;
    Carte carte_;
    EchelleCarte echelle_;
    DessinCarte dessin_;
};

}  // namespace lignara
