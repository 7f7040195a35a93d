#include "documents/frises/FriseIndividuelle.h"

#include <algorithm>

#include "commun/Texte.h"
#include "documents/frises/EchelleTemps.h"
#include "documents/frises/GenerationsFrise.h"
#include "documents/frises/LibelleFrise.h"
#include "documents/frises/TraceFrise.h"
#include "documents/frises/ViesFrise.h"
#include "reglages/RaccordDessin.h"
#include "render/SurfacePdf.h"

namespace lignara {

namespace {

constexpr std::uint32_t kGrisBande = couleurRvb(0xEB, 0xEB, 0xEB);
constexpr std::uint32_t kVertFilet = couleurRvb(0x00, 0x64, 0x00);
constexpr std::uint32_t kFiletSeparation = couleurRvb(0x30, 0x30, 0x30);
constexpr const char* kTitre = "Frise chronologique";
constexpr int kTailleBande = 9;

// Libellé de la boîte de chaque bande, sur une ou deux lignes (Windows-1252).
struct LibelleBande {
    const char* ligne1;
    const char* ligne2;
};
const LibelleBande kLibellesBandes[kNombreBandes] = {
    {"Evénements"_1252, "personnels"},
    {"Evénements"_1252, "familiaux"},
    {"Professions", nullptr},
    {"Domiciles", nullptr},
};

}  // namespace

FriseIndividuelle::FriseIndividuelle(const Afficheur& type) : Document(type) {}
FriseIndividuelle::~FriseIndividuelle() = default;

OptionsFrise FriseIndividuelle::options() const {
    OptionsFrise o;
    o.religieux = octet(kEvenementsReligieux) != 0;
    o.familiaux = octet(kEvenementsFamiliaux) != 0;
    o.professions = octet(kProfessionsFrise) != 0;
    o.domiciles = octet(kDomicilesFrise) != 0;
    o.echelleFixe = octet(kEchelleFixe) != 0;
    return o;
}

bool FriseIndividuelle::verifierParametres(const ContexteDocument& contexte) {
    if (racine() == 0) return false;
    if (contexte.sourcesGedcom && contexte.sourcesGedcom->modifieesDepuisImport()) {
        contexte.signaler(
            "Le fichier Gedcom a été modifié.\nVous devez réouvrir ce fichier pour pouvoir générer une frise individuelle. "_1252);
        return false;
    }
    return true;
}

std::vector<std::uint32_t> FriseIndividuelle::personnes(const ContexteDocument& contexte) const {
    const auto r = static_cast<std::uint32_t>(racine());
    if (type().code == kCodeIndividuelle) return {r};
    ReglesGenerations regles;
    regles.sens = type().code == kCodeDescendants ? SensGenerations::Descendants : SensGenerations::Ascendants;
    regles.coupes = ensemble(kCoupesFrises);
    // « Couper au-delà de N générations » : 0 n'en coupe aucune.
    regles.limite = octet(kLimiteGenerations) > 0 ? octet(kLimiteGenerations) : ReglesGenerations::kSansLimite;
    std::vector<std::uint32_t> liste;
    for (const auto& g : collecterGenerations(*contexte.base, {r}, regles).membres)
        liste.insert(liste.end(), g.begin(), g.end());
    return liste;
}

void FriseIndividuelle::preparer(const ContexteDocument& contexte) {
    remplirReglagesDessin(contexte.preferences ? *contexte.preferences : Configuration{}, dessin_);
    format = FormatSortie::Pdf;
    RelectureIndividu relecture = contexte.sourcesGedcom ? contexte.sourcesGedcom->relecture() : RelectureIndividu({});
    const OptionsFrise o = options();
    frises_.clear();
    for (std::uint32_t p : personnes(contexte)) frises_.push_back(construireFrise(*contexte.base, relecture, p, o));
    placer();
}

std::int32_t FriseIndividuelle::hauteurFrise(const FriseIndividu& f) {
    std::int32_t lignes = static_cast<std::int32_t>(f.nombreEvenements(kPersonnels)) + 8;
    for (BandeFrise b : {kFamiliaux, kProfessions, kDomiciles})
        if (f.nombreEvenements(b) > 0) lignes += static_cast<std::int32_t>(f.nombreEvenements(b)) + 1;
    return lignes * kLigne;
}

// Hauts des frises de haut en bas. Sur papier paginé, chaque frise occupe des pages entières,
// marges haute et basse comprises : la grille des pages part du bas de la surface totale, d'où
// une surface totale multiple de la hauteur d'une page, et chaque frise commence à la marge
// haute de sa première page.
void FriseIndividuelle::placer() {
    largeur = largeurFrise(dessin_);
    std::vector<std::int64_t> tranches;
    std::int64_t total = 0;
    const std::int64_t marges = std::int64_t{dessin_.margeHaut} + dessin_.margeBas;
    for (const FriseIndividu& f : frises_) {
        // Une tranche de pages entières par frise : sa hauteur sur pages, marges comprises.
        const std::int64_t h = hauteurSurPages(hauteurFrise(f), dessin_) + (hauteurPageFrise(dessin_) > 0 ? marges : 0);
        tranches.push_back(h);
        total += h;
    }
    if (hauteurPageFrise(dessin_) > 0 && total > 0) total -= marges;
    hauteur = hauteurSurPages(total, dessin_);
    hauts_.clear();
    std::int64_t haut = hauteur;
    for (std::int64_t h : tranches) {
        hauts_.push_back(static_cast<std::int32_t>(haut));
        haut -= h;
    }
}

void FriseIndividuelle::ecrire() {
    SurfacePdf surface(dessin_, polices, horloge);
    surface.ouvrir(std::filesystem::path(chemin), kTitre, 100, largeur, hauteur + 1);
    TraceFrise trace(surface, polices);
    const bool pagine = hauteurPageFrise(dessin_) > 0;
    for (std::size_t i = 0; i < frises_.size(); ++i) {
        dessinerFrise(trace, frises_[i], hauts_[i]);
        if (i > 0 && !pagine) trace.trait(0, hauts_[i], largeur, hauts_[i], kFiletSeparation, 1.0f);
    }
    if (dessin_.signature && !frises_.empty())
        signerFrise(trace, largeur, hauteur, kTitre, titreDe(frises_.front().nom, frises_.front().prenoms));
    surface.fermer();
}

void FriseIndividuelle::dessinerFrise(TraceFrise& trace, const FriseIndividu& f, std::int32_t yHaut) const {
    dessinerTitreFrise(trace, largeur, yHaut, kTitre, titreDe(f.nom, f.prenoms));
    const std::int32_t droite = largeur - EchelleTemps::kMargeDroite - TraceFrise::kLongueurFleche;
    const EchelleTemps echelle(f.plage, kGaucheAxe, droite - kGaucheAxe, options().echelleFixe);
    const std::int32_t hautBandes = yHaut - 4 * kLigne;
    dessinerAxeFrise(trace, echelle, yHaut - hauteurFrise(f), hautBandes);
    std::int32_t y = dessinerBande(trace, f, kPersonnels, echelle, hautBandes);
    for (BandeFrise b : {kFamiliaux, kProfessions, kDomiciles})
        if (f.nombreEvenements(b) > 0) y = dessinerBande(trace, f, b, echelle, y - kLigne);
}

// Rend le bas de la bande.
std::int32_t FriseIndividuelle::dessinerBande(TraceFrise& trace, const FriseIndividu& f, BandeFrise bande,
                                              const EchelleTemps& echelle, std::int32_t yHaut) const {
    const auto& evenements = f.bandes[bande];
    const std::int32_t yBas = yHaut - static_cast<std::int32_t>(evenements.size()) * kLigne;
    if (evenements.empty()) return yBas;
    trace.rectanglePlein(0, yBas + 16, kLargeurBandes, yHaut - 16, kGrisBande);
    trace.trait(kLargeurBandes + 45, yBas, kLargeurBandes + 45, yHaut, kVertFilet, 1.5f);
    const LibelleBande& l = kLibellesBandes[bande];
    const std::int32_t milieu = (yHaut + yBas) / 2;
    if (l.ligne2) {
        trace.texteCentre(kLargeurBandes / 2, milieu + 20, l.ligne1, kTailleBande);
        trace.texteCentre(kLargeurBandes / 2, milieu - 150, l.ligne2, kTailleBande);
    } else {
        trace.texteCentre(kLargeurBandes / 2, milieu - 60, l.ligne1, kTailleBande);
    }
    std::int32_t y = yHaut - kLigne / 2;
    for (const EvenementFrise& e : evenements) {
        trace.evenement(e, echelle, y, kHauteurBarre);
        y -= kLigne;
    }
    return yBas;
}

}  // namespace lignara
