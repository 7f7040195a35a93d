#include "documents/roues/Roue.h"

#include <algorithm>

#include "database/Parente.h"
#include "database/TablesDerivees.h"
#include "documents/SelectionPersonne.h"
#include "documents/roues/GeometrieRoue.h"
#include "reglages/RaccordDessin.h"
#include "render/FormatPapier.h"
#include "render/GrillePages.h"
#include "render/SurfacePdf.h"

namespace lignara {

void Roue::preparerReglages(const ContexteDocument& contexte) {
    preferences_ = contexte.preferences ? *contexte.preferences : Configuration{};
    remplirReglagesDessin(preferences_, reglagesDessin_);
    format = FormatSortie::Pdf;
    dessin_ = DessinRoue{};
    signature_ = false;
}

LectureNom Roue::lectureNoms(const ContexteDocument& contexte) const {
    return [&contexte](std::uint32_t personne) {
        SelectionPersonne noms(contexte);
        return NomRoue{noms.nomDe(personne), noms.prenomsDe(personne), contexte.base->LireIndividu(personne).sexe};
    };
}

std::vector<NomRoue> Roue::conjointsRacine(const ContexteDocument& contexte, bool contemporains) {
    std::vector<NomRoue> noms;
    if (!allocation_) return noms;
    const LectureNom lire = lectureNoms(contexte);
    for (const ConjointRoue& c : allocation_->conjointsRacine())
        if (contemporains || !c.vivant) noms.push_back(lire(c.personne));
    return noms;
}

const AllocationDescendante& Roue::allouer(const ContexteDocument& contexte, double budget,
                                           const ParametreDeclare& anneaux) {
    const auto r = static_cast<std::uint32_t>(racine());
    if (!allocation_ || allocation_->racine() != r || allocation_->budget() != budget) {
        allocation_.reset();
        // Les marques de vie viennent des tables dérivées : on les attend avant de lire.
        TablesDerivees locales;
        const TablesDerivees* tables = nullptr;
        if (contexte.tablesDerivees) {
            tables = &contexte.tablesDerivees();
        } else {
            locales = calculerTablesDerivees(*contexte.base, horloge.annee());
            tables = &locales;
        }
        AllocationDescendante::Regles regles;
        regles.budget = budget;
        regles.doublesBranches = contexte.preferences && contexte.preferences->doublesBranchesDescendantes;
        allocation_ = AllocationDescendante::calculer(*contexte.base, *tables, r, regles);
    }
    fixerMaximum(anneaux, std::max(1, allocation_->anneauxQuiTiennent()));
    return *allocation_;
}

int Roue::anneauxDemandes(const ParametreDeclare& anneaux) const {
    const int demandes = std::clamp<int>(octet(anneaux), 1, roue::kAnneauxDescendantsMax);
    return allocation_ ? std::min(demandes, allocation_->anneauxQuiTiennent()) : 0;
}

void Roue::placerSignature(std::initializer_list<std::int32_t> rayons) {
    signature_ = reglagesDessin_.signature;
    for (std::int32_t r : rayons) signature_ = signature_ && dessin_.signatureHorsDuDisque(polices.largeurSignature, r);
}

void Roue::mettreEnPage(const roue::BoiteRoue& boite) {
    dessin_.cx = 1 - boite.xMin;
    dessin_.cy = 1 - boite.yMin;
    dessin_.largeur = boite.xMax - boite.xMin + 2;
    dessin_.hauteur = boite.yMax - boite.yMin + 2;
    // Sur papier, une roue qui tient dans une page y est centrée plutôt que posée en bas à
    // gauche ; la signature reste dans le coin de la page.
    const FormatPapier papier = formatPapierOuNonPagine(reglagesDessin_.formatPapier);
    if (papier.estPagine()) {
        const GrillePages page(papier, 100, 1, 1);
        const std::int32_t dispoL = page.largeurPage() - reglagesDessin_.margeGauche - reglagesDessin_.margeDroite;
        const std::int32_t dispoH = page.hauteurPage() - reglagesDessin_.margeHaut - reglagesDessin_.margeBas;
        if (dessin_.largeur <= dispoL && dessin_.hauteur <= dispoH) {
            dessin_.cx += (dispoL - dessin_.largeur) / 2;
            dessin_.cy += (dispoH - dessin_.hauteur) / 2;
            dessin_.largeur = dispoL;
            dessin_.hauteur = dispoH;
        }
    }
    largeur = dessin_.largeur;
    hauteur = dessin_.hauteur;
}

roue::BoiteRoue Roue::boiteEventail() const {
    roue::BoiteRoue boite;
    const int anneaux = allocation_ ? allocation_->anneauxPlaces() : 0;
    for (int k = 1; k <= anneaux; ++k)
        for (const EntreeRoue& e : allocation_->anneau(k))
            boite.ajouter(roue::boiteCouronne(roue::cercleDescendant(k), roue::cercleDescendant(k + 1), e.debut,
                                              e.debut + e.largeur));
    return boite;
}

void Roue::ecrire() {
    SurfacePdf surface(reglagesDessin_, polices, horloge);
    // Pas d'étirement : les cercles resteraient des ellipses.
    surface.ouvrir(std::filesystem::path(chemin), type().titre1252(), 100, dessin_.largeur, dessin_.hauteur);
    const CouleursNoms couleurs{preferences_.couleurParSexe, reglagesDessin_.couleurHommes,
                                reglagesDessin_.couleurFemmes};
    ecrireRoue(dessin_, surface, reglagesDessin_, couleurs, signature_);
    surface.fermer();
}

}  // namespace lignara
