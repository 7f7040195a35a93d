// Table des types de documents. Une ligne par type ; la colonne fabrique nomme la mise en page
// du type quand elle existe (MisesEnPage.h).
//
// Compteurs d'usage (44, un par point d'entrée) : les arbres ascendants, descendants et mixtes
// en occupent quatre chacun (simple, chronologique, chromatique, les deux) ; les deux variantes
// individuelle et familiale d'un même document partagent les leurs ; chaque carte a le sien.
#include "documents/Afficheur.h"

#include <algorithm>
#include <cstdlib>

#include "commun/Texte.h"
#include "documents/MisesEnPage.h"

namespace lignara {

namespace {

constexpr std::uint8_t P = OffrePdf, T = OffreTexte, R = OffreRtf, W = OffreWeb;

// clang-format off
const Afficheur kTable[Afficheur::kNombreTypes] = {
 {1,  "Arbre ascendant individuel", "AA_", "arbre-ascendant", "Pss111bL1", "DIALOG_AA_GENE,DIALOG_COUPE", P|W, 0, 0, fabriquerArbreAscendant},
 {38, "Arbre ascendant familial", "AA_", "arbre-ascendant-familial", "PsPs111bL1", "DIALOG_AA_GENE,DIALOG_COUPE", P|W, 0, 0, fabriquerArbreAscendant},
 {2,  "Arbre descendant", "AD_", "arbre-descendant", "Psbbs11bL1", "DIALOG_AD_GENE,DIALOG_COUPE", P|W, 0, 4, nullptr},
 {3,  "Arbre mixte individuel", "AM_", "arbre-mixte", "Psbs11bL1", "DIALOG_AM_GENE,DIALOG_COUPE", P|W, 0, 8, nullptr},
 {39, "Arbre mixte familial", "AM_", "arbre-mixte-familial", "PsPbs11bL1", "DIALOG_AM_GENE,DIALOG_COUPE", P|W, 0, 8, nullptr},
 {41, "Arbre de cousins individuel", "AC_", "arbre-cousins", "Psb2s1L1", "DIALOG_AC_GENE,DIALOG_COUPE", P, 0, 12, nullptr},
 {40, "Arbre de cousins familial", "AC_", "arbre-cousins-familial", "PsPb2s1L1", "DIALOG_AC_GENE,DIALOG_COUPE", P, 0, 12, nullptr},
 {12, "Liste ascendante", "LA_", "liste-ascendante", "Psb1L1", "DIALOG_LA_GENE,DIALOG_COUPE", P|T|R|W, 0, 13, nullptr},
 {15, "Liste descendante", "LD_", "liste-descendante", "Psbbb1L1L2", "DIALOG_LD_GENE,DIALOG_COUPE", P|T|W, 0, 14, nullptr},
 {14, "Liste de cousins", "LC_", "liste-cousins", "Psbb211", "DIALOG_LC_GENE", P|T|R|W, 0, 15, nullptr},
 {16, "Liste éclair", "LE_", "liste-eclair", "1bb", "DIALOG_LE_GENE", P|T|R|W, 0, 16, nullptr},
 {13, "Liste des branches", "LB_", "liste-branches", "11", "DIALOG_LB_GENE", P|T|R|W, 0, 17, nullptr},
 {17, "Liste par critère", "LI_", "liste-criteres", "1bsbsbsbsbsb1DD1", "DIALOG_LI_GENE,DIALOG_LI_DATES,DIALOG_LI_LIEUX", P|T|R|W, 0, 18, nullptr},
 {42, "Frise individuelle", "FI_", "frise-individuelle", "Psbbbbb", "DIALOG_FI_GENE", P, 0, 19, nullptr},
 {43, "Frises individuelles des ascendants", "FI_", "frises-ascendants", "PsbbbbbL1", "DIALOG_FI_GENE,DIALOG_COUPE", P, 0, 19, nullptr},
 {44, "Frises individuelles des descendants", "FI_", "frises-descendants", "PsbbbbbL1", "DIALOG_FI_GENE,DIALOG_COUPE", P, 0, 19, nullptr},
 {51, "Frise ascendante individuelle", "FA_", "frise-ascendante", "Ps1", "DIALOG_FAD_GENE", P, 0, 20, nullptr},
 {52, "Frise ascendante familiale", "FA_", "frise-ascendante-familiale", "PsP1", "DIALOG_FAD_GENE", P, 0, 20, nullptr},
 {53, "Frise descendante", "FD_", "frise-descendante", "Ps1", "DIALOG_FAD_GENE", P, 0, 21, nullptr},
 {47, "Frise des géné. ascendantes, individuelle", "FG_", "frise-generations-ascendantes", "Ps", "", P, 0, 22, nullptr},
 {48, "Frise des géné. ascendantes, familiale", "FG_", "frise-generations-ascendantes-familiale", "PsP", "", P, 0, 22, nullptr},
 {49, "Frise des générations descendantes", "FG_", "frise-generations-descendantes", "Psb", "DIALOG_FGD_GENE", P, 0, 22, nullptr},
 {18, "Roue ascendante", "RA_", "roue-ascendante", "Ps1", "DIALOG_RA_GENE", P, 0, 23, nullptr},
 {19, "Roue descendante", "RD_", "roue-descendante", "Psb1b", "DIALOG_RD_GENE", P, 0, 24, nullptr},
 {55, "Roue mixte", "RM_", "roue-mixte", "Psb11", "DIALOG_RM_GENE", P, 0, 25, nullptr},
 {32, "Tableau ascendant", "TA_", "tableau-ascendant", "Psb21", "DIALOG_TA_GENE", P|R|W, 0, 26, nullptr},
 {54, "Tableau des proches parents", "PP_", "proches-parents", "Ps1111", "DIALOG_PP_GENE", P|W, 0, 27, nullptr},
 {35, "Trombinoscope ascendant", "TR_", "trombinoscope-ascendant", "Ps1b21", "DIALOG_TR_GENE", P|R|W, 2, 28, nullptr},
 {37, "Trombinoscope descendant", "TR_", "trombinoscope-descendant", "Ps1b21", "DIALOG_TR_GENE", P|R|W, 3, 28, nullptr},
 {36, "Trombinoscope complet", "TR_", "trombinoscope-complet", "Ps1b21", "DIALOG_TR_GENE", P|R|W, 1, 28, nullptr},
 {11, "Lien de parenté", "TP_", "lien-parente", "PsPs1", "DIALOG_TP_GENE", P|W, 0, 29, nullptr},
 {34, "Tableau des consanguinités", "TC_", "consanguinites", "11", "DIALOG_TC_GENE", P|T|W, 0, 30, nullptr},
 {10, "Fiche individuelle", "TI_", "fiche-individuelle", "Psbbbb1", "DIALOG_TI_GENE", P|R|W, 0, 31, nullptr},
 {45, "Fiches individuelles des ascendants", "TI_", "fiches-ascendants", "PsbbbbL11", "DIALOG_TI_GENE,DIALOG_COUPE", P|R|W, 0, 31, nullptr},
 {46, "Fiches individuelles des descendants", "TI_", "fiches-descendants", "PsbbbbL11", "DIALOG_TI_GENE,DIALOG_COUPE", P|R|W, 0, 31, nullptr},
 {4,  "Carte de localisation ascendante", "CL_", "carte-localisation-ascendante", "Psb12bb111", "DIALOG_CL_GENE", P, 2, 32, nullptr},
 {6,  "Carte de localisation descendante", "CL_", "carte-localisation-descendante", "Psb12bb111", "DIALOG_CL_GENE", P, 3, 33, nullptr},
 {7,  "Carte de localisation patronyme", "CL_", "carte-patronyme", "Psb12bb111", "DIALOG_CL_GENE", P, 4, 34, nullptr},
 {5,  "Carte de localisation complète", "CL_", "carte-localisation-complete", "Psb12bb111", "DIALOG_CL_GENE", P, 1, 35, nullptr},
 {8,  "Carte de migration ascendante", "CM_", "carte-migration-ascendante", "Ps2b2", "DIALOG_CM_GENE", P, 2, 36, nullptr},
 {9,  "Carte de migration descendante", "CM_", "carte-migration-descendante", "Ps2b2", "DIALOG_CM_GENE", P, 3, 37, nullptr},
 {50, "Stat sur les générations ascendantes", "SG_", "stat-generations", "Ps", "", P, 0, 38, nullptr},
 {20, "Stat ascendantes sur les âges", "SA_", "stat-ages-ascendantes", "Ps1bb", "DIALOG_SA_GENE", P, 2, 39, nullptr},
 {22, "Stat descendantes sur les âges", "SA_", "stat-ages-descendantes", "Ps1bb", "DIALOG_SA_D_GENE", P, 3, 39, nullptr},
 {21, "Stat complètes sur les âges", "SA_", "stat-ages-completes", "Ps1bb", "DIALOG_SA_GENE", P, 1, 39, nullptr},
 {23, "Stat ascendantes des naissances", "SN_", "stat-naissances-ascendantes", "Ps2b", "DIALOG_SN_GENE", P, 2, 40, nullptr},
 {25, "Stat descendantes des naissances", "SN_", "stat-naissances-descendantes", "Ps2b", "DIALOG_SN_D_GENE", P, 3, 40, nullptr},
 {24, "Stat complètes des naissances", "SN_", "stat-naissances-completes", "Ps2b", "DIALOG_SN_GENE", P, 1, 40, nullptr},
 {26, "Stat ascendantes des professions", "SP_", "stat-professions-ascendantes", "Psbbb", "DIALOG_SC_GENE", P, 2, 41, nullptr},
 {28, "Stat descendantes des professions", "SP_", "stat-professions-descendantes", "Psbbb", "DIALOG_SC_D_GENE", P, 3, 41, nullptr},
 {27, "Stat complètes des professions", "SP_", "stat-professions-completes", "Psbbb", "DIALOG_SC_GENE", P, 1, 41, nullptr},
 {29, "Stat ascendantes des sources", "SS_", "stat-sources-ascendantes", "Psbbb", "DIALOG_SC_GENE", P, 2, 42, nullptr},
 {31, "Stat descendantes des sources", "SS_", "stat-sources-descendantes", "Psbbb", "DIALOG_SC_D_GENE", P, 3, 42, nullptr},
 {30, "Stat complètes des sources", "SS_", "stat-sources-completes", "Psbbb", "DIALOG_SC_GENE", P, 1, 42, nullptr},
};
// clang-format on

std::string sansSouligne(std::string_view prefixe) {
    if (!prefixe.empty() && prefixe.back() == '_') prefixe.remove_suffix(1);
    std::string s(prefixe);
    for (char& c : s) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return s;
}

bool estUnNombre(std::string_view s) {
    return !s.empty() && s.size() <= 3 &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string Afficheur::titre1252() const { return depuisUtf8(titre); }

std::span<const Afficheur> afficheurs() { return kTable; }

const Afficheur* afficheurDeCode(std::uint8_t code) {
    for (const Afficheur& a : kTable)
        if (a.code == code) return &a;
    return nullptr;
}

std::vector<const Afficheur*> chercherAfficheurs(std::string_view designation) {
    std::vector<const Afficheur*> trouves;
    if (estUnNombre(designation)) {
        int code = std::atoi(std::string(designation).c_str());
        if (code < 255)
            if (const Afficheur* a = afficheurDeCode(static_cast<std::uint8_t>(code))) trouves.push_back(a);
        return trouves;
    }
    for (const Afficheur& a : kTable)
        if (designation == a.nomLisible) return {&a};
    std::string prefixe = sansSouligne(designation);
    for (const Afficheur& a : kTable)
        if (!prefixe.empty() && sansSouligne(a.prefixe) == prefixe) trouves.push_back(&a);
    return trouves;
}

std::vector<std::string_view> prefixesDocuments() {
    std::vector<std::string_view> prefixes;
    for (const Afficheur& a : kTable)
        if (std::find(prefixes.begin(), prefixes.end(), std::string_view(a.prefixe)) == prefixes.end())
            prefixes.emplace_back(a.prefixe);
    return prefixes;
}

}  // namespace lignara
