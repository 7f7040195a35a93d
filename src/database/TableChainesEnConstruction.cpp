#include "database/TableChainesEnConstruction.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

#include "commun/HachageCourt.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"

namespace lignara {

namespace {
constexpr std::size_t kTailleTampon = 1 << 16;
constexpr std::uint64_t kTailleMaximale = 0xFFFFFFFFu - 1;
}  // namespace

TableChainesEnConstruction::TableChainesEnConstruction(const std::filesystem::path& dossier)
    : fichier_(FichierBinaire::creerAnonyme(dossier, "gen")) {
    tampon_.reserve(kTailleTampon);
}

std::uint32_t TableChainesEnConstruction::ajouter(std::string_view chaine) {
    if (chaine.empty()) return 0;
    const std::uint64_t h = hacherCourt(chaine);
    const auto empreinte = static_cast<std::uint32_t>(h ^ (h >> 32));
    if ((nombre_ + 1) * 4 > cases_.size() * 3) agrandir();
    std::size_t i = empreinte & masque_;
    for (; cases_[i].ref != 0; i = (i + 1) & masque_)
        if (cases_[i].empreinte == empreinte && egale(cases_[i].ref, chaine)) return cases_[i].ref;

    if (taille_ + chaine.size() + 1 > kTailleMaximale)
        throw OperationImpossible("Erreur d'écriture dans le fichier"_1252);
    auto ref = static_cast<std::uint32_t>(taille_ + 1);
    tampon_.append(chaine);
    tampon_.push_back('\n');
    taille_ += chaine.size() + 1;
    cases_[i] = Case{ref, empreinte};
    ++nombre_;
    if (tampon_.size() >= kTailleTampon) viderTampon();
    return ref;
}

void TableChainesEnConstruction::agrandir() {
    std::vector<Case> anciennes = std::move(cases_);
    const std::size_t nombre = anciennes.empty() ? 1024 : anciennes.size() * 2;
    cases_.assign(nombre, Case{});
    masque_ = nombre - 1;
    for (const Case& c : anciennes) {
        if (c.ref == 0) continue;
        std::size_t i = c.empreinte & masque_;
        while (cases_[i].ref != 0) i = (i + 1) & masque_;
        cases_[i] = c;
    }
}

// Une chaîne est soit entière dans le fichier, soit entière dans le tampon : le tampon n'est
// vidé qu'en bloc, après l'ajout d'une chaîne complète.
bool TableChainesEnConstruction::egale(std::uint32_t ref, std::string_view chaine) {
    std::uint64_t debut = ref - 1;
    std::size_t n = chaine.size() + 1;
    if (debut >= ecrits_) {
        std::size_t i = static_cast<std::size_t>(debut - ecrits_);
        return i + n <= tampon_.size() && tampon_.compare(i, chaine.size(), chaine) == 0 &&
               tampon_[i + chaine.size()] == '\n';
    }
    // Les mêmes noms et lieux reviennent sans cesse : les dernières chaînes vérifiées sont
    // gardées, ce qui évite de relire le fichier à chaque fois (quelques centaines de Ko au plus).
    RelueRecente& recente = recentes_[ref % kRecentes];
    if (recente.ref == ref) return recente.texte == chaine;
    relue_.resize(n);
    if (fichier_.lire(debut, relue_.data(), n) != n) return false;
    const bool egales = relue_.compare(0, chaine.size(), chaine) == 0 && relue_.back() == '\n';
    if (egales && chaine.size() <= kLongueurRecenteMax) {
        recente.ref = ref;
        recente.texte.assign(chaine);
    }
    return egales;
}

void TableChainesEnConstruction::viderTampon() {
    fichier_.ecrire(ecrits_, tampon_.data(), tampon_.size());
    ecrits_ += tampon_.size();
    tampon_.clear();
}

void TableChainesEnConstruction::recopier(FichierBinaire& destination, std::uint64_t decalage) {
    viderTampon();
    std::vector<char> bloc(std::size_t{1} << 20);
    for (std::uint64_t fait = 0; fait < taille_;) {
        std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(bloc.size(), taille_ - fait));
        if (fichier_.lire(fait, bloc.data(), n) != n)
            throw OperationImpossible("Erreur d'écriture dans le fichier"_1252);
        destination.ecrire(decalage + fait, bloc.data(), n);
        fait += n;
    }
}

}  // namespace lignara
