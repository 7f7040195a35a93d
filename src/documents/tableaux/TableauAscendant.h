#pragma once
// Tableau ascendant (type 32, « TA_ ») : les ascendants d'une racine en tableaux de G
// générations, une colonne par génération, en PDF, RTF ou Web (rédacteurs du texte structuré).
// Paramètres, dans l'ordre de la signature « Psb21 » : racine et son nom, « Affiche les numéros
// Soza-Stradonitz » (oui), « Format de page » (code de papier, A4 portrait au départ ; 1701 se
// lit 1702), format.
//
// Blocs : G est le plus grand nombre tel que 2^(G−1) rangées de 64 unités tiennent dans la
// hauteur utile de la page (8 en A4 portrait, 9 en A3 portrait), au moins 2 ; « Non paginé » : 8,
// sinon un bloc aurait des rangées sans fin. Le bloc 1 part de la racine ; chaque personne de la
// dernière colonne qui a des parents ouvre un bloc où elle est la première colonne — un seul
// bloc par personne : avec les branches doubles (implexe), ses autres apparitions renvoient au
// même bloc, sans quoi leur nombre croît comme 2^générations. Numéros Sosa 2n et 2n + 1 ;
// au-delà de la 64e génération ils ne tiennent plus sur 64 bits et s'écrivent « *** ».
//
// Renvois : « >> » en fin de rangée mène à l'ancre « B<n> » du bloc n (son en-tête) ; « << »
// en tête d'un bloc ramène à l'ancre « C<n> » de la case d'où il part. Les blocs sont séparés
// par un saut de page.
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

std::vector<ChoixParametre> choixFormatsPage();

inline constexpr ParametreDeclare kNumerosSosa{
    .lettre = 'b', .controle = controle::kPremiereCase, .libelle = "Affiche les numéros Soza-Stradonitz", .defaut = 1};
inline constexpr ParametreDeclare kFormatPage{.lettre = '2',
                                              .controle = controle::kChoix,
                                              .libelle = "Format de page",
                                              .defaut = 1707,
                                              .choixCalcules = choixFormatsPage};

class TableauAscendant : public Document {
public:
    static constexpr std::uint8_t kCode = 32;
    static constexpr const ParametreDeclare* kParametres[] = {&kRacine, &kNomRacine, &kNumerosSosa, &kFormatPage,
                                                              &kFormat};
    static constexpr int kGenerationsNonPagine = 8;
    static constexpr int kGenerationsMax = 16;  // garde : 2^15 rangées de 64 dépassent tout papier
    // Au-delà, les blocs suivants ne sont pas ouverts (un message le dit).
    static constexpr std::size_t kCasesMax = 4000000;

    explicit TableauAscendant(const Afficheur& type) : Document(type) {}

    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    struct Case {
        std::uint32_t personne = 0;  // 0 : inconnue, case vide
        std::uint64_t sosa = 0;      // 0 : au-delà de la 64e génération
        std::int32_t suite = 0;      // dernière colonne : numéro du bloc qui la continue, 0 : aucun
    };
    struct BlocAscendant {
        std::int32_t numero = 1;
        std::int32_t depuis = 0;                  // bloc d'où il part, 0 pour le premier
        std::uint32_t generation = 1;             // génération de sa première colonne (racine : 1)
        std::vector<std::vector<Case>> colonnes;  // colonne g : 2^g cases
    };

    // Après preparer().
    int generationsParBloc() const { return generations_; }
    const std::vector<BlocAscendant>& blocs() const { return blocs_; }
    static std::string numero(const Case& c) { return c.sosa == 0 ? std::string("***") : std::to_string(c.sosa); }
    void rediger(FluxRedaction& flux) const;
    MiseEnPage miseEnPage() const;

private:
    void construire(const BaseGenealogique& base, const ContexteDocument& contexte);

    Configuration preferences_;
    ReglagesDessin dessin_;
    int generations_ = kGenerationsNonPagine;
    std::int32_t largeurColonne_ = 0;
    std::vector<BlocAscendant> blocs_;
    TextesListe textes_;
};

}  // namespace lignara
