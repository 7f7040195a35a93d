#include "documents/ExecutionDocument.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "BaseEssai.h"
#include "commun/OperationImpossible.h"
#include "documents/NommageFichier.h"
#include "documents/ParametresLigneCommande.h"
#include "reglages/DossierEssai.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::BaseEssai;

// Document d'essai sur la ligne de la liste ascendante (« Psb1L1 ») : écrit ses paramètres.
// Le paramètre 3 porte le format ; deux options nommées.
class DocumentEssai : public Document {
public:
    using Document::Document;
    int* preparations = nullptr;
    std::vector<OptionDocument> options() const override {
        OptionDocument avecDates{"Avec les dates", 2, OptionDocument::Genre::OuiNon, {}, 0, 1, 0, {}};
        OptionDocument generations{"Nombre de générations", 5, OptionDocument::Genre::Nombre, {}, 1, 99, 0, {}};
        return {avecDates, generations};
    }
    int parametreFormat() const override { return 3; }
    void preparer(const ContexteDocument&) override {
        if (preparations) ++*preparations;
    }
    void ecrire() override {
        std::FILE* f = ouvrirFichierDocument(*this);
        std::fprintf(f, "racine %d dates %d generations %d", racine(), std::get<std::uint8_t>(parametres[2]),
                     std::get<std::uint8_t>(parametres[5]));
        std::fclose(f);
    }
    std::size_t varianteCompteur() const override { return 1; }
};

const Afficheur& listeAscendante() { return *afficheurDeCode(12); }

std::string contenu(const std::string& chemin) {
    std::ifstream in(chemin);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Execution {
    BaseEssai b{essai::kFamilleEssai};
    essai::DossierEssai dossier;
    CompteursUsage compteurs;
    ReglagesExecution reglages;
    Execution() {
        reglages.dossierSortie = dossier.chemin();
        reglages.visualiser = false;
        reglages.compteurs = &compteurs;
    }
    ResolveurPersonne resolveur() {
        return [this](const std::string& t) {
            std::int32_t p = b.personne(t);
            if (p == 0) throw OperationImpossible("introuvable");
            return p;
        };
    }
};

TEST(ExecutionDocument, unTypeSansMiseEnPageNEstPasDisponible) {
    Execution e;
    FavoriBrut f;
    ParametresFavori source(f, ModeFavori::Execution);
    for (const Afficheur& a : afficheurs()) {
        if (a.disponible()) continue;
        try {
            executer(a, source, e.b.contexte, e.reglages);
            FAIL();
        } catch (const OperationImpossible& ex) {
            EXPECT_STREQ(ex.what(), "Ce document n'est pas encore disponible");
        }
    }
}

TEST(ExecutionDocument, favoriEcritLeFichierNommeParLaRacineEtCompteLaVariante) {
    Execution e;
    FavoriBrut f;
    EnsemblePersonnes coupes(e.b.base().nombreIndividus());
    encoderParametres(f, SignatureParametres("Psb1L1"),
                      {std::int32_t{3}, std::string("D'ARC"), std::uint8_t{1}, std::uint8_t{1}, coupes, std::uint8_t{7}},
                      e.b.base());
    int preparations = 0;
    auto doc = std::make_unique<DocumentEssai>(listeAscendante());
    doc->preparations = &preparations;
    ParametresFavori source(f, ModeFavori::Execution);
    auto chemin = executerDocument(std::move(doc), source, e.b.contexte, e.reglages);
    ASSERT_TRUE(chemin);
    EXPECT_EQ(fs::path(*chemin).filename(), "LA_D-ARC.txt");  // format 1 : texte
    EXPECT_EQ(contenu(*chemin), "racine 3 dates 1 generations 7");
    EXPECT_EQ(preparations, 1);
    EXPECT_EQ(e.compteurs.compteurs[listeAscendante().compteur + 1], 1);
}

TEST(ExecutionDocument, racineRangeeCommeAucuneNeProduitRien) {
    Execution e;
    FavoriBrut f;
    f.parametres = {255, 'X', 0, 0, 0, 255, 0};
    int preparations = 0;
    auto doc = std::make_unique<DocumentEssai>(listeAscendante());
    doc->preparations = &preparations;
    ParametresFavori source(f, ModeFavori::Execution);
    EXPECT_FALSE(executerDocument(std::move(doc), source, e.b.contexte, e.reglages));
    EXPECT_EQ(preparations, 0);
    EXPECT_TRUE(e.dossier.noms().empty());
    EXPECT_EQ(e.compteurs, CompteursUsage{});
}

TEST(ExecutionDocument, ligneDeCommandeRemplitRacineNomFormatOptionsEtCoupes) {
    Execution e;
    DemandeDocument d;
    d.racine = "Louise";
    d.format = FormatSortie::Web;
    d.options = {"Avec les dates=oui", "Nombre de générations:=12"};
    d.coupes = {"Marie"};
    ParametresLigneCommande source(d, e.resolveur());
    DocumentEssai doc(listeAscendante());
    doc.initialiserParametres(e.b.contexte);
    ASSERT_TRUE(source.parametrer(doc, e.b.contexte));
    EXPECT_EQ(doc.racine(), e.b.personne("Louise"));
    EXPECT_EQ(doc.nomRacine(), "DUPONT");
    EXPECT_EQ(doc.format, FormatSortie::Web);
    EXPECT_EQ(std::get<std::uint8_t>(doc.parametres[2]), 1);
    EXPECT_EQ(std::get<std::uint8_t>(doc.parametres[5]), 12);
    EXPECT_TRUE(std::get<EnsemblePersonnes>(doc.parametres[4]).contient(std::uint32_t(e.b.personne("Marie"))));
}

std::string refus(Execution& e, DemandeDocument d, const Afficheur& type = listeAscendante()) {
    ParametresLigneCommande source(std::move(d), e.resolveur());
    DocumentEssai doc(type);
    doc.initialiserParametres(e.b.contexte);
    try {
        source.parametrer(doc, e.b.contexte);
    } catch (const OperationImpossible& ex) {
        return versUtf8(ex.what());
    }
    return "accepté";
}

TEST(ExecutionDocument, ligneDeCommandeRefuseEnDisantCeQuiEstValide) {
    Execution e;
    DemandeDocument d;
    d.racine = "Louise";
    d.options = {"Couleur=bleu"};
    EXPECT_EQ(refus(e, d), "Option inconnue : « Couleur ».\nOptions possibles : « Avec les dates », "
                           "« Nombre de générations »");
    d.options = {"Avec les dates=peut-être"};
    EXPECT_EQ(refus(e, d), "Valeur inconnue pour « Avec les dates » : « peut-être ».\nValeurs possibles : oui, non");
    d.options = {"Nombre de générations=100"};
    EXPECT_EQ(refus(e, d), "Valeur incorrecte pour « Nombre de générations » : « 100 ».\nNombre de 1 à 99");
    d.options.clear();
    d.format = FormatSortie::Rtf;
    EXPECT_EQ(refus(e, d, *afficheurDeCode(15)),
              "Format non offert par ce document. Formats possibles : pdf, texte, web");
    d.format.reset();
    d.racine.clear();
    EXPECT_EQ(refus(e, d), "Ce document demande une personne : --racine PERSONNE");
    d.racine = "Louise";
    d.conjoint = "Marie";
    EXPECT_EQ(refus(e, d), "Seuls les documents familiaux prennent --conjoint, et le lien de parenté --seconde");
    d.conjoint.clear();
    d.coupes = {"Marie"};
    EXPECT_EQ(refus(e, d, *afficheurDeCode(14)), "Ce document n'a pas de coupes de branches");
}

TEST(ExecutionDocument, conjointUniqueChoisiSeulEtSecondePersonneExigee) {
    Execution e;
    DemandeDocument d;
    d.racine = "Marie";
    ParametresLigneCommande source(d, e.resolveur());
    DocumentEssai familial(*afficheurDeCode(38));  // « PsPs111bL1 »
    familial.initialiserParametres(e.b.contexte);
    ASSERT_TRUE(source.parametrer(familial, e.b.contexte));
    EXPECT_EQ(std::get<std::int32_t>(familial.parametres[2]), 1);  // son seul mari
    EXPECT_EQ(refus(e, d, *afficheurDeCode(11)), "Ce document demande une seconde personne : --seconde PERSONNE");
}

// Dialogues d'essai : changent la racine, ou sont annulés.
class DialoguesEssai : public SourceParametres {
public:
    std::int32_t nouvelleRacine = 0;  // 0 : annulés
    std::int32_t racineRecue = -1;
    bool parametrer(Document& d, const ContexteDocument&) override {
        racineRecue = std::get<std::int32_t>(d.parametres[0]);
        if (nouvelleRacine == 0) return false;
        d.parametres[0] = nouvelleRacine;
        return true;
    }
};

TEST(ExecutionDocument, modificationDUnFavoriRedemandeLaPersonnePerdueEtRecode) {
    Execution e;
    FavoriBrut f;
    EnsemblePersonnes coupes(e.b.base().nombreIndividus());
    encoderParametres(f, SignatureParametres("Psb1L1"),
                      {std::int32_t{5}, std::string("DUPONT"), std::uint8_t{1}, std::uint8_t{0}, coupes, std::uint8_t{4}},
                      e.b.base());
    f.parametres[5] = 'X';  // « DUPONT·LOUISE » n'est plus dans la base
    const auto abime = f.parametres;
    DialoguesEssai dialogues;
    DocumentEssai annule(listeAscendante());
    EXPECT_FALSE(modifierParametresFavori(f, annule, dialogues, e.b.contexte));
    EXPECT_EQ(dialogues.racineRecue, 0);  // le dialogue redemande la personne
    EXPECT_EQ(f.parametres, abime);       // annulé : rien ne change
    dialogues.nouvelleRacine = 3;
    DocumentEssai doc(listeAscendante());
    ASSERT_TRUE(modifierParametresFavori(f, doc, dialogues, e.b.contexte));
    DocumentEssai relu(listeAscendante());
    relu.initialiserParametres(e.b.contexte);
    ASSERT_TRUE(ParametresFavori(f, ModeFavori::Execution).parametrer(relu, e.b.contexte));
    EXPECT_EQ(relu.racine(), 3);
    EXPECT_EQ(std::get<std::uint8_t>(relu.parametres[5]), 4);  // les autres paramètres sont gardés
}

}  // namespace
}  // namespace lignara
