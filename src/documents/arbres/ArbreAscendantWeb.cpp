// Sortie Web de l'arbre ascendant : une page positionnée écrite par le rédacteur des blocs des
// graphiques (passage aux pixels des arbres) ; chaque boîte un bloc, les raccords en équerres
// pointillées, la première boîte complète de chaque personne porte l'ancre « p<numéro> » vers
// laquelle renvoient ses boîtes tronquées répétées.
#include <algorithm>
#include <string>

#include "commun/MetriquePolice.h"
#include "documents/arbres/ArbreAscendant.h"
#include "documents/arbres/BoitesWeb.h"
#include "documents/arbres/TraceAscendant.h"
#include "render/html/PageWeb.h"
#include "render/html/RedacteurBlocsWeb.h"
#include "reference/ChronologieTrace.h"

namespace lignara {

namespace {

std::string ancre(const NoeudAscendant& n) { return "p" + std::to_string(n.personne); }

}  // namespace

void ecrireAscendantsWeb(RedacteurBlocsWeb& blocs, const ArbreDeBoites& arbre, const TraceAscendant& trace,
                         const MetriquePolice& police, EnsemblePersonnes& ancrees) {
    std::vector<NoeudAscendant*> boites = arbre.boites();
    // Trait de mariage entre les deux parents, interrompu par son texte, comme dans le PDF.
    auto traitMariage = [&](const NoeudAscendant& pere, const NoeudAscendant& mere) {
        const std::int32_t y = (pere.y + mere.y) / 2 - 117, t = std::max(0, mere.largeurMariage);
        blocs.traitHorizontal(pere.droite(), (pere.droite() + mere.x - t) / 2, y);
        blocs.traitHorizontal((pere.droite() + mere.x + t) / 2, mere.x, y);
    };
    for (const NoeudAscendant* n : boites) {
        if (trace.parCouple && n->pere && n->mere) {
            // Par couple : l'enfant rejoint le trait de mariage de ses parents, à gauche de son
            // texte, par le même chemin que dans le PDF.
            const NoeudAscendant& f = *n->mere;
            int lignes = 0;
            for (const std::string& l : f.texteMariage) lignes += !l.empty();
            const std::int32_t m = (n->pere->y + f.y) / 2;
            const std::int32_t ancre = f.x - f.largeurMariage / 2 - 240;
            const std::int32_t haut = f.largeurMariage > 0 ? m - 176 * lignes - 60 : m - 117;  // lignes de 176
            const std::int32_t milieu = n->y + (std::min({n->pere->bas(), f.bas(), haut}) - n->y) / 2;
            blocs.traitVertical(n->centre(), n->y, milieu);
            blocs.traitHorizontal(std::min(n->centre(), ancre), std::max(n->centre(), ancre), milieu);
            blocs.traitVertical(ancre, milieu, haut);
            traitMariage(*n->pere, f);
            continue;
        }
        for (const NoeudAscendant* p : {n->pere, n->mere})
            if (p) blocs.equerre(n->centre(), n->y, p->centre(), p->bas());
    }
    const NoeudAscendant* couple = arbre.racine;
    if (trace.mariageDuCouple && couple && couple->invisible && couple->pere && couple->mere)
        traitMariage(*couple->pere, *couple->mere);
    // Texte de mariage de chaque couple de parents (et du couple d'un arbre familial), centré
    // dans l'écart du couple comme le raccord de mariage du PDF.
    std::vector<const NoeudAscendant*> enfants(boites.begin(), boites.end());
    if (trace.mariageDuCouple && couple && couple->invisible) enfants.push_back(couple);
    for (const NoeudAscendant* n : enfants) {
        if (!n->mere || !n->pere) continue;
        ecrireTexteMariageWeb(blocs, police, *n->mere, (n->pere->droite() + n->mere->x) / 2,
                              (n->pere->y + n->mere->y) / 2);
    }
    for (const NoeudAscendant* n : boites) {
        const bool repetee = n->tronque && arbre.repetees.contient(n->personne);
        const bool avecAncre = !repetee && !ancrees.contient(n->personne);
        if (avecAncre) ancrees.ajouter(n->personne);
        blocs.boite(boiteWeb(*n, *trace.style, avecAncre ? ancre(*n) : std::string()));
        if (repetee) blocs.renvoi(n->centre(), n->y + 240, ancre(*n), "&and;<br>&and;");
    }
}

void ArbreAscendant::ecrireWeb() {
    PageWeb page(dessin_);
    page.ouvrirPositionnee(std::filesystem::path(chemin), "Arbre ascendant", largeur, hauteur);
    RedacteurBlocsWeb blocs = RedacteurBlocsWeb::pourArbre(page);
    if (chronologie_) ecrireChronologieWeb(*chronologie_, blocs, largeur, decalageVertical_);
    if (coloration_) coloration_->ecrireLegende(page, 0, hauteur);
    EnsemblePersonnes ancrees(arbre_.repetees.nombrePersonnes());
    ecrireAscendantsWeb(blocs, arbre_, {&style_, parCouple_}, polices.reguliere, ancrees);
    page.fermer();
}

}  // namespace lignara
