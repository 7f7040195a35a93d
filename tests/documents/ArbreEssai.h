#pragma once
// Préparation commune des essais de documents graphiques (polices, horloge fixée, dossier d'essai).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "BaseEssai.h"
#include "GenealogieArbre.h"
#include "commun/Texte.h"
#include "documents/ParametresCommuns.h"
#include "documents/arbres/Coloration.h"
#include "render/PoliceChargement.h"
#include "render/PoliceFamille.h"
#include "support/Controles.h"
#include "support/DossierEssai.h"
#include "support/Programme.h"

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

// Polices chargées pour l'essai, rendues à la fin (fontconfig garde ses tables sinon).
class EssaiPolices : public ::testing::Test {
protected:
    void SetUp() override { polices_ = chargerPolices(ReglagesPolices{}, {}); }
    void TearDown() override { PoliceFamille::liberer(); }
    PolicesDocument polices_;
};

// Boîte d'un dessin, en unités de dessin (le haut au-dessus du bas).
struct BoiteEssai {
    std::int32_t gauche, bas, droite, haut;
    std::uint32_t personne;
};

// Aucune boîte n'en recouvre une autre, toutes dans le dessin (0 à largeur, 0 à hauteur).
inline void verifierDisjointes(const std::vector<BoiteEssai>& v, std::int32_t largeur, std::int32_t hauteur) {
    for (std::size_t i = 0; i < v.size(); ++i) {
        EXPECT_TRUE(v[i].gauche >= 0 && v[i].droite <= largeur && v[i].bas >= 0 && v[i].haut <= hauteur)
            << v[i].personne;
        for (std::size_t j = i + 1; j < v.size(); ++j)
            EXPECT_TRUE(v[i].droite <= v[j].gauche || v[j].droite <= v[i].gauche || v[i].haut <= v[j].bas ||
                        v[j].haut <= v[i].bas)
                << v[i].personne << " et " << v[j].personne;
    }
}

// La commande « lignara document » sur un GEDCOM écrit dans un dossier d'essai.
struct CommandeEssai {
    explicit CommandeEssai(const std::string& gedcom) : ged(dossier.ecrire("essai.ged", gedcom).string()) {}
    SortieProgramme operator()(const std::string& type, const std::string& arguments) const {
        return lancerProgramme("document " + type + " '" + ged + "' " + arguments);
    }
    std::string sortie(const std::string& nom) const { return " --sortie '" + (dossier / nom).string() + "'"; }
    std::string lire(const std::string& nom) const { return lireFichier(dossier / nom); }
    DossierEssai dossier;
    std::string ged;
};

template <class Document>
class EssaiArbre : public EssaiPolices {
protected:
    static const Afficheur& typeArbre(bool familial) {
        if constexpr (requires { Document::kCodeFamilial; })
            return *afficheurDeCode(familial ? Document::kCodeFamilial : Document::kCodeIndividuel);
        else
            return *afficheurDeCode(Document::kCode);
    }
    // Arbre des personnes de ces numéros dans la base (conjoint 0 : individuel) prêt à écrire.
    std::unique_ptr<Document> arbreDe(BaseEssai& b, std::int32_t racine, std::int32_t conjoint = 0) {
        auto d = std::make_unique<Document>(typeArbre(conjoint != 0));
        b.contexte.polices = polices_;
        b.contexte.horloge = horloge_;
        d->initialiserParametres(b.contexte);
        d->valeur(kRacine) = racine;
        if (conjoint) d->valeur(kConjoint) = conjoint;
        return d;
    }
    // Arbre de la personne « P<racine> » (familial : avec « P<conjoint> ») prêt à écrire.
    std::unique_ptr<Document> arbre(BaseEssai& b, int racine, int conjoint = 0) {
        auto d = arbreDe(b, b.personne("P" + std::to_string(racine)),
                         conjoint ? b.personne("P" + std::to_string(conjoint)) : 0);
        d->valeur(kNomRacine) = std::string("N") + std::to_string(racine);
        return d;
    }
    std::string ecrire(BaseEssai& b, Document& d, const std::string& nom) {
        EXPECT_TRUE(d.verifierParametres(b.contexte));
        return ecrireDocument(d, b, dossier / nom);
    }
    // Arbres (colorés par pays) de Claude de l'exemple livré et de `prenomRoyal92` (mariée) de royal92, en PDF
    // et en Web : `verifier` voit chaque document écrit, qui passe les vérificateurs.
    template <class Verifier>
    void fichiersReels(const char* prenomRoyal92, const ParametreDeclare& critere, Verifier verifier) {
        const std::pair<std::filesystem::path, const char*> cas[] = {
            {std::filesystem::path(LIGNARA_DOSSIER_SOURCES) / "data/exemples/famille-exemple.ged", "Claude"},
            {std::filesystem::path(LIGNARA_DOSSIER_TESTDATA) / "porges-mdf/royal92.ged", prenomRoyal92}};
        for (const auto& [fichier, prenom] : cas) {
            if (!fichierReelPresent(fichier)) continue;
            BaseEssai b(lireFichier(fichier));
            const std::int32_t racine = personneParPrenom(b.base(), prenom, true);
            ASSERT_NE(racine, 0) << fichier;
            for (std::uint8_t format : {std::uint8_t{0}, std::uint8_t{3}}) {
                auto d = arbreDe(b, racine);
                d->valeur(kFormat) = format;
                d->valeur(critere) = std::uint8_t{ColorationPays};
                d->valeur(kSuppressionNonColorees) = std::uint8_t{0};
                const std::string chemin = ecrire(b, *d, fichier.stem().string() + (format ? ".htm" : ".pdf"));
                SCOPED_TRACE(chemin);
                verifier(*d);
                format ? controlerPageHtml(chemin) : controlerPdf(chemin);
            }
        }
    }

    DossierEssai dossier;
    Horloge horloge_ = Horloge::fixee(1700000000);  // celle des arbres de l'essai
};

}  // namespace lignara::essai
