#include "documents/statistiques/StatistiqueAscendance.h"

#include <algorithm>

#include "commun/PliageAccents.h"
#include "commun/Texte.h"
#include "render/SurfacePdf.h"

namespace lignara {

namespace {

constexpr std::int32_t kLigne = PageStatistique::kLigne;
constexpr std::int32_t kBase = 45;
constexpr std::int32_t kEcart = 2 * kLigne;
constexpr std::int32_t kBasBarre = 24, kHautBarre = 152;
constexpr std::int32_t kAvantBarre = 90;
constexpr std::int32_t kCadreMin = 2400;
// Titre, nom de la racine, ligne vide, puis trois lignes d'en-tête du tableau.
constexpr std::int32_t kEnTete = 3 * kLigne;
constexpr std::int32_t kDebutTableau = 3 * kLigne;

constexpr std::uint32_t kBleu = couleurRvb(0x00, 0x00, 0xAA);
constexpr std::uint32_t kRouge = couleurRvb(0xAA, 0x00, 0x00);
constexpr std::uint32_t kGris = couleurRvb(0x64, 0x64, 0x64);
constexpr std::uint32_t kSarcelle = couleurRvb(0x00, 0x80, 0x80);

const char* const kNote =
    "* : À cause de liens de consanguinité, des mêmes individus sont comptabilisés dans plusieurs générations."_1252;

bool commenceParVoyelle(const std::string& nom) {
    if (nom.empty()) return false;
    const char c = lettreDeBase(nom[0]);
    return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U' || c == 'Y';
}

}  // namespace

void StatistiqueAscendance::calculer(const ContexteDocument& contexte) {
    titre_ = "Statistiques d'ascendance";
    sousTitre_.clear();
    const BaseGenealogique& base = *contexte.base;
    const auto r = static_cast<std::uint32_t>(racine());
    const Individu ind = base.LireIndividu(r);
    const std::string nom = base.LireTexte(TableNoms, ind.nom);
    const std::string prenoms = base.LireTexte(TablePrenoms, ind.prenoms);
    nom_ = (commenceParVoyelle(nom) ? "d'" : "de ") + nom;
    if (!prenoms.empty()) nom_ += (nom.empty() ? "" : " ") + prenoms;
    ascendance_ = compterAscendance(base, r);
    placerTableau();
}

// Une rangée qui passerait sur la page suivante y commence, sous un nouvel en-tête.
void StatistiqueAscendance::placerTableau() {
    entetes_ = {kDebutTableau};
    rangees_.clear();
    std::int32_t decalage = kDebutTableau + kEnTete;
    int page = page_.pageDe(kDebutTableau);
    for (std::size_t g = 0; g < ascendance_.generations.size(); ++g) {
        if (const int p = page_.pageDe(decalage + kLigne - 1); p != page) {
            page = p;
            decalage = std::max(decalage, page_.hautDePage(p));
            entetes_.push_back(decalage);
            decalage += kEnTete;
        }
        rangees_.push_back(decalage);
        decalage += kLigne;
    }
    note_ = decalage + kLigne;
    if (page_.pageDe(note_) != page_.pageDe(note_ + kLigne - 1))
        note_ = page_.hautDePage(page_.pageDe(note_ + kLigne - 1));
    fin_ = ascendance_.implexes ? note_ + kLigne : decalage;
}

std::string StatistiqueAscendance::texteNombre(std::size_t g) const {
    if (g == 0 || g >= ascendance_.generations.size()) return {};
    const std::uint32_t n = ascendance_.generations[g].personnes();
    return std::to_string(n) + " ascendant" + (n > 1 ? "s" : "");
}

std::string StatistiqueAscendance::texteCompletude(std::size_t g) const {
    if (g >= ascendance_.generations.size()) return {};
    const int p = ascendance_.generations[g].completude;
    return p == 0 ? "< 1 %" : std::to_string(p) + " %";
}

std::int32_t StatistiqueAscendance::hauteurContenu() const { return fin_; }

StatistiqueAscendance::Colonnes StatistiqueAscendance::colonnes(const MetriquePolice& police) const {
    Colonnes c;
    std::int32_t numeros = largeurA(police, "Génération"_1252, 10), nombres = 0;
    for (std::size_t g = 0; g < ascendance_.generations.size(); ++g) {
        numeros = std::max(numeros, largeurA(police, std::to_string(g + 1) + " *", 10));
        nombres = std::max(nombres, largeurA(police, texteNombre(g), 10));
    }
    c.finGeneration = numeros + kEcart;
    const std::int32_t pourCent = largeurA(police, " 100 %", 10) + kAvantBarre;
    const std::int32_t cadre = std::max(kCadreMin, largeurA(police, "Complétude de la génération"_1252, 10));
    c.finCadre = largeur - pourCent;
    c.debutCadre = c.finCadre - cadre;
    c.finNombres = c.debutCadre - kEcart;
    c.longueurMax = std::max<std::int32_t>(c.finNombres - c.finGeneration - nombres - kAvantBarre, kLigne);
    for (const GenerationAscendance& g : ascendance_.generations) c.plusGrande = std::max(c.plusGrande, g.personnes());
    return c;
}

void StatistiqueAscendance::dessiner(SurfacePdf& surface, std::int32_t haut) const {
    texteCentre(surface, largeur / 2, haut - kLigne + kBase, "Statistiques sur l'ascendance", 12);
    texteCentre(surface, largeur / 2, haut - 2 * kLigne + kBase, nom_);
    const Colonnes c = colonnes(surface.polices().reguliere);
    for (std::int32_t e : entetes_) dessinerEntete(surface, haut - e, c);
    for (std::size_t g = 0; g < rangees_.size(); ++g) dessinerRangee(surface, g, haut - rangees_[g] - kLigne, c);
    if (ascendance_.implexes) texteGauche(surface, 0, haut - note_ - kLigne + kBase, kNote, 8);
}

void StatistiqueAscendance::dessinerEntete(SurfacePdf& surface, std::int32_t haut, const Colonnes& c) const {
    const std::int32_t centreNombres = (c.finGeneration + c.finNombres) / 2;
    const std::int32_t centreCadre = (c.debutCadre + c.finCadre) / 2;
    const std::int32_t y1 = haut - kLigne + kBase, y2 = y1 - kLigne;
    texteCentre(surface, c.finGeneration / 2, y1, "Génération"_1252);
    texteCentre(surface, centreNombres, y1, "Nombre d'ascendants");
    texteCentre(surface, centreNombres, y2, "(total : " + std::to_string(ascendance_.total) + " ascendants)");
    texteCentre(surface, centreCadre, y1, "Complétude de la génération"_1252);
    texteCentre(surface, centreCadre, y2, "(implexes compris)");
    texteGauche(surface, c.finCadre, y2 - kLigne, " 100 %");
}

void StatistiqueAscendance::dessinerRangee(SurfacePdf& surface, std::size_t g, std::int32_t y,
                                           const Colonnes& c) const {
    const GenerationAscendance& gen = ascendance_.generations[g];
    texteCentre(surface, c.finGeneration / 2, y + kBase, std::to_string(g + 1) + (gen.implexe ? " *" : ""));
    const auto longueur = [&](std::uint32_t n) {
        if (n == 0) return 0;
        return std::max<std::int32_t>(1, static_cast<std::int32_t>(std::int64_t{c.longueurMax} * n / c.plusGrande));
    };
    const std::int32_t femmes = longueur(gen.femmes), hommes = longueur(gen.hommes);
    std::int32_t debut = c.finNombres - femmes - hommes;
    if (gen.personnes() == 0) {
        debut = c.finNombres - longueur(1);
        rectanglePlein(surface, debut, y + kBasBarre, c.finNombres, y + kHautBarre, kGris);
    } else {
        if (hommes > 0) rectanglePlein(surface, debut, y + kBasBarre, debut + hommes, y + kHautBarre, kBleu);
        if (femmes > 0)
            rectanglePlein(surface, c.finNombres - femmes, y + kBasBarre, c.finNombres, y + kHautBarre, kRouge);
    }
    texteDroite(surface, debut - kAvantBarre, y + kBase, texteNombre(g));
    const std::int32_t plein = (c.finCadre - c.debutCadre) * gen.completude / 100;
    if (plein > 0)
        rectanglePlein(surface, c.debutCadre, y + kBasBarre, c.debutCadre + plein, y + kHautBarre, kSarcelle);
    surface.rectangle(c.debutCadre, y + kBasBarre, c.finCadre, y + kHautBarre, 0);
    texteGauche(surface, c.finCadre + kAvantBarre, y + kBase, texteCompletude(g));
}

}  // namespace lignara
