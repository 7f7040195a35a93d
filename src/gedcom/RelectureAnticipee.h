#pragma once
// Relecture anticipée des enregistrements pour la construction de la base : des fils relisent
// et interprètent les individus (dans l'ordre des numéros) puis les familles gardées (dans
// l'ordre des clés) pendant que le fil appelant écrit la base. Relire et interpréter coûte plus
// que l'écriture ; les lots de relectures se partagent entre les fils (le lot k au fil k mod n)
// et l'écriture les reprend dans l'ordre.
//
// Ce qui se voit reste ce qu'une relecture faite au fil de l'écriture donnait : chaque
// relecture garde ses lignes de rapport, que l'écriture rejoue à leur place. Une note pointée
// est remise à titre provisoire (les fils relisent dans le désordre) : c'est l'écriture qui la
// remet pour de bon à la première personne dans l'ordre des numéros, et relit elle-même une
// personne dont la note était déjà remise. Chaque fil lit par ses propres accès aux fichiers
// (FichierGedcomOuvert::jumeau) ; les registres ne sont que lus par les fils.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "commun/FileLots.h"
#include "gedcom/PasseConstruction.h"
#include "gedcom/RecepteurRapport.h"

namespace lignara {

// Lignes de rapport d'une relecture, dans l'ordre, avec leur fichier.
using LignesDifferees = std::vector<std::pair<std::size_t, std::string>>;

struct IndividuRelu {
    TamponIndividu tampon;  // les lignes de la note remise déjà en tête des notes
    LignesDifferees messages;
};

struct FamilleRelue {
    TamponFamille tampon;
    LignesDifferees messages;
};

class RelectureAnticipee {
public:
    // individus, familles : indices dans les registres, dans l'ordre où l'écriture les demandera.
    // fils : nombre de fils de relecture (au moins 1).
    RelectureAnticipee(const PasseConstruction& modele, const std::vector<FichierGedcomOuvert>& fichiers,
                       const RegistresBalayage& registres, std::vector<std::uint32_t> individus,
                       std::vector<std::uint32_t> familles, std::size_t fils);
    // Arrête les fils (l'écriture a pu s'interrompre sur une erreur) et les attend.
    ~RelectureAnticipee();
    RelectureAnticipee(const RelectureAnticipee&) = delete;
    RelectureAnticipee& operator=(const RelectureAnticipee&) = delete;

    // Relecture suivante, valable jusqu'à l'appel suivant. Une erreur d'un fil (fichier devenu
    // illisible) est relevée ici, dans le fil de l'écriture.
    IndividuRelu& individuSuivant();
    FamilleRelue& familleSuivante();

private:
    struct Lot {
        std::vector<IndividuRelu> individus;
        std::vector<FamilleRelue> familles;
    };
    static constexpr std::size_t kParLot = 256;
    static constexpr std::size_t kLotsEnAttente = 4;  // par fil : borne la mémoire si l'écriture traîne

    struct Fil {
        explicit Fil(std::vector<FichierGedcomOuvert> f) : fichiers(std::move(f)) {}
        std::vector<FichierGedcomOuvert> fichiers;
        FileLots<Lot> file{kLotsEnAttente};
        std::thread fil;
    };

    void relire(Fil& fil, std::size_t rang, PasseConstruction& passe, LignesDifferees& messages);
    void prendre();

    const RegistresBalayage& reg_;
    std::vector<std::uint32_t> individus_, familles_;
    std::vector<std::unique_ptr<Fil>> fils_;
    std::size_t prochainLot_ = 0;
    Lot courant_;
    std::size_t suivantIndividu_ = 0, suivanteFamille_ = 0;
};

}  // namespace lignara
