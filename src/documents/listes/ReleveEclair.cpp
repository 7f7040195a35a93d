#include "documents/listes/ReleveEclair.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "gedcom/LieuTables.h"

namespace lignara {

namespace {

std::string_view sansBlancs(std::string_view t) {
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    return t;
}

// Relevés d'un patronyme en cours, par lieu.
class Releves {
public:
    void ajouter(const std::string& lieu, std::int16_t annee) {
        if (annee == 0) return;
        auto [it, nouveau] = lieux_.try_emplace(lieu, LieuEclair{lieu, annee, annee});
        if (nouveau) return;
        it->second.premiere = std::min(it->second.premiere, annee);
        it->second.derniere = std::max(it->second.derniere, annee);
    }
    bool vide() const { return lieux_.empty(); }
    // Triés par texte, « Autres lieux » (clé vide, la première de la table) en dernier.
    std::vector<LieuEclair> rendre() {
        std::vector<LieuEclair> v;
        v.reserve(lieux_.size());
        for (auto& [cle, l] : lieux_)
            if (!cle.empty()) v.push_back(std::move(l));
        if (auto autres = lieux_.find(std::string()); autres != lieux_.end()) v.push_back(autres->second);
        lieux_.clear();
        return v;
    }

private:
    std::map<std::string, LieuEclair> lieux_;
};

}  // namespace

std::string lieuEclair(const std::string& texteLieu, bool parZone, CodePays paysParDefaut) {
    const bool code = texteLieu.size() >= 3;
    const CodePays pays = code ? CodePays(texteLieu[0], texteLieu[1]) : kPaysInconnu;
    const auto subdivision = static_cast<std::uint8_t>(code ? texteLieu[2] : ' ');
    if (!parZone) {
        std::string_view lisible = code ? std::string_view(texteLieu).substr(3) : std::string_view(texteLieu);
        lisible = sansBlancs(lisible.substr(0, lisible.find(',')));
        if (!lisible.empty()) return std::string(lisible);
        return std::string(nomPays(pays));
    }
    if (pays == CodePays("FR") && subdivision != ' ' && subdivision != 0) {
        const std::string_view departement = nomSubdivision(pays, subdivision);
        if (!departement.empty()) return std::string(departement);
    }
    if (pays.connu() && !(pays == paysParDefaut)) return std::string(nomPays(pays));
    return {};
}

std::vector<PatronymeEclair> releverListeEclair(const ReglesEclair& regles) {
    const BaseGenealogique& base = *regles.base;
    const IndexNoms& index = *regles.index;
    const std::uint32_t familles = base.nombreFamilles(), evenements = base.nombreEvenements();
    std::unordered_map<std::uint32_t, std::string> cles;  // référence de lieu → clé
    std::vector<PatronymeEclair> sortie;
    Releves releves;
    auto relever = [&](std::uint32_t e) {
        if (e == 0 || e > evenements) return;
        const Evenement ev = base.LireEvenement(e);
        if (ev.lieu == 0 || ev.date.absente()) return;
        auto [it, nouvelle] = cles.try_emplace(ev.lieu);
        if (nouvelle)
            it->second = lieuEclair(base.LireTexte(TableLieux, ev.lieu), regles.parZone, regles.paysParDefaut);
        if (ev.date.qualificatif == DateEntre) releves.ajouter(it->second, ev.date.premiereAnnee());
        releves.ajouter(it->second, ev.date.annee);
    };
    std::size_t pos = 0;
    while (pos < index.taille()) {
        const std::uint32_t rangNom = index.entree(pos).nom;
        std::uint32_t premier = 0;
        for (; pos < index.taille() && index.entree(pos).nom == rangNom; ++pos) {
            const std::uint32_t p = index.personne(pos);
            const auto* statuts = regles.statutsVitaux;
            if (statuts && p < statuts->size() && (*statuts)[p] == 'v') continue;
            if (premier == 0) premier = p;
            const Individu ind = base.LireIndividu(p);
            relever(ind.naissance);
            relever(ind.deces);
            // Chaîne des unions, bornée par le nombre de fiches même quand elle est abîmée.
            std::uint32_t f = ind.premiereFamille;
            for (std::uint32_t pas = 0; f != 0 && f <= familles && pas < familles; ++pas) {
                const Famille fiche = base.LireFamille(f);
                relever(fiche.mariage);
                f = fiche.suivante > 0 ? static_cast<std::uint32_t>(fiche.suivante) : 0;
            }
        }
        if (releves.vide()) continue;
        sortie.push_back({base.LireTexte(TableNoms, base.LireIndividu(premier).nom), releves.rendre()});
    }
    return sortie;
}

}  // namespace lignara
