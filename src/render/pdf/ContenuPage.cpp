#include "render/pdf/ContenuPage.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ostream>

#include "render/pdf/FormatPdf.h"
#include "render/pdf/ObjetPdfPhotoJpeg.h"

namespace lignara {

struct ContenuPage::Compresseur {
    z_stream flux{};
};

ContenuPage::ContenuPage(std::uint32_t couleurTraitPreference, std::uint32_t couleurTextePreference)
    : couleurTrait_(couleurTraitPreference), couleurNonTrait_(couleurTextePreference) {}

ContenuPage::~ContenuPage() {
    if (compresseur_) deflateEnd(&compresseur_->flux);
}

// --- Morceaux ---------------------------------------------------------------------------------

void ContenuPage::ajouter(std::string_view texte) {
    while (!texte.empty()) {
        if (remplissageDernier_ == kTailleMorceau) {
            morceaux_.emplace_back(new char[kTailleMorceau]);
            remplissageDernier_ = 0;
        }
        std::size_t n = std::min(texte.size(), kTailleMorceau - remplissageDernier_);
        std::memcpy(morceaux_.back().get() + remplissageDernier_, texte.data(), n);
        remplissageDernier_ += n;
        texte.remove_prefix(n);
    }
}

void ContenuPage::vider() {
    ajouter(tampon_);
    tampon_.clear();
}

std::size_t ContenuPage::taille() const {
    if (morceaux_.empty()) return 0;
    return (morceaux_.size() - 1) * kTailleMorceau + remplissageDernier_;
}

std::string ContenuPage::texteComplet() const {
    std::string s;
    for (std::size_t i = 0; i < morceaux_.size(); ++i)
        s.append(morceaux_[i].get(), i + 1 < morceaux_.size() ? kTailleMorceau : remplissageDernier_);
    return s;
}

void ContenuPage::ecrireSeiziemes(std::int64_t v) { ajouterSeiziemes(tampon_, v); }

void ContenuPage::ecrireSeiziemesBlanc(std::int64_t v) {
    ajouterSeiziemes(tampon_, v);
    tampon_ += ' ';
}

// --- État partagé -----------------------------------------------------------------------------

void ContenuPage::fermerModeEnAttente() {
    if (mode_ == 1)
        tampon_ += "S\n";
    else if (mode_ == 2)
        tampon_ += "ET\n";
    mode_ = 0;
}

void ContenuPage::fermerMode() {
    fermerModeEnAttente();
    vider();
}

bool ContenuPage::rattraper(const StyleTrace& s) {
    int profondeur = std::clamp<int>(s.profondeur, 0, static_cast<int>(s.transformations.size()));
    if (niveaux_ > profondeur) depilerEnAttente(profondeur);
    if (niveaux_ == profondeur) return false;
    bool rejoint = niveaux_ == 0;
    fermerModeEnAttente();
    for (int niveau = niveaux_; niveau < profondeur; ++niveau) {
        const auto& t = s.transformations[static_cast<std::size_t>(niveau)];
        sauvegardes_[static_cast<std::size_t>(niveau)] = {couleurTrait_, couleurNonTrait_, epaisseur_,
                                                          pointilles_,   policeItalique_,  policeTaille_};
        tampon_ += "q ";
        for (int i = 0; i < 6; ++i) {
            ajouterReel(tampon_, i < 4 ? t[i] : t[i] / 16.0);
            tampon_ += ' ';
        }
        tampon_ += "cm ";
    }
    niveaux_ = static_cast<std::int8_t>(profondeur);
    return rejoint;
}

bool ContenuPage::rattraperTransformations(const StyleTrace& style) {
    bool rejoint = rattraper(style);
    vider();
    return rejoint;
}

void ContenuPage::depilerEnAttente(int nouvelleProfondeur) {
    if (niveaux_ <= nouvelleProfondeur) return;
    fermerModeEnAttente();
    for (int i = nouvelleProfondeur; i < niveaux_; ++i) tampon_ += "Q ";
    niveaux_ = static_cast<std::int8_t>(std::max(nouvelleProfondeur, 0));
    const EtatSauve& e = sauvegardes_[static_cast<std::size_t>(niveaux_)];
    couleurTrait_ = e.couleurTrait;
    couleurNonTrait_ = e.couleurNonTrait;
    epaisseur_ = e.epaisseur;
    pointilles_ = e.pointilles;
    policeItalique_ = e.policeItalique;
    policeTaille_ = e.policeTaille;
}

void ContenuPage::depilerTransformations(int nouvelleProfondeur) {
    depilerEnAttente(nouvelleProfondeur);
    vider();
}

void ContenuPage::reglerTraitEnAttente(const StyleTrace& s) {
    bool traceEcrit = false;
    auto tracerCheminEnAttente = [&] {
        if (mode_ == 1 && !traceEcrit) {
            tampon_ += "S\n";
            traceEcrit = true;
        }
    };
    if (s.couleurTrait != couleurTrait_) {
        tracerCheminEnAttente();
        ajouterCouleur(tampon_, s.couleurTrait);
        tampon_ += " RG ";
        couleurTrait_ = s.couleurTrait;
    }
    if (s.epaisseurTrait != epaisseur_) {
        tracerCheminEnAttente();
        ajouterReel(tampon_, s.epaisseurTrait, 1);
        tampon_ += " w ";
        epaisseur_ = s.epaisseurTrait;
    }
    if (s.pointilles != pointilles_ && s.pointilles <= 2) {
        static constexpr const char* kPointilles[3] = {"[] 0 d ", "[3] 0 d ", "[1 7] 0 d "};
        tracerCheminEnAttente();
        tampon_ += kPointilles[s.pointilles];
        pointilles_ = s.pointilles;
    }
}

void ContenuPage::reglerTrait(const StyleTrace& style) {
    reglerTraitEnAttente(style);
    vider();
}

void ContenuPage::reglerCouleurTexteEnAttente(const StyleTrace& s) {
    if (s.couleurTexte == couleurNonTrait_) return;
    fermerModeEnAttente();
    ajouterCouleur(tampon_, s.couleurTexte);
    tampon_ += " rg ";
    couleurNonTrait_ = s.couleurTexte;
}

void ContenuPage::reglerCouleurTexte(const StyleTrace& style) {
    reglerCouleurTexteEnAttente(style);
    vider();
}

void ContenuPage::choisirPoliceEnAttente(const StyleTrace& s) {
    if (s.italique == policeItalique_ && s.taillePolice == policeTaille_) return;
    fermerModeEnAttente();
    tampon_ += "BT ";
    mode_ = 2;
    texteX_ = texteY_ = 0;
    tampon_ += s.italique ? "/F2 " : "/F1 ";
    ajouterEntier(tampon_, s.taillePolice);
    tampon_ += " Tf \n";
    policeItalique_ = s.italique;
    policeTaille_ = s.taillePolice;
}

void ContenuPage::choisirPolice(const StyleTrace& style) {
    choisirPoliceEnAttente(style);
    vider();
}

void ContenuPage::reglerRemplissage(std::uint32_t couleur) {
    if (couleur == couleurNonTrait_) return;
    ajouterCouleur(tampon_, couleur);
    tampon_ += " rg ";
    couleurNonTrait_ = couleur;
}

void ContenuPage::ouvrirTexte() {
    if (mode_ == 2) return;
    tampon_ += mode_ == 1 ? "S\nBT " : "BT ";
    mode_ = 2;
    texteX_ = texteY_ = 0;
}

void ContenuPage::ecrireTexteEchappe(std::string_view texte1252) { ajouterEchappe(tampon_, texte1252); }

}  // namespace lignara

namespace lignara {

// --- Primitives -------------------------------------------------------------------------------

void ContenuPage::ligne(const StyleTrace& s, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    rattraper(s);
    if (mode_ == 2) tampon_ += "ET\n";
    mode_ = 1;
    reglerTraitEnAttente(s);
    ecrireSeiziemesBlanc(x1);
    ecrireSeiziemesBlanc(y1);
    tampon_ += "m ";
    ecrireSeiziemesBlanc(x2);
    ecrireSeiziemesBlanc(y2);
    tampon_ += "l\n";
    vider();
}

void ContenuPage::courbe(const StyleTrace& s, const std::array<std::int32_t, 8>& p) {
    rattraper(s);
    if (mode_ == 2) tampon_ += "ET\n";
    mode_ = 1;
    reglerTraitEnAttente(s);
    ecrireSeiziemesBlanc(p[0]);
    ecrireSeiziemesBlanc(p[1]);
    tampon_ += "m ";
    for (std::size_t i = 2; i < 8; ++i) ecrireSeiziemesBlanc(p[i]);
    tampon_ += "c\n";
    vider();
}

void ContenuPage::rectangle(const StyleTrace& s, std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h) {
    rattraper(s);
    reglerTraitEnAttente(s);
    if (mode_ == 2) tampon_ += "ET\n";
    mode_ = 1;
    for (std::int32_t v : {x, y, l, h}) ecrireSeiziemesBlanc(v);
    tampon_ += "re\n";
    vider();
}

void ContenuPage::rectanglePlein(const StyleTrace& s, std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h) {
    rattraper(s);
    reglerTraitEnAttente(s);
    fermerModeEnAttente();
    reglerRemplissage(s.couleurRemplissage);
    for (std::int32_t v : {x, y, l, h}) ecrireSeiziemesBlanc(v);
    tampon_ += "re f\n";
    mode_ = 1;
    vider();
}

void ContenuPage::rectangleDegrade(const StyleTrace& s, std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h,
                                   std::uint16_t degrade) {
    rattraper(s);
    reglerTraitEnAttente(s);
    fermerModeEnAttente();
    tampon_ += "q\n";
    ecrireSeiziemes(l);
    tampon_ += " 0 0 ";
    ecrireSeiziemesBlanc(-static_cast<std::int64_t>(h));
    ecrireSeiziemesBlanc(x);
    ecrireSeiziemesBlanc(static_cast<std::int64_t>(y) + h);
    tampon_ += "cm 0 0 1 1 re W n /Deg";
    ajouterEntier(tampon_, degrade);
    tampon_ += " sh\nQ\n";
    for (std::uint16_t& place : degrades_) {
        if (place == degrade) break;
        if (place == 0) {
            place = degrade;
            break;
        }
    }
    mode_ = 1;
    vider();
}

void ContenuPage::polygone(const StyleTrace& s, std::span<const std::int32_t> points, bool plein) {
    if (points.size() < 2) return;
    rattraper(s);
    fermerModeEnAttente();
    reglerTraitEnAttente(s);
    for (std::size_t i = 0; i + 1 < points.size(); i += 2) {
        ecrireSeiziemesBlanc(points[i]);
        ecrireSeiziemesBlanc(points[i + 1]);
        tampon_ += i == 0 ? "m\n" : "l\n";
    }
    if (plein) {
        reglerRemplissage(s.couleurRemplissage);
        tampon_ += "f\n";
    } else {
        tampon_ += "h\n";
    }
    mode_ = 1;
    vider();
}

void ContenuPage::ecrireQuartsDeCercle(std::int32_t cx, std::int32_t cy, std::int32_t r) {
    // Longueur des poignées : r × 5537 ÷ 10000 arrondi (multiplication-division entière).
    std::int64_t r64 = r;
    std::int64_t k = (std::llabs(r64) * 5537 + 5000) / 10000 * (r64 < 0 ? -1 : 1);
    std::int64_t x = cx, y = cy;
    const std::int64_t quarts[4][6] = {
        {x - r64, y + k, x - k, y + r64, x, y + r64},
        {x + k, y + r64, x + r64, y + k, x + r64, y},
        {x + r64, y - k, x + k, y - r64, x, y - r64},
        {x - k, y - r64, x - r64, y - k, x - r64, y},
    };
    ecrireSeiziemesBlanc(x - r64);
    ecrireSeiziemesBlanc(y);
    tampon_ += "m ";
    for (const auto& q : quarts) {
        for (std::int64_t v : q) ecrireSeiziemesBlanc(v);
        tampon_ += "c\n";
    }
}

void ContenuPage::cercle(const StyleTrace& s, std::int32_t cx, std::int32_t cy, std::int32_t r, bool plein) {
    rattraper(s);
    reglerTraitEnAttente(s);
    if (plein) {
        fermerModeEnAttente();
        mode_ = 1;
        if (s.couleurRemplissage != couleurNonTrait_) {
            tampon_ += "S\n";
            mode_ = 0;
            reglerRemplissage(s.couleurRemplissage);
        }
    } else {
        if (mode_ == 2) tampon_ += "ET\n";
        // Un contour doit rester en attente d'être tracé, même ouvert en mode 0.
        mode_ = 1;
    }
    ecrireQuartsDeCercle(cx, cy, r);
    if (plein) tampon_ += " f\n";
    vider();
}

void ContenuPage::preparerTexte(const StyleTrace& s) {
    rattraper(s);
    reglerCouleurTexteEnAttente(s);
    choisirPoliceEnAttente(s);
    ouvrirTexte();
}

void ContenuPage::texte(const StyleTrace& s, std::int32_t x, std::int32_t y, std::string_view texte1252) {
    preparerTexte(s);
    ecrireSeiziemesBlanc(static_cast<std::int64_t>(x) - texteX_);
    ecrireSeiziemesBlanc(static_cast<std::int64_t>(y) - texteY_);
    tampon_ += "Td (";
    ecrireTexteEchappe(texte1252);
    tampon_ += ") Tj\n";
    texteX_ = x;
    texteY_ = y;
    vider();
}

void ContenuPage::texteIncline(const StyleTrace& s, std::int32_t x, std::int32_t y, double angleRadians,
                               std::string_view texte1252) {
    preparerTexte(s);
    double c = std::cos(angleRadians), sn = std::sin(angleRadians);
    for (double v : {c, sn, -sn, c}) {
        ajouterReel(tampon_, v);
        tampon_ += ' ';
    }
    ecrireSeiziemesBlanc(x);
    ecrireSeiziemesBlanc(y);
    tampon_ += "Tm (";
    ecrireTexteEchappe(texte1252);
    tampon_ += ") Tj ET\n";
    mode_ = 0;
    vider();
}

void ContenuPage::ecrireCaractereCirculaire(double theta, bool inverse, double x, double y, char c) {
    double sn = std::sin(theta), co = std::cos(theta);
    const double matrice[4] = {inverse ? -sn : sn, inverse ? co : -co, inverse ? -co : co, inverse ? -sn : sn};
    for (double v : matrice) {
        ajouterReel(tampon_, v);
        tampon_ += ' ';
    }
    ajouterReel(tampon_, x / 16.0);
    tampon_ += ' ';
    ajouterReel(tampon_, y / 16.0);
    tampon_ += " Tm (";
    if (c == '(' || c == ')' || c == '\\') tampon_ += '\\';
    tampon_ += c;
    tampon_ += ") Tj ";
}

unsigned ContenuPage::texteCirculaire(const StyleTrace& s, std::int32_t cx, std::int32_t cy, std::int32_t r,
                                      float angle, bool inverse, std::string_view texte1252,
                                      const MetriquePolice& police, const EtenduePage& page) {
    preparerTexte(s);
    unsigned depassements = 0;
    double theta = angle;
    for (char c : texte1252) {
        double x = cx + r * std::cos(theta), y = cy + r * std::sin(theta);
        if (x < page.x0) depassements |= kDepasseGauche;
        if (x > page.x1) depassements |= kDepasseDroite;
        if (y < page.y0) depassements |= kDepasseBas;
        if (y > page.y1) depassements |= kDepasseHaut;
        ecrireCaractereCirculaire(theta, inverse, x, y, c);
        int largeur = police.largeurs[static_cast<unsigned char>(c)] / 100;
        double pas = r != 0 ? static_cast<double>(largeur) / r : 0.0;
        theta += inverse ? pas : -pas;
    }
    tampon_ += "ET\n";
    mode_ = 0;
    vider();
    return depassements;
}

void ContenuPage::photo(const StyleTrace& s, std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t h,
                        ObjetPdfPhotoJpeg& image) {
    fermerModeEnAttente();
    rattraper(s);
    tampon_ += "q ";
    ecrireSeiziemes(l);
    tampon_ += " 0 0 ";
    for (std::int32_t v : {h, x, y}) ecrireSeiziemesBlanc(v);
    tampon_ += "cm /Im";
    ajouterEntier(tampon_, image.numero());
    tampon_ += " Do Q\n";
    photos_.push_back(&image);
    vider();
}

void ContenuPage::imageDwa(const StyleTrace& s, std::int32_t x, std::int32_t y, int emplacement,
                           std::uint16_t numeroForme) {
    if (emplacement < 0 || emplacement >= static_cast<int>(images_.size())) return;
    fermerModeEnAttente();
    rattraper(s);
    tampon_ += "q 18 0 0 18 ";
    ecrireSeiziemesBlanc(x);
    ecrireSeiziemesBlanc(y);
    tampon_ += "cm /Im";
    ajouterEntier(tampon_, numeroForme);
    tampon_ += " Do Q\n";
    images_[static_cast<std::size_t>(emplacement)] = numeroForme;
    vider();
}

void ContenuPage::ajouterAnnotation(ObjetPdfAnnotationLink& annotation) { annotations_.push_back(&annotation); }

// --- Données du flux --------------------------------------------------------------------------

bool ContenuPage::demarrerCompression() {
    if (compresseur_) return true;
    auto c = std::make_unique<Compresseur>();
    if (deflateInit(&c->flux, Z_DEFAULT_COMPRESSION) != Z_OK) return false;
    compresseur_ = std::move(c);
    return true;
}

std::string ContenuPage::prologue(const ProloguePage& p) const {
    std::string s;
    ajouterCouleur(s, p.couleurTexte);
    s += " rg ";
    ajouterCouleur(s, p.couleurTrait);
    s += " RG\n";
    ajouterReel(s, static_cast<double>(p.etirement) / p.uniteUtilisateur);
    s += " 0 0 ";
    ajouterReel(s, 1.0 / p.uniteUtilisateur);
    s += " 0 0 cm\n1 0 0 1 ";
    ajouterEntier(s, p.tx);
    s += ' ';
    ajouterEntier(s, p.ty);
    s += " cm\n";
    return s;
}

std::uint64_t ContenuPage::ecrireDonnees(std::ostream& sortie, const ProloguePage& p) {
    fermerMode();
    std::string debut = prologue(p);
    if (!compresseur_) return ecrireSansCompression(sortie, debut);
    std::uint64_t n = ecrireCompresse(sortie, debut);
    deflateEnd(&compresseur_->flux);
    compresseur_.reset();
    return n;
}

std::uint64_t ContenuPage::ecrireSansCompression(std::ostream& sortie, const std::string& debut) {
    ecrireOctets(sortie, debut);
    for (std::size_t i = 0; i < morceaux_.size(); ++i) {
        std::size_t n = i + 1 < morceaux_.size() ? kTailleMorceau : remplissageDernier_;
        sortie.write(morceaux_[i].get(), static_cast<std::streamsize>(n));
    }
    return debut.size() + taille();
}

std::uint64_t ContenuPage::ecrireCompresse(std::ostream& sortie, const std::string& debut) {
    z_stream& z = compresseur_->flux;
    unsigned char produit[1500];
    std::uint64_t total = 0;
    auto nourrir = [&](const char* donnees, std::size_t n, int vidage) {
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(donnees));
        z.avail_in = static_cast<uInt>(n);
        do {
            z.next_out = produit;
            z.avail_out = sizeof produit;
            if (deflate(&z, vidage) == Z_STREAM_ERROR) return;
            std::size_t ecrits = sizeof produit - z.avail_out;
            sortie.write(reinterpret_cast<const char*>(produit), static_cast<std::streamsize>(ecrits));
            total += ecrits;
        } while (z.avail_out == 0);
    };
    nourrir(debut.data(), debut.size(), morceaux_.empty() ? Z_FINISH : Z_NO_FLUSH);
    for (std::size_t i = 0; i < morceaux_.size(); ++i) {
        bool dernier = i + 1 == morceaux_.size();
        nourrir(morceaux_[i].get(), dernier ? remplissageDernier_ : kTailleMorceau, dernier ? Z_FINISH : Z_NO_FLUSH);
    }
    return total;
}

}  // namespace lignara
