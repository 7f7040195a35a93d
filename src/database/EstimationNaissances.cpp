#include "database/EstimationNaissances.h"

#include <algorithm>
#include <bit>

namespace lignara {

namespace {

constexpr int kOuvert = IntervalleAnnees::kSansBorne;
// Une valeur au-delà de ces seuils vient d'une borne ouverte : elle n'apprend rien.
constexpr int kSeuilConnu = 31800;

bool basConnu(int x) { return x > -kSeuilConnu; }
bool hautConnu(int x) { return x < kSeuilConnu; }

}  // namespace

// Intervalle en cours de travail, en int pour calculer sans débordement.
struct EstimationNaissances::Bornes {
    int bas = -kOuvert;
    int haut = kOuvert;

    explicit Bornes(IntervalleAnnees i) : bas(i.min), haut(i.max) {}
    IntervalleAnnees intervalle() const { return {static_cast<std::int16_t>(bas), static_cast<std::int16_t>(haut)}; }
    bool annee() const { return bas == haut; }
    int largeur() const { return haut - bas; }

    // Rétrécir sans jamais croiser l'autre borne.
    void monter(int x) {
        if (basConnu(x) && std::min(x, haut) > bas) bas = std::min(x, haut);
    }
    void descendre(int x) {
        if (hautConnu(x) && std::max(x, bas) < haut) haut = std::max(x, bas);
    }
    void selon(IntervalleAnnees autre, int decalageBas, int decalageHaut) {
        monter(autre.min + decalageBas);
        descendre(autre.max + decalageHaut);
    }
    void resserrer() { bas = haut = (bas + haut) / 2; }
};

EstimationNaissances::EstimationNaissances(const LiensFamiliaux& liens, const std::vector<IntervalleAnnees>& evenements,
                                           const std::vector<IntervalleAnnees>& mariages, Parcours parcours)
    : liens_(liens),
      evenements_(evenements),
      mariages_(mariages),
      parcours_(parcours),
      intervalles_(std::size_t{liens.nombrePersonnes()} + 1),
      aRevoir_(std::size_t{liens.nombrePersonnes()} / 64 + 1) {
    construireLecteurs();
}

void EstimationNaissances::construireLecteurs() {
    const std::uint32_t n = liens_.nombrePersonnes();
    // Ce que lit la personne q, hors frères et sœurs.
    auto pourChaqueLu = [this](std::uint32_t q, auto&& faire) {
        if (liens_.pere[q]) faire(liens_.pere[q]);
        if (liens_.mere[q]) faire(liens_.mere[q]);
        for (std::uint32_t f : liens_.familles(q)) {
            if (liens_.conjoint[f]) faire(liens_.conjoint[f]);
            if (liens_.premierEnfant[f]) faire(liens_.premierEnfant[f]);
        }
    };
    debutLecteurs_.assign(std::size_t{n} + 2, 0);
    for (std::uint32_t q = 1; q <= n; ++q) pourChaqueLu(q, [this](std::uint32_t x) { ++debutLecteurs_[x + 1]; });
    for (std::size_t x = 1; x < debutLecteurs_.size(); ++x) debutLecteurs_[x] += debutLecteurs_[x - 1];
    lecteurs_.resize(debutLecteurs_.back());
    std::vector<std::uint32_t> place(debutLecteurs_.begin(), debutLecteurs_.end() - 1);
    for (std::uint32_t q = 1; q <= n; ++q) pourChaqueLu(q, [&](std::uint32_t x) { lecteurs_[place[x]++] = q; });
}

void EstimationNaissances::passeInitiale() {
    for (std::uint32_t p = 1; p <= liens_.nombrePersonnes(); ++p) {
        Bornes b(evenements_[liens_.naissance[p]]);  // l'événement 0 est « sans date »
        auto familles = liens_.familles(p);
        if (!b.annee() && !familles.empty()) b.selon(mariages_[familles.front()], -34, -20);
        if (!b.annee() && liens_.deces[p] != 0) b.selon(evenements_[liens_.deces[p]], -90, -10);
        intervalles_[p] = b.intervalle();
    }
    construireSegments();
}

void EstimationNaissances::construireSegments() {
    segments_.clear();
    debutSegment_.clear();
    tailleSegment_.clear();
    changeesCourantes_.clear();
    segmentDeFratrie_.assign(liens_.membresFratries.size() + 1, -1);
    for (std::uint32_t p = 1; p <= liens_.nombrePersonnes(); ++p) {
        const LiensFamiliaux::PlaceFratrie& place = liens_.fratrie[p];
        if (place.taille <= kGrandeFratrie || place.rang != 0) continue;
        segmentDeFratrie_[place.debut] = static_cast<std::int32_t>(segments_.size());
        debutSegment_.push_back(place.debut);
        tailleSegment_.push_back(place.taille);
        SegmentsFratrie& arbre = segments_.emplace_back(place.taille);
        auto anneau = liens_.anneau(p);
        for (std::size_t j = 0; j < anneau.size(); ++j) arbre.fixer(j, intervalles_[anneau[j]]);
    }
    fratrieChangee_.assign(segments_.size(), 0);
}

// Un petit anneau marque chaque frère et sœur ; un grand est noté changé : ses enfants plus loin
// dans l'ordre des numéros sont marqués pour cette passe (une fois par passe), tous les autres
// le seront au début de la suivante.
void EstimationNaissances::marquerFratrie(std::uint32_t p) {
    const LiensFamiliaux::PlaceFratrie& place = liens_.fratrie[p];
    if (place.taille <= kGrandeFratrie) {
        for (std::uint32_t q : liens_.anneau(p))
            if (q != p) marquer(q);
        return;
    }
    const std::int32_t indice = segmentDeFratrie_[place.debut];
    segments_[static_cast<std::size_t>(indice)].fixer(place.rang, intervalles_[p]);
    if (fratrieChangee_[static_cast<std::size_t>(indice)]) return;
    fratrieChangee_[static_cast<std::size_t>(indice)] = 1;
    changeesCourantes_.push_back(indice);
    for (std::uint32_t q : liens_.anneau(p))
        if (q > p) marquer(q);
}

// Au début d'une passe : les grands anneaux changés pendant la précédente font reprendre tous
// leurs enfants, comme les marques des petits anneaux posées trop tard pour elle.
void EstimationNaissances::reprendreFratriesChangees() {
    for (std::int32_t indice : changeesCourantes_) {
        const auto i = static_cast<std::size_t>(indice);
        fratrieChangee_[i] = 0;
        for (std::uint32_t k = 0; k < tailleSegment_[i]; ++k) marquer(liens_.membresFratries[debutSegment_[i] + k]);
    }
    changeesCourantes_.clear();
}

void EstimationNaissances::parFamilles(std::uint32_t personne, Bornes& b) const {
    const bool homme = liens_.sexe[personne] == 'M';
    for (std::uint32_t f : liens_.familles(personne)) {
        if (std::uint32_t c = liens_.conjoint[f]) {
            if (homme)
                b.selon(intervalles_[c], -6, -1);
            else
                b.selon(intervalles_[c], +1, +6);
        }
        if (std::uint32_t e = liens_.premierEnfant[f]) b.selon(intervalles_[e], -35, -21);
    }
}

void EstimationNaissances::propager(std::uint32_t personne, int numero, Bornes& b) const {
    if (std::uint32_t pere = liens_.pere[personne]) b.selon(intervalles_[pere], 21, 35);
    if (std::uint32_t mere = liens_.mere[personne]) b.selon(intervalles_[mere], 21, 35);

    const LiensFamiliaux::PlaceFratrie& place = liens_.fratrie[personne];
    if (place.taille > kGrandeFratrie) {
        segments_[static_cast<std::size_t>(segmentDeFratrie_[place.debut])].appliquer(place.rang, b.bas, b.haut);
    } else {
        auto anneau = liens_.anneau(personne);
        const int rang = static_cast<int>(place.rang);
        for (int k = 1; rang + k < static_cast<int>(anneau.size()); ++k)
            b.selon(intervalles_[anneau[static_cast<std::size_t>(rang + k)]], -2 * k, -k);
        for (int j = 0; j < rang; ++j) {
            const int d = rang - j;
            b.selon(intervalles_[anneau[static_cast<std::size_t>(j)]], d, 2 * d);
        }
    }

    if (b.largeur() > 5) {
        parFamilles(personne, b);
        if (b.largeur() < 6) b.resserrer();
    } else {
        b.resserrer();
    }

    if (numero >= kPasseDeCloture) {
        if (!basConnu(b.bas) && hautConnu(b.haut))
            b.bas = b.haut;
        else if (!hautConnu(b.haut) && basConnu(b.bas))
            b.haut = b.bas;
    }
}

bool EstimationNaissances::traiter(std::uint32_t p, int numero) {
    IntervalleAnnees avant = intervalles_[p];
    if (avant.min == avant.max) return false;
    Bornes b(avant);
    propager(p, numero, b);
    IntervalleAnnees apres = b.intervalle();
    if (apres == avant) return false;
    intervalles_[p] = apres;
    marquerFratrie(p);
    for (std::uint32_t k = debutLecteurs_[p]; k < debutLecteurs_[p + 1]; ++k) marquer(lecteurs_[k]);
    return true;
}

// Les marques posées pendant la passe pour une personne plus loin sont prises dans la même
// passe, celles pour une personne déjà passée attendent la suivante, comme en passe complète.
bool EstimationNaissances::passeCiblee(int numero) {
    bool change = false;
    for (std::size_t mot = 0; mot < aRevoir_.size(); ++mot) {
        for (int depuis = 0; depuis < 64;) {
            std::uint64_t restants = aRevoir_[mot] & (~std::uint64_t{0} << depuis);
            if (restants == 0) break;
            int bit = std::countr_zero(restants);
            auto p = static_cast<std::uint32_t>(mot * 64 + static_cast<std::size_t>(bit));
            effacer(p);
            if (p != 0) change = traiter(p, numero) || change;
            depuis = bit + 1;
        }
    }
    return change;
}

bool EstimationNaissances::passe(int numero) {
    reprendreFratriesChangees();
    if (parcours_ == Parcours::Cible && numero != 1 && numero != kPasseDeCloture) return passeCiblee(numero);
    bool change = false;
    for (std::uint32_t p = 1; p <= liens_.nombrePersonnes(); ++p) {
        effacer(p);
        change = traiter(p, numero) || change;
    }
    return change;
}

void EstimationNaissances::calculer(const std::atomic<bool>* arret) {
    passeInitiale();
    passes_ = 0;
    arretee_ = false;
    while (passe(passes_ + 1)) {
        if (++passes_ == kPassesMax || (arret && arret->load(std::memory_order_relaxed))) {
            arretee_ = true;
            return;
        }
    }
    ++passes_;
}

std::vector<std::int16_t> EstimationNaissances::annees() const {
    std::vector<std::int16_t> annees(intervalles_.size(), kAucuneAnnee);
    for (std::size_t p = 1; p < intervalles_.size(); ++p) {
        const int bas = intervalles_[p].min, haut = intervalles_[p].max;
        int annee = kAucuneAnnee;
        if (bas == haut)
            annee = bas;
        else if (basConnu(bas) && hautConnu(haut))
            annee = (bas + haut) / 2;
        else if (hautConnu(haut))
            annee = haut;
        else if (basConnu(bas))
            annee = bas;
        annees[p] = static_cast<std::int16_t>(annee);
    }
    return annees;
}

}  // namespace lignara
