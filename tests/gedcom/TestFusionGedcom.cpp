// Fusion de fichiers GEDCOM : lecture de la description, choix des branches, rapprochement des
// personnes communes, liens réunis, base cohérente.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "ImportEssai.h"
#include "commun/OperationImpossible.h"
#include "gedcom/DescriptionFusion.h"
#include "support/DossierEssai.h"
#include "support/Message.h"
#include "support/Programme.h"

namespace lignara {
namespace {

using namespace essai;
namespace fs = std::filesystem;
using Lignes = std::vector<std::string>;

const fs::path kFixtures = LIGNARA_DOSSIER_FIXTURES;
using essai::DossierEssai;

TEST(FusionGedcom, lesPersonnesCommunesNeSontPasDoubleesEtChaqueFichierGardeSonJeu) {
    ResultatImport r = ImporterGedcom(kFixtures / "fusion-branche-jean.fged");
    const BaseGenealogique& b = r.base;
    // 4 du principal + Louis, Paul, Renée, Luc, l'anonyme et Anne ; « Hors Branche » écarté.
    ASSERT_EQ(b.nombreIndividus(), 10u);
    EXPECT_EQ(r.personnesRapprochees, 3u);
    EXPECT_EQ(r.personnesAjoutees, 6u);
    // Jean reçoit ses parents du fichier secondaire, garde ses textes du principal.
    const Individu jean = b.LireIndividu(1);
    EXPECT_EQ(jean.pere, 5u);
    EXPECT_EQ(jean.mere, 10u);
    EXPECT_EQ(b.LireTexte(TableProfessions, jean.profession), "meunier");
    // La famille secondaire de Jean et Marie s'est fondue dans celle du principal.
    EXPECT_EQ(enfants(b, jean.premiereFamille), (std::vector<std::uint32_t>{3, 6}));
    EXPECT_EQ(b.LireEvenement(b.LireFamille(jean.premiereFamille).mariage).date.annee, 1924);
    // Pierre (du principal) a pris le mariage et les enfants que seul le secondaire connaît.
    const Famille pierre = b.LireFamille(b.LireIndividu(3).premiereFamille);
    EXPECT_EQ(pierre.conjoint, 7u);
    EXPECT_EQ(enfants(b, b.LireIndividu(3).premiereFamille), (std::vector<std::uint32_t>{8, 9}));
    EXPECT_EQ(b.nombreFamilles(), 6u);
    EXPECT_EQ(defautsBase(r), Lignes{});
    // Chaque fichier garde son jeu, ses drapeaux et son titre d'erreurs.
    ASSERT_EQ(r.fichiers.size(), 2u);
    EXPECT_EQ(r.fichiers[0].jeu, JeuCaracteres::Utf8);
    EXPECT_EQ(r.fichiers[1].jeu, JeuCaracteres::Ansel);
    EXPECT_EQ(nom(r.base, 7), "Lefèvre"_1252);
    EXPECT_EQ(nom(r.base, 9), "");  // « ? /?/ » vide, par les drapeaux du seul fichier GeneWeb
    // Une seule ligne de date fautive : relue sans bruit pendant le rapprochement.
    EXPECT_EQ(lignesRapport(r),
              (Lignes{"Fichier \"fusion-secondaire-ansel.ged\"", "- Ligne 49 : format de date incorrect"}));
}

// Sans branche, tout le fichier secondaire est fusionné ; une branche qui nomme une personne absente est refusée.
TEST(FusionGedcom, sansBrancheToutLeSecondaireEtUneBrancheAbsenteDonneSonMessage) {
    DossierEssai d;
    const std::string fichiers = "principal " + (kFixtures / "fusion-principal.ged").string() + "\nsecondaire " +
                                 (kFixtures / "fusion-secondaire-ansel.ged").string() + "\n";
    ResultatImport r = ImporterGedcom(d.ecrire("tout.FGED", fichiers));
    // 11 secondaires : Jean, Marie, Pierre rapprochés ; Jacques né en 1931 ne l'est pas (1930 au principal).
    EXPECT_EQ(r.personnesRapprochees, 3u);
    EXPECT_EQ(r.personnesAjoutees, 8u);
    EXPECT_TRUE(defautsBase(r).empty());
    const fs::path desc = d.ecrire("g.fged", fichiers + "branche @P77@\n");
    EXPECT_EQ(messageDe([&] { ImporterGedcom(desc); }),
              "Description de fusion incorrecte (g.fged), ligne 3 :\n"
              "la personne @P77@ n'est pas définie dans fusion-secondaire-ansel.ged"_1252);
}

TEST(FusionGedcom, unRapprochementDemandeUneDateEgaleEtUnCandidatUnique) {
    DossierEssai d;
    d.ecrire("p.ged", kEnTete +
                          "0 @I1@ INDI\n1 NAME Jean /Roy/\n1 BIRT\n2 DATE 1900\n"
                          "0 @I2@ INDI\n1 NAME Jean /Roy/\n1 BIRT\n2 DATE 1900\n"
                          "0 @I3@ INDI\n1 NAME Luc /Roy/\n"
                          "0 @I4@ INDI\n1 NAME Léa /Roy/\n1 BIRT\n2 DATE 1800\n1 DEAT\n2 DATE 1850\n0 TRLR\n");
    d.ecrire("s.ged", kEnTete +
                          "0 @S1@ INDI\n1 NAME Jean /Roy/\n1 BIRT\n2 DATE 1900\n"  // deux candidats
                          "0 @S2@ INDI\n1 NAME Luc /Roy/\n"                        // aucune date
                          "0 @S3@ INDI\n1 NAME LEA /ROY/\n1 DEAT\n2 DATE 1850\n"   // décès égal
                          "0 @S4@ INDI\n1 NAME Lea /Roy/\n1 BIRT\n2 DATE 1800\n"   // Léa déjà prise
                          "0 TRLR\n");
    fs::path desc = d.ecrire("f.fged", "principal p.ged\nsecondaire s.ged\n");
    ResultatImport r = ImporterGedcom(desc);
    EXPECT_EQ(r.personnesRapprochees, 1u);
    EXPECT_EQ(r.base.nombreIndividus(), 7u);
}

TEST(FusionGedcom, lesBranchesNeGardentQueLaPersonneEtLesLignesDemandees) {
    DossierEssai d;
    d.ecrire("p.ged", kEnTete + "0 @I1@ INDI\n1 NAME Seul /Roy/\n0 TRLR\n");
    d.ecrire("sous/s.ged", kEnTete +
                               "0 @A@ INDI\n1 NAME Aieul /Roy/\n1 FAMS @F1@\n"
                               "0 @B@ INDI\n1 NAME Pere /Roy/\n1 FAMC @F1@\n1 FAMS @F2@\n"
                               "0 @C@ INDI\n1 NAME Mere /Roy/\n1 FAMS @F2@\n"
                               "0 @D@ INDI\n1 NAME Fils /Roy/\n1 FAMC @F2@\n"
                               "0 @F1@ FAM\n1 HUSB @A@\n1 CHIL @B@\n"
                               "0 @F2@ FAM\n1 HUSB @B@\n1 WIFE @C@\n1 CHIL @D@\n0 TRLR\n");
    auto compter = [&](const std::string& branche) {
        fs::path desc = d.ecrire("f.fged", "principal p.ged\nsecondaire sous/s.ged\n" + branche);
        return ImporterGedcom(desc).base.nombreIndividus() - 1;
    };
    EXPECT_EQ(compter("branche @B@\n"), 1u);
    EXPECT_EQ(compter("branche @B@ ascendants\n"), 2u);
    EXPECT_EQ(compter("branche @B@ descendants\n"), 3u);  // avec son épouse
    EXPECT_EQ(compter("branche @B@ ASCENDANTS descendants\n"), 4u);
    EXPECT_EQ(compter("branche @D@ ascendants\nbranche @A@\n"), 4u);
}

TEST(DescriptionFusion, lesCheminsRelatifsLeSontAuDossierDeLaDescription) {
    DescriptionFusion d = DescriptionFusion::analyser(
        "\xEF\xBB\xBF# essai\r\n\r\nprincipal  a b.ged  \r\nsecondaire /abs/c.ged\r\nbranche @I1@ descendants\r\n",
        "/dossier", "f.fged");
    EXPECT_EQ(d.principal, fs::path("/dossier/a b.ged"));
    ASSERT_EQ(d.secondaires.size(), 1u);
    EXPECT_EQ(d.secondaires[0].chemin, fs::path("/abs/c.ged"));
    ASSERT_EQ(d.secondaires[0].branches.size(), 1u);
    EXPECT_TRUE(d.secondaires[0].branches[0].descendants);
    EXPECT_EQ(DescriptionFusion::analyser(d.texte(), "/ailleurs", "g.fged").texte(), d.texte());
    EXPECT_TRUE(estDescriptionFusion("x.fged"));
    EXPECT_FALSE(estDescriptionFusion("x.ged"));
}

TEST(DescriptionFusion, uneDescriptionFautiveNommeSaLigneEtSaFaute) {
    auto faute = [](const std::string& texte) {
        return messageDe([&] { DescriptionFusion::analyser(texte, "/d", "f.fged"); });
    };
    EXPECT_EQ(faute("principal a.ged\nsecondaire b.ged\nfusionner c.ged\n"),
              "Description de fusion incorrecte (f.fged), ligne 3 :\n"
              "instruction inconnue (principal, secondaire ou branche attendu)"_1252);
    std::string trop = "principal a.ged\n";
    for (int i = 0; i < 255; ++i) trop += "secondaire b.ged\n";
    const std::pair<std::string, std::string> cas[] = {
        {"principal a.ged\nbranche @I1@\n", "ligne 2 :\nune branche doit suivre"_1252},
        {"secondaire b.ged\n", "ligne 1 :\nle fichier principal doit pr"},
        {"principal a.ged\nsecondaire b.ged\nbranche I1\n", "ligne 3 :\nréférence"_1252},
        {"principal a.ged\nsecondaire b.ged\nbranche @I1@ cousins\n", "ligne 3 :\nseuls"},
        {"", "ligne 1 :\naucun fichier principal"},
        {std::string("principal a.ged\n\0\x01\xFF", 19), "ligne 2 :"},
        {trop, "ligne 256 :\ntrop de fichiers secondaires"},
    };
    for (const auto& [texte, morceau] : cas) EXPECT_NE(faute(texte).find(morceau), std::string::npos) << morceau;
}

// Numéro de la personne de ces prénoms (0 : absente).
std::uint32_t numeroDe(const BaseGenealogique& b, const std::string& prenomsCherches) {
    for (std::uint32_t n = 1; n <= b.nombreIndividus(); ++n)
        if (prenoms(b, n) == prenomsCherches) return n;
    return 0;
}

std::string individu(const std::string& id, const std::string& nomComplet, int naissance, const std::string& liens) {
    return "0 @" + id + "@ INDI\n1 NAME " + nomComplet + "\n1 SEX M\n1 BIRT\n2 DATE " + std::to_string(naissance) +
           "\n" + liens;
}

TEST(FusionGedcom, leFichierPrincipalLEmporteSurUnLienDeParenteContraireQuiEstSignale) {
    DossierEssai d;
    // Principal : Adam (1870) père de Jean (1900). Secondaires : Jean père d'Adam (boucle), ou Zacharie (1930).
    d.ecrire("principal.ged", kEnTete + individu("I1", "Adam /Durand/", 1870, "1 FAMS @F1@\n") +
                                  individu("I2", "Jean /Durand/", 1900, "1 FAMC @F1@\n") +
                                  "0 @F1@ FAM\n1 HUSB @I1@\n1 CHIL @I2@\n0 TRLR\n");
    d.ecrire("inverse.ged", kEnTete + individu("I1", "Jean /Durand/", 1900, "1 FAMS @F1@\n") +
                                individu("I2", "Adam /Durand/", 1870, "1 FAMC @F1@\n") +
                                "0 @F1@ FAM\n1 HUSB @I1@\n1 CHIL @I2@\n0 TRLR\n");
    d.ecrire("autre-pere.ged", kEnTete + individu("I7", "Zacharie /Durand/", 1930, "1 FAMS @F9@\n") +
                                   individu("I8", "Jean /Durand/", 1900, "1 FAMC @F9@\n") +
                                   "0 @F9@ FAM\n1 HUSB @I7@\n1 CHIL @I8@\n0 TRLR\n");
    for (const char* secondaire : {"inverse.ged", "autre-pere.ged"}) {
        SCOPED_TRACE(secondaire);
        fs::path desc = d.ecrire("f.fged", std::string("principal principal.ged\nsecondaire ") + secondaire + "\n");
        ResultatImport r = ImporterGedcom(desc);
        const BaseGenealogique& b = r.base;
        const std::uint32_t adam = numeroDe(b, "Adam"), jean = numeroDe(b, "Jean");
        EXPECT_EQ(b.LireIndividu(jean).pere, adam);
        EXPECT_EQ(b.LireIndividu(adam).pere, 0u);
        const Lignes lignes = lignesRapport(r);
        EXPECT_NE(std::find(lignes.begin(), lignes.end(),
                            "- Ligne 16 : lien de parenté contraire au fichier principal, ignoré"_1252),
                  lignes.end())
            << r.rapport;
        EXPECT_EQ(defautsBase(r), std::vector<std::string>{});
    }
}

TEST(FusionGedcom, laCommandeImporterAccepteUneDescriptionDeFusion) {
    const essai::SortieProgramme s =
        essai::lancerProgramme("importer " + essai::cite((kFixtures / "fusion-branche-jean.fged").string()));
    EXPECT_EQ(s.code, 0);
    EXPECT_NE(s.texte.find("Fusion, personnes rapprochées : 3\nFusion, personnes ajoutées : 6\n"), std::string::npos)
        << s.texte;
}

}  // namespace
}  // namespace lignara
