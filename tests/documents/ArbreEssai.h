#pragma once
// Préparation commune des essais d'arbres (descendant, cousins, mixte) : polices chargées,
// horloge fixée, écriture dans un dossier d'essai, contrôles des fichiers, mêmes octets,
// compteurs d'usage par variante et racine prise dans un fichier réel.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "BaseEssai.h"
#include "GenealogieArbre.h"
#include "commun/Texte.h"
#include "documents/ExecutionDocument.h"
#include "documents/ParametresLigneCommande.h"
#include "render/PoliceChargement.h"
#include "render/PoliceFamille.h"
#include "reglages/CompteursUsage.h"
#include "support/Controles.h"
#include "support/DossierEssai.h"

namespace lignara::essai {

// Les chronologies livrées, le temps d'un essai.
struct DonneesLivrees {
    DonneesLivrees() { setenv("LIGNARA_DONNEES", LIGNARA_DOSSIER_DONNEES, 1); }
    ~DonneesLivrees() { unsetenv("LIGNARA_DONNEES"); }
};

// Faux (avec un message) quand le fichier réel manque : l'essai le saute.
inline bool fichierReelPresent(const std::filesystem::path& fichier) {
    if (std::filesystem::exists(fichier)) return true;
    std::printf("fichier réel absent (dossier de données d'essai) : %s\n", fichier.c_str());
    return false;
}

// Première personne dont les prénoms commencent par `debut` (mariée si demandé), 0 sinon.
inline std::int32_t personneParPrenom(const BaseGenealogique& base, std::string_view debut, bool mariee) {
    for (std::uint32_t p = 1; p <= base.nombreIndividus(); ++p)
        if (prenoms(base, p).rfind(debut, 0) == 0 && (!mariee || base.LireIndividu(p).premiereFamille))
            return static_cast<std::int32_t>(p);
    return 0;
}

template <class Document>
class EssaiArbre : public ::testing::Test {
protected:
    void SetUp() override { polices_ = chargerPolices(ReglagesPolices{}, {}); }
    void TearDown() override { PoliceFamille::liberer(); }

    static const Afficheur& typeArbre(bool familial) {
        if constexpr (requires { Document::kCodeFamilial; })
            return *afficheurDeCode(familial ? Document::kCodeFamilial : Document::kCodeIndividuel);
        else
            return *afficheurDeCode(Document::kCode);
    }
    // Arbre de la personne « P<racine> » (familial : avec « P<conjoint> ») prêt à écrire.
    std::unique_ptr<Document> arbre(BaseEssai& b, int racine, int conjoint = 0) {
        auto d = std::make_unique<Document>(typeArbre(conjoint != 0));
        b.contexte.polices = polices_;
        b.contexte.horloge = Horloge::fixee(1700000000);
        d->initialiserParametres(b.contexte);
        d->valeur(kRacine) = b.personne("P" + std::to_string(racine));
        d->valeur(kNomRacine) = std::string("N") + std::to_string(racine);
        if (conjoint) d->valeur(kConjoint) = b.personne("P" + std::to_string(conjoint));
        return d;
    }
    std::string ecrire(BaseEssai& b, Document& d, const std::string& nom) {
        EXPECT_TRUE(d.verifierParametres(b.contexte));
        d.preparer(b.contexte);
        d.chemin = (dossier / nom).string();
        d.ecrire();
        return d.chemin;
    }
    void verifierPdf(const std::string& chemin) { controlerPdf(chemin); }
    void verifierHtml(const std::string& chemin) { controlerPageHtml(chemin); }

    // Deux arbres de la même racine aux mêmes paramètres font les mêmes octets.
    void verifierMemesOctets(BaseEssai& b, int racine) {
        auto d = arbre(b, racine);
        const std::string a = lireFichier(ecrire(b, *d, "a.pdf"));
        auto e = arbre(b, racine);
        EXPECT_EQ(lireFichier(ecrire(b, *e, "b.pdf")), a);
    }
    // Compteurs d'usage après un arbre individuel de `racine` par critère de coloration.
    CompteursUsage compterVariantes(BaseEssai& b, const char* racine, std::initializer_list<const char*> criteres) {
        b.contexte.polices = polices_;
        CompteursUsage compteurs;
        ReglagesExecution reglages;
        reglages.visualiser = false;
        reglages.compteurs = &compteurs;
        reglages.sortieImposee = dossier / "c.pdf";
        for (const char* critere : criteres) {
            DemandeDocument demande;
            demande.racine = racine;
            demande.options = {std::string("Critère de coloration=") + critere};
            ParametresLigneCommande source(demande, [&b](const std::string& t) { return b.personne(t); });
            EXPECT_TRUE(executer(typeArbre(false), source, b.contexte, reglages));
        }
        return compteurs;
    }

    DossierEssai dossier;
    PolicesDocument polices_;
};

}  // namespace lignara::essai
