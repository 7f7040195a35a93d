#include <unistd.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "commun/Texte.h"
#include "render/PoliceChargement.h"
#include "render/PoliceFamille.h"
#include "render/PoliceListe.h"
#include "render/pdf/ObjetPdfDescripteurPolice.h"
#include "render/pdf/ObjetPdfPolice.h"

using namespace lignara;

namespace {

struct Messages {
    std::vector<std::string> recus;
    RecepteurMessages recepteur() {
        return [this](const std::string& m) { recus.push_back(m); };
    }
};

// fontconfig garde sa configuration jusqu'à la fin : on la rend pour le détecteur de fuites.
class LibererFontconfig : public ::testing::Environment {
public:
    void TearDown() override { PoliceFamille::liberer(); }
};
const auto* const kLiberation = ::testing::AddGlobalTestEnvironment(new LibererFontconfig);

bool familleInstallee(const char* nom) { return PoliceFamille(nom).familleTrouvee() == nom; }

std::string ecrireObjet(ObjetPdf& objet) {
    std::ostringstream sortie;
    objet.ecrire(sortie, ContextePdf{});
    return sortie.str();
}

}  // namespace

// Arial est servie par Liberation Sans, à métriques identiques : les largeurs en 1/1000 em
// (largeur ÷ 16) sont celles d'Arial.
TEST(ChargementPolices, arialDonneLesLargeursDArialEnMilliemesDEm) {
    MetriquePolice m;
    ASSERT_TRUE(remplirMetrique(m, "Arial", false, {}));
    EXPECT_EQ(m.trouvee, 1);
    EXPECT_EQ(m.italique, 0);
    EXPECT_EQ(m.premierCaractere, 32);
    EXPECT_EQ(m.dernierCaractere, 255);
    EXPECT_NEAR(m.largeurs[int{' '}] / 16, 278, 1);
    EXPECT_NEAR(m.largeurs[int{'A'}] / 16, 667, 1);
    EXPECT_NEAR(m.largeurs[int{'W'}] / 16, 944, 1);
    EXPECT_NEAR(m.largeurs[0xE9] / 16, 556, 1);  // é, lu comme Windows-1252
    EXPECT_NEAR(m.largeurs[0x80] / 16, 556, 1);  // € en 0x80
    EXPECT_EQ(m.drapeaux, 32);
    EXPECT_EQ(m.hauteurCapitales, m.ascendant);
    EXPECT_EQ(m.epaisseurTrait, m.largeurBoite / 20);
    EXPECT_GT(m.ascendant, 800);
    EXPECT_GT(m.descendant, 150);
    // Règle de mise en page : « Arial » à 10 points, somme ÷ 100 en unités de dessin.
    EXPECT_NEAR(largeurTexte(m, "WW"), 2 * 944 * 16 / 100, 1);
}

TEST(ChargementPolices, italiqueAjouteLeDrapeau64EtLAngleDeLaPolice) {
    MetriquePolice m;
    ASSERT_TRUE(remplirMetrique(m, "Arial", true, {}));
    EXPECT_EQ(m.italique, 1);
    EXPECT_EQ(m.drapeaux, 32 + 64);
    EXPECT_LT(m.angleItalique, -5);
}

TEST(ChargementPolices, drapeauxDistinguentEmpattementsEtChasseFixe) {
    MetriquePolice serif, mono;
    ASSERT_TRUE(remplirMetrique(serif, "Liberation Serif", false, {}));
    ASSERT_TRUE(remplirMetrique(mono, "Liberation Mono", false, {}));
    EXPECT_EQ(serif.drapeaux, 34);
    EXPECT_EQ(mono.drapeaux, 1 + 34);  // chasse fixe, à empattements comme Courier
    EXPECT_EQ(mono.largeurs[int{'i'}], mono.largeurs[int{'W'}]);
}

TEST(ChargementPolices, nomDeFamilleSansTenirCompteDeLaCasse) {
    MetriquePolice a, b;
    ASSERT_TRUE(remplirMetrique(a, "liberation sans", false, {}));
    ASSERT_TRUE(remplirMetrique(b, "Liberation Sans", false, {}));
    EXPECT_EQ(std::vector<std::int16_t>(a.largeurs, a.largeurs + 256),
              std::vector<std::int16_t>(b.largeurs, b.largeurs + 256));
}

// fontconfig répondrait par DejaVu Sans : la famille inconnue doit retomber sur Arial.
TEST(ChargementPolices, familleInconnueRetombeSurArialAvecMessage) {
    ReglagesPolices reglages;
    reglages.nomPolice = "Police Inexistante";
    Messages messages;
    const PolicesDocument p = chargerPolices(reglages, messages.recepteur());
    EXPECT_EQ(p.nom, "Arial");
    EXPECT_EQ(reglages.nomPolice, "Police Inexistante");
    ASSERT_EQ(messages.recus.size(), 1u);
    EXPECT_EQ(messages.recus[0],
              "La police de caractères \"Police Inexistante\" n'existe pas ou n'est pas utilisable "
              "pour les graphiques.\nLignara utilisera la police \"Arial\"."_1252);
    EXPECT_EQ(p.reguliere.trouvee, 1);
    EXPECT_EQ(p.italique.italique, 1);
    EXPECT_EQ(p.italique.trouvee, 1);
}

TEST(ChargementPolices, familleSansItaliqueDonneDeuxPolicesAuNomRegulier) {
    if (!familleInstallee("DejaVu Math TeX Gyre")) GTEST_SKIP() << "police DejaVu Math TeX Gyre absente";
    ReglagesPolices reglages;
    reglages.nomPolice = "DejaVu Math TeX Gyre";
    Messages messages;
    const PolicesDocument p = chargerPolices(reglages, messages.recepteur());
    const MetriquePolice& reguliere = p.reguliere;
    const MetriquePolice& italique = p.italique;
    EXPECT_TRUE(messages.recus.empty());
    EXPECT_EQ(p.nom, "DejaVu Math TeX Gyre");
    EXPECT_EQ(italique.italique, 0);
    EXPECT_EQ(italique.drapeaux, reguliere.drapeaux);

    ObjetPdfPolice f1(4, reguliere, reglages.nomPolice, 2, 3);
    ObjetPdfPolice f2(10, italique, reglages.nomPolice, 8, 9);
    std::string nom = "/BaseFont /DejaVu#20Math#20TeX#20Gyre\n";
    EXPECT_NE(ecrireObjet(f1).find(nom), std::string::npos);
    EXPECT_NE(ecrireObjet(f2).find(nom), std::string::npos);
    ObjetPdfDescripteurPolice d(8, italique, reglages.nomPolice);
    EXPECT_NE(ecrireObjet(d).find("/FontName /DejaVu#20Math#20TeX#20Gyre\n"), std::string::npos);
}

TEST(ChargementPolices, largeurSignatureSuitLaPlusLongueDesDeuxLignes) {
    ReglagesPolices reglages;
    EXPECT_EQ(chargerPolices(reglages, {}).largeurSignature, 384);  // lignes vides par défaut
    reglages.ligneSignature1 = "Court";
    reglages.ligneSignature2 = "Une ligne bien plus longue";
    const PolicesDocument p = chargerPolices(reglages, {});
    std::int32_t w = largeurTexte(p.reguliere, reglages.ligneSignature2);
    EXPECT_GT(w, largeurTexte(p.reguliere, reglages.ligneSignature1));
    EXPECT_EQ(p.largeurSignature, 384 + w * 8 / 10);
}

// Une police abîmée ne doit ni planter ni modifier l'enregistrement.
TEST(ChargementPolices, fichierDePoliceAbimeEstRefuseSansToucherLEnregistrement) {
    auto styles = PoliceFamille("Liberation Sans").styles(false);
    ASSERT_FALSE(styles.empty());
    std::ifstream source(styles[0].chemin, std::ios::binary);
    std::string octets((std::istreambuf_iterator<char>(source)), std::istreambuf_iterator<char>());
    ASSERT_GT(octets.size(), 2000u);

    auto dossier = std::filesystem::temp_directory_path() / ("lignara-police-abimee-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dossier);
    std::mt19937 alea(1252);
    std::string tronque = octets.substr(0, 1500);
    std::string retourne = octets;
    for (int i = 0; i < 200; ++i) retourne[alea() % 400] = static_cast<char>(alea());
    std::string hasard(5000, '\0');
    for (char& c : hasard) c = static_cast<char>(alea());
    int cas = 0;
    for (const std::string& contenu : {tronque, retourne, hasard, std::string()}) {
        auto chemin = dossier / ("cas" + std::to_string(cas++) + ".ttf");
        std::ofstream(chemin, std::ios::binary) << contenu;
        MetriquePolice m;
        m.largeurs[65] = 1234;
        bool lu = mesurerFichierPolice(chemin.string(), 0, false, m);
        if (!lu)
            EXPECT_EQ(m.largeurs[65], 1234) << chemin;
        else
            EXPECT_EQ(m.trouvee, 1);
    }
    MetriquePolice absente;
    EXPECT_FALSE(mesurerFichierPolice((dossier / "absent.ttf").string(), 0, false, absente));
    std::filesystem::remove_all(dossier);
}

// Police de symboles : son premier caractère (0xF020) dépasse « 1 », elle n'est pas utilisable.
TEST(ChargementPolices, policeDontLePremierCaractereDepasseUnEstRefusee) {
    auto styles = PoliceFamille("Liberation Sans").styles(false);
    ASSERT_FALSE(styles.empty());
    std::ifstream source(styles[0].chemin, std::ios::binary);
    std::string octets((std::istreambuf_iterator<char>(source)), std::istreambuf_iterator<char>());
    auto u16 = [&](std::size_t i) {
        return static_cast<unsigned>(static_cast<unsigned char>(octets[i]) << 8 |
                                     static_cast<unsigned char>(octets[i + 1]));
    };
    // Répertoire des tables : 12 octets d'en-tête puis 16 octets par table (étiquette, somme,
    // décalage, longueur) ; usFirstCharIndex est à 64 octets du début de la table OS/2.
    std::size_t os2 = 0;
    for (unsigned t = 0; t < u16(4); ++t) {
        std::size_t entree = 12 + 16 * t;
        if (octets.compare(entree, 4, "OS/2") == 0) os2 = u16(entree + 8) << 16 | u16(entree + 10);
    }
    ASSERT_NE(os2, 0u);
    auto chemin =
        std::filesystem::temp_directory_path() / ("lignara-police-symboles-" + std::to_string(::getpid()) + ".ttf");
    MetriquePolice m;
    for (unsigned premier : {0x0031u, 0xF020u}) {
        octets[os2 + 64] = static_cast<char>(premier >> 8);
        octets[os2 + 65] = static_cast<char>(premier & 0xFF);
        std::ofstream(chemin, std::ios::binary) << octets;
        m.trouvee = 0;
        bool lu = mesurerFichierPolice(chemin.string(), 0, false, m);
        EXPECT_EQ(lu, premier == 0x31) << std::hex << premier;
    }
    std::filesystem::remove(chemin);
}

TEST(ListePolices, neGardeQueDesFamillesUtilisablesDansDeuxMilleOctets) {
    ListePolices liste = listerPolicesUtilisables();
    auto noms = liste.noms();
    EXPECT_EQ(static_cast<int>(noms.size()), liste.nombre);
    EXPECT_LE(liste.occupe, 2000u);
    bool liberation = false;
    for (auto nom : noms) {
        ASSERT_GE(nom.size(), 2u);
        EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(nom[1]))) << nom;
        liberation = liberation || nom == "Liberation Sans";
    }
    EXPECT_TRUE(liberation);
}

TEST(ListePolices, unNomQuiNeTientPlusEstLaisseDeCote) {
    ListePolices liste;
    std::string nom(30, 'x');
    int ajoutes = 0;
    while (liste.ajouter(nom)) ++ajoutes;
    EXPECT_EQ(ajoutes, 2000 / 31);
    EXPECT_EQ(liste.nombre, ajoutes);
    EXPECT_TRUE(liste.ajouter("abcd"));  // 64 × 31 = 1984 : il reste 16 octets
    EXPECT_EQ(liste.occupe, 1989u);
    EXPECT_EQ(liste.noms().back(), "abcd");
}
