#include "documents/listes/Cousins.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <unordered_map>

#include "commun/PliageAccents.h"
#include "commun/Texte.h"
#include "database/CleNom.h"
#include "database/Parente.h"
#include "documents/statistiques/Siecles.h"
#include "gedcom/LieuTables.h"
#include "parente/DegresParente.h"

namespace lignara {

namespace {

constexpr std::int64_t kEnDernier = std::numeric_limits<std::int64_t>::max();

// Clé de tri d'une entrée : groupe (numéro puis texte), puis ordre (numéro puis texte), puis
// rang dans la marche.
struct Cle {
    std::int64_t groupe = 0;
    std::string cleGroupe;
    std::string titre;
    std::int64_t ordre = 0;
    std::string cleOrdre;
};

struct Demande {
    std::uint32_t ref = 0;
    std::size_t indice = 0;
    TexteCharge texte;
};

void lireTable(const BaseGenealogique& base, std::vector<Demande> demandes, TableTexte table,
               std::vector<std::string>& cibles) {
    base.ChargerTextes(demandes, &Demande::ref, &Demande::texte, table);
    for (const Demande& d : demandes) cibles[d.indice] = *d.texte;
}

// Capitales sans accent, le reste en blancs : la comparaison des zones et de « sans profession ».
std::string plier(std::string_view texte) {
    std::string s;
    for (char c : texte) {
        const char base = lettreDeBase(c);
        const char mis = base != 0 ? base : (c >= '0' && c <= '9' ? c : ' ');
        if (mis == ' ' && (s.empty() || s.back() == ' ')) continue;
        s.push_back(mis);
    }
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

std::string cleDuNom(const EntreeCousin& e) { return CleNom(e.nom) + '\x1F' + CleNom(e.prenoms); }

Cle cleParNom(const EntreeCousin& e) {
    Cle c;
    c.cleOrdre = cleDuNom(e);
    const std::string nom = plier(e.nom);
    if (!nom.empty() && nom[0] >= 'A' && nom[0] <= 'Z') {
        c.cleGroupe = nom.substr(0, 1);
        c.titre = c.cleGroupe;
    } else {
        c.groupe = 1;
        c.titre = "?";
    }
    return c;
}

// Année, mois et jour de naissance retenus pour le tri ; année 0 quand il n'y en a aucune.
struct DateTri {
    std::int32_t annee = 0;
    std::int32_t mois = 0;
    std::int32_t jour = 0;
};

DateTri dateDeNaissance(const BaseGenealogique& base, const Individu& ind, std::uint32_t personne,
                        const std::vector<std::int16_t>* annees) {
    if (ind.naissance != 0) {
        const DateGed d = base.LireEvenement(ind.naissance).date;
        if (!d.absente() && d.qualificatif != DateEntre)
            return {d.annee, std::min<std::int32_t>(d.mois, 12), std::min<std::int32_t>(d.jour, 31)};
    }
    if (annees && personne < annees->size() && (*annees)[personne] != 9999) return {(*annees)[personne], 0, 0};
    return {};
}

Cle cleParDate(const DateTri& d) {
    Cle c;
    if (d.annee == 0) {
        c.groupe = kEnDernier;
        c.titre = "Date inconnue";
        return c;
    }
    c.ordre = (std::int64_t{d.annee} * 12 + d.mois) * 31 + d.jour;
    if (d.annee < 1) {
        c.groupe = 0;
        c.titre = "Avant J.C.";
        return c;
    }
    c.groupe = d.annee / 100 + 1;
    c.titre = siecleRomain(d.annee / 100) + " siècle"_1252;
    return c;
}

// Zone d'un texte de la table des lieux : le département d'un lieu de France qui en a un,
// sinon le pays ; vide quand le code n'est pas connu.
std::string zoneDuLieu(const std::string& lieu) {
    if (lieu.size() < 2) return {};
    const CodePays pays(lieu[0], lieu[1]);
    if (!pays.connu()) return {};
    if (pays == CodePays("FR") && lieu.size() >= 3 && lieu[2] != ' ') {
        const std::string_view departement = nomSubdivision(pays, static_cast<std::uint8_t>(lieu[2]));
        if (!departement.empty()) return std::string(departement);
    }
    return std::string(nomPays(pays));
}

class Zones {
public:
    explicit Zones(const BaseGenealogique& base) : base_(base) {}

    std::string zone(const Individu& ind, std::uint32_t personne) {
        for (std::uint32_t e : {ind.naissance, ind.deces}) {
            std::string z = deEvenement(e);
            if (!z.empty()) return z;
        }
        if (ind.premiereFamille == 0) return {};
        for (const FamilleConjoint& f : Conjoints(base_, personne)) {
            std::string z = deEvenement(f.mariage);
            if (!z.empty()) return z;
        }
        return {};
    }

private:
    std::string deEvenement(std::uint32_t e) {
        if (e == 0) return {};
        const std::uint32_t lieu = base_.LireEvenement(e).lieu;
        if (lieu == 0) return {};
        auto it = lieux_.find(lieu);
        if (it == lieux_.end()) it = lieux_.emplace(lieu, zoneDuLieu(base_.LireTexte(TableLieux, lieu))).first;
        return it->second;
    }

    const BaseGenealogique& base_;
    std::unordered_map<std::uint32_t, std::string> lieux_;
};

Cle cleParZone(const EntreeCousin& e, const std::string& zone) {
    Cle c;
    c.cleOrdre = cleDuNom(e);
    if (zone.empty()) {
        c.groupe = 1;
        c.titre = "Autres lieux";
        return c;
    }
    c.cleGroupe = plier(zone);
    c.titre = zone;
    return c;
}

Cle cleParCategorie(const EntreeCousin& e, CategorieAutomate* categories) {
    Cle c;
    c.cleOrdre = cleDuNom(e);
    const std::string profession = plier(e.profession);
    if (profession.empty() || profession == "SANS PROFESSION") {
        c.groupe = 1001;
        c.titre = "Sans profession";
        return c;
    }
    const std::vector<std::uint8_t> trouvees =
        categories ? categories->categoriesDuTexte(e.profession) : std::vector<std::uint8_t>{};
    if (trouvees.empty() || trouvees[0] >= categories->noms().size()) {
        c.groupe = 1000;
        c.titre = "Autres professions";
        return c;
    }
    c.groupe = trouvees[0];
    c.titre = categories->noms()[trouvees[0]];
    return c;
}

// Les personnes listées, dans l'ordre de la marche, avec leurs textes.
std::vector<EntreeCousin> parcourir(const ReglesCousins& r, std::vector<Individu>& fiches) {
    const BaseGenealogique& base = *r.base;
    EnsemblePersonnes visites(base.nombreIndividus());
    std::vector<EntreeCousin> entrees;
    for (const DegreParente& d : parcourirDegresParente(base, r.racine, r.degreMax, visites, r.alliances)) {
        if (d.ligneDirecte && !r.ascendantsDirects) continue;
        if (d.alliance && !r.alliances) continue;
        EntreeCousin& e = entrees.emplace_back();
        e.personne = d.personne;
        e.degre = d.degre;
        e.ligneDirecte = d.ligneDirecte;
        e.alliance = d.alliance;
    }
    const std::size_t n = entrees.size();
    fiches.resize(n);
    std::vector<Demande> noms, prenoms, professions;
    for (std::size_t i = 0; i < n; ++i) {
        fiches[i] = base.LireIndividu(entrees[i].personne);
        entrees[i].sexe = fiches[i].sexe;
        noms.push_back({fiches[i].nom, i, {}});
        prenoms.push_back({fiches[i].prenoms, i, {}});
        professions.push_back({fiches[i].profession, i, {}});
    }
    std::vector<std::string> tNoms(n), tPrenoms(n), tProfessions(n);
    lireTable(base, std::move(noms), TableNoms, tNoms);
    lireTable(base, std::move(prenoms), TablePrenoms, tPrenoms);
    lireTable(base, std::move(professions), TableProfessions, tProfessions);
    for (std::size_t i = 0; i < n; ++i) {
        entrees[i].nom = std::move(tNoms[i]);
        entrees[i].prenoms = std::move(tPrenoms[i]);
        entrees[i].profession = std::move(tProfessions[i]);
    }
    return entrees;
}

}  // namespace

std::string siecleRomain(int siecle) {
    const std::string table = numeroSiecle(siecle);
    if (!table.empty()) return table;
    if (siecle < 0 || siecle > 3998) return {};
    static const char* const kCentaines[] = {"", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"};
    static const char* const kDizaines[] = {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"};
    static const char* const kUnites[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
    const int n = siecle + 1;
    return std::string(static_cast<std::size_t>(n / 1000), 'M') + kCentaines[n / 100 % 10] + kDizaines[n / 10 % 10] +
           kUnites[n % 10] + "°"_1252;
}

ListeCousinsConstruite construireListeCousins(const ReglesCousins& r) {
    std::vector<Individu> fiches;
    std::vector<EntreeCousin> entrees = parcourir(r, fiches);
    std::vector<Cle> cles(entrees.size());
    Zones zones(*r.base);
    for (std::size_t i = 0; i < entrees.size(); ++i) {
        const EntreeCousin& e = entrees[i];
        switch (r.tri) {
            case TriCousins::Degre:
                cles[i].groupe = e.degre;
                cles[i].titre = std::to_string(e.degre) + "° degré"_1252;
                break;
            case TriCousins::Nom: cles[i] = cleParNom(e); break;
            case TriCousins::Date:
                cles[i] = cleParDate(dateDeNaissance(*r.base, fiches[i], e.personne, r.anneesNaissance));
                break;
            case TriCousins::Pays: cles[i] = cleParZone(e, zones.zone(fiches[i], e.personne)); break;
            case TriCousins::Categorie: cles[i] = cleParCategorie(e, r.categories); break;
        }
    }
    std::vector<std::size_t> ordre(entrees.size());
    for (std::size_t i = 0; i < ordre.size(); ++i) ordre[i] = i;
    auto tuple = [&](std::size_t i) {
        const Cle& c = cles[i];
        return std::tie(c.groupe, c.cleGroupe, c.ordre, c.cleOrdre);
    };
    std::stable_sort(ordre.begin(), ordre.end(), [&](std::size_t a, std::size_t b) { return tuple(a) < tuple(b); });

    ListeCousinsConstruite liste;
    liste.entrees.reserve(entrees.size());
    for (std::size_t k = 0; k < ordre.size(); ++k) {
        const std::size_t i = ordre[k];
        const bool nouveau = k == 0 || std::tie(cles[i].groupe, cles[i].cleGroupe) !=
                                           std::tie(cles[ordre[k - 1]].groupe, cles[ordre[k - 1]].cleGroupe);
        if (nouveau) liste.titres.push_back(cles[i].titre);
        liste.entrees.push_back(std::move(entrees[i]));
        liste.entrees.back().groupe = static_cast<std::uint32_t>(liste.titres.size() - 1);
    }
    return liste;
}

}  // namespace lignara
