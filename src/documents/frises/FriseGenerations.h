#pragma once
// Frise des générations ascendantes, individuelle (type 47) ou familiale (48), et des
// générations descendantes (49) : une barre par génération, du plus tôt des naissances au plus
// tard des décès de ses membres (bornes de vie, ViesFrise).
//
// Paramètres : racine et son nom ; [conjoint pour 48] ; [« Intègre les conjoints des
// descendants » pour 49].
//
// Générations par génération (GenerationsFrise) : une personne que plusieurs lignées mènent à
// des générations différentes compte dans chacune. Libellé « %d %sscendant%s%s » : le nombre de
// personnes (conjoints compris quand ils le sont), « a » ou « de », « s » à partir de 2, et
// « * » quand l'une d'elles est aussi dans une autre génération. Catégorie 5 pour les frises
// d'une personne ; pour le couple, deux barres par génération, les ascendants de la racine en
// catégorie 8, ceux du conjoint en 9. Titre « Frise des générations ascendantes » ou
// « descendantes », suivi de « (conjoints compris) » quand ils le sont.
//
// Géométrie : titre (4 lignes), une rangée de 208 par barre avec « Génération %d » dans la
// colonne de gauche (kLargeurLibelles), puis l'axe (4 lignes).
#include <cstdint>
#include <string>
#include <vector>

#include "documents/Document.h"
#include "documents/frises/EchelleTemps.h"
#include "documents/frises/EvenementFrise.h"
#include "documents/frises/ParametresFrises.h"
#include "render/ReglagesDessin.h"

namespace lignara {

class FriseGenerations : public Document {
public:
    static constexpr std::uint8_t kCodeAscendante = 47;
    static constexpr std::uint8_t kCodeAscendanteFamiliale = 48;
    static constexpr std::uint8_t kCodeDescendante = 49;
    static constexpr std::int32_t kLargeurLibelles = 1300;

    static constexpr const ParametreDeclare* kParametresAscendante[] = {&kRacine, &kNomRacine};
    static constexpr const ParametreDeclare* kParametresFamiliale[] = {&kRacine, &kNomRacine, &kConjoint};
    static constexpr const ParametreDeclare* kParametresDescendante[] = {&kRacine, &kNomRacine, &kConjointsGenerations};

    // Une barre : les membres d'une génération d'un côté.
    struct Barre {
        std::size_t generation = 0;  // 0 : la racine (ou le conjoint)
        std::size_t personnes = 0;
        bool multiple = false;  // « * »
        EvenementFrise vie;     // bornes et libellé
    };

    explicit FriseGenerations(const Afficheur& type);
    ~FriseGenerations() override;

    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    bool descendante() const { return type().code == kCodeDescendante; }
    bool familiale() const { return type().declare(kConjoint); }
    bool avecConjoints() const { return descendante() && octet(kConjointsGenerations) != 0; }
    // Après preparer() : les barres de haut en bas.
    const std::vector<Barre>& barres() const { return barres_; }
    const EchelleTemps& echelle() const { return echelle_; }
    std::string titre() const;

    // « %d %sscendant%s%s ».
    static std::string libelle(std::size_t personnes, bool descendants, bool multiple);

private:
    std::uint32_t conjoint_ = 0;
    ReglagesDessin dessin_;
    std::vector<Barre> barres_;
    EchelleTemps echelle_;
    std::string sousTitre_;
    std::int32_t contenu_ = 0;  // hauteur dessinée, depuis le haut
};

}  // namespace lignara
