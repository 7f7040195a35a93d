#include "database/VerificateurBase.h"

#include <fstream>
#include <iterator>
#include <set>

#include "database/EnTeteBase.h"
#include "database/Evenement.h"
#include "database/Famille.h"
#include "database/Individu.h"
#include "database/Octets.h"

namespace lignara {

namespace {

class Verification {
public:
    Verification(std::vector<std::uint8_t> octets, std::size_t maximum) : o_(std::move(octets)), maximum_(maximum) {}

    std::vector<std::string> executer();

private:
    void defaut(const std::string& texte) {
        if (defauts_.size() < maximum_) defauts_.push_back(texte);
    }
    Individu individu(std::uint32_t n) const {
        return Individu::lire(o_.data() + t_.individus + std::size_t{n - 1} * Individu::kTaille);
    }
    Famille famille(std::uint32_t f) const {
        return Famille::lire(o_.data() + t_.familles + std::size_t{f - 1} * Famille::kTaille);
    }
    Evenement evenement(std::uint32_t e) const {
        return Evenement::lire(o_.data() + t_.evenements + std::size_t{e - 1} * Evenement::kTaille);
    }
    void verifierRef(int table, std::uint32_t ref, const std::string& ou);
    void verifierEvenement(std::uint32_t e, const std::string& ou);
    void verifierIndividu(std::uint32_t n);
    void verifierChaine(std::uint32_t n);
    void verifierCouple(std::uint32_t f, std::uint32_t conjoint);
    void relever(std::uint32_t f);
    void verifierAscendance();

    std::vector<std::uint8_t> o_;
    std::size_t maximum_;
    EnTeteBase t_;
    std::uint32_t ni_ = 0, nf_ = 0, ne_ = 0;
    std::set<std::uint32_t> debutsNotes_;
    std::vector<int> fichesAtteintes_;
    std::vector<int> evenementsUtilises_;
    std::vector<std::uint8_t> anneauVerifie_;  // par individu : son anneau s'est refermé
    std::vector<std::string> defauts_;
};

std::string nom(const char* sorte, std::uint32_t n) { return std::string(sorte) + " " + std::to_string(n); }

std::vector<std::string> Verification::executer() {
    if (o_.size() < EnTeteBase::kTaille) return {"fichier plus court que l'en-tête"};
    t_ = EnTeteBase::lire(o_.data());
    try {
        t_.verifier(o_.size());
    } catch (...) {
        return {"en-tête contraire au format"};
    }
    ni_ = t_.nombreIndividus();
    nf_ = t_.nombreFamilles();
    ne_ = t_.nombreEvenements();
    for (std::uint64_t p = t_.notes; p + 2 <= t_.tables[0];) {
        debutsNotes_.insert(static_cast<std::uint32_t>(p - t_.notes + 1));
        std::uint16_t lignes = octets::lireU16(o_.data() + p);
        p += 2;
        for (std::uint16_t k = 0; k < lignes && p < t_.tables[0]; ++k) {
            while (p < t_.tables[0] && o_[p] != '\n') ++p;
            ++p;
        }
    }
    fichesAtteintes_.assign(nf_ + 1, 0);
    evenementsUtilises_.assign(ne_ + 1, 0);
    anneauVerifie_.assign(ni_ + 1, 0);
    for (std::uint32_t n = 1; n <= ni_; ++n) verifierIndividu(n);
    for (std::uint32_t n = 1; n <= ni_; ++n) verifierChaine(n);
    for (std::uint32_t f = 1; f <= nf_; ++f) relever(f);
    verifierAscendance();
    for (std::uint32_t e = 1; e <= ne_; ++e)
        if (evenementsUtilises_[e] > 1) defaut(nom("événement", e) + " utilisé plusieurs fois");
    return defauts_;
}

void Verification::verifierRef(int table, std::uint32_t ref, const std::string& ou) {
    if (ref == 0) return;
    std::uint64_t debut = t_.tables[table];
    std::uint64_t fin = table + 1 < kNombreTablesTexte ? t_.tables[table + 1] : o_.size();
    std::uint64_t p = debut + ref - 1;
    if (p >= fin) return defaut(ou + " : réf. hors de sa table");
    if (ref > 1 && o_[p - 1] != '\n') defaut(ou + " : réf. au milieu d'une chaîne");
    // Une liste de dix photos commence par l'octet 10 : ce n'est pas une chaîne vide.
    if (o_[p] == '\n' && table != TablePhotos) defaut(ou + " : réf. d'une chaîne vide");
}

void Verification::verifierEvenement(std::uint32_t e, const std::string& ou) {
    if (e == 0) return;
    if (e > ne_) return defaut(ou + " : événement hors de la table");
    ++evenementsUtilises_[e];
    Evenement ev = evenement(e);
    verifierRef(TableLieux, ev.lieu, ou);
    verifierRef(TableSources, ev.source, ou);
    verifierRef(TableSources, ev.sourceLieu, ou);
}

void Verification::verifierIndividu(std::uint32_t n) {
    Individu i = individu(n);
    std::string ou = nom("individu", n);
    verifierRef(TableNoms, i.nom, ou);
    verifierRef(TablePrenoms, i.prenoms, ou);
    verifierRef(TableProfessions, i.profession, ou);
    verifierRef(TableCommentaires, i.commentaire, ou);
    verifierRef(TablePhotos, i.photos, ou);
    verifierRef(TableSources, i.sourceNom, ou);
    verifierRef(TableSources, i.sourceProfession, ou);
    verifierRef(TableSources, i.sourceCommentaire, ou);
    verifierEvenement(i.naissance, ou);
    verifierEvenement(i.deces, ou);
    if (i.notes && !debutsNotes_.count(i.notes)) defaut(ou + " : notes hors d'un début de bloc");
    if (i.pere > ni_ || i.mere > ni_) defaut(ou + " : parent hors de la table");
    if (i.pere == n || i.mere == n) defaut(ou + " : est son propre parent");
    if (i.premiereFamille > nf_) defaut(ou + " : première famille hors de la table");
    // Anneau de fratrie : revient à n en au plus ni_ pas, mêmes parents partout. Un anneau
    // fermé n'est parcouru qu'une fois, pas une fois par enfant (cent mille enfants).
    if (anneauVerifie_[n]) return;
    std::uint32_t p = n;
    for (std::uint32_t pas = 0; pas <= ni_; ++pas) {
        Individu x = individu(p);
        if (x.fratrie == 0) return defaut(ou + " : lien de fratrie nul");
        if (x.pere != i.pere || x.mere != i.mere) return defaut(ou + " : frères et sœurs de parents différents");
        std::int64_t s = x.fratrie < 0 ? -std::int64_t{x.fratrie} : x.fratrie;
        if (s > ni_) return defaut(ou + " : lien de fratrie hors de la table");
        p = static_cast<std::uint32_t>(s);
        if (p == n) {
            do {
                anneauVerifie_[p] = 1;
                const std::int32_t f = individu(p).fratrie;
                p = static_cast<std::uint32_t>(f < 0 ? -std::int64_t{f} : f);
            } while (p != n);
            return;
        }
    }
    defaut(ou + " : anneau de fratrie ouvert");
}

void Verification::verifierChaine(std::uint32_t n) {
    std::uint32_t premiere = individu(n).premiereFamille;
    if (premiere == 0 || premiere > nf_) return;
    std::string ou = nom("chaîne de l'individu", n);
    std::uint32_t f = premiere;
    for (std::uint32_t pas = 0; pas <= nf_; ++pas) {
        if (fichesAtteintes_[f]++) return defaut(ou + " : fiche " + std::to_string(f) + " atteinte deux fois");
        verifierCouple(f, n);
        std::int32_t suivante = famille(f).suivante;
        if (suivante < 0) {
            if (static_cast<std::uint32_t>(-std::int64_t{suivante}) != premiere)
                defaut(ou + " : ne se referme pas sur sa première fiche");
            return;
        }
        if (suivante == 0 || static_cast<std::uint32_t>(suivante) > nf_)
            return defaut(ou + " : lien de chaîne invalide");
        f = static_cast<std::uint32_t>(suivante);
    }
    defaut(ou + " : chaîne sans fin");
}

void Verification::verifierCouple(std::uint32_t f, std::uint32_t conjoint) {
    Famille r = famille(f);
    std::string ou = nom("fiche", f);
    if (r.conjoint > ni_ || r.ficheDuConjoint > nf_) return defaut(ou + " : numéro hors de la table");
    if (r.conjoint == conjoint) defaut(ou + " : le conjoint est la personne elle-même");
    // Les deux fiches d'un couple partagent leurs événements : comptés une fois.
    if (r.ficheDuConjoint == 0 || f < r.ficheDuConjoint) {
        verifierEvenement(r.mariage, ou);
        if (r.divorce > 0) verifierEvenement(static_cast<std::uint32_t>(r.divorce), ou);
    }
    if (r.premierEnfant) {
        if (r.premierEnfant > ni_) return defaut(ou + " : premier enfant hors de la table");
        Individu e = individu(r.premierEnfant);
        if (e.pere != conjoint && e.mere != conjoint) defaut(ou + " : le premier enfant n'a pas ce parent");
    }
    if (r.ficheDuConjoint == 0) {
        if (r.conjoint != 0) defaut(ou + " : conjoint sans fiche jumelle");
        return;
    }
    Famille j = famille(r.ficheDuConjoint);
    if (j.ficheDuConjoint != f || j.conjoint != conjoint || r.conjoint == 0)
        defaut(ou + " : fiche jumelle qui ne la désigne pas");
    if (j.premierEnfant != r.premierEnfant || j.mariage != r.mariage || j.divorce != r.divorce)
        defaut(ou + " : fiche jumelle d'autres enfants ou événements");
    if (individu(r.conjoint).premiereFamille == 0) defaut(ou + " : conjoint sans famille");
}

void Verification::relever(std::uint32_t f) {
    if (fichesAtteintes_[f]) return;
    Famille r = famille(f);
    if (r.conjoint || r.premierEnfant || r.mariage || r.divorce || r.suivante || r.ficheDuConjoint)
        defaut(nom("fiche", f) + " : inatteignable mais non nulle");
}

// Aucune personne n'est son propre ancêtre : une remontée des parents finit toujours.
void Verification::verifierAscendance() {
    std::vector<std::uint8_t> couleur(ni_ + 1, 0);  // 0 jamais vu, 1 en cours, 2 fini
    std::vector<std::pair<std::uint32_t, int>> pile;
    for (std::uint32_t depart = 1; depart <= ni_; ++depart) {
        if (couleur[depart]) continue;
        couleur[depart] = 1;
        pile.push_back({depart, 0});
        while (!pile.empty()) {
            auto& [n, suivant] = pile.back();
            if (suivant == 2) {
                couleur[n] = 2;
                pile.pop_back();
                continue;
            }
            Individu i = individu(n);
            std::uint32_t q = suivant++ == 0 ? i.pere : i.mere;
            if (q == 0 || q > ni_ || couleur[q] == 2) continue;
            if (couleur[q] == 1) {
                defaut(nom("individu", n) + " : boucle d'ascendance");
                continue;
            }
            couleur[q] = 1;
            pile.push_back({q, 0});
        }
    }
}

}  // namespace

std::vector<std::string> VerificateurBase::verifier(const std::filesystem::path& chemin, std::size_t maximum) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return {"fichier illisible"};
    std::vector<std::uint8_t> octets((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    return Verification(std::move(octets), maximum).executer();
}

}  // namespace lignara
