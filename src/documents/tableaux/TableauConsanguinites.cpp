#include "documents/tableaux/TableauConsanguinites.h"

#include <algorithm>
#include <filesystem>

#include "commun/MetriquePolice.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/TablesDerivees.h"
#include "parente/GrapheParente.h"
#include "reglages/RaccordDessin.h"
#include "render/FichierSortie.h"
#include "render/SurfacePdf.h"
#include "render/html/PageWeb.h"
#include "render/html/RedacteurBlocsWeb.h"

namespace lignara {

namespace {

constexpr std::int32_t kCase = kHauteurCaseParente;
constexpr std::int32_t kEcart = 352;
constexpr std::int32_t kEcartColonnes = 90;
constexpr std::int32_t kEntreBlocs = 704;
constexpr std::int32_t kLigneCompte = 264;  // la ligne du nombre d'enfants sous la base
constexpr std::int32_t kHauteurSignature = 528;
constexpr std::int32_t kLargeurMinimale = 1800;

// Écart d'une colonne de n cases dans la hauteur s : n + 1 intervalles égaux.
std::int32_t ecartColonne(std::int32_t s, std::size_t n) {
    return static_cast<std::int32_t>((std::int64_t{s} - std::int64_t{kCase} * static_cast<std::int64_t>(n)) /
                                     static_cast<std::int64_t>(n + 1));
}

}  // namespace

std::string TableauConsanguinites::texteBase(const Bloc& b) {
    if (b.base < 0) return "union sans enfant";
    return std::to_string(b.nombreBase) + (b.nombreBase > 1 ? " enfants" : " enfant");
}

void TableauConsanguinites::preparer(const ContexteDocument& contexte) {
    preferences_ = contexte.preferences ? *contexte.preferences : Configuration{};
    remplirReglagesDessin(preferences_, dessin_);
    dessin_.messages = contexte.messages;
    suivreFormatDesParametres();
    const BaseGenealogique& base = *contexte.base;
    // L'ordre des lignées de chaque cas et les deux tris par date lisent les années estimées :
    // on attend le fil qui les calcule.
    TablesDerivees locales;
    const TablesDerivees* tables = nullptr;
    if (contexte.tablesDerivees) {
        tables = &contexte.tablesDerivees();
    } else {
        locales = calculerTablesDerivees(base, horloge.annee());
        tables = &locales;
    }
    ParametresGrapheParente p;
    p.options = GrapheConsanguinites;
    p.anneesNaissance = tables->anneesNaissance;
    cas_ = construireGrapheParente(base, p).consanguinites;
    const std::uint8_t tri = octet(kTriConsanguinites);
    trierConsanguinites(cas_,
                        tri == 1   ? TriConsanguinites::DateSommet
                        : tri == 2 ? TriConsanguinites::DateBase
                                   : TriConsanguinites::Degre,
                        p.anneesNaissance);

    boites_.clear();
    blocs_.clear();
    blocs_.reserve(cas_.size());
    auto ajouter = [&](std::uint32_t personne) {
        boites_.push_back(caseParente(base, personne));
        return static_cast<int>(boites_.size() - 1);
    };
    for (const Consanguinite& c : cas_) {
        Bloc b;
        b.sommet = ajouter(c.sommet);
        // Le conjoint d'une lignée vide est l'autre membre du couple de la base, déjà dans l'autre
        // lignée : il n'a pas de case au sommet.
        b.memeCouple = c.conjointsSommet[0] != 0 && c.conjointsSommet[0] == c.conjointsSommet[1];
        if (c.conjointsSommet[0] != 0 && !b.memeCouple && !c.lignes[0].empty())
            b.conjoints[0] = ajouter(c.conjointsSommet[0]);
        if (c.conjointsSommet[1] != 0 && (b.memeCouple || !c.lignes[1].empty()))
            b.conjoints[1] = ajouter(c.conjointsSommet[1]);
        for (int k = 0; k < 2; ++k)
            for (std::uint32_t q : c.lignes[k]) b.lignes[k].push_back(ajouter(q));
        if (c.base != 0) b.base = ajouter(c.base);
        b.nombreBase = c.nombreBase;
        blocs_.push_back(std::move(b));
    }
    std::vector<BoiteArbre*> toutes;
    toutes.reserve(boites_.size());
    for (BoiteArbre& b : boites_) toutes.push_back(&b);
    const auto etirement = static_cast<std::int16_t>(std::clamp<int>(preferences_.compressionTableaux, 10, 200));
    preparerCasesParente(toutes, contexte, polices, format, format == FormatSortie::Web ? std::int16_t{100} : etirement,
                         format != FormatSortie::Texte);
    placer();
}

void TableauConsanguinites::placer() {
    const PagesParente pages = PagesParente::du(dessin_);
    const std::int16_t etirement =
        format == FormatSortie::Pdf
            ? static_cast<std::int16_t>(std::clamp<int>(preferences_.compressionTableaux, 10, 200))
            : std::int16_t{100};
    const std::int64_t page = std::int64_t{pages.largeurPage} * 100 / etirement;
    const auto w =
        static_cast<std::int32_t>(std::clamp<std::int64_t>((page - 2 * kEcartColonnes) / 3, kLargeurMinimale, 1 << 24));
    if (format != FormatSortie::Texte)
        for (BoiteArbre& b : boites_) ajusterCaseParente(b, w, polices.reguliere);
    colonne_ = w;
    const std::int32_t xs[3] = {0, w + kEcartColonnes, 2 * w + 2 * kEcartColonnes};
    largeur = 3 * w + 2 * kEcartColonnes;
    signature_ = dessin_.signature && format == FormatSortie::Pdf &&
                 !(dessin_.polices.ligneSignature1.empty() && dessin_.polices.ligneSignature2.empty());

    // Décalages sous le haut du dessin, sur 64 bits : une base aux lignées démesurées ne déborde
    // pas ; sur papier, un bloc qui tient dans une page n'est pas coupé.
    std::vector<std::int64_t> decalages;
    decalages.reserve(blocs_.size());
    std::int64_t d = signature_ ? kHauteurSignature + 176 : 0;
    for (Bloc& b : blocs_) {
        const std::size_t l = std::max(b.lignes[0].size(), b.lignes[1].size());
        const std::int64_t s = std::int64_t{kCase} * static_cast<std::int64_t>(l) +
                               std::int64_t{kEcart} * static_cast<std::int64_t>(l + 1);
        b.espace = static_cast<std::int32_t>(std::min<std::int64_t>(s, INT32_MAX / 4));
        const std::int64_t h = 2 * kCase + b.espace + kLigneCompte;
        d = pages.placer(d, h);
        decalages.push_back(d);
        d += h + kEntreBlocs;
    }
    const std::int64_t contenu = std::max<std::int64_t>(d - kEntreBlocs, kCase);
    hauteur = static_cast<std::int32_t>(std::min<std::int64_t>(pages.hauteurDessin(contenu), INT32_MAX / 2));
    for (std::size_t n = 0; n < blocs_.size(); ++n) {
        Bloc& b = blocs_[n];
        b.haut = static_cast<std::int32_t>(std::max<std::int64_t>(std::int64_t{hauteur} - decalages[n], INT32_MIN / 2));
        const std::int32_t h = b.haut;
        auto poser = [&](int i, std::int32_t x, std::int32_t haut) {
            if (i < 0) return;
            boites_[static_cast<std::size_t>(i)].x = x;
            boites_[static_cast<std::size_t>(i)].y = haut;
            boites_[static_cast<std::size_t>(i)].largeur = w;
        };
        poser(b.sommet, xs[1], h);
        poser(b.conjoints[0], xs[0], h);
        poser(b.conjoints[1], xs[2], h);
        for (int k = 0; k < 2; ++k) {
            const std::int32_t e = ecartColonne(b.espace, b.lignes[k].size());
            std::int32_t haut = h - kCase - e;
            for (int i : b.lignes[k]) {
                poser(i, xs[2 * k], haut);
                haut -= kCase + e;
            }
        }
        poser(b.base, xs[1], h - kCase - b.espace);
    }
}

std::vector<TableauConsanguinites::Trait> TableauConsanguinites::traits(const Bloc& b) const {
    std::vector<Trait> t;
    auto boite = [&](int i) -> const BoiteArbre& { return boites_[static_cast<std::size_t>(i)]; };
    const BoiteArbre& sommet = boite(b.sommet);
    const std::int32_t milieuHaut = sommet.y - kCase / 2, basHaut = sommet.y - kCase;
    const std::int32_t hautBase = sommet.y - kCase - b.espace;
    const std::int32_t niveau = hautBase + 176;  // trait qui réunit les deux colonnes
    const std::int32_t centreBase = sommet.centre();
    std::int32_t bas[2] = {0, 0}, centres[2] = {0, 0};
    for (int k = 0; k < 2; ++k) {
        // Départ de la lignée : milieu du trait qui joint le sommet à son conjoint, ou bas du sommet.
        std::int32_t x = sommet.centre(), y = basHaut;
        // Un couple commun au sommet n'a qu'une case de conjoint, à droite : les deux lignées en descendent.
        const int conjoint = b.conjoints[k] >= 0 ? b.conjoints[k] : (b.memeCouple ? b.conjoints[1] : -1);
        if (conjoint >= 0) {
            const BoiteArbre& c = boite(conjoint);
            const std::int32_t g = std::min(sommet.droite(), c.droite()), d = std::max(sommet.x, c.x);
            t.push_back({g, milieuHaut, d, milieuHaut});
            x = (g + d) / 2;
            y = milieuHaut;
        }
        const std::int32_t colonne = (k == 0 ? 0 : 2 * (colonne_ + kEcartColonnes)) + colonne_ / 2;
        centres[k] = colonne;
        if (b.lignes[k].empty()) {
            // Lignée vide : le sommet est lui-même dans le couple de la base.
            t.push_back({x, y, x, niveau});
            centres[k] = x;
            bas[k] = niveau;
            continue;
        }
        const BoiteArbre& premiere = boite(b.lignes[k].front());
        const std::int32_t palier = premiere.y + (basHaut - premiere.y) / 2;
        t.push_back({x, y, x, palier});
        t.push_back({std::min(x, colonne), palier, std::max(x, colonne), palier});
        t.push_back({colonne, palier, colonne, premiere.y});
        for (std::size_t i = 1; i < b.lignes[k].size(); ++i)
            t.push_back({colonne, boite(b.lignes[k][i - 1]).y - kCase, colonne, boite(b.lignes[k][i]).y});
        bas[k] = boite(b.lignes[k].back()).y - kCase;
    }
    for (int k = 0; k < 2; ++k)
        if (bas[k] != niveau) t.push_back({centres[k], bas[k], centres[k], niveau});
    t.push_back({std::min(centres[0], centres[1]), niveau, std::max(centres[0], centres[1]), niveau});
    t.push_back({centreBase, niveau, centreBase, hautBase});
    return t;
}

StyleCasesParente TableauConsanguinites::style() const {
    StyleCasesParente s;
    s.couleurParSexe = preferences_.couleurParSexe;
    s.couleurHommes = dessin_.couleurHommes;
    s.couleurFemmes = dessin_.couleurFemmes;
    return s;
}

void TableauConsanguinites::ecrire() {
    if (format == FormatSortie::Web)
        ecrireWeb();
    else if (format == FormatSortie::Texte)
        ecrireTexte();
    else
        ecrirePdf();
}

void TableauConsanguinites::ecrirePdf() {
    SurfacePdf surface(dessin_, polices, horloge);
    const auto etirement = static_cast<std::int16_t>(std::clamp<int>(preferences_.compressionTableaux, 10, 200));
    surface.ouvrir(std::filesystem::path(chemin), "Tableau des consanguinités"_1252, etirement, largeur, hauteur);
    StyleCasesParente s = style();
    s.degrade = surface.creerDegrade(200, 200, 200, 255, 255, 255, 0);
    for (const Bloc& b : blocs_) {
        for (const Trait& t : traits(b)) {
            if (t.y1 == t.y2)
                surface.ligneHorizontale(t.x1, t.y1, t.x2);
            else
                surface.ligneVerticale(t.x1, std::min(t.y1, t.y2), std::max(t.y1, t.y2));
        }
        for (int i : {b.sommet, b.conjoints[0], b.conjoints[1], b.base})
            if (i >= 0) dessinerCaseParente(surface, boites_[static_cast<std::size_t>(i)], s);
        for (int k = 0; k < 2; ++k)
            for (int i : b.lignes[k]) dessinerCaseParente(surface, boites_[static_cast<std::size_t>(i)], s);
        const std::string compte = texteBase(b);
        const std::int32_t l = largeurTexte(polices.reguliere, compte);
        const std::int32_t yBase = boites_[static_cast<std::size_t>(b.sommet)].y - 2 * kCase - b.espace;
        surface.texte(largeur / 2 - l / 2, yBase - 176, l, 176, compte);
    }
    if (signature_) surface.signature(largeur - polices.largeurSignature, hauteur - kHauteurSignature);
    surface.fermer();
}

void TableauConsanguinites::ecrireTexte() {
    FichierSortie f;
    if (!f.ouvrir(std::filesystem::path(chemin))) throw OperationImpossible(f.message());
    std::ostream& o = f.flux();
    for (std::size_t n = 0; n < blocs_.size(); ++n) {
        const Bloc& b = blocs_[n];
        auto texte = [&](int i) { return texteCaseParente(boites_[static_cast<std::size_t>(i)]); };
        if (n > 0) o << '\n';
        o << "Consanguinit\xE9 " << n + 1 << ", degr\xE9 " << cas_[n].degre() << '\n';
        o << "Sommet : " << texte(b.sommet) << '\n';
        for (int i : {b.conjoints[0], b.conjoints[1]})
            if (i >= 0) o << "    x " << texte(i) << '\n';
        static constexpr const char* kTitres[2] = {
            "Premi\xE8re lign\xE9"
            "e :",
            "Seconde lign\xE9"
            "e :"};
        for (int k = 0; k < 2; ++k) {
            o << kTitres[k] << (b.lignes[k].empty() ? " (le sommet lui-m\xEAme)" : "") << '\n';
            int rang = 0;
            for (int i : b.lignes[k]) o << "    " << ++rang << ". " << texte(i) << '\n';
        }
        o << "Base : " << (b.base >= 0 ? texte(b.base) + " (" + texteBase(b) + ")" : texteBase(b)) << '\n';
    }
    if (!f.fermer()) throw OperationImpossible(f.message());
}

void TableauConsanguinites::ecrireWeb() {
    PageWeb page(dessin_);
    page.ouvrirPositionnee(std::filesystem::path(chemin), "Tableau des consanguinités"_1252, largeur, hauteur);
    RedacteurBlocsWeb blocs = RedacteurBlocsWeb::pourArbre(page);
    StyleCasesParente s = style();
    s.fondWeb = adresseFondCases();
    for (const Bloc& b : blocs_) {
        for (const Trait& t : traits(b)) {
            if (t.y1 == t.y2)
                blocs.traitHorizontal(t.x1, t.x2, t.y1);
            else
                blocs.traitVertical(t.x1, std::min(t.y1, t.y2), std::max(t.y1, t.y2));
        }
        for (int i : {b.sommet, b.conjoints[0], b.conjoints[1], b.base})
            if (i >= 0) ecrireCaseParenteWeb(blocs, boites_[static_cast<std::size_t>(i)], s);
        for (int k = 0; k < 2; ++k)
            for (int i : b.lignes[k]) ecrireCaseParenteWeb(blocs, boites_[static_cast<std::size_t>(i)], s);
        const std::string compte = texteBase(b);
        const std::int32_t yBase = boites_[static_cast<std::size_t>(b.sommet)].y - 2 * kCase - b.espace;
        blocs.texte(largeur / 2 - largeurTexte(polices.reguliere, compte) / 2, yBase - 176, compte);
    }
    page.fermer();
}

}  // namespace lignara
