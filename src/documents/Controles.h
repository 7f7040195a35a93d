#pragma once
// Identifiants des contrôles des feuilles de propriétés. Un identifiant a le même sens sur
// toutes les pages : une seule procédure lie chaque contrôle à son emplacement d'option.
//   2001 liste des noms   2002 2004 2007 2008 textes libres   2003 2005 dates
//   2011–2016 cases       2020 liste de choix du type          2031–2035, 2041–2045 groupes
//   2050/2051 « Arbre chronologique » et son fond de page       2052 pays
//   2053/2054/2055 « Arbre chromatique », critère, suppression des branches non colorées
//   2060, 2062, 2064 nombres bornés                             2091–2094 format de sortie
//   2070/2071/2072 couleur (rouge, vert, bleu) d'un seul bouton qui ouvre le choix des couleurs
//   4002 liste des branches coupées, 4003 limite de générations (page « Coupes »)
//   4012 liste des branches reportées (page « Reports »)
namespace lignara::controle {

inline constexpr int kNom = 2001;
inline constexpr int kPrenom = 2002, kLieu = 2004, kProfession = 2007, kCommentaire = 2008;
inline constexpr int kDate1 = 2003, kDate2 = 2005;
inline constexpr int kPremiereCase = 2011, kDerniereCase = 2016;
inline constexpr int kChoix = 2020;
inline constexpr int kGroupe1 = 2031, kGroupe2 = 2041;
inline constexpr int kChronologique = 2050, kFondDePage = 2051;
inline constexpr int kPays = 2052;
inline constexpr int kChromatique = 2053, kCritere = 2054, kSuppressionNonColorees = 2055;
inline constexpr int kNombre1 = 2060, kNombre2 = 2062, kNombre3 = 2064;
inline constexpr int kCouleurRouge = 2070, kCouleurVert = 2071, kCouleurBleu = 2072;
inline constexpr int kFormat = 2091;  // 2091 à 2094 pour les codes 0 à 3
inline constexpr int kListeCoupes = 4002, kGenerationsCoupes = 4003;
inline constexpr int kListeReports = 4012;

}  // namespace lignara::controle
