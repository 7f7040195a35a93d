// Calculs de parenté sur un fichier d'un million de personnes (outil_generer_gedcom, puis import) :
// lien entre deux personnes éloignées (objectif : moins de 0,5 s) ; graphe de parenté avec
// recherche des boucles et cas de consanguinité (objectif : moins de 5 s). On mesure aussi le
// graphe de la liste des branches (options 1 + 4 + 8) et les apparitions d'une racine (16).
//
// Le fichier : LIGNARA_GEDCOM_GRAND s'il est donné, sinon outil_generer_gedcom (construit à côté) ;
// LIGNARA_BASE_GRANDE : une base de travail déjà importée (lignara importer --base), sans import.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "commun/Dossiers.h"
#include "commun/OperationImpossible.h"
#include "gedcom/ImporterGedcom.h"
#include "parente/GrapheParente.h"
#include "parente/LienParente.h"

namespace {

namespace fs = std::filesystem;
using namespace lignara;
constexpr long kIndividus = 1000000;

// Import du grand fichier, fait une fois ; le fichier généré est effacé aussitôt importé.
class GrandeBase {
public:
    static GrandeBase& instance() {
        static GrandeBase b;
        return b;
    }
    bool prete() const { return base_.ouverte(); }
    const BaseGenealogique& base() const { return base_; }
    const char* erreur() const { return erreur_.c_str(); }
    // Deux personnes liées par l'ancêtre commun le plus haut qu'on trouve parmi quelques essais.
    std::uint32_t premiere = 0, seconde = 0;
    std::size_t generations = 0;
    std::uint32_t racine = 0;

private:
    GrandeBase() {
        fs::path chemin;
        bool efface = false;
        if (const char* base = std::getenv("LIGNARA_BASE_GRANDE"); base && *base) {
            base_ = BaseGenealogique::ouvrir(base);
            choisirPersonnesEloignees();
            return;
        }
        if (const char* donne = std::getenv("LIGNARA_GEDCOM_GRAND"); donne && *donne) {
            chemin = donne;
        } else {
            chemin = dossierTemporaire() / "lignara-bench-parente-1M.ged";
            fs::path outil = cheminProgramme().parent_path().parent_path() / "tools" / "outil_generer_gedcom";
            std::string commande =
                "'" + outil.string() + "' '" + chemin.string() + "' " + std::to_string(kIndividus) + " > /dev/null";
            if (std::system(commande.c_str()) != 0) {
                erreur_ = "outil_generer_gedcom absent ou en échec";
                return;
            }
            efface = true;
        }
        auto debut = std::chrono::steady_clock::now();
        try {
            base_ = std::move(ImporterGedcom(chemin).base);
        } catch (const OperationImpossible& e) {
            erreur_ = e.what();
        }
        std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
        std::error_code ec;
        if (efface) fs::remove(chemin, ec);
        if (!prete()) return;
        std::printf("Import : %u personnes en %.1f s\n", base_.nombreIndividus(), duree.count());
        choisirPersonnesEloignees();
    }

    // Les dernières personnes du fichier sont les plus récentes ; on garde le couple dont le
    // lien remonte le plus haut.
    void choisirPersonnesEloignees() {
        const std::uint32_t n = base_.nombreIndividus();
        for (std::uint32_t essai = 0; essai < 40; ++essai) {
            std::uint32_t a = n - essai * 997, b = n / 2 + essai * 7919;
            if (a == b) continue;
            try {
                LienParente l(a, b);
                l.chercher(base_);
                if (l.maximum() > generations) {
                    generations = l.maximum();
                    premiere = a;
                    seconde = b;
                    // Racine des apparitions : le bas de la plus longue lignée, qui a des ascendants.
                    int c = l.longueurPremiere() >= l.longueurSeconde() ? 0 : 2;
                    racine = static_cast<std::uint32_t>(l.case_(l.maximum(), c).personne);
                }
            } catch (const OperationImpossible&) {
            }
        }
        std::printf("Lien mesuré : personnes %u et %u, %zu générations jusqu'à l'ancêtre commun\n", premiere, seconde,
                    generations);
    }

    BaseGenealogique base_;
    std::string erreur_;
};

void LienEntreDeuxPersonnesEloignees(benchmark::State& etat) {
    GrandeBase& g = GrandeBase::instance();
    if (!g.prete() || g.premiere == 0) {
        etat.SkipWithError(g.prete() ? "aucun lien trouvé" : g.erreur());
        return;
    }
    for (auto _ : etat) {
        LienParente l(g.premiere, g.seconde);
        l.chercher(g.base());
        benchmark::DoNotOptimize(l.ancetreCommun());
    }
    etat.counters["generations"] = static_cast<double>(g.generations);
}

void graphe(benchmark::State& etat, unsigned options, std::uint32_t racine = 0) {
    GrandeBase& g = GrandeBase::instance();
    if (!g.prete()) {
        etat.SkipWithError(g.erreur());
        return;
    }
    ParametresGrapheParente p;
    p.options = options;
    p.racine = racine;
    std::size_t cas = 0, apparitions = 0;
    for (auto _ : etat) {
        try {
            ResultatGrapheParente r = construireGrapheParente(g.base(), p);
            cas = r.consanguinites.size();
            apparitions = r.apparitions.size();
        } catch (const OperationImpossible& e) {
            etat.SkipWithError(e.what());
            return;
        }
    }
    etat.counters["cas"] = static_cast<double>(cas);
    etat.counters["ascendants"] = static_cast<double>(apparitions);
}

void GrapheBouclesEtConsanguinites(benchmark::State& etat) { graphe(etat, GrapheProfondeurs | GrapheConsanguinites); }
void GrapheListeDesBranches(benchmark::State& etat) {
    graphe(etat, GrapheProfondeurs | GrapheDescendants | GrapheConserver);
}
void GrapheApparitionsDUneRacine(benchmark::State& etat) {
    graphe(etat, GrapheApparitions, GrandeBase::instance().racine);
}

BENCHMARK(LienEntreDeuxPersonnesEloignees)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(GrapheBouclesEtConsanguinites)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(GrapheApparitionsDUneRacine)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(GrapheListeDesBranches)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
