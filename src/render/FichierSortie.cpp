#include "render/FichierSortie.h"

#include <locale>

namespace lignara {

FichierSortie::FichierSortie() : flux_(this) { flux_.imbue(std::locale::classic()); }

FichierSortie::~FichierSortie() { abandonner(); }

bool FichierSortie::ouvrir(const std::filesystem::path& chemin) {
    abandonner();
    flux_.clear();
    positionTampon_ = 0;
    setp(tampon_.data(), tampon_.data() + tampon_.size());
    return ecriture_.ouvrir(chemin);
}

bool FichierSortie::vider() {
    const auto n = static_cast<std::size_t>(pptr() - pbase());
    const bool reussi = ecriture_.ecrire(pbase(), n);
    positionTampon_ += n;
    setp(tampon_.data(), tampon_.data() + tampon_.size());
    return reussi;
}

FichierSortie::pos_type FichierSortie::seekoff(off_type decalage, std::ios_base::seekdir depuis,
                                               std::ios_base::openmode mode) {
    const auto courante = static_cast<off_type>(positionTampon_) + (pptr() - pbase());
    if (depuis == std::ios_base::cur && decalage == 0) return pos_type(courante);
    if (depuis == std::ios_base::cur) return seekpos(pos_type(courante + decalage), mode);
    if (depuis == std::ios_base::beg) return seekpos(pos_type(decalage), mode);
    return pos_type(off_type(-1));
}

FichierSortie::pos_type FichierSortie::seekpos(pos_type position, std::ios_base::openmode) {
    const auto p = static_cast<off_type>(position);
    if (p < 0 || !ecriture_.ouvert() || !vider() || !ecriture_.positionner(static_cast<std::uint64_t>(p)))
        return pos_type(off_type(-1));
    positionTampon_ = static_cast<std::uint64_t>(p);
    return position;
}

FichierSortie::int_type FichierSortie::overflow(int_type c) {
    if (!ecriture_.ouvert() || !vider()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

int FichierSortie::sync() { return ecriture_.ouvert() && vider() ? 0 : -1; }

bool FichierSortie::fermer() {
    if (!ecriture_.ouvert()) return false;
    vider();
    setp(nullptr, nullptr);
    return ecriture_.terminer();
}

void FichierSortie::abandonner() {
    setp(nullptr, nullptr);
    ecriture_.abandonner();
}

}  // namespace lignara
