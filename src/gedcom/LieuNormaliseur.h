#pragma once
// Normalisation des lieux (valeurs PLAC) : reconnaît dans le texte libre le pays, la région
// française et la subdivision (département, État…) pour en faire le code de lieu, et garde le
// reste comme lieu lisible. Tout texte est accepté (tous octets, toute longueur, vue non
// terminée par un zéro) ; le résultat ne dépasse jamais 100 octets.
//
// Avec la France pour pays par défaut, « Lyon, Rhône, Rhône-Alpes, France » donne "FR" + 102
// + "Lyon", « Austin, Texas, USA » donne "US" + 76 + "Austin (USA)" et « Sandringham, Norfolk,
// England » donne "GB" + 33 + "Sandringham, Norfolk (England)" : le pays est le dernier nom de
// pays du lieu, et un nom de pays qui le précède (Norfolk) reste un lieu lisible.
#include <string_view>

#include "gedcom/LieuCodePays.h"
#include "gedcom/LieuNormalise.h"

namespace lignara {

struct ReglagesLieux {
    // Pays des lieux qui ne nomment pas le leur, quand une subdivision ou un numéro postal
    // est reconnu. kPaysInconnu : aucun.
    CodePays paysParDefaut{"FR"};
    // Drapeau de logiciel 64 : « FRA, … » commence par un sigle de pays de trois lettres.
    bool sigleTroisLettres = false;
};

class LieuNormaliseur {
public:
    explicit LieuNormaliseur(ReglagesLieux reglages = {}) : reglages_(reglages) {}

    LieuNormalise normaliser(std::string_view plac) const;

private:
    ReglagesLieux reglages_;
};

}  // namespace lignara
