#pragma once
// Statistique d'essai d'un type, sur une base d'essai : police fixe (indépendante des polices
// installées), horloge fixe, préférences par défaut ; écrite dans un dossier propre au test.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "support/Message.h"
#include "BaseEssai.h"
#include "commun/OperationImpossible.h"
#include "documents/ExecutionDocument.h"
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
    // Textes du PDF décompressé, bout à bout.
    static std::string contenu(const std::string& chemin) {
        std::string tout;
        for (const std::string& c : LecturePdf(chemin).contenus()) tout += c;
        return tout;
    }
    // Message de l'OperationImpossible levée par preparer, vide sinon.
    static std::string messageDe(BaseEssai& b, Statistique& d) {
        return essai::messageDe([&] { d.preparer(b.contexte); });
    }

    DossierEssai dossier;
};

}  // namespace lignara::essai
