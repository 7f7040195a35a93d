#include "gedcom/FichierGedcomOuvert.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

#include "commun/CauseErreur.h"
#include "commun/DossierPrive.h"
#include "commun/FichierEntree.h"
#include "commun/FichierTemporaire.h"
#include "commun/OperationImpossible.h"
#include "commun/RestesTemporaires.h"
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

OperationImpossible lectureImpossible(const std::string& chemin1252, int erreur) {
    return OperationImpossible(formater("Lecture impossible du fichier Gedcom\n%s"_1252, chemin1252) + "\n" +
                               causeErreurMajuscule(erreur));
}

// Ouvert sans attendre (tube, périphérique refusés) ; « Fichier %s inexistant » quand il manque.
FichierEntree ouvrirEntree(const fs::path& chemin, const std::string& chemin1252) {
    FichierEntree entree;
    if (entree.ouvrir(chemin)) return entree;
    if (entree.erreur() == ENOENT) throw OperationImpossible(formater("Fichier %s inexistant"_1252, chemin1252));
    throw lectureImpossible(chemin1252, entree.erreur());
}

// Copie en UTF-8 d'un fichier UTF-16, lisible et inscriptible par nous seuls ; l'appelant
// efface chemin quand il a fini.
std::FILE* creerTemporaire(fs::path& chemin) {
    FichierTemporaire temporaire;
    if (!temporaire.creer(dossierPrive(), prefixeTemporaire("utf8"))) return nullptr;
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
    FichierEntree entree = ouvrirEntree(chemin_, chemin1252());
    const std::uint64_t taille = entree.taille();
    char debut[512];
    const long long n = entree.lire(debut, sizeof debut, 0);
    if (n < 0) throw lectureImpossible(chemin1252(), entree.erreur());
    DetectionUtf16 utf16 = detecterUtf16(std::string_view(debut, static_cast<std::size_t>(n)));
    std::FILE* f = entree.enFlux();
    if (!f) throw lectureImpossible(chemin1252(), errno);
    if (utf16.ordre == OrdreUtf16::Aucun) {
        flux_ = std::make_unique<FluxOctets>(f, taille);
        return;
    }
    auto copie = std::make_unique<CopieTemporaire>();
    std::FILE* sortie = creerTemporaire(copie->chemin);
    const std::uint64_t marque = utf16.avecMarque ? 2 : 0;
    bool reussi = sortie && std::fseek(f, static_cast<long>(marque), SEEK_SET) == 0 &&
                  transcoderUtf16(f, utf16.ordre, sortie, taille - std::min(taille, marque));
    std::fclose(f);
    if (!reussi) {
        if (sortie) std::fclose(sortie);
        throw OperationImpossible(
            formater("Accès impossible au répertoire temporaire\n%s"_1252, en1252(dossierPrive())));
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
    aUneEnTete = autre.aUneEnTete;
    return *this;
}

FichierGedcomOuvert FichierGedcomOuvert::jumeau() const {
    FichierGedcomOuvert j;
    j.chemin_ = chemin_;
    FichierEntree entree = ouvrirEntree(cheminLu(), chemin1252());
    const std::uint64_t taille = entree.taille();
    std::FILE* f = entree.enFlux();
    if (!f) throw lectureImpossible(chemin1252(), errno);
    j.flux_ = std::make_unique<FluxOctets>(f, taille);
    j.jeu_ = jeu_;
    j.drapeauxLogiciel = drapeauxLogiciel;
    j.aDonneUneLigne = aDonneUneLigne;
    j.aUneEnTete = aUneEnTete;
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
    aUneEnTete = false;
}

}  // namespace lignara
