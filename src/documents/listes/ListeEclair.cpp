#include "documents/listes/ListeEclair.h"

#include <algorithm>

#include "commun/OperationImpossible.h"
#include "database/TablesDerivees.h"
#include "documents/listes/MiseEnPageListe.h"
#include "reglages/RaccordDessin.h"
#include "session/PaysDesPreferences.h"

namespace lignara {

namespace {

constexpr StyleTitre kStylePatronyme{.grasWeb = true};
constexpr Mesure kRetraitLieux{320, 4};
constexpr std::string_view kAutresLieux = "Autres lieux";

}  // namespace

void ListeEclair::preparer(const ContexteDocument& contexte) {
    preferences_ = contexte.preferences ? *contexte.preferences : Configuration{};
    remplirReglagesDessin(preferences_, dessin_);
    dessin_.messages = contexte.messages;
    suivreFormatDesParametres();
    ReglesEclair r;
    r.base = contexte.base;
    r.index = contexte.noms;
    r.parZone = octet(kClassementZone) != 0;
    r.paysParDefaut = paysDesPreferences(preferences_);
    // Sans les contemporains, il faut les statuts vitaux : on attend le fil qui les calcule.
    TablesDerivees locales;
    if (!octet(kContemporainsEclair)) {
        if (contexte.tablesDerivees) {
            r.statutsVitaux = &contexte.tablesDerivees().statutsVitaux;
        } else {
            locales = calculerTablesDerivees(*contexte.base, horloge.annee());
            r.statutsVitaux = &locales.statutsVitaux;
        }
    }
    patronymes_ = releverListeEclair(r);
    if (patronymes_.empty()) throw OperationImpossible("La liste est vide");
    elements_.clear();
    elements_.reserve(patronymes_.size());
    for (const PatronymeEclair& p : patronymes_) {
        std::vector<std::string>& e = elements_.emplace_back();
        for (const LieuEclair& l : p.lieux) {
            std::string t = e.empty() ? std::string() : std::string(", ");
            t += l.lieu.empty() ? std::string(kAutresLieux) : l.lieu;
            // Blancs insécables : le repli ne sépare pas un lieu de ses années.
            e.push_back(t + "\xA0:\xA0" + std::to_string(l.premiere) + "\xA0-\xA0" + std::to_string(l.derniere));
        }
    }
}

void ListeEclair::rediger(FluxRedaction& flux) const {
    std::vector<Segment> segments;
    for (std::size_t i = 0; i < patronymes_.size(); ++i) {
        if (i > 0) flux.filet();
        const std::string& nom = patronymes_[i].nom;
        flux.titre({.texte = nom.empty() ? std::string_view("?") : std::string_view(nom), .style = &kStylePatronyme});
        segments.clear();
        for (const std::string& e : elements_[i]) segments.push_back({.texte = e});
        flux.paragraphe({.retrait = kRetraitLieux, .retraitSuite = kRetraitLieux, .segments = segments});
    }
}

MiseEnPage ListeEclair::miseEnPage() const {
    return miseEnPageListe(chemin,
                           "Liste \xE9"
                           "clair",
                           preferences_.compressionListes);
}

void ListeEclair::ecrire() {
    ecrireListe(*this, dessin_, miseEnPage(), [this](FluxRedaction& f) { rediger(f); });
}

}  // namespace lignara
