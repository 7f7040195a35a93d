#include "documents/ReferenceLigneCommande.h"

#include <charconv>
#include <vector>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "parente/NomAffiche.h"

namespace lignara {

namespace {

std::string_view sansBlancs(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool entier(std::string_view s, int& v, int minimum, int maximum) {
    if (s.empty() || s.size() > 5) return false;
    auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && fin == s.data() + s.size() && v >= minimum && v <= maximum;
}

[[noreturn]] void dateIllisible(std::string_view date) {
    throw OperationImpossible("Date de naissance illisible : "_1252 + std::string(date) +
                              " (attendu JJ/MM/AAAA ou AAAA)"_1252);
}

// « JJ/MM/AAAA » ou « AAAA ».
void lireDate(std::string_view date, ReferenceLigneCommande& r) {
    std::vector<std::string_view> parties;
    for (std::size_t debut = 0;;) {
        std::size_t barre = date.find('/', debut);
        parties.push_back(date.substr(debut, barre == std::string_view::npos ? std::string_view::npos : barre - debut));
        if (barre == std::string_view::npos) break;
        debut = barre + 1;
    }
    int j = 0, m = 0, a = 0;
    if (parties.size() == 3) {
        if (!entier(parties[0], j, 0, 31) || !entier(parties[1], m, 0, 12)) dateIllisible(date);
        parties.erase(parties.begin(), parties.begin() + 2);
    }
    if (parties.size() != 1 || !entier(parties[0], a, -9999, 9999) || a == 0) dateIllisible(date);
    r.dateDonnee = true;
    r.jour = static_cast<std::uint8_t>(j);
    r.mois = static_cast<std::uint8_t>(m);
    r.annee = static_cast<std::int16_t>(a);
}

std::string designation(const ReferenceLigneCommande& r) {
    if (r.prenoms.empty()) return "/" + r.nom + "/";
    return r.prenoms + " /" + r.nom + "/";
}

[[noreturn]] void homonymes(const ReferenceLigneCommande& r, const std::vector<std::uint32_t>& personnes,
                            const BaseGenealogique& base, const IdentifiantsPersonnes* identifiants) {
    std::string m = "Plusieurs personnes répondent à « "_1252 + designation(r) + " » :\n"_1252;
    for (std::uint32_t p : personnes) m += "- " + presentationPersonne(base, p, identifiants) + "\n";
    m += "Ajoutez la date de naissance (JJ/MM/AAAA ou AAAA) après le nom pour choisir."_1252;
    throw OperationImpossible(m);
}

}  // namespace

std::string presentationPersonne(const BaseGenealogique& base, std::uint32_t personne,
                                 const IdentifiantsPersonnes* identifiants) {
    std::string texte = nomAffiche(base, personne) + ", " + texteNaissance(base, personne);
    std::string id = identifiants ? identifiants->identifiant(personne) : std::string();
    if (!id.empty()) texte += " (" + id + ")";
    return texte;
}

ReferenceLigneCommande ReferenceLigneCommande::lire(std::string_view texte) {
    ReferenceLigneCommande r;
    texte = sansBlancs(texte);
    if (!texte.empty() && texte.front() == '@') {
        r.identifiant = std::string(sansBlancs(texte.substr(
            1, texte.find('@', 1) == std::string_view::npos ? std::string_view::npos : texte.find('@', 1) - 1)));
        if (r.identifiant.empty()) throw OperationImpossible("Identifiant Gedcom vide"_1252);
        return r;
    }
    std::size_t barre = texte.find('/');
    if (barre == std::string_view::npos) {
        r.prenoms = std::string(texte);  // pas de nom entre '/' : tout est prénoms, comme à l'import
    } else {
        r.prenoms = std::string(sansBlancs(texte.substr(0, barre)));
        std::size_t fin = texte.find('/', barre + 1);
        r.nom = std::string(sansBlancs(
            texte.substr(barre + 1, fin == std::string_view::npos ? std::string_view::npos : fin - barre - 1)));
        std::string_view reste = fin == std::string_view::npos ? std::string_view() : sansBlancs(texte.substr(fin + 1));
        // Après le nom, le fichier peut écrire un suffixe (« II », « Sr »), que l'import ne garde
        // pas ; un dernier mot qui a des chiffres est la date de naissance.
        std::string_view dernier =
            reste.substr(reste.find_last_of(" \t") == std::string_view::npos ? 0 : reste.find_last_of(" \t") + 1);
        if (dernier.find_first_of("0123456789") != std::string_view::npos) lireDate(dernier, r);
    }
    if (r.nom.empty() && r.prenoms.empty())
        throw OperationImpossible("Personne non désignée : donnez « Prénoms /Nom/ » ou un identifiant « @I1@ »"_1252);
    return r;
}

std::uint32_t resoudrePersonne(std::string_view texte, const BaseGenealogique& base, const IndexNoms& index,
                               const IdentifiantsPersonnes* identifiants) {
    ReferenceLigneCommande r = ReferenceLigneCommande::lire(texte);
    if (!r.identifiant.empty()) {
        if (!identifiants) throw OperationImpossible("Les identifiants Gedcom ne sont pas connus pour cette base"_1252);
        std::uint32_t n = identifiants->numero(base, r.identifiant);
        if (n == 0) throw OperationImpossible("Identifiant inconnu dans le fichier : @"_1252 + r.identifiant + "@");
        return n;
    }
    std::string cle = IndexNoms::cleDe(r.nom, r.prenoms);
    if (r.dateDonnee) {
        std::ptrdiff_t position = index.ChercherPersonne(base, cle, r.jour, r.mois, r.annee);
        if (position < 0)
            throw OperationImpossible("Aucune personne « "_1252 + designation(r) + " » née à cette date"_1252);
        return index.personne(static_cast<std::size_t>(position));
    }
    std::vector<std::uint32_t> trouvees;
    for (std::size_t p = index.ChercherNom(cle); p < index.taille() && index.cle(p) == cle; ++p)
        trouvees.push_back(index.personne(p));
    if (trouvees.empty()) throw OperationImpossible("Personne introuvable : « "_1252 + designation(r) + " »"_1252);
    if (trouvees.size() > 1) homonymes(r, trouvees, base, identifiants);
    return trouvees.front();
}

}  // namespace lignara
