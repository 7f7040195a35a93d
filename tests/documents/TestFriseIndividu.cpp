#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BaseEssai.h"
#include "commun/Texte.h"
#include "documents/frises/FriseIndividu.h"

namespace lignara {
namespace {

using essai::BaseEssai;

// Jean : tous les événements personnels ; son père meurt avant sa naissance, sa mère vers elle.
// Louis : vivant (pas de décès), des enfants à 99 et à 101 ans.
const std::string kFamille =
    essai::kEnTete +
    "0 @I1@ INDI\n1 NAME Jean /DUPONT/\n1 SEX M\n1 BIRT\n2 DATE 10 JAN 1850\n"
    "1 CHR\n2 DATE 12 JAN 1850\n1 BAPM\n2 DATE 1851\n1 FCOM\n2 DATE 1861\n1 CONF\n2 DATE 1864\n"
    "1 ORDN\n2 DATE 1900\n1 HAJJ\n2 DATE 1905\n1 BARM\n"
    "1 DEAT\n2 DATE 1920\n1 BURI\n2 DATE 3 FEB 1920\n"
    "1 OCCU tisserand\n2 DATE FROM 1870 TO 1880\n1 OCCU rentier\n"
    "1 EVEN\n2 TYPE Occupation\n2 NOTE garde champêtre\n"
    "1 RESI\n2 PLAC Lyon\n2 ADDR rue Mercière\n2 DATE FROM 1875\n"
    "1 RESI\n2 ADDR 3 rue Mercière\n"
    "1 RESI Une maison de maître au bord de la Saône, avec un grand jardin et une vigne\n"
    "1 FAMC @F0@\n1 FAMS @F1@\n1 FAMS @F2@\n1 FAMS @F3@\n"
    "0 @I2@ INDI\n1 NAME Pierre /DUPONT/\n1 SEX M\n1 DEAT\n2 DATE 1849\n1 FAMS @F0@\n"
    "0 @I3@ INDI\n1 NAME Jeanne /ROUX/\n1 SEX F\n1 DEAT\n2 DATE ABT 1850\n1 FAMS @F0@\n"
    "0 @I4@ INDI\n1 NAME Marie /MARTIN/\n1 SEX F\n1 DEAT\n2 DATE 1930\n1 FAMS @F1@\n"
    "0 @I5@ INDI\n1 NAME Henri /DUPONT/\n1 SEX M\n1 BIRT\n2 DATE 1876\n1 DEAT\n2 DATE 1877\n1 FAMC @F1@\n"
    "0 @I6@ INDI\n1 SEX F\n1 BIRT\n2 DATE 1878\n1 FAMC @F1@\n"
    "0 @I7@ INDI\n1 NAME Paul /DUPONT/\n1 BIRT\n2 DATE 1921\n1 FAMC @F1@\n"
    "0 @I8@ INDI\n1 NAME Anne /LEROY/\n1 SEX F\n1 DEAT\n2 DATE 1915\n1 FAMS @F3@\n"
    "0 @I10@ INDI\n1 NAME Louis /BLANC/\n1 SEX M\n1 BIRT\n2 DATE 1 JAN 1900\n1 FAMS @F10@\n"
    "0 @I11@ INDI\n1 NAME Agnès /BLANC/\n1 BIRT\n2 DATE 1999\n1 FAMC @F10@\n"
    "0 @I12@ INDI\n1 NAME Yves /BLANC/\n1 BIRT\n2 DATE 2001\n1 FAMC @F10@\n"
    "0 @F0@ FAM\n1 HUSB @I2@\n1 WIFE @I3@\n1 CHIL @I1@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I4@\n1 MARR\n2 DATE 1874\n1 DIV\n2 DATE 1890\n"
    "1 CHIL @I5@\n1 CHIL @I6@\n1 CHIL @I7@\n"
    "0 @F2@ FAM\n1 HUSB @I1@\n"
    "0 @F3@ FAM\n1 HUSB @I1@\n1 WIFE @I8@\n"
    "0 @F10@ FAM\n1 HUSB @I10@\n1 CHIL @I11@\n1 CHIL @I12@\n"
    "0 TRLR\n";

std::vector<std::string> textes(const std::vector<EvenementFrise>& evenements) {
    std::vector<std::string> t;
    for (const EvenementFrise& e : evenements) t.push_back(versUtf8(e.texte()));
    return t;
}

struct FriseEssai {
    explicit FriseEssai(const std::string& gedcom = kFamille) : base(gedcom, BaseEssai::GarderGedcom{}) {}
    // prenoms en UTF-8.
    FriseIndividu frise(const std::string& prenoms, OptionsFrise options = {}) {
        RelectureIndividu relecture = base.sources->relecture();
        const auto p = static_cast<std::uint32_t>(base.personne(depuisUtf8(prenoms)));
        return construireFrise(base.base(), relecture, p, options);
    }
    BaseEssai base;
};

TEST(FriseIndividu, evenementsDeChaqueBandeDansLOrdreFiltresParLaFenetreAvecLeursLibelles) {
    FriseEssai essai;
    const FriseIndividu f = essai.frise("Jean");
    EXPECT_EQ(
        textes(f.bandes[kPersonnels]),
        (std::vector<std::string>{"Naissance", "Baptême", "1ère communion", "Confirmation", "Mariage avec Marie MARTIN",
                                  "Divorce", "Mariage avec Anne LEROY", "Ordination", "Hajj", "Décès", "Enterrement"}));
    // CHR compte pour le baptême (le premier daté), la Bar Mitzvah sans date n'est pas gardée ;
    // la famille sans conjoint, mariage ni divorce ne donne rien ; le second mariage est sans date.
    const auto& p = f.bandes[kPersonnels];
    EXPECT_EQ(p[1].debut.bas, NumeroJour(12, 1, 1850));
    EXPECT_FALSE(p[6].date());
    // Fenêtre : de la naissance à la borne haute du décès.
    EXPECT_EQ(f.fenetre.debut, NumeroJour(10, 1, 1850));
    EXPECT_EQ(f.fenetre.fin, NumeroJour(31, 12, 1920));

    // Père mort avant la naissance : absent ; mère morte vers la naissance : gardée, ramenée à la
    // fenêtre ; Marie morte après Jean et Paul né après : absents. « d' » devant Henri.
    EXPECT_EQ(textes(f.bandes[kFamiliaux]),
              (std::vector<std::string>{"Décès de la mère (Jeanne ROUX)", "Décès du conjoint (Anne LEROY)",
                                        "Naissance d'Henri DUPONT", "Décès d'Henri DUPONT", "Naissance d'un enfant"}));
    EXPECT_EQ(f.bandes[kFamiliaux][0].debut, IntervalleJours(NumeroJour(10, 1, 1850), NumeroJour(15, 7, 1850)));

    EXPECT_EQ(textes(f.bandes[kProfessions]), (std::vector<std::string>{"tisserand", "rentier", "garde champêtre"}));
    EXPECT_EQ(f.bandes[kProfessions][0].fin.haut, NumeroJour(31, 12, 1880));
    EXPECT_EQ(textes(f.bandes[kDomiciles]),
              (std::vector<std::string>{"Lyon", "3 rue Mercière",
                                        "Une maison de maître au bord de la Saône, avec un grand jard"}));
    EXPECT_TRUE(f.bandes[kDomiciles][0].ponctuel());  // « FROM 1875 » sans fin
}

TEST(FriseIndividu, fenetreDeCentAnsApresLaNaissanceDUnVivant) {
    FriseEssai essai;
    const FriseIndividu f = essai.frise("Louis");
    EXPECT_EQ(f.fenetre.fin, NumeroJour(1, 1, 1900) + 36525);
    EXPECT_EQ(textes(f.bandes[kFamiliaux]), (std::vector<std::string>{"Naissance d'Agnès BLANC"}));
    // Une naissance ponctuelle élargit la plage jusqu'à sa borne haute, pas jusqu'à une fin inconnue.
    EXPECT_EQ(f.plage.fin, NumeroJour(31, 12, 1999));
}

}  // namespace
}  // namespace lignara
