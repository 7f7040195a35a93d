#pragma once
// Petit arbre d'essai écrit par EcrivainBase aux liens cohérents : anneaux de fratrie dans l'ordre des
// enfants donnés, une fiche Famille par conjoint présent, chaînes de fiches dans l'ordre des couples.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "database/EcrivainBase.h"

namespace lignara::essai {

class ArbreEssai {
public:
    struct Personne {
        char sexe = ' ';
        DateGed naissance;
        DateGed deces;
        std::string nom;
        std::string prenoms;
    };
    struct Couple {
        std::uint32_t mari = 0;
        std::uint32_t femme = 0;
        std::vector<std::uint32_t> enfants;
        DateGed mariage;
    };

    // Rend le numéro de la personne (1, 2, …).
    std::uint32_t personne(char sexe, DateGed naissance = {}, DateGed deces = {}, std::string nom = {},
                           std::string prenoms = {}) {
        personnes_.push_back({sexe, naissance, deces, std::move(nom), std::move(prenoms)});
        return static_cast<std::uint32_t>(personnes_.size());
    }
    void couple(std::uint32_t mari, std::uint32_t femme, std::vector<std::uint32_t> enfants, DateGed mariage = {}) {
        couples_.push_back({mari, femme, std::move(enfants), mariage});
    }

    BaseGenealogique construire(const std::filesystem::path& dossier) const {
        std::vector<Individu> individus(personnes_.size() + 1);
        std::vector<Famille> fiches;
        std::vector<Evenement> evenements;
        auto evenement = [&](const DateGed& d) -> std::uint32_t {
            if (d.absente()) return 0;
            evenements.push_back({d, 0, 0, 0});
            return static_cast<std::uint32_t>(evenements.size());
        };
        for (std::uint32_t n = 1; n < individus.size(); ++n) {
            const Personne& p = personnes_[n - 1];
            individus[n].sexe = static_cast<std::uint8_t>(p.sexe);
            individus[n].naissance = evenement(p.naissance);
            individus[n].deces = evenement(p.deces);
            individus[n].fratrie = -static_cast<std::int32_t>(n);
        }
        std::vector<std::vector<std::uint32_t>> chaines(individus.size());
        for (const Couple& c : couples_) lierCouple(c, individus, fiches, chaines, evenement);
        for (std::uint32_t n = 1; n < individus.size(); ++n) chainer(chaines[n], individus[n], fiches);

        EcrivainBase e({static_cast<std::uint32_t>(personnes_.size()), static_cast<std::uint32_t>(fiches.size()),
                        static_cast<std::uint32_t>(evenements.size())},
                       dossier);
        for (std::uint32_t n = 1; n < individus.size(); ++n) {
            individus[n].nom = e.ajouterTexte(TableNoms, personnes_[n - 1].nom);
            individus[n].prenoms = e.ajouterTexte(TablePrenoms, personnes_[n - 1].prenoms);
            e.ajouterIndividu(individus[n]);
        }
        for (const Famille& f : fiches) e.ajouterFamille(f);
        for (const Evenement& ev : evenements) e.ajouterEvenement(ev);
        return e.terminer();
    }

private:
    template <class FaireEvenement>
    static void lierCouple(const Couple& c, std::vector<Individu>& individus, std::vector<Famille>& fiches,
                           std::vector<std::vector<std::uint32_t>>& chaines, FaireEvenement& evenement) {
        for (std::size_t k = 0; k < c.enfants.size(); ++k) {
            Individu& enfant = individus[c.enfants[k]];
            enfant.pere = c.mari;
            enfant.mere = c.femme;
            enfant.fratrie = k + 1 < c.enfants.size() ? static_cast<std::int32_t>(c.enfants[k + 1])
                                                      : -static_cast<std::int32_t>(c.enfants[0]);
        }
        std::uint32_t mariage = evenement(c.mariage);
        std::uint32_t premier = c.enfants.empty() ? 0 : c.enfants[0];
        std::uint32_t ficheMari = 0, ficheFemme = 0;
        if (c.mari) {
            fiches.push_back({c.femme, premier, mariage, -1, 0, 0});
            ficheMari = static_cast<std::uint32_t>(fiches.size());
            chaines[c.mari].push_back(ficheMari);
        }
        if (c.femme) {
            fiches.push_back({c.mari, premier, mariage, -1, 0, ficheMari});
            ficheFemme = static_cast<std::uint32_t>(fiches.size());
            chaines[c.femme].push_back(ficheFemme);
        }
        if (ficheMari) fiches[ficheMari - 1].ficheDuConjoint = ficheFemme;
    }

    static void chainer(const std::vector<std::uint32_t>& chaine, Individu& individu, std::vector<Famille>& fiches) {
        if (chaine.empty()) return;
        individu.premiereFamille = chaine[0];
        for (std::size_t k = 0; k < chaine.size(); ++k)
            fiches[chaine[k] - 1].suivante = k + 1 < chaine.size() ? static_cast<std::int32_t>(chaine[k + 1])
                                                                   : -static_cast<std::int32_t>(chaine[0]);
    }

    std::vector<Personne> personnes_;
    std::vector<Couple> couples_;
};

inline DateGed annee(std::int16_t a, std::uint8_t qualificatif = DateSimple) {
    DateGed d;
    d.qualificatif = qualificatif;
    d.annee = a;
    return d;
}

}  // namespace lignara::essai
