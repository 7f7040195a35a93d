#pragma once
// Liste ascendante (type 12, « LA_ ») : les ascendants d'une personne génération par
// génération, chacun sous son numéro Sosa-Stradonitz, en PDF, texte, RTF ou Web.
// Paramètres, dans l'ordre de la signature « Psb1L1 » : racine et son nom, « Fait un renvoi
// pour les personnes "doublon" » (oui), format, coupes de la page « Coupes » et limite de
// générations.
//
// Préférences lues : ligne « Liste ascendante » des données à afficher, « pour les branches
// ascendantes » (branches doubles), couleur par sexe, signature, compression des listes.
//
// Écriture, format par format (le reste est dans les rédacteurs de render/texte) :
//   - titre de génération : texte « ----- N° GENERATION ----- » (30 tirets de chaque côté),
//     deux lignes vides avant sauf le premier ; RTF gras précédé de trois blancs et suivi d'un
//     filet ; PDF en x = 850, filets de 0 à 715 et de la fin du texte + 135 à la largeur, deux
//     rangées avant (sauf le premier) et une après, le titre ouvrant une section pour la
//     signature ;
//   - entrée : numéro en gras aligné à droite sur la colonne des numéros de sa génération (au
//     moins 360 unités ; en texte, sans remplissage), nom précédé de quatre blancs, coloré par
//     sexe, puis détails ; un renvoi « voir n° N » souligne et lie « n° N » à l'ancre « I »
//     + numéro de personne de la première occurrence ;
//   - mariage : croix en colonne + 180 (texte : « x  » aligné à droite sur longueur du
//     numéro + 6 caractères), puis date et lieu ;
//   - RTF : les entrées d'une génération dans un bloc « {\li800\fi-700 ».
#include <cstdint>
#include <string>
#include <vector>

#include "documents/Document.h"
#include "documents/ParametresCommuns.h"
#include "documents/listes/EntreesAscendantes.h"
#include "documents/listes/ParametresListes.h"
#include "documents/listes/TextesListe.h"
#include "render/ReglagesDessin.h"
#include "render/texte/Redaction.h"
#include "reglages/Configuration.h"

namespace lignara {

inline constexpr ParametreDeclare kRenvois{.lettre = 'b',
                                           .controle = controle::kPremiereCase,
                                           .libelle = "Fait un renvoi pour les personnes \"doublon\"",
                                           .defaut = 1};

class ListeAscendante : public Document {
public:
    static constexpr std::uint8_t kCode = 12;
    static constexpr const ParametreDeclare* kParametres[] = {&kRacine, &kNomRacine,   &kRenvois,
                                                              &kFormat, &kCoupesListe, &kLimiteGenerations};
    // Avec les branches doubles, au-delà : les générations suivantes ne sont pas listées.
    static constexpr std::size_t kEntreesMax = 500000;

    explicit ListeAscendante(const Afficheur& type) : Document(type) {}

    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    // Après preparer().
    const ListeAscendanteConstruite& liste() const { return liste_; }
    // Le contenu, tel que chaque rédacteur le reçoit.
    void rediger(FluxRedaction& flux) const;
    MiseEnPage miseEnPage() const;

private:
    // Numéro écrit d'une entrée : Sosa, ou « ********** » au-delà de la 64e génération.
    static std::string numero(const EntreeAscendante& e);

    Configuration preferences_;
    ReglagesDessin dessin_;
    ListeAscendanteConstruite liste_;
    TextesListe textes_;
    std::vector<std::int32_t> colonnes_;  // colonne des numéros, par génération
};

}  // namespace lignara
