#pragma once
// Les fichiers GEDCOM importés du fichier ouvert tels qu'ils étaient à l'import : de quoi relire
// l'enregistrement d'une personne (RelectureIndividu, pour les frises, les fiches et la
// consultation), et de quoi savoir qu'un fichier a été réécrit depuis, auquel cas les décalages
// rangés dans la base ne désignent plus rien de sûr.
//
// Un fichier est réécrit quand la surveillance l'a signalé (témoin partagé), ou que sa date
// d'écriture, sa taille ou son inode ne sont plus ceux relevés juste après l'import : la
// comparaison ne dépend pas du délai de la surveillance, et vaut aussi sans elle (ligne de
// commande). Un fichier disparu ne compte pas comme réécrit : sa relecture le dira illisible.
#include <atomic>
#include <memory>
#include <vector>

#include "gedcom/ImporterGedcom.h"
#include "gedcom/RelectureIndividu.h"
#include "session/SurveillanceGedcom.h"

namespace lignara {

class SourcesGedcom {
public:
    SourcesGedcom() = default;
    // Relève l'empreinte de chaque fichier. temoin : levé par la surveillance ; nul : aucun.
    SourcesGedcom(std::vector<FichierImporte> fichiers, std::shared_ptr<const std::atomic<bool>> temoin);

    const std::vector<FichierImporte>& fichiers() const { return fichiers_; }
    bool vide() const { return fichiers_.empty(); }

    // Vrai quand un fichier a été réécrit depuis l'import (voir plus haut).
    bool modifieesDepuisImport() const;

    // Une relecture neuve, qui ouvre les fichiers à la demande et les ferme à sa destruction.
    RelectureIndividu relecture() const { return RelectureIndividu(fichiers_); }

private:
    std::vector<FichierImporte> fichiers_;
    std::vector<SurveillanceGedcom::Empreinte> empreintes_;
    std::shared_ptr<const std::atomic<bool>> temoin_;
};

}  // namespace lignara
