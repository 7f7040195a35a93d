// lignara importer FICHIER [--base CHEMIN] [--rapport CHEMIN] : importe un fichier GEDCOM dans
// une base de travail, affiche le rapport d'erreurs tel que le dialogue le montrerait, puis un
// résumé. Sur un terminal, une barre de progression accompagne les longs imports.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#ifdef _WIN32
#include <io.h>
#define LIGNARA_ISATTY(f) _isatty(_fileno(f))
#else
#include <unistd.h>
#define LIGNARA_ISATTY(f) ::isatty(fileno(f))
#endif

#include "commun/EcritureFichier.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/TablesDerivees.h"
#include "documents/DocumentLigneCommande.h"
#include "gedcom/ImporterGedcom.h"
#include "session/FichierOuvert.h"
#include "session/PersonnesTrouvees.h"
#include "shell/cli/Commandes.h"

namespace lignara::cli {

namespace {

namespace fs = std::filesystem;

struct ParametresImporter {
    std::string fichier;
    std::string base;
    std::string rapport;
    bool estimations = false;
};

// Barre de 40 cases, redessinée seulement quand le pourcentage change ; un import bref (moins
// d'une demi-seconde) n'en montre pas.
class BarreProgression {
public:
    void operator()(std::uint64_t fait, std::uint64_t total) {
        if (std::chrono::steady_clock::now() - debut_ < std::chrono::milliseconds(500)) return;
        int pourcent = total == 0 ? 100 : static_cast<int>(fait * 100 / total);
        if (pourcent == dernier_) return;
        dernier_ = pourcent;
        int pleines = pourcent * 40 / 100;
        std::fprintf(stdout, "\rImport Gedcom [%s%s] %3d %%",
                     std::string(static_cast<std::size_t>(pleines), '#').c_str(),
                     std::string(static_cast<std::size_t>(40 - pleines), '.').c_str(), pourcent);
        std::fflush(stdout);
    }
    void effacer() const {
        if (dernier_ >= 0) std::fprintf(stdout, "\r%60s\r", "");
    }

private:
    std::chrono::steady_clock::time_point debut_ = std::chrono::steady_clock::now();
    int dernier_ = -1;
};

fs::path cheminArgument(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

void afficherResume(const ResultatImport& r) {
    const BaseGenealogique& b = r.base;
    std::printf("%s%u\n", versUtf8("Personnes : "_1252).c_str(), b.nombreIndividus());
    std::printf("%s%u\n", versUtf8("Fiches de famille : "_1252).c_str(), b.nombreFamilles());
    std::printf("%s%u\n", versUtf8("Emplacements d'événements : "_1252).c_str(), b.nombreEvenements());
    std::printf("%s%u\n", versUtf8("Têtes de branche : "_1252).c_str(), b.TetesDeBranche().nombre());
    std::printf("%s%zu\n", versUtf8("Erreurs : "_1252).c_str(), r.nombreErreurs);
    if (r.fichiers.size() < 2) return;
    std::printf("%s%u\n", versUtf8("Fusion, personnes rapprochées : "_1252).c_str(), r.personnesRapprochees);
    std::printf("%s%u\n", versUtf8("Fusion, personnes ajoutées : "_1252).c_str(), r.personnesAjoutees);
}

// Une ligne par personne, par numéro : année de naissance estimée et marque de vie.
void afficherEstimations(const BaseGenealogique& base) {
    TablesDerivees tables = calculerTablesDerivees(base, FichierOuvert::anneeHorloge());
    for (const PersonneTrouvee& personne : toutesLesPersonnes(base, tables))
        std::printf("%s\n", versUtf8(ligneDePersonne(personne)).c_str());
}

void importer(const ParametresImporter& p) {
    OptionsImport options;
    options.paysParDefaut = paysDesPreferences(configurationLigneCommande(""));
    auto barre = std::make_shared<BarreProgression>();
    if (LIGNARA_ISATTY(stdout)) options.progression = [barre](std::uint64_t f, std::uint64_t t) { (*barre)(f, t); };
    ResultatImport r = ImporterGedcom(fs::path(p.fichier), options);
    barre->effacer();
    if (!r.rapport.empty()) std::printf("%s", versUtf8(r.rapport).c_str());
    afficherResume(r);
    if (p.estimations) afficherEstimations(r.base);
    // Par le rédacteur unique : jamais à travers un lien, et la copie précédente reste entière
    // jusqu'à ce que la nouvelle soit écrite.
    if (!p.rapport.empty()) ecrireFichier(cheminArgument(p.rapport), r.rapport);
    if (!p.base.empty()) copierVersFichier(r.base.chemin(), cheminArgument(p.base));
}

}  // namespace

void ajouterCommandeImporter(CLI::App& app) {
    auto* cmd = app.add_subcommand("importer",
                                   "Importe un fichier GEDCOM dans une base de travail, "
                                   "affiche le rapport d'erreurs et un résumé");
    auto p = std::make_shared<ParametresImporter>();
    cmd->add_option("FICHIER", p->fichier, "Fichier GEDCOM à importer, ou description de fusion (.fged)")->required();
    cmd->add_option("--base", p->base, "Garde une copie de la base de travail à ce chemin");
    cmd->add_option("--rapport", p->rapport, "Écrit le rapport d'erreurs (Windows-1252, CR LF) à ce chemin");
    cmd->add_flag("--estimations", p->estimations,
                  "Affiche ensuite chaque personne : numéro, nom, prénoms, année de naissance estimée, "
                  "marque de vie");
    cmd->callback([p] {
        importer(*p);
        codeSortie = 0;
    });
}

}  // namespace lignara::cli
