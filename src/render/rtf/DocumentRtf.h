#pragma once
// Document RTF : fichier RTF 1 en page de code 1252, français par défaut, une seule police
// (Arial, 10 points). Le document écrit ses paragraphes entre ouvrir() et fermer() ; ce cadre
// écrit l'en-tête, les bordures, les cellules de tableau, les photos et la fin.
//
// Unités : les tailles reçues sont des unités de dessin (1/16 point), écrites en twips
// (1/20 point) par × 5 ÷ 4, division entière tronquée vers zéro, sur 64 bits.
//
// Couleurs de la table (indices pour \cf, \brdrcf…) : 0 texte, 1 hommes, 2 femmes, 3 traits,
// 4 la couleur donnée à l'ouverture.
//
// Tout texte venu des données s'écrit par ecrireTexte, qui l'échappe ; ecrireControles ne
// reçoit que les mots de contrôle et groupes du document. Un texte qui suit un mot de contrôle
// resté ouvert (« \b », « \cellx1000 ») en est séparé par un blanc, pour ne pas le prolonger.
//
// Échecs : OperationImpossible « Ouverture impossible du fichier <chemin>\n<Cause> » à
// l'ouverture (lien symbolique, dossier absent…), « Ecriture impossible dans le fichier\n
// <chemin>\n<Cause> » à la fermeture quand une écriture a échoué (disque plein…) ; le fichier
// n'est alors pas remplacé (FichierSortie), et l'avis des images ignorées part quand même.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "render/FichierSortie.h"
#include "render/Graphique.h"
#include "render/ReglagesDessin.h"

namespace lignara {

struct CelluleRtf {
    std::int32_t largeur = 0;         // unités de dessin
    std::int32_t hauteurRangee = 0;   // unités de dessin, 0 : hauteur libre
    std::int32_t bordure = 0;         // largeur des quatre bords, 0 : sans bord
    std::string_view controles = {};  // mots de contrôle ajoutés avant \cellx, ou vide
};

class DocumentRtf {
public:
    static constexpr std::int32_t kCoteNonPagine = 160000000;  // unités de dessin

    // Les réglages sont lus par référence pendant toute la vie du document.
    explicit DocumentRtf(const ReglagesDessin& reglages);

    void ouvrir(const std::filesystem::path& chemin, std::uint8_t rouge, std::uint8_t vert, std::uint8_t bleu);
    // Chemin (Windows-1252) pris au document.
    void ouvrir(const Graphique& document, std::uint8_t rouge, std::uint8_t vert, std::uint8_t bleu);

    void ecrireTexte(std::string_view texte1252);
    void ecrireControles(std::string_view rtf);
    // Bordures du paragraphe : largeurs des côtés bas, droite, haut, gauche.
    void bordures(int indexCouleur, int bas, int droite, int haut, int gauche);
    // Bord droit de la dernière cellule écrite, en twips ; le document le pose avant chaque rangée.
    void definirBordCellule(std::int64_t twips) { bordCellule_ = twips; }
    std::int64_t bordCellule() const { return bordCellule_; }
    void cellule(const CelluleRtf& cellule);
    // Photo JPEG intégrée ; une photo d'un autre format est comptée et signalée à la fermeture.
    void image(std::int32_t largeur, std::int32_t hauteur, const std::string& chemin1252);
    void fermer();

    int imagesIgnorees() const { return imagesIgnorees_; }
    static std::int64_t enTwips(std::int64_t unites) { return unites * 5 / 4; }

private:
    void ecrireEnTete(std::uint8_t rouge, std::uint8_t vert, std::uint8_t bleu);
    void ecrire(std::string_view rtf);

    const ReglagesDessin& reglages_;
    FichierSortie fichier_;
    std::filesystem::path chemin_;
    std::int64_t bordCellule_ = 0;
    int imagesIgnorees_ = 0;
    bool motOuvert_ = false;
};

}  // namespace lignara
