#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gedcom/IndexCles.h"
#include "gedcom/RegistresBalayage.h"

namespace lignara {
namespace {

struct Entree {
    CleEnregistrement cle;
};

CleEnregistrement cle(std::size_t fichier, const std::string& reference) {
    return CleEnregistrement::deReference(fichier, reference);
}

// Beaucoup de clés (plusieurs agrandissements), de longueurs et de fichiers différents, dont
// certaines préfixes l'une de l'autre, et des clés longues qui ne diffèrent qu'après leurs 11
// premiers octets : chacune garde son indice, les absentes restent absentes.
TEST(IndexCles, retrouveChaqueCleApresLesAgrandissements) {
    std::vector<Entree> entrees;
    IndexCles index;
    auto reference = [](int i) {
        return i % 2 ? "@I" + std::to_string(i) + "@" : "@INDIVIDU-" + std::to_string(i) + "@";
    };
    for (std::size_t f = 0; f < 2; ++f) {
        for (int i = 0; i < 30000; ++i) {
            const CleEnregistrement c = cle(f, reference(i));
            auto [indice, nouvelle] = index.inserer(c, entrees, static_cast<std::uint32_t>(entrees.size()));
            ASSERT_TRUE(nouvelle);
            ASSERT_EQ(indice, entrees.size());
            entrees.push_back({c});
        }
    }
    EXPECT_EQ(index.taille(), 60000u);
    for (std::size_t f = 0; f < 2; ++f)
        for (int i = 0; i < 30000; i += 7) EXPECT_EQ(index.chercher(cle(f, reference(i)), entrees), f * 30000 + i);
    EXPECT_EQ(index.chercher(cle(0, "@I30000@"), entrees), IndexCles::kAbsente);
    EXPECT_EQ(index.chercher(cle(0, "@INDIVIDU-30000@"), entrees), IndexCles::kAbsente);
    EXPECT_EQ(index.chercher(cle(0, "@INDIVIDU-3@"), entrees), IndexCles::kAbsente);
    EXPECT_EQ(index.chercher(cle(2, "@I1@"), entrees), IndexCles::kAbsente);
    EXPECT_EQ(index.chercher(cle(0, "@F1@"), entrees), IndexCles::kAbsente);
}

TEST(IndexCles, uneCleDejaVueRendSonIndiceSansNouvelleEntree) {
    std::vector<Entree> entrees;
    IndexCles index;
    EXPECT_EQ(index.chercher(cle(0, "@I1@"), entrees), IndexCles::kAbsente);  // index vide
    index.inserer(cle(0, "@I1@"), entrees, 0);
    entrees.push_back({cle(0, "@I1@")});
    auto [indice, nouvelle] = index.inserer(cle(0, "@I1@"), entrees, 1);
    EXPECT_FALSE(nouvelle);
    EXPECT_EQ(indice, 0u);
    EXPECT_EQ(index.taille(), 1u);
}

// L'ordre des clés (octets sans signe, préfixe d'abord) est celui de la numérotation.
TEST(RegistresBalayage, personnesParCleSuiventLOrdreDesOctets) {
    RegistresBalayage r;
    const std::vector<std::string> refs = {"@I2@",
                                           "@I10@",
                                           "@I1@",
                                           "@I\xE9@",
                                           "@I100000002@",
                                           "@I100000001@",
                                           "@I1000000010@",
                                           "@A@",
                                           "@I12345678901234567B@",
                                           "@I12345678901234567A@"};  // égales sur 16 octets
    for (const auto& ref : refs) r.personne(cle(0, ref));
    r.personne(cle(1, "@A@"));  // second fichier : après tout le premier
    std::vector<std::string> obtenu;
    for (std::uint32_t i : r.personnesParCle()) obtenu.emplace_back(r.personnes[i].cle.octets());
    std::vector<std::string> attendu;
    // '@' (0x40) passe après les chiffres : « I10@ » avant « I1@ ».
    for (const auto& ref : {"@A@", "@I1000000010@", "@I100000001@", "@I100000002@", "@I10@", "@I12345678901234567A@",
                            "@I12345678901234567B@", "@I1@", "@I2@", "@I\xE9@"})
        attendu.emplace_back(cle(0, ref).octets());
    attendu.emplace_back(cle(1, "@A@").octets());
    EXPECT_EQ(obtenu, attendu);
    EXPECT_EQ(r.chercherPersonne(cle(0, "@I10@")), 1u);
    EXPECT_EQ(r.chercherPersonne(cle(0, "@I11@")), kAucun);
}

}  // namespace
}  // namespace lignara
