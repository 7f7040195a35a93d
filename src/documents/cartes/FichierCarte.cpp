// Fichier de cartographie « Carto/<code>.dat », entiers little-endian, sans bourrage.
//   DÉC.  TAILLE  CONTENU
//     0     2     plus grand numéro de région (u16)
//     2     1     plus grand nombre de points d'un polygone (u8) : le tampon des points du lecteur
//     3     4     largeur de la carte (u32, unités de carte, 1 à 2^24)
//     7     4     hauteur de la carte (u32, 1 à 2^24), y vers le nord
//    11           puis, jusqu'à la fin du fichier, une fiche par région :
//    +0     2     numéro de région (u16, 33 à 255 : l'octet de subdivision des codes de lieu)
//    +2   100     nom de la région, Windows-1252, terminé par 0
//  +102   100     texte du code montré sur la carte, terminé par 0
//  +202     4     x de l'étiquette (u32)
//  +206     4     y + 4x de l'étiquette (u32 ; le lecteur ôte 4x en 64 bits)
//  +210     1     nombre de polygones P (u8)
//  +211           P polygones, chacun :
//                   2  nombre de points n (i16 ; négatif : enclave peinte en blanc, de −n points)
//                   4  x du premier point (u32)
//                   4  y du premier point (u32)
//                   (|n| − 1) × 8  paires (a, b) : x = a XOR (y précédent), y = b XOR (x précédent)
// Contrôles de la lecture : chaque compte (3 ≤ |n| ≤ octet 2 de l'en-tête), chaque numéro (de
// 33 au plus grand numéro de l'en-tête, une seule fiche par numéro), chaque texte terminé dans
// ses 100 octets, chaque point et l'étiquette dans la carte, la fin du fichier sur une fin de
// fiche, au moins une fiche. Toute autre valeur donne le message « abîmé ».
#include "documents/cartes/FichierCarte.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>
#include <stdexcept>

#include "commun/FichierTemporaire.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"

namespace lignara {

namespace fs = std::filesystem;

namespace {

class LecteurCarte {
public:
    LecteurCarte(std::span<const std::uint8_t> octets, const std::string& nom) : octets_(octets), nom_(nom) {}

    [[noreturn]] void abime() const {
        throw OperationImpossible("Fichier de cartographie "_1252 + nom_ + " abîmé.\nRé-installez Lignara."_1252);
    }
    bool fini() const { return position_ == octets_.size(); }
    std::uint8_t u8() {
        exiger(1);
        return octets_[position_++];
    }
    std::uint16_t u16() {
        exiger(2);
        auto v = static_cast<std::uint16_t>(octets_[position_] | (octets_[position_ + 1] << 8));
        position_ += 2;
        return v;
    }
    std::uint32_t u32() {
        exiger(4);
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = (v << 8) | octets_[position_ + static_cast<std::size_t>(i)];
        position_ += 4;
        return v;
    }
    std::string texte() {
        exiger(Carte::kLongueurTexte);
        auto debut = octets_.begin() + static_cast<std::ptrdiff_t>(position_);
        auto zero = std::find(debut, debut + Carte::kLongueurTexte, std::uint8_t{0});
        if (zero == debut + Carte::kLongueurTexte) abime();
        position_ += Carte::kLongueurTexte;
        return std::string(debut, zero);
    }

private:
    void exiger(std::size_t n) const {
        if (octets_.size() - position_ < n) abime();
    }

    std::span<const std::uint8_t> octets_;
    std::string nom_;
    std::size_t position_ = 0;
};

PolygoneCarte lirePolygone(LecteurCarte& l, const Carte& carte) {
    const auto n = static_cast<std::int16_t>(l.u16());
    const int compte = n < 0 ? -n : n;
    if (compte < 3 || compte > carte.pointsMax) l.abime();
    PolygoneCarte p;
    p.enclave = n < 0;
    p.points.reserve(static_cast<std::size_t>(compte));
    PointCarte point{l.u32(), 0};
    point.y = l.u32();
    for (int i = 0;; ++i) {
        if (point.x > carte.largeur || point.y > carte.hauteur) l.abime();
        p.points.push_back(point);
        if (i + 1 == compte) break;
        const std::uint32_t a = l.u32(), b = l.u32();
        point = PointCarte{a ^ point.y, b ^ point.x};
    }
    return p;
}

RegionCarte lireRegion(LecteurCarte& l, const Carte& carte) {
    RegionCarte r;
    r.numero = l.u16();
    if (r.numero < Carte::kPremiereRegion || r.numero > carte.regionMax) l.abime();
    r.nom = l.texte();
    r.code = l.texte();
    const std::uint64_t x = l.u32();
    const std::uint64_t yPlus4x = l.u32();
    if (x > carte.largeur || yPlus4x < 4 * x || yPlus4x - 4 * x > carte.hauteur) l.abime();
    r.etiquette = PointCarte{static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(yPlus4x - 4 * x)};
    const std::uint8_t polygones = l.u8();
    r.polygones.reserve(polygones);
    for (int i = 0; i < polygones; ++i) r.polygones.push_back(lirePolygone(l, carte));
    return r;
}

// --- Écriture ----------------------------------------------------------------------------------

void ajouterU16(std::vector<std::uint8_t>& o, std::uint16_t v) {
    o.push_back(static_cast<std::uint8_t>(v & 0xFF));
    o.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ajouterU32(std::vector<std::uint8_t>& o, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) o.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
}

void ajouterTexte(std::vector<std::uint8_t>& o, const std::string& t) {
    if (t.size() >= Carte::kLongueurTexte || t.find('\0') != std::string::npos)
        throw std::invalid_argument("carte : texte de plus de 99 octets");
    o.insert(o.end(), t.begin(), t.end());
    o.insert(o.end(), Carte::kLongueurTexte - t.size(), 0);
}

double aire(const PolygoneCarte& p) {
    double a = 0;
    for (std::size_t i = 0, j = p.points.size() - 1; i < p.points.size(); j = i++)
        a += double(p.points[j].x) * double(p.points[i].y) - double(p.points[i].x) * double(p.points[j].y);
    return std::abs(a) / 2;
}

// Polygones réduits aux limites du format : trop courts écartés, îlots en trop laissés (les plus
// petits), l'ordre des gardés conservé.
void ramenerPolygones(RegionCarte& r) {
    std::erase_if(r.polygones, [](const PolygoneCarte& p) { return p.points.size() < 3; });
    if (r.polygones.size() <= Carte::kPolygonesMax) return;
    std::vector<std::pair<double, std::size_t>> aires;
    for (std::size_t i = 0; i < r.polygones.size(); ++i) aires.emplace_back(aire(r.polygones[i]), i);
    std::stable_sort(aires.begin(), aires.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<bool> garde(r.polygones.size(), false);
    for (std::size_t k = 0; k < Carte::kPolygonesMax; ++k) garde[aires[k].second] = true;
    std::vector<PolygoneCarte> gardes;
    for (std::size_t i = 0; i < r.polygones.size(); ++i)
        if (garde[i]) gardes.push_back(std::move(r.polygones[i]));
    r.polygones = std::move(gardes);
}

void verifierPoint(const Carte& c, const PointCarte& p) {
    if (p.x > c.largeur || p.y > c.hauteur) throw std::invalid_argument("carte : point hors de la carte");
}

void ajouterPolygone(std::vector<std::uint8_t>& o, const Carte& c, const PolygoneCarte& p) {
    if (p.points.size() > Carte::kPointsMax) throw std::invalid_argument("carte : polygone de plus de 255 points");
    const auto n = static_cast<std::int16_t>(p.points.size());
    ajouterU16(o, static_cast<std::uint16_t>(p.enclave ? -n : n));
    verifierPoint(c, p.points[0]);
    ajouterU32(o, p.points[0].x);
    ajouterU32(o, p.points[0].y);
    for (std::size_t i = 1; i < p.points.size(); ++i) {
        verifierPoint(c, p.points[i]);
        ajouterU32(o, p.points[i].x ^ p.points[i - 1].y);
        ajouterU32(o, p.points[i].y ^ p.points[i - 1].x);
    }
}

}  // namespace

const RegionCarte* Carte::region(std::uint16_t numero) const {
    for (const RegionCarte& r : regions)
        if (r.numero == numero) return &r;
    return nullptr;
}

fs::path cheminCarte(const fs::path& dossierInstallation, const std::string& codePays) {
    return dossierInstallation / "Carto" / (codePays + ".dat");
}

Carte decoderCarte(std::span<const std::uint8_t> octets, const std::string& nomFichier) {
    LecteurCarte l(octets, nomFichier);
    Carte c;
    c.regionMax = l.u16();
    c.pointsMax = l.u8();
    c.largeur = l.u32();
    c.hauteur = l.u32();
    if (c.regionMax < Carte::kPremiereRegion || c.regionMax > Carte::kDerniereRegion || c.pointsMax < 3 ||
        c.largeur < 1 || c.largeur > Carte::kCoteMax || c.hauteur < 1 || c.hauteur > Carte::kCoteMax || l.fini())
        l.abime();
    std::set<std::uint16_t> vus;
    while (!l.fini()) {
        c.regions.push_back(lireRegion(l, c));
        if (!vus.insert(c.regions.back().numero).second) l.abime();
    }
    return c;
}

Carte lireCarte(const fs::path& dossierInstallation, const std::string& codePays) {
    const fs::path chemin = cheminCarte(dossierInstallation, codePays);
    std::error_code ec;
    std::ifstream f;
    if (fs::is_regular_file(chemin, ec)) f.open(chemin, std::ios::binary);
    if (!f.is_open()) throw OperationImpossible("Fichier de cartographie introuvable.\nRé-installez Lignara."_1252);
    std::vector<std::uint8_t> octets;
    char bloc[16384];
    while (octets.size() <= Carte::kTailleFichierMax && f.read(bloc, sizeof bloc).gcount() > 0)
        octets.insert(octets.end(), bloc, bloc + f.gcount());
    if (f.bad() || octets.size() > Carte::kTailleFichierMax) octets.clear();
    return decoderCarte(octets, codePays + ".dat");
}

std::vector<std::uint8_t> encoderCarte(Carte carte) {
    if (carte.regions.empty() || carte.largeur < 1 || carte.largeur > Carte::kCoteMax || carte.hauteur < 1 ||
        carte.hauteur > Carte::kCoteMax)
        throw std::invalid_argument("carte : vide ou de taille hors du format");
    std::set<std::uint16_t> numeros;
    std::size_t pointsMax = 3;
    for (RegionCarte& r : carte.regions) {
        if (r.numero < Carte::kPremiereRegion || r.numero > Carte::kDerniereRegion || !numeros.insert(r.numero).second)
            throw std::invalid_argument("carte : numéro de région hors de 33 à 255 ou en double");
        ramenerPolygones(r);
        for (const PolygoneCarte& p : r.polygones) pointsMax = std::max(pointsMax, p.points.size());
    }
    carte.regionMax = *numeros.rbegin();
    carte.pointsMax = static_cast<std::uint8_t>(std::min(pointsMax, Carte::kPointsMax));
    std::vector<std::uint8_t> o;
    ajouterU16(o, carte.regionMax);
    o.push_back(carte.pointsMax);
    ajouterU32(o, carte.largeur);
    ajouterU32(o, carte.hauteur);
    for (const RegionCarte& r : carte.regions) {
        ajouterU16(o, r.numero);
        ajouterTexte(o, r.nom);
        ajouterTexte(o, r.code);
        verifierPoint(carte, r.etiquette);
        ajouterU32(o, r.etiquette.x);
        ajouterU32(o, static_cast<std::uint32_t>(r.etiquette.y + std::uint64_t{4} * r.etiquette.x));
        o.push_back(static_cast<std::uint8_t>(r.polygones.size()));
        for (const PolygoneCarte& p : r.polygones) ajouterPolygone(o, carte, p);
    }
    return o;
}

void ecrireCarte(const Carte& carte, const fs::path& chemin) {
    const std::vector<std::uint8_t> octets = encoderCarte(carte);
    const auto echec = [&chemin] {
        throw OperationImpossible("Écriture impossible du fichier de cartographie "_1252 + depuisUtf8(chemin.string()));
    };
    FichierTemporaire temporaire;
    if (!temporaire.creer(chemin.parent_path(), ".carte-")) echec();
    std::size_t ecrits = 0;
    while (ecrits < octets.size()) {
        const ssize_t n = ::write(temporaire.descripteur(), octets.data() + ecrits, octets.size() - ecrits);
        if (n <= 0) echec();
        ecrits += static_cast<std::size_t>(n);
    }
    const bool force = ::fsync(temporaire.descripteur()) == 0;
    if (!temporaire.fermer() || !force || !temporaire.renommer(chemin)) echec();
    // Une carte livrée se lit par tous, comme les autres données d'installation.
    ::chmod(chemin.c_str(), 0644);
}

}  // namespace lignara
