#include "documents/statistiques/StatistiqueNaissances.h"

#include <algorithm>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/EstimationNaissances.h"
#include "database/TablesDerivees.h"
#include "render/SurfacePdf.h"

namespace lignara {

namespace {

constexpr std::int32_t kLigne = PageStatistique::kLigne;
constexpr std::int32_t kBase = 45;
constexpr std::int32_t kDebutX = 765, kDebutY = 528;
constexpr std::int32_t kMarque = 60;
constexpr std::int32_t kDroite = 300;            // place du dernier nombre de l'axe horizontal
constexpr std::int32_t kSousTitre = 3 * kLigne;  // titre du tracé et une ligne vide au-dessus
constexpr std::int32_t kPointsMarques = 120;     // au-delà, la ligne seule

std::int32_t proportion(std::int64_t valeur, std::int64_t total, std::int32_t longueur) {
    return total <= 0 ? 0 : static_cast<std::int32_t>(valeur * longueur / total);
}

}  // namespace

int StatistiqueNaissances::intervalle() const {
    const auto* v = std::get_if<std::uint16_t>(&valeur(kIntervalleNaissances));
    return bornerIntervalle(v ? *v : 1);
}

void StatistiqueNaissances::calculer(const ContexteDocument& contexte) {
    titre_ = intervalle() == 1 ? "Statistiques sur les années de naissance"_1252 : "Statistiques sur les naissances";
    sousTitre_ = sousTitrePopulation(contexte);
    TablesDerivees locales;
    const TablesDerivees* tables = nullptr;
    if (contexte.tablesDerivees) {
        tables = &contexte.tablesDerivees();
    } else {
        locales = calculerTablesDerivees(*contexte.base, horloge.annee());
        tables = &locales;
    }
    const auto& annees = tables->anneesNaissance;
    // Toutes les personnes sont regardées : la première peut n'avoir aucune date.
    if (std::none_of(annees.begin() + std::min<std::size_t>(1, annees.size()), annees.end(),
                     [](std::int16_t a) { return a != EstimationNaissances::kAucuneAnnee; }))
        throw OperationImpossible("Statistiques impossibles car aucune date n'est connue"_1252);
    tranches_ = compterNaissances(annees, population(contexte), intervalle());
    if (tranches_.vide()) throw OperationImpossible("Graphique vide");
    if (tranches_.premiere == tranches_.derniere)
        throw OperationImpossible("Données insuffisantes pour effectuer des statistiques"_1252);
}

// Le tracé prend la page : sa hauteur ne dépend pas des comptes.
std::int32_t StatistiqueNaissances::hauteurContenu() const {
    return page_.hauteur - PageStatistique::kDebutContenu - page_.reserveSignature;
}

void StatistiqueNaissances::dessiner(SurfacePdf& surface, std::int32_t haut) const {
    texteCentre(surface, largeur / 2, haut - kLigne + kBase, "ANNEES ESTIMEES DE NAISSANCE");
    const std::int32_t x0 = kDebutX, y0 = kDebutY + page_.reserveSignature;
    const std::int32_t l = std::max<std::int32_t>(largeur - kDroite - x0, kLigne);
    const std::int32_t h = std::max<std::int32_t>(haut - kSousTitre - y0, kLigne);
    dessinerAxes(surface, x0, y0, l, h);
    const TranchesNaissances& t = tranches_;
    const std::int64_t etendue = std::int64_t{t.derniere} - t.premiere;
    std::int32_t xPrecedent = 0, yPrecedent = 0;
    for (std::size_t i = 0; i < t.comptes.size(); ++i) {
        const std::int64_t tranche = std::int64_t{t.premiere} + static_cast<std::int64_t>(i) * t.intervalle;
        const std::int32_t x = x0 + proportion(tranche - t.premiere, etendue, l);
        const std::int32_t y = y0 + proportion(t.comptes[i], t.plusGrand, h);
        if (i > 0) surface.ligne(xPrecedent, yPrecedent, x, y);
        if (t.comptes.size() <= kPointsMarques) surface.cercle(x, y, 24, true);
        xPrecedent = x;
        yPrecedent = y;
    }
}

void StatistiqueNaissances::dessinerAxes(SurfacePdf& surface, std::int32_t x0, std::int32_t y0, std::int32_t l,
                                         std::int32_t h) const {
    const TranchesNaissances& t = tranches_;
    surface.ligneHorizontale(x0, y0, x0 + l);
    surface.ligneVerticale(x0, y0, y0 + h);
    const std::int64_t etendue = std::int64_t{t.derniere} - t.premiere;
    for (std::int64_t m : marquesGraduation(t.premiere, t.derniere)) {
        const std::int32_t x = x0 + proportion(m - t.premiere, etendue, l);
        surface.ligneVerticale(x, y0 - kMarque, y0);
        texteCentre(surface, x, y0 - kMarque - 150, std::to_string(m), 8);
    }
    for (std::int64_t m : marquesGraduation(0, t.plusGrand)) {
        const std::int32_t y = y0 + proportion(m, t.plusGrand, h);
        surface.ligneHorizontale(x0 - kMarque, y, x0);
        texteDroite(surface, x0 - kMarque - 45, y - 40, std::to_string(m), 8);
    }
}

}  // namespace lignara
