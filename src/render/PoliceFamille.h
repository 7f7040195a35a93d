#pragma once
// Une famille de polices vue par fontconfig : ses fichiers de style régulier ou italique.
//
// Le nom demandé est pris tel quel quand des polices le portent (fontconfig compare sans tenir
// compte de la casse ni des blancs) ; sinon il n'est remplacé que par une famille que
// fontconfig lui substitue avec une liaison forte ou « same » (alias à métriques identiques :
// Arial → Liberation Sans), jamais par le repli générique qu'il donne à tout nom inconnu.
#include <string>
#include <string_view>
#include <vector>

namespace lignara {

struct FichierPolice {
    std::string chemin;
    int indice = 0;       // face dans le fichier
    std::string famille;  // UTF-8, telle que fontconfig la nomme
};

class PoliceFamille {
public:
    explicit PoliceFamille(std::string_view nom1252);

    // Famille réellement trouvée (UTF-8), vide quand aucune ne convient.
    const std::string& familleTrouvee() const { return famille_; }

    // Styles de graisse 400, droits ou italiques (italique et oblique) selon la demande, de
    // chasse normale quand la famille en a (sinon de toute chasse), triés par chemin.
    std::vector<FichierPolice> styles(bool italique) const;

    // Noms (UTF-8) de toutes les familles TrueType du système, triés, sans doublon.
    static std::vector<std::string> famillesTrueType();

    // Ajoute un dossier de polices propres au programme (essais, polices livrées).
    static bool ajouterDossier(const std::string& dossier);

    // Rend la mémoire de fontconfig (fin du programme ou des essais : fontconfig garde sinon
    // sa configuration jusqu'à la sortie, ce que les détecteurs de fuites signalent).
    static void liberer();

private:
    std::string famille_;
};

}  // namespace lignara
