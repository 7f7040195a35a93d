#include "documents/listes/ListeCousins.h"

#include <algorithm>
#include <optional>

#include "commun/MetriquePolice.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/TablesDerivees.h"
#include "documents/listes/MiseEnPageListe.h"
#include "reference/Categories.h"
#include "reglages/RaccordDessin.h"

namespace lignara {

namespace {

constexpr std::int32_t kLigne = 176;
constexpr Mesure kRetraitEntree{320, 4};

constexpr StyleTitre kStyleGroupe{
    .lignesAvantTexte = 1,
    .avantTexte = "------------------------------------------------------------\n",
    .lignesAvantPdf = 1,
    .lignesApresPdf = 1,
    .xPdf = 850,
    .ecartFiletsPdf = 135,
    .debutFiletPdf = 0,
    .ouvreSection = true,
    .centreRtf = true,
};

CouleurSegment couleurDe(std::uint8_t sexe, bool parSexe) {
    if (!parSexe) return CouleurSegment::Texte;
    if (sexe == 'M') return CouleurSegment::Hommes;
    if (sexe == 'F') return CouleurSegment::Femmes;
    return CouleurSegment::Texte;
}

std::string nomAffiche(const EntreeCousin& e) {
    std::string t = e.prenoms;
    if (!t.empty() && !e.nom.empty()) t += ' ';
    return t + e.nom;
}

}  // namespace

bool ListeCousins::verifierParametres(const ContexteDocument&) { return racine() != 0; }

void ListeCousins::preparer(const ContexteDocument& contexte) {
    preferences_ = contexte.preferences ? *contexte.preferences : Configuration{};
    remplirReglagesDessin(preferences_, dessin_);
    dessin_.messages = contexte.messages;
    suivreFormatDesParametres();
    const BaseGenealogique& base = *contexte.base;
    tri_ = static_cast<TriCousins>(std::min<std::uint8_t>(octet(kTriCousins), 4));
    ReglesCousins r;
    r.base = &base;
    r.racine = static_cast<std::uint32_t>(racine());
    r.degreMax = mot(kDegreMaximal);
    r.ascendantsDirects = octet(kAscendantsDirects) != 0;
    r.alliances = octet(kCousinsParAlliance) != 0;
    r.tri = tri_;
    // Seul le tri par date lit les années estimées : lui seul attend le fil qui les calcule.
    std::optional<TablesDerivees> locales;
    if (tri_ == TriCousins::Date) {
        if (contexte.tablesDerivees) {
            r.anneesNaissance = &contexte.tablesDerivees().anneesNaissance;
        } else {
            locales = calculerTablesDerivees(base, horloge.annee());
            r.anneesNaissance = &locales->anneesNaissance;
        }
    }
    std::optional<CategorieAutomate> categories;
    if (tri_ == TriCousins::Categorie) {
        categories.emplace(Categories::charger(Categories::kProfessions));
        r.categories = &*categories;
    }
    liste_ = construireListeCousins(r);
    if (liste_.entrees.empty()) throw OperationImpossible("Liste vide");

    std::vector<std::uint32_t> personnes;
    personnes.reserve(liste_.entrees.size());
    for (const EntreeCousin& e : liste_.entrees) personnes.push_back(e.personne);
    textes_.chargerPersonnes(
        base, std::move(personnes),
        {.donnees = static_cast<std::uint8_t>(preferences_.donneesAutresListes & 3), .separateur = " - "});

    const MetriquePolice& police = polices.reguliere;
    largeur = 0;
    for (const EntreeCousin& e : liste_.entrees)
        largeur = std::max(
            largeur, kRetraitEntree.unites + largeurTexte(police, nomAffiche(e)) + largeurTexte(police, suite(e)));
    for (const std::string& t : liste_.titres)
        largeur = std::max(largeur, kStyleGroupe.xPdf + largeurTexte(police, t) + 2 * kStyleGroupe.ecartFiletsPdf);
    const std::int64_t rangees = std::int64_t(liste_.entrees.size()) + 3 * std::int64_t(liste_.titres.size());
    hauteur = static_cast<std::int32_t>(std::clamp<std::int64_t>(rangees * kLigne, 0, INT32_MAX));
}

std::string ListeCousins::suite(const EntreeCousin& e) const {
    std::string t(textes_.personne(e.personne).details);
    if (tri_ != TriCousins::Degre) {
        t += ", cousin";
        if (e.sexe == 'F') t += 'e';
        t += " au " + std::to_string(e.degre) + "° degré"_1252;
    }
    if ((preferences_.donneesAutresListes & 4) && !e.profession.empty()) t += ", " + e.profession;
    return t;
}

void ListeCousins::rediger(FluxRedaction& flux) const {
    const bool parSexe = preferences_.couleurParSexe;
    std::string nom, reste;
    std::uint32_t groupe = UINT32_MAX;
    for (const EntreeCousin& e : liste_.entrees) {
        if (e.groupe != groupe) {
            groupe = e.groupe;
            flux.titre({.texte = liste_.titres[groupe], .style = &kStyleGroupe});
        }
        nom = nomAffiche(e);
        reste = suite(e);
        const Segment segments[] = {{.texte = nom, .couleur = couleurDe(e.sexe, parSexe)}, {.texte = reste}};
        flux.ligne({.retrait = kRetraitEntree, .segments = segments});
    }
}

MiseEnPage ListeCousins::miseEnPage() const {
    return miseEnPageListe(chemin, "Liste de cousins", preferences_.compressionListes);
}

void ListeCousins::ecrire() {
    ecrireListe(*this, dessin_, miseEnPage(), [this](FluxRedaction& f) { rediger(f); });
}

}  // namespace lignara
