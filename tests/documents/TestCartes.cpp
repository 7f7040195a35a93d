// Cartes de localisation et de migration : personnes retenues, comptes par région, teintes,
// ordre des remplissages et du tableau des valeurs, migrations, messages, ligne de commande,
// et les cartes de l'exemple livré et de pres2020 (fichier réel, sauté quand il manque).
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "support/Message.h"
#include "ArbreEssai.h"
#include "BaseEssai.h"
#include "support/Programme.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/IndexDesNoms.h"
#include "documents/cartes/CarteLocalisation.h"
#include "documents/cartes/CarteMigration.h"
#include "documents/cartes/PersonnesCarte.h"
#include "gedcom/ImporterGedcom.h"
#include "support/DossierEssai.h"
#include "render/FormatPapier.h"
#include "render/LecturePdf.h"
#include "render/PoliceFamille.h"
#include "support/Controles.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::BaseEssai;
using essai::DossierEssai;

constexpr CodePays kFrance("FR");

// Lyon (Rhône), Brest (Finistère), Nantes (Loire-Atlantique) ; Lausanne est en Suisse.
// Ascendance de R : P et M, demi-frère et demi-sœur par leur père X (implexe), X né à Nantes,
// Y (mère de P) née en Suisse. O, sans lieu de naissance, marié à Brest et mort à Lyon.
constexpr std::string_view kAscendance =
    "0 HEAD\n1 CHAR UTF-8\n"
    "0 @R@ INDI\n1 NAME R /DURAND/\n1 BIRT\n2 PLAC Lyon, Rhône, France\n1 DEAT\n2 PLAC Nantes, Loire-Atlantique\n"
    "1 FAMC @F1@\n1 FAMS @F4@\n"
    "0 @P@ INDI\n1 NAME P /DURAND/\n1 SEX M\n1 BIRT\n2 PLAC Brest, Finistère\n1 FAMC @F2@\n1 FAMS @F1@\n"
    "0 @M@ INDI\n1 NAME M /MARTIN/\n1 SEX F\n1 BIRT\n2 PLAC Brest, Finistère\n1 FAMC @F3@\n1 FAMS @F1@\n"
    "0 @X@ INDI\n1 NAME X /DURAND/\n1 SEX M\n1 BIRT\n2 PLAC Nantes, Loire-Atlantique\n1 FAMS @F2@\n1 FAMS @F3@\n"
    "0 @Y@ INDI\n1 NAME Y /ROCHAT/\n1 SEX F\n1 BIRT\n2 PLAC Lausanne, Vaud, Suisse\n1 FAMS @F2@\n"
    "0 @O@ INDI\n1 NAME O /DURAND/\n1 SEX F\n1 DEAT\n2 PLAC Lyon, Rhône\n1 FAMS @F4@\n"
    "0 @F1@ FAM\n1 HUSB @P@\n1 WIFE @M@\n1 CHIL @R@\n"
    "0 @F2@ FAM\n1 HUSB @X@\n1 WIFE @Y@\n1 CHIL @P@\n"
    "0 @F3@ FAM\n1 HUSB @X@\n1 CHIL @M@\n"
    "0 @F4@ FAM\n1 HUSB @R@\n1 WIFE @O@\n1 MARR\n2 PLAC Brest, Finistère\n"
    "0 TRLR\n";

std::set<std::string> prenomsDe(const BaseGenealogique& base, const std::vector<std::uint32_t>& personnes) {
    std::set<std::string> p;
    for (std::uint32_t n : personnes) p.insert(essai::prenoms(base, n));
    return p;
}

// Octet de région du lieu de naissance (le code que l'import met en tête du lieu).
std::uint8_t regionNaissance(const BaseGenealogique& base, std::int32_t personne) {
    const Evenement e = base.LireEvenement(base.LireIndividu(static_cast<std::uint32_t>(personne)).naissance);
    return static_cast<std::uint8_t>(base.LireTexte(TableLieux, e.lieu)[2]);
}

// Régions de naissance de R (Lyon), P (Brest) et X (Nantes).
struct Villes {
    std::uint8_t lyon, brest, nantes;
};
Villes villes(const BaseEssai& b) {
    return {regionNaissance(b.base(), b.personne("R")), regionNaissance(b.base(), b.personne("P")),
            regionNaissance(b.base(), b.personne("X"))};
}

TEST(PersonnesCarte, unAncetreAtteintParDeuxLignesEstRetenuUneFois) {
    BaseEssai b(kAscendance);
    const auto ascendants = ascendantsCarte(b.base(), static_cast<std::uint32_t>(b.personne("R")));
    EXPECT_EQ(ascendants.size(), 5u);
    EXPECT_EQ(prenomsDe(b.base(), ascendants), (std::set<std::string>{"R", "P", "M", "X", "Y"}));
    EXPECT_EQ(essai::prenoms(b.base(), ascendants[0]), "R");
    EXPECT_EQ(essai::prenoms(b.base(), ascendants[1]), "P");  // le père d'abord
}

// Un descendant déjà compté comme conjoint d'un cousin est encore suivi : l'enfant de son autre
// union n'est pas perdu ; chacun n'est retenu qu'une fois.
TEST(PersonnesCarte, unDescendantMarieASonCousinEstSuiviDansSesAutresUnions) {
    // 1 : 2 et 3 ; 4 (fils de 2) épouse sa cousine 5 (fille de 3), qui a aussi 8 avec 7.
    BaseEssai b(essai::gedcomDeFamilles(
        8, {{1, 0, {2, 3}, ""}, {2, 0, {4}, ""}, {3, 0, {5}, ""}, {4, 5, {6}, ""}, {7, 5, {8}, ""}}));
    const auto descendants = descendantsCarte(b.base(), static_cast<std::uint32_t>(b.personne("P1")));
    EXPECT_EQ(descendants.size(), 8u);
    EXPECT_EQ(prenomsDe(b.base(), descendants),
              (std::set<std::string>{"P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8"}));
}

TEST(PersonnesCarte, patronymeSansEgardALaCasseNiAuxAccentsEtAvecOuSansIndex) {
    BaseEssai b(kAscendance);
    EXPECT_EQ(prenomsDe(b.base(), porteursDuNom(b.base(), b.contexte.noms, "durand")),
              (std::set<std::string>{"R", "P", "X", "O"}));
    EXPECT_EQ(porteursDuNom(b.base(), nullptr, "DURAND").size(), 4u);
    EXPECT_TRUE(porteursDuNom(b.base(), b.contexte.noms, "DUPONT").empty());
    EXPECT_EQ(toutesLesPersonnes(b.base()).size(), 6u);
}

TEST(ComptageRegions, lieuChoisiPaysDeLaZoneEtPremierLieuConnu) {
    BaseEssai b(kAscendance);
    const BaseGenealogique& base = b.base();
    const auto [lyon, brest, nantes] = villes(b);
    ASSERT_TRUE(lyon > 32 && brest > 32 && nantes > 32 && regionNaissance(base, b.personne("Y")) > 32);
    ASSERT_EQ(std::set<std::uint8_t>({lyon, brest, nantes}).size(), 3u);
    const std::uint16_t regionMax = 255;
    const auto r = [&](const char* p, LieuCompte lieu, CodePays pays = kFrance, std::uint16_t max = 255) {
        return regionPersonne(base, static_cast<std::uint32_t>(b.personne(p)), lieu, pays, max);
    };
    // Le lieu de Suisse porte un octet de région que la carte de France connaîtrait.
    EXPECT_EQ(r("Y", LieuCompte::Naissance), 0);
    EXPECT_NE(r("Y", LieuCompte::Naissance, CodePays("CH")), 0);
    EXPECT_EQ(r("R", LieuCompte::Naissance), lyon);
    EXPECT_EQ(r("R", LieuCompte::Deces), nantes);
    EXPECT_EQ(r("R", LieuCompte::PremierConnu), lyon);  // né à Lyon, marié à Brest
    EXPECT_EQ(r("O", LieuCompte::Naissance), 0);
    EXPECT_EQ(r("O", LieuCompte::PremierConnu), brest);  // le mariage avant le décès
    EXPECT_EQ(r("O", LieuCompte::Deces), lyon);
    // Un numéro au-delà du plus grand de la carte ne compte pas.
    EXPECT_EQ(r("R", LieuCompte::Naissance, kFrance, static_cast<std::uint16_t>(lyon - 1)), 0);

    const auto ascendants = ascendantsCarte(base, static_cast<std::uint32_t>(b.personne("R")));
    const ComptageRegions c = compterRegions(base, ascendants, LieuCompte::Naissance, kFrance, regionMax);
    EXPECT_EQ(c.compte[lyon], 1u);
    EXPECT_EQ(c.compte[brest], 2u);
    EXPECT_EQ(c.compte[nantes], 1u);  // X, par ses deux enfants, une fois
    EXPECT_EQ(c.regionsComptees, 3);
    EXPECT_EQ(c.plusGrand, 2u);
}

TEST(TeinteCompte, leCompteLePlusGrandALaCouleurPleineEtChaqueCompteSaTeinte) {
    EXPECT_EQ(teinteCompte(0, 128, 200, 1, 1), couleurRvb(0, 128, 200));
    EXPECT_EQ(teinteCompte(0, 128, 200, 7, 7), couleurRvb(0, 128, 200));
    const std::uint32_t t1 = teinteCompte(0, 128, 200, 1, 3), t2 = teinteCompte(0, 128, 200, 2, 3),
                        t3 = teinteCompte(0, 128, 200, 3, 3);
    EXPECT_EQ(std::set<std::uint32_t>({t1, t2, t3}).size(), 3u);
    // Les teintes vont de la couleur vers sa teinte claire c + (255 − c) × 10 ÷ 11.
    const auto rouge = [](std::uint32_t c) { return c & 0xFF; };
    EXPECT_LT(rouge(teinteCompte(100, 0, 0, 3, 3)), rouge(teinteCompte(100, 0, 0, 2, 3)));
    EXPECT_LT(rouge(teinteCompte(100, 0, 0, 2, 3)), rouge(teinteCompte(100, 0, 0, 1, 3)));
    EXPECT_LE(rouge(teinteCompte(100, 0, 0, 1, 1000000)), 100u + 155u * 10 / 11);
}

// Documents sur une carte d'essai posée dans un dossier d'installation à part, pour l'ascendance
// de R.
class CarteEssai : public essai::EssaiPolices {
protected:
    void SetUp() override {
        EssaiPolices::SetUp();
        if (const char* avant = std::getenv("LIGNARA_DONNEES")) donneesAvant_ = avant;
        setenv("LIGNARA_DONNEES", dossier_.chemin().c_str(), 1);
        fs::create_directories(dossier_ / "Carto");
        b.contexte.polices = polices_;
        b.contexte.preferences = &preferences_;
    }
    void TearDown() override {
        if (donneesAvant_)
            setenv("LIGNARA_DONNEES", donneesAvant_->c_str(), 1);
        else
            unsetenv("LIGNARA_DONNEES");
        EssaiPolices::TearDown();
    }
    // Carte de France d'essai : Lyon, carré qui contient une enclave, Brest dans cette enclave,
    // Nantes à côté ; noms faits pour que l'ordre des noms se distingue de celui des numéros.
    void ecrireCarteEssai(std::uint8_t lyon, std::uint8_t brest, std::uint8_t nantes) {
        Carte c;
        c.largeur = 3000;
        c.hauteur = 1000;
        auto carre = [](std::uint32_t x, std::uint32_t y, std::uint32_t cote, bool enclave = false) {
            return PolygoneCarte{enclave, {{x, y}, {x + cote, y}, {x + cote, y + cote}, {x, y + cote}}};
        };
        c.regions.push_back({brest, "Zeta", "29", {500, 500}, {carre(300, 300, 400)}});
        c.regions.push_back({lyon, "Mu", "69", {100, 900}, {carre(0, 0, 1000), carre(300, 300, 400, true)}});
        c.regions.push_back({nantes, "Alpha", "44", {2500, 500}, {carre(2000, 0, 1000)}});
        ecrireCarte(c, dossier_ / "Carto/FR.dat");
    }
    void ecrireCarteEssai() { ecrireCarteEssai(v.lyon, v.brest, v.nantes); }
    template <class D>
    std::unique_ptr<D> document(std::uint8_t code, const char* racine) {
        auto d = std::make_unique<D>(*afficheurDeCode(code));
        d->initialiserParametres(b.contexte);
        if (racine) d->valeur(kRacine) = b.personne(racine);
        d->valeur(kNomRacine) = std::string(racine ? racine : "");
        return d;
    }
    std::string message(Document& d) {
        return essai::messageDe([&] { d.preparer(b.contexte); });
    }

    Configuration preferences_;
    DossierEssai dossier_;
    std::optional<std::string> donneesAvant_;
    BaseEssai b{kAscendance};
    const Villes v = villes(b);
};

// L'enclave et la région qu'elle contient toutes deux comptées : le conteneur est peint
// d'abord, le blanc de son enclave ensuite, la région de l'enclave par-dessus.
TEST_F(CarteEssai, localisationAscendanteRemplissagesTableauEtEnclave) {
    ecrireCarteEssai();
    auto d = document<CarteLocalisation>(4, "R");
    EXPECT_EQ(d->zone(), 0x4652);
    d->valeur(kRougeCarte) = std::uint8_t{0};
    d->valeur(kVertCarte) = std::uint8_t{0};
    d->valeur(kBleuCarte) = std::uint8_t{200};
    ASSERT_TRUE(d->verifierParametres(b.contexte));
    d->preparer(b.contexte);
    const DessinCarte& dessin = d->dessin();
    ASSERT_EQ(dessin.remplissages.size(), 4u);
    const std::uint32_t plein = couleurRvb(0, 0, 200), moitie = teinteCompte(0, 0, 200, 1, 2);
    EXPECT_EQ(dessin.remplissages[0].couleur, moitie);     // Lyon
    EXPECT_EQ(dessin.remplissages[1].couleur, 0xFFFFFFu);  // son enclave
    // Brest (2 personnes, dans l'enclave) et Nantes ensuite, les plus grandes d'abord.
    EXPECT_EQ(dessin.remplissages[2].couleur, moitie);
    EXPECT_EQ(dessin.remplissages[3].couleur, plein);
    EXPECT_EQ(dessin.contours.size(), 4u);
    // Tableau : par compte décroissant, puis par nom ; Y (Suisse) n'est pas comptée.
    ASSERT_EQ(d->valeurs().size(), 3u);
    EXPECT_EQ(d->valeurs()[0].nom, "Zeta");
    EXPECT_EQ(d->valeurs()[1].nom, "Alpha");
    EXPECT_EQ(d->valeurs()[2].nom, "Mu");
    EXPECT_EQ(d->valeurs()[0].compte, 2u);
    // Largeur non paginée 9072, carte 3 fois plus large que haute.
    EXPECT_EQ(dessin.largeur, 9072 - preferences_.margeGauche - preferences_.margeDroite);
    EXPECT_EQ(d->echelle().hauteur, d->echelle().largeur / 3);
    // Codes des régions sur leurs étiquettes.
    std::set<std::string> textes;
    for (const auto& t : dessin.textes) textes.insert(t.texte);
    for (const char* code : {"29", "69", "44", "Zeta", "Alpha", "Mu", "2", "1"})
        EXPECT_TRUE(textes.count(code)) << code;
    // Hauteur avec le tableau : la carte arrondie à la ligne de 176, le cadre, une ligne par
    // région comptée, et la bande de signature ou la seule marge.
    for (bool signature : {true, false}) {
        preferences_.signature = signature;
        d->preparer(b.contexte);
        const std::int32_t h = d->echelle().hauteur;
        EXPECT_EQ(d->dessin().hauteur, h - h % 176 + 144 + 176 * 3 + (signature ? 1056 : 704)) << signature;
    }
    preferences_.signature = true;

    // Sur A4 portrait, la carte réduite à la page va en haut de sa page, le tableau dessous.
    preferences_.formatPapier = 1707;
    d->preparer(b.contexte);
    const std::int32_t page = formatPapierOuNonPagine(1707).hauteurUtile;
    const std::int32_t total = d->dessin().hauteur + preferences_.margeBas + preferences_.margeHaut;
    EXPECT_EQ(total % page, 0) << total;
    EXPECT_EQ(d->echelle().y0 + d->echelle().hauteur, d->dessin().hauteur);
    EXPECT_LE(d->echelle().hauteur, page);
    EXPECT_GE(d->echelle().y0, d->dessin().cadres.front().y2);
    preferences_.formatPapier = 1702;

    // Sans tableau ni codes, rien d'écrit que la signature.
    d->valeur(kTableauValeurs) = std::uint8_t{0};
    d->valeur(kCodesRegions) = std::uint8_t{0};
    d->preparer(b.contexte);
    EXPECT_TRUE(d->dessin().textes.empty());
    EXPECT_EQ(d->dessin().hauteur, d->echelle().hauteur + (preferences_.signature ? 704 : 0));
}

TEST_F(CarteEssai, uneSeuleRegionCompteeALaCouleurPleineEtLePdfEstValide) {
    ecrireCarteEssai();
    auto d = document<CarteLocalisation>(7, nullptr);
    d->valeur(kNomRacine) = std::string("MARTIN");
    ASSERT_TRUE(d->verifierParametres(b.contexte));
    d->preparer(b.contexte);
    ASSERT_EQ(d->dessin().remplissages.size(), 1u);
    const CouleurRvb c = preferences_.couleurRemplissage;
    EXPECT_EQ(d->dessin().remplissages[0].couleur, couleurRvb(c.rouge, c.vert, c.bleu));
    d->chemin = essai::chemin1252(dossier_ / "c.pdf");
    d->ecrire();
    essai::controlerPdf((dossier_ / "c.pdf").string());
    // Patronyme sans porteur.
    d->valeur(kNomRacine) = std::string("DUPONT");
    EXPECT_FALSE(d->verifierParametres(b.contexte));
    EXPECT_EQ(b.messages.back(), "Aucun individu n'a ce patronyme");
}

TEST_F(CarteEssai, messagesCarteAbsenteOuAbimeePaysSansTableEtPersonnesSansLieu) {
    auto d = document<CarteLocalisation>(5, nullptr);
    EXPECT_EQ(message(*d), "Fichier de cartographie introuvable.\nR\xE9-installez Lignara.");
    dossier_.ecrire("Carto/FR.dat", "abc");
    EXPECT_EQ(message(*d), "Fichier de cartographie FR.dat ab\xEEm\xE9.\nR\xE9-installez Lignara.");
    d->valeur(kZoneCarte) = std::uint16_t{0x445A};  // DZ
    EXPECT_NE(message(*d).find("Alg\xE9rie"), std::string::npos);
    // Personne dans une région de la carte : aucun lieu aux États-Unis.
    ecrireCarteEssai(33, 34, 35);
    fs::rename(dossier_ / "Carto/FR.dat", dossier_ / "Carto/US.dat");
    d->valeur(kZoneCarte) = std::uint16_t{0x5553};
    EXPECT_NE(message(*d).find("Aucune de ces personnes"), std::string::npos);

    // Racines sans parents ni enfants.
    auto asc = document<CarteLocalisation>(4, "O");
    EXPECT_FALSE(asc->verifierParametres(b.contexte));
    EXPECT_EQ(b.messages.back(), "Cette personne n'a aucun parent connu");
    auto desc = document<CarteMigration>(9, "R");  // marié, sans enfant
    EXPECT_FALSE(desc->verifierParametres(b.contexte));
    EXPECT_EQ(b.messages.back(), "Cette personne n'a aucune descendance");
}

// Une région comptée que le fichier de carte n'a pas : rien n'est peint pour elle, mais le
// tableau la nomme d'après nos tables de lieux.
TEST_F(CarteEssai, uneRegionAbsenteDuFichierGardeSonNomDansLeTableau) {
    const auto [lyon, brest, nantes] = v;
    Carte c;
    c.largeur = 2000;
    c.hauteur = 1000;
    auto carre = [](std::uint32_t x) { return PolygoneCarte{false, {{x, 0}, {x + 900, 0}, {x + 900, 900}, {x, 900}}}; };
    c.regions.push_back({lyon, "Mu", "69", {400, 400}, {carre(0)}});
    c.regions.push_back({nantes, "Alpha", "44", {1400, 400}, {carre(1000)}});
    // Le plus grand numéro de la carte couvre celui de Brest, absent du fichier.
    c.regions.push_back(
        {255, "Bout", "B", {1950, 950}, {PolygoneCarte{false, {{1950, 950}, {1990, 950}, {1990, 990}}}}});
    ASSERT_LT(brest, 255);
    ecrireCarte(c, dossier_ / "Carto/FR.dat");
    auto d = document<CarteLocalisation>(4, "R");
    ASSERT_TRUE(d->verifierParametres(b.contexte));
    d->preparer(b.contexte);
    ASSERT_EQ(d->valeurs().size(), 3u);
    EXPECT_EQ(d->valeurs()[0].region, brest);
    EXPECT_EQ(d->valeurs()[0].nom, "Finist\xE8re");
    EXPECT_EQ(d->valeurs()[0].compte, 2u);
    EXPECT_EQ(d->dessin().remplissages.size(), 2u);
}

// La plus grande carte que le format permet (2^24 unités de large) : la mise à l'échelle se
// fait en 64 bits, la carte remplit exactement la largeur du dessin.
TEST_F(CarteEssai, laPlusGrandeCarteDuFormatSeMetAEchelleSansDebordement) {
    const std::uint8_t lyon = v.lyon;
    constexpr std::uint32_t cote = Carte::kCoteMax;
    Carte c;
    c.largeur = cote;
    c.hauteur = cote / 2;
    c.regions.push_back({lyon,
                         "Mu",
                         "69",
                         {cote / 2, cote / 4},
                         {PolygoneCarte{false, {{0, 0}, {cote, 0}, {cote, cote / 2}, {0, cote / 2}}}}});
    ecrireCarte(c, dossier_ / "Carto/FR.dat");
    auto d = document<CarteLocalisation>(5, nullptr);
    d->preparer(b.contexte);
    ASSERT_EQ(d->dessin().remplissages.size(), 1u);
    const std::vector<std::int32_t>& points = d->dessin().remplissages[0].points;
    std::int32_t xMin = INT32_MAX, xMax = INT32_MIN, yMin = INT32_MAX, yMax = INT32_MIN;
    for (std::size_t i = 0; i + 1 < points.size(); i += 2) {
        xMin = std::min(xMin, points[i]);
        xMax = std::max(xMax, points[i]);
        yMin = std::min(yMin, points[i + 1]);
        yMax = std::max(yMax, points[i + 1]);
    }
    EXPECT_EQ(xMax - xMin, d->dessin().largeur);
    EXPECT_EQ(yMax - yMin, d->dessin().largeur / 2);
    EXPECT_GE(xMin, 0);
    EXPECT_LE(yMax, d->dessin().hauteur);
}

// R (Lyon) ← P et M (Brest) ← X (Nantes) : du parent vers l'enfant, une migration par paire et
// par génération.
TEST_F(CarteEssai, migrationsDuParentVersLEnfantParGeneration) {
    const auto [lyon, brest, nantes] = v;
    const auto r = static_cast<std::uint32_t>(b.personne("R"));
    MigrationsCarte m = migrationsAscendantes(b.base(), r, 10, kFrance, 255);
    EXPECT_EQ(m.migrations, (std::vector<Migration>{{brest, lyon, 1}, {nantes, brest, 2}}));
    EXPECT_EQ(m.generationMax, 2);
    EXPECT_TRUE(m.regions[lyon] && m.regions[brest] && m.regions[nantes]);
    m = migrationsAscendantes(b.base(), r, 1, kFrance, 255);
    EXPECT_EQ(m.migrations, (std::vector<Migration>{{brest, lyon, 1}}));
    const MigrationsCarte desc =
        migrationsDescendantes(b.base(), static_cast<std::uint32_t>(b.personne("X")), 5, kFrance, 255);
    EXPECT_EQ(desc.migrations, (std::vector<Migration>{{nantes, brest, 1}, {brest, lyon, 2}}));

    ecrireCarteEssai();
    auto d = document<CarteMigration>(8, "R");
    ASSERT_TRUE(d->verifierParametres(b.contexte));
    d->preparer(b.contexte);
    const DessinCarte& dessin = d->dessin();
    EXPECT_TRUE(dessin.remplissages.empty());
    EXPECT_EQ(dessin.contours.size(), 4u);
    ASSERT_EQ(dessin.fleches.size(), 2u);
    // La pointe est du côté de l'enfant, et les flèches plus anciennes sont plus minces.
    for (const DessinCarte::Fleche& f : dessin.fleches) {
        const RegionCarte* depart = d->carte().region(f.depart);
        const RegionCarte* arrivee = d->carte().region(f.arrivee);
        const auto distance = [&](const RegionCarte* reg) {
            return std::hypot(double(f.pointe[0] - d->echelle().x(reg->etiquette.x)),
                              double(f.pointe[1] - d->echelle().y(reg->etiquette.y)));
        };
        EXPECT_LT(distance(arrivee), distance(depart));
    }
    EXPECT_GT(dessin.fleches[0].epaisseur, dessin.fleches[1].epaisseur);
    EXPECT_NE(dessin.fleches[0].couleur, dessin.fleches[1].couleur);
    EXPECT_EQ(dessin.echantillons.size(), 2u);
}

TEST(ZonesCarte, codeDeSeizeBitsEtPaysParDefaut) {
    EXPECT_EQ(zonesCarte().size(), 34u);
    EXPECT_EQ(codeZone(CodePays("FR")), 0x4652);
    EXPECT_EQ(paysDeZone(0x4652), CodePays("FR"));
    EXPECT_EQ(nomZone(0x5553), "Etats-Unis");
    EXPECT_EQ(nomZone(0x564E), "Vi\xEAt Nam");
    EXPECT_TRUE(nomZone(0x4348 + 1).empty());
    Configuration p;
    p.codePays = 0x4348;  // CH
    EXPECT_EQ(zoneParDefaut(&p), 0x4348);
    p.codePays = 0x4D41;  // MA : pas dans la liste
    EXPECT_EQ(zoneParDefaut(&p), kZoneFrance);
    EXPECT_EQ(zoneParDefaut(nullptr), kZoneFrance);
}

// Ligne de commande : le patronyme remplace la personne, la carte complète n'en demande pas.
TEST(CommandeCarte, cartesProduitesEnLigneDeCommande) {
    DossierEssai d;
    const std::string ged = essai::chemin1252(fs::path(LIGNARA_DOSSIER_SOURCES) / "data/exemples/famille-exemple.ged");
    auto lancer = [&](const std::string& type, const std::string& args, const char* sortie) {
        return essai::lancerProgramme("document " + type + " '" + ged + "' " + args + " --sortie '" +
                                      (d / sortie).string() + "'");
    };
    std::optional<essai::DonneesLivrees> donnees(std::in_place);
    auto s = lancer("carte-patronyme", "--patronyme berthelot --option 'Affichage du tableau de valeurs=oui'", "p.pdf");
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_TRUE(fs::exists(d / "p.pdf")) << s.texte;
    s = lancer("carte-patronyme", "--racine @I1@", "x.pdf");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("--patronyme"), std::string::npos) << s.texte;
    EXPECT_NE(lancer("carte-localisation-complete", "--patronyme DUPONT", "x.pdf").code, 0);
    s = lancer("carte-migration-descendante", "--racine 'Claude /Berthelot/' --option 'Nombre de générations=8'",
               "m.pdf");
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_TRUE(fs::exists(d / "m.pdf")) << s.texte;
    // Sans carte installée : le message, et rien d'écrit.
    donnees.reset();
    s = essai::lancerProgramme(
        "document carte-localisation-complete '" + ged + "' --sortie '" + (d / "a.pdf").string() + "'",
        "LIGNARA_DONNEES='" + d.chemin().string() + "'");
    EXPECT_NE(s.code, 0);
    EXPECT_NE(s.texte.find("Fichier de cartographie introuvable."), std::string::npos) << s.texte;
    EXPECT_FALSE(fs::exists(d / "a.pdf"));
}

class CarteFichiersReels : public essai::EssaiPolices {
protected:
    // Carte complète de la zone : comptes vérifiés à la main sur les lieux de naissance du fichier,
    // tableau par compte décroissant.
    void verifier(const fs::path& gedcom, std::uint16_t zone,
                  std::initializer_list<std::pair<const char*, std::uint32_t>> attendus) {
        BaseEssai b(BaseEssai::DepuisChemin{}, gedcom);
        Configuration preferences;
        b.contexte.preferences = &preferences;
        b.contexte.polices = polices_;
        essai::DonneesLivrees donnees;
        CarteLocalisation d(*afficheurDeCode(5));
        d.initialiserParametres(b.contexte);
        d.valeur(kZoneCarte) = zone;
        d.preparer(b.contexte);
        for (const auto& [region, compte] : attendus) {
            const auto ligne = std::find_if(d.valeurs().begin(), d.valeurs().end(),
                                            [&](const auto& v) { return v.nom == depuisUtf8(region); });
            ASSERT_NE(ligne, d.valeurs().end()) << region;
            EXPECT_EQ(ligne->compte, compte) << region;
        }
        for (std::size_t i = 1; i < d.valeurs().size(); ++i)
            EXPECT_GE(d.valeurs()[i - 1].compte, d.valeurs()[i].compte);
    }
};

TEST_F(CarteFichiersReels, exempleLivreEnFrance) {
    verifier(fs::path(LIGNARA_DOSSIER_SOURCES) / "data/exemples/famille-exemple.ged", kZoneFrance,
             {{"Rhône", 43}, {"Paris", 13}, {"Finistère", 4}, {"Gironde", 3}, {"Isère", 3}});
}

TEST_F(CarteFichiersReels, pres2020AuxEtatsUnis) {
    const fs::path f = fs::path(LIGNARA_DOSSIER_TESTDATA) / "dj-gedcom-samples/pres2020.ged";
    if (!essai::fichierReelPresent(f)) GTEST_SKIP();
    verifier(f, 0x5553, {{"Massachusetts", 93}, {"New York", 83}, {"Virginia", 82}, {"Ohio", 71}, {"Nevada", 1}});
}

}  // namespace
}  // namespace lignara
