#pragma once
// Recueille les messages du rendu pendant un test au lieu de les écrire.
#include <string>
#include <vector>

#include "commun/AvisRendu.h"

namespace lignara::essai {

class AvisCaptures {
public:
    AvisCaptures() {
        precedent_ = definirAfficheurAvis([this](const std::string& m) { messages.push_back(m); });
    }
    ~AvisCaptures() { definirAfficheurAvis(precedent_); }
    AvisCaptures(const AvisCaptures&) = delete;
    AvisCaptures& operator=(const AvisCaptures&) = delete;

    std::vector<std::string> messages;

private:
    AfficheurAvis precedent_;
};

}  // namespace lignara::essai
