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
    const std::string texte = e.what();
    if (dynamic_cast<const CLI::ExtrasError*>(&e)) return "argument inattendu (" + texte + ")";
    if (dynamic_cast<const CLI::RequiredError*>(&e)) return "argument ou option obligatoire absent (" + texte + ")";
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e)) return "nombre d'arguments incorrect (" + texte + ")";
    if (dynamic_cast<const CLI::ConversionError*>(&e) || dynamic_cast<const CLI::ValidationError*>(&e))
        return "valeur incorrecte (" + texte + ")";
    return texte;
}
}  // namespace

int sortirEnFrancais(CLI::App& app, const CLI::ParseError& erreur) {
    if (dynamic_cast<const CLI::Success*>(&erreur) || erreur.get_exit_code() == 0) return app.exit(erreur);
    std::cerr << "Erreur : " << messageFrancais(erreur) << "\n"
              << "Lancez « lignara --aide » pour l'aide.\n";
    return erreur.get_exit_code();
}

}  // namespace lignara::cli
