#include "render/PoliceFamille.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

#include "commun/Texte.h"

namespace lignara {

namespace {

struct LibererMotif {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct LibererJeu {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
struct LibererObjets {
    void operator()(FcObjectSet* o) const { FcObjectSetDestroy(o); }
};
using Motif = std::unique_ptr<FcPattern, LibererMotif>;
using Jeu = std::unique_ptr<FcFontSet, LibererJeu>;

const FcChar8* octets(const std::string& s) { return reinterpret_cast<const FcChar8*>(s.c_str()); }

std::string chaine(FcPattern* p, const char* objet, int n = 0) {
    FcChar8* valeur = nullptr;
    if (FcPatternGetString(p, objet, n, &valeur) != FcResultMatch || !valeur) return {};
    return reinterpret_cast<const char*>(valeur);
}

int entier(FcPattern* p, const char* objet, int defaut) {
    int v = defaut;
    FcPatternGetInteger(p, objet, 0, &v);
    return v;
}

// Polices dont la famille est exactement famille (à la casse et aux blancs près).
Jeu lister(const std::string& famille) {
    if (!FcInit()) return nullptr;
    Motif motif(FcPatternCreate());
    FcPatternAddString(motif.get(), FC_FAMILY, octets(famille));
    std::unique_ptr<FcObjectSet, LibererObjets> objets(
        FcObjectSetBuild(FC_FAMILY, FC_FILE, FC_INDEX, FC_WEIGHT, FC_SLANT, FC_WIDTH, FC_FONTFORMAT, nullptr));
    return Jeu(FcFontList(nullptr, motif.get(), objets.get()));
}

bool existe(const std::string& famille) {
    Jeu jeu = lister(famille);
    return jeu && jeu->nfont > 0;
}

// Familles que fontconfig substitue au nom avec une liaison qui n'est pas faible.
std::vector<std::string> substitutsForts(const std::string& nom) {
    std::vector<std::string> familles;
    if (!FcInit()) return familles;
    Motif motif(FcPatternCreate());
    FcPatternAddString(motif.get(), FC_FAMILY, octets(nom));
    FcConfigSubstitute(nullptr, motif.get(), FcMatchPattern);
    FcValue valeur;
    FcValueBinding liaison;
    for (int i = 0; FcPatternGetWithBinding(motif.get(), FC_FAMILY, i, &valeur, &liaison) == FcResultMatch; ++i) {
        if (liaison == FcValueBindingWeak) break;
        if (valeur.type == FcTypeString) familles.emplace_back(reinterpret_cast<const char*>(valeur.u.s));
    }
    return familles;
}

}  // namespace

PoliceFamille::PoliceFamille(std::string_view nom1252) {
    std::string nom = versUtf8(nom1252);
    if (nom.empty()) return;
    if (existe(nom)) {
        famille_ = nom;
        return;
    }
    for (const std::string& substitut : substitutsForts(nom)) {
        if (existe(substitut)) {
            famille_ = substitut;
            return;
        }
    }
}

std::vector<FichierPolice> PoliceFamille::styles(bool italique) const {
    std::vector<FichierPolice> normaux, autres;
    if (famille_.empty()) return normaux;
    Jeu jeu = lister(famille_);
    if (!jeu) return normaux;
    for (int i = 0; i < jeu->nfont; ++i) {
        FcPattern* p = jeu->fonts[i];
        int poids = entier(p, FC_WEIGHT, FC_WEIGHT_REGULAR);
        int pente = entier(p, FC_SLANT, FC_SLANT_ROMAN);
        if (FcWeightToOpenType(poids) != 400 || (pente != FC_SLANT_ROMAN) != italique) continue;
        FichierPolice f{chaine(p, FC_FILE), entier(p, FC_INDEX, 0), chaine(p, FC_FAMILY)};
        if (f.chemin.empty()) continue;
        (entier(p, FC_WIDTH, FC_WIDTH_NORMAL) == FC_WIDTH_NORMAL ? normaux : autres).push_back(f);
    }
    std::vector<FichierPolice>& retenus = normaux.empty() ? autres : normaux;
    std::sort(retenus.begin(), retenus.end(), [](const FichierPolice& a, const FichierPolice& b) {
        return a.chemin != b.chemin ? a.chemin < b.chemin : a.indice < b.indice;
    });
    return retenus;
}

std::vector<std::string> PoliceFamille::famillesTrueType() {
    std::vector<std::string> familles;
    if (!FcInit()) return familles;
    Motif motif(FcPatternCreate());
    FcPatternAddString(motif.get(), FC_FONTFORMAT, reinterpret_cast<const FcChar8*>("TrueType"));
    std::unique_ptr<FcObjectSet, LibererObjets> objets(FcObjectSetBuild(FC_FAMILY, nullptr));
    Jeu jeu(FcFontList(nullptr, motif.get(), objets.get()));
    if (!jeu) return familles;
    for (int i = 0; i < jeu->nfont; ++i)
        for (int n = 0;; ++n) {
            std::string f = chaine(jeu->fonts[i], FC_FAMILY, n);
            if (f.empty()) break;
            familles.push_back(f);
        }
    std::sort(familles.begin(), familles.end());
    familles.erase(std::unique(familles.begin(), familles.end()), familles.end());
    return familles;
}

void PoliceFamille::liberer() { FcFini(); }

bool PoliceFamille::ajouterDossier(const std::string& dossier) {
    if (!FcInit()) return false;
    return FcConfigAppFontAddDir(nullptr, octets(dossier)) == FcTrue;
}

}  // namespace lignara
