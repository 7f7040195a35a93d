// La mise en route commune à la fenêtre et à la ligne de commande : contexte, destination, comptes ;
// un favori lancé sans dialogue, et l'édition de ses paramètres après le dialogue « Favori » ;
// l'exécution d'un document et les refus de la ligne de commande.
#include "documents/MiseEnRoute.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "BaseEssai.h"
#include "GenealogieArbre.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/ExecutionDocument.h"
#include "documents/ExecutionFavori.h"
#include "documents/NommageFichier.h"
#include "documents/ParametresCommuns.h"
#include "documents/ParametresLigneCommande.h"
#include "documents/PoliceAuHasard.h"
#include "render/FichierSortie.h"
#include "render/pdf/ObjetPdfPolice.h"
#include "reglages/DossierEssai.h"
#include "render/PoliceFamille.h"
#include "support/Message.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::DossierEssai;

std::vector<std::uint8_t> octetsDe(const std::filesystem::path& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

// Source qui compte ses appels ; elle peut gonfler le nom de la tête pour faire déborder le bloc.
struct SourceEssai : SourceParametres {
    int* appels;
    bool reussite;
    std::size_t texte;
    SourceEssai(int* a, bool r, std::size_t t) : appels(a), reussite(r), texte(t) {}
    bool parametrer(Document& document, const ContexteDocument&) override {
        ++*appels;
        document.parametres[0] = std::int32_t{1};
        if (texte) document.parametres[1] = std::string(texte, 'x');
        return reussite;
    }
};

struct MiseEnRouteEssai : ::testing::Test {
    DossierEssai dossier;
    FichierOuvert fichier{dossier / "configuration", dossier / "temporaire"};
    Configuration preferences;
    CompteursUsage compteurs;
    std::vector<std::string> messages;
    std::vector<bool> attentes;
    ReglagesMiseEnRoute reglages;
    int appels = 0;

    void SetUp() override {
        setenv("LIGNARA_DONNEES", LIGNARA_DOSSIER_DONNEES, 1);  // chronologies livrées
        setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
        for (const char* d : {"configuration", "temporaire", "sortie"})
            std::filesystem::create_directories(dossier / d);
        // 1 né en 1900, fils de 2 et 3 ; 4 seul et sans date.
        std::ofstream(dossier / "sosa.ged") << essai::gedcomDeLiens(4, {{1, 2, 3}}, {{1, {"1900", ""}}});
        ouvrir();
        preferences.afficheurs = {"true", "true", "true", "true"};
        reglages.messages = [this](const std::string& m) { messages.push_back(m); };
        reglages.curseurAttente = [this](bool enAttente) { attentes.push_back(enAttente); };
        reglages.dossierSortie = dossier / "sortie";
        reglages.visualiser = false;
        reglages.compteurs = &compteurs;
    }
    void TearDown() override {
        PoliceFamille::liberer();
        unsetenv("LIGNARA_DONNEES");
        unsetenv("SOURCE_DATE_EPOCH");
    }
    void ouvrir() {
        OptionsOuverture options;
        options.surveiller = false;
        fichier.ouvrir(dossier / "sosa.ged", options);
    }
    // Paramètres de la ligne de commande : cette racine (« P1 » : la personne 1) et ces options.
    SourcePourContexte ligne(const std::string& racine, const std::vector<std::string>& options = {}) {
        return [racine, options](const ContexteDocument&) {
            DemandeDocument demande;
            demande.racine = racine;
            demande.options = options;
            return std::make_unique<ParametresLigneCommande>(
                demande, [](const std::string& d) { return static_cast<std::int32_t>(d[1] - '0'); });
        };
    }
    SourcePourContexte essai(bool reussite, std::size_t texte = 0) {
        return [this, reussite, texte](const ContexteDocument&) {
            return std::make_unique<SourceEssai>(&appels, reussite, texte);
        };
    }
    // Arbre ascendant de P1 par la ligne de commande, avec ces options.
    std::optional<std::string> lancer(const std::vector<std::string>& options = {}) {
        const SourcePourContexte source = ligne("P1", options);
        return mettreEnRoute(*afficheurDeCode(1), fichier, preferences, reglages, [&](const ContexteDocument& c) {
            EXPECT_EQ(c.base, &fichier.base());
            EXPECT_EQ(c.preferences, &preferences);
            return source(c);
        });
    }
    // Favori de l'arbre ascendant de P1 (né en 1900), fait comme le dialogue le fait.
    Favori favoriDeP1() {
        Favori f{"Arbre", 1, {}};
        parametrerFavori(f, Favori{"", Favori::kSansType, {}}, fichier, preferences, reglages, ligne("P1"));
        return f;
    }
};

TEST_F(MiseEnRouteEssai, ecritDansLaDestinationDonneeEtCompteLaVariante) {
    auto chemin = lancer({"Fond de page=Siècles"});
    ASSERT_TRUE(chemin);
    EXPECT_EQ(std::filesystem::path(*chemin), dossier / "sortie" / "AA_N1.pdf");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(compteurs.compteurs[afficheurDeCode(1)->compteur + 1], 1);  // chronologique
    // L'attente des tables dérivées, quand elle a lieu, rend le curseur qu'elle a pris.
    ASSERT_EQ(attentes.size() % 2, 0u);
    for (std::size_t i = 0; i < attentes.size(); ++i) EXPECT_EQ(attentes[i], i % 2 == 0);
}

TEST_F(MiseEnRouteEssai, sansAfficheurLeMessageDitOuEstLeDocument) {
    preferences.afficheurs = {"/chemin/absent/afficheur", "", "", ""};
    reglages.visualiser = true;
    auto chemin = lancer();
    ASSERT_TRUE(chemin);
    EXPECT_TRUE(std::filesystem::exists(*chemin));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "Aucun afficheur n'a pu être lancé pour ce document.\nIl est enregistré ici : "_1252 + *chemin);
}

// Police au hasard : la même graine tire la même police, chargée avec la signature ; l'objet police du
// PDF porte son nom et ses largeurs, et non ceux de la police des préférences.
TEST_F(MiseEnRouteEssai, laPoliceTireeAuHasardNommeLObjetDontElleALesLargeurs) {
    ReglagesPolices signature;
    signature.ligneSignature1 = "Famille Roy";
    const auto tiree = policeAuHasard(Horloge::fixee(1700000000), signature);
    if (!tiree) GTEST_SKIP() << "aucune police installée";
    EXPECT_EQ(tiree->reguliere.trouvee, 1);
    EXPECT_GT(tiree->largeurSignature, 384);  // la signature mesurée dans la police tirée
    preferences.police = "Autre police";
    preferences.policeAuHasard = true;
    auto chemin = lancer();
    ASSERT_TRUE(chemin);
    std::ifstream flux(*chemin, std::ios::binary);
    const std::string octets{std::istreambuf_iterator<char>(flux), {}};
    auto objet = [&octets](int n) {
        const std::size_t debut = octets.find("\n" + std::to_string(n) + " 0 obj\n");
        return debut == std::string::npos ? std::string() : octets.substr(debut, octets.find("endobj", debut) - debut);
    };
    const std::string nom = nomPolicePdf(tiree->nom, false);
    EXPECT_NE(objet(4).find("/BaseFont /" + nom + "\n"), std::string::npos) << objet(4);
    // Les largeurs écrites (points, au seizième) sont celles de la police tirée.
    const MetriquePolice& m = tiree->reguliere;
    const std::string tableau = objet(3);
    std::istringstream nombres(tableau.substr(tableau.find('[') + 1));
    std::vector<double> ecrites;
    for (double v; nombres >> v;) ecrites.push_back(v);
    std::vector<double> attendues;
    for (int c = m.premierCaractere; c <= m.dernierCaractere; ++c) attendues.push_back(m.largeurs[c] / 16.0);
    EXPECT_EQ(ecrites, attendues) << tableau;
}

TEST_F(MiseEnRouteEssai, leFavoriDonneLeMemeDocumentQueSesParametresDonnes) {
    Favori f = favoriDeP1();
    reglages.sortieImposee = dossier / "favori.pdf";
    ASSERT_TRUE(lancerFavori(f, fichier, preferences, reglages));
    reglages.sortieImposee = dossier / "direct.pdf";
    ASSERT_TRUE(mettreEnRoute(*afficheurDeCode(1), fichier, preferences, reglages, ligne("P1")));
    EXPECT_FALSE(octetsDe(dossier / "favori.pdf").empty());
    EXPECT_EQ(octetsDe(dossier / "favori.pdf"), octetsDe(dossier / "direct.pdf"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(MiseEnRouteEssai, unFavoriSeparateurOuDeCodeSansTypeNeFaitRien) {
    for (std::uint8_t code : {Favori::kSeparateur, Favori::kSansType, std::uint8_t{33}, std::uint8_t{200}}) {
        Favori f{"X", code, {1, 2, 3}};
        EXPECT_FALSE(lancerFavori(f, fichier, preferences, reglages, essai(true)));
    }
    EXPECT_EQ(appels, 0);
    EXPECT_TRUE(std::filesystem::is_empty(dossier / "sortie"));
}

TEST_F(MiseEnRouteEssai, lesPersonnesDuFavoriSeRetrouventApresUnNouvelImportEtUnAbsentArreteTout) {
    Favori f = favoriDeP1();
    // Réimport : deux personnes de plus avant P1, les numéros changent.
    std::ofstream(dossier / "sosa.ged") << "0 HEAD\n1 CHAR ANSI\n0 @I7@ INDI\n1 NAME Autre /AAA/\n"
                                           "0 @I8@ INDI\n1 NAME Encore /AAB/\n"
                                           "0 @I9@ INDI\n1 NAME P1 /N1/\n1 BIRT\n2 DATE 1900\n0 TRLR\n";
    ouvrir();
    auto chemin = lancerFavori(f, fichier, preferences, reglages);
    ASSERT_TRUE(chemin);
    EXPECT_EQ(std::filesystem::path(*chemin).filename(), "AA_N1.pdf");
    // Même nom, autre naissance : ce n'est plus la personne du favori.
    std::ofstream(dossier / "sosa.ged")
        << "0 HEAD\n1 CHAR ANSI\n0 @I9@ INDI\n1 NAME P1 /N1/\n1 BIRT\n2 DATE 1901\n0 TRLR\n";
    ouvrir();
    EXPECT_FALSE(lancerFavori(f, fichier, preferences, reglages));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("n'est plus accessible dans la base"), std::string::npos) << messages[0];
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier / "sortie"), {}), 1);  // AA_N1.pdf seul
}

TEST_F(MiseEnRouteEssai, unFavoriQuiDebordeGardeLeTypeEtLesParametresDAvant) {
    Favori avant = favoriDeP1();
    Favori f = avant;
    f.type = 38;  // arbre ascendant familial : les paramètres sont jetés puis demandés
    parametrerFavori(f, avant, fichier, preferences, reglages, essai(true, 1990));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Le favori contient trop de paramètres"_1252);
    EXPECT_EQ(f.type, avant.type);
    EXPECT_EQ(f.parametres, avant.parametres);
}

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
    bool echoueEnCours = false;  // lève au milieu de l'écriture, comme un disque plein
    void preparer(const ContexteDocument&) override {}
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
