#pragma once
// PDF : le contenu est dessiné sur une SurfacePdf en rangées de 176 unités, de haut en bas. Le
// contenu est joué deux fois : la première passe mesure (rangées, largeur, place de la
// signature, numéros des ancres), la seconde dessine.
//
// Géométrie, en unités de dessin depuis l'origine du document (y vers le haut) :
//   - la ligne de base de la rangée r est à hauteur − 176 × r − 144 ; une rangée va de sa
//     ligne de base − 32 à sa ligne de base + 144, son milieu est à ligne de base + 55 ;
//   - hauteur = 176 × rangées − 32 sans pagination ; avec un papier, la hauteur est complétée
//     pour que la surface totale (marges comprises) fasse un nombre entier de pages : la liste
//     commence en haut de la première page et un saut de page mène en tête de la suivante ;
//   - largeur = bout droit le plus loin des lignes, au moins la largeur de la page moins les
//     marges avec un papier ; les filets des titres vont jusqu'à elle ;
//   - ligne : étiquette alignée à droite sur retrait + largeur d'étiquette, suite derrière ;
//     segments à partir de retrait + contenu ; une croix est tracée de deux traits dans un carré
//     de 56 commencé 4 après son x, et avance de 90 ; un lien souligné l'est 25 sous la ligne
//     de base ;
//   - titre : lignesAvantPdf (sauf en tête), sa rangée, lignesApresPdf ; texte en xPdf ;
//   - tableau : une rangée par rangée du tableau, cellules encadrées, texte 45 après le bord ;
//   - signature (quand elle a une ligne) : à droite de la première suite de trois rangées d'une
//     même page dont le bout droit laisse largeurSignature + 90 libres avant la largeur, en
//     x = largeur − largeurSignature − 45 (jamais négatif) ; un titre qui ouvre une section
//     commence une nouvelle suite (il en est la première rangée, libre), un autre titre occupe
//     la largeur.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

#include "commun/Horloge.h"
#include "render/PolicesDocument.h"
#include "render/ReglagesDessin.h"
#include "render/texte/Redaction.h"

namespace lignara {

// Ce que la première passe a mesuré.
struct PlanPdf {
    std::int64_t rangees = 0;
    std::int32_t largeur = 0;
    std::int32_t hauteur = 0;
    std::optional<std::int32_t> signatureX;  // coin bas gauche de la bande
    std::int32_t signatureY = 0;
    std::unordered_map<std::string, std::int32_t> ancres;  // identifiants des cibles du PDF
};

class RedacteurPdf : public Redacteur {
public:
    RedacteurPdf(const ReglagesDessin& reglages, const PolicesDocument& polices, const Horloge& horloge)
        : reglages_(reglages), polices_(polices), horloge_(horloge) {}
    // Le rédacteur garde des références : un temporaire mourrait avant lui.
    RedacteurPdf(ReglagesDessin&&, const PolicesDocument&, const Horloge&) = delete;
    RedacteurPdf(const ReglagesDessin&, PolicesDocument&&, const Horloge&) = delete;
    void rediger(const MiseEnPage& mise, const ContenuRedaction& contenu) override;

    // Première passe seule, pour les essais de géométrie.
    PlanPdf planifier(const MiseEnPage& mise, const ContenuRedaction& contenu) const;

private:
    const ReglagesDessin& reglages_;
    const PolicesDocument& polices_;
    Horloge horloge_;
};

}  // namespace lignara
