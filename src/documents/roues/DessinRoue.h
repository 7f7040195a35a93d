#pragma once
// Ce qu'une roue dessine, calculé par la préparation : traits (cercles, arcs, rayons) et textes
// en unités de dessin, comptés depuis le centre de la roue ; le centre est en (cx, cy) de la
// page, marges non comprises. L'écriture n'a plus qu'à les passer à la surface, avec la couleur
// de chaque nom selon le sexe.
//
// Page : largeur × hauteur, la bande de signature en (0, 0) quand elle y tient sans toucher la
// roue. Trait plein de 0,5 point à la couleur des traits des préférences ; les secteurs ne sont
// pas remplis.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "documents/roues/GeometrieRoue.h"
#include "render/ReglagesDessin.h"

namespace lignara {

class SurfacePdf;

struct TexteRoue {
    enum class Forme : std::uint8_t {
        Droit,       // texte(x, y, largeur, 176)
        Circulaire,  // texteCirculaire autour du centre, rayon, départ (radians), inverse
        Incline,     // texteIncline(x, y, largeur, 176, angle)
    };
    Forme forme = Forme::Droit;
    std::int32_t x = 0, y = 0;  // départ du texte (Droit, Incliné), depuis le centre
    std::int32_t largeur = 0;   // boîte (Droit, Incliné)
    std::int32_t rayon = 0;     // Circulaire
    float depart = 0.0f;        // Circulaire, radians
    bool inverse = false;       // Circulaire : sens inverse, le haut des lettres vers le centre
    std::int32_t angle = 0;     // Incliné, dix-millièmes de radian
    std::string texte;          // Windows-1252
    std::uint8_t sexe = ' ';    // 'M', 'F' ou inconnu : couleur du nom
    bool italique = false;      // conjoints de la roue descendante
};

// Nom d'une personne tel que la sélection le rend (casse automatique), et son sexe.
struct NomRoue {
    std::string nom, prenoms;
    std::uint8_t sexe = ' ';
};
using LectureNom = std::function<NomRoue(std::uint32_t personne)>;

struct TraitRoue {
    enum class Forme : std::uint8_t { Cercle, Arc, Segment };
    Forme forme = Forme::Segment;
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Segment, depuis le centre
    std::int32_t rayon = 0;                       // Cercle, Arc (autour du centre)
    float debut = 0.0f, fin = 0.0f;               // Arc, radians, fin > debut
};

struct CouleursNoms {
    bool parSexe = true;  // « Couleur des individus selon leur sexe »
    std::uint32_t hommes = 0;
    std::uint32_t femmes = 0;
};

struct DessinRoue {
    static constexpr std::int32_t kHauteurLigne = 176;
    static constexpr std::int32_t kHauteurSignature = 528;

    std::int32_t largeur = 0, hauteur = 0;
    std::int32_t cx = 0, cy = 0;
    std::vector<TraitRoue> traits;
    std::vector<TexteRoue> textes;

    void cercle(std::int32_t rayon);
    void arc(std::int32_t rayon, double debut, double fin);
    void segment(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

    // Vrai quand une bande de signature de cette largeur, posée en (0, 0), reste hors du disque
    // de ce rayon autour du centre, à 45 unités au moins.
    bool signatureHorsDuDisque(std::int32_t largeurSignature, std::int32_t rayon) const;
};

// Ligne de texte le long du rayon d'angle theta (dix-millièmes de radian, cosinus et sinus cs) :
// elle lit vers l'extérieur quand le cosinus est positif ou nul, vers le centre sinon, et son
// bout intérieur est toujours à la distance « interieur » du centre. « decalage » l'écarte de la
// ligne du rayon du côté du haut de ses lettres (négatif : du côté du bas). Texte et couleur
// sont à remplir.
TexteRoue texteRayonnant(std::int32_t theta, roue::CosSin cs, std::int32_t interieur, std::int32_t decalage,
                         std::int32_t largeurBoite, std::int32_t largeurTexte);

// Écrit la roue : signature (quand elle est demandée), traits, puis textes ; la couleur du
// texte est remise après chaque nom.
void ecrireRoue(const DessinRoue& dessin, SurfacePdf& surface, const ReglagesDessin& reglages,
                const CouleursNoms& couleurs, bool signature);

}  // namespace lignara
