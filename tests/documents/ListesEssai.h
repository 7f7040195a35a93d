#pragma once
// Aides des essais des listes : un document de liste sur une base d'essai, préparé avec des
// préférences données puis écrit dans un format.
#include <memory>
#include <string>

#include "BaseEssai.h"
#include "documents/Document.h"
#include "documents/ParametresCommuns.h"
#include "support/DossierEssai.h"
#include "render/OutilsPdf.h"
#include "reglages/Configuration.h"

namespace lignara::essai {

// Document du type D sur la personne de ces prénoms, préférences par défaut (couleur par sexe
// comprise), police fixe.
template <class D>
std::unique_ptr<D> listeEssai(BaseEssai& b, std::int32_t racine) {
    auto d = std::make_unique<D>(*afficheurDeCode(D::kCode));
    b.contexte.polices = essais::policesFixes();
    b.contexte.horloge = essais::horlogeFixe();
    d->initialiserParametres(b.contexte);
    d->valeur(kRacine) = racine;
    return d;
}

// Prépare le document avec ces préférences puis l'écrit au format donné ; rend le fichier.
inline std::string ecrireListe(Document& d, BaseEssai& b, const Configuration& preferences, FormatSortie format,
                               const DossierEssai& dossier, const std::string& nom = "liste") {
    b.contexte.preferences = &preferences;
    d.valeur(kFormat) = static_cast<std::uint8_t>(format);
    d.preparer(b.contexte);
    d.chemin = (dossier / (nom + "." + Graphique::extension(format))).string();
    d.ecrire();
    return lireFichier(d.chemin);
}

}  // namespace lignara::essai
