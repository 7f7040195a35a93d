#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "database/DonneesCorrompues.h"
#include "database/EnTeteBase.h"
#include "database/Evenement.h"
#include "database/Famille.h"
#include "database/Individu.h"

using namespace lignara;

namespace {

std::uint32_t u32(const std::uint8_t* o, int d) {
    return static_cast<std::uint32_t>(o[d] | (o[d + 1] << 8) | (o[d + 2] << 16)) |
           (static_cast<std::uint32_t>(o[d + 3]) << 24);
}

}  // namespace

// Chaque champ porte une valeur distincte : une erreur de décalage se voit à l'octet près.
TEST(Individu, placeChaqueChampASonDecalageEnLittleEndian) {
    Individu i{0x01020304, 2, 3, 4, 5, 6, 7, 8, 'F', 9, 0xA0B0C0D0, -7, 11, 12, 13, 14, 15, 16};
    std::vector<std::uint8_t> o(Individu::kTaille, 0xEE);
    i.ecrire(o.data());
    const std::uint32_t attendus[] = {0x01020304, 2, 3, 4, 5, 6, 7, 8};
    for (int k = 0; k < 8; ++k) EXPECT_EQ(u32(o.data(), 4 * k), attendus[k]) << "champ " << k;
    EXPECT_EQ(o[32], 'F');
    EXPECT_EQ(o[33], 9);
    EXPECT_EQ(u32(o.data(), 36), 0xA0B0C0D0u);
    EXPECT_EQ(u32(o.data(), 40), 0xFFFFFFF9u);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(u32(o.data(), 44 + 4 * k), 11u + k);
    EXPECT_EQ(Individu::lire(o.data()), i);
    // Les octets réservés sont ignorés à la lecture.
    o[34] = 0x55;
    o[35] = 0xAA;
    EXPECT_EQ(Individu::lire(o.data()), i);
}

TEST(Evenement, ecritLaDateLesReservesAZeroPuisLieuEtSources) {
    Evenement e;
    e.date.qualificatif = DateEntre;
    e.date.fixerPremiereAnnee(1850);
    e.date.annee = -44;
    e.lieu = 0x11223344;
    e.source = 5;
    e.sourceLieu = 6;
    std::vector<std::uint8_t> o(Evenement::kTaille, 0xEE);
    e.ecrire(o.data());
    const std::vector<std::uint8_t> attendu = {4,    0x3A, 0x07, 0, 0xD4, 0xFF, 0, 0, 0x44, 0x33,
                                               0x22, 0x11, 5,    0, 0,    0,    6, 0, 0,    0};
    EXPECT_EQ(o, attendu);
    EXPECT_EQ(Evenement::lire(o.data()), e);
}

namespace {

// En-tête cohérent : 2 individus, 3 fiches, 1 emplacement, notes de 10 octets, tables de 5.
EnTeteBase enTeteValide() {
    EnTeteBase e;
    e.familles = 46 + 2 * 68;
    e.evenements = e.familles + 3 * 24;
    e.notes = e.evenements + 20;
    std::uint32_t p = e.notes + 10;
    for (auto& t : e.tables) t = p, p += 5;
    return e;
}

constexpr std::uint64_t kTailleValide = 46 + 136 + 72 + 20 + 10 + 35;

}  // namespace

TEST(EnTeteBase, relitCeQuIlEcritEtDeduitLesEffectifsDesDecalages) {
    EnTeteBase e = enTeteValide();
    std::vector<std::uint8_t> o(EnTeteBase::kTaille);
    e.ecrire(o.data());
    EXPECT_EQ(EnTeteBase::lire(o.data()), e);
    EXPECT_NO_THROW(e.verifier(kTailleValide));
    EXPECT_EQ(e.nombreIndividus(), 2u);
    EXPECT_EQ(e.nombreFamilles(), 3u);
    EXPECT_EQ(e.nombreEvenements(), 1u);
}

TEST(EnTeteBase, refuseUnAutreFormatDesSectionsMalDecoupeesEtDesTablesEnDesordreOuAuDelaDuFichier) {
    auto refuse = [](auto modifier, std::uint64_t taille = kTailleValide) {
        EnTeteBase e = enTeteValide();
        modifier(e);
        EXPECT_THROW(e.verifier(taille), DonneesCorrompues);
    };
    refuse([](EnTeteBase& e) { e.numeroFormat = 500; });  // seul 501 est lu
    refuse([](EnTeteBase& e) { e.individus = 47; });
    refuse([](EnTeteBase& e) { e.evenements -= 1; });
    refuse([](EnTeteBase& e) { e.familles = 10; });  // avant les individus
    refuse([](EnTeteBase& e) { e.evenements = e.familles - 24; });
    refuse([](EnTeteBase& e) { e.tables[3] = e.tables[2] - 1; });
    refuse([](EnTeteBase& e) { e.tables[0] = e.notes - 1; });
    const EnTeteBase valide = enTeteValide();
    refuse([](EnTeteBase&) {}, valide.tables[6] - 1);
    refuse([](EnTeteBase&) {}, 20);
    EXPECT_NO_THROW(valide.verifier(valide.tables[6]));  // table des sources vide
}
