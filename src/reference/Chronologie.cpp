// Fichier de chronologie, entiers little-endian, sans bourrage.
//   TAILLE  CONTENU
//     1     numéro de format, 1 (lu et ignoré)
//     2     nombre de périodes
//   puis, pour chaque période, par année de début croissante :
//     2     année de début (signée)
//     2     année de fin (signée)
//     1     longueur L du libellé (100 au plus)
//     L     libellé, Windows-1252, sans zéro final
//     3     couleur de la bande : rouge, vert, bleu
#include "reference/Chronologie.h"

#include <algorithm>
#include <cstdint>

#include "commun/FichierEntree.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"

namespace lignara {

namespace {

// 65 535 périodes de 108 octets au plus.
constexpr std::size_t kTailleMaximale = 1 + 2 + 65535u * 108u;

[[noreturn]] void inaccessible() { throw OperationImpossible("Fichier de chronologie inaccessible"_1252); }

class Lecteur {
public:
    explicit Lecteur(std::string_view o) : octets_(o) {}
    std::uint8_t octet() {
        if (pos_ >= octets_.size()) inaccessible();
        return static_cast<std::uint8_t>(octets_[pos_++]);
    }
    std::uint16_t mot() {
        std::uint16_t bas = octet();
        return static_cast<std::uint16_t>(bas | (octet() << 8));
    }
    std::string_view texte(std::size_t n) {
        if (octets_.size() - pos_ < n) inaccessible();
        std::string_view t = octets_.substr(pos_, n);
        pos_ += n;
        return t;
    }

private:
    std::string_view octets_;
    std::size_t pos_ = 0;
};

PeriodeChronologie lirePeriode(Lecteur& l) {
    PeriodeChronologie p;
    p.debut = static_cast<std::int16_t>(l.mot());
    p.fin = static_cast<std::int16_t>(l.mot());
    std::size_t longueur = l.octet();
    if (longueur > Chronologie::kLongueurMaximaleLibelle) inaccessible();
    p.libelle = l.texte(longueur);
    p.rouge = l.octet();
    p.vert = l.octet();
    p.bleu = l.octet();
    return p;
}

void ajouterMot(std::string& o, std::int32_t v) {
    o += static_cast<char>(v & 0xFF);
    o += static_cast<char>((v >> 8) & 0xFF);
}

}  // namespace

Chronologie Chronologie::charger(const ChronologieListe::Entree& entree, int avantBas, int avantHaut,
                                 int anneeCourante) {
    const int y1 = anneeCourante - std::max(avantBas, avantHaut);
    const int y2 = anneeCourante - std::min(avantBas, avantHaut);
    if (entree.nom == ChronologieListe::kAucune) {
        Chronologie vide;
        vide.y1_ = y1;
        vide.y2_ = y2;
        return vide;
    }
    return chargerFichier(ChronologieListe::fichier(entree), y1, y2);
}

Chronologie Chronologie::chargerFichier(const std::filesystem::path& fichier, int y1, int y2) {
    FichierEntree f;
    if (!f.ouvrir(fichier)) inaccessible();
    // Seul le début d'un fichier démesuré est lu, comme avant la limite.
    std::string octets(static_cast<std::size_t>(std::min<std::uint64_t>(f.taille(), kTailleMaximale)), '\0');
    std::size_t lus = 0;
    while (lus < octets.size()) {
        const long long n = f.lire(octets.data() + lus, octets.size() - lus, lus);
        if (n <= 0) break;
        lus += static_cast<std::size_t>(n);
    }
    octets.resize(lus);
    return lire(octets, y1, y2);
}

// Les périodes finies avant Y1 sont sautées, la lecture s'arrête à la première qui commence
// après Y2 ; chaque période gardée est bornée à [Y1, Y2], pour qu'aucune bande ne déborde de
// l'arbre, même quand les périodes se chevauchent.
Chronologie Chronologie::lire(std::string_view octets, int y1, int y2) {
    Chronologie c;
    c.y1_ = y1;
    c.y2_ = y2;
    Lecteur l(octets);
    l.octet();
    std::size_t nombre = l.mot();
    for (std::size_t i = 0; i < nombre; ++i) {
        PeriodeChronologie p = lirePeriode(l);
        if (p.debut > y2) break;
        if (p.fin < y1) continue;
        p.debut = static_cast<std::int16_t>(std::max<int>(p.debut, y1));
        p.fin = static_cast<std::int16_t>(std::min<int>(p.fin, y2));
        c.periodes_.push_back(std::move(p));
    }
    return c;
}

std::string Chronologie::image(const std::vector<PeriodeChronologie>& periodes) {
    std::string o(1, '\1');
    ajouterMot(o, static_cast<std::int32_t>(periodes.size()));
    for (const auto& p : periodes) {
        ajouterMot(o, p.debut);
        ajouterMot(o, p.fin);
        std::string_view libelle = std::string_view(p.libelle).substr(0, kLongueurMaximaleLibelle);
        o += static_cast<char>(libelle.size());
        o += libelle;
        o += static_cast<char>(p.rouge);
        o += static_cast<char>(p.vert);
        o += static_cast<char>(p.bleu);
    }
    return o;
}

std::int32_t Chronologie::largeurLibelles(const MetriquePolice& police) const {
    std::int32_t largeur = 0;
    for (const auto& p : periodes_) largeur = std::max(largeur, largeurTexte(police, p.libelle));
    return largeur + kPositionLibelles;
}

std::vector<BandeChronologie> Chronologie::bandes() const {
    std::vector<BandeChronologie> bandes;
    std::int32_t k = 0;
    for (std::size_t i = 0; i < periodes_.size(); ++i) {
        const auto& p = periodes_[i];
        k = (i > 0 && periodes_[i - 1].debut == p.debut) ? k + 1 : 0;
        BandeChronologie b;
        b.haut = std::max(0, (y2_ - p.fin) * kUnitesParAnnee - kDecalageMemeAnnee * k);
        // Une bande couvre sa seule période : prolongée vers le haut de l'arbre, elle donnerait
        // au règne ou à l'invention des années qui ne sont pas les siennes.
        b.bas = std::max(0, (y2_ - p.debut) * kUnitesParAnnee - kDecalageMemeAnnee * k + kDecalageMemeAnnee);
        b.couleur = static_cast<std::uint32_t>(p.rouge) | (static_cast<std::uint32_t>(p.vert) << 8) |
                    (static_cast<std::uint32_t>(p.bleu) << 16);
        bandes.push_back(b);
    }
    return bandes;
}

std::vector<LibelleChronologie> Chronologie::libelles() const {
    constexpr std::int32_t kLigne = 176;
    std::vector<LibelleChronologie> libelles;
    auto recouvert = [&](std::int32_t y) -> const LibelleChronologie* {
        for (const LibelleChronologie& l : libelles)
            if (y < l.y + kLigne && l.y < y + kLigne) return &l;
        return nullptr;
    };
    for (const auto& p : periodes_) {
        if (p.libelle.empty()) continue;
        const std::int32_t y = ((2 * y2_ - p.debut - p.fin) * kUnitesParAnnee - kLigne) / 2 + 42;
        if (y <= 0) continue;
        // Deux périodes proches se chevaucheraient (« Cent-Jours » sur « Louis XVIII ») : la
        // suivante, plus haut dans l'arbre, prend la première ligne libre au-dessus, ou en
        // dessous s'il n'y en a plus.
        std::int32_t place = y;
        for (const LibelleChronologie* l = recouvert(place); l && place > 0; l = recouvert(place))
            place = l->y - kLigne;
        if (place <= 0) {
            place = y;
            for (const LibelleChronologie* l = recouvert(place); l; l = recouvert(place)) place = l->y + kLigne;
        }
        libelles.push_back({kPositionLibelles, place, p.libelle});
    }
    return libelles;
}

}  // namespace lignara
