#pragma once
// BlocParametres : les paramètres d'un favori, codés l'un après l'autre dans l'ordre de la
// signature du type, 2000 octets au plus.
//   LETTRE  OCTETS
//     P     une ReferencePersonne (ou l'octet 255 pour aucune personne)
//     s     les octets du texte puis un octet 0
//     1, b  1 octet
//     2     2 octets, little-endian
//     4     4 octets, little-endian
//     D     jour, mois, année (u16 little-endian)
//     L     une ReferencePersonne par membre, par numéro croissant, puis l'octet 255
// Chaque écriture doit tenir dans les 2000 octets, sinon « Le favori contient trop de
// paramètres ». La lecture ne va jamais au-delà du bloc rangé.
#include <cstddef>
#include <cstdint>

#include "documents/ContexteDocument.h"
#include "documents/SignatureParametres.h"
#include "reglages/ReglagesFichier.h"

namespace lignara {

inline constexpr std::size_t kTailleBlocParametres = 2000;

// Exécution : le favori est lancé sans dialogue ; Modification : ses paramètres deviennent les
// valeurs initiales des dialogues.
enum class ModeFavori : std::uint8_t { Execution = 0, Modification = 1 };

// Remplace le bloc du favori par celui des valeurs (une par lettre reconnue, du genre de sa
// lettre). Trop de paramètres : OperationImpossible, et le favori reste sans paramètres.
void encoderParametres(Favori& favori, SignatureParametres signature, const ParametresDocument& valeurs,
                       const BaseGenealogique& base);

// Lit le bloc du favori dans destinations (valeurs par défaut de la signature à l'entrée ;
// remplacées ici si elles n'ont pas le bon genre).
// Une personne introuvable : en exécution, OperationImpossible sans message (le message est
// déjà parti) ; en modification, elle devient 0 pour que le dialogue la redemande. Les
// membres introuvables d'une liste sont sautés. Un bloc vide, tronqué ou trop long : en
// exécution, OperationImpossible avec son message ; en modification, les paramètres qui n'ont
// pu être lus gardent leur valeur par défaut.
void decoderParametres(const Favori& favori, ModeFavori mode, SignatureParametres signature,
                       ParametresDocument& destinations, const ContexteDocument& contexte);

}  // namespace lignara
