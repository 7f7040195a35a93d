#pragma once
// Passe de construction : relit un enregistrement d'individu ou de famille depuis le décalage
// noté au balayage et remplit un tampon (un seul, réutilisé), sans signaler les fautes de
// lignes (le balayage l'a fait) ; seules les dates incorrectes et les sources non définies
// sont signalées ici. Relit aussi, à la demande, le texte d'une source et les lignes d'une
// note : la mémoire ne garde aucun de ces textes pour tout le fichier.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "commun/HachageCourt.h"
#include "dates/DateGed.h"
#include "gedcom/FichierGedcomOuvert.h"
#include "gedcom/LecteurGedcom.h"
#include "gedcom/LieuNormaliseur.h"
#include "gedcom/ListeErreursGedcom.h"
#include "gedcom/ModeCommentaire.h"
#include "gedcom/RegistresBalayage.h"

namespace lignara {

// Une source telle que la ligne SOUR la donne : son texte, ou la clé d'une source à relire.
struct SourceLue {
    std::string texte;
    CleEnregistrement renvoi;
    bool vide() const { return texte.empty() && renvoi.estVide(); }
    void vider() {
        texte.clear();
        renvoi = {};
    }
};

struct EvenementLu {
    DateGed date;
    std::string lieu;  // texte normalisé (code de lieu de 3 octets en tête)
    SourceLue source;
    SourceLue sourceLieu;
    bool aDonnees() const { return date.jour || date.mois || date.annee || !lieu.empty(); }
    void vider() {
        date = {};
        lieu.clear();
        source.vider();
        sourceLieu.vider();
    }
};

struct TamponIndividu {
    std::string nom, prenoms;
    std::uint8_t sexe = ' ';
    EvenementLu naissance, deces;
    std::string profession, commentaire;
    bool aCommentaire = false;
    SourceLue sourceNom, sourceProfession, sourceCommentaire;
    std::vector<std::string> photos;
    std::vector<std::string> notes;  // lignes propres, après celles de la note pointée
    CleEnregistrement noteRenvoyee;  // note remise à cette personne

    // L'état d'un tampon neuf, en gardant la place des textes : les fils de relecture
    // reprennent leurs tampons d'un lot à l'autre sans rien libérer ni réserver.
    void vider();
};

struct TamponFamille {
    EvenementLu mariage, divorce;
    bool divorces = false;

    void vider() {
        mariage.vider();
        divorce.vider();
        divorces = false;
    }
};

// Lignes d'une note relue, et le commentaire qu'elle donne.
struct NoteRelue {
    std::vector<std::string> lignes;
    std::string commentaire;
};

class PasseConstruction {
public:
    static constexpr std::size_t kTexteMax = 100;
    static constexpr std::size_t kNomMax = 70;
    static constexpr std::size_t kLigneNoteMax = 249;  // relue entière avec son saut de ligne

    PasseConstruction(std::vector<FichierGedcomOuvert>& fichiers, RegistresBalayage& registres,
                      RecepteurRapport& erreurs, ModeCommentaire mode, std::string tagCommentaire);
    // Même passe sur d'autres accès aux fichiers (ceux d'un autre fil), ses lignes de rapport
    // envoyées à messages.
    PasseConstruction(const PasseConstruction& modele, std::vector<FichierGedcomOuvert>& fichiers,
                      RecepteurRapport& messages);

    const std::vector<FichierGedcomOuvert>& fichiers() const { return fichiers_; }
    // Pays des lieux qui ne nomment pas le leur (préférence « Pays par défaut »).
    void fixerPaysParDefaut(CodePays pays) { pays_ = pays; }

    void lireIndividu(const PersonneBalayee& p, TamponIndividu& tampon);
    // L'individu et la note qui lui est remise : les lignes de la note passent en tête de ses
    // notes, et son commentaire sert si l'individu n'en a pas.
    void lireIndividuEtNote(const PersonneBalayee& p, TamponIndividu& tampon);
    // Relecture en avance, dans le désordre : une note pointée est remise sans regarder si une
    // autre personne l'a déjà eue ; l'écriture, qui suit l'ordre des personnes, en décide.
    void remiseProvisoire() { remiseProvisoire_ = true; }
    void lireFamille(const FamilleBalayee& f, TamponFamille& tampon);
    // Relit seulement pour les noms d'un message : sans rien signaler ni remettre de note.
    void lireNoms(const PersonneBalayee& p, TamponIndividu& tampon);
    // Texte d'une source (100 octets au plus) ; vide pour une source de photos.
    std::string lireTexteSource(const CleEnregistrement& cle);
    NoteRelue lireNote(const CleEnregistrement& cle);

    // Gestionnaires de la machine d'états.
    void nom(char* v);
    void surnom(char* v);
    void partieNom(char* v);
    void finNom(char* v);
    void sexe(char* v);
    void sourceNom(char* v);
    void debutNaissance(char* v);
    void debutDeces(char* v);
    void debutMariage(char* v);
    void debutDivorce(char* v);
    void dateEvenement(char* v);
    void sourceEvenement(char* v);
    void lieuEvenement(char* v);
    void suiteLieu(char* v);
    void sourceLieu(char* v);
    void finEvenement(char* v);
    void profession(char* v);
    void causeProfession(char* v);
    void sourceProfession(char* v);
    void debutEven(char* v);
    void typeEven(char* v);
    void noteEven(char* v);
    void sourceIndividu(char* v);
    void objet(char* v);
    void fichierPhoto(char* v);
    void note(char* v);
    void ligneNote(char* v);
    void sourceCommentaire(char* v);
    void commentaireTag(char* v);
    void texteSourceRelu(char* v);
    void premiereLigneNote(char* v);
    void suiteNote(char* v);

private:
    void commencer(std::uint8_t fichier, long ligne);
    // Profession d'OCCU ou de sa CAUS : remplace une profession vide ou venue d'un EVEN.
    void prendreProfession(std::string_view texte);
    SourceLue lireSource(const char* v);
    bool aDesLignesDeNotes() const;
    std::uint16_t drapeaux() const;
    void nomsInconnusVides();

    std::vector<FichierGedcomOuvert>& fichiers_;
    RegistresBalayage& reg_;
    RecepteurRapport& erreurs_;
    ModeCommentaire mode_;
    std::string tagCommentaire_;
    CodePays pays_{"FR"};
    std::unique_ptr<LecteurGedcom> lecteur_;
    LieuNormaliseur lieux_;
    struct HachageTexte {
        using is_transparent = void;
        std::size_t operator()(std::string_view t) const noexcept { return hacherCourt(t); }
    };
    static constexpr std::size_t kLieuxGardes = 4096;
    // Lieux déjà normalisés, sans et avec les sigles de trois lettres.
    std::unordered_map<std::string, std::string, HachageTexte, std::equal_to<>> lieuxNormalises_[2];
    std::uint8_t fichier_ = 0;
    bool muet_ = false;
    bool remiseProvisoire_ = false;

    TamponIndividu* individu_ = nullptr;
    TamponFamille* famille_ = nullptr;
    EvenementLu* evenement_ = nullptr;
    bool nomVu_ = false, nomActif_ = false;
    // Premier NAME sans barres : sa valeur, ses lignes GIVN et SURN, et la longueur de ses
    // prénoms avant les surnoms (voir finNom).
    bool nomSansBarre_ = false;
    std::string valeurNom_, givn_, surn_;
    std::size_t longueurPrenomsNom_ = 0;
    bool occuVue_ = false, evenOccupation_ = false;
    bool professionEven_ = false;  // la profession vient d'un EVEN « Occupation »
    std::uint32_t lignesNoteRenvoyee_ = 0;
    std::string texteRelu_;
    NoteRelue* noteRelue_ = nullptr;
};

}  // namespace lignara
