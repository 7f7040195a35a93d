// lignara lire [FICHIER] : lit un fichier GEDCOM à travers le lecteur de lignes et affiche ce qu'il
// y a trouvé. Le fichier par défaut est l'exemple livré.
#include <cstdio>
#include <filesystem>
#include <string>
#include <memory>
#include <system_error>
#include <vector>

#include "commun/Dossiers.h"
#include "commun/Texte.h"
#include "gedcom/RecensementGedcom.h"
#include "shell/cli/Commandes.h"

namespace lignara::cli {

namespace {

namespace fs = std::filesystem;

// L'exemple se cherche dans l'arbre des sources, puis autour du programme (arbre de
// construction ou installation).
fs::path exempleLivre() {
    const fs::path relatif = fs::path("exemples") / "famille-exemple.ged";
    std::vector<fs::path> candidats;
#ifdef LIGNARA_DOSSIER_SOURCES
    candidats.push_back(fs::path(LIGNARA_DOSSIER_SOURCES) / "data" / relatif);
#endif
    fs::path programme = cheminProgramme().parent_path();
    if (!programme.empty()) {
        candidats.push_back(programme.parent_path() / "data" / relatif);
        candidats.push_back(programme / "data" / relatif);
    }
    candidats.push_back(dossierInstallation() / relatif);
    std::error_code ec;
    for (const fs::path& c : candidats)
        if (fs::is_regular_file(c, ec)) return c;
    return candidats.front();
}

void afficher(const char* texte1252) { std::printf("%s\n", versUtf8(texte1252).c_str()); }

void afficherCompte(const char* libelle1252, std::size_t n) {
    std::printf("%s%zu\n", versUtf8(libelle1252).c_str(), n);
}

void afficherRecensement(const fs::path& chemin, const RecensementGedcom& r) {
    std::printf("%s%s\n", versUtf8("Fichier : "_1252).c_str(), chemin.string().c_str());
    std::string jeu = "Jeu de caractères : "_1252;
    jeu += nomJeuCaracteres(r.jeu);
    if (r.transcodeUtf16) jeu += " (fichier UTF-16 transcodé)"_1252;
    afficher(jeu.c_str());
    afficherCompte("Lignes lues : "_1252, static_cast<std::size_t>(r.lignes));
    afficherCompte("Individus (INDI) : "_1252, r.individus);
    afficherCompte("Familles (FAM) : "_1252, r.familles);
    afficherCompte("Sources (SOUR) : "_1252, r.sources);
    afficherCompte("Notes (NOTE) : "_1252, r.notes);
    afficherCompte("Objets (OBJE) : "_1252, r.objets);
    afficherCompte("Autres enregistrements : "_1252, r.autres);
    if (r.rapport.empty()) {
        afficher("Aucun défaut relevé."_1252);
        return;
    }
    afficherCompte("Défauts relevés : "_1252, r.rapport.size());
    for (const std::string& ligne : r.rapport) afficher(ligne.c_str());
}

}  // namespace

void ajouterCommandeLire(CLI::App& app) {
    auto* cmd = app.add_subcommand("lire",
                                   "Lit un fichier GEDCOM ligne par ligne et affiche le nombre "
                                   "d'enregistrements par sorte et les défauts relevés");
    auto chemin = std::make_shared<std::string>();
    cmd->add_option("FICHIER", *chemin, "Fichier GEDCOM (par défaut : l'exemple livré)");
    cmd->callback([chemin] {
        fs::path p = chemin->empty() ? exempleLivre() : fs::path(*chemin);
        afficherRecensement(p, RecensementGedcom::recenser(p));
        std::fflush(stdout);
        codeSortie = 0;
    });
}

}  // namespace lignara::cli
