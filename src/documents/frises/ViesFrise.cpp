#include "documents/frises/ViesFrise.h"

#include <algorithm>

#include "database/Parente.h"
#include "database/TablesDerivees.h"
#include "documents/frises/LibelleFrise.h"
#include "documents/frises/TraceFrise.h"
#include "render/SurfacePdf.h"

namespace lignara {

namespace {

constexpr int kTailleTitre = 14;
constexpr int kTailleSousTitre = 11;
constexpr std::int32_t kMargeSignature = 90;
constexpr std::int32_t kHauteurSignature = 528;

DateGed dateDe(const BaseGenealogique& base, std::uint32_t evenement) {
    return evenement == 0 ? DateGed{} : base.LireEvenement(evenement).date;
}

}  // namespace

ViesFrise::ViesFrise(const ContexteDocument& contexte, int anneeCourante) : base_(*contexte.base) {
    annees_ = contexte.tablesDerivees ? contexte.tablesDerivees().anneesNaissance
                                      : calculerTablesDerivees(base_, anneeCourante).anneesNaissance;
}

BornesVie ViesFrise::bornes(std::uint32_t p) const {
    const Individu i = base_.LireIndividu(p);
    const std::int16_t estimee = p < annees_.size() ? annees_[p] : kSansEstimation;
    return BornesVie::calculer(dateDe(base_, i.naissance), estimee, dateDe(base_, i.deces));
}

std::string ViesFrise::nom(std::uint32_t p) const { return base_.LireTexte(TableNoms, base_.LireIndividu(p).nom); }
std::string ViesFrise::prenoms(std::uint32_t p) const {
    return base_.LireTexte(TablePrenoms, base_.LireIndividu(p).prenoms);
}

EvenementFrise ViesFrise::vie(std::uint32_t p) const {
    const Individu i = base_.LireIndividu(p);
    const BornesVie b = bornes(p);
    EvenementFrise e;
    e.categorie = categorieDuSexe(i.sexe);
    nommerEvenement(e, "", "", base_.LireTexte(TablePrenoms, i.prenoms), base_.LireTexte(TableNoms, i.nom));
    if (!b.naissance.inconnu() && !b.deces.inconnu()) {
        e.debut = b.naissance;
        e.fin = b.deces;
    }
    return e;
}

std::vector<std::int32_t> ViesFrise::mariages(std::uint32_t p) const {
    std::vector<std::int32_t> jours;
    for (const FamilleConjoint& f : Conjoints(base_, p)) {
        const IntervalleJours j(dateDe(base_, f.mariage));
        if (!j.inconnu()) jours.push_back(j.bas + (j.haut - j.bas) / 2);
    }
    return jours;
}

void dessinerTitreFrise(TraceFrise& trace, std::int32_t largeur, std::int32_t yHaut, const std::string& titre,
                        const std::string& sousTitre) {
    trace.texteCentre(largeur / 2, yHaut - 220, titre, kTailleTitre);
    trace.texteCentre(largeur / 2, yHaut - 430, sousTitre, kTailleSousTitre);
}

void dessinerAxeFrise(TraceFrise& trace, const EchelleTemps& echelle, std::int32_t yBas, std::int32_t yHaut) {
    if (!echelle.vide()) trace.axe(echelle, yBas + 2 * ViesFrise::kLigne + ViesFrise::kLigne / 2, yHaut);
}

void signerFrise(TraceFrise& trace, std::int32_t largeur, std::int32_t hauteur, const std::string& titre,
                 const std::string& sousTitre) {
    const std::int32_t l = std::max(trace.largeur(titre, kTailleTitre), trace.largeur(sousTitre, kTailleSousTitre));
    if (largeur / 2 - l / 2 >= trace.polices().largeurSignature + 2 * kMargeSignature)
        trace.surface().signature(kMargeSignature, hauteur - kHauteurSignature);
}

}  // namespace lignara
