// Tableaux de parenté sur un million de personnes. La généalogie de mesure commune
// (GenealogieDeMesure, outil_generer_gedcom) ne marie ses descendants qu'à des conjoints venus
// d'ailleurs : elle n'a aucun cas de consanguinité. Le fichier est donc fabriqué ici : des
// familles de 2 à 4 enfants sur des générations, un enfant sur dix épousant un cousin germain
// quand il y en a un de libre, les autres un conjoint sans parents connus (ou personne, un sur
// quatre) ; il est importé hors mesure. Mesures : tableau des consanguinités complet trié par
// degré (objectif : moins de 10 s, graphe, textes et écriture compris), en PDF et en texte ;
// tableau ascendant du dernier né qui a des parents, en Web.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <type_traits>
#include <vector>

#include "commun/Dossiers.h"
#include "gedcom/ImporterGedcom.h"
#include "documents/Afficheur.h"
#include "documents/tableaux/TableauAscendant.h"
#include "documents/tableaux/TableauConsanguinites.h"
#include "render/PoliceChargement.h"

namespace {

namespace fs = std::filesystem;
using namespace lignara;
using Horloge_ = std::chrono::steady_clock;

double secondesDepuis(Horloge_::time_point debut) {
    return std::chrono::duration<double>(Horloge_::now() - debut).count();
}

struct Million {
    BaseGenealogique base;
    std::uint32_t ascendance = 0;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> cousins;  // (mari, femme) mariés entre cousins germains
};

// GEDCOM de n personnes avec des mariages entre cousins germains ; rend ceux de ces couples qui
// ont des enfants. L'import
// numérote les personnes dans l'ordre de leurs identifiants : à sept chiffres, c'est l'ordre
// de la fabrication.
std::vector<std::pair<std::uint32_t, std::uint32_t>> fabriquer(const fs::path& chemin, std::uint32_t n) {
    std::mt19937 alea(20261207);
    struct Couple {
        std::uint32_t mari = 0, femme = 0;
        std::int64_t origine = -1;  // couple des grands-parents de ses enfants (par le conjoint descendant)
        std::vector<std::uint32_t> enfants;
    };
    std::vector<char> sexes{0};
    std::vector<std::int64_t> coupleParent{-1};
    std::vector<Couple> couples;
    auto personne = [&](char sexe, std::int64_t parent) {
        sexes.push_back(sexe);
        coupleParent.push_back(parent);
        return static_cast<std::uint32_t>(sexes.size() - 1);
    };
    for (int k = 0; k < 2000; ++k) couples.push_back({personne('M', -1), personne('F', -1), -1, {}});
    std::vector<std::size_t> mariagesCousins;
    std::size_t debut = 0;
    while (sexes.size() < n && debut < couples.size()) {
        const std::size_t fin = couples.size();
        // Enfants de cette génération, rangés par couple de grands-parents.
        std::map<std::int64_t, std::vector<std::uint32_t>> libres;
        std::vector<std::uint32_t> enfants;
        for (std::size_t c = debut; c < fin && sexes.size() < n; ++c) {
            const int nombre = 2 + static_cast<int>(alea() % 3);
            for (int e = 0; e < nombre; ++e) {
                const std::uint32_t p = personne(alea() % 2 ? 'M' : 'F', static_cast<std::int64_t>(c));
                couples[c].enfants.push_back(p);
                enfants.push_back(p);
                libres[couples[c].origine].push_back(p);
            }
        }
        std::vector<char> marie(sexes.size(), 0);
        for (std::uint32_t e : enfants) {
            if (marie[e] || sexes.size() >= n) continue;
            const std::int64_t parent = coupleParent[e];
            std::uint32_t conjoint = 0;
            bool cousin = false;
            const std::int64_t origine = couples[static_cast<std::size_t>(parent)].origine;
            if (origine >= 0 && alea() % 10 == 0)
                for (std::uint32_t c : libres[origine])
                    if (!marie[c] && sexes[c] != sexes[e] && coupleParent[c] != parent) {
                        conjoint = c;
                        cousin = true;
                        break;
                    }
            if (conjoint == 0 && alea() % 4 == 0) continue;  // célibataire
            if (conjoint == 0) {
                conjoint = personne(sexes[e] == 'M' ? 'F' : 'M', -1);
                marie.push_back(0);
            }
            marie[e] = marie[conjoint] = 1;
            Couple c;
            c.mari = sexes[e] == 'M' ? e : conjoint;
            c.femme = sexes[e] == 'M' ? conjoint : e;
            c.origine = parent;
            if (cousin) mariagesCousins.push_back(couples.size());
            couples.push_back(c);
        }
        debut = fin;
    }
    std::vector<std::vector<std::size_t>> familles(sexes.size());
    for (std::size_t c = 0; c < couples.size(); ++c) {
        familles[couples[c].mari].push_back(c);
        familles[couples[c].femme].push_back(c);
    }
    std::ofstream f(chemin, std::ios::binary);
    f << "0 HEAD\n1 CHAR ANSI\n";
    for (std::uint32_t p = 1; p < sexes.size(); ++p) {
        f << "0 @I" << std::setw(7) << std::setfill('0') << p << std::setfill(' ') << "@ INDI\n1 NAME P" << p << " /N"
          << p % 5000 << "/\n1 SEX " << sexes[p] << "\n";
        if (coupleParent[p] >= 0) f << "1 FAMC @F" << coupleParent[p] << "@\n";
        for (std::size_t c : familles[p]) f << "1 FAMS @F" << c << "@\n";
    }
    for (std::size_t c = 0; c < couples.size(); ++c) {
        f << "0 @F" << c << "@ FAM\n1 HUSB @I" << std::setw(7) << std::setfill('0') << couples[c].mari << "@\n1 WIFE @I"
          << std::setw(7) << couples[c].femme << "@\n";
        for (std::uint32_t e : couples[c].enfants) f << "1 CHIL @I" << std::setw(7) << e << "@\n";
        f << std::setfill(' ');
    }
    f << "0 TRLR\n";
    // Un couple sans enfant n'est pas un cas (il n'a pas de nœud de couple) : seuls ceux qui en ont.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> cousins;
    for (std::size_t c : mariagesCousins)
        if (!couples[c].enfants.empty()) cousins.push_back({couples[c].mari, couples[c].femme});
    return cousins;
}

Million& million() {
    static std::optional<Million> m;
    if (!m) {
        const auto debut = Horloge_::now();
        const fs::path chemin = dossierTemporaire() / "lignara-bench-tableaux-1M.ged";
        auto cousins = fabriquer(chemin, 1000000);
        m.emplace(Million{std::move(ImporterGedcom(chemin).base), 0, std::move(cousins)});
        std::error_code ec;
        fs::remove(chemin, ec);
        // Les derniers nés ont l'ascendance la plus longue ; le dernier qui a des parents.
        for (std::uint32_t p = m->base.nombreIndividus(); p > 0 && m->ascendance == 0; --p)
            if (m->base.LireIndividu(p).pere != 0) m->ascendance = p;
        std::printf("Généalogie fabriquée : %u personnes, %zu couples de cousins germains avec enfants, en %.1f s\n",
                    m->base.nombreIndividus(), m->cousins.size(), secondesDepuis(debut));
    }
    return *m;
}

const PolicesDocument& policesChargees() {
    static const PolicesDocument polices = chargerPolices(ReglagesPolices{}, {});
    return polices;
}

// Contrôle, hors mesure : chaque mariage entre cousins germains de la fabrication est un cas de
// lignées 2 + 2 dont les deux dernières personnes sont les époux.
void controler(const TableauConsanguinites& d, const Million& m) {
    std::set<std::pair<std::uint32_t, std::uint32_t>> trouves;
    for (const Consanguinite& c : d.cas())
        if (c.lignes[0].size() == 2 && c.lignes[1].size() == 2) {
            const std::uint32_t x = c.lignes[0].back(), y = c.lignes[1].back();
            trouves.insert(m.base.LireIndividu(x).sexe == 'M' ? std::pair{x, y} : std::pair{y, x});
        }
    std::size_t absents = 0;
    for (const auto& couple : m.cousins) absents += trouves.count(couple) == 0;
    std::printf("Contrôle : %zu cas, %zu couples de cousins germains fabriqués, %zu absents du tableau\n",
                d.cas().size(), m.cousins.size(), absents);
}

template <class D>
void mesurer(benchmark::State& etat, std::uint32_t racine, FormatSortie format, const char* nom) {
    Million& m = million();
    ContexteDocument contexte;
    contexte.base = &m.base;
    contexte.polices = policesChargees();
    const fs::path chemin = dossierTemporaire() / nom;
    for (auto _ : etat) {
        const auto debut = Horloge_::now();
        D d(*afficheurDeCode(D::kCode));
        d.initialiserParametres(contexte);
        if (racine) d.valeur(kRacine) = static_cast<std::int32_t>(racine);
        d.valeur(kFormat) = static_cast<std::uint8_t>(format);
        d.preparer(contexte);
        const double preparation = secondesDepuis(debut);
        d.chemin = chemin.string();
        d.ecrire();
        std::printf("%s : préparation %.3f s, écriture %.3f s, total %.3f s (fichier de %ju octets)\n", nom,
                    preparation, secondesDepuis(debut) - preparation, secondesDepuis(debut),
                    static_cast<std::uintmax_t>(fs::file_size(chemin)));
        if constexpr (std::is_same_v<D, TableauConsanguinites>) controler(d, m);
    }
    std::error_code ec;
    fs::remove(chemin, ec);
}

void ConsanguinitesPdf(benchmark::State& etat) {
    mesurer<TableauConsanguinites>(etat, 0, FormatSortie::Pdf, "lignara-bench-consanguinites.pdf");
}
void ConsanguinitesTexte(benchmark::State& etat) {
    mesurer<TableauConsanguinites>(etat, 0, FormatSortie::Texte, "lignara-bench-consanguinites.txt");
}
void TableauAscendantWeb(benchmark::State& etat) {
    mesurer<TableauAscendant>(etat, million().ascendance, FormatSortie::Web, "lignara-bench-tableau-ascendant.html");
}

BENCHMARK(ConsanguinitesPdf)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(ConsanguinitesTexte)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(TableauAscendantWeb)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
