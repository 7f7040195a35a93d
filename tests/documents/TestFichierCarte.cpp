#include "documents/cartes/FichierCarte.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#include "commun/OperationImpossible.h"
#include "documents/cartes/ZonesCarte.h"
#include "gedcom/LieuTables.h"
#include "support/DossierEssai.h"
#include "support/Message.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::DossierEssai;

PolygoneCarte carre(std::uint32_t x, std::uint32_t y, std::uint32_t cote, bool enclave = false) {
    return {enclave, {{x, y}, {x + cote, y}, {x + cote, y + cote}, {x, y + cote}}};
}

Carte petiteCarte() {
    Carte c;
    c.largeur = 1000;
    c.hauteur = 800;
    c.regions.push_back({40, "Rh\xF4ne", "69", {300, 700}, {carre(0, 0, 600), carre(200, 200, 100, true)}});
    c.regions.push_back({33, "Ain", "01", {250, 250}, {carre(200, 200, 100), carre(700, 100, 50)}});
    return c;
}

const std::string kAbime = "Fichier de cartographie FR.dat ab\xEEm\xE9.\nR\xE9-installez Lignara.";

// Octets attendus d'une carte d'une région triangulaire, faits à la main d'après le format :
// points codés par XOR du point précédent, étiquette y + 4x, compte signé sur 16 bits.
TEST(FichierCarte, octetsDUneCarteFaiteALaMain) {
    Carte c;
    c.largeur = 0x100;
    c.hauteur = 0x80;
    c.regions.push_back({33, "A", "a", {2, 3}, {{true, {{1, 2}, {5, 6}, {0x100, 0x80}}}}});
    std::vector<std::uint8_t> attendu = {33, 0, 3, 0, 1, 0, 0, 0x80, 0, 0, 0, 33, 0, 'A'};
    attendu.resize(attendu.size() + 99, 0);
    attendu.push_back('a');
    attendu.resize(attendu.size() + 99, 0);
    // x, y + 4x, 1 polygone ; −3 points : enclave ; points codés par XOR du précédent.
    for (int o : {2, 0,     0, 0, 3 + 8, 0,     0, 0, 1, 0xFD,     0xFF, 1, 0, 0,        0, 2, 0, 0,
                  0, 5 ^ 2, 0, 0, 0,     6 ^ 1, 0, 0, 0, 0x00 ^ 6, 0x01, 0, 0, 0x80 ^ 5, 0, 0, 0})
        attendu.push_back(static_cast<std::uint8_t>(o));
    EXPECT_EQ(encoderCarte(c), attendu);
    const Carte relue = decoderCarte(attendu, "XX.dat");
    EXPECT_EQ(relue.regionMax, 33);
    EXPECT_EQ(relue.pointsMax, 3);
    EXPECT_EQ(relue.regions, c.regions);
}

TEST(FichierCarte, lEcritureSeRelitEtRemplaceUnLienSansLeSuivre) {
    DossierEssai d;
    fs::create_directories(d / "Carto");
    fs::create_symlink(d.ecrire("leurre.txt", "intact"), d / "Carto/FR.dat");
    ecrireCarte(petiteCarte(), d / "Carto/FR.dat");
    EXPECT_EQ(essai::lireFichier(d / "leurre.txt"), "intact");
    EXPECT_FALSE(fs::is_symlink(d / "Carto/FR.dat"));
    const Carte relue = lireCarte(d.chemin(), "FR");
    EXPECT_EQ(relue.regions, petiteCarte().regions);
    EXPECT_EQ(relue.region(34), nullptr);
}

// Chaque fichier coupé, et chaque compte, numéro, texte ou point faussé, donne le message « abîmé ».
TEST(FichierCarte, chaqueCompteEstControleALaLecture) {
    const std::vector<std::uint8_t> bon = encoderCarte(petiteCarte());
    constexpr std::size_t finPremiereFiche = 11 + 211 + 2 * (2 + 4 * 8);  // un fichier complet
    for (std::size_t n = 0; n < bon.size(); ++n) {
        if (n == finPremiereFiche) continue;
        std::vector<std::uint8_t> coupe(bon.begin(), bon.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_EQ(essai::messageDe([&] { decoderCarte(coupe, "FR.dat"); }), kAbime) << "coupé à " << n;
    }
    auto fausse = [&](std::size_t position, std::vector<std::uint8_t> octets) {
        std::vector<std::uint8_t> f = bon;
        for (std::size_t i = 0; i < octets.size(); ++i) f[position + i] = octets[i];
        return essai::messageDe([&] { decoderCarte(f, "FR.dat"); });
    };
    constexpr std::size_t fiche = 11, polygone = fiche + 211;
    EXPECT_EQ(fausse(0, {32, 0}), kAbime);       // plus grand numéro sous 33
    EXPECT_EQ(fausse(3, {0, 0, 0, 0}), kAbime);  // largeur nulle
    EXPECT_EQ(fausse(fiche, {41, 0}), kAbime);   // région au-dessus du plus grand numéro
    EXPECT_EQ(fausse(fiche + 2, std::vector<std::uint8_t>(100, 'x')), kAbime);  // nom sans zéro final
    EXPECT_EQ(fausse(fiche + 202, {0xE9, 3, 0, 0}), kAbime);                    // étiquette hors de la carte
    EXPECT_EQ(fausse(polygone, {5, 0}), kAbime);                                // plus de points que l'en-tête
    EXPECT_EQ(fausse(polygone, {0x00, 0x80}), kAbime);                          // −32768
    EXPECT_EQ(fausse(polygone + 10, {0, 0, 1, 0}), kAbime);                     // point suivant hors de la carte
    // La même région deux fois.
    std::vector<std::uint8_t> f = bon;
    f.insert(f.end(), bon.begin() + fiche, bon.end());
    EXPECT_EQ(essai::messageDe([&] { decoderCarte(f, "FR.dat"); }), kAbime);
}

// Octets altérés au hasard (graine fixe) dans une carte livrée : « abîmé », ou une carte qui tient son en-tête.
TEST(FichierCarte, desOctetsAlteresDonnentLeMessageOuUneCarteCoherente) {
    std::ifstream flux(fs::path(LIGNARA_DOSSIER_DONNEES) / "Carto/LU.dat", std::ios::binary);
    const std::vector<std::uint8_t> livre{std::istreambuf_iterator<char>(flux), {}};
    ASSERT_GT(livre.size(), 100u);
    const std::string abime = "Fichier de cartographie LU.dat ab\xEEm\xE9.\nR\xE9-installez Lignara.";
    std::mt19937 alea(24);
    int lues = 0;
    for (int essai = 0; essai < 2000; ++essai) {
        std::vector<std::uint8_t> octets = livre;
        for (int k = 0; k < 1 + essai % 3; ++k)
            octets[alea() % octets.size()] ^= static_cast<std::uint8_t>(1 + alea() % 255);
        try {
            const Carte c = decoderCarte(octets, "LU.dat");
            ++lues;
            for (const RegionCarte& r : c.regions) {
                EXPECT_TRUE(r.numero >= Carte::kPremiereRegion && r.numero <= c.regionMax &&
                            r.etiquette.x <= c.largeur && r.etiquette.y <= c.hauteur);
                for (const PolygoneCarte& p : r.polygones) {
                    EXPECT_TRUE(p.points.size() >= 3 && p.points.size() <= c.pointsMax);
                    for (const PointCarte& pt : p.points) EXPECT_TRUE(pt.x <= c.largeur && pt.y <= c.hauteur);
                }
            }
        } catch (const OperationImpossible& e) {
            EXPECT_EQ(e.what(), abime);
        }
    }
    // Un nom ou un code altéré reste une carte lisible : toutes ne sont pas refusées.
    EXPECT_GT(lues, 0);
}

TEST(FichierCarte, lEcrivainResteDansLesLimitesDuFormat) {
    // Refusés : polygone de 256 points, point hors carte, numéro double ou > 255, nom trop long, carte trop grande,
    // vide.
    std::vector<Carte> fautes(7, petiteCarte());
    fautes[0].regions[0].polygones[0].points.resize(256, PointCarte{1, 1});
    fautes[1].regions[0].polygones[0].points[2] = {1001, 0};
    fautes[2].regions[1].numero = 40;
    fautes[3].regions[1].numero = 256;
    fautes[4].regions[0].nom.assign(100, 'a');
    fautes[5].largeur = Carte::kCoteMax + 1;
    fautes[6] = Carte{};
    for (std::size_t i = 0; i < fautes.size(); ++i) EXPECT_THROW(encoderCarte(fautes[i]), std::invalid_argument) << i;
}

// Les cartes livrées se lisent toutes ; leurs régions sont celles de nos tables de lieux
// (numéro et nom), et chaque pays à table a sa carte.
TEST(FichierCarte, lesCartesLivreesSontCellesDeNosTablesDeLieux) {
    const fs::path donnees = LIGNARA_DOSSIER_DONNEES;
    int cartes = 0;
    for (const ZoneCarte& z : zonesCarte()) {
        const CodePays pays(z.code);
        if (tableLieuSubdivisions(pays).empty()) continue;
        const Carte c = lireCarte(donnees, z.code);
        ++cartes;
        EXPECT_GE(c.regions.size(), 2u) << z.code;
        for (const RegionCarte& r : c.regions) {
            EXPECT_EQ(r.nom, std::string(nomSubdivision(pays, static_cast<std::uint8_t>(r.numero)))) << z.code;
            EXPECT_FALSE(r.polygones.empty()) << z.code << " " << r.numero;
        }
    }
    EXPECT_EQ(cartes, 33);
}

}  // namespace
}  // namespace lignara
