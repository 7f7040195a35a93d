#include "documents/cartes/ComptageRegions.h"

#include "database/Parente.h"

namespace lignara {

void ComptageRegions::ajouter(std::uint8_t region) {
    if (compte[region]++ == 0) ++regionsComptees;
    if (compte[region] > plusGrand) plusGrand = compte[region];
}

std::uint8_t regionEvenement(const BaseGenealogique& base, std::uint32_t evenement, CodePays pays,
                             std::uint16_t regionMax) {
    if (evenement == 0) return 0;
    const Evenement e = base.LireEvenement(evenement);
    if (e.lieu == 0) return 0;
    const std::string lieu = base.LireTexte(TableLieux, e.lieu);
    if (lieu.size() < 3 || CodePays(lieu[0], lieu[1]) != pays) return 0;
    const auto region = static_cast<std::uint8_t>(lieu[2]);
    return region < 33 || region > regionMax ? 0 : region;
}

std::uint8_t regionPersonne(const BaseGenealogique& base, std::uint32_t personne, LieuCompte lieu, CodePays pays,
                            std::uint16_t regionMax) {
    const Individu ind = base.LireIndividu(personne);
    if (lieu == LieuCompte::Deces) return regionEvenement(base, ind.deces, pays, regionMax);
    std::uint8_t region = regionEvenement(base, ind.naissance, pays, regionMax);
    if (region || lieu == LieuCompte::Naissance) return region;
    for (const FamilleConjoint& f : Conjoints(base, personne))
        if ((region = regionEvenement(base, f.mariage, pays, regionMax))) return region;
    return regionEvenement(base, ind.deces, pays, regionMax);
}

ComptageRegions compterRegions(const BaseGenealogique& base, std::span<const std::uint32_t> personnes, LieuCompte lieu,
                               CodePays pays, std::uint16_t regionMax) {
    ComptageRegions c;
    for (std::uint32_t p : personnes)
        if (std::uint8_t region = regionPersonne(base, p, lieu, pays, regionMax)) c.ajouter(region);
    return c;
}

}  // namespace lignara
