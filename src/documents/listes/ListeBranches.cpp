#include "documents/listes/ListeBranches.h"

#include <algorithm>

#include "commun/MetriquePolice.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/TablesDerivees.h"
#include "documents/listes/MiseEnPageListe.h"
#include "reglages/RaccordDessin.h"

namespace lignara {

namespace {

constexpr std::int32_t kLigne = 176;
constexpr int kRangeesParEntree = 4;  // 704 unités
constexpr Mesure kRetraitResume{320, 4};

CouleurSegment couleurDe(std::uint8_t sexe, bool parSexe) {
    if (!parSexe) return CouleurSegment::Texte;
    if (sexe == 'M') return CouleurSegment::Hommes;
    if (sexe == 'F') return CouleurSegment::Femmes;
    return CouleurSegment::Texte;
}

// Lignes vides après une entrée de n personnes : l'entrée occupe au moins quatre rangées, et
// une ligne vide la sépare toujours de la suivante.
int lignesVidesApres(std::uint32_t personnes) {
    return std::max(1, kRangeesParEntree - static_cast<int>(personnes) - 1);
}

}  // namespace

std::string ListeBranches::resume(const EntreeBranche& e) {
    return std::to_string(e.descendants) + (e.descendants > 1 ? " descendants" : " descendant") + " sur " +
           std::to_string(e.generations) + (e.generations > 1 ? " générations"_1252 : " génération"_1252);
}

void ListeBranches::preparer(const ContexteDocument& contexte) {
    preferences_ = contexte.preferences ? *contexte.preferences : Configuration{};
    remplirReglagesDessin(preferences_, dessin_);
    dessin_.messages = contexte.messages;
    suivreFormatDesParametres();
    const BaseGenealogique& base = *contexte.base;
    branches_ = construireBranches(base);
    if (branches_.entrees.empty()) throw OperationImpossible("Liste vide");

    const auto tri = static_cast<TriBranches>(std::min<std::uint8_t>(octet(kTriBranches), 3));
    // Le tri par date lit les années estimées : on attend le fil qui les calcule, et lui seul.
    if (tri == TriBranches::Date) {
        TablesDerivees locales;
        const TablesDerivees* tables = nullptr;
        if (contexte.tablesDerivees) {
            tables = &contexte.tablesDerivees();
        } else {
            locales = calculerTablesDerivees(base, horloge.annee());
            tables = &locales;
        }
        for (EntreeBranche& e : branches_.entrees) {
            const std::uint32_t tete = branches_.personnes[e.debut];
            if (tete < tables->anneesNaissance.size()) e.anneeNaissance = tables->anneesNaissance[tete];
        }
    }
    textes_.chargerPersonnes(base, branches_.personnes,
                             {.donnees = preferences_.donneesAutresListes, .ouverture = "(", .separateur = " - "});
    trierBranches(branches_, tri, [this](std::uint32_t p) { return textes_.personne(p).nom; });

    const MetriquePolice& police = polices.reguliere;
    const std::int32_t blanc = largeurTexte(police, " ");
    std::int64_t rangees = 0;
    largeur = 0;
    for (const EntreeBranche& e : branches_.entrees) {
        rangees += e.nombre + 1 + lignesVidesApres(e.nombre);
        for (std::uint32_t p : branches_.personnesDe(e)) {
            const TextesPersonne t = textes_.personne(p);
            largeur = std::max(largeur, largeurTexte(police, t.nom) + blanc + largeurTexte(police, t.details));
        }
        largeur = std::max(largeur, kRetraitResume.unites + largeurTexte(police, resume(e)));
    }
    hauteur = static_cast<std::int32_t>(std::clamp<std::int64_t>(rangees * kLigne, 0, INT32_MAX));
}

void ListeBranches::rediger(FluxRedaction& flux) const {
    const bool parSexe = preferences_.couleurParSexe;
    std::string texteResume;
    for (const EntreeBranche& e : branches_.entrees) {
        for (std::uint32_t p : branches_.personnesDe(e)) {
            const TextesPersonne t = textes_.personne(p);
            const Segment segments[] = {{.texte = t.nom, .couleur = couleurDe(t.sexe, parSexe)},
                                        {.texte = t.details.empty() ? "" : " "},
                                        {.texte = t.details}};
            flux.ligne({.segments = segments});
        }
        texteResume = resume(e);
        const Segment resumeSegments[] = {{.texte = texteResume}};
        flux.ligne({.retrait = kRetraitResume, .segments = resumeSegments});
        flux.lignesVides(lignesVidesApres(e.nombre));
    }
}

MiseEnPage ListeBranches::miseEnPage() const {
    return miseEnPageListe(chemin, "Liste des branches", preferences_.compressionListes);
}

void ListeBranches::ecrire() {
    ecrireListe(*this, dessin_, miseEnPage(), [this](FluxRedaction& f) { rediger(f); });
}

}  // namespace lignara
