#include "render/pdf/ObjetPdfSsImageDwa.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "render/pdf/FormatPdf.h"

namespace lignara {

namespace {
std::uint16_t lireU16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

// Recopie au plus longueur octets ; rend le nombre d'octets recopiés (moins quand le fichier
// est trop court : la longueur écrite reste alors celle des données réellement présentes).
std::uint64_t recopier(std::istream& flux, std::ostream& sortie, std::uint64_t longueur) {
    char morceau[5000];
    std::uint64_t copies = 0;
    while (copies < longueur && flux) {
        auto n = static_cast<std::streamsize>(std::min<std::uint64_t>(sizeof morceau, longueur - copies));
        flux.read(morceau, n);
        std::streamsize lus = flux.gcount();
        if (lus <= 0) break;
        sortie.write(morceau, lus);
        copies += static_cast<std::uint64_t>(lus);
    }
    return copies;
}

std::uint64_t octetsDisponibles(std::istream& flux, std::uint64_t debut) {
    flux.clear();
    flux.seekg(0, std::ios::end);
    std::int64_t fin = flux.tellg();
    if (fin < 0 || static_cast<std::uint64_t>(fin) <= debut) return 0;
    return static_cast<std::uint64_t>(fin) - debut;
}
}  // namespace

bool lireEnTeteImageDwa(std::istream& flux, EnTeteImageDwa& entete) {
    flux.clear();
    flux.seekg(0);
    unsigned char octets[8];
    flux.read(reinterpret_cast<char*>(octets), sizeof octets);
    if (flux.gcount() != static_cast<std::streamsize>(sizeof octets)) return false;
    entete = {lireU16(octets), lireU16(octets + 2), lireU16(octets + 4), lireU16(octets + 6)};
    return true;
}

void ObjetPdfSsImageDwa::ecrireTexte(std::ostream& sortie, const ContextePdf&) {
    EnTeteImageDwa e;
    bool lisible = lireEnTeteImageDwa(flux_, e);
    bool couleur = masque_ != nullptr;
    std::uint64_t debut = 8 + (couleur ? 0 : e.longueurCouleur);
    std::uint64_t longueur = couleur ? e.longueurCouleur : e.longueurMasque;
    // Un fichier tronqué ne doit pas faire annoncer plus d'octets qu'on n'en recopie.
    longueur = lisible ? std::min(longueur, octetsDisponibles(flux_, debut)) : 0;
    std::string s = entete();
    s += "  << /Length ";
    ajouterEntier(s, static_cast<std::int64_t>(longueur));
    s += "\n\t  /Filter /FlateDecode\n     /Type /XObject\n     /Subtype /Image\n     /Width ";
    ajouterEntier(s, e.largeur);
    s += "\n     /Height ";
    ajouterEntier(s, e.hauteur);
    s += "\n";
    if (couleur) {
        s += "\t /ColorSpace /DeviceRGB\n     /Interpolate true\n     /SMask ";
        ajouterEntier(s, masque_->numero());
        s += " 0 R\n";
    } else {
        s += "     /ColorSpace /DeviceGray\n";
    }
    s += "     /BitsPerComponent 8\n   >>\n stream\n";
    ecrireOctets(sortie, s);
    if (longueur > 0) {
        flux_.clear();
        flux_.seekg(static_cast<std::streamoff>(debut));
        recopier(flux_, sortie, longueur);
    }
    sortie << "\nendstream\nendobj\n\n";
}

}  // namespace lignara
