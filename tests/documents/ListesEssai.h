#pragma once
// Aides des essais des listes : un document préparé puis écrit dans un format, ou dans tous, contrôlés.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "BaseEssai.h"
#include "documents/Document.h"
#include "documents/ParametresCommuns.h"
#include "support/Controles.h"
#include "support/DossierEssai.h"
#include "render/LecturePdf.h"
#include "render/OutilsPdf.h"
#include "render/StructureRtf.h"
#include "render/texte/RedacteurPdf.h"
#include "reglages/Configuration.h"

namespace lignara::essai {

// Document de la classe D et de ce type (sur cette personne ; 0 : aucune), police et horloge fixes.
template <class D>
std::unique_ptr<D> documentEssai(BaseEssai& b, std::uint8_t code, std::int32_t racine = 0) {
    auto d = std::make_unique<D>(*afficheurDeCode(code));
    b.contexte.polices = essais::policesFixes();
    b.contexte.horloge = essais::horlogeFixe();
    d->initialiserParametres(b.contexte);
    if (racine) d->valeur(kRacine) = racine;
    return d;
}
template <class D>
std::unique_ptr<D> listeEssai(BaseEssai& b, std::int32_t racine = 0) {
    return documentEssai<D>(b, D::kCode, racine);
}

// Prépare le document avec ces préférences puis l'écrit au format donné ; rend le fichier.
inline std::string ecrireListe(Document& d, BaseEssai& b, const Configuration& preferences, FormatSortie format,
                               const DossierEssai& dossier, const std::string& nom = "liste") {
    b.contexte.preferences = &preferences;
    d.valeur(kFormat) = static_cast<std::uint8_t>(format);
    return lireFichier(ecrireDocument(d, b, dossier / (nom + "." + Graphique::extension(format))));
}

// Sorties dans chaque format offert (vide sinon), chacune contrôlée ; le PDF en dernier (d.chemin).
struct Sorties {
    std::string texte, rtf, web, pdf;
};
inline Sorties ecrireFormats(Document& d, BaseEssai& b, const Configuration& preferences, const DossierEssai& dossier) {
    Sorties s;
    if (d.type().offre(FormatSortie::Texte)) s.texte = ecrireListe(d, b, preferences, FormatSortie::Texte, dossier);
    if (d.type().offre(FormatSortie::Rtf)) {
        s.rtf = ecrireListe(d, b, preferences, FormatSortie::Rtf, dossier);
        EXPECT_EQ(defautDeStructureRtf(s.rtf), "");
    }
    s.web = ecrireListe(d, b, preferences, FormatSortie::Web, dossier);
    controlerPageHtml(d.chemin);
    s.pdf = ecrireListe(d, b, preferences, FormatSortie::Pdf, dossier);
    controlerPdf(d.chemin);
    return s;
}

// Hauteur que le rédacteur PDF planifie pour la liste, à comparer à celle qu'elle annonce.
template <class L>
std::int32_t hauteurPlanifiee(L& l) {
    const ReglagesDessin reglages;
    return RedacteurPdf(reglages, l.polices, l.horloge)
        .planifier(l.miseEnPage(), [&](FluxRedaction& f) { l.rediger(f); })
        .hauteur;
}

inline std::size_t compter(const std::string& texte, const std::string& motif) {
    return LecturePdf::compterDans(texte, motif);
}

}  // namespace lignara::essai
