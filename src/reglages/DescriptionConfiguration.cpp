#include "reglages/DescriptionConfiguration.h"

#include <cstdio>

#include "commun/Texte.h"
#include "render/FormatPapier.h"

namespace lignara {

namespace {

class Description {
public:
    void ligne(const char* libelle1252, const std::string& valeur1252) {
        lignes_.push_back(std::string(libelle1252) + " : " + valeur1252);
    }
    void oui(const char* libelle1252, bool valeur) { ligne(libelle1252, valeur ? "oui" : "non"); }
    void nombre(const char* libelle1252, long valeur, const char* unite1252 = "") {
        ligne(libelle1252, std::to_string(valeur) + unite1252);
    }
    void texte(const char* libelle1252, const std::string& valeur1252) {
        ligne(libelle1252, valeur1252.empty() ? "(aucun)" : "\"" + valeur1252 + "\"");
    }
    void couleur(const char* libelle1252, const CouleurRvb& c) {
        char tampon[32];
        std::snprintf(tampon, sizeof tampon, "#%02X%02X%02X", c.rouge, c.vert, c.bleu);
        ligne(libelle1252, tampon);
    }
    std::vector<std::string> prendre() { return std::move(lignes_); }

private:
    std::vector<std::string> lignes_;
};

void decrireGeneral(Description& d, const Configuration& c) {
    d.oui("Gestion automatique des minuscules/majuscules"_1252, c.casseAutomatique);
    d.texte("Fichier généalogique par défaut"_1252, c.fichierParDefaut);
    d.texte("Répertoire de téléchargement des photos"_1252, c.dossierPhotos);
    d.ligne("Pays par défaut"_1252, c.pays());
    d.oui("Etre prévenu des nouvelles versions de Lignara"_1252, !c.avisNouvellesVersions.empty());
}

void decrireMiseEnPage(Description& d, const Configuration& c) {
    d.ligne("Format de papier de la ligne de commande"_1252,
            formatPapierOuNonPagine(static_cast<std::int16_t>(c.papierLigneCommande)).nom);
    d.nombre("Compression des arbres"_1252, c.compressionArbres, " %");
    d.nombre("Compression des listes"_1252, c.compressionListes, " %");
    d.nombre("Compression des tableaux"_1252, c.compressionTableaux, " %");
    d.nombre("Marge haute"_1252, lignesDeMarge(c.margeHaut), " lignes");
    d.nombre("Marge basse"_1252, lignesDeMarge(c.margeBas), " lignes");
    d.nombre("Marge gauche"_1252, millimetresDeMarge(c.margeGauche), " mm");
    d.nombre("Marge droite"_1252, millimetresDeMarge(c.margeDroite), " mm");
    d.nombre("Espace minimal entre deux personnes"_1252, c.espaceMinimal);
    d.oui("Doubles branches ascendantes"_1252, c.doublesBranchesAscendantes);
    d.oui("Doubles branches descendantes"_1252, c.doublesBranchesDescendantes);
}

void decrireStyles(Description& d, const Configuration& c) {
    d.texte("Police"_1252, c.police);
    d.oui("Police au hasard à chaque nouveau document"_1252, c.policeAuHasard);
    d.nombre("Thème"_1252, c.theme);
    d.oui("Thème au hasard à chaque nouvel arbre"_1252, c.themeAuHasard);
    d.oui("Couleur selon le sexe"_1252, c.couleurParSexe);
    d.couleur("Couleur des hommes"_1252, c.couleurHommes);
    d.couleur("Couleur des femmes"_1252, c.couleurFemmes);
    d.couleur("Couleur du texte"_1252, c.couleurTexte);
    d.couleur("Couleur des traits"_1252, c.couleurTrait);
    d.couleur("Couleur de remplissage"_1252, c.couleurRemplissage);
}

void decrireDonnees(Description& d, const Configuration& c) {
    d.nombre("Données de l'arbre ascendant"_1252, c.donneesArbreAscendant);
    d.nombre("Données de l'arbre descendant"_1252, c.donneesArbreDescendant);
    d.nombre("Données de la liste ascendante"_1252, c.donneesListeAscendante);
    d.nombre("Données de la liste descendante"_1252, c.donneesListeDescendante);
    d.nombre("Données des autres listes"_1252, c.donneesAutresListes);
    d.nombre("Données du tableau ascendant"_1252, c.donneesTableauAscendant);
    d.nombre("Données du tableau des proches"_1252, c.donneesProches);
    d.nombre("Données de la galerie de portraits"_1252, c.donneesGalerie);
}

void decrireAfficheursEtSignature(Description& d, const Configuration& c) {
    const char* libelles[] = {"Afficheur PDF", "Afficheur TXT", "Afficheur RTF", "Afficheur Web"};
    for (std::size_t i = 0; i < c.afficheurs.size(); ++i) {
        if (c.afficheurs[i].empty())
            d.ligne(libelles[i], "(application associée au format)"_1252);
        else
            d.texte(libelles[i], c.afficheurs[i]);
    }
    d.oui("Signer les documents PDF"_1252, c.signature);
    d.texte("Signature, ligne 1"_1252, c.ligneSignature1);
    d.texte("Signature, ligne 2"_1252, c.ligneSignature2);
    d.couleur("Fond de la signature"_1252, c.couleurFondSignature);
}

}  // namespace

std::vector<std::string> decrireConfiguration(const Configuration& configuration) {
    Description d;
    decrireGeneral(d, configuration);
    decrireMiseEnPage(d, configuration);
    decrireStyles(d, configuration);
    decrireDonnees(d, configuration);
    decrireAfficheursEtSignature(d, configuration);
    return d.prendre();
}

}  // namespace lignara
