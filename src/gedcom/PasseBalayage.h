#pragma once
// Passe de balayage d'un fichier GEDCOM : lit tout le fichier une fois et remplit les
// registres (clés, décalages, liens, clés de tri, nombre d'événements), choisit le jeu de
// caractères et les drapeaux du logiciel, signale les fautes de liens, et trie enfants et
// mariages au « 0 TRLR » quand les drapeaux le demandent.
#include <cstdint>

#include "gedcom/FichierGedcomOuvert.h"
#include "gedcom/LecteurGedcom.h"
#include "gedcom/ListeErreursGedcom.h"
#include "gedcom/ModeCommentaire.h"
#include "gedcom/RegistresBalayage.h"

namespace lignara {

class PasseBalayage {
public:
    PasseBalayage(LecteurGedcom& lecteur, RegistresBalayage& registres, ListeErreursGedcom& erreurs,
                  ModeCommentaire mode);

    // Balaie le fichier déjà choisi dans le lecteur (commencerFichier), depuis son début.
    void balayer();

    // Gestionnaires de la machine d'états (une valeur convertie chacun).
    void logiciel(char* v);
    void jeuCaracteres(char* v);
    void debutSource(char* v);
    void texteSource(char* v);
    void fichierSource(char* v);
    void debutNote(char* v);
    void ligneNote(char* v);
    void debutMedia(char* v);
    void fichierMedia(char* v);
    void debutIndividu(char* v);
    void finIndividu(char* v);
    void debutEvenement(char* v);
    void dateEvenement(char* v);
    void lieuEvenement(char* v);
    void finEvenementIndividu(char* v);
    void famc(char* v);
    void famcAdoption(char* v);
    void fams(char* v);
    void debutFamille(char* v);
    void finFamille(char* v);
    void mari(char* v);
    void femme(char* v);
    void enfant(char* v);
    void debutMariage(char* v);
    void finEvenementFamille(char* v);
    void finFichier(char* v);

private:
    std::uint8_t indiceFichier() const { return static_cast<std::uint8_t>(lecteur_.indiceFichier()); }
    CleEnregistrement pointeur(const char* v) const;
    bool referenceManquante(const char* v);
    void ajouterEnfant(std::uint32_t famille, std::uint32_t personne);
    void trierFichier();
    std::uint16_t drapeaux() const { return lecteur_.fichier().drapeauxLogiciel; }

    LecteurGedcom& lecteur_;
    RegistresBalayage& reg_;
    ListeErreursGedcom& erreurs_;
    ModeCommentaire mode_;

    std::uint32_t personne_ = kAucun;
    std::uint32_t famille_ = kAucun;
    std::uint32_t familleAdoption_ = kAucun;
    SourceBalayee* source_ = nullptr;
    NoteBalayee* note_ = nullptr;
    CleEnregistrement media_;
    bool sourceATexte_ = false;
    bool sourcePhoto_ = false;
    // Événement en cours : compte-t-il un emplacement, et sa clé de tri.
    bool evenementDate_ = false;
    bool evenementLieu_ = false;
    bool evenementNaissance_ = false;
    bool evenementMariage_ = false;
    std::int32_t cleTri_ = 0;
};

// Clé de tri d'une date : année × 372 + mois × 31 + jour (voir PasseBalayage.cpp).
std::int32_t cleTriDate(std::string_view texteDate);

}  // namespace lignara
