#include "shell/cli/Francais.h"

#include <iostream>
#include <memory>

namespace lignara::cli {

void franciser(CLI::App& app) {
    auto f = std::make_shared<CLI::Formatter>();
    f->label("Usage", "Utilisation");
    f->label("OPTIONS", "OPTIONS");
    f->label("SUBCOMMAND", "COMMANDE");
    f->label("SUBCOMMANDS", "COMMANDES");
    f->label("Positionals", "Arguments");
    f->label("REQUIRED", "OBLIGATOIRE");
    f->label("Needs", "Exige");
    f->label("Excludes", "Exclut");
    f->label("TEXT", "TEXTE");
    f->label("INT", "ENTIER");
    app.formatter(f);
    app.option_defaults()->group("Options");
}

namespace {
std::string messageFrancais(const CLI::ParseError& e) {
    const std::string nom = e.get_name();
    if (nom == "RequiredError") return "argument ou option obligatoire absent : " + std::string(e.what());
    if (nom == "ExtrasError") return "argument inattendu : " + std::string(e.what());
    if (nom == "ArgumentMismatch") return "nombre d'arguments incorrect : " + std::string(e.what());
    if (nom == "ConversionError" || nom == "ValidationError")
        return "valeur incorrecte : " + std::string(e.what());
    return e.what();
}
}  // namespace

int sortirEnFrancais(CLI::App& app, const CLI::ParseError& erreur) {
    const std::string nom = erreur.get_name();
    if (nom == "CallForHelp" || nom == "CallForAllHelp" || nom == "CallForVersion") return app.exit(erreur);
    std::cerr << "Erreur : " << messageFrancais(erreur) << "\n"
              << "Lancez « lignara --aide » pour l'aide.\n";
    return erreur.get_exit_code();
}

}  // namespace lignara::cli
