#pragma once
// Liste descendante (type 15, « LD_ ») : les descendants d'une personne en plan indenté, en
// PDF, texte ou Web. Paramètres, dans l'ordre de la signature « Psbbb1L1L2 » : racine et son
// nom, « Liste agnatique (limitée aux branches masculines) » (non), « Numérote les
// personnes » (oui), « Affiche les personnes contemporaines » (oui), format, coupes et limite
// de générations (page « Coupes »), branches reportées et leur nombre (page « Reports »).
//
// Préférences lues : ligne « Liste descendants » des données à afficher, « pour les branches
// descendantes » (branches doubles), couleur par sexe, signature, compression des listes.
//
// Géométrie d'une ligne de génération g dans une section de base b (b = 1, ou la génération
// de la personne qui ouvre un report) : x = 320 × (g − b) unités, 7 × (g − b) caractères.
//   - personne, renvoi de report : étiquette « génération + lettre », la génération alignée à
//     droite sur deux chiffres en x ; nom coloré par sexe et détails en x + 320 (texte : après
//     l'étiquette et un blanc) ; sans numéros, un trait de x à x + 275 ; raccord vertical en
//     x − 90 depuis la ligne de la personne parente (ou du dernier enfant) et trait de x − 90
//     à x ;
//   - mariage : croix en x + 230, date et lieu en x + 320 (Web : « <b>x </b> ») ;
//   - conjoint : nom et détails en x + 320, précédés de la croix du PDF sauf après un mariage ;
//   - déjà listée, coupée : trait de x + 230 à x + 320, « >> » (lien vers la ligne qui a listé
//     les enfants) ou « ... » en x + 365 ;
//   - en-tête de report : « ----- N ------… » en texte, N en 320 entre deux filets en PDF, ancre
//     « reportN » et lien vers le premier renvoi (« persN »).
// Texte brut : blancs de retrait, plus 4 quand la liste est numérotée (l'étiquette y tient).
#include <cstdint>
#include <string>
#include <vector>

#include "documents/Document.h"
#include "documents/ParametresCommuns.h"
#include "documents/listes/LignesDescendantes.h"
#include "documents/listes/ParametresListes.h"
#include "documents/listes/TextesListe.h"
#include "render/ReglagesDessin.h"
#include "render/texte/Redaction.h"
#include "reglages/Configuration.h"

namespace lignara {

inline constexpr ParametreDeclare kAgnatiqueListe{
    .lettre = 'b', .controle = controle::kPremiereCase, .libelle = "Liste agnatique (limitée aux branches masculines)"};
inline constexpr ParametreDeclare kNumerote{
    .lettre = 'b', .controle = controle::kPremiereCase + 1, .libelle = "Numérote les personnes", .defaut = 1};
inline constexpr ParametreDeclare kContemporainsListe{.lettre = 'b',
                                                      .controle = controle::kPremiereCase + 2,
                                                      .libelle = "Affiche les personnes contemporaines",
                                                      .defaut = 1};

class ListeDescendante : public Document {
public:
    static constexpr std::uint8_t kCode = 15;
    static constexpr const ParametreDeclare* kParametres[] = {
        &kRacine, &kNomRacine,   &kAgnatiqueListe,    &kNumerote, &kContemporainsListe,
        &kFormat, &kCoupesListe, &kLimiteGenerations, &kReports,  &kNombreReports};

    explicit ListeDescendante(const Afficheur& type) : Document(type) {}

    bool verifierParametres(const ContexteDocument& contexte) override;
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    // Après preparer().
    const ListeDescendanteConstruite& liste() const { return liste_; }
    void rediger(FluxRedaction& flux) const;
    MiseEnPage miseEnPage() const;

private:
    Configuration preferences_;
    ReglagesDessin dessin_;
    ListeDescendanteConstruite liste_;
    TextesListe textes_;
    std::vector<std::uint32_t> bases_;
    bool numerote_ = true;
};

}  // namespace lignara
