#pragma once
// Deux homonymes Jean Dupont nés en 1850, l'un marié deux fois (mariage daté, puis divorce sans
// date), Victoria sans nom, Berthelot, Bertrand, Fauré et Faure ; une note de 250 octets.
#include <fstream>

#include "reglages/DossierEssai.h"
#include "session/FichierOuvert.h"

namespace lignara::essai {

inline const std::string kConsultation =
    "0 HEAD\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Jean /Dupont/\n1 SEX M\n1 BIRT\n2 DATE 12 JAN 1850\n2 PLAC Paris\n"
    "1 DEAT\n2 DATE ABT 1920\n1 OCCU Meunier\n1 BAPM\n2 DATE @#DFRENCH R@ 12 VEND AN III\n2 PLAC Lyon\n"
    "1 NOTE Premi\xC3\xA8re ligne\n2 CONT " +
    std::string(200, 'n') + "\n2 CONC " + std::string(50, 'n') +
    "\n"
    "1 FAMS @F1@\n1 FAMS @F2@\n1 FAMC @F0@\n"
    "0 @I2@ INDI\n1 NAME Jean /Dupont/\n1 SEX M\n1 BIRT\n2 DATE 3 MAR 1850\n"
    "0 @I3@ INDI\n1 NAME Marie /Martin/\n1 SEX F\n1 FAMS @F1@\n"
    "0 @I4@ INDI\n1 NAME Louis /Dupont/\n1 SEX M\n1 FAMC @F1@\n"
    "0 @I5@ INDI\n1 NAME Anne /Dupont/\n1 SEX F\n1 FAMC @F1@\n"
    "0 @I6@ INDI\n1 NAME Victoria\n1 SEX F\n1 FAMS @F2@\n"
    "0 @I7@ INDI\n1 NAME Paul /Berthelot/\n"
    "0 @I8@ INDI\n1 NAME Paul /Bertrand/\n"
    "0 @I9@ INDI\n1 NAME Luc /Faur\xC3\xA9/\n"
    "0 @I10@ INDI\n1 NAME Luc /Faure/\n"
    "0 @I11@ INDI\n1 NAME Pierre /Dupont/\n1 SEX M\n1 FAMS @F0@\n"
    "0 @F0@ FAM\n1 HUSB @I11@\n1 CHIL @I1@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I3@\n1 MARR\n2 DATE 5 JUN 1875\n2 PLAC Rouen\n2 SOUR Acte 12\n"
    "1 CHIL @I4@\n1 CHIL @I5@\n"
    "0 @F2@ FAM\n1 HUSB @I1@\n1 WIFE @I6@\n1 DIV\n"
    "0 TRLR\n";

struct FichierConsultation {
    FichierConsultation() : fichier(configuration.chemin(), temporaire.chemin()) {
        std::ofstream(sources.chemin() / "consultation.ged", std::ios::binary) << kConsultation;
        fichier.ouvrir(sources.chemin() / "consultation.ged");
    }
    // Numéro de la personne (l'import renumérote) ; la mariée des homonymes si marie.
    std::uint32_t numero(const std::string& prenoms, const std::string& nom, bool marie = false) const {
        const BaseGenealogique& b = fichier.base();
        for (std::uint32_t p = 1; p <= b.nombreIndividus(); ++p)
            if (const Individu i = b.LireIndividu(p); b.LireTexte(TableNoms, i.nom) == nom &&
                                                      b.LireTexte(TablePrenoms, i.prenoms) == prenoms &&
                                                      (!marie || i.premiereFamille != 0))
                return p;
        return 0;
    }

    DossierEssai configuration, temporaire, sources;
    FichierOuvert fichier;
};

}  // namespace lignara::essai
