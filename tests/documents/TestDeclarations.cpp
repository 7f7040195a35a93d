// Déclarations des types : signatures des favoris rangés, valeurs de départ, options de ligne de commande.
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
#include "documents/ParametresLigneCommande.h"
#include "documents/SourceParametres.h"
#include "documents/arbres/ArbreAscendant.h"

namespace lignara {
namespace {

using essai::BaseEssai;

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

// Une option de date, que l'arbre n'a pas : le type d'essai la déclare.
constexpr ParametreDeclare kNeApres{.lettre = 'D', .controle = 2003, .libelle = "Né après le"};
constexpr const ParametreDeclare* kParametresDate[] = {&kNeApres};
const Afficheur kTypeDate{201,         "Essai",  "ES_", "essai", kParametresDate, DemandeTete::Aucune,
                          "DIALOG_ES", OffrePdf, 0,     0,       nullptr};

class DocumentDate : public Document {
public:
    using Document::Document;
    void preparer(const ContexteDocument&) override {}
    void ecrire() override {}
};

TEST(Declarations, uneOptionDeDateSeSaisitCommeDansLaFeuille) {
    BaseEssai b(essai::kFamilleEssai);
    auto parametrer = [&b](const std::string& option) {
        DemandeDocument demande;
        demande.options = {option};
        ParametresLigneCommande source(demande, [](const std::string&) { return 0; });
        DocumentDate d(kTypeDate);
        d.initialiserParametres(b.contexte);
        source.parametrer(d, b.contexte);
        return std::get<DateParametre>(d.valeur(kNeApres));
    };
    EXPECT_EQ(parametrer("Né après le=03/1850"), (DateParametre{0, 3, 1850}));
    EXPECT_EQ(parametrer("Né après le=12/03/1850"), (DateParametre{12, 3, 1850}));
    EXPECT_THROW(parametrer("Né après le=31/13/1850"), OperationImpossible);
}

}  // namespace
}  // namespace lignara
