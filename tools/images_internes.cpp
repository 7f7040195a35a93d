// Générateur des images internes livrées : lit une description (data/Themes/*.txt) et écrit
// l'image, en .dwa (couleurs et masque d'opacité) ou en .jpg selon l'extension de la sortie.
//
// Description, une clé par ligne, « # » pour un commentaire :
//   forme disque | degrade
//   taille LARGEUR HAUTEUR
//   couleur R V B        (disque)
//   haut R V B, bas R V B (dégradé vertical)
//
// Usage : outil_images_internes DESCRIPTION SORTIE
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "images/ImageDwa.h"
#include "images/PhotoJpeg.h"
#include "images/BibliothequeJpeg.h"

using namespace lignara;

namespace {

using Description = std::map<std::string, std::vector<int>>;

struct Image {
    TaillePixels taille;
    std::vector<std::uint8_t> rvb, masque;
};

Description lireDescription(const std::string& chemin) {
    std::ifstream fichier(chemin);
    if (!fichier) throw OperationImpossible("Description introuvable : " + chemin);
    Description d;
    std::string ligne;
    while (std::getline(fichier, ligne)) {
        std::istringstream mots(ligne);
        std::string cle;
        if (!(mots >> cle) || cle[0] == '#') continue;
        if (cle == "forme") {
            std::string forme;
            mots >> forme;
            d["forme"] = {forme == "disque" ? 1 : forme == "degrade" ? 2 : 0};
            continue;
        }
        for (int v; mots >> v;) d[cle].push_back(v);
    }
    return d;
}

std::vector<int> valeurs(const Description& d, const std::string& cle, std::size_t nombre) {
    auto it = d.find(cle);
    if (it == d.end() || it->second.size() != nombre) throw OperationImpossible("Clé absente ou incomplète : " + cle);
    return it->second;
}

std::uint8_t octet(double v) { return static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0) + 0.5); }

// Disque lissé : l'opacité suit la part de chaque pixel couverte (suréchantillonnage 4 × 4),
// la couleur s'éclaircit vers le haut à gauche pour donner du relief.
Image disque(TaillePixels t, const std::vector<int>& c) {
    Image im{t, {}, {}};
    const double r = std::min(t.largeur, t.hauteur) / 2.0 - 0.5;
    const double cx = t.largeur / 2.0, cy = t.hauteur / 2.0;
    for (int y = 0; y < t.hauteur; ++y) {
        for (int x = 0; x < t.largeur; ++x) {
            int couverts = 0;
            for (int k = 0; k < 16; ++k) {
                const double px = x + (k % 4 + 0.5) / 4, py = y + (k / 4 + 0.5) / 4;
                couverts += std::hypot(px - cx, py - cy) <= r ? 1 : 0;
            }
            const double lx = (x + 0.5 - cx * 0.7) / r, ly = (y + 0.5 - cy * 0.7) / r;
            const double lumiere = std::max(0.0, 1.0 - std::hypot(lx, ly)) * 0.55;
            for (int k = 0; k < 3; ++k) im.rvb.push_back(octet(c[k] + (255 - c[k]) * lumiere));
            im.masque.push_back(octet(couverts * 255.0 / 16));
        }
    }
    return im;
}

Image degrade(TaillePixels t, const std::vector<int>& haut, const std::vector<int>& bas) {
    Image im{t, {}, {}};
    for (int y = 0; y < t.hauteur; ++y) {
        const double f = t.hauteur > 1 ? double(y) / (t.hauteur - 1) : 0.0;
        for (int x = 0; x < t.largeur; ++x) {
            for (int k = 0; k < 3; ++k) im.rvb.push_back(octet(haut[k] + (bas[k] - haut[k]) * f));
            im.masque.push_back(255);
        }
    }
    return im;
}

Image fabriquer(const Description& d) {
    const std::vector<int> taille = valeurs(d, "taille", 2);
    const TaillePixels t{taille[0], taille[1]};
    if (t.largeur <= 0 || t.hauteur <= 0 || t.largeur > 4096 || t.hauteur > 4096)
        throw OperationImpossible("Taille incorrecte");
    switch (valeurs(d, "forme", 1)[0]) {
        case 1: return disque(t, valeurs(d, "couleur", 3));
        case 2: return degrade(t, valeurs(d, "haut", 3), valeurs(d, "bas", 3));
        default: throw OperationImpossible("Forme inconnue");
    }
}

void ecrire(const Image& im, const std::string& sortie) {
    std::ofstream fichier(sortie, std::ios::binary);
    if (sortie.size() > 4 && sortie.substr(sortie.size() - 4) == ".dwa") {
        fichier << ImageDwa::fabriquer(im.taille, im.rvb, im.masque);
    } else {
        std::string message;
        std::uint64_t octets = 0;
        const auto pas = static_cast<std::size_t>(im.taille.largeur) * 3;
        encoderJpeg(
            fichier, im.taille.largeur, im.taille.hauteur,
            [&](std::int32_t y) { return im.rvb.data() + pas * static_cast<std::size_t>(y); }, message, octets);
        if (!message.empty()) throw OperationImpossible(message);
    }
    if (!fichier.flush()) throw OperationImpossible("Écriture impossible : " + sortie);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage : outil_images_internes DESCRIPTION SORTIE\n");
        return 2;
    }
    try {
        ecrire(fabriquer(lireDescription(argv[1])), argv[2]);
    } catch (const OperationImpossible& e) {
        std::fprintf(stderr, "%s : %s\n", argv[1], versUtf8(e.what()).c_str());
        return 1;
    }
    return 0;
}
