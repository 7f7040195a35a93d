#pragma once
// Version écrite dans les documents produits (générateur des pages Web et des RTF).
namespace lignara {

inline constexpr const char* kVersionProgramme = "6.4";

}  // namespace lignara
