#include "documents/frises/FriseLignees.h"

#include <cstdio>

#include "commun/Texte.h"
#include "documents/ChoixConjoint.h"
#include "documents/frises/GenerationsFrise.h"
#include "documents/frises/LibelleFrise.h"
#include "documents/frises/TraceFrise.h"
#include "documents/frises/ViesFrise.h"
#include "reglages/RaccordDessin.h"
#include "render/SurfacePdf.h"

namespace lignara {

namespace {

constexpr std::uint32_t kGrisEnTete = couleurRvb(0x50, 0x50, 0x50);
constexpr int kTailleEnTete = 10;

}  // namespace

FriseLignees::FriseLignees(const Afficheur& type) : Document(type) {}
FriseLignees::~FriseLignees() = default;

bool FriseLignees::verifierParametres(const ContexteDocument& contexte) {
    if (racine() == 0) return false;
    if (!familiale()) return true;
    const auto couple = familleDuCoupleChoisi(contexte, static_cast<std::uint32_t>(racine()), personne(kConjoint));
    if (!couple) return false;
    conjoint_ = couple->conjoint;
    return true;
}

std::string FriseLignees::titre() const { return descendante() ? "Frise descendante" : "Frise ascendante"; }

void FriseLignees::preparer(const ContexteDocument& contexte) {
    remplirReglagesDessin(contexte.preferences ? *contexte.preferences : Configuration{}, dessin_);
    format = FormatSortie::Pdf;
    const ViesFrise vies(contexte, horloge.annee());
    const auto r = static_cast<std::uint32_t>(racine());
    std::vector<std::uint32_t> racines{r};
    if (familiale() && conjoint_ != 0) racines.push_back(conjoint_);
    ReglesGenerations regles;
    regles.sens = descendante() ? SensGenerations::Descendants : SensGenerations::Ascendants;
    // « N générations » : la racine et N − 1 au-dessus (ou au-dessous) ; 0 : aucune limite.
    regles.limite = octet(kLimiteFrise) > 0 ? octet(kLimiteFrise) - 1 : ReglesGenerations::kSansLimite;
    PlageJours plage;
    generations_.clear();
    for (const auto& membres : collecterGenerations(*contexte.base, racines, regles).membres) {
        std::vector<Rangee> rangees;
        for (std::uint32_t p : membres) {
            Rangee rangee{p, vies.vie(p), vies.mariages(p)};
            plage.inclure(rangee.vie);
            rangees.push_back(std::move(rangee));
        }
        generations_.push_back(std::move(rangees));
    }
    sousTitre_ = titreDe(vies.nom(r), vies.prenoms(r));
    if (racines.size() > 1) sousTitre_ += " " + titreDe(vies.nom(conjoint_), vies.prenoms(conjoint_), "et");

    largeur = largeurFrise(dessin_);
    const std::int32_t droite = largeur - EchelleTemps::kMargeDroite - TraceFrise::kLongueurFleche;
    echelle_ = EchelleTemps(plage, kGauche, droite - kGauche, false);
    std::int64_t h = ViesFrise::kHauteurTitre + ViesFrise::kHauteurAxe;
    for (const auto& g : generations_)
        h += kEnTeteGeneration + std::int64_t{ViesFrise::kRangee} * std::int64_t(g.size());
    hauteur = hauteurSurPages(h, dessin_);
    contenu_ = static_cast<std::int32_t>(h);
}

void FriseLignees::ecrire() {
    SurfacePdf surface(dessin_, polices, horloge);
    surface.ouvrir(std::filesystem::path(chemin), titre(), 100, largeur, hauteur + 1);
    TraceFrise trace(surface, polices);
    trace.mentionSansDate(ViesFrise::kDatesInconnues);
    dessinerTitreFrise(trace, largeur, hauteur, titre(), sousTitre_);
    const std::int32_t hautRangees = hauteur - ViesFrise::kHauteurTitre;
    dessinerAxeFrise(trace, echelle_, hauteur - contenu_, hautRangees);
    std::int32_t y = hautRangees;
    for (std::size_t g = 0; g < generations_.size(); ++g) y = dessinerGeneration(trace, g, y);
    if (dessin_.signature) signerFrise(trace, largeur, hauteur, titre(), sousTitre_);
    surface.fermer();
}

// En-tête « Génération %d » entre deux filets, un triangle dessous, puis les rangées ; rend le bas.
std::int32_t FriseLignees::dessinerGeneration(TraceFrise& trace, std::size_t g, std::int32_t yHaut) const {
    char texte[32];
    std::snprintf(texte, sizeof texte, "Génération %zu"_1252, g + 1);
    const std::int32_t l = trace.largeur(texte, kTailleEnTete);
    const std::int32_t milieu = (echelle_.gauche() + echelle_.droite()) / 2;
    const std::int32_t yTexte = yHaut - 190;
    trace.texteCentre(milieu, yTexte, texte, kTailleEnTete);
    trace.trait(echelle_.gauche(), yTexte + 50, milieu - l / 2 - 90, yTexte + 50, kGrisEnTete, 0.5f);
    trace.trait(milieu + l / 2 + 90, yTexte + 50, echelle_.droite(), yTexte + 50, kGrisEnTete, 0.5f);
    trace.triangle(milieu, yHaut - kEnTeteGeneration + 40, 50, 70, kGrisEnTete);
    std::int32_t y = yHaut - kEnTeteGeneration;
    for (const Rangee& r : generations_[g]) {
        const std::int32_t yc = y - ViesFrise::kRangee / 2;
        trace.evenement(r.vie, echelle_, yc, ViesFrise::kHauteurBarre);
        if (r.vie.date() && !echelle_.vide())
            for (std::int32_t jour : r.mariages)
                trace.pastille(echelle_.x(jour), yc + ViesFrise::kHauteurBarre / 2, CategorieFrise::Mariage);
        y -= ViesFrise::kRangee;
    }
    return y;
}

}  // namespace lignara
