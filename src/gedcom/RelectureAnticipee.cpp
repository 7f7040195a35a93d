#include "gedcom/RelectureAnticipee.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace lignara {

namespace {

class RapportDiffere : public RecepteurRapport {
public:
    void signaler(std::size_t fichier, const std::string& ligne) override { lignes.emplace_back(fichier, ligne); }
    LignesDifferees lignes;
};

std::vector<FichierGedcomOuvert> jumeaux(const std::vector<FichierGedcomOuvert>& fichiers) {
    std::vector<FichierGedcomOuvert> j;
    j.reserve(fichiers.size());
    for (const FichierGedcomOuvert& f : fichiers) j.push_back(f.jumeau());
    return j;
}

}  // namespace

RelectureAnticipee::RelectureAnticipee(const PasseConstruction& modele,
                                       const std::vector<FichierGedcomOuvert>& fichiers,
                                       const RegistresBalayage& registres, std::vector<std::uint32_t> individus,
                                       std::vector<std::uint32_t> familles, std::size_t fils)
    : reg_(registres), individus_(std::move(individus)), familles_(std::move(familles)) {
    fils = std::max<std::size_t>(fils, 1);
    for (std::size_t rang = 0; rang < fils; ++rang) fils_.push_back(std::make_unique<Fil>(jumeaux(fichiers)));
    try {
        for (std::size_t rang = 0; rang < fils; ++rang) {
            Fil& f = *fils_[rang];
            f.fil = std::thread([this, &f, &modele, rang] {
                try {
                    RapportDiffere rapport;
                    PasseConstruction passe(modele, f.fichiers, rapport);
                    passe.remiseProvisoire();
                    relire(f, rang, passe, rapport.lignes);
                    f.file.terminer();
                } catch (...) {
                    f.file.terminer(std::current_exception());
                }
            });
        }
    } catch (...) {
        for (auto& f : fils_) f->file.arreter();
        for (auto& f : fils_)
            if (f->fil.joinable()) f->fil.join();
        throw;
    }
}

RelectureAnticipee::~RelectureAnticipee() {
    for (auto& f : fils_) f->file.arreter();
    for (auto& f : fils_)
        if (f->fil.joinable()) f->fil.join();
}

// Dans un fil : les lots rang, rang + n, rang + 2n… de la suite « individus puis familles ».
void RelectureAnticipee::relire(Fil& fil, std::size_t rang, PasseConstruction& passe, LignesDifferees& messages) {
    const std::size_t total = individus_.size() + familles_.size();
    const std::size_t pas = fils_.size() * kParLot;
    for (std::size_t debut = rang * kParLot; debut < total; debut += pas) {
        Lot lot = fil.file.lotVide();
        lot.individus.clear();
        lot.familles.clear();
        const std::size_t fin = std::min(debut + kParLot, total);
        for (std::size_t k = debut; k < fin; ++k) {
            if (k < individus_.size()) {
                const PersonneBalayee& p = reg_.personnes[individus_[k]];
                IndividuRelu& r = lot.individus.emplace_back();
                if (p.definie) passe.lireIndividuEtNote(p, r.tampon);
                r.messages = std::move(messages);
            } else {
                const FamilleBalayee& f = reg_.familles[familles_[k - individus_.size()]];
                FamilleRelue& r = lot.familles.emplace_back();
                if (f.definie) passe.lireFamille(f, r.tampon);
                r.messages = std::move(messages);
            }
            messages.clear();
        }
        if (!fil.file.deposer(std::move(lot))) return;
    }
}

void RelectureAnticipee::prendre() {
    if (!courant_.individus.empty() || !courant_.familles.empty()) {
        Fil& precedent = *fils_[(prochainLot_ - 1) % fils_.size()];
        precedent.file.rendre(std::move(courant_));
    }
    std::optional<Lot> lot = fils_[prochainLot_ % fils_.size()]->file.prendre();
    ++prochainLot_;
    if (!lot) throw std::logic_error("relecture demandée au-delà des enregistrements annoncés");
    courant_ = std::move(*lot);
    suivantIndividu_ = suivanteFamille_ = 0;
}

IndividuRelu& RelectureAnticipee::individuSuivant() {
    if (suivantIndividu_ >= courant_.individus.size()) prendre();
    return courant_.individus[suivantIndividu_++];
}

FamilleRelue& RelectureAnticipee::familleSuivante() {
    if (suivanteFamille_ >= courant_.familles.size()) prendre();
    return courant_.familles[suivanteFamille_++];
}

}  // namespace lignara
