#include "documents/arbres/TraceBoites.h"

#include <algorithm>
#include <array>
#include <string>

#include "documents/arbres/ThemesArbre.h"
#include "render/Contraste.h"
#include "render/EtatTrace.h"
#include "commun/MetriquePolice.h"

namespace lignara {

namespace {

constexpr std::int32_t kLigne = 176;
constexpr std::int32_t kRayonCoin = 90;
constexpr std::array<std::int32_t, 4> kPositionsLignes = {344, 520, 696, 872};

std::int32_t largeur(const SurfacePdf& surface, const std::string& t) {
    return largeurTexte(surface.polices().reguliere, t);
}

// Garde l'état de tracé de la surface et le remet en place à la fin de la portée.
class EtatGarde {
public:
    explicit EtatGarde(SurfacePdf& surface) : surface_(surface), garde_(surface.etat()) {}
    ~EtatGarde() {
        EtatTrace& e = surface_.etat();
        e.couleurTrait = garde_.couleurTrait;
        e.couleurRemplissage = garde_.couleurRemplissage;
        e.couleurTexte = garde_.couleurTexte;
        e.epaisseurTrait = garde_.epaisseurTrait;
        e.pointilles = garde_.pointilles;
    }
    EtatGarde(const EtatGarde&) = delete;
    EtatGarde& operator=(const EtatGarde&) = delete;

private:
    SurfacePdf& surface_;
    EtatTrace garde_;
};

std::uint32_t couleurDuSexe(const BoiteArbre& n, const StyleBoites& s, std::uint32_t sinon) {
    if (n.sexe == 'F') return s.couleurFemmes;
    if (n.sexe == 'M') return s.couleurHommes;
    return sinon;
}

void cadreArrondi(SurfacePdf& surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    const std::int32_t r = std::min({kRayonCoin, (x2 - x1) / 2, (y2 - y1) / 2});
    constexpr float kQuart = 1.5707964f;
    surface.ligneHorizontale(x1 + r, y1, x2 - r);
    surface.ligneHorizontale(x1 + r, y2, x2 - r);
    surface.ligneVerticale(x1, y1 + r, y2 - r);
    surface.ligneVerticale(x2, y1 + r, y2 - r);
    surface.arc(x2 - r, y2 - r, r, 0.0f, kQuart);
    surface.arc(x1 + r, y2 - r, r, kQuart, 2 * kQuart);
    surface.arc(x1 + r, y1 + r, r, 2 * kQuart, 3 * kQuart);
    surface.arc(x2 - r, y1 + r, r, 3 * kQuart, 4 * kQuart);
}

void fondEtCadre(SurfacePdf& surface, const BoiteArbre& n, const StyleBoites& s) {
    EtatTrace& e = surface.etat();
    const std::int32_t x1 = n.x, x2 = n.droite(), y2 = n.y, y1 = basDeBoite(n, s);
    if (s.chromatique) {
        const CouleurBoite& c = n.remplissage;
        e.couleurRemplissage = couleurRvb(c.rouge, c.vert, c.bleu);
        surface.rectangle(x1, y1, x2, y2, 1);
        if (c.blanche()) surface.rectangle(x1, y1, x2, y2, 0);
        return;
    }
    switch (s.theme) {
        case kThemeDegrade:
            if (s.degrade) surface.rectangle(x1, y1, x2, y2, s.degrade);
            surface.rectangle(x1, y1, x2, y2, 0);
            break;
        case kThemeCadresArrondis: cadreArrondi(surface, x1, y1, x2, y2); break;
        case kThemeTeintesSexe:
            e.couleurRemplissage = n.sexe == 'M'   ? couleurRvb(222, 232, 250)
                                   : n.sexe == 'F' ? couleurRvb(250, 226, 232)
                                                   : couleurRvb(236, 236, 236);
            surface.rectangle(x1, y1, x2, y2, 1);
            surface.rectangle(x1, y1, x2, y2, 0);
            break;
        case kThemeCadresColores:
            e.couleurTrait = couleurDuSexe(n, s, e.couleurTrait);
            e.epaisseurTrait = 1.5f;
            surface.rectangle(x1, y1, x2, y2, 0);
            break;
        default: surface.rectangle(x1, y1, x2, y2, 0); break;
    }
}

void ecrireCentre(SurfacePdf& surface, std::int32_t centre, std::int32_t y, const std::string& t) {
    if (t.empty()) return;
    std::int32_t l = largeur(surface, t);
    surface.texte(centre - l / 2, y, l, kLigne, t);
}

}  // namespace

std::int32_t basDeBoite(const BoiteArbre& n, const StyleBoites& style) {
    std::int32_t bas = n.bas();
    if (style.theme != kThemeCadresSimples || style.chromatique) return bas;
    for (int i = 3; i >= 0 && n.lignes[static_cast<std::size_t>(i)].empty(); --i) bas += kLigne;
    return bas;
}

void dessinerBoite(SurfacePdf& surface, const BoiteArbre& n, const StyleBoites& s) {
    EtatGarde garde(surface);
    EtatTrace& e = surface.etat();
    const std::uint32_t texte = e.couleurTexte;
    fondEtCadre(surface, n, s);
    const std::int32_t ct = n.largeurPhoto > 0 ? n.x + (n.largeurPhoto + 45 + n.largeur) / 2 : n.centre();
    if (n.largeurPhoto > 0) surface.photo(n.x + 45, n.y - 888, n.largeurPhoto, 832, n.photo);
    // Sur les aplats chromatiques, noir ou blanc selon le fond : du noir sur un bleu soutenu ne se lit pas.
    const std::uint32_t texteBoite =
        s.chromatique ? texteLisibleSur(couleurRvb(n.remplissage.rouge, n.remplissage.vert, n.remplissage.bleu))
                      : texte;
    e.couleurTexte = s.couleurParSexe && !s.chromatique ? couleurDuSexe(n, s, texte) : texteBoite;
    ecrireCentre(surface, ct, n.y - 168, n.ligneNom);
    e.couleurTexte = texteBoite;
    for (std::size_t i = 0; i < n.lignes.size(); ++i) ecrireCentre(surface, ct, n.y - kPositionsLignes[i], n.lignes[i]);
}

void raccordMariage(SurfacePdf& surface, const BoiteArbre& porteur, std::int32_t xg, std::int32_t yg, std::int32_t xd,
                    std::int32_t yd, std::uint8_t mode) {
    EtatGarde garde(surface);
    EtatTrace& e = surface.etat();
    const std::int32_t m = (yg + yd) / 2;
    const std::int32_t t = porteur.largeurMariage;
    std::int32_t centre = 0;
    auto tirets = [&](std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
        e.pointilles = 1;
        surface.ligne(x1, y1, x2, y2);
        e.pointilles = 0;
    };
    if (mode == kMariagePlein) {
        surface.ligne(xg, yg - 117, (xg + xd - t) / 2, m - 117);
        surface.ligne((xg + xd + t) / 2, m - 117, xd, yd - 117);
        centre = (xg + xd) / 2;
    } else if (mode == kMariagePleinTirets) {
        surface.ligne(xg, yg - 117, xg + 240, m - 117);
        tirets(xg + 240 + t, m - 117, xd, yd - 117);
        centre = xg + 240 + t / 2;
    } else {
        tirets(xg, yg - 117, xd - t - 240, m - 117);
        surface.ligne(xd - 240, m - 117, xd, yd - 117);
        centre = xd - t / 2 - 240;
    }
    if (t <= 0) return;
    for (std::size_t k = 0; k < porteur.texteMariage.size(); ++k) {
        const std::string& ligne = porteur.texteMariage[k];
        if (ligne.empty()) continue;
        std::int32_t l = largeur(surface, ligne);
        surface.texte(centre - l / 2, m - kLigne * static_cast<std::int32_t>(k + 1), l, kLigne, ligne);
    }
}

void dessinerBranches(SurfacePdf& surface, const NoeudAscendant& b, const StyleBoites& style) {
    const std::int32_t c = b.centre();
    auto epaisseur = [](int profondeur) { return std::min(45 * profondeur, 540); };
    const bool fermer = style.theme == kThemeCadresSimples && !style.chromatique;
    if (b.pere && b.mere) {
        const std::int32_t wb = epaisseur(b.profondeur), wf = epaisseur(b.pere->profondeur),
                           wm = epaisseur(b.mere->profondeur);
        const std::int32_t fourche = b.y + 48 + std::max(wf, wm) / 6;
        for (const NoeudAscendant* p : {b.pere, b.mere}) {
            const int sens = p == b.pere ? -1 : 1;  // côté gauche pour le père, droit pour la mère
            const std::int32_t w = p == b.pere ? wf : wm;
            const std::int32_t pc = p->centre(), pb = basDeBoite(*p, style);
            surface.courbe(c + sens * wb / 2, b.y, c + sens * (wb / 2 + 35), b.y + 350, pc + sens * (w / 2 - 35),
                           pb - 350, pc + sens * w / 2, pb);
            surface.courbe(c, fourche, c + sens * 30, fourche + 300, pc - sens * (w / 2 + 30), pb - 300,
                           pc - sens * w / 2, pb);
            if (fermer) {
                surface.ligne(std::min(c, c + sens * wb / 2), b.y, std::max(c, c + sens * wb / 2), b.y);
                surface.ligneHorizontale(pc - w / 2, pb, pc + w / 2);
            }
        }
        return;
    }
    const NoeudAscendant* p = b.pere ? b.pere : b.mere;
    if (!p) return;
    const std::int32_t wb = epaisseur(b.profondeur), w = epaisseur(b.profondeur - 1);
    const std::int32_t pc = p->centre(), pb = basDeBoite(*p, style);
    surface.ligne(c - wb / 2, b.y, pc - w / 2, pb);
    surface.ligne(c + wb / 2, b.y, pc + w / 2, pb);
    if (fermer) {
        surface.ligneHorizontale(c - wb / 2, b.y, c + wb / 2);
        surface.ligneHorizontale(pc - w / 2, pb, pc + w / 2);
    }
}

void dessinerRaccordCouple(SurfacePdf& surface, const NoeudAscendant& b, const StyleBoites& style) {
    const std::int32_t c = b.centre();
    if (b.pere && b.mere) {
        const NoeudAscendant& f = *b.mere;
        const std::int32_t m = (b.pere->y + f.y) / 2;
        int lignes = 0;
        for (const std::string& l : f.texteMariage) lignes += !l.empty();
        const std::int32_t ancre = f.x - f.largeurMariage / 2 - 240;
        // Le trait descend du milieu du raccord de mariage, sous le texte quand il y en a un.
        const std::int32_t haut = f.largeurMariage > 0 ? m - kLigne * lignes - 60 : m - 117;
        // Le palier horizontal passe sous les deux parents.
        const std::int32_t basParents = std::min(basDeBoite(*b.pere, style), basDeBoite(f, style));
        const std::int32_t milieu = b.y + (std::min(basParents, haut) - b.y) / 2;
        surface.ligne(c, b.y, c, milieu);
        surface.ligneHorizontale(std::min(c, ancre), milieu, std::max(c, ancre));
        surface.ligne(ancre, milieu, ancre, haut);
        raccordMariage(surface, f, b.pere->droite(), b.pere->y, f.x, f.y, kMariagePlein);
        return;
    }
    const NoeudAscendant* p = b.pere ? b.pere : b.mere;
    if (!p) return;
    const std::int32_t pc = p->centre(), pb = basDeBoite(*p, style);
    const std::int32_t milieu = b.y + (pb - b.y) / 2;
    surface.ligne(c, b.y, c, milieu);
    surface.ligneHorizontale(std::min(c, pc), milieu, std::max(c, pc));
    surface.ligne(pc, milieu, pc, pb);
}

void dessinerPointe(SurfacePdf& surface, const NoeudAscendant& n) {
    const std::int32_t c = n.centre();
    surface.ligne(c - 22, n.y, c, n.y + 240);
    surface.ligne(c, n.y + 240, c + 22, n.y);
}

void dessinerChevrons(SurfacePdf& surface, const NoeudAscendant& n) {
    const std::int32_t c = n.centre(), y = n.y;
    for (std::int32_t bas : {120, 40}) {
        surface.ligne(c - 60, y + bas, c, y + bas + 120);
        surface.ligne(c, y + bas + 120, c + 60, y + bas);
    }
    surface.ajouterLien(static_cast<std::int32_t>(n.personne), c - 82, y, c + 82, y + 240);
}

}  // namespace lignara
