// Frises : libellés, échelle du temps, générations, événements de la frise d'une personne, documents.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "ArbreEssai.h"
#include "commun/Texte.h"
#include "database/ArbreEssai.h"
#include "documents/frises/EchelleTemps.h"
#include "documents/frises/FriseGenerations.h"
#include "documents/frises/FriseIndividu.h"
#include "documents/frises/FriseIndividuelle.h"
#include "documents/frises/FriseLignees.h"
#include "documents/frises/GenerationsFrise.h"
#include "documents/frises/LibelleFrise.h"
#include "render/LecturePdf.h"
#include "render/OutilsPdf.h"
#include "reglages/Configuration.h"
#include "support/Message.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::LecturePdf;
using essai::LienParents;
using Liste = std::vector<std::vector<int>>;

TEST(LibelleFrise, titreElideDevantVoyelleSansH) {
    EXPECT_EQ(versUtf8(titreDe(depuisUtf8("ORLÉANS"), "Louis")), "d'ORLÉANS Louis");
    EXPECT_EQ(titreDe("HUGO", "Victor"), "de HUGO Victor");
}

TEST(LibelleFrise, texteRaccourciDansLaPlaceEnGardantLeLibelle) {
    MetriquePolice police;
    for (auto& l : police.largeurs) l = 10000;  // 100 unités par caractère à 10 points
    EvenementFrise e;
    nommerEvenement(e, "Mariage avec ", "Mariage", "Jean-Baptiste", "DUPONT");
    // 25 caractères de place : le libellé (13) garde sa place, les noms sont raccourcis.
    const std::string court = texteAjuste(e, 2500, police, 10);
    EXPECT_EQ(court, "Mariage avec Jean..DUPONT");
    EXPECT_LE(largeurA(police, court, 10), 2500);
    // Des prénoms seuls (ou un nom seul) sont coupés aussi, la parenthèse fermée.
    EvenementFrise seul;
    nommerEvenement(seul, "Mort du pere (", "Mort du pere", "Marie-Josephine-Antoinette", "");
    EXPECT_EQ(texteAjuste(seul, 2500, police, 10), "Mort du pere (Marie-Jo..)");
    // Sans noms, le libellé coupé ; rien ne tient : vide.
    EvenementFrise p;
    p.libelle = "Profession de foi";
    EXPECT_EQ(texteAjuste(p, 900, police, 10), "Profess..");
    EXPECT_EQ(texteAjuste(p, 150, police, 10), "");
}

PlageJours plage(int anneeDebut, int anneeFin) {
    PlageJours p;
    p.inclure(NumeroJour(1, 1, anneeDebut), NumeroJour(1, 1, anneeFin));
    return p;
}

TEST(EchelleTemps, echelleFixeCentDixAnsOuPlageElargieDeQuatreVingtDixUnites) {
    // Une vie de 60 ans sur l'échelle fixe n'occupe que la gauche de l'axe.
    const EchelleTemps fixe(plage(1800, 1860), 1000, 11000, true);
    EXPECT_EQ(fixe.fin() - fixe.debut(), EchelleTemps::kJours110Ans);
    EXPECT_LT(fixe.x(NumeroJour(1, 1, 1860)), 1000 + 11000 * 60 / 109);
    // Une plage plus longue que 110 ans reste entière.
    EXPECT_EQ(EchelleTemps(plage(1700, 1900), 0, 11000, true).fin(), NumeroJour(1, 1, 1900));
    // Sans échelle fixe, le dernier jour tombe à 90 unités de la droite.
    const EchelleTemps libre(plage(1800, 1860), 1000, 11000, false);
    EXPECT_NEAR(libre.x(NumeroJour(1, 1, 1860)), 1000 + 11000 - 90, 1);
}

TEST(EchelleTemps, plageVideOuNulleNeDiviseJamaisParZero) {
    const EchelleTemps vide(PlageJours{}, 100, 5000, true);
    EXPECT_TRUE(vide.vide() && vide.graduations().empty());
    EXPECT_EQ(vide.x(NumeroJour(1, 1, 1900)), 100);
    // Une seule naissance exacte, sans échelle fixe : la plage devient une année.
    const EchelleTemps un(plage(1900, 1900), 0, 10000, false);
    EXPECT_GT(un.x(NumeroJour(1, 1, 1901)), 9000);
}

TEST(EchelleTemps, deuxMilleAnsSurLaLargeurSansDebordement) {
    const EchelleTemps e(plage(-100, 1950), 0, 12000, false);
    EXPECT_EQ(e.x(NumeroJour(1, 1, -100)), 0);
    EXPECT_NEAR(e.x(NumeroJour(1, 1, 925)), (12000 - 90) / 2.0, 10);
    EXPECT_EQ(e.pasAnnees(), 200);
    EXPECT_EQ(e.graduations().at(0).annee, 200);  // l'an 0 n'existe pas
}

TEST(EchelleTemps, pasUnJusquaVingtAnsPuisLePremierQuiDonneAuPlusVingtPas) {
    EXPECT_EQ(EchelleTemps(plage(1900, 1920), 0, 10000, false).pasAnnees(), 5);  // élargie : plus de 20 ans
    EXPECT_EQ(EchelleTemps(plage(1900, 1919), 0, 100000, false).pasAnnees(), 1);
    EXPECT_EQ(EchelleTemps(plage(1000, 1950), 0, 100000, false).pasAnnees(), 50);
    EXPECT_EQ(EchelleTemps(plage(-9000, 9000), 0, 100000, false).pasAnnees(), 1000);
    const auto g = EchelleTemps(plage(1850, 1950), 0, 100000, false).graduations();
    EXPECT_TRUE(g.at(0).annee == 1850 && g.at(0).x == 0);
}

// 10 et 11 sont arrière-grands-parents de 1 par 5 et trisaïeuls par 7 et 12 ; 14 est l'enfant de 5 avec 15.
const std::vector<LienParents> kLiensGenerations = {{1, 2, 3},   {2, 4, 5},    {3, 6, 7},  {5, 10, 11},
                                                    {7, 12, 13}, {12, 10, 11}, {14, 15, 5}};

struct Essai {
    Essai() : base(essai::gedcomDeLiens(15, kLiensGenerations)) {}
    std::uint32_t p(int n) const { return static_cast<std::uint32_t>(base.personne("P" + std::to_string(n))); }
    // Les générations à partir de `racine`, en numéros d'essai.
    Liste numeros(int racine, const ReglesGenerations& r) const {
        Liste l;
        for (const auto& m : collecterGenerations(base.base(), {p(racine)}, r).membres) {
            l.emplace_back();
            for (std::uint32_t q : m) l.back().push_back(std::stoi(essai::prenoms(base.base(), q).substr(1)));
        }
        return l;
    }
    BaseEssai base;
};

TEST(GenerationsFrise, uneFoisChacuneEnLargeurOuDansChaqueGenerationAvecLesMultiplesMarques) {
    Essai e;
    ReglesGenerations r;
    EXPECT_EQ(e.numeros(1, r), (Liste{{1}, {2, 3}, {4, 5, 6, 7}, {10, 11, 12, 13}}));
    r.uneFoisChacune = false;
    EXPECT_EQ(e.numeros(1, r), (Liste{{1}, {2, 3}, {4, 5, 6, 7}, {10, 11, 12, 13}, {10, 11}}));
    const Generations chaque = collecterGenerations(e.base.base(), {e.p(1)}, r);
    EXPECT_TRUE(chaque.multiples.contient(e.p(10)) && !chaque.multiples.contient(e.p(12)));
}

TEST(GenerationsFrise, coupesRetirentLaBrancheEtLimiteGardeLesPremieresGenerations) {
    Essai e;
    EnsemblePersonnes coupes(e.base.base().nombreIndividus());
    coupes.ajouter(e.p(3));
    coupes.ajouter(e.p(1));  // une racine n'est jamais retirée
    ReglesGenerations r;
    r.coupes = &coupes;
    EXPECT_EQ(e.numeros(1, r), (Liste{{1}, {2}, {4, 5}, {10, 11}}));
    r.coupes = nullptr;
    r.limite = 1;
    EXPECT_EQ(e.numeros(1, r), (Liste{{1}, {2, 3}}));
    r.limite = 0;
    EXPECT_EQ(e.numeros(1, r), (Liste{{1}}));
}

TEST(GenerationsFrise, desLiensEnBoucleSontSignalesAuLieuDeTournerSansFin) {
    essai::ArbreEssai a;
    const std::uint32_t un = a.personne('M', {}, {}, "BOUCLE", "Un");
    const std::uint32_t deux = a.personne('M', {}, {}, "BOUCLE", "Deux");
    const std::uint32_t mere = a.personne('F');
    a.couple(deux, mere, {un});
    a.couple(un, mere, {deux});
    const BaseGenealogique base = a.construire(std::filesystem::temp_directory_path());
    ReglesGenerations r;
    r.uneFoisChacune = false;
    const std::string message = essai::messageDe([&] { collecterGenerations(base, {un}, r); });
    EXPECT_NE(message.find("boucle infinie"), std::string::npos);
    EXPECT_NE(message.find("- Un BOUCLE\n"), std::string::npos) << message;
    r.uneFoisChacune = true;  // chacun une fois : la boucle s'arrête d'elle-même
    EXPECT_EQ(collecterGenerations(base, {un}, r).nombrePersonnes(), 3u);
}

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
    t.reserve(evenements.size());
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

TEST(FriseIndividu, sansAucuneDatePersonnelleNiFenetreNiEvenementsDesProches) {
    FriseEssai essai(essai::kEnTete +
                     "0 @I1@ INDI\n1 NAME Paul /SANSDATE/\n1 SEX M\n1 FAMC @F0@\n1 FAMS @F1@\n"
                     "0 @I2@ INDI\n1 NAME Marc /SANSDATE/\n1 SEX M\n1 DEAT\n2 DATE 1890\n1 FAMS @F0@\n"
                     "0 @I3@ INDI\n1 NAME Rose /VIDAL/\n1 SEX F\n1 FAMS @F1@\n"
                     "0 @I4@ INDI\n1 NAME Luc /SANSDATE/\n1 BIRT\n2 DATE 3 MAR 1902\n1 FAMC @F1@\n"
                     "0 @F0@ FAM\n1 HUSB @I2@\n1 CHIL @I1@\n"
                     "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I3@\n1 MARR\n1 CHIL @I4@\n0 TRLR\n");
    const FriseIndividu f = essai.frise("Paul");
    EXPECT_EQ(textes(f.bandes[kPersonnels]), (std::vector<std::string>{"Mariage avec Rose VIDAL"}));
    EXPECT_TRUE(f.bandes[kFamiliaux].empty());
    EXPECT_TRUE(f.plage.vide());
}

TEST(FriseIndividu, fenetreDeCentAnsApresLaNaissanceDUnVivant) {
    FriseEssai essai;
    const FriseIndividu f = essai.frise("Louis");
    EXPECT_EQ(f.fenetre.fin, NumeroJour(1, 1, 1900) + 36525);
    EXPECT_EQ(textes(f.bandes[kFamiliaux]), (std::vector<std::string>{"Naissance d'Agnès BLANC"}));
    // Une naissance ponctuelle élargit la plage jusqu'à sa borne haute, pas jusqu'à une fin inconnue.
    EXPECT_EQ(f.plage.fin, NumeroJour(31, 12, 1999));
}

// 1 ← (2, 3) ; 2 ← (4, 5) ; 3 ← (6, 7) ; 8 seul ; 1 a deux enfants 9 et 10 avec 11.
const std::vector<essai::LienParents> kLiens = {{1, 2, 3}, {2, 4, 5}, {3, 6, 7}, {9, 1, 11}, {10, 1, 11}};
const std::map<int, essai::DetailsPersonne> kDates = {{1, {"12 MAR 1900", "menuisier"}},
                                                      {2, {"1870", ""}},
                                                      {3, {"ABT 1875", ""}},
                                                      {4, {"1840", ""}},
                                                      {9, {"1925", ""}},
                                                      {10, {"1930", ""}}};

class FrisesEssai : public essai::EssaiPolices {
protected:
    void SetUp() override {
        EssaiPolices::SetUp();
        preferences_.signature = false;
    }

    template <class D>
    std::unique_ptr<D> document(BaseEssai& b, std::uint8_t code, int racine, int conjoint = 0) {
        auto d = std::make_unique<D>(*afficheurDeCode(code));
        b.contexte.polices = polices_;
        b.contexte.preferences = &preferences_;
        b.contexte.horloge = Horloge::fixee(1700000000);
        d->initialiserParametres(b.contexte);
        d->valeur(kRacine) = b.personne("P" + std::to_string(racine));
        d->valeur(kNomRacine) = std::string("N") + std::to_string(racine);
        if (conjoint) d->valeur(kConjoint) = b.personne("P" + std::to_string(conjoint));
        return d;
    }
    // Prépare et écrit ; rend les octets du PDF.
    std::string ecrire(Document& d, BaseEssai& b, const std::string& nom) {
        EXPECT_TRUE(d.verifierParametres(b.contexte));
        return LecturePdf(essai::ecrireDocument(d, b, dossier_ / nom)).octets;
    }
    // Flux de contenu des pages du document écrit, mis bout à bout.
    static std::string contenus(const Document& d) {
        std::string tout;
        for (const std::string& c : LecturePdf(d.chemin).contenus()) tout += c;
        return tout;
    }

    essai::DossierEssai dossier_;
    Configuration preferences_;
};

TEST_F(FrisesEssai, gedcomReecritDepuisLImportAucuneFriseIndividuelle) {
    BaseEssai b(essai::gedcomDeLiens(11, kLiens, kDates), BaseEssai::GarderGedcom{});
    auto d = document<FriseIndividuelle>(b, FriseIndividuelle::kCodeIndividuelle, 1);
    EXPECT_TRUE(d->verifierParametres(b.contexte));
    std::ofstream(b.fichier->chemin(), std::ios::app) << "0 @I99@ INDI\n";
    EXPECT_FALSE(d->verifierParametres(b.contexte));
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(
        b.messages[0],
        "Le fichier Gedcom a été modifié.\nVous devez réouvrir ce fichier pour pouvoir générer une frise individuelle. "_1252);
}

TEST_F(FrisesEssai, frisesDesAscendantsUneParPersonneEmpileesOuUneParPage) {
    BaseEssai b(essai::gedcomDeLiens(11, kLiens, kDates), BaseEssai::GarderGedcom{});
    auto d = document<FriseIndividuelle>(b, FriseIndividuelle::kCodeAscendants, 1);
    EnsemblePersonnes coupes(b.base().nombreIndividus());
    coupes.ajouter(static_cast<std::uint32_t>(b.personne("P3")));
    d->valeur(kCoupesFrises) = coupes;
    const std::string pdf = ecrire(*d, b, "FI_ascendants.pdf");
    ASSERT_EQ(d->frises().size(), 4u);  // 1, 2, 4, 5 : la branche de 3 est retirée
    std::int32_t total = 0;
    for (const FriseIndividu& f : d->frises()) total += FriseIndividuelle::hauteurFrise(f);
    EXPECT_EQ(d->hauteur, total);  // « Non paginé » : l'une sous l'autre
    EXPECT_EQ(d->hauts()[1], d->hauteur - FriseIndividuelle::hauteurFrise(d->frises()[0]));
    essais::verifierAvecQpdf(pdf, "FI_ascendants.pdf");

    preferences_.formatPapier = 1707;  // A4 portrait : chaque frise commence une page
    auto p = document<FriseIndividuelle>(b, FriseIndividuelle::kCodeAscendants, 1);
    ecrire(*p, b, "FI_pages.pdf");
    const std::int32_t page = 13024;
    const std::int32_t marges = preferences_.margeHaut + preferences_.margeBas;
    EXPECT_EQ((p->hauteur + marges) % page, 0);
    for (std::int32_t haut : p->hauts()) EXPECT_EQ((haut + marges) % page, 0) << haut;
    EXPECT_EQ(LecturePdf(p->chemin).compter("/Type /Page\n"), 7u);  // sans coupe, 7 frises d'une page
}

TEST_F(FrisesEssai, friseIndividuelleDessineBandesMarquesEtAxe) {
    BaseEssai b(essai::gedcomDeLiens(11, kLiens, kDates), BaseEssai::GarderGedcom{});
    auto d = document<FriseIndividuelle>(b, FriseIndividuelle::kCodeIndividuelle, 1);
    const std::string pdf = ecrire(*d, b, "FI_N1.pdf");
    EXPECT_NE(pdf.find("/ShadingType 3\n"), std::string::npos);  // marques rondes
    const std::string c = contenus(*d);
    for (const char* t : {"(de N1 P1) Tj", "(Naissance de P9 N9) Tj", "(menuisier \\(sans date\\)) Tj", "(1910) Tj"})
        EXPECT_NE(c.find(t), std::string::npos) << t;
}

TEST_F(FrisesEssai, friseAscendanteUneRangeeParPersonneEtDatesInconnuesDites) {
    BaseEssai b(essai::gedcomDeLiens(11, kLiens, kDates));
    auto d = document<FriseLignees>(b, FriseLignees::kCodeAscendante, 1);
    const std::string pdf = ecrire(*d, b, "FA_N1.pdf");
    essais::verifierAvecQpdf(pdf, "FA_N1.pdf");
    ASSERT_EQ(d->generations().size(), 3u);
    EXPECT_EQ(d->generations()[2].size(), 4u);
    EXPECT_EQ(d->hauteur, 4 * 176 + 4 * 176 + 3 * 352 + 7 * 208);
    EXPECT_NE(contenus(*d).find("(G\xE9n\xE9ration 3) Tj"), std::string::npos);
    // « Limite la frise à N générations » : la racine compte pour une.
    for (auto [limite, generations] : {std::pair{1, 1u}, std::pair{2, 2u}}) {
        auto l = document<FriseLignees>(b, FriseLignees::kCodeAscendante, 1);
        l->valeur(kLimiteFrise) = static_cast<std::uint8_t>(limite);
        ecrire(*l, b, "FA_limite.pdf");
        EXPECT_EQ(l->generations().size(), generations) << limite;
    }
    // Une personne sans date ni parent ni enfant daté : pas de barre, et on le dit.
    auto seul = document<FriseLignees>(b, FriseLignees::kCodeDescendante, 8);
    ecrire(*seul, b, "FD_N8.pdf");
    EXPECT_NE(contenus(*seul).find("(P8 N8 \\(dates inconnues\\)) Tj"), std::string::npos);
    EXPECT_TRUE(seul->echelle().vide());
}

TEST_F(FrisesEssai, friseDesGenerationsLibellesEtCouleurs) {
    EXPECT_EQ(FriseGenerations::libelle(2, false, true), "2 ascendants *");
    BaseEssai b(essai::gedcomDeLiens(11, kLiens, kDates));
    auto asc = document<FriseGenerations>(b, FriseGenerations::kCodeAscendante, 1);
    essais::verifierAvecQpdf(ecrire(*asc, b, "FG_asc.pdf"), "FG_asc.pdf");
    ASSERT_EQ(asc->barres().size(), 3u);
    EXPECT_EQ(asc->barres()[2].vie.libelle, "4 ascendants");
    auto couple = document<FriseGenerations>(b, FriseGenerations::kCodeAscendanteFamiliale, 1, 11);
    ecrire(*couple, b, "FG_couple.pdf");
    ASSERT_EQ(couple->barres().size(), 4u);  // 1 et 11, puis les parents de 1, puis ses grands-parents
    EXPECT_EQ(couple->barres()[1].vie.categorie, CategorieFrise::Femme);
    auto desc = document<FriseGenerations>(b, FriseGenerations::kCodeDescendante, 1);
    desc->valeur(kConjointsGenerations) = std::uint8_t{1};
    ecrire(*desc, b, "FG_desc.pdf");
    ASSERT_EQ(desc->barres().size(), 2u);
    EXPECT_EQ(desc->barres()[0].vie.libelle, "2 descendants");  // 1 et son conjoint 11
}

TEST(CommandeFrises, lesFrisesDesAscendantsSurA4UneParPage) {
    const essai::CommandeEssai lancer(essai::gedcomDeLiens(11, kLiens, kDates));
    const std::string racine = "--racine @I1@ ";
    // Sur papier A4, une page par frise : 1, 2, 4 et 5, la branche de 3 coupée.
    const auto s = lancer("frises-ascendants", racine + "--coupe @I3@ --papier 'A4 paysage'" + lancer.sortie("p.pdf"));
    EXPECT_EQ(LecturePdf(lancer.dossier / "p.pdf").compter("/Type /Page\n"), 4u) << s.texte;
}

// Fichiers réels (sautés sans eux).
TEST(FrisesFichiersReels, generationsAscendantesDeVictoriaCompteesEtEtoilees) {
    FICHIER_REEL(royal, "porges-mdf/royal92.ged");
    auto d = royal.document<FriseGenerations>(FriseGenerations::kCodeAscendante, "@I1@");
    ASSERT_EQ(d->barres().size(), 73u);
    // L'étoile marque un implexe (moins de personnes que de chemins), à partir de la 13e génération.
    EXPECT_EQ(std::tuple(d->barres()[0].vie.libelle, d->barres()[11].vie.libelle, d->barres()[12].vie.libelle,
                         d->barres()[72].vie.libelle),
              std::tuple("1 ascendant", "8 ascendants", "8 ascendants *", "1 ascendant *"));
}

TEST(FrisesFichiersReels, bandesDAndrewJohnsonRelues) {
    FICHIER_REEL(pres, "dj-gedcom-samples/pres2020.ged");
    auto d = pres.document<FriseIndividuelle>(FriseIndividuelle::kCodeIndividuelle, "@I1450@");
    ASSERT_EQ(d->frises().size(), 1u);
    const FriseIndividu& f = d->frises()[0];
    ASSERT_EQ(f.nombreEvenements(kProfessions), 1u);
    EXPECT_EQ(f.bandes[kProfessions][0].libelle, "US President No. 17, National Union");
    EXPECT_EQ(f.bandes[kProfessions][0].debut.bas, NumeroJour(15, 4, 1865));
    ASSERT_EQ(f.nombreEvenements(kDomiciles), 5u);
    EXPECT_EQ(f.bandes[kDomiciles][2].libelle, "Greeneville, Greene, Tennessee, USA");
    EXPECT_EQ(f.bandes[kDomiciles][2].debut.bas, NumeroJour(1, 1, 1870));
    EXPECT_EQ(f.bandes[kPersonnels].back().libelle, "Enterrement");
    EXPECT_EQ(f.bandes[kPersonnels].back().debut.bas, NumeroJour(1, 1, 1875));
    // Joseph P. Kennedy : un baptême (BAPM) et une inhumation datée d'un mois (un jour inconnu
    // compte pour 31 en borne haute, qui passe au 1er décembre).
    auto k = pres.document<FriseIndividuelle>(FriseIndividuelle::kCodeIndividuelle, "@I1517@");
    const auto& p = k->frises()[0].bandes[kPersonnels];
    EXPECT_EQ(versUtf8(p[1].libelle), "Baptême");
    EXPECT_EQ(p[1].debut.bas, NumeroJour(9, 9, 1888));
    EXPECT_EQ(p.back().debut, IntervalleJours(NumeroJour(1, 11, 1969), NumeroJour(31, 11, 1969)));
}

TEST(FrisesFichiersReels, regenceDePhilippeDOrleansEntreDeuxAnnees) {
    FICHIER_REEL(bourbon, "dj-gedcom-samples/sample-bourbon/bourbon.ged");
    auto d = bourbon.document<FriseIndividuelle>(FriseIndividuelle::kCodeIndividuelle, "@I13@");
    const auto& professions = d->frises()[0].bandes[kProfessions];
    ASSERT_EQ(professions.size(), 1u);
    EXPECT_EQ(versUtf8(professions[0].libelle), "Régent");
    // « BET 2 SEP 1715 AND 16 FEB 1723 » : entre deux années, ponctuel, ramené à la fenêtre de vie
    // qui finit à sa mort, le 2 décembre 1723.
    EXPECT_EQ(professions[0].debut, IntervalleJours(NumeroJour(1, 1, 1715), NumeroJour(2, 12, 1723)));
    EXPECT_TRUE(professions[0].ponctuel());
}

}  // namespace
}  // namespace lignara
