#include "reglages/Configuration.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "commun/Texte.h"
#include "render/ReglagesDessin.h"
#include "reglages/DossierEssai.h"
#include "reglages/RaccordDessin.h"
#include "support/AlterationsStockees.h"
#include "support/Message.h"
#include "support/Programme.h"

namespace lignara {
namespace {

using essai::fixture;

// Octets d'un fichier écrit à la main, champ par champ.
struct Octets {
    std::vector<std::uint8_t> v;
    Octets& u8(int x) { return ajouter({static_cast<std::uint8_t>(x)}); }
    Octets& u16(int x) { return u8(x & 0xFF).u8(x >> 8); }
    Octets& texte(const std::string& t) { return u8(static_cast<int>(t.size())).ajouter({t.begin(), t.end()}); }
    Octets& ajouter(const std::vector<std::uint8_t>& o) {
        v.insert(v.end(), o.begin(), o.end());
        return *this;
    }
};

// Champs 8 à 47, communs à toutes les versions ; le 11 n'existe que depuis 501.
Octets champsDuMilieu(bool avecTableaux) {
    Octets o;
    o.u16(1707).u16(60).u16(150);
    if (avecTableaux) o.u16(170);
    o.u8(2).u8(0).texte("Times").u8(1).u16(20);
    o.u16(704).u16(0).u16(905).u16(181).u8(0).u8(1).u16(0x4348);  // « CH »
    for (int masque : {1, 2, 3, 4, 5, 1, 6, 7}) o.u8(masque);
    o.u8(1);
    for (int i = 0; i < 15; ++i) o.u8(100 + i);
    return o;
}

// Un décalage faux dans ces champs déplace tous les suivants : le premier, les textes et le
// dernier suffisent à le voir.
void verifierChampsDuMilieu(const Configuration& c) {
    EXPECT_EQ(c.papierLigneCommande, 1707);
    EXPECT_EQ(c.police, "Times");
    EXPECT_EQ(c.margeGauche, 905);
    EXPECT_EQ(c.pays(), "CH");
    EXPECT_EQ(c.couleurRemplissage, (CouleurRvb{112, 113, 114}));
}

// Le fichier complet, relu puis réécrit, redonne ses octets ; des champs voisins aux défauts
// égaux sont vérifiés à part, pour qu'un échange fait à la lecture et à l'écriture ne passe pas.
TEST(Configuration, ecritLesDefautsRelitEtReecritLeFichierCompletALOctetRefuseSesTroncaturesEtBorneSesAlterations) {
    const auto octets = fixture("config-603-complet.dwa");
    auto lue = lireConfiguration(octets).value();
    EXPECT_EQ(lue.formatPapier, kFormatNonPagine);  // A4 paysage enregistré
    EXPECT_EQ(lue.pays(), "BE");
    EXPECT_EQ(lue.ligneSignature1, "Marie Berthelot — généalogiste"_1252);
    EXPECT_EQ((std::array{lue.margeHaut, lue.margeBas, lue.margeGauche, lue.margeDroite}),
              (std::array<std::uint16_t, 4>{528, 176, 362, 452}));
    EXPECT_EQ((std::array{lue.donneesArbreAscendant, lue.donneesArbreDescendant, lue.donneesProches}),
              (std::array<std::uint8_t, 3>{62, 61, 13}));
    EXPECT_EQ(lue.afficheurs[3], "/usr/bin/firefox");
    lue.formatPapier = 1712;
    EXPECT_EQ(ecrireConfiguration(lue), octets);
    EXPECT_EQ(ecrireConfiguration(Configuration{}), fixture("config-603-defauts.dwa"));
    const auto complet = fixture("config-603-complet.dwa");
    essai::pourChaqueTroncature(complet, [](const auto& o) { EXPECT_FALSE(lireConfiguration(o).has_value()); });
    essai::pourDesOctetsAlteres(complet, 603, 3000, 4, [](const auto& o) {
        const auto c = lireConfiguration(o);
        if (!c) return;
        EXPECT_GE(c->compressionTableaux, 10);
        EXPECT_LE(c->espaceMinimal, 99);
        EXPECT_LE(c->police.size(), kLimitePolice);
        EXPECT_LE(c->afficheurs[kAfficheurWeb].size(), kLimiteChemin);
        EXPECT_EQ(c->formatPapier, kFormatNonPagine);
    });
}

TEST(Configuration, lesVersions500Et503LisentLeursChampsEtLa600SesAfficheurs) {
    Octets o;
    o.u16(500).texte("ancien.serveur").u8(1).u8(0).texte("/vieux.ged").ajouter(champsDuMilieu(false).v);
    auto v500 = lireConfiguration(o.v).value();
    verifierChampsDuMilieu(v500);
    EXPECT_EQ(v500.compressionTableaux, 150);                  // celle des listes, avant 501
    EXPECT_EQ(v500.avisNouvellesVersions, kTexteVersionAvis);  // l'ancienne case était cochée
    EXPECT_EQ(v500.fichierParDefaut, "/vieux.ged");
    EXPECT_EQ(v500.couleurFondSignature, Configuration{}.couleurFondSignature);
    Octets signature;
    signature.u8(0).texte("Ligne un").texte("Ligne deux").u8(1).u8(2).u8(3);
    Octets v503;
    v503.u16(503).u8(7).texte("s").u8(0).u8(1).texte("/a.ged").ajouter(champsDuMilieu(true).v).ajouter(signature.v);
    auto c = lireConfiguration(v503.v).value();
    verifierChampsDuMilieu(c);
    EXPECT_EQ(c.compressionTableaux, 170);
    EXPECT_EQ(c.couleurFondSignature, (CouleurRvb{1, 2, 3}));
    Octets v600;
    v600.u16(600).u8(1).texte("s").u8(0).u8(1).texte("/a.ged").texte("/photos");
    v600.ajouter(champsDuMilieu(true).v).ajouter(signature.v).texte("pdf").texte("txt").texte("rtf").texte("web");
    c = lireConfiguration(v600.v).value();
    EXPECT_EQ(c.dossierPhotos, "/photos");
    EXPECT_EQ(c.afficheurs[kAfficheurWeb], "web");
}

TEST(Configuration, refuseLesVersionsInconnuesEtUnTexteTropLongChargeEnregistreEtSignaleUnDossierAbsent) {
    for (int version : {400, 604}) {
        auto octets = fixture("config-603-complet.dwa");
        octets[0] = static_cast<std::uint8_t>(version & 0xFF);
        octets[1] = static_cast<std::uint8_t>(version >> 8);
        EXPECT_FALSE(lireConfiguration(octets).has_value()) << version;
    }
    auto octets = fixture("config-603-defauts.dwa");
    ASSERT_EQ(octets[3], 11);  // longueur du nom du serveur
    std::string soixante(60, 's');
    octets.erase(octets.begin() + 4, octets.begin() + 15);
    octets[3] = 60;
    octets.insert(octets.begin() + 4, soixante.begin(), soixante.end());
    EXPECT_EQ(lireConfiguration(octets).value().serveurMiseAJour, soixante);
    octets[3] = 61;
    octets.insert(octets.begin() + 4, 's');
    EXPECT_FALSE(lireConfiguration(octets).has_value());
    // Fichier étranger : les défauts, et il est mis de côté ; dossier absent : le message qui nomme le fichier.
    essai::DossierEssai dossier;
    essai::ecrireOctets(dossier / "Config.dwa", {'%', 'P', 'D', 'F', '-', '1', '.', '7'});
    EXPECT_EQ(chargerConfiguration(dossier.chemin()), Configuration{});
    Configuration c;
    c.police = "Liberation Serif";
    enregistrerConfiguration(c, dossier.chemin());
    EXPECT_EQ(chargerConfiguration(dossier.chemin()), c);
    auto noms = dossier.noms();  // aucun temporaire ne reste
    std::sort(noms.begin(), noms.end());
    EXPECT_EQ(noms, (std::vector<std::string>{"Config.dwa", "Config.dwa.abime"}));
    const std::filesystem::path absent = dossier / "absent";
    EXPECT_EQ(essai::messageDe([&] { enregistrerConfiguration(Configuration{}, absent); }),
              "Accès impossible au fichier de configuration\n"_1252 + (absent / "Config.dwa").string() +
                  "\nDossier inexistant");
}

// Le format rangé est celui de la ligne de commande, que la fenêtre ne change pas ; les textes trop
// longs sont coupés à l'écriture.
TEST(Configuration, rangeLeFormatDeLaLigneDeCommandeEtCoupeALEcritureLesTextesTropLongs) {
    Configuration c;
    c.papierLigneCommande = 1707;
    c.formatPapier = 1712;  // choisi au menu de la fenêtre
    c.police = std::string(40, 'p');
    c.afficheurs[kAfficheurPdf] = std::string(256, 'a');
    c.afficheurs[kAfficheurRtf] = std::string(255, 'r');
    auto lue = lireConfiguration(ecrireConfiguration(c)).value();
    EXPECT_EQ(lue.papierLigneCommande, 1707);
    EXPECT_EQ(lue.formatPapier, kFormatNonPagine);
    EXPECT_EQ(lue.police, std::string(31, 'p'));
    // Un chemin que l'octet de longueur ne peut tenir n'est pas coupé en un autre chemin.
    EXPECT_EQ(lue.afficheurs[kAfficheurPdf], "");
    EXPECT_EQ(lue.afficheurs[kAfficheurRtf], std::string(255, 'r'));
}

// Les bornes basses de la compression et hautes de l'espace sont vues dans le fichier abîmé ci-dessous ; la
// marge par défaut (7 mm) est montrée par « lignara preferences ».
TEST(Configuration, borneLesChampsSaisisEtLusDansUnFichierAbimeEtNAcceptePourPaysQueDeuxMajuscules) {
    EXPECT_EQ(bornerCompression(500), 200);
    EXPECT_EQ(margeDeLignes(150), 99 * 176);
    for (int mm = 0; mm <= 99; ++mm) EXPECT_EQ(millimetresDeMarge(margeDeMillimetres(mm)), mm) << mm;
    Configuration c;
    for (const char* mauvais : {"be", "B", "BEL", "B1", ""}) c.fixerPays(mauvais);
    EXPECT_EQ(c.pays(), "FR");
    c.fixerPays("DE");
    EXPECT_EQ(c.codePays, ('D' << 8) | 'E');
    // Les valeurs lues dans un fichier abîmé sont bornées de même.
    Octets o;
    o.u16(603).u8(1).texte("").texte("").u8(1).texte("").texte("");
    o.u16(9999).u16(5).u16(60000).u16(0).u8(0).u8(0).texte("Arial").u8(0).u16(1000);
    o.u16(60000).u16(0).u16(60000).u16(0).u8(0).u8(0).u16(0x0031);
    for (int i = 0; i < 8; ++i) o.u8(0xFF);
    o.u8(1);
    for (int i = 0; i < 15; ++i) o.u8(0);
    o.u8(1).texte("").texte("").u8(0).u8(0).u8(0).texte("").texte("").texte("").texte("");
    auto abimee = lireConfiguration(o.v).value();
    EXPECT_EQ(abimee.papierLigneCommande, kFormatNonPagine);  // 9999 n'est pas un format
    EXPECT_EQ(abimee.compressionArbres, 10);
    EXPECT_EQ(abimee.espaceMinimal, 99);
    EXPECT_EQ(millimetresDeMarge(abimee.margeGauche), 99);
    EXPECT_EQ(abimee.pays(), "FR");
    EXPECT_EQ(abimee.donneesTableauAscendant, 3);
}

// Le dessin reçoit les couleurs en BGR, les marges en unités de dessin, le papier, la signature et ses lignes
// (des valeurs autres que les défauts du dessin, pour que chaque champ soit vu recopié).
TEST(RaccordDessin, donneAuDessinLesCouleursEnBgrEtLesMarges) {
    Configuration c;
    c.couleurFemmes = {0xAB, 0xCD, 0xEF};
    c.couleurRemplissage = {0x12, 0x34, 0x56};
    c.margeGauche = margeDeMillimetres(8);
    c.margeDroite = margeDeMillimetres(20);
    c.margeBas = margeDeLignes(3);
    c.formatPapier = 1707;
    c.signature = false;
    c.ligneSignature2 = "Nantes";
    ReglagesDessin d;
    remplirReglagesDessin(c, d);
    EXPECT_EQ(d.couleurFemmes, 0xEFCDABu);
    EXPECT_EQ(d.couleurRemplissage, 0x563412u);
    EXPECT_EQ((std::array{d.margeGauche, d.margeDroite, d.margeBas}), (std::array{362, 905, 528}));
    EXPECT_EQ(d.formatPapier, 1707);
    EXPECT_FALSE(d.signature);
    EXPECT_EQ(d.polices.ligneSignature2, "Nantes");
}

// « lignara preferences » : le câblage ; les défauts et fichiers abîmés sont dans tests/cli/preferences.
TEST(CommandePreferences, montreLesValeursLuesEtPapierNeToucheQueSonFormat) {
    essai::DossierEssai dossier;
    Configuration c;
    c.margeGauche = margeDeMillimetres(12);
    std::filesystem::create_directories(dossier / "lignara");
    enregistrerConfiguration(c, dossier / "lignara");
    const std::string sortie = essai::lancerProgramme("preferences --papier 'a4 Portrait' 2>/dev/null",
                                                      "XDG_CONFIG_HOME=" + essai::cite(dossier.chemin().string()))
                                   .texte;
    for (const char* attendu : {"Marge gauche : 12 mm", "Format de papier de la ligne de commande : A4 portrait"})
        EXPECT_NE(sortie.find(attendu), std::string::npos) << attendu << "\n" << sortie;
    Configuration relue = chargerConfiguration(dossier / "lignara");
    EXPECT_EQ(relue.papierLigneCommande, 1707);
    relue.papierLigneCommande = c.papierLigneCommande;
    EXPECT_EQ(relue, c);
}

}  // namespace
}  // namespace lignara
