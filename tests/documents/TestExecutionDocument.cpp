#include "documents/ExecutionDocument.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "BaseEssai.h"
#include "support/Message.h"
#include "commun/OperationImpossible.h"
#include "documents/NommageFichier.h"
#include "documents/ParametresCommuns.h"
#include "documents/ParametresLigneCommande.h"
#include "render/FichierSortie.h"
#include "reglages/DossierEssai.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using essai::BaseEssai;

// Type d'essai déclaré comme la liste ascendante (« Psb1L1 ») : deux options nommées, le
// format, les coupes ; son document écrit ses paramètres.
constexpr ParametreDeclare kAvecDates{.lettre = 'b', .controle = 2011, .libelle = "Avec les dates"};
constexpr ParametreDeclare kCoupesListe{.lettre = 'L', .role = RoleParametre::Coupes, .libelle = "Entrez les branches"};
constexpr ParametreDeclare kGenerations{
    .lettre = '1', .controle = 2060, .libelle = "Nombre de générations", .defaut = 5, .minimum = 1, .maximum = 99};
constexpr const ParametreDeclare* kParametresListe[] = {&kRacine, &kNomRacine,   &kAvecDates,
                                                        &kFormat, &kCoupesListe, &kGenerations};
constexpr std::uint8_t kTousFormats = OffrePdf | OffreTexte | OffreRtf | OffreWeb;
const Afficheur kListeEssai{12,
                            "Liste ascendante",
                            "LA_",
                            "liste-ascendante",
                            kParametresListe,
                            DemandeTete::Personne,
                            "DIALOG_LA_GENE,DIALOG_COUPE",
                            kTousFormats,
                            0,
                            13,
                            nullptr};
// Lien de parenté : une seconde personne et son nom.
constexpr const ParametreDeclare* kParametresLien[] = {&kRacine, &kNomRacine, &kSeconde, &kNomSeconde, &kGenerations};
const Afficheur kLienEssai{
    11, "Lien de parenté", "TP_", "lien-parente", kParametresLien, DemandeTete::Personne, "", OffrePdf, 0, 29, nullptr};

class DocumentEssai : public Document {
public:
    using Document::Document;
    int* preparations = nullptr;
    bool echoueEnCours = false;  // lève au milieu de l'écriture, comme un disque plein
    void preparer(const ContexteDocument&) override {
        if (preparations) ++*preparations;
    }
    void ecrire() override {
        FichierSortie f;
        if (!f.ouvrir(chemin)) throw OperationImpossible(f.message());
        f.flux() << "racine " << racine() << " dates " << int{octet(kAvecDates)} << " generations "
                 << int{octet(kGenerations)};
        if (echoueEnCours)
            throw OperationImpossible("Ecriture impossible dans le fichier\n" + chemin + "\nDisque plein");
        if (!f.fermer()) throw OperationImpossible(f.message());
    }
    std::size_t varianteCompteur() const override { return 1; }
};

const Afficheur& listeAscendante() { return kListeEssai; }

std::string contenu(const std::string& chemin) {
    std::ifstream in(chemin);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Favori du type d'essai sur cette personne, avec les dates, au format et aux générations donnés.
Favori favori(const BaseEssai& b, std::int32_t racine, const char* nom, std::uint8_t format, std::uint8_t generations) {
    Favori f;
    encoderParametres(
        f, SignatureParametres("Psb1L1"),
        {racine, std::string(nom), std::uint8_t{1}, format, EnsemblePersonnes(b.base().nombreIndividus()), generations},
        b.base());
    return f;
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

TEST(ExecutionDocument, favoriEcritLeFichierNommeParLaRacineEtCompteLaVariante) {
    Execution e;
    Favori f = favori(e.b, 3, "D'ARC", 1, 7);
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

TEST(ExecutionDocument, unDocumentQuiEchoueNeLaisseRienSousLeNomDeLUtilisateur) {
    for (bool imposee : {false, true}) {
        SCOPED_TRACE(imposee);
        Execution e;
        if (imposee) {
            e.reglages.sortieImposee = e.dossier / "ma-liste.txt";
            std::ofstream(e.reglages.sortieImposee) << "version précédente";
        }
        Favori f = favori(e.b, 3, "D'ARC", 1, 7);
        auto doc = std::make_unique<DocumentEssai>(listeAscendante());
        doc->echoueEnCours = true;
        ParametresFavori source(f, ModeFavori::Execution);
        EXPECT_THROW(executerDocument(std::move(doc), source, e.b.contexte, e.reglages), OperationImpossible);
        if (imposee) {
            EXPECT_EQ(e.dossier.noms(), std::vector<std::string>{"ma-liste.txt"});
            EXPECT_EQ(contenu(e.reglages.sortieImposee.string()), "version précédente");
        } else {
            EXPECT_TRUE(e.dossier.noms().empty());
        }
        EXPECT_EQ(e.compteurs, CompteursUsage{});
    }
}

// Message du refus, en UTF-8 ; vide si la demande passe.
std::string refus(Execution& e, DemandeDocument d, const Afficheur& type = listeAscendante()) {
    ParametresLigneCommande source(std::move(d), e.resolveur());
    DocumentEssai doc(type);
    doc.initialiserParametres(e.b.contexte);
    return versUtf8(essai::messageDe([&] { source.parametrer(doc, e.b.contexte); }));
}

TEST(ExecutionDocument, ligneDeCommandeRefuseEnDisantCeQuiEstValide) {
    Execution e;
    DemandeDocument d;
    d.racine = "Louise";
    d.options = {"Couleur=bleu"};
    EXPECT_EQ(refus(e, d),
              "Option inconnue : « Couleur ».\nOptions possibles : « Avec les dates », "
              "« Nombre de générations »");
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
    EXPECT_EQ(familial.personne(kConjoint), 1);  // son seul mari
    EXPECT_EQ(refus(e, d, kLienEssai), "Ce document demande une seconde personne : --seconde PERSONNE");
    d.seconde = "Marie";
    ParametresLigneCommande lien(d, e.resolveur());
    DocumentEssai tableau(kLienEssai);
    tableau.initialiserParametres(e.b.contexte);
    ASSERT_TRUE(lien.parametrer(tableau, e.b.contexte));
    EXPECT_EQ(tableau.personne(kSeconde), e.b.personne("Marie"));
}

}  // namespace
}  // namespace lignara
