#pragma once
// Paramètres que les listes partagent : la page « Coupes » des listes (son invitation est le
// libellé des branches coupées), la page « Reports » de la liste descendante, et les deux
// messages des garde-fous.
#include <cstdint>
#include <string>

#include "documents/Controles.h"
#include "documents/ParametreDeclare.h"

namespace lignara {

inline constexpr ParametreDeclare kCoupesListe{.lettre = 'L',
                                               .role = RoleParametre::Coupes,
                                               .controle = controle::kListeCoupes,
                                               .libelle = "Entrez les branches à couper dans la liste"};
inline constexpr ParametreDeclare kReports{.lettre = 'L',
                                           .role = RoleParametre::Reports,
                                           .controle = controle::kListeReports,
                                           .libelle = "Entrez les branches à reporter"};
inline constexpr ParametreDeclare kNombreReports{.lettre = '2', .role = RoleParametre::NombreReports};

// « Une boucle de liens de parenté … » : la liste ne la suit pas et continue (Windows-1252).
std::string messageBoucleListe();
// « La liste est limitée à N lignes … » (Windows-1252).
std::string messageListeLimitee(std::uint64_t lignes, std::uint32_t generation);

}  // namespace lignara
