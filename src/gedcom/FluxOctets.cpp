#include "gedcom/FluxOctets.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace lignara {

FluxOctets::FluxOctets(std::FILE* fichier, std::uint64_t limite)
    : fichier_(fichier), limite_(limite), tampon_(new char[kTaille]) {}

FluxOctets::~FluxOctets() {
    if (fichier_) std::fclose(fichier_);
}

bool FluxOctets::remplir() {
    positionTampon_ += fin_;
    debut_ = fin_ = 0;
    if (!fichier_ || positionTampon_ >= limite_) return false;
    const auto voulu = static_cast<std::size_t>(std::min<std::uint64_t>(prochaineLecture_, limite_ - positionTampon_));
#ifdef _WIN32
    fin_ = std::fread(tampon_.get(), 1, voulu, fichier_);
#else
    // Lecture par position : un saut ne coûte alors aucun appel système de plus.
    ssize_t n;
    do {
        n = ::pread(fileno(fichier_), tampon_.get(), voulu, static_cast<off_t>(positionTampon_));
    } while (n < 0 && errno == EINTR);
    fin_ = n > 0 ? static_cast<std::size_t>(n) : 0;
#endif
    prochaineLecture_ = std::min(prochaineLecture_ * 4, kTaille);
    return fin_ > 0;
}

bool FluxOctets::positionner(std::uint64_t decalage) {
    // La construction relit les enregistrements presque dans l'ordre du fichier : un décalage
    // encore dans le tampon ne coûte pas de nouvelle lecture.
    if (decalage >= positionTampon_ && decalage < positionTampon_ + fin_) {
        debut_ = static_cast<std::size_t>(decalage - positionTampon_);
        return true;
    }
    debut_ = fin_ = 0;
    positionTampon_ = decalage;
    prochaineLecture_ = kTailleApresSaut;
    if (decalage >= annonceDebut_ && decalage < annonceFin_)
        prochaineLecture_ =
            static_cast<std::size_t>(std::clamp<std::uint64_t>(annonceFin_ - decalage, kTailleApresSaut, kTaille));
    if (!fichier_) return false;
#ifdef _WIN32
    std::clearerr(fichier_);
    return _fseeki64(fichier_, static_cast<long long>(decalage), SEEK_SET) == 0;
#else
    return true;
#endif
}

void FluxOctets::consommerFinDeLigne() {
    int c = lire();
    int apres = regarder();
    if ((c == '\r' && apres == '\n') || (c == '\n' && apres == '\r')) lire();
}

LignePhysique FluxOctets::lireLigne(char* destination, std::size_t place) {
    LignePhysique ligne;
    if (regarder() == kFin) {
        ligne.finFichier = true;
        return ligne;
    }
    while (ligne.longueur < place) {
        if (debut_ == fin_ && !remplir()) return ligne;  // dernière ligne sans fin de ligne
        const char* p = tampon_.get() + debut_;
        std::size_t n = std::min(fin_ - debut_, place - ligne.longueur);
        // memchr est vectorisé : d'abord LF, puis CR dans ce qui le précède.
        const void* lf = std::memchr(p, '\n', n);
        std::size_t avantLf = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - p) : n;
        const void* cr = std::memchr(p, '\r', avantLf);
        std::size_t i = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - p) : avantLf;
        std::memcpy(destination + ligne.longueur, p, i);
        ligne.longueur += i;
        debut_ += i;
        if (i < n) {
            consommerFinDeLigne();
            return ligne;
        }
    }
    // Place pleine : la ligne n'est trop longue que s'il reste autre chose qu'une fin de ligne.
    int c = regarder();
    if (c == kFin) return ligne;
    if (c != '\r' && c != '\n') {
        ligne.coupee = true;
        while ((c = regarder()) != kFin && c != '\r' && c != '\n') lire();
        if (c == kFin) return ligne;
    }
    consommerFinDeLigne();
    return ligne;
}

}  // namespace lignara
