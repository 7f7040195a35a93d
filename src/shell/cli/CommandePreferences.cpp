// lignara preferences [--reinitialiser] [--papier FORMAT] : montre les préférences lues dans
// « Config.dwa » du dossier de configuration, y remet les valeurs par défaut, ou y range le
// format de papier des documents de la ligne de commande.
#include <cstdio>
#include <memory>

#include "commun/Dossiers.h"
#include "commun/Texte.h"
#include "documents/DocumentLigneCommande.h"
#include "reglages/Configuration.h"
#include "reglages/DescriptionConfiguration.h"
#include "shell/cli/Commandes.h"

namespace lignara::cli {

namespace {

const char* libelleEtat(EtatChargement etat) {
    switch (etat) {
        case EtatChargement::lu: return "lu";
        case EtatChargement::absent: return "absent, valeurs par défaut"_1252;
        case EtatChargement::illisible: return "illisible, valeurs par défaut"_1252;
        case EtatChargement::abime:
            return "abîmé, les valeurs lisibles gardées, les autres par défaut ; copié en Config.dwa.abime "
                   "avant la prochaine écriture"_1252;
    }
    return "";
}

struct OptionsPreferences {
    bool reinitialiser = false;
    std::string papier;  // UTF-8
};

void afficherPreferences(const OptionsPreferences& o) {
    // Un nom inconnu est refusé avant que rien ne soit écrit.
    const std::uint16_t papier = o.papier.empty() ? 0 : papierNomme(o.papier);
    std::filesystem::path dossier = dossierConfigurationAccessible();
    std::printf("%s%s\n", versUtf8("Dossier de configuration : "_1252).c_str(), dossier.string().c_str());
    if (o.reinitialiser) {
        enregistrerConfiguration(Configuration{}, dossier);
        std::printf("%s\n", versUtf8("Config.dwa : valeurs par défaut enregistrées"_1252).c_str());
    }
    if (papier) {
        Configuration rangee = chargerConfiguration(dossier);
        rangee.papierLigneCommande = papier;
        enregistrerConfiguration(rangee, dossier);
        std::printf("%s\n", versUtf8("Config.dwa : format de papier de la ligne de commande enregistré"_1252).c_str());
    }
    EtatChargement etat = EtatChargement::absent;
    Configuration configuration = chargerConfiguration(dossier, &etat);
    std::printf("Config.dwa : %s\n", versUtf8(libelleEtat(etat)).c_str());
    for (const std::string& ligne : decrireConfiguration(configuration)) std::printf("  %s\n", versUtf8(ligne).c_str());
}

}  // namespace

void ajouterCommandePreferences(CLI::App& app) {
    auto* cmd = app.add_subcommand("preferences",
                                   "Affiche les préférences (fichier Config.dwa du "
                                   "dossier de configuration)");
    auto options = std::make_shared<OptionsPreferences>();
    cmd->add_flag("--reinitialiser", options->reinitialiser, "Remet toutes les préférences à leur valeur par défaut");
    cmd->add_option("--papier", options->papier,
                    "Range le format de papier que « lignara document » prend sans --papier "
                    "(\"A4 portrait\", \"Non paginé\"…)");
    cmd->callback([options] {
        afficherPreferences(*options);
        std::fflush(stdout);
        codeSortie = 0;
    });
}

}  // namespace lignara::cli
