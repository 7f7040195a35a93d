#pragma once
// Police TrueType non incorporée, codage WinAnsi : nom, premier et dernier caractère,
// renvois au descripteur et au tableau des largeurs (numéros donnés à la création).
#include <string>
#include <string_view>

#include "commun/MetriquePolice.h"
#include "render/pdf/ObjetPdf.h"

namespace lignara {

// Nom PDF de la police : le nom des préférences, chaque blanc écrit « #20 » (et tout octet
// qu'un nom PDF ne peut porter tel quel écrit « #xx »), suivi de « -Italic » pour un
// enregistrement italique.
std::string nomPolicePdf(std::string_view nom1252, bool italique);

class FichierPdf;

// Crée, dans cet ordre, le descripteur, le tableau des largeurs (du premier caractère à 255)
// et la police ; rend le numéro de la police. police reste à l'appelant jusqu'à l'écriture.
std::uint16_t creerObjetsPolice(FichierPdf& fichier, const MetriquePolice& police, const std::string& nom1252);

class ObjetPdfPolice : public ObjetPdf {
public:
    // police : enregistrement gardé par l'appelant jusqu'à l'écriture.
    ObjetPdfPolice(std::uint16_t numero, const MetriquePolice& police, std::string nom1252, std::uint16_t descripteur,
                   std::uint16_t tableauLargeurs)
        : ObjetPdf(numero),
          police_(police),
          nom_(std::move(nom1252)),
          descripteur_(descripteur),
          tableau_(tableauLargeurs) {}

protected:
    void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) override;

private:
    const MetriquePolice& police_;
    std::string nom_;
    std::uint16_t descripteur_;
    std::uint16_t tableau_;
};

}  // namespace lignara
