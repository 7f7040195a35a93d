#include "documents/cartes/CarteLocalisation.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/CleNom.h"
#include "database/Parente.h"
#include "documents/cartes/PersonnesCarte.h"

namespace lignara {

namespace {

constexpr std::int32_t kLigne = 176;
constexpr std::int32_t kBandeLegende = 704;
constexpr std::int32_t kCadreTableau = 144;  // marges haute et basse du cadre, ensemble
constexpr std::int32_t kEcartTableau = 352;  // entre le tableau et la carte
constexpr std::int32_t kBaseLigne = 40;      // ligne de base dans une ligne de 176
constexpr std::int32_t kRetrait = 176;       // texte dans son cadre
constexpr std::int32_t kPastille = 352;      // échantillon de teinte de la légende
constexpr std::uint32_t kBlanc = 0x00FFFFFF;

std::uint8_t melange(std::uint8_t c, double t) {
    const int clair = c + (255 - c) * 10 / 11;
    return static_cast<std::uint8_t>(std::lround(c + (clair - c) * t));
}

bool aDesEnfants(const BaseGenealogique& base, std::uint32_t personne) {
    for (const FamilleConjoint& f : Conjoints(base, personne))
        if (f.premierEnfant != 0) return true;
    return false;
}

// Comptes montrés par la légende : tous jusqu'à 5, sinon 1, les quarts et le plus grand.
std::vector<std::uint32_t> comptesLegende(std::uint32_t plusGrand) {
    std::vector<std::uint32_t> comptes;
    if (plusGrand <= 5) {
        for (std::uint32_t c = 1; c <= plusGrand; ++c) comptes.push_back(c);
        return comptes;
    }
    for (std::uint32_t quart = 0; quart <= 4; ++quart) {
        const std::uint32_t c =
            std::max<std::uint32_t>(1, static_cast<std::uint32_t>((std::uint64_t{plusGrand} * quart + 2) / 4));
        if (comptes.empty() || comptes.back() != c) comptes.push_back(c);
    }
    return comptes;
}

// Boîte d'une région en unités de carte, pour ranger les conteneurs avant leurs enclaves.
double aireBoite(const RegionCarte& r) {
    std::uint32_t x1 = std::numeric_limits<std::uint32_t>::max(), y1 = x1, x2 = 0, y2 = 0;
    for (const PolygoneCarte& p : r.polygones)
        for (const PointCarte& q : p.points) {
            x1 = std::min(x1, q.x), y1 = std::min(y1, q.y);
            x2 = std::max(x2, q.x), y2 = std::max(y2, q.y);
        }
    return x2 < x1 ? 0.0 : double(x2 - x1) * double(y2 - y1);
}

bool aDesEnclaves(const RegionCarte& r) {
    return std::any_of(r.polygones.begin(), r.polygones.end(), [](const PolygoneCarte& p) { return p.enclave; });
}

}  // namespace

std::uint32_t teinteCompte(std::uint8_t r, std::uint8_t v, std::uint8_t b, std::uint32_t compte,
                           std::uint32_t plusGrand) {
    const double t = plusGrand == 0 ? 1.0 : 1.0 - static_cast<double>(compte) / static_cast<double>(plusGrand);
    return couleurRvb(melange(r, t), melange(v, t), melange(b, t));
}

void CarteLocalisation::initialiserParametres(const ContexteDocument& contexte) {
    DocumentCarte::initialiserParametres(contexte);
    const CouleurRvb c =
        contexte.preferences ? contexte.preferences->couleurRemplissage : Configuration{}.couleurRemplissage;
    valeur(kRougeCarte) = c.rouge;
    valeur(kVertCarte) = c.vert;
    valeur(kBleuCarte) = c.bleu;
}

bool CarteLocalisation::verifierParametres(const ContexteDocument& contexte) {
    const BaseGenealogique& base = *contexte.base;
    switch (type().variante) {
        case kVarianteComplete: return true;
        case kVariantePatronyme:
            if (nomRacine().empty()) return false;
            if (!porteursDuNom(base, contexte.noms, nomRacine()).empty()) return true;
            contexte.signaler("Aucun individu n'a ce patronyme");
            return false;
        default: break;
    }
    const std::int32_t r = racine();
    if (r <= 0 || static_cast<std::uint32_t>(r) > base.nombreIndividus()) return false;
    if (type().variante == kVarianteAscendante) {
        const ParentsPersonne parents = Parents(base, static_cast<std::uint32_t>(r));
        if (parents.pere || parents.mere) return true;
        contexte.signaler("Cette personne n'a aucun parent connu");
        return false;
    }
    if (aDesEnfants(base, static_cast<std::uint32_t>(r))) return true;
    contexte.signaler("Cette personne n'a aucune descendance");
    return false;
}

std::vector<std::uint32_t> CarteLocalisation::personnesComptees(const ContexteDocument& contexte) const {
    const BaseGenealogique& base = *contexte.base;
    const auto r = static_cast<std::uint32_t>(std::max(0, racine()));
    switch (type().variante) {
        case kVarianteAscendante: return ascendantsCarte(base, r);
        case kVarianteDescendante: return descendantsCarte(base, r);
        case kVariantePatronyme: return porteursDuNom(base, contexte.noms, nomRacine());
        default: return toutesLesPersonnes(base);
    }
}

std::uint32_t CarteLocalisation::teinte(std::uint32_t compte) const {
    return teinteCompte(octet(kRougeCarte), octet(kVertCarte), octet(kBleuCarte), compte, comptage_.plusGrand);
}

void CarteLocalisation::preparer(const ContexteDocument& contexte) {
    preparerReglages(contexte);
    chargerCarte();
    const std::uint8_t lieu = std::min<std::uint8_t>(octet(kLieuCarte), 2);
    comptage_ = compterRegions(*contexte.base, personnesComptees(contexte), static_cast<LieuCompte>(lieu),
                               paysDeZone(zone()), carte_.regionMax);
    if (comptage_.regionsComptees == 0)
        throw OperationImpossible(
            "Aucune de ces personnes n'a de lieu connu dans une région du pays de la carte ("_1252 + nomZone(zone()) +
            ")");
    ordonnerValeurs();

    const bool signature = reglagesDessin_.signature, legende = octet(kLegendeCarte), tableau = octet(kTableauValeurs);
    std::int32_t bas = (signature ? kBandeSignature : 0) + (legende ? kBandeLegende : 0);
    mettreAEchelle(hauteurPourCarte(bas));
    dessin_.largeur = largeurDessin();
    if (legende) placerLegende(signature ? kBandeSignature : 0);
    if (tableau) {
        if (bas == 0) bas = 2 * kLigne;
        placerTableau(bas);
        bas += kCadreTableau + kLigne * static_cast<std::int32_t>(valeurs_.size()) + kEcartTableau -
               echelle_.hauteur % kLigne;
    }
    poserCarte(basDeCarte(bas));
    dessin_.hauteur = echelle_.y0 + echelle_.hauteur;
    placerRemplissages();
    placerContours();
    placerCodes();
    placerSignature();
}

// Par compte décroissant, puis par nom (sans égard aux accents ni à la casse).
void CarteLocalisation::ordonnerValeurs() {
    valeurs_.clear();
    for (int region = 0; region < 256; ++region)
        if (comptage_.compte[static_cast<std::size_t>(region)])
            valeurs_.push_back({static_cast<std::uint8_t>(region), nomRegion(static_cast<std::uint8_t>(region)),
                                comptage_.compte[static_cast<std::size_t>(region)]});
    std::stable_sort(valeurs_.begin(), valeurs_.end(), [](const LigneValeur& a, const LigneValeur& b) {
        if (a.compte != b.compte) return a.compte > b.compte;
        const std::string ka = CleNom(a.nom), kb = CleNom(b.nom);
        return ka != kb ? ka < kb : a.nom < b.nom;
    });
}

// Les régions qui ont des enclaves d'abord, de la plus grande à la plus petite : une région
// logée dans l'enclave d'une autre se peint après le blanc de cette enclave.
void CarteLocalisation::placerRemplissages() {
    std::vector<const RegionCarte*> comptees;
    for (const RegionCarte& r : carte_.regions)
        if (r.numero < 256 && comptage_.compte[r.numero]) comptees.push_back(&r);
    std::stable_sort(comptees.begin(), comptees.end(), [](const RegionCarte* a, const RegionCarte* b) {
        const bool ea = aDesEnclaves(*a), eb = aDesEnclaves(*b);
        if (ea != eb) return ea;
        return aireBoite(*a) > aireBoite(*b);
    });
    for (const RegionCarte* r : comptees) {
        const std::uint32_t couleur = teinte(comptage_.compte[r->numero]);
        for (const PolygoneCarte& p : r->polygones)
            dessin_.remplissages.push_back({pointsDessin(p), p.enclave ? kBlanc : couleur});
    }
}

// Légende : le titre, une pastille par compte choisi et son nombre dessous, centrés.
std::int32_t CarteLocalisation::placerLegende(std::int32_t bas) {
    const std::vector<std::uint32_t> comptes = comptesLegende(comptage_.plusGrand);
    const auto n = static_cast<std::int32_t>(comptes.size());
    const std::int32_t etendue = n * kPastille + (n - 1) * kLigne / 2;
    std::int32_t x = (dessin_.largeur - etendue) / 2;
    const std::string titre = "Nombre de personnes par région"_1252;
    const std::int32_t lt = largeurTexte1252(titre);
    dessin_.textes.push_back({(dessin_.largeur - lt) / 2, bas + 2 * kLigne + kBaseLigne, lt, titre});
    for (std::uint32_t compte : comptes) {
        const std::int32_t y1 = bas + kLigne, y2 = bas + 2 * kLigne - kLigne / 4;
        dessin_.remplissages.push_back({{x, y1, x + kPastille, y1, x + kPastille, y2, x, y2}, teinte(compte)});
        dessin_.cadres.push_back({x, y1, x + kPastille, y2});
        const std::string nombre = std::to_string(compte);
        const std::int32_t l = largeurTexte1252(nombre);
        dessin_.textes.push_back({x + (kPastille - l) / 2, bas + kBaseLigne, l, nombre});
        x += kPastille + kLigne / 2;
    }
    return bas + kBandeLegende;
}

// Tableau des valeurs : un cadre centré, le nom à gauche, le compte aligné à droite.
void CarteLocalisation::placerTableau(std::int32_t bas) {
    std::int32_t noms = 0, nombres = 0;
    for (const LigneValeur& v : valeurs_) {
        noms = std::max(noms, largeurTexte1252(v.nom));
        nombres = std::max(nombres, largeurTexte1252(std::to_string(v.compte)));
    }
    const std::int32_t etendue = 2 * kRetrait + noms + 2 * kLigne + nombres;
    const std::int32_t x1 = std::max(0, (dessin_.largeur - etendue) / 2), x2 = x1 + etendue;
    const std::int32_t haut = bas + kCadreTableau + kLigne * static_cast<std::int32_t>(valeurs_.size());
    dessin_.cadres.push_back({x1, bas, x2, haut});
    std::int32_t ligne = haut - kCadreTableau / 2 - kLigne;
    for (const LigneValeur& v : valeurs_) {
        dessin_.textes.push_back({x1 + kRetrait, ligne + kBaseLigne, largeurTexte1252(v.nom), v.nom});
        const std::string nombre = std::to_string(v.compte);
        const std::int32_t l = largeurTexte1252(nombre);
        dessin_.textes.push_back({x2 - kRetrait - l, ligne + kBaseLigne, l, nombre});
        ligne -= kLigne;
    }
}

}  // namespace lignara
