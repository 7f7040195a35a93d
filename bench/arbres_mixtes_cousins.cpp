// Arbres mixte et de cousins, PDF compris, sur royal92.ged (données de test) :
//  - l'arbre mixte de la reine Victoria (ses ascendants et ses descendants) ;
//  - l'arbre de cousins d'un de ses petits-enfants (William II) avec la limite d'ascendance 10,
//    qui prend la plus grande partie du fichier : nombre de couples, de boîtes, temps.
// Chaque tour affiche son temps et ses nombres ; le PDF est écrit dans le dossier temporaire
// puis effacé.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <type_traits>

#include "commun/Dossiers.h"
#include "documents/Afficheur.h"
#include "documents/arbres/ArbreCousins.h"
#include "documents/arbres/ArbreMixte.h"
#include "gedcom/ImporterGedcom.h"
#include "render/PoliceChargement.h"

namespace {

namespace fs = std::filesystem;
using namespace lignara;

const ResultatImport* royal92() {
    static std::optional<ResultatImport> import;
    const fs::path fichier = fs::path(LIGNARA_DOSSIER_TESTDATA) / "porges-mdf" / "royal92.ged";
    if (!import && fs::exists(fichier)) import = ImporterGedcom(fichier);
    return import ? &*import : nullptr;
}

std::uint32_t personne(const BaseGenealogique& base, const char* prenoms, const char* nom) {
    for (std::uint32_t p = 1; p <= base.nombreIndividus(); ++p) {
        const Individu i = base.LireIndividu(p);
        if (base.LireTexte(TablePrenoms, i.prenoms) == prenoms && base.LireTexte(TableNoms, i.nom) == nom) return p;
    }
    return 0;
}

template <class Doc>
void dessiner(benchmark::State& etat, std::uint8_t code, const char* prenoms, const char* nom, std::uint16_t limite) {
    const ResultatImport* import = royal92();
    if (!import) {
        etat.SkipWithError("royal92.ged absent des données de test");
        return;
    }
    ContexteDocument contexte;
    contexte.base = &import->base;
    contexte.polices = chargerPolices(ReglagesPolices{}, {});
    contexte.horloge = Horloge::fixee(1700000000);
    const std::uint32_t racine = personne(import->base, prenoms, nom);
    const fs::path chemin = dossierTemporaire() / "lignara-bench-arbre.pdf";
    for (auto _ : etat) {
        auto debut = std::chrono::steady_clock::now();
        Doc d(*afficheurDeCode(code));
        d.initialiserParametres(contexte);
        d.valeur(kRacine) = static_cast<std::int32_t>(racine);
        if constexpr (std::is_same_v<Doc, ArbreCousins>) d.valeur(kLimiteAscendance) = limite;
        if (!d.verifierParametres(contexte)) {
            etat.SkipWithError("paramètres refusés");
            return;
        }
        d.preparer(contexte);
        d.chemin = chemin.string();
        d.ecrire();
        std::chrono::duration<double> total = std::chrono::steady_clock::now() - debut;
        std::size_t boites = 0, couples = 0;
        if constexpr (std::is_same_v<Doc, ArbreCousins>) {
            couples = d.couples().size();
            for (const CoupleAscendant& c : d.couples()) boites += c.branche->rangees().nombreBoites();
        } else {
            boites = d.ascendants().nombreBoites() + d.descendants().rangees().nombreBoites();
        }
        std::printf("%s %s : %zu couples, %zu boîtes, %d × %d unités, %.3f s (fichier de %ju octets)\n", prenoms, nom,
                    couples, boites, d.largeur, d.hauteur, total.count(),
                    static_cast<std::uintmax_t>(fs::file_size(chemin)));
        etat.counters["boites"] = static_cast<double>(boites);
    }
    std::error_code ec;
    fs::remove(chemin, ec);
}

void MixteDeVictoria(benchmark::State& etat) {
    dessiner<ArbreMixte>(etat, ArbreMixte::kCodeIndividuel, "Victoria", "Hanover", 0);
}

void CousinsDeWilliamIILimiteDix(benchmark::State& etat) {
    dessiner<ArbreCousins>(etat, ArbreCousins::kCodeIndividuel, "William_II", "", 10);
}

}  // namespace

BENCHMARK(MixteDeVictoria)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(CousinsDeWilliamIILimiteDix)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
