#include "documents/statistiques/StatistiqueAges.h"

#include <algorithm>
#include <cstdio>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/statistiques/Siecles.h"
#include "render/SurfacePdf.h"

namespace lignara {

namespace {

constexpr std::int32_t kLigne = PageStatistique::kLigne;
constexpr std::int32_t kBase = 45;  // ligne de base au-dessus du bas d'une rangée
constexpr std::int32_t kRetraitParSexe = 540;
constexpr std::int32_t kBandeAxe = 480;  // bande des âges entre les deux moitiés
constexpr std::int32_t kRangeeMin = 24, kRangeeMax = kLigne;
constexpr std::int32_t kBarreSiecle = 320, kPasSiecle = 480, kHauteurBarres = 1920;
// Évolution : titre après une ligne vide, une ligne pour les valeurs, les barres, les siècles.
constexpr std::int32_t kHauteurEvolution = 2 * kLigne + kLigne + 2 * kLigne + kHauteurBarres + kLigne;

std::string formater(const char* patron, auto... valeurs) {
    char texte[256];
    std::snprintf(texte, sizeof texte, patron, valeurs...);
    return texte;
}

const char* pluriel(std::uint32_t n) { return n > 1 ? "s" : ""; }

}  // namespace

AgeEtudie StatistiqueAges::etudie() const {
    return octet(kAgeEtudie) == 1 ? AgeEtudie::Deces : AgeEtudie::PremierMariage;
}

void StatistiqueAges::calculer(const ContexteDocument& contexte) {
    titre_ = "Statistiques sur les âges"_1252;
    sousTitre_ = sousTitrePopulation(contexte);
    quoi_ = etudie() == AgeEtudie::Deces ? "au décès"_1252 : "au 1° mariage"_1252;
    compteurs_ = compterAges(*contexte.base, population(contexte), etudie());
    if (compteurs_.total() == 0) throw OperationImpossible("Graphique vide");
    ecrireLignes();
    const auto& h = compteurs_.histogramme;
    for (int a = 0; a <= CompteursAges::kAgeMaximal; ++a) {
        const auto i = static_cast<std::size_t>(a);
        if (h[CompteursAges::Hommes][i] + h[CompteursAges::Femmes][i] == 0) continue;
        if (ageMin_ < 0) ageMin_ = a;
        ageMax_ = a;
    }
    premierSiecle_ = -1;
    if (octet(kEvolutionSiecles))
        for (int s = 0; s < CompteursAges::kSiecles && premierSiecle_ < 0; ++s)
            if (compteurs_.nombreSiecle[static_cast<std::size_t>(s)] > 0) premierSiecle_ = s;
    placerPyramide();
}

void StatistiqueAges::ecrireLignes() {
    const CompteursAges& c = compteurs_;
    const std::uint32_t h = c.nombre[CompteursAges::Hommes], f = c.nombre[CompteursAges::Femmes];
    const std::uint32_t i = c.nombre[CompteursAges::Inconnus];
    std::string ligne = formater("Statistiques effectuées sur %u personne%s (%u homme%s et %u femme%s"_1252, c.total(),
                                 pluriel(c.total()), h, pluriel(h), f, pluriel(f));
    // Une seule personne de sexe inconnu n'est pas annoncée.
    ligne += i > 1 ? formater(", ... et %u personnes de sexe inconnu !)", i) : ")";
    lignes_[0] = ligne;
    lignes_[1] = formater("Age moyen %s : %d ans", quoi_.c_str(), c.moyenne());
    lignes_[2] = formater("(%d ans pour les hommes, et %d ans pour les femmes)", c.moyenne(CompteursAges::Hommes),
                          c.moyenne(CompteursAges::Femmes));
}

std::int32_t StatistiqueAges::hauteurEvolution() const { return premierSiecle_ < 0 ? 0 : kHauteurEvolution; }

// Les rangées prennent la place que la page laisse, sans devenir illisibles ni plus hautes
// qu'une ligne.
void StatistiqueAges::placerPyramide() {
    if (ageMin_ < 0) return;
    const std::int32_t rangees = ageMax_ - ageMin_ + 1;
    const std::int32_t fixe =
        PageStatistique::kDebutContenu + 4 * kLigne + kLigne + hauteurEvolution() + page_.reserveSignature;
    const std::int32_t libre = page_.hauteur - fixe;
    hauteurRangee_ = std::clamp(libre / rangees / 2 * 2, kRangeeMin, kRangeeMax);
}

std::int32_t StatistiqueAges::hauteurContenu() const {
    std::int32_t h = 4 * kLigne;
    if (ageMin_ >= 0) h += (ageMax_ - ageMin_ + 1) * hauteurRangee_ + kLigne;
    return h + hauteurEvolution();
}

std::int32_t StatistiqueAges::largeurContenu() const {
    if (premierSiecle_ < 0) return page_.largeur;
    return (CompteursAges::kSiecles - premierSiecle_) * kPasSiecle;
}

std::uint32_t StatistiqueAges::plusGrandCompte() const {
    std::uint32_t m = 0;
    for (int s : {CompteursAges::Hommes, CompteursAges::Femmes})
        for (std::uint32_t n : compteurs_.histogramme[static_cast<std::size_t>(s)]) m = std::max(m, n);
    return m;
}

void StatistiqueAges::dessiner(SurfacePdf& surface, std::int32_t haut) const {
    texteGauche(surface, 0, haut - kLigne + kBase, lignes_[0]);
    texteGauche(surface, 0, haut - 2 * kLigne + kBase, lignes_[1]);
    texteGauche(surface, kRetraitParSexe, haut - 3 * kLigne + kBase, lignes_[2]);
    std::int32_t y = haut - 4 * kLigne;
    if (ageMin_ >= 0) {
        dessinerPyramide(surface, y);
        y -= (ageMax_ - ageMin_ + 1) * hauteurRangee_ + kLigne;
    }
    if (premierSiecle_ >= 0) dessinerEvolution(surface, y);
}

void StatistiqueAges::dessinerPyramide(SurfacePdf& surface, std::int32_t haut) const {
    const std::int32_t milieu = largeur / 2;
    const std::int32_t gauche = milieu - kBandeAxe / 2, droite = milieu + kBandeAxe / 2;
    const std::int32_t longueurMax = std::max<std::int32_t>(gauche - kLigne, 1);
    const std::uint32_t plusGrand = std::max<std::uint32_t>(plusGrandCompte(), 1);
    const bool parSexe = preferences_.couleurParSexe;
    const std::uint32_t couleurH = parSexe ? dessin_.couleurHommes : dessin_.couleurRemplissage;
    const std::uint32_t couleurF = parSexe ? dessin_.couleurFemmes : dessin_.couleurRemplissage;
    const std::int32_t marge = hauteurRangee_ >= 48 ? hauteurRangee_ / 8 : 0;
    const std::int32_t bas = haut - (ageMax_ - ageMin_ + 1) * hauteurRangee_;
    for (int a = ageMin_; a <= ageMax_; ++a) {
        const std::int32_t y = bas + (a - ageMin_) * hauteurRangee_;
        const auto& h = compteurs_.histogramme;
        const std::int64_t nh = h[CompteursAges::Hommes][static_cast<std::size_t>(a)];
        const std::int64_t nf = h[CompteursAges::Femmes][static_cast<std::size_t>(a)];
        if (nh > 0) {
            const auto l = static_cast<std::int32_t>(std::max<std::int64_t>(1, longueurMax * nh / plusGrand));
            rectanglePlein(surface, gauche - l, y + marge, gauche, y + hauteurRangee_ - marge, couleurH);
        }
        if (nf > 0) {
            const auto l = static_cast<std::int32_t>(std::max<std::int64_t>(1, longueurMax * nf / plusGrand));
            rectanglePlein(surface, droite, y + marge, droite + l, y + hauteurRangee_ - marge, couleurF);
        }
        if (a % 10 == 0) texteCentre(surface, milieu, y + hauteurRangee_ / 2 - 45, std::to_string(a), 8);
    }
    surface.ligneVerticale(gauche, bas, haut);
    surface.ligneVerticale(droite, bas, haut);
    texteCentre(surface, gauche / 2, bas - kLigne + kBase, "Hommes");
    texteCentre(surface, (droite + largeur) / 2, bas - kLigne + kBase, "Femmes");
}

void StatistiqueAges::dessinerEvolution(SurfacePdf& surface, std::int32_t haut) const {
    const std::int32_t milieu = largeur / 2;
    texteCentre(surface, milieu, haut - 3 * kLigne + kBase,
                formater("Evolution de l'âge moyen %s au cours des siècles"_1252, quoi_.c_str()));
    int plusGrande = 0;
    for (int s = premierSiecle_; s < CompteursAges::kSiecles; ++s)
        plusGrande = std::max(plusGrande, compteurs_.moyenneSiecle(s));
    const std::int32_t nombre = CompteursAges::kSiecles - premierSiecle_;
    const std::int32_t x0 = std::max(0, (largeur - (nombre * kPasSiecle - (kPasSiecle - kBarreSiecle))) / 2);
    const std::int32_t base = haut - kHauteurEvolution + kLigne;
    surface.ligneHorizontale(x0 - 80, base, x0 + nombre * kPasSiecle - (kPasSiecle - kBarreSiecle) + 80);
    for (int s = premierSiecle_; s < CompteursAges::kSiecles; ++s) {
        const std::int32_t x = x0 + (s - premierSiecle_) * kPasSiecle;
        const std::int32_t centre = x + kBarreSiecle / 2;
        texteCentre(surface, centre, base - kLigne + kBase, numeroSiecle(s), 8);
        if (compteurs_.nombreSiecle[static_cast<std::size_t>(s)] == 0) continue;
        const int moyenne = compteurs_.moyenneSiecle(s);
        // Des moyennes toutes nulles (décès à la naissance) n'ont pas de barre, mais leur valeur.
        const std::int32_t h = plusGrande > 0 ? kHauteurBarres * moyenne / plusGrande : 0;
        if (h > 0) rectanglePlein(surface, x, base, x + kBarreSiecle, base + h, dessin_.couleurRemplissage);
        texteCentre(surface, centre, base + h + kBase, std::to_string(moyenne), 8);
    }
}

}  // namespace lignara
