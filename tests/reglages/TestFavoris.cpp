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

std::vector<Favori> lire(const Octets& octets, std::uint16_t version, bool* reussi = nullptr) {
    LectureReglages l(octets);
    std::vector<Favori> favoris;
    bool ok = lireFavoris(l, version, favoris);
    if (reussi) *reussi = ok;
    return favoris;
}

TEST(Favoris, rangementListeAbimeeFicheDAvant600FusionEtBlocAbimeMisDeCote) {
    EcritureReglages e;
    const std::vector<Favori> liste = {
        {"Arbre", 1, {0x07, 0xFF}}, {"", Favori::kSeparateur, {}}, {"\xC9t\xE9", 16, {}}};
    ecrireFavoris(e, liste);
    const Octets attendu = {3,    'A', 'r', 'b', 'r',  'e', '\n', 1,    2,  0, 0x07, 0xFF,
                            '\n', 255, 0,   0,   0xC9, 't', 0xE9, '\n', 16, 0, 0};
    EXPECT_EQ(e.prendre(), attendu);
    EXPECT_EQ(lire(attendu, 600), liste);  // noms en Windows-1252 tels quels
    // Une liste abîmée ne lit rien hors du bloc et se vide.
    const Octets sain = {2, 'A', '\n', 1, 1, 0, 9, 'B', '\n', 2, 0, 0};
    ASSERT_EQ(lire(sain, 600).size(), 2u);
    Octets nomSansFin = {1};
    nomSansFin.insert(nomSansFin.end(), 81, 'N');
    nomSansFin.insert(nomSansFin.end(), {'\n', 1, 0, 0});
    Octets longueurTropGrande = {1, 'A', '\n', 1, 0xD1, 0x07};     // 2001 octets annoncés…
    longueurTropGrande.insert(longueurTropGrande.end(), 2001, 0);  // … et présents
    Octets longueurSigneeNegative = {1, 'A', '\n', 1, 0xFF, 0xFF, 1, 2, 3};
    Octets auDelaDuBloc = {1, 'A', '\n', 1, 5, 0, 1, 2};
    for (const Octets& abime : {nomSansFin, longueurTropGrande, longueurSigneeNegative, auDelaDuBloc, Octets{}}) {
        bool reussi = true;
        EXPECT_TRUE(lire(abime, 600, &reussi).empty());
        EXPECT_FALSE(reussi);
    }
    // 2000 octets exactement : la plus grande longueur permise.
    Octets limite = {1, 'A', '\n', 1, 0xD0, 0x07};
    limite.insert(limite.end(), 2000, 0);
    EXPECT_EQ(lire(limite, 600).at(0).parametres.size(), 2000u);
    // La fiche individuelle d'avant 600 gagne ses quatre cases cochées (essayé par le fichier plus bas) ; de
    // longueur 0, rien à convertir (la soustraction ne passe pas sous zéro).
    EXPECT_TRUE(lire({1, 'F', '\n', 10, 0, 0}, 450).at(0).parametres.empty());
    // Fusion des trois listes.
    const std::vector<Favori> avant = {{"A", 1, {1}}, {"", 255, {}}, {"B", 2, {2}}};
    std::vector<Favori> apres = avant;
    std::vector<Favori> disque = avant;
    disque.push_back({"Ligne", 12, {9}});  // ajouté par la ligne de commande
    // Rien changé ici : le fichier gagne, même ce qu'il a retiré ou modifié.
    EXPECT_EQ(fusionnerFavoris(avant, apres, disque), disque);
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
    EXPECT_EQ(favoriNomme(avant, "b"), nullptr);  // casse comprise
    EXPECT_EQ(favoriNomme(avant, ""), nullptr);   // un séparateur n'a pas de nom
    // Un bloc abîmé ne perd que ses favoris et est mis de côté.
    DossierEssai dossier;
    ReglagesFichier famille;
    famille.moi = {"DURAND\x1fPAUL", 3, 4, 1950};
    famille.favoris = {{"Un", 1, {1}}, {"Deux", 2, {2}}};
    ReglagesFichier voisin;
    voisin.favoris = {{"Voisin", 3, {3}}};
    enregistrerReglagesFichier(dossier.chemin(), kFamille, famille);
    enregistrerReglagesFichier(dossier.chemin(), kVoisin, voisin);
    // Le dernier octet des paramètres de « Deux » manque dans l'index et dans le bloc.
    auto fichier = FichierPerso::lire(essai::lireOctets(dossier / "Perso.dwa"));
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
}

TEST(Favoris, unPersoDAvant600EstConvertiUneSeuleFoisEtAuPlusTrenteFavorisPleinsSontEcrits) {
    DossierEssai dossier;
    // Bloc sans tag ni « Moi » (mode 0, ligne vide, date nulle), puis deux favoris ; version 599.
    FichierPerso ancien;
    ancien.remplacer(kFamille, {0, '\n', 0, 0, 0, 0, 2, 'F', '\n', 10, 3, 0, 0xFF, 0, 2, 'A', '\n', 1, 1, 0, 0xFF});
    auto octets = ancien.ecrire();
    octets[0] = 599 & 0xFF;
    octets[1] = 599 >> 8;
    essai::ecrireOctets(dossier / "Perso.dwa", octets);
    const Octets converti = {0xFF, 0, 1, 1, 1, 1, 2};
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kFamille).favoris.at(0).parametres, converti);
    // Écrire un autre fichier réécrit tout en 600 : la fiche convertie ne l'est pas deux fois.
    ReglagesFichier voisin;
    voisin.modeCommentaire = ReglagesFichier::kPremiereLigneDiese;
    enregistrerReglagesFichier(dossier.chemin(), kVoisin, voisin);
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kFamille).favoris.at(0).parametres, converti);
    // Au plus trente favoris pleins sont écrits ; les autres blocs ne bougent pas.
    ReglagesFichier voisinMoi;
    voisinMoi.moi = {"VOISIN\x1fJEAN", 1, 2, 1900};
    enregistrerReglagesFichier(dossier.chemin(), kVoisin, voisinMoi);
    ReglagesFichier gros;
    gros.moi.cle = std::string(142, 'M');
    for (int i = 0; i < 40; ++i)
        gros.favoris.push_back({std::string(80, static_cast<char>('a' + i % 26)) + std::to_string(i), 1,
                                Octets(Favori::kLimiteParametres, 0x41)});
    enregistrerReglagesFichier(dossier.chemin(), kFamille, gros);
    auto relu = chargerReglagesFichier(dossier.chemin(), kFamille);
    ASSERT_EQ(relu.favoris.size(), Favori::kMaximum);
    for (std::size_t i = 0; i < Favori::kMaximum; ++i)
        EXPECT_EQ(relu.favoris[i].parametres, gros.favoris[i].parametres);
    EXPECT_EQ(chargerReglagesFichier(dossier.chemin(), kVoisin), voisinMoi);
}

TEST(Favoris, deuxProgrammesQuiModifientEnMemeTempsNePerdentRienEtUnEchecNEcritRien) {
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
    // Une modification qui échoue (des paramètres trop longs) n'écrit rien.
    auto avant = essai::lireOctets(dossier / "Perso.dwa");
    EXPECT_THROW(modifierReglagesFichier(dossier.chemin(), kFamille,
                                         [](ReglagesFichier& r) {
                                             r.favoris.push_back({"Trop", 1, Octets(Favori::kLimiteParametres + 1, 0)});
                                         }),
                 OperationImpossible);
    EXPECT_EQ(essai::lireOctets(dossier / "Perso.dwa"), avant);
}

}  // namespace
}  // namespace lignara
