#include "commun/Horloge.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace lignara {
namespace {

// Chaque essai tourne dans son propre processus (ctest) : l'environnement n'atteint que lui.
class SourceDateEpoch : public ::testing::Test {
protected:
    void TearDown() override { ::unsetenv("SOURCE_DATE_EPOCH"); }
};

TEST_F(SourceDateEpoch, fixeLHorlogeSiValideLEpoqueSeLitEnUtcEtLaMemeGraineRefaitLesMemesTirages) {
    ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    const Horloge fixee = Horloge::duSysteme();
    EXPECT_TRUE(fixee.estFixee());
    EXPECT_EQ(fixee.annee(), 2023);
    EXPECT_EQ(fixee.graine(), Horloge::fixee(1700000000).graine());
    for (const char* invalide : {"demain", "", "-86400", "1e9"}) {
        ::setenv("SOURCE_DATE_EPOCH", invalide, 1);
        const Horloge murale = Horloge::duSysteme();
        EXPECT_FALSE(murale.estFixee()) << invalide;
        EXPECT_GE(murale.annee(), 2026) << invalide;  // l'horloge murale, pas l'époque 0 ni 1973
    }
    EXPECT_EQ(Horloge::lireEpoque("1700000000"), 1700000000);
    EXPECT_EQ(Horloge::lireEpoque("253402300799"), Horloge::kEpoqueMax);
    for (const char* invalide : {"", " 1700000000", "1700000000 ", "-1", "+5", "17e8", "0x10", "1,5", "abc",
                                 "253402300800", "99999999999999999999999"})
        EXPECT_FALSE(Horloge::lireEpoque(invalide)) << invalide;
    const DateHeure d = Horloge::fixee(1700000000).maintenant();
    // 1700000000 : 14 novembre 2023, 22:13:20 UTC (calculé à part).
    EXPECT_EQ((std::vector<int>{d.annee, d.mois, d.jour, d.heure, d.minute, d.seconde}),
              (std::vector<int>{2023, 11, 14, 22, 13, 20}));
    EXPECT_EQ(Horloge::fixee(0).annee(), 1970);
    const DateHeure fin = Horloge::fixee(Horloge::kEpoqueMax).maintenant();
    EXPECT_EQ((std::vector<int>{fin.annee, fin.mois, fin.minute}), (std::vector<int>{9999, 12, 59}));
    auto suite = [](const Horloge& h, const char* usage) {
        std::mt19937 alea = h.tirage(usage);
        std::vector<std::uint32_t> v;
        for (int i = 0; i < 8; ++i) v.push_back(static_cast<std::uint32_t>(alea()));
        return v;
    };
    const Horloge a = Horloge::fixee(1700000000), b = Horloge::fixee(1700000000);
    EXPECT_EQ(suite(a, "police"), suite(b, "police"));
    EXPECT_NE(suite(a, "police"), suite(a, "theme"));
    // Une seconde plus tard, une autre graine.
    EXPECT_NE(suite(a, "police"), suite(Horloge::fixee(1700000001), "police"));
}

}  // namespace
}  // namespace lignara
