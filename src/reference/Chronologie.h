#pragma once
// Chronologie chargée pour un arbre chronologique : les périodes historiques qui recouvrent les
// années de l'arbre (Y1 en bas, Y2 en haut), bornées à ces années, et leur mise en place en
// bandes colorées et libellés. Disposition du fichier en tête de Chronologie.cpp.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "commun/MetriquePolice.h"
#include "reference/ChronologieListe.h"

namespace lignara {

struct PeriodeChronologie {
    std::int16_t debut = 0;
    std::int16_t fin = 0;
    std::string libelle;  // 1252, 100 octets au plus
    std::uint8_t rouge = 0, vert = 0, bleu = 0;
};

// Bande d'une période en unités de dessin comptées vers le bas depuis le haut de l'arbre
// (année Y2) : de haut à bas, sur toute la largeur utile de la page.
struct BandeChronologie {
    std::int32_t haut = 0;
    std::int32_t bas = 0;
    std::uint32_t couleur = 0;  // 0x00BBGGRR
};

// Libellé d'une période : x depuis la gauche, y vers le bas depuis le haut de l'arbre.
struct LibelleChronologie {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::string texte;
};

class Chronologie {
public:
    static constexpr std::int32_t kUnitesParAnnee = 64;
    static constexpr std::int32_t kDecalageMemeAnnee = 20;
    static constexpr std::int32_t kPositionLibelles = 90;
    static constexpr std::size_t kLongueurMaximaleLibelle = 100;

    // Y1 = année courante − le plus grand des deux écarts, Y2 = année courante − le plus petit ;
    // l'année courante est celle de l'horloge du document.
    // Lève OperationImpossible (« Fichier de chronologie inaccessible ») quand le fichier manque
    // ou ne se lit pas jusqu'à la dernière période utile. L'entrée « (aucun) » donne une
    // chronologie vide sans lire de fichier.
    static Chronologie charger(const ChronologieListe::Entree& entree, int anneesAvantBas, int anneesAvantHaut,
                               int anneeCourante);
    static Chronologie chargerFichier(const std::filesystem::path& fichier, int premiereAnnee, int derniereAnnee);
    static Chronologie lire(std::string_view octets, int premiereAnnee, int derniereAnnee);

    // Image d'un fichier de chronologie (outil de construction des données livrées).
    static std::string image(const std::vector<PeriodeChronologie>& periodes);

    int premiereAnnee() const { return y1_; }
    int derniereAnnee() const { return y2_; }
    const std::vector<PeriodeChronologie>& periodes() const { return periodes_; }
    bool vide() const { return periodes_.empty(); }

    // Largeur que l'arbre réserve à gauche : le plus large libellé plus 90.
    std::int32_t largeurLibelles(const MetriquePolice& police) const;

    // Les périodes qui commencent la même année sont décalées de 20 unités l'une après l'autre.
    std::vector<BandeChronologie> bandes() const;
    // Libellés non vides dont la position tombe dans l'arbre (y > 0).
    std::vector<LibelleChronologie> libelles() const;

private:
    int y1_ = 0;
    int y2_ = 0;
    std::vector<PeriodeChronologie> periodes_;
};

}  // namespace lignara
