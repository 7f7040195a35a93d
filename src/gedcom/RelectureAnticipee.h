#pragma once
// Relecture anticipée des enregistrements pour la construction de la base : des fils relisent
// et interprètent les individus (dans l'ordre des numéros) puis les familles gardées (dans
// l'ordre des clés) pendant que le fil appelant écrit la base. Relire et interpréter coûte plus
// que l'écriture. Les relectures vont par lots : chaque fil prend le premier lot que personne
// n'a encore pris, dans une fenêtre de lots en avance sur l'écriture (elle borne la mémoire et
// garde les relectures en cache), et l'écriture les reprend dans l'ordre. Un fil que le
// système fait attendre ne retient donc pas les autres : ils prennent les lots suivants. Quand
// le lot dont l'écriture a besoin n'est pris par personne, elle le relit elle-même plutôt que
// d'attendre : sur deux cœurs, un seul fil de relecture suffit alors, sans fil de trop.
//
// Ce qui se voit reste ce qu'une relecture faite au fil de l'écriture donnait : chaque
// relecture garde ses lignes de rapport, que l'écriture rejoue à leur place. Une note pointée
// est remise à titre provisoire (les fils relisent dans le désordre) : c'est l'écriture qui la
// remet pour de bon à la première personne dans l'ordre des numéros, et relit elle-même une
// personne dont la note était déjà remise. Chaque fil lit par ses propres accès aux fichiers
// (FichierGedcomOuvert::jumeau) ; les registres ne sont que lus par les fils.
//
// Une fois les liens de la base calculés, l'écriture peut confier aux fils une préparation de
// chaque individu relu (ses liens de parenté et de mariage, lus au hasard des registres) : les
// lots pris ensuite la font après la relecture, et l'écriture ne fait plus que la reprendre.
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "gedcom/PasseConstruction.h"
#include "gedcom/RecepteurRapport.h"

namespace lignara {

// Lignes de rapport d'une relecture, dans l'ordre, avec leur fichier.
using LignesDifferees = std::vector<std::pair<std::size_t, std::string>>;

// Liens d'un individu préparés par un fil ; prepares est faux quand la préparation n'a pas été
// faite (lot pris avant qu'elle soit confiée) ou qu'un lien demande une ligne de rapport :
// l'écriture les calcule alors elle-même.
struct LiensPrepares {
    bool prepares = false;
    bool teteDeBranche = false;
    std::int32_t fratrie = 0;
    std::uint32_t pere = 0, mere = 0;
    std::uint32_t premiereFamille = 0;
};

struct IndividuRelu {
    TamponIndividu tampon;  // les lignes de la note remise déjà en tête des notes
    LignesDifferees messages;
    LiensPrepares liens;
};

struct FamilleRelue {
    TamponFamille tampon;
    LignesDifferees messages;
};

class RelectureAnticipee {
public:
    // individus, familles : indices dans les registres, dans l'ordre où l'écriture les demandera.
    // fils : nombre de fils de relecture en plus du fil appelant (au moins 1).
    RelectureAnticipee(const PasseConstruction& modele, const std::vector<FichierGedcomOuvert>& fichiers,
                       const RegistresBalayage& registres, std::vector<std::uint32_t> individus,
                       std::vector<std::uint32_t> familles, std::size_t fils);
    // Préparation d'un individu (indice dans les registres), faite par les fils : elle ne lit
    // que ce qui ne change plus et n'écrit que ce qui appartient à cet individu.
    using Preparation = std::function<void(std::uint32_t individu, IndividuRelu& relu)>;
    // Les lots pris après cet appel préparent chacun de leurs individus.
    void confierPreparation(Preparation preparation);

    // Arrête les fils (l'écriture a pu s'interrompre sur une erreur) et les attend.
    ~RelectureAnticipee();
    RelectureAnticipee(const RelectureAnticipee&) = delete;
    RelectureAnticipee& operator=(const RelectureAnticipee&) = delete;

    // Relecture suivante, valable jusqu'à l'appel suivant. Une erreur d'un fil (fichier devenu
    // illisible) est relevée ici, dans le fil de l'écriture, au lot où elle est arrivée.
    IndividuRelu& individuSuivant();
    FamilleRelue& familleSuivante();

private:
    struct Lot {
        std::vector<IndividuRelu> individus;
        std::vector<FamilleRelue> familles;
        std::exception_ptr erreur;
        bool pret = false;
    };
    static constexpr std::size_t kParLot = 256;
    // Lots relus d'avance au plus, de quoi lisser les à-coups. Pas davantage : l'écriture lit
    // chaque relecture peu après qu'elle a été faite, encore dans le cache (une fenêtre de
    // 16 000 relectures, 14 Mo, faisait attendre la mémoire à chaque texte écrit).
    static constexpr std::size_t kFenetre = 8;

    void travailler(std::vector<FichierGedcomOuvert>& fichiers, PasseConstruction* passe,
                    const std::exception_ptr& echec, LignesDifferees& messages);
    bool peutPrendre() const;
    void relirePremierLibre(std::unique_lock<std::mutex>& garde, std::vector<FichierGedcomOuvert>& fichiers,
                            PasseConstruction* passe, const std::exception_ptr& echec, LignesDifferees& messages);
    void relireLot(std::size_t numero, Lot& lot, std::vector<FichierGedcomOuvert>& fichiers, PasseConstruction& passe,
                   LignesDifferees& messages, bool preparer);
    void prendre();
    void arreter();

    const RegistresBalayage& reg_;
    std::vector<std::uint32_t> individus_, familles_;
    std::size_t nombreLots_;
    std::vector<std::vector<FichierGedcomOuvert>> fichiers_;  // par fil
    std::vector<std::thread> fils_;
    // Ce qu'il faut à l'écriture pour relire elle-même un lot : ses accès aux fichiers, sa passe.
    struct Aide;
    std::unique_ptr<Aide> aide_;

    std::mutex verrou_;
    std::condition_variable travail_;    // une place s'est libérée dans la fenêtre, ou arrêt
    std::condition_variable livraison_;  // un lot est prêt
    std::vector<Lot> fenetre_;           // le lot k dans la case k mod kFenetre
    std::size_t aPrendre_ = 0;           // premier lot que personne n'a pris
    std::size_t aLivrer_ = 0;            // prochain lot pour l'écriture
    bool arret_ = false;
    Preparation preparation_;  // fixée une fois, sous le verrou, avant que preparationConfiee_ passe à vrai
    bool preparationConfiee_ = false;

    Lot courant_;  // lot en cours d'écriture (rendu à sa case à la prise du suivant)
    std::size_t suivantIndividu_ = 0, suivanteFamille_ = 0;
};

}  // namespace lignara
