// Arbre descendant, PDF compris (objectif : moins de deux secondes pour 10 000 boîtes,
// relaxation comprise) :
//  - la descendance d'un fondateur de la généalogie de mesure d'un million de personnes
//    (GenealogieDeMesure, même fabrication qu'outil_generer_gedcom) qui fait au moins 10 000
//    boîtes, en arbre ordinaire puis chronologique ;
//  - la reine Victoria dans royal92.ged (données de test).
// Chaque tour affiche son temps, le nombre de boîtes, les passes de relaxation faites, si la
// dernière n'a rien déplacé et combien de boîtes la passe finale a dû pousser ; le PDF est
// écrit dans le dossier temporaire puis effacé. Les tables dérivées (années estimées de
// l'arbre chronologique) sont calculées une fois, hors mesure, comme par la session.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

#include "FichiersDeMesure.h"
#include "GenealogieDeMesure.h"
#include "commun/Dossiers.h"
#include "database/Parente.h"
#include "database/TablesDerivees.h"
#include "documents/Afficheur.h"
#include "documents/arbres/DocumentArbreDescendant.h"
#include "gedcom/ImporterGedcom.h"
#include "render/PoliceChargement.h"

namespace {

namespace fs = std::filesystem;
using namespace lignara;

const PolicesDocument& policesChargees() {
    static const PolicesDocument polices = chargerPolices(ReglagesPolices{}, {});
    return polices;
}

// Boîtes de l'arbre descendant de la personne (elle, ses descendants et leurs conjoints),
// comptées jusqu'à plafond.
std::size_t boitesDe(const BaseGenealogique& base, std::uint32_t racine, std::size_t plafond) {
    std::size_t boites = 0;
    std::vector<std::uint32_t> file{racine};
    while (!file.empty() && boites < plafond) {
        const std::uint32_t p = file.back();
        file.pop_back();
        ++boites;
        for (const FamilleConjoint& f : Conjoints(base, p)) {
            boites += f.conjoint != 0;
            for (std::uint32_t e : Enfants(base, f.fiche)) file.push_back(e);
        }
    }
    return boites;
}

// Le premier fondateur (sans parents) dont l'arbre descendant a au moins 10 000 boîtes, sinon
// le plus grand vu.
std::uint32_t racineDeDixMilleBoites(const BaseGenealogique& base) {
    std::uint32_t meilleure = 1;
    std::size_t plus = 0;
    for (std::uint32_t p = 1; p <= base.nombreIndividus(); ++p) {
        const Individu i = base.LireIndividu(p);
        if (i.pere || i.mere || !i.premiereFamille) continue;
        const std::size_t n = boitesDe(base, p, 12000);
        if (n > plus) {
            plus = n;
            meilleure = p;
        }
        if (n >= 10000) break;
    }
    return meilleure;
}

void dessiner(benchmark::State& etat, const BaseGenealogique& base, std::uint32_t racine, bool chronologique,
              const char* nom) {
    ContexteDocument contexte;
    contexte.base = &base;
    contexte.polices = policesChargees();
    contexte.horloge = Horloge::fixee(1700000000);
    // Les tables dérivées viennent du fil de dérivation de la session : calculées une fois.
    static std::map<const BaseGenealogique*, TablesDerivees> tables;
    if (chronologique && !tables.count(&base)) tables.emplace(&base, calculerTablesDerivees(base, 2023));
    if (chronologique) contexte.tablesDerivees = [&base]() -> const TablesDerivees& { return tables.at(&base); };
    const fs::path chemin = dossierTemporaire() / nom;
    std::size_t boites = 0;
    int passes = 0;
    for (auto _ : etat) {
        auto debut = std::chrono::steady_clock::now();
        DocumentArbreDescendant d(*afficheurDeCode(DocumentArbreDescendant::kCode));
        d.initialiserParametres(contexte);
        d.valeur(kRacine) = static_cast<std::int32_t>(racine);
        if (chronologique) d.valeur(kFondDePage) = std::string("Siècles");
        d.preparer(contexte);
        auto place = std::chrono::steady_clock::now();
        d.chemin = chemin.string();
        d.ecrire();
        boites = d.arbre().rangees().nombreBoites();
        passes = d.bilan().passes;
        std::chrono::duration<double> total = std::chrono::steady_clock::now() - debut, mise = place - debut;
        std::printf(
            "%s : %zu boîtes, %d rangées, %d passes (%s), %zu boîtes repoussées à la fin, "
            "mise en page %.3f s, total %.3f s (fichier de %ju octets)\n",
            nom, boites, d.arbre().rangees().nombreRangees(), passes, d.bilan().stable ? "stable" : "arrêtée",
            d.bilan().reprises, mise.count(), total.count(), static_cast<std::uintmax_t>(fs::file_size(chemin)));
    }
    etat.counters["boites"] = static_cast<double>(boites);
    etat.counters["passes"] = passes;
    std::error_code ec;
    fs::remove(chemin, ec);
}

const BaseGenealogique& genealogieDeMesure(std::uint32_t& racine) {
    static std::optional<BaseGenealogique> base;
    static std::uint32_t r = 0;
    if (!base) {
        auto debut = std::chrono::steady_clock::now();
        base = mesure::GenealogieDeMesure(1000000).construire();
        r = racineDeDixMilleBoites(*base);
        std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
        std::printf("Généalogie de mesure : %u personnes en %.1f s ; racine %u, %zu boîtes\n", base->nombreIndividus(),
                    duree.count(), r, boitesDe(*base, r, 1000000));
    }
    racine = r;
    return *base;
}

void DixMilleBoitesSurUnMillionDePersonnes(benchmark::State& etat) {
    std::uint32_t racine = 0;
    const BaseGenealogique& base = genealogieDeMesure(racine);
    dessiner(etat, base, racine, false, "lignara-bench-AD-million.pdf");
}

void DixMilleBoitesChronologiques(benchmark::State& etat) {
    std::uint32_t racine = 0;
    const BaseGenealogique& base = genealogieDeMesure(racine);
    dessiner(etat, base, racine, true, "lignara-bench-AD-million-chrono.pdf");
}

void VictoriaDansRoyal92(benchmark::State& etat) {
    const fs::path fichier = fs::path(LIGNARA_DOSSIER_TESTDATA) / "porges-mdf" / "royal92.ged";
    if (!fs::exists(fichier)) {
        etat.SkipWithError("royal92.ged absent des données de test");
        return;
    }
    static std::optional<ResultatImport> import;
    static std::uint32_t victoria = 0;
    if (!import) {
        import = ImporterGedcom(fichier);
        for (std::uint32_t p = 1; p <= import->base.nombreIndividus() && !victoria; ++p)
            if (import->base.LireIndividu(p).decalageGedcom && boitesDe(import->base, p, 100000) > 0 &&
                import->base.LireTexte(TablePrenoms, import->base.LireIndividu(p).prenoms) == "Victoria" &&
                import->base.LireTexte(TableNoms, import->base.LireIndividu(p).nom) == "Hanover")
                victoria = p;
    }
    dessiner(etat, import->base, victoria, false, "lignara-bench-AD-royal92.pdf");
}

}  // namespace

BENCHMARK(DixMilleBoitesSurUnMillionDePersonnes)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(DixMilleBoitesChronologiques)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(VictoriaDansRoyal92)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
