#include "gedcom/FusionGedcom.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/CleNom.h"

namespace lignara {

namespace {

// Clé de rapprochement : lettres et chiffres en capitales sans accent, un seul blanc entre
// les mots ; « Jean-Pierre » et « JEAN PIERRE » se rejoignent.
std::string cleRapprochement(const std::string& texte) {
    std::string cle = CleNom(texte), r;
    for (char c : cle) {
        bool alnum = std::isalnum(static_cast<unsigned char>(c)) != 0;
        if (alnum)
            r += c;
        else if (!r.empty() && r.back() != ' ')
            r += ' ';
    }
    if (!r.empty() && r.back() == ' ') r.pop_back();
    return r;
}

bool compatibles(const DateGed& a, const DateGed& b) { return a.absente() || b.absente() || a == b; }
bool confirmee(const DateGed& a, const DateGed& b) { return !a.absente() && a == b; }

template <typename Liste>
void ajouterSansDouble(Liste& v, std::uint32_t x) {
    if (std::find(v.begin(), v.end(), x) == v.end()) v.push_back(x);
}

}  // namespace

void FusionGedcom::appliquer(RegistresBalayage& registres, PasseConstruction& passe) {
    reg_ = &registres;
    famillesDeConjoint_.assign(registres.personnes.size(), {});
    for (std::uint32_t f = 0; f < registres.familles.size(); ++f)
        for (std::uint32_t c : {registres.familles[f].mari, registres.familles[f].femme})
            if (c != kAucun) famillesDeConjoint_[c].push_back(f);
    for (std::size_t i = 0; i < description_.secondaires.size(); ++i)
        selectionnerBranches(static_cast<std::uint8_t>(i + 1));
    rapprocher(passe);
    redirigerPersonnes();
    fondreFamilles();
    remapperListes();
    famillesDeConjoint_.clear();
    reg_ = nullptr;
}

void FusionGedcom::ajouterAscendants(std::uint32_t personne, std::vector<std::uint32_t>& pile) {
    std::uint32_t f = reg_->personnes[personne].familleParents;
    if (f == kAucun) return;
    for (std::uint32_t parent : {reg_->familles[f].mari, reg_->familles[f].femme})
        if (parent != kAucun) pile.push_back(parent);
}

// Descendants : les enfants poursuivent la descente, les conjoints sont pris sans leur famille.
void FusionGedcom::ajouterDescendants(std::uint32_t personne, std::vector<std::uint32_t>& pile) {
    const auto& propres = reg_->personnes[personne].famillesConjoint;
    std::vector<std::uint32_t> familles(propres.begin(), propres.end());
    for (std::uint32_t f : famillesDeConjoint_[personne]) ajouterSansDouble(familles, f);
    for (std::uint32_t f : familles) {
        const FamilleBalayee& fam = reg_->familles[f];
        for (std::uint32_t c : {fam.mari, fam.femme})
            if (c != kAucun && c != personne) reg_->personnes[c].gardee = true;
        pile.insert(pile.end(), fam.enfants.begin(), fam.enfants.end());
    }
}

void FusionGedcom::selectionnerBranches(std::uint8_t fichier) {
    const FichierSecondaire& s = description_.secondaires[fichier - 1u];
    if (s.branches.empty()) return;
    for (PersonneBalayee& p : reg_->personnes)
        if (p.fichier == fichier) p.gardee = false;
    for (const BrancheFusion& b : s.branches) {
        const std::uint32_t trouvee = reg_->chercherPersonne(CleEnregistrement::dePointeur(fichier, b.reference));
        if (trouvee == kAucun || !reg_->personnes[trouvee].definie) {
            char ligne[32];
            std::snprintf(ligne, sizeof ligne, "), ligne %ld :\n", b.ligne);
            throw OperationImpossible("Description de fusion incorrecte ("_1252 + depuisUtf8(description_.nom) + ligne +
                                      "la personne "_1252 + b.reference + " n'est pas définie dans "_1252 +
                                      depuisUtf8(s.chemin.filename().string()));
        }
        reg_->personnes[trouvee].gardee = true;
        for (bool ascendants : {true, false}) {
            if (ascendants ? !b.ascendants : !b.descendants) continue;
            std::vector<std::uint8_t> vu(reg_->personnes.size(), 0);
            std::vector<std::uint32_t> pile{trouvee};
            while (!pile.empty()) {
                std::uint32_t p = pile.back();
                pile.pop_back();
                if (vu[p]) continue;
                vu[p] = 1;
                reg_->personnes[p].gardee = true;
                if (ascendants)
                    ajouterAscendants(p, pile);
                else
                    ajouterDescendants(p, pile);
            }
        }
    }
}

FusionGedcom::Identite FusionGedcom::identite(const PersonneBalayee& p, PasseConstruction& passe) {
    TamponIndividu t;
    passe.lireNoms(p, t);
    Identite id;
    std::string nom = cleRapprochement(t.nom), prenoms = cleRapprochement(t.prenoms);
    if (!nom.empty() || !prenoms.empty()) id.cle = nom + '\x1f' + prenoms;
    id.naissance = t.naissance.date;
    id.deces = t.deces.date;
    return id;
}

void FusionGedcom::rapprocher(PasseConstruction& passe) {
    std::vector<PersonneBalayee>& personnes = reg_->personnes;
    cible_.resize(personnes.size());
    for (std::uint32_t i = 0; i < cible_.size(); ++i) cible_[i] = i;
    std::vector<std::pair<std::uint32_t, Identite>> secondaires;
    std::unordered_set<std::string> cles;
    for (std::uint32_t i = 0; i < personnes.size(); ++i) {
        const PersonneBalayee& p = personnes[i];
        if (p.fichier == 0 || !p.gardee || !p.definie) continue;
        Identite id = identite(p, passe);
        if (id.cle.empty()) continue;
        cles.insert(id.cle);
        secondaires.emplace_back(i, std::move(id));
    }
    if (secondaires.empty()) return;
    // Seules les personnes du principal dont la clé est cherchée sont gardées en mémoire.
    std::unordered_multimap<std::string, std::pair<std::uint32_t, Identite>> principal;
    for (std::uint32_t i = 0; i < personnes.size(); ++i) {
        const PersonneBalayee& p = personnes[i];
        if (p.fichier != 0 || !p.definie) continue;
        Identite id = identite(p, passe);
        std::string cle = id.cle;  // la clé avant le déplacement : l'ordre d'évaluation n'est pas fixé
        if (cles.count(cle)) principal.emplace(std::move(cle), std::make_pair(i, std::move(id)));
    }
    std::unordered_set<std::uint64_t> prises;  // (fichier, personne du principal)
    for (const auto& [s, id] : secondaires) {
        std::uint32_t trouvee = kAucun, candidats = 0;
        auto [debut, fin] = principal.equal_range(id.cle);
        for (auto it = debut; it != fin; ++it) {
            const Identite& m = it->second.second;
            if (!compatibles(id.naissance, m.naissance) || !compatibles(id.deces, m.deces)) continue;
            if (!confirmee(id.naissance, m.naissance) && !confirmee(id.deces, m.deces)) continue;
            trouvee = it->second.first;
            ++candidats;
        }
        std::uint64_t prise = (std::uint64_t{personnes[s].fichier} << 32) | trouvee;
        if (candidats != 1 || !prises.insert(prise).second) continue;
        cible_[s] = trouvee;
        personnes[s].gardee = false;
        ++rapprochees_;
    }
}

// Les liens de la personne rapprochée passent à celle du principal, dans les familles des
// fichiers secondaires comme dans ses propres listes.
void FusionGedcom::redirigerPersonnes() {
    std::vector<PersonneBalayee>& personnes = reg_->personnes;
    parentsSecondaires_.assign(personnes.size(), kAucun);
    for (std::uint32_t s = 0; s < personnes.size(); ++s) {
        if (personnes[s].fichier != 0 && personnes[s].gardee) ++ajoutees_;
        if (cible_[s] == s) continue;
        parentsSecondaires_[s] = personnes[s].familleParents;
        PersonneBalayee& m = personnes[cible_[s]];
        const PersonneBalayee& p = personnes[s];
        for (std::uint32_t f : p.famillesConjoint) m.famillesConjoint.push_back(f);
        if (m.familleParents == kAucun && p.familleParents != kAucun) {
            m.familleParents = p.familleParents;
            m.parAdoption = p.parAdoption;
            m.parentsSecondaires = true;
        }
    }
    for (FamilleBalayee& f : reg_->familles) {
        if (f.fichier == 0) continue;
        if (f.mari != kAucun) f.mari = cible_[f.mari];
        if (f.femme != kAucun) f.femme = cible_[f.femme];
        ListeIndices<4> enfants;
        for (std::uint32_t c : f.enfants) ajouterSansDouble(enfants, cible_[c]);
        f.enfants = std::move(enfants);
        if (f.mari != kAucun && f.mari == f.femme) f.femme = kAucun;  // deux rapprochés en un seul
    }
}

// Une famille secondaire dont les deux conjoints sont ceux d'une famille du principal s'y fond.
void FusionGedcom::fondreFamilles() {
    std::vector<FamilleBalayee>& familles = reg_->familles;
    familleCible_.resize(familles.size());
    std::unordered_map<std::uint64_t, std::uint32_t> couples;
    for (std::uint32_t f = 0; f < familles.size(); ++f) {
        familleCible_[f] = f;
        const FamilleBalayee& fam = familles[f];
        if (fam.fichier == 0 && fam.mari != kAucun && fam.femme != kAucun)
            couples.try_emplace((std::uint64_t{fam.mari} << 32) | fam.femme, f);
    }
    for (std::uint32_t f = 0; f < familles.size(); ++f) {
        FamilleBalayee& fam = familles[f];
        if (fam.fichier == 0 || fam.mari == kAucun || fam.femme == kAucun) continue;
        auto it = couples.find((std::uint64_t{fam.mari} << 32) | fam.femme);
        if (it == couples.end()) continue;
        familleCible_[f] = it->second;
        for (std::uint32_t c : fam.enfants) ajouterSansDouble(familles[it->second].enfants, c);
        fam.mari = fam.femme = kAucun;
        fam.enfants.clear();
    }
}

// Une personne rapprochée n'est enfant que de la famille qui est la sienne à la fin : elle
// quitte les autres, qui sans cela pourraient être gardées pour un enfant qui n'y est pas.
// Quand le principal lui donne d'autres parents que ceux d'un fichier secondaire, ce sont les
// siens qui restent, et la famille secondaire est notée pour le rapport.
void FusionGedcom::remapperListes() {
    std::vector<PersonneBalayee>& personnes = reg_->personnes;
    for (std::uint32_t s = 0; s < cible_.size(); ++s) {
        const std::uint32_t secondaire = parentsSecondaires_[s];
        if (secondaire == kAucun) continue;
        const std::uint32_t retenue = personnes[cible_[s]].familleParents;
        if (retenue != kAucun && familleCible_[retenue] != familleCible_[secondaire])
            reg_->liensContraires.push_back({reg_->familles[secondaire].fichier, reg_->familles[secondaire].ligne});
    }
    parentsSecondaires_.clear();
    std::vector<std::uint8_t> rapprochee(personnes.size(), 0);
    for (std::uint32_t s = 0; s < cible_.size(); ++s)
        if (cible_[s] != s) rapprochee[cible_[s]] = 1;
    for (PersonneBalayee& p : personnes) {
        if (p.familleParents != kAucun) p.familleParents = familleCible_[p.familleParents];
        if (p.famillesConjoint.empty()) continue;
        ListeIndices<2> liste;
        for (std::uint32_t f : p.famillesConjoint) ajouterSansDouble(liste, familleCible_[f]);
        p.famillesConjoint = std::move(liste);
    }
    for (std::uint32_t f = 0; f < reg_->familles.size(); ++f) {
        auto& enfants = reg_->familles[f].enfants;
        enfants.erase(
            std::remove_if(enfants.begin(), enfants.end(),
                           [&](std::uint32_t c) { return rapprochee[c] && personnes[c].familleParents != f; }),
            enfants.end());
    }
}

}  // namespace lignara
