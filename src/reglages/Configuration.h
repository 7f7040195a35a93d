#pragma once
// Préférences de l'application, une seule instance pour tout le programme : chargées au
// démarrage depuis « Config.dwa » du dossier de configuration, modifiées par la feuille
// « Préférences », réécrites quand elle est validée. Chaque document les lit.
//
// Textes en Windows-1252, de longueur bornée (les limites ci-dessous ; l'écriture coupe ce
// qui dépasse). Couleurs : rouge, vert, bleu. Marges en unités de dessin (1/16 point).
// Les valeurs données ici sont les valeurs par défaut.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "render/VersionProgramme.h"

namespace lignara {

struct CouleurRvb {
    std::uint8_t rouge = 0;
    std::uint8_t vert = 0;
    std::uint8_t bleu = 0;

    // Forme de la surface de dessin : 0x00BBGGRR, rouge dans l'octet bas.
    constexpr std::uint32_t enBgr() const {
        return std::uint32_t{rouge} | (std::uint32_t{vert} << 8) | (std::uint32_t{bleu} << 16);
    }
    friend bool operator==(const CouleurRvb&, const CouleurRvb&) = default;
};

// Bits des masques « Données à afficher » ; chaque famille de documents n'a que ses premiers bits.
enum DonneeAffichee : std::uint8_t {
    kAfficherDates = 1,
    kAfficherLieux = 2,
    kAfficherProfessions = 4,
    kAfficherCommentaire = 8,
    kAfficherMariage = 16,
    kAfficherPhoto = 32,
};

// Ordre des afficheurs (applications de visualisation) par format de sortie.
enum FormatAfficheur : std::size_t { kAfficheurPdf = 0, kAfficheurTxt, kAfficheurRtf, kAfficheurWeb };

inline constexpr std::size_t kLimiteServeur = 60;
inline constexpr std::size_t kLimiteAvis = 4;
// Les chemins sont limités à 259 octets par le modèle, mais un octet de longueur ne va pas
// au-delà de 255 : c'est la vraie limite d'un chemin dans le fichier.
inline constexpr std::size_t kLimiteChemin = 255;
inline constexpr std::size_t kLimitePolice = 31;
inline constexpr std::size_t kLimiteSignature = 50;

inline constexpr std::uint16_t kFormatNonPagine = 1702;
inline constexpr std::uint16_t kDernierFormatPapier = 1725;
inline constexpr std::uint16_t kHauteurLigne = 176;
// Texte rangé dans l'avis des nouvelles versions quand la case est cochée : la version.
inline constexpr std::string_view kTexteVersionAvis = kVersionProgramme;

struct Configuration {
    std::uint8_t octetGeneral = 1;  // réservé : aucune page ne le montre, gardé tel quel
    std::string serveurMiseAJour = "lignara.org";
    std::string avisNouvellesVersions;  // vide : pas d'avis
    bool casseAutomatique = true;
    std::string fichierParDefaut;
    std::string dossierPhotos;
    std::uint16_t codePays = 0x4652;                // « FR » : première lettre dans l'octet haut
    std::uint16_t formatPapier = kFormatNonPagine;  // 1702 à 1725, remis à 1702 à chaque chargement
    // Celui que « lignara document » prend sans --papier ; c'est lui que Config.dwa range (la
    // fenêtre ne le change pas). Un identifiant inconnu est relu « Non paginé ».
    std::uint16_t papierLigneCommande = kFormatNonPagine;
    std::uint16_t compressionArbres = 80;  // pour cent, 10 à 200
    std::uint16_t compressionListes = 100;
    std::uint16_t compressionTableaux = 80;
    std::uint8_t theme = 1;
    bool themeAuHasard = false;
    std::string police = "Arial";
    bool policeAuHasard = false;
    std::uint16_t espaceMinimal = 8;              // entre deux personnes d'un arbre, 2 à 99
    std::uint16_t margeHaut = 2 * kHauteurLigne;  // lignes × 176
    std::uint16_t margeBas = 2 * kHauteurLigne;
    std::uint16_t margeGauche = 352;  // millimètres × 1132 ÷ 25
    std::uint16_t margeDroite = 352;
    bool doublesBranchesAscendantes = false;
    bool doublesBranchesDescendantes = false;
    std::uint8_t donneesArbreAscendant = 63;    // 6 bits
    std::uint8_t donneesArbreDescendant = 63;   // 6 bits
    std::uint8_t donneesListeAscendante = 31;   // 5 bits
    std::uint8_t donneesListeDescendante = 31;  // 5 bits
    std::uint8_t donneesAutresListes = 15;      // 4 bits
    std::uint8_t donneesTableauAscendant = 3;   // 2 bits
    std::uint8_t donneesProches = 15;           // tableau des proches, 4 bits
    std::uint8_t donneesGalerie = 15;           // galerie de portraits, 4 bits
    bool couleurParSexe = true;
    CouleurRvb couleurTexte{0, 0, 0};
    CouleurRvb couleurHommes{0, 0, 170};
    CouleurRvb couleurFemmes{170, 0, 0};
    CouleurRvb couleurTrait{0, 100, 0};
    CouleurRvb couleurRemplissage{0, 128, 128};
    bool signature = true;
    std::string ligneSignature1;
    std::string ligneSignature2;
    CouleurRvb couleurFondSignature{210, 230, 210};
    std::array<std::string, 4> afficheurs;  // vide : l'application associée par le système

    // Code pays en deux lettres, « FR » par défaut.
    std::string pays() const;
    // Ignore un code qui n'est pas fait de deux lettres majuscules.
    void fixerPays(std::string_view code);

    friend bool operator==(const Configuration&, const Configuration&) = default;
};

// Bornages des champs numériques de la feuille « Préférences ».
std::uint16_t bornerCompression(int pourCent);
std::uint16_t bornerEspaceMinimal(int espace);
std::uint16_t margeDeLignes(int lignes);  // 0 à 99 lignes
int lignesDeMarge(std::uint16_t marge);
std::uint16_t margeDeMillimetres(int millimetres);  // 0 à 99 mm
int millimetresDeMarge(std::uint16_t marge);

// Contenu de « Config.dwa », version 603.
std::vector<std::uint8_t> ecrireConfiguration(const Configuration& configuration);

// absent : pas de fichier ; lu : tout compris ; abime : en partie, les champs lisibles gardés ;
// illisible : version inconnue, autre chose qu'un fichier ordinaire, ou lecture impossible.
enum class EtatChargement { absent, lu, illisible, abime };

struct ConfigurationLue {
    Configuration configuration;  // champs lus, les autres à leur valeur par défaut
    EtatChargement etat = EtatChargement::lu;
};

// Relit un contenu de version 401 à 603. Un fichier tronqué, un texte plus long que sa limite
// ou fait de caractères de contrôle (un nom de police à octet nul casserait le PDF) : chaque
// champ qui se relit valide est gardé, les autres prennent leur défaut, et l'état est abime.
// Une autre version : tout par défaut, illisible.
ConfigurationLue lireConfigurationSauvee(std::span<const std::uint8_t> octets);
// Le même, mais vide dès que le contenu n'est pas compris en entier.
std::optional<Configuration> lireConfiguration(std::span<const std::uint8_t> octets);

// Valeurs par défaut, puis ce qui se relit de « Config.dwa » du dossier ; etat, quand il est
// donné, dit lequel des cas s'est produit.
Configuration chargerConfiguration(const std::filesystem::path& dossierConfiguration, EtatChargement* etat = nullptr);
// Réécrit « Config.dwa », après l'avoir copié en « Config.dwa.abime » s'il ne se relisait pas
// en entier. Échec : OperationImpossible(« Accès impossible au fichier de configuration\n
// <chemin>\n<Cause> »), par exemple quand c'est un lien vers le fichier d'un autre.
void enregistrerConfiguration(const Configuration& configuration, const std::filesystem::path& dossierConfiguration);

}  // namespace lignara
