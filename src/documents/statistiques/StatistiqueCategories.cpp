#include "documents/statistiques/StatistiqueCategories.h"

#include <algorithm>
#include <string_view>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/arbres/Coloration.h"
#include "reference/Categories.h"
#include "render/SurfacePdf.h"

namespace lignara {

namespace {

constexpr std::int32_t kLigne = PageStatistique::kLigne;
constexpr std::int32_t kBase = 45;
constexpr std::int32_t kBarreMax = 3200;
constexpr std::int32_t kApresBarre = 45;
constexpr std::int32_t kAvantAxe = 90;
constexpr std::int32_t kBarre = 112;  // hauteur des barres, centrées dans la rangée
constexpr std::int32_t kColonneCarre = 96, kCarre = 80, kHauteurCarre = 174;

std::string pourCent(int p) { return std::to_string(p) + "%"; }

}  // namespace

GenreValeur StatistiqueCategories::genre() const {
    return std::string_view(type().prefixe) == "SS_" ? GenreValeur::Sources : GenreValeur::Professions;
}

void StatistiqueCategories::calculer(const ContexteDocument& contexte) {
    const bool sources = genre() == GenreValeur::Sources;
    if (avecListe())
        titre_ = sources ? "Statistiques sur les sources" : "Statistiques sur les professions";
    else
        titre_ = sources ? "Statistiques sur les catégories de sources"_1252
                         : "Statistiques sur les catégories professionnelles"_1252;
    sousTitre_ = sousTitrePopulation(contexte);
    std::vector<ValeurCategories> valeurs = collecterValeurs(*contexte.base, population(contexte), genre());
    if (valeurs.empty())
        throw OperationImpossible(sources
                                      ? "Statistiques vides :\nAucune personne sélectionnée n'a de source."_1252
                                      : "Statistiques vides :\nAucune personne sélectionnée n'a de profession."_1252);
    CategorieAutomate automate = Categories::charger(sources ? Categories::kSources : Categories::kProfessions);
    compte_ = compterCategories(std::move(valeurs), automate, octet(kUneSeuleCategorie) != 0);
    if (compte_.total() == 0)
        throw OperationImpossible(sources ? "Aucune source sélectionnée ne correspond à une catégorie"_1252
                                          : "Aucune profession sélectionnée ne correspond à une catégorie"_1252);
    // Un nom de catégorie très long est coupé : la barre et son pourcentage gardent leur place.
    const std::int32_t plusLarge = page_.largeur - kBarreMax - 2 * kLigne - 800;
    largeurNoms_ = 0;
    for (const std::string& nom : compte_.noms)
        largeurNoms_ = std::max(largeurNoms_, largeurA(polices.reguliere, nom, 10));
    largeurNoms_ = std::clamp(largeurNoms_, 0, std::max(plusLarge, 1000));
}

std::int32_t StatistiqueCategories::hauteurContenu() const {
    std::int32_t h = (2 + static_cast<std::int32_t>(compte_.noms.size())) * kLigne;
    if (avecListe()) h += (1 + static_cast<std::int32_t>(compte_.valeurs.size())) * kLigne;
    return h;
}

void StatistiqueCategories::dessiner(SurfacePdf& surface, std::int32_t haut) const {
    dessinerGraphique(surface, haut);
    if (avecListe()) dessinerListe(surface, haut - (3 + static_cast<std::int32_t>(compte_.noms.size())) * kLigne);
}

void StatistiqueCategories::dessinerGraphique(SurfacePdf& surface, std::int32_t haut) const {
    const bool sources = genre() == GenreValeur::Sources;
    texteCentre(surface, largeur / 2, haut - kLigne + kBase,
                sources ? "STATISTIQUES SUR LES SOURCES" : "STATISTIQUES SUR LES PROFESSIONS");
    const MetriquePolice& police = surface.polices().reguliere;
    const std::int32_t largeurGraphique =
        largeurNoms_ + kAvantAxe + kBarreMax + kApresBarre + largeurA(police, "100%", 10);
    const std::int32_t axe = std::max(0, (largeur - largeurGraphique) / 2) + largeurNoms_ + kAvantAxe;
    int plusGrand = 0;
    for (std::size_t k = 0; k < compte_.noms.size(); ++k) plusGrand = std::max(plusGrand, compte_.pourcentage(k));
    const std::int32_t premier = haut - 3 * kLigne;
    for (std::size_t k = 0; k < compte_.noms.size(); ++k) {
        const std::int32_t y = premier - static_cast<std::int32_t>(k) * kLigne;
        const std::string nom = couperPourLargeur(police, compte_.noms[k], largeurNoms_, 10);
        texteDroite(surface, axe - kAvantAxe, y + kBase, nom);
        const int p = compte_.pourcentage(k);
        const std::int32_t l = plusGrand > 0 ? kBarreMax * p / plusGrand : 0;
        const std::int32_t marge = (kLigne - kBarre) / 2;
        if (l > 0)
            rectanglePlein(surface, axe, y + marge, axe + l, y + kLigne - marge,
                           couleurCategorie(static_cast<int>(k)).enBgr());
        texteGauche(surface, axe + l + kApresBarre, y + kBase, pourCent(p));
    }
    surface.ligneVerticale(axe, premier - (static_cast<std::int32_t>(compte_.noms.size()) - 1) * kLigne,
                           premier + kLigne);
}

void StatistiqueCategories::dessinerListe(SurfacePdf& surface, std::int32_t haut) const {
    const MetriquePolice& police = surface.polices().reguliere;
    const std::int32_t xTexte = kColonneCarre * static_cast<std::int32_t>(compte_.noms.size()) + kColonneCarre;
    for (std::size_t i = 0; i < compte_.valeurs.size(); ++i) {
        const ValeurCategories& v = compte_.valeurs[i];
        const std::int32_t y = haut - static_cast<std::int32_t>(i + 1) * kLigne;
        for (std::uint8_t k : v.categories) {
            const std::int32_t x = kColonneCarre * k;
            rectanglePlein(surface, x, y + 1, x + kCarre, y + 1 + kHauteurCarre, couleurCategorie(k).enBgr());
        }
        const std::string nombre = " : " + std::to_string(v.personnes);
        const std::int32_t place = largeur - xTexte - largeurA(police, nombre, 10);
        texteGauche(surface, xTexte, y + kBase, couperPourLargeur(police, v.texte, place, 10) + nombre);
    }
}

}  // namespace lignara
