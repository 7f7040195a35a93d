#include "session/PersonnesTrouvees.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "database/CleNom.h"
#include "database/ClePhonetique.h"

namespace lignara {

namespace {

bool commencePar(std::string_view texte, std::string_view debut) { return texte.substr(0, debut.size()) == debut; }

PersonneTrouvee decrire(const BaseGenealogique& base, const TablesDerivees& tables, std::uint32_t numero) {
    Individu i = base.LireIndividu(numero);
    PersonneTrouvee p;
    p.numero = numero;
    p.nom = base.LireTexte(TableNoms, i.nom);
    p.prenoms = base.LireTexte(TablePrenoms, i.prenoms);
    if (numero < tables.anneesNaissance.size()) p.anneeEstimee = tables.AnneeNaissanceEstimee(numero);
    if (numero < tables.statutsVitaux.size()) p.statut = tables.StatutVital(numero);
    return p;
}

// Positions de l'index des noms retenues ; la clé des prénoms est la partie après l'octet 31.
std::vector<std::uint32_t> parNom(const IndexNoms& index, const CriteresPersonnes& c) {
    std::string cleNom = CleNom(c.nom), clePrenoms = CleNom(c.prenoms);
    std::vector<std::uint32_t> personnes;
    for (std::size_t i = index.ChercherNom(cleNom); i < index.taille() && commencePar(index.partieNom(i), cleNom); ++i)
        if (commencePar(index.partiePrenoms(i), clePrenoms)) personnes.push_back(index.personne(i));
    return personnes;
}

std::vector<std::uint32_t> parSon(const IndexPhonetique& index, const CriteresPersonnes& c) {
    std::string cle = ClePhonetique(c.nom), clePrenoms = CleNom(c.prenoms);
    std::vector<std::uint32_t> personnes;
    std::size_t i = c.nom.empty() ? 0 : index.ChercherCle(cle);
    for (; i < index.taille() && (c.nom.empty() || index.partieNom(i) == cle); ++i) {
        std::string cleNom = index.cleNom(i);
        std::size_t separation = cleNom.find('\x1f');
        std::string_view prenoms =
            separation == std::string::npos ? std::string_view() : std::string_view(cleNom).substr(separation + 1);
        if (commencePar(prenoms, clePrenoms)) personnes.push_back(index.personne(i));
    }
    return personnes;
}

void rangerCommeLesNoms(const IndexNoms& index, std::vector<std::uint32_t>& numeros) {
    std::uint32_t plusGrand = 0;
    for (std::uint32_t n : numeros) plusGrand = std::max(plusGrand, n);
    std::vector<std::size_t> rang(std::size_t{plusGrand} + 1, index.taille());
    for (std::size_t i = 0; i < index.taille(); ++i)
        if (index.personne(i) <= plusGrand) rang[index.personne(i)] = i;
    std::stable_sort(numeros.begin(), numeros.end(),
                     [&rang](std::uint32_t a, std::uint32_t b) { return rang[a] < rang[b]; });
}

}  // namespace

std::vector<PersonneTrouvee> chercherPersonnes(FichierOuvert& fichier, const CriteresPersonnes& criteres) {
    const TablesDerivees& tables = fichier.attendreTablesDerivees();
    std::vector<std::uint32_t> numeros =
        criteres.phonetique ? parSon(fichier.indexPhonetique(), criteres) : parNom(fichier.indexNoms(), criteres);
    // L'index phonétique range par son : la liste, elle, suit toujours l'ordre de l'index des
    // noms (nom puis prénoms), avec ou sans recherche par le son.
    if (criteres.phonetique) rangerCommeLesNoms(fichier.indexNoms(), numeros);
    std::vector<PersonneTrouvee> trouvees;
    trouvees.reserve(numeros.size());
    for (std::uint32_t n : numeros) trouvees.push_back(decrire(fichier.base(), tables, n));
    return trouvees;
}

std::vector<PersonneTrouvee> toutesLesPersonnes(const BaseGenealogique& base, const TablesDerivees& tables) {
    std::vector<PersonneTrouvee> personnes;
    personnes.reserve(base.nombreIndividus());
    for (std::uint32_t n = 1; n <= base.nombreIndividus(); ++n) personnes.push_back(decrire(base, tables, n));
    return personnes;
}

std::string ligneDePersonne(const PersonneTrouvee& p) {
    std::string annee = p.anneeEstimee == 9999 ? std::string("?") : std::to_string(p.anneeEstimee);
    return std::to_string(p.numero) + '\t' + p.nom + '\t' + p.prenoms + '\t' + annee + '\t' + p.statut;
}

}  // namespace lignara
