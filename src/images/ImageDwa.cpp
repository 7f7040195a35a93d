// Fichier d'image interne (.dwa) : 8 octets d'en-tête, entiers little-endian, sans bourrage.
//   DÉC.    TAILLE  CONTENU
//     0       2     largeur en pixels (> 0)
//     2       2     hauteur en pixels (> 0)
//     4       2     longueur L1 des couleurs comprimées (> 0)
//     6       2     longueur L2 du masque comprimé (> 0)
//     8      L1     couleurs : rouge, vert, bleu sur 8 bits, lignes de haut en bas, format zlib
//   8 + L1   L2     masque d'opacité : un gris de 8 bits par pixel, même ordre, format zlib
// Le fichier peut être plus long (octets ignorés), jamais plus court. Chaque champ est contrôlé
// à la lecture, et les deux flux sont décomprimés jusqu'au bout pour vérifier qu'ils donnent
// exactement largeur × hauteur × 3 et largeur × hauteur octets : une image abîmée rendrait le
// PDF illisible. Les données restent ensuite comprimées jusque dans le PDF.
#include "images/ImageDwa.h"

#include <optional>
#include <sstream>
#include <istream>
#include <ostream>

#include <zlib.h>

#include "commun/FichierEntree.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"

namespace lignara {

namespace {

[[noreturn]] void donneesInternesAbsentes() {
    throw OperationImpossible("Accès impossible à des données internes\nVous devriez réinstaller Lignara"_1252);
}

std::uint16_t lireU16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

void ajouterU16(std::string& s, std::size_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

// Vrai quand les données forment un flux zlib complet de exactement attendu octets. On compte
// par petits morceaux : un en-tête menteur ne fait rien allouer.
bool decomprimeA(const std::string& comprime, std::size_t attendu) {
    z_stream flux{};
    if (inflateInit(&flux) != Z_OK) return false;
    flux.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(comprime.data()));
    flux.avail_in = static_cast<uInt>(comprime.size());
    unsigned char morceau[16384];
    std::size_t total = 0;
    int r = Z_OK;
    while (r == Z_OK && total <= attendu) {
        flux.next_out = morceau;
        flux.avail_out = sizeof morceau;
        r = inflate(&flux, Z_NO_FLUSH);
        total += sizeof morceau - flux.avail_out;
    }
    inflateEnd(&flux);
    return r == Z_STREAM_END && total == attendu;
}

std::string comprimer(const std::vector<std::uint8_t>& octets) {
    uLongf longueur = compressBound(static_cast<uLong>(octets.size()));
    std::string sortie(longueur, '\0');
    if (compress2(reinterpret_cast<Bytef*>(sortie.data()), &longueur, octets.data(), static_cast<uLong>(octets.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK)
        throw OperationImpossible("Compression impossible d'une image interne"_1252);
    sortie.resize(longueur);
    return sortie;
}

}  // namespace

ImageDwa::ImageDwa(const std::filesystem::path& chemin) {
    // Lu sans attendre et borné à ce qu'un en-tête peut annoncer (FichierEntree).
    std::optional<std::string> octets = lireFichierEntier(chemin, kTailleEnTete + 2 * std::size_t{65535});
    if (!octets) donneesInternesAbsentes();
    std::istringstream flux(*octets);
    lire(flux);
}

ImageDwa::ImageDwa(std::istream& flux) { lire(flux); }

void ImageDwa::lire(std::istream& flux) {
    unsigned char octets[kTailleEnTete];
    if (!flux.read(reinterpret_cast<char*>(octets), sizeof octets)) donneesInternesAbsentes();
    enTete_ = {lireU16(octets), lireU16(octets + 2), lireU16(octets + 4), lireU16(octets + 6)};
    if (enTete_.largeur == 0 || enTete_.hauteur == 0 || enTete_.longueurCouleurs == 0 || enTete_.longueurMasque == 0)
        donneesInternesAbsentes();
    couleurs_.assign(enTete_.longueurCouleurs, '\0');
    masque_.assign(enTete_.longueurMasque, '\0');
    if (!flux.read(couleurs_.data(), static_cast<std::streamsize>(couleurs_.size())) ||
        !flux.read(masque_.data(), static_cast<std::streamsize>(masque_.size())))
        donneesInternesAbsentes();
    const std::size_t pixels = std::size_t{enTete_.largeur} * enTete_.hauteur;
    if (!decomprimeA(couleurs_, pixels * 3) || !decomprimeA(masque_, pixels)) donneesInternesAbsentes();
}

void ImageDwa::copierCouleurs(std::ostream& sortie) const {
    sortie.write(couleurs_.data(), static_cast<std::streamsize>(couleurs_.size()));
}

void ImageDwa::copierMasque(std::ostream& sortie) const {
    sortie.write(masque_.data(), static_cast<std::streamsize>(masque_.size()));
}

std::string ImageDwa::fabriquer(TaillePixels taille, const std::vector<std::uint8_t>& rvb,
                                const std::vector<std::uint8_t>& masque) {
    const auto pixels = static_cast<std::size_t>(taille.largeur) * static_cast<std::size_t>(taille.hauteur);
    if (taille.largeur <= 0 || taille.largeur > 0xFFFF || taille.hauteur <= 0 || taille.hauteur > 0xFFFF ||
        rvb.size() != pixels * 3 || masque.size() != pixels)
        throw OperationImpossible("Image interne de taille incorrecte"_1252);
    const std::string couleurs = comprimer(rvb);
    const std::string opacite = comprimer(masque);
    if (couleurs.size() > 0xFFFF || opacite.size() > 0xFFFF)
        throw OperationImpossible("Image interne trop grande"_1252);
    std::string fichier;
    ajouterU16(fichier, static_cast<std::size_t>(taille.largeur));
    ajouterU16(fichier, static_cast<std::size_t>(taille.hauteur));
    ajouterU16(fichier, couleurs.size());
    ajouterU16(fichier, opacite.size());
    return fichier + couleurs + opacite;
}

}  // namespace lignara
