#pragma once
// Tableau des consanguinités (type 34, « TC_ ») : chaque cas de consanguinité de la base
// (parente/CasConsanguinite.h) en un bloc, en PDF, texte ou Web. Paramètres, dans l'ordre de
// la signature « 11 » : critère de tri, format.
//
// Un bloc, de haut en bas : le sommet au milieu, le conjoint par lequel descend la première
// lignée à sa gauche, celui de la seconde à sa droite (un seul, à droite, quand les deux
// lignées viennent du même couple) ; les deux lignées en deux colonnes de cases de 704 ; la
// base centrée et, dessous, le nombre d'enfants de son couple. Les deux colonnes ont la même
// hauteur S = L × 704 + (L + 1) × 352 (L : la plus longue lignée) : une colonne de n cases
// les sépare, et les sépare du haut et de la base, de (S − 704 n) ÷ (n + 1), ce qui vaut 352
// pour la plus longue et reste défini pour une lignée vide (un père et sa fille). Les blocs se
// suivent à 704 d'écart.
//
// Texte : par cas, « Consanguinité N, degré D », « Sommet : », les conjoints « x », les deux
// lignées numérotées et « Base : » avec le nombre d'enfants ; une ligne vide entre deux cas.
#include <cstdint>
#include <string>
#include <vector>

#include "documents/Document.h"
#include "documents/ParametresCommuns.h"
#include "documents/arbres/BoiteArbre.h"
#include "documents/tableaux/CasesParente.h"
#include "parente/Consanguinite.h"
#include "render/ReglagesDessin.h"
#include "reglages/Configuration.h"

namespace lignara {

inline constexpr const char* kChoixTriConsanguinites[] = {
    "Degré de consanguinité", "Date du sommet de la consanguinité", "Date de la base de la consanguinité"};
inline constexpr ParametreDeclare kTriConsanguinites{
    .lettre = '1', .controle = controle::kGroupe1, .libelle = "Tri", .choix = kChoixTriConsanguinites};

class TableauConsanguinites : public Document {
public:
    static constexpr std::uint8_t kCode = 34;
    static constexpr const ParametreDeclare* kParametres[] = {&kTriConsanguinites, &kFormat};

    explicit TableauConsanguinites(const Afficheur& type) : Document(type) {}

    // Graphe de parenté (boucle ou aucun cas : OperationImpossible, avant tout fichier), tri,
    // textes et mise en page.
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    // Un bloc : indices dans boites() ; −1 : absent.
    struct Bloc {
        int sommet = -1;
        int conjoints[2] = {-1, -1};
        bool memeCouple = false;  // les deux lignées viennent du même couple (un seul conjoint, à droite)
        std::vector<int> lignes[2];
        int base = -1;
        std::uint8_t nombreBase = 0;
        std::int32_t haut = 0;    // y du haut du bloc
        std::int32_t espace = 0;  // S, hauteur des colonnes
    };
    const std::vector<Consanguinite>& cas() const { return cas_; }
    const std::vector<Bloc>& blocs() const { return blocs_; }
    const std::vector<BoiteArbre>& boites() const { return boites_; }
    struct Trait {
        std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    };
    std::vector<Trait> traits(const Bloc& b) const;
    // Texte sous la base : « 3 enfants », ou « union sans enfant ».
    static std::string texteBase(const Bloc& b);

private:
    void placer();
    StyleCasesParente style() const;
    void ecrirePdf();
    void ecrireTexte();
    void ecrireWeb();

    Configuration preferences_;
    ReglagesDessin dessin_;
    std::vector<Consanguinite> cas_;
    std::vector<BoiteArbre> boites_;
    std::vector<Bloc> blocs_;
    std::int32_t colonne_ = 0;
    bool signature_ = false;
};

}  // namespace lignara
