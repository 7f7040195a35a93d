#pragma once
// Statistiques d'ascendance (type 50 ; « SG_ ») : génération par génération, le nombre
// d'ascendants et la complétude (GenerationsAscendance.h).
//
// Page, sous le cadre commun (« Statistiques d'ascendance ») : « Statistiques sur l'ascendance »
// et dessous « d' » ou « de » (d' devant un nom qui commence par A, E, I, O, U ou Y, accents
// ôtés), le nom et les prénoms de la racine ; puis le tableau, une rangée de 176 par génération :
//   - « Génération » : son numéro, suivi de « * » quand elle porte la marque d'implexe ;
//   - « Nombre d'ascendants » (sous-titre « (total : N ascendants) », N les ascendants
//     distincts hors la racine) : une barre qui finit au bord droit de la colonne, la part des
//     femmes (rouge AA 00 00) à droite, celle des hommes (bleu 00 00 AA) à sa gauche, chacune
//     proportionnelle à son compte sur la plus grande génération ; grise (64 64 64), longue
//     d'une personne, pour la racine qui n'entre ni comme père ni comme mère ; à gauche de la
//     barre « N ascendant(s) », sauf pour la racine ;
//   - « Complétude de la génération » (sous-titre « (implexes compris) », « 100 % » au bout de
//     l'échelle) : une barre sarcelle (00 80 80) dans son cadre, et « N % » ou « < 1 % ».
// Sous le tableau, quand une génération porte la marque, la note « * : À cause de liens de
// consanguinité, des mêmes individus sont comptabilisés dans plusieurs générations. ».
// Sur un papier paginé, l'en-tête du tableau est répété en haut de chaque page qu'il occupe.
#include <cstdint>
#include <vector>

#include "documents/statistiques/GenerationsAscendance.h"
#include "documents/statistiques/Statistique.h"

namespace lignara {

class StatistiqueAscendance : public Statistique {
public:
    static constexpr std::uint8_t kCode = 50;
    static constexpr const ParametreDeclare* kParametres[] = {&kRacine, &kNomRacine};

    explicit StatistiqueAscendance(const Afficheur& type) : Statistique(type) {}

    bool verifierParametres(const ContexteDocument&) override { return racine() > 0; }

    // Après preparer().
    const Ascendance& ascendance() const { return ascendance_; }
    const std::string& nomRacineEcrit() const { return nom_; }
    // Texte de la colonne des nombres d'une génération (vide pour la racine), et de sa complétude.
    std::string texteNombre(std::size_t generation) const;
    std::string texteCompletude(std::size_t generation) const;

protected:
    void calculer(const ContexteDocument& contexte) override;
    std::int32_t hauteurContenu() const override;
    void dessiner(SurfacePdf& surface, std::int32_t haut) const override;

private:
    struct Colonnes {
        std::int32_t finGeneration = 0;  // bord droit de la colonne des générations
        std::int32_t finNombres = 0;     // bord droit des barres d'ascendants
        std::int32_t debutCadre = 0, finCadre = 0;
        std::int32_t longueurMax = 0;  // barre de la plus grande génération
        std::uint32_t plusGrande = 1;  // ses personnes
    };
    Colonnes colonnes(const MetriquePolice& police) const;
    void placerTableau();
    void dessinerEntete(SurfacePdf& surface, std::int32_t haut, const Colonnes& c) const;
    void dessinerRangee(SurfacePdf& surface, std::size_t g, std::int32_t y, const Colonnes& c) const;

    Ascendance ascendance_;
    std::string nom_;
    // Décalages sous le haut du contenu : en-têtes du tableau, rangées, note.
    std::vector<std::int32_t> entetes_, rangees_;
    std::int32_t note_ = 0, fin_ = 0;
};

}  // namespace lignara
