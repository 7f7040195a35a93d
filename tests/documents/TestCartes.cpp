// Cartes : leur fichier, les personnes et régions comptées, les documents de localisation et de migration.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <stdexcept>

#include "support/Message.h"
#include "ArbreEssai.h"
#include "support/Programme.h"
#include "commun/OperationImpossible.h"
#include "database/IndexDesNoms.h"
#include "documents/cartes/CarteLocalisation.h"
#include "documents/cartes/CarteMigration.h"
#include "documents/cartes/FichierCarte.h"
#include "documents/cartes/PersonnesCarte.h"
#include "documents/cartes/ZonesCarte.h"
#include "gedcom/LieuTables.h"
#include "render/FormatPapier.h"
#include "render/LecturePdf.h"
#include "support/Controles.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::BaseEssai;
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

constexpr CodePays kFrance("FR");

// Ascendance de R : P et M (nés à Brest), demi-frère et demi-sœur par leur père X (implexe, né à Nantes),
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

// 1 : 2 et 3 ; 4 (fils de 2) épouse sa cousine 5 (fille de 3), qui a aussi 8 avec 7 : 8 n'est pas perdu.
TEST(PersonnesCarte, unDescendantMarieASonCousinEstSuiviDansSesAutresUnions) {
    BaseEssai b(essai::gedcomDeFamilles(
        8, {{1, 0, {2, 3}, ""}, {2, 0, {4}, ""}, {3, 0, {5}, ""}, {4, 5, {6}, ""}, {7, 5, {8}, ""}}));
    const auto descendants = descendantsCarte(b.base(), static_cast<std::uint32_t>(b.personne("P1")));
    EXPECT_EQ(descendants.size(), 8u);  // chacun une fois
    EXPECT_EQ(prenomsDe(b.base(), descendants),
              (std::set<std::string>{"P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8"}));
}

TEST(PersonnesCarte, patronymeSansEgardALaCasseNiAuxAccentsEtAvecOuSansIndex) {
    BaseEssai b(kAscendance);
    EXPECT_EQ(prenomsDe(b.base(), porteursDuNom(b.base(), b.contexte.noms, "durand")),
              (std::set<std::string>{"R", "P", "X", "O"}));
    EXPECT_EQ(porteursDuNom(b.base(), nullptr, "DURAND").size(), 4u);
    EXPECT_TRUE(porteursDuNom(b.base(), b.contexte.noms, "DUPONT").empty());
}

TEST(ComptageRegions, lieuChoisiPaysDeLaZoneEtPremierLieuConnu) {
    BaseEssai b(kAscendance);
    const BaseGenealogique& base = b.base();
    const auto [lyon, brest, nantes] = villes(b);
    ASSERT_EQ(std::set<std::uint8_t>({lyon, brest, nantes}).size(), 3u);
    const auto r = [&](const char* p, LieuCompte lieu, CodePays pays = kFrance, std::uint16_t max = 255) {
        return regionPersonne(base, static_cast<std::uint32_t>(b.personne(p)), lieu, pays, max);
    };
    // Le lieu de Suisse porte un octet de région que la carte de France connaîtrait.
    EXPECT_EQ(r("Y", LieuCompte::Naissance), 0);
    EXPECT_NE(r("Y", LieuCompte::Naissance, CodePays("CH")), 0);
    EXPECT_EQ(r("R", LieuCompte::Deces), nantes);
    EXPECT_EQ(r("R", LieuCompte::PremierConnu), lyon);   // né à Lyon, marié à Brest
    EXPECT_EQ(r("O", LieuCompte::PremierConnu), brest);  // sans naissance : le mariage avant le décès
    // Un numéro au-delà du plus grand de la carte ne compte pas.
    EXPECT_EQ(r("R", LieuCompte::Naissance, kFrance, static_cast<std::uint16_t>(lyon - 1)), 0);

    // X, atteint par ses deux enfants, n'est retenu et compté qu'une fois.
    const auto ascendants = ascendantsCarte(base, static_cast<std::uint32_t>(b.personne("R")));
    EXPECT_EQ(prenomsDe(base, ascendants), (std::set<std::string>{"R", "P", "M", "X", "Y"}));
    ASSERT_EQ(ascendants.size(), 5u);
    EXPECT_EQ(essai::prenoms(base, ascendants[1]), "P");  // le père d'abord
    const ComptageRegions c = compterRegions(base, ascendants, LieuCompte::Naissance, kFrance, 255);
    EXPECT_EQ((std::vector<std::uint32_t>{c.compte[lyon], c.compte[brest], c.compte[nantes]}),
              (std::vector<std::uint32_t>{1, 2, 1}));
    EXPECT_EQ(c.regionsComptees, 3);
}

// Documents sur une carte d'essai posée dans un dossier d'installation à part.
class CarteEssai : public essai::EssaiPolices {
protected:
    void SetUp() override {
        EssaiPolices::SetUp();
        setenv("LIGNARA_DONNEES", dossier_.chemin().c_str(), 1);
        fs::create_directories(dossier_ / "Carto");
        b.contexte.polices = polices_;
        b.contexte.preferences = &preferences_;
    }
    void TearDown() override {
        unsetenv("LIGNARA_DONNEES");
        EssaiPolices::TearDown();
    }
    // Lyon, carré qui contient l'enclave de Brest, Nantes à côté ; noms dans un autre ordre que les numéros.
    void ecrireCarteEssai(std::uint8_t lyon, std::uint8_t brest, std::uint8_t nantes,
                          PointCarte etiquetteLyon = {100, 900}) {
        Carte c;
        c.largeur = 3000;
        c.hauteur = 1000;
        c.regions.push_back({brest, "Zeta", "29", {500, 500}, {carre(300, 300, 400)}});
        c.regions.push_back({lyon, "Mu", "69", etiquetteLyon, {carre(0, 0, 1000), carre(300, 300, 400, true)}});
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
    BaseEssai b{kAscendance};
    const Villes v = villes(b);
};

// Le conteneur est peint d'abord, le blanc de son enclave ensuite, la région de l'enclave par-dessus.
TEST_F(CarteEssai, localisationAscendanteRemplissagesTableauEtEnclave) {
    ecrireCarteEssai();
    auto d = document<CarteLocalisation>(4, "R");
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
    // Tableau : par compte décroissant, puis par nom ; Y (Suisse) n'est pas comptée.
    ASSERT_EQ(d->valeurs().size(), 3u);
    EXPECT_EQ(d->valeurs()[0].nom + d->valeurs()[1].nom + d->valeurs()[2].nom, "ZetaAlphaMu");
    // Largeur non paginée 9072, carte 3 fois plus large que haute.
    EXPECT_EQ(dessin.largeur, 9072 - preferences_.margeGauche - preferences_.margeDroite);
    EXPECT_EQ(d->echelle().hauteur, d->echelle().largeur / 3);
    // Hauteur : la carte arrondie à la ligne de 176, le cadre, une ligne par région comptée, la signature.
    const std::int32_t h = d->echelle().hauteur;
    EXPECT_EQ(dessin.hauteur, h - h % 176 + 144 + 176 * 3 + 1056);
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

// La plus grande carte du format (2^24 unités de large) remplit exactement le dessin, sans débordement.
TEST_F(CarteEssai, laPlusGrandeCarteDuFormatSeMetAEchelleSansDebordement) {
    constexpr std::uint32_t cote = Carte::kCoteMax;
    Carte c;
    c.largeur = cote;
    c.hauteur = cote / 2;
    const PolygoneCarte tout{false, {{0, 0}, {cote, 0}, {cote, cote / 2}, {0, cote / 2}}};
    c.regions.push_back({v.lyon, "Mu", "69", {cote / 2, cote / 4}, {tout}});
    ecrireCarte(c, dossier_ / "Carto/FR.dat");
    auto d = document<CarteLocalisation>(5, nullptr);
    d->preparer(b.contexte);
    ASSERT_EQ(d->dessin().remplissages.size(), 1u);
    const std::vector<std::int32_t>& points = d->dessin().remplissages[0].points;
    std::vector<std::int32_t> x, y;
    for (std::size_t i = 0; i + 1 < points.size(); i += 2) x.push_back(points[i]), y.push_back(points[i + 1]);
    const auto [xMin, xMax] = std::minmax_element(x.begin(), x.end());
    const auto [yMin, yMax] = std::minmax_element(y.begin(), y.end());
    EXPECT_EQ(*xMax - *xMin, d->dessin().largeur);
    EXPECT_EQ(*yMax - *yMin, d->dessin().largeur / 2);
    EXPECT_TRUE(*xMin >= 0 && *yMax <= d->dessin().hauteur);
}

// R (Lyon) ← P et M (Brest) ← X (Nantes) : du parent vers l'enfant, une migration par paire et génération.
TEST_F(CarteEssai, migrationsDuParentVersLEnfantParGeneration) {
    const auto [lyon, brest, nantes] = v;
    const auto r = static_cast<std::uint32_t>(b.personne("R"));
    EXPECT_EQ(migrationsAscendantes(b.base(), r, 10, kFrance, 255).migrations,
              (std::vector<Migration>{{brest, lyon, 1}, {nantes, brest, 2}}));
    EXPECT_EQ(migrationsAscendantes(b.base(), r, 1, kFrance, 255).migrations,
              (std::vector<Migration>{{brest, lyon, 1}}));
    EXPECT_EQ(migrationsDescendantes(b.base(), static_cast<std::uint32_t>(b.personne("X")), 5, kFrance, 255).migrations,
              (std::vector<Migration>{{nantes, brest, 1}, {brest, lyon, 2}}));

    ecrireCarteEssai();
    auto d = document<CarteMigration>(8, "R");
    ASSERT_TRUE(d->verifierParametres(b.contexte));
    d->preparer(b.contexte);
    const DessinCarte& dessin = d->dessin();
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

    // Étiquettes de Brest et de Lyon voisines (une centaine d'unités) : la flèche est plus
    // courte, mais dessinée, de Brest vers Lyon.
    ecrireCarteEssai(v.lyon, v.brest, v.nantes, {530, 520});
    auto proches = document<CarteMigration>(8, "R");
    ASSERT_TRUE(proches->verifierParametres(b.contexte));
    proches->preparer(b.contexte);
    ASSERT_EQ(proches->dessin().fleches.size(), 2u);
    const DessinCarte::Fleche& courte = proches->dessin().fleches[0];
    EXPECT_EQ(std::pair(courte.depart, courte.arrivee), std::pair(brest, lyon));
    const auto vers = [&](std::int32_t x, std::int32_t y, std::uint8_t region) {
        const RegionCarte* reg = proches->carte().region(region);
        return std::hypot(double(x - proches->echelle().x(reg->etiquette.x)),
                          double(y - proches->echelle().y(reg->etiquette.y)));
    };
    EXPECT_LT(vers(courte.pointe[0], courte.pointe[1], lyon), vers(courte.courbe[0], courte.courbe[1], lyon));
    EXPECT_LT(vers(courte.courbe[0], courte.courbe[1], brest), vers(courte.courbe[0], courte.courbe[1], lyon));
}

class CarteFichiersReels : public essai::EssaiPolices {
protected:
    // Carte complète de la zone : comptes vérifiés à la main sur les lieux de naissance du fichier.
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
            const auto ligne =
                std::find_if(d.valeurs().begin(), d.valeurs().end(),
                             [&, region = region](const auto& v) { return v.nom == depuisUtf8(region); });
            ASSERT_NE(ligne, d.valeurs().end()) << region;
            EXPECT_EQ(ligne->compte, compte) << region;
        }
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
