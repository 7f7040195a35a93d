// Frises sur les fichiers GEDCOM réels du dossier d'essai (lus sur place, sautés quand il manque).
// Les valeurs attendues ont été calculées à part, par une lecture indépendante des fichiers :
// générations d'ascendants de la reine Victoria (royal92), bandes d'Andrew Johnson (pres2020),
// date de la régence de Philippe d'Orléans (bourbon).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "commun/Texte.h"
#include "documents/ContexteDocument.h"
#include "documents/IdentifiantsPersonnes.h"
#include "documents/frises/FriseGenerations.h"
#include "documents/frises/FriseIndividuelle.h"
#include "documents/frises/FriseLignees.h"
#include "gedcom/ImporterGedcom.h"
#include "support/DossierEssai.h"
#include "render/OutilsPdf.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;

struct FichierReel {
    explicit FichierReel(const char* relatif) : chemin(fs::path(LIGNARA_DOSSIER_TESTDATA) / relatif) {
        if (!fs::exists(chemin)) return;
        OptionsImport options;
        options.apresBalayage = [this](RegistresBalayage& r) { identifiants.retenir(r); };
        import = ImporterGedcom(chemin, options);
        sources = SourcesGedcom(import.fichiers, nullptr);
        contexte.base = &import.base;
        contexte.sourcesGedcom = &sources;
        contexte.horloge = Horloge::fixee(1700000000);
        contexte.messages = [this](const std::string& m) { messages.push_back(m); };
    }
    bool present() const { return import.base.ouverte(); }
    std::int32_t personne(const char* id) const {
        return static_cast<std::int32_t>(identifiants.numero(import.base, id));
    }
    template <class D>
    std::unique_ptr<D> document(std::uint8_t code, const char* racine) {
        auto d = std::make_unique<D>(*afficheurDeCode(code));
        d->initialiserParametres(contexte);
        d->valeur(kRacine) = personne(racine);
        EXPECT_TRUE(d->verifierParametres(contexte));
        d->preparer(contexte);
        return d;
    }

    fs::path chemin;
    IdentifiantsPersonnes identifiants;
    ResultatImport import;
    SourcesGedcom sources;
    ContexteDocument contexte;
    std::vector<std::string> messages;
};

#define FICHIER_REEL(nom, relatif)                                                   \
    FichierReel nom(relatif);                                                        \
    if (!nom.present()) GTEST_SKIP() << "fichier GEDCOM réel absent : " << nom.chemin

TEST(FrisesFichiersReels, generationsAscendantesDeVictoriaCompteesEtEtoilees) {
    FICHIER_REEL(royal, "porges-mdf/royal92.ged");
    auto d = royal.document<FriseGenerations>(FriseGenerations::kCodeAscendante, "@I1@");
    const std::vector<std::string> attendus = {
        "1 ascendant",     "2 ascendants",    "4 ascendants",    "8 ascendants",    "4 ascendants",
        "3 ascendants",    "4 ascendants",    "2 ascendants",    "2 ascendants",    "4 ascendants",
        "6 ascendants",    "8 ascendants",    "8 ascendants *",  "11 ascendants *", "14 ascendants *",
        "15 ascendants *", "19 ascendants *", "23 ascendants *", "23 ascendants *", "25 ascendants *"};
    ASSERT_EQ(d->barres().size(), 73u);
    for (std::size_t g = 0; g < attendus.size(); ++g) EXPECT_EQ(d->barres()[g].vie.libelle, attendus[g]) << g;
    EXPECT_EQ(d->barres()[72].vie.libelle, "1 ascendant *");
}

TEST(FrisesFichiersReels, friseAscendanteDeVictoriaSurVingtGenerations) {
    FICHIER_REEL(royal, "porges-mdf/royal92.ged");
    auto d = std::make_unique<FriseLignees>(*afficheurDeCode(FriseLignees::kCodeAscendante));
    d->initialiserParametres(royal.contexte);
    d->valeur(kRacine) = royal.personne("@I1@");
    d->valeur(kLimiteFrise) = std::uint8_t{20};
    d->preparer(royal.contexte);
    std::size_t rangees = 0;
    for (const auto& g : d->generations()) rangees += g.size();
    EXPECT_EQ(d->generations().size(), 20u);
    EXPECT_EQ(rangees, 149u);
}

TEST(FrisesFichiersReels, bandesDAndrewJohnsonRelues) {
    FICHIER_REEL(pres, "dj-gedcom-samples/pres2020.ged");
    auto d = pres.document<FriseIndividuelle>(FriseIndividuelle::kCodeIndividuelle, "@I1450@");
    ASSERT_EQ(d->frises().size(), 1u);
    const FriseIndividu& f = d->frises()[0];
    ASSERT_EQ(f.nombreEvenements(kProfessions), 1u);
    EXPECT_EQ(f.bandes[kProfessions][0].libelle, "US President No. 17, National Union");
    EXPECT_EQ(f.bandes[kProfessions][0].debut.bas, NumeroJour(15, 4, 1865));
    const std::vector<std::pair<const char*, int>> domiciles = {
        {"Greene, Tennessee, USA", 1830},
        {"Greene, Tennessee, USA", 1840},
        {"Greeneville, Greene, Tennessee, USA", 1870},
        {"Greeneville, Greene, Tennessee, USA", 1860},
        {"Greeneville, Greene, Tennessee, USA", 1850}};
    ASSERT_EQ(f.nombreEvenements(kDomiciles), domiciles.size());
    for (std::size_t i = 0; i < domiciles.size(); ++i) {
        EXPECT_EQ(f.bandes[kDomiciles][i].libelle, domiciles[i].first);
        EXPECT_EQ(f.bandes[kDomiciles][i].debut.bas, NumeroJour(1, 1, domiciles[i].second));
    }
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

TEST(FrisesFichiersReels, deuxMilleAnsDAscendantsDeQueenEnUnPdfValide) {
    FICHIER_REEL(queen, "findmypast-samples/Queen.ged");
    essai::DossierEssai dossier;
    for (std::uint8_t code : {FriseGenerations::kCodeAscendante, FriseLignees::kCodeAscendante}) {
        std::unique_ptr<Document> d;
        if (code == FriseLignees::kCodeAscendante) d = queen.document<FriseLignees>(code, "@I3062@");
        else d = queen.document<FriseGenerations>(code, "@I3062@");
        d->chemin = (dossier / ("queen-" + std::to_string(code) + ".pdf")).string();
        d->ecrire();
        essais::verifierAvecQpdf(essai::lireFichier(d->chemin), "queen.pdf");
    }
}

}  // namespace
}  // namespace lignara
