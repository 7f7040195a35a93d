// lignara categories compiler|tester : compile une définition de catégories ou montre les
// catégories qu'un texte accorde, pour vérifier une définition sans faire d'arbre.
#include <cstdio>
#include <memory>
#include <string>

#include "commun/Texte.h"
#include "reference/Categories.h"
#include "shell/cli/Commandes.h"

namespace lignara::cli {

namespace {

struct OptionsCategories {
    std::string genre;
    std::string texte;
};

int numeroGenre(const std::string& genre) {
    return genre == "sources" ? Categories::kSources : Categories::kProfessions;
}

void compiler(const OptionsCategories& o) {
    int genre = numeroGenre(o.genre);
    auto avertissements = Categories::compiler(genre, Categories::lireDefinition(genre));
    for (const auto& a : avertissements) std::fprintf(stderr, "%s\n", versUtf8(a).c_str());
    CategorieAutomate automate = Categories::charger(genre);
    std::printf("%zu catégories compilées dans %s\n", automate.nombre(),
                Categories::compileUtilisateur(genre).string().c_str());
}

void tester(const OptionsCategories& o) {
    CategorieAutomate automate = Categories::charger(numeroGenre(o.genre));
    std::string texte = depuisUtf8(o.texte);
    for (std::uint8_t c : automate.categoriesDuTexte(texte)) std::printf("%s\n", versUtf8(automate.noms()[c]).c_str());
}

}  // namespace

void ajouterCommandeCategories(CLI::App& app) {
    auto options = std::make_shared<OptionsCategories>();
    CLI::App* commande = app.add_subcommand("categories", "Catégories de professions et de sources");
    commande->require_subcommand(1);
    const std::string genres = "professions ou sources";

    CLI::App* c =
        commande->add_subcommand("compiler", "Compile la définition de l'utilisateur (sinon celle de référence)");
    c->add_option("genre", options->genre, genres)->required()->check(CLI::IsMember({"professions", "sources"}));
    c->callback([options] { compiler(*options); });

    CLI::App* t = commande->add_subcommand("tester", "Affiche, une par ligne, les catégories que le texte accorde");
    t->add_option("genre", options->genre, genres)->required()->check(CLI::IsMember({"professions", "sources"}));
    t->add_option("texte", options->texte, "Texte d'une profession ou d'une source")->required();
    t->callback([options] { tester(*options); });
}

}  // namespace lignara::cli
