#pragma once
// Trombinoscope (types 35, 36, 37 ; « TR_ ») : les photos d'une population — ascendants de la
// tête, ses descendants, ou tout le fichier (Population.h, sans les conjoints) — chacune
// au-dessus du nom de sa personne, en PDF, RTF ou Web.
//
// Paramètres, dans l'ordre de la signature « Ps1b21 » : tête et son nom, format, « Une seule
// photo par individu » (non), « Hauteur des photos » en millimètres (30 ; de 10 à 150, pour
// qu'une cellule tienne toujours dans la largeur d'une page A4), tri « Nom » ou « Année de
// naissance » (l'année estimée ; les personnes sans année à la fin, par nom).
//
// Grille : une cellule par photo (la première seulement avec « Une seule photo »), photo mise à
// la hauteur choisie (largeur au plus 3/2 de la hauteur), nom dessous en 8 points, coloré par
// sexe selon la préférence ; cellules toutes de la largeur de la plus large (photo, ou nom
// jusqu'à 3/2 de la hauteur) plus 180 de marge, bornée à la largeur utile ; autant par rangée
// que la largeur utile en tient (LargeurUtile.h) ; un nom plus large que sa cellule moins 90
// est coupé et finit par « ... ». Web : feuille de style des blocs, bord de la couleur des
// traits. Personne n'a de photo lisible : « Aucune personne sélectionnée n'a de photo ».
#include <cstdint>
#include <string>
#include <vector>

#include "documents/Document.h"
#include "documents/ParametresCommuns.h"
#include "documents/fiches/PhotosPersonne.h"
#include "render/ReglagesDessin.h"
#include "render/texte/Redaction.h"
#include "reglages/Configuration.h"

namespace lignara {

inline constexpr ParametreDeclare kUnePhoto{
    .lettre = 'b', .controle = controle::kPremiereCase, .libelle = "Une seule photo par individu", .defaut = 0};
inline constexpr ParametreDeclare kHauteurPhotosMm{.lettre = '2',
                                                   .controle = controle::kNombre1,
                                                   .libelle = "Hauteur des photos",
                                                   .defaut = 30,
                                                   .minimum = 10,
                                                   .maximum = 150,
                                                   .unite = "millimètres"};
inline constexpr const char* kChoixTriTrombinoscope[] = {"Nom", "Année de naissance"};
inline constexpr ParametreDeclare kTriTrombinoscope{
    .lettre = '1', .controle = controle::kGroupe1, .libelle = "Tri", .choix = kChoixTriTrombinoscope};

struct CelluleTrombinoscope {
    std::uint32_t personne = 0;
    std::uint8_t sexe = ' ';
    std::string nom;  // prénoms et nom
    PhotoPersonne photo;
    std::int32_t largeur = 0, hauteur = 0;  // taille posée, unités
};

class Trombinoscope : public Document {
public:
    static constexpr const ParametreDeclare* kParametres[] = {&kRacine,   &kNomRacine,       &kFormat,
                                                              &kUnePhoto, &kHauteurPhotosMm, &kTriTrombinoscope};
    static constexpr std::int32_t kMargeCellule = 180;
    static constexpr std::uint8_t kTailleNom = 8;  // points

    explicit Trombinoscope(const Afficheur& type) : Document(type) {}

    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    // Après preparer().
    const std::vector<CelluleTrombinoscope>& cellules() const { return cellules_; }
    std::int32_t largeurCellule() const { return largeurCellule_; }
    std::int32_t hauteurPhotos() const { return hauteurPhotos_; }
    int parRangee() const { return parRangee_; }
    void rediger(FluxRedaction& flux) const;
    // Feuille de style de la page Web.
    std::string styleWeb() const;

private:
    void trier(const ContexteDocument& contexte);
    void placer();
    std::int32_t largeurNom(const std::string& nom) const;

    Configuration preferences_;
    ReglagesDessin dessin_;
    std::vector<CelluleTrombinoscope> cellules_;
    std::string titre_;
    std::int32_t hauteurPhotos_ = 0;
    std::int32_t largeurCellule_ = 1;
    int parRangee_ = 1;
};

}  // namespace lignara
