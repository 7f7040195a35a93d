#pragma once
// Les trois sources des paramètres d'un document, derrière la même interface : les dialogues
// de la fenêtre, un favori (exécution ou modification) et la ligne de commande.
#include "documents/BlocParametres.h"
#include "documents/Document.h"

namespace lignara {

class SourceParametres {
public:
    virtual ~SourceParametres() = default;
    // Remplit document.parametres, qui arrivent aux valeurs par défaut du type. Faux : le
    // document s'arrête sans autre message (annulation, ou message déjà montré).
    virtual bool parametrer(Document& document, const ContexteDocument& contexte) = 0;
};

// Paramètres d'un favori. En exécution, la réussite veut dire que la personne de tête est
// connue (le nom pour la carte de patronyme ; un type sans personne de tête réussit toujours).
class ParametresFavori : public SourceParametres {
public:
    ParametresFavori(const Favori& favori, ModeFavori mode) : favori_(favori), mode_(mode) {}
    bool parametrer(Document& document, const ContexteDocument& contexte) override;

private:
    const Favori& favori_;
    ModeFavori mode_;
};

// Édition des paramètres d'un favori : document du type du favori, paramètres décodés en mode
// modification, remplis par la source (les dialogues), puis recodés dans le favori. Faux quand
// la source a échoué ; le favori garde alors ses anciens paramètres, comme quand le codage
// lève OperationImpossible (trop de paramètres).
bool modifierParametresFavori(Favori& favori, Document& document, SourceParametres& dialogues,
                              const ContexteDocument& contexte);

}  // namespace lignara
