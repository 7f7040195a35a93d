#pragma once
// Frise ascendante individuelle (type 51) ou familiale (52) et frise descendante (53) : la vie de
// chaque ascendant ou descendant de la racine (et, pour 52, de son conjoint) en une barre sur
// l'échelle du temps, génération par génération.
//
// Paramètres : racine et son nom, [conjoint pour 52], « Limite la frise à » N générations
// (0 : aucune limite ; la génération de la racine est la première).
//
// Contenu : les générations en largeur, chaque personne une fois (GenerationsFrise) ; une rangée
// de 208 par personne, barre de 144 sur ses bornes de vie (ViesFrise) colorée par son sexe,
// libellée de ses prénoms et nom, ses mariages datés marqués d'une pastille. Chaque génération
// commence par « Génération %d » entre deux filets, un petit triangle dessous. Titre « Frise
// ascendante » ou « Frise descendante », puis « de »/« d' » et la racine, « et de »/« et d' » et
// le conjoint.
//
// Géométrie : titre (4 lignes), puis par génération un en-tête de 2 lignes et ses rangées, puis
// l'axe (4 lignes) ; l'axe va de 90 à la largeur moins la pointe et 90.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "documents/Document.h"
#include "documents/frises/EchelleTemps.h"
#include "documents/frises/EvenementFrise.h"
#include "documents/frises/ParametresFrises.h"
#include "render/ReglagesDessin.h"

namespace lignara {

class TraceFrise;

class FriseLignees : public Document {
public:
    static constexpr std::uint8_t kCodeAscendante = 51;
    static constexpr std::uint8_t kCodeAscendanteFamiliale = 52;
    static constexpr std::uint8_t kCodeDescendante = 53;
    static constexpr std::int32_t kEnTeteGeneration = 2 * 176;
    static constexpr std::int32_t kGauche = 90;

    static constexpr const ParametreDeclare* kParametresIndividuelle[] = {&kRacine, &kNomRacine, &kLimiteFrise};
    static constexpr const ParametreDeclare* kParametresFamiliale[] = {&kRacine, &kNomRacine, &kConjoint,
                                                                       &kLimiteFrise};

    // Une rangée : la vie d'une personne et ses mariages (jours).
    struct Rangee {
        std::uint32_t personne = 0;
        EvenementFrise vie;
        std::vector<std::int32_t> mariages;
    };

    explicit FriseLignees(const Afficheur& type);
    ~FriseLignees() override;

    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    bool descendante() const { return type().code == kCodeDescendante; }
    bool familiale() const { return type().declare(kConjoint); }
    // Après preparer() : les rangées par génération, l'échelle et le titre.
    const std::vector<std::vector<Rangee>>& generations() const { return generations_; }
    const EchelleTemps& echelle() const { return echelle_; }
    const std::string& sousTitre() const { return sousTitre_; }

private:
    std::string titre() const;
    std::int32_t dessinerGeneration(TraceFrise& trace, std::size_t g, std::int32_t yHaut) const;

    ReglagesDessin dessin_;
    std::uint32_t conjoint_ = 0;
    std::vector<std::vector<Rangee>> generations_;
    EchelleTemps echelle_;
    std::string sousTitre_;
    std::int32_t contenu_ = 0;  // hauteur dessinée, depuis le haut
};

}  // namespace lignara
