#include "documents/tableaux/LienDeParente.h"

#include <algorithm>
#include <filesystem>

#include "commun/Texte.h"
#include "documents/tableaux/CasesParente.h"
#include "parente/LienParente.h"
#include "reglages/RaccordDessin.h"
#include "render/FormatPapier.h"
#include "render/SurfacePdf.h"
#include "render/html/PageWeb.h"
#include "render/html/RedacteurBlocsWeb.h"

namespace lignara {

namespace {

constexpr std::int32_t kEcartColonnes = 90;
constexpr std::int32_t kHautDuBloc = 176;  // au-dessus de la rangée des ancêtres
constexpr std::int32_t kHauteurSignature = 528;
constexpr std::int32_t kLargeurMinimale = 1800;  // une colonne, sur un papier démesurément compressé

std::int32_t xColonne(int c, std::int32_t w) {
    constexpr std::int32_t kEcarts[4] = {0, 90, 270, 360};
    return c * w + kEcarts[c];
}

}  // namespace

bool LienDeParente::verifierParametres(const ContexteDocument& contexte) {
    const std::int32_t premiere = racine(), seconde = personne(kSeconde);
    if (premiere <= 0 || seconde <= 0) return false;
    if (premiere == seconde) {
        contexte.signaler("Erreur : les deux personnes doivent être différentes"_1252);
        return false;
    }
    return true;
}

void LienDeParente::preparer(const ContexteDocument& contexte) {
    preferences_ = contexte.preferences ? *contexte.preferences : Configuration{};
    remplirReglagesDessin(preferences_, dessin_);
    dessin_.messages = contexte.messages;
    suivreFormatDesParametres();
    const BaseGenealogique& base = *contexte.base;
    LienParente lien(static_cast<std::uint32_t>(std::max(0, racine())),
                     static_cast<std::uint32_t>(std::max(0, personne(kSeconde))));
    lien.chercher(base);

    longueurMax_ = lien.maximum();
    cases_.clear();
    for (std::size_t r = 0; r < lien.rangees(); ++r)
        for (int c = 0; c < 4; ++c) {
            const CaseParente& g = lien.case_(r, c);
            if (g.vide()) continue;
            CasePlacee p{caseParente(base, static_cast<std::uint32_t>(g.personne)), r, c};
            if (r == 1 && g.personne > 0) {
                const Individu i = base.LireIndividu(static_cast<std::uint32_t>(g.personne));
                p.pere = i.pere;
                p.mere = i.mere;
            }
            cases_.push_back(std::move(p));
        }
    std::vector<BoiteArbre*> boites;
    for (CasePlacee& c : cases_) boites.push_back(&c.boite);
    const auto etirement = static_cast<std::int16_t>(std::clamp<int>(preferences_.compressionTableaux, 10, 200));
    preparerCasesParente(boites, contexte, polices, format,
                         format == FormatSortie::Web ? std::int16_t{100} : etirement);
    placer();
    relier();
}

void LienDeParente::placer() {
    const PagesParente pages = PagesParente::du(dessin_);
    const std::int16_t etirement =
        format == FormatSortie::Web
            ? std::int16_t{100}
            : static_cast<std::int16_t>(std::clamp<int>(preferences_.compressionTableaux, 10, 200));
    const std::int64_t page = std::int64_t{pages.largeurPage} * 100 / etirement;
    const auto w = static_cast<std::int32_t>(std::clamp<std::int64_t>((page - 360) / 4, kLargeurMinimale, 1 << 24));
    for (CasePlacee& c : cases_) ajusterCaseParente(c.boite, w, polices.reguliere);
    colonne_ = w;
    largeur = 4 * w + 360;

    // Rangée du haut : l'ancêtre au milieu de ses deux conjoints.
    std::vector<std::size_t> haut;
    for (std::size_t i = 0; i < cases_.size(); ++i)
        if (cases_[i].rangee == 0) haut.push_back(i);
    std::sort(haut.begin(), haut.end(),
              [&](std::size_t a, std::size_t b) { return cases_[a].colonne < cases_[b].colonne; });
    if (haut.size() == 3) std::swap(haut[0], haut[1]);
    const auto n = static_cast<std::int32_t>(haut.size());
    const std::int32_t largeurHaut = n * w + std::max(0, n - 1) * kEcartColonnes;
    const std::int32_t debutHaut = (largeur - largeurHaut) / 2;

    signature_ = dessin_.signature && format == FormatSortie::Pdf &&
                 !(dessin_.polices.ligneSignature1.empty() && dessin_.polices.ligneSignature2.empty());
    const std::int32_t lsig = polices.largeurSignature;
    signatureAuDessus_ = signature_ && debutHaut + largeurHaut + kEcartColonnes + lsig > largeur;
    // Longueurs bornées par la base (une personne par génération) : calcul sur 64 bits.
    const std::int64_t bande = signatureAuDessus_ ? kHauteurSignature + kHautDuBloc : 0;
    const std::int64_t contenu = bande + 880 + std::int64_t{kEcartRangees} * static_cast<std::int64_t>(longueurMax_);
    hauteur = static_cast<std::int32_t>(std::min<std::int64_t>(pages.hauteurDessin(contenu), INT32_MAX / 2));
    const std::int64_t y0 = std::int64_t{hauteur} - bande - kHautDuBloc;

    for (std::int32_t k = 0; k < n; ++k)
        cases_[haut[static_cast<std::size_t>(k)]].boite.x = debutHaut + k * (w + kEcartColonnes);
    for (CasePlacee& c : cases_) {
        if (c.rangee > 0) c.boite.x = xColonne(c.colonne, w);
        c.boite.y = static_cast<std::int32_t>(std::max<std::int64_t>(
            y0 - std::int64_t{kEcartRangees} * static_cast<std::int64_t>(c.rangee), INT32_MIN / 2));
    }
    if (signatureAuDessus_) {
        xSignature_ = std::max(0, (largeur - lsig) / 2);
        ySignature_ = hauteur - kHautDuBloc - kHauteurSignature;
    } else {
        xSignature_ = largeur - lsig;
        ySignature_ = static_cast<std::int32_t>(y0 - kHauteurSignature);
    }
}

void LienDeParente::relier() {
    raccords_.clear();
    auto indice = [&](std::size_t r, int c) -> int {
        for (std::size_t i = 0; i < cases_.size(); ++i)
            if (cases_[i].rangee == r && cases_[i].colonne == c) return static_cast<int>(i);
        return -1;
    };
    std::vector<int> haut;
    for (std::size_t i = 0; i < cases_.size(); ++i)
        if (cases_[i].rangee == 0) haut.push_back(static_cast<int>(i));
    std::sort(haut.begin(), haut.end(), [&](int a, int b) {
        return cases_[static_cast<std::size_t>(a)].boite.x < cases_[static_cast<std::size_t>(b)].boite.x;
    });
    // Les membres voisins de la rangée du haut sont des couples : l'ancêtre et ses conjoints.
    for (std::size_t k = 1; k < haut.size(); ++k) raccords_.push_back({haut[k - 1], haut[k], -1});

    for (std::size_t r = 1; r <= longueurMax_; ++r)
        for (int c : {0, 2}) {
            const int enfant = indice(r, c);
            if (enfant < 0) continue;
            if (r >= 2) {
                raccords_.push_back({indice(r - 1, c), indice(r - 1, c + 1), enfant});
                continue;
            }
            // Sous la rangée du haut : le père puis la mère de l'enfant parmi les ancêtres communs.
            const CasePlacee& e = cases_[static_cast<std::size_t>(enfant)];
            Raccord raccord{-1, -1, enfant};
            for (std::uint32_t parent : {e.pere, e.mere})
                for (int i : haut) {
                    if (cases_[static_cast<std::size_t>(i)].boite.personne != parent) continue;
                    if (raccord.gauche < 0)
                        raccord.gauche = i;
                    else if (raccord.gauche != i)
                        raccord.droite = i;
                    break;
                }
            if (raccord.gauche >= 0) raccords_.push_back(raccord);
        }
    // Départ monté par un conjoint : le couple de la dernière rangée, sans enfant dessous.
    for (std::size_t r = 1; r <= longueurMax_; ++r)
        for (int c : {0, 2})
            if (indice(r, c + 1) >= 0 && indice(r, c) >= 0 && indice(r + 1, c) < 0)
                raccords_.push_back({indice(r, c), indice(r, c + 1), -1});
}

void LienDeParente::ecrire() {
    if (format == FormatSortie::Web)
        ecrireWeb();
    else
        ecrirePdf();
}

std::vector<LienDeParente::Trait> LienDeParente::traits() const {
    std::vector<Trait> t;
    for (const Raccord& r : raccords_) {
        const BoiteArbre* g = r.gauche >= 0 ? &cases_[static_cast<std::size_t>(r.gauche)].boite : nullptr;
        const BoiteArbre* d = r.droite >= 0 ? &cases_[static_cast<std::size_t>(r.droite)].boite : nullptr;
        if (!g) continue;
        if (d && d->x < g->x) std::swap(g, d);
        // Départ du raccord vers l'enfant : milieu du trait du couple, ou bas du parent seul.
        std::int32_t x = g->centre(), y = g->y - kHauteurCaseParente;
        if (d) {
            const std::int32_t m = g->y - kHauteurCaseParente / 2;
            t.push_back({g->droite(), m, d->x, m});
            x = (g->droite() + d->x) / 2;
            y = m;
        }
        if (r.enfant < 0) continue;
        const BoiteArbre& e = cases_[static_cast<std::size_t>(r.enfant)].boite;
        if (x == e.centre()) {
            t.push_back({x, y, x, e.y});
            continue;
        }
        const std::int32_t palier = e.y + (g->y - kHauteurCaseParente - e.y) / 2;
        t.push_back({x, y, x, palier});
        t.push_back({std::min(x, e.centre()), palier, std::max(x, e.centre()), palier});
        t.push_back({e.centre(), palier, e.centre(), e.y});
    }
    return t;
}

StyleCasesParente LienDeParente::style() const {
    StyleCasesParente s;
    s.couleurParSexe = preferences_.couleurParSexe;
    s.couleurHommes = dessin_.couleurHommes;
    s.couleurFemmes = dessin_.couleurFemmes;
    return s;
}

void LienDeParente::ecrirePdf() {
    SurfacePdf surface(dessin_, polices, horloge);
    const auto etirement = static_cast<std::int16_t>(std::clamp<int>(preferences_.compressionTableaux, 10, 200));
    surface.ouvrir(std::filesystem::path(chemin), "Lien de parenté"_1252, etirement, largeur, hauteur);
    StyleCasesParente s = style();
    s.degrade = surface.creerDegrade(200, 200, 200, 255, 255, 255, 0);
    for (const Trait& t : traits()) {
        if (t.y1 == t.y2)
            surface.ligneHorizontale(t.x1, t.y1, t.x2);
        else
            surface.ligneVerticale(t.x1, std::min(t.y1, t.y2), std::max(t.y1, t.y2));
    }
    for (const CasePlacee& c : cases_) dessinerCaseParente(surface, c.boite, s);
    if (signature_) surface.signature(xSignature_, ySignature_);
    surface.fermer();
}

void LienDeParente::ecrireWeb() {
    PageWeb page(dessin_);
    page.ouvrirPositionnee(std::filesystem::path(chemin), "Lien de parenté"_1252, largeur, hauteur);
    RedacteurBlocsWeb blocs = RedacteurBlocsWeb::pourArbre(page);
    StyleCasesParente s = style();
    s.fondWeb = adresseFondCases();
    for (const Trait& t : traits()) {
        if (t.y1 == t.y2)
            blocs.traitHorizontal(t.x1, t.x2, t.y1);
        else
            blocs.traitVertical(t.x1, std::min(t.y1, t.y2), std::max(t.y1, t.y2));
    }
    for (const CasePlacee& c : cases_) ecrireCaseParenteWeb(blocs, c.boite, s);
    page.fermer();
}

}  // namespace lignara
