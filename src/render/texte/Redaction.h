#pragma once
// Texte structuré des listes, tableaux, fiches et trombinoscopes : un seul contenu, quatre
// formats (PDF, texte, RTF, Web). Le document décrit son contenu en éléments — titres, lignes
// à étiquette et retrait, paragraphes repliés, lignes vides, filets, sauts de page, tableaux à
// cellules fusionnées, blocs à retrait suspendu — dans une fonction que le rédacteur du format
// appelle ; le PDF l'appelle deux fois (mesure, puis dessin), les autres une fois. Le contenu
// doit donc être rejoué à l'identique : il ne lit rien de la base et ne change rien.
//
// Positions : une Mesure porte la même grandeur pour les deux familles de formats, en unités de
// dessin (PDF, Web par × 7 ÷ 100, RTF par × 5 ÷ 4) et en caractères (texte) ; le document
// donne les deux, puisque rien ne convertit une largeur de police proportionnelle en blancs.
// Ce qu'une Part dit d'un seul format est soit dans son rédacteur, soit dans une petite règle
// du document (StyleTitre, tracés du PDF, forme texte d'une croix).
//
// Textes : Windows-1252 ; les vues (string_view, span) ne vivent que le temps de l'appel.
// Ancres : identifiants choisis par le document (« I12 », « report3 ») ; chacune n'est posée
// qu'une fois par document, les liens peuvent la viser avant ou après qu'elle soit posée.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "commun/Horloge.h"
#include "render/Graphique.h"
#include "render/PolicesDocument.h"
#include "render/ReglagesDessin.h"

namespace lignara {

struct Mesure {
    std::int32_t unites = 0;      // unités de dessin
    std::int32_t caracteres = 0;  // texte brut
};

// Couleur d'un segment : celle du texte, ou celle des hommes ou des femmes des préférences.
// Le document décide (préférence « couleur par sexe ») ; le Web met aussi en gras un nom
// coloré, convention des listes.
enum class CouleurSegment : std::uint8_t { Texte, Hommes, Femmes };

struct Segment {
    std::string_view texte{};
    bool gras = false;
    bool souligne = false;
    CouleurSegment couleur = CouleurSegment::Texte;
    std::uint8_t taille = 0;  // points ; 0 : la taille du document (10 points)
    std::string_view lien{};  // ancre visée ; vide : aucun lien
    // Petite croix de mariage : tracée en PDF, « <b>x </b> » en Web, « x » gras en RTF ;
    // en texte brut, texte seul est écrit (« x  » ou rien, au choix du document).
    bool croix = false;
};

// Étiquette en tête de ligne : texte aligné à droite dans sa colonne (numéro, génération),
// suivi de suite (lettre de rang). Vide quand texte et suite le sont.
struct Etiquette {
    std::string_view texte{};
    std::string_view suite{};
    Mesure largeur{};  // colonne où texte est aligné à droite
    bool gras = false;
    bool vide() const { return texte.empty() && suite.empty(); }
};

// Tracés propres au PDF, en unités depuis l'origine de la ligne.
struct TracePdf {
    enum class Sorte : std::uint8_t { Trait, Croix };
    Sorte sorte = Sorte::Trait;
    std::int32_t x1 = 0;  // trait à mi-hauteur de x1 à x2 ; croix à partir de x1
    std::int32_t x2 = 0;
};

// Trait vertical du PDF depuis une ligne déjà écrite jusqu'au milieu de celle-ci (raccords des
// listes en arbre). depuis : rang rendu par FluxRedaction::ligne ; −1 : aucun.
struct Raccord {
    std::int64_t depuis = -1;
    std::int32_t x = 0;        // unités depuis l'origine du document
    bool depuisLeBas = false;  // depuis le bas de la ligne d'attache (une ligne parente) ; sinon son milieu
};

struct Ligne {
    Mesure retrait{};  // origine de la ligne
    Etiquette etiquette{};
    Mesure contenu{};  // début des segments depuis l'origine ; texte : complété par des blancs
    std::span<const Segment> segments{};
    std::string_view ancre{};  // cible posée sur la ligne ; vide : aucune
    std::span<const TracePdf> traces{};
    Raccord raccord{};
};

// Paragraphe replié à la largeur du texte (MiseEnPage) : première ligne en retrait, les
// suivantes en retraitSuite (retrait suspendu quand il est plus grand).
struct Paragraphe {
    Mesure retrait{};
    Mesure retraitSuite{};
    std::span<const Segment> segments{};
    std::string_view ancre{};
};

// Règle d'écriture des titres d'un document, format par format.
struct StyleTitre {
    // Texte brut : lignes vides avant (sauf en tête du document), puis avantTexte, le titre,
    // apresTexte sur une ligne.
    int lignesAvantTexte = 0;
    std::string_view avantTexte{};
    std::string_view apresTexte{};
    // PDF : lignes de 176 avant (sauf en tête) et après la ligne du titre ; texte en xPdf ;
    // filets à mi-hauteur de debutFiletPdf à xPdf − ecartFiletsPdf et de la fin du texte
    // + ecartFiletsPdf à la largeur de la page (aucun quand ecartFiletsPdf est négatif).
    int lignesAvantPdf = 0;
    int lignesApresPdf = 0;
    std::int32_t xPdf = 0;
    std::int32_t ecartFiletsPdf = -1;
    std::int32_t debutFiletPdf = 0;
    // Placement de la signature : le titre commence une section, dont il est la première ligne
    // libre (sinon il occupe toute la largeur).
    bool ouvreSection = false;
    // RTF : paragraphe gras (\b1 … \b0), avantTexteRtf devant le titre, centré au besoin,
    // suivi d'un paragraphe filet de cette épaisseur (en demi-points de \brdrw ; 0 : aucun).
    std::string_view avantTexteRtf{};
    bool centreRtf = false;
    int filetRtf = 0;
    // Web : titre gras sur sa ligne, précédé de avantTexteWeb (blancs gardés).
    std::string_view avantTexteWeb{};
    bool grasWeb = true;
};

struct Titre {
    std::string_view texte{};
    const StyleTitre* style = nullptr;  // à donner
    std::string_view ancre{};
    std::string_view lien{};
};

// Tableau : colonnes de largeur fixe, rangées de cellules. Une rangée ne nomme que les
// cellules qui y commencent, de gauche à droite, en sautant les places couvertes par une
// cellule fusionnée d'une rangée du dessus.
struct CelluleTableau {
    std::span<const Segment> segments{};
    std::uint16_t rangees = 1;   // fusion verticale
    std::uint16_t colonnes = 1;  // fusion horizontale
    bool entete = false;
    bool centree = false;
    bool fond = false;  // fond de la couleur MiseEnPage::couleurFond
    std::string_view ancre{};
    // Web : classe de la feuille de style (MiseEnPage::styleWeb), qui remplace alors le style
    // de la cellule ; vide : bord, largeur et fond écrits dans la cellule.
    std::string_view classeWeb{};
};

struct RangeeTableau {
    std::span<const CelluleTableau> cellules{};
};

struct Tableau {
    std::span<const Mesure> colonnes{};
    std::span<const RangeeTableau> rangees{};
};

// Bloc de lignes à retrait suspendu : RTF seulement (« {\li800\fi-700 » … « } ») ; les autres
// formats placent leurs lignes eux-mêmes.
struct Bloc {
    std::int32_t retraitPremiere = 0;  // unités
    std::int32_t retraitSuite = 0;
};

// Photo d'une grille : son fichier (chemin résolu, Windows-1252) et sa taille posée, sa légende
// (une ligne centrée sous la photo, ou rien) et son texte de remplacement (Web : alt).
struct CellulePhoto {
    std::string_view chemin1252{};
    std::int32_t largeur = 0;  // unités de dessin
    std::int32_t hauteur = 0;
    std::span<const Segment> legende{};
    std::string_view texteAlternatif{};
};

// Photos rangées de gauche à droite puis de haut en bas, parRangee par rangée, dans des
// cellules de largeurCellule sur hauteurPhotos (la place des photos, légende non comprise).
//   - PDF : une rangée de cellules occupe des rangées de 176 entières, jamais coupées par une
//     page ; photo centrée en haut de sa cellule, légende centrée sur la dernière rangée ;
//     avec cadres, chaque cellule est encadrée de la couleur des traits ;
//   - RTF : avec cadres, un tableau (une rangée par rangée de cellules, photo centrée et
//     légende dessous) ; sinon les photos à la suite dans un paragraphe ; JPEG seulement ;
//   - Web : avec cadres, un bloc flottant par cellule (le document en donne le style) ; sinon
//     les photos liées à la suite ; chaque photo est liée à son fichier ;
//   - texte : les légendes, une par ligne.
struct GrillePhotos {
    std::span<const CellulePhoto> cellules{};
    std::int32_t largeurCellule = 0;
    std::int32_t hauteurPhotos = 0;
    int parRangee = 1;
    bool cadres = false;
};

// Ce que le contenu d'un document écrit, dans l'ordre.
class FluxRedaction {
public:
    virtual ~FluxRedaction() = default;
    virtual void titre(const Titre& titre) = 0;
    // Rend le rang de la ligne (0, 1, 2… dans l'ordre des appels de ligne), le même à chaque
    // passage : les raccords le désignent.
    virtual std::int64_t ligne(const Ligne& ligne) = 0;
    virtual void paragraphe(const Paragraphe& paragraphe) = 0;
    virtual void lignesVides(int nombre) = 0;
    virtual void filet() = 0;
    virtual void sautDePage() = 0;
    virtual void tableau(const Tableau& tableau) = 0;
    virtual void debutBloc(const Bloc& bloc) = 0;
    virtual void finBloc() = 0;
    virtual void photos(const GrillePhotos& grille) = 0;
};

using ContenuRedaction = std::function<void(FluxRedaction&)>;

// Ce que le rédacteur doit savoir du document.
struct MiseEnPage {
    std::filesystem::path chemin{};
    std::string titre1252{};           // titre du PDF et de la page Web
    std::int16_t etirementPdf = 100;   // pour cent, préférence de la famille du document
    std::int32_t colonnesTexte = 100;  // largeur des paragraphes repliés du texte brut
    // Largeur des paragraphes repliés du PDF ; 0 : la zone utile du papier, ou 9072 (A4)
    // sans pagination.
    std::int32_t largeurPdf = 0;
    // Signature du PDF : placée à droite de trois lignes consécutives qui lui laissent la
    // place, quand la préférence la demande et qu'elle a une ligne à montrer.
    bool signature = true;
    std::string_view styleWeb{};                            // feuille de style ajoutée à la page Web
    std::uint32_t couleurFond = couleurRvb(205, 230, 220);  // cellules à fond, 0x00BBGGRR
};

class Redacteur {
public:
    virtual ~Redacteur() = default;
    // Écrit le fichier : OperationImpossible quand il ne peut être créé ou écrit (texte brut :
    // « Ouverture impossible du fichier TXT », « Erreur d'écriture dans le fichier de
    // sortie » ; les autres formats : les messages de leur cadre).
    virtual void rediger(const MiseEnPage& mise, const ContenuRedaction& contenu) = 0;
};

// Le rédacteur du format ; réglages et polices sont lus par référence pendant la rédaction.
std::unique_ptr<Redacteur> creerRedacteur(FormatSortie format, const ReglagesDessin& reglages,
                                          const PolicesDocument& polices, const Horloge& horloge);

}  // namespace lignara
