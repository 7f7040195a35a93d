#include "commun/RecepteurMessages.h"

#include <cstdio>
#include <memory>
#include <mutex>
#include <set>
#include <utility>

#include "commun/Texte.h"

namespace lignara {

RecepteurMessages recepteurErreurStandard() {
    return [](const std::string& message1252) {
        const std::string texte = versUtf8(message1252) + "\n";
        std::fwrite(texte.data(), 1, texte.size(), stderr);
    };
}

RecepteurMessages sansRepetition(RecepteurMessages recepteur) {
    if (!recepteur) return recepteur;
    struct Deja {
        std::mutex verrou;
        std::set<std::string> messages;
    };
    auto deja = std::make_shared<Deja>();
    return [deja, recepteur = std::move(recepteur)](const std::string& message1252) {
        {
            std::lock_guard garde(deja->verrou);
            if (!deja->messages.insert(message1252).second) return;
        }
        recepteur(message1252);
    };
}

}  // namespace lignara
