#include "documents/listes/LignesDescendantes.h"

#include <algorithm>

#include "database/StatutVital.h"

namespace lignara {

namespace {

// Une personne en cours de listage : l'union qu'elle parcourt et l'enfant suivant.
struct Cadre {
    std::uint32_t personne = 0;
    std::uint32_t generation = 0;
    std::uint32_t ligne = 0;     // sa ligne
    std::uint32_t attache = 0;   // dernière ligne pendue à son raccord
    bool attacheParente = true;  // attache est sa propre ligne
    std::uint8_t sexe = ' ';
    std::int64_t famille = 0;       // prochaine fiche à parcourir (0 : fini)
    std::uint32_t enfant = 0;       // prochain enfant de l'union en cours (0 : aucun)
    std::uint32_t rangEnfants = 0;  // lettre du prochain enfant listé, d'une union à l'autre
    std::uint32_t pasFamilles = 0;  // garde contre une chaîne de fiches abîmée
    std::uint32_t pasEnfants = 0;
};

class Parcours {
public:
    Parcours(const ReglesDescendantes& r, ListeDescendanteConstruite& liste)
        : r_(r),
          base_(*r.base),
          liste_(liste),
          n_(base_.nombreIndividus()),
          enCours_(n_),
          listees_(std::size_t{base_.nombreFamilles()} + 1, kAucuneLigne) {
        lignesMax_ = r.lignesMax ? r.lignesMax : std::max<std::uint64_t>(1'000'000, 8ull * n_);
    }

    void lister(std::uint32_t personne, std::uint32_t generation, std::uint32_t rang);
    bool arrete() const { return liste_.limitee; }

private:
    std::uint32_t ajouter(LigneListe ligne);
    void entrer(std::uint32_t personne, std::uint32_t generation, std::uint32_t rang, const Cadre* parent);
    std::uint32_t reportee(std::uint32_t personne, const Individu& ind) const;
    std::uint32_t numeroDeReport(std::uint32_t cle, std::uint32_t personne, std::uint32_t g, std::uint32_t rang);
    void union_(std::size_t cadre);
    bool enfantsCoupes(const Cadre& c, const Famille& f) const;

    const ReglesDescendantes& r_;
    const BaseGenealogique& base_;
    ListeDescendanteConstruite& liste_;
    std::uint32_t n_;
    EnsemblePersonnes enCours_;
    std::vector<std::uint32_t> listees_;  // par fiche : ligne sous laquelle ses enfants sont listés
    std::vector<bool> ancresReport_;      // par report : son premier renvoi porte l'ancre
    std::vector<Cadre> pile_;
    std::uint64_t lignesMax_ = 0;
};

std::uint32_t Parcours::ajouter(LigneListe ligne) {
    if (liste_.lignes.size() >= lignesMax_) {
        liste_.limitee = true;
        return kAucuneLigne;
    }
    liste_.lignes.push_back(ligne);
    return static_cast<std::uint32_t>(liste_.lignes.size() - 1);
}

// La personne reportée : elle-même, sinon le conjoint de la première de ses unions qui l'est.
std::uint32_t Parcours::reportee(std::uint32_t personne, const Individu& ind) const {
    if (r_.reports->contient(personne)) return personne;
    std::int64_t f = ind.premiereFamille;
    for (std::uint32_t pas = 0; f > 0 && pas < base_.nombreFamilles(); ++pas) {
        const Famille famille = base_.LireFamille(static_cast<std::uint32_t>(f));
        if (famille.conjoint && r_.reports->contient(famille.conjoint)) return famille.conjoint;
        f = famille.suivante;
    }
    return 0;
}

std::uint32_t Parcours::numeroDeReport(std::uint32_t cle, std::uint32_t personne, std::uint32_t g, std::uint32_t rang) {
    auto& table = liste_.reports;
    for (std::size_t i = 1; i < table.size(); ++i)
        if (table[i].cle == cle) return static_cast<std::uint32_t>(i);
    table.push_back({cle, personne, g, rang});
    return static_cast<std::uint32_t>(table.size() - 1);
}

void Parcours::entrer(std::uint32_t p, std::uint32_t g, std::uint32_t rang, const Cadre* parent) {
    const Individu ind = base_.LireIndividu(p);
    LigneListe ligne{.generation = g, .rang = rang, .personne = p};
    if (parent) {
        ligne.attache = parent->attache;
        ligne.attacheParente = parent->attacheParente;
    }
    const bool aUnion = ind.premiereFamille > 0;
    const auto& lignes = liste_.lignes;
    if (aUnion && r_.reports && r_.reports->nombre() > 0 && !lignes.empty() &&
        lignes.back().sorte != SorteLigneListe::Blanche) {
        if (const std::uint32_t cle = reportee(p, ind)) {
            const std::uint32_t numero = numeroDeReport(cle, p, g, rang);
            if (ancresReport_.size() <= numero) ancresReport_.resize(numero + 1, false);
            ligne.sorte = SorteLigneListe::RenvoiReport;
            ligne.valeur = numero;
            ligne.ancreReport = !ancresReport_[numero];
            ancresReport_[numero] = true;
            const std::uint32_t i = ajouter(ligne);
            if (parent && i != kAucuneLigne) {
                pile_.back().attache = i;
                pile_.back().attacheParente = false;
            }
            return;
        }
    }
    ligne.sorte = SorteLigneListe::Personne;
    const std::uint32_t i = ajouter(ligne);
    if (i == kAucuneLigne) return;
    if (parent) {
        pile_.back().attache = i;
        pile_.back().attacheParente = false;
    }
    if (!aUnion) return;
    enCours_.ajouter(p);
    pile_.push_back(
        {.personne = p, .generation = g, .ligne = i, .attache = i, .sexe = ind.sexe, .famille = ind.premiereFamille});
}

bool Parcours::enfantsCoupes(const Cadre& c, const Famille& f) const {
    if (r_.coupes && (r_.coupes->contient(c.personne) || (f.conjoint && r_.coupes->contient(f.conjoint)))) return true;
    if (r_.limiteGenerations && c.generation >= r_.limiteGenerations) return true;
    if (r_.agnatique && c.sexe != 'M') return true;
    if (r_.statutsVitaux && fratrieContemporaine(base_, *r_.statutsVitaux, f.premierEnfant)) return true;
    return false;
}

// Une union de la personne du cadre : mariage, conjoint, puis enfants coupés, déjà listés ou
// à lister (le cadre les parcourt ensuite un à un).
void Parcours::union_(std::size_t k) {
    const auto fiche = static_cast<std::uint32_t>(pile_[k].famille);
    const Famille f = base_.LireFamille(fiche);
    Cadre& c = pile_[k];
    c.famille = ++c.pasFamilles < base_.nombreFamilles() && f.suivante > 0 ? f.suivante : 0;
    const std::uint32_t g = c.generation;
    if (r_.mariages && f.mariage)
        ajouter({.sorte = SorteLigneListe::Mariage, .generation = g, .personne = c.personne, .valeur = f.mariage});
    if (f.conjoint && f.conjoint <= n_)
        ajouter({.sorte = SorteLigneListe::Conjoint, .generation = g, .personne = f.conjoint});
    if (f.premierEnfant == 0 || f.premierEnfant > n_) return;
    LigneListe ligne{.attacheParente = c.attacheParente, .generation = g, .personne = c.personne, .attache = c.attache};
    if (enfantsCoupes(c, f)) {
        ligne.sorte = SorteLigneListe::Coupee;
    } else if (!r_.doublesBranches && listees_[fiche] != kAucuneLigne) {
        ligne.sorte = SorteLigneListe::DejaListee;
        ligne.valeur = listees_[fiche];
        liste_.lignes[ligne.valeur].cible = true;
    } else {
        listees_[fiche] = c.ligne;
        if (f.ficheDuConjoint && f.ficheDuConjoint < listees_.size()) listees_[f.ficheDuConjoint] = c.ligne;
        c.enfant = f.premierEnfant;
        c.pasEnfants = 0;
        return;
    }
    const std::uint32_t i = ajouter(ligne);
    if (i != kAucuneLigne) {
        pile_[k].attache = i;
        pile_[k].attacheParente = false;
    }
}

void Parcours::lister(std::uint32_t personne, std::uint32_t generation, std::uint32_t rang) {
    entrer(personne, generation, rang, nullptr);
    while (!pile_.empty() && !arrete()) {
        const std::size_t k = pile_.size() - 1;
        Cadre& c = pile_[k];
        if (c.enfant != 0) {
            const std::uint32_t enfant = c.enfant;
            const Individu ind = base_.LireIndividu(enfant);
            c.enfant = ind.fratrie > 0 && static_cast<std::uint32_t>(ind.fratrie) <= n_ && ++c.pasEnfants < n_
                           ? static_cast<std::uint32_t>(ind.fratrie)
                           : 0;
            if (enCours_.contient(enfant)) {
                liste_.boucle = true;
                continue;
            }
            const Cadre parent = c;
            entrer(enfant, c.generation + 1, pile_[k].rangEnfants++, &parent);
            continue;
        }
        if (c.famille > 0) {
            union_(k);
            continue;
        }
        enCours_.retirer(c.personne);
        pile_.pop_back();
    }
    pile_.clear();
}

}  // namespace

ListeDescendanteConstruite construireListeDescendante(const ReglesDescendantes& r) {
    ListeDescendanteConstruite liste;
    const std::uint32_t n = r.base->nombreIndividus();
    if (r.racine == 0 || r.racine > n) return liste;
    liste.reports.push_back({r.racine, r.racine, 1, 0});
    Parcours parcours(r, liste);
    parcours.lister(r.racine, 1, 0);
    // La table grandit pendant qu'on la parcourt : un report peut en appeler un autre.
    for (std::size_t i = 1; i < liste.reports.size() && !parcours.arrete(); ++i) {
        for (int b = 0; b < 2; ++b) liste.lignes.push_back({});
        liste.lignes.push_back({.sorte = SorteLigneListe::EnTeteReport, .personne = static_cast<std::uint32_t>(i)});
        liste.lignes.push_back({});
        const EntreeReport e = liste.reports[i];
        parcours.lister(e.personne, e.generation, e.rang);
    }
    return liste;
}

std::string lettreDeRang(std::uint32_t rang) {
    if (rang < 26) return std::string(1, static_cast<char>('a' + rang));
    if (rang < 52) return std::string(1, static_cast<char>('A' + (rang - 26)));
    // Numération bijective en base 26 : AA, AB… AZ, BA… ZZ, AAA…
    std::uint64_t k = std::uint64_t{rang} - 52 + 27;
    std::string t;
    while (k > 0) {
        --k;
        t.insert(t.begin(), static_cast<char>('A' + k % 26));
        k /= 26;
    }
    return t;
}

std::vector<std::uint32_t> generationsDeBase(const std::vector<LigneListe>& lignes) {
    std::vector<std::uint32_t> bases(lignes.size(), 1);
    std::uint32_t base = 1;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (lignes[i].sorte == SorteLigneListe::EnTeteReport && i + 2 < lignes.size()) base = lignes[i + 2].generation;
        bases[i] = base;
    }
    return bases;
}

}  // namespace lignara
