#pragma once
// Passe de balayage d'un fichier GEDCOM : lit tout le fichier une fois et remplit les
// registres (clés, décalages, liens, clés de tri, nombre d'événements), choisit le jeu de
// caractères et les drapeaux du logiciel, signale les fautes de liens, et trie enfants et
// mariages au « 0 TRLR » quand les drapeaux le demandent.
//
// Deux fils : l'un lit, découpe les lignes et déroule la machine d'états ; chaque appel de
// gestionnaire (avec l'état de sa ligne et sa valeur encore brute) et chaque ligne de rapport
// du lecteur y devient un appel enregistré. L'autre, le fil appelant, rejoue ces appels dans
// l'ordre sur les registres (il convertit les valeurs et fait les clés des liens) : les
// registres et la liste d'erreurs ne sont touchés que par lui, et les lignes du rapport sortent
// dans l'ordre d'une lecture en un seul fil. Seuls les gestionnaires de l'en-tête (logiciel,
// jeu de caractères) agissent dans le fil de lecture : la lecture des lignes suivantes en
// dépend.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "gedcom/CleEnregistrement.h"
#include "gedcom/CodeTag.h"
#include "gedcom/FichierGedcomOuvert.h"
#include "gedcom/ListeErreursGedcom.h"
#include "gedcom/ModeCommentaire.h"
#include "gedcom/RegistresBalayage.h"

namespace lignara {

class PasseBalayage {
public:
    PasseBalayage(FichierGedcomOuvert& fichier, std::size_t indiceFichier, RegistresBalayage& registres,
                  ListeErreursGedcom& erreurs, ModeCommentaire mode);

    // Balaie le fichier depuis son début.
    void balayer();

    // Appel enregistré par le fil de lecture, avec l'état de la ligne qui l'a causé.
    struct Appel {
        void (PasseBalayage::*gestionnaire)(char*) = nullptr;  // nullptr : ligne de rapport
        std::uint32_t texte = 0;                               // valeur (ou ligne de rapport) dans les textes du lot
        std::uint32_t longueur = 0;                            // du texte, sans son '\0' (qu'il peut contenir avant)
        std::uint32_t niveau0 = 0;  // ligne de niveau 0 : son état dans le lot (rang + 1), 0 sinon
        std::uint32_t lien = 0;     // lien : la clé pointée, dans le lot (rang + 1), 0 sinon
        CodeTag code = CodeTag::Inconnu;
        // Clé cherchée par le gestionnaire (la clé de l'enregistrement ou le pointeur de la
        // valeur) : sa valeur de hachage et sa table (0 : aucune, 1 : personnes, 2 : familles).
        std::uint8_t table = 0;
        // Valeur encore dans le jeu du fichier : le jeu qui la convertira (Aucun : plus rien à
        // convertir), par le fil qui rejoue.
        JeuCaracteres jeuValeur = JeuCaracteres::Aucun;
        // Lieu d'événement dont l'octet brut disait déjà qu'il n'est pas blanc (sans texte).
        bool lieuNonBlanc = false;
        long ligne = 0;
        std::size_t hachage = 0;
    };
    // État d'une ligne de niveau 0, que seuls les débuts d'enregistrements lisent.
    struct Niveau0 {
        CleEnregistrement cle;
        std::uint64_t apresNiveau0 = 0;
        std::uint64_t debutLigne = 0;
    };
    // Appels du fil de lecture, par lots.
    struct LotAppels;

    // Gestionnaires de la machine d'états (une valeur convertie chacun).
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
    std::uint8_t indiceFichier() const { return static_cast<std::uint8_t>(indiceFichier_); }
    void signalerLigne(const char* patron1252);
    void preparer(LotAppels& lot, Appel& a) const;
    static char* valeur(LotAppels& lot, Appel& a);
    // Clé pointée par la valeur d'un lien, faite une seule fois (preparer).
    const CleEnregistrement& lien() const { return *lien_; }
    bool referenceManquante();
    void ajouterEnfant(std::uint32_t famille, std::uint32_t personne);
    bool cheminPhotoRangeable(const char* v);
    void conjointDouble(FamilleBalayee& f);
    void trierFichier();
    std::uint16_t drapeaux() const { return fichier_.drapeauxLogiciel; }

    FichierGedcomOuvert& fichier_;
    std::size_t indiceFichier_;
    const Appel* appel_ = nullptr;      // appel rejoué
    const Niveau0* niveau0_ = nullptr;  // état de sa ligne quand elle est de niveau 0
    const Niveau0& niveau0() const { return *niveau0_; }
    const CleEnregistrement* lien_ = nullptr;
    RegistresBalayage& reg_;
    ListeErreursGedcom& erreurs_;
    ModeCommentaire mode_;

    std::uint32_t personne_ = kAucun;
    std::uint32_t famille_ = kAucun;
    std::uint32_t familleAdoption_ = kAucun;
    // Enfants déjà rangés des grandes familles : chercher parmi cent mille enfants à chaque CHIL
    // rendait le balayage quadratique. Rempli d'un coup quand la liste passe kGrandeFratrie.
    std::unordered_map<std::uint32_t, std::unordered_set<std::uint32_t>> grandesFratries_;
    // Adoptés (ADOP) dont la famille n'est pas encore définie, par famille : rares, ils n'ont pas
    // leur place dans chaque fiche des registres.
    std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> adoptesEnAttente_;
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
    // Dernière date de l'événement, lue à sa fin seulement quand elle compte : un événement situé
    // compte sans elle, et la plupart le sont.
    std::string dateEnAttente_;
    bool dateAttend_ = false;
    bool trierEvenement() const;
    void examinerDate(std::string_view date);
    void examinerDateEnAttente();
};

// Clé de tri d'une date : année × 372 + mois × 31 + jour (voir PasseBalayage.cpp).
std::int32_t cleTriDate(std::string_view texteDate);

}  // namespace lignara
