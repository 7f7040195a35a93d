#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "gedcom/FluxOctets.h"

namespace lignara {
namespace {

// Un fichier de lignes numérotées, plus grand que le tampon (256 Ko), lu en mémoire aussi.
struct FichierLignes {
    std::string contenu;
    std::vector<std::size_t> debuts;
    std::FILE* ouvrir() {
        std::FILE* f = std::tmpfile();
        std::fwrite(contenu.data(), 1, contenu.size(), f);
        std::rewind(f);
        return f;
    }
};

FichierLignes lignes(int nombre) {
    FichierLignes f;
    for (int i = 0; i < nombre; ++i) {
        f.debuts.push_back(f.contenu.size());
        f.contenu += std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), 'x') + (i % 3 ? "\r\n" : "\n");
    }
    return f;
}

std::string ligneLue(FluxOctets& flux) {
    char tampon[300];
    LignePhysique l = flux.lireLigne(tampon, sizeof tampon);
    return l.finFichier ? std::string("<fin>") : std::string(tampon, l.longueur);
}

// La construction relit par sauts, en avant et en arrière : chaque saut redonne exactement les lignes du
// fichier, même quand la lecture qui le suit (petite d'abord) doit être prolongée bien au-delà.
TEST(FluxOctets, lesSautsRedonnentLesLignesDuFichier) {
    FichierLignes f = lignes(20000);
    ASSERT_GT(f.contenu.size(), std::size_t{1} << 19);
    FluxOctets flux(f.ouvrir());
    for (int depart : {15000, 3, 19990, 7000, 0, 12001}) {
        ASSERT_TRUE(flux.positionner(f.debuts[depart]));
        const int fin = std::min(depart + 6000, 20000);
        for (int i = depart; i < fin; ++i) {
            const std::string attendu = std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), 'x');
            ASSERT_EQ(ligneLue(flux), attendu) << "saut vers " << depart << ", ligne " << i;
        }
        if (fin == 20000) {
            EXPECT_EQ(ligneLue(flux), "<fin>");
        }
    }
    ASSERT_TRUE(flux.positionner(f.contenu.size() + 10));  // au-delà de la fin : fin de fichier
    EXPECT_EQ(flux.lire(), FluxOctets::kFin);
}

}  // namespace
}  // namespace lignara
