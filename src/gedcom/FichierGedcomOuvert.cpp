#include "gedcom/FichierGedcomOuvert.h"

#include <cstdio>
#include <string>
#include <system_error>

#include "commun/Dossiers.h"
#include "commun/FichierTemporaire.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "gedcom/TranscodageUtf16.h"

namespace lignara {

namespace fs = std::filesystem;

namespace {

std::string formater(const char* patron1252, const std::string& argument) {
    int n = std::snprintf(nullptr, 0, patron1252, argument.c_str());
    std::string s(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    std::snprintf(s.data(), s.size() + 1, patron1252, argument.c_str());
    return s;
}

std::string en1252(const fs::path& p) {
    std::u8string u = p.u8string();
    return depuisUtf8(std::string_view(reinterpret_cast<const char*>(u.data()), u.size()));
}

OperationImpossible lectureImpossible(const std::string& chemin1252) {
    return OperationImpossible(formater("Lecture impossible du fichier Gedcom\n%s"_1252, chemin1252));
}

std::FILE* ouvrirEnLecture(const fs::path& p) {
#ifdef _WIN32
    return _wfopen(p.c_str(), L"rb");
#else
    return std::fopen(p.c_str(), "rb");
#endif
}

// Copie en UTF-8 d'un fichier UTF-16, lisible et inscriptible par nous seuls ; l'appelant
// efface chemin quand il a fini.
std::FILE* creerTemporaire(fs::path& chemin) {
    FichierTemporaire temporaire;
    if (!temporaire.creer(dossierTemporaire(), "lignara-utf8-")) return nullptr;
#ifdef _WIN32
    std::FILE* f = _fdopen(temporaire.descripteur(), "w+b");
#else
    std::FILE* f = ::fdopen(temporaire.descripteur(), "w+b");
#endif
    if (!f) return nullptr;
    chemin = temporaire.chemin();
    temporaire.liberer();
    return f;
}

}  // namespace

struct FichierGedcomOuvert::CopieTemporaire {
    fs::path chemin;
    ~CopieTemporaire() {
        std::error_code ec;
        fs::remove(chemin, ec);
    }
};

FichierGedcomOuvert::FichierGedcomOuvert(fs::path chemin) : chemin_(std::move(chemin)) {
    std::error_code ec;
    if (!fs::exists(chemin_, ec))
        throw OperationImpossible(formater("Fichier %s inexistant"_1252, chemin1252()));
    std::FILE* f = fs::is_directory(chemin_, ec) ? nullptr : ouvrirEnLecture(chemin_);
    if (!f)
        throw lectureImpossible(chemin1252());

    char debut[512];
    std::size_t n = std::fread(debut, 1, sizeof debut, f);
    DetectionUtf16 utf16 = detecterUtf16(std::string_view(debut, n));
    if (utf16.ordre == OrdreUtf16::Aucun) {
        std::rewind(f);
        flux_ = std::make_unique<FluxOctets>(f);
        return;
    }
    auto copie = std::make_unique<CopieTemporaire>();
    std::FILE* sortie = creerTemporaire(copie->chemin);
    bool reussi = sortie && std::fseek(f, utf16.avecMarque ? 2 : 0, SEEK_SET) == 0 &&
                  transcoderUtf16(f, utf16.ordre, sortie);
    std::fclose(f);
    if (!reussi) {
        if (sortie) std::fclose(sortie);
        throw OperationImpossible(formater("Accès impossible au répertoire temporaire\n%s"_1252,
                                           en1252(dossierTemporaire())));
    }
    std::rewind(sortie);
    copie_ = std::move(copie);
    flux_ = std::make_unique<FluxOctets>(sortie);
    jeu_ = JeuCaracteres::Utf8;
}

FichierGedcomOuvert::~FichierGedcomOuvert() {
    flux_.reset();  // fermer avant d'effacer la copie
}

FichierGedcomOuvert::FichierGedcomOuvert(FichierGedcomOuvert&&) noexcept = default;
FichierGedcomOuvert& FichierGedcomOuvert::operator=(FichierGedcomOuvert&& autre) noexcept {
    flux_.reset();
    copie_ = std::move(autre.copie_);
    flux_ = std::move(autre.flux_);
    chemin_ = std::move(autre.chemin_);
    jeu_ = autre.jeu_;
    drapeauxLogiciel = autre.drapeauxLogiciel;
    aDonneUneLigne = autre.aDonneUneLigne;
    return *this;
}

FichierGedcomOuvert FichierGedcomOuvert::jumeau() const {
    FichierGedcomOuvert j;
    j.chemin_ = chemin_;
    std::FILE* f = ouvrirEnLecture(cheminLu());
    if (!f) throw lectureImpossible(chemin1252());
    j.flux_ = std::make_unique<FluxOctets>(f);
    j.jeu_ = jeu_;
    j.drapeauxLogiciel = drapeauxLogiciel;
    j.aDonneUneLigne = aDonneUneLigne;
    return j;
}

std::string FichierGedcomOuvert::chemin1252() const { return en1252(chemin_); }

fs::path FichierGedcomOuvert::cheminLu() const { return copie_ ? copie_->chemin : chemin_; }

void FichierGedcomOuvert::choisirJeuCaracteres(std::string_view valeurChar) {
    if (!copie_) jeu_ = jeuDeValeurChar(valeurChar);
}

void FichierGedcomOuvert::retablirJeuCaracteres(JeuCaracteres jeu) {
    if (!copie_) jeu_ = jeu;
}

void FichierGedcomOuvert::reinitialiser() {
    jeu_ = copie_ ? JeuCaracteres::Utf8 : JeuCaracteres::Aucun;
    drapeauxLogiciel = 0;
}

}  // namespace lignara
