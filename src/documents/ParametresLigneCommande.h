#pragma once
// Paramètres d'un document donnés sur la ligne de commande (lignara document …) :
//   --racine, --conjoint (familles), --seconde (lien de parenté), --patronyme (carte de
//   patronyme), --format, --coupe, --report (branches reportées de la liste descendante), et les
//   options nommées par le libellé de leur dialogue : « LIBELLÉ=VALEUR », la valeur étant un
//   libellé montré par le dialogue, un nombre, oui/non ou une date JJ/MM/AAAA. Les options sont
//   tirées des paramètres déclarés du type (ParametreDeclare.h).
// Un libellé ou une valeur inconnus, un format que le type n'offre pas, une personne demandée
// à un type qui n'en prend pas : OperationImpossible avec un message qui dit ce qui est valide.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "documents/IdentifiantsPersonnes.h"
#include "documents/SourceParametres.h"

namespace lignara {

// Numéro d'une personne désignée sur la ligne de commande (texte UTF-8) ; OperationImpossible
// quand elle est introuvable ou ambiguë.
using ResolveurPersonne = std::function<std::int32_t(const std::string& designation)>;

// Option nommée d'un type : le libellé de son dialogue sans ses deux-points, le paramètre
// qu'elle remplit (rang dans la signature) et ses valeurs.
struct OptionDocument {
    enum class Genre : std::uint8_t {
        OuiNon,  // paramètre « b » : oui / non
        Nombre,  // paramètre « 1 », « 2 » ou « 4 » entre minimum et maximum
        Choix,   // un des choix ; paramètre « s » : le libellé lui-même
        Texte,   // paramètre « s » libre, longueurMax octets au plus
        Date,    // paramètre « D » : JJ/MM/AAAA, MM/AAAA ou AAAA
    };
    std::string libelle;  // UTF-8, tel que le dialogue le montre
    std::size_t parametre = 0;
    Genre genre = Genre::OuiNon;
    std::vector<ChoixParametre> choix;  // libellés en Windows-1252
    std::size_t rangAucun = SIZE_MAX;   // rang du choix qui rend la valeur de départ
    std::int64_t minimum = 0;
    std::int64_t maximum = 0;
    std::size_t longueurMax = 100;
};

// Options du type, dans l'ordre de la signature : ses paramètres déclarés avec un libellé,
// hors personnes, listes, format et coupes, qui ont leurs propres arguments.
std::vector<OptionDocument> optionsDuType(const Afficheur& type);

struct DemandeDocument {
    std::string racine;  // UTF-8, tels que tapés
    std::string conjoint;
    std::string seconde;
    std::string patronyme;  // carte de patronyme : le nom de famille
    std::optional<FormatSortie> format;
    std::vector<std::string> options;  // « LIBELLÉ=VALEUR »
    std::vector<std::string> coupes;
    std::vector<std::string> reports;
};

class ParametresLigneCommande : public SourceParametres {
public:
    // identifiants : pour nommer les personnes d'une liste de choix par leur identifiant GEDCOM
    // (nul quand ils ne sont pas connus).
    ParametresLigneCommande(DemandeDocument demande, ResolveurPersonne resoudre,
                            const IdentifiantsPersonnes* identifiants = nullptr)
        : demande_(std::move(demande)), resoudre_(std::move(resoudre)), identifiants_(identifiants) {}
    bool parametrer(Document& document, const ContexteDocument& contexte) override;

private:
    void fixerPersonnes(Document& document, const ContexteDocument& contexte) const;
    void fixerFormat(Document& document) const;
    void fixerCoupes(Document& document, const ContexteDocument& contexte) const;
    void fixerReports(Document& document, const ContexteDocument& contexte) const;
    void fixerOption(Document& document, const std::string& option) const;

    DemandeDocument demande_;
    ResolveurPersonne resoudre_;
    const IdentifiantsPersonnes* identifiants_;
};

// Code de format d'un mot de la ligne de commande (pdf, texte, rtf, web).
std::optional<FormatSortie> formatDeMot(const std::string& mot);

}  // namespace lignara
