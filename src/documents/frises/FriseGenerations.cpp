#include "documents/frises/FriseGenerations.h"

#include <algorithm>
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

constexpr int kTailleGeneration = 9;

// Du plus tôt des naissances au plus tard des décès ; les parties incertaines vont du plus tôt
// au plus tard des bornes basses (début) et hautes (fin).
struct Etendue {
    IntervalleJours debut{kJourInconnu, kJourInconnu};
    IntervalleJours fin{kJourInconnu, kJourInconnu};
    bool vide = true;

    void inclure(const EvenementFrise& vie) {
        if (!vie.date()) return;
        if (vide) {
            debut = vie.debut;
            fin = vie.fin;
            vide = false;
            return;
        }
        debut.bas = std::min(debut.bas, vie.debut.bas);
        debut.haut = std::min(debut.haut, vie.debut.haut);
        fin.bas = std::max(fin.bas, vie.fin.bas);
        fin.haut = std::max(fin.haut, vie.fin.haut);
    }
};

}  // namespace

FriseGenerations::FriseGenerations(const Afficheur& type) : Document(type) {}
FriseGenerations::~FriseGenerations() = default;

std::string FriseGenerations::libelle(std::size_t personnes, bool descendants, bool multiple) {
    char t[64];
    std::snprintf(t, sizeof t, "%zu %sscendant%s%s", personnes, descendants ? "de" : "a", personnes >= 2 ? "s" : "",
                  multiple ? " *" : "");
    return t;
}

std::string FriseGenerations::titre() const {
    std::string t =
        descendante() ? "Frise des générations descendantes"_1252 : "Frise des générations ascendantes"_1252;
    if (avecConjoints()) t += " (conjoints compris)";
    return t;
}

bool FriseGenerations::verifierParametres(const ContexteDocument& contexte) {
    if (racine() == 0) return false;
    if (!familiale()) return true;
    const auto couple = familleDuCoupleChoisi(contexte, static_cast<std::uint32_t>(racine()), personne(kConjoint));
    if (!couple) return false;
    conjoint_ = couple->conjoint;
    return true;
}

void FriseGenerations::preparer(const ContexteDocument& contexte) {
    remplirReglagesDessin(contexte.preferences ? *contexte.preferences : Configuration{}, dessin_);
    format = FormatSortie::Pdf;
    const ViesFrise vies(contexte, horloge.annee());
    const auto r = static_cast<std::uint32_t>(racine());
    ReglesGenerations regles;
    regles.sens = descendante() ? SensGenerations::Descendants : SensGenerations::Ascendants;
    regles.uneFoisChacune = false;
    regles.conjoints = avecConjoints();
    std::vector<Generations> cotes{collecterGenerations(*contexte.base, {r}, regles)};
    if (familiale() && conjoint_ != 0) cotes.push_back(collecterGenerations(*contexte.base, {conjoint_}, regles));
    std::size_t nombre = 0;
    for (const Generations& c : cotes) nombre = std::max(nombre, c.membres.size());
    const CategorieFrise categories[2] = {cotes.size() > 1 ? CategorieFrise::Homme : CategorieFrise::Domicile,
                                          CategorieFrise::Femme};
    PlageJours plage;
    barres_.clear();
    for (std::size_t g = 0; g < nombre; ++g) {
        for (std::size_t c = 0; c < cotes.size(); ++c) {
            if (g >= cotes[c].membres.size()) continue;
            Barre b;
            b.generation = g;
            b.personnes = cotes[c].membres[g].size();
            Etendue etendue;
            for (std::uint32_t p : cotes[c].membres[g]) {
                etendue.inclure(vies.vie(p));
                b.multiple = b.multiple || cotes[c].multiples.contient(p);
            }
            b.vie.categorie = categories[c];
            b.vie.libelle = libelle(b.personnes, descendante(), b.multiple);
            if (!etendue.vide) {
                b.vie.debut = etendue.debut;
                b.vie.fin = etendue.fin;
            }
            plage.inclure(b.vie);
            barres_.push_back(std::move(b));
        }
    }
    sousTitre_ = titreDe(vies.nom(r), vies.prenoms(r));
    if (cotes.size() > 1) sousTitre_ += " " + titreDe(vies.nom(conjoint_), vies.prenoms(conjoint_), "et");

    largeur = largeurFrise(dessin_);
    const std::int32_t droite = largeur - EchelleTemps::kMargeDroite - TraceFrise::kLongueurFleche;
    echelle_ = EchelleTemps(plage, kLargeurLibelles, droite - kLargeurLibelles, false);
    const std::int64_t h = ViesFrise::kHauteurTitre + ViesFrise::kHauteurAxe +
                           std::int64_t{ViesFrise::kRangee} * static_cast<std::int64_t>(barres_.size());
    hauteur = hauteurSurPages(h, dessin_);
    contenu_ = static_cast<std::int32_t>(h);
}

void FriseGenerations::ecrire() {
    SurfacePdf surface(dessin_, polices, horloge);
    surface.ouvrir(std::filesystem::path(chemin), titre(), 100, largeur, hauteur + 1);
    TraceFrise trace(surface, polices);
    trace.mentionSansDate(ViesFrise::kDatesInconnues);
    dessinerTitreFrise(trace, largeur, hauteur, titre(), sousTitre_);
    const std::int32_t hautRangees = hauteur - ViesFrise::kHauteurTitre;
    dessinerAxeFrise(trace, echelle_, hauteur - contenu_, hautRangees);
    std::int32_t y = hautRangees;
    std::size_t derniere = static_cast<std::size_t>(-1);
    for (const Barre& b : barres_) {
        const std::int32_t yc = y - ViesFrise::kRangee / 2;
        if (b.generation != derniere) {
            char texte[32];
            std::snprintf(texte, sizeof texte, "Génération %zu"_1252, b.generation + 1);
            trace.texte(45, yc - 50, texte, kTailleGeneration);
            derniere = b.generation;
        }
        trace.evenement(b.vie, echelle_, yc, ViesFrise::kHauteurBarre);
        y -= ViesFrise::kRangee;
    }
    if (dessin_.signature) signerFrise(trace, largeur, hauteur, titre(), sousTitre_);
    surface.fermer();
}

}  // namespace lignara
