#pragma once
// Statistique d'essai d'un type sur une base d'essai : police et horloge fixes, dossier propre au test.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "support/Message.h"
#include "BaseEssai.h"
#include "documents/statistiques/Statistique.h"
#include "render/LecturePdf.h"
#include "render/OutilsPdf.h"

namespace lignara::essai {

class StatistiquesEssai : public ::testing::Test {
protected:
    // Document du type, paramètres de départ ; racine : les prénoms de la tête (vide : aucune).
    std::unique_ptr<Statistique> statistique(BaseEssai& b, std::uint8_t code, const std::string& racine = "") {
        const Afficheur& type = *afficheurDeCode(code);
        auto d = std::unique_ptr<Statistique>(static_cast<Statistique*>(type.fabrique(type).release()));
        b.contexte.polices = essais::policesFixes();
        b.contexte.horloge = essais::horlogeFixe();
        d->initialiserParametres(b.contexte);
        if (!racine.empty()) d->valeur(kRacine) = b.personne(racine);
        return d;
    }
    // Prépare et écrit ; rend le chemin du PDF.
    std::string ecrire(BaseEssai& b, Statistique& d, const std::string& nom) {
        d.preparer(b.contexte);
        d.chemin = (dossier / nom).string();
        d.ecrire();
        return d.chemin;
    }
    static std::string contenu(const std::string& chemin) {
        std::string tout;
        for (const std::string& c : LecturePdf(chemin).contenus()) tout += c;
        return tout;
    }
    static std::string messageDe(BaseEssai& b, Statistique& d) {
        return essai::messageDe([&] { d.preparer(b.contexte); });
    }

    DossierEssai dossier;
};

}  // namespace lignara::essai
