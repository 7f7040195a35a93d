#pragma once
// État du programme pour toute sa durée : ses trois dossiers, les préférences et les compteurs
// d'usage. demarrer() les établit avant que la fenêtre construise ses menus ; quitter() range
// ce qui doit l'être quand la boucle des messages est finie.
//
//   Demarrage programme = Demarrage::demarrer();
//   FichierOuvert fichier(programme.dossierConfiguration, programme.dossierSortie);
//   …
//   programme.quitter(fichier);
#include <filesystem>
#include <span>
#include <string_view>

#include "reglages/CompteursUsage.h"
#include "reglages/Configuration.h"
#include "session/FichierOuvert.h"

namespace lignara {

struct Demarrage {
    std::filesystem::path dossierInstallation;
    std::filesystem::path dossierSortie;  // privé, voir DemarrageDossierSortie.h
    std::filesystem::path dossierConfiguration;
    Configuration configuration;
    EtatChargement etatConfiguration = EtatChargement::absent;
    CompteursUsage compteurs;

    // Dossier de configuration inaccessible, dossier temporaire inutilisable :
    // OperationImpossible avec le message à montrer avant de s'arrêter.
    static Demarrage demarrer();
    // Le même avec des dossiers donnés (essais, installation déplacée).
    static Demarrage demarrer(std::filesystem::path dossierConfiguration, std::filesystem::path dossierSortie);

    // Fichier à ouvrir d'abord : l'argument de la ligne de commande (sans les guillemets qui
    // l'entourent), sinon le fichier par défaut des préférences (octets du chemin) ; vide :
    // la fenêtre demande.
    std::filesystem::path fichierDuDemarrage(std::string_view argument) const;

    // Compteurs d'usage enregistrés (avec le nombre de personnes du dernier fichier ouvert),
    // documents produits effacés, fichier fermé. Rend faux quand les compteurs n'ont pu être
    // écrits ; le reste est fait quand même.
    // prefixesDocuments : ceux des types de documents (prefixesDocuments()).
    bool quitter(FichierOuvert& fichier, std::span<const std::string_view> prefixesDocuments) noexcept;
};

}  // namespace lignara
