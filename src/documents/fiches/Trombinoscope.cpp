#include "documents/fiches/Trombinoscope.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "commun/MetriquePolice.h"
#include "commun/OperationImpossible.h"
#include "commun/PliageAccents.h"
#include "commun/Texte.h"
#include "database/TablesDerivees.h"
#include "documents/Population.h"
#include "documents/fiches/LargeurUtile.h"
#include "images/TaillePhoto.h"
#include "reglages/RaccordDessin.h"
#include "render/html/PageWeb.h"

namespace lignara {

namespace {

constexpr StyleTitre kStyleTitre{.lignesApresPdf = 1, .centreRtf = true};

// Millimètres en unités de dessin : 72 points par pouce de 25,4 mm, 16 unités par point.
std::int32_t unitesDeMillimetres(std::int64_t mm) { return static_cast<std::int32_t>(mm * 72 * 16 * 10 / 254); }

std::string cleDeTri(const std::string& texte) {
    std::string cle;
    for (char c : texte)
        if (c != ' ' && c != '-' && c != '\'') cle += lettreDeBase(c);
    return cle;
}

CouleurSegment couleurDe(std::uint8_t sexe, bool parSexe) {
    if (!parSexe) return CouleurSegment::Texte;
    if (sexe == 'M') return CouleurSegment::Hommes;
    if (sexe == 'F') return CouleurSegment::Femmes;
    return CouleurSegment::Texte;
}

}  // namespace

bool Trombinoscope::verifierParametres(const ContexteDocument&) { return !type().demandeRacine() || racine() != 0; }

void Trombinoscope::preparer(const ContexteDocument& contexte) {
    preferences_ = contexte.preferences ? *contexte.preferences : Configuration{};
    remplirReglagesDessin(preferences_, dessin_);
    dessin_.messages = contexte.messages;
    suivreFormatDesParametres();
    const BaseGenealogique& base = *contexte.base;
    const EtenduePopulation etendue = etendueDeVariante(type().variante).value_or(EtenduePopulation::Complete);
    const auto tete = static_cast<std::uint32_t>(std::max(racine(), 0));
    if (etendue != EtenduePopulation::Complete && (tete == 0 || tete > base.nombreIndividus()))
        throw OperationImpossible("Aucune personne sélectionnée n'a de photo"_1252);
    const EnsemblePersonnes population = choisirPopulation(base, etendue, tete, false);
    hauteurPhotos_ = unitesDeMillimetres(
        std::clamp<std::int64_t>(mot(kHauteurPhotosMm), kHauteurPhotosMm.minimum, kHauteurPhotosMm.maximum));
    const bool unePhoto = octet(kUnePhoto) != 0;
    const auto taille = [&contexte](const std::string& photo) { return taillePhoto(photo, contexte.messages); };
    cellules_.clear();
    for (std::uint32_t p = 1; p <= base.nombreIndividus(); ++p) {
        if (!population.contient(p)) continue;
        const Individu i = base.LireIndividu(p);
        if (i.photos == 0) continue;
        std::vector<PhotoPersonne> photos = photosDe(base, p, contexte.dossiersGedcom, taille);
        if (photos.empty()) continue;
        if (unePhoto) photos.resize(1);
        std::string nom = base.LireTexte(TablePrenoms, i.prenoms);
        const std::string famille = base.LireTexte(TableNoms, i.nom);
        if (!nom.empty() && !famille.empty()) nom += ' ';
        nom += famille;
        for (PhotoPersonne& photo : photos) cellules_.push_back({p, i.sexe, nom, std::move(photo)});
    }
    if (cellules_.empty()) throw OperationImpossible("Aucune personne sélectionnée n'a de photo"_1252);
    trier(contexte);
    placer();
    titre_ = type().titre1252();
    if (etendue != EtenduePopulation::Complete) {
        const Individu t = base.LireIndividu(tete);
        std::string nom = base.LireTexte(TablePrenoms, t.prenoms);
        const std::string famille = base.LireTexte(TableNoms, t.nom);
        if (!nom.empty() && !famille.empty()) nom += ' ';
        nom += famille;
        if (!nom.empty()) titre_ += " de " + nom;
    }
}

void Trombinoscope::trier(const ContexteDocument& contexte) {
    const BaseGenealogique& base = *contexte.base;
    struct Cle {
        std::int32_t annee = 0;
        std::string nom, prenoms;
    };
    const bool parAnnee = octet(kTriTrombinoscope) == 1;
    const TablesDerivees* derivees = parAnnee && contexte.tablesDerivees ? &contexte.tablesDerivees() : nullptr;
    std::vector<std::pair<Cle, std::size_t>> cles;
    for (std::size_t k = 0; k < cellules_.size(); ++k) {
        const Individu i = base.LireIndividu(cellules_[k].personne);
        Cle c{0, cleDeTri(base.LireTexte(TableNoms, i.nom)), cleDeTri(base.LireTexte(TablePrenoms, i.prenoms))};
        if (parAnnee) {
            std::int32_t annee = 9999;
            if (derivees && cellules_[k].personne < derivees->anneesNaissance.size())
                annee = derivees->AnneeNaissanceEstimee(cellules_[k].personne);
            else if (i.naissance != 0 && !base.LireEvenement(i.naissance).date.absente())
                annee = base.LireEvenement(i.naissance).date.annee;
            c.annee = annee;
        }
        cles.emplace_back(std::move(c), k);
    }
    // Stable : les photos d'une même personne gardent l'ordre du fichier.
    std::stable_sort(cles.begin(), cles.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first.annee, a.first.nom, a.first.prenoms) <
               std::tie(b.first.annee, b.first.nom, b.first.prenoms);
    });
    std::vector<CelluleTrombinoscope> triees;
    triees.reserve(cellules_.size());
    for (auto& [cle, k] : cles) triees.push_back(std::move(cellules_[k]));
    cellules_ = std::move(triees);
}

std::int32_t Trombinoscope::largeurNom(const std::string& nom) const {
    return static_cast<std::int32_t>(std::int64_t{largeurTexte(polices.reguliere, nom)} * kTailleNom / 10);
}

void Trombinoscope::placer() {
    const std::int32_t utile = largeurUtile(dessin_);
    const std::int32_t largeurMax = std::min(hauteurPhotos_ * 3 / 2, std::max(utile - kMargeCellule, 1));
    std::int32_t plusLarge = 1;
    for (CelluleTrombinoscope& c : cellules_) {
        const TaillePixels t = taillePosee(c.photo.taille, hauteurPhotos_, largeurMax);
        c.largeur = t.largeur;
        c.hauteur = t.hauteur;
        plusLarge = std::max({plusLarge, t.largeur, std::min(largeurNom(c.nom), largeurMax)});
    }
    largeurCellule_ = std::min(plusLarge + kMargeCellule, utile);
    parRangee_ = std::max(utile / largeurCellule_, 1);
    // Un nom plus large que sa cellule déborderait sur la voisine : il est coupé.
    const std::int32_t place = std::max(largeurCellule_ - kMargeCellule / 2, 1);
    for (CelluleTrombinoscope& c : cellules_) {
        if (largeurNom(c.nom) <= place) continue;
        while (!c.nom.empty() && largeurNom(c.nom + "...") > place) c.nom.pop_back();
        c.nom += "...";
    }
}

std::string Trombinoscope::styleWeb() const {
    const std::uint32_t t = dessin_.couleurTrait;
    const auto px = [](std::int32_t unites) { return static_cast<int>(PageWeb::hauteurPixels(unites)); };
    const int hauteurImage = px(hauteurPhotos_);
    // Les marges ont leur unité : sans elle, une page déclarée HTML 4.01 les ignore.
    char style[320];
    std::snprintf(style, sizeof style,
                  "div {border:3px solid #%02x%02x%02x;text-align:center;white-space:nowrap;margin-left:20px;"
                  "margin-bottom:20px;width:%dpx;height:%dpx;float:left;}\n"
                  "img {border-width:0;height:%dpx;margin-top:10px;margin-bottom:8px;}",
                  static_cast<unsigned>(t & 0xFF), static_cast<unsigned>((t >> 8) & 0xFF),
                  static_cast<unsigned>((t >> 16) & 0xFF), px(largeurCellule_), hauteurImage + 40, hauteurImage);
    return style;
}

void Trombinoscope::rediger(FluxRedaction& flux) const {
    flux.titre({.texte = titre_, .style = &kStyleTitre});
    std::vector<Segment> legendes;
    legendes.reserve(cellules_.size());
    std::vector<CellulePhoto> photos;
    for (const CelluleTrombinoscope& c : cellules_) {
        legendes.push_back(
            {.texte = c.nom, .couleur = couleurDe(c.sexe, preferences_.couleurParSexe), .taille = kTailleNom});
        photos.push_back({.chemin1252 = c.photo.chemin1252,
                          .largeur = c.largeur,
                          .hauteur = c.hauteur,
                          .legende = std::span<const Segment>(&legendes.back(), 1),
                          .texteAlternatif = c.nom});
    }
    flux.photos({.cellules = photos,
                 .largeurCellule = largeurCellule_,
                 .hauteurPhotos = hauteurPhotos_,
                 .parRangee = parRangee_,
                 .cadres = true});
}

void Trombinoscope::ecrire() {
    MiseEnPage mise;
    mise.chemin = std::filesystem::path(chemin);
    mise.titre1252 = "Trombinoscope";
    const std::string style = styleWeb();
    mise.styleWeb = style;
    creerRedacteur(format, dessin_, polices, horloge)->rediger(mise, [this](FluxRedaction& f) { rediger(f); });
}

}  // namespace lignara
