#pragma once
// Liste éclair (type 16, « LE_ ») : pour chaque patronyme, les lieux ou les zones où il paraît,
// avec la première et la dernière année (ReleveEclair.h), en PDF, texte, RTF ou Web.
// Paramètres, dans l'ordre de la signature « 1bb » : format, « Classement par zone
// géographique » (non), « Prise en compte des personnes contemporaines » (non).
//
// Préférences lues : pays par défaut, signature, compression des listes.
//
// Écriture : un bloc par patronyme, son nom en titre, puis ses lieux « lieu : première -
// dernière » joints par « , » en un paragraphe replié à la largeur, en retrait de 320 unités
// (4 caractères) ; les blancs autour de « : » et « - » sont insécables (0xA0), pour que le
// repli ne sépare pas un lieu de ses années ; les blocs sont séparés par un filet (texte : une ligne de tirets ; RTF :
// un paragraphe filet). Aucun patronyme : « La liste est vide ».
#include <cstdint>
#include <string>
#include <vector>

#include "documents/Document.h"
#include "documents/ParametresCommuns.h"
#include "documents/listes/ReleveEclair.h"
#include "render/ReglagesDessin.h"
#include "render/texte/Redaction.h"
#include "reglages/Configuration.h"

namespace lignara {

inline constexpr ParametreDeclare kClassementZone{
    .lettre = 'b', .controle = controle::kPremiereCase, .libelle = "Classement par zone géographique"};
inline constexpr ParametreDeclare kContemporainsEclair{
    .lettre = 'b', .controle = controle::kPremiereCase + 1, .libelle = "Prise en compte des personnes contemporaines"};

class ListeEclair : public Document {
public:
    static constexpr std::uint8_t kCode = 16;
    static constexpr const ParametreDeclare* kParametres[] = {&kFormat, &kClassementZone, &kContemporainsEclair};

    explicit ListeEclair(const Afficheur& type) : Document(type) {}

    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    // Après preparer().
    const std::vector<PatronymeEclair>& patronymes() const { return patronymes_; }
    void rediger(FluxRedaction& flux) const;
    MiseEnPage miseEnPage() const;

private:
    Configuration preferences_;
    ReglagesDessin dessin_;
    std::vector<PatronymeEclair> patronymes_;
    std::vector<std::vector<std::string>> elements_;  // textes « lieu : première - dernière »
};

}  // namespace lignara
