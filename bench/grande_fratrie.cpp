// Une famille de 100 000 enfants (outil_generer_fratrie, construit à côté) : import, tables
// dérivées (estimation des naissances), et les commandes « lignara importer » et « lignara
// parente » de bout en bout. Objectif : moins de 2 s chacune ; avant, l'estimation parcourait
// toute la fratrie pour chaque enfant et l'import cherchait chaque enfant dans la liste (plus
// de 30 s). Les durées des commandes sont affichées avant les mesures.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "commun/DossierPrive.h"
#include "commun/Dossiers.h"
#include "database/TablesDerivees.h"
#include "gedcom/ImporterGedcom.h"

namespace {

namespace fs = std::filesystem;
using namespace lignara;
constexpr int kEnfants = 100000;

fs::path dossierConstruction() { return cheminProgramme().parent_path().parent_path(); }

class GrandeFratrie {
public:
    static GrandeFratrie& instance() {
        static GrandeFratrie f;
        return f;
    }
    ~GrandeFratrie() {
        std::error_code ec;
        fs::remove(chemin, ec);
    }
    bool prete() const { return erreur.empty(); }
    fs::path chemin = dossierPrive() / "mesure-grande-fratrie.ged";
    std::string erreur;

private:
    GrandeFratrie() {
        const fs::path outil = dossierConstruction() / "tools" / "outil_generer_fratrie";
        const std::string commande =
            "'" + outil.string() + "' '" + chemin.string() + "' " + std::to_string(kEnfants) + " > /dev/null";
        if (std::system(commande.c_str()) != 0) erreur = "outil_generer_fratrie absent ou en échec";
    }
};

// Durée d'une commande du programme, sortie jetée.
double dureeCommande(const std::string& arguments) {
    const std::string commande =
        "'" + (dossierConstruction() / "lignara").string() + "' " + arguments + " > /dev/null 2>&1";
    const auto debut = std::chrono::steady_clock::now();
    const int code = std::system(commande.c_str());
    const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
    return code == 0 ? duree.count() : -1;
}

void afficherCommandes() {
    GrandeFratrie& f = GrandeFratrie::instance();
    if (!f.prete()) return;
    const std::string fichier = "'" + f.chemin.string() + "'";
    std::printf("lignara importer, %d enfants : %.2f s (objectif < 2 s)\n", kEnfants,
                dureeCommande("importer " + fichier));
    std::printf("lignara parente, %d enfants : %.2f s (objectif < 2 s)\n", kEnfants,
                dureeCommande("parente " + fichier + " @I3@ @I100002@"));
}

void Import(benchmark::State& etat) {
    GrandeFratrie& f = GrandeFratrie::instance();
    if (!f.prete()) return etat.SkipWithError(f.erreur.c_str());
    for (auto _ : etat) benchmark::DoNotOptimize(ImporterGedcom(f.chemin).base.nombreIndividus());
}
BENCHMARK(Import)->Unit(benchmark::kMillisecond)->Iterations(2);

void TablesDeriveesDUneGrandeFratrie(benchmark::State& etat) {
    GrandeFratrie& f = GrandeFratrie::instance();
    if (!f.prete()) return etat.SkipWithError(f.erreur.c_str());
    ResultatImport r = ImporterGedcom(f.chemin);
    for (auto _ : etat) benchmark::DoNotOptimize(calculerTablesDerivees(r.base, 2024).passes);
}
BENCHMARK(TablesDeriveesDUneGrandeFratrie)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
    afficherCommandes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
