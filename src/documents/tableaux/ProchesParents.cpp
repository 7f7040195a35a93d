#include "documents/tableaux/ProchesParents.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <filesystem>

#include "commun/MetriquePolice.h"
#include "commun/Texte.h"
#include "documents/AjustementNom.h"
#include "documents/tableaux/CasesParente.h"
#include "database/EnsemblePersonnes.h"
#include "database/Parente.h"
#include "reglages/RaccordDessin.h"
#include "render/html/PageWeb.h"

namespace lignara {

namespace {

constexpr std::int32_t kRetrait = 270;  // par génération dans une partie
constexpr std::int32_t kMargeColonne = 180;
constexpr std::int32_t kColonneMin = 2700;

std::vector<std::uint32_t> enfants(const BaseGenealogique& base, std::uint32_t p) {
    std::vector<std::uint32_t> e;
    for (const FamilleConjoint& f : Conjoints(base, p))
        for (std::uint32_t c : Enfants(base, f.fiche)) e.push_back(c);
    return e;
}

// Enfants du père puis de la mère, la personne exclue : demi-frères et sœurs compris.
std::vector<std::uint32_t> fratrie(const BaseGenealogique& base, std::uint32_t p) {
    std::vector<std::uint32_t> f;
    const ParentsPersonne parents = Parents(base, p);
    for (std::uint32_t parent : {parents.pere, parents.mere})
        if (parent)
            for (std::uint32_t e : enfants(base, parent))
                if (e != p && std::find(f.begin(), f.end(), e) == f.end()) f.push_back(e);
    return f;
}

}  // namespace

int ProchesParents::profondeur(const ParametreDeclare& p) const {
    const auto v = static_cast<std::int8_t>(octet(p));
    return std::clamp<int>(v, 0, static_cast<int>(p.maximum));
}

bool ProchesParents::verifierParametres(const ContexteDocument&) { return racine() > 0; }

void ProchesParents::preparer(const ContexteDocument& contexte) {
    preferences_ = contexte.preferences ? *contexte.preferences : Configuration{};
    remplirReglagesDessin(preferences_, dessin_);
    dessin_.messages = contexte.messages;
    suivreFormatDesParametres();
    rassembler(*contexte.base);
    std::vector<std::uint32_t> personnes;
    for (const Partie& p : parties_)
        for (const Proche& q : p.proches) personnes.push_back(q.personne);
    FormeDetails forme;
    forme.donnees = preferences_.donneesProches & 15;
    textes_.chargerPersonnes(*contexte.base, std::move(personnes), forme);
    largeur = 0;
    hauteur = 176;
    const int etirement = std::clamp<int>(preferences_.compressionTableaux, 10, 200);
    const PagesParente pages = PagesParente::du(dessin_);
    largeurPdf_ =
        pages.hauteurPage > 0 ? static_cast<std::int32_t>(std::int64_t{pages.largeurPage} * 100 / etirement) : 0;
}

void ProchesParents::rassembler(const BaseGenealogique& base) {
    for (Partie& p : parties_) p = Partie{};
    const auto r = static_cast<std::uint32_t>(racine());
    EnsemblePersonnes montres(base.nombreIndividus());
    auto ajouter = [&](Place place, std::uint32_t q, int niveau) {
        if (q == 0 || q > base.nombreIndividus() || montres.contient(q)) return false;
        montres.ajouter(q);
        parties_[place].proches.push_back({q, niveau});
        return true;
    };
    // Descendants en profondeur d'abord : chaque enfant suivi des siens, jusqu'à la profondeur.
    auto descendre = [&](auto&& soi, Place place, std::uint32_t p, int niveau, int profondeur) -> void {
        if (niveau >= profondeur) return;
        for (std::uint32_t e : enfants(base, p))
            if (ajouter(place, e, niveau)) soi(soi, place, e, niveau + 1, profondeur);
    };
    const int a = profondeur(kAscendantsProches), d = profondeur(kDescendantsProches), c = profondeur(kCousinsProches);

    montres.ajouter(r);
    // Ascendants génération par génération ; montrés des plus anciens aux parents.
    std::vector<std::vector<std::uint32_t>> generations;
    std::vector<std::uint32_t> courante{r};
    EnsemblePersonnes vus(base.nombreIndividus());
    for (int g = 1; g <= a && !courante.empty(); ++g) {
        std::vector<std::uint32_t> suivante;
        for (std::uint32_t p : courante) {
            const ParentsPersonne pm = Parents(base, p);
            for (std::uint32_t q : {pm.pere, pm.mere})
                if (q && !vus.contient(q)) {
                    vus.ajouter(q);
                    suivante.push_back(q);
                }
        }
        generations.push_back(suivante);
        courante = std::move(suivante);
    }
    for (auto g = generations.rbegin(); g != generations.rend(); ++g)
        for (std::uint32_t q : *g) ajouter(Ascendants, q, 0);
    parties_[Fratrie].proches.push_back({r, 0});
    const std::vector<std::uint32_t> freres = fratrie(base, r);
    for (std::uint32_t f : freres) ajouter(Fratrie, f, 0);
    descendre(descendre, Descendants, r, 0, d);
    for (std::uint32_t f : freres) descendre(descendre, DescendantsFratrie, f, 0, d);
    const ParentsPersonne parents = Parents(base, r);
    // Les oncles et tantes viennent toujours ; seule leur descendance suit la case des cousins.
    const std::pair<std::uint32_t, Place> cotes[2] = {{parents.pere, OnclesPaternels}, {parents.mere, OnclesMaternels}};
    for (const auto& [parent, place] : cotes) {
        if (!parent) continue;
        for (std::uint32_t o : fratrie(base, parent)) ajouter(place, o, 0);
        if (c > 0)
            for (const Proche& o : std::vector<Proche>(parties_[place].proches))
                descendre(descendre, static_cast<Place>(place + 1), o.personne, 0, c);
    }

    const bool deuxCotes = parents.pere && parents.mere;
    parties_[Ascendants].titre = a == 1 ? "Parents" : "Ascendants";
    parties_[Descendants].titre = d == 1 ? "Enfants" : "Descendants";
    parties_[DescendantsFratrie].titre = d == 1 ? "Neveux et ni\xE8"
                                                  "ces"
                                                : "Descendants de la fratrie";
    parties_[OnclesPaternels].titre = deuxCotes ? "Oncles et tantes paternels" : "Oncles et tantes";
    parties_[OnclesMaternels].titre = deuxCotes ? "Oncles et tantes maternels" : "Oncles et tantes";
    parties_[CousinsPaternels].titre = deuxCotes ? "Cousins paternels" : "Cousins germains et descendance";
    parties_[CousinsMaternels].titre = deuxCotes ? "Cousins maternels" : "Cousins germains et descendance";
}

void ProchesParents::rediger(FluxRedaction& flux) const {
    // Une place de colonne : titre de partie, personne, ou rien.
    struct Emplacement {
        const Partie* titre = nullptr;
        const Proche* proche = nullptr;
        bool racine = false;
    };
    using Colonne = std::vector<Emplacement>;
    auto partie = [&](Colonne& col, Place p) {
        const Partie& x = parties_[p];
        if (x.proches.empty()) return;
        col.push_back({&x, nullptr});
        for (const Proche& q : x.proches) col.push_back({nullptr, &q});
    };
    Colonne hauts[3], bas[3], racine;
    partie(hauts[0], OnclesPaternels);
    partie(hauts[1], Ascendants);
    partie(hauts[2], OnclesMaternels);
    for (const Proche& q : parties_[Fratrie].proches) racine.push_back({nullptr, &q, true});
    partie(bas[0], CousinsPaternels);
    partie(bas[1], Descendants);
    partie(bas[1], DescendantsFratrie);
    partie(bas[2], CousinsMaternels);

    const MetriquePolice& police = polices.reguliere;
    std::int32_t largeurs[3] = {kColonneMin, kColonneMin, kColonneMin};
    auto mesurer = [&](int c, const Colonne& col) {
        for (const Emplacement& p : col) {
            std::int32_t l = 0;
            if (p.titre) l = largeurTexte(police, p.titre->titre);
            if (p.proche) {
                const TextesPersonne t = textes_.personne(p.proche->personne);
                l = p.proche->niveau * kRetrait + largeurTexte(police, t.nom) + largeurTexte(police, t.details);
            }
            largeurs[c] = std::max(largeurs[c], l + 2 * kMargeColonne);
        }
    };
    for (int c = 0; c < 3; ++c) {
        mesurer(c, hauts[c]);
        mesurer(c, bas[c]);
    }
    mesurer(1, racine);
    // Le PDF ne replie pas une cellule : sur papier, les trois colonnes tiennent dans la largeur
    // de la page et ce qui dépasse est raccourci.
    if (format == FormatSortie::Pdf && largeurPdf_ > 0)
        for (std::int32_t& l : largeurs) l = std::min(l, std::max(kColonneMin, largeurPdf_ / 3));
    const Mesure colonnes[3] = {{largeurs[0], 40}, {largeurs[1], 44}, {largeurs[2], 40}};

    std::size_t nHaut = 0, nBas = 0;
    for (int c = 0; c < 3; ++c) {
        nHaut = std::max(nHaut, hauts[c].size());
        nBas = std::max(nBas, bas[c].size());
    }
    static constexpr std::string_view kClasses[3] = {"cadreHomme", "liste", "cadreFemme"};
    static constexpr std::string_view kTitres[3] = {"cadreHomme titre", "liste titre", "cadreFemme titre"};
    const bool parSexe = preferences_.couleurParSexe;
    std::deque<std::string> textes;
    std::deque<std::vector<Segment>> segments;
    std::vector<std::vector<CelluleTableau>> cellules;
    auto cellule = [&](int c, const Emplacement* p) {
        CelluleTableau k{.classeWeb = kClasses[c]};
        if (!p) return k;
        auto& s = segments.emplace_back();
        if (p->titre) {
            s.push_back({.texte = p->titre->titre, .gras = true});
            k.entete = true;
            k.classeWeb = kTitres[c];
        } else if (p->proche) {
            const TextesPersonne t = textes_.personne(p->proche->personne);
            std::string_view nom = t.nom, details = t.details;
            if (format == FormatSortie::Pdf) {
                std::int32_t reste = largeurs[c] - 2 * kMargeColonne - p->proche->niveau * kRetrait;
                nom = textes.emplace_back(ajusterTexte(reste, nom, police));
                reste -= largeurTexte(police, nom);
                details = textes.emplace_back(ajusterTexte(reste, details, police));
            }
            if (p->proche->niveau > 0)
                s.push_back({.texte = textes.emplace_back(static_cast<std::size_t>(4 * p->proche->niveau), ' ')});
            CouleurSegment couleur = CouleurSegment::Texte;
            if (parSexe && t.sexe == 'M') couleur = CouleurSegment::Hommes;
            if (parSexe && t.sexe == 'F') couleur = CouleurSegment::Femmes;
            s.push_back({.texte = nom,
                         .gras = p->racine && p->proche == &parties_[Fratrie].proches.front(),
                         .couleur = couleur});
            if (!details.empty()) s.push_back({.texte = details});
            if (p->racine) {
                k.fond = true;
                k.classeWeb = "liste racine";
            }
        }
        k.segments = s;
        return k;
    };
    // Les parties du haut finissent toutes sur la rangée de la racine.
    for (std::size_t i = 0; i < nHaut; ++i) {
        auto& rangee = cellules.emplace_back();
        for (int c = 0; c < 3; ++c) {
            const std::size_t debut = nHaut - hauts[c].size();
            rangee.push_back(cellule(c, i >= debut ? &hauts[c][i - debut] : nullptr));
        }
    }
    for (const Emplacement& p : racine) {
        auto& rangee = cellules.emplace_back();
        rangee.push_back(cellule(0, nullptr));
        rangee.push_back(cellule(1, &p));
        rangee.push_back(cellule(2, nullptr));
    }
    for (std::size_t i = 0; i < nBas; ++i) {
        auto& rangee = cellules.emplace_back();
        for (int c = 0; c < 3; ++c) rangee.push_back(cellule(c, i < bas[c].size() ? &bas[c][i] : nullptr));
    }
    std::vector<RangeeTableau> rangees;
    rangees.reserve(cellules.size());
    for (const auto& r : cellules) rangees.push_back({r});
    flux.tableau({.colonnes = colonnes, .rangees = rangees});
}

MiseEnPage ProchesParents::miseEnPage() const {
    MiseEnPage mise;
    mise.chemin = std::filesystem::path(chemin);
    mise.titre1252 = "Tableau des proches parents";
    mise.etirementPdf = static_cast<std::int16_t>(std::clamp<int>(preferences_.compressionTableaux, 10, 200));
    return mise;
}

void ProchesParents::ecrire() {
    MiseEnPage mise = miseEnPage();
    const std::string hommes = couleurHtml(dessin_.couleurHommes).substr(1),
                      femmes = couleurHtml(dessin_.couleurFemmes).substr(1);
    const std::string style =
        ".homme {color:#" + hommes + ";}\n.femme {color:#" + femmes + ";}\n.cadreHomme {border-color:#" + hommes +
        ";}\n.cadreFemme {border-color:#" + femmes +
        ";}\n.liste {border-width:0;}\n.cadreHomme, .cadreFemme {border-style:solid;border-width:0 2px;}\n"
        "td, th {white-space:nowrap;padding:0 8px;text-align:left;}\n"
        ".titre {background-color:#cde6dc;text-align:center;}\n.sousTitre {font-style:italic;}\n"
        ".racine {background-color:#cbcbcb;}\n.mariage {display:inline-block;width:20px;}\n";
    mise.styleWeb = style;
    creerRedacteur(format, dessin_, polices, horloge)->rediger(mise, [this](FluxRedaction& flux) { rediger(flux); });
}

}  // namespace lignara
