#pragma once
// Paramètres d'un document donnés sur la ligne de commande (lignara document …) :
//   --racine, --conjoint (familles), --seconde (lien de parenté), --format, --coupe, et les
//   options nommées par le libellé de leur dialogue : « LIBELLÉ=VALEUR », la valeur étant un
//   libellé montré par le dialogue, un nombre ou oui/non.
// Un libellé ou une valeur inconnus, un format que le type n'offre pas, une personne demandée
// à un type qui n'en prend pas : OperationImpossible avec un message qui dit ce qui est valide.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "documents/SourceParametres.h"

namespace lignara {

// Numéro d'une personne désignée sur la ligne de commande (texte UTF-8) ; OperationImpossible
// quand elle est introuvable ou ambiguë.
using ResolveurPersonne = std::function<std::int32_t(const std::string& designation)>;

struct DemandeDocument {
    std::string racine;    // UTF-8, tels que tapés
    std::string conjoint;
    std::string seconde;
    std::optional<FormatSortie> format;
    std::vector<std::string> options;  // « LIBELLÉ=VALEUR »
    std::vector<std::string> coupes;
};

class ParametresLigneCommande : public SourceParametres {
public:
    ParametresLigneCommande(DemandeDocument demande, ResolveurPersonne resoudre)
        : demande_(std::move(demande)), resoudre_(std::move(resoudre)) {}
    bool parametrer(Document& document, const ContexteDocument& contexte) override;

private:
    void fixerPersonnes(Document& document, const ContexteDocument& contexte) const;
    void fixerFormat(Document& document) const;
    void fixerCoupes(Document& document, const ContexteDocument& contexte) const;
    void fixerOption(Document& document, const std::string& option) const;

    DemandeDocument demande_;
    ResolveurPersonne resoudre_;
};

// Code de format d'un mot de la ligne de commande (pdf, texte, rtf, web).
std::optional<FormatSortie> formatDeMot(const std::string& mot);

}  // namespace lignara
