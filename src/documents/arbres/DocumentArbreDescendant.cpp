#include "documents/arbres/DocumentArbreDescendant.h"

#include <algorithm>
#include <span>
#include <unordered_map>

#include "documents/arbres/ArbreDescIndividuel.h"
#include "documents/arbres/TextesBoites.h"
#include "documents/arbres/ThemesArbre.h"
#include "documents/arbres/TraceDescendant.h"
#include "documents/arbres/TraceDescendantWeb.h"
#include "images/TaillePhoto.h"
#include "reference/ChronologieTrace.h"
#include "render/SurfacePdf.h"
#include "render/html/PageWeb.h"
#include "render/html/RedacteurBlocsWeb.h"

namespace lignara {

namespace {

constexpr std::int32_t kMargeSignature = 45;
constexpr std::int32_t kHauteurSignature = 528;
constexpr SorteArbreChromatique kSorte = SorteArbreChromatique::Descendant;

}  // namespace

DocumentArbreDescendant::DocumentArbreDescendant(const Afficheur& type) : Arbre(type) {}
DocumentArbreDescendant::~DocumentArbreDescendant() = default;

bool DocumentArbreDescendant::verifierParametres(const ContexteDocument&) { return racine() != 0; }

void DocumentArbreDescendant::preparer(const ContexteDocument& contexte) {
    preparerStyle(contexte);
    suivreFormatDesParametres();
    const std::uint32_t racines[] = {static_cast<std::uint32_t>(racine())};
    preparerChronologie(contexte, racines);
    // Les apparitions se comptent dans l'arbre lui-même, une fois construit : parmi les
    // ascendants de la racine, aucun descendant ne serait coloré.
    if (octet(kCritereColoration<kSorte>) == ColorationApparitions) {
        coloration_.emplace(*contexte.base, std::span<const ApparitionAscendant>{});
        style_.chromatique = true;
    } else {
        preparerColoration(contexte, kCritereColoration<kSorte>, kSorte, racines);
    }
    if (!octet(kContemporains)) statutsVitaux_ = tablesDerivees(contexte).statutsVitaux;
    construire(contexte);
}

void DocumentArbreDescendant::construire(const ContexteDocument& contexte) {
    const BaseGenealogique& base = *contexte.base;
    ReglesDescendance& r = regles_;
    r.base = &base;
    r.donnees = preferences_.donneesArbreDescendant;
    r.agnatique = octet(kAgnatique) != 0;
    r.contemporains = octet(kContemporains) != 0;
    r.statutsVitaux = r.contemporains ? nullptr : &statutsVitaux_;
    r.anneesEstimees = chronologique_ ? &anneesEstimees_ : nullptr;
    r.anneeCourante = horloge.annee();
    r.coupes = ensemble(kCoupesArbre);
    r.limiteGenerations = octet(kLimiteGenerations);
    r.doublesBranches = preferences_.doublesBranchesDescendantes;
    r.brancheDescendante = coloration_ && coloration_->critere() == ColorationBrancheDescendante;
    const bool apparitions = coloration_ && coloration_->critere() == ColorationApparitions;
    if (coloration_ && !apparitions)
        r.colorer = [this](const NoeudDescendant& n) {
            CouleurRvb c = coloration_->colorer(n.personne, n.branche);
            return CouleurBoite{c.rouge, c.vert, c.bleu};
        };
    arbre_ = std::make_unique<ArbreDescIndividuel>(regles_, static_cast<std::uint32_t>(racine()));
    arbre_->construire();
    if (apparitions) colorerParApparitions(base);
    if (coloration_ && octet(kSuppressionNonColorees)) arbre_->elaguer();

    ReglesTextes t;
    t.donnees = r.donnees;
    t.facteurPhoto = format == FormatSortie::Web ? 119 : 10000 / etirement();
    t.police = &polices.reguliere;
    t.taillePhoto = [&contexte](const std::string& photo) { return taillePhoto(photo, contexte.messages); };
    t.dossiersGedcom = contexte.dossiersGedcom;
    preparerTextes(arbre_->boites(), base, t);
    bilan_ = placerDescendance(arbre_->rangees(), {chronologique_, espaceMinimal()});
    arbre_->mesurer();
    installerChronologie(contexte);
    fixerDimensions();
}

// Nombre de boîtes de chaque personne dans l'arbre (une personne mariée à deux descendants, un
// descendant par deux lignées avec les branches doubles).
void DocumentArbreDescendant::colorerParApparitions(const BaseGenealogique& base) {
    std::unordered_map<std::uint32_t, std::uint32_t> nombres;
    const std::vector<NoeudDescendant*> boites = arbre_->rangees().boites();
    for (const NoeudDescendant* n : boites) ++nombres[n->personne];
    std::vector<ApparitionAscendant> apparitions;
    for (const auto& [personne, nombre] : nombres) apparitions.push_back({personne, nombre});
    std::sort(apparitions.begin(), apparitions.end(),
              [](const ApparitionAscendant& a, const ApparitionAscendant& b) { return a.personne < b.personne; });
    coloration_.emplace(base, apparitions);
    for (NoeudDescendant* n : boites) {
        const CouleurRvb c = coloration_->colorer(n->personne);
        n->remplissage = CouleurBoite{c.rouge, c.vert, c.bleu};
    }
}

// Les années vont de celle du haut de l'arbre à celle de son bas, à l'année entière près pour
// que la bande la plus récente ne descende pas sous le dessin.
void DocumentArbreDescendant::installerChronologie(const ContexteDocument& contexte) {
    if (!chronologique_) return;
    const int avantHaut = horloge.annee() - arbre_->anneeHaut();
    const int avantBas = avantHaut - arbre_->hauteur() / ArbreDescendant::kUnitesParAnnee;
    if (!chargerChronologie(contexte, avantBas, avantHaut)) return;
    for (NoeudDescendant* n : arbre_->rangees().boites()) n->x += decalageChronologie_;
}

void DocumentArbreDescendant::fixerDimensions() {
    largeur = arbre_->largeur();
    if (chronologie_) largeur += decalageChronologie_ + 90;
    hauteur = arbre_->hauteur();
    if (coloration_) {
        hauteurLegende_ = coloration_->hauteurLegende();
        hauteur += hauteurLegende_ + 3;
        largeur = std::max(largeur, coloration_->largeurLegende(polices.reguliere));
    }
    for (NoeudDescendant* n : arbre_->rangees().boites()) n->y = y(n->position);
    renvoyees_ = famillesRenvoyees(*arbre_);
}

TraceDescendant DocumentArbreDescendant::trace() const {
    TraceDescendant t;
    t.style = &style_;
    t.dessinees = &arbre_->famillesDessinees();
    t.renvoyees = &renvoyees_;
    t.haut = hauteur - hauteurLegende_;
    return t;
}

void DocumentArbreDescendant::ecrire() {
    if (format == FormatSortie::Web)
        ecrireWeb();
    else
        ecrirePdf();
}

// Bas de la chronologie : l'année la plus récente qu'elle couvre, à sa position dans l'arbre.
namespace {
std::int32_t basChronologie(const Chronologie& c, int anneeHaut) {
    return (c.derniereAnnee() - anneeHaut) * ArbreDescendant::kUnitesParAnnee;
}
}  // namespace

void DocumentArbreDescendant::ecrirePdf() {
    SurfacePdf surface(dessin_, polices, horloge);
    surface.ouvrir(std::filesystem::path(chemin), "Arbre descendant", etirement(), largeur + 2, hauteur);
    if (!coloration_ && themeADegrade(style_.theme))
        style_.degrade = surface.creerDegrade(200, 200, 200, 255, 255, 255, 0);
    if (coloration_) coloration_->dessinerLegende(surface, 0, hauteur);
    if (chronologie_)
        dessinerChronologie(*chronologie_, surface, largeur, y(basChronologie(*chronologie_, arbre_->anneeHaut())));
    if (dessin_.signature) dessinerSignature(surface);
    const TraceDescendant t = trace();
    for (int r = 0; r < arbre_->rangees().nombreRangees(); ++r)
        dessinerRangeeDescendante(surface, arbre_->rangees().premier(r), t);
    surface.fermer();
}

// À gauche de la racine, quand elle laisse la place.
void DocumentArbreDescendant::dessinerSignature(SurfacePdf& surface) const {
    const NoeudDescendant* r = arbre_->racine();
    const std::int32_t c = decalageChronologie_, l = polices.largeurSignature;
    if (!r || r->x < l + kMargeSignature + c) return;
    surface.signature(std::max(c, r->x - 3 * l), r->y - kHauteurSignature);
}

void DocumentArbreDescendant::ecrireWeb() {
    PageWeb page(dessin_);
    page.ouvrirPositionnee(std::filesystem::path(chemin), "Arbre descendant", largeur, hauteur);
    RedacteurBlocsWeb blocs = RedacteurBlocsWeb::pourArbre(page);
    if (chronologie_)
        ecrireChronologieWeb(*chronologie_, blocs, largeur, y(basChronologie(*chronologie_, arbre_->anneeHaut())));
    if (coloration_) coloration_->ecrireLegende(page, 0, hauteur);
    ecrireDescendantsWeb(blocs, *arbre_, trace(), polices.reguliere);
    page.fermer();
}

}  // namespace lignara
