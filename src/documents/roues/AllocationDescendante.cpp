#include "documents/roues/AllocationDescendante.h"

#include <algorithm>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/Parente.h"
#include "documents/roues/GeometrieRoue.h"

namespace lignara {

namespace {

// Les sommes d'angles en double ne doivent pas refuser un éventail qui tient tout juste.
constexpr double kTolerance = 1e-9;

bool vivante(const TablesDerivees& tables, std::uint32_t personne) {
    return personne < tables.statutsVitaux.size() && tables.statutsVitaux[personne] == 'v';
}

std::vector<ConjointRoue> conjointsConnus(const BaseGenealogique& base, const TablesDerivees& tables,
                                          std::uint32_t personne) {
    std::vector<ConjointRoue> conjoints;
    for (const FamilleConjoint& f : Conjoints(base, personne))
        if (f.conjoint) conjoints.push_back({f.conjoint, vivante(tables, f.conjoint)});
    return conjoints;
}

// Enfants de toutes les familles de la personne, famille après famille.
std::vector<std::uint32_t> enfantsDe(const BaseGenealogique& base, std::uint32_t personne) {
    std::vector<std::uint32_t> enfants;
    for (const FamilleConjoint& f : Conjoints(base, personne))
        if (f.premierEnfant)
            for (std::uint32_t e : Enfants(base, f.fiche)) enfants.push_back(e);
    return enfants;
}

// Partage l'angle d'un parent entre ses enfants : chacun son besoin élargi, plus une part égale
// de ce qui reste.
void partager(std::vector<EntreeRoue>& anneau, std::uint32_t premier, std::uint32_t nombre, double debut,
              double largeur) {
    if (nombre == 0) return;
    double requis = 0;
    for (std::uint32_t i = premier; i < premier + nombre; ++i) requis += anneau[i].requis;
    const double part = std::max(0.0, largeur - requis) / nombre;
    for (std::uint32_t i = premier; i < premier + nombre; ++i) {
        anneau[i].debut = debut;
        anneau[i].largeur = anneau[i].requis + part;
        debut += anneau[i].largeur;
    }
}

}  // namespace

AllocationDescendante AllocationDescendante::calculer(const BaseGenealogique& base, const TablesDerivees& tables,
                                                      std::uint32_t racine, const Regles& regles) {
    AllocationDescendante a;
    a.racine_ = racine;
    a.budget_ = regles.budget;
    a.conjointsRacine_ = conjointsConnus(base, tables, racine);
    a.lire(base, tables, regles);
    for (int k = 1; k <= static_cast<int>(a.anneaux_.size()); ++k) {
        if (a.elargir(k) > a.budget_ + kTolerance) break;
        a.anneauxQuiTiennent_ = k;
    }
    if (a.anneauxQuiTiennent_ == 0 && a.premierAnneauDeborde_)
        throw OperationImpossible("Nombre d'enfants trop important à la première génération"_1252);
    a.anneaux_.resize(static_cast<std::size_t>(a.anneauxQuiTiennent_));
    if (!a.anneaux_.empty())
        for (EntreeRoue& e : a.anneaux_.back()) e.nombreEnfants = 0;
    return a;
}

void AllocationDescendante::lire(const BaseGenealogique& base, const TablesDerivees& tables, const Regles& regles) {
    EnsemblePersonnes placees(base.nombreIndividus());
    placees.ajouter(racine_);
    const int maximum = std::clamp(regles.anneauxMax, 0, roue::kAnneauxDescendantsMax);
    while (static_cast<int>(anneaux_.size()) < maximum) {
        const Lecture l = lireAnneau(base, tables, regles.doublesBranches, placees);
        if (l == Lecture::Deborde && anneaux_.empty()) premierAnneauDeborde_ = true;
        if (l != Lecture::Ajoute) return;
    }
}

// Un anneau dont les seuls besoins dépassent déjà le budget ne peut pas tenir, ni ceux
// d'après : la lecture s'arrête là, et les enfants de l'anneau précédent sont oubliés.
AllocationDescendante::Lecture AllocationDescendante::lireAnneau(const BaseGenealogique& base,
                                                                 const TablesDerivees& tables, bool doublesBranches,
                                                                 EnsemblePersonnes& placees) {
    const int k = static_cast<int>(anneaux_.size()) + 1;
    const double boite = roue::angleBoite(k);
    std::vector<EntreeRoue> anneau;
    double total = 0;
    auto ajouter = [&](std::uint32_t parent, std::uint32_t enfant) {
        EntreeRoue e;
        e.personne = enfant;
        e.parent = parent;
        e.vivante = vivante(tables, enfant);
        e.repetee = !doublesBranches && placees.contient(enfant);
        placees.ajouter(enfant);
        e.conjoints = conjointsConnus(base, tables, enfant);
        e.besoin = boite * static_cast<double>(1 + e.conjoints.size()) + boite / 2;
        total += e.besoin;
        anneau.push_back(std::move(e));
        return total <= budget_ + kTolerance;
    };
    auto oublier = [this] {
        if (!anneaux_.empty())
            for (EntreeRoue& p : anneaux_.back()) p.nombreEnfants = 0;
        return Lecture::Deborde;
    };
    if (k == 1) {
        for (std::uint32_t e : enfantsDe(base, racine_))
            if (!ajouter(0, e)) return oublier();
    } else {
        std::vector<EntreeRoue>& parents = anneaux_.back();
        for (std::uint32_t i = 0; i < parents.size(); ++i) {
            parents[i].premierEnfant = static_cast<std::uint32_t>(anneau.size());
            if (!parents[i].repetee)
                for (std::uint32_t e : enfantsDe(base, parents[i].personne))
                    if (!ajouter(i, e)) return oublier();
            parents[i].nombreEnfants = static_cast<std::uint32_t>(anneau.size()) - parents[i].premierEnfant;
        }
    }
    if (anneau.empty()) return Lecture::Vide;
    anneaux_.push_back(std::move(anneau));
    return Lecture::Ajoute;
}

double AllocationDescendante::elargir(int n) {
    for (int k = n; k >= 1; --k) {
        for (EntreeRoue& e : anneaux_[static_cast<std::size_t>(k - 1)]) {
            double enfants = 0;
            if (k < n) {
                const std::vector<EntreeRoue>& suivant = anneaux_[static_cast<std::size_t>(k)];
                for (std::uint32_t i = e.premierEnfant; i < e.premierEnfant + e.nombreEnfants; ++i)
                    enfants += suivant[i].requis;
            }
            e.requis = std::max(e.besoin, enfants);
        }
    }
    double total = 0;
    if (n >= 1)
        for (const EntreeRoue& e : anneaux_[0]) total += e.requis;
    return total;
}

void AllocationDescendante::placer(int anneaux, bool cercleComplet) {
    anneauxPlaces_ = std::clamp(anneaux, 0, anneauxQuiTiennent_);
    const double utilise = elargir(anneauxPlaces_);
    largeurEventail_ = cercleComplet ? budget_ : utilise;
    debutEventail_ = kBas - largeurEventail_ / 2;
    if (anneauxPlaces_ == 0) return;
    // Le cercle complet donne l'angle libre du budget à proportion de ce que chacun demande :
    // une grande descendance garde la place de se déployer.
    const double facteur = utilise > 0 ? largeurEventail_ / utilise : 1;
    double debut = debutEventail_;
    for (EntreeRoue& e : anneaux_[0]) {
        e.debut = debut;
        e.largeur = e.requis * facteur;
        debut += e.largeur;
    }
    for (int k = 1; k < anneauxPlaces_; ++k) {
        std::vector<EntreeRoue>& suivant = anneaux_[static_cast<std::size_t>(k)];
        for (const EntreeRoue& e : anneaux_[static_cast<std::size_t>(k - 1)])
            partager(suivant, e.premierEnfant, e.nombreEnfants, e.debut, e.largeur);
    }
}

}  // namespace lignara
