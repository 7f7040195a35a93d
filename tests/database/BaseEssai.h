#pragma once
// Petite base d'essai partagée par les tests de la base : deux couples sur trois générations.
//   1 Jean DUPONT (M)  ∞ 2 Marie MARTIN (F) en 1925 à Lyon : fiches 1 (côté Jean) et 2 (côté Marie)
//     enfants : 3 Paul DUPONT (M), 4 Claire DUPONT (F)
//   3 Paul, seul parent connu (fiche 3, divorcé sans date) : enfant 5 Luc DUPONT (sexe inconnu)
// Six emplacements d'événements, dont le dernier reste réservé et vide.
#include <filesystem>

#include "commun/Texte.h"
#include "database/EcrivainBase.h"
#include "support/DateEssai.h"
#include "support/DossierEssai.h"

namespace lignara::essai {

inline BaseGenealogique construireBaseDeuxFamilles(const std::filesystem::path& dossier) {
    EcrivainBase e({5, 3, 6}, dossier);
    auto texte = [&](TableTexte t, const char* s) { return e.ajouterTexte(t, s); };

    Individu jean;
    jean.nom = texte(TableNoms, "DUPONT");
    jean.prenoms = texte(TablePrenoms, "Jean");
    jean.sourceNom = texte(TableSources, "Registre de Paris");
    Evenement naissanceJean{date(DateSimple, 15, 3, 1900), texte(TableLieux, "FR Paris"),
                            texte(TableSources, "Registre de Paris"), 0};
    jean.naissance = e.ajouterEvenement(naissanceJean);
    jean.deces = e.ajouterEvenement({date(DateVers, 0, 0, 1970), 0, 0, 0});
    jean.notes = e.ajouterNotes({"Soldat en 1914.", "Revenu blessé."_1252, "", ""});
    jean.sexe = 'M';
    jean.decalageGedcom = 120;
    jean.fratrie = -1;
    jean.premiereFamille = 1;
    e.ajouterIndividu(jean);

    Individu marie;
    marie.nom = texte(TableNoms, "MARTIN");
    marie.prenoms = texte(TablePrenoms, "Marie");
    marie.naissance = e.ajouterEvenement({date(DateAvant, 0, 0, 1905), 0, 0, 0});
    marie.sexe = 'F';
    marie.decalageGedcom = 260;
    marie.fratrie = -2;
    marie.premiereFamille = 2;
    e.ajouterIndividu(marie);

    Individu paul;
    paul.nom = texte(TableNoms, "DUPONT");
    paul.prenoms = texte(TablePrenoms, "Paul");
    paul.naissance = e.ajouterEvenement({date(DateSimple, 0, 0, 1926), texte(TableLieux, "FR Paris"), 0, 0});
    paul.commentaire = texte(TableCommentaires, "Aîné"_1252);
    paul.sexe = 'M';
    paul.decalageGedcom = 400;
    paul.fratrie = 4;
    paul.pere = 1;
    paul.mere = 2;
    paul.premiereFamille = 3;
    e.ajouterIndividu(paul);

    Individu claire;
    claire.nom = texte(TableNoms, "DUPONT");
    claire.prenoms = texte(TablePrenoms, "Claire");
    claire.profession = texte(TableProfessions, "Institutrice");
    claire.sourceProfession = texte(TableSources, "Recensement 1946");
    claire.photos = e.ajouterPhotos({"photos/claire.jpg", "https://exemple.org/c.png"});
    claire.sexe = 'F';
    claire.fichierGedcom = 1;
    claire.decalageGedcom = 530;
    claire.fratrie = -3;
    claire.pere = 1;
    claire.mere = 2;
    e.ajouterIndividu(claire);

    Individu luc;
    luc.nom = texte(TableNoms, "DUPONT");
    luc.prenoms = texte(TablePrenoms, "Luc");
    luc.decalageGedcom = 640;
    luc.fratrie = -5;
    luc.pere = 3;
    e.ajouterIndividu(luc);

    std::uint32_t mariage = e.ajouterEvenement({date(DateSimple, 20, 4, 1925), texte(TableLieux, "FR Lyon"), 0, 0});
    e.ajouterFamille({2, 3, mariage, -1, -1, 2});
    e.ajouterFamille({1, 3, mariage, -1, -2, 1});
    e.ajouterFamille({0, 5, 0, 0, -3, 0});
    e.marquerTeteDeBranche(1);
    e.marquerTeteDeBranche(2);
    return e.terminer();
}

}  // namespace lignara::essai
