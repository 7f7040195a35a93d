#include "gedcom/ConstructionBase.h"

#include <algorithm>
#include <future>
#include <iterator>
#include <limits>
#include <memory>
#include <thread>

#include "commun/Precharger.h"
#include "commun/Texte.h"

namespace lignara {

namespace {

template <typename Liste>
bool contient(const Liste& v, std::uint32_t x) {
    return std::find(v.begin(), v.end(), x) != v.end();
}

// travail(debut, fin) sur [0, n) en deux moitiés, la seconde dans un autre fil : pour les
// calculs par famille dont chaque tour n'écrit que ses propres cases. Un petit fichier n'en
// vaut pas un fil.
template <typename Travail>
void enDeuxMoities(std::uint32_t n, Travail travail) {
    if (n < 65536) {
        travail(0u, n);
        return;
    }
    const std::uint32_t milieu = n / 2;
    auto seconde = std::async(std::launch::async, [&] { travail(milieu, n); });
    travail(0u, milieu);
    seconde.get();
}

// Les messages écrivent « @%s » avec la référence privée de son premier '@' : « @I12@ ».
std::string identifiant(const CleEnregistrement& cle) { return std::string(cle.octets().substr(1)); }

}  // namespace

ConstructionBase::ConstructionBase(RegistresBalayage& registres, PasseConstruction& passe, ListeErreursGedcom& erreurs,
                                   RappelProgression progression)
    : reg_(registres), passe_(passe), erreurs_(erreurs), progression_(std::move(progression)) {}

// Une famille jamais définie prend pour conjoints ceux qui la nomment par FAMS (dans l'ordre
// des clés) et pour enfants ceux qui la nomment par FAMC ; une personne jamais définie est
// conjointe des familles qui la nomment. Ainsi aucun lien ne se perd en route.
void ConstructionBase::completerNonDefinis() {
    // Le cas courant, où tout ce qui est nommé est défini, n'a rien à compléter : pas la peine
    // de parcourir des millions de liens au hasard de la mémoire.
    if (reg_.famillesDefinies == reg_.familles.size() && reg_.personnesDefinies == reg_.personnes.size()) return;
    // Déjà parmi les enfants de sa famille non définie : vu d'un coup plutôt que cherché dans
    // la liste pour chaque enfant (quadratique pour une grande fratrie).
    std::vector<bool> dejaEnfant(reg_.personnes.size());
    for (std::uint32_t f = 0; f < reg_.familles.size(); ++f)
        if (!reg_.familles[f].definie)
            for (std::uint32_t c : reg_.familles[f].enfants)
                if (reg_.personnes[c].familleParents == f) dejaEnfant[c] = true;
    for (std::uint32_t i : personnesParCle_) {
        const PersonneBalayee& p = reg_.personnes[i];
        for (std::uint32_t f : p.famillesConjoint) {
            FamilleBalayee& fam = reg_.familles[f];
            if (fam.definie || fam.mari == i || fam.femme == i) continue;
            if (fam.mari == kAucun)
                fam.mari = i;
            else if (fam.femme == kAucun)
                fam.femme = i;
        }
        if (p.familleParents != kAucun && !reg_.familles[p.familleParents].definie && !dejaEnfant[i]) {
            reg_.familles[p.familleParents].enfants.push_back(i);
            dejaEnfant[i] = true;
        }
    }
    for (std::uint32_t f : famillesParCle_) {
        FamilleBalayee& fam = reg_.familles[f];
        if (!fam.definie) rangerSelonLeSexe(fam);
        for (std::uint32_t c : {fam.mari, fam.femme}) {
            if (c == kAucun || reg_.personnes[c].definie) continue;
            auto& liste = reg_.personnes[c].famillesConjoint;
            if (!contient(liste, f)) liste.push_back(f);
        }
    }
}

// Une famille jamais définie reçoit ses conjoints dans l'ordre des clés : le sexe écrit de
// chacun les remet à leur place, sans quoi une mère deviendrait le père de ses enfants.
void ConstructionBase::rangerSelonLeSexe(FamilleBalayee& fam) {
    auto sexe = [this](std::uint32_t p) -> char {
        if (p == kAucun || !reg_.personnes[p].definie) return ' ';
        TamponIndividu t;
        passe_.lireNoms(reg_.personnes[p], t);
        return static_cast<char>(t.sexe);
    };
    const char mari = sexe(fam.mari), femme = sexe(fam.femme);
    if (mari == 'F' || femme == 'M') std::swap(fam.mari, fam.femme);
}

DimensionsBase ConstructionBase::numeroter() {
    {
        // Les deux tris sont indépendants : celui des familles dans un autre fil.
        auto familles = std::async(std::launch::async, [this] { return reg_.famillesParCle(); });
        personnesParCle_ = reg_.personnesParCle();
        famillesParCle_ = familles.get();
    }
    completerNonDefinis();
    std::uint64_t evenements = 0;
    personnesParNumero_.assign(1, kAucun);
    for (std::uint32_t i : personnesParCle_) {
        PersonneBalayee& p = reg_.personnes[i];
        if (!p.gardee) continue;
        p.numero = static_cast<std::uint32_t>(personnesParNumero_.size());
        personnesParNumero_.push_back(i);
        evenements += p.evenements;
    }
    std::uint32_t fiches = 0;
    auto gardee = [&](std::uint32_t p) { return p != kAucun && reg_.personnes[p].numero != 0; };
    for (std::uint32_t f : famillesParCle_) {
        FamilleBalayee& fam = reg_.familles[f];
        bool enfant = std::any_of(fam.enfants.begin(), fam.enfants.end(), gardee);
        int membres = int{gardee(fam.mari)} + int{gardee(fam.femme)} + int{enfant};
        // La personne nommée comme mari et comme femme compte pour les deux.
        if (fam.conjointDouble && gardee(fam.mari == kAucun ? fam.femme : fam.mari)) ++membres;
        fam.gardee = membres >= 2;
        if (!fam.gardee) continue;
        if (gardee(fam.mari)) fam.ficheMari = ++fiches;
        if (gardee(fam.femme)) fam.ficheFemme = ++fiches;
        evenements += fam.evenements;
    }
    dimensions_.individus = static_cast<std::uint32_t>(personnesParNumero_.size() - 1);
    dimensions_.familles = fiches;
    dimensions_.evenements =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(evenements, std::numeric_limits<std::uint32_t>::max()));
    return dimensions_;
}

// Le conjoint reste dans la famille s'il est gardé et la nomme parmi ses FAMS.
bool ConstructionBase::resteDansLaFamille(const FamilleBalayee& f, std::uint32_t conjoint,
                                          std::uint32_t famille) const {
    if (!f.gardee || conjoint == kAucun || reg_.personnes[conjoint].numero == 0) return false;
    return contient(reg_.personnes[conjoint].famillesConjoint, famille);
}

// Les conjoints restants de chaque famille, une fois pour toutes, et qui est cité parmi les
// enfants de sa famille (parentsDe le demande pour chaque personne) : la question revient à chaque
// lien écrit, et y répondre relisait deux personnes dispersées dans les registres.
void ConstructionBase::calculerRestes() {
    dansSaFratrie_.assign(reg_.personnes.size(), 0);
    for (std::uint32_t f = 0; f < reg_.familles.size(); ++f)
        for (std::uint32_t c : reg_.familles[f].enfants)
            if (reg_.personnes[c].familleParents == f) dansSaFratrie_[c] = 1;
    restes_.assign(reg_.familles.size(), 0);
    enDeuxMoities(static_cast<std::uint32_t>(reg_.familles.size()), [this](std::uint32_t debut, std::uint32_t fin) {
        for (std::uint32_t f = debut; f < fin; ++f) {
            const FamilleBalayee& fam = reg_.familles[f];
            restes_[f] = static_cast<std::uint8_t>((resteDansLaFamille(fam, fam.mari, f) ? 1 : 0) |
                                                   (resteDansLaFamille(fam, fam.femme, f) ? 2 : 0));
        }
    });
}

// Après calculerRestes.
bool ConstructionBase::conjointRestant(const FamilleBalayee& f, std::uint32_t conjoint, std::uint32_t famille) const {
    if (conjoint != kAucun && conjoint == f.mari) return restes_[famille] & 1;
    if (conjoint != kAucun && conjoint == f.femme) return restes_[famille] & 2;
    return resteDansLaFamille(f, conjoint, famille);
}

// Parents d'une personne tels que la base les écrira (kAucun : aucun).
void ConstructionBase::parentsDe(std::uint32_t personne, std::uint32_t parents[2]) const {
    parents[0] = parents[1] = kAucun;
    const PersonneBalayee& p = reg_.personnes[personne];
    if (p.familleParents == kAucun || p.lienParentsCoupe) return;
    const FamilleBalayee& f = reg_.familles[p.familleParents];
    if (!f.gardee || f.mari == personne || f.femme == personne || !dansSaFratrie_[personne]) return;
    if (conjointRestant(f, f.mari, p.familleParents)) parents[0] = f.mari;
    if (conjointRestant(f, f.femme, p.familleParents)) parents[1] = f.femme;
}

// Lien d'une personne à ses parents venu du fichier principal (toujours vrai hors fusion).
bool ConstructionBase::lienDuPrincipal(std::uint32_t personne) const {
    const PersonneBalayee& p = reg_.personnes[personne];
    return p.fichier == 0 && !p.parentsSecondaires;
}

// Parcours en profondeur des liens enfant → parent : un lien qui revient sur une personne en
// cours de parcours fermerait une boucle d'ascendance, où toute remontée tournerait sans fin.
// Le fichier principal l'emporte toujours sur un fichier secondaire : ses propres boucles sont
// d'abord coupées à part, puis chaque lien secondaire qui en contredirait un du principal est
// écarté et signalé ; les boucles propres aux fichiers secondaires sont coupées en dernier.
void ConstructionBase::couperBouclesDeParente() {
    for (const RegistresBalayage::LienContraire& l : reg_.liensContraires)
        erreurs_.SignalerErreur(l.fichier, "- Ligne %ld : lien de parenté contraire au fichier principal, ignoré"_1252,
                                l.ligne);
    bool fusion = false;
    for (std::uint32_t i = 0; i < reg_.personnes.size() && !fusion; ++i)
        fusion = reg_.personnes[i].numero != 0 && !lienDuPrincipal(i);
    if (!fusion) {
        couperBoucles([](std::uint32_t) { return true; });
        return;
    }
    couperBoucles([this](std::uint32_t personne) { return lienDuPrincipal(personne); });
    ecarterLiensContraires();
    couperBoucles([](std::uint32_t) { return true; });
}

template <typename Pris>
void ConstructionBase::couperBoucles(Pris pris) {
    enum : std::uint8_t { kBlanc, kEnCours, kFini };
    std::vector<std::uint8_t> couleur(reg_.personnes.size(), kBlanc);
    struct Cadre {
        std::uint32_t personne;
        int suivant;
    };
    std::vector<Cadre> pile;
    for (std::uint32_t depart = 0; depart < reg_.personnes.size(); ++depart) {
        if (couleur[depart] != kBlanc || reg_.personnes[depart].numero == 0) continue;
        couleur[depart] = kEnCours;
        pile.push_back({depart, 0});
        while (!pile.empty()) {
            Cadre& c = pile.back();
            std::uint32_t parents[2] = {kAucun, kAucun};
            if (pris(c.personne)) parentsDe(c.personne, parents);
            if (c.suivant == 2) {
                couleur[c.personne] = kFini;
                pile.pop_back();
                continue;
            }
            std::uint32_t q = parents[c.suivant++];
            if (q == kAucun || couleur[q] == kFini) continue;
            if (couleur[q] == kEnCours) {
                reg_.personnes[c.personne].lienParentsCoupe = true;
                c.suivant = 2;
                continue;
            }
            couleur[q] = kEnCours;
            pile.push_back({q, 0});
        }
    }
}

// Composantes fortement connexes des liens enfant → parent (Tarjan, sans récursion). Dans une
// composante qui tient un lien du principal, chaque lien secondaire ferme une boucle avec
// lui : il est écarté. Les liens du principal, sans boucle entre eux, restent tous.
void ConstructionBase::ecarterLiensContraires() {
    const auto n = static_cast<std::uint32_t>(reg_.personnes.size());
    constexpr std::uint32_t kNonVu = std::numeric_limits<std::uint32_t>::max();
    std::vector<std::uint32_t> ordre(n, kNonVu), bas(n, 0), composante(n, kNonVu);
    std::vector<std::uint8_t> surPile(n, 0);
    std::vector<std::uint32_t> pileTarjan;
    struct Cadre {
        std::uint32_t personne;
        int suivant;
    };
    std::vector<Cadre> pile;
    std::uint32_t compteur = 0, composantes = 0;
    for (std::uint32_t depart = 0; depart < n; ++depart) {
        if (ordre[depart] != kNonVu || reg_.personnes[depart].numero == 0) continue;
        pile.push_back({depart, 0});
        ordre[depart] = bas[depart] = compteur++;
        pileTarjan.push_back(depart);
        surPile[depart] = 1;
        while (!pile.empty()) {
            Cadre& c = pile.back();
            const std::uint32_t u = c.personne;
            std::uint32_t parents[2];
            parentsDe(u, parents);
            if (c.suivant < 2) {
                const std::uint32_t q = parents[c.suivant++];
                if (q == kAucun) continue;
                if (ordre[q] == kNonVu) {
                    ordre[q] = bas[q] = compteur++;
                    pileTarjan.push_back(q);
                    surPile[q] = 1;
                    pile.push_back({q, 0});
                } else if (surPile[q]) {
                    bas[u] = std::min(bas[u], ordre[q]);
                }
                continue;
            }
            pile.pop_back();
            if (!pile.empty()) bas[pile.back().personne] = std::min(bas[pile.back().personne], bas[u]);
            if (bas[u] != ordre[u]) continue;
            std::uint32_t w;
            do {
                w = pileTarjan.back();
                pileTarjan.pop_back();
                surPile[w] = 0;
                composante[w] = composantes;
            } while (w != u);
            ++composantes;
        }
    }
    // Une composante « tient un lien du principal » quand l'un de ses liens internes en vient.
    std::vector<std::uint8_t> avecPrincipal(composantes, 0);
    auto lienInterne = [&](std::uint32_t u) {
        std::uint32_t parents[2];
        parentsDe(u, parents);
        for (std::uint32_t q : parents)
            if (q != kAucun && composante[q] == composante[u]) return true;
        return false;
    };
    for (std::uint32_t u = 0; u < n; ++u)
        if (composante[u] != kNonVu && lienDuPrincipal(u) && lienInterne(u)) avecPrincipal[composante[u]] = 1;
    for (std::uint32_t u = 0; u < n; ++u) {
        if (composante[u] == kNonVu || lienDuPrincipal(u) || !avecPrincipal[composante[u]] || !lienInterne(u)) continue;
        PersonneBalayee& p = reg_.personnes[u];
        p.lienParentsCoupe = true;
        const FamilleBalayee& f = reg_.familles[p.familleParents];
        erreurs_.SignalerErreur(f.fichier, "- Ligne %ld : lien de parenté contraire au fichier principal, ignoré"_1252,
                                f.ligne);
    }
}

// Anneaux de fratrie de toutes les familles gardées : un enfant n'est dans l'anneau que de la
// famille qui est la sienne à la fin du balayage, et jamais d'une famille dont il est conjoint.
// Deux familles n'écrivent donc jamais les mêmes cases : les deux moitiés vont en parallèle.
void ConstructionBase::calculerAnneaux() {
    fratrie_.assign(personnesParNumero_.size(), 0);
    premierEnfant_.assign(reg_.familles.size(), 0);
    enDeuxMoities(static_cast<std::uint32_t>(reg_.familles.size()), [this](std::uint32_t debut, std::uint32_t fin) {
        std::vector<std::uint32_t> anneau;
        for (std::uint32_t f = debut; f < fin; ++f) {
            const FamilleBalayee& fam = reg_.familles[f];
            if (!fam.gardee) continue;
            anneau.clear();
            for (std::uint32_t c : fam.enfants) {
                const PersonneBalayee& p = reg_.personnes[c];
                if (p.numero == 0 || p.familleParents != f || p.lienParentsCoupe || c == fam.mari || c == fam.femme)
                    continue;
                anneau.push_back(p.numero);
            }
            if (anneau.empty()) continue;
            premierEnfant_[f] = anneau.front();
            for (std::size_t k = 0; k + 1 < anneau.size(); ++k)
                fratrie_[anneau[k]] = static_cast<std::int32_t>(anneau[k + 1]);
            fratrie_[anneau.back()] = -static_cast<std::int32_t>(anneau.front());
        }
    });
}

bool ConstructionBase::aDesParents(std::uint32_t personne) const {
    return fratrie_[reg_.personnes[personne].numero] != 0;
}

bool ConstructionBase::estTeteDeBranche(std::uint32_t personne) const {
    if (aDesParents(personne)) return false;
    for (std::uint32_t f : reg_.personnes[personne].famillesConjoint) {
        const FamilleBalayee& fam = reg_.familles[f];
        if (!conjointRestant(fam, personne, f) || premierEnfant_[f] == 0) continue;
        if (fam.mari != personne && fam.femme != personne) continue;
        std::uint32_t autre = fam.mari == personne ? fam.femme : fam.mari;
        if (!conjointRestant(fam, autre, f) || !aDesParents(autre)) return true;
    }
    return false;
}

void ConstructionBase::rejouer(const LignesDifferees& lignes) {
    for (const auto& [fichier, ligne] : lignes) erreurs_.signaler(fichier, ligne);
}

void ConstructionBase::avancer(std::uint64_t unites) {
    fait_ += unites;
    if (progression_) progression_(std::min(fait_, total_), total_);
}

BaseGenealogique ConstructionBase::construire(const std::filesystem::path& dossierTemporaire) {
    std::uint64_t w = std::uint64_t{dimensions_.individus} * 4 + dimensions_.familles;
    total_ = w + w / 10;
    fait_ = 0;
    avancer(w / 10);
    std::vector<std::uint32_t> familles;
    for (std::uint32_t f : famillesParCle_)
        if (reg_.familles[f].gardee) familles.push_back(f);
    // Les relectures commencent tout de suite, pendant les calculs qui précèdent l'écriture (ils
    // ne touchent pas ce que les relectures lisent). Un fil de relecture par cœur libre :
    // l'écriture relit elle-même ce que personne n'a encore pris.
    const std::size_t coeurs = std::thread::hardware_concurrency();
    const std::size_t fils = std::clamp<std::size_t>(coeurs > 1 ? coeurs - 1 : 1, 1, 3);
    auto relecture = std::make_unique<RelectureAnticipee>(
        passe_, passe_.fichiers(), reg_,
        std::vector<std::uint32_t>(personnesParNumero_.begin() + 1, personnesParNumero_.end()), familles, fils);
    relecture_ = relecture.get();
    EcrivainBase ecrivain(dimensions_, dossierTemporaire);
    ecrivain_ = &ecrivain;
    calculerRestes();
    couperBouclesDeParente();
    calculerAnneaux();
    suivanteFiche_.assign(std::size_t{dimensions_.familles} + 1, 0);
    // Les liens sont prêts : les fils de relecture, qui attendaient une place dans leur fenêtre,
    // prennent sur eux les lectures au hasard des registres que l'écriture faisait seule.
    relecture->confierPreparation(
        [this](std::uint32_t personne, IndividuRelu& relu) { preparerLiens(personne, relu.liens); });
    for (std::uint32_t n = 1; n < personnesParNumero_.size(); ++n) {
        prechargerPersonne(n);
        ecrirePersonne(personnesParNumero_[n]);
    }
    // Dans l'ordre des clés, les familles jamais définies et abandonnées ont leur ligne parmi
    // celles des familles écrites.
    for (std::size_t f = 0, k = 0; f < famillesParCle_.size(); ++f) {
        const FamilleBalayee& fam = reg_.familles[famillesParCle_[f]];
        if (!fam.gardee) {
            if (!fam.definie) signalerFamilleAbandonnee(fam);
            continue;
        }
        prechargerFamille(familles, k);
        ecrireFamille(familles[k++]);
    }
    relecture_ = nullptr;
    relecture.reset();
    reg_.notes.clear();
    refsSources_.clear();
    ecrivain_ = nullptr;
    return ecrivain.terminer();
}

// Ce que l'écriture d'une personne lira dans les registres, demandé quelques personnes à
// l'avance, en trois temps : la fiche, puis ses listes et sa famille d'origine, puis les
// familles qu'elle a fondées et ses parents.
void ConstructionBase::prechargerPersonne(std::uint32_t n) {
    constexpr std::uint32_t kLoin = 16, kMoyen = 8, kPres = 4;
    const std::size_t taille = personnesParNumero_.size();
    if (n + kLoin < taille) {
        const PersonneBalayee* p = &reg_.personnes[personnesParNumero_[n + kLoin]];
        precharger(p);
        precharger(reinterpret_cast<const char*>(p) + 64);
    }
    if (n + kMoyen < taille) {
        const PersonneBalayee& p = reg_.personnes[personnesParNumero_[n + kMoyen]];
        if (!p.famillesConjoint.empty()) precharger(p.famillesConjoint.data());
        if (p.familleParents != kAucun) precharger(&reg_.familles[p.familleParents]);
    }
    if (n + kPres < taille) {
        const PersonneBalayee& p = reg_.personnes[personnesParNumero_[n + kPres]];
        for (std::uint32_t f : p.famillesConjoint) precharger(&reg_.familles[f]);
        if (p.familleParents != kAucun) {
            const FamilleBalayee& f = reg_.familles[p.familleParents];
            if (f.mari != kAucun) precharger(&reg_.personnes[f.mari].numero);
            if (f.femme != kAucun) precharger(&reg_.personnes[f.femme].numero);
        }
    }
}

void ConstructionBase::prechargerFamille(const std::vector<std::uint32_t>& familles, std::size_t k) {
    constexpr std::size_t kLoin = 8, kPres = 4;
    if (k + kLoin < familles.size()) precharger(&reg_.familles[familles[k + kLoin]]);
    if (k + kPres < familles.size()) {
        const FamilleBalayee& f = reg_.familles[familles[k + kPres]];
        if (f.mari != kAucun) precharger(&reg_.personnes[f.mari].numero);
        if (f.femme != kAucun) precharger(&reg_.personnes[f.femme].numero);
    }
}

std::uint32_t ConstructionBase::refSource(const SourceLue& s) {
    if (s.renvoi.estVide()) return ecrivain_->ajouterTexte(TableSources, s.texte);
    auto it = refsSources_.find(s.renvoi);
    if (it != refsSources_.end()) return it->second;
    std::uint32_t ref = ecrivain_->ajouterTexte(TableSources, passe_.lireTexteSource(s.renvoi));
    refsSources_.emplace(s.renvoi, ref);
    return ref;
}

// Ordre des chaînes : source, lieu, source du lieu. Rend 0 sans date ni lieu, ou quand les
// emplacements réservés au balayage sont épuisés (ils ne peuvent pas déborder sur les notes).
std::uint32_t ConstructionBase::ecrireEvenement(const EvenementLu& e) {
    if (!e.aDonnees() || prochainEvenement_ > dimensions_.evenements) return 0;
    Evenement ev;
    ev.date = e.date;
    ev.source = refSource(e.source);
    ev.lieu = ecrivain_->ajouterTexte(TableLieux, e.lieu);
    ev.sourceLieu = refSource(e.sourceLieu);
    ecrivain_->ecrireEvenement(prochainEvenement_, ev);
    return prochainEvenement_++;
}

void ConstructionBase::ecrirePersonne(std::uint32_t personne) {
    const PersonneBalayee& p = reg_.personnes[personne];
    IndividuRelu& relu = relecture_->individuSuivant();
    TamponIndividu& t = relu.tampon;
    const LiensPrepares& liens = relu.liens;
    if (!p.definie) {
        erreurs_.SignalerErreur(p.cle.indiceFichier(), "- L'individu @%s est référencé mais jamais défini"_1252,
                                identifiant(p.cle).c_str());
    } else if (liens.prepares ? liens.teteDeBranche : estTeteDeBranche(personne)) {
        ecrivain_->marquerTeteDeBranche(p.numero);
    }
    // La note n'est remise qu'une fois, à la première personne dans l'ordre des numéros ; si
    // une personne d'avant l'a eue, la relecture se refait ici, avec les notes déjà remises.
    auto note = t.noteRenvoyee.estVide() ? reg_.notes.end() : reg_.notes.find(t.noteRenvoyee);
    if (note != reg_.notes.end() && note->second.remise) {
        passe_.lireIndividuEtNote(p, t);
    } else {
        if (note != reg_.notes.end()) note->second.remise = true;
        rejouer(relu.messages);
    }

    Individu ind;
    ind.nom = ecrivain_->ajouterTexte(TableNoms, t.nom);
    ind.prenoms = ecrivain_->ajouterTexte(TablePrenoms, t.prenoms);
    ind.sourceNom = refSource(t.sourceNom);
    ind.naissance = ecrireEvenement(t.naissance);
    ind.deces = ecrireEvenement(t.deces);
    ind.profession = ecrivain_->ajouterTexte(TableProfessions, t.profession);
    ind.sourceProfession = refSource(t.sourceProfession);
    ind.commentaire = ecrivain_->ajouterTexte(TableCommentaires, t.commentaire);
    ind.sourceCommentaire = refSource(t.sourceCommentaire);
    ind.photos = ecrivain_->ajouterPhotos(t.photos);
    ind.notes = ecrivain_->ajouterNotes(t.notes);
    ind.sexe = t.sexe;
    ind.fichierGedcom = p.fichier;
    ind.decalageGedcom = static_cast<std::uint32_t>(std::min<std::uint64_t>(p.decalage, 0xFFFFFFFFu));
    if (liens.prepares) {
        ind.fratrie = liens.fratrie;
        ind.pere = liens.pere;
        ind.mere = liens.mere;
        ind.premiereFamille = liens.premiereFamille;
    } else {
        lierParents(personne, t, ind);
        chainerFamilles(personne, t, ind);
    }
    ecrivain_->ecrireIndividu(p.numero, ind);
    avancer(4);
}

// Dans un fil de relecture : ce que lierParents et chainerFamilles donneraient, et la marque de
// tête de branche. Un lien qui demanderait une ligne de rapport laisse tout à l'écriture (qui
// la signale à sa place) : rien n'est alors écrit ici. Sinon, seules les cases de la chaîne des
// fiches de cette personne sont écrites — aucune autre personne ne les a.
void ConstructionBase::preparerLiens(std::uint32_t personne, LiensPrepares& liens) {
    liens = {};
    const PersonneBalayee& p = reg_.personnes[personne];
    liens.fratrie = -static_cast<std::int32_t>(p.numero);
    if (p.familleParents != kAucun) {
        const FamilleBalayee& f = reg_.familles[p.familleParents];
        if (f.gardee && aDesParents(personne)) {
            liens.fratrie = fratrie_[p.numero];
            if (conjointRestant(f, f.mari, p.familleParents)) liens.pere = reg_.personnes[f.mari].numero;
            if (conjointRestant(f, f.femme, p.familleParents)) liens.mere = reg_.personnes[f.femme].numero;
        } else if (f.gardee && f.definie) {
            return;  // lien de parenté incohérent
        }
    }
    std::uint32_t chaine[8];
    std::size_t n = 0;
    for (std::uint32_t f : p.famillesConjoint) {
        const FamilleBalayee& fam = reg_.familles[f];
        if (!fam.gardee) continue;
        // Mariage sans en être conjoint, ou plus de mariages que la place prévue ici.
        if ((fam.mari != personne && fam.femme != personne) || n == std::size(chaine)) return;
        chaine[n++] = fam.mari == personne ? fam.ficheMari : fam.ficheFemme;
    }
    liens.teteDeBranche = p.definie && estTeteDeBranche(personne);
    if (n > 0) {
        liens.premiereFamille = chaine[0];
        for (std::size_t k = 0; k + 1 < n; ++k) suivanteFiche_[chaine[k]] = static_cast<std::int32_t>(chaine[k + 1]);
        suivanteFiche_[chaine[n - 1]] = -static_cast<std::int32_t>(chaine[0]);
    }
    liens.prepares = true;
}

void ConstructionBase::lierParents(std::uint32_t personne, const TamponIndividu& t, Individu& ind) {
    const PersonneBalayee& p = reg_.personnes[personne];
    ind.fratrie = -static_cast<std::int32_t>(p.numero);
    if (p.familleParents == kAucun) return;
    const FamilleBalayee& f = reg_.familles[p.familleParents];
    if (!f.gardee) return;
    if (aDesParents(personne)) {
        ind.fratrie = fratrie_[p.numero];
        if (conjointRestant(f, f.mari, p.familleParents)) ind.pere = reg_.personnes[f.mari].numero;
        if (conjointRestant(f, f.femme, p.familleParents)) ind.mere = reg_.personnes[f.femme].numero;
        return;
    }
    if (!f.definie) return;
    if (t.prenoms.empty() && t.nom.empty())
        erreurs_.SignalerErreur(p.fichier,
                                "- Ligne %ld : lien de parenté incohérent entre l'individu @%s et ses parents"_1252,
                                f.ligne, identifiant(p.cle).c_str());
    else
        erreurs_.SignalerErreur(p.fichier, "- Ligne %ld : lien de parenté incohérent entre %s %s et ses parents"_1252,
                                f.ligne, t.prenoms.c_str(), t.nom.c_str());
}

void ConstructionBase::chainerFamilles(std::uint32_t personne, const TamponIndividu& t, Individu& ind) {
    const PersonneBalayee& p = reg_.personnes[personne];
    std::vector<std::uint32_t> chaine;
    for (std::uint32_t f : p.famillesConjoint) {
        const FamilleBalayee& fam = reg_.familles[f];
        if (!fam.gardee) continue;
        if (fam.mari != personne && fam.femme != personne) {
            if (t.prenoms.empty() && t.nom.empty())
                erreurs_.SignalerErreur(
                    p.fichier, "- L'individu @%s fait référence à un mariage sans être l'un des conjoints"_1252,
                    identifiant(p.cle).c_str());
            else
                erreurs_.SignalerErreur(p.fichier,
                                        "- %s %s fait référence à un mariage sans être l'un des conjoints"_1252,
                                        t.prenoms.c_str(), t.nom.c_str());
            continue;
        }
        chaine.push_back(fam.mari == personne ? fam.ficheMari : fam.ficheFemme);
    }
    if (chaine.empty()) return;
    ind.premiereFamille = chaine.front();
    for (std::size_t k = 0; k + 1 < chaine.size(); ++k)
        suivanteFiche_[chaine[k]] = static_cast<std::int32_t>(chaine[k + 1]);
    suivanteFiche_[chaine.back()] = -static_cast<std::int32_t>(chaine.front());
}

// Une famille jamais définie que seule une personne nomme n'a pas de fiche : le lien de
// cette personne est abandonné, et le rapport le dit. Une famille que ne nomment que des
// personnes écartées par une fusion ne regarde personne.
void ConstructionBase::signalerFamilleAbandonnee(const FamilleBalayee& f) {
    auto gardee = [&](std::uint32_t p) { return p != kAucun && reg_.personnes[p].numero != 0; };
    if (!gardee(f.mari) && !gardee(f.femme) && std::none_of(f.enfants.begin(), f.enfants.end(), gardee)) return;
    erreurs_.SignalerErreur(f.fichier, "- La famille @%s est utilisée mais jamais définie : référence ignorée"_1252,
                            identifiant(f.cle).c_str());
}

void ConstructionBase::controlerConjoint(std::uint32_t famille, bool mari) {
    const FamilleBalayee& f = reg_.familles[famille];
    std::uint32_t c = mari ? f.mari : f.femme;
    if (c == kAucun || reg_.personnes[c].numero == 0 || conjointRestant(f, c, famille)) return;
    std::uint32_t autre = mari ? f.femme : f.mari;
    bool autreListe = autre != kAucun && contient(reg_.personnes[autre].famillesConjoint, famille);
    if (premierEnfant_[famille] == 0 && !autreListe) return;  // couple sans enfant oublié des deux
    const PersonneBalayee& p = reg_.personnes[c];
    TamponIndividu noms;
    if (p.definie) passe_.lireNoms(p, noms);
    std::string id = identifiant(f.cle);
    if (noms.prenoms.empty() && noms.nom.empty())
        erreurs_.SignalerErreur(f.fichier,
                                mari ? "- L'époux du mariage @%s ne fait pas référence à ce mariage"_1252
                                     : "- L'épouse du mariage @%s ne fait pas référence à ce mariage"_1252,
                                id.c_str());
    else
        erreurs_.SignalerErreur(f.fichier,
                                mari ? "- %s %s ne fait pas référence au mariage @%s dont il est l'époux"_1252
                                     : "- %s %s ne fait pas référence au mariage @%s dont elle est l'épouse"_1252,
                                noms.prenoms.c_str(), noms.nom.c_str(), id.c_str());
}

void ConstructionBase::ecrireFamille(std::uint32_t famille) {
    const FamilleBalayee& f = reg_.familles[famille];
    FamilleRelue& relue = relecture_->familleSuivante();
    const TamponFamille& t = relue.tampon;
    if (!f.definie)
        erreurs_.SignalerErreur(f.fichier, "- La famille @%s est utilisée mais jamais définie"_1252,
                                identifiant(f.cle).c_str());
    rejouer(relue.messages);
    controlerConjoint(famille, true);
    controlerConjoint(famille, false);
    bool mariReste = conjointRestant(f, f.mari, famille);
    bool femmeReste = conjointRestant(f, f.femme, famille);
    Famille commune;
    commune.premierEnfant = premierEnfant_[famille];
    if (mariReste || femmeReste) {
        commune.mariage = ecrireEvenement(t.mariage);
        if (t.divorces) {
            std::uint32_t e = ecrireEvenement(t.divorce);
            commune.divorce = static_cast<std::int32_t>(e);
        }
    }
    // Fiche d'un conjoint écarté : tout à zéro, hors de toute chaîne.
    Famille zero;
    zero.divorce = 0;
    auto ecrireCote = [&](std::uint32_t fiche, bool reste, std::uint32_t autre, bool autreReste,
                          std::uint32_t ficheAutre) {
        if (fiche == 0) return;
        Famille r = commune;
        r.conjoint = autreReste ? reg_.personnes[autre].numero : 0;
        r.ficheDuConjoint = autreReste ? ficheAutre : 0;
        r.suivante = suivanteFiche_[fiche];
        ecrivain_->ecrireFamille(fiche, reste ? r : zero);
        avancer(1);
    };
    ecrireCote(f.ficheMari, mariReste, f.femme, femmeReste, f.ficheFemme);
    ecrireCote(f.ficheFemme, femmeReste, f.mari, mariReste, f.ficheMari);
}

}  // namespace lignara
