#include "gedcom/ModeCommentaire.h"

#include <algorithm>
#include <cctype>

namespace lignara {

namespace {

constexpr std::size_t kCommentaireMax = 100;

std::string enMinuscules(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

bool finitPar(std::string_view s, std::string_view fin) {
    return s.size() >= fin.size() && s.substr(s.size() - fin.size()) == fin;
}

}  // namespace

CommentaireDeNote lireCommentaireDeNote(ModeCommentaire mode, std::string_view valeur) {
    CommentaireDeNote r;
    bool diese = !valeur.empty() && valeur.front() == '#';
    if (mode == ModeCommentaire::PremiereLigne || (mode == ModeCommentaire::LigneDiese && diese)) {
        r.donneCommentaire = true;
        std::string_view texte = valeur;
        if (mode == ModeCommentaire::LigneDiese) {
            texte.remove_prefix(1);
            while (!texte.empty() && texte.front() == ' ') texte.remove_prefix(1);
            r.resteLigne = false;
        }
        if (texte.find("{\\rtf1") == std::string_view::npos)
            r.commentaire = std::string(texte.substr(0, kCommentaireMax));
    }
    return r;
}

bool estPhotoAcceptee(std::string_view nom) {
    static constexpr std::string_view kExtensions[] = {".png", ".jpeg", ".jpg", ".gif", ".tiff", ".bmp"};
    std::string m = enMinuscules(nom);
    for (std::string_view e : kExtensions)
        if (finitPar(m, e)) return true;
    bool web = m.starts_with("http://") || m.starts_with("https://") || m.starts_with("www.");
    if (!web) return false;
    return std::any_of(std::begin(kExtensions), std::end(kExtensions),
                       [&](std::string_view e) { return m.find(std::string(e) + "?") != std::string::npos; });
}

}  // namespace lignara
