#include <random>
#include <sstream>

#include <zlib.h>

#include <gtest/gtest.h>

#include "support/DossierEssai.h"
#include "commun/OperationImpossible.h"
#include "support/Message.h"
#include "images/ImageDwa.h"

using namespace lignara;
using essai::DossierEssai;

namespace {

const char* const kMessage =
    "Acc\xE8s impossible \xE0 des donn\xE9"
    "es internes\nVous devriez r\xE9installer Lignara";

std::vector<std::uint8_t> decomprimer(const std::string& z, std::size_t taille) {
    std::vector<std::uint8_t> sortie(taille);
    uLongf n = static_cast<uLongf>(taille);
    EXPECT_EQ(uncompress(sortie.data(), &n, reinterpret_cast<const Bytef*>(z.data()), static_cast<uLong>(z.size())),
              Z_OK);
    sortie.resize(n);
    return sortie;
}

struct Motif {
    std::vector<std::uint8_t> rvb, masque;
};

Motif motif(int l, int h) {
    Motif m;
    for (int i = 0; i < l * h; ++i) {
        m.rvb.insert(m.rvb.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 3),
                                   static_cast<std::uint8_t>(255 - i)});
        m.masque.push_back(static_cast<std::uint8_t>(i * 7));
    }
    return m;
}

void attendreMessage(const std::filesystem::path& p) {
    EXPECT_EQ(essai::messageDe([&] { ImageDwa image(p); }), kMessage) << p;
}

}  // namespace

TEST(ImageDwa, relitCeQuIlFabriqueEtRecopieLesDonneesComprimees) {
    DossierEssai d;
    Motif m = motif(5, 3);
    const std::string octets = ImageDwa::fabriquer({5, 3}, m.rvb, m.masque);
    ImageDwa image(d.ecrire("i.dwa", octets));
    std::ostringstream couleurs, masque, encore;
    image.copierMasque(masque);
    image.copierCouleurs(couleurs);
    image.copierCouleurs(encore);  // une seconde recopie redonne les mêmes octets
    EXPECT_EQ(couleurs.str(), encore.str());
    EXPECT_EQ(couleurs.str(), octets.substr(8, image.enTete().longueurCouleurs));
    EXPECT_EQ(decomprimer(couleurs.str(), 45), m.rvb);
    EXPECT_EQ(decomprimer(masque.str(), 15), m.masque);
}

// Au-delà du tampon de recopie, l'image reste entière.
TEST(ImageDwa, recopieEntiereUneGrandeImage) {
    DossierEssai d;
    std::mt19937 hasard(3);
    Motif m;
    for (int i = 0; i < 120 * 120 * 4; ++i)
        (i % 4 == 3 ? m.masque : m.rvb).push_back(static_cast<std::uint8_t>(hasard()));
    ImageDwa image(d.ecrire("grande.dwa", ImageDwa::fabriquer({120, 120}, m.rvb, m.masque)));
    ASSERT_GT(image.enTete().longueurCouleurs, 10000);
    std::ostringstream couleurs;
    image.copierCouleurs(couleurs);
    EXPECT_EQ(decomprimer(couleurs.str(), m.rvb.size()), m.rvb);
}

// Absent, tronqué n'importe où, ou annonçant 65535 × 65535 pixels : refusé, sans allouer.
TEST(ImageDwa, refuseUnFichierAbsentTronqueOuAnnoncantUneImageGeante) {
    DossierEssai d;
    attendreMessage(d / "absent.dwa");
    Motif m = motif(4, 4);
    std::string octets = ImageDwa::fabriquer({4, 4}, m.rvb, m.masque);
    for (std::size_t n = 0; n < octets.size(); ++n) attendreMessage(d.ecrire("tronque.dwa", octets.substr(0, n)));
    octets[0] = octets[1] = octets[2] = octets[3] = '\xFF';
    attendreMessage(d.ecrire("geante.dwa", octets));
}

TEST(ImageDwa, unOctetAlterneEstRefuseOuSansEffetSurLesPixels) {
    DossierEssai d;
    Motif m = motif(6, 2);
    const std::string octets = ImageDwa::fabriquer({6, 2}, m.rvb, m.masque);
    std::mt19937 hasard(2024);
    for (int tour = 0; tour < 300; ++tour) {
        std::string abime = octets;
        const std::size_t i = hasard() % abime.size();
        abime[i] = static_cast<char>(abime[i] ^ static_cast<char>(1 + hasard() % 255));
        auto p = d.ecrire("abime.dwa", abime);
        std::ostringstream couleurs, masque;
        const std::string message = essai::messageDe([&] {
            ImageDwa image(p);
            image.copierCouleurs(couleurs);
            image.copierMasque(masque);
        });
        if (!message.empty()) {
            EXPECT_EQ(message, kMessage);
            continue;
        }
        // Seuls des bits de bourrage du flux comprimé peuvent changer sans effet.
        EXPECT_EQ(decomprimer(couleurs.str(), m.rvb.size()), m.rvb) << i;
        EXPECT_EQ(decomprimer(masque.str(), m.masque.size()), m.masque) << i;
    }
}

TEST(ImageDwa, refuseDeFabriquerDesTaillesIncoherentes) {
    Motif m = motif(2, 2);
    EXPECT_THROW(ImageDwa::fabriquer({3, 2}, m.rvb, m.masque), OperationImpossible);
    EXPECT_THROW(ImageDwa::fabriquer({0, 0}, {}, {}), OperationImpossible);
}
