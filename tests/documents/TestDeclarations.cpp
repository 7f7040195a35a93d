// Déclarations des types : la table, signatures des favoris rangés et codage de leurs paramètres, valeurs
// de départ, options de ligne de commande, pages d'options de la feuille.
#include <algorithm>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "BaseEssai.h"
#include "support/Message.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/Afficheur.h"
#include "documents/BlocParametres.h"
#include "documents/DocumentLigneCommande.h"
#include "documents/PagesOptions.h"
#include "documents/ParametresLigneCommande.h"
#include "documents/ReferencePersonne.h"
#include "documents/SourceParametres.h"
#include "documents/arbres/ArbreAscendant.h"
#include "support/Programme.h"

namespace lignara {
namespace {

using essai::BaseEssai;

// Ce que chaque ligne de la table doit tenir, sans en recopier les valeurs.
TEST(Afficheur, codesEtNomsUniquesTitresBornesEtPdfPourTous) {
    auto table = afficheurs();
    std::set<int> codes;
    std::set<std::string> lisibles;
    for (const Afficheur& a : table) {
        EXPECT_TRUE(codes.insert(a.code).second) << int(a.code);
        EXPECT_TRUE(lisibles.insert(a.nomLisible).second) << a.nomLisible;
        EXPECT_LE(a.titre1252().size(), Afficheur::kLongueurTitreMax) << a.titre;
        EXPECT_EQ(std::string(a.prefixe).size(), 3u);
        EXPECT_TRUE(a.offre(FormatSortie::Pdf)) << a.titre;
        EXPECT_LT(a.compteur, 44u);
    }
    EXPECT_EQ(codes.count(33), 0u);
}

TEST(Afficheur, designeUnTypeParCodeNomLisibleOuPrefixe) {
    auto parCode = chercherAfficheurs("38");
    ASSERT_EQ(parCode.size(), 1u);
    EXPECT_STREQ(parCode[0]->titre, "Arbre ascendant familial");
    auto parNom = chercherAfficheurs("liste-descendante");
    ASSERT_EQ(parNom.size(), 1u);
    EXPECT_EQ(parNom[0]->code, 15);
    // « AA_ » : l'arbre individuel et le familial ; « 33 » n'est pas un code.
    const std::pair<const char*, std::size_t> cas[] = {{"LD", 1}, {"ld_", 1}, {"AA_", 2},   {"TR", 3},
                                                       {"33", 0}, {"999", 0}, {"arbre", 0}, {"", 0}};
    for (const auto& [designation, nombre] : cas)
        EXPECT_EQ(chercherAfficheurs(designation).size(), nombre) << designation;
    EXPECT_THROW(typeDesigne("TR_"), OperationImpossible);  // trois trombinoscopes
}

TEST(CommandeDocument, listeUnTypeParLigne) {
    const essai::SortieProgramme s = essai::lancerProgramme("document --liste");
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(static_cast<std::size_t>(std::count(s.texte.begin(), s.texte.end(), '\n')), afficheurs().size());
    EXPECT_NE(s.texte.find("15  LD_  liste-descendante"), std::string::npos) << s.texte;
}

// Les signatures des favoris et des Perso.dwa déjà rangés : une lettre de plus, de moins ou
// déplacée les rendrait illisibles. Liste écrite ici, pas tirée de la table : « code signature »,
// dans l'ordre de la table.
constexpr const char* kSignaturesRangees =
    "1 Pss111bL1 38 PsPs111bL1 2 Psbbs11bL1 3 Psbs11bL1 39 PsPbs11bL1 41 Psb2s1L1 40 PsPb2s1L1 12 Psb1L1 "
    "15 Psbbb1L1L2 14 Psbb211 16 1bb 13 11 17 1bsbsbsbsbsb1DD1 42 Psbbbbb 43 PsbbbbbL1 44 PsbbbbbL1 "
    "51 Ps1 52 PsP1 53 Ps1 47 Ps 48 PsP 49 Psb 18 Ps1 19 Psb1b 55 Psb11 32 Psb21 54 Ps1111 35 Ps1b21 "
    "37 Ps1b21 36 Ps1b21 11 PsPs1 34 11 10 Psbbbb1 45 PsbbbbL11 46 PsbbbbL11 4 Psb12bb111 6 Psb12bb111 "
    "7 Psb12bb111 5 Psb12bb111 8 Ps2b2 9 Ps2b2 50 Ps 20 Ps1bb 22 Ps1bb 21 Ps1bb 23 Ps2b 25 Ps2b 24 Ps2b "
    "26 Psbbb 28 Psbbb 27 Psbbb 29 Psbbb 31 Psbbb 30 Psbbb";

TEST(Declarations, lesSignaturesTireesDesDeclarationsSontCellesDesFavorisRanges) {
    auto table = afficheurs();
    std::istringstream rangees(kSignaturesRangees);
    std::size_t i = 0;
    int code;
    for (std::string signature; rangees >> code >> signature; ++i) {
        ASSERT_LT(i, table.size());
        EXPECT_EQ(table[i].code, code) << i;
        EXPECT_EQ(table[i].signature(), signature) << table[i].titre;
        EXPECT_EQ(table[i].parametres.size(), SignatureParametres(table[i].signature()).nombre()) << table[i].titre;
    }
    EXPECT_EQ(i, table.size());
}

// Un favori rangé avant les déclarations : ses octets, écrits ici à la main, se lisent sur les
// paramètres déclarés de l'arbre ascendant individuel.
TEST(Declarations, unFavoriRangeSeLitSurLesParametresDeclares) {
    BaseEssai b(essai::kFamilleEssai);
    Favori f;
    const std::string octets = std::string("DUPONT\x1FJEAN", 11) + '\0' + "\x03\x03\x3A\x07" +  // racine
                               "DUPONT" + '\0' + "Si\350cles" + '\0' +                          // nom, fond de page
                               "\x03\x01\x0A" + '\0' +  // Web, couple, critère 10, élagage
                               "\xFF\x06";              // coupes vides, 6 générations
    f.parametres.assign(octets.begin(), octets.end());
    ArbreAscendant d(*afficheurDeCode(1));
    d.initialiserParametres(b.contexte);
    ASSERT_TRUE(ParametresFavori(f, ModeFavori::Execution).parametrer(d, b.contexte));
    EXPECT_EQ(d.racine(), 1);
    EXPECT_EQ(d.nomRacine(), "DUPONT");
    EXPECT_EQ(d.texte(kFondDePage), "Si\350cles");
    EXPECT_EQ(d.format, FormatSortie::Web);
    EXPECT_EQ(d.octet(kStyleAscendant), 1);
    EXPECT_EQ(d.octet(d.critere()), 10);
    EXPECT_EQ(d.octet(kSuppressionNonColorees), 0);
    EXPECT_EQ(d.ensemble(kCoupesArbre)->nombre(), 0u);
    EXPECT_EQ(d.octet(kLimiteGenerations), 6);
    // Et le recodage rend les mêmes octets.
    Favori recode;
    encoderParametres(recode, d.signature(), d.parametres, b.base());
    EXPECT_EQ(recode.parametres, f.parametres);

    // Coupé après le style, relu pour modification dans un document neuf : ce qui manque garde
    // sa valeur de départ déclarée.
    Favori tronque = f;
    tronque.parametres.resize(33);
    ArbreAscendant m(*afficheurDeCode(1));
    ASSERT_TRUE(ParametresFavori(tronque, ModeFavori::Modification).parametrer(m, b.contexte));
    EXPECT_EQ(m.octet(kStyleAscendant), 1);
    EXPECT_EQ(m.octet(m.critere()), ColorationAucune);
    EXPECT_EQ(m.octet(kSuppressionNonColorees), 1);
}

TEST(Declarations, lesOptionsDeLaLigneDeCommandeSontTireesDesDeclarations) {
    std::vector<std::string> libelles;
    for (const OptionDocument& o : optionsDuType(*afficheurDeCode(38))) libelles.push_back(o.libelle);
    EXPECT_EQ(libelles, (std::vector<std::string>{"Fond de page", "Style", "Critère de coloration",
                                                  "Suppression des branches non colorées",
                                                  "Couper toutes les branches au-delà de"}));

    BaseEssai b(essai::kFamilleEssai);
    DemandeDocument demande;
    demande.racine = "Louise";
    demande.options = {"Critère de coloration=Pays", "Critère de coloration=(aucun)", "Fond de page=(aucun)",
                       "Style=classique", "Couper toutes les branches au-delà de=0"};
    ParametresLigneCommande source(demande, [&b](const std::string& t) { return b.personne(t); });
    ArbreAscendant d(*afficheurDeCode(1));
    d.initialiserParametres(b.contexte);
    d.valeur(kStyleAscendant) = std::uint8_t{1};
    d.valeur(kLimiteGenerations) = std::uint8_t{3};
    ASSERT_TRUE(source.parametrer(d, b.contexte));
    EXPECT_EQ(d.octet(d.critere()), ColorationAucune);  // la dernière option l'emporte
    EXPECT_EQ(d.texte(kFondDePage), "(aucun)");         // le nom de l'entrée 0 des chronologies
    EXPECT_EQ(d.octet(kStyleAscendant), 0);
    EXPECT_EQ(d.octet(kLimiteGenerations), 0);

    demande.options = {"Critère de coloration=Branche (génération 1)"};  // du familial seulement
    ParametresLigneCommande refusee(demande, [&b](const std::string& t) { return b.personne(t); });
    const std::string message = versUtf8(essai::messageDe([&] { refusee.parametrer(d, b.contexte); }));
    EXPECT_TRUE(
        message.starts_with("Valeur inconnue pour « Critère de coloration » : « Branche (génération 1) ».\n"
                            "Valeurs possibles : (aucun), Pays, "))
        << message;
}

TEST(BlocParametres, codeChaqueLettreSurSesOctets) {
    BaseEssai b(essai::kFamilleEssai);
    SignatureParametres s("xP2D4Lb");
    EnsemblePersonnes vide(b.base().nombreIndividus());
    ParametresDocument v = {
        std::int32_t{-1}, std::uint16_t{0x1234}, DateParametre{31, 12, 0x0765}, std::uint32_t{0x01020304}, vide,
        std::uint8_t{1}};
    Favori f;
    encoderParametres(f, s, v, b.base());
    std::vector<std::uint8_t> attendu = {255, 0x34, 0x12, 31, 12, 0x65, 0x07, 4, 3, 2, 1, 255, 1};
    EXPECT_EQ(f.parametres, attendu);  // « x » ne prend rien ; liste vide = 255 seul
    ParametresDocument relues;
    decoderParametres(f, ModeFavori::Execution, s, relues, b.contexte);
    EXPECT_EQ(std::get<std::int32_t>(relues[0]), 0);
    EXPECT_EQ(std::get<EnsemblePersonnes>(relues[4]).nombre(), 0u);
}

// Chaque écriture vérifie la place qui reste : 2000 octets tiennent juste, un de plus vide le favori.
TEST(BlocParametres, bornesDePlaceDesTextesEntiersEtListes) {
    BaseEssai b(essai::kFamilleEssai);
    Favori f;
    // 1998 octets de texte (1997 + 0) puis un mot de 16 bits : tient exactement.
    ParametresDocument v = {std::string(1997, 'a'), std::uint16_t{7}};
    encoderParametres(f, SignatureParametres("s2"), v, b.base());
    EXPECT_EQ(f.parametres.size(), 2000u);
    v = {std::string(1997, 'a'), std::uint32_t{7}};
    EXPECT_EQ(essai::messageDe([&] { encoderParametres(f, SignatureParametres("s4"), v, b.base()); }),
              "Le favori contient trop de param\xE8tres");
    EXPECT_TRUE(f.parametres.empty());
    EnsemblePersonnes l(b.base().nombreIndividus());
    l.ajouter(1);
    v = {std::string(1985, 'a'), l};  // 1986 + référence de 17 octets : déborde
    EXPECT_THROW(encoderParametres(f, SignatureParametres("sL"), v, b.base()), OperationImpossible);
}

// La référence d'une personne sans naissance a une date nulle et la retrouve parmi les sans-date ;
// aucune personne (0, ou hors de la base) s'écrit 255.
TEST(BlocParametres, referenceSansNaissanceOuSansPersonne) {
    BaseEssai b(essai::kFamilleEssai);
    ReferencePersonne ref = ReferencePersonne::de(b.base(), 4);
    const std::vector<std::uint8_t> octets = ref.octets();
    EXPECT_EQ(std::vector<std::uint8_t>(octets.end() - 4, octets.end()), std::vector<std::uint8_t>(4, 0));
    EXPECT_EQ(ref.trouver(b.contexte), 4);
    ref.annee = 1850;
    ref.jour = ref.mois = 3;
    EXPECT_EQ(ref.trouver(b.contexte), 1);
    ref.jour = 0;
    EXPECT_EQ(ref.trouver(b.contexte), -1);
    EXPECT_EQ(ReferencePersonne::de(b.base(), 0).octets(), std::vector<std::uint8_t>{255});
    EXPECT_EQ(ReferencePersonne::de(b.base(), 99).octets(), std::vector<std::uint8_t>{255});
}

TEST(BlocParametres, blocTronqueAChaqueLongueurEchoueProprement) {
    BaseEssai b(essai::kFamilleEssai);
    const SignatureParametres s("Ps12D4Lb");  // chaque sorte de paramètre
    EnsemblePersonnes l(b.base().nombreIndividus());
    l.ajouter(4);
    const ParametresDocument valeurs = {std::int32_t{3},
                                        std::string("texte \xE9"),
                                        std::uint8_t{201},
                                        std::uint16_t{40000},
                                        DateParametre{2, 7, 1702},
                                        std::uint32_t{3000000000u},
                                        l,
                                        std::uint8_t{1}};
    Favori complet;
    encoderParametres(complet, s, valeurs, b.base());
    ASSERT_GT(complet.parametres.size(), 40u);
    for (std::size_t n = 0; n < complet.parametres.size(); ++n) {
        Favori f = complet;
        f.parametres.resize(n);
        ParametresDocument v;
        EXPECT_THROW(decoderParametres(f, ModeFavori::Execution, s, v, b.contexte), OperationImpossible) << n;
        EXPECT_NO_THROW(decoderParametres(f, ModeFavori::Modification, s, v, b.contexte)) << n;
        EXPECT_TRUE(s.accepte(v));
    }
    Favori trop = complet;
    trop.parametres.resize(2001, 1);
    ParametresDocument v;
    EXPECT_THROW(decoderParametres(trop, ModeFavori::Execution, s, v, b.contexte), OperationImpossible);
}

TEST(BlocParametres, octetsAuHasardNeLisentJamaisHorsDuBloc) {
    BaseEssai b(essai::kFamilleEssai);
    std::mt19937 alea(20261206);
    for (int essai = 0; essai < 2000; ++essai) {
        Favori f;
        f.parametres.resize(alea() % 60);
        for (auto& o : f.parametres) o = static_cast<std::uint8_t>(alea() % 4 == 0 ? 255 : alea());
        const Afficheur& a = afficheurs()[alea() % afficheurs().size()];
        ParametresDocument v;
        try {
            decoderParametres(f, ModeFavori::Execution, SignatureParametres(a.signature()), v, b.contexte);
        } catch (const OperationImpossible&) {
        }
        EXPECT_TRUE(SignatureParametres(a.signature()).accepte(v));
    }
}

// Document de l'arbre ascendant sans mise en page : seuls ses paramètres comptent ici.
class ArbreEssai : public Document {
public:
    using Document::Document;
    void preparer(const ContexteDocument&) override {}
    void ecrire() override {}
};

const ParametreDeclare& critereDe(const Document& d) {
    return d.type().code == 38 ? kCritereColoration<SorteArbreChromatique::AscendantFamilial>
                               : kCritereColoration<SorteArbreChromatique::AscendantIndividuel>;
}

struct Feuille : ::testing::Test {
    BaseEssai b{essai::kFamilleEssai};
    ArbreEssai individuel{*afficheurDeCode(1)};
    ArbreEssai familial{*afficheurDeCode(38)};
    void SetUp() override {
        for (ArbreEssai* a : {&individuel, &familial}) a->initialiserParametres(b.contexte);
    }
};

TEST_F(Feuille, lesOptionsDesDeuxVariantesPassentParLesMemesEmplacements) {
    EXPECT_EQ(titreFeuille(*afficheurDeCode(38)), "Arbre ascendant");
    for (ArbreEssai* a : {&individuel, &familial}) {
        a->valeur(kFondDePage) = std::string("Siècles"_1252);
        a->valeur(kFormat) = std::uint8_t{3};
        a->valeur(kStyleAscendant) = std::uint8_t{1};
        a->valeur(critereDe(*a)) = std::uint8_t{11};
        a->valeur(kLimiteGenerations) = std::uint8_t{7};
        ParametresDocument avant = a->parametres;
        EmplacementsOptions e = versEmplacements(*a);
        EXPECT_EQ(e.textes[controle::kFondDePage], "Siècles"_1252);
        std::vector<std::int64_t> valeurs;
        for (int c : {controle::kChronologique, controle::kFormat, controle::kGroupe1, controle::kChromatique,
                      controle::kCritere, controle::kSuppressionNonColorees})
            valeurs.push_back(e.valeurs[c]);
        EXPECT_EQ(valeurs, (std::vector<std::int64_t>{1, 3, 1, 1, 11, 1}));
        EXPECT_TRUE(e.avecCoupes);
        EXPECT_EQ(e.generations, 7);
        depuisEmplacements(e, *a, b.base().nombreIndividus());
        EXPECT_EQ(a->parametres, avant) << a->type().titre;
        EXPECT_EQ(a->format, FormatSortie::Web);
    }
}

TEST_F(Feuille, lesCasesDecocheesEffacentFondDePageEtCritere) {
    EmplacementsOptions e = versEmplacements(individuel);
    EXPECT_EQ(e.valeurs[controle::kChronologique], 0);
    EXPECT_EQ(e.valeurs[controle::kChromatique], 0);
    e.textes[controle::kFondDePage] = "France";
    e.valeurs[controle::kCritere] = 10;
    depuisEmplacements(e, individuel, b.base().nombreIndividus());
    EXPECT_EQ(individuel.texte(kFondDePage), "");
    EXPECT_EQ(individuel.octet(critereDe(individuel)), ColorationAucune);

    e.valeurs[controle::kChronologique] = 1;
    e.valeurs[controle::kChromatique] = 1;
    depuisEmplacements(e, individuel, b.base().nombreIndividus());
    EXPECT_EQ(individuel.texte(kFondDePage), "France");
    EXPECT_EQ(individuel.octet(critereDe(individuel)), 10);
}

TEST_F(Feuille, unFormatNonOffertRetombeSurLePdf) {
    EmplacementsOptions e = versEmplacements(individuel);
    e.valeurs[controle::kFormat] = 1;  // Texte : l'arbre ne l'offre pas
    depuisEmplacements(e, individuel, b.base().nombreIndividus());
    EXPECT_EQ(individuel.octet(kFormat), 0);
    EXPECT_EQ(individuel.format, FormatSortie::Pdf);
}

TEST_F(Feuille, lesCoupesPassentDeLEnsembleALaListeEtRetour) {
    EnsemblePersonnes coupees(b.base().nombreIndividus());
    coupees.ajouter(5);
    coupees.ajouter(2);
    familial.valeur(kCoupesArbre) = coupees;
    EmplacementsOptions e = versEmplacements(familial);
    ASSERT_EQ(e.coupes.personnes(), (std::vector<std::uint32_t>{2, 5}));
    e.coupes.supprimer(0);
    e.coupes.ajouter(3);
    e.generations = 150;
    depuisEmplacements(e, familial, b.base().nombreIndividus());
    const EnsemblePersonnes* apres = familial.ensemble(kCoupesArbre);
    ASSERT_NE(apres, nullptr);
    EXPECT_FALSE(apres->contient(2));
    EXPECT_TRUE(apres->contient(3));
    EXPECT_TRUE(apres->contient(5));
    EXPECT_EQ(familial.octet(kLimiteGenerations), ListeCoupes::kGenerationsMax);
}

// Un type à trois pages : chaque contrôle va sur la page de son rang, les onglets prennent le
// titre que la ligne leur donne, la page « Coupes » reste à part.
constexpr ParametreDeclare kCaseEssai{.lettre = 'b', .controle = 2011, .libelle = "Avec les dates"};
constexpr ParametreDeclare kDateEssai{.lettre = 'D', .controle = 2003, .libelle = "Né après le", .page = 2};
constexpr ParametreDeclare kLieuEssai{.lettre = 's', .controle = 2004, .libelle = "Lieu", .page = 2};
constexpr const ParametreDeclare* kParametresEssai[] = {&kRacine,    &kNomRacine,   &kCaseEssai,        &kDateEssai,
                                                        &kLieuEssai, &kCoupesArbre, &kLimiteGenerations};
const Afficheur kTypeEssai{200,
                           "Essai",
                           "ES_",
                           "essai",
                           kParametresEssai,
                           DemandeTete::Personne,
                           "DIALOG_ES_GENE,DIALOG_COUPE,DIALOG_ES_DATES:Dates",
                           OffrePdf,
                           0,
                           0,
                           nullptr};

TEST(PagesOptions, chaqueControleVaSurLaPageDeSonRang) {
    EXPECT_EQ(kTypeEssai.signature(), "PsbDsL1");
    auto pages = pagesOptions(kTypeEssai);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].onglet, "Général");
    ASSERT_EQ(pages[0].controles.size(), 1u);
    EXPECT_EQ(pages[0].controles[0], &kCaseEssai);
    EXPECT_EQ(pages[1].modele, "DIALOG_ES_DATES");
    EXPECT_EQ(pages[1].onglet, "Dates");
    EXPECT_EQ(pages[1].controles, (std::vector<const ParametreDeclare*>{&kDateEssai, &kLieuEssai}));
    EXPECT_TRUE(aPageCoupes(kTypeEssai));

    BaseEssai b{essai::kFamilleEssai};
    ArbreEssai d{kTypeEssai};
    d.initialiserParametres(b.contexte);
    d.valeur(kDateEssai) = DateParametre{0, 3, 1850};
    EmplacementsOptions e = versEmplacements(d);
    EXPECT_EQ(e.textes[2003], "03/1850");
    e.textes[2003] = "12/1851";
    e.textes[2004] = "Lyon";
    e.valeurs[2011] = 1;
    depuisEmplacements(e, d, b.base().nombreIndividus());
    EXPECT_EQ(std::get<DateParametre>(d.valeur(kDateEssai)), (DateParametre{0, 12, 1851}));
    EXPECT_EQ(d.texte(kLieuEssai), "Lyon");
    EXPECT_EQ(d.octet(kCaseEssai), 1);
    e.textes[2003] = "32/13/1851";  // refusée par la page : l'ancienne date reste
    depuisEmplacements(e, d, b.base().nombreIndividus());
    EXPECT_EQ(std::get<DateParametre>(d.valeur(kDateEssai)), (DateParametre{0, 12, 1851}));
}

}  // namespace
}  // namespace lignara
