#pragma once
// Généalogie de mesure, reproductible : des couples fondateurs nés de 1450 à 1750, puis
// génération après génération leurs enfants (0 à 5 par couple, nés de 20 à 30 ans après leur
// mère ; aucun après 2005), dont la moitié se marient avec un conjoint venu
// d'ailleurs (sans parents connus), quelques-uns deux fois. Les noms passent du père aux
// enfants ; noms et prénoms sont tirés de listes fabriquées, les premiers bien plus souvent.
// Dates comme dans un fichier réel : 55 % de naissances à l'année, 10 % « vers », 5 % « avant »
// ou « après », le reste sans date ; 40 % de décès et 50 % de mariages datés. Les numéros des
// personnes sont mélangés, comme dans un fichier saisi et retouché au fil des ans.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "commun/Dossiers.h"
#include "commun/Texte.h"
#include "database/EcrivainBase.h"

namespace lignara::mesure {

class GenealogieDeMesure {
public:
    explicit GenealogieDeMesure(std::uint32_t personnes, std::uint32_t graine = 501) : alea_(graine) {
        fabriquerNoms();
        while (gens_.size() < personnes) {
            if (file_ == couples_.size()) fonderCouple();
            peuplerCouple(file_++, personnes);
        }
    }

    const std::vector<std::string>& noms() const { return noms_; }

    // Ajoute une femme née « entre −31000 et 31000 » qui est sa propre mère : un GEDCOM fautif
    // dont les bornes ne se rejoignent qu'après bien plus de passes que la limite.
    void ajouterBoucleLente() {
        Gens g;
        g.sexe = 'F';
        g.naissance = {DateEntre, 0, 0, 31000};
        g.naissance.fixerPremiereAnnee(-31000);
        gens_.push_back(g);
        auto soi = static_cast<std::uint32_t>(gens_.size() - 1);
        Couple c;
        c.mari = kAucun;
        c.femme = soi;
        c.enfants = {soi};
        couples_.push_back(c);
    }

    BaseGenealogique construire() {
        const auto n = static_cast<std::uint32_t>(gens_.size());
        std::vector<std::uint32_t> numero(n);
        std::iota(numero.begin(), numero.end(), 1u);
        std::shuffle(numero.begin(), numero.end(), alea_);
        std::vector<Individu> individus(std::size_t{n} + 1);
        std::vector<Famille> fiches;
        std::vector<Evenement> evenements;
        std::vector<std::vector<std::uint32_t>> chaines(std::size_t{n} + 1);
        for (std::uint32_t g = 0; g < n; ++g) {
            Individu& i = individus[numero[g]];
            i.sexe = static_cast<std::uint8_t>(gens_[g].sexe);
            i.naissance = evenement(evenements, gens_[g].naissance);
            i.deces = evenement(evenements, gens_[g].deces);
            i.fratrie = -static_cast<std::int32_t>(numero[g]);
        }
        for (const Couple& c : couples_) {
            std::uint32_t mari = c.mari == kAucun ? 0 : numero[c.mari], femme = numero[c.femme];
            std::uint32_t premier = c.enfants.empty() ? 0 : numero[c.enfants[0]];
            for (std::size_t k = 0; k < c.enfants.size(); ++k) {
                Individu& e = individus[numero[c.enfants[k]]];
                e.pere = mari;
                e.mere = femme;
                e.fratrie = k + 1 < c.enfants.size() ? static_cast<std::int32_t>(numero[c.enfants[k + 1]])
                                                     : -static_cast<std::int32_t>(premier);
            }
            std::uint32_t mariage = evenement(evenements, c.mariage);
            auto f = static_cast<std::uint32_t>(fiches.size());
            if (mari == 0) {
                fiches.push_back({0, premier, mariage, -1, 0, 0});
                chaines[femme].push_back(f + 1);
                continue;
            }
            fiches.push_back({femme, premier, mariage, -1, 0, f + 2});
            fiches.push_back({mari, premier, mariage, -1, 0, f + 1});
            chaines[mari].push_back(f + 1);
            chaines[femme].push_back(f + 2);
        }
        for (std::uint32_t p = 1; p <= n; ++p) {
            const auto& ch = chaines[p];
            if (ch.empty()) continue;
            individus[p].premiereFamille = ch[0];
            for (std::size_t k = 0; k < ch.size(); ++k)
                fiches[ch[k] - 1].suivante =
                    k + 1 < ch.size() ? static_cast<std::int32_t>(ch[k + 1]) : -static_cast<std::int32_t>(ch[0]);
        }
        EcrivainBase e({n, static_cast<std::uint32_t>(fiches.size()), static_cast<std::uint32_t>(evenements.size())},
                       dossierTemporaire());
        std::vector<std::uint32_t> gDuNumero(std::size_t{n} + 1);
        for (std::uint32_t g = 0; g < n; ++g) gDuNumero[numero[g]] = g;
        for (std::uint32_t p = 1; p <= n; ++p) {
            const Gens& g = gens_[gDuNumero[p]];
            individus[p].nom = e.ajouterTexte(TableNoms, noms_[g.nom]);
            individus[p].prenoms = e.ajouterTexte(TablePrenoms, prenoms_[g.prenoms]);
            e.ajouterIndividu(individus[p]);
        }
        for (const Famille& f : fiches) e.ajouterFamille(f);
        for (const Evenement& ev : evenements) e.ajouterEvenement(ev);
        return e.terminer();
    }

private:
    static constexpr std::uint32_t kAucun = 0xFFFFFFFF;

    struct Gens {
        char sexe = ' ';
        std::int16_t annee = 0;  // vraie année, connue ou non du fichier
        DateGed naissance, deces;
        std::uint32_t nom = 0, prenoms = 0;
    };
    struct Couple {
        std::uint32_t mari = 0, femme = 0;
        DateGed mariage;
        std::vector<std::uint32_t> enfants;
    };

    static std::uint32_t evenement(std::vector<Evenement>& evenements, const DateGed& d) {
        if (d.absente()) return 0;
        evenements.push_back({d, 0, 0, 0});
        return static_cast<std::uint32_t>(evenements.size());
    }

    int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(alea_); }
    // Rangs fréquents bien plus souvent : loi à peu près en 1/rang.
    std::uint32_t frequent(std::size_t taille) {
        double u = std::uniform_real_distribution<double>(0.0, 1.0)(alea_);
        return static_cast<std::uint32_t>(std::pow(static_cast<double>(taille), u)) - 1;
    }

    void fabriquerNoms() {
        const char* debuts[] = {"Du",  "Le", "Ma", "Ber", "Gi",  "Rou", "Fa",  "Mo",  "Cha", "Bou",
                                "Lam", "Ri", "Pe", "Gau", "Ver", "Bo",  "Thi", "Che", "Mer", "Vi"};
        const char* milieux[] = {"", "r", "ch", "ll", "n", "ss", "t", "g", "v", "rm"};
        const char* fins[] = {"ont", "ond", "ier", "et", "aud", "in", "eau", "ard", "y", "on", "ès", "oux"};
        const char* suffixes[] = {"", "e", "s", "t", "eau", "ot", "in", "el"};
        for (const char* d : debuts)
            for (const char* m : milieux)
                for (const char* f : fins)
                    for (const char* x : suffixes) noms_.push_back(depuisUtf8(std::string(d) + m + f + x));
        std::shuffle(noms_.begin(), noms_.end(), alea_);
        const char* simples[] = {"Jean",     "Marie",      "Pierre",  "Anne",      "Louis",   "Jeanne",
                                 "François", "Marguerite", "Jacques", "Catherine", "Antoine", "Françoise",
                                 "Joseph",   "Élisabeth",  "Nicolas", "Madeleine", "Claude",  "Louise"};
        for (const char* a : simples) {
            prenoms_.push_back(depuisUtf8(a));
            for (const char* b : simples) prenoms_.push_back(depuisUtf8(std::string(a) + " " + b));
        }
    }

    std::uint32_t nouvelle(char sexe, int annee, std::uint32_t nom) {
        Gens g;
        g.sexe = sexe;
        g.annee = static_cast<std::int16_t>(annee);
        g.nom = nom;
        g.prenoms = frequent(prenoms_.size());
        int tirage = entre(0, 99);
        if (tirage < 55)
            g.naissance.annee = g.annee;
        else if (tirage < 65)
            g.naissance = {DateVers, 0, 0, static_cast<std::int16_t>(annee + entre(-2, 2))};
        else if (tirage < 70)
            g.naissance = {chance(0.5) ? DateAvant : DateApres, 0, 0, g.annee};
        if (chance(0.4)) g.deces.annee = static_cast<std::int16_t>(annee + entre(0, 90));
        gens_.push_back(g);
        return static_cast<std::uint32_t>(gens_.size() - 1);
    }

    void fonderCouple() {
        int annee = entre(1450, 1750);
        Couple c;
        c.mari = nouvelle('M', annee, frequent(noms_.size()));
        c.femme = nouvelle('F', annee + entre(-3, 8), frequent(noms_.size()));
        couples_.push_back(c);
    }

    // Enfants du couple, puis les couples qu'ils formeront.
    void peuplerCouple(std::size_t indice, std::uint32_t maximum) {
        const std::uint32_t mari = couples_[indice].mari, femme = couples_[indice].femme;
        int annee = gens_[femme].annee + entre(20, 30);
        if (chance(0.5)) couples_[indice].mariage.annee = static_cast<std::int16_t>(annee - entre(0, 2));
        std::vector<std::uint32_t> enfants;
        int nombre = annee > 2005 ? 0 : entre(0, 5);  // pas d'enfants nés dans le futur
        for (int k = nombre; k > 0 && gens_.size() < maximum; --k) {
            enfants.push_back(nouvelle(chance(0.5) ? 'M' : 'F', annee, gens_[mari].nom));
            annee += entre(1, 3);
        }
        couples_[indice].enfants = enfants;
        for (std::uint32_t e : enfants) {
            for (int union_ = 0; union_ < 2 && gens_.size() < maximum && chance(union_ == 0 ? 0.5 : 0.08); ++union_) {
                bool homme = gens_[e].sexe == 'M';
                std::uint32_t conjoint =
                    nouvelle(homme ? 'F' : 'M', gens_[e].annee + entre(-5, 5), frequent(noms_.size()));
                Couple c;
                c.mari = homme ? e : conjoint;
                c.femme = homme ? conjoint : e;
                couples_.push_back(c);
            }
        }
    }

    std::mt19937 alea_;
    std::vector<std::string> noms_, prenoms_;
    std::vector<Gens> gens_;
    std::vector<Couple> couples_;
    std::size_t file_ = 0;
};

}  // namespace lignara::mesure
