#pragma once
// Fichiers GEDCOM en UTF-16 : reconnus à leur marque d'ordre d'octets, ou sans marque quand un
// octet sur deux est nul dans la première ligne. Le lecteur ne travaille que sur des octets ;
// un tel fichier est donc transcodé une fois en UTF-8 et c'est la copie qui est lue.
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace lignara {

enum class OrdreUtf16 { Aucun, PetitBoutiste, GrandBoutiste };

struct DetectionUtf16 {
    OrdreUtf16 ordre = OrdreUtf16::Aucun;
    bool avecMarque = false;  // la marque (2 octets) n'est pas recopiée
};

// debut : les premiers octets du fichier (quelques centaines suffisent).
DetectionUtf16 detecterUtf16(std::string_view debut);

// Recopie source (lu depuis sa position courante) en UTF-8 dans destination. Les paires de
// substitution donnent leur caractère ; un demi-codet isolé et un octet final orphelin donnent '?'.
// Au plus limite octets sont lus (la taille du fichier à son ouverture). Rend faux si l'écriture
// échoue.
bool transcoderUtf16(std::FILE* source, OrdreUtf16 ordre, std::FILE* destination, std::uint64_t limite = UINT64_MAX);

}  // namespace lignara
