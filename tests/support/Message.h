#pragma once
// Message d'une demande refusée : le texte de son OperationImpossible, vide quand elle passe.
#include <string>

#include "commun/OperationImpossible.h"

namespace lignara::essai {

template <class Action>
std::string messageDe(Action&& action) {
    try {
        action();
    } catch (const OperationImpossible& e) {
        return e.what();
    }
    return {};
}

}  // namespace lignara::essai
