#include "documents/listes/TextesListe.h"

#include <algorithm>
#include <limits>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "dates/DateFormat.h"
#include "documents/arbres/TextesBoites.h"

namespace lignara {

namespace {

struct Demande {
    std::uint32_t ref = 0;
    std::size_t indice = 0;
    TexteCharge texte;
};

// Textes d'une table pour des références données, rangés à l'indice de chaque demande.
void lireTable(const BaseGenealogique& base, std::vector<Demande>& demandes, TableTexte table,
               std::vector<std::string>& cibles) {
    base.ChargerTextes(demandes, &Demande::ref, &Demande::texte, table);
    for (Demande& d : demandes) cibles[d.indice] = *d.texte;
}

// Dates et lieux d'événements : numéro d'événement → (date, lieu), triés par numéro.
struct TexteEvenementLu {
    std::uint32_t numero = 0;
    std::string date;
    std::string lieu;
};

std::vector<TexteEvenementLu> lireEvenements(const BaseGenealogique& base, std::vector<std::uint32_t> numeros,
                                             std::uint8_t donnees) {
    std::sort(numeros.begin(), numeros.end());
    numeros.erase(std::unique(numeros.begin(), numeros.end()), numeros.end());
    if (!numeros.empty() && numeros.front() == 0) numeros.erase(numeros.begin());
    std::vector<TexteEvenementLu> lus(numeros.size());
    std::vector<Demande> lieux;
    for (std::size_t i = 0; i < numeros.size(); ++i) {
        const Evenement ev = base.LireEvenement(numeros[i]);
        lus[i].numero = numeros[i];
        if ((donnees & 1) && !ev.date.absente()) lus[i].date = texteDate(ev.date, FormatJourMois);
        if ((donnees & 2) && ev.lieu) lieux.push_back({ev.lieu, i, {}});
    }
    std::vector<std::string> textes(lus.size());
    lireTable(base, lieux, TableLieux, textes);
    for (std::size_t i = 0; i < lus.size(); ++i) lus[i].lieu = lieuLisible(textes[i]);
    return lus;
}

const TexteEvenementLu* chercher(const std::vector<TexteEvenementLu>& lus, std::uint32_t numero) {
    auto it = std::lower_bound(lus.begin(), lus.end(), numero,
                               [](const TexteEvenementLu& e, std::uint32_t n) { return e.numero < n; });
    return it != lus.end() && it->numero == numero ? &*it : nullptr;
}

std::string joindre(std::string_view a, std::string_view separateur, std::string_view b) {
    std::string t(a);
    if (!a.empty() && !b.empty()) t += separateur;
    t += b;
    return t;
}

std::string texteLu(const TexteEvenementLu* e, std::string_view separateur) {
    return e ? joindre(e->date, separateur, e->lieu) : std::string();
}

}  // namespace

TextesListe::Place TextesListe::ranger(std::string_view texte) {
    if (reserve_.size() + texte.size() > std::numeric_limits<std::uint32_t>::max())
        throw OperationImpossible("Mémoire insuffisante"_1252);
    Place p{static_cast<std::uint32_t>(reserve_.size()), static_cast<std::uint32_t>(texte.size())};
    reserve_ += texte;
    return p;
}

void TextesListe::chargerPersonnes(const BaseGenealogique& base, std::vector<std::uint32_t> personnes,
                                   const FormeDetails& forme) {
    std::sort(personnes.begin(), personnes.end());
    personnes.erase(std::unique(personnes.begin(), personnes.end()), personnes.end());
    if (!personnes.empty() && personnes.front() == 0) personnes.erase(personnes.begin());
    const std::uint8_t d = forme.donnees;
    const std::size_t n = personnes.size();
    std::vector<Individu> fiches(n);
    std::vector<Demande> noms, prenoms, professions, commentaires;
    std::vector<std::uint32_t> evenements;
    for (std::size_t i = 0; i < n; ++i) {
        const Individu ind = fiches[i] = base.LireIndividu(personnes[i]);
        noms.push_back({ind.nom, i, {}});
        prenoms.push_back({ind.prenoms, i, {}});
        if ((d & 4) && ind.profession) professions.push_back({ind.profession, i, {}});
        if ((d & 8) && ind.commentaire) commentaires.push_back({ind.commentaire, i, {}});
        if (d & 3) {
            evenements.push_back(ind.naissance);
            evenements.push_back(ind.deces);
        }
    }
    std::vector<std::string> tNoms(n), tPrenoms(n), tProfessions(n), tCommentaires(n);
    lireTable(base, noms, TableNoms, tNoms);
    lireTable(base, prenoms, TablePrenoms, tPrenoms);
    lireTable(base, professions, TableProfessions, tProfessions);
    lireTable(base, commentaires, TableCommentaires, tCommentaires);
    const auto lus = lireEvenements(base, std::move(evenements), d);
    personnes_.clear();
    personnes_.reserve(n);
    std::string details;
    for (std::size_t i = 0; i < n; ++i) {
        details.clear();
        if (d & 3) {
            auto ou = [&](std::uint32_t e) {
                std::string t = texteLu(e ? chercher(lus, e) : nullptr, " ");
                return t.empty() ? std::string("..") : t;
            };
            details += forme.ouverture;
            details += ou(fiches[i].naissance);
            details += forme.separateur;
            details += ou(fiches[i].deces);
            details += forme.fermeture;
        }
        if (!tProfessions[i].empty()) details += ", " + tProfessions[i];
        if (!tCommentaires[i].empty()) details += ", " + tCommentaires[i];
        Fiche f;
        f.numero = personnes[i];
        f.nom = ranger(joindre(tNoms[i], " ", tPrenoms[i]));
        f.details = ranger(details);
        f.sexe = fiches[i].sexe;
        personnes_.push_back(f);
    }
}

void TextesListe::chargerMariages(const BaseGenealogique& base, std::vector<std::uint32_t> evenements,
                                  std::uint8_t donnees) {
    const auto lus = lireEvenements(base, std::move(evenements), donnees);
    mariages_.clear();
    mariages_.reserve(lus.size());
    for (const TexteEvenementLu& e : lus) mariages_.emplace_back(e.numero, ranger(texteLu(&e, "   ")));
}

TextesPersonne TextesListe::personne(std::uint32_t numero) const {
    auto it = std::lower_bound(personnes_.begin(), personnes_.end(), numero,
                               [](const Fiche& f, std::uint32_t n) { return f.numero < n; });
    if (it == personnes_.end() || it->numero != numero) return {};
    return {vue(it->nom), vue(it->details), it->sexe};
}

std::string_view TextesListe::mariage(std::uint32_t evenement) const {
    auto it = std::lower_bound(mariages_.begin(), mariages_.end(), evenement,
                               [](const auto& m, std::uint32_t n) { return m.first < n; });
    if (it == mariages_.end() || it->first != evenement) return {};
    return vue(it->second);
}

}  // namespace lignara
