#include "reglages/Favori.h"

#include <gtest/gtest.h>

#include <thread>

#include "commun/OperationImpossible.h"
#include "reglages/DossierEssai.h"
#include "reglages/EcritureReglages.h"
#include "reglages/FichierPerso.h"
#include "reglages/LectureReglages.h"
#include "reglages/ReglagesFichier.h"

namespace lignara {
namespace {

using essai::DossierEssai;
using Octets = std::vector<std::uint8_t>;

const std::string kFamille = "/home/marie/genealogie/famille.ged";
const std::string kVoisin = "/home/marie/genealogie/voisin.ged";

// Bloc d'un fichier sans tag ni « Moi » : mode 0, ligne vide, date nulle, puis favoris.
Octets blocAvecFavoris(const Octets& favoris) {
    Octets bloc = {0, '\n', 0, 0, 0, 0};
    bloc.insert(bloc.end(), favoris.begin(), favoris.end());
    return bloc;
}

// « Perso.dwa » d'une seule entrée, écrit à la main pour une version donnée.
Octets persoUnBloc(std::uint16_t version, const std::string& chemin, const Octets& bloc) {
    Octets o = {static_cast<std::uint8_t>(version), static_cast<std::uint8_t>(version >> 8), 1, 0};
    const std::size_t debut = 8 + chemin.size() + 1 + 2;
    for (int i = 0; i < 4; ++i) o.push_back(static_cast<std::uint8_t>(debut >> (8 * i)));
    o.insert(o.end(), chemin.begin(), chemin.end());
    o.push_back('\n');
    o.push_back(static_cast<std::uint8_t>(bloc.size()));
    o.push_back(static_cast<std::uint8_t>(bloc.size() >> 8));
    o.insert(o.end(), bloc.begin(), bloc.end());
    return o;
}

std::vector<Favori> lire(const Octets& octets, std::uint16_t version, bool* reussi = nullptr) {
    LectureReglages l(octets);
    std::vector<Favori> favoris;
    bool ok = lireFavoris(l, version, favoris);
    if (reussi) *reussi = ok;
    return favoris;
}

Favori complet(const std::string& nom) { return {nom, 1, Octets(Favori::kLimiteParametres, 0x41)}; }

TEST(Favoris, rangementOctetPourOctet) {
    EcritureReglages e;
    ecrireFavoris(e, {{"Arbre", 1, {0x07, 0xFF}}, {"", Favori::kSeparateur, {}}, {"\xC9t\xE9", 16, {}}});
    const Octets attendu = {3,    'A', 'r', 'b', 'r',  'e', '\n', 1,    2,  0, 0x07, 0xFF,
                            '\n', 255, 0,   0,   0xC9, 't', 0xE9, '\n', 16, 0, 0};
    EXPECT_EQ(e.prendre(), attendu);
    bool reussi = false;
    auto relus = lire(attendu, 600, &reussi);
    EXPECT_TRUE(reussi);
    ASSERT_EQ(relus.size(), 3u);
    EXPECT_EQ(relus[0].parametres, (Octets{0x07, 0xFF}));
    EXPECT_TRUE(relus[1].separateur());
    EXPECT_EQ(relus[2].nom, "\xC9t\xE9");  // Windows-1252 tel quel
}

TEST(Favoris, uneListeAbimeeNeLitRienHorsDuBlocEtSeVide) {
    const Octets sain = {2, 'A', '\n', 1, 1, 0, 9, 'B', '\n', 2, 0, 0};
    ASSERT_EQ(lire(sain, 600).size(), 2u);
    Octets nomSansFin = {1};
    nomSansFin.insert(nomSansFin.end(), 81, 'N');
    nomSansFin.insert(nomSansFin.end(), {'\n', 1, 0, 0});
    Octets longueurTropGrande = {1, 'A', '\n', 1, 0xD1, 0x07};     // 2001 octets annoncés…
    longueurTropGrande.insert(longueurTropGrande.end(), 2001, 0);  // … et présents
    Octets longueurSigneeNegative = {1, 'A', '\n', 1, 0xFF, 0xFF, 1, 2, 3};
    Octets auDelaDuBloc = {1, 'A', '\n', 1, 5, 0, 1, 2};
    Octets nombreTropGrand = sain;
    nombreTropGrand[0] = 3;
    Octets sansType = {1, 'A', '\n'};
    for (const Octets& abime :
         {nomSansFin, longueurTropGrande, longueurSigneeNegative, auDelaDuBloc, nombreTropGrand, sansType, Octets{}}) {
        bool reussi = true;
        EXPECT_TRUE(lire(abime, 600, &reussi).empty());
        EXPECT_FALSE(reussi);
    }
    // 2000 octets exactement : la plus grande longueur permise.
    Octets limite = {1, 'A', '\n', 1, 0xD0, 0x07};
    limite.insert(limite.end(), 2000, 0);
    EXPECT_EQ(lire(limite, 600).at(0).parametres.size(), 2000u);
}

TEST(Favoris, laFicheIndividuelleDAvant600GagneSesQuatreCasesCochees) {
    const Octets fiche = {1, 'F', '\n', 10, 4, 0, 0xFF, 'x', 0, 3};
    EXPECT_EQ(lire(fiche, 599).at(0).parametres, (Octets{0xFF, 'x', 0, 1, 1, 1, 1, 3}));
    EXPECT_EQ(lire(fiche, 600).at(0).parametres, (Octets{0xFF, 'x', 0, 3}));
    // Longueur 0 : rien à convertir (la soustraction ne passe pas sous zéro).
    const Octets vide = {1, 'F', '\n', 10, 0, 0};
    bool reussi = false;
    auto lus = lire(vide, 450, &reussi);
    EXPECT_TRUE(reussi);
    EXPECT_TRUE(lus.at(0).parametres.empty());
    // Un autre type n'est pas touché.
    const Octets arbre = {1, 'A', '\n', 1, 2, 0, 0xFF, 3};
    EXPECT_EQ(lire(arbre, 599).at(0).parametres, (Octets{0xFF, 3}));
    EXPECT_EQ(convertirFicheAvant600(Octets{7}), (Octets{1, 1, 1, 1, 7}));
}

TEST(Favoris, unPersoDAvant600EstLuConvertiEtReecritUneSeuleFois) {
    DossierEssai dossier;
    const Octets favoris = {2, 'F', '\n', 10, 3, 0, 0xFF, 0, 2, 'A', '\n', 1, 1, 0, 0xFF};
    essai::ecrireOctets(dossier / "Perso.dwa", persoUnBloc(599, kFamille, blocAvecFavoris(favoris)));
    const Octets converti = {0xFF, 0, 1, 1, 1, 1, 2};
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kFamille).favoris.at(0).parametres, converti);
    // Écrire un autre fichier réécrit tout en 600 : la fiche convertie ne l'est pas deux fois.
    ReglagesFichier voisin;
    voisin.modeCommentaire = ReglagesFichier::kPremiereLigneDiese;
    enregistrerReglagesFichier(dossier.chemin(), kVoisin, voisin);
    auto octets = essai::lireOctets(dossier / "Perso.dwa");
    ASSERT_GE(octets.size(), 2u);
    EXPECT_EQ(octets[0] | (octets[1] << 8), 600);
    auto relu = chargerReglagesFichier(dossier.chemin(), kFamille);
    ASSERT_EQ(relu.favoris.size(), 2u);
    EXPECT_EQ(relu.favoris[0].parametres, converti);
    EXPECT_EQ(relu.favoris[1].parametres, Octets{0xFF});
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kVoisin), voisin);
}

TEST(Favoris, auPlusTrenteFavorisPleinsSontEcritsEtLesAutresBlocsNeBougentPas) {
    DossierEssai dossier;
    ReglagesFichier voisin;
    voisin.moi = {
        "VOISIN\x1f"
        "JEAN",
        1, 2, 1900};
    enregistrerReglagesFichier(dossier.chemin(), kVoisin, voisin);
    ReglagesFichier gros;
    gros.moi.cle = std::string(142, 'M');
    for (int i = 0; i < 40; ++i)
        gros.favoris.push_back(complet(std::string(80, static_cast<char>('a' + i % 26)) + std::to_string(i)));
    enregistrerReglagesFichier(dossier.chemin(), kFamille, gros);
    ReglagesFichier voisinApres = voisin;
    voisinApres.favoris.push_back({"Apr\xE8s", 12, {1, 2, 3}});
    enregistrerReglagesFichier(dossier.chemin(), kVoisin, voisinApres);

    auto fichier = FichierPerso::lire(essai::lireOctets(dossier / "Perso.dwa"));
    EXPECT_TRUE(fichier.intact());
    const BlocPerso* bloc = fichier.trouver(kFamille);
    ASSERT_NE(bloc, nullptr);
    EXPECT_LE(bloc->donnees.size(), 65535u);
    auto relu = chargerReglagesFichier(dossier.chemin(), kFamille);
    ASSERT_EQ(relu.favoris.size(), Favori::kMaximum);
    for (std::size_t i = 0; i < Favori::kMaximum; ++i)
        EXPECT_EQ(relu.favoris[i].parametres, gros.favoris[i].parametres);
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kVoisin), voisinApres);
}

TEST(Favoris, desParametresTropLongsNEcriventRien) {
    DossierEssai dossier;
    ReglagesFichier r;
    r.favoris.push_back({"Sain", 1, {1}});
    enregistrerReglagesFichier(dossier.chemin(), kFamille, r);
    auto avant = essai::lireOctets(dossier / "Perso.dwa");
    ReglagesFichier trop = r;
    trop.favoris.push_back({"Trop", 1, Octets(Favori::kLimiteParametres + 1, 0)});
    EXPECT_THROW(enregistrerReglagesFichier(dossier.chemin(), kFamille, trop), OperationImpossible);
    EXPECT_EQ(essai::lireOctets(dossier / "Perso.dwa"), avant);
}

TEST(Favoris, unBlocAbimeNePerdQueSesFavorisEtEstMisDeCote) {
    DossierEssai dossier;
    ReglagesFichier famille;
    famille.moi = {
        "DURAND\x1f"
        "PAUL",
        3, 4, 1950};
    famille.favoris = {{"Un", 1, {1}}, {"Deux", 2, {2}}};
    ReglagesFichier voisin;
    voisin.favoris = {{"Voisin", 3, {3}}};
    enregistrerReglagesFichier(dossier.chemin(), kFamille, famille);
    enregistrerReglagesFichier(dossier.chemin(), kVoisin, voisin);
    // Le dernier octet des paramètres de « Deux » manque dans l'index et dans le bloc.
    auto octets = essai::lireOctets(dossier / "Perso.dwa");
    auto fichier = FichierPerso::lire(octets);
    auto bloc = fichier.trouver(kFamille)->donnees;
    bloc.pop_back();
    fichier.remplacer(kFamille, bloc);
    auto abime = fichier.ecrire();
    essai::ecrireOctets(dossier / "Perso.dwa", abime);

    auto lu = chargerReglagesFichier(dossier.chemin(), kFamille);
    EXPECT_EQ(lu.moi, famille.moi);
    EXPECT_TRUE(lu.favoris.empty());
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kVoisin), voisin);
    // Réécrire ce fichier garde une copie de l'ancien, où ses favoris restent récupérables.
    modifierReglagesFichier(dossier.chemin(), kFamille, [](ReglagesFichier& r) { r.modeCommentaire = 1; });
    EXPECT_EQ(essai::lireOctets(dossier / "Perso.dwa.abime"), abime);
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kVoisin), voisin);
}

TEST(Favoris, fusionDesTroisListes) {
    const std::vector<Favori> avant = {{"A", 1, {1}}, {"", 255, {}}, {"B", 2, {2}}};
    std::vector<Favori> apres = avant;
    std::vector<Favori> disque = avant;
    disque.push_back({"Ligne", 12, {9}});  // ajouté par la ligne de commande
    // Rien changé ici : le fichier gagne, même ce qu'il a retiré ou modifié.
    EXPECT_EQ(fusionnerFavoris(avant, apres, disque), disque);
    EXPECT_EQ(fusionnerFavoris(avant, apres, {}), std::vector<Favori>{});
    // Rien changé là-bas : nos suppressions et déplacements restent.
    apres.erase(apres.begin());
    std::swap(apres[0], apres[1]);
    EXPECT_EQ(fusionnerFavoris(avant, apres, avant), apres);
    // Les deux : nos changements, puis l'ajout de là-bas ; un favori que nous avons supprimé
    // ne revient pas, un nom pris des deux côtés n'est pas doublé.
    auto fusion = fusionnerFavoris(avant, apres, disque);
    ASSERT_EQ(fusion.size(), apres.size() + 1);
    EXPECT_EQ(fusion.back().nom, "Ligne");
    EXPECT_EQ(favoriNomme(fusion, "A"), nullptr);
    apres.push_back({"Ligne", 1, {}});
    fusion = fusionnerFavoris(avant, apres, disque);
    EXPECT_EQ(fusion, apres);
    // Jamais plus de trente.
    std::vector<Favori> plein;
    for (int i = 0; i < 30; ++i) plein.push_back({"F" + std::to_string(i), 1, {}});
    EXPECT_EQ(fusionnerFavoris(avant, plein, disque).size(), 30u);
}

TEST(Favoris, lesNomsSeComparentCasseComprise) {
    const std::vector<Favori> liste = {{"Arbre", 1, {}}, {"", 255, {}}};
    EXPECT_NE(favoriNomme(liste, "Arbre"), nullptr);
    EXPECT_EQ(favoriNomme(liste, "arbre"), nullptr);
    EXPECT_EQ(favoriNomme(liste, ""), nullptr);  // un séparateur n'a pas de nom
}

TEST(Favoris, modifierRelitLeFichierEtLaisseLesAutresBlocs) {
    DossierEssai dossier;
    ReglagesFichier depart;
    depart.favoris = {{"Fen\xEAtre", 1, {1}}};
    enregistrerReglagesFichier(dossier.chemin(), kFamille, depart);
    ReglagesFichier voisin;
    voisin.modeCommentaire = 1;
    enregistrerReglagesFichier(dossier.chemin(), kVoisin, voisin);
    // Un autre programme ajoute un favori ; la modification suivante le voit.
    modifierReglagesFichier(dossier.chemin(), kFamille, [](ReglagesFichier& r) {
        r.favoris.push_back({"Ligne", 2, {2}});
    });
    auto ecrit = modifierReglagesFichier(dossier.chemin(), kFamille, [](ReglagesFichier& r) {
        ASSERT_EQ(r.favoris.size(), 2u);
        r.moi.cle =
            "MOI\x1f"
            "MOI";
    });
    EXPECT_EQ(ecrit, chargerReglagesFichier(dossier.chemin(), kFamille));
    EXPECT_EQ(ecrit.favoris.size(), 2u);
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kVoisin), voisin);
    // Une modification qui échoue n'écrit rien.
    auto avant = essai::lireOctets(dossier / "Perso.dwa");
    EXPECT_THROW(
        modifierReglagesFichier(dossier.chemin(), kFamille, [](ReglagesFichier&) { throw OperationImpossible("non"); }),
        OperationImpossible);
    EXPECT_EQ(essai::lireOctets(dossier / "Perso.dwa"), avant);
}

TEST(Favoris, deuxProgrammesQuiAjoutentEnMemeTempsNePerdentRien) {
    DossierEssai dossier;
    auto ajouter = [&](char lettre) {
        for (int i = 0; i < 10; ++i)
            modifierReglagesFichier(dossier.chemin(), kFamille, [&](ReglagesFichier& r) {
                r.favoris.push_back({std::string(1, lettre) + std::to_string(i), 1, {}});
            });
    };
    std::thread fenetre(ajouter, 'F');
    std::thread ligne(ajouter, 'L');
    fenetre.join();
    ligne.join();
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kFamille).favoris.size(), 20u);
    EXPECT_EQ(dossier.noms(), std::vector<std::string>{"Perso.dwa"});
}

}  // namespace
}  // namespace lignara
