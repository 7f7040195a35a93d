#pragma once
// Import d'un fichier GEDCOM (ou des fichiers d'une fusion) dans une base de travail neuve.
//
//   ResultatImport r = ImporterGedcom("famille.ged", options);
//
// Lève OperationImpossible, avec son message français, quand un fichier ne peut pas être lu
// (« Fichier %s inexistant », « Lecture impossible du fichier Gedcom\n%s\n<Cause> » — un tube
// ou un périphérique est refusé sans attendre —, « Erreur de lecture du fichier %s\n<Raison> »
// pour un fichier vide ou sans ligne de niveau 0), quand il n'a ni en-tête « 0 HEAD » ni aucune
// fiche (« Le fichier %s n'est pas un fichier Gedcom… ») ou que le dossier temporaire est
// inutilisable (« Accès impossible au répertoire temporaire\n%s ») ; aucune base n'est alors
// laissée. Les fautes du GEDCOM ne l'arrêtent jamais : elles sont des lignes du rapport (un
// en-tête absent devant des fiches aussi).
//
// Plusieurs fichiers : chacun a son indice (0, 1, …), qui est l'octet de tête de ses clés et
// l'octet 33 de ses individus ; son jeu de caractères et ses drapeaux de logiciel sont les
// siens ; le rapport porte un titre par fichier. Le crochet apresBalayage peut écarter des
// personnes des fichiers secondaires (gardee = false) avant la numérotation.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "commun/DossierPrive.h"
#include "database/BaseGenealogique.h"
#include "gedcom/ConstructionBase.h"
#include "gedcom/JeuCaracteres.h"
#include "gedcom/LieuCodePays.h"
#include "gedcom/ModeCommentaire.h"
#include "gedcom/RegistresBalayage.h"

namespace lignara {

struct OptionsImport {
    ModeCommentaire modeCommentaire = ModeCommentaire::PremiereLigne;
    std::string tagCommentaire;     // mode 2 : tag GEDCOM du commentaire
    CodePays paysParDefaut{"FR"};   // préférence « Pays par défaut » : lieux sans pays nommé
    RappelProgression progression;  // unités de travail faites sur le total
    // Interrupteur « montrer les erreurs » : appelé avec tout le rapport (lignes CR LF,
    // Windows-1252) quand l'import réussit avec au moins une erreur.
    std::function<void(const std::string& rapport)> montrerErreurs;
    std::function<void(RegistresBalayage&)> apresBalayage;
    // Après apresBalayage, avec de quoi relire noms et dates : rapproche les personnes d'une fusion.
    std::function<void(RegistresBalayage&, PasseConstruction&)> rapprocher;
    std::filesystem::path dossierTemporaire = dossierPrive();
};

struct FichierImporte {
    std::filesystem::path chemin;
    JeuCaracteres jeu = JeuCaracteres::Aucun;
    std::uint16_t drapeauxLogiciel = 0;
};

struct ResultatImport {
    BaseGenealogique base;  // ouverte ; effacée à sa fermeture
    std::string rapport;    // la liste d'erreurs telle que le dialogue la montre
    std::size_t nombreErreurs = 0;
    std::vector<FichierImporte> fichiers;
    std::uint32_t personnesRapprochees = 0;  // fusion : personnes secondaires fondues dans le principal
    std::uint32_t personnesAjoutees = 0;     // fusion : personnes secondaires ajoutées
};

// Un chemin dont l'extension commence par 'f' est une description de fusion (DescriptionFusion,
// FusionGedcom) ; une description incorrecte lève OperationImpossible avec la ligne fautive.
ResultatImport ImporterGedcom(const std::filesystem::path& chemin, const OptionsImport& options = {});
ResultatImport ImporterGedcom(const std::vector<std::filesystem::path>& chemins, const OptionsImport& options = {});

}  // namespace lignara
