#pragma once
// Machine d'états du lecteur GEDCOM : chaque contexte GEDCOM est un état, tableau de lignes
// essayées dans l'ordre ; la première dont le niveau et le code conviennent appelle son
// gestionnaire, puis la machine passe à l'état suivant et agit :
//   'n' lit la ligne suivante ; 'p' passe la même ligne à l'état suivant (cherchée depuis sa
//   première ligne) ; 'f' termine la lecture.
// Chaque état finit par une ligne « tout niveau, tout code » pour que chaque ligne soit consommée.
//
// Le gestionnaire est une fonction membre du client (la passe d'import, la consultation…) qui
// reçoit la valeur convertie, modifiable jusqu'à la fin du tampon de ligne ; le client garde
// une référence au LecteurGedcom pour la clé, le numéro de ligne, l'indice du fichier.
#include <cstddef>
#include <cstdint>
#include <span>

#include "gedcom/CodeTag.h"

namespace lignara {

enum class ActionLecture : char { LigneSuivante = 'n', MemeLigne = 'p', Fin = 'f' };

inline constexpr std::uint8_t kNiveauQuelconque = 255;

template <class Client>
struct LigneEtat {
    std::uint8_t niveau;                         // 0 à 9, ou kNiveauQuelconque
    CodeTag code;                                // ou CodeTag::Quelconque
    void (Client::*gestionnaire)(char* valeur);  // nullptr : aucun
    std::uint8_t etatSuivant;                    // indice dans le tableau des états
    ActionLecture action;
};

template <class Client>
using EtatLecture = std::span<const LigneEtat<Client>>;

}  // namespace lignara
