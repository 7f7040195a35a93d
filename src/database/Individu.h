#pragma once
// Individu : 68 octets, la personne n au décalage 46 + 68 × (n − 1), little-endian, sans bourrage.
//   DÉC.  TAILLE  CONTENU
//     0     4     nom, réf. dans TableNoms
//     4     4     prénoms (surnom « dit » compris), réf. dans TablePrenoms
//     8     4     numéro de l'événement naissance (0 : ni date ni lieu)
//    12     4     numéro de l'événement décès (0 : aucun)
//    16     4     profession, réf. dans TableProfessions
//    20     4     commentaire, réf. dans TableCommentaires
//    24     4     liste de photos, réf. dans TablePhotos
//    28     4     bloc de notes, décalage dans ZoneNotes compté à partir de 1 (0 : pas de notes)
//    32     1     sexe : 'M', 'F' ou ' ' (inconnu)
//    33     1     indice (depuis 0) du fichier GEDCOM de la personne dans une fusion
//    34     2     réservé, écrit à zéro, jamais lu
//    36     4     décalage, dans ce fichier GEDCOM, de la ligne qui suit la ligne de niveau 0
//    40     4     lien de fratrie (i32) : > 0 frère ou sœur suivant ; le dernier enfant porte
//                 −(premier enfant) ; une personne sans parents porte −(son propre numéro)
//    44     4     numéro du père (0 : inconnu)
//    48     4     numéro de la mère (0 : inconnue)
//    52     4     première fiche Famille de la personne comme conjoint (0 : jamais conjoint)
//    56     4     source du nom, réf. dans TableSources
//    60     4     source de la profession, réf. dans TableSources
//    64     4     source du commentaire, réf. dans TableSources
#include <cstdint>

#include "database/Octets.h"

namespace lignara {

struct Individu {
    std::uint32_t nom = 0;
    std::uint32_t prenoms = 0;
    std::uint32_t naissance = 0;
    std::uint32_t deces = 0;
    std::uint32_t profession = 0;
    std::uint32_t commentaire = 0;
    std::uint32_t photos = 0;
    std::uint32_t notes = 0;
    std::uint8_t sexe = ' ';
    std::uint8_t fichierGedcom = 0;
    std::uint32_t decalageGedcom = 0;
    std::int32_t fratrie = 0;
    std::uint32_t pere = 0;
    std::uint32_t mere = 0;
    std::uint32_t premiereFamille = 0;
    std::uint32_t sourceNom = 0;
    std::uint32_t sourceProfession = 0;
    std::uint32_t sourceCommentaire = 0;

    static constexpr int kTaille = 68;

    void ecrire(std::uint8_t* o) const {
        using namespace octets;
        ecrireU32(o + 0, nom);
        ecrireU32(o + 4, prenoms);
        ecrireU32(o + 8, naissance);
        ecrireU32(o + 12, deces);
        ecrireU32(o + 16, profession);
        ecrireU32(o + 20, commentaire);
        ecrireU32(o + 24, photos);
        ecrireU32(o + 28, notes);
        o[32] = sexe;
        o[33] = fichierGedcom;
        o[34] = 0;
        o[35] = 0;
        ecrireU32(o + 36, decalageGedcom);
        ecrireI32(o + 40, fratrie);
        ecrireU32(o + 44, pere);
        ecrireU32(o + 48, mere);
        ecrireU32(o + 52, premiereFamille);
        ecrireU32(o + 56, sourceNom);
        ecrireU32(o + 60, sourceProfession);
        ecrireU32(o + 64, sourceCommentaire);
    }

    static Individu lire(const std::uint8_t* o) {
        using namespace octets;
        Individu i;
        i.nom = lireU32(o + 0);
        i.prenoms = lireU32(o + 4);
        i.naissance = lireU32(o + 8);
        i.deces = lireU32(o + 12);
        i.profession = lireU32(o + 16);
        i.commentaire = lireU32(o + 20);
        i.photos = lireU32(o + 24);
        i.notes = lireU32(o + 28);
        i.sexe = o[32];
        i.fichierGedcom = o[33];
        i.decalageGedcom = lireU32(o + 36);
        i.fratrie = lireI32(o + 40);
        i.pere = lireU32(o + 44);
        i.mere = lireU32(o + 48);
        i.premiereFamille = lireU32(o + 52);
        i.sourceNom = lireU32(o + 56);
        i.sourceProfession = lireU32(o + 60);
        i.sourceCommentaire = lireU32(o + 64);
        return i;
    }

    friend bool operator==(const Individu&, const Individu&) = default;
};

}  // namespace lignara
