// Registres du balayage : clés d'enregistrement, index des clés, listes d'indices en ligne.
// Le passage de la liste en ligne au tas, les copies et les déplacements ne perdent ni ne partagent rien.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "gedcom/CleEnregistrement.h"
#include "gedcom/IndexCles.h"
#include "gedcom/ListeIndices.h"
#include "gedcom/RegistresBalayage.h"

namespace lignara {
namespace {

TEST(CleEnregistrement, octetDuFichierPuisReferenceEtMemeCleDepuisUnPointeur) {
    auto c = CleEnregistrement::deReference(0, "@I12@");
    EXPECT_EQ(c.octets(), std::string_view("\x01"
                                           "I12@",
                                           5));
    EXPECT_EQ(c.identifiant(), "I12");
    EXPECT_EQ(CleEnregistrement::deReference(2, "@F1@").octets()[0], '\x03');
    EXPECT_EQ(CleEnregistrement::dePointeur(1, "@I7@"), CleEnregistrement::deReference(1, "@I7@"));
    EXPECT_EQ(CleEnregistrement::dePointeur(0, "@S1@ reste"), CleEnregistrement::deReference(0, "@S1@"));
    EXPECT_TRUE(CleEnregistrement::dePointeur(0, "I7").estVide());
    // Une référence trop longue est coupée de la même façon des deux côtés.
    std::string_view longue = "@ABCDEFGHIJKLMNOPQRSTUVWXYZ@";
    EXPECT_EQ(CleEnregistrement::dePointeur(0, longue), CleEnregistrement::deReference(0, longue));
    EXPECT_EQ(CleEnregistrement::deReference(0, longue).octets().size(), 24u);
    // Lue jusqu'au second '@' seulement, une valeur terminée par '\0' donne la clé de la valeur
    // entière, autour de la longueur gardée aussi.
    const std::string lettres = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::vector<std::string> valeurs = {"@I7@", "@S1@ reste", "I7", "", "@", "@@", "@F12", "@F1@@"};
    for (std::size_t n = 20; n <= 26; ++n) {
        valeurs.push_back("@" + lettres.substr(0, n));
        valeurs.push_back("@" + lettres.substr(0, n) + "@ suite");
    }
    for (const std::string& v : valeurs)
        EXPECT_EQ(CleEnregistrement::dePointeur(2, v.c_str()), CleEnregistrement::dePointeur(2, std::string_view(v)))
            << v;
}

struct Entree {
    CleEnregistrement cle;
};

CleEnregistrement cle(std::size_t fichier, const std::string& reference) {
    return CleEnregistrement::deReference(fichier, reference);
}

// Beaucoup de clés (plusieurs agrandissements, une réserve), de longueurs et de fichiers différents, certaines préfixes
// l'une de l'autre ou égales sur leurs 11 premiers octets : chacune garde son indice, les absentes restent absentes.
TEST(IndexCles, retrouveChaqueCleApresLesAgrandissements) {
    std::vector<Entree> entrees;
    IndexCles index;
    EXPECT_EQ(index.chercher(cle(0, "@I1@"), entrees), IndexCles::kAbsente);  // index vide
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
        // Réserve au milieu : les clés déjà là passent dans la table agrandie d'un coup.
        if (f == 0) index.reserver(100000, entrees);
    }
    EXPECT_EQ(index.taille(), 60000u);
    for (std::size_t f = 0; f < 2; ++f)
        for (int i = 0; i < 30000; i += 7) EXPECT_EQ(index.chercher(cle(f, reference(i)), entrees), f * 30000 + i);
    EXPECT_EQ(index.chercher(cle(0, "@I30000@"), entrees), IndexCles::kAbsente);
    EXPECT_EQ(index.chercher(cle(0, "@INDIVIDU-3@"), entrees), IndexCles::kAbsente);
    EXPECT_EQ(index.chercher(cle(2, "@I1@"), entrees), IndexCles::kAbsente);
    // Une clé déjà vue, courte ou longue, rend son indice sans nouvelle entrée.
    EXPECT_EQ(index.inserer(cle(1, reference(8)), entrees, 0), std::make_pair(30008u, false));
    EXPECT_EQ(index.inserer(cle(0, reference(9)), entrees, 0), std::make_pair(9u, false));
    EXPECT_EQ(index.taille(), 60000u);
}

// L'ordre des clés (octets sans signe, préfixe d'abord) est celui de la numérotation.
TEST(RegistresBalayage, personnesParCleSuiventLOrdreDesOctets) {
    RegistresBalayage r;
    // '@' (0x40) passe après les chiffres : « I10@ » avant « I1@ » ; les deux longues sont égales sur 16 octets.
    const char* const trie[] = {
        "@A@",  "@I1000000010@", "@I100000001@", "@I100000002@", "@I10@", "@I123456789012345A@", "@I123456789012345B@",
        "@I1@", "@I2@",          "@I\xE9@"};
    for (int k : {8, 4, 7, 9, 3, 2, 1, 0, 6, 5}) r.personne(cle(0, trie[k]));
    r.personne(cle(1, "@A@"));  // second fichier : après tout le premier
    std::vector<std::string> obtenu, attendu;
    for (std::uint32_t i : r.personnesParCle()) obtenu.emplace_back(r.personnes[i].cle.octets());
    for (const char* ref : trie) attendu.emplace_back(cle(0, ref).octets());
    attendu.emplace_back(cle(1, "@A@").octets());
    EXPECT_EQ(obtenu, attendu);
    EXPECT_EQ(r.chercherPersonne(cle(0, "@I10@")), 1u);
    EXPECT_EQ(r.chercherPersonne(cle(0, "@I11@")), kAucun);
}

// Un gros registre se trie en deux moitiés fusionnées : même ordre qu'un tri d'un seul tenant,
// y compris pour des clés égales sur leurs 16 premiers octets de part et d'autre du milieu.
TEST(RegistresBalayage, unGrosRegistreTrieEnDeuxGardeLOrdreDesCles) {
    RegistresBalayage r;
    std::vector<std::string> refs;
    for (std::uint32_t i = 0; i < 70000; ++i) {
        const std::uint32_t x = (i * 2654435761u) % 1000003u;  // ordre d'arrivée mêlé
        refs.push_back(i % 5 == 0 ? "@I123456789012345" + std::to_string(x) + "@" : "@I" + std::to_string(x) + "@");
    }
    for (const std::string& ref : refs) r.personne(cle(0, ref));
    ASSERT_EQ(r.personnes.size(), 70000u);
    std::vector<std::uint32_t> attendu(r.personnes.size());
    std::iota(attendu.begin(), attendu.end(), 0u);
    std::sort(attendu.begin(), attendu.end(),
              [&](std::uint32_t a, std::uint32_t b) { return r.personnes[a].cle < r.personnes[b].cle; });
    EXPECT_EQ(r.personnesParCle(), attendu);
}

template <std::size_t N>
std::vector<std::uint32_t> contenu(const ListeIndices<N>& l) {
    return {l.begin(), l.end()};
}

std::vector<std::uint32_t> suite(std::uint32_t n) {
    std::vector<std::uint32_t> v(n);
    std::iota(v.begin(), v.end(), 100u);
    return v;
}

// En ligne jusqu'à N, sur le tas au-delà : ni les copies ni les déplacements ne perdent ou ne partagent rien.
TEST(ListeIndices, gardeSesElementsEtCopieOuDeplaceSansRienPartager) {
    for (std::uint32_t n : {0u, 1u, 2u, 3u, 4u, 5u, 17u, 1000u}) {
        ListeIndices<2> a;
        for (std::uint32_t x : suite(n)) a.push_back(x);
        ASSERT_EQ(contenu(a), suite(n)) << n;
        ASSERT_EQ(a.size(), n);
        if (n == 0) continue;
        ListeIndices<2> copie = a;
        copie[0] = 7;
        EXPECT_EQ(a[0], 100u) << n;
        ListeIndices<2> deplacee = std::move(a);
        EXPECT_EQ(contenu(deplacee), suite(n));
        EXPECT_TRUE(a.empty());  // NOLINT(bugprone-use-after-move) : l'état vide est promis
        a.push_back(5);          // la source déplacée resert
        EXPECT_EQ(contenu(a), std::vector<std::uint32_t>{5});
        ListeIndices<2> cible;
        for (std::uint32_t x : suite(30)) cible.push_back(x);
        cible = std::move(deplacee);  // la place de la cible est rendue
        EXPECT_EQ(contenu(cible), suite(n));
        cible = copie;
        EXPECT_EQ(cible, copie);
        const ListeIndices<2>& memeListe = cible;
        cible = memeListe;  // affectation à soi-même
        EXPECT_EQ(cible, copie);
    }
}

TEST(ListeIndices, effaceEtTrieCommeUnVecteur) {
    const std::vector<std::uint32_t> neuf = suite(9);
    ListeIndices<4> l;
    l.assign(neuf.rbegin(), neuf.rend());
    std::vector<std::uint32_t> v(neuf.rbegin(), neuf.rend());
    auto impair = [](std::uint32_t x) { return x % 2 == 1; };
    l.erase(std::remove_if(l.begin(), l.end(), impair), l.end());
    v.erase(std::remove_if(v.begin(), v.end(), impair), v.end());
    EXPECT_EQ(contenu(l), v);
    std::stable_sort(l.begin(), l.end());
    std::stable_sort(v.begin(), v.end());
    EXPECT_EQ(contenu(l), v);
    l.clear();
    EXPECT_TRUE(l.empty());
}

}  // namespace
}  // namespace lignara
