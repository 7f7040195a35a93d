#pragma once
// Recueille les messages destinés à l'utilisateur pendant un test au lieu de les montrer.
#include <string>
#include <vector>

#include "commun/RecepteurMessages.h"

namespace lignara::essai {

class MessagesCaptures {
public:
    MessagesCaptures() = default;
    MessagesCaptures(const MessagesCaptures&) = delete;
    MessagesCaptures& operator=(const MessagesCaptures&) = delete;

    // Valable tant que l'objet vit.
    RecepteurMessages recepteur() {
        return [this](const std::string& message1252) { messages.push_back(message1252); };
    }

    std::vector<std::string> messages;
};

}  // namespace lignara::essai
