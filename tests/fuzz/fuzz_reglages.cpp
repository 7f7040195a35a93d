// Fichiers de réglages quelconques : jamais de plantage, et tout ce qui a été lu se réécrit et
// se relit à l'identique.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "reglages/CompteursUsage.h"
#include "reglages/Configuration.h"
#include "reglages/FichierPerso.h"
#include "reglages/ReglagesFichier.h"

using namespace lignara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::span<const std::uint8_t> octets(donnees, taille);
    if (auto c = lireConfiguration(octets)) {
        if (lireConfiguration(ecrireConfiguration(*c)) != c) std::abort();
    }
    if (auto u = lireCompteursUsage(octets)) {
        if (lireCompteursUsage(ecrireCompteursUsage(*u)) != u) std::abort();
    }
    FichierPerso perso = FichierPerso::lire(octets);
    for (const BlocPerso& bloc : perso.blocs()) {
        if (auto r = lireReglagesFichier(bloc.donnees)) {
            if (lireReglagesFichier(ecrireReglagesFichier(*r)) != r) std::abort();
        }
    }
    if (perso.intact() && FichierPerso::lire(perso.ecrire()).blocs().size() != perso.blocs().size()) std::abort();
    return 0;
}
