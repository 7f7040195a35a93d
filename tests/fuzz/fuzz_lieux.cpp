// Normalisation des lieux sur des octets quelconques : le premier octet choisit les réglages,
// le reste est la valeur PLAC, donnée sans zéro final (copie exacte dans un tampon à sa taille).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "gedcom/LieuNormaliseur.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille == 0) return 0;
    lignara::ReglagesLieux reglages;
    reglages.sigleTroisLettres = (donnees[0] & 1) != 0;
    static constexpr lignara::CodePays kPaysParDefaut[] = {{"FR"}, {"US"}, {"BE"}, {}};
    reglages.paysParDefaut = kPaysParDefaut[(donnees[0] >> 1) & 3];
    std::vector<char> plac(donnees + 1, donnees + taille);
    auto lieu = lignara::LieuNormaliseur(reglages).normaliser(std::string_view(plac.data(), plac.size()));
    if (lieu.texte().size() > lignara::LieuNormalise::kTailleMax) std::abort();
    if (!lieu.vide() && lieu.texte().size() <= lignara::LieuNormalise::kTailleCode) std::abort();
    return 0;
}
