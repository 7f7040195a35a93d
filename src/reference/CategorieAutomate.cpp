#include "reference/CategorieAutomate.h"

#include <algorithm>

#include "reference/CategorieTexte.h"

namespace lignara {

namespace {

std::uint16_t lire16(const std::vector<std::uint8_t>& o, std::size_t pos) {
    return static_cast<std::uint16_t>(o[pos] | (o[pos + 1] << 8));
}

bool caractereValide(std::uint8_t c) { return c == ' ' || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::optional<CategorieAutomate> CategorieAutomate::lire(const std::vector<std::uint8_t>& image) {
    if (image.size() < 6 || lire16(image, 0) != 501) return std::nullopt;
    CategorieAutomate automate;
    std::size_t debutAutomate = lire16(image, 2);
    if (debutAutomate < 6 || debutAutomate > image.size()) return std::nullopt;
    if (!automate.lireNoms(image, debutAutomate)) return std::nullopt;
    automate.automate_.assign(image.begin() + static_cast<std::ptrdiff_t>(debutAutomate), image.end());
    if (!automate.verifierNoeuds()) return std::nullopt;
    automate.commencer({});
    return automate;
}

// Les noms occupent exactement la zone entre l'en-tête et l'automate, un par ligne.
bool CategorieAutomate::lireNoms(const std::vector<std::uint8_t>& image, std::size_t debutAutomate) {
    std::size_t nombre = image[4];
    longueurNomMaximale_ = image[5];
    std::size_t pos = 6;
    for (std::size_t i = 0; i < nombre; ++i) {
        std::size_t fin = pos;
        while (fin < debutAutomate && image[fin] != 10) ++fin;
        if (fin >= debutAutomate) return false;
        noms_.emplace_back(image.begin() + static_cast<std::ptrdiff_t>(pos),
                           image.begin() + static_cast<std::ptrdiff_t>(fin));
        pos = fin + 1;
    }
    return pos == debutAutomate;
}

std::uint32_t CategorieAutomate::lire32(std::size_t pos) const {
    return static_cast<std::uint32_t>(automate_[pos]) | (static_cast<std::uint32_t>(automate_[pos + 1]) << 8) |
           (static_cast<std::uint32_t>(automate_[pos + 2]) << 16) |
           (static_cast<std::uint32_t>(automate_[pos + 3]) << 24);
}

// Les nœuds pavent l'automate jusqu'à la fin ; tout décalage (échec, enfant) doit tomber sur le
// début d'un nœud, toute catégorie exister, et la racine mener au début de mot par l'espace.
bool CategorieAutomate::verifierNoeuds() {
    std::vector<bool> debutNoeud(automate_.size() + 1, false);
    std::size_t pos = 0;
    while (pos < automate_.size()) {
        if (automate_.size() - pos < 8) return false;
        std::size_t n = automate_[pos + 1];
        if (n > 27 || automate_.size() - pos - 8 < 8 * n) return false;
        if (automate_[pos] != kAucune && automate_[pos] >= noms_.size()) return false;
        if (automate_[pos + 2] != 0 || automate_[pos + 3] != 0) return false;
        debutNoeud[pos] = true;
        pos += 8 + 8 * n;
        ++nombreNoeuds_;
    }
    if (nombreNoeuds_ == 0) return false;
    for (pos = 0; pos < automate_.size();) {
        std::size_t n = automate_[pos + 1];
        if (lire32(pos + 4) >= automate_.size() || !debutNoeud[lire32(pos + 4)]) return false;
        for (std::size_t i = 0; i < n; ++i) {
            std::size_t entree = pos + 8 + 8 * i;
            std::uint32_t cible = lire32(entree + 4);
            if (!caractereValide(automate_[entree]) || cible >= automate_.size() || !debutNoeud[cible]) return false;
            if (automate_[entree + 1] != 0 || automate_[entree + 2] != 0 || automate_[entree + 3] != 0) return false;
        }
        pos += 8 + 8 * n;
    }
    std::int64_t debut = enfant(0, ' ');
    if (debut < 0) return false;
    debutDeMot_ = static_cast<std::uint32_t>(debut);
    return true;
}

std::int64_t CategorieAutomate::enfant(std::uint32_t noeud, char c) const {
    std::size_t n = automate_[noeud + 1];
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t entree = noeud + 8 + 8 * i;
        if (automate_[entree] == static_cast<std::uint8_t>(c)) return lire32(entree + 4);
    }
    return -1;
}

void CategorieAutomate::commencer(std::string_view texte1252) {
    texte_ = texte1252;
    position_ = 0;
    etat_ = debutDeMot_;
}

// Une catégorie n'est retenue qu'en fin de mot (caractère suivant autre qu'une lettre) ; une
// correspondance plus longue remplace la précédente. Au premier échec après une catégorie
// retenue, on la rend sans avancer : l'appel suivant repart de ce caractère.
std::uint8_t CategorieAutomate::Match() {
    std::uint8_t retenue = kAucune;
    std::size_t echecsDeSuite = 0;
    while (position_ < texte_.size()) {
        char c = normaliserCaractereCategorie(texte_[position_]);
        std::int64_t suivant = enfant(etat_, c);
        if (suivant < 0) {
            etat_ = echec(etat_);
            if (retenue != kAucune) return retenue;
            // Sur un fichier bien formé la chaîne d'échec finit à la racine ; sinon on saute le
            // caractère plutôt que de tourner en rond.
            if (++echecsDeSuite > nombreNoeuds_) {
                etat_ = debutDeMot_;
                ++position_;
                echecsDeSuite = 0;
            }
            continue;
        }
        echecsDeSuite = 0;
        etat_ = static_cast<std::uint32_t>(suivant);
        bool finDeMot =
            position_ + 1 >= texte_.size() || !estLettreCategorie(normaliserCaractereCategorie(texte_[position_ + 1]));
        if (categorie(etat_) != kAucune && finDeMot) retenue = categorie(etat_);
        ++position_;
    }
    return retenue;
}

std::vector<std::uint8_t> CategorieAutomate::categoriesDuTexte(std::string_view texte1252) {
    std::vector<std::uint8_t> trouvees;
    commencer(texte1252);
    for (std::uint8_t c = Match(); c != kAucune; c = Match())
        if (std::find(trouvees.begin(), trouvees.end(), c) == trouvees.end()) trouvees.push_back(c);
    return trouvees;
}

}  // namespace lignara
