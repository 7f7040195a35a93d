#pragma once
// Fichier produit par les écrivains de documents (PDF, pages Web, RTF, texte). Il s'écrit dans
// un fichier temporaire du même dossier (FichierTemporaire), qui ne prend le nom du document
// qu'à fermer(), quand toutes les écritures ont réussi : un document à moitié écrit ne porte
// jamais le nom de l'utilisateur, et l'ancien fichier reste entier jusqu'au remplacement.
// Rien n'est jamais suivi : un lien posé d'avance à la place d'un nom prévisible
// (« AA_DUPONT.htm »), un second nom d'un autre fichier ou ce qui n'est pas un fichier ordinaire
// font échouer l'ouverture ; un fichier ordinaire déjà là, qui n'a pas d'autre nom, est remplacé.
// Le fichier écrit a le mode 0600 du temporaire.
//
// Écriture en binaire sur toutes les plates-formes : les fins de ligne sont des « \n » partout
// et un document s'écrit à l'octet près pareil sous Linux et sous Windows.
//
// Les erreurs d'écriture (disque plein…) sont retenues et rendues par fermer(), qui laisse alors
// l'ancien fichier en place ; détruit sans fermer(), l'objet efface son temporaire.
#include <array>
#include <filesystem>

#include "commun/FichierTemporaire.h"
#include <ostream>
#include <streambuf>

namespace lignara {

class FichierSortie : private std::streambuf {
public:
    FichierSortie();
    ~FichierSortie() override;
    FichierSortie(const FichierSortie&) = delete;
    FichierSortie& operator=(const FichierSortie&) = delete;

    // Faux quand le fichier ne peut être créé (lien symbolique, dossier absent, droits…).
    bool ouvrir(const std::filesystem::path& chemin);
    bool estOuvert() const { return descripteur_ >= 0; }
    std::ostream& flux() { return flux_; }
    // Vide le tampon, ferme et donne son nom au fichier ; faux quand une écriture, la fermeture
    // ou le renommage a échoué (le nom garde alors l'ancien fichier, s'il y en avait un).
    bool fermer();

private:
    int_type overflow(int_type c) override;
    int sync() override;
    // Position d'écriture (tellp, seekp) : le PDF note les décalages de ses objets et revient
    // écrire la longueur d'un flux ; le tampon est vidé avant tout déplacement.
    pos_type seekoff(off_type decalage, std::ios_base::seekdir sens, std::ios_base::openmode mode) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode mode) override;
    bool vider();

    std::array<char, 16384> tampon_{};
    std::ostream flux_;
    FichierTemporaire temporaire_;
    std::filesystem::path cible_;
    int descripteur_ = -1;
    std::streamoff ecrits_ = 0;  // octets déjà passés au système
    bool echec_ = false;
};

}  // namespace lignara
