#include "commun/AvisRendu.h"

#include <cstdio>
#include <utility>

#include "commun/Texte.h"

namespace lignara {

namespace {
AfficheurAvis& afficheurCourant() {
    static AfficheurAvis afficheur;
    return afficheur;
}
}  // namespace

AfficheurAvis definirAfficheurAvis(AfficheurAvis afficheur) {
    return std::exchange(afficheurCourant(), std::move(afficheur));
}

void afficherAvis(const std::string& message1252) {
    if (afficheurCourant()) {
        afficheurCourant()(message1252);
        return;
    }
    std::fprintf(stderr, "%s\n", versUtf8(message1252).c_str());
}

}  // namespace lignara
