#include "reglages/Configuration.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "commun/Texte.h"
#include "reglages/DossierEssai.h"
#include "support/AlterationsStockees.h"
#include "support/Message.h"

namespace lignara {
namespace {

using essai::DossierEssai;
using essai::fixture;

// Octets d'un fichier écrit à la main, champ par champ.
struct Octets {
    std::vector<std::uint8_t> v;
    Octets& u8(int x) {
        v.push_back(static_cast<std::uint8_t>(x));
        return *this;
    }
    Octets& u16(int x) { return u8(x & 0xFF).u8(x >> 8); }
    Octets& texte(const std::string& t) {
        u8(static_cast<int>(t.size()));
        v.insert(v.end(), t.begin(), t.end());
        return *this;
    }
    Octets& ajouter(const Octets& o) {
        v.insert(v.end(), o.v.begin(), o.v.end());
        return *this;
    }
};

// La configuration que décrit config-603-complet.dwa.
Configuration configurationComplete() {
    Configuration c;
    c.serveurMiseAJour = "maj.exemple.org";
    c.avisNouvellesVersions = "0.1";
    c.casseAutomatique = false;
    c.fichierParDefaut = "/home/marie/genealogie/Berthelot.ged";
    c.dossierPhotos = "/home/marie/photos";
    c.formatPapier = 1712;
    c.papierLigneCommande = 1712;
    c.compressionArbres = 75;
    c.compressionListes = 120;
    c.compressionTableaux = 90;
    c.theme = 3;
    c.themeAuHasard = true;
    c.police = "DejaVu Serif";
    c.espaceMinimal = 12;
    c.margeHaut = 528;
    c.margeBas = 176;
    c.margeGauche = 362;
    c.margeDroite = 452;
    c.doublesBranchesAscendantes = true;
    c.fixerPays("BE");
    c.donneesArbreAscendant = 62;
    c.donneesArbreDescendant = 61;
    c.donneesListeAscendante = 30;
    c.donneesListeDescendante = 29;
    c.donneesAutresListes = 14;
    c.donneesTableauAscendant = 2;
    c.donneesProches = 13;
    c.donneesGalerie = 7;
    c.couleurParSexe = false;
    c.couleurTexte = {10, 20, 30};
    c.couleurHommes = {0, 0, 200};
    c.couleurFemmes = {200, 0, 0};
    c.couleurTrait = {1, 2, 3};
    c.couleurRemplissage = {250, 240, 230};
    c.ligneSignature1 = "Marie Berthelot — généalogiste"_1252;
    c.ligneSignature2 = "Nantes, 2026";
    c.couleurFondSignature = {200, 220, 240};
    c.afficheurs = {"/usr/bin/evince", "/usr/bin/gedit", "", "/usr/bin/firefox"};
    return c;
}

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

void verifierChampsDuMilieu(const Configuration& c) {
    EXPECT_EQ(c.formatPapier, kFormatNonPagine);
    EXPECT_EQ(c.papierLigneCommande, 1707);
    EXPECT_EQ(c.compressionArbres, 60);
    EXPECT_EQ(c.compressionListes, 150);
    EXPECT_EQ(c.theme, 2);
    EXPECT_EQ(c.police, "Times");
    EXPECT_TRUE(c.policeAuHasard);
    EXPECT_EQ(c.espaceMinimal, 20);
    EXPECT_EQ(c.margeHaut, 704);
    EXPECT_EQ(c.margeGauche, 905);
    EXPECT_TRUE(c.doublesBranchesDescendantes);
    EXPECT_EQ(c.pays(), "CH");
    EXPECT_EQ(c.donneesGalerie, 7);
    EXPECT_EQ(c.couleurRemplissage, (CouleurRvb{112, 113, 114}));
}

TEST(Configuration, ecritLesValeursParDefautOctetPourOctet) {
    EXPECT_EQ(ecrireConfiguration(Configuration{}), fixture("config-603-defauts.dwa"));
}

TEST(Configuration, ecritUneConfigurationCompleteOctetPourOctet) {
    EXPECT_EQ(ecrireConfiguration(configurationComplete()), fixture("config-603-complet.dwa"));
}

TEST(Configuration, relitChaqueChampEtRepartDeNonPagine) {
    auto lue = lireConfiguration(fixture("config-603-complet.dwa"));
    ASSERT_TRUE(lue.has_value());
    Configuration attendue = configurationComplete();
    EXPECT_EQ(lue->formatPapier, kFormatNonPagine);  // A4 paysage enregistré
    attendue.formatPapier = kFormatNonPagine;
    EXPECT_EQ(*lue, attendue);
    EXPECT_EQ(lue->pays(), "BE");
}

// Le format rangé est celui de la ligne de commande ; la fenêtre repart de « Non paginé » et
// réécrit le rangé sans le changer, quel que soit le format de son menu.
TEST(Configuration, leFormatRangeEstCeluiDeLaLigneDeCommandeQueLaFenetreNeChangePas) {
    Configuration c;
    c.papierLigneCommande = 1707;
    auto lue = lireConfiguration(ecrireConfiguration(c));
    ASSERT_TRUE(lue.has_value());
    EXPECT_EQ(lue->papierLigneCommande, 1707);
    EXPECT_EQ(lue->formatPapier, kFormatNonPagine);
    lue->formatPapier = 1712;  // choisi au menu de la fenêtre
    auto relue = lireConfiguration(ecrireConfiguration(*lue));
    ASSERT_TRUE(relue.has_value());
    EXPECT_EQ(relue->papierLigneCommande, 1707);
    c.papierLigneCommande = 1713;  // entre A4 paysage et Letter : pas un format
    EXPECT_EQ(lireConfiguration(ecrireConfiguration(c))->papierLigneCommande, kFormatNonPagine);
}

TEST(Configuration, laVersion500DonneAuxTableauxLaCompressionDesListes) {
    Octets o;
    o.u16(500).texte("ancien.serveur").u8(1).u8(0).texte("/vieux.ged").ajouter(champsDuMilieu(false));
    auto c = lireConfiguration(o.v);
    ASSERT_TRUE(c.has_value());
    verifierChampsDuMilieu(*c);
    EXPECT_EQ(c->compressionTableaux, 150);
    EXPECT_EQ(c->serveurMiseAJour, "ancien.serveur");
    EXPECT_EQ(c->avisNouvellesVersions, kTexteVersionAvis);  // l'ancienne case était cochée
    EXPECT_FALSE(c->casseAutomatique);
    EXPECT_EQ(c->fichierParDefaut, "/vieux.ged");
    Configuration defauts;
    EXPECT_EQ(c->octetGeneral, defauts.octetGeneral);
    EXPECT_EQ(c->signature, defauts.signature);
    EXPECT_EQ(c->couleurFondSignature, defauts.couleurFondSignature);
    EXPECT_EQ(c->dossierPhotos, "");
}

TEST(Configuration, lesVersionsAvant405NOntPasDeServeur) {
    Octets o;
    o.u16(401).u8(0).u8(1).texte("").ajouter(champsDuMilieu(false));
    auto c = lireConfiguration(o.v);
    ASSERT_TRUE(c.has_value());
    verifierChampsDuMilieu(*c);
    EXPECT_EQ(c->serveurMiseAJour, Configuration{}.serveurMiseAJour);
    EXPECT_EQ(c->avisNouvellesVersions, "");
}

TEST(Configuration, laVersion503AjouteLaSignatureEtLa600LesAfficheurs) {
    Octets signature;
    signature.u8(0).texte("Ligne un").texte("Ligne deux").u8(1).u8(2).u8(3);
    Octets v503;
    v503.u16(503).u8(7).texte("s").u8(0).u8(1).texte("/a.ged").ajouter(champsDuMilieu(true)).ajouter(signature);
    auto c = lireConfiguration(v503.v);
    ASSERT_TRUE(c.has_value());
    verifierChampsDuMilieu(*c);
    EXPECT_EQ(c->octetGeneral, 7);
    EXPECT_EQ(c->compressionTableaux, 170);
    EXPECT_FALSE(c->signature);
    EXPECT_EQ(c->ligneSignature2, "Ligne deux");
    EXPECT_EQ(c->couleurFondSignature, (CouleurRvb{1, 2, 3}));

    Octets v600;
    v600.u16(600).u8(1).texte("s").u8(0).u8(1).texte("/a.ged").texte("/photos");
    v600.ajouter(champsDuMilieu(true)).ajouter(signature).texte("pdf").texte("txt").texte("rtf").texte("web");
    c = lireConfiguration(v600.v);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->dossierPhotos, "/photos");
    EXPECT_EQ(c->afficheurs[kAfficheurWeb], "web");
    EXPECT_EQ(c->avisNouvellesVersions, "");
    // La même disposition, en 601, lit l'avis comme un texte : l'octet 0 devient un texte vide.
    v600.v[0] = 601 & 0xFF;
    c = lireConfiguration(v600.v);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->dossierPhotos, "/photos");
}

TEST(Configuration, refuseLesVersionsHorsDe401A603) {
    for (int version : {0, 400, 604, 0xFFFF}) {
        auto octets = fixture("config-603-complet.dwa");
        octets[0] = static_cast<std::uint8_t>(version & 0xFF);
        octets[1] = static_cast<std::uint8_t>(version >> 8);
        EXPECT_FALSE(lireConfiguration(octets).has_value()) << version;
    }
}

TEST(Configuration, unTexteTropLongRendLeFichierInvalide) {
    auto octets = fixture("config-603-defauts.dwa");
    ASSERT_EQ(octets[3], 11);  // longueur du nom du serveur
    std::string soixante(60, 's');
    octets.erase(octets.begin() + 4, octets.begin() + 15);
    octets[3] = 60;
    octets.insert(octets.begin() + 4, soixante.begin(), soixante.end());
    auto c = lireConfiguration(octets);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->serveurMiseAJour, soixante);
    octets[3] = 61;
    octets.insert(octets.begin() + 4, 's');
    EXPECT_FALSE(lireConfiguration(octets).has_value());
}

TEST(Configuration, coupeALEcritureLesTextesTropLongs) {
    Configuration c;
    c.police = std::string(40, 'p');
    c.avisNouvellesVersions = "12345";
    c.ligneSignature1 = std::string(51, 'x');
    c.afficheurs[kAfficheurPdf] = std::string(256, 'a');
    c.afficheurs[kAfficheurRtf] = std::string(255, 'r');
    auto lue = lireConfiguration(ecrireConfiguration(c));
    ASSERT_TRUE(lue.has_value());
    EXPECT_EQ(lue->police, std::string(31, 'p'));
    EXPECT_EQ(lue->avisNouvellesVersions, "1234");
    EXPECT_EQ(lue->ligneSignature1, std::string(50, 'x'));
    // Un chemin que l'octet de longueur ne peut tenir n'est pas coupé en un autre chemin.
    EXPECT_EQ(lue->afficheurs[kAfficheurPdf], "");
    EXPECT_EQ(lue->afficheurs[kAfficheurRtf], std::string(255, 'r'));
}

TEST(Configuration, borneLesChampsNumeriquesSaisis) {
    EXPECT_EQ(bornerCompression(5), 10);
    EXPECT_EQ(bornerCompression(500), 200);
    EXPECT_EQ(bornerCompression(80), 80);
    EXPECT_EQ(bornerEspaceMinimal(1), 2);
    EXPECT_EQ(bornerEspaceMinimal(100), 99);
    EXPECT_EQ(margeDeLignes(2), 352);
    EXPECT_EQ(margeDeLignes(150), 99 * 176);
    EXPECT_EQ(margeDeLignes(-3), 0);
    EXPECT_EQ(lignesDeMarge(352), 2);
    EXPECT_EQ(margeDeMillimetres(8), 362);
    EXPECT_EQ(millimetresDeMarge(362), 8);
    EXPECT_EQ(millimetresDeMarge(352), 7);  // la marge par défaut
    for (int mm = 0; mm <= 99; ++mm) EXPECT_EQ(millimetresDeMarge(margeDeMillimetres(mm)), mm) << mm;
}

TEST(Configuration, borneAussiLesValeursLuesDansUnFichierAbime) {
    Octets o;
    o.u16(603).u8(1).texte("").texte("").u8(1).texte("").texte("");
    o.u16(9999).u16(5).u16(60000).u16(0).u8(0).u8(0).texte("Arial").u8(0).u16(1000);
    o.u16(60000).u16(0).u16(60000).u16(0).u8(0).u8(0).u16(0x0031);
    for (int i = 0; i < 8; ++i) o.u8(0xFF);
    o.u8(1);
    for (int i = 0; i < 15; ++i) o.u8(0);
    o.u8(1).texte("").texte("").u8(0).u8(0).u8(0).texte("").texte("").texte("").texte("");
    auto c = lireConfiguration(o.v);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->formatPapier, kFormatNonPagine);
    EXPECT_EQ(c->papierLigneCommande, kFormatNonPagine);  // 9999 n'est pas un format
    EXPECT_EQ(c->compressionArbres, 10);
    EXPECT_EQ(c->compressionListes, 200);
    EXPECT_EQ(c->compressionTableaux, 10);
    EXPECT_EQ(c->espaceMinimal, 99);
    EXPECT_EQ(lignesDeMarge(c->margeHaut), 99);
    EXPECT_EQ(millimetresDeMarge(c->margeGauche), 99);
    EXPECT_EQ(c->pays(), "FR");
    EXPECT_EQ(c->donneesArbreAscendant, 63);
    EXPECT_EQ(c->donneesListeDescendante, 31);
    EXPECT_EQ(c->donneesTableauAscendant, 3);
    EXPECT_EQ(c->donneesGalerie, 15);
}

TEST(Configuration, fixerPaysNAccepteQueDeuxMajuscules) {
    Configuration c;
    EXPECT_EQ(c.codePays, 18002);
    EXPECT_EQ(c.pays(), "FR");
    for (const char* mauvais : {"be", "B", "BEL", "B1", ""}) c.fixerPays(mauvais);
    EXPECT_EQ(c.pays(), "FR");
    c.fixerPays("DE");
    EXPECT_EQ(c.codePays, ('D' << 8) | 'E');
}

TEST(Configuration, refuseChaqueTroncatureEtBorneCeQueDonnentDesOctetsAlteres) {
    const auto complet = fixture("config-603-complet.dwa");
    ASSERT_TRUE(lireConfiguration(complet).has_value());
    essai::pourChaqueTroncature(complet, [](const auto& o) { EXPECT_FALSE(lireConfiguration(o).has_value()); });
    essai::pourDesOctetsAlteres(complet, 603, 3000, 4, [](const auto& o) {
        const auto c = lireConfiguration(o);
        if (!c) return;
        EXPECT_GE(c->compressionTableaux, 10);
        EXPECT_LE(c->compressionArbres, 200);
        EXPECT_LE(c->espaceMinimal, 99);
        EXPECT_LE(c->police.size(), kLimitePolice);
        EXPECT_LE(c->serveurMiseAJour.size(), kLimiteServeur);
        EXPECT_LE(c->afficheurs[kAfficheurWeb].size(), kLimiteChemin);
        EXPECT_EQ(c->formatPapier, kFormatNonPagine);
    });
}

// Sans fichier ou avec un fichier étranger : les défauts ; enregistré : relu tel quel, sans
// temporaire ; dossier absent : le message qui nomme le fichier.
TEST(Configuration, chargeEnregistreEtSignaleUnDossierOuLOnNePeutPasEcrire) {
    DossierEssai dossier;
    EXPECT_EQ(chargerConfiguration(dossier.chemin()), Configuration{});
    essai::ecrireOctets(dossier / "Config.dwa", {'%', 'P', 'D', 'F', '-', '1', '.', '7'});
    EXPECT_EQ(chargerConfiguration(dossier.chemin()), Configuration{});
    Configuration c = configurationComplete();
    c.formatPapier = kFormatNonPagine;
    enregistrerConfiguration(c, dossier.chemin());
    EXPECT_EQ(chargerConfiguration(dossier.chemin()), c);
    c.police = "Liberation Serif";
    enregistrerConfiguration(c, dossier.chemin());
    EXPECT_EQ(chargerConfiguration(dossier.chemin()).police, "Liberation Serif");
    auto noms = dossier.noms();  // le fichier étranger est mis de côté, aucun temporaire ne reste
    std::sort(noms.begin(), noms.end());
    EXPECT_EQ(noms, (std::vector<std::string>{"Config.dwa", "Config.dwa.abime"}));
    const std::filesystem::path absent = dossier / "absent";
    EXPECT_EQ(essai::messageDe([&] { enregistrerConfiguration(Configuration{}, absent); }),
              "Accès impossible au fichier de configuration\n"_1252 + (absent / "Config.dwa").string() +
                  "\nDossier inexistant");
}

}  // namespace
}  // namespace lignara
