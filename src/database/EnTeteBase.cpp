// EnTeteBase : 46 octets au décalage 0, entiers little-endian, sans bourrage.
//   DÉC.  TAILLE  CONTENU
//     0     2     numéro de format, toujours 501
//     2     4     décalage de la table des individus (toujours 46)
//     6     4     décalage des familles = 46 + 68 × nombre d'individus
//    10     4     décalage des événements = familles + 24 × nombre de fiches Famille
//    14     4     décalage de ZoneNotes = événements + 20 × nombre d'emplacements d'événements
//    18     4     décalage de TableNoms
//    22     4     décalage de TablePrenoms
//    26     4     décalage de TableLieux
//    30     4     décalage de TableProfessions
//    34     4     décalage de TableCommentaires
//    38     4     décalage de TablePhotos
//    42     4     décalage de TableSources, qui court jusqu'à la fin du fichier
// Les sections se suivent dans cet ordre, sans trou. Écrit en dernier : les décalages des
// tables de chaînes ne sont connus qu'à la fin de la construction.
#include "database/EnTeteBase.h"

#include <string>

#include "commun/Texte.h"
#include "database/DonneesCorrompues.h"
#include "database/Evenement.h"
#include "database/Famille.h"
#include "database/Individu.h"
#include "database/Octets.h"

namespace lignara {

void EnTeteBase::ecrire(std::uint8_t* o) const {
    using namespace octets;
    ecrireU16(o + 0, numeroFormat);
    ecrireU32(o + 2, individus);
    ecrireU32(o + 6, familles);
    ecrireU32(o + 10, evenements);
    ecrireU32(o + 14, notes);
    for (int t = 0; t < kNombreTablesTexte; ++t) ecrireU32(o + 18 + 4 * t, tables[t]);
}

EnTeteBase EnTeteBase::lire(const std::uint8_t* o) {
    using namespace octets;
    EnTeteBase e;
    e.numeroFormat = lireU16(o + 0);
    e.individus = lireU32(o + 2);
    e.familles = lireU32(o + 6);
    e.evenements = lireU32(o + 10);
    e.notes = lireU32(o + 14);
    for (int t = 0; t < kNombreTablesTexte; ++t) e.tables[t] = lireU32(o + 18 + 4 * t);
    return e;
}

namespace {

[[noreturn]] void refuser(const char* champ) {
    throw DonneesCorrompues(std::string("En-tête de la base : "_1252) + champ);
}

// Une section commence après la précédente et en occupe un nombre entier d'enregistrements.
void verifierSection(std::uint32_t debut, std::uint32_t suivante, int taille, const char* champ) {
    if (suivante < debut || (suivante - debut) % static_cast<std::uint32_t>(taille) != 0) refuser(champ);
}

}  // namespace

void EnTeteBase::verifier(std::uint64_t tailleFichier) const {
    if (tailleFichier < kTaille) refuser("fichier plus court que l'en-tête"_1252);
    if (numeroFormat != kNumeroFormat) refuser("numéro de format"_1252);
    if (individus != kTaille) refuser("décalage des individus"_1252);
    verifierSection(individus, familles, Individu::kTaille, "décalage des familles"_1252);
    verifierSection(familles, evenements, Famille::kTaille, "décalage des événements"_1252);
    verifierSection(evenements, notes, Evenement::kTaille, "décalage des notes"_1252);
    std::uint32_t precedent = notes;
    for (std::uint32_t debut : tables) {
        if (debut < precedent) refuser("décalage d'une table de chaînes"_1252);
        precedent = debut;
    }
    if (precedent > tailleFichier) refuser("décalage au-delà de la fin du fichier"_1252);
}

std::uint32_t EnTeteBase::nombreIndividus() const { return (familles - individus) / Individu::kTaille; }
std::uint32_t EnTeteBase::nombreFamilles() const { return (evenements - familles) / Famille::kTaille; }
std::uint32_t EnTeteBase::nombreEvenements() const { return (notes - evenements) / Evenement::kTaille; }

}  // namespace lignara
