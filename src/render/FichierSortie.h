#pragma once
// Fichier produit par les écrivains de documents (pages Web, RTF). Il est créé sans jamais
// suivre de lien symbolique : un lien posé d'avance à la place d'un nom prévisible
// (« AA_DUPONT.htm ») fait échouer l'ouverture au lieu d'écrire ailleurs. Un fichier ordinaire
// déjà là, qui n'a pas d'autre nom, est remplacé (son contenu est vidé).
//
// Écriture en binaire sur toutes les plates-formes : les fins de ligne sont des « \n » partout
// et un document s'écrit à l'octet près pareil sous Linux et sous Windows.
//
// Les erreurs d'écriture (disque plein…) sont retenues et rendues par fermer().
#include <array>
#include <filesystem>
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
    // Vide le tampon et ferme ; faux quand une écriture a échoué depuis l'ouverture.
    bool fermer();

private:
    int_type overflow(int_type c) override;
    int sync() override;
    bool vider();

    std::array<char, 16384> tampon_{};
    std::ostream flux_;
    int descripteur_ = -1;
    bool echec_ = false;
};

}  // namespace lignara
