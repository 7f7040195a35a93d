#include "documents/cartes/CarteMigration.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/Parente.h"

namespace lignara {

namespace {

constexpr std::int32_t kLigne = 176;
constexpr std::int32_t kCellule = 704;           // une génération dans la légende
constexpr std::int32_t kEchantillon = 352;       // longueur du trait d'exemple
constexpr std::int32_t kRetraitEtiquette = 110;  // les flèches s'arrêtent avant le code

struct Point {
    double x, y;
};

Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
Point operator*(Point a, double k) { return {a.x * k, a.y * k}; }
double longueur(Point a) { return std::hypot(a.x, a.y); }
Point unitaire(Point a) {
    const double l = longueur(a);
    return l > 0 ? a * (1 / l) : Point{1, 0};
}
std::int32_t arrondi(double v) { return static_cast<std::int32_t>(std::lround(v)); }

}  // namespace

float epaisseurMigration(int generation) { return std::max(0.5f, 3.0f - 0.25f * static_cast<float>(generation - 1)); }

std::uint32_t couleurMigration(int generation) {
    const double t = std::clamp((generation - 1) / 10.0, 0.0, 1.0);
    return couleurRvb(static_cast<std::uint8_t>(std::lround(170 + 85 * t)),
                      static_cast<std::uint8_t>(std::lround(150 * t)), 0);
}

int CarteMigration::generations() const { return std::clamp<int>(mot(kGenerationsMigration), 1, kGenerationsMax); }

bool CarteMigration::verifierParametres(const ContexteDocument& contexte) {
    const BaseGenealogique& base = *contexte.base;
    const std::int32_t r = racine();
    if (r <= 0 || static_cast<std::uint32_t>(r) > base.nombreIndividus()) return false;
    const auto p = static_cast<std::uint32_t>(r);
    if (type().variante == kVarianteAscendante) {
        const ParentsPersonne parents = Parents(base, p);
        if (parents.pere || parents.mere) return true;
        contexte.signaler("Cette personne n'a aucun parent connu");
        return false;
    }
    for (const FamilleConjoint& f : Conjoints(base, p))
        if (f.premierEnfant != 0) return true;
    contexte.signaler("Cette personne n'a aucune descendance");
    return false;
}

void CarteMigration::preparer(const ContexteDocument& contexte) {
    preparerReglages(contexte);
    chargerCarte();
    const auto r = static_cast<std::uint32_t>(std::max(0, racine()));
    const CodePays pays = paysDeZone(zone());
    migrations_ = type().variante == kVarianteAscendante
                      ? migrationsAscendantes(*contexte.base, r, generations(), pays, carte_.regionMax)
                      : migrationsDescendantes(*contexte.base, r, generations(), pays, carte_.regionMax);
    if (migrations_.migrations.empty())
        throw OperationImpossible("Aucune migration entre deux régions du pays de la carte ("_1252 + nomZone(zone()) +
                                  ") sur ces générations"_1252);
    dessin_.largeur = largeurDessin();
    const std::int32_t signature = reglagesDessin_.signature ? kBandeSignature : 0;
    const std::int32_t bas = signature + hauteurLegende();
    mettreAEchelle(hauteurPourCarte(bas));
    poserCarte(basDeCarte(bas));
    dessin_.hauteur = echelle_.y0 + echelle_.hauteur;
    placerContours();
    placerFleches();
    placerCodes();
    placerLegende(signature);
    placerSignature();
}

std::int32_t CarteMigration::hauteurLegende() const {
    std::set<int> gens;
    for (const Migration& m : migrations_.migrations) gens.insert(m.generation);
    const std::int32_t parRangee = std::max(1, largeurDessin() / kCellule);
    const auto rangees = (static_cast<std::int32_t>(gens.size()) + parRangee - 1) / parRangee;
    return kLigne + 2 * kLigne * rangees + kLigne;
}

// Titre, puis une cellule par génération dessinée : le trait d'exemple et son numéro.
void CarteMigration::placerLegende(std::int32_t bas) {
    std::set<int> gens;
    for (const Migration& m : migrations_.migrations) gens.insert(m.generation);
    const std::int32_t parRangee = std::max(1, dessin_.largeur / kCellule);
    const auto n = static_cast<std::int32_t>(gens.size());
    const std::int32_t haut = bas + hauteurLegende() - kLigne;
    const std::string titre = type().variante == kVarianteAscendante
                                  ? "Générations, du parent vers l'enfant, la première étant celle des parents"_1252
                                  : "Générations, du parent vers l'enfant, la première étant celle des enfants"_1252;
    const std::int32_t lt = largeurTexte1252(titre);
    dessin_.textes.push_back({(dessin_.largeur - lt) / 2, haut - kLigne + 40, lt, titre});
    int i = 0;
    for (int g : gens) {
        const std::int32_t rangee = i / parRangee, rang = i % parRangee;
        const std::int32_t dansRangee = std::min(parRangee, n - rangee * parRangee);
        const std::int32_t x = (dessin_.largeur - dansRangee * kCellule) / 2 + rang * kCellule;
        const std::int32_t y = haut - kLigne - 2 * kLigne * (rangee + 1) + kLigne;
        dessin_.echantillons.push_back({x, x + kEchantillon, y, epaisseurMigration(g), couleurMigration(g)});
        const std::string numero = std::to_string(g);
        dessin_.textes.push_back({x + kEchantillon + kLigne / 2, y - 57, largeurTexte1252(numero), numero});
        ++i;
    }
}

void CarteMigration::placerFleches() {
    for (const Migration& m : migrations_.migrations) {
        const RegionCarte* depart = carte_.region(m.depart);
        const RegionCarte* arrivee = carte_.region(m.arrivee);
        if (!depart || !arrivee) continue;
        const Point a{double(echelle_.x(depart->etiquette.x)), double(echelle_.y(depart->etiquette.y))};
        const Point b{double(echelle_.x(arrivee->etiquette.x)), double(echelle_.y(arrivee->etiquette.y))};
        const double d = longueur(b - a);
        if (d < 1) continue;  // deux régions de même étiquette : aucune direction
        // Deux étiquettes voisines (Belfort et le Haut-Rhin) : la flèche raccourcit ses retraits
        // et sa pointe plutôt que de manquer, la migration étant comptée.
        const double retrait = std::min<double>(kRetraitEtiquette, d / 3);
        const Point u = unitaire(b - a), droite{u.y, -u.x};
        const double ecart = d * std::min(0.6, 0.18 + 0.06 * (m.generation - 1));
        const Point q = (a + b) * 0.5 + droite * ecart;
        const Point s = a + unitaire(q - a) * retrait;
        const Point e = b - unitaire(b - q) * retrait;
        const float epaisseur = epaisseurMigration(m.generation);
        const double pointe = std::min(64 + 24 * double{epaisseur}, longueur(e - s) / 2), demiBase = pointe * 0.45;
        const Point v = unitaire(e - q), n{-v.y, v.x};
        const Point base = e - v * pointe;
        // Bézier cubique équivalente à la quadratique (s, q, base).
        const Point c1 = s + (q - s) * (2.0 / 3), c2 = base + (q - base) * (2.0 / 3);
        DessinCarte::Fleche f;
        f.courbe = {arrondi(s.x),  arrondi(s.y),  arrondi(c1.x),   arrondi(c1.y),
                    arrondi(c2.x), arrondi(c2.y), arrondi(base.x), arrondi(base.y)};
        const Point g = base + n * demiBase, h = base - n * demiBase;
        f.pointe = {arrondi(e.x), arrondi(e.y), arrondi(g.x), arrondi(g.y), arrondi(h.x), arrondi(h.y)};
        f.epaisseur = epaisseur;
        f.couleur = couleurMigration(m.generation);
        f.generation = m.generation;
        f.depart = m.depart;
        f.arrivee = m.arrivee;
        dessin_.fleches.push_back(f);
    }
}

}  // namespace lignara
