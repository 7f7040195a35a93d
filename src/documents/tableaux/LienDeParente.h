#pragma once
// Lien de parenté (type 11, « TP_ ») : les deux lignées qui descendent du plus proche ancêtre
// commun de deux personnes (parente/LienParente.h), en cases, en PDF ou en Web. Paramètres, dans
// l'ordre de la signature « PsPs1 » : première personne et son nom, seconde personne et son
// nom, format.
//
// Mise en page : quatre colonnes de largeur w = (largeur de page − 360) ÷ 4, élargies à la plus
// large case, en x = 0, w + 90, 2w + 270, 3w + 360 (lignée de la première personne, ses
// conjoints, lignée de la seconde, ses conjoints) ; la rangée des ancêtres communs centrée,
// l'ancêtre au milieu de ses deux conjoints quand il en a deux. Hauteur 880 + 1056 × la plus
// longue lignée ; la rangée k est 1056 × k sous la rangée du haut. Raccords : un trait
// horizontal entre les deux membres d'un couple à mi-hauteur, puis de son milieu une équerre
// vers l'enfant de la rangée suivante. La bande de signature se met à droite de la rangée du
// haut quand elle y tient, sinon au-dessus.
#include <cstdint>
#include <vector>

#include "documents/Document.h"
#include "documents/ParametresCommuns.h"
#include "documents/arbres/BoiteArbre.h"
#include "documents/tableaux/CasesParente.h"
#include "render/ReglagesDessin.h"
#include "reglages/Configuration.h"

namespace lignara {

class LienDeParente : public Document {
public:
    static constexpr std::uint8_t kCode = 11;
    static constexpr const ParametreDeclare* kParametres[] = {&kRacine, &kNomRacine, &kSeconde, &kNomSeconde, &kFormat};
    static constexpr std::int32_t kEcartRangees = 1056;

    explicit LienDeParente(const Afficheur& type) : Document(type) {}

    // Les deux personnes connues ; deux fois la même : le message, et faux.
    bool verifierParametres(const ContexteDocument& contexte) override;
    // Recherche du lien (OperationImpossible sans lien, avant tout fichier), puis mise en page.
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    // Après preparer() : une case par personne de la grille, rangée par rangée.
    struct CasePlacee {
        BoiteArbre boite;
        std::size_t rangee = 0;
        int colonne = 0;                   // 0 à 3 ; rangée 0 : rang de la case tassée
        std::uint32_t pere = 0, mere = 0;  // rangée 1 : ses parents, pour les raccorder en haut
    };
    const std::vector<CasePlacee>& cases() const { return cases_; }
    // Raccords : (parent gauche, parent droit ou −1, enfant ou −1), indices dans cases().
    struct Raccord {
        int gauche = -1, droite = -1, enfant = -1;
    };
    const std::vector<Raccord>& raccords() const { return raccords_; }
    // Traits des raccords, horizontaux ou verticaux.
    struct Trait {
        std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    };
    std::vector<Trait> traits() const;
    std::int32_t largeurColonne() const { return colonne_; }
    bool signatureEnHaut() const { return signature_ && signatureAuDessus_; }

private:
    void placer();
    void relier();
    StyleCasesParente style() const;
    void ecrirePdf();
    void ecrireWeb();

    Configuration preferences_;
    ReglagesDessin dessin_;
    std::vector<CasePlacee> cases_;
    std::vector<Raccord> raccords_;
    std::int32_t colonne_ = 0;
    std::size_t longueurMax_ = 0;
    bool signature_ = false;
    bool signatureAuDessus_ = false;
    std::int32_t xSignature_ = 0, ySignature_ = 0;
};

}  // namespace lignara
