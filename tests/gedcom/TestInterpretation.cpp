// Interprétation des enregistrements : ce que chaque ligne GEDCOM donne dans la base.
#include <gtest/gtest.h>

#include "ImportEssai.h"
#include "gedcom/PasseBalayage.h"

namespace lignara {
namespace {

using namespace essai;

std::string enTete(std::string_view logiciel = "Essai") {
    return "0 HEAD\n1 SOUR " + std::string(logiciel) + "\n1 CHAR UTF-8\n";
}

// Les barres décident ; sans elles, SURN donne le nom et GIVN les prénoms ; seul le premier NAME compte.
TEST(InterpretationNoms, prenomsEtNomSelonLesBarresSinonSurnEtGivn) {
    auto r = importerTexte(enTete() +
                           "0 @A@ INDI\n1 NAME Jean Pierre  /Dupont/ Jr\n"
                           "0 @B@ INDI\n1 NAME /Martin /  Marie\n"
                           "0 @C@ INDI\n1 NAME John Smith\n2 GIVN John\n2 SURN Smith\n"
                           "0 @D@ INDI\n1 NAME Mary Ann Jones\n2 SURN Jones\n"  // sans GIVN
                           "0 @E@ INDI\n1 NAME Marie\n2 SURN Curie\n"
                           "0 @F@ INDI\n1 NAME\n2 GIVN Anne\n"       // NAME vide
                           "0 @G@ INDI\n1 NAME Paul\n2 GIVN Paul\n"  // sans SURN : rien à prendre
                           "0 @H@ INDI\n1 NAME Jean /Roy/\n2 SURN Autre\n2 GIVN Autre\n"
                           "0 @I@ INDI\n1 NAME Louis Roy\n2 NICK le Gros\n2 GIVN Louis\n2 SURN Roy\n"
                           "0 @J@ INDI\n1 NAME Luc\n1 NAME Luc Roy\n2 SURN Roy\n"  // second NAME
                           "0 @K@ INDI\n1 NAME Lefèvre Jean\n2 SURN LEFÈVRE\n"     // casse des accents
                           "0 TRLR\n");
    const std::pair<std::string, std::string> attendus[] = {
        {"Jean Pierre", "Dupont"},
        {"Marie", "Martin"},
        {"John", "Smith"},
        {"Mary Ann", "Jones"},
        {"Marie", "Curie"},
        {"Anne", ""},
        {"Paul", ""},
        {"Jean", "Roy"},
        {"Louis dit le Gros", "Roy"},
        {"Luc", ""},
        {"Jean", "LEFÈVRE"_1252},
    };
    for (std::uint32_t n = 1; n <= 11; ++n) {
        EXPECT_EQ(prenoms(r.base, n), attendus[n - 1].first) << n;
        EXPECT_EQ(nom(r.base, n), attendus[n - 1].second) << n;
    }
}

TEST(InterpretationNoms, geneWebRangeVidesLesNomsInconnus) {
    const std::string corps = "0 @I1@ INDI\n1 NAME ? /?/\n0 @I2@ INDI\n1 NAME X /X/\n0 TRLR\n";
    auto gw = importerTexte(enTete("GeneWeb 5.0") + corps);
    EXPECT_EQ(prenoms(gw.base, 1), "");
    EXPECT_EQ(nom(gw.base, 1), "");
    auto heredis = importerTexte(enTete("HEREDIS 14") + corps);  // drapeau 4 sans 8
    EXPECT_EQ(prenoms(heredis.base, 1), "?");
    EXPECT_EQ(nom(heredis.base, 1), "");
    auto autre = importerTexte(enTete() + corps);
    EXPECT_EQ(prenoms(autre.base, 1), "?");
    EXPECT_EQ(nom(autre.base, 1), "?");
}

// « dit » devient « dite » quand SEX F suit le surnom ; un surnom qui porterait les prénoms à 70 octets est laissé.
TEST(InterpretationSurnoms, ditOuDiteEtSurnomTropLongAbandonne) {
    const std::string prenom60(60, 'a');
    auto r = importerTexte(enTete() +
                           "0 @I1@ INDI\n1 NAME Jeanne /Roy/\n2 NICK la Grande\n1 SEX F\n"
                           "0 @I2@ INDI\n1 SEX F\n1 NAME Anne /Roy/\n2 NICK Nanon\n"
                           "0 @I3@ INDI\n1 NAME Louis /Roy/\n2 NICK le Gros\n1 SEX M\n"
                           "0 @I4@ INDI\n1 NAME " +
                           prenom60 + " /N/\n2 NICK abcd\n" +                                    // 69 : gardé
                           "0 @I5@ INDI\n1 NAME " + prenom60 + " /N/\n2 NICK abcde\n0 TRLR\n");  // 70 : abandonné
    EXPECT_EQ(prenoms(r.base, 1), "Jeanne dite la Grande");
    EXPECT_EQ(prenoms(r.base, 2), "Anne dite Nanon");
    EXPECT_EQ(prenoms(r.base, 3), "Louis dit le Gros");
    EXPECT_EQ(prenoms(r.base, 4), prenom60 + " dit abcd");
    EXPECT_EQ(prenoms(r.base, 5), prenom60);
}

TEST(InterpretationNaissance, uneDateEstimeeSeuleNeDonneAucunEvenement) {
    auto r = importerTexte(enTete() +
                           "0 @I1@ INDI\n1 BIRT\n2 DATE EST 1850\n"
                           "0 @I2@ INDI\n1 BIRT\n2 DATE ABT 1850\n0 TRLR\n");
    EXPECT_EQ(r.base.LireIndividu(1).naissance, 0u);
    ASSERT_NE(r.base.LireIndividu(2).naissance, 0u);
    EXPECT_EQ(r.base.nombreEvenements(), 1u);  // EST n'a pas réservé d'emplacement
}

TEST(InterpretationNaissance, laSourceDUneNaissanceSansDateDevientLaSourceDuNom) {
    auto r = importerTexte(enTete() +
                           "0 @I1@ INDI\n1 NAME A /B/\n2 SOUR du nom\n1 BIRT\n2 PLAC Lyon\n2 SOUR registre\n"
                           "0 @I2@ INDI\n1 BIRT\n2 DATE 1900\n2 SOUR acte\n"
                           "0 @I3@ INDI\n1 BIRT\n2 SOUR acte3\n2 PLAC Paris\n3 SOUR lieu3\n0 TRLR\n");
    const Individu i1 = r.base.LireIndividu(1);
    EXPECT_EQ(source(r.base, i1.sourceNom), "registre");
    const Individu i2 = r.base.LireIndividu(2);
    EXPECT_EQ(source(r.base, r.base.LireEvenement(i2.naissance).source), "acte");
    const Individu i3 = r.base.LireIndividu(3);  // une source de lieu garde la source à la naissance
    EXPECT_EQ(source(r.base, r.base.LireEvenement(i3.naissance).source), "acte3");
    EXPECT_EQ(source(r.base, r.base.LireEvenement(i3.naissance).sourceLieu), "lieu3");
}

TEST(InterpretationLieux, lieuAjouteSaValeurSansPasser100Octets) {
    std::string long95(95, 'x');
    auto r = importerTexte(enTete() +
                           "0 @I1@ INDI\n1 DEAT\n2 PLAC Ailleurs\n2 LIEU la Croix\n"
                           "0 @I2@ INDI\n1 DEAT\n2 PLAC Ailleurs\n2 LIEU " +
                           long95 + "\n0 TRLR\n");
    EXPECT_EQ(lieu(r.base, r.base.LireIndividu(1).deces), "Ailleurs, la Croix");
    EXPECT_EQ(lieu(r.base, r.base.LireIndividu(2).deces), "Ailleurs");
}

TEST(InterpretationSources, unPointeurVersUneSourceAbsenteEstSignaleEtLaisseVide) {
    auto r = importerTexte(enTete() +
                           "0 @S1@ SOUR\n1 TITL   \n1 AUTH Archives de Lyon\n"
                           "0 @I1@ INDI\n1 NAME A /B/\n2 SOUR @S1@\n1 OCCU notaire\n2 SOUR @S9@\n0 TRLR\n");
    const Individu i = r.base.LireIndividu(1);
    EXPECT_EQ(source(r.base, i.sourceNom), "Archives de Lyon");
    EXPECT_EQ(i.sourceProfession, 0u);
    EXPECT_EQ(lignesRapport(r), std::vector<std::string>{"- Ligne 11 : la source @S9@ n'est pas définie"_1252});
}

TEST(InterpretationDivorce, sansValeurDivorcesAvecNNon) {
    auto r = importerSain(enTete() +
                          "0 @I1@ INDI\n1 FAMS @F1@\n0 @I2@ INDI\n1 FAMS @F1@\n1 FAMS @F2@\n0 @I3@ INDI\n1 FAMS @F2@\n"
                          "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 DIV\n"
                          "0 @F2@ FAM\n1 HUSB @I3@\n1 WIFE @I2@\n1 DIV n\n2 DATE 1900\n0 TRLR\n");
    EXPECT_EQ(r.base.LireFamille(r.base.LireIndividu(1).premiereFamille).divorce, 0);
    EXPECT_EQ(r.base.LireFamille(r.base.LireIndividu(3).premiereFamille).divorce, -1);
}

TEST(InterpretationProfessions, occuGagneSurEvenEtCausSertAvecLeDrapeau128) {
    const std::string corps =
        "0 @I1@ INDI\n1 EVEN\n2 TYPE Occupation\n2 NOTE tisserand\n"
        "0 @I2@ INDI\n1 OCCU boulanger\n1 EVEN\n2 TYPE Occupation\n2 NOTE tisserand\n"
        "0 @I3@ INDI\n1 OCCU\n2 CAUS meunier\n"
        "0 @I4@ INDI\n1 EVEN\n2 TYPE Residence\n2 NOTE Lyon\n"
        "0 @I5@ INDI\n1 EVEN\n2 TYPE Occupation\n2 NOTE laboureur\n1 OCCU meunier\n0 TRLR\n";
    auto r = importerTexte(enTete("SmartGenealogy") + corps);
    auto prof = [&](const ResultatImport& x, std::uint32_t n) {
        return x.base.LireTexte(TableProfessions, x.base.LireIndividu(n).profession);
    };
    EXPECT_EQ(prof(r, 1), "tisserand");
    EXPECT_EQ(prof(r, 2), "boulanger");
    EXPECT_EQ(prof(r, 3), "meunier");
    EXPECT_EQ(prof(r, 5), "meunier");  // OCCU après l'EVEN l'emporte aussi
    auto sansDrapeau = importerTexte(enTete() + corps);
    EXPECT_EQ(prof(sansDrapeau, 3), "");
}

TEST(InterpretationPhotos, gardeLesImagesEtAdressesAccepteesDansLOrdre) {
    auto r = importerTexte(enTete() +
                           "0 @O1@ OBJE\n1 FILE portrait.JPG\n0 @O2@ OBJE\n1 FILE acte.pdf\n"
                           "0 @I1@ INDI\n1 OBJE @O1@\n1 OBJE @O2@\n1 OBJE\n2 FORM jpg\n2 FILE c:\\a\\b.png\n"
                           "1 _IMG\n2 OBJE @O1@\n1 OBJE\n3 FILE https://x.org/y.gif?taille=2\n"
                           "1 OBJE\n2 FILE http://x.org/page.html\n0 TRLR\n");
    std::vector<std::string> attendu = {"portrait.JPG", "c:\\a\\b.png", "portrait.JPG", "https://x.org/y.gif?taille=2"};
    EXPECT_EQ(r.base.LirePhotos(r.base.LireIndividu(1).photos), attendu);
    // Sans jeu de caractères, la tabulation d'un chemin d'OBJE devient une espace, comme ailleurs.
    auto sansJeu = importerTexte("0 HEAD\n0 @M1@ OBJE\n1 FILE a\tb.jpg\n0 @I1@ INDI\n1 OBJE @M1@\n0 TRLR\n");
    EXPECT_EQ(sansJeu.base.LirePhotos(sansJeu.base.LireIndividu(1).photos), std::vector<std::string>{"a b.jpg"});
}

TEST(InterpretationNotes, uneNotePointeeNEstRemiseQuAuPremier) {
    auto r = importerTexte(enTete() +
                           "0 @N1@ NOTE Premier texte\n1 CONT suite\n1 CONC fin\n"
                           "0 @I1@ INDI\n1 NOTE @N1@\n"
                           "0 @I2@ INDI\n1 NOTE @N1@\n0 TRLR\n");
    const Individu i1 = r.base.LireIndividu(1), i2 = r.base.LireIndividu(2);
    EXPECT_EQ(r.base.LireNotes(i1.notes), (std::vector<std::string>{"Premier texte", "suite", "fin"}));
    EXPECT_EQ(r.base.LireTexte(TableCommentaires, i1.commentaire), "Premier texte");
    EXPECT_EQ(i2.notes, 0u);
}

TEST(InterpretationNotes, modeDieseGardeLaLigneCommeCommentaireSeulement) {
    OptionsImport options;
    options.modeCommentaire = ModeCommentaire::LigneDiese;
    auto r = importerTexte(enTete() +
                               "0 @I1@ INDI\n1 NOTE #   maire du village\n2 SOUR délibérations\n2 CONT autre ligne\n"
                               "0 @I2@ INDI\n1 NOTE sans dièse\n2 SOUR x\n0 TRLR\n",
                           options);
    const Individu i1 = r.base.LireIndividu(1), i2 = r.base.LireIndividu(2);
    EXPECT_EQ(r.base.LireTexte(TableCommentaires, i1.commentaire), "maire du village");
    EXPECT_EQ(source(r.base, i1.sourceCommentaire), "délibérations"_1252);
    EXPECT_EQ(r.base.LireNotes(i1.notes), std::vector<std::string>{"autre ligne"});
    EXPECT_EQ(i2.commentaire, 0u);
}

TEST(InterpretationNotes, modeTagPrendLeTagChoisiATousNiveauxEtLaisseLesNotes) {
    OptionsImport options;
    options.modeCommentaire = ModeCommentaire::TagGedcom;
    options.tagCommentaire = "_COMM";
    auto r = importerTexte(enTete() + "0 @I1@ INDI\n1 NOTE note\n1 BIRT\n2 _comm né coiffé\n0 TRLR\n", options);
    const Individu i = r.base.LireIndividu(1);
    EXPECT_EQ(r.base.LireTexte(TableCommentaires, i.commentaire), "né coiffé"_1252);
    EXPECT_EQ(r.base.LireNotes(i.notes), std::vector<std::string>{"note"});
}

// Le tag de commentaire au niveau 1 ferme le bloc en cours : la date qui le suit n'est pas celle
// de la naissance, et le mariage de la famille garde son emplacement d'événement.
TEST(InterpretationNotes, modeTagAuNiveauUnFermeLeBlocEnCours) {
    OptionsImport options;
    options.modeCommentaire = ModeCommentaire::TagGedcom;
    options.tagCommentaire = "_CMT";
    auto r = importerSain(enTete() +
                              "0 @I1@ INDI\n1 NAME Jean /Martin/\n1 BIRT\n2 SOUR Registre\n1 _CMT Meunier\n"
                              "2 DATE 1850\n1 NOTE ligne\n1 _CMT Meunier\n2 CONC suite\n1 FAMS @F1@\n"
                              "0 @I2@ INDI\n1 NAME Marie /Durand/\n1 FAMS @F1@\n"
                              "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 MARR\n2 DATE 1875\n0 TRLR\n",
                          options);
    const Individu i = r.base.LireIndividu(1);
    EXPECT_EQ(r.base.LireTexte(TableCommentaires, i.commentaire), "Meunier");
    EXPECT_EQ(r.base.LireNotes(i.notes), std::vector<std::string>{"ligne"});
    const std::uint32_t mariage = r.base.LireFamille(i.premiereFamille).mariage;
    ASSERT_NE(mariage, 0u);
    EXPECT_EQ(r.base.LireEvenement(mariage).date.annee, 1875);
    EXPECT_EQ(i.naissance, 0u);  // ni date ni lieu
}

TEST(InterpretationTris, heredisTrieEnfantsParNaissanceEtMariagesParDateLesAutresGardentLOrdre) {
    const std::string corps =
        "0 @I1@ INDI\n1 FAMS @F2@\n1 FAMS @F1@\n0 @I2@ INDI\n1 FAMS @F1@\n0 @I3@ INDI\n1 FAMS @F2@\n"
        "0 @I4@ INDI\n1 BIRT\n2 DATE 1890\n0 @I5@ INDI\n1 BIRT\n2 DATE AFT 1880\n"
        "0 @I6@ INDI\n1 BIRT\n2 DATE 12 DEC 1880\n0 @I7@ INDI\n"
        "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 MARR\n2 DATE 1870\n"
        "1 CHIL @I4@\n1 CHIL @I5@\n1 CHIL @I6@\n1 CHIL @I7@\n"
        "0 @F2@ FAM\n1 HUSB @I1@\n1 WIFE @I3@\n1 MARR\n2 DATE 1895\n0 TRLR\n";
    auto r = importerSain(enTete("Heredis") + corps);
    // F1 (1870) avant F2 (1895) malgré l'ordre des FAMS ; enfants sans date (clé 0) d'abord,
    // puis 12 DEC 1880 avant AFT 1880 (compté 31 déc.).
    const std::uint32_t f = r.base.LireIndividu(1).premiereFamille;
    EXPECT_EQ(r.base.LireFamille(f).conjoint, 2u);
    EXPECT_EQ(enfants(r.base, f), (std::vector<std::uint32_t>{7, 6, 5, 4}));
    auto sansDrapeau = importerTexte(enTete() + corps);
    const std::uint32_t g = sansDrapeau.base.LireIndividu(1).premiereFamille;
    EXPECT_EQ(sansDrapeau.base.LireFamille(g).conjoint, 3u);
    EXPECT_EQ(enfants(sansDrapeau.base, sansDrapeau.base.LireFamille(g).suivante),
              (std::vector<std::uint32_t>{4, 5, 6, 7}));
}

// Plusieurs dates, un lieu avant ou après : la première date lisible donne la clé, et un lieu ne
// dispense pas de lire la date quand on trie.
TEST(InterpretationTris, laPremiereDateLisibleDeLaNaissanceDonneLaCleQuelQueSoitLeLieu) {
    const std::string corps =
        "0 @I1@ INDI\n1 FAMS @F1@\n0 @I2@ INDI\n1 FAMS @F1@\n"
        "0 @I4@ INDI\n1 BIRT\n2 DATE n'importe\n2 DATE 1885\n"
        "0 @I5@ INDI\n1 BIRT\n2 DATE 1870\n2 DATE 1899\n"
        "0 @I6@ INDI\n1 BIRT\n2 PLAC Lyon\n2 DATE 1875\n"
        "0 @I7@ INDI\n1 BIRT\n2 DATE 1880\n2 PLAC Lyon\n"
        "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I4@\n1 CHIL @I5@\n1 CHIL @I6@\n1 CHIL @I7@\n0 TRLR\n";
    auto r = importerSain(enTete("Heredis") + corps);
    EXPECT_EQ(enfants(r.base, r.base.LireIndividu(1).premiereFamille), (std::vector<std::uint32_t>{4, 5, 6, 3}));
}

TEST(CleTriDate, apresCompteLeMoisEtLeJourInconnusEnFinEtEntreFaitLaMoyenne) {
    EXPECT_EQ(cleTriDate("AFT 1900"), 1900 * 372 + 12 * 31 + 31);
    EXPECT_EQ(cleTriDate("BET 1900 AND 1911"), ((1900 + 1911) * 372 + 371) / 2);
    EXPECT_EQ(cleTriDate("n'importe quoi"), 0);
}

}  // namespace
}  // namespace lignara
