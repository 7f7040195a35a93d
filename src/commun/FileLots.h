#pragma once
// File bornée de lots entre un fil producteur et un fil consommateur (l'import lit dans un fil
// et applique dans l'autre). Les lots vidés reviennent au producteur, qui garde ainsi ses
// tampons au lieu de les réallouer à chaque lot.
//
// Le producteur finit par terminer() (avec son exception s'il en a eu une : le consommateur la
// relève quand il a pris tous les lots) ; le consommateur qui renonce appelle arreter(), après
// quoi deposer() rend faux et le producteur s'arrête.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace lignara {

template <class Lot>
class FileLots {
public:
    explicit FileLots(std::size_t capacite) : capacite_(capacite) {}

    // Producteur : un lot vidé par le consommateur, ou un lot neuf.
    Lot lotVide() {
        std::lock_guard<std::mutex> garde(verrou_);
        if (vides_.empty()) return Lot{};
        Lot l = std::move(vides_.back());
        vides_.pop_back();
        return l;
    }

    // Producteur : attend une place ; faux quand le consommateur a renoncé.
    bool deposer(Lot&& lot) {
        std::unique_lock<std::mutex> garde(verrou_);
        changement_.wait(garde, [this] { return arret_ || prets_.size() < capacite_; });
        if (arret_) return false;
        prets_.push_back(std::move(lot));
        changement_.notify_all();
        return true;
    }

    void terminer(std::exception_ptr erreur = nullptr) {
        std::lock_guard<std::mutex> garde(verrou_);
        fini_ = true;
        erreur_ = std::move(erreur);
        changement_.notify_all();
    }

    // Consommateur : le lot suivant ; rien quand le producteur a fini (son exception est
    // relevée ici).
    std::optional<Lot> prendre() {
        std::unique_lock<std::mutex> garde(verrou_);
        changement_.wait(garde, [this] { return !prets_.empty() || fini_; });
        if (prets_.empty()) {
            if (erreur_) std::rethrow_exception(std::exchange(erreur_, nullptr));
            return std::nullopt;
        }
        Lot l = std::move(prets_.front());
        prets_.pop_front();
        changement_.notify_all();
        return l;
    }

    // Consommateur : rend un lot vidé pour qu'il serve encore.
    void rendre(Lot&& lot) {
        std::lock_guard<std::mutex> garde(verrou_);
        if (vides_.size() < capacite_ + 2) vides_.push_back(std::move(lot));
    }

    void arreter() {
        std::lock_guard<std::mutex> garde(verrou_);
        arret_ = true;
        changement_.notify_all();
    }

private:
    const std::size_t capacite_;
    std::mutex verrou_;
    std::condition_variable changement_;
    std::deque<Lot> prets_;
    std::vector<Lot> vides_;
    bool fini_ = false, arret_ = false;
    std::exception_ptr erreur_;
};

}  // namespace lignara
