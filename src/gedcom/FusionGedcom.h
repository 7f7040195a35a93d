#pragma once
// Fusion des fichiers d'une description, appliquée aux registres après le balayage et avant la
// numérotation :
//  1. dans chaque fichier secondaire, seules les personnes des branches demandées sont gardées
//     (la personne, ses ascendants, ses descendants et leurs conjoints) ; sans branche, toutes ;
//  2. chaque personne gardée d'un fichier secondaire est rapprochée d'une personne du fichier
//     principal quand leurs noms et prénoms ont la même clé (casse, accents et ponctuation
//     ignorés), que leurs naissances et leurs décès ne se contredisent pas (une date absente
//     d'un côté ne contredit rien) et qu'au moins une de ces dates est connue et égale des deux
//     côtés ; le candidat doit être unique, et une personne du principal n'est prise qu'une
//     fois par fichier secondaire ;
//  3. une personne rapprochée disparaît au profit de celle du principal, qui garde ses propres
//     textes et reçoit ses liens : familles de conjoint en plus, parents quand elle n'en avait
//     pas ; une famille secondaire dont les deux conjoints sont ceux d'une famille du principal
//     s'y fond (ses enfants s'ajoutent) ;
//  4. les autres personnes gardées sont ajoutées telles quelles.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "gedcom/DescriptionFusion.h"
#include "gedcom/PasseConstruction.h"
#include "gedcom/RegistresBalayage.h"

namespace lignara {

class FusionGedcom {
public:
    explicit FusionGedcom(DescriptionFusion description) : description_(std::move(description)) {}

    // Lève OperationImpossible quand une branche nomme une personne absente de son fichier.
    void appliquer(RegistresBalayage& registres, PasseConstruction& passe);

    std::uint32_t personnesRapprochees() const { return rapprochees_; }
    std::uint32_t personnesAjoutees() const { return ajoutees_; }
    const DescriptionFusion& description() const { return description_; }

private:
    struct Identite {
        std::string cle;  // nom, octet 31, prénoms ; vide : pas rapprochable
        DateGed naissance, deces;
    };

    void selectionnerBranches(std::uint8_t fichier);
    void ajouterAscendants(std::uint32_t personne, std::vector<std::uint32_t>& pile);
    void ajouterDescendants(std::uint32_t personne, std::vector<std::uint32_t>& pile);
    static Identite identite(const PersonneBalayee& p, PasseConstruction& passe);
    void rapprocher(PasseConstruction& passe);
    void redirigerPersonnes();
    void fondreFamilles();
    void remapperListes();

    DescriptionFusion description_;
    RegistresBalayage* reg_ = nullptr;
    std::vector<std::uint32_t> cible_;                            // par personne : elle-même ou celle du principal
    std::vector<std::uint32_t> familleCible_;                     // par famille : elle-même ou celle du principal
    std::vector<std::vector<std::uint32_t>> famillesDeConjoint_;  // par personne, d'après HUSB/WIFE
    std::vector<std::uint32_t> parentsSecondaires_;               // par personne rapprochée : sa famille secondaire
    std::uint32_t rapprochees_ = 0;
    std::uint32_t ajoutees_ = 0;
};

}  // namespace lignara
