#pragma once
// Écrivain de la base de travail, utilisé par l'import GEDCOM.
//
// L'import connaît d'avance le nombre d'individus, de fiches Famille et d'emplacements
// d'événements : le fichier temporaire (« gen… », mode 0600, dans le dossier temporaire) est
// créé à la construction avec ses sections à leur place définitive. L'import écrit ensuite les
// enregistrements par numéro (à la suite ou à une position donnée), range ses chaînes (qui lui
// rendent leur réf.) et ses notes, marque les têtes de branche, puis appelle terminer(), qui
// écrit les tables de chaînes et l'en-tête en dernier, et rend la base ouverte.
//
// Contrats :
//  - les numéros commencent à 1 ; un numéro hors des effectifs annoncés est une faute de
//    l'appelant (std::out_of_range) ;
//  - un individu jamais écrit devient une personne vide sans parents (lien de fratrie −n),
//    une fiche Famille jamais écrite une chaîne d'une fiche sans divorce ; les emplacements
//    d'événements jamais écrits restent tout à zéro ;
//  - un saut de ligne ou un octet nul dans un texte devient une espace (le saut de ligne
//    termine les chaînes dans les tables) ; dans les notes, il coupe la ligne ;
//  - toute écriture incomplète lève OperationImpossible(« Erreur d'écriture dans le fichier ») ;
//  - sans terminer(), le fichier est effacé à la destruction de l'écrivain.
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "commun/DossierPrive.h"
#include "database/BaseGenealogique.h"
#include "database/EnTeteBase.h"
#include "database/EnsemblePersonnes.h"
#include "database/Evenement.h"
#include "database/Famille.h"
#include "database/FichierBinaire.h"
#include "database/Individu.h"
#include "database/TableChainesEnConstruction.h"
#include "database/TableTexte.h"

namespace lignara {

// Plus long chemin de photo rangé dans la base, sans le saut de ligne qui le suit.
inline constexpr std::size_t kCheminPhotoMax = 250;

struct DimensionsBase {
    std::uint32_t individus = 0;
    std::uint32_t familles = 0;    // fiches Famille : une par conjoint présent
    std::uint32_t evenements = 0;  // emplacements réservés
};

class EcrivainBase {
public:
    // Échec de création : OperationImpossible(« Accès impossible au répertoire temporaire\n… »).
    explicit EcrivainBase(const DimensionsBase& dimensions, const std::filesystem::path& dossier = dossierPrive());
    EcrivainBase(const EcrivainBase&) = delete;
    EcrivainBase& operator=(const EcrivainBase&) = delete;
    ~EcrivainBase();

    const DimensionsBase& dimensions() const { return dimensions_; }
    const std::filesystem::path& chemin() const { return fichier_.chemin(); }

    void ecrireIndividu(std::uint32_t numero, const Individu& individu);
    // Écrit après le plus grand numéro déjà écrit (une retouche ne fait pas reculer la
    // suite) ; rend le numéro pris. De même pour les familles et les événements.
    std::uint32_t ajouterIndividu(const Individu& individu);
    // Relit un individu déjà écrit (l'import retouche le père ou la mère des enfants).
    Individu lireIndividu(std::uint32_t numero);

    void ecrireFamille(std::uint32_t numero, const Famille& famille);
    std::uint32_t ajouterFamille(const Famille& famille);
    Famille lireFamille(std::uint32_t numero);

    void ecrireEvenement(std::uint32_t numero, const Evenement& evenement);
    std::uint32_t ajouterEvenement(const Evenement& evenement);

    // Rend la réf. de la chaîne (0 pour la chaîne vide). Pour TablePhotos, le texte est pris
    // comme une liste d'un seul chemin (voir ajouterPhotos).
    std::uint32_t ajouterTexte(TableTexte table, std::string_view texte);
    // Liste de photos : au plus 255 chemins non vides d'au plus kCheminPhotoMax octets ; un
    // chemin plus long est laissé de côté (coupé, il nommerait un autre fichier) ; 0 sans chemin.
    std::uint32_t ajouterPhotos(const std::vector<std::string>& chemins);
    // Bloc de notes : rend son décalage dans ZoneNotes compté depuis 1, ou 0 quand il ne reste
    // aucune ligne une fois ôtées les lignes vides finales. Une ligne de plus de 249 octets est
    // coupée en lignes de 249 octets ; au-delà de 65535 lignes, la suite est abandonnée et
    // comptée dans lignesDeNotesAbandonnees().
    std::uint32_t ajouterNotes(const std::vector<std::string>& lignes);
    std::uint64_t lignesDeNotesAbandonnees() const { return lignesAbandonnees_; }

    void marquerTeteDeBranche(std::uint32_t personne);

    // Écrit les tables de chaînes puis l'en-tête ; rend la base ouverte, qui efface le fichier
    // à sa fermeture. L'écrivain ne sert plus ensuite.
    BaseGenealogique terminer();

private:
    std::uint64_t decalageIndividu(std::uint32_t numero) const;
    std::uint64_t decalageFamille(std::uint32_t numero) const;
    void ecrireA(std::uint64_t decalage, const std::uint8_t* octets, std::size_t taille);
    void lireA(std::uint64_t decalage, std::uint8_t* octets, std::size_t taille);
    void viderTampons();
    void completerEnregistrementsManquants();
    void ecrireTablesEtEnTete();
    void verifierEnCours() const;

    DimensionsBase dimensions_;
    EnTeteBase enTete_;
    FichierBinaire fichier_;
    std::array<std::unique_ptr<TableChainesEnConstruction>, kNombreTablesTexte> tables_;
    std::vector<bool> individusEcrits_;
    std::vector<bool> famillesEcrites_;
    std::uint32_t dernierIndividu_ = 0;
    std::uint32_t derniereFamille_ = 0;
    std::uint32_t dernierEvenement_ = 0;
    std::uint64_t tailleNotes_ = 0;
    std::uint64_t lignesAbandonnees_ = 0;
    EnsemblePersonnes tetesDeBranche_;
    // Les écritures à la suite l'une de l'autre sont regroupées avant d'aller au fichier. L'import
    // alterne individus, événements, familles et notes : un tampon par suite, sinon chaque
    // enregistrement coûtait une écriture système.
    struct TamponEcriture {
        std::vector<std::uint8_t> octets;
        std::uint64_t debut = 0;
        std::uint64_t fin() const { return debut + octets.size(); }
    };
    static constexpr std::size_t kNombreTampons = 4;
    void vider(TamponEcriture& tampon);
    std::array<TamponEcriture, kNombreTampons> tampons_;
    std::size_t prochainTamponRecycle_ = 0;
    bool termine_ = false;
};

}  // namespace lignara
