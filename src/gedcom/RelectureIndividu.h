#pragma once
// Relecture de l'enregistrement GEDCOM d'une personne, depuis le décalage rangé dans son
// Individu, avec la table de tags de consultation (TableTags::consultation) : les événements
// que la base ne garde pas (actes religieux, inhumation, professions et domiciles datés…), pour
// les frises, les fiches et les fenêtres de consultation.
//
// Chaque ligne de niveau 1 dont le tag est un événement de la table donne un EvenementRelu, dans
// l'ordre du fichier, avec ce que disent ses lignes de niveau 2 : DATE (texte tel qu'écrit, que
// LireDate ou LirePeriode liront), PLAC suivi de ses LIEU, ADDR et ses CONT, TYPE, première
// NOTE ; un CONC ou un CONT de niveau 2 prolonge la valeur de la ligne de niveau 1.
//
// Les fichiers sont ceux de l'import, avec le jeu de caractères relevé alors ; chacun est ouvert
// en lecture binaire à la première relecture qui le demande et fermé avec l'objet. Le lecteur ne
// signale rien : le balayage de l'import a déjà relevé les lignes fautives.
//
// Bornes : chaque texte est coupé à kTexteMax octets, et un enregistrement ne donne pas plus de
// kEvenementsMax événements (un GEDCOM démesuré ne fait pas enfler la mémoire).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gedcom/CodeTag.h"
#include "gedcom/FichierGedcomOuvert.h"
#include "gedcom/ImporterGedcom.h"

namespace lignara {

class LecteurGedcom;

struct EvenementRelu {
    CodeTag tag = CodeTag::Inconnu;  // BAPM, CHR, BURI, OCCU, RESI, EVEN…
    std::string valeur;              // texte de la ligne de niveau 1 (« Notaire » sous OCCU)
    std::string date;                // DATE telle qu'écrite ; vide : pas de date
    std::string lieu;                // PLAC, puis « , » et chaque LIEU
    std::string adresse;             // ADDR et ses CONT, séparés par une espace
    std::string type;                // TYPE (« Occupation », « Residence » sous EVEN…)
    std::string note;                // première NOTE de l'événement
};

class RelectureIndividu {
public:
    static constexpr std::size_t kTexteMax = 250;
    static constexpr std::size_t kEvenementsMax = 2000;

    // fichiers : ceux de l'import, dans l'ordre de leurs indices.
    explicit RelectureIndividu(std::vector<FichierImporte> fichiers);
    ~RelectureIndividu();
    RelectureIndividu(RelectureIndividu&&) noexcept;
    RelectureIndividu& operator=(RelectureIndividu&&) noexcept;

    // Événements de l'enregistrement qui commence après la ligne de niveau 0 au décalage donné
    // (Individu::decalageGedcom) du fichier d'indice donné. Un décalage 0 (personne citée mais
    // jamais définie) ou un indice sans fichier ne donnent rien. Un fichier qui ne s'ouvre pas :
    // OperationImpossible « Lecture impossible du fichier Gedcom\n%s ».
    std::vector<EvenementRelu> relire(std::uint8_t indiceFichier, std::uint32_t decalage);

    // Gestionnaires de la machine d'états (EtatLecture) : un par sorte de ligne.
    void debutEvenement(char* valeur);
    void date(char* valeur);
    void lieu(char* valeur);
    void suiteLieu(char* valeur);
    void adresse(char* valeur);
    void suiteAdresse(char* valeur);
    void type(char* valeur);
    void note(char* valeur);
    void suiteValeur(char* valeur);

private:
    FichierGedcomOuvert& ouvrir(std::uint8_t indiceFichier);
    EvenementRelu* courant();

    std::vector<FichierImporte> fichiers_;
    std::vector<std::optional<FichierGedcomOuvert>> ouverts_;
    std::unique_ptr<LecteurGedcom> lecteur_;
    std::vector<EvenementRelu> evenements_;
    bool plein_ = false;  // kEvenementsMax atteint : les lignes suivantes sont ignorées
};

}  // namespace lignara
