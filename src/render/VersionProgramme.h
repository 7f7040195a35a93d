#pragma once
// Le seul numéro de version du programme. Les documents produits (PDF, pages Web, RTF) portent
// la version « 6.4 » ; la boîte « A propos » et « lignara --version » y ajoutent le numéro de
// construction : « 6.4.3 ». CMakeLists.txt (project VERSION) doit dire la même chose.
namespace lignara {

inline constexpr const char* kVersionProgramme = "6.4";
inline constexpr const char* kSuffixeConstruction = ".3";

}  // namespace lignara
