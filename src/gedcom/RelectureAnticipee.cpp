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

struct RelectureAnticipee::Aide {
    Aide(const PasseConstruction& modele, const std::vector<FichierGedcomOuvert>& originaux)
        : fichiers(jumeaux(originaux)), passe(modele, fichiers, rapport) {
        passe.remiseProvisoire();
    }
    std::vector<FichierGedcomOuvert> fichiers;
    RapportDiffere rapport;
    PasseConstruction passe;
};

RelectureAnticipee::RelectureAnticipee(const PasseConstruction& modele,
                                       const std::vector<FichierGedcomOuvert>& fichiers,
                                       const RegistresBalayage& registres, std::vector<std::uint32_t> individus,
                                       std::vector<std::uint32_t> familles, std::size_t fils)
    : reg_(registres),
      individus_(std::move(individus)),
      familles_(std::move(familles)),
      nombreLots_((individus_.size() + familles_.size() + kParLot - 1) / kParLot),
      aide_(std::make_unique<Aide>(modele, fichiers)),
      fenetre_(kFenetre) {
    fils = std::max<std::size_t>(fils, 1);
    for (std::size_t rang = 0; rang < fils; ++rang) fichiers_.push_back(jumeaux(fichiers));
    try {
        for (std::size_t rang = 0; rang < fils; ++rang) {
            fils_.emplace_back([this, &modele, rang] {
                RapportDiffere rapport;
                std::optional<PasseConstruction> passe;
                std::exception_ptr echec;
                try {
                    passe.emplace(modele, fichiers_[rang], rapport);
                    passe->remiseProvisoire();
                } catch (...) {
                    echec = std::current_exception();  // rendu avec chaque lot que ce fil prend
                }
                travailler(fichiers_[rang], passe ? &*passe : nullptr, echec, rapport.lignes);
            });
        }
    } catch (...) {
        arreter();
        throw;
    }
}

RelectureAnticipee::~RelectureAnticipee() { arreter(); }

void RelectureAnticipee::confierPreparation(Preparation preparation) {
    std::lock_guard<std::mutex> garde(verrou_);
    if (preparationConfiee_) return;
    preparation_ = std::move(preparation);
    preparationConfiee_ = static_cast<bool>(preparation_);
}

void RelectureAnticipee::arreter() {
    {
        std::lock_guard<std::mutex> garde(verrou_);
        arret_ = true;
    }
    travail_.notify_all();
    for (std::thread& f : fils_)
        if (f.joinable()) f.join();
}

// Dans un fil : le premier lot libre de la fenêtre, tant qu'il en reste.
void RelectureAnticipee::travailler(std::vector<FichierGedcomOuvert>& fichiers, PasseConstruction* passe,
                                    const std::exception_ptr& echec, LignesDifferees& messages) {
    std::unique_lock<std::mutex> garde(verrou_);
    for (;;) {
        travail_.wait(garde, [this] { return arret_ || aPrendre_ >= nombreLots_ || peutPrendre(); });
        if (arret_ || aPrendre_ >= nombreLots_) return;
        relirePremierLibre(garde, fichiers, passe, echec, messages);
        livraison_.notify_one();
    }
}

bool RelectureAnticipee::peutPrendre() const { return aPrendre_ < nombreLots_ && aPrendre_ < aLivrer_ + kFenetre; }

// Appelé sous le verrou (garde), avec peutPrendre() : prend le premier lot libre, le relit sans
// le verrou et le range prêt. Une erreur (echec, ou pendant la relecture) part avec le lot.
void RelectureAnticipee::relirePremierLibre(std::unique_lock<std::mutex>& garde,
                                            std::vector<FichierGedcomOuvert>& fichiers, PasseConstruction* passe,
                                            const std::exception_ptr& echec, LignesDifferees& messages) {
    const std::size_t numero = aPrendre_++;
    const bool preparer = preparationConfiee_;
    Lot lot = std::move(fenetre_[numero % kFenetre]);  // ses vecteurs resservent
    garde.unlock();
    try {
        if (echec) std::rethrow_exception(echec);
        relireLot(numero, lot, fichiers, *passe, messages, preparer);
    } catch (...) {
        lot.erreur = std::current_exception();
        messages.clear();
    }
    lot.pret = true;
    garde.lock();
    fenetre_[numero % kFenetre] = std::move(lot);
}

// Les enregistrements du lot se relisent dans l'ordre du fichier et non dans celui des numéros
// (l'ordre des clés saute d'une région du fichier à l'autre) : les enregistrements voisins se
// lisent d'un seul appel, au lieu d'une petite lecture à chaque saut.
void RelectureAnticipee::relireLot(std::size_t numero, Lot& lot, std::vector<FichierGedcomOuvert>& fichiers,
                                   PasseConstruction& passe, LignesDifferees& messages, bool preparer) {
    struct Place {
        std::uint8_t fichier;
        std::uint64_t decalage;
        std::uint32_t k;  // rang dans la suite « individus puis familles »
    };
    // Au-delà de cet écart, lire l'entre-deux coûterait plus qu'un appel de plus.
    constexpr std::uint64_t kEcartMax = 8 << 10;
    // Ce qu'on attend au plus du dernier enregistrement d'une suite ; s'il est plus long, la
    // lecture continue d'elle-même.
    constexpr std::uint64_t kMarge = 2 << 10;
    const std::size_t total = individus_.size() + familles_.size();
    const std::size_t debut = numero * kParLot;
    const std::size_t fin = std::min(debut + kParLot, total);
    const std::size_t premiereFamille = std::clamp(individus_.size(), debut, fin);
    // Les relectures du lot qui a occupé la case resservent, vidées : ni libération ni
    // réservation de textes d'un lot à l'autre.
    lot.erreur = nullptr;
    lot.individus.resize(premiereFamille - debut);
    lot.familles.resize(fin - premiereFamille);
    std::vector<Place> places;
    places.reserve(fin - debut);
    for (std::size_t k = debut; k < fin; ++k) {
        if (k < individus_.size()) {
            const PersonneBalayee& p = reg_.personnes[individus_[k]];
            if (p.definie)
                places.push_back({p.fichier, p.decalage, static_cast<std::uint32_t>(k)});
            else
                lot.individus[k - debut].tampon.vider();
            lot.individus[k - debut].messages.clear();
            lot.individus[k - debut].liens = {};
        } else {
            const FamilleBalayee& f = reg_.familles[familles_[k - individus_.size()]];
            if (f.definie)
                places.push_back({f.fichier, f.decalage, static_cast<std::uint32_t>(k)});
            else
                lot.familles[k - premiereFamille].tampon.vider();
            lot.familles[k - premiereFamille].messages.clear();
        }
    }
    std::sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
        return a.fichier != b.fichier ? a.fichier < b.fichier : a.decalage < b.decalage;
    });
    for (std::size_t i = 0; i < places.size(); ++i) {
        const Place& pl = places[i];
        if (i == 0 || places[i - 1].fichier != pl.fichier || pl.decalage - places[i - 1].decalage > kEcartMax) {
            std::size_t j = i;
            while (j + 1 < places.size() && places[j + 1].fichier == pl.fichier &&
                   places[j + 1].decalage - places[j].decalage <= kEcartMax)
                ++j;
            if (pl.fichier < fichiers.size())
                fichiers[pl.fichier].flux().annoncer(pl.decalage, places[j].decalage + kMarge);
        }
        if (pl.k < individus_.size()) {
            IndividuRelu& r = lot.individus[pl.k - debut];
            passe.lireIndividuEtNote(reg_.personnes[individus_[pl.k]], r.tampon);
            r.messages.swap(messages);
        } else {
            FamilleRelue& r = lot.familles[pl.k - premiereFamille];
            passe.lireFamille(reg_.familles[familles_[pl.k - individus_.size()]], r.tampon);
            r.messages.swap(messages);
        }
        messages.clear();
    }
    if (preparer)
        for (std::size_t k = debut; k < premiereFamille; ++k) preparation_(individus_[k], lot.individus[k - debut]);
}

void RelectureAnticipee::prendre() {
    if (aLivrer_ >= nombreLots_) throw std::logic_error("relecture demandée au-delà des enregistrements annoncés");
    {
        std::unique_lock<std::mutex> garde(verrou_);
        Lot& caseLot = fenetre_[aLivrer_ % kFenetre];
        // Plutôt que d'attendre le lot dont elle a besoin, l'écriture relit elle-même le premier
        // lot que personne n'a pris (celui-là, ou un suivant de la fenêtre).
        while (!caseLot.pret && peutPrendre())
            relirePremierLibre(garde, aide_->fichiers, &aide_->passe, nullptr, aide_->rapport.lignes);
        livraison_.wait(garde, [&caseLot] { return caseLot.pret; });
        // Le lot fini retourne à la case : ses vecteurs resserviront au lot kFenetre plus loin.
        std::swap(courant_, caseLot);
        caseLot.pret = false;
        ++aLivrer_;
    }
    travail_.notify_one();
    if (courant_.erreur) std::rethrow_exception(courant_.erreur);
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
