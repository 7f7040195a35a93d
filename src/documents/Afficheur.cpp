// Table des types de documents : la déclaration de chaque type, une ligne par type (Afficheur.h).
// Un type dont le document existe nomme ses paramètres déclarés (dans l'en-tête de son
// document) et sa fabrique ; les autres ont les paramètres anonymes des lettres de leur
// signature, en attendant leur document.
//
// Compteurs d'usage (44, un par point d'entrée) : les arbres ascendants, descendants et mixtes
// en occupent quatre chacun (simple, chronologique, chromatique, les deux) ; les deux variantes
// individuelle et familiale d'un même document partagent les leurs ; chaque carte a le sien.
#include "documents/Afficheur.h"

#include <algorithm>
#include <cstdlib>

#include "commun/Texte.h"
#include "documents/Document.h"
#include "documents/arbres/ArbreAscendant.h"
#include "documents/arbres/ArbreCousins.h"
#include "documents/arbres/ArbreMixte.h"
#include "documents/arbres/DocumentArbreDescendant.h"
#include "documents/cartes/CarteLocalisation.h"
#include "documents/cartes/CarteMigration.h"
#include "documents/fiches/FicheIndividuelle.h"
#include "documents/fiches/Trombinoscope.h"
#include "documents/frises/FriseGenerations.h"
#include "documents/frises/FriseIndividuelle.h"
#include "documents/frises/FriseLignees.h"
#include "documents/listes/ListeAscendante.h"
#include "documents/listes/ListeBranches.h"
#include "documents/listes/ListeCousins.h"
#include "documents/listes/ListeCriteres.h"
#include "documents/listes/ListeDescendante.h"
#include "documents/listes/ListeEclair.h"
#include "documents/roues/RoueAscendante.h"
#include "documents/roues/RoueDescendante.h"
#include "documents/roues/RoueMixte.h"
#include "documents/statistiques/StatistiqueAges.h"
#include "documents/statistiques/StatistiqueAscendance.h"
#include "documents/statistiques/StatistiqueCategories.h"
#include "documents/statistiques/StatistiqueNaissances.h"
#include "documents/tableaux/LienDeParente.h"
#include "documents/tableaux/ProchesParents.h"
#include "documents/tableaux/TableauAscendant.h"
#include "documents/tableaux/TableauConsanguinites.h"

namespace lignara {

namespace {

constexpr std::uint8_t P = OffrePdf, T = OffreTexte, R = OffreRtf, W = OffreWeb;
constexpr DemandeTete Pers = DemandeTete::Personne, Desc = DemandeTete::Descendance, Patr = DemandeTete::Patronyme,
                      Aucune = DemandeTete::Aucune;

template <detail::Lettres L>
constexpr std::span<const ParametreDeclare* const> lettres() {
    return parametresDeLettres<L>();
}

// Colonnes : code, titre, préfixe, nom lisible, paramètres, personne de tête, pages, formats,
// variante, premier compteur, fabrique [, titre de la feuille].
// clang-format off
const Afficheur kTable[Afficheur::kNombreTypes] = {
 {1,  "Arbre ascendant individuel", "AA_", "arbre-ascendant", ArbreAscendant::kParametresIndividuel, Pers, "DIALOG_AA_GENE,DIALOG_COUPE", P|W, 0, 0, fabrique<ArbreAscendant>, "Arbre ascendant"},
 {38, "Arbre ascendant familial", "AA_", "arbre-ascendant-familial", ArbreAscendant::kParametresFamilial, Pers, "DIALOG_AA_GENE,DIALOG_COUPE", P|W, 0, 0, fabrique<ArbreAscendant>, "Arbre ascendant"},
 {2,  "Arbre descendant", "AD_", "arbre-descendant", DocumentArbreDescendant::kParametres, Desc, "DIALOG_AD_GENE,DIALOG_COUPE", P|W, 0, 4, fabrique<DocumentArbreDescendant>},
 {3,  "Arbre mixte individuel", "AM_", "arbre-mixte", ArbreMixte::kParametresIndividuel, Pers, "DIALOG_AM_GENE,DIALOG_COUPE", P|W, 0, 8, fabrique<ArbreMixte>, "Arbre mixte"},
 {39, "Arbre mixte familial", "AM_", "arbre-mixte-familial", ArbreMixte::kParametresFamilial, Pers, "DIALOG_AM_GENE,DIALOG_COUPE", P|W, 0, 8, fabrique<ArbreMixte>, "Arbre mixte"},
 {41, "Arbre de cousins individuel", "AC_", "arbre-cousins", ArbreCousins::kParametresIndividuel, Pers, "DIALOG_AC_GENE,DIALOG_COUPE", P, 0, 12, fabrique<ArbreCousins>, "Arbre des cousins"},
 {40, "Arbre de cousins familial", "AC_", "arbre-cousins-familial", ArbreCousins::kParametresFamilial, Pers, "DIALOG_AC_GENE,DIALOG_COUPE", P, 0, 12, fabrique<ArbreCousins>, "Arbre des cousins"},
 {12, "Liste ascendante", "LA_", "liste-ascendante", ListeAscendante::kParametres, Pers, "DIALOG_LA_GENE,DIALOG_COUPE", P|T|R|W, 0, 13, fabrique<ListeAscendante>},
 {15, "Liste descendante", "LD_", "liste-descendante", ListeDescendante::kParametres, Desc, "DIALOG_LD_GENE,DIALOG_COUPE,DIALOG_REPORT", P|T|W, 0, 14, fabrique<ListeDescendante>},
 {14, "Liste de cousins", "LC_", "liste-cousins", ListeCousins::kParametres, Pers, "DIALOG_LC_GENE", P|T|R|W, 0, 15, fabrique<ListeCousins>},
 {16, "Liste éclair", "LE_", "liste-eclair", ListeEclair::kParametres, Aucune, "DIALOG_LE_GENE", P|T|R|W, 0, 16, fabrique<ListeEclair>},
 {13, "Liste des branches", "LB_", "liste-branches", ListeBranches::kParametres, Aucune, "DIALOG_LB_GENE", P|T|R|W, 0, 17, fabrique<ListeBranches>},
 {17, "Liste par critère", "LI_", "liste-criteres", ListeCriteres::kParametres, Aucune, "DIALOG_LI_GENE,DIALOG_LI_DATES:Dates,DIALOG_LI_LIEUX:Lieux", P|T|R|W, 0, 18, fabrique<ListeCriteres>},
 {42, "Frise individuelle", "FI_", "frise-individuelle", FriseIndividuelle::kParametresIndividuelle, Pers, "DIALOG_FI_GENE", P, 0, 19, fabrique<FriseIndividuelle>, "Frise chronologique"},
 {43, "Frises individuelles des ascendants", "FI_", "frises-ascendants", FriseIndividuelle::kParametresLignee, Pers, "DIALOG_FI_GENE,DIALOG_COUPE", P, 0, 19, fabrique<FriseIndividuelle>, "Frise chronologique"},
 {44, "Frises individuelles des descendants", "FI_", "frises-descendants", FriseIndividuelle::kParametresLignee, Desc, "DIALOG_FI_GENE,DIALOG_COUPE", P, 0, 19, fabrique<FriseIndividuelle>, "Frise chronologique"},
 {51, "Frise ascendante individuelle", "FA_", "frise-ascendante", FriseLignees::kParametresIndividuelle, Pers, "DIALOG_FAD_GENE", P, 0, 20, fabrique<FriseLignees>, "Frise ascendante"},
 {52, "Frise ascendante familiale", "FA_", "frise-ascendante-familiale", FriseLignees::kParametresFamiliale, Pers, "DIALOG_FAD_GENE", P, 0, 20, fabrique<FriseLignees>, "Frise ascendante"},
 {53, "Frise descendante", "FD_", "frise-descendante", FriseLignees::kParametresIndividuelle, Desc, "DIALOG_FAD_GENE", P, 0, 21, fabrique<FriseLignees>},
 {47, "Frise des géné. ascendantes, individuelle", "FG_", "frise-generations-ascendantes", FriseGenerations::kParametresAscendante, Pers, "", P, 0, 22, fabrique<FriseGenerations>},
 {48, "Frise des géné. ascendantes, familiale", "FG_", "frise-generations-ascendantes-familiale", FriseGenerations::kParametresFamiliale, Pers, "", P, 0, 22, fabrique<FriseGenerations>},
 {49, "Frise des générations descendantes", "FG_", "frise-generations-descendantes", FriseGenerations::kParametresDescendante, Desc, "DIALOG_FGD_GENE", P, 0, 22, fabrique<FriseGenerations>, "Frise des générations"},
 {18, "Roue ascendante", "RA_", "roue-ascendante", RoueAscendante::kParametres, Pers, "DIALOG_RA_GENE", P, 0, 23, fabrique<RoueAscendante>},
 {19, "Roue descendante", "RD_", "roue-descendante", RoueDescendante::kParametres, Desc, "DIALOG_RD_GENE", P, 0, 24, fabrique<RoueDescendante>},
 {55, "Roue mixte", "RM_", "roue-mixte", RoueMixte::kParametres, Pers, "DIALOG_RM_GENE", P, 0, 25, fabrique<RoueMixte>},
 {32, "Tableau ascendant", "TA_", "tableau-ascendant", TableauAscendant::kParametres, Pers, "DIALOG_TA_GENE", P|R|W, 0, 26, fabrique<TableauAscendant>},
 {54, "Tableau des proches parents", "PP_", "proches-parents", ProchesParents::kParametres, Pers, "DIALOG_PP_GENE", P|W, 0, 27, fabrique<ProchesParents>, "Parents proches"},
 {35, "Trombinoscope ascendant", "TR_", "trombinoscope-ascendant", Trombinoscope::kParametres, Pers, "DIALOG_TR_GENE", P|R|W, 2, 28, fabrique<Trombinoscope>},
 {37, "Trombinoscope descendant", "TR_", "trombinoscope-descendant", Trombinoscope::kParametres, Desc, "DIALOG_TR_GENE", P|R|W, 3, 28, fabrique<Trombinoscope>},
 {36, "Trombinoscope complet", "TR_", "trombinoscope-complet", Trombinoscope::kParametres, Aucune, "DIALOG_TR_GENE", P|R|W, 1, 28, fabrique<Trombinoscope>},
 {11, "Lien de parenté", "TP_", "lien-parente", LienDeParente::kParametres, Pers, "DIALOG_TP_GENE", P|W, 0, 29, fabrique<LienDeParente>},
 {34, "Tableau des consanguinités", "TC_", "consanguinites", TableauConsanguinites::kParametres, Aucune, "DIALOG_TC_GENE", P|T|W, 0, 30, fabrique<TableauConsanguinites>, "Consanguinités"},
 {10, "Fiche individuelle", "TI_", "fiche-individuelle", FicheIndividuelle::kParametres, Pers, "DIALOG_TI_GENE", P|R|W, 0, 31, fabrique<FicheIndividuelle>},
 {45, "Fiches individuelles des ascendants", "TI_", "fiches-ascendants", FicheIndividuelle::kParametresLignees, Pers, "DIALOG_TI_GENE,DIALOG_COUPE", P|R|W, 0, 31, fabrique<FicheIndividuelle>},
 {46, "Fiches individuelles des descendants", "TI_", "fiches-descendants", FicheIndividuelle::kParametresLignees, Desc, "DIALOG_TI_GENE,DIALOG_COUPE", P|R|W, 0, 31, fabrique<FicheIndividuelle>},
 {4,  "Carte de localisation ascendante", "CL_", "carte-localisation-ascendante", CarteLocalisation::kParametres, Pers, "DIALOG_CL_GENE", P, 2, 32, fabrique<CarteLocalisation>, "Carte de localisation"},
 {6,  "Carte de localisation descendante", "CL_", "carte-localisation-descendante", CarteLocalisation::kParametres, Desc, "DIALOG_CL_GENE", P, 3, 33, fabrique<CarteLocalisation>, "Carte de localisation"},
 {7,  "Carte de localisation patronyme", "CL_", "carte-patronyme", CarteLocalisation::kParametres, Patr, "DIALOG_CL_GENE", P, 4, 34, fabrique<CarteLocalisation>, "Carte de localisation"},
 {5,  "Carte de localisation complète", "CL_", "carte-localisation-complete", CarteLocalisation::kParametres, Aucune, "DIALOG_CL_GENE", P, 1, 35, fabrique<CarteLocalisation>, "Carte de localisation"},
 {8,  "Carte de migration ascendante", "CM_", "carte-migration-ascendante", CarteMigration::kParametres, Pers, "DIALOG_CM_GENE", P, 2, 36, fabrique<CarteMigration>, "Carte de migration"},
 {9,  "Carte de migration descendante", "CM_", "carte-migration-descendante", CarteMigration::kParametres, Desc, "DIALOG_CM_GENE", P, 3, 37, fabrique<CarteMigration>, "Carte de migration"},
 {50, "Stat sur les générations ascendantes", "SG_", "stat-generations", StatistiqueAscendance::kParametres, Pers, "", P, 0, 38, fabrique<StatistiqueAscendance>},
 {20, "Stat ascendantes sur les âges", "SA_", "stat-ages-ascendantes", StatistiqueAges::kParametres, Pers, "DIALOG_SA_GENE", P, 2, 39, fabrique<StatistiqueAges>, "Statistiques"},
 {22, "Stat descendantes sur les âges", "SA_", "stat-ages-descendantes", StatistiqueAges::kParametresDescendants, Desc, "DIALOG_SA_D_GENE", P, 3, 39, fabrique<StatistiqueAges>, "Statistiques"},
 {21, "Stat complètes sur les âges", "SA_", "stat-ages-completes", StatistiqueAges::kParametres, Aucune, "DIALOG_SA_GENE", P, 1, 39, fabrique<StatistiqueAges>, "Statistiques"},
 {23, "Stat ascendantes des naissances", "SN_", "stat-naissances-ascendantes", StatistiqueNaissances::kParametres, Pers, "DIALOG_SN_GENE", P, 2, 40, fabrique<StatistiqueNaissances>, "Statistiques"},
 {25, "Stat descendantes des naissances", "SN_", "stat-naissances-descendantes", StatistiqueNaissances::kParametresDescendants, Desc, "DIALOG_SN_D_GENE", P, 3, 40, fabrique<StatistiqueNaissances>, "Statistiques"},
 {24, "Stat complètes des naissances", "SN_", "stat-naissances-completes", StatistiqueNaissances::kParametres, Aucune, "DIALOG_SN_GENE", P, 1, 40, fabrique<StatistiqueNaissances>, "Statistiques"},
 {26, "Stat ascendantes des professions", "SP_", "stat-professions-ascendantes", StatistiqueCategories::kParametres, Pers, "DIALOG_SC_GENE", P, 2, 41, fabrique<StatistiqueCategories>, "Statistiques"},
 {28, "Stat descendantes des professions", "SP_", "stat-professions-descendantes", StatistiqueCategories::kParametresDescendants, Desc, "DIALOG_SC_D_GENE", P, 3, 41, fabrique<StatistiqueCategories>, "Statistiques"},
 {27, "Stat complètes des professions", "SP_", "stat-professions-completes", StatistiqueCategories::kParametres, Aucune, "DIALOG_SC_GENE", P, 1, 41, fabrique<StatistiqueCategories>, "Statistiques"},
 {29, "Stat ascendantes des sources", "SS_", "stat-sources-ascendantes", StatistiqueCategories::kParametres, Pers, "DIALOG_SC_GENE", P, 2, 42, fabrique<StatistiqueCategories>, "Statistiques"},
 {31, "Stat descendantes des sources", "SS_", "stat-sources-descendantes", StatistiqueCategories::kParametresDescendants, Desc, "DIALOG_SC_D_GENE", P, 3, 42, fabrique<StatistiqueCategories>, "Statistiques"},
 {30, "Stat complètes des sources", "SS_", "stat-sources-completes", StatistiqueCategories::kParametres, Aucune, "DIALOG_SC_GENE", P, 1, 42, fabrique<StatistiqueCategories>, "Statistiques"},
};
// clang-format on

std::string sansSouligne(std::string_view prefixe) {
    if (!prefixe.empty() && prefixe.back() == '_') prefixe.remove_suffix(1);
    std::string s(prefixe);
    for (char& c : s) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return s;
}

bool estUnNombre(std::string_view s) {
    return !s.empty() && s.size() <= 3 && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string Afficheur::titre1252() const { return depuisUtf8(titre); }

std::string Afficheur::signature() const {
    std::string lettres;
    for (const ParametreDeclare* p : parametres) lettres.push_back(p->lettre);
    return lettres;
}

bool Afficheur::demandeRacine() const { return tete != DemandeTete::Aucune && indice(RoleParametre::Racine) == 0; }

int Afficheur::indice(const ParametreDeclare& parametre) const {
    for (std::size_t i = 0; i < parametres.size(); ++i)
        if (parametres[i] == &parametre) return static_cast<int>(i);
    return -1;
}

int Afficheur::indice(RoleParametre role) const {
    for (std::size_t i = 0; i < parametres.size(); ++i)
        if (parametres[i]->role == role) return static_cast<int>(i);
    return -1;
}

std::vector<Afficheur::PageFeuille> Afficheur::pagesFeuille() const {
    std::vector<PageFeuille> liste;
    std::string_view reste(pages);
    while (!reste.empty()) {
        std::string_view page = reste.substr(0, reste.find(','));
        reste.remove_prefix(std::min(reste.size(), page.size() + 1));
        const std::size_t deuxPoints = page.find(':');
        PageFeuille p{std::string(page.substr(0, deuxPoints)), ""};
        if (deuxPoints != std::string_view::npos)
            p.onglet = page.substr(deuxPoints + 1);
        else if (p.modele == kPageCoupes)
            p.onglet = "Coupes";
        else if (p.modele == kPageReports)
            p.onglet = "Reports";
        else if (liste.empty())
            p.onglet = "Général";
        else
            p.onglet = p.modele;
        liste.push_back(std::move(p));
    }
    return liste;
}

bool Afficheur::aPageCoupes() const {
    for (const PageFeuille& p : pagesFeuille())
        if (p.modele == kPageCoupes) return true;
    return false;
}

bool Afficheur::aPageReports() const {
    for (const PageFeuille& p : pagesFeuille())
        if (p.modele == kPageReports) return true;
    return false;
}

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
