#include "documents/statistiques/Statistique.h"

#include <algorithm>
#include <filesystem>

#include "commun/Texte.h"
#include "parente/NomAffiche.h"
#include "reglages/RaccordDessin.h"
#include "render/SurfacePdf.h"

namespace lignara {

bool Statistique::verifierParametres(const ContexteDocument&) {
    return etendue() == EtenduePopulation::Complete || racine() > 0;
}

bool Statistique::conjointsDesDescendants() const {
    for (const ParametreDeclare* p :
         {&kConjointsDescendants<controle::kPremiereCase>, &kConjointsDescendants<controle::kPremiereCase + 1>,
          &kConjointsDescendants<controle::kPremiereCase + 2>})
        if (type().declare(*p)) return octet(*p) != 0;
    return false;
}

EnsemblePersonnes Statistique::population(const ContexteDocument& contexte) const {
    const EtenduePopulation e = etendue().value_or(EtenduePopulation::Ascendants);
    return choisirPopulation(*contexte.base, e, static_cast<std::uint32_t>(racine()), conjointsDesDescendants());
}

std::string Statistique::sousTitrePopulation(const ContexteDocument& contexte) const {
    const EtenduePopulation e = etendue().value_or(EtenduePopulation::Ascendants);
    if (e == EtenduePopulation::Complete) return "Ensemble de toutes les données"_1252;
    const std::string nom = nomAffiche(*contexte.base, static_cast<std::uint32_t>(racine()));
    if (e == EtenduePopulation::Ascendants) return "Ascendance de " + nom;
    return "Descendance de " + nom + (conjointsDesDescendants() ? " (conjoints compris)" : "");
}

void Statistique::preparer(const ContexteDocument& contexte) {
    preferences_ = contexte.preferences ? *contexte.preferences : Configuration{};
    remplirReglagesDessin(preferences_, dessin_);
    format = FormatSortie::Pdf;
    page_ = PageStatistique::duPapier(dessin_);
    calculer(contexte);
    largeur = std::max(page_.largeur, largeurContenu());
    hauteur = page_.hauteurDessin(hauteurContenu(), dessin_);
}

void Statistique::ecrire() {
    SurfacePdf surface(dessin_, polices, horloge);
    surface.ouvrir(std::filesystem::path(chemin), kTitrePdf, 100, largeur, hauteur);
    EtatTrace& etat = surface.etat();
    etat.epaisseurTrait = PageStatistique::kEpaisseurTraits;
    dessinerCadre(surface, largeur, hauteur, titre_, sousTitre_);
    dessiner(surface, hauteur - PageStatistique::kDebutContenu);
    if (page_.reserveSignature > 0) surface.signature(0, 0);
    surface.fermer();
}

}  // namespace lignara
