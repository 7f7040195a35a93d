#include "commun/RecepteurMessages.h"

#include <cstdio>

#include "commun/Texte.h"

namespace lignara {

RecepteurMessages recepteurErreurStandard() {
    return [](const std::string& message1252) {
        const std::string texte = versUtf8(message1252) + "\n";
        std::fwrite(texte.data(), 1, texte.size(), stderr);
    };
}

}  // namespace lignara
