#include "documents/SelectionPersonne.h"

#include "database/CleIndex.h"
#include "database/ClePhonetiqueLarge.h"
#include "database/FormatNom.h"

namespace lignara {

namespace {

std::string_view sansEspacesDeFin(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Les prénoms tapés sont les premiers mots entiers de ceux de l'entrée.
bool debutDeMots(std::string_view entree, std::string_view tapes) {
    if (tapes.empty()) return true;
    if (!entree.starts_with(tapes)) return false;
    return entree.size() == tapes.size() || entree[tapes.size()] == ' ';
}

}  // namespace

struct SelectionPersonne::ClesTapees {
    std::string nom;
    std::string prenoms;
};

// Les espaces de fin du texte tapé sont ôtés avant la clé, pas après : un nom rangé qui finit
// par un signe (« N. », « Bø ») a une clé qui finit par une espace, la même que le nom tapé.
SelectionPersonne::ClesTapees SelectionPersonne::clesTapees(const EtatSelection& etat) {
    const std::string nom(sansEspacesDeFin(etat.nom)), prenoms(sansEspacesDeFin(etat.prenoms));
    std::string cle = etat.phonetique ? IndexPhonetique::cleDe(nom, prenoms) : IndexNoms::cleDe(nom, prenoms);
    const std::size_t sep = cle.find(cle_index::kSeparateur);
    return {cle.substr(0, sep), sep == std::string::npos ? std::string() : cle.substr(sep + 1)};
}

// En phonétique large, le nom tapé se compare par sa clé large, les prénoms comme d'habitude.
SelectionPersonne::ClesTapees SelectionPersonne::clesDe(const EtatSelection& etat) const {
    if (!etat.phonetiqueLarge) return clesTapees(etat);
    EtatSelection normal = etat;
    normal.phonetiqueLarge = normal.phonetique = false;
    ClesTapees t = clesTapees(normal);
    t.nom = ClePhonetiqueLarge(etat.nom);
    return t;
}

std::size_t SelectionPersonne::tailleIndex(bool phonetique) const {
    return phonetique ? contexte_.phonetique().taille() : contexte_.noms->taille();
}

std::uint32_t SelectionPersonne::personneA(bool phonetique, std::size_t position) const {
    return phonetique ? contexte_.phonetique().personne(position) : contexte_.noms->personne(position);
}

bool SelectionPersonne::correspond(const EtatSelection& etat, std::size_t position) const {
    ClesTapees t = clesDe(etat);
    if (etat.phonetiqueLarge) return correspondLarge(t, position);
    if (etat.phonetique)
        return contexte_.phonetique().partieNom(position) == t.nom &&
               debutDeMots(contexte_.phonetique().partiePrenoms(position), t.prenoms);
    return contexte_.noms->partieNom(position) == t.nom &&
           debutDeMots(contexte_.noms->partiePrenoms(position), t.prenoms);
}

bool SelectionPersonne::correspondLarge(const ClesTapees& t, std::size_t position) const {
    return contexte_.nomsLarges && contexte_.nomsLarges().cleA(position) == t.nom &&
           debutDeMots(contexte_.noms->partiePrenoms(position), t.prenoms);
}

bool SelectionPersonne::retenue(const EtatSelection& etat, std::size_t position) const {
    return !etat.sommetBranche || contexte_.base->TetesDeBranche().contient(personneA(parPhonetique(etat), position));
}

void SelectionPersonne::choisir(EtatSelection& etat, std::int32_t personne) const {
    etat.nom = nomDe(static_cast<std::uint32_t>(personne));
    etat.prenoms = prenomsDe(static_cast<std::uint32_t>(personne));
    chercher(etat);
    etat.personne = personne;
    etat.trouve = true;
}

bool SelectionPersonne::chercher(EtatSelection& etat) const {
    etat.personne = -1;
    etat.trouve = false;
    // Des prénoms sans nom de famille désignent les personnes qui n'en ont pas ; rien de tapé
    // ne désigne personne.
    ClesTapees t = clesDe(etat);
    if (t.nom.empty() && t.prenoms.empty()) return false;
    return trouverPremiere(etat, t);
}

bool SelectionPersonne::trouverPremiere(EtatSelection& etat, const ClesTapees& t) const {
    if (etat.phonetiqueLarge) {
        for (std::size_t p = 0; p < tailleIndex(false); ++p) {
            if (!correspondLarge(t, p) || !retenue(etat, p)) continue;
            etat.position = p;
            etat.trouve = true;
            break;
        }
        return etat.trouve;
    }
    std::string cle = cle_index::composer(t.nom, t.prenoms);
    std::size_t p = etat.phonetique ? contexte_.phonetique().ChercherCle(cle) : contexte_.noms->ChercherNom(cle);
    for (; p < tailleIndex(etat.phonetique) && correspond(etat, p); ++p) {
        if (!retenue(etat, p)) continue;
        etat.position = p;
        etat.trouve = true;
        break;
    }
    return etat.trouve;
}

std::vector<std::uint32_t> SelectionPersonne::candidats(const EtatSelection& etat) const {
    std::vector<std::uint32_t> liste;
    if (!etat.trouve) return liste;
    const bool phonetique = parPhonetique(etat);
    const ClesTapees t = clesDe(etat);
    for (std::size_t p = etat.position; p < tailleIndex(phonetique); ++p) {
        if (etat.phonetiqueLarge ? !correspondLarge(t, p) : !correspond(etat, p)) {
            if (etat.phonetiqueLarge) continue;
            break;
        }
        if (!retenue(etat, p)) continue;
        liste.push_back(personneA(phonetique, p));
        if (liste.size() == EtatSelection::kHomonymesMax) break;
    }
    return liste;
}

std::int32_t SelectionPersonne::valider(const EtatSelection& etat) const {
    if (etat.personne > 0) return etat.personne;
    auto liste = candidats(etat);
    return liste.size() == 1 ? static_cast<std::int32_t>(liste[0]) : -1;
}

std::vector<std::string> SelectionPersonne::nomsDeFamille(bool sommetBranche) const {
    std::vector<std::string> noms;
    const IndexNoms& index = *contexte_.noms;
    std::uint32_t dernier = UINT32_MAX;
    for (std::size_t p = 0; p < index.taille(); ++p) {
        if (index.entree(p).nom == dernier) continue;
        if (sommetBranche && !contexte_.base->TetesDeBranche().contient(index.personne(p))) continue;
        dernier = index.entree(p).nom;
        noms.push_back(nomDe(index.personne(p)));
    }
    return noms;
}

std::vector<std::string> SelectionPersonne::prenomsDuNom(const std::string& nom, bool sommetBranche) const {
    EtatSelection etat;
    etat.nom = nom;
    etat.sommetBranche = sommetBranche;
    std::vector<std::string> prenoms;
    // Nom de famille vide : les prénoms des personnes qui n'en ont pas.
    if (!trouverPremiere(etat, clesTapees(etat))) return prenoms;
    const IndexNoms& index = *contexte_.noms;
    std::uint32_t dernier = UINT32_MAX;
    for (std::size_t p = etat.position; p < index.taille() && correspond(etat, p); ++p) {
        if (!retenue(etat, p) || index.entree(p).prenoms == dernier) continue;
        dernier = index.entree(p).prenoms;
        prenoms.push_back(prenomsDe(index.personne(p)));
    }
    return prenoms;
}

std::string SelectionPersonne::nomDe(std::uint32_t personne) const {
    const BaseGenealogique& b = *contexte_.base;
    std::string nom = b.LireTexte(TableNoms, b.LireIndividu(personne).nom);
    if (contexte_.casseAutomatique) FormaterNom(nom);
    return nom;
}

std::string SelectionPersonne::prenomsDe(std::uint32_t personne) const {
    const BaseGenealogique& b = *contexte_.base;
    std::string prenoms = b.LireTexte(TablePrenoms, b.LireIndividu(personne).prenoms);
    if (contexte_.casseAutomatique) FormaterPrenoms(prenoms);
    return prenoms;
}

}  // namespace lignara
