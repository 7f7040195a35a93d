// lignara preferences [--reinitialiser] : montre les préférences lues dans « Config.dwa » du
// dossier de configuration, ou y remet les valeurs par défaut.
#include <cstdio>
#include <memory>

#include "commun/Dossiers.h"
#include "commun/Texte.h"
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

void afficherPreferences(bool reinitialiser) {
    std::filesystem::path dossier = dossierConfigurationAccessible();
    std::printf("%s%s\n", versUtf8("Dossier de configuration : "_1252).c_str(), dossier.string().c_str());
    if (reinitialiser) {
        enregistrerConfiguration(Configuration{}, dossier);
        std::printf("%s\n", versUtf8("Config.dwa : valeurs par défaut enregistrées"_1252).c_str());
    }
    EtatChargement etat = EtatChargement::absent;
    Configuration configuration = chargerConfiguration(dossier, &etat);
    std::printf("Config.dwa : %s\n", versUtf8(libelleEtat(etat)).c_str());
    for (const std::string& ligne : decrireConfiguration(configuration))
        std::printf("  %s\n", versUtf8(ligne).c_str());
}

}  // namespace

void ajouterCommandePreferences(CLI::App& app) {
    auto* cmd = app.add_subcommand("preferences", "Affiche les préférences (fichier Config.dwa du "
                                                  "dossier de configuration)");
    cmd->set_help_flag("-h,--aide", "Affiche cette aide et quitte");
    auto reinitialiser = std::make_shared<bool>(false);
    cmd->add_flag("--reinitialiser", *reinitialiser, "Remet toutes les préférences à leur valeur par défaut");
    cmd->callback([reinitialiser] {
        afficherPreferences(*reinitialiser);
        std::fflush(stdout);
        codeSortie = 0;
    });
}

}  // namespace lignara::cli
