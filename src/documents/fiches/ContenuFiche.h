#pragma once
// Ce qu'une fiche individuelle montre d'une personne, lu une fois de la base et de son
// enregistrement GEDCOM relu (RelectureIndividu), avant toute écriture.
//
//   nom        : prénoms et nom ;
//   filiation  : « Fils », « Fille » ou « Enfant » selon le sexe, puis « d' » devant un nom
//                qui commence par l'une de « AEIOUYHaeiouyh », « de » sinon, et les prénoms et
//                nom du père ; « et d' » / « et de » et ceux de la mère. Un parent inconnu
//                n'est pas écrit (« Fille de Marie … », jamais « Fille de  et de … ») ; vide
//                sans parent connu ;
//   événements : « Naissance : », « Décès : » (base), « Enterrement : » (premier BURI relu) ;
//   religieux  : Baptême (BAPM, CHR, CHRA, BAPL), Communion (FCOM), Confirmation (CONF, CONL),
//                Bar Mitzvah (BARM), Bat Mitzvah (BASM), Ordination (ORDN), Hajj (HAJJ), dans
//                cet ordre, chaque acte relu ;
//   professions: OCCU et EVEN de TYPE « Occupation » relus ; sans eux, la profession de la base ;
//   domiciles  : RESI et EVEN de TYPE « Residence » relus.
// Une ligne d'événement : date en toutes lettres, virgule, lieu (chacun s'il est connu) ; une
// ligne sans date ni lieu n'est pas gardée, sauf profession et domicile qui ont leur texte.
// Textes en Windows-1252.
#include <cstdint>
#include <string>
#include <vector>

#include "database/BaseGenealogique.h"
#include "documents/fiches/PhotosPersonne.h"
#include "gedcom/RelectureIndividu.h"

namespace lignara {

struct LigneFiche {
    std::string libelle;  // « Naissance : » ; vide pour une profession ou un domicile
    std::string texte;
};

struct OptionsFiche {
    bool religieux = true;
    bool domiciles = true;
    bool photos = true;
};

struct ContenuFiche {
    std::uint32_t personne = 0;
    std::uint8_t sexe = ' ';
    std::string nom;
    std::string filiation;
    std::vector<LigneFiche> evenements, religieux, professions, domiciles;
    std::vector<PhotoPersonne> photos;
};

// Titres des rubriques, au singulier pour une ligne : « Evénément religieux » et
// « Evénéments religieux » restent écrits ainsi.
std::string titreReligieux(std::size_t lignes);
std::string titreProfessions(std::size_t lignes);
std::string titreDomiciles(std::size_t lignes);

// « Fils d'Henri de BOURBON et de Marie de MEDICIS » ; pere et mere : prénoms et nom, vides
// quand inconnus.
std::string ligneFiliation(std::uint8_t sexe, const std::string& pere, const std::string& mere);

struct SourcesFiche {
    const BaseGenealogique* base = nullptr;
    RelectureIndividu* relecture = nullptr;
    std::vector<std::filesystem::path> dossiersGedcom;
    LectureTaillePhoto taillePhoto;  // nul : aucune photo
};

// DonneesCorrompues sur une fiche illisible ; OperationImpossible « Lecture impossible du
// fichier Gedcom\n%s » quand le GEDCOM ne s'ouvre pas.
ContenuFiche construireFiche(const SourcesFiche& sources, std::uint32_t personne, const OptionsFiche& options);

}  // namespace lignara
