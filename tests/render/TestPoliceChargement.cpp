#include <cctype>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "MessagesCaptures.h"
#include "commun/Texte.h"
#include "render/PoliceChargement.h"
#include "render/PoliceFamille.h"
#include "render/PoliceListe.h"
#include "render/pdf/ObjetPdfDescripteurPolice.h"
#include "render/pdf/ObjetPdfPolice.h"
#include "support/DossierEssai.h"

using namespace lignara;
using essai::DossierEssai;

namespace {

// fontconfig garde sa configuration jusqu'à la fin : on la rend pour le détecteur de fuites.
class LibererFontconfig : public ::testing::Environment {
public:
    void TearDown() override { PoliceFamille::liberer(); }
};
const auto* const kLiberation = ::testing::AddGlobalTestEnvironment(new LibererFontconfig);

std::string ecrireObjet(ObjetPdf& objet) {
    std::ostringstream sortie;
    objet.ecrire(sortie, ContextePdf{});
    return sortie.str();
}

MetriquePolice metrique(const char* famille, bool italique) {
    MetriquePolice m;
    EXPECT_TRUE(remplirMetrique(m, famille, italique, {})) << famille;
    return m;
}

std::string octetsLiberationSans() {
    const auto styles = PoliceFamille("Liberation Sans").styles(false);
    return styles.empty() ? std::string() : essai::lireFichier(styles[0].chemin);
}

}  // namespace

// Arial est servie par Liberation Sans à métriques identiques : largeurs d'Arial en 1/1000 em (largeur ÷ 16).
TEST(ChargementPolices, arialDonneLesLargeursDArialEnMilliemesDEmEtSonItalique) {
    const MetriquePolice m = metrique("Arial", false);
    EXPECT_EQ(m.trouvee, 1);
    EXPECT_NEAR(m.largeurs[int{' '}] / 16.0, 278, 1);
    EXPECT_NEAR(m.largeurs[int{'A'}] / 16.0, 667, 1);
    EXPECT_NEAR(m.largeurs[0xE9] / 16.0, 556, 1);  // é, lu comme Windows-1252
    EXPECT_NEAR(m.largeurs[0x80] / 16.0, 556, 1);  // € en 0x80
    EXPECT_EQ(m.drapeaux, 32);
    EXPECT_GT(m.ascendant, 800);
    // Règle de mise en page : « Arial » à 10 points, somme ÷ 100 en unités de dessin.
    EXPECT_NEAR(largeurTexte(m, "WW"), 2 * 944 * 16 / 100.0, 1);

    const MetriquePolice italique = metrique("Arial", true);
    EXPECT_EQ(italique.italique, 1);
    EXPECT_EQ(italique.drapeaux, 32 + 64);
    EXPECT_LT(italique.angleItalique, -5);

    const MetriquePolice a = metrique("liberation sans", false), b = metrique("Liberation Sans", false);
    EXPECT_TRUE(std::equal(a.largeurs, a.largeurs + 256, b.largeurs));
    // Empattements et chasse fixe (à empattements comme Courier) changent les drapeaux.
    EXPECT_EQ(metrique("Liberation Serif", false).drapeaux, 34);
    EXPECT_EQ(metrique("Liberation Mono", false).drapeaux, 1 + 34);
}

// fontconfig répondrait par DejaVu Sans : la famille inconnue doit retomber sur Arial. La bande de signature
// est aussi large que la plus longue de ses deux lignes.
TEST(ChargementPolices, familleInconnueRetombeSurArialAvecMessageEtLaSignatureSuitSaPlusLongueLigne) {
    ReglagesPolices reglages;
    EXPECT_EQ(chargerPolices(reglages, {}).largeurSignature, 384);  // lignes vides par défaut
    reglages.nomPolice = "Police Inexistante";
    reglages.ligneSignature1 = "Court";
    reglages.ligneSignature2 = "Une ligne bien plus longue";
    essai::MessagesCaptures messages;
    const PolicesDocument p = chargerPolices(reglages, messages.recepteur());
    EXPECT_EQ(p.nom, "Arial");
    EXPECT_EQ(
        messages.messages,
        (std::vector<std::string>{"La police de caractères \"Police Inexistante\" n'existe pas ou n'est pas utilisable "
                                  "pour les graphiques.\nLignara utilisera la police \"Arial\"."_1252}));
    EXPECT_EQ(p.italique.italique, 1);
    EXPECT_EQ(p.largeurSignature, 384 + largeurTexte(p.reguliere, reglages.ligneSignature2) * 8 / 10);
}

TEST(ChargementPolices, familleSansItaliqueDonneDeuxPolicesAuNomRegulier) {
    const char* const famille = "DejaVu Math TeX Gyre";
    if (PoliceFamille(famille).familleTrouvee() != famille) GTEST_SKIP() << "police DejaVu Math TeX Gyre absente";
    ReglagesPolices reglages;
    reglages.nomPolice = famille;
    essai::MessagesCaptures messages;
    const PolicesDocument p = chargerPolices(reglages, messages.recepteur());
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(p.nom, "DejaVu Math TeX Gyre");
    EXPECT_EQ(p.italique.italique, 0);

    ObjetPdfPolice italique(10, p.italique, reglages.nomPolice, 8, 9);
    EXPECT_NE(ecrireObjet(italique).find("/BaseFont /DejaVu#20Math#20TeX#20Gyre\n"), std::string::npos);
    ObjetPdfDescripteurPolice d(8, p.italique, reglages.nomPolice);
    EXPECT_NE(ecrireObjet(d).find("/FontName /DejaVu#20Math#20TeX#20Gyre\n"), std::string::npos);
}

// Une police abîmée ne doit ni planter ni modifier l'enregistrement.
TEST(ChargementPolices, fichierDePoliceAbimeEstRefuseSansToucherLEnregistrement) {
    const std::string octets = octetsLiberationSans();
    ASSERT_GT(octets.size(), 2000u);
    DossierEssai d;
    std::mt19937 alea(1252);
    std::string retourne = octets, hasard(5000, '\0');
    for (int i = 0; i < 200; ++i) retourne[alea() % 400] = static_cast<char>(alea());
    for (char& c : hasard) c = static_cast<char>(alea());
    int cas = 0;
    for (const std::string& contenu : {octets.substr(0, 1500), retourne, hasard, std::string()}) {
        const auto chemin = d.ecrire("cas" + std::to_string(cas++) + ".ttf", contenu);
        MetriquePolice m;
        m.largeurs[65] = 1234;
        if (!mesurerFichierPolice(chemin.string(), 0, false, m))
            EXPECT_EQ(m.largeurs[65], 1234) << chemin;
        else
            EXPECT_EQ(m.trouvee, 1);
    }
    MetriquePolice absente;
    EXPECT_FALSE(mesurerFichierPolice((d / "absent.ttf").string(), 0, false, absente));
}

// Police de symboles : son premier caractère (0xF020) dépasse « 1 », elle n'est pas utilisable.
TEST(ChargementPolices, policeDontLePremierCaractereDepasseUnEstRefusee) {
    std::string octets = octetsLiberationSans();
    auto u16 = [&](std::size_t i) {
        return static_cast<unsigned>(static_cast<unsigned char>(octets[i]) << 8 |
                                     static_cast<unsigned char>(octets[i + 1]));
    };
    // Répertoire des tables : 12 octets d'en-tête puis 16 octets par table (étiquette, somme,
    // décalage, longueur) ; usFirstCharIndex est à 64 octets du début de la table OS/2.
    std::size_t os2 = 0;
    for (unsigned t = 0; octets.size() > 12 && t < u16(4); ++t)
        if (octets.compare(12 + 16 * t, 4, "OS/2") == 0) os2 = u16(12 + 16 * t + 8) << 16 | u16(12 + 16 * t + 10);
    ASSERT_NE(os2, 0u);
    DossierEssai d;
    for (unsigned premier : {0x0031u, 0xF020u}) {
        octets[os2 + 64] = static_cast<char>(premier >> 8);
        octets[os2 + 65] = static_cast<char>(premier & 0xFF);
        MetriquePolice m;
        EXPECT_EQ(mesurerFichierPolice(d.ecrire("symboles.ttf", octets).string(), 0, false, m), premier == 0x31)
            << std::hex << premier;
    }
}

TEST(ListePolices, neGardeQueDesFamillesUtilisablesDansDeuxMilleOctets) {
    ListePolices liste = listerPolicesUtilisables();
    auto noms = liste.noms();
    EXPECT_LE(liste.occupe, 2000u);
    bool liberation = false;
    for (auto nom : noms) {
        ASSERT_GE(nom.size(), 2u);
        EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(nom[1]))) << nom;
        liberation = liberation || nom == "Liberation Sans";
    }
    EXPECT_TRUE(liberation);

    // Un nom qui ne tient plus est laissé de côté, un plus court passe encore.
    ListePolices pleine;
    int ajoutes = 0;
    while (pleine.ajouter(std::string(30, 'x'))) ++ajoutes;
    EXPECT_EQ(ajoutes, 2000 / 31);
    EXPECT_TRUE(pleine.ajouter("abcd"));  // 64 × 31 = 1984 : il reste 16 octets
    EXPECT_EQ(pleine.noms().back(), "abcd");
}
