#include "render/GrillePages.h"

#include <algorithm>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"

namespace lignara {

namespace {

constexpr std::int32_t kHauteurLigne = 176;

// Nombre de tranches de taille pas pour couvrir total (une de plus pour un reste).
std::int64_t tranches(std::int64_t total, std::int64_t pas) { return total / pas + (total % pas != 0 ? 1 : 0); }

std::int16_t enNombreDePages(std::int64_t n) {
    if (n > 0x7FFF) throw OperationImpossible("Mémoire insuffisante"_1252);
    return static_cast<std::int16_t>(n);
}

}  // namespace

GrillePages::GrillePages(const FormatPapier& format, std::int16_t pourcentageHorizontal, std::int32_t largeurTotale,
                         std::int32_t hauteurTotale) {
    etirement_ = pourcentageHorizontal > 0 ? static_cast<float>(pourcentageHorizontal) / 100.0f : 1.0f;
    if (format.estPagine()) {
        largeurUtile_ = format.largeurUtile;
        hauteurUtile_ = format.hauteurUtile;
        largeurPage_ = std::max(1, static_cast<std::int32_t>(static_cast<float>(largeurUtile_) / etirement_));
        hauteurPage_ = std::max(kHauteurLigne, hauteurUtile_ / kHauteurLigne * kHauteurLigne);
    } else {
        // Une seule page de toute la surface ; l'étirement resserre toujours le contenu.
        largeurPage_ = std::max(largeurTotale, 0) + 1;
        largeurUtile_ = static_cast<std::int32_t>(static_cast<float>(largeurPage_) * etirement_) + 1;
        hauteurPage_ = hauteurUtile_ = std::max(hauteurTotale, 0) + 1;
    }
    if (largeurTotale <= 0 || hauteurTotale <= 0) return;
    if (format.estPagine()) {
        colonnes_ = enNombreDePages(tranches(largeurTotale, largeurPage_));
        rangees_ = enNombreDePages(tranches(hauteurTotale, hauteurPage_));
    } else {
        colonnes_ = rangees_ = 1;
    }
}

PlagePages GrillePages::plage(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) const {
    if (colonnes_ == 0 || rangees_ == 0) return {};
    // Division vers zéro, comme les coordonnées du dessin l'ont toujours été.
    auto borne = [](std::int64_t v, std::int32_t pas, std::int32_t maximum) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(v / pas, -1, maximum));
    };
    PlagePages p;
    p.colonneDebut = std::max(0, borne(std::min(x1, x2), largeurPage_, colonnes_ - 1));
    p.colonneFin = borne(std::max(x1, x2), largeurPage_, colonnes_ - 1);
    p.rangeeDebut = std::max(0, borne(std::min(y1, y2), hauteurPage_, rangees_ - 1));
    p.rangeeFin = borne(std::max(y1, y2), hauteurPage_, rangees_ - 1);
    // Une boîte entièrement à gauche ou en dessous de la grille n'a pas de page.
    if (std::max(x1, x2) < 0) p.colonneFin = -1;
    if (std::max(y1, y2) < 0) p.rangeeFin = -1;
    return p;
}

}  // namespace lignara
