#pragma once
// Liste des erreurs d'un import : un fichier texte temporaire (« dwa… » dans le dossier
// temporaire), créé à la première erreur, une erreur par ligne terminée par CR LF, en
// Windows-1252. Dans une fusion de plusieurs fichiers, une ligne de titre
//     Fichier "nom.ged"
// précède la première erreur de chaque fichier, et revient à chaque changement de fichier.
// Le fichier est effacé à la destruction de la liste.
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "database/FichierBinaire.h"
#include "gedcom/RecepteurRapport.h"

namespace lignara {

class ListeErreursGedcom : public RecepteurRapport {
public:
    // nomsFichiers : noms sans dossier (1252) des fichiers de l'import, dans l'ordre.
    ListeErreursGedcom(std::vector<std::string> nomsFichiers, std::filesystem::path dossier);

    void signaler(std::size_t indiceFichier, const std::string& ligne) override;

    std::size_t nombre() const { return nombre_; }
    bool vide() const { return nombre_ == 0; }
    // Tout le fichier, tel que le dialogue le montre (lignes CR LF).
    std::string texte() const;

private:
    void ecrire(const std::string& ligne);

    std::vector<std::string> nomsFichiers_;
    std::filesystem::path dossier_;
    FichierBinaire fichier_;
    std::uint64_t taille_ = 0;
    std::size_t nombre_ = 0;
    std::size_t dernierFichier_ = static_cast<std::size_t>(-1);
};

}  // namespace lignara
