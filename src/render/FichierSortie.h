#pragma once
// Flux de sortie des rédacteurs de documents (PDF, pages Web, RTF, texte), posé sur le rédacteur
// unique des fichiers (EcritureFichier) :
//   - ouvrir(chemin) vérifie la cible (un lien symbolique, un dossier, un tube ou un
//     périphérique sont refusés) et crée un temporaire dans son dossier ; la cible n'est pas
//     encore touchée ;
//   - flux() reçoit le document ; chaque écriture est vérifiée (disque plein…) ;
//   - fermer() force le temporaire sur disque, le ferme et le renomme par-dessus la cible.
// Un document qui échoue (exception, écriture refusée) ne laisse donc jamais de fichier à moitié
// écrit sous le nom de l'utilisateur : détruit sans fermer(), le flux efface son temporaire.
//
// Écriture en binaire sur toutes les plates-formes : les fins de ligne sont des « \n » partout
// et un document s'écrit à l'octet près pareil sous Linux et sous Windows. Les nombres écrits
// ignorent la langue de l'utilisateur.
//
// Usage par un rédacteur :
//   FichierSortie f;
//   if (!f.ouvrir(chemin)) throw OperationImpossible(f.message());
//   f.flux() << … ;
//   if (!f.fermer()) throw OperationImpossible(f.message());
#include <array>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <streambuf>
#include <string>

#include "commun/EcritureFichier.h"

namespace lignara {

class FichierSortie : private std::streambuf {
public:
    FichierSortie();
    // Sans fermer(), abandonne : la cible reste telle qu'elle était.
    ~FichierSortie() override;
    FichierSortie(const FichierSortie&) = delete;
    FichierSortie& operator=(const FichierSortie&) = delete;

    // Faux, avec la cause, quand la cible est refusée ou que le temporaire ne peut être créé.
    bool ouvrir(const std::filesystem::path& chemin);
    bool estOuvert() const { return ecriture_.ouvert(); }
    std::ostream& flux() { return flux_; }
    // Vide le tampon, termine et renomme ; faux quand une écriture, la fermeture ou le
    // renommage ont échoué (la cible est alors intacte).
    bool fermer();
    // Efface le temporaire sans toucher la cible.
    void abandonner();

    int erreur() const { return ecriture_.erreur(); }
    // Cause en français (« disque plein ») et message complet « Ecriture impossible dans le
    // fichier\n<chemin>\n<Cause> ».
    std::string cause() const { return ecriture_.cause(); }
    std::string message() const { return ecriture_.message(); }

private:
    int_type overflow(int_type c) override;
    int sync() override;
    // tellp() et seekp() : le PDF note les décalages de ses objets et revient écrire la longueur
    // de ses flux de page.
    pos_type seekoff(off_type decalage, std::ios_base::seekdir depuis, std::ios_base::openmode mode) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode mode) override;
    bool vider();

    std::array<char, 16384> tampon_{};
    std::ostream flux_;
    EcritureFichier ecriture_;
    std::uint64_t positionTampon_ = 0;  // décalage dans le fichier du début du tampon
};

}  // namespace lignara
