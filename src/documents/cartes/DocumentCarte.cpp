#include "documents/cartes/DocumentCarte.h"

#include <algorithm>
#include <cmath>

#include "commun/Dossiers.h"
#include "commun/MetriquePolice.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "gedcom/LieuTables.h"
#include "reglages/RaccordDessin.h"
#include "render/FormatPapier.h"

namespace lignara {

namespace {

constexpr std::int32_t kLigne = 176;
// Le code d'une région est centré sur son étiquette : sa ligne de 176 unités commence 87 unités
// plus bas, la ligne de base 30 unités au-dessus du bas de la ligne.
constexpr std::int32_t kBasCode = 87;
constexpr std::int32_t kBaseDansLigne = 30;

}  // namespace

void DocumentCarte::initialiserParametres(const ContexteDocument& contexte) {
    Document::initialiserParametres(contexte);
    valeur(kZoneCarte) = zoneParDefaut(contexte.preferences);
}

void DocumentCarte::preparerReglages(const ContexteDocument& contexte) {
    preferences_ = contexte.preferences ? *contexte.preferences : Configuration{};
    remplirReglagesDessin(preferences_, reglagesDessin_);
    format = FormatSortie::Pdf;
    dessin_ = DessinCarte{};
    carte_ = Carte{};
    echelle_ = EchelleCarte{};
}

void DocumentCarte::chargerCarte() {
    const CodePays pays = paysDeZone(zone());
    if (!estZoneCarte(zone())) throw OperationImpossible("Pays de carte inconnu"_1252);
    if (tableLieuSubdivisions(pays).empty())
        throw OperationImpossible("Les lieux de ce pays ("_1252 + nomZone(zone()) +
                                  ") ne sont pas classés par régions : sa carte ne peut pas être dessinée."_1252);
    carte_ = lireCarte(dossierInstallation(), std::string(pays.vue()));
}

std::int32_t DocumentCarte::largeurDessin() const {
    const FormatPapier papier = formatPapierOuNonPagine(reglagesDessin_.formatPapier);
    std::int32_t utile = papier.estPagine()                   ? papier.largeurUtile
                         : zone() == codeZone(CodePays("RU")) ? kLargeurNonPagineRussie
                                                              : kLargeurNonPagine;
    return std::max(kLigne, utile - reglagesDessin_.margeGauche - reglagesDessin_.margeDroite);
}

std::int32_t DocumentCarte::hauteurPourCarte(std::int32_t reserveBas) const {
    const FormatPapier papier = formatPapierOuNonPagine(reglagesDessin_.formatPapier);
    if (!papier.estPagine()) return 0;
    const std::int32_t page = std::max(kLigne, papier.hauteurUtile / kLigne * kLigne);
    return std::max(kLigne, page - reglagesDessin_.margeHaut - reglagesDessin_.margeBas - reserveBas);
}

void DocumentCarte::mettreAEchelle(std::int32_t hauteurMax) {
    const std::int64_t w = largeurDessin();
    echelle_.numerateur = w;
    echelle_.denominateur = carte_.largeur;
    if (hauteurMax > 0 && std::int64_t{carte_.hauteur} * w > std::int64_t{hauteurMax} * carte_.largeur) {
        echelle_.numerateur = hauteurMax;
        echelle_.denominateur = carte_.hauteur;
    }
    echelle_.largeur = static_cast<std::int32_t>(carte_.largeur * echelle_.numerateur / echelle_.denominateur);
    echelle_.hauteur = static_cast<std::int32_t>(carte_.hauteur * echelle_.numerateur / echelle_.denominateur);
    echelle_.x0 = static_cast<std::int32_t>((w - echelle_.largeur) / 2);
}

std::int32_t DocumentCarte::basDeCarte(std::int32_t basMinimum) const {
    const FormatPapier papier = formatPapierOuNonPagine(reglagesDessin_.formatPapier);
    if (!papier.estPagine()) return basMinimum;
    const std::int32_t page = std::max(kLigne, papier.hauteurUtile / kLigne * kLigne);
    const std::int32_t marges = reglagesDessin_.margeBas + reglagesDessin_.margeHaut;
    const std::int32_t haut = basMinimum + echelle_.hauteur + marges;
    // Les pages se comptent depuis le bas du dessin, marge basse comprise : la carte va en haut
    // de sa page (la première, ou celle au-dessus de ce qu'on dessine sous elle), le blanc
    // entre elle et le reste plutôt qu'au-dessus d'elle.
    const std::int32_t pages = haut <= page ? 0 : (basMinimum + reglagesDessin_.margeBas + page - 1) / page;
    return std::max(basMinimum, (pages + 1) * page - marges - echelle_.hauteur);
}

std::vector<std::int32_t> DocumentCarte::pointsDessin(const PolygoneCarte& polygone) const {
    std::vector<std::int32_t> points;
    points.reserve(polygone.points.size() * 2);
    for (const PointCarte& p : polygone.points) {
        points.push_back(echelle_.x(p.x));
        points.push_back(echelle_.y(p.y));
    }
    return points;
}

void DocumentCarte::placerContours() {
    for (const RegionCarte& r : carte_.regions)
        for (const PolygoneCarte& p : r.polygones) dessin_.contours.push_back(pointsDessin(p));
}

std::int32_t DocumentCarte::largeurTexte1252(const std::string& texte) const {
    return largeurTexte(polices.reguliere, texte);
}

void DocumentCarte::placerCodes() {
    if (!octet(kCodesRegions)) return;
    struct Code {
        const RegionCarte* region;
        std::int64_t priorite;
        double aire;
    };
    std::vector<Code> codes;
    for (const RegionCarte& r : carte_.regions)
        if (!r.code.empty()) codes.push_back({&r, prioriteCode(r), aireRegion(r)});
    std::stable_sort(codes.begin(), codes.end(), [](const Code& a, const Code& b) {
        return a.priorite != b.priorite ? a.priorite > b.priorite : a.aire > b.aire;
    });
    std::vector<DessinCarte::Cadre> poses;
    for (const Code& c : codes) {
        const RegionCarte& r = *c.region;
        const std::int32_t l = largeurTexte1252(r.code);
        const std::int32_t x = echelle_.x(r.etiquette.x) - l / 2, y = echelle_.y(r.etiquette.y) - kBasCode;
        // Boîte des lettres : de la ligne de base moins les jambages au haut des capitales.
        const DessinCarte::Cadre boite{x, y + kBaseDansLigne - 30, x + l, y + kBaseDansLigne + 120};
        const bool couvre = std::any_of(poses.begin(), poses.end(), [&](const DessinCarte::Cadre& p) {
            return boite.x1 < p.x2 && p.x1 < boite.x2 && boite.y1 < p.y2 && p.y1 < boite.y2;
        });
        if (couvre) continue;
        poses.push_back(boite);
        dessin_.textes.push_back({x, y + kBaseDansLigne, l, r.code});
    }
}

double aireRegion(const RegionCarte& r) {
    double aire = 0;
    for (const PolygoneCarte& p : r.polygones) {
        double a = 0;
        for (std::size_t i = 0, j = p.points.size() - 1; i < p.points.size(); j = i++)
            a += double(p.points[j].x) * double(p.points[i].y) - double(p.points[i].x) * double(p.points[j].y);
        aire += (p.enclave ? -1 : 1) * std::abs(a) / 2;
    }
    return aire;
}

void DocumentCarte::placerSignature() {
    if (!reglagesDessin_.signature) return;
    dessin_.signature = std::array<std::int32_t, 2>{std::max(0, (dessin_.largeur - polices.largeurSignature) / 2), 0};
}

std::string DocumentCarte::nomRegion(std::uint8_t region) const {
    if (const RegionCarte* r = carte_.region(region)) return r->nom;
    std::string_view nom = nomSubdivision(paysDeZone(zone()), region);
    return nom.empty() ? "Région "_1252 + std::to_string(region) : std::string(nom);
}

void DocumentCarte::ecrire() {
    SurfacePdf surface(reglagesDessin_, polices, horloge);
    surface.ouvrir(std::filesystem::path(chemin), type().titre1252(), 100, dessin_.largeur, dessin_.hauteur);
    ecrireDessinCarte(dessin_, surface);
    surface.fermer();
}

}  // namespace lignara
