#include "shell/cli/Francais.h"

#include <iostream>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace lignara::cli {

namespace {

constexpr const char* kAide = "-h,--aide,--help";
constexpr const char* kTexteAide = "Affiche cette aide et quitte";

// Les messages de CLI11 2.x, chacun avec sa traduction (les groupes $1… sont gardés : ce sont
// des noms d'options ou des valeurs tapées).
struct Traduction {
    const char* anglais;
    const char* francais;
};

constexpr Traduction kTraductions[] = {
    {"The following arguments were not expected: (.*)", "arguments inattendus : $1"},
    {"The following argument was not expected: (.*)", "argument inattendu : $1"},
    {"A subcommand is required", "une commande est obligatoire"},
    {"(.*) is required", "$1 est obligatoire"},
    {"Exactly 1 option from \\[(.*)\\].*", "une et une seule des options $1 est obligatoire"},
    {"At least 1 option from \\[(.*)\\].*", "au moins une des options $1 est obligatoire"},
    {"Requires at (least|most) .*", "nombre d'options ou de commandes incorrect"},
    {"Expected exactly ([0-9]+) arguments? to (.*), got ([0-9]+)", "$2 attend $1 valeur(s), $3 donnée(s)"},
    {"Expected at least ([0-9]+) arguments? to (.*), got ([0-9]+)", "$2 attend au moins $1 valeur(s), $3 donnée(s)"},
    {"(.*): At least ([0-9]+) required but received ([0-9]+)", "$1 attend au moins $2 valeur(s), $3 donnée(s)"},
    {"(.*): At Most ([0-9]+) required but received ([0-9]+)", "$1 attend au plus $2 valeur(s), $3 donnée(s)"},
    {"(.*): ([0-9]+) required .* missing", "il manque la valeur de $1"},
    {"(.*) was given a disallowed flag override", "$1 ne prend pas de valeur"},
    {"(.*): too many inputs for a flag", "$1 ne prend pas de valeur"},
    {"(.*): Should be true/false or a number", "$1 attend oui/non (true/false) ou un nombre"},
    {"The value (.*) is not an allowed value for (.*)", "la valeur $1 n'est pas permise pour $2"},
    {"Could not convert: (.*) = (.*)", "valeur incorrecte pour $1 : $2"},
    {"(.*): Value (.*) not in range (.*) to (.*)", "$1 : la valeur $2 n'est pas entre $3 et $4"},
    {"(.*): (.*) not in \\{(.*)\\}", "$1 : « $2 » n'est pas l'une des valeurs $3"},
    {"(.*): Value (.*) not in (.*)", "$1 : « $2 » n'est pas l'une des valeurs $3"},
    {"(.*) requires (.*)", "$1 demande aussi $2"},
    {"(.*) excludes (.*)", "$1 exclut $2"},
    {"(.*) was not readable \\(missing\\?\\)", "$1 est illisible ou absent"},
    {"(.*): Too many positional arguments.*", "trop d'arguments"},
};

// Les commandes héritent de l'option d'aide du programme à leur création.
void rangerSousCommandes(CLI::App& commande) {
    for (CLI::App* sous : commande.get_subcommands({})) {
        sous->group("COMMANDES");
        rangerSousCommandes(*sous);
    }
}

// La commande (et sous-commande) la plus profonde qui a été reconnue : son aide est la bonne.
std::string commandeReconnue(const CLI::App& app) {
    for (const CLI::App* sous : app.get_subcommands()) return " " + sous->get_name() + commandeReconnue(*sous);
    return "";
}

// CLI11 écrit les arguments en trop à l'envers (« z.ged y.ged » pour « y.ged z.ged ») : ils
// sont repris, dans l'ordre tapé, de la commande reconnue la plus profonde.
std::string argumentsEnTrop(const CLI::App& app) {
    for (const CLI::App* sous : app.get_subcommands()) return argumentsEnTrop(*sous);
    const std::vector<std::string> restes = app.remaining(false);
    if (restes.empty()) return {};
    std::string message = restes.size() > 1 ? "arguments inattendus :" : "argument inattendu :";
    for (const std::string& r : restes) message += " " + r;
    return message;
}

}  // namespace

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
    f->label("Env", "Variable");
    f->label("TEXT", "TEXTE");
    f->label("INT", "ENTIER");
    f->label("UINT", "ENTIER");
    f->label("FLOAT", "NOMBRE");
    app.formatter(f);
    app.option_defaults()->group("Options");
    app.set_help_flag(kAide, kTexteAide);
}

void rangerCommandes(CLI::App& app) { rangerSousCommandes(app); }

std::string messageFrancais(const CLI::ParseError& e) {
    const std::string texte = e.what();
    for (const Traduction& t : kTraductions) {
        const std::regex motif(t.anglais);
        if (std::regex_match(texte, motif)) return std::regex_replace(texte, motif, t.francais);
    }
    return "ligne de commande incorrecte";
}

int sortirEnFrancais(CLI::App& app, const CLI::ParseError& erreur) {
    if (dynamic_cast<const CLI::Success*>(&erreur) || erreur.get_exit_code() == 0) return app.exit(erreur);
    std::string message;
    if (dynamic_cast<const CLI::ExtrasError*>(&erreur)) message = argumentsEnTrop(app);
    if (message.empty()) message = messageFrancais(erreur);
    std::cerr << "Erreur : " << message << "\n"
              << "Lancez « lignara" << commandeReconnue(app) << " --aide » pour l'aide.\n";
    return erreur.get_exit_code();
}

}  // namespace lignara::cli
