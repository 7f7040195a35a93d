#include "render/PoliceChargement.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_ADVANCES_H

#include <algorithm>
#include <cstdio>
#include <vector>

#include "commun/Texte.h"
#include "render/PoliceFamille.h"

namespace lignara {

namespace {

// Valeur en unités de la police ramenée à 1/1000 em, bornée au champ 16 bits qui la reçoit.
std::int32_t milliemes(long valeur, long unitesParEm) { return static_cast<std::int32_t>(valeur * 1000 / unitesParEm); }

std::uint16_t bornerU16(std::int32_t v) { return static_cast<std::uint16_t>(std::clamp<std::int32_t>(v, 0, 65535)); }

// Drapeaux du descripteur : 1 chasse fixe, 32 non symbolique (+2 à empattements), 8 script,
// 64 italique. La classe de famille vient du PANOSE, à défaut de sFamilyClass.
std::int32_t drapeaux(FT_Face face, const TT_OS2* os2, bool italique) {
    std::int32_t d = FT_IS_FIXED_WIDTH(face) ? 1 : 0;
    bool romaine = false, script = false;
    if (os2) {
        int genre = os2->panose[0], empattement = os2->panose[1];
        int classe = (os2->sFamilyClass >> 8) & 0xFF;
        if (genre == 2)
            romaine = empattement >= 2 && empattement <= 10;
        else if (genre == 3)
            script = true;
        else {
            romaine = (classe >= 1 && classe <= 5) || classe == 7;
            script = classe == 10;
        }
    }
    d += romaine ? 34 : 32;
    if (script) d += 8;
    if (italique) d += 64;
    return d;
}

// Largeurs des codes 0–255 lus comme Windows-1252, en centièmes d'unité de dessin à 10 points.
bool lireLargeurs(FT_Face face, MetriquePolice& police) {
    long em = face->units_per_EM;
    for (int code = 0; code < 256; ++code) {
        FT_UInt glyphe = FT_Get_Char_Index(face, unicodeDe1252(static_cast<std::uint8_t>(code)));
        FT_Fixed avance = 0;
        if (FT_Get_Advance(face, glyphe, FT_LOAD_NO_SCALE, &avance) != 0) return false;
        long largeur = (static_cast<long>(avance) * 16000 + em / 2) / em;
        police.largeurs[code] = static_cast<std::int16_t>(std::clamp<long>(largeur, -32768, 32767));
    }
    return true;
}

// Premier caractère : usFirstCharIndex ; au-dessus de 255 (police de symboles), 255. Une police
// qui a l'espace commence au plus à 32 : certaines déclarent 33, et un lecteur PDF donnerait
// alors une largeur nulle aux blancs.
int premierCaractere(FT_Face face, const TT_OS2* os2) {
    int premier = os2 ? os2->usFirstCharIndex : 32;
    if (premier > 255) return 255;
    if (premier > 32 && FT_Get_Char_Index(face, 0x20) != 0) premier = 32;
    return premier;
}

bool remplirDepuisFace(FT_Face face, bool italique, MetriquePolice& police) {
    long em = face->units_per_EM;
    if (em <= 0 || !FT_IS_SCALABLE(face)) return false;
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    auto* post = static_cast<TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST));
    bool os2Valide = os2 && os2->version != 0xFFFF;
    int premier = premierCaractere(face, os2Valide ? os2 : nullptr);
    if (premier > '1') return false;
    MetriquePolice m = police;
    if (!lireLargeurs(face, m)) return false;
    m.premierCaractere = static_cast<std::uint8_t>(premier);
    m.dernierCaractere = 255;
    m.drapeaux = drapeaux(face, os2Valide ? os2 : nullptr, italique);
    m.largeurBoite = milliemes(hhea ? hhea->advance_Width_Max : face->max_advance_width, em);
    long ascendant = os2Valide ? os2->usWinAscent : face->ascender;
    long descendant = os2Valide ? os2->usWinDescent : -face->descender;
    m.ascendant = bornerU16(milliemes(ascendant, em));
    m.descendant = bornerU16(milliemes(descendant, em));
    m.hauteur = m.ascendant + m.descendant;
    m.hauteurCapitales = m.ascendant;
    m.epaisseurTrait = bornerU16(m.largeurBoite / 20);
    if (post)
        m.angleItalique = static_cast<std::int16_t>(post->italicAngle / 65536);
    else
        m.angleItalique = italique ? -10 : 0;
    m.italique = italique ? 1 : 0;
    m.trouvee = 1;
    police = m;
    return true;
}

}  // namespace

bool mesurerFichierPolice(const std::string& chemin, int indice, bool italique, MetriquePolice& police) {
    FT_Library bibliotheque = nullptr;
    if (FT_Init_FreeType(&bibliotheque) != 0) return false;
    FT_Face face = nullptr;
    bool ok =
        FT_New_Face(bibliotheque, chemin.c_str(), indice, &face) == 0 && remplirDepuisFace(face, italique, police);
    if (face) FT_Done_Face(face);
    FT_Done_FreeType(bibliotheque);
    return ok;
}

bool dernierCaractereFichier(const std::string& chemin, int indice, int& dernier) {
    FT_Library bibliotheque = nullptr;
    if (FT_Init_FreeType(&bibliotheque) != 0) return false;
    FT_Face face = nullptr;
    bool ok = FT_New_Face(bibliotheque, chemin.c_str(), indice, &face) == 0;
    if (ok) {
        auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        dernier = os2 && os2->version != 0xFFFF ? os2->usLastCharIndex : 0xFFFF;
    }
    if (face) FT_Done_Face(face);
    FT_Done_FreeType(bibliotheque);
    return ok;
}

bool remplirMetrique(MetriquePolice& police, std::string_view nom1252, bool italique,
                     const RecepteurMessages& recepteur) {
    police.trouvee = 0;
    police.italique = italique ? 1 : 0;
    std::vector<FichierPolice> styles = PoliceFamille(nom1252).styles(italique);
    for (const FichierPolice& style : styles) {
        if (!mesurerFichierPolice(style.chemin, style.indice, italique, police)) {
            police.trouvee = 0;
            if (recepteur) {
                char message[400];
                std::snprintf(message, sizeof message,
                              "La police de caractères %s n'est pas définie correctement.\n"
                              "Choisissez-en une autre."_1252,
                              std::string(nom1252).c_str());
                recepteur(message);
            }
            return false;
        }
    }
    return police.trouvee != 0;
}

std::int32_t calculerLargeurSignature(const MetriquePolice& reguliere, std::string_view ligne1,
                                      std::string_view ligne2) {
    std::int32_t w = std::max(largeurTexte(reguliere, ligne1), largeurTexte(reguliere, ligne2));
    return 384 + w * 8 / 10;
}

PolicesDocument chargerPolices(const ReglagesPolices& reglages, const RecepteurMessages& recepteur) {
    PolicesDocument polices;
    polices.nom = reglages.nomPolice;
    bool utilisable = remplirMetrique(polices.reguliere, reglages.nomPolice, false, recepteur);
    if (!utilisable) {
        char message[400];
        bool arial = remplirMetrique(polices.reguliere, "Arial", false, recepteur);
        std::snprintf(message, sizeof message,
                      arial ? "La police de caractères \"%s\" n'existe pas ou n'est pas utilisable "
                              "pour les graphiques.\nLignara utilisera la police \"Arial\"."_1252
                            : "La police de caractères \"%s\" n'existe pas ou n'est pas utilisable "
                              "pour les graphiques.\nChoisissez-en une autre."_1252,
                      reglages.nomPolice.c_str());
        if (recepteur) recepteur(message);
        if (arial) polices.nom = "Arial";
        utilisable = arial;
    }
    if (!utilisable || !remplirMetrique(polices.italique, polices.nom, true, recepteur)) {
        // Sans italique, le texte italique prend la police régulière sous son propre nom.
        polices.italique = polices.reguliere;
    }
    polices.largeurSignature =
        calculerLargeurSignature(polices.reguliere, reglages.ligneSignature1, reglages.ligneSignature2);
    return polices;
}

}  // namespace lignara
