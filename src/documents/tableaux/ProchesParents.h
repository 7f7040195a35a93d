#pragma once
// Tableau des proches parents (type 54, « PP_ ») : les parents proches d'une racine rangés par
// lien, en trois colonnes, en PDF ou Web (rédacteurs du texte structuré, un tableau de trois
// colonnes dont chaque rangée est une ligne de 176). Paramètres, dans l'ordre de la signature
// « Ps1111 » : racine et son nom, profondeurs des ascendants, des descendants et des cousins
// (2 au départ ; 0, ou un octet négatif d'un ancien réglage, omet la partie), format.
//
// Colonnes : à gauche, côté du père, « Oncles et tantes paternels » au-dessus de la rangée de la
// racine et « Cousins paternels » en dessous ; au centre les ascendants au-dessus, la racine et
// sa fratrie (demi-frères et sœurs compris) sur sa rangée, puis descendants et descendants de
// la fratrie ; à droite, le côté de la mère. Les parties du dessus finissent toutes sur la
// rangée de la racine.
//
// Titres (notre règle) : « Parents », « Enfants » et « Neveux et nièces » quand la profondeur
// est d'une génération, sinon « Ascendants », « Descendants », « Descendants de la fratrie » ;
// quand un seul parent de la racine est connu, son côté porte « Oncles et tantes » et
// « Cousins germains et descendance ». Une personne qui se trouve à deux titres n'est montrée
// qu'une fois, dans la première partie où elle paraît (dans l'ordre ci-dessus). Les conjoints
// ne sont pas montrés : le tableau ne suit que les liens du sang.
#include <cstdint>
#include <string>
#include <vector>

#include "documents/Document.h"
#include "documents/ParametresCommuns.h"
#include "documents/listes/TextesListe.h"
#include "render/ReglagesDessin.h"
#include "render/texte/Redaction.h"
#include "reglages/Configuration.h"

namespace lignara {

inline constexpr ParametreDeclare kAscendantsProches{.lettre = '1',
                                                     .controle = controle::kNombre1,
                                                     .libelle = "Ascendants, sur",
                                                     .defaut = 2,
                                                     .minimum = 0,
                                                     .maximum = 20,
                                                     .unite = "générations"};
inline constexpr ParametreDeclare kDescendantsProches{.lettre = '1',
                                                      .controle = controle::kNombre2,
                                                      .libelle = "Descendants, sur",
                                                      .defaut = 2,
                                                      .minimum = 0,
                                                      .maximum = 20,
                                                      .unite = "générations"};
inline constexpr ParametreDeclare kCousinsProches{.lettre = '1',
                                                  .controle = controle::kNombre3,
                                                  .libelle = "Cousins, sur",
                                                  .defaut = 2,
                                                  .minimum = 0,
                                                  .maximum = 20,
                                                  .unite = "générations"};

class ProchesParents : public Document {
public:
    static constexpr std::uint8_t kCode = 54;
    static constexpr const ParametreDeclare* kParametres[] = {
        &kRacine, &kNomRacine, &kAscendantsProches, &kDescendantsProches, &kCousinsProches, &kFormat};

    explicit ProchesParents(const Afficheur& type) : Document(type) {}

    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    struct Proche {
        std::uint32_t personne = 0;
        int niveau = 0;  // retrait : génération dans sa partie, à partir de 0
    };
    struct Partie {
        std::string titre;  // Windows-1252
        std::vector<Proche> proches;
    };
    enum Place {
        Ascendants,
        Fratrie,
        Descendants,
        DescendantsFratrie,
        OnclesPaternels,
        CousinsPaternels,
        OnclesMaternels,
        CousinsMaternels,
        kNombreParties
    };
    // Après preparer() ; une partie vide n'est pas montrée.
    const Partie& partie(Place p) const { return parties_[p]; }
    // Profondeur d'un paramètre : 0 pour un octet nul ou négatif.
    int profondeur(const ParametreDeclare& p) const;

    void rediger(FluxRedaction& flux) const;
    MiseEnPage miseEnPage() const;

private:
    void rassembler(const BaseGenealogique& base);

    Configuration preferences_;
    ReglagesDessin dessin_;
    Partie parties_[kNombreParties];
    std::int32_t largeurPdf_ = 0;  // largeur de la page du PDF, étirement compris ; 0 : non paginé
    TextesListe textes_;
};

}  // namespace lignara
