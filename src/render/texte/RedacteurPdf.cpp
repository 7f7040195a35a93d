#include "render/texte/RedacteurPdf.h"

#include <algorithm>
#include <vector>

#include "commun/MetriquePolice.h"
#include "render/FormatPapier.h"
#include "render/GrillePages.h"
#include "render/SurfacePdf.h"
#include "render/texte/Repli.h"

namespace lignara {

namespace {

constexpr std::int32_t kRangee = 176;
constexpr std::int32_t kMontee = 144;   // de la ligne de base au haut de la rangée
constexpr std::int32_t kDescente = 32;  // de la ligne de base au bas de la rangée
constexpr std::int32_t kMilieu = 55;    // mi-hauteur des traits, au-dessus de la ligne de base
constexpr std::int32_t kCroix = 56;     // laisse un blanc de 30 avant le texte qui suit
constexpr std::int32_t kAvanceCroix = 90;
constexpr std::int32_t kSoulignement = 25;
constexpr std::int32_t kMargeCellule = 45;
constexpr std::int32_t kMargeSignature = 90;
constexpr std::int32_t kRetraitSignature = 45;
constexpr std::int32_t kMargePhoto = 90;  // au-dessus et au-dessous d'une photo de grille

// Une rangée vue par le placement de la signature.
struct RangeeSignature {
    std::int32_t fin = 0;  // bout droit occupé ; 0 : libre
    bool section = false;  // un titre y ouvre une section
    bool pleine = false;   // occupe toute la largeur (filet, titre)
};

// Pages d'un papier vues en rangées depuis le haut : la première perd la marge du haut.
struct PagesEnRangees {
    bool pagine = false;
    std::int64_t premiere = 0;  // rangées de la première page
    std::int64_t suivantes = 0;

    std::int64_t page(std::int64_t r) const {
        if (!pagine || r < premiere) return 0;
        return 1 + (r - premiere) / suivantes;
    }
    bool debutDePage(std::int64_t r) const {
        return r == 0 || (pagine && (r == premiere || (r > premiere && (r - premiere) % suivantes == 0)));
    }
};

// Joue le contenu : mesure (surface nulle) ou dessin. La géométrie verticale est la même dans
// les deux passes, puisque c'est le même code.
class LignesPdf : public FluxRedaction {
public:
    LignesPdf(const ReglagesDessin& reglages, const PolicesDocument& polices, const MiseEnPage& mise, PlanPdf& plan,
              SurfacePdf* surface);

    void titre(const Titre& titre) override;
    std::int64_t ligne(const Ligne& ligne) override;
    void paragraphe(const Paragraphe& paragraphe) override;
    void lignesVides(int nombre) override;
    void filet() override;
    void sautDePage() override;
    void tableau(const Tableau& tableau) override;
    void debutBloc(const Bloc&) override {}
    void finBloc() override {}
    void photos(const GrillePhotos& grille) override;

    // Fin de la mesure : hauteur, largeur et place de la signature.
    void conclure(bool signature, std::int32_t largeurSignature);

private:
    std::int32_t baseline(std::int64_t rangee) const {
        return static_cast<std::int32_t>(plan_.hauteur - kRangee * rangee - kMontee);
    }
    std::int32_t mesurer(const Segment& s, std::string_view t) const {
        const std::int32_t l = largeurTexte(polices_.reguliere, t);
        return s.taille > 0 ? static_cast<std::int32_t>(std::int64_t{l} * s.taille / 10) : l;
    }
    std::int32_t largeurDeSegment(const Segment& s) const { return s.croix ? kAvanceCroix : mesurer(s, s.texte); }
    std::int32_t largeurPage() const { return plan_.largeur; }
    // Rangée suivante : rend son numéro, la note pour la signature pendant la mesure.
    std::int64_t avancer(RangeeSignature occupation = {});
    std::int32_t identifiant(std::string_view ancre);
    void dessinerTexte(std::int32_t x, std::int32_t y, const Segment& s, std::string_view t);
    std::int32_t dessinerSegment(std::int32_t x, std::int32_t y, const Segment& s, std::string_view t);
    void croix(std::int32_t x, std::int32_t y);
    void trait(std::int32_t x1, std::int32_t y, std::int32_t x2);
    void placerSignature(std::int32_t largeurSignature);

    const ReglagesDessin& reglages_;
    const PolicesDocument& polices_;
    const MiseEnPage& mise_;
    PlanPdf& plan_;
    SurfacePdf* surface_;
    PagesEnRangees pages_;
    std::int32_t largeurPapier_ = 0;  // largeur de page moins les marges, 0 sans pagination
    std::int32_t largeurRepli_ = 0;
    std::int64_t rangee_ = 0;
    std::int64_t lignes_ = 0;
    bool debut_ = true;
    std::int32_t finMax_ = 0;
    std::vector<RangeeSignature> occupation_;   // mesure
    std::vector<std::int32_t> basesDesLignes_;  // dessin : ligne de base de chaque ligne
};

LignesPdf::LignesPdf(const ReglagesDessin& reglages, const PolicesDocument& polices, const MiseEnPage& mise,
                     PlanPdf& plan, SurfacePdf* surface)
    : reglages_(reglages), polices_(polices), mise_(mise), plan_(plan), surface_(surface) {
    const FormatPapier papier = formatPapierOuNonPagine(reglages.formatPapier);
    const std::int32_t marges = reglages.margeGauche + reglages.margeDroite;
    if (papier.estPagine()) {
        const GrillePages grille(papier, mise.etirementPdf, 1, 1);
        pages_.pagine = true;
        pages_.suivantes = std::max(grille.hauteurPage() / kRangee, 1);
        pages_.premiere = std::max<std::int64_t>((grille.hauteurPage() - reglages.margeHaut) / kRangee, 1);
        largeurPapier_ = std::max(grille.largeurPage() - marges, 1);
    }
    largeurRepli_ = mise.largeurPdf > 0 ? mise.largeurPdf : (largeurPapier_ > 0 ? largeurPapier_ : 9072 - marges);
    largeurRepli_ = std::max(largeurRepli_, 1);
}

std::int64_t LignesPdf::avancer(RangeeSignature occupation) {
    if (!surface_) {
        occupation_.push_back(occupation);
        finMax_ = std::max(finMax_, occupation.fin);
    }
    debut_ = false;
    return rangee_++;
}

std::int32_t LignesPdf::identifiant(std::string_view ancre) {
    auto [it, nouveau] =
        plan_.ancres.try_emplace(std::string(ancre), static_cast<std::int32_t>(plan_.ancres.size() + 1));
    return it->second;
}

void LignesPdf::trait(std::int32_t x1, std::int32_t y, std::int32_t x2) {
    if (surface_ && x2 > x1) surface_->ligneHorizontale(x1, y, x2);
}

void LignesPdf::croix(std::int32_t x, std::int32_t y) {
    if (!surface_) return;
    const std::int32_t bas = y + kMilieu - kCroix / 2, haut = bas + kCroix;
    surface_->ligne(x + 4, bas, x + 4 + kCroix, haut);
    surface_->ligne(x + 4, haut, x + 4 + kCroix, bas);
}

void LignesPdf::dessinerTexte(std::int32_t x, std::int32_t y, const Segment& s, std::string_view t) {
    EtatTrace& etat = surface_->etat();
    const EtatTrace garde = etat;
    if (s.couleur == CouleurSegment::Hommes) etat.couleurTexte = reglages_.couleurHommes;
    if (s.couleur == CouleurSegment::Femmes) etat.couleurTexte = reglages_.couleurFemmes;
    if (s.taille > 0) etat.taillePolice = s.taille;
    const std::int32_t l = mesurer(s, t);
    surface_->texte(x, y, l, kMontee, std::string(t));
    if (s.souligne) {
        etat.couleurTrait = etat.couleurTexte;
        surface_->ligneHorizontale(x, y - kSoulignement, x + l);
    }
    etat.couleurTexte = garde.couleurTexte;
    etat.couleurTrait = garde.couleurTrait;
    etat.taillePolice = garde.taillePolice;
}

// Rend le bout droit du segment.
std::int32_t LignesPdf::dessinerSegment(std::int32_t x, std::int32_t y, const Segment& s, std::string_view t) {
    if (s.croix) {
        croix(x, y);
        return x + kAvanceCroix;
    }
    const std::int32_t l = mesurer(s, t);
    if (surface_ && !t.empty()) {
        dessinerTexte(x, y, s, t);
        if (!s.lien.empty()) surface_->ajouterLien(identifiant(s.lien), x, y - kDescente, x + l, y + kMontee);
    } else if (!s.lien.empty()) {
        identifiant(s.lien);
    }
    return x + l;
}

void LignesPdf::titre(const Titre& titre) {
    const StyleTitre& style = *titre.style;
    if (!debut_)
        for (int i = 0; i < style.lignesAvantPdf; ++i) avancer();
    const Segment s{.texte = titre.texte, .lien = titre.lien};
    const std::int32_t fin = style.xPdf + mesurer(s, titre.texte);
    const std::int64_t r =
        avancer({.fin = style.ouvreSection ? 0 : fin, .section = style.ouvreSection, .pleine = !style.ouvreSection});
    if (!titre.ancre.empty()) identifiant(titre.ancre);
    if (surface_) {
        const std::int32_t y = baseline(r);
        dessinerSegment(style.xPdf, y, s, titre.texte);
        if (!titre.ancre.empty()) surface_->ajouterCible(identifiant(titre.ancre), 0, y + kMontee);
        if (style.ecartFiletsPdf >= 0) {
            trait(style.debutFiletPdf, y + kMilieu, style.xPdf - style.ecartFiletsPdf);
            trait(fin + style.ecartFiletsPdf, y + kMilieu, largeurPage());
        }
    }
    for (int i = 0; i < style.lignesApresPdf; ++i) avancer();
}

std::int64_t LignesPdf::ligne(const Ligne& ligne) {
    const std::int32_t x0 = ligne.retrait.unites;
    std::int32_t fin = x0;
    const std::int64_t r = rangee_;
    const std::int32_t y = surface_ ? baseline(r) : 0;
    if (surface_) {
        if (ligne.raccord.depuis >= 0 && static_cast<std::size_t>(ligne.raccord.depuis) < basesDesLignes_.size()) {
            const std::int32_t depuis = basesDesLignes_[static_cast<std::size_t>(ligne.raccord.depuis)];
            surface_->ligneVerticale(ligne.raccord.x, y + kMilieu,
                                     ligne.raccord.depuisLeBas ? depuis - kDescente : depuis + kMilieu);
        }
        for (const TracePdf& t : ligne.traces) {
            if (t.sorte == TracePdf::Sorte::Croix)
                croix(x0 + t.x1, y);
            else
                trait(x0 + t.x1, y + kMilieu, x0 + t.x2);
        }
        basesDesLignes_.push_back(y);
    }
    const Etiquette& e = ligne.etiquette;
    if (!e.vide()) {
        const Segment s{.texte = e.texte, .gras = e.gras};
        const std::int32_t droite = x0 + e.largeur.unites;
        const std::int32_t gauche = droite - mesurer(s, e.texte);
        if (surface_ && !e.texte.empty()) dessinerTexte(gauche, y, s, e.texte);
        fin = droite + mesurer(s, e.suite);
        if (surface_ && !e.suite.empty()) dessinerTexte(droite, y, s, e.suite);
    }
    std::int32_t x = x0 + ligne.contenu.unites;
    for (const Segment& s : ligne.segments) x = dessinerSegment(x, y, s, s.texte);
    if (!ligne.segments.empty()) fin = std::max(fin, x);
    for (const TracePdf& t : ligne.traces) fin = std::max(fin, x0 + std::max(t.x1 + kAvanceCroix, t.x2));
    if (!ligne.ancre.empty()) {
        const std::int32_t id = identifiant(ligne.ancre);
        if (surface_) surface_->ajouterCible(id, x0, y + kMontee);
    }
    avancer({.fin = fin});
    return lignes_++;
}

void LignesPdf::paragraphe(const Paragraphe& p) {
    const std::int32_t premiere = std::max(p.retrait.unites, 0), suite = std::max(p.retraitSuite.unites, 0);
    const auto repliees = replier(p.segments, std::max(largeurRepli_ - premiere, 1), std::max(largeurRepli_ - suite, 1),
                                  [this](const Segment& s, std::string_view t) -> std::int64_t {
                                      return s.croix ? kAvanceCroix : mesurer(s, t);
                                  });
    for (std::size_t i = 0; i < repliees.size(); ++i) {
        const std::int64_t r = rangee_;
        std::int32_t x = i == 0 ? premiere : suite;
        const std::int32_t y = surface_ ? baseline(r) : 0;
        if (i == 0 && !p.ancre.empty()) {
            const std::int32_t id = identifiant(p.ancre);
            if (surface_) surface_->ajouterCible(id, x, y + kMontee);
        }
        for (const MorceauRepli& m : repliees[i]) {
            const Segment& s = p.segments[m.segment];
            x = dessinerSegment(x, y, s, s.texte.substr(m.debut, m.fin - m.debut));
        }
        avancer({.fin = x});
    }
}

void LignesPdf::lignesVides(int nombre) {
    for (int i = 0; i < nombre; ++i) avancer();
}

void LignesPdf::filet() {
    const std::int64_t r = avancer({.pleine = true});
    if (surface_) trait(0, baseline(r) + kMilieu, largeurPage());
}

void LignesPdf::sautDePage() {
    if (!pages_.pagine || debut_) return;
    while (!pages_.debutDePage(rangee_)) avancer();
}

void LignesPdf::tableau(const Tableau& tableau) {
    const std::size_t n = tableau.colonnes.size();
    std::vector<std::int32_t> bords(n + 1, 0);
    for (std::size_t c = 0; c < n; ++c) bords[c + 1] = bords[c] + std::max(tableau.colonnes[c].unites, 0);
    std::vector<int> couvertes(n, 0);
    for (const RangeeTableau& rangee : tableau.rangees) {
        const std::int64_t r = rangee_;
        std::size_t c = 0;
        for (const CelluleTableau& cellule : rangee.cellules) {
            while (c < n && couvertes[c] > 0) --couvertes[c++];
            if (c >= n) break;
            const std::size_t etendue = std::clamp<std::size_t>(cellule.colonnes, 1, n - c);
            const int hauteur = std::max<int>(cellule.rangees, 1);
            for (std::size_t k = 0; k < etendue; ++k) couvertes[c + k] = hauteur - 1;
            if (!cellule.ancre.empty()) identifiant(cellule.ancre);
            if (surface_) {
                const std::int32_t y = baseline(r);
                const std::int32_t haut = y + kMontee, bas = y - kDescente - kRangee * (hauteur - 1);
                const std::int32_t gauche = bords[c], droite = bords[c + etendue];
                if (cellule.fond || cellule.entete) {
                    EtatTrace& etat = surface_->etat();
                    const std::uint32_t garde = etat.couleurRemplissage;
                    etat.couleurRemplissage = mise_.couleurFond;
                    surface_->rectangle(gauche, bas, droite, haut, 1);
                    etat.couleurRemplissage = garde;
                }
                surface_->rectangle(gauche, bas, droite, haut, 0);
                std::int32_t largeurTexteCellule = 0;
                for (const Segment& s : cellule.segments) largeurTexteCellule += largeurDeSegment(s);
                std::int32_t x = gauche + kMargeCellule;
                if (cellule.centree || cellule.entete) x = std::max(x, (gauche + droite - largeurTexteCellule) / 2);
                if (!cellule.ancre.empty()) surface_->ajouterCible(identifiant(cellule.ancre), gauche, haut);
                for (const Segment& s : cellule.segments) x = dessinerSegment(x, y, s, s.texte);
            }
            c += etendue;
        }
        for (; c < n; ++c)
            if (couvertes[c] > 0) --couvertes[c];
        avancer({.fin = bords[n], .pleine = true});
    }
}

void LignesPdf::photos(const GrillePhotos& grille) {
    const std::size_t parRangee = static_cast<std::size_t>(std::max(grille.parRangee, 1));
    bool legendes = false;
    for (const CellulePhoto& c : grille.cellules) legendes = legendes || !c.legende.empty();
    // Place des photos et de la légende, en rangées entières ; bornée à une page quand il y en a.
    std::int64_t rangees = (std::int64_t{std::max(grille.hauteurPhotos, 0)} + kMargePhoto + kRangee - 1) / kRangee;
    rangees = std::max<std::int64_t>(rangees + (legendes ? 1 : 0), 1);
    if (pages_.pagine) rangees = std::min(rangees, pages_.suivantes);
    const std::int32_t largeurCellule = std::max(grille.largeurCellule, 1);
    for (std::size_t debut = 0; debut < grille.cellules.size(); debut += parRangee) {
        const std::size_t fin = std::min(debut + parRangee, grille.cellules.size());
        if (pages_.pagine && !debut_ && pages_.page(rangee_) != pages_.page(rangee_ + rangees - 1))
            while (!pages_.debutDePage(rangee_)) avancer();
        const std::int64_t r0 = rangee_;
        if (surface_) {
            const std::int32_t haut = baseline(r0) + kMontee;
            const std::int32_t bas = baseline(r0 + rangees - 1) - kDescente;
            for (std::size_t i = debut; i < fin; ++i) {
                const CellulePhoto& c = grille.cellules[i];
                const auto gauche = static_cast<std::int32_t>((i - debut) * static_cast<std::size_t>(largeurCellule));
                if (grille.cadres) surface_->rectangle(gauche, bas, gauche + largeurCellule, haut, 0);
                if (!c.chemin1252.empty() && c.largeur > 0 && c.hauteur > 0)
                    surface_->photo(gauche + (largeurCellule - c.largeur) / 2, haut - kMargePhoto / 2 - c.hauteur,
                                    c.largeur, c.hauteur, std::string(c.chemin1252));
                std::int32_t l = 0;
                for (const Segment& s : c.legende) l += largeurDeSegment(s);
                std::int32_t x = gauche + std::max((largeurCellule - l) / 2, 0);
                for (const Segment& s : c.legende) x = dessinerSegment(x, baseline(r0 + rangees - 1), s, s.texte);
            }
        }
        const auto fin1 = static_cast<std::int32_t>((fin - debut) * static_cast<std::size_t>(largeurCellule));
        for (std::int64_t k = 0; k < rangees; ++k) avancer({.fin = fin1});
    }
}

void LignesPdf::conclure(bool signature, std::int32_t largeurSignature) {
    plan_.rangees = rangee_;
    plan_.largeur = std::max(finMax_, largeurPapier_);
    if (plan_.largeur <= 0) plan_.largeur = 1;
    std::int64_t hauteur = rangee_ * kRangee - kDescente;
    if (pages_.pagine && rangee_ > 0) {
        // La surface totale fait un nombre entier de pages : tout commence en haut de la première.
        const std::int64_t totale = hauteur + reglages_.margeHaut + reglages_.margeBas;
        const std::int64_t page = pages_.suivantes * kRangee;
        hauteur = (totale + page - 1) / page * page - reglages_.margeHaut - reglages_.margeBas;
    }
    plan_.hauteur = static_cast<std::int32_t>(std::clamp<std::int64_t>(hauteur, 0, INT32_MAX));
    for (RangeeSignature& o : occupation_)
        if (o.pleine) o.fin = plan_.largeur;
    if (signature) placerSignature(largeurSignature);
}

void LignesPdf::placerSignature(std::int32_t largeurSignature) {
    const std::int64_t x = std::int64_t{plan_.largeur} - largeurSignature - kRetraitSignature;
    const std::int64_t limite = std::int64_t{plan_.largeur} - largeurSignature - kMargeSignature;
    if (x < 0) return;
    std::size_t suite = 0;  // rangées libres consécutives de la même section et de la même page
    for (std::size_t r = 0; r < occupation_.size(); ++r) {
        const RangeeSignature& o = occupation_[r];
        const auto rr = static_cast<std::int64_t>(r);
        if (o.section || (suite > 0 && pages_.page(rr) != pages_.page(rr - 1))) suite = 0;
        suite = o.fin <= limite ? suite + 1 : 0;
        if (suite == 3) {
            plan_.signatureX = static_cast<std::int32_t>(x);
            plan_.signatureY = static_cast<std::int32_t>(plan_.hauteur - kRangee * rr - kMontee - kDescente);
            return;
        }
    }
}

}  // namespace

PlanPdf RedacteurPdf::planifier(const MiseEnPage& mise, const ContenuRedaction& contenu) const {
    PlanPdf plan;
    LignesPdf mesure(reglages_, polices_, mise, plan, nullptr);
    contenu(mesure);
    const bool signature = mise.signature && reglages_.signature &&
                           !(reglages_.polices.ligneSignature1.empty() && reglages_.polices.ligneSignature2.empty());
    mesure.conclure(signature, polices_.largeurSignature);
    return plan;
}

void RedacteurPdf::rediger(const MiseEnPage& mise, const ContenuRedaction& contenu) {
    PlanPdf plan = planifier(mise, contenu);
    SurfacePdf surface(reglages_, polices_, horloge_);
    surface.ouvrir(mise.chemin, mise.titre1252, mise.etirementPdf, plan.largeur, plan.hauteur);
    LignesPdf dessin(reglages_, polices_, mise, plan, &surface);
    contenu(dessin);
    if (plan.signatureX) surface.signature(*plan.signatureX, plan.signatureY);
    surface.fermer();
}

}  // namespace lignara
