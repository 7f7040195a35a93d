#pragma once
// Le seul canal des messages destinés à l'utilisateur (photo illisible, police mal définie,
// images ignorées du RTF, personne introuvable…) : un récepteur passé à qui peut en produire.
// La fenêtre montre chaque message dans une boîte sans titre, la ligne de commande l'écrit en
// UTF-8 sur la sortie d'erreur (recepteurErreurStandard), les essais le capturent.
// Messages en Windows-1252. Un récepteur vide les ignore.
#include <functional>
#include <string>

namespace lignara {

using RecepteurMessages = std::function<void(const std::string& message1252)>;

// Écrit chaque message en UTF-8 sur la sortie d'erreur, suivi d'un saut de ligne.
RecepteurMessages recepteurErreurStandard();

// Le même récepteur, qui ne transmet qu'une fois chaque message : une photo illisible que dix
// personnes d'un document nomment, mesurée puis dessinée, ne donne qu'un message. Un récepteur
// vide reste vide. Appelable depuis plusieurs fils.
RecepteurMessages sansRepetition(RecepteurMessages recepteur);

// Transmet le message quand il y a un récepteur.
inline void transmettre(const RecepteurMessages& recepteur, const std::string& message1252) {
    if (recepteur) recepteur(message1252);
}

}  // namespace lignara
