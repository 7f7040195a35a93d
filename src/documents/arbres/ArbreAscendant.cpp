#include "documents/arbres/ArbreAscendant.h"

#include <algorithm>

#include "commun/Texte.h"
#include "documents/ChoixConjoint.h"
#include "documents/arbres/ConstructionAscendante.h"
#include "documents/arbres/PlacementArbre.h"
#include "documents/arbres/TextesBoites.h"
#include "documents/arbres/TraceAscendant.h"
#include "documents/arbres/ThemesArbre.h"
#include "commun/MetriquePolice.h"
#include "render/SurfacePdf.h"
#include "images/TaillePhoto.h"
#include "reference/ChronologieTrace.h"

namespace lignara {

namespace {

constexpr std::int32_t kMargeSignature = 90;
constexpr std::int32_t kHauteurSignature = 528;

}  // namespace

ArbreAscendant::ArbreAscendant(const Afficheur& type) : Arbre(type) {}
ArbreAscendant::~ArbreAscendant() = default;

SorteArbreChromatique ArbreAscendant::sorte() const {
    return familial() ? SorteArbreChromatique::AscendantFamilial : SorteArbreChromatique::AscendantIndividuel;
}

const ParametreDeclare& ArbreAscendant::critere() const {
    if (familial()) return kCritereColoration<SorteArbreChromatique::AscendantFamilial>;
    return kCritereColoration<SorteArbreChromatique::AscendantIndividuel>;
}

bool ArbreAscendant::verifierParametres(const ContexteDocument& contexte) {
    if (racine() == 0) return false;
    return !familial() || verifierCouple(contexte);
}

// Le conjoint désigne la famille : la première de la racine avec ce conjoint.
bool ArbreAscendant::verifierCouple(const ContexteDocument& contexte) {
    const BaseGenealogique& base = *contexte.base;
    const auto r = static_cast<std::uint32_t>(racine());
    const std::optional<ConjointPossible> couple = familleDuCoupleChoisi(contexte, r, personne(kConjoint));
    if (!couple) return false;
    const std::uint32_t c = couple->conjoint;
    const bool racineEstLeMari = base.LireIndividu(r).sexe == 'M' || base.LireIndividu(c).sexe != 'M';
    mari_ = racineEstLeMari ? r : c;
    femme_ = racineEstLeMari ? c : r;
    mariageCouple_ = base.LireFamille(couple->famille).mariage;
    return true;
}

void ArbreAscendant::preparer(const ContexteDocument& contexte) {
    preparerStyle(contexte);
    parCouple_ = octet(kStyleAscendant) == 1;
    suivreFormatDesParametres();
    std::vector<std::uint32_t> racines{static_cast<std::uint32_t>(racine())};
    if (familial()) racines = {mari_, femme_};
    preparerChronologie(contexte, racines);
    preparerColoration(contexte, critere(), sorte(), racines);
    construire(contexte);
}

void ArbreAscendant::construire(const ContexteDocument& contexte) {
    const BaseGenealogique& base = *contexte.base;
    ReglesConstruction r;
    r.base = &base;
    r.donnees = preferences_.donneesArbreAscendant;
    r.parCouple = parCouple_;
    r.critere = coloration_ ? octet(critere()) : std::uint8_t{ColorationAucune};
    r.coupes = ensemble(kCoupesArbre);
    r.limiteGenerations = octet(kLimiteGenerations);
    r.doublesBranches = preferences_.doublesBranchesAscendantes;
    r.anneesEstimees = chronologique_ ? &anneesEstimees_ : nullptr;
    if (coloration_)
        r.colorer = [this](const NoeudAscendant& n, std::uint8_t branche) {
            CouleurRvb c = coloration_->colorer(n.personne, branche);
            return CouleurBoite{c.rouge, c.vert, c.bleu};
        };
    ConstructionAscendante construction(r, arbre_);
    if (familial())
        construction.familial(mari_, femme_, mariageCouple_);
    else
        construction.individuel(static_cast<std::uint32_t>(racine()));
    if (coloration_ && octet(kSuppressionNonColorees)) construction.elaguer();
    anneeReference_ = construction.anneeReference();
    decalageVertical_ = familial() && !parCouple_ ? 580 : 0;
    arbre_.dessinees = EnsemblePersonnes();  // ne sert plus après la construction

    ReglesTextes t;
    t.donnees = r.donnees;
    t.facteurPhoto = format == FormatSortie::Web ? 119 : 10000 / etirement();
    t.police = &polices.reguliere;
    t.taillePhoto = [&contexte](const std::string& photo) { return taillePhoto(photo, contexte.messages); };
    t.dossiersGedcom = contexte.dossiersGedcom;
    preparerTextes(arbre_, base, t);
    // Des réglages abîmés ne doivent pas écraser les boîtes : l'espace reste dans ses bornes.
    placerArbre(arbre_, {parCouple_, chronologique_, espaceMinimal()});
    installerChronologie(contexte);
    hauteurArbre_ = arbre_.hauteur;
    largeur = arbre_.largeur;
    hauteur = arbre_.hauteur;
    if (coloration_) {
        largeur = std::max(largeur, coloration_->largeurLegende(polices.reguliere));
        hauteur += coloration_->hauteurLegende();
    }
}

void ArbreAscendant::installerChronologie(const ContexteDocument& contexte) {
    if (!chronologique_) return;
    const int avantBas = horloge.annee() - anneeReference_;
    const int avantHaut = avantBas + (arbre_.hauteur - decalageVertical_ + 4) / Chronologie::kUnitesParAnnee;
    if (!chargerChronologie(contexte, avantBas, avantHaut)) return;
    if (arbre_.racine) decalerSousArbre(*arbre_.racine, decalageChronologie_);
    arbre_.largeur += decalageChronologie_ + 90;
}

void ArbreAscendant::ecrire() {
    if (format == FormatSortie::Web)
        ecrireWeb();
    else
        ecrirePdf();
}

void ArbreAscendant::ecrirePdf() {
    SurfacePdf surface(dessin_, polices, horloge);
    surface.ouvrir(std::filesystem::path(chemin), "Arbre ascendant", etirement(), largeur, hauteur + 1);
    if (!coloration_ && themeADegrade(style_.theme))
        style_.degrade = surface.creerDegrade(200, 200, 200, 255, 255, 255, 0);
    if (coloration_) coloration_->dessinerLegende(surface, 0, hauteur);
    if (chronologie_) dessinerChronologie(*chronologie_, surface, largeur, decalageVertical_);
    if (dessin_.signature) dessinerSignature(surface);
    const TraceAscendant trace{&style_, parCouple_};
    for (int g = arbre_.nombreRangees() - 1; g >= 0; --g) dessinerRangeeAscendante(surface, arbre_, g, trace);
    surface.fermer();
}

// Dans la plus haute rangée qui laisse la place à gauche de sa première boîte.
void ArbreAscendant::dessinerSignature(SurfacePdf& surface) const {
    const std::int32_t c = decalageChronologie_;
    for (int g = arbre_.nombreRangees() - 1; g >= 0; --g) {
        const NoeudAscendant* premier = arbre_.premier(g);
        if (premier && premier->x >= polices.largeurSignature + kMargeSignature + c) {
            surface.signature(c + 45, premier->y - kHauteurSignature);
            return;
        }
    }
}

}  // namespace lignara
