#include "documents/arbres/BoitesWeb.h"

#include "render/ReglagesDessin.h"

namespace lignara {

namespace {
constexpr std::int32_t kLigne = 176;
}  // namespace

BoiteWeb boiteWeb(const BoiteArbre& n, const StyleBoites& style, std::string ancre) {
    BoiteWeb b;
    b.x = n.x;
    b.haut = n.y;
    b.bas = n.bas();
    b.largeur = n.largeur;
    b.largeurPhoto = n.largeurPhoto;
    b.photo = n.photo;
    b.ancre = std::move(ancre);
    if (style.chromatique) b.fond = couleurRvb(n.remplissage.rouge, n.remplissage.vert, n.remplissage.bleu);
    if (style.couleurParSexe && !style.chromatique && (n.sexe == 'M' || n.sexe == 'F'))
        b.couleurPremiere = n.sexe == 'F' ? style.couleurFemmes : style.couleurHommes;
    b.premiere = n.ligneNom;
    b.lignes = n.lignes;
    return b;
}

void ecrireTexteMariageWeb(RedacteurBlocsWeb& blocs, const MetriquePolice& police, const BoiteArbre& porteur,
                           std::int32_t centre, std::int32_t m) {
    if (porteur.largeurMariage <= 0) return;
    for (std::size_t k = 0; k < porteur.texteMariage.size(); ++k) {
        const std::string& ligne = porteur.texteMariage[k];
        blocs.texte(centre - largeurTexte(police, ligne) / 2, m - kLigne * static_cast<std::int32_t>(k + 1), ligne);
    }
}

}  // namespace lignara
