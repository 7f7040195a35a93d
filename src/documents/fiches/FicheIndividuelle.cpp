#include "documents/fiches/FicheIndividuelle.h"

#include <algorithm>
#include <string>

#include "commun/Texte.h"
#include "documents/fiches/LargeurUtile.h"
#include "documents/frises/GenerationsFrise.h"
#include "images/TaillePhoto.h"
#include "reglages/RaccordDessin.h"
#include "session/SourcesGedcom.h"

namespace lignara {

namespace {

constexpr std::int32_t kRetrait = 360;
constexpr std::int32_t kEcartPhotos = 180;

CouleurSegment couleurDe(std::uint8_t sexe, bool parSexe) {
    if (!parSexe) return CouleurSegment::Texte;
    if (sexe == 'M') return CouleurSegment::Hommes;
    if (sexe == 'F') return CouleurSegment::Femmes;
    return CouleurSegment::Texte;
}

void ligneSimple(FluxRedaction& flux, std::span<const Segment> segments, Mesure retrait = {}) {
    Ligne l;
    l.retrait = retrait;
    l.segments = segments;
    flux.ligne(l);
}

void rubrique(FluxRedaction& flux, const std::string& titre, const std::vector<LigneFiche>& lignes) {
    if (lignes.empty()) return;
    const Segment t[] = {{.texte = titre, .gras = true, .souligne = true}};
    ligneSimple(flux, t);
    for (const LigneFiche& l : lignes) {
        const Segment s[] = {{.texte = l.libelle}, {.texte = l.texte}};
        ligneSimple(flux, s, l.libelle.empty() ? Mesure{kRetrait, 4} : Mesure{});
    }
}

}  // namespace

bool FicheIndividuelle::verifierParametres(const ContexteDocument& contexte) {
    if (racine() == 0) return false;
    if (contexte.sourcesGedcom && contexte.sourcesGedcom->modifieesDepuisImport()) {
        contexte.signaler(
            "Le fichier Gedcom a été modifié.\nVous devez réouvrir ce fichier pour pouvoir générer une fiche individuelle. "_1252);
        return false;
    }
    return true;
}

std::vector<std::uint32_t> FicheIndividuelle::personnes(const ContexteDocument& contexte) const {
    const auto r = static_cast<std::uint32_t>(racine());
    if (type().code == kCodeIndividuelle) return {r};
    ReglesGenerations regles;
    regles.sens = type().code == kCodeDescendants ? SensGenerations::Descendants : SensGenerations::Ascendants;
    regles.coupes = ensemble(kCoupesFiches);
    // « Couper au-delà de N générations » : 0 n'en coupe aucune.
    regles.limite = octet(kLimiteGenerations) > 0 ? octet(kLimiteGenerations) : ReglesGenerations::kSansLimite;
    std::vector<std::uint32_t> liste;
    for (const auto& g : collecterGenerations(*contexte.base, {r}, regles).membres)
        liste.insert(liste.end(), g.begin(), g.end());
    return liste;
}

void FicheIndividuelle::preparer(const ContexteDocument& contexte) {
    preferences_ = contexte.preferences ? *contexte.preferences : Configuration{};
    remplirReglagesDessin(preferences_, dessin_);
    dessin_.messages = contexte.messages;
    suivreFormatDesParametres();
    hauteurPhotos_ = octet(kVignettesFiche) != 0 ? kHauteurVignette : kHauteurNormale;
    largeurPhotos_ = largeurUtile(dessin_);

    RelectureIndividu relecture = contexte.sourcesGedcom ? contexte.sourcesGedcom->relecture() : RelectureIndividu({});
    SourcesFiche sources;
    sources.base = contexte.base;
    sources.relecture = &relecture;
    sources.dossiersGedcom = contexte.dossiersGedcom;
    sources.taillePhoto = [&contexte](const std::string& photo) { return taillePhoto(photo, contexte.messages); };
    OptionsFiche options;
    options.religieux = octet(kReligieuxFiche) != 0;
    options.domiciles = octet(kDomicilesFiche) != 0;
    options.photos = octet(kPhotosFiche) != 0;
    fiches_.clear();
    for (std::uint32_t p : personnes(contexte)) fiches_.push_back(construireFiche(sources, p, options));
}

void FicheIndividuelle::redigerFiche(FluxRedaction& flux, const ContenuFiche& f) const {
    const Segment nom[] = {{.texte = f.nom, .gras = true, .couleur = couleurDe(f.sexe, preferences_.couleurParSexe)}};
    ligneSimple(flux, nom);
    if (!f.filiation.empty()) {
        const Segment s[] = {{.texte = f.filiation}};
        ligneSimple(flux, s);
    }
    flux.lignesVides(1);
    for (const LigneFiche& l : f.evenements) {
        const Segment s[] = {{.texte = l.libelle, .gras = true}, {.texte = l.texte}};
        ligneSimple(flux, s);
    }
    rubrique(flux, titreReligieux(f.religieux.size()), f.religieux);
    rubrique(flux, titreProfessions(f.professions.size()), f.professions);
    rubrique(flux, titreDomiciles(f.domiciles.size()), f.domiciles);
    if (f.photos.empty()) return;
    std::vector<CellulePhoto> cellules;
    std::int32_t largeurCellule = 1;
    for (const PhotoPersonne& p : f.photos) {
        const TaillePixels t = taillePosee(p.taille, hauteurPhotos_, largeurPhotos_ - kEcartPhotos);
        cellules.push_back(
            {.chemin1252 = p.chemin1252, .largeur = t.largeur, .hauteur = t.hauteur, .texteAlternatif = f.nom});
        largeurCellule = std::max(largeurCellule, t.largeur + kEcartPhotos);
    }
    flux.lignesVides(1);
    flux.photos({.cellules = cellules,
                 .largeurCellule = largeurCellule,
                 .hauteurPhotos = hauteurPhotos_,
                 .parRangee = std::max(largeurPhotos_ / largeurCellule, 1)});
}

void FicheIndividuelle::rediger(FluxRedaction& flux) const {
    bool premiere = true;
    for (const ContenuFiche& f : fiches_) {
        if (!premiere) {
            flux.lignesVides(1);
            flux.filet();
            flux.sautDePage();
        }
        premiere = false;
        redigerFiche(flux, f);
    }
}

void FicheIndividuelle::ecrire() {
    MiseEnPage mise;
    mise.chemin = std::filesystem::path(chemin);
    mise.titre1252 = fiches_.size() > 1 ? "Fiches individuelles" : "Fiche individuelle";
    creerRedacteur(format, dessin_, polices, horloge)->rediger(mise, [this](FluxRedaction& f) { rediger(f); });
}

}  // namespace lignara
