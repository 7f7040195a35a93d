#include "session/ListePersonnes.h"

#include <algorithm>

#include "database/CleNom.h"
#include "commun/PliageAccents.h"
#include "database/ClePhonetiqueLarge.h"

namespace lignara {

namespace {

// Au-delà, les lignes gardées sont oubliées : une vue n'en montre jamais autant à la fois.
constexpr std::size_t kLignesGardees = 4096;

std::vector<std::string> mots(std::string_view texte) {
    std::vector<std::string> r;
    std::size_t i = 0;
    while (i < texte.size()) {
        while (i < texte.size() && texte[i] == ' ') ++i;
        std::size_t debut = i;
        while (i < texte.size() && texte[i] != ' ') ++i;
        if (i > debut) r.emplace_back(texte.substr(debut, i - debut));
    }
    return r;
}

// Un mot de la clé (mots séparés d'espaces) commence par mot.
bool unMotCommencePar(std::string_view cle, std::string_view mot) {
    for (std::size_t i = 0; i < cle.size();) {
        if (cle.compare(i, mot.size(), mot) == 0) return true;
        i = cle.find(' ', i);
        if (i == std::string_view::npos) return false;
        ++i;
    }
    return false;
}

std::string anneeDe(const DateGed& d) {
    if (d.absente()) return {};
    std::string a = std::to_string(d.annee);
    switch (d.qualificatif) {
        case DateAvant: return "<" + a;
        case DateApres: return ">" + a;
        case DateVers: return "~" + a;
        case DateEntre: return std::to_string(d.premiereAnnee()) + "-" + a;
        default: return a;
    }
}

// Casse et accents ôtés, le reste tel quel : CleNom ferait des chiffres de l'année des espaces.
std::string plier(std::string_view texte) {
    std::string r(texte);
    for (char& c : r)
        if (const char l = lettreDeBase(c)) c = l;
    return r;
}

std::string lieuSansCode(std::string lieu) { return lieu.size() > 3 ? lieu.substr(3) : std::string(); }

}  // namespace

ListePersonnes::ListePersonnes(const BaseGenealogique& base, const IndexNoms& index, ClesLarges larges)
    : base_(&base), index_(&index), fournisseur_(std::move(larges)) {}

std::ptrdiff_t ListePersonnes::rangDe(std::uint32_t personne) const {
    for (std::size_t r = 0; r < taille(); ++r)
        if (this->personne(r) == personne) return static_cast<std::ptrdiff_t>(r);
    return -1;
}

const LignePersonne& ListePersonnes::ligne(std::size_t rang) {
    const std::uint32_t p = personne(rang);
    auto it = lignes_.find(p);
    if (it != lignes_.end()) return it->second;
    if (lignes_.size() >= kLignesGardees) lignes_.clear();
    const Individu ind = base_->LireIndividu(p);
    LignePersonne l;
    l.numero = p;
    l.nom = base_->LireTexte(TableNoms, ind.nom);
    l.prenoms = base_->LireTexte(TablePrenoms, ind.prenoms);
    if (ind.naissance) {
        const Evenement e = base_->LireEvenement(ind.naissance);
        l.anneeNaissance = anneeDe(e.date);
        l.lieuNaissance = lieuSansCode(base_->LireTexte(TableLieux, e.lieu));
    }
    if (ind.deces) {
        const Evenement e = base_->LireEvenement(ind.deces);
        l.anneeDeces = anneeDe(e.date);
        l.lieuDeces = lieuSansCode(base_->LireTexte(TableLieux, e.lieu));
    }
    return lignes_.emplace(p, std::move(l)).first->second;
}

std::vector<std::uint8_t> ListePersonnes::motsRetenus(const IndexNoms::Cles& cles, std::string_view mot) const {
    std::vector<std::uint8_t> r(cles.size());
    for (std::size_t i = 0; i < cles.size(); ++i) r[i] = unMotCommencePar(cles[i], mot);
    return r;
}

const IndexNomsLarges& ListePersonnes::larges() {
    if (fournisseur_) return fournisseur_();
    if (!larges_) larges_.emplace(*base_, *index_);
    return *larges_;
}

bool ListePersonnes::filtrer(std::string_view texte, bool phonetique) {
    const std::string cle = CleNom(texte);
    const std::vector<std::string> lesMots = mots(cle);
    if (cle == filtre_ && phonetique == phonetique_) return false;
    filtre_ = cle;
    phonetique_ = phonetique;
    if (lesMots.empty()) {
        const bool change = !tous_;
        tous_ = true;
        retenues_.clear();
        return change;
    }
    const IndexNoms::Cles& noms = *index_->clesNoms();
    const IndexNoms::Cles& prenoms = *index_->clesPrenoms();
    std::vector<std::vector<std::uint8_t>> dansNoms, dansPrenoms;
    for (const std::string& m : lesMots) {
        dansNoms.push_back(motsRetenus(noms, m));
        dansPrenoms.push_back(motsRetenus(prenoms, m));
    }
    // Phonétique : le texte entier est un nom, ou son premier mot l'est et les autres des prénoms.
    std::vector<std::uint8_t> largeEntier, largePremier;
    const IndexNomsLarges* cles = phonetique ? &larges() : nullptr;
    if (cles) {
        const std::string entier = ClePhonetiqueLarge(texte);
        const std::string premier = ClePhonetiqueLarge(mots(std::string(texte)).front());
        for (std::uint32_t r = 0; r < cles->nombreCles(); ++r) {
            const std::string& c = cles->cle(r);
            largeEntier.push_back(!entier.empty() && c.compare(0, entier.size(), entier) == 0);
            largePremier.push_back(!premier.empty() && c.compare(0, premier.size(), premier) == 0);
        }
    }
    retenues_.clear();
    for (std::size_t pos = 0; pos < index_->taille(); ++pos) {
        const IndexNoms::Entree& e = index_->entree(pos);
        bool retenue;
        if (cles) {
            const std::uint32_t r = cles->rang(pos);
            retenue = largeEntier[r] != 0;
            if (!retenue && largePremier[r]) {
                retenue = true;
                for (std::size_t m = 1; m < lesMots.size() && retenue; ++m) retenue = dansPrenoms[m][e.prenoms] != 0;
            }
        } else {
            retenue = true;
            for (std::size_t m = 0; m < lesMots.size() && retenue; ++m)
                retenue = dansNoms[m][e.nom] || dansPrenoms[m][e.prenoms];
        }
        if (retenue) retenues_.push_back(static_cast<std::uint32_t>(pos));
    }
    tous_ = false;
    return true;
}

std::string ListePersonnes::texteEntree(std::size_t rang, const TablesDerivees* tables) {
    const LignePersonne& l = ligne(rang);
    std::string t = l.nom.empty() ? l.prenoms : l.prenoms.empty() ? l.nom : l.nom + " " + l.prenoms;
    if (tables && l.numero < tables->anneesNaissance.size()) {
        const std::int16_t annee = tables->AnneeNaissanceEstimee(l.numero);
        if (annee != 9999) t += "   (" + std::to_string(annee) + ")";
    }
    return t;
}

// Les clés de l'index suffisent pour le nom et les prénoms ; le texte entier de l'entrée n'est
// lu que quand la recherche va au-delà (jusqu'à l'année).
std::ptrdiff_t ListePersonnes::premiereEntreeCommencantPar(std::string_view texte, const TablesDerivees* tables) {
    const std::string cherche = CleNom(texte);
    for (std::size_t r = 0; r < taille(); ++r) {
        const std::size_t pos = position(r);
        std::string_view nom = index_->partieNom(pos);
        std::string_view prenoms = index_->partiePrenoms(pos);
        // Sans nom (ou sans prénoms), l'entrée n'a que l'autre partie, sans espace devant.
        if (nom.empty()) std::swap(nom, prenoms);
        const std::size_t n = std::min(cherche.size(), nom.size());
        if (cherche.compare(0, n, nom.substr(0, n)) != 0) continue;
        if (cherche.size() <= nom.size()) return static_cast<std::ptrdiff_t>(r);
        if (cherche[nom.size()] != ' ') continue;
        const std::string_view suite = std::string_view(cherche).substr(nom.size() + 1);
        const std::size_t k = std::min(suite.size(), prenoms.size());
        if (suite.compare(0, k, prenoms.substr(0, k)) != 0) continue;
        if (suite.size() <= prenoms.size()) return static_cast<std::ptrdiff_t>(r);
        if (plier(texteEntree(r, tables)).starts_with(plier(texte))) return static_cast<std::ptrdiff_t>(r);
    }
    return -1;
}

}  // namespace lignara
